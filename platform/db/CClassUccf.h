// The uncertain load-combination factors of members (T_UCCF_D): each names an existing
// member and goes when the member goes.
#pragma once
#include "db/DB_CMembAttrTable.h"
#include "db/T_UCCF_D.h"

class CClassUccf : public DB_CMembAttrTable<T_UCCF_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_UCCF;
  enum {
    UR_UCCF_ADD = DB_UR_CODE(DB_CLASS_UCCF, DB_UR_ADD),
    UR_UCCF_DEL = DB_UR_CODE(DB_CLASS_UCCF, DB_UR_DEL),
    UR_UCCF_MFD = DB_UR_CODE(DB_CLASS_UCCF, DB_UR_MFD),
    UR_UCCF_MFS = DB_UR_CODE(DB_CLASS_UCCF, DB_UR_MFS),
  };
  CClassUccf() : DB_CMembAttrTable(m_nClassID) {}

  // The records of the given members, in the members' order and ascending keys within
  // one; non-zero when at least one was found.
  BOOL GetListByMemb(const CUIntArray& membs, CUIntArray& keys, CArray<T_UCCF_D>& recs) const;
};

class CDataUccf : public DB_CDataImage<T_UCCF_D> {};
