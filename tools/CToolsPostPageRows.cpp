// The element fillers of the analysis-model page: each sets the attribute control's
// current object, reads the element's attributes and fills the rows of its kind
// (tools/ElemAttrRows.h).
#include "tools/CToolsPostPage.h"
#include "tools/ElemAttrRows.h"

void CToolsPostPage::FillElement(int nObjClass, int nListKind, UINT key, const T_PMEMB_D& elem, int nRefresh) {
  m_ctrl.m_nObjClass = nObjClass;
  m_ctrl.m_nObjKey = key;
  m_matr.Initialize();
  m_ctrl.GetPostMemberAttr(m_matr, nRefresh);
  m_nShownKind = nListKind;
  T_ELEM_ROWS_PARAM param;
  param.elemType = elem.type;
  param.subtype = elem.subtype;
  param.tol = m_dTol;
  param.delMsg = WM_PROPLIST_POST_DEL;
  FillElemAttrRows(m_list, m_matr, param);
}

void CToolsPostPage::FillColumnAttrList(UINT key, T_PMEMB_D elem, int nRefresh) {
  FillElement(CMembDataCtrl::OBJ_P_COLUMN, LIST_COLUMN, key, elem, nRefresh);
}

void CToolsPostPage::FillBeamAttrList(UINT key, T_PMEMB_D elem, int nRefresh) {
  FillElement(CMembDataCtrl::OBJ_P_BEAM, LIST_BEAM, key, elem, nRefresh);
}

void CToolsPostPage::FillSBeamAttrList(UINT key, T_PMEMB_D elem, int nRefresh) {
  FillElement(CMembDataCtrl::OBJ_P_SBEAM, LIST_SBEAM, key, elem, nRefresh);
}

void CToolsPostPage::FillWallHeightAttrList(UINT key, T_PMEMB_D elem, int nRefresh) {
  FillElement(CMembDataCtrl::OBJ_P_WALL_HEIGHT, LIST_WALL, key, elem, nRefresh);
}

void CToolsPostPage::FillWallAttrList(UINT key, T_PMEMB_D elem, int nRefresh) {
  FillElement(CMembDataCtrl::OBJ_P_WALL, LIST_WALL, key, elem, nRefresh);
}

void CToolsPostPage::FillSlabAttrList(UINT key, T_PMEMB_D elem, int nRefresh) {
  FillElement(CMembDataCtrl::OBJ_P_SLAB, LIST_SLAB, key, elem, nRefresh);
}

void CToolsPostPage::FillBraceAttrList(UINT key, T_PMEMB_D elem, int nRefresh) {
  FillElement(CMembDataCtrl::OBJ_P_BRACE, LIST_BRACE, key, elem, nRefresh);
}
