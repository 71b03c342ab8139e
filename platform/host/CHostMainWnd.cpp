#include "host/CHostMainWnd.h"

CString CHostCommand::Format() const {
  CString r;
  r.Format("command %u %s", m_nID, m_bPosted ? "posted" : "sent");
  return r;
}

void CHostMainWnd::RecordCommand(UINT id, BOOL posted) {
  CHostCommand c;
  c.m_nID = id;
  c.m_bPosted = posted;
  m_commands.push_back(c);
  if (m_pOut) *m_pOut << c.Format().str() << '\n';
}
