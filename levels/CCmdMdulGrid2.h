// The tower grid of the levels page: the towers (CClassMdul) in key-list order, with a
// hidden key column and the name, which the user may change in place but for the main
// tower's (key 1). Towers are added by the page's buttons and deleted through
// DeleteSelectedRows; rows are never dragged into another order. Everything else is the
// record-grid contract (CCmdRecordGrid) and its replay.
#pragma once
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "common/CCmdRecordGrid.h"

class CCmdMdulGrid2 : public CCmdRecordGrid<CClassMdul> {
 public:
  // The owning page is kept, not used. The page binds the grid to placeholder 16374.
  explicit CCmdMdulGrid2(void* pOwner);

  // Styles, widths and the first fill, under the drawing lock.
  void Initialize() override;

  // Towers keep their order: every drop is refused (while editing, with the message).
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;
  // A name the tower table refuses (one another tower has) is refused silently, and the
  // row shows the stored name again: the grid never shows what the model does not hold.
  int ModifyRecord(ROWCOL row) override;

 protected:
  // The main tower's name cell is disabled.
  void OnRowWritten(ROWCOL row, UINT key, const T_MDUL_D& rec) override;
  // The row carries the key and the name; the tower keeps the story it stands on.
  BOOL TableModify(const CString& oldName, const T_MDUL_D& rec) override;
  BOOL TableModify(const CStringArray& oldNames, const CArray<T_MDUL_D>& recs) override;

 private:
  // Fetched with the tower table, as the other level grids do; not used here.
  [[maybe_unused]] CClassStor* m_pStor = nullptr;
  [[maybe_unused]] CClassPlan* m_pPlan = nullptr;
};
