#include "host/CHostMessageLog.h"

#include "host/CScenarioLexer.h"

CString CHostMessage::Format() const {
  CString r;
  if (m_kind == box)
    r.Format("message %s %u", (LPCTSTR)CScenarioLexer::Quote(m_strText), m_nStyle);
  else
    r.Format("output %s", (LPCTSTR)CScenarioLexer::Quote(m_strText));
  return r;
}

void CHostMessageLog::Add(const CHostMessage& m) {
  m_entries.push_back(m);
  if (m_pOut) *m_pOut << m.Format().str() << '\n';
}

void CHostMessageLog::AddBox(const CString& text, UINT style) {
  CHostMessage m;
  m.m_kind = CHostMessage::box;
  m.m_strText = text;
  m.m_nStyle = style;
  Add(m);
}

void CHostMessageLog::AddOutput(const CString& text) {
  CHostMessage m;
  m.m_kind = CHostMessage::output;
  m.m_strText = text;
  Add(m);
}

const CHostMessage* CHostMessageLog::LastBox(int from) const {
  for (int i = GetCount() - 1; i >= from && i >= 0; --i)
    if (m_entries[(size_t)i].m_kind == CHostMessage::box) return &m_entries[(size_t)i];
  return nullptr;
}

const CHostMessage* CHostMessageLog::LastOutput() const {
  for (size_t i = m_entries.size(); i-- > 0;)
    if (m_entries[i].m_kind == CHostMessage::output) return &m_entries[i];
  return nullptr;
}
