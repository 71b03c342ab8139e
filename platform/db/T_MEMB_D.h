// A member of the building model and the curve of a curved one.
//
// Member type codes: 100 point, 101 column, 200 line member, 201 beam, 202 wall,
// 203 lintel, 205 secondary beam, 206 brace, 300 area member, 301 slab, 302 and 305
// further area kinds, 306 stair slab. A line member lists its two end points, an area
// member its outline, first to last; a point key 4294967295 in the list is a gap (an
// outline with an opening). A curved member lists one curve key per edge (0 for a
// straight edge).
#pragma once
#include "db/DBField.h"
#include "db/ModelIndex.h"

struct T_MEMB_D {
  UINT key = 0;          // kept equal to the table's key
  int type = 0;
  UINT storyKey = 0;
  CUIntArray points;     // first to last; GAP_POINT marks a gap
  CUIntArray curves;     // T_CURV_D keys
  UINT matlKey = 0;      // own material, 0: the story's for its kind
  UINT sectKey = 0;      // line members
  UINT thikKey = 0;      // area members
  double beta = 0.0;     // degrees
  UINT dsgnKey = 0;      // T_MBTP_D key, 0 none
  CString name;          // need not be unique nor given
  UINT number = 0;       // the number the user sees; 0 takes the key

  static constexpr UINT GAP_POINT = 0xFFFFFFFFu;
  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_MEMB_D(); }
  static const DB_CRecordDesc& Desc();
  using Index = CMembIndex;
};

// The arc of a curved member edge: its centre, global coordinates.
struct T_CURV_D {
  UINT key = 0;
  double cx = 0.0;
  double cy = 0.0;
  double cz = 0.0;

  void Initialize() { *this = T_CURV_D(); }
  static const DB_CRecordDesc& Desc();
};
