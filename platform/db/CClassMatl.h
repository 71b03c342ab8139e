// Materials (T_MATL_D), keyed by the number the editor gives them; names are unique.
// A record's type must be one of the four type codes; E, unit weight and damping may
// not be negative and the Poisson ratio lies in [0, 0.5). A material that a story or the
// model control record assigns cannot be deleted (the stories are walked: a model has few).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_MATL_D.h"

struct T_SECT_D;

class CClassMatl : public DB_CTable<T_MATL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_MATL;
  enum {
    UR_MATL_ADD = DB_UR_CODE(DB_CLASS_MATL, DB_UR_ADD),
    UR_MATL_DEL = DB_UR_CODE(DB_CLASS_MATL, DB_UR_DEL),
    UR_MATL_MFD = DB_UR_CODE(DB_CLASS_MATL, DB_UR_MFD),
    UR_MATL_MFS = DB_UR_CODE(DB_CLASS_MATL, DB_UR_MFS),
  };

  CClassMatl() : DB_CTable(m_nClassID) {}

  // Keys of the materials of one type ("C", "S", "SRC", "U"), in sequence order.
  // Non-zero when the table is joined to a database (the list may be empty).
  BOOL GetKeyListByType(CUIntArray& keys, const CString& type) const;
  // Keys of the materials a section may take: those of the type matching the section's
  // material kind (RC "C", steel "S", SRC "SRC", user "U"). 0 when the section does not
  // exist or has no such kind.
  BOOL GetKeyListBySect(UINT sectKey, CUIntArray& keys) const;
  // The analysis values of a grade of the material standards (CDBDoc::GetMatlDB of the
  // current document, else CMatlDB::GetDefault): E, Poisson ratio, thermal coefficient and
  // unit weight, and for steel fak (yield) and fa (design strength), for concrete fck, ftk,
  // fc and ft; the other values 0. 0 (the values untouched) when the code has no such grade.
  BOOL GetSteelDataByMatlCodeName(const CString& code, const CString& grade, T_MATL_ANALYSIS& anal) const;
  BOOL GetConcreteDataByMatlCodeName(const CString& code, const CString& grade, T_MATL_ANALYSIS& anal) const;
  // Fills the SRC fields of a section (its Part1) from an SRC material (matl1 steel, matl2 concrete):
  // dEsEc = Es / Ec and dDsDc = Ds / Dc (0 when the concrete value is 0), dPs and dPc the
  // steel's and the concrete's Poisson ratios, nSrcMatl the material's key, iSrcMatlSet 1.
  // 0 (the section untouched) when the material is not of type "SRC".
  BOOL GetMatlInfo_ofSRCSect(const T_MATL_D& matl, T_SECT_D& sect) const;
  // The keys of the records that some member is made of (its applied material,
  // CClassMemb::GetAppliedMatlKey), in table order; empty when the
  // table is not joined to a database.
  void GetUsedKeyList(CUIntArray& keys) const;

 protected:
  BOOL CheckRecord(const T_MATL_D& rec) const override;
  BOOL CheckDelete(const std::vector<UINT>& keys) const override;
};

class CDataMatl : public DB_CDataImage<T_MATL_D> {};
