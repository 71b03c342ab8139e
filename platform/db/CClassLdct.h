// The one-record tables of the project's seismic settings: the load-design control
// (CClassLdct) and the two seismic records it chooses between (CClassSpch, CClassSsch).
// Each record lives under key 1.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_LDCT_D.h"

class CClassLdct : public DB_CTable<T_LDCT_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_LDCT;
  enum {
    UR_LDCT_ADD = DB_UR_CODE(DB_CLASS_LDCT, DB_UR_ADD),
    UR_LDCT_DEL = DB_UR_CODE(DB_CLASS_LDCT, DB_UR_DEL),
    UR_LDCT_MFD = DB_UR_CODE(DB_CLASS_LDCT, DB_UR_MFD),
    UR_LDCT_MFS = DB_UR_CODE(DB_CLASS_LDCT, DB_UR_MFS),
  };
  CClassLdct() : DB_CTable(m_nClassID) {}
  using DB_CTable::TR_Add;
  // Stores the model's one record (added or replaced), undoable.
  BOOL TR_Add(const T_LDCT_D& rec) { return DB_CTable::TR_Add(1u, rec); }
};

class CClassSpch : public DB_CTable<T_SPCH_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_SPCH;
  enum {
    UR_SPCH_ADD = DB_UR_CODE(DB_CLASS_SPCH, DB_UR_ADD),
    UR_SPCH_DEL = DB_UR_CODE(DB_CLASS_SPCH, DB_UR_DEL),
    UR_SPCH_MFD = DB_UR_CODE(DB_CLASS_SPCH, DB_UR_MFD),
    UR_SPCH_MFS = DB_UR_CODE(DB_CLASS_SPCH, DB_UR_MFS),
  };
  CClassSpch() : DB_CTable(m_nClassID) {}
  using DB_CTable::TR_Add;
  BOOL TR_Add(const T_SPCH_D& rec) { return DB_CTable::TR_Add(1u, rec); }
};

class CClassSsch : public DB_CTable<T_SSCH_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_SSCH;
  enum {
    UR_SSCH_ADD = DB_UR_CODE(DB_CLASS_SSCH, DB_UR_ADD),
    UR_SSCH_DEL = DB_UR_CODE(DB_CLASS_SSCH, DB_UR_DEL),
    UR_SSCH_MFD = DB_UR_CODE(DB_CLASS_SSCH, DB_UR_MFD),
    UR_SSCH_MFS = DB_UR_CODE(DB_CLASS_SSCH, DB_UR_MFS),
  };
  CClassSsch() : DB_CTable(m_nClassID) {}
  using DB_CTable::TR_Add;
  BOOL TR_Add(const T_SSCH_D& rec) { return DB_CTable::TR_Add(1u, rec); }
};

class CDataLdct : public DB_CDataImage<T_LDCT_D> {};
class CDataSpch : public DB_CDataImage<T_SPCH_D> {};
class CDataSsch : public DB_CDataImage<T_SSCH_D> {};
