// The application's main window. It records every command (WM_COMMAND) that reaches it,
// with whether it was sent or posted, and prints each as it happens to the host's output:
//   command ID sent|posted
#pragma once
#include <ostream>
#include <vector>
#include "afx/afx.h"

struct CHostCommand {
  UINT m_nID = 0;
  BOOL m_bPosted = FALSE;
  CString Format() const;  // "command ID sent|posted"
};

class CHostMainWnd {
 public:
  CHostMainWnd() = default;
  CHostMainWnd(const CHostMainWnd&) = delete;
  CHostMainWnd& operator=(const CHostMainWnd&) = delete;

  void SetOutput(std::ostream* out) { m_pOut = out; }
  // Records a command that reached the window.
  void RecordCommand(UINT id, BOOL posted);
  const std::vector<CHostCommand>& GetCommands() const { return m_commands; }
  void ClearCommands() { m_commands.clear(); }

 private:
  std::vector<CHostCommand> m_commands;
  std::ostream* m_pOut = nullptr;
};
