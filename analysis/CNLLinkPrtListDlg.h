// The list of the model's nonlinear link properties: one row a property (name, application
// type, property type, description; the row's item data its key). Add opens the link
// property editor in add mode; Edit and a double-click open it in modify mode on the
// selected row's record; Delete deletes that record at once (no question). The list never
// rewrites itself after its own actions: it follows the table's update records, so the
// editor's writes, undo and redo and any other writer reach it alike - an addition appends
// its row, a deletion removes its row, any modification refills the whole list in table
// order. A type outside the tables of texts shows as an empty text.
//
// Edit and Delete without a selected row tell "IDS_CMD_NLNK_Error_No_Select_Property" (a
// double-click tells nothing); a row whose record has gone tells
// "IDS_CMD_NLNK_Error_Property_Key" with its key. After Edit the row at the same index is
// selected again; after Delete the row at the same index, or the new last row.
#pragma once
#include "afx/CListCtrl.h"
#include "db/T_NLLP_D.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

class CClassNllp;
class DB_CDataBase;

class CNLLinkPrtListDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CNLLinkPrtListDlg)

 public:
  explicit CNLLinkPrtListDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  // The texts a row shows for a record: name, application type, property type, description.
  static CString AppTypeText(const T_NLLP_D& rec);
  static CString PropertyTypeText(const T_NLLP_D& rec);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Replays the update records of the current transaction.
  virtual void UpdateBuffer(const DB_CDataBase& db);
  // Refills the whole list in table order.
  virtual void MakeItemEx(int nUnused = 0);
  void OnDBUpdate(const DB_CDataBase& db) override;

  void OnAdd();
  void OnEdit();
  void OnDelete();
  void OnClose();
  void OnDblClick(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  void AppendRow(UINT key, const T_NLLP_D& rec);
  void RemoveRow(UINT key);
  void SelectRow(int index);
  // Edit's steps on the first selected row; bTell: a missing selection is told. TRUE when
  // the editor ran.
  BOOL EditSelected(BOOL bTell);

  CClassNllp* m_pTable = nullptr;
  CListCtrl m_list;

  DECLARE_MESSAGE_MAP()
};
