// What the three list pages of the property sheet share (CModelPropMatlPage,
// CModelPropSectPage, CModelPropThikPage): a list of every record of one table in key
// order (column 0 the key), Add and Edit through the table's editor, Delete and Copy as
// undoable transactions of the page's own.
//
// The page never refreshes itself after writing: every change - its own, an editor's,
// another window's, undo and redo - arrives as update records, which the page replays into
// its list (ADD a row placed by key, DEL the row gone, MFD + MFS the row rewritten and
// moved to its new key's place). Hints 0, 1 and 3 replay the records of the database the
// hint names; other hints change nothing, except what a page adds (the thickness page
// rebuilds its list on hint 4). A notification while the page has no window changes
// nothing.
//
// Delete: the selected row's record goes (a record in use is refused by its table, with
// the page's refusal message); the row that took its place is selected, or the new last
// row. Copy: the record goes under the first free key above it, with its name (a table
// whose names are unique names the copy "<name>_<new key>"), and the selection stays.
// Edit, Delete and Copy without a selected row show the page's no-selection message.
//
// Rows are placed by FindInsertPos, which looks only at the rows' keys (a binary search):
// filling n rows costs O(n log n) plus the rows' texts.
#pragma once
#include "db/DB_CDataBase.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgChild.h"
#include "ui/CExtListCtrl.h"

class CDBDoc;
class CMDBCtrl;

class CModelPropListPage : public CDlgChild, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CModelPropListPage)

 public:
  struct Column {
    const char* title;  // text key
    int width;
    int flag;  // 1 numeric
  };
  // One page of the family: its template, list, the table it shows and its messages.
  struct Family {
    UINT nTemplate;
    UINT nList;
    UINT nClassID;
    const char* noSelection;
    const char* cannotDelete;
    const char* cannotCopy;
    const Column* columns;
    int nColumns;
  };

  CModelPropListPage(const Family& family, CWnd* pParent);

  CExtListCtrl& GetList() { return m_list; }
  // The key of the first selected row, 0 when none.
  UINT GetSelectedKey() const;

  void OnCmdAdd();
  void OnCmdEdit();
  void OnCmdDelete();
  void OnCmdCopy();
  void OnDblclkList(NMHDR* pNMHDR, LRESULT* pResult);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  void OnHint(LPARAM lHint, CObject* pHint) override;

  void InitColumns();
  void FillList();
  int FindInsertPos(DWORD key) const;
  void UpdateBuffer(const DB_CDataBase& db);
  void RebuildList();

  // The table's part, one per page.
  // Every record of the table, through InsertRow; FALSE when the table cannot be read.
  virtual BOOL FillRows() = 0;
  // The update records of the page's table, through InsertRow, DeleteData and ModifyData.
  virtual void ReplayRows(const DB_CDataBase& db) = 0;
  // Runs the editor: key 0 adds, otherwise edits the record (nothing when it is gone).
  virtual void RunEditor(UINT key) = 0;
  virtual BOOL DeleteRecord(UINT key) = 0;
  // -1 when the record is gone, 0 when the table refused the copy, 1 when it is written.
  virtual int CopyRecord(UINT key) = 0;
  virtual void OnListCreated() {}

  BOOL InsertRow(UINT key, const CStringArray& texts) { return m_list.InsertData(key, texts); }
  // The model database the page works on: the connected one, else the current document's.
  DB_CDataBase* GetDB() const;
  void Tell(const char* key) const;

  const Family& m_family;
  CExtListCtrl m_list;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDBCtrl;

  DECLARE_MESSAGE_MAP()
};

// The first key above key that the table does not hold.
template <class Table>
UINT ModelPropFreeKeyAbove(const Table& table, UINT key) {
  UINT k = key + 1;
  while (table.Exist(k)) ++k;
  return k;
}
