// The static load case window: a modeless dialog (one per document) whose record grid lists
// every load case, with three editors above it (name, type, description) and Add, Modify
// and Delete. The editors follow the grid's current row; the grid follows every
// transaction of the load-case table (this window's, another window's, undo and redo),
// filled again once per transaction.
//
// Add writes an initialised load case with the editors' name, type and description (no type
// chosen: nothing), then makes its row current; the focus goes back to the name edit with
// its text selected. Modify rewrites the current row's load case with the editors' name,
// type and description over the stored record, so its number and self-weight factor stay
// (no type chosen, no record row current: nothing). Delete removes the selected whole rows,
// else the current row's load case; with neither it tells
// "IDS_CMD__Error___No_selected_static_load_case_". Load cases 1 and 2 are never deleted.
// A refused write shows nothing and keeps the editors' texts.
#pragma once
#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "afx/CEdit.h"
#include "common/CCmdUpdateDispatch.h"
#include "loads/CCMLoadCaseGrid.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"

class CDBDoc;
class CMDBCtrl;

class CCMLoadCaseDlg : public CDBDlgBase, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCMLoadCaseDlg)

 public:
  explicit CCMLoadCaseDlg(CWnd* pParent = nullptr);
  ~CCMLoadCaseDlg() override;

  BOOL OnInitDialog() override;
  BOOL DestroyWindow() override;

  void InitLoadTypeCombo();
  // Shows load case key in the editors (nothing for a key the table lacks; a type the combo
  // lacks changes the name only).
  void SetData2Dlg(UINT key);
  CCMLoadCaseGrid& GetGrid() { return m_grid; }

  void OnCmdAdd();
  void OnCmdModify();
  void OnCmdDelete();
  void OnCmdClose();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  // Hints 0 and 1 hand on a transaction's update records as a transaction does.
  void OnHint(LPARAM lHint, CObject* pHint) override;
  CDBDoc* GetUpdateDoc() const override { return m_pDoc; }

 private:
  // The editors' name, type and description into rec; FALSE when no type is chosen.
  BOOL EditorsToRecord(T_STLD_D& rec);

  CEdit m_editDesc;
  CComboBox m_cobxType;
  CEdit m_editName;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  CStringArray m_typeKeys;
  CCMLoadCaseGrid m_grid;
  CCmdUpdateDispatch m_dispatch;

  DECLARE_MESSAGE_MAP()
};
