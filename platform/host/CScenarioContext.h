// What a scenario command's handler is given: the host session (shared state of the run:
// the host application, the output stream, the current document and dialog, the last
// result...), the words of its line and, for a block command, the lines of its block.
#pragma once
#include <ostream>
#include "host/CScenarioLine.h"
#include "host/CScenarioStatus.h"

class CHostSession;
class CHostApp;

class CScenarioContext {
 public:
  CScenarioContext(CHostSession& session, const CScenarioLine& line)
      : m_session(session), m_line(line) {}

  CHostSession& Session() const { return m_session; }
  CHostApp& App() const;
  std::ostream& Out() const;

  // The arguments: the words after the command's name.
  int ArgCount() const { return (int)m_line.m_words.size() - m_line.m_nNameWords; }
  const CScenarioWord& Word(int i) const;
  const CString& Arg(int i) const { return Word(i).m_strText; }
  // The arguments from i on, joined by single blanks.
  CString Join(int from) const;
  // Numeric arguments; non-zero when the whole word is a number of that kind.
  BOOL ArgInt(int i, int& n) const;
  BOOL ArgUInt(int i, UINT& n) const;
  BOOL ArgDouble(int i, double& d) const;
  // A button or command id: a number or IDOK, IDCANCEL, IDYES, IDNO.
  BOOL ArgId(int i, int& id) const;

  const CScenarioLine& Line() const { return m_line; }
  // For an action a user could not take: prints "refused LINE" (the line as written,
  // without its comment) and returns ok, as the run goes on.
  CScenarioStatus Refused() const;
  // For a file the line could not write: prints "cannot write PATH" and returns ok, as the
  // run goes on; the run ends as failed after its last line (exit 1).
  CScenarioStatus CannotWrite(const CString& path) const;
  const CScenarioBlock& Block() const { return m_line.m_block; }
  // Runs lines (a block, or part of one) in this session; the first status that is not
  // ok ends the run and is returned.
  CScenarioStatus Run(const CScenarioBlock& lines) const;

 private:
  CHostSession& m_session;
  const CScenarioLine& m_line;
};
