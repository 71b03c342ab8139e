// Splits one line of a scenario into words.
//
// Rules:
// - Words are separated by blanks (spaces and tabs); a trailing carriage return is dropped.
// - A '#' at the start of a word begins a comment that runs to the end of the line, except
//   for a word that is '#' followed by digits only ("#3"): that is an index word, as in
//   `choose 1001 #3`. A '#' inside a word is an ordinary character.
// - A word that starts with a double quote runs to the matching closing quote and may hold
//   blanks and '#'; inside it \" \\ \t \n are the only escapes. The closing quote must be
//   followed by a blank or the end of the line.
// - A double quote inside an unquoted word, an unknown escape, an unterminated quote and
//   bytes that are not well-formed UTF-8 make the line bad.
// - An unquoted word `key:NAME` is marked as a text key; the runner replaces its text by the
//   resolved text of NAME before a command sees it (CScenarioWord::m_strKey keeps NAME).
#pragma once
#include <vector>
#include "afx/CString.h"

struct CScenarioWord {
  CString m_strText;  // the word as the command sees it (quotes removed, escapes applied)
  BOOL m_bQuoted = FALSE;
  CString m_strKey;   // NAME of an unquoted key:NAME word, else empty

  BOOL IsKey() const { return !m_strKey.IsEmpty(); }
  // An unquoted word that equals s: keywords such as `key`, `IDOK`, `RETURN`.
  BOOL Is(const char* s) const { return !m_bQuoted && m_strText == s; }
  // An unquoted "#N" word; its index goes to n.
  BOOL IsIndex(int& n) const;
};

class CScenarioLexer {
 public:
  // Splits line into words. Returns non-zero on success; on failure error says why.
  // codeLength, when given, receives the length of the line before its comment.
  static BOOL Split(const CString& line, std::vector<CScenarioWord>& words, CString& error,
                    int* codeLength = nullptr);
  // text as a double-quoted word with the escapes above (always quoted), for printing.
  static CString Quote(const CString& text);
  // True for well-formed UTF-8.
  static BOOL IsUtf8(const CString& text);
};
