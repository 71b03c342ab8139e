// Member load types (T_LDTP_D). The command module only reads them; they are written by
// field (`put`) for now. A record needs a name and a kind of 0, 1 or 2. A load type that
// a member load assignment (CClassMbld) uses can be neither deleted nor renumbered.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_LDTP_D.h"

class CClassLdtp : public DB_CTable<T_LDTP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_LDTP;
  enum {
    UR_LDTP_ADD = DB_UR_CODE(DB_CLASS_LDTP, DB_UR_ADD),
    UR_LDTP_DEL = DB_UR_CODE(DB_CLASS_LDTP, DB_UR_DEL),
    UR_LDTP_MFD = DB_UR_CODE(DB_CLASS_LDTP, DB_UR_MFD),
    UR_LDTP_MFS = DB_UR_CODE(DB_CLASS_LDTP, DB_UR_MFS),
  };
  CClassLdtp() : DB_CTable(m_nClassID) {}

  // The key of the first load type of that name in table order, 0 when none (an index of
  // the names: O(k log n) for k load types of that name).
  UINT GetKey(const CString& name) const;

 protected:
  BOOL CheckRecord(const T_LDTP_D& r) const override;
};

class CDataLdtp : public DB_CDataImage<T_LDTP_D> {};
