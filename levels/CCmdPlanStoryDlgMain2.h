// The levels dialog: the levels page (standard floors, towers, stories) and the
// story-material page on one tab control, a button that opens the property sheet of
// materials, sections and thicknesses modelessly ("CModelDefProperty" through the
// factory), and Close.
//
// The first tab (constructor) is 1-based, 0 meaning the first; a number past the tabs that
// exist shows the last tab. Leaving the story-material tab applies its materials; Close
// applies the current page (the levels page ends its grids' cell edits, the material page
// writes its materials) and ends the dialog with IDOK. When the materials cannot be
// written the user is told, the material tab stays current and Close does not end the
// dialog. Return or Escape on the dialog's own controls and the close box end it with
// IDCANCEL, applying nothing.
//
// When the dialog ends while the document traces a model-check finding that points into
// it (check modes 16, 18 to 27, 29, 41, 46), the tracing ends.
#pragma once
#include "ui/CDlgMove.h"
#include "ui/CDlgTabCtrl.h"

class CCmdPlanStoryDlgStorMatl2;

class CCmdPlanStoryDlgMain2 : public CDlgMove {
  DECLARE_DYNAMIC(CCmdPlanStoryDlgMain2)

 public:
  enum { TAB_LEVELS = 0, TAB_MATERIALS = 1 };

  // nReserved1 and nReserved2 are kept and never read.
  CCmdPlanStoryDlgMain2(CWnd* pParent, UINT nFirstTab, UINT nReserved1, UINT nReserved2);
  ~CCmdPlanStoryDlgMain2() override;

  BOOL OnInitDialog() override;

  // The check modes whose tracing ends with the dialog.
  static BOOL IsOwnCheckMode(int nMode);

  CDlgTabCtrl& GetTabCtrl() { return m_tab; }
  UINT GetFirstTab() const { return m_nFirstTab; }
  UINT GetReserved1() const { return m_nReserved1; }
  UINT GetReserved2() const { return m_nReserved2; }
  // The tab a first-tab number shows among nTabs tabs.
  static int FirstTabIndex(UINT nFirstTab, int nTabs);

 protected:
  // Applies the current page; 0 when the materials could not be written.
  int OnApplyBtn();
  void OnSelchangingCmdTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSelchangeCmdTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnMatlBtn();
  void OnCloseBtn();

 private:
  CCmdPlanStoryDlgStorMatl2* MaterialPage() const;

  CDlgTabCtrl m_tab;
  UINT m_nFirstTab = 0;
  UINT m_nReserved1 = 0;
  UINT m_nReserved2 = 0;

  DECLARE_MESSAGE_MAP()
};
