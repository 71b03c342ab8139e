#include "creation/CAdvancedOptionDlgBase.h"

#include "afx/AfxMessageQueue.h"
#include "afx/CDialog.h"

UINT CAdvancedOptionDlgBase::WM_ADVOPT_DLG_CHANGE_DATA = RegisterWindowMessageA("WM_ADVOPT_DLG_CHANGE_DATA");

CAdvancedOptionDlgBase::~CAdvancedOptionDlgBase() { FreeOptionDlg(); }

CWnd* CAdvancedOptionDlgBase::Find(UINT idd) const {
  auto it = m_panels.find(idd);
  return it == m_panels.end() ? nullptr : it->second;
}

void CAdvancedOptionDlgBase::Enter(UINT idd, CWnd* pPanel) {
  if (!pPanel) return;
  if (!m_panels.emplace(idd, pPanel).second) delete pPanel;
}

void CAdvancedOptionDlgBase::ShowOptionDlg(UINT idd, CWnd* pHost, void* /*pData*/) {
  CWnd* panel = Find(idd);
  if (!panel) return;
  if (m_bVisible && idd == m_nCurIDD) return;
  if (!panel->GetSafeHwnd()) {
    auto* dlg = dynamic_cast<CDialog*>(panel);
    if (!dlg || !dlg->Create(idd, pHost)) return;
  }
  if (!ShowAndLayout(pHost, panel)) return;
  m_nCurIDD = idd;
  m_bVisible = 1;
}

int CAdvancedOptionDlgBase::GetShowRectInfo(CWnd* pHost, CWnd* pPanel, CRect& rcHost, CRect& rcPanel) const {
  CRect client;
  pHost->GetClientRect(&client);
  pHost->GetWindowRect(&rcHost);
  pPanel->GetClientRect(&rcPanel);
  if (m_type == ADVOPT_DLG_BOTTOM) {
    rcPanel.OffsetRect(0, client.Height() - m_nDockedH + m_nMargin);
    rcHost.bottom = rcHost.bottom - m_nDockedH + rcPanel.Height() + m_nMargin;
    return 1;
  }
  if (m_type == ADVOPT_DLG_RIGHT) {
    rcPanel.OffsetRect(client.Width() - m_nDockedW + m_nMargin, 0);
    rcHost.right = rcHost.right - m_nDockedW + rcPanel.Width() + m_nMargin;
    return 1;
  }
  return 0;
}

int CAdvancedOptionDlgBase::ShowAndLayout(CWnd* pHost, CWnd* pPanel) {
  if (!pHost || !pPanel) return 0;
  CRect rcHost, rcPanel;
  if (!GetShowRectInfo(pHost, pPanel, rcHost, rcPanel)) return 0;
  if (m_bVisible && m_nCurIDD) {
    CWnd* cur = Find(m_nCurIDD);
    if (!cur || !cur->GetSafeHwnd()) return 0;
    cur->ShowWindow(SW_HIDE);
    // The replacing panel starts where the replaced one started: one margin only.
    if (m_type == ADVOPT_DLG_BOTTOM) {
      rcHost.bottom -= m_nMargin;
      rcPanel.OffsetRect(0, -m_nMargin);
    } else {
      rcHost.right -= m_nMargin;
      rcPanel.OffsetRect(-m_nMargin, 0);
    }
  }
  pPanel->SetWindowPos(nullptr, rcPanel.left, rcPanel.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  pHost->SetWindowPos(nullptr, 0, 0, rcHost.Width(), rcHost.Height(), SWP_NOMOVE | SWP_NOZORDER);
  pPanel->ShowWindow(SW_SHOWNORMAL);
  m_nDockedW = rcPanel.Width();
  m_nDockedH = rcPanel.Height();
  return 1;
}

void CAdvancedOptionDlgBase::HideOptionDlg(UINT idd) {
  if (!m_bVisible) return;
  CWnd* panel = Find(idd);
  if (!panel) return;
  if (panel->GetSafeHwnd()) HideAndLayout(panel->GetParent(), panel);
  m_bVisible = 0;
}

void CAdvancedOptionDlgBase::HideAndLayout(CWnd* pHost, CWnd* pPanel) {
  if (!m_bVisible || !pHost || !pPanel) return;
  if (pHost->GetSafeHwnd()) {
    CRect rcHost, rcPanel;
    pHost->GetWindowRect(&rcHost);
    pPanel->GetClientRect(&rcPanel);
    if (m_type == ADVOPT_DLG_BOTTOM) rcHost.bottom -= rcPanel.Height() + m_nMargin;
    else if (m_type == ADVOPT_DLG_RIGHT) rcHost.right -= rcPanel.Width() + m_nMargin;
    pHost->SetWindowPos(nullptr, 0, 0, rcHost.Width(), rcHost.Height(), SWP_NOMOVE | SWP_NOZORDER);
  }
  pPanel->ShowWindow(SW_HIDE);
  m_nDockedW = 0;
  m_nDockedH = 0;
}

void CAdvancedOptionDlgBase::ChangeOptionDlg(UINT idd, CWnd* pHost, void* pData) {
  if (m_bVisible) ShowOptionDlg(idd, pHost, pData);
}

int CAdvancedOptionDlgBase::ToggleOptionDlg(UINT idd, CWnd* pHost, void* pData) {
  if (m_bVisible) HideOptionDlg();
  else ShowOptionDlg(idd, pHost, pData);
  return m_bVisible;
}

void CAdvancedOptionDlgBase::FreeOptionDlg() {
  for (auto& [id, panel] : m_panels) {
    if (panel && panel->GetSafeHwnd()) panel->DestroyWindow();
    delete panel;
  }
  m_panels.clear();
}
