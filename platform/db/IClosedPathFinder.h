// Closed regions of the plan graph of line members: the smallest regions that members
// enclose (the faces of the graph drawn in plan), and the removal of regions that lie
// inside others.
#pragma once
#include "afx/CArray.h"
#include "db/DBGeom.h"

class DB_CDataBase;

// One closed region: its members and its points, in order around it (counter-clockwise
// in plan), the first point being the start of the first member's edge.
struct T_CPF_CYCLE_PATH {
  CUIntArray membKeys;
  CUIntArray pontKeys;
};

class IClosedPathFinder {
 public:
  // The smallest closed regions bounded by the given members (line members; each joins
  // its first and last point; members of no plan length and members that end loose
  // bound nothing; of members joining the same two points the lowest key counts).
  // Regions in order of their first member's key. The integers and the tolerance are
  // not used. 0 when a member cannot be read.
  static BOOL Find(DB_CDataBase* pDB, const CUIntArray& membKeys, CArray<T_CPF_CYCLE_PATH>& paths, int = 1,
                   int = 1, int = 0, double = 0.0);
  // The region's outline in plan.
  static BOOL GetPolygon(DB_CDataBase* pDB, const T_CPF_CYCLE_PATH& path, std::vector<T_POINT2D>& poly);
};

class CSlabOverlapChecker {
 public:
  // Removes the regions that lie inside another region (every point of theirs and their
  // centre within its outline).
  static void RemoveSlabInnerSlab(DB_CDataBase* pDB, CArray<T_CPF_CYCLE_PATH>& paths);
};
