// The section property table: a modal, display-only table of the computed properties of
// one section record (eighteen rows: areas, centroid, moduli, moments of inertia, warping
// constant, radii of gyration, perimeters), one value column or two (the I and J ends of a
// tapered section; before and after for the staged types), and a unit column.
//
// Value columns by the record's iType: 1, 2, 3, 4, 7, 8, 11 one ("ValueONLY"); 5 two, from
// Part1.BaseA and Part1.BaseB; 6, 9, 10, 12, 13 two, the library's blocks of end 0 and end
// 1; any other type none (column 1 is headed by the unit title, nothing is filled). SRC
// and combined sections (types 2 and 4) hide the rows of the centroid, section moduli,
// warping constant and radii of gyration. Values are printed "%.13g" as the record holds
// them; the unit column names the current unit of each row's kind.
//
// Sizes in pixels: header column 100, value columns 120 (the second 0 when unused), unit
// column 60; header row 38, rows 16. The dialog fits its width to the table: the table is
// resized to the sum of its column widths, the dialog's right edge moves by the same
// amount, and OK and Cancel move so that Cancel ends where the table ends.
//
// The record is read only in OnInitDialog (it must stay valid while the dialog runs) and
// never written. OK (14467) ends with IDOK, Cancel with IDCANCEL.
#pragma once
#include "db/CDBDoc.h"
#include "db/SectRecord.h"
#include "properties/CCMSecPageStiffDlgGrid.h"
#include "ui/CDlgMove.h"

class CCMStiffDlg : public CDlgMove {
 public:
  CCMStiffDlg(CDBDoc* pDoc, T_SECT_D* pSect, CWnd* pParent = nullptr);
  ~CCMStiffDlg() override;

  // The number of value columns of a section type (0, 1 or 2).
  static int GetValueColCount(int iType);

  CCMSecPageStiffDlgGrid& GetGrid() { return m_grid; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnBtnOK();

  CDBDoc* m_pDoc;
  T_SECT_D* m_pSect;
  CCMSecPageStiffDlgGrid m_grid;

 private:
  void FillValues(int nCols);
  void FitToTable();

  DECLARE_MESSAGE_MAP()
};
