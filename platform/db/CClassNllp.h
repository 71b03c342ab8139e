// The nonlinear link properties of the model (T_NLLP_D) and the links placed with them
// (T_NLNK_D). Link properties have unique, non-empty names and sound flag texts (T_NLLP_D.h);
// a property may be deleted while links name it. The links' table checks nothing.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_NLLP_D.h"

class CClassNllp : public DB_CTable<T_NLLP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_NLLP;
  enum {
    UR_NLLP_ADD = DB_UR_CODE(DB_CLASS_NLLP, DB_UR_ADD),
    UR_NLLP_DEL = DB_UR_CODE(DB_CLASS_NLLP, DB_UR_DEL),
    UR_NLLP_MFD = DB_UR_CODE(DB_CLASS_NLLP, DB_UR_MFD),
    UR_NLLP_MFS = DB_UR_CODE(DB_CLASS_NLLP, DB_UR_MFS),
  };

  CClassNllp() : DB_CTable(m_nClassID) {}

 protected:
  BOOL CheckRecord(const T_NLLP_D& rec) const override { return rec.HasSoundFlags(); }
};

class CDataNllp : public DB_CDataImage<T_NLLP_D> {};

class CClassNlnk : public DB_CTable<T_NLNK_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_NLNK;
  enum {
    UR_NLNK_ADD = DB_UR_CODE(DB_CLASS_NLNK, DB_UR_ADD),
    UR_NLNK_DEL = DB_UR_CODE(DB_CLASS_NLNK, DB_UR_DEL),
    UR_NLNK_MFD = DB_UR_CODE(DB_CLASS_NLNK, DB_UR_MFD),
    UR_NLNK_MFS = DB_UR_CODE(DB_CLASS_NLNK, DB_UR_MFS),
  };

  CClassNlnk() : DB_CTable(m_nClassID) {}
};

class CDataNlnk : public DB_CDataImage<T_NLNK_D> {};
