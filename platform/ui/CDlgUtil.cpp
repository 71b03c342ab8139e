#include "ui/CDlgUtil.h"

#include "afx/CButton.h"

namespace {
CUIntArray ToArray(std::initializer_list<UINT> ids) {
  CUIntArray a;
  for (UINT id : ids) a.Add(id);
  return a;
}
CWnd* Ctrl(CWnd* pDlg, UINT id) { return pDlg && pDlg->m_hWnd ? pDlg->GetDlgItem((int)id) : nullptr; }
CRect ClientRectOf(CWnd* pDlg, CWnd* pCtl) {
  CRect r;
  pCtl->GetWindowRect(&r);
  pDlg->ScreenToClient(&r);
  return r;
}
}  // namespace

int CDlgUtil::CtrlRadioGetCheck(CWnd* pDlg, const CUIntArray& ids) {
  for (int i = 0; i < ids.GetSize(); ++i)
    if (Ctrl(pDlg, ids[i]) && pDlg->IsDlgButtonChecked((int)ids[i]) == BST_CHECKED) return i;
  return -1;
}
int CDlgUtil::CtrlRadioGetCheck(CWnd* pDlg, std::initializer_list<UINT> ids) {
  return CtrlRadioGetCheck(pDlg, ToArray(ids));
}

void CDlgUtil::CtrlRadioSetCheck(CWnd* pDlg, const CUIntArray& ids, int index) {
  for (int i = 0; i < ids.GetSize(); ++i)
    if (Ctrl(pDlg, ids[i])) pDlg->CheckDlgButton((int)ids[i], i == index ? BST_CHECKED : BST_UNCHECKED);
}
void CDlgUtil::CtrlRadioSetCheck(CWnd* pDlg, std::initializer_list<UINT> ids, int index) {
  CtrlRadioSetCheck(pDlg, ToArray(ids), index);
}

void CDlgUtil::CtrlShowHide(CWnd* pDlg, const CUIntArray& ids, BOOL bShow) {
  for (int i = 0; i < ids.GetSize(); ++i)
    if (CWnd* c = Ctrl(pDlg, ids[i])) c->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}
void CDlgUtil::CtrlShowHide(CWnd* pDlg, std::initializer_list<UINT> ids, BOOL bShow) {
  CtrlShowHide(pDlg, ToArray(ids), bShow);
}

void CDlgUtil::CtrlEnableDisable(CWnd* pDlg, const CUIntArray& ids, BOOL bEnable) {
  for (int i = 0; i < ids.GetSize(); ++i)
    if (CWnd* c = Ctrl(pDlg, ids[i])) c->EnableWindow(bEnable);
}
void CDlgUtil::CtrlEnableDisable(CWnd* pDlg, std::initializer_list<UINT> ids, BOOL bEnable) {
  CtrlEnableDisable(pDlg, ToArray(ids), bEnable);
}

void CDlgUtil::CtrlMoveDistXY(CWnd* pDlg, const CUIntArray& ids, int dx, int dy, BOOL bRepaint) {
  for (int i = 0; i < ids.GetSize(); ++i)
    if (CWnd* c = Ctrl(pDlg, ids[i])) {
      CRect r = ClientRectOf(pDlg, c);
      c->MoveWindow(r.left + dx, r.top + dy, r.Width(), r.Height(), bRepaint);
    }
}

BOOL CDlgUtil::GetCtrlIDByIncRect(CWnd* pDlg, CUIntArray& ids, UINT nIDGroup, BOOL bIncludeGroup) {
  ids.RemoveAll();
  CWnd* group = Ctrl(pDlg, nIDGroup);
  if (!group) return FALSE;
  CRect box = ClientRectOf(pDlg, group);
  if (bIncludeGroup) ids.Add(nIDGroup);
  for (CWnd* c = pDlg->GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT)) {
    if (c == group) continue;
    CRect r = ClientRectOf(pDlg, c);
    if (r.left >= box.left && r.top >= box.top && r.right <= box.right && r.bottom <= box.bottom)
      ids.Add((UINT)c->GetDlgCtrlID());
  }
  return TRUE;
}

void CDlgUtil::CtrlEnableDisableByRect(CWnd* pDlg, UINT nIDGroup, BOOL bEnable, BOOL bIncludeGroup) {
  CUIntArray ids;
  if (GetCtrlIDByIncRect(pDlg, ids, nIDGroup, bIncludeGroup)) CtrlEnableDisable(pDlg, ids, bEnable);
}

int CDlgUtil::CobxAddItem(CComboBox* pCobx, LPCTSTR text, DWORD_PTR data) {
  if (!pCobx) return CB_ERR;
  int i = pCobx->AddString(text);
  if (i >= 0) pCobx->SetItemData(i, data);
  return i;
}

BOOL CDlgUtil::CobxSetCurSelItemData(CComboBox* pCobx, DWORD_PTR data) {
  if (!pCobx) return FALSE;
  for (int i = 0; i < pCobx->GetCount(); ++i)
    if (pCobx->GetItemData(i) == data) {
      pCobx->SetCurSel(i);
      return TRUE;
    }
  pCobx->SetCurSel(-1);
  return FALSE;
}

DWORD_PTR CDlgUtil::CobxGetItemDataByCurSel(CComboBox* pCobx, DWORD_PTR def) {
  if (!pCobx) return def;
  int i = pCobx->GetCurSel();
  return i < 0 ? def : pCobx->GetItemData(i);
}
