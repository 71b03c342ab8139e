// Reads a header of ids and a resource script (a subset of the conventional dialog syntax)
// into an RcScript. Stops at the first fault, with the message "FILE:LINE: what".
//
// Supported: #include (ignored: the ids come from the header given to rcgen), #define NAME
// VALUE (a number, a known name or a small expression of them), #undef, #pragma (ignored),
// #if/#ifdef/#ifndef/#else/#endif; LANGUAGE (ignored); NAME DIALOG|DIALOGEX x, y, cx, cy with
// STYLE, EXSTYLE, CAPTION, FONT and BEGIN/END or { } around the controls; CONTROL, PUSHBUTTON,
// DEFPUSHBUTTON, PUSHBOX, CHECKBOX, AUTOCHECKBOX, STATE3, AUTO3STATE, RADIOBUTTON,
// AUTORADIOBUTTON, GROUPBOX, LTEXT, RTEXT, CTEXT, ICON, EDITTEXT, COMBOBOX, LISTBOX,
// SCROLLBAR; NAME BITMAP "file". Styles combine with | and NOT; NOT clears bits from what
// stands to its left, the statement's default styles included. A control statement's styles
// add to its defaults, but where they name a kind of control (CBS_DROPDOWN in COMBOBOX,
// BS_GROUPBOX in PUSHBUTTON, SS_CENTER in LTEXT) that kind replaces the default one. A text
// given as a number or name, as a picture names its bitmap, is written "#N". Every name must
// be defined.
#pragma once
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "afx/rcgen/RcLexer.h"
#include "afx/rcgen/RcScript.h"

class RcParser {
 public:
  RcParser();
  // Reads the #defines of a header. FALSE on a fault (see Error).
  bool ReadHeader(const std::string& path, const std::string& text);
  // Reads a script; bitmap files are opened relative to the script's folder. The script's
  // names are the header's ids that hold a number in the int range, by name.
  bool ReadScript(const std::string& path, const std::string& text, RcScript& out);
  const std::string& Error() const { return m_error; }

 private:
  // Token stream with the preprocessor lines handled and inactive #if branches skipped.
  RcToken Next();
  RcToken Peek();
  RcToken Fetch();
  bool Directive(const RcToken& t);
  bool Define(const std::string& rest, int line);
  bool Evaluate(const std::string& text, int line, long long& v);

  bool Fail(int line, const std::string& message);
  bool Expect(RcTok kind, const char* what, RcToken* out = nullptr);
  bool Comma() { return Expect(RcTok::Comma, "','"); }
  bool Expr(long long& v);
  bool Term(long long& v);
  // Applies a style expression to v; named collects the bits it set.
  bool Style(DWORD& v, DWORD* named = nullptr);
  bool Text(std::string& text);
  bool Id(long& id, long lowest);
  bool Coords(long* v, int n);

  bool Resource(const RcToken& name, RcScript& out);
  bool Dialog(long id, bool ex, int line, RcScript& out);
  bool DialogOptions(RcDialog& d);
  bool Controls(RcDialog& d);
  bool Control(const RcToken& keyword, RcDialog& d);
  bool Bitmap(long id, int line, RcScript& out);
  void SkipMemoryOptions();

  std::map<std::string, long long> m_symbols;
  std::set<std::string> m_valueless;   // defined without a value (include guards)
  std::set<std::string> m_headerNames; // the names the header defined, for the script's table
  bool m_inHeader = false;
  std::string m_path;
  std::string m_dir;
  std::unique_ptr<RcLexer> m_lex;
  std::vector<bool> m_cond;            // active state of each open #if
  bool m_havePeek = false;
  RcToken m_peek;
  int m_depth = 0;                    // nesting of the expression being read
  int m_fixedLine = 0;                // when set, faults are reported on this line
  std::map<long, int> m_dialogLines, m_bitmapLines;   // id -> line of definition
  std::string m_error;
};
