// The slabs' mid-span reinforcement directions (T_SDIR_D), one record per slab under the
// slab's member key. Deleting a member deletes its record in the same transaction.
//
// TR_Replace writes one record under every key given, added where the slab has none and
// replacing the one it has, as one undoable transaction (a key given twice is written
// once). It is refused, changing nothing and telling nobody, when a key names no slab
// (no member, or a member whose type is not 301), when the angle is not finite, or when
// the database cannot be written; an empty list changes nothing and succeeds.
// Cost: O(k log n) for k keys, plus the notification.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_SDIR_D.h"

class CClassSdir : public DB_CTable<T_SDIR_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_SDIR;
  static constexpr int SLAB_TYPE = 301;
  enum {
    UR_SDIR_ADD = DB_UR_CODE(DB_CLASS_SDIR, DB_UR_ADD),
    UR_SDIR_DEL = DB_UR_CODE(DB_CLASS_SDIR, DB_UR_DEL),
    UR_SDIR_MFD = DB_UR_CODE(DB_CLASS_SDIR, DB_UR_MFD),
    UR_SDIR_MFS = DB_UR_CODE(DB_CLASS_SDIR, DB_UR_MFS),
  };
  CClassSdir() : DB_CTable(m_nClassID) {}

  BOOL TR_Replace(const CUIntArray& slabKeys, const T_SDIR_D& rec);
};

class CDataSdir : public DB_CDataImage<T_SDIR_D> {};
