#include "host/CScenarioRunner.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include "host/CHostApp.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/ScenarioNames.h"

namespace {

CScenarioStatus At(CScenarioStatus s, const CString& file, int lineNo, const CString& text) {
  s.m_strFile = file;
  s.m_nLine = lineNo;
  s.m_strLine = text;
  return s;
}

CString TrimmedLine(const std::string& raw) {
  CString t(raw);
  t.Trim();
  return t;
}

// One physical line parsed: words resolved, command found, argument count checked.
CScenarioStatus ParseLine(const CString& file, int lineNo, const std::string& raw,
                          CHostStrings& strings, CScenarioLine& line) {
  line.m_strFile = file;
  line.m_nLine = lineNo;
  line.m_strText = TrimmedLine(raw);
  CString error;
  int code = 0;
  if (!CScenarioLexer::Split(CString(raw), line.m_words, error, &code))
    return At(CScenarioStatus::Bad(error), file, lineNo, line.m_strText);
  line.m_strText = TrimmedLine(raw.substr(0, (size_t)code));
  for (CScenarioWord& w : line.m_words)
    if (w.IsKey()) w.m_strText = strings.Resolve(w.m_strKey);
  if (line.m_words.empty() || line.m_words[0].Is("end")) return CScenarioStatus::Ok();
  line.m_pCommand = CScenarioCommands::Find(line.m_words, line.m_nNameWords);
  if (!line.m_pCommand) {
    CString why;
    why.Format("unknown command %s", (LPCTSTR)line.m_words[0].m_strText);
    return At(CScenarioStatus::Bad(why), file, lineNo, line.m_strText);
  }
  const CScenarioCommand& c = *line.m_pCommand;
  for (size_t i = (size_t)line.m_nNameWords; i < line.m_words.size(); ++i) {
    CScenarioWord& w = line.m_words[i];
    CString unknown;
    if (!w.m_bQuoted && !w.IsKey() && !HostResolveIdNames(w.m_strText, unknown))
      return At(CScenarioStatus::Bad("unknown name " + unknown), file, lineNo, line.m_strText);
  }
  int args = (int)line.m_words.size() - line.m_nNameWords;
  if (args < c.m_nMinArgs || (c.m_nMaxArgs >= 0 && args > c.m_nMaxArgs)) {
    CString why;
    why.Format("wrong number of arguments: %s %s", (LPCTSTR)c.m_strName, (LPCTSTR)c.m_strUsage);
    why.TrimRight();
    return At(CScenarioStatus::Bad(why), file, lineNo, line.m_strText);
  }
  return CScenarioStatus::Ok();
}

}  // namespace

CScenarioStatus CScenarioRunner::Parse(const CString& file, const CString& text,
                                       CHostStrings& strings, CScenarioBlock& lines) {
  lines.clear();
  // Open blocks: the innermost last; lines go into the innermost open block's m_block.
  std::vector<CScenarioLine*> open;
  // A byte order mark some editors put before UTF-8 text is no part of the first line.
  const std::string& all = text.str();
  std::istringstream in(all.compare(0, 3, "\xEF\xBB\xBF") == 0 ? all.substr(3) : all);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    CScenarioLine line;
    CScenarioStatus s = ParseLine(file, lineNo, raw, strings, line);
    if (!s.IsOk()) return s;
    if (line.m_words.empty()) continue;
    if (!line.m_pCommand) {  // `end`
      if (line.m_words.size() != 1)
        return At(CScenarioStatus::Bad("end takes no arguments"), file, lineNo, line.m_strText);
      if (open.empty())
        return At(CScenarioStatus::Bad("end without a block"), file, lineNo, line.m_strText);
      open.pop_back();
      continue;
    }
    CScenarioBlock& into = open.empty() ? lines : open.back()->m_block;
    into.push_back(std::move(line));
    if (into.back().m_pCommand->m_bBlock) open.push_back(&into.back());
  }
  if (!open.empty()) {
    const CScenarioLine& l = *open.back();
    return At(CScenarioStatus::Bad("block without end"), file, l.m_nLine, l.m_strText);
  }
  return CScenarioStatus::Ok();
}

CScenarioStatus CScenarioRunner::RunLine(CHostSession& session, const CScenarioLine& line) {
  if (m_bVerbose) session.Out() << "> " << line.m_strText.str() << '\n';
  CScenarioContext ctx(session, line);
  CScenarioStatus s = line.m_pCommand->m_handler(ctx);
  if (!s.IsOk() && s.m_nLine == 0) s = At(s, line.m_strFile, line.m_nLine, line.m_strText);
  if (s.IsOk() && session.HasPendingStatus()) s = session.TakePendingStatus();
  return s;
}

CScenarioStatus CScenarioRunner::RunLines(CHostSession& session, const CScenarioBlock& lines) {
  for (const CScenarioLine& line : lines) {
    CScenarioStatus s = RunLine(session, line);
    if (!s.IsOk()) return s;
  }
  return CScenarioStatus::Ok();
}

CScenarioStatus CScenarioRunner::RunText(const CString& file, const CString& text,
                                         std::ostream& out) {
  CHostApp app;
  app.SetOutput(&out);
  CScenarioBlock lines;
  CScenarioStatus s = Parse(file, text, app.GetStrings(), lines);
  if (s.IsOk()) {
    CHostSession session(app, out, *this);
    s = RunLines(session, lines);
    if (s.IsOk()) s = session.GetWriteFailure();
  }
  app.SetOutput(nullptr);
  if (!s.IsOk()) Report(s, out);
  out.flush();
  return s;
}

CScenarioStatus CScenarioRunner::RunFile(const CString& path, std::ostream& out) {
  std::ifstream f(path.str(), std::ios::binary);
  std::error_code ec;
  if (!f || std::filesystem::is_directory(path.str(), ec)) {  // a directory opens, reads nothing
    CScenarioStatus s = At(CScenarioStatus::Bad("cannot read the file"), path, 0, "");
    Report(s, out);
    return s;
  }
  std::ostringstream text;
  text << f.rdbuf();
  return RunText(path, CString(text.str()), out);
}

void CScenarioRunner::Report(const CScenarioStatus& s, std::ostream& out) {
  if (s.IsOk()) return;
  BOOL failed = s.GetKind() == CScenarioStatus::failed;
  out << s.m_strFile.str() << ':' << s.m_nLine << ": ";
  if (s.IsWriteFailure()) {
    out << "could not write: " << s.m_strLine.str() << '\n' << "  cannot write " << s.GetText().str() << '\n';
    return;
  }
  out << (failed ? "expect failed: " : "cannot understand: ") << s.m_strLine.str() << '\n'
      << (failed ? "  found: " : "  ") << s.GetText().str() << '\n';
}
