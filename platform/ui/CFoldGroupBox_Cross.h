// A group box with a fold mark (a cross drawn at its title): state 1 unfolded, 0 folded.
// Initialize(dialog, dialog id, control id) subclasses the box; the dialog id is recorded.
// This headless layer paints nothing, so folding changes no control inside the box: the
// state is the box's own mark, set by the dialog (SetState) or toggled by a click on the
// box, and read with GetState. The dialog decides what the states mean to its controls.
#pragma once
#include "afx/CButton.h"

class CFoldGroupBox_Cross : public CButton {
  DECLARE_DYNAMIC(CFoldGroupBox_Cross)

 public:
  CFoldGroupBox_Cross() = default;

  BOOL Initialize(CWnd* pDlg, UINT nIDDlg, UINT nID);
  // Any non-zero state is 1.
  void SetState(int nState) { m_nState = nState ? 1 : 0; }
  int GetState() const { return m_nState; }
  UINT GetDlgID() const { return m_nIDDlg; }

 protected:
  BOOL OnClicked(UINT nID);

 private:
  UINT m_nIDDlg = 0;
  int m_nState = 1;

  DECLARE_MESSAGE_MAP()
};
