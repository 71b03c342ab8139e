#include "ui/CDBDlgBase.h"

#include "db/CDBDoc.h"
#include "ui/CDlgModelessMgr.h"

IMPLEMENT_DYNAMIC(CDBDlgBase, CDlgModeless)

BOOL CDBDlgBase::Create(UINT nIDDlg, UINT nIDTemplate, CWnd* pParentWnd) {
  if (!m_pDBDoc) m_pDBDoc = CDBDoc::m_pDBDoc;
  if (!m_pDBDoc || m_hWnd) return FALSE;
  CDlgModelessMgr* mgr = m_pDBDoc->GetDlgCtrl();
  if (!mgr || mgr->GetDlg(nIDDlg)) return FALSE;
  // Entered before the window is made, so that OnInitDialog already finds itself.
  m_nIDDlg = nIDDlg;
  mgr->AddDlg(nIDDlg, this);
  m_bEntered = TRUE;
  m_bCreating = TRUE;
  BOOL ok = CDlgModeless::Create(nIDTemplate, pParentWnd) && m_hWnd;
  if (!ok) {
    // Failed, or the window ended during its own creation: the caller still owns the object.
    if (m_hWnd) DestroyWindow();
    mgr->RemoveDlg(this);
    m_bEntered = FALSE;
  }
  m_bCreating = FALSE;
  return ok;
}

void CDBDlgBase::PostNcDestroy() {
  if (m_bEntered && m_pDBDoc)
    if (CDlgModelessMgr* mgr = m_pDBDoc->GetDlgCtrl()) mgr->RemoveDlg(this);
  m_bEntered = FALSE;
  if (!m_bCreating) delete this;
}
