// The story material table of the plan and story dialog (CCmdPlanStoryDlgStorMatl): the
// stories of one tower, the top story first, with the concrete material of all their
// members or, under "Variable", of each member type. A committed cell writes its row at once
// (CClassStor::TR_Modify2); the rows follow through the replay of update records.
//
// Columns (rows in CCmdPlanStoryGridMatl.cpp; grid column = index + 1): 0 key, 1 Name and
// 2 Plan (disabled), 3 the "all" material, 4 to 16 the member types (visible: 4 column,
// 5 beam, 6 wall, 9 secondary beam, 10 brace, 13 slab; hidden and without a field: 7 lintel,
// 8 transfer girder, 11 inclined column, 12 retaining wall, 14 composite slab, 15 opening,
// 16 foundation), 17 master story and 18 bending factor (hidden).
//
// Rules:
// - A material shows as "KEY:NAME" when the model holds it, else "None"; the "all" cell
//   shows its material, else "None" (singleMatl 1) or "Variable" (singleMatl 0). The choices
//   are the model's concrete materials (type "C"), after "None" (and "Variable" first in
//   the "all" cell). A text the cell does not offer (a steel or SRC material, a material
//   the model does not hold, any other text) is refused with
//   "IDS_WG_CMD_MC_ERROR_Invalid_Input", typed or pasted.
// - The member-type cells of a row are enabled exactly while its "all" cell reads
//   "Variable"; any other "all" text shows that material in every member-type cell. A row
//   is stored as it shows: with a material (or "None") for all members, singleMatl is 1 and
//   the six member keys are the "all" key; under "Variable" singleMatl is 0 and each member
//   type keeps its own.
// - A row is saved over the stored story: only the concrete materials, the master-story
//   flag and the bending factor are written; the steel and SRC materials (set on the levels
//   dialog's material page) and every other field stay, and a bending factor whose cell
//   still shows the stored value's text keeps the stored value.
// - The bending-factor cell is enabled only for a master story. A standard floor's factor is
//   that of its first master story in the tower, 6.0 when it has none.
// - Edit mode 0: no append row, no required column. Stories are not added or deleted here:
//   the append, insert, paste-of-new-rows and delete hooks answer 0 and write nothing.
// - A material added, changed or deleted elsewhere rebuilds the choices; the rows are not
//   filled again for it (a deleted material's key shows "None", or "Variable" in the "all"
//   cell of a story with singleMatl 0, at the next fill).
// - Tower handling, Plan choices, row moves and the replay: CCmdTowerStoryGrid.
#pragma once
#include <unordered_set>
#include "db/CClassMatl.h"
#include "levels/CCmdTowerStoryGrid.h"

class CCmdPlanStoryGridMatl : public CCmdTowerStoryGrid {
 public:
  enum {
    COL_KEY = 0, COL_NAME, COL_PLAN, COL_ALL, COL_COLUMN, COL_BEAM, COL_WALL, COL_LINTEL, COL_T_GIR, COL_S_BEAM,
    COL_BRACE, COL_INCLINED, COL_R_WALL, COL_SLAB, COL_C_SLAB, COL_OPENING, COL_FOUND, COL_MASTER, COL_BEND,
    COL_COUNT
  };
  // The member-type columns.
  enum { COL_FIRST_MEMBER = COL_COLUMN, COL_LAST_MEMBER = COL_FOUND };

  // The owner (the story material dialog) is kept and not used.
  explicit CCmdPlanStoryGridMatl(void* pOwner);

  void Initialize() override;

  // ---- fields -------------------------------------------------------------------------------
  void FieldToText(int index, const T_STOR_D& rec, CString& text) override;
  void TextToField(int index, const CString& text, T_STOR_D& rec) override;
  // The key of a material text: "Variable", "None" and a text without ':' give 0, else the
  // number before the first ':'.
  static UINT ParseMaterialKey(const CString& text);

  // ---- hooks --------------------------------------------------------------------------------
  int AddRecords(CPtrArray& keys, CPtrArray& records) override;
  int AddRecord(ROWCOL nRow) override;
  int DeleteRecords(CUIntArray& rows) override;
  int DeleteRecord(ROWCOL nRow) override;
  int ValidateField(LPCTSTR text, int index) override;

  // Keeps the member-type cells of a row in step with its "all" cell (column COL_ALL), and
  // the bending-factor cell with the master-story cell (COL_MASTER); grid columns.
  void SyncMaterialCells(ROWCOL row, ROWCOL col);
  // Sets the enabled attribute of one cell.
  void EnableCell(ROWCOL row, ROWCOL col, BOOL bEnabled);
  // The bending factor of a standard floor in the shown tower (see the top of this file).
  double GetMasterBendFactor(UINT planKey);

  // Rebuilds the choices of the member-type columns, and of the "all" column.
  void FillMaterialChoices(ROWCOL firstCol, ROWCOL lastCol);
  void FillAllMaterialChoices(ROWCOL allCol);

 protected:
  void FillChoices() override;
  void OnRowWritten(ROWCOL row, UINT key, const T_STOR_D& rec) override;
  // The record a row writes (see the top of this file).
  T_STOR_D RecordToWrite(const CString& oldName, const T_STOR_D& rec) override;
  void ReplayOther(int code, UINT key) override;
  void ApplyReplay() override;
  // The cells follow the edited one before its row is written.
  BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override;

 private:
  // The material choices: "None" and the concrete materials, each followed by "\n".
  CString MaterialChoices();

  CClassMatl* m_pMatl = nullptr;
  std::unordered_set<UINT> m_concrete;  // the concrete materials' keys offered
  BOOL m_bMatlChanged = FALSE;          // the replayed transaction held a material entry
};
