// The application's main window: a top-level window covering the screen
// (0, 0, AFX_SCREEN_CX, AFX_SCREEN_CY), class "HostMainWnd", and the main frame the module
// sees (I_MainFrameBase: its toolbar check buttons and a work-space bar, a window at
// (0, 100)-(300, 900) of class "HostWorkSpaceBar"). Command 33041 drops the current model
// view's selection (both databases and the tracing lines). It records every command
// (WM_COMMAND) sent or posted to it, in order, and prints each as it happens to the host's
// output:
//   command ID sent|posted
// A posted command is recorded when it is posted (OnMessagePosted); when the queue later
// delivers it, it is not recorded again. The window lives as long as the application:
// WM_CLOSE does not destroy it.
#pragma once
#include <ostream>
#include <vector>
#include "afx/afxwin.h"
#include "view/I_MainFrameBase.h"

struct CHostCommand {
  UINT m_nID = 0;
  BOOL m_bPosted = FALSE;
  CString Format() const;  // "command ID sent|posted"
};

class CHostMainWnd : public CWnd, public I_MainFrameBase {
 public:
  CHostMainWnd() = default;

  // Creates the window; non-zero on success.
  BOOL CreateMain();
  void SetOutput(std::ostream* out) { m_pOut = out; }
  // Records a command that reached the window.
  void RecordCommand(UINT id, BOOL posted);
  const std::vector<CHostCommand>& GetCommands() const { return m_commands; }
  CWnd* GetWorkSpaceBar() override { return m_workSpace.GetSafeHwnd() ? &m_workSpace : nullptr; }
  void ClearCommands() { m_commands.clear(); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnMessagePosted(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 private:
  std::vector<CHostCommand> m_commands;
  CWnd m_workSpace;
  std::ostream* m_pOut = nullptr;
  BOOL m_bDeliveringPosted = FALSE;  // the queue is delivering a posted command
};
