#include "properties/CCMStiffDlg.h"

#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

BEGIN_MESSAGE_MAP(CCMStiffDlg, CDlgMove)
  ON_BN_CLICKED(IDC_SECT_STIFF_OK, &CCMStiffDlg::OnBtnOK)
END_MESSAGE_MAP()

namespace {

enum Source { STIFF, DESIGN, PERI_OUT, PERI_IN };

// One row of the table: its label, the block its value comes from, the field and the
// field's position in the block's unit table.
struct StiffRow {
  const char* label;
  Source source;
  double T_SECT_STIFFNESS::* stiff;
  double T_SECT_DESIGN::* design;
  int unitIndex;
};

const StiffRow kRows[] = {
    {"IDS_WG_CMD__ADDD__Area", STIFF, &T_SECT_STIFFNESS::Area, nullptr, 0},
    {"IDS_WG_CMD__ADDD__Asy", STIFF, &T_SECT_STIFFNESS::Asy, nullptr, 1},
    {"IDS_WG_CMD__ADDD__Asz", STIFF, &T_SECT_STIFFNESS::Asz, nullptr, 2},
    {"IDS_WG_CMD__ADDD__ey", DESIGN, nullptr, &T_SECT_DESIGN::Cent_Y, 0},
    {"IDS_WG_CMD__ADDD__ez", DESIGN, nullptr, &T_SECT_DESIGN::Cent_Z, 1},
    {"IDS_WG_CMD__ADDD__Wey", DESIGN, nullptr, &T_SECT_DESIGN::Wey, 2},
    {"IDS_WG_CMD__ADDD__Wez", DESIGN, nullptr, &T_SECT_DESIGN::Wez, 3},
    {"IDS_WG_CMD__ADDD__Wpy", DESIGN, nullptr, &T_SECT_DESIGN::Wpy, 4},
    {"IDS_WG_CMD__ADDD__Wpz", DESIGN, nullptr, &T_SECT_DESIGN::Wpz, 5},
    {"IDS_WG_CMD__ADDD__Ix", STIFF, &T_SECT_STIFFNESS::Ixx, nullptr, 3},
    {"IDS_WG_CMD__ADDD__Iy", STIFF, &T_SECT_STIFFNESS::Iyy, nullptr, 4},
    {"IDS_WG_CMD__ADDD__Iz", STIFF, &T_SECT_STIFFNESS::Izz, nullptr, 5},
    {"IDS_WG_CMD__ADDD__Cwp", DESIGN, nullptr, &T_SECT_DESIGN::Cwp, 8},
    {"IDS_WG_CMD__ADDD__iy", DESIGN, nullptr, &T_SECT_DESIGN::iy, 6},
    {"IDS_WG_CMD__ADDD__iz", DESIGN, nullptr, &T_SECT_DESIGN::iz, 7},
    {"IDS_WG_CMD__ADDD__ip", DESIGN, nullptr, &T_SECT_DESIGN::ip, 10},
    {"IDS_WG_CMD__ADDD__PERI_OUT", PERI_OUT, nullptr, nullptr, 0},
    {"IDS_WG_CMD__ADDD__PERI_IN", PERI_IN, nullptr, nullptr, 0},
};
constexpr ROWCOL kRowCount = sizeof kRows / sizeof kRows[0];
constexpr ROWCOL kColCount = 3;

// Rows hidden for SRC and combined sections: ey to Wpz, and Cwp to ip.
const ROWCOL kHiddenForWhole[][2] = {{4, 9}, {13, 16}};

// How a type's value columns are headed and filled.
enum ColumnSource { FROM_NONE, FROM_PROPER, FROM_BASES };
struct ValueColumns {
  int types[7];  // 0 ends the list
  int count;
  const char* header1;
  const char* header2;
  ColumnSource source;
};
const ValueColumns kColumns[] = {
    {{1, 2, 3, 4, 7, 8, 11}, 1, "IDS_WG_CMD__ADDD__ValueONLY", nullptr, FROM_PROPER},
    {{5}, 2, "IDS_WG_CMD__ADDD__Value_I_", "IDS_WG_CMD__ADDD__Value_J_", FROM_BASES},
    {{6, 9, 10, 12, 13}, 2, "IDS_WG_CMD__ADDD__Value_Before_", "IDS_WG_CMD__ADDD__Value_After_", FROM_PROPER},
};
const ValueColumns kNoColumns = {{0}, 0, "IDS_WG_CMD__ADDD__Unit", nullptr, FROM_NONE};
const char* const kUnitTitle = "IDS_WG_CMD__ADDD__Unit";

const ValueColumns& ColumnsOf(int iType) {
  for (const ValueColumns& v : kColumns)
    for (int t : v.types)
      if (t == iType) return v;
  return kNoColumns;
}

const char* Text(const char* key) { return key ? CMsgDll::pfuncLoadStr(key, 0) : ""; }

constexpr int kHeaderColWidth = 100, kValueColWidth = 120, kUnitColWidth = 60;
constexpr int kHeaderRowHeight = 38, kRowHeight = 16;
const COLORREF kGrey = RGB(192, 192, 192);

// The blocks one value column shows.
struct ColumnData {
  const T_SECT_STIFFNESS* stiff;
  const T_SECT_DESIGN* design;
  double periOut, periIn;
};

ColumnData DataOf(const T_SECT_D& sect, ColumnSource source, int end) {
  if (source == FROM_BASES) {
    const T_SECT_SECTBASE_D& b = end == 0 ? sect.Part1.BaseA : sect.Part1.BaseB;
    return {&b.Stiff, &b.Design, b.PeriOut, b.PeriIn};
  }
  return {CSectUtil::GetProperStiffPosition(sect, end), CSectUtil::GetProperDesignPosition(sect, end),
          CSectUtil::GetStandForPeriOut(sect, end), CSectUtil::GetStandForPeriIn(sect, end)};
}

double ValueOf(const StiffRow& row, const ColumnData& d) {
  switch (row.source) {
    case STIFF: return d.stiff ? d.stiff->*row.stiff : 0.0;
    case DESIGN: return d.design ? d.design->*row.design : 0.0;
    case PERI_OUT: return d.periOut;
    case PERI_IN: return d.periIn;
  }
  return 0.0;
}

int UnitKindOf(const StiffRow& row) {
  switch (row.source) {
    case STIFF: return T_SECT_STIFFNESS::unit[row.unitIndex];
    case DESIGN: return T_SECT_DESIGN::unit[row.unitIndex];
    default: return UNIT_LENGTH;
  }
}

}  // namespace

CCMStiffDlg::CCMStiffDlg(CDBDoc* pDoc, T_SECT_D* pSect, CWnd* pParent)
    : CDlgMove(IDD_CMD_SECT_STIFF, pParent), m_pDoc(pDoc), m_pSect(pSect) {}

CCMStiffDlg::~CCMStiffDlg() {
  if (m_grid.m_hWnd) m_grid.DestroyWindow();
  if (m_hWnd) DestroyWindow();
}

int CCMStiffDlg::GetValueColCount(int iType) { return ColumnsOf(iType).count; }

void CCMStiffDlg::DoDataExchange(CDataExchange* pDX) { CDlgMove::DoDataExchange(pDX); }

void CCMStiffDlg::OnBtnOK() { CDialog::OnOK(); }

BOOL CCMStiffDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_grid.SubclassDlgItem(IDC_SECT_STIFF_GRID, this);
  m_grid.Initialize();
  m_grid.SetRowCount(kRowCount);
  m_grid.SetColCount(kColCount);

  const ValueColumns& cols = ColumnsOf(m_pSect ? m_pSect->iType : 0);
  for (ROWCOL r = 1; r <= kRowCount; ++r) m_grid.SetValueRange(CGXRange(r, 0), Text(kRows[r - 1].label));
  m_grid.SetValueRange(CGXRange(0, 1), Text(cols.header1));
  m_grid.SetValueRange(CGXRange(0, 2), Text(cols.header2));
  m_grid.SetValueRange(CGXRange(0, 3), Text(kUnitTitle));

  CUnitCtrl* units = m_pDoc ? m_pDoc->GetUnitCtrl() : nullptr;
  for (ROWCOL r = 1; r <= kRowCount && units; ++r) {
    CString label;
    units->GetUnitSystem(UnitKindOf(kRows[r - 1]), label);
    m_grid.SetValueRange(CGXRange(r, 3), label);
  }

  m_grid.ChangeStandardStyle(CGXStyle().SetFaceName(Text("IDS_CMD_FONT_Ms_Sans_Serif")).SetFontSize(9));
  m_grid.SetColWidth(0, 0, kHeaderColWidth);
  m_grid.SetColWidth(1, 2, kValueColWidth);
  m_grid.SetColWidth(3, 3, kUnitColWidth);
  m_grid.SetRowHeight(0, 0, kHeaderRowHeight);
  m_grid.SetRowHeight(1, kRowCount, kRowHeight);
  m_grid.SetStyleRange(CGXRange().SetCols(1, kColCount),
                       CGXStyle().SetEnabled(FALSE).SetReadOnly(TRUE).SetInterior(kGrey));

  if (m_pSect) FillValues(cols.count);
  if (m_pSect && (m_pSect->iType == SECT_TYPE_SRC || m_pSect->iType == SECT_TYPE_COMBINED))
    for (const auto& range : kHiddenForWhole) m_grid.HideRows(range[0], range[1]);
  if (cols.count == 1) m_grid.SetColWidth(2, 2, 0);

  FitToTable();
  m_grid.Redraw();
  m_grid.SetFocus();
  m_grid.SetCurrentCell(1, 1);
  return TRUE;
}

// The record holds internal units; each value is shown in the current unit that the unit
// column names beside it, so the number and its unit always agree.
void CCMStiffDlg::FillValues(int nCols) {
  const ColumnSource source = ColumnsOf(m_pSect->iType).source;
  const CUnitCtrl* units = m_pDoc ? m_pDoc->GetUnitCtrl() : nullptr;
  for (int c = 1; c <= nCols; ++c) {
    const ColumnData d = DataOf(*m_pSect, source, c - 1);
    for (ROWCOL r = 1; r <= kRowCount; ++r) {
      double value = ValueOf(kRows[r - 1], d);
      if (units) value = units->ConvertOut(UnitKindOf(kRows[r - 1]), value);
      CString text;
      text.Format("%.13g", value);
      m_grid.SetValueRange(CGXRange(r, (ROWCOL)c), text);
    }
  }
}

void CCMStiffDlg::FitToTable() {
  int width = 0;
  for (ROWCOL c = 0; c <= kColCount; ++c) width += m_grid.GetColWidth(c);
  CRect table;
  m_grid.GetWindowRect(&table);
  ScreenToClient(&table);
  const int dx = width - table.Width();

  CRect dlg;
  GetWindowRect(&dlg);
  MoveWindow(dlg.left, dlg.top, dlg.Width() + dx, dlg.Height(), FALSE);
  m_grid.MoveWindow(table.left, table.top, width, table.Height(), FALSE);

  CWnd* ok = GetDlgItem(IDC_SECT_STIFF_OK);
  CWnd* cancel = GetDlgItem(IDCANCEL);
  if (!ok || !cancel) return;
  CRect rcCancel;
  cancel->GetWindowRect(&rcCancel);
  ScreenToClient(&rcCancel);
  const int shift = table.left + width - rcCancel.right;
  for (CWnd* button : {ok, cancel}) {
    CRect rc;
    button->GetWindowRect(&rc);
    ScreenToClient(&rc);
    button->MoveWindow(rc.left + shift, rc.top, rc.Width(), rc.Height(), FALSE);
  }
}
