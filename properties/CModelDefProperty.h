// The property sheet: a modeless window, one per document (entered under its dialog id
// 14019 in the document's modeless-dialog manager), with a tab a table - materials (tab 0),
// sections (1), thicknesses (2) - and the page of the selected tab on the placeholder. The
// pages are made when the sheet starts and end with it; Close destroys the window and the
// modeless base deletes the sheet.
//
// Openers go through the dialog factory ("CModelDefProperty" with the tab to show), which
// brings an open sheet to the front instead of building a second one.
#pragma once
#include "afx/CTabCtrl.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDlgReplaceMgr.h"

class CModelDefProperty : public CDBDlgBase {
  DECLARE_DYNAMIC(CModelDefProperty)

 public:
  explicit CModelDefProperty(CWnd* pParent = nullptr);

  // Selects tab i and shows its page (0 material, 1 section, 2 thickness); other values
  // change nothing.
  void ActivateTab(int i);
  CDlgChild* GetPage(int i) const { return m_pages.GetTab(i); }
  int GetShownTab() const { return m_pages.GetCurTab(); }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnSelchangeCmdTabCtrl(NMHDR* pNMHDR, LRESULT* pResult);
  void OnCloseBtn();

  CTabCtrl m_tab;
  CDlgReplaceMgr m_pages;

  DECLARE_MESSAGE_MAP()
};
