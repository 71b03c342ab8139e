// The application's string table: the texts behind the text keys.
//
// The table is a text of ours compiled into the host (platform/host/strings.inc), UTF-8,
// one entry a line: KEY, blanks, then the text to the end of the line, in which \t, \n
// and \\ stand for a tab, a line break and a backslash; a text with leading or trailing
// blanks is written in double quotes (with \" too). Blank lines and lines starting with
// '#' are skipped.
//
// A key the table does not hold resolves to the key itself with the placeholders its
// suffix names: the trailing "_X" groups whose letter is a printf conversion, each in
// order, joined to the rest by single blanks; "_n" stands for a line break:
//   _d %d   _u %u   _s %s   _g %g   _f %f   _e %e   _n a line break   _G %G
// so "IDS_X_g_s" resolves to "IDS_X %g %s" and "IDS_A_s_n" to "IDS_A %s\n". Other letters
// end the suffix: "IDS_Q_x_s_g" resolves to "IDS_Q_x %s %g".
#pragma once
#include <string>
#include <unordered_map>
#include "afx/afx.h"

class CHostStrings {
 public:
  CHostStrings() = default;
  CHostStrings(const CHostStrings&) = delete;
  CHostStrings& operator=(const CHostStrings&) = delete;

  // Adds the entries of a table text; an entry replaces an earlier one of the same key.
  // Returns 0 on a malformed line (error names its line number and why); the lines
  // before it are kept.
  BOOL Load(const CString& text, CString& error);
  // The table compiled into the host.
  BOOL LoadBuiltIn();
  void Set(const char* key, const char* text);
  BOOL Has(const char* key) const;
  int GetCount() const { return (int)m_table.size(); }

  // The key's text: the table's, else the suffix rule's. The pointer stays valid while
  // this table lives and the key is not Set again.
  const char* Resolve(const char* key);
  // The suffix rule alone.
  static CString KeyText(const char* key);

 private:
  std::unordered_map<std::string, std::string> m_table;
  std::unordered_map<std::string, std::string> m_derived;  // suffix-rule texts handed out
};
