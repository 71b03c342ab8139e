#pragma once
// Moving chosen rows between the two lists of an import dialog ("available" and "chosen").
// Each row's item data is its position in the file's record array; a moved row is inserted
// before the first row of the target with a higher position, so both lists always stay in
// file order, whatever order the user moved them in.
#include "afx/CListCtrl.h"

inline void MoveSelectedListRows(CListCtrl& from, CListCtrl& to) {
  for (int row; (row = from.GetNextItem(-1, LVNI_SELECTED)) >= 0;) {
    CString text = from.GetItemText(row, 0);
    DWORD_PTR index = from.GetItemData(row);
    from.DeleteItem(row);
    int at = to.GetItemCount();
    for (int i = 0; i < to.GetItemCount(); ++i)
      if (to.GetItemData(i) > index) {
        at = i;
        break;
      }
    int r = to.InsertItem(at, text);
    to.SetItemData(r, index);
  }
}
