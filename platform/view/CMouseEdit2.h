// An edit that also takes picks from the model view: a number typed, or the number or
// position of what the user picks (CParamTool's kinds).
//
// - The focus makes it the view's current handler; the input starts afresh.
// - A press in the view (while it is current, tools not paused) puts the snapped object's
//   number (kinds 14, 17, 22, 24; the object must be a point for 14 and 22, a member for 17
//   and 24) or the snapped position (kind 6) into it. The first pick of an input replaces
//   the text, later ones append ", " and their values. The window set with
//   SetLButtonDownNotifyWindow hears WM_LBUTTONDOWN_FROM_MVIEW2 (wParam the control id).
//   A press that gives nothing (nothing or the wrong kind snapped) is not used.
// - When the input holds its count of values: flag 1 sends the parent
//   WM_CMDTOOL_RUN_COMMAND (wParam the control id); flag 0 moves the focus to the next edit
//   (SetNextCtrl), which then takes the picks. The next pick starts a new input.
// - Return in the edit starts a new input (the edit stays the view's handler) and sends WM_MOUSEEDITENTER2 (wParam the control id)
//   to the window set with SetEnterNotifyWindow; the edit keeps the key from the dialog
//   manager (Return never presses the dialog's default button). The key-up reaches the
//   edit's own handlers.
// - EndParamData ends the picking until the edit gets the focus again.
// - An edit of another kind of value (a material, a section...) derives and gives its own
//   text for a pick (PickText).
// - SetMouseSnapMode checks the main toolbar's snap button of its kind: 33147 (points,
//   nodes) or 33146 (members, elements).
#pragma once
#include "afx/CEdit.h"
#include "view/CParamTool.h"

class CMouseEdit2 : public CEdit, public CCommandTool2 {
  DECLARE_DYNAMIC(CMouseEdit2)

 public:
  static UINT WM_MOUSEEDITENTER2;
  static UINT WM_LBUTTONDOWN_FROM_MVIEW2;

  CMouseEdit2();
  ~CMouseEdit2() override;

  void SetNextCtrl(CMouseEdit2* pNext) { m_pNext = pNext; }
  CMouseEdit2* GetNextCtrl() const { return m_pNext; }
  void SetEnterNotifyWindow(CWnd* pWnd) { m_pEnterWnd = pWnd; }
  void SetLButtonDownNotifyWindow(CWnd* pWnd) { m_pPickWnd = pWnd; }
  CWnd* GetEnterNotifyWindow() const { return m_pEnterWnd; }
  CWnd* GetLButtonDownNotifyWindow() const { return m_pPickWnd; }
  void SetMouseSnapMode();

  // A flag of the edit that its owner sets (1 when it builds the edit) and clears; what
  // the flag changes belongs to the edit's owner, not to the picking above.
  int m_bOwnerFlag = 0;

  BOOL OnView_LButtonDown() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  // What a pick gives for this edit's kind: its text, and how many values it holds; 0 when
  // the pick gives nothing.
  virtual int PickText(CString& text) const;
  void OnSetFocus(CWnd* pOldWnd);
  DECLARE_MESSAGE_MAP()

 private:
  CMouseEdit2* m_pNext = nullptr;
  CWnd* m_pEnterWnd = nullptr;
  CWnd* m_pPickWnd = nullptr;
};
