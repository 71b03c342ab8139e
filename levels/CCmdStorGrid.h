// The story grid of the levels page: the stories of one tower, the top story first, with
// the name (not edited here), height, computed top level, standard floor, dead load,
// live load and transfer flag. Heights, standard floors, loads and the flag are edited in
// place, stories are dragged into a new order; every change is one transaction of the
// story table and the rows follow through the replay of update records. While the
// document traces a model-check finding the flagged cells are painted red.
//
// Columns (their rows in CCmdStorGrid.cpp; grid column = index + 1): the hidden key, the
// name (not edited), height, the computed top level, the standard floor by name (its
// choices: the standard floors no other tower's story uses, but key 1), dead and live
// loads, and the transfer flag as a check box. The base story's row (key 1, main tower)
// edits only the loads.
//
// Levels: the tower's start level plus the stored heights of its stories up to each one,
// from one list of the tower and a map from story key to level (ComputeLevels, run by
// AdjustAppendRowNo); within CLevelOperUtil::GetLevelTolerance of 0 a level is 0.
//
// Saving a row whose Plan text names no standard floor creates that standard floor; the
// creation and the story's modification are one grouped transaction (one undo takes back
// both; when the modification is refused, neither stays). A negative height is refused
// on the value a formula gives, so "=0-5" is refused like "-5".
//
// The replay follows the story, standard-floor, tower and ground entries of a list (see
// CCmdStorGridReplay.cpp): incrementally, or by one refill of the tower, never both. A left click on an enabled story cell hands the
// story to the owner (ICmdStorGridOwner::ShowStoryDefaults (1, key)).
#pragma once
#include <unordered_map>
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "common/CCmdRecordGrid.h"
#include "levels/ICmdStorGridOwner.h"

class CCmdStorGrid : public CCmdRecordGrid<CClassStor> {
  DECLARE_MESSAGE_MAP()

 public:
  enum { COL_KEY = 0, COL_NAME, COL_HEIGHT, COL_LEVEL, COL_PLAN, COL_DL, COL_LL, COL_TRANSFER, COL_COUNT };

  // The page binds the grid to placeholder 16377, calls Initialize, then ShowTower (1).
  explicit CCmdStorGrid(ICmdStorGridOwner* pOwner);

  void Initialize() override;
  // Shows the stories of a tower (top first), with the tower's standard-floor choices.
  void ShowTower(UINT towerKey);
  UINT GetTowerKey() const { return m_nTower; }
  BOOL IsMainTower() const { return m_bMainTower; }

  // ---- fields ---------------------------------------------------------------------------
  void FieldToText(int index, const T_STOR_D& rec, CString& text) override;
  void TextToField(int index, const CString& text, T_STOR_D& rec) override;

  // ---- hooks with the story grid's particulars ----------------------------------------
  int ModifyRecord(ROWCOL nRow) override;
  int ValidateField(LPCTSTR text, int index) override;
  int GetRecordCount() override;
  void FillAllRows(int n, CUIntArray& colNos) override;
  void FillRowFromStrings(ROWCOL nRow, CStringArray& strings) override;
  void UnitChanged() override;
  // The framework's append-row upkeep, then the levels; with no story row a current cell
  // on a column that cannot be entered moves on.
  void AdjustAppendRowNo() override;

  // ---- rows, mouse, colours ---------------------------------------------------------------
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;
  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy, int nType = 0) override;
  void OnLButtonDown(UINT nFlags, CPoint point);

  // Writes the levels into the Level column (grid column levelCol).
  void ComputeLevels(ROWCOL levelCol);
  // Rebuilds the Plan column's choices and default text for the shown tower.
  void FillPlanChoices(ROWCOL planCol);
  // The standard floors a story of the shown tower may use, in key-list order.
  void GetPlanKeysForTower(CUIntArray& keys);

 protected:
  UINT GetKeyByName(const CString& name) override;
  void OnRowWritten(ROWCOL row, UINT key, const T_STOR_D& rec) override;
  BOOL TableModify(const CString& oldName, const T_STOR_D& rec) override;
  BOOL TableModify(const CStringArray& oldNames, const CArray<T_STOR_D>& recs) override;
  int RowForNewKey(UINT key, const T_STOR_D& rec) override;
  BOOL RowIsInPlace(ROWCOL row, UINT key) override;
  void ReplayAdd(UINT key, const T_STOR_D& rec) override;
  void ReplayDel(UINT key, const T_STOR_D& rec) override;
  void ReplayModify(UINT key, const T_STOR_D& rec, UINT oldKey, const T_STOR_D& before) override;
  void ReplayOther(int code, UINT key) override;
  void ApplyReplay() override;

 private:
  // The 0-based place of a story in the shown tower's top-down list (-1: not listed),
  // from one list read per replay.
  int ReverseIndex(UINT key);
  // The record to write for a row: the stored story's unshown fields, and its stored
  // reals where the row still shows their texts.
  T_STOR_D KeepUnchangedReals(const CString& oldName, const T_STOR_D& rec);
  CUnitCtrl* Units() const;
  // The length unit the shown texts were written in (for FillRowFromStrings).
  int m_nShownLength = -1;

  CClassPlan* m_pPlan = nullptr;
  ICmdStorGridOwner* m_pPageOwner = nullptr;
  UINT m_nTower = 0;
  BOOL m_bMainTower = FALSE;
  BOOL m_bIndexValid = FALSE;
  std::unordered_map<UINT, int> m_reverseIndex;
  // What the replay of one transaction met besides its rows.
  struct Replay {
    BOOL stories = FALSE;  // a story added or deleted, of any tower
    BOOL changed = FALSE;  // an entry of a story of the shown tower, or a modification
    BOOL refill = FALSE;
    BOOL levels = FALSE;   // the ground (the start level)
  };
  Replay m_replay;
};
