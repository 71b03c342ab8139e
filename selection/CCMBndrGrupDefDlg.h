// The boundary-group window: a modeless dialog (one per document) that defines the named
// boundary groups (CClassBngr, T_BNGR_D). Names are typed once or expanded over a suffix
// number list as for member names, but are never tested: a name may repeat, and then names
// several groups.
//
// Rules:
// - The list shows every group in table order, item data the group's key; Edit and Delete
//   act on the items' own records (never on another group of the same name).
// - Add adds one group (the name text) or the groups the suffix list gives, in one
//   transaction; a suffix text that is no number list adds nothing.
// - Edit acts only with exactly one item selected: the group's name becomes the name text,
//   its leading value stays.
// - Delete removes the selected groups; Delete the unselected every group not selected
//   (all of them with nothing selected). Nothing selected: Delete writes nothing.
// - The list follows every transaction of the table, refilled once per transaction.
#pragma once
#include "afx/CEdit.h"
#include "afx/CListBox.h"
#include "afx/CArray.h"
#include "common/CCmdUpdateDispatch.h"
#include "db/T_BNGR_D.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"

class CClassBngr;
class CDBDoc;
class DB_CDataBase;

class CCMBndrGrupDefDlg : public CDBDlgBase, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCMBndrGrupDefDlg)

 public:
  explicit CCMBndrGrupDefDlg(CWnd* pParent = nullptr);
  ~CCMBndrGrupDefDlg() override;

  BOOL OnInitDialog() override;

  void UpdateBngrList();
  // Adds the groups of the suffix list; 0 when the suffix text is no number list.
  int GenBysuffixButton();
  virtual void UpdateBuffer(const DB_CDataBase& db);

  void OnCmdAddButton();
  void OnCmdModifyButton();
  void OnCmdDeleteButton();
  void OnCmdInvDeleteButton();
  void OnSelchangeCmdGroupNameList();
  void OnCmdClose();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override { UpdateBuffer(db); }
  // Hints 0, 1 and 3 hand on a transaction's update records as a transaction does.
  void OnHint(LPARAM lHint, CObject* pHint) override;
  CDBDoc* GetUpdateDoc() const override { return m_pDoc; }

 private:
  void SelectedKeys(CUIntArray& keys) const;

  CEdit m_editName;
  CListBox m_listGroup;
  CString m_strName;
  CString m_strSuffix;
  CDBDoc* m_pDoc;
  DB_CDataBase* m_pDB;
  CClassBngr* m_pBngr;
  CCmdUpdateDispatch m_dispatch;

  DECLARE_MESSAGE_MAP()
};
