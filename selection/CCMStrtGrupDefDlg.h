// The structure-group window: a modeless dialog (one per document) that keeps the
// structure groups of the building model (CClassGrup, T_GRUP_D): named sets of points and
// members taken from the view's selection.
//
// Rules:
// - Add makes a group of the name text and the points and members the current model view
//   has selected (none without a view); names are not tested, so a name may repeat.
// - Edit rewrites the first selected group with the name text and the view's selection
//   (its objects are replaced, not merged); with no group selected it tells
//   "IDS_CMD__ADDD__No_selected_item_in_the_list__nCh" and changes nothing.
// - Delete removes the selected groups (nothing selected: nothing written).
// - Picking groups in the list selects the points (and members) of the first picked group
//   exactly, through the point (member) edit; a kind the group lacks leaves its edit and
//   its selection alone. The name edit shows the group's name.
// - "Unselect all" drops the model's selection; the select button asks the dialog factory
//   for the select-by-identity window ("CCMSelectIdentityDlg").
// - The two selection edits show the model's selection of their kind after every change
//   of it (CSelectEdit); the list follows every transaction of the group table once.
#pragma once
#include "afx/CEdit.h"
#include "afx/CListBox.h"
#include "common/CCmdUpdateDispatch.h"
#include "db/T_GRUP_D.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CSelectEdit.h"

class CClassGrup;
class CDBDoc;
class DB_CDataBase;

class CCMStrtGrupDefDlg : public CDBDlgBase, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCMStrtGrupDefDlg)

 public:
  explicit CCMStrtGrupDefDlg(CWnd* pParent = nullptr);
  ~CCMStrtGrupDefDlg() override;

  BOOL OnInitDialog() override;

  void UpdateGrupList();
  virtual void UpdateBuffer(const DB_CDataBase& db);
  CSelectEdit& GetPontEdit() { return m_editPont; }
  CSelectEdit& GetMembEdit() { return m_editMemb; }

  void OnCmdAddButton();
  void OnCmdModifyButton();
  void OnCmdDeleteButton();
  void OnSelchangeCmdGroupNameList();
  void OnCmdUnselectAllBtn();
  void OnCmdSelectIdentyBtn();
  void OnCmdClose();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override { UpdateBuffer(db); }
  // Hints 0, 1 and 3 hand on a transaction's update records as a transaction does.
  void OnHint(LPARAM lHint, CObject* pHint) override;

 private:
  // The record Add and Edit write: the name text and the view's selection.
  void RecordFromView(T_GRUP_D& rec);
  // Indexes of the selected items, ascending.
  void SelectedItems(std::vector<int>& items) const;

  CEdit m_editName;
  CListBox m_listGroup;
  CSelectEdit m_editPont;
  CSelectEdit m_editMemb;
  CClassGrup* m_pGrup = nullptr;
  CDBDoc* m_pDoc = nullptr;
  DB_CDataBase* m_pDB = nullptr;
  CCmdUpdateDispatch m_dispatch;

  DECLARE_MESSAGE_MAP()
};
