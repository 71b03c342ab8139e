// A list box with a check box on each item (CLBN_CHKCHANGE when the user changes one).
#pragma once
#include "afx/CListBox.h"

enum : UINT { BS_CHECKLISTBOX_DEFAULT = 0 };

class CCheckListBox : public CListBox {
  DECLARE_DYNAMIC(CCheckListBox)
 public:
  CCheckListBox() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  void SetCheckStyle(UINT nStyle) { m_nStyle = nStyle; }
  UINT GetCheckStyle() const { return m_nStyle; }
  void SetCheck(int nIndex, int nCheck);
  int GetCheck(int nIndex) const;
  void Enable(int nIndex, BOOL bEnabled = TRUE);
  BOOL IsEnabled(int nIndex) const;

 private:
  UINT m_nStyle = BS_AUTOCHECKBOX;
};
