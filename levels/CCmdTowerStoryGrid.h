// What the record grids of one tower's stories share (the story table of the plan and story
// dialog's story page, CCmdPlanStoryGrid, and its story material table,
// CCmdPlanStoryGridMatl): the tower shown, the standard-floor choices, the edit mode and the
// common layout, row moves and the replay of update records. A grid names the index of its
// Plan column; index 0 is the key, index 1 the story name.
//
// Rules:
// - Rows are the stories of the shown tower, the top story first; a row read back belongs
//   to the shown tower (TextToField sets mdulKey), and a name is looked up within it.
// - Plan choices: the standard floors no story of another tower uses (key 1 included unless
//   the grid leaves it out, SetPlanOneOffered), by name in key-list order; a new row's Plan
//   text is the first of them (none when that is key 1 left out). The same rule decides
//   PlanMayServeTower: one standard floor serves the stories of one tower only.
// - A row is written over the stored story (RecordToWrite: what the grid does not show
//   stays) with TR_Modify1, or TR_Modify2 in a material grid. Saving an existing story's
//   row whose Plan text names no standard floor makes that standard floor: the new floor
//   and the story's modification are one grouped transaction (one undo; both or neither).
// - Edit mode (SetEditMode, before Initialize): 1 keeps the append row and the grid's
//   required columns; any other mode switches the append row off and requires nothing.
//   The insert key is off in both.
// - Drags move the whole selected rows above the target row's story in one TR_ChangeSeq
//   (never below the base story, never the base story itself); the grid never moves rows
//   itself; a drag while editing is refused ("IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_").
// - Replay: stories of the shown tower incrementally (one key list of the tower per
//   transaction); a story added with no height, a story moved into or out of the tower, a
//   standard-floor entry or the grid's own move fills the grid again once; stories of
//   other towers change the Plan choices only (and what AdjustAppendRowNo derives).
#pragma once
#include <unordered_map>
#include <unordered_set>
#include "common/CCmdRecordGrid.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"

class CCmdTowerStoryGrid : public CCmdRecordGrid<CClassStor> {
 public:
  // bMaterials: the grid writes the material fields (TR_Modify2), else the others.
  CCmdTowerStoryGrid(void* pOwner, int nPlanIndex, int nEditMode, BOOL bMaterials);

  void SetEditMode(int nMode) { m_nEditMode = nMode; }
  int GetEditMode() const { return m_nEditMode; }
  // Shows the stories of a tower, with the tower's choices (FillChoices).
  void ShowTower(UINT towerKey);
  UINT GetTowerKey() const { return m_nTower; }
  BOOL IsMainTower() const { return m_bMainTower; }

  // Plan by name; the other fields as their column rows say.
  void FieldToText(int index, const T_STOR_D& rec, CString& text) override;
  void TextToField(int index, const CString& text, T_STOR_D& rec) override;

  int ModifyRecord(ROWCOL nRow) override;
  int GetRecordCount() override;
  void FillAllRows(int n, CUIntArray& colNos) override;
  void UnitChanged() override;
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;

  // Rebuilds the Plan column's choices and default text for the shown tower.
  void FillPlanChoices(ROWCOL planCol);
  // The standard floors a story of the shown tower may use, in key-list order.
  void GetPlanKeysForTower(CUIntArray& keys);
  // The standard floors the stories of towers other than tower use.
  static std::unordered_set<UINT> PlansOfOtherTowers(const CClassStor& stor, UINT tower);
  // 1 when the standard floor may serve the tower (no story of another tower uses it; no
  // standard floor, key 0, always may); else 0, after
  // "IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules" when bShowMessage.
  static int PlanMayServeTower(const CClassStor* stor, UINT tower, UINT planKey, int bShowMessage);

 protected:
  // The layout every story grid starts with: the edit mode, the framework's setup, font 10
  // (weight 400), a header row 40 high, the columns' widths, every column right-aligned and
  // the Name column left-aligned. EndInitialize: disabled fixed columns, the valid cell,
  // the insert key off and, but in edit mode 1, the append row off.
  void BeginInitialize();
  void EndInitialize();
  // ShowTower's choice lists; the base rebuilds the Plan choices.
  virtual void FillChoices();
  UINT GetKeyByName(const CString& name) override;
  void SetPlanOneOffered(BOOL b) { m_bOfferPlanOne = b; }
  // The record a row writes: the base keeps the stored story's fields no story grid shows
  // (reserved, masterStory) and its stored reals where the row still shows their texts.
  virtual T_STOR_D RecordToWrite(const CString& oldName, const T_STOR_D& rec);
  // The stored story a row showed under oldName; 0 when the tower has none.
  BOOL GetStored(const CString& oldName, T_STOR_D& stored);
  BOOL TableModify(const CString& oldName, const T_STOR_D& rec) override;
  BOOL TableModify(const CStringArray& oldNames, const CArray<T_STOR_D>& recs) override;
  // What a replay met besides the rows: everything to fill again, or the levels only.
  void MarkRefill() { m_replay.refill = TRUE; }
  void MarkLevels() { m_replay.levels = TRUE; }

  int RowForNewKey(UINT key, const T_STOR_D& rec) override;
  BOOL RowIsInPlace(ROWCOL row, UINT key) override;
  void ReplayAdd(UINT key, const T_STOR_D& rec) override;
  void ReplayDel(UINT key, const T_STOR_D& rec) override;
  void ReplayModify(UINT key, const T_STOR_D& rec, UINT oldKey, const T_STOR_D& before) override;
  void ReplayOther(int code, UINT key) override;
  void ApplyReplay() override;

  CClassPlan* m_pPlan = nullptr;
  UINT m_nTower = 0;
  BOOL m_bMainTower = TRUE;

 private:
  // The 0-based place of a story in the shown tower's top-down list (-1: not listed),
  // from one list read per replay.
  int ReverseIndex(UINT key);

  int m_nPlanIndex;
  int m_nEditMode;
  BOOL m_bMaterials;
  BOOL m_bOfferPlanOne = TRUE;
  BOOL m_bIndexValid = FALSE;
  std::unordered_map<UINT, int> m_reverseIndex;
  struct ReplayFlags {
    BOOL stories = FALSE;  // a story added or deleted (any tower), or a floor moved between towers
    BOOL changed = FALSE;  // an entry of a story of the shown tower, or a modification
    BOOL refill = FALSE;
    BOOL levels = FALSE;   // what the levels stand on (the ground)
  };
  ReplayFlags m_replay;
};
