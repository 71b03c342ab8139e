// A member's design types (table CClassMbtp, keyed by the member's dsgnKey): per design
// attribute a value (slot1 to slot6) and an automatic flag (auto1 to auto6; non-zero:
// determined automatically). What a slot means depends on the member type; for slabs
// slot1 is the protection design type and slot2 the subtype (1 stair slab, 2 stair
// landing, 3 roof, other a plain slab).
#pragma once
#include "db/DBField.h"

struct T_MBTP_D {
  UINT key = 0;
  int slot1 = 0, slot2 = 0, slot3 = 0, slot4 = 0, slot5 = 0, slot6 = 0;
  int auto1 = 0, auto2 = 0, auto3 = 0, auto4 = 0, auto5 = 0, auto6 = 0;

  static constexpr int SLAB_STAIR = 1, SLAB_LANDING = 2, SLAB_ROOF = 3;
  void Initialize() { *this = T_MBTP_D(); }
  static const DB_CRecordDesc& Desc();
};
