// The named slab load dialog (modal): the dead and live loads and a description of slab
// names, in one record grid (CCmdNamedSlabLoadGrid), each edit committed at once by its
// own transaction. The grid follows every transaction of the named slab table, the
// dialog's own, undo and redo alike; a transaction that changes the member names rebuilds
// the grid's Name choices first. Close ends the dialog as Cancel; the self-weight button
// does nothing.
#pragma once
#include "afx/CStatic.h"
#include "loads/CCmdNamedSlabLoadGrid.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;
class DB_CDataBase;

class CCmdNamedSlabLoadDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCmdNamedSlabLoadDlg)

 public:
  explicit CCmdNamedSlabLoadDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  // Fills the grid from the table.
  void SetData2Dlg();
  // The self-weight label's text.
  void ChangeDlgControls();
  // Replays a transaction of db: the Name choices when member names changed, then the grid.
  void UpdateBuffer(const DB_CDataBase& db);
  CCmdNamedSlabLoadGrid& GetGrid() { return m_grid; }

  void OnCmdCancelBtn();
  void OnCmdSlabswBtn() {}

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  // Hints 0, 1 and 3 hand on a transaction's update records as a transaction does; the
  // grid is filled again instead of replaying what may have been replayed already.
  void OnHint(LPARAM lHint, CObject* pHint) override;

 private:
  CStatic m_staticSelfWeight;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  DB_CDataBase* m_pDB;
  CCmdNamedSlabLoadGrid m_grid;

  DECLARE_MESSAGE_MAP()
};
