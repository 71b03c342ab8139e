// The performance-design control: the model's one T_PFCT_D (its defaults when the model
// has none) edited on two pages, global settings and story-drift limits, and stored by OK
// with one undoable CClassPfct::TR_Add. The dialog works on its own copy: the pages write
// into it on OK (a page never shown writes nothing, so its fields stay as read); a refused
// write, or no document or table, keeps the dialog open with what was typed, without a
// message. Cancel writes nothing. Return is OK.
#pragma once
#include "db/T_PFCT_D.h"
#include "ui/CDlgMove.h"
#include "ui/CDlgTabCtrl.h"

class CClassPfct;
class CCmdPFLevelCtrlGlobalDlg;
class CCmdPFLevelCtrlStorDrftDlg;

class CCmdPFLevelCtrlDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCmdPFLevelCtrlDlg)

 public:
  explicit CCmdPFLevelCtrlDlg(CWnd* pParent = nullptr);

  const T_PFCT_D& GetRecord() const { return m_pfct; }
  CDlgTabCtrl& GetTabCtrl() { return m_tab; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  CClassPfct* GetTable() const;

  T_PFCT_D m_pfct;
  CDlgTabCtrl m_tab;
  CCmdPFLevelCtrlGlobalDlg* m_pGlobal = nullptr;    // owned by the tab control
  CCmdPFLevelCtrlStorDrftDlg* m_pDrift = nullptr;  // owned by the tab control

  DECLARE_MESSAGE_MAP()
};
