// Towers. Key 1 is the main tower, which cannot be deleted; deleting a tower deletes its
// stories in the same transaction.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_MDUL_D.h"

class CClassMdul : public DB_CTable<T_MDUL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_MDUL;
  enum {
    UR_MDUL_ADD = DB_UR_CODE(DB_CLASS_MDUL, DB_UR_ADD),
    UR_MDUL_DEL = DB_UR_CODE(DB_CLASS_MDUL, DB_UR_DEL),
    UR_MDUL_MFD = DB_UR_CODE(DB_CLASS_MDUL, DB_UR_MFD),
    UR_MDUL_MFS = DB_UR_CODE(DB_CLASS_MDUL, DB_UR_MFS),
  };
  static constexpr UINT MAIN_TOWER = 1;

  CClassMdul() : DB_CTable(m_nClassID) {}

  // The towers by ascending start level (CClassStor::GetStartLevelofCurMdul), towers of one
  // level in table order.
  void GetKeyListByLevel(CUIntArray& keys) const;

 protected:
  BOOL CheckDelete(const std::vector<UINT>& keys) const override;
  BOOL CheckTable(UINT& badKey) const override;
  void DeleteDependants(const std::vector<UINT>& keys) override;
};

class CDataMdul : public DB_CDataImage<T_MDUL_D> {};
