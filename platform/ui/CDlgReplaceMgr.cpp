#include "ui/CDlgReplaceMgr.h"

#include "afx/CTabCtrl.h"

void CDlgReplaceMgr::SetPlaceHolder(CWnd* pDlg, UINT nIDPlaceHolder, UINT nIDTabCtrl) {
  m_pages.SetHost(pDlg, nIDPlaceHolder);
  m_nIDTabCtrl = nIDTabCtrl;
}

int CDlgReplaceMgr::AddTab(CDlgChild* pPage, LPCTSTR title, UINT nIDTemplate, int bOwn, int nPageID) {
  int i = m_pages.Add(pPage, title, nIDTemplate, bOwn, nPageID);
  CWnd* host = m_pages.GetHost();
  if (m_nIDTabCtrl && host && host->m_hWnd)
    if (auto* tab = dynamic_cast<CTabCtrl*>(host->GetDlgItem((int)m_nIDTabCtrl))) tab->InsertItem(i, title ? title : "");
  return i;
}

BOOL CDlgReplaceMgr::ShowTab(int index) {
  if (!m_pages.Show(index)) return FALSE;
  CWnd* host = m_pages.GetHost();
  if (m_nIDTabCtrl && host)
    if (auto* tab = dynamic_cast<CTabCtrl*>(host->GetDlgItem((int)m_nIDTabCtrl)))
      if (tab->GetCurSel() != index) tab->SetCurSel(index);
  return TRUE;
}
