// The list of the model's fiber materials: one row a material (name, concrete or steel, the
// hysteresis model; the row's item data its key). Add opens the fiber material editor in
// add mode; Edit and a double-click open it in modify mode on the first selected row's key;
// Delete deletes that row's material at once (no question, no test of its use).
//
// The list never rewrites itself after its own actions: every transaction that touches the
// fiber material table (the editor's writes, Delete, undo and redo, any other writer)
// refills the whole list in table order, with row 0 selected. A transaction on other tables
// and a hint other than 0, 1 or 3 leave it as it is. A kind and model outside the nine
// models show an empty third column.
//
// Edit and Delete without a selected row, and a refused delete, write
// "IDS_CMD_NO_SELECTED_FIMP" to the message window.
#pragma once
#include "afx/CListCtrl.h"
#include "db/T_FIMP_D.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;
class DB_CDataBase;

class CCMFiberMatPropListDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCMFiberMatPropListDlg)

 public:
  explicit CCMFiberMatPropListDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

  // The text of one cell: 0 the name, 1 the material kind, 2 the hysteresis model.
  static CString DataToStr(int nCol, UINT key, const T_FIMP_D& rec);
  static CString GetHysteresisModel(const T_FIMP_D& rec);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Walks the transaction's update records; a fiber material entry refills the list once.
  virtual void UpdateBuffer(const DB_CDataBase& db);
  // Refills the whole list in table order and selects row 0.
  virtual void MakeItemEx();
  void OnDBUpdate(const DB_CDataBase& db) override;
  void OnHint(LPARAM lHint, CObject* pHint) override;

  void OnCmd2FiberAdd();
  void OnCmd2FiberModify();
  void OnCmd2FiberDelete();
  void OnCmd2FiberClose();
  void OnDblclkCmd2FiberList(NMHDR* pNMHDR, LRESULT* pResult);

  // The first selected row; 0 when none is.
  int GetSelectedIndex(int& row) const;
  void SetHeaderTitle();
  void SetItem(int row, UINT key, const T_FIMP_D& rec);

 private:
  CListCtrl m_list;
  CDBDoc* m_pDoc = nullptr;
  CMDBCtrl* m_pMDBCtrl = nullptr;

  DECLARE_MESSAGE_MAP()
};
