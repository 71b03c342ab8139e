// The current standard-floor dialog: a standard-floor combo that opens on the model's
// current standard floor (its first entry when the model has none), Apply, OK and Cancel.
// Apply and OK make the chosen standard floor the model's current one
// (CClassPlan::SetCurPlan; the choice is kept in the model file); with nothing chosen they
// change nothing, and Apply leaves the dialog open. Cancel changes nothing more.
#pragma once
#include "db/CCobxPlan.h"
#include "ui/CDlgMove.h"

class DB_CDataBase;

class CCmdChangeCurPlanDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCmdChangeCurPlanDlg)

 public:
  explicit CCmdChangeCurPlanDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;
  // Non-zero when a standard floor was chosen and made the current one.
  BOOL OnCmdBtnApply();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnApplyClicked() { OnCmdBtnApply(); }
  // The current document's model database, or NULL without a document.
  static DB_CDataBase* GetDB();

 private:
  CCobxPlan m_cobxPlan;

  DECLARE_MESSAGE_MAP()
};
