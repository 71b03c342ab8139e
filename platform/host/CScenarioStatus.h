// What a scenario command returns: it ran, an expect did not hold, or the line cannot be
// understood (wrong arguments, a word that names nothing). A line that could not write its
// file goes on running; the run then ends as failed (a write failure) after its last line.
#pragma once
#include "afx/CString.h"

class CScenarioStatus {
 public:
  enum Kind { ok = 0, failed = 1, bad = 2 };  // the values are cmdhost's exit codes

  CScenarioStatus() = default;
  static CScenarioStatus Ok() { return CScenarioStatus(); }
  // An expect that did not hold; found says what was found instead.
  static CScenarioStatus Failed(const CString& found) { return CScenarioStatus(failed, found); }
  // A line that cannot be understood; why says which word or what is wrong.
  static CScenarioStatus Bad(const CString& why) { return CScenarioStatus(bad, why); }
  // A line that could not write the file at path.
  static CScenarioStatus WriteFailed(const CString& path) {
    CScenarioStatus s(failed, path);
    s.m_bWrite = TRUE;
    return s;
  }

  Kind GetKind() const { return m_kind; }
  BOOL IsOk() const { return m_kind == ok; }
  const CString& GetText() const { return m_strText; }
  BOOL IsWriteFailure() const { return m_bWrite; }

  // Where it happened; the runner fills these for a status a command returns.
  CString m_strFile;
  int m_nLine = 0;
  CString m_strLine;  // the line as written

 private:
  CScenarioStatus(Kind k, const CString& text) : m_kind(k), m_strText(text) {}
  Kind m_kind = ok;
  CString m_strText;
  BOOL m_bWrite = FALSE;
};
