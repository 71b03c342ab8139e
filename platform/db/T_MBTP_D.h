// A member's design types (table CClassMbtp, keyed by the member's dsgnKey): per design
// attribute a value (value[0] to value[5], slots 1 to 6) and an automatic flag
// (autoFlag[0] to autoFlag[5]; non-zero: determined automatically). What a slot means
// depends on the member type; for slabs slot 1 (value[0]) is the protection design type
// and slot 2 (value[1]) the subtype (1 stair slab, 2 stair landing, 3 roof, other a plain
// slab).
#pragma once
#include "db/DBField.h"

struct T_MBTP_D {
  UINT key = 0;
  int value[6] = {0, 0, 0, 0, 0, 0};
  int autoFlag[6] = {0, 0, 0, 0, 0, 0};

  static constexpr int SLAB_STAIR = 1, SLAB_LANDING = 2, SLAB_ROOF = 3;
  void Initialize() { *this = T_MBTP_D(); }
  static const DB_CRecordDesc& Desc();
};
