// The civil-air-defence record (T_LCUG_D): one record, key 1. TR_Add stores it as one
// undoable change, added or replacing the one there. The story reads give the stored keys,
// 0 when the model has no record.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_LCUG_D.h"

class CClassLcug : public DB_CTable<T_LCUG_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_LCUG;
  enum {
    UR_LCUG_ADD = DB_UR_CODE(DB_CLASS_LCUG, DB_UR_ADD),
    UR_LCUG_DEL = DB_UR_CODE(DB_CLASS_LCUG, DB_UR_DEL),
    UR_LCUG_MFD = DB_UR_CODE(DB_CLASS_LCUG, DB_UR_MFD),
    UR_LCUG_MFS = DB_UR_CODE(DB_CLASS_LCUG, DB_UR_MFS),
  };
  CClassLcug() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  BOOL TR_Add(const T_LCUG_D& rec) { return DB_CTable::TR_Add(1u, rec); }

  UINT GetUpperInbangSlabStoryKey() const;
  UINT GetLowerInbangSlabStoryKey() const;
};

class CDataLcug : public DB_CDataImage<T_LCUG_D> {};
