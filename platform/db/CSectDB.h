// The steel-section database: named lists of rolled profiles with their dimensions,
// radii and published properties.
//
// One database, "GB-YB05", holds Chinese hot-rolled profiles: wide, medium and narrow
// flange H sections ("HW100x100", "HM194x150", "HN200x100"; shape "H"), channels
// ("C10", "C14a"; shape "C", flange slope 1:10) and equal angles ("L50x5"; shape "L").
// Profile sizes go into a shape's dSize (m) in the order of the regular shape's size
// titles: H and C: h, b, tw, t, b, t (both flanges given, so B2 = B1); L: b, b, t, t.
// The profile's iFabType is 2 (rolled).
//
// Properties of a database profile: the published area, second moments, elastic
// moduli, radii of gyration and (channels, angles) centroid distance; the others are
// computed from the rolled geometry: the outline with root radius r rounding the
// web-to-flange corners, toe radius r1 rounding the inner toes of channels and angles,
// and the 1:10 inner slope of channel flanges (t measured halfway along the flange
// outstand).
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"
#include "db/SectRecord.h"

// One stored profile; lengths in mm, areas cm2, second moments cm4, moduli cm3, radii
// of gyration and centroid distances cm, as the tables print them.
struct SectProfile {
  const char* name;
  const char* shape;  // "H", "C" or "L"
  double h, b, tw, tf, r, r1;
  double A, Ix, Iy, Wx, Wy, ix, iy;
  double z0;  // channels and angles: centroid from the back of the web or leg; else 0
};

class CSectDB {
 public:
  static const char* const kDBName;  // "GB-YB05"

  // The database holds no state of its own: one shared object serves every document
  // (what CDBDoc::GetSectDB should hand out).
  static CSectDB* GetDefault();

  void GetDBNameList(CStringArray& names) const;
  // Profiles of one shape code in a database, in table order.
  void GetSectNameList(const char* dbName, const char* shape, CStringArray& names) const;
  // Sizes (m) and iFabType of a profile into a shape; also its database and profile
  // names. Non-zero when the profile exists.
  BOOL GetSectData(const char* dbName, const char* sectName, T_SECT_SECTBASE_D& base) const;
  // CSectUtil::CalcSectData (database profiles take their published properties).
  BOOL CalcSectData(T_SECT_D& sect) const;

  static const SectProfile* FindProfile(const char* dbName, const char* sectName);
  static const SectProfile* Profiles(int& count);
  // Properties of a profile from its rolled geometry alone (no published values).
  static BOOL CalcRolled(const SectProfile& p, T_SECT_STIFFNESS& st, T_SECT_DESIGN& de);
  // When base names a stored profile of this shape whose sizes it holds, replaces its
  // properties by the profile's (published where published, else rolled geometry).
  static BOOL ApplyPublished(const CString& shape, T_SECT_SECTBASE_D& base);
};
