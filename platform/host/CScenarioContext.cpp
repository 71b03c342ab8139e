#include "host/CScenarioContext.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include "host/CHostSession.h"
#include "host/CScenarioRunner.h"

namespace {

const CScenarioWord& NoWord() {
  static const CScenarioWord empty;
  return empty;
}

struct NamedId {
  const char* name;
  int id;
};
const NamedId kIds[] = {{"IDOK", IDOK}, {"IDCANCEL", IDCANCEL}, {"IDYES", IDYES}, {"IDNO", IDNO}};

}  // namespace

CHostApp& CScenarioContext::App() const { return m_session.App(); }
std::ostream& CScenarioContext::Out() const { return m_session.Out(); }

const CScenarioWord& CScenarioContext::Word(int i) const {
  if (i < 0 || i >= ArgCount()) return NoWord();
  return m_line.m_words[(size_t)(m_line.m_nNameWords + i)];
}

CString CScenarioContext::Join(int from) const {
  CString r;
  for (int i = from; i < ArgCount(); ++i) {
    if (i > from) r += ' ';
    r += Arg(i);
  }
  return r;
}

BOOL CScenarioContext::ArgInt(int i, int& n) const {
  const CString& s = Arg(i);
  if (s.IsEmpty()) return FALSE;
  errno = 0;
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  if (errno || *end || v < -2147483647L - 1 || v > 2147483647L) return FALSE;
  n = (int)v;
  return TRUE;
}

BOOL CScenarioContext::ArgUInt(int i, UINT& n) const {
  const CString& s = Arg(i);
  if (s.IsEmpty() || s[0] == '-' || s[0] == '+') return FALSE;
  errno = 0;
  char* end = nullptr;
  unsigned long v = std::strtoul(s.c_str(), &end, 10);
  if (errno || *end || v > 0xFFFFFFFFUL) return FALSE;
  n = (UINT)v;
  return TRUE;
}

BOOL CScenarioContext::ArgDouble(int i, double& d) const {
  const CString& s = Arg(i);
  if (s.IsEmpty()) return FALSE;
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  if (*end || !std::isfinite(v)) return FALSE;
  d = v;
  return TRUE;
}

BOOL CScenarioContext::ArgId(int i, int& id) const {
  for (const NamedId& n : kIds)
    if (Word(i).Is(n.name)) {
      id = n.id;
      return TRUE;
    }
  return ArgInt(i, id);
}

CScenarioStatus CScenarioContext::Refused() const {
  Out() << "refused " << m_line.m_strText.str() << '\n';
  return CScenarioStatus::Ok();
}

CScenarioStatus CScenarioContext::CannotWrite(const CString& path) const {
  Out() << "cannot write " << path.str() << '\n';
  CScenarioStatus s = CScenarioStatus::WriteFailed(path);
  s.m_strFile = m_line.m_strFile;
  s.m_nLine = m_line.m_nLine;
  s.m_strLine = m_line.m_strText;
  m_session.SetWriteFailure(s);
  return CScenarioStatus::Ok();
}

CScenarioStatus CScenarioContext::Run(const CScenarioBlock& lines) const {
  return m_session.Runner().RunLines(m_session, lines);
}
