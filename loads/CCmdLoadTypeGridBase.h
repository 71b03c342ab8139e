// What the beam load type grid (CCmdBeamLoadTypeGrid) and the named slab load grid
// (CCmdNamedSlabLoadGrid) share: five columns - the record key (ID, not shown), name,
// dead and live loads and description - laid out alike, filled from the table in its
// order, and deleted by the keys the rows' ID cells showed before the edit.
//
// Rules:
// - Initialize: the framework's initialisation, then under the drawing lock standard font
//   size 10, header row 36 high, row header 25 wide, the columns' widths, the ID column
//   hidden.
// - A delete of several rows is one transaction; an empty delete succeeds writing nothing.
// - A column index outside the five is invalid, without a message.
#pragma once
#include <cstdlib>
#include <vector>
#include "common/CCmdRecordGrid.h"

template <class TTable>
class CCmdLoadTypeGridBase : public CCmdRecordGrid<TTable> {
 public:
  enum { COL_ID = 0, COL_NAME, COL_DL, COL_LL, COL_DESC, COL_COUNT };

  CCmdLoadTypeGridBase() : CCmdRecordGrid<TTable>(nullptr) {}

  // Sets the grid up (subclassed on its control first): styles, header height, widths.
  void Initialize() override {
    CTBCommon::Initialize();
    CCmdDrawLock lock(*this);
    LayOutColumns();
  }
  // Fills every row from the table.
  void FillGrid() {
    CCmdDrawLock lock(*this);
    this->MakeItemEx(nullptr, -2, 0);
  }

  int GetNameColumnIndex() override { return COL_NAME; }
  LPCTSTR GetNotEnteredKey() override { return "IDS_CMD_GRID_ERR_Not_Entered"; }

  // The keys are the rows' ID cells as they were before the edit, last row first.
  int DeleteRecords(CUIntArray& rows) override {
    if (rows.IsEmpty()) return 1;
    CUIntArray keys;
    const ROWCOL idCol = this->GetColumnNoFor(COL_ID);
    for (INT_PTR i = rows.GetSize() - 1; i >= 0; --i)
      if (UINT k = KeyOf(this->GetValueRowColBeforeEdit(rows[i], idCol))) keys.Add(k);
    return this->m_pTable && this->m_pTable->TR_Del(keys) ? 1 : 0;
  }
  int ValidateField(LPCTSTR text, int index) override {
    if (index < 0 || index >= COL_COUNT) return 0;
    return CCmdRecordGrid<TTable>::ValidateField(text, index);
  }

 protected:
  // The key an ID cell's text names, 0 for none.
  static UINT KeyOf(const CString& text) { return (UINT)std::atol(text.c_str()); }

  // The styles, header sizes and widths of Initialize; called under the drawing lock.
  void LayOutColumns() {
    this->ChangeStandardStyle(CGXStyle().SetFontSize(10));
    this->SetRowHeight(0, 0, kHeaderHeight);
    this->SetColWidth(0, 0, kRowHeaderWidth);
    const std::vector<int> widths = this->GetColumnWidths();
    for (size_t i = 0; i < widths.size(); ++i)
      this->SetColWidth(this->GetColumnNoFor((int)i), this->GetColumnNoFor((int)i), widths[i]);
    const ROWCOL id = this->GetColumnNoFor(COL_ID);
    this->HideColsByIntend(id, id, TRUE);
  }

 private:
  static constexpr int kRowHeaderWidth = 25;
  static constexpr int kHeaderHeight = 36;
};
