#include "host/CHostMainWnd.h"

#include "db/CDBDoc.h"
#include "view/I_ModelBase.h"

CString CHostCommand::Format() const {
  CString r;
  r.Format("command %u %s", m_nID, m_bPosted ? "posted" : "sent");
  return r;
}

BOOL CHostMainWnd::CreateMain() {
  if (!CreateEx(0, "HostMainWnd", "cmdhost", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                CRect(0, 0, AFX_SCREEN_CX, AFX_SCREEN_CY), nullptr, 0))
    return FALSE;
  m_workSpace.CreateEx(0, "HostWorkSpaceBar", "", WS_POPUP | WS_VISIBLE, CRect(0, 100, 300, 900), nullptr, 0);
  return TRUE;
}

namespace {
// Drops the current model view's selection, as the application's command does.
void DropSelection() {
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  CDBDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) return;
  view->SetSelectedSegments(CUIntArray());
  if (DB_CDataBase* db = doc->GetModelDB()) db->GetViewCtrl()->UnselectAll(nullptr);
}
}  // namespace

void CHostMainWnd::RecordCommand(UINT id, BOOL posted) {
  CHostCommand c;
  c.m_nID = id;
  c.m_bPosted = posted;
  m_commands.push_back(c);
  if (m_pOut) *m_pOut << c.Format().str() << '\n';
}

LRESULT CHostMainWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) return 0;
  return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CHostMainWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  BOOL posted = m_bDeliveringPosted;
  m_bDeliveringPosted = FALSE;
  if (!posted) RecordCommand(LOWORD(wParam), FALSE);
  if (LOWORD(wParam) == I_MainFrameBase::CMD_REFRESH_UNSELECT) DropSelection();
  CWnd::OnCommand(wParam, lParam);
  return TRUE;
}

void CHostMainWnd::OnMessagePosted(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND) RecordCommand(LOWORD(wParam), TRUE);
}

// The queue offers every message it delivers here before dispatching it; SendMessage does
// not. So a command seen here is a posted one on its way to OnCommand.
BOOL CHostMainWnd::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd == m_hWnd && pMsg->message == WM_COMMAND) m_bDeliveringPosted = TRUE;
  return FALSE;
}
