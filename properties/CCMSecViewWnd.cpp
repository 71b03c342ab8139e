#include "properties/CCMSecViewWnd.h"

#include "afx/CPaintDC.h"
#include "db/CSectUtil.h"

BEGIN_MESSAGE_MAP(CCMSecViewWnd, CWnd)
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
END_MESSAGE_MAP()

CCMSecViewWnd::CCMSecViewWnd() : m_pSect(nullptr), m_nOption(0), m_bMirror(0) {}

CCMSecViewWnd::~CCMSecViewWnd() = default;

BOOL CCMSecViewWnd::SubclassCtrl(CWnd* pCtrl) {
  if (!pCtrl || !SubclassWindow(pCtrl->GetSafeHwnd())) return FALSE;
  ModifyStyle(0, WS_CLIPCHILDREN);
  CRect rc;
  GetClientRect(&rc);
  m_rect.SetRect(rc);
  return TRUE;
}

void CCMSecViewWnd::SetSectData(T_SECT_D* pSect, int nOption) {
  m_pSect = pSect;
  m_nOption = nOption;
}

BOOL CCMSecViewWnd::OnEraseBkgnd(CDC* pDC) {
  m_rect.Erase(pDC);
  return CWnd::OnEraseBkgnd(pDC);
}

void CCMSecViewWnd::OnPaint() {
  CPaintDC dc(this);
  if (!m_pSect) return;
  const int bCentroid = CSectUtil::CalcSectData(*m_pSect) ? 1 : 0;
  if (bCentroid) CSectUtil::CalcSectDispCenter(*m_pSect);
  const int nOffset = m_pSect->Part1.iOffset;
  const int bOffset = (nOffset >= 1 && nOffset <= 9 && nOffset != 5) ? 1 : 0;
  CCMGeom2DArray list;
  m_builder.Build(m_pSect, &list, m_nOption, m_bMirror, bCentroid, bOffset);
  m_rect.Draw(&dc, &list, bCentroid, bOffset);
}
