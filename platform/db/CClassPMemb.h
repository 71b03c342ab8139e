// The tables of the analysis model (records in db/T_PMEMB_D.h). They live in the analysis
// database, which CPostModel rebuilds from the building model; nothing checks that an
// element's nodes or keys exist there, since the building model already did.
#pragma once
#include "db/DBGeom.h"
#include "db/DB_CTable.h"
#include "db/T_PMEMB_D.h"

class CClassPNode : public DB_CTable<T_PNODE_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PNODE;
  enum {
    UR_PNODE_ADD = DB_UR_CODE(DB_CLASS_PNODE, DB_UR_ADD),
    UR_PNODE_DEL = DB_UR_CODE(DB_CLASS_PNODE, DB_UR_DEL),
    UR_PNODE_MFD = DB_UR_CODE(DB_CLASS_PNODE, DB_UR_MFD),
    UR_PNODE_MFS = DB_UR_CODE(DB_CLASS_PNODE, DB_UR_MFS),
  };
  CClassPNode() : DB_CTable(m_nClassID) {}
};

class CClassPMemb : public DB_CTable<T_PMEMB_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PMEMB;
  enum {
    UR_PMEMB_ADD = DB_UR_CODE(DB_CLASS_PMEMB, DB_UR_ADD),
    UR_PMEMB_DEL = DB_UR_CODE(DB_CLASS_PMEMB, DB_UR_DEL),
    UR_PMEMB_MFD = DB_UR_CODE(DB_CLASS_PMEMB, DB_UR_MFD),
    UR_PMEMB_MFS = DB_UR_CODE(DB_CLASS_PMEMB, DB_UR_MFS),
  };
  CClassPMemb() : DB_CTable(m_nClassID) {}

  // The element types a user selects by: those of CClassMemb::GetMembTypeList with walls
  // as 209, named by the text of "IDS_PMEMB_TYPE_<code>".
  static void GetMembTypeList(CUIntArray& codes, CStringArray& names);

  // ---- Element facts (the query window) ----
  // The element's material, section and thickness keys, as the record holds them.
  BOOL GetMatlSectThik(const T_PMEMB_D& rec, UINT& matl, UINT& sect, UINT& thik) const;
  // 1 with the length of a line element (arcs along the arc), 2 with the area of an area
  // element's outline up to its first gap, 0 when neither can be measured (a missing node,
  // too few nodes, another type). Walls (204, 209, 210) are line elements.
  int GetLengthArea(UINT key, const T_PMEMB_D& rec, double& value) const;
  static BOOL IsCurvMember(const T_PMEMB_D& rec) {
    for (UINT c : rec.curves)
      if (c) return TRUE;
    return FALSE;
  }
  // The first edge: the first two nodes and, for a first curve key other than 0, the arc
  // about that curve's centre. The analysis database holds no curves: the centre is read
  // from the building model of the current document (CDBDoc::m_pDBDoc), where the curve
  // keys belong. FALSE for a missing node or curve.
  BOOL GetLineInfo(const T_PMEMB_D& rec, T_LINE_G& line) const;
  // Keeps in keys, in their order, the elements whose type is listed (bKeep 1) or is not
  // (bKeep 0); keys of no element go. Returns the count left.
  int FilterByPMembType(CUIntArray& keys, const CUIntArray& types, int bKeep = 1) const;
  int FilterByPMembType(CUIntArray& keys, int type, int bKeep = 1) const;
};

class CClassPStor : public DB_CTable<T_PSTOR_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PSTOR;
  enum {
    UR_PSTOR_ADD = DB_UR_CODE(DB_CLASS_PSTOR, DB_UR_ADD),
    UR_PSTOR_DEL = DB_UR_CODE(DB_CLASS_PSTOR, DB_UR_DEL),
    UR_PSTOR_MFD = DB_UR_CODE(DB_CLASS_PSTOR, DB_UR_MFD),
    UR_PSTOR_MFS = DB_UR_CODE(DB_CLASS_PSTOR, DB_UR_MFS),
  };
  CClassPStor() : DB_CTable(m_nClassID) {}

  // Every story, in reverse table order.
  void GetKeyListReverse(CUIntArray& keys) const;
  // "TOWER:STORY" of the analysis model's tower and story; empty for a missing story.
  CString GetNameWithModule(UINT key, const char* = nullptr) const;
  // The stories of one tower, in reverse table order.
  void GetKeyListReverse(CUIntArray& keys, UINT mdulKey) const;
};

class CClassPMdul : public DB_CTable<T_PMDUL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PMDUL;
  enum {
    UR_PMDUL_ADD = DB_UR_CODE(DB_CLASS_PMDUL, DB_UR_ADD),
    UR_PMDUL_DEL = DB_UR_CODE(DB_CLASS_PMDUL, DB_UR_DEL),
    UR_PMDUL_MFD = DB_UR_CODE(DB_CLASS_PMDUL, DB_UR_MFD),
    UR_PMDUL_MFS = DB_UR_CODE(DB_CLASS_PMDUL, DB_UR_MFS),
  };
  CClassPMdul() : DB_CTable(m_nClassID) {}

  // The towers by ascending start level (the lowest bottom, level minus height, of their
  // stories in the analysis database; 0 for a tower without stories), towers of one level
  // in table order.
  void GetKeyListByLevel(CUIntArray& keys) const;
};

class CClassPMatl : public DB_CTable<T_PMATL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PMATL;
  enum {
    UR_PMATL_ADD = DB_UR_CODE(DB_CLASS_PMATL, DB_UR_ADD),
    UR_PMATL_DEL = DB_UR_CODE(DB_CLASS_PMATL, DB_UR_DEL),
    UR_PMATL_MFD = DB_UR_CODE(DB_CLASS_PMATL, DB_UR_MFD),
    UR_PMATL_MFS = DB_UR_CODE(DB_CLASS_PMATL, DB_UR_MFS),
  };
  CClassPMatl() : DB_CTable(m_nClassID) {}

  // The keys of the records that some element is made of, in table order.
  void GetUsedKeyList(CUIntArray& keys) const;
};

class CClassPSect : public DB_CTable<T_PSECT_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PSECT;
  enum {
    UR_PSECT_ADD = DB_UR_CODE(DB_CLASS_PSECT, DB_UR_ADD),
    UR_PSECT_DEL = DB_UR_CODE(DB_CLASS_PSECT, DB_UR_DEL),
    UR_PSECT_MFD = DB_UR_CODE(DB_CLASS_PSECT, DB_UR_MFD),
    UR_PSECT_MFS = DB_UR_CODE(DB_CLASS_PSECT, DB_UR_MFS),
  };
  CClassPSect() : DB_CTable(m_nClassID) {}

  // The keys of the records that some element uses as its section, in table order.
  void GetUsedKeyList(CUIntArray& keys) const;
};

class CClassPThik : public DB_CTable<T_PTHIK_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PTHIK;
  enum {
    UR_PTHIK_ADD = DB_UR_CODE(DB_CLASS_PTHIK, DB_UR_ADD),
    UR_PTHIK_DEL = DB_UR_CODE(DB_CLASS_PTHIK, DB_UR_DEL),
    UR_PTHIK_MFD = DB_UR_CODE(DB_CLASS_PTHIK, DB_UR_MFD),
    UR_PTHIK_MFS = DB_UR_CODE(DB_CLASS_PTHIK, DB_UR_MFS),
  };
  CClassPThik() : DB_CTable(m_nClassID) {}

  // The keys of the records that some element uses as its thickness, in table order.
  void GetUsedKeyList(CUIntArray& keys) const;
};

class CDataPNode : public DB_CDataImage<T_PNODE_D> {};
class CDataPMemb : public DB_CDataImage<T_PMEMB_D> {};
class CDataPStor : public DB_CDataImage<T_PSTOR_D> {};
class CDataPMdul : public DB_CDataImage<T_PMDUL_D> {};
