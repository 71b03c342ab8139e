// A report-view list control whose rows are records of one table, found by their key.
//
// Initialize(position function): the function answers, for a key, the row index a row of
// that key belongs at (the caller's ordering, typically ascending keys: the index of the
// first row whose key is not below it). The list also asks it where a key's row stands
// and looks nowhere else, so a function in O(log n) makes every call below O(log n) plus
// the row move. Without a function rows are appended and found by a walk. Initialize empties the list: every row and every column goes
// (a list initialised again ends with the columns added after it, nothing more).
// AddColInfo(title, width, flag): appends a column; flag 1 a numeric column (its texts
// right-aligned), 0 a text column.
//
// Rows: column 0 holds the key as "%u" text and the row's item data holds the key too.
//   InsertData(key, texts)   adds a row for the key where the position function says; the
//                            texts fill columns 1, 2... (texts[0], when it is given as the
//                            key text, is skipped: a caller may pass every column). 0 when
//                            the key has a row already.
//   DeleteData(key)          removes the key's row; 0 when none.
//   ModifyData(old, new, t)  rewrites the old key's row with the texts under the new key
//                            and moves it to the new key's place (its selected and focused
//                            states go with it); 0 when the old key has no row, or the new
//                            key (another) has one.
//   FindRow(key)             the key's row, -1 when none.
//   GetKey(row)              the key of a row, 0 out of range.
#pragma once
#include <functional>
#include "afx/CArray.h"
#include "afx/CListCtrl.h"

class CExtListCtrl : public CListCtrl {
  DECLARE_DYNAMIC(CExtListCtrl)

 public:
  typedef std::function<int(DWORD key)> POSITION_FUNC;

  CExtListCtrl() = default;

  void Initialize(POSITION_FUNC pfnPos);
  int AddColInfo(LPCTSTR title, int width, int flag);
  // The numeric flag of a column (0 for a column out of range).
  int GetColFlag(int nCol) const;

  BOOL InsertData(DWORD key, const CStringArray& texts);
  BOOL DeleteData(DWORD key);
  BOOL ModifyData(DWORD oldKey, DWORD newKey, const CStringArray& texts);
  int FindRow(DWORD key) const;
  DWORD GetKey(int row) const;

 private:
  // Columns 1...; with bKey column 0 and the item data too.
  void SetTexts(int row, DWORD key, const CStringArray& texts, BOOL bKey);
  POSITION_FUNC m_pfnPos;
  CArray<int, int> m_colFlags;
};
