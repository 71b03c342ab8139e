// What the application showed the user as messages, in order: message boxes and the lines
// written to the application's message window. Each entry is also printed, as it happens,
// to the output the host is given (cmdhost's standard output):
//   message "TEXT" STYLE     a message box (STYLE: its style flags as a decimal number)
//   output "TEXT"            a line of the message window
// TEXT is written as a scenario word in double quotes (\" \\ \t \n escapes).
#pragma once
#include <ostream>
#include <vector>
#include "afx/afx.h"

struct CHostMessage {
  enum Kind { box, output };
  Kind m_kind = box;
  CString m_strText;
  UINT m_nStyle = 0;

  CString Format() const;  // the printed line, without the line end
};

class CHostMessageLog {
 public:
  void SetOutput(std::ostream* out) { m_pOut = out; }
  void AddBox(const CString& text, UINT style);
  void AddOutput(const CString& text);
  void Clear() { m_entries.clear(); }

  int GetCount() const { return (int)m_entries.size(); }
  const CHostMessage& GetAt(int i) const { return m_entries[(size_t)i]; }
  // The last message box at or after index from, or NULL.
  const CHostMessage* LastBox(int from = 0) const;
  // The last line of the message window, or NULL.
  const CHostMessage* LastOutput() const;

 private:
  void Add(const CHostMessage& m);
  std::vector<CHostMessage> m_entries;
  std::ostream* m_pOut = nullptr;
};
