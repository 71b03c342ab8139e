// What the wind-load outline dialog (COutLineDefineDlg) and the shielding-face dialog
// (CWindRigionDefineDlg) share: a modeless window (one per document) that lists the
// records of its table - a run of stories and a list of plan points each - and adds,
// modifies and deletes them, each as one transaction. A derived dialog gives its list
// columns (a table that outlives it), its table (COutLineTableDlg), its story boxes and,
// for outlines, the name.
//
// Rules:
// - The point edit (CMouseEdit2, point numbers, 100 at most per input) takes typed numbers
//   or points picked in the view; Add and Modify end the picking, read it as a number
//   list, and every number must name a point ("IDS_CMD_WR_Invalid_point_lst" otherwise,
//   nothing written). The points are stored as keys in the order given, repeats kept, and
//   shown as "%d" and ", %d" numbers.
// - Add and Modify need a start and an end story ("IDS_CMD_WR_Select_story_again");
//   Modify needs exactly one selected row ("IDS_CMD_WR_Select_one_item") whose record can
//   be read (else it stops without writing) and keeps the record's key and leading value;
//   Delete needs a selected row ("IDS_CMD_WR_Select_items") and removes every selected
//   row's record in one transaction. A refused input leaves records and controls as they
//   were.
// - After Add or Modify the row of the changed record is selected; after Delete, the row
//   above the last deleted one (the first row when that was the first).
// - Selecting a row shows its points and stories (the name box is left alone).
// - The list follows every transaction of the table (rebuilt once per transaction); a
//   record whose stories or tower cannot be read is listed with empty texts for what is
//   missing, and a point that no longer exists is left out of its points text. Story
//   transactions rebuild the story boxes (the end story stays chosen while it is listed),
//   not the list.
// - The row-to-key and key-to-row maps always describe the list as last built.
#pragma once
#include <unordered_map>
#include <vector>
#include "afx/CComboBox.h"
#include "afx/CListCtrl.h"
#include "db/CCobxStor.h"
#include "db/DB_CDataBase.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"
#include "view/CMouseEdit2.h"

class CMDBCtrl;
struct NMHDR;

// One record of either table as the dialogs handle it (the name is empty for faces).
struct T_WIND_RANGE {
  int lead = 0;
  CString name;
  UINT startStory = 0;
  UINT endStory = 0;
  CUIntArray points;
};

class COutLineDlgBase : public CDBDlgBase, public CDBUpdateConnector {
  DECLARE_DYNAMIC(COutLineDlgBase)

 public:
  // What a list column shows.
  enum Content { SHOW_NAME, SHOW_TOWER, SHOW_FROM, SHOW_TO, SHOW_POINTS };
  struct Column {
    const char* titleKey;
    int width;
    int format;  // LVCFMT_
    Content content;
  };

  COutLineDlgBase(UINT nIDTemplate, CWnd* pParent, const Column* cols, int nCols);

  BOOL OnInitDialog() override;
  void SetListCtrlHeader();
  // Sets the start-story box up, then SetEndStoryCmb.
  virtual void UpdateStoryCmb() = 0;
  // Fills the end-story box for the start story chosen (empty without one).
  virtual void SetEndStoryCmb() = 0;
  void UpdateNameList();
  // Replays a transaction of the model database.
  void UpdateBuffer(const DB_CDataBase& db);
  // The selected rows, from the top.
  void GetSelectedItemList(CListCtrl& list, std::vector<int>& rows) const;

  void OnCmdAdd();
  void OnCmdModify();
  void OnCmdDelete();
  void OnCmdClose();
  void OnItemchangedCmdRegionLst(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSelchangeCmdStoryFromCmb();

  // The record key of a list row, 0 when none; the row of a key, -1 when not listed.
  UINT GetRowKey(int row) const;
  int GetKeyRow(UINT key) const;
  UINT GetLastChangedKey() const { return m_nLastKey; }
  CMouseEdit2& GetPointEdit() { return m_editPoints; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override { UpdateBuffer(db); }
  // Hints 0, 1 and 3 hand on a transaction's update records as a transaction does.
  void OnHint(LPARAM lHint, CObject* pHint) override;

  // ---- what a derived dialog gives -------------------------------------------------------
  virtual UINT GetTableID() const = 0;
  virtual void ReadList(CUIntArray& keys, std::vector<T_WIND_RANGE>& recs) const = 0;
  virtual BOOL ReadRecord(UINT key, T_WIND_RANGE& rec) const = 0;
  virtual BOOL AddRecord(const T_WIND_RANGE& rec) = 0;
  virtual BOOL ModifyRecord(UINT key, const T_WIND_RANGE& rec) = 0;
  virtual BOOL DeleteRecords(const CUIntArray& keys) = 0;
  // Fills the controls of its own at start (the name box).
  virtual void InitControls() {}
  // Puts the dialog's name into a record Add or Modify writes.
  virtual void ReadName(T_WIND_RANGE&) {}

  // The tables of the model database (NULL before OnInitDialog).
  DB_CDataBase* ModelDB() const;
  template <class T>
  T* ModelTable() const {
    DB_CDataBase* db = ModelDB();
    return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
  }
  // The selected end story's key, 0 when none.
  UINT GetEndStory() const;
  BOOL SelectEndStory(UINT key);

  CListCtrl m_listRegion;
  CCobxStor m_cmbStoryFrom;
  // Filled by SetEndStoryCmb only (a plain combo: a story box would fill itself).
  CComboBox m_cmbStoryTo;
  CMouseEdit2 m_editPoints;
  CMDBCtrl* m_pMDBCtrl = nullptr;

 private:
  // Reads the point edit into keys; 0 after the message when it names no points.
  BOOL ReadPoints(CUIntArray& keys);
  // Reads the start and end story; 0 after the message when either is missing.
  BOOL ReadStories(T_WIND_RANGE& rec);
  // Selects and focuses one row (clamped into the list); nothing for an empty list.
  void SelectRow(int row);
  CString PointsText(const CUIntArray& keys) const;
  void ShowRecord(int row);

  const Column* m_pColumns;
  int m_nColumns;
  std::unordered_map<int, UINT> m_rowToKey;
  std::unordered_map<UINT, int> m_keyToRow;
  UINT m_nLastKey = 0;

  DECLARE_MESSAGE_MAP()
};
