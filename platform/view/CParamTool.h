// The view library's input tools. A listener (CVURViewEventListenerBase) is an event
// handler of the model view. A parameter tool (CParamTool) takes values from the view for
// a control: its parameter type says what a pick gives and how many values make the input
// complete. A command tool (CCommandTool2) tells its window when the input is complete,
// with the registered message WM_CMDTOOL_RUN_COMMAND.
//
// Parameter kinds: 14 a point's number, 17 a member's number, 22 a node's number, 24 an
// element's number (the snapped object's; node and element numbers are their keys), 6 the
// snapped position (three values, global, "%g, %g, %g"). Any other kind takes nothing from
// the view. Count: the number of values that complete the input. Flag: 1 the tool's window
// runs its command when the input is complete; 0 the input goes on in the next control.
//
// While the current view's parameter tools are paused (GetPauseState), picks are ignored.
#pragma once
#include "afx/AfxTypes.h"
#include "view/I_ViewEventHandlerItem.h"

class CVURViewEventListenerBase : public I_ViewEventHandlerItem {
 public:
  CVURViewEventListenerBase() = default;
  ~CVURViewEventListenerBase() override;
};

class CParamTool : public CVURViewEventListenerBase {
 public:
  enum : int { KIND_NONE = 0, KIND_POSITION = 6, KIND_POINT = 14, KIND_MEMBER = 17, KIND_NODE = 22, KIND_ELEMENT = 24 };

  // The current view's parameter tools are paused; 0 without a view.
  static BOOL GetPauseState();

  // Kind, count (at least 1), flag; a pick in progress is dropped.
  void SetParamType(int nKind, int nCount, int nFlag);
  int GetParamKind() const { return m_nKind; }
  int GetParamCount() const { return m_nCount; }
  int GetParamFlag() const { return m_nFlag; }
  // Makes this tool the view's current handler. 0 without a view.
  BOOL SetCurParamTool() { return Start(); }
  // Ends the input: the tool stops being the view's handler (an edit takes picks again when
  // it gets the focus again) and the next pick starts a new input.
  virtual void EndParamData();
  // Values taken since the input started.
  int GetTakenCount() const { return m_nTaken; }

 protected:
  int m_nKind = KIND_NONE;
  int m_nCount = 1;
  int m_nFlag = 0;
  int m_nTaken = 0;
};

class CCommandTool2 : public CParamTool {
 public:
  // Sent to the tool's window when its input is complete (wParam: the control id).
  static UINT WM_CMDTOOL_RUN_COMMAND;
};
