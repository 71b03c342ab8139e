#include "ui/CEditSpinEx.h"

#include "ui/CStringParser.h"

IMPLEMENT_DYNAMIC(CEditSpinEx, CEdit)

BOOL CEditSpinEx::Initialize(UINT nIDEdit, CWnd* pDlg, int nMin, int nMax, int nStep) {
  if (!pDlg || !pDlg->m_hWnd) return FALSE;
  if (!m_hWnd && !SubclassDlgItem(nIDEdit, pDlg)) return FALSE;
  m_nMin = nMin < nMax ? nMin : nMax;
  m_nMax = nMin < nMax ? nMax : nMin;
  m_nStep = nStep > 0 ? nStep : 1;
  m_pSpin = nullptr;
  for (CWnd* c = GetWindow(GW_HWNDNEXT); c; c = c->GetWindow(GW_HWNDNEXT))
    if (auto* s = dynamic_cast<CSpinButtonCtrl*>(c)) {
      if (s->GetBuddy() == nullptr || s->GetBuddy() == this) m_pSpin = s;
      break;
    }
  if (m_pSpin) {
    m_pSpin->SetBuddy(this);
    m_pSpin->SetRange32(m_nMin, m_nMax);
  }
  int n = m_nMin;
  GetEditValue(n);
  SetEditValue(n);
  return TRUE;
}

BOOL CEditSpinEx::GetEditValue(int& n) const {
  CString s;
  GetWindowText(s);
  int v = 0;
  if (!CStringParser::GetINumber(s, v)) return FALSE;
  n = Clamp(v);
  return TRUE;
}

BOOL CEditSpinEx::GetEditValue(double& d) const {
  int n = 0;
  if (!GetEditValue(n)) return FALSE;
  d = n;
  return TRUE;
}

void CEditSpinEx::SetEditValue(int n) {
  n = Clamp(n);
  CString s;
  s.Format("%d", n);
  SetWindowText(s);
  if (m_pSpin) m_pSpin->SetPos32(n);
}
