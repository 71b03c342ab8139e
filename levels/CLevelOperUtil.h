// Level helpers shared by the module's level code.
#pragma once

class CLevelOperUtil {
 public:
  // Two levels (or heights) closer than this, in metres (the database's internal length
  // unit), are one level: 0.1 mm.
  static double GetLevelTolerance() { return 1e-4; }
};
