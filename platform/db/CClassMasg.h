// The tables of data assigned to single members (MASG), points (PASG) and elements (EASG),
// records in db/T_MASG_D.h. A record lives under the key of its object; deleting members
// or points deletes their records in the same transaction.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_MASG_D.h"

class CClassMasg : public DB_CTable<T_MASG_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_MASG;
  enum {
    UR_MASG_ADD = DB_UR_CODE(DB_CLASS_MASG, DB_UR_ADD),
    UR_MASG_DEL = DB_UR_CODE(DB_CLASS_MASG, DB_UR_DEL),
    UR_MASG_MFD = DB_UR_CODE(DB_CLASS_MASG, DB_UR_MFD),
    UR_MASG_MFS = DB_UR_CODE(DB_CLASS_MASG, DB_UR_MFS),
  };
  CClassMasg() : DB_CTable(m_nClassID) {}
  // How many members have that kind of data assigned; O(1).
  int GetCountOf(CMasgCounts::Kind kind) const { return Set() ? Set()->Extra().Count(kind) : 0; }
};

class CClassPasg : public DB_CTable<T_PASG_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PASG;
  enum {
    UR_PASG_ADD = DB_UR_CODE(DB_CLASS_PASG, DB_UR_ADD),
    UR_PASG_DEL = DB_UR_CODE(DB_CLASS_PASG, DB_UR_DEL),
    UR_PASG_MFD = DB_UR_CODE(DB_CLASS_PASG, DB_UR_MFD),
    UR_PASG_MFS = DB_UR_CODE(DB_CLASS_PASG, DB_UR_MFS),
  };
  CClassPasg() : DB_CTable(m_nClassID) {}
  // How many points have a support assigned; O(1).
  int GetSupportCount() const { return Set() ? Set()->Extra().Supports() : 0; }
};

class CClassEasg : public DB_CTable<T_EASG_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_EASG;
  enum {
    UR_EASG_ADD = DB_UR_CODE(DB_CLASS_EASG, DB_UR_ADD),
    UR_EASG_DEL = DB_UR_CODE(DB_CLASS_EASG, DB_UR_DEL),
    UR_EASG_MFD = DB_UR_CODE(DB_CLASS_EASG, DB_UR_MFD),
    UR_EASG_MFS = DB_UR_CODE(DB_CLASS_EASG, DB_UR_MFS),
  };
  CClassEasg() : DB_CTable(m_nClassID) {}
};

class CDataMasg : public DB_CDataImage<T_MASG_D> {};
class CDataPasg : public DB_CDataImage<T_PASG_D> {};
class CDataEasg : public DB_CDataImage<T_EASG_D> {};
