// Runs scenarios (the cmdhost language): parses a scenario text into lines, checking every
// line before any runs (words, command names, argument counts, blocks), then runs the
// lines in order against a host session until one fails.
//
// Results: CScenarioStatus::ok when every line ran and every expect held; failed on the
// first expect that did not hold, or after the last line when a line could not write its
// file; bad on a line that cannot be understood. Report() prints a status that is not ok:
//   FILE:LINE: expect failed: LINE    FILE:LINE: cannot understand: LINE
//     found: WHAT                       WHY
//   FILE:LINE: could not write: LINE
//     cannot write PATH
// Verbose: each line is printed as "> LINE" before it runs, so that it stands above its
// output (the lines of a block as they run, inside their dialog).
#pragma once
#include <ostream>
#include "afx/afx.h"
#include "host/CScenarioLine.h"
#include "host/CScenarioStatus.h"

class CHostSession;
class CHostStrings;

class CScenarioRunner {
 public:
  // Parses a scenario text named file; key: words resolve through strings, names of ids
  // through the resource tables (host/ScenarioNames.h).
  static CScenarioStatus Parse(const CString& file, const CString& text, CHostStrings& strings,
                               CScenarioBlock& lines);
  // Runs a scenario text against a fresh host, printing to out; a status that is not ok is
  // reported to out as well.
  CScenarioStatus RunText(const CString& file, const CString& text, std::ostream& out);
  // Reads and runs a file (a file that cannot be read is a bad line 0).
  CScenarioStatus RunFile(const CString& path, std::ostream& out);
  // Runs parsed lines in a session; the first status that is not ok ends the run.
  CScenarioStatus RunLines(CHostSession& session, const CScenarioBlock& lines);

  void SetVerbose(BOOL bVerbose) { m_bVerbose = bVerbose; }

  static void Report(const CScenarioStatus& s, std::ostream& out);
  // cmdhost's exit code: 0, 1 or 2.
  static int ExitCode(const CScenarioStatus& s) { return (int)s.GetKind(); }

 private:
  CScenarioStatus RunLine(CHostSession& session, const CScenarioLine& line);
  BOOL m_bVerbose = FALSE;
};
