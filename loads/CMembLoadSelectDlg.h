// The multiple assignment of member loads (modal): the member names handed over (in name
// order, "NAME (TYPE)"), every standard floor, and a load-type combo whose first entry
// "Assign By Name" gives each ticked name the load type of the same name. Applying writes
// the ticked names on the ticked floors in one transaction; ticking names selects, in the
// view, the members that bear them.
//
// Rules:
// - Applying with nothing ticked writes nothing and succeeds (Confirm then closes).
// - A pair already assigned takes the new load type, the others are added: one
//   CClassMbld transaction of at most one modification and one addition batch.
// - "Assign By Name" matches, by exact text, the first load type of the dialog's target
//   kind in table order; names without a match are skipped. None matching at all:
//   "IDS_CMD_MEMB_Error_None_Match_Selected_Data", nothing written, the dialog stays.
// - The view has no selection while the dialog opens and after it closes; each toggle of a
//   name's box replaces the selection with the members of the ticked names (their
//   points, or in the analysis model their elements and nodes), or empties it when no
//   item of the list is selected.
// - A change of the load types refills the combo (back to "Assign By Name").
#pragma once
#include "afx/CArray.h"
#include "afx/CCheckListBox.h"
#include "afx/CComboBox.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;
class DB_CDataBase;

class CMembLoadSelectDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CMembLoadSelectDlg)

 public:
  explicit CMembLoadSelectDlg(CWnd* pParent = nullptr);
  ~CMembLoadSelectDlg() override;

  // The target kind (0 point, 1 line, 2 area) and the names to list, sorted by name here.
  int SetMembers(int kind, const CUIntArray& keys);
  BOOL OnInitDialog() override;

  void FillMemberList();
  void FillPlanList();
  void FillLoadTypeCombo();
  int ReadChecks();
  // The first load type of the target kind named like the member name, 0 when none.
  UINT GetLoadTypeByName(UINT nameKey);
  // Writes the ticks (see the rules); non-zero on success.
  int ApplyAssign();

  void OnCmdOkBtn();
  void OnCmdApplyBtn();
  void OnCmdMoreBtn() {}
  void OnMemberCheckChange();
  void OnDestroy();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  void OnHint(LPARAM lHint, CObject* pHint) override;

 private:
  // The database whose view control carries the selection, and whether it is the
  // analysis model's.
  DB_CDataBase* SelectionDB(BOOL& bAnalysis) const;
  void ClearViewSelection();
  void SelectCheckedMembers(const CUIntArray& nameKeys);
  void RefillOnLoadTypes(const DB_CDataBase& db);

  CCheckListBox m_listPlan;
  CCheckListBox m_listMemb;
  CComboBox m_cobxLoadType;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  int m_nTargetKind = 0;
  UINT m_nLoadType = 0;
  CUIntArray m_nameKeys;
  CUIntArray m_checkedMembs;
  CUIntArray m_checkedPlans;

  DECLARE_MESSAGE_MAP()
};
