// Plate thicknesses (T_THIK_D; names need be neither unique nor given), the stair
// records of stair slabs (T_STIK_D, keyed by the member key) and the members' design
// types (T_MBTP_D). A thickness that a member uses can be neither deleted nor renumbered.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_MBTP_D.h"
#include "db/T_THIK_D.h"

class CClassThik : public DB_CTable<T_THIK_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_THIK;
  enum {
    UR_THIK_ADD = DB_UR_CODE(DB_CLASS_THIK, DB_UR_ADD),
    UR_THIK_DEL = DB_UR_CODE(DB_CLASS_THIK, DB_UR_DEL),
    UR_THIK_MFD = DB_UR_CODE(DB_CLASS_THIK, DB_UR_MFD),
    UR_THIK_MFS = DB_UR_CODE(DB_CLASS_THIK, DB_UR_MFS),
  };
  CClassThik() : DB_CTable(m_nClassID) {}

  // The plate thickness (thick1), 0.0 for a missing key.
  double GetThickness(UINT key) const;
  // The thickness the record's name is made from (thick1); 0 for a missing key.
  BOOL GetThikForThikName(UINT key, double& t) const;
  // The keys of the records that some member uses as its thickness, in table order; empty when the
  // table is not joined to a database.
  void GetUsedKeyList(CUIntArray& keys) const;

 protected:
  BOOL CheckRecord(const T_THIK_D& r) const override;
};

class CClassStik : public DB_CTable<T_STIK_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_STIK;
  enum {
    UR_STIK_ADD = DB_UR_CODE(DB_CLASS_STIK, DB_UR_ADD),
    UR_STIK_DEL = DB_UR_CODE(DB_CLASS_STIK, DB_UR_DEL),
    UR_STIK_MFD = DB_UR_CODE(DB_CLASS_STIK, DB_UR_MFD),
    UR_STIK_MFS = DB_UR_CODE(DB_CLASS_STIK, DB_UR_MFS),
  };
  CClassStik() : DB_CTable(m_nClassID) {}

  // Equivalent thickness of a stair slab of plate thickness t with steps of width w and
  // height h: t·√(w² + h²)/w + h/2 (the plate measured plumb, plus half a step); t for
  // w = 0.
  static double GetConvertThickness(double w, double h, double t);

 protected:
  BOOL CheckRecord(const T_STIK_D& r) const override;
};

class CClassMbtp : public DB_CTable<T_MBTP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_MBTP;
  enum {
    UR_MBTP_ADD = DB_UR_CODE(DB_CLASS_MBTP, DB_UR_ADD),
    UR_MBTP_DEL = DB_UR_CODE(DB_CLASS_MBTP, DB_UR_DEL),
    UR_MBTP_MFD = DB_UR_CODE(DB_CLASS_MBTP, DB_UR_MFD),
    UR_MBTP_MFS = DB_UR_CODE(DB_CLASS_MBTP, DB_UR_MFS),
  };
  CClassMbtp() : DB_CTable(m_nClassID) {}
};

class CDataThik : public DB_CDataImage<T_THIK_D> {};
class CDataStik : public DB_CDataImage<T_STIK_D> {};
class CDataMbtp : public DB_CDataImage<T_MBTP_D> {};
