// The buckling analysis control: one record (key 1). Add stores it (added, or replacing
// the one there) and Del removes it; both are plain writes outside the undo history, and
// both notify the open dialogs. A record whose entry count lies outside 0 to 15 is refused
// (a model file holding one is damaged).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_BUCK_D.h"

class CClassBuck : public DB_CTable<T_BUCK_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_BUCK;
  enum {
    UR_BUCK_ADD = DB_UR_CODE(DB_CLASS_BUCK, DB_UR_ADD),
    UR_BUCK_DEL = DB_UR_CODE(DB_CLASS_BUCK, DB_UR_DEL),
    UR_BUCK_MFD = DB_UR_CODE(DB_CLASS_BUCK, DB_UR_MFD),
    UR_BUCK_MFS = DB_UR_CODE(DB_CLASS_BUCK, DB_UR_MFS),
  };

  CClassBuck() : DB_CTable(m_nClassID) {}

  using DB_CTable::Add;
  using DB_CTable::Del;
  BOOL Add(const T_BUCK_D& rec) { return Exist(1) ? Replace(1, rec) : DB_CTable::Add(1u, rec); }
  BOOL Del() { return DB_CTable::Del(1u); }

 protected:
  BOOL CheckRecord(const T_BUCK_D& rec) const override {
    return rec.count >= 0 && rec.count <= T_BUCK_D::MAX_ENTRIES;
  }
};

class CDataBuck : public DB_CDataImage<T_BUCK_D> {};
