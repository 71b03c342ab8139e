// The member-name window: a modeless dialog (one per document) that defines the names of
// the member-name table (CClassName, T_NAME_D), each bound to a member type (100 points,
// else a member-type code). A name is typed once, or expanded over a suffix number list
// ("C" with "1 3 5" gives C1, C3, C5; a number listed again is used once).
//
// Rules:
// - Add refuses, with "IDS_CMD_MEMB_SAME_NAME", a name the chosen type already has; with a
//   suffix list one existing name refuses the whole list, which is otherwise added in one
//   transaction. A suffix text that is no number list (or names more numbers than the
//   parser takes) is refused with "IDS_WG_CMD_IP_WARNING_Suffix_is_not_valid". Refused
//   input changes nothing, texts included.
// - Edit rewrites the list's current item with the name text and the chosen type; a
//   (name, type) another record holds is refused with "IDS_CMD_MEMB_SAME_NAME". With the
//   only-names box set it writes nothing.
// - Delete removes the selected names; Delete the unselected the listed names not
//   selected. With the only-names box set both act on every record bearing such a name,
//   whatever its type. Nothing selected: Delete writes nothing.
// - The purge buttons delete the names nothing uses (CClassName::GetRefCount 0) of the
//   chosen type, or of every type; with none, "IDS_CMD_NO_UNUSED_NAMES".
// - The list shows every name of the chosen type in natural order (CDBLib::CompareNatural,
//   then key), item data the key. It follows every transaction of the name table once,
//   merging the records the transaction touched into what it shows (no re-sort of the
//   untouched names).
#pragma once
#include <utility>
#include <vector>
#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "afx/CEdit.h"
#include "afx/CListBox.h"
#include "afx/CStatic.h"
#include "afx/CTabCtrl.h"
#include "common/CCmdUpdateDispatch.h"
#include "db/T_NAME_D.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"

class CClassName;
class CDBDoc;
class CMDBCtrl;

class CDefMemberName : public CDBDlgBase, public CDBUpdateConnector, private ICmdUpdateMirror {
  DECLARE_DYNAMIC(CDefMemberName)

 public:
  explicit CDefMemberName(CWnd* pParent = nullptr);
  ~CDefMemberName() override;

  BOOL OnInitDialog() override;

  void FillBetaCombo();
  void FillTypeCombo();
  // Rebuilds the list from the table (names of the chosen type, natural order).
  void UpdateNameList();
  // The chosen type's code (100 when nothing is chosen).
  int GetCurType() const;
  // 1 when a record of that type bears that name.
  int IsExistName(const CString& name, int type);
  // recs := the records the suffix list gives (name text + "%d", the chosen type); 0 when
  // the suffix text is no number list (recs then empty).
  int GenBysuffixButton(CArray<T_NAME_D>& recs);
  // keys := the names of that type (0: every type) that nothing uses; their count.
  int GetUnusedNameKeyList(int type, CUIntArray& keys);
  void ShowNameData(UINT key);

  void OnCmdAddButton();
  void OnCmdModifyButton();
  void OnCmdDeleteButton();
  void OnCmdInvDeleteButton();
  void OnCmdDelUnusedButton();
  void OnCmdDelAllUnusedButton();
  void OnSelchangeNameList();
  void OnSelchangeTypeCombo();
  void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnCmdOnlyNameCheck();
  void OnCmdClose();
  void OnCmdBetaModify() {}

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  // Hints 0, 1 and 3 hand on a transaction's update records as a transaction does.
  void OnHint(LPARAM lHint, CObject* pHint) override;
  CDBDoc* GetUpdateDoc() const override { return m_pDoc; }

 private:
  using Entry = std::pair<CString, UINT>;  // name, key
  void BeginReplay(const DB_CDataBase& db) override;
  void ReplayEntry(const DB_CDataBase& db, const DB_CUpdateRecord& entry) override;
  void EndReplay(const DB_CDataBase& db) override;
  // The list box from m_shown.
  void FillList();
  CClassName* Table();
  // Keys of the selected items, in list order (keys of 0 left out).
  void SelectedKeys(CUIntArray& keys) const;
  // Every key of the table whose name is one of these (only-names deletes).
  void KeysBearing(const std::vector<CString>& names, CUIntArray& keys);
  void Refuse(const char* key);

  CStatic m_labelBeta;
  CComboBox m_cobxBeta;
  CEdit m_editMatl;
  CStatic m_labelMatl;
  CComboBox m_cobxType;
  CTabCtrl m_tab;
  CListBox m_listName;
  CEdit m_editName;
  CString m_strSuffix;
  CString m_strName;
  int m_bOnlyName = 0;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;

  std::vector<Entry> m_shown;    // what the list shows, in its order
  int m_nShownType = 0;
  std::vector<UINT> m_touched;   // keys of the replayed entries
  CCmdUpdateDispatch m_dispatch;

  DECLARE_MESSAGE_MAP()
};
