// Beam load types (T_BLTP_D), and their import from another model file.
//
// GetListFromFile reads the types of the model file at a path into a key array and a record
// array, both replaced (file order, the record at i under the key at i), leaving the open
// model untouched; it answers 0, with the arrays as they were, for a file that cannot be
// read as a model (missing, unreadable, foreign, damaged).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_BLTP_D.h"

class CClassBltp : public DB_CTable<T_BLTP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_BLTP;
  enum {
    UR_BLTP_ADD = DB_UR_CODE(DB_CLASS_BLTP, DB_UR_ADD),
    UR_BLTP_DEL = DB_UR_CODE(DB_CLASS_BLTP, DB_UR_DEL),
    UR_BLTP_MFD = DB_UR_CODE(DB_CLASS_BLTP, DB_UR_MFD),
    UR_BLTP_MFS = DB_UR_CODE(DB_CLASS_BLTP, DB_UR_MFS),
  };
  CClassBltp() : DB_CTable(m_nClassID) {}

  static BOOL GetListFromFile(const char* pszPath, CUIntArray& keys, CArray<T_BLTP_D>& recs);
};

class CDataBltp : public DB_CDataImage<T_BLTP_D> {};
