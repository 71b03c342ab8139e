// The records of the analysis model (the analysis database, CMDBCtrl::GetDBPost): nodes,
// elements and the stories, materials, sections and thicknesses they name. The analysis
// model is built from the building model (CPostModel): a node under the key of the point
// it comes from, an element under the key of its member, the other records under the keys
// of the model's records. Element numbers are element keys.
//
// Element types are the member types, but walls, which are type 209 (204 and 210 are
// walls with a height). The subtype of a slab (301) is its design-type slot 2: 1 stair
// slab, 2 stair landing, 3 roof; 0 for every other element.
#pragma once
#include "db/DBField.h"

struct T_PNODE_D {
  UINT key = 0;       // kept equal to the table's key
  double x = 0.0;     // global, m
  double y = 0.0;
  double z = 0.0;
  UINT storyKey = 0;

  void Initialize() { *this = T_PNODE_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_PMEMB_D {
  int type = 0;       // first word: the element type
  UINT key = 0;       // kept equal to the table's key
  int subtype = 0;
  CUIntArray nodes;   // as the member's points, gaps (4294967295) kept
  CUIntArray curves;  // the member's T_CURV_D keys (of the building model)
  UINT matlKey = 0;   // the material the member is made of (its own, else its story's)
  UINT sectKey = 0;
  UINT thikKey = 0;
  double beta = 0.0;  // degrees
  UINT storyKey = 0;

  static constexpr int WALL = 209;
  void Initialize() { *this = T_PMEMB_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_PSTOR_D {
  UINT key = 0;
  CString name;
  UINT mdulKey = 0;
  double level = 0.0;   // top, global, m
  double height = 0.0;  // m
  UINT planKey = 0;     // the story's standard floor, 0 none

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_PSTOR_D(); }
  static const DB_CRecordDesc& Desc();
};

// A tower of the building model, under its key.
struct T_PMDUL_D {
  UINT key = 0;
  CString name;

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_PMDUL_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_PMATL_D {
  UINT key = 0;
  CString name;
  CString type;  // "C", "S", "SRC", "U" as the model's material

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_PMATL_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_PSECT_D {
  UINT key = 0;
  CString name;
  int type = 0;      // the model's section type (T_SECT_D::iType)
  int matlType = 0;  // its material kind (T_SECT_D::iMatlType)

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_PSECT_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_PTHIK_D {
  UINT key = 0;
  CString name;
  double thick = 0.0;  // m

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_PTHIK_D(); }
  static const DB_CRecordDesc& Desc();
};
