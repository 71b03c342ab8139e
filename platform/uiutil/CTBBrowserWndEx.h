// The record browser with a column model: columns registered with a title, a kind (1
// integer, 2 real, 3 text) and a unit kind, addressed by their index (registration order,
// from 0). An index is shown in a grid column (GetColumnNoFor); they start out as index + 1
// and stay so unless the owner moves columns (MoveColumn).
//
// Also: the key-column list, the can-save switch, columns hidden by the program
// (HideColsByIntend: a user cannot show them), and the selection's keys: when the user
// selects whole rows, the keys of those rows (atol of their key cells; rows without a key
// left out) go to OnChangedSelectionPublic, which keeps them for GetSelectedKeys.
#pragma once
#include <unordered_map>
#include <vector>
#include "afx/CArray.h"
#include "uiutil/CTBBrowserWnd.h"

enum TBColKind : int { TB_COL_INT = 1, TB_COL_REAL = 2, TB_COL_TEXT = 3 };

class CTBBrowserWndEx : public CTBBrowserWnd {
  DECLARE_DYNAMIC(CTBBrowserWndEx)

 public:
  CTBBrowserWndEx() = default;

  // Registers the next column; returns its index.
  int AddColInfo(LPCTSTR title, int kind, int unitKind);
  int GetColInfoCount() const { return (int)m_cols.size(); }
  CString GetColTitle(int index) const;
  int GetColKind(int index) const;
  int GetColUnitKind(int index) const;
  void SetColTitle(int index, LPCTSTR title);
  // The grid column of an index or of a title; 0 when there is none.
  ROWCOL GetColumnNoFor(int index) const;
  ROWCOL GetColumnNoFor(LPCTSTR title) const;
  // The index shown in a grid column, or -1.
  int GetIndexForColumn(ROWCOL nCol) const;
  // Shows index in grid column nCol (the others shift); non-zero when done.
  BOOL MoveColumn(int index, ROWCOL nCol);

  CUIntArray& GetKeyColumnList() { return m_keyCols; }
  virtual int GetKeyColumnIndex() { return 0; }

  void SetCanSaveData(BOOL b) { m_bCanSave = b; }
  virtual BOOL CanSaveData() { return m_bCanSave; }

  // Hides (shows) grid columns nFrom..nTo for the program's own reasons.
  BOOL HideColsByIntend(ROWCOL nFrom, ROWCOL nTo, BOOL bHide);
  BOOL IsHiddenByIntend(ROWCOL nCol) const;
  // The number of registered columns (the grid's column count after Initialize).
  int GetInitialColCount() const { return GetColInfoCount(); }
  // Selects grid row nRow as a whole row (added to the selection).
  void SelectGridRow(ROWCOL nRow);

  // The key of a row (atol of its key cell), 0 for none.
  UINT GetRowKey(ROWCOL nRow);

  virtual void OnChangedSelectionPublic(const UINT* keys, int count);
  virtual int GetSelectedKeys(CUIntArray& keys);
  // Selects again the rows of the kept selected keys (after rows were inserted, deleted
  // or refilled); the first becomes the current row. Each key is found with
  // FindRecordByKey.
  void ShowSelected();
  // The row showing key, or -1. The framework walks the key column; a grid that knows
  // better (its table's sequence) overrides it.
  virtual int FindRecordByKey(UINT key);

 protected:
  void OnChangedSelection(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey) override;
  CUIntArray m_selectedKeys;

 private:
  struct ColInfo {
    CString title;
    int kind = TB_COL_TEXT;
    int unit = 0;
  };
  std::vector<ColInfo> m_cols;
  std::vector<ROWCOL> m_colOf;  // index -> grid column
  CUIntArray m_keyCols;
  BOOL m_bCanSave = TRUE;
  std::vector<BOOL> m_hiddenByIntend;
};
