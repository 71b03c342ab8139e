// A group box with a check mark (a check-box button drawn as the box's title, or a plain group
// box that keeps the mark itself): clicking it toggles the mark and, with enabling on, enables
// the controls inside its rectangle exactly while it is checked. Initialize(dialog, dialog id,
// control id, enable, fold): subclasses the control; the dialog id is recorded; "fold" (to
// collapse the box when unchecked) is recorded and has no effect here.
#pragma once
#include "afx/CButton.h"

class CFoldGroupBox_CheckEnable : public CButton {
  DECLARE_DYNAMIC(CFoldGroupBox_CheckEnable)

 public:
  CFoldGroupBox_CheckEnable() = default;

  BOOL Initialize(CWnd* pDlg, UINT nIDDlg, UINT nID, BOOL bEnableInside = TRUE, BOOL bFold = TRUE);
  int GetCheckState() const { return m_nCheck; }
  // Sets the mark (0 or 1) and applies the enabling rule; sends nothing.
  void SetCheckState(int nCheck);
  UINT GetDlgID() const { return m_nIDDlg; }

 protected:
  BOOL OnClicked(UINT nID);
  void ApplyEnable();

 private:
  CWnd* m_pDlg = nullptr;
  UINT m_nIDDlg = 0;
  BOOL m_bEnableInside = TRUE;
  BOOL m_bFold = TRUE;
  int m_nCheck = 0;

  DECLARE_MESSAGE_MAP()
};
