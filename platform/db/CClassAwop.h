// The openings of the walls (T_AWOP_D), one record a wall, keyed by the wall's member
// key: the openings in the wall's order, each the key of its opening type (CClassTwop)
// and its own position along the wall (a plain number, like the type's sizes). The two
// lists always have the same length; a record with no opening may exist (the wall's
// opening flag is then set while nothing is listed). The record goes with its wall.
#pragma once
#include "db/DB_CTable.h"

struct T_AWOP_D {
  UINT key = 0;
  CUIntArray twop;      // opening-type keys (not checked)
  CArray<double> pos;   // positions, one per opening

  void Initialize() { *this = T_AWOP_D(); }
  static const DB_CRecordDesc& Desc();
};

class CClassAwop : public DB_CTable<T_AWOP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_AWOP;
  enum {
    UR_AWOP_ADD = DB_UR_CODE(DB_CLASS_AWOP, DB_UR_ADD),
    UR_AWOP_DEL = DB_UR_CODE(DB_CLASS_AWOP, DB_UR_DEL),
    UR_AWOP_MFD = DB_UR_CODE(DB_CLASS_AWOP, DB_UR_MFD),
    UR_AWOP_MFS = DB_UR_CODE(DB_CLASS_AWOP, DB_UR_MFS),
  };
  CClassAwop() : DB_CTable(m_nClassID) {}

 protected:
  BOOL CheckRecord(const T_AWOP_D& r) const override;
};

class CDataAwop : public DB_CDataImage<T_AWOP_D> {};
