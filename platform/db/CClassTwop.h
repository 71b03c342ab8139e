// Wall-opening types (T_TWOP_D), and their import from another model file.
//
// GetListFromFile reads the types of the model file at a path into a key array and a record
// array (file order, the record at i under the key at i), leaving the open model untouched;
// it answers 0, with the arrays as they were, for a file that cannot be read as a model
// (missing, not a file, foreign, damaged). The two array writes are one transaction each:
// TR_Add(records) adds them under fresh keys from the table, whatever keys they carry;
// TR_Add(keys, records) puts each record under its key, replacing the type of that key.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_TWOP_D.h"

class CClassTwop : public DB_CTable<T_TWOP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_TWOP;
  enum {
    UR_TWOP_ADD = DB_UR_CODE(DB_CLASS_TWOP, DB_UR_ADD),
    UR_TWOP_DEL = DB_UR_CODE(DB_CLASS_TWOP, DB_UR_DEL),
    UR_TWOP_MFD = DB_UR_CODE(DB_CLASS_TWOP, DB_UR_MFD),
    UR_TWOP_MFS = DB_UR_CODE(DB_CLASS_TWOP, DB_UR_MFS),
  };
  CClassTwop() : DB_CTable(m_nClassID) {}

  static BOOL GetListFromFile(const char* pszPath, CUIntArray& keys, CArray<T_TWOP_D>& recs);

  using DB_CTable::TR_Add;
  BOOL TR_Add(const CArray<T_TWOP_D>& recs);
  BOOL TR_Add(const CUIntArray& keys, const CArray<T_TWOP_D>& recs);

 protected:
  BOOL CheckRecord(const T_TWOP_D& r) const override;
};

class CDataTwop : public DB_CDataImage<T_TWOP_D> {};
