#include "ui/CDlgPageSet.h"

CDlgPageSet::~CDlgPageSet() {
  for (Page& p : m_pages) {
    if (!p.bOwn || !p.pPage) continue;
    if (p.pPage->m_hWnd) p.pPage->DestroyWindow();
    delete p.pPage;
  }
}

void CDlgPageSet::SetHost(CWnd* pHost, UINT nIDPlaceHolder) {
  m_pHost = pHost;
  m_nIDPlaceHolder = nIDPlaceHolder;
}

int CDlgPageSet::Add(CDlgChild* pPage, LPCTSTR title, UINT nIDTemplate, int bOwn, int nPageID) {
  m_pages.push_back(Page{pPage, CString(title ? title : ""), nIDTemplate, bOwn, nPageID});
  return (int)m_pages.size() - 1;
}

CRect CDlgPageSet::GetPageRect() const {
  CRect rc(0, 0, 0, 0);
  if (!m_pHost || !m_pHost->m_hWnd) return rc;
  CWnd* ph = m_pHost->GetDlgItem((int)m_nIDPlaceHolder);
  if (!ph) {
    m_pHost->GetClientRect(&rc);
    return rc;
  }
  ph->GetWindowRect(&rc);
  m_pHost->ScreenToClient(&rc);
  return rc;
}

BOOL CDlgPageSet::Show(int index) {
  if (index < 0 || index >= GetCount() || !m_pHost || !m_pHost->m_hWnd) return FALSE;
  Page& p = m_pages[(size_t)index];
  if (!p.pPage) return FALSE;
  if (!p.pPage->m_hWnd && !p.pPage->CreatePage(p.nIDTemplate, m_pHost, GetPageRect())) return FALSE;
  for (int i = 0; i < GetCount(); ++i) {
    CDlgChild* other = m_pages[(size_t)i].pPage;
    if (i != index && other && other->m_hWnd) other->ShowWindow(SW_HIDE);
  }
  if (CWnd* ph = m_pHost->GetDlgItem((int)m_nIDPlaceHolder)) ph->ShowWindow(SW_HIDE);
  p.pPage->ShowWindow(SW_SHOW);
  m_nCurrent = index;
  return TRUE;
}

int CDlgPageSet::FindID(int nPageID) const {
  for (int i = 0; i < GetCount(); ++i)
    if (m_pages[(size_t)i].nPageID == nPageID) return i;
  return -1;
}

CDlgChild* CDlgPageSet::Get(int index) const {
  return index >= 0 && index < GetCount() ? m_pages[(size_t)index].pPage : nullptr;
}

const CString& CDlgPageSet::GetTitle(int index) const {
  static const CString empty;
  return index >= 0 && index < GetCount() ? m_pages[(size_t)index].title : empty;
}
