// The standard-floor list of the plan page (CCmdPlanStoryDlgPlan): one row per standard
// floor in the table's order with its ordinal, name, slab type, stiffness factors, the
// use-the-model-control-mesh flag and the mesh size (wall type, load distribution and
// property hidden). Cells are edited in place, rows deleted and dragged; the page fills
// the list again after every transaction of the table. Whenever the current row changes
// the row's key goes to the page (ShowPlanData).
//
// Rules:
// - Every column is text: factors and mesh size are shown and read in internal units.
// - Stiffness factors: "-" for slab types 1 and 2, else "%g/%g/%g". A typed text is "-"
//   (keeps the stored factors) or three positive numbers between slashes (a run of
//   slashes is one separator), else "IDS_CMD_MEMB_Err_Input_Data".
// - Mesh size: "-" while the use flag is set, and its cell is disabled; "-" typed keeps
//   the stored size while the flag is set and gives 1.0 while it is clear.
// - Cells: stiffness and use cells are enabled only off rigid diaphragm (slab type 2); the
//   mesh cell only off rigid diaphragm with the use flag clear.
// - A row is saved over the stored standard floor: fields the row does not show, and every
//   cell whose text is unchanged, keep their stored values (no "%g" rounding).
// - Empty required cells (name to mesh size): their titles with
//   "IDS_CMD___has_not_been_entered_".
// - A drag moves the selected rows before the target row's floor in one TR_ChangeSeq; the
//   grid never moves rows itself. A drag while editing is refused with
//   "IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_".
// - Code texts are compared without regard to case.
#pragma once
#include "common/CCmdRecordGrid.h"
#include "db/CClassPlan.h"

class CCmdPlanStoryDlgPlan;

class CCmdPlanNameGrid : public CCmdRecordGrid<CClassPlan> {
  DECLARE_MESSAGE_MAP()

 public:
  enum {
    COL_KEY = 0, COL_NO, COL_NAME, COL_WALL, COL_SLAB, COL_LOAD, COL_STIFF, COL_USE_MESH, COL_MESH, COL_PROPERTY,
    COL_COUNT
  };

  CCmdPlanNameGrid();

  // Sets the grid up for its page (subclassed on its control first) and fills it.
  void InitGrid(CCmdPlanStoryDlgPlan* pPage);
  // Makes the name cell of the row showing key current and tells the page; 0 when the
  // grid has no rows or no current cell, or no row shows the key (the current cell stays).
  int SelectRowByKey(UINT key);
  // The rows filled again from the table (the page's refresh), under the drawing lock.
  void RefillGrid();

  void FieldToText(int index, const T_PLAN_D& rec, CString& text) override;
  void TextToField(int index, const CString& text, T_PLAN_D& rec) override;
  int ValidateField(LPCTSTR text, int index) override;
  int GetNameColumnIndex() override { return COL_NAME; }
  LPCTSTR GetNotEnteredKey() override { return "IDS_CMD___has_not_been_entered_"; }
  LPCTSTR GetFieldErrorKey() override { return "IDS_CMD_MEMB_Err_Input_Data"; }
  int ModifyRecord(ROWCOL nRow) override;
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;
  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;

  // Enables the row's stiffness, use and mesh cells after a change of column nCol.
  void UpdateRowCtrlState(ROWCOL nRow, ROWCOL nCol);
  // Tells the page when the current row is another than the one it was last told of.
  BOOL CheckCurRowChanged();

 protected:
  void OnRowWritten(ROWCOL row, UINT key, const T_PLAN_D& rec) override;
  BOOL TableModify(const CStringArray& oldNames, const CArray<T_PLAN_D>& recs) override;
  BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnCurRowChanged(ROWCOL nRow);

 private:
  // The stored floor with the row's changed cells written over it.
  BOOL RowOverStored(ROWCOL row, T_PLAN_D& rec);
  CCmdPlanStoryDlgPlan* m_pPage = nullptr;
  ROWCOL m_nCurRow = 0;
  BOOL m_bPressed = FALSE;
};
