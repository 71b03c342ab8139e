#include "ui/CDlgTabCtrl.h"

IMPLEMENT_DYNAMIC(CDlgTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CDlgTabCtrl, CTabCtrl)
  ON_NOTIFY_REFLECT_EX(TCN_SELCHANGE, &CDlgTabCtrl::OnSelChange)
END_MESSAGE_MAP()

void CDlgTabCtrl::SyncItems() {
  if (!m_hWnd) return;
  for (int i = GetItemCount(); i < m_pages.GetCount(); ++i) InsertItem(i, m_pages.GetTitle(i));
  if (CWnd* parent = GetParent()) m_pages.SetHost(parent, m_nIDPlaceHolder);
}

void CDlgTabCtrl::SetPlaceHolder(UINT nIDPlaceHolder) {
  m_nIDPlaceHolder = nIDPlaceHolder;
  SyncItems();
}

int CDlgTabCtrl::AddTab(CDlgChild* pPage, LPCTSTR title, UINT nIDTemplate, int bOwn) {
  int i = m_pages.Add(pPage, title, nIDTemplate, bOwn, 0);
  SyncItems();
  return i;
}

BOOL CDlgTabCtrl::ShowTab(int index) {
  SyncItems();
  if (!m_pages.Show(index)) return FALSE;
  if (m_hWnd && GetCurSel() != index) SetCurSel(index);
  return TRUE;
}

BOOL CDlgTabCtrl::OnSelChange(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  SyncItems();
  m_pages.Show(GetCurSel());
  return FALSE;  // the dialog hears of the change too
}
