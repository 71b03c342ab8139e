#include "host/CHostSession.h"

#include "host/CHostApp.h"

void CHostSession::SetResult(int n) {
  m_bHasResult = TRUE;
  m_nResult = n;
  m_out << "result " << n << '\n';
}

void CHostSession::MarkDialogAction() {
  m_nMessageMark = m_app.GetMessages().GetCount();
  m_nCommandMark = (int)m_app.GetHostMainWnd().GetCommands().size();
}
