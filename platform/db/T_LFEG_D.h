// A seismic grade record (T_LFEG_D) and the link of a member to one (T_PREL_D).
//
// Grade codes: 0 none, 101 special grade 1, 201 intensity-9 grade 1, 301 to 304 grades 1
// to 4, 306 to 309 intensities 6 to 9. code[0] is read for concrete members and walls,
// code[1] for steel members, code[2] for steel-reinforced concrete members.
#pragma once
#include "db/DBField.h"

class CPrelIndex;

struct T_LFEG_D {
  UINT key = 0;  // kept equal to the table's key
  int code[3] = {0, 0, 0};

  // The slot of code a member's material kind reads (1 concrete, 2 steel, 3 steel-
  // reinforced concrete); walls read slot 0 whatever their material.
  static int SlotOfMatlKind(int kind) { return kind == 2 ? 1 : kind == 3 ? 2 : 0; }
  void Initialize() { *this = T_LFEG_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_PREL_D {
  UINT key = 0;   // kept equal to the table's key
  UINT memb = 0;  // the member (T_MEMB_D key)
  UINT lfeg = 0;  // its grade record (T_LFEG_D key); a missing one reads as the project's

  void Initialize() { *this = T_PREL_D(); }
  static const DB_CRecordDesc& Desc();
  using Index = CPrelIndex;
};
