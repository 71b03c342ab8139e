// The element filler of the analysis-model page: sets the attribute control's current
// object, reads the element's attributes and fills the rows of its kind
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
