// The plan page of the plan and story dialog: a standard floor, or a numbered series of
// them (a name stem and a suffix number list such as "1 3 5 7to20by2"), with its wall
// type, slab stiffness model, stiffness factors and mesh size; Add, Edit and Delete; the
// list of standard floors (CCmdPlanNameGrid), whose current row the page shows.
//
// Rules:
// - Add writes the page's record (defaults where a control is disabled) once, or once per
//   number of the suffix list, named stem + number, all in one transaction; a suffix the
//   list parser refuses is told ("IDS_WG_CMD_IP_WARNING_Suffix_is_not_valid") and nothing
//   is added.
// - Edit writes the page's record over the stored standard floor of the list's current
//   row: the fields the page does not show, the factors, flag and mesh size of a rigid or
//   diaphragm slab (types 1 and 2), and the mesh size while the use check is ticked keep
//   their stored values. Without a current record row it does nothing.
// - A refused Add or Edit (an empty name, or one another standard floor has) is told
//   ("IDS_CMD_PLAN_NOT_WRITTEN") and keeps the suffix; a written one clears it.
// - Delete deletes the selected rows' floors, else the current row's; on no record row
//   "IDS_CMD__Error___No_selected_Plan_Name_".
// - Rigid diaphragm (and type 1) disables the factor and mesh groups; the mesh size edit
//   is enabled only while the use check is clear, and shows the default size while ticked.
//   The load-distribution combo is never shown.
// - The material "..." opens the property sheet once per document (CmdOpenPropertySheet).
// - The list is filled again after every transaction of the standard-floor table.
#pragma once
#include <memory>
#include "db/CCobxMatl.h"
#include "view/CEditMatl.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_PLAN_D.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgChild.h"

class CClassPlan;
class CCmdPlanNameGrid;

class CCmdPlanStoryDlgPlan : public CDlgChild, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCmdPlanStoryDlgPlan)

 public:
  explicit CCmdPlanStoryDlgPlan(CWnd* pParent = nullptr);
  ~CCmdPlanStoryDlgPlan() override;

  BOOL OnInitDialog() override;
  // The standard floor shown first (before the window is made); 1.
  int SetInitPlankey(UINT key);
  void TerminateGridEditing();
  // The list's current row changed to the floor of key.
  void ShowPlanData(UINT key);

  CCmdPlanNameGrid* GetGrid() const { return m_pGrid.get(); }
  UINT GetCurrentKey() const { return m_nCurKey; }
  const T_PLAN_D& GetRecord() const { return m_rec; }

  void OnCmdAddBtn();
  void OnCmdModifyBtn();
  void OnCmdDeleteBtn();
  void OnCmdMatlBtn();
  void ChangeDlgControls();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  void Data2Dlg();
  int Dlg2Data();

 private:
  void InitCtrl();
  void ClearSuffix();
  void TellNotWritten();

  CClassPlan* m_pPlan = nullptr;
  UINT m_nCurKey = 0;
  T_PLAN_D m_rec;
  CString m_strSuffix;
  BOOL m_bLoaded = FALSE;
  std::unique_ptr<CCmdPlanNameGrid> m_pGrid;
  CEditUnit m_editFactor[3];
  CEditUnit m_editMesh;
  CTextUnit m_textMeshUnit;
  CEditMatl m_editMatl[5];
  CCobxMatl m_cobxMatl[5];

  DECLARE_MESSAGE_MAP()
};
