// Fold group boxes: a group box whose title carries a mark the user toggles, so that a
// dialog can fold the box's contents away. This headless layer paints nothing and moves
// nothing: the box keeps its state, and the dialog lays its controls out by it.
//
// CFoldGroupBox_Check: the box's title is a check box. Initialize(dialog, dialog id,
// control id, enable, fold) subclasses the control (a check-box button); the dialog id and
// the two flags are recorded and have no effect here. A click by the user toggles the check
// and sends the dialog WM_FOLDGROUPBOX_STATE_CHANGED (wParam the box's control id, lParam
// the new state, 1 checked). SetCheck from code sends nothing.
#pragma once
#include "afx/CButton.h"

class CFoldGroupBox {
 public:
  // The registered message "WM_FOLDGROUPBOX_STATE_CHANGED".
  static const UINT WM_FOLDGROUPBOX_STATE_CHANGED;
};

class CFoldGroupBox_Check : public CButton {
  DECLARE_DYNAMIC(CFoldGroupBox_Check)

 public:
  CFoldGroupBox_Check() = default;

  BOOL Initialize(CWnd* pDlg, UINT nIDDlg, UINT nID, BOOL bEnable = TRUE, BOOL bFold = TRUE);
  BOOL IsChecked() const { return m_hWnd && GetCheck() == BST_CHECKED; }
  UINT GetDlgID() const { return m_nIDDlg; }

 protected:
  BOOL OnClicked(UINT nID);

 private:
  CWnd* m_pDlg = nullptr;
  UINT m_nIDDlg = 0;

  DECLARE_MESSAGE_MAP()
};
