// Sections (T_SECT_D), keyed by the number the editor gives them. Names need not be
// unique. Their scale factors (CClassSecf) follow them in the same transaction:
// deleting sections deletes their factors, renumbering a section moves its factors to
// the new number.
#pragma once
#include "db/DB_CTable.h"
#include "db/SectRecord.h"

class CClassSect : public DB_CTable<T_SECT_D> {
 public:
  static constexpr UINT m_nClassID = SECT_CLASS_ID;
  enum {
    UR_SECT_ADD = DB_UR_CODE(SECT_CLASS_ID, DB_UR_ADD),
    UR_SECT_DEL = DB_UR_CODE(SECT_CLASS_ID, DB_UR_DEL),
    UR_SECT_MFD = DB_UR_CODE(SECT_CLASS_ID, DB_UR_MFD),
    UR_SECT_MFS = DB_UR_CODE(SECT_CLASS_ID, DB_UR_MFS),
  };

  CClassSect() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Modify;
  BOOL TR_Modify(UINT oldKey, UINT newKey, const T_SECT_D& rec);

  // Non-zero when the sizes of the record make a section (CSectUtil::CheckSectSize).
  // The first and last arguments are not used (the record is checked whole).
  BOOL CheckSectSize(int nOption, const T_SECT_D& rec, int nFlag) const;
  // The sections of the material's kind (concrete, steel, SRC or user material), in
  // sequence; 0 for a missing material.
  BOOL GetKeyListByMatl(UINT matlKey, CUIntArray& keys) const;
  // The keys of the records that some member uses as its section, in table order; empty when the
  // table is not joined to a database.
  void GetUsedKeyList(CUIntArray& keys) const;

 protected:
  void DeleteDependants(const std::vector<UINT>& keys) override;
};

class CDataSect : public DB_CDataImage<T_SECT_D> {};
