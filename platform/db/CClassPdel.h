// The P-delta analysis control: one record (key 1). Add stores it (added, or replacing the
// one there) and Del removes it; both are plain writes outside the undo history, and both
// notify the open dialogs. A record whose entry count lies outside 0 to 15 is refused (a
// model file holding one is damaged).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_PDEL_D.h"

class CClassPdel : public DB_CTable<T_PDEL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PDEL;
  enum {
    UR_PDEL_ADD = DB_UR_CODE(DB_CLASS_PDEL, DB_UR_ADD),
    UR_PDEL_DEL = DB_UR_CODE(DB_CLASS_PDEL, DB_UR_DEL),
    UR_PDEL_MFD = DB_UR_CODE(DB_CLASS_PDEL, DB_UR_MFD),
    UR_PDEL_MFS = DB_UR_CODE(DB_CLASS_PDEL, DB_UR_MFS),
  };

  CClassPdel() : DB_CTable(m_nClassID) {}

  using DB_CTable::Add;
  using DB_CTable::Del;
  BOOL Add(const T_PDEL_D& rec) { return Exist(1) ? Replace(1, rec) : DB_CTable::Add(1u, rec); }
  BOOL Del() { return DB_CTable::Del(1u); }

 protected:
  BOOL CheckRecord(const T_PDEL_D& rec) const override {
    return rec.count >= 0 && rec.count <= T_PDEL_D::MAX_ENTRIES;
  }
};

class CDataPdel : public DB_CDataImage<T_PDEL_D> {};
