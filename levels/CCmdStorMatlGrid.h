// The story material grid of the levels dialog's material page: for the stories of one
// tower, top story first, the material of each member kind, chosen among the model's
// materials of the matching type.
//
// Layout: grid column 0 the story name, columns 1 to 5 reinforced concrete (column, wall,
// beam, slab, brace; type "C"), column 6 steel ("S"), columns 7 and 8 steel-reinforced
// concrete (column, beam; "SRC"). Rows 0 and 1 are headers; row r >= 2 is story r - 2 of
// CClassStor::GetKeyListReverse (tower). The grid is a record browser, not a record grid:
// its rows are no records, and edits stay in the cells until ApplyMaterials writes the whole
// tower in one TR_Modify2 (only when a key changed).
//
// A cell shows the story's material by name whatever its type; a story without one (key 0,
// or a key no material has) shows the material named by the column's fallback text key,
// else the first material of the column's type, else nothing. Applying writes the key of
// the cell's name (0 for a name no material has).
//
// ApplyMaterials answers 0 when the table refused the transaction (the edits stay in the
// cells), so that the page can keep the user where the edits are; 1 otherwise.
#pragma once
#include <set>
#include <vector>
#include "afx/CArray.h"
#include "common/CCmdGridColumn.h"
#include "uiutil/CTBBrowserWndEx.h"

class CClassStor;
class CClassPlan;
class CClassMatl;
struct T_STOR_D;

class CCmdStorMatlGrid : public CTBBrowserWndEx {
  DECLARE_DYNAMIC(CCmdStorMatlGrid)

 public:
  enum { MATL_COLS = 8, HEADER_ROWS = 2 };
  // The material types, in the order of the columns that first show them.
  enum MatlType { TYPE_C = 0, TYPE_S = 1, TYPE_SRC = 2, TYPE_COUNT = 3 };
  // What one material column shows: its column row (row-1 header key, NULL when the
  // row-0 header covers rows 0 and 1; the story's material-key field; the share of the
  // grid width), the materials offered and the text key whose text names the default
  // grade.
  struct Column {
    CCmdGridColumn col;
    MatlType type;
    const char* pszFallbackKey;
  };
  static const Column m_columns[MATL_COLS + 1];  // index 0: the name column (no field)
  static const char* const m_typeCodes[TYPE_COUNT];

  CCmdStorMatlGrid();

  // The width (pixels) over which ShowTower spreads the columns.
  void SetGridWidth(int nWidth) { m_nGridWidth = nWidth; }
  int GetGridWidth() const { return m_nGridWidth; }
  // Sets the grid up for that tower and fills it.
  void ShowTower(UINT nTower);
  // The page's tower tab changed: ShowTower, then the rows once more.
  void ChangeTower(UINT nTower);
  // Writes the materials of the shown tower (see the top of this file).
  int ApplyMaterials();

  UINT GetTower() const { return m_nTower; }
  int GetStoryCount() const { return m_nStories; }
  // The story of a grid row (row 2 on), 0 for none.
  UINT GetStoryOfRow(ROWCOL nRow) const;
  // The names offered for a type, in key-list order.
  const CStringArray& GetNames(MatlType t) const { return m_names[t]; }

  // 1 when text may stand in that grid column, else 0 with the warning text.
  virtual int ValidateField(LPCTSTR text, int nCol);

  // The selection as the framework hears it: a count, no keys.
  int GetKeysForSelectedRows(CUIntArray& keys);

  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                      int nType = 0) override;
  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;
  BOOL OnPasteFromClipboard(const CGXRange& range) override;
  // The story names of column 0 belong to what the user sees.
  std::vector<CString> UserDescribeCells() override;

 protected:
  BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnChangedSelection(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey) override;

  void FillHeader();
  void FillMaterialChoices();
  void FillRows();
  // The text of a story's cell (the rules at the top of this file).
  CString MaterialText(const T_STOR_D& story, int nCol) const;
  static const struct DB_CFlatField& MaterialField(int nCol);

 private:
  // The paste steps: the block placed, checked and completed into whole rows; 0 with the
  // warning text when it cannot be pasted.
  BOOL BuildPasteRows(const CGXRange& range, std::vector<std::vector<CString>>& rows, ROWCOL& top);

  CClassStor* m_pStor = nullptr;
  CClassPlan* m_pPlan = nullptr;
  CClassMatl* m_pMatl = nullptr;
  UINT m_nTower = 0;
  int m_nStories = 0;
  int m_nGridWidth = 0;
  CUIntArray m_stories;  // shown stories, top first
  CStringArray m_names[TYPE_COUNT];
  std::set<CString> m_nameSets[TYPE_COUNT];
  CString m_choices[TYPE_COUNT];
};
