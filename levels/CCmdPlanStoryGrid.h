// The story table of the plan and story dialog's story page: the stories of one tower, the
// top story first, with name, height, the computed bottom and top levels (Level1,
// Level2), standard floor by name, dead and live load and the transfer flag. Cells are
// edited in place, rows dragged into a new order; every change is one transaction of the
// story table and the rows follow through the replay of update records.
//
// Columns (rows in CCmdPlanStoryGrid.cpp; grid column = index + 1): 0 key (hidden), 1 Name,
// 2 Height, 3 Level1, 4 Level2 (computed, disabled), 5 Plan, 6 DL, 7 LL, 8 Transfer (check
// box), 9 bending stiffness factor (hidden, disabled), 10 Property (hidden, always "X").
// The base story's row (key 1) edits only Name, DL and LL.
//
// Rules:
// - Edit mode (SetEditMode, before Initialize): 1, the mode the story page uses, keeps the
//   append row and requires Name, Height and Plan of a row; any other mode switches the
//   append row off and requires nothing. The insert key is off in both.
// - Levels: the tower's start level plus the stored heights of the stories below (Level1)
//   and up to (Level2) each one, from one list of the tower (ComputeLevels, run by
//   AdjustAppendRowNo), written as summed ("%.13g" in current units).
// - Plan choices: the standard floors no story of another tower uses (key 1 included),
//   by name in key-list order; a new row's Plan text is the first of them. A typed name
//   of a standard floor another tower uses is refused
//   ("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules"); a typed name no standard floor
//   has makes one when an existing story's row is saved: the new standard floor and the
//   story's modification are one grouped transaction (one undo; both or neither). A new
//   row or a paste with an unknown name gets no standard floor.
// - A height is refused below 0 on the value a formula gives ("=0-5" like "-5",
//   "IDS_WG_CMD__ADDD__Height_can_t_be_negative_"); a negative bending factor is refused
//   without a text.
// - A row is saved over the stored story: fields the row does not show stay, and a real
//   whose cell still shows the stored value's text keeps the stored value.
// - Drags move the whole selected rows above the target row's story in one TR_ChangeSeq
//   (never below the base story, never the base story itself); the grid never moves rows
//   itself; a drag while editing is refused ("IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_").
// - Replay: stories of the shown tower incrementally (one key list of the tower per
//   transaction); a story added with no height, a story moved to another tower or a
//   standard-floor entry fills the grid again once; stories of other towers change the
//   Plan choices and the levels only.
// - A selection of whole rows goes to the owner (OnGridSelChanged) with its count and
//   first key.
#pragma once
#include <unordered_map>
#include "common/CCmdRecordGrid.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "levels/ICmdPlanStoryGridOwner.h"

class CCmdPlanStoryGrid : public CCmdRecordGrid<CClassStor> {
 public:
  enum {
    COL_KEY = 0, COL_NAME, COL_HEIGHT, COL_LEVEL1, COL_LEVEL2, COL_PLAN, COL_DL, COL_LL, COL_TRANSFER,
    COL_BEND, COL_PROPERTY, COL_COUNT
  };

  explicit CCmdPlanStoryGrid(ICmdPlanStoryGridOwner* pOwner);

  void SetEditMode(int nMode) { m_nEditMode = nMode; }
  int GetEditMode() const { return m_nEditMode; }
  void Initialize() override;
  // Shows the stories of a tower, with the tower's Plan choices.
  void ShowTower(UINT towerKey);
  UINT GetTowerKey() const { return m_nTower; }
  BOOL IsMainTower() const { return m_bMainTower; }

  // ---- fields ---------------------------------------------------------------------------
  void FieldToText(int index, const T_STOR_D& rec, CString& text) override;
  void TextToField(int index, const CString& text, T_STOR_D& rec) override;

  // ---- hooks ------------------------------------------------------------------------------
  int ModifyRecord(ROWCOL nRow) override;
  int ValidateField(LPCTSTR text, int index) override;
  int GetRecordCount() override;
  void FillAllRows(int n, CUIntArray& colNos) override;
  void FillRowFromStrings(ROWCOL nRow, CStringArray& strings) override;
  void UnitChanged() override;
  void AdjustAppendRowNo() override;
  void OnChangedSelectionPublic(const UINT* keys, int count) override;
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;

  // Writes the levels into the Level1 and Level2 columns (grid columns).
  void ComputeLevels(ROWCOL level1Col, ROWCOL level2Col);
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
  T_STOR_D OverStored(const CString& oldName, const T_STOR_D& rec);

  CClassPlan* m_pPlan = nullptr;
  ICmdPlanStoryGridOwner* m_pPageOwner = nullptr;
  UINT m_nTower = 0;
  BOOL m_bMainTower = TRUE;
  int m_nEditMode = 1;
  BOOL m_bIndexValid = FALSE;
  std::unordered_map<UINT, int> m_reverseIndex;
  struct ReplayFlags {
    BOOL stories = FALSE;  // a story added or deleted, of any tower
    BOOL changed = FALSE;  // an entry of a story of the shown tower, or a modification
    BOOL refill = FALSE;
  };
  ReplayFlags m_replay;
};
