// The project status: how many records each table of the model holds, in two read-only
// grids, the model's structure on the left (with the last point and member numbers and the
// largest material, section and thickness keys) and its loads and masses on the right.
// The numbers are read once, when the window opens; nothing is written and later changes
// are not followed. A count of 0 shows the grid's none-text, a last number of 0 nothing.
//
// Every count is its table's GetCount, or, for data the model keeps inside another table,
// the count that table keeps (db/DB_CCountView.h): opening costs the same in a model of
// any size, apart from the key lists of materials, sections and thicknesses.
#pragma once
#include "afx/CArray.h"
#include "afx/CButton.h"
#include "grid/CGXGridWnd.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;

class CCMEtcPjst : public CDlgMove {
  DECLARE_DYNAMIC(CCMEtcPjst)

 public:
  explicit CCMEtcPjst(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  CGXGridWnd* GetModelGrid() { return &m_gridModel; }
  CGXGridWnd* GetLoadGrid() { return &m_gridLoad; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCloseBtn();

 private:
  // Sets up one grid from its rows: titles, counts and (left grid) last numbers.
  void FillGrid(CGXGridWnd& grid, const CStringArray& titles, const CUIntArray& counts,
                const CUIntArray* pLastNos, const char* pszNone, const int* pWidths);

  CButton m_btnClose;
  CDBDoc* m_pDoc = nullptr;
  CMDBCtrl* m_pMDBCtrl = nullptr;
  CGXGridWnd m_gridModel;
  CStringArray m_modelTitles;
  CUIntArray m_modelCounts;
  CUIntArray m_modelLastNos;
  CGXGridWnd m_gridLoad;
  CStringArray m_loadTitles;
  CUIntArray m_loadCounts;

  DECLARE_MESSAGE_MAP()
};
