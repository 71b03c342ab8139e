#include "view/CGlobalModeless.h"

IMPLEMENT_DYNAMIC(CGlobalModeless, CInternationalDlg)

BOOL CGlobalModeless::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  m_bCreating = TRUE;
  const BOOL ok = CInternationalDlg::Create(nIDTemplate, pParentWnd);
  m_bCreating = FALSE;
  return ok && m_hWnd ? TRUE : FALSE;
}

BOOL CGlobalModeless::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  m_bCreating = TRUE;
  const BOOL ok = CInternationalDlg::Create(lpszTemplateName, pParentWnd);
  m_bCreating = FALSE;
  return ok && m_hWnd ? TRUE : FALSE;
}

void CGlobalModeless::PostNcDestroy() {
  if (!m_bCreating) delete this;
}
