// The beam load type dialog (modal): every beam load type of the model in one record grid,
// edited there (typing, the append row, pasting, the delete key), each edit committed at
// once by its own transaction; the grid follows every transaction of the table, the
// dialog's own, undo and redo alike. Import reads another model file's types (a file
// dialog, then the import dialog, CMembLoadImport); the grid learns of them as of any
// other change. Close ends the dialog as Cancel and writes nothing. The button that would
// define load cases does nothing.
#pragma once
#include "loads/CCmdBeamLoadTypeGrid.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;
class DB_CDataBase;

class CCmdBeamLoadTypeDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCmdBeamLoadTypeDlg)

 public:
  explicit CCmdBeamLoadTypeDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  // Fills the grid from the table.
  void SetData2Dlg();
  CCmdBeamLoadTypeGrid& GetGrid() { return m_grid; }

  void OnCmdImportBtn();
  void OnCmdClose();
  void OnCmdDefineLoadCases() {}

 protected:
  void OnDBUpdate(const DB_CDataBase& db) override;
  // Hints 0 and 1 hand on a transaction's update records as a transaction does.
  void OnHint(LPARAM lHint, CObject* pHint) override;

 private:
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  DB_CDataBase* m_pDB;
  CClassBltp* m_pBltp;
  CCmdBeamLoadTypeGrid m_grid;

  DECLARE_MESSAGE_MAP()
};
