// CCMSectItemGrid: the sheet, showing and reading the shape, the recompute. Cell texts,
// hooks and keys are in CCMSectItemGridCells.cpp.
#include "properties/CCMSectItemGrid.h"

#include "afx/AfxSystem.h"
#include "db/CDBDoc.h"
#include "db/CSectDB.h"
#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "properties/CCMSecViewWnd.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCMSectItemGrid, CGXGridWnd)

namespace {

// The sixteen value rows from row 10: the name's text key suffix and, for the four that
// are not stiffness fields, the unit kind (the twelve stiffness fields take theirs from
// T_SECT_STIFFNESS::unit).
struct ValueRow {
  const char* name;
  int nKind;  // -1: the stiffness field's own
};
const ValueRow kValueRows[CCMSectItemGrid::VALUE_ROWS] = {
    {"Area", -1}, {"Asy", -1}, {"Asz", -1}, {"Ixx", -1}, {"Iyy", -1}, {"Izz", -1},
    {"Cyp", -1},  {"Cym", -1}, {"Czp", -1}, {"Czm", -1}, {"Qyb", -1}, {"Qzb", -1},
    {"PeriOut", UNIT_LENGTH}, {"PeriIn", UNIT_LENGTH}, {"Cent_Y", UNIT_LENGTH}, {"Cent_Z", UNIT_LENGTH},
};

const int kColWidths[CCMSectItemGrid::COL_COUNT] = {45, 85, 35};
const int kButtonRowHeight = 22;
const int kFontSize = 10;

CString Text(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

}  // namespace

CCMSectItemGrid::CCMSectItemGrid()
    : m_bInitialized(0), m_pView(nullptr), m_pBase(nullptr), m_nKind(-1), m_nShapeIndex(-1) {
  for (double& d : m_dShown) d = 0.0;
}

CCMSectItemGrid::~CCMSectItemGrid() = default;

CUnitCtrl* CCMSectItemGrid::Units() const {
  static CUnitCtrl s_internal;  // no document: internal units
  return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetUnitCtrl() : &s_internal;
}

void CCMSectItemGrid::InitGrid(CCMSecViewWnd* pView) {
  m_pView = pView;
  if (m_bInitialized) {
    // A second preparation starts from an empty sheet.
    SetRowCount(0);
    SetColCount(0);
    m_pBase = nullptr;
    m_nKind = m_nShapeIndex = -1;
  }
  Initialize();
  CGXGridParam* param = GetParam();
  param->EnableUndo(FALSE);
  param->EnableMoveRows(FALSE);
  param->EnableMoveCols(FALSE);
  param->EnableTrackColWidth(FALSE);
  param->EnableFormulaEngine(FALSE);
  ChangeStandardStyle(CGXStyle().SetFontSize(kFontSize));
  HideRows(0, 0);
  HideCols(0, 0);
  m_bInitialized = 1;
}

void CCMSectItemGrid::SetData(T_SECT_SECTBASE_D* pBase, int nKind) {
  m_pBase = pBase;
  m_nKind = nKind;
  if (nKind == SHEET_VALUE) {
    const BOOL wasLocked = LockUpdate(TRUE);
    SetRowCount(ROW_COUNT);
    SetColCount(COL_COUNT);
    HideRows(0, 0);
    HideCols(0, 0);
    for (ROWCOL c = 1; c <= COL_COUNT; ++c) SetColWidth(c, c, kColWidths[c - 1]);
    const CGXStyle label = CGXStyle().SetReadOnly(TRUE).SetInterior(GetSysColor(COLOR_BTNFACE));
    SetStyleRange(CGXRange().SetCols(COL_NAME), label);
    SetStyleRange(CGXRange().SetCols(COL_UNIT), label);
    for (ROWCOL r : {(ROWCOL)ROW_SIZE_TITLE, (ROWCOL)ROW_STIFF_TITLE, (ROWCOL)ROW_CALC}) {
      SetCoveredCellsRowCol(r, COL_NAME, r, COL_UNIT);
      SetStyleRange(CGXRange(r, COL_NAME), CGXStyle().SetReadOnly(TRUE).SetHorizontalAlignment(GX_HA_CENTER));
    }
    SetValueRange(CGXRange(ROW_SIZE_TITLE, COL_NAME), (LPCTSTR)Text("IDS_WG_CMD__ADDD__Size"));
    SetValueRange(CGXRange(ROW_STIFF_TITLE, COL_NAME), (LPCTSTR)Text("IDS_WG_CMD__ADDD__Stiffness"));
    SetStyleRange(CGXRange(ROW_CALC, COL_NAME), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN));
    SetValueRange(CGXRange(ROW_CALC, COL_NAME), (LPCTSTR)Text("IDS_WG_CMD__ADDD__Calculate_Stiffness"));
    SetRowHeight(ROW_CALC, ROW_CALC, kButtonRowHeight);

    CString length;
    Units()->GetUnitSystem(UNIT_LENGTH, length);
    for (ROWCOL r = ROW_SIZE_FIRST; r <= ROW_SIZE_LAST; ++r) SetValueRange(CGXRange(r, COL_UNIT), (LPCTSTR)length);
    for (int i = 0; i < VALUE_ROWS; ++i) {
      const ROWCOL r = ROW_VALUE_FIRST + (ROWCOL)i;
      SetValueRange(CGXRange(r, COL_NAME), (LPCTSTR)Text((CString("IDS_WG_CMD__ADDD__") + kValueRows[i].name).c_str()));
      CString unit;
      Units()->GetUnitSystem(UnitKindOf(r), unit);
      SetValueRange(CGXRange(r, COL_UNIT), (LPCTSTR)unit);
      // Second moments and the torsion constant in exponent form.
      if (r >= ROW_VALUE_FIRST + 3 && r <= ROW_VALUE_FIRST + 5)
        SetStyleRange(CGXRange(r, COL_VALUE), CGXStyle().SetFormat(GX_FMT_SCIENTIFIC).SetPlaces(4));
    }
    LockUpdate(wasLocked);
    Redraw();
  }
  ROWCOL r = 0, c = 0;
  ResetCurrentCell();
  if (FindEditableCell(TRUE, ROW_SIZE_TITLE, COL_NAME, r, c)) SetCurrentCell(r, c);
}

int CCMSectItemGrid::SizeCount() const {
  if (m_nShapeIndex < 0) return 0;
  const int n = CSectUtil::GetSizeCountByRegShape(CSectUtil::GetShapeNameFromIndexReg(m_nShapeIndex), SECT_MATL_STEEL);
  return n < 0 ? 0 : n > SIZE_ROWS ? (int)SIZE_ROWS : n;
}

void CCMSectItemGrid::SetShapeIndex(int nIndex) {
  m_nShapeIndex = nIndex;
  if (m_nKind != SHEET_VALUE) return;
  const BOOL wasLocked = LockUpdate(TRUE);
  const int n = SizeCount();
  HideRows(ROW_SIZE_FIRST, ROW_SIZE_LAST, FALSE);
  if (n < SIZE_ROWS) HideRows(ROW_SIZE_FIRST + (ROWCOL)n, ROW_SIZE_LAST, TRUE);
  CStringArray titles;
  CSectUtil::GetSizeTitleFromShapeIndexReg(nIndex, titles, SECT_MATL_STEEL);
  for (int i = 0; i < SIZE_ROWS; ++i)
    SetValueRange(CGXRange(ROW_SIZE_FIRST + (ROWCOL)i, COL_NAME), i < titles.GetSize() ? (LPCTSTR)titles[i] : "");
  LockUpdate(wasLocked);
  Redraw();
}

double* CCMSectItemGrid::ValueOf(ROWCOL r) {
  if (!m_pBase) return nullptr;
  if (r >= ROW_SIZE_FIRST && r <= ROW_SIZE_LAST) return &m_pBase->dSize[r - ROW_SIZE_FIRST];
  if (r < ROW_VALUE_FIRST || r > ROW_VALUE_LAST) return nullptr;
  const int i = (int)(r - ROW_VALUE_FIRST);
  if (i < 12) {
    double* stiff[12];
    CSectUtil::MakeMapStiffVar(&m_pBase->Stiff, stiff);
    return stiff[i];
  }
  double* const rest[4] = {&m_pBase->PeriOut, &m_pBase->PeriIn, &m_pBase->Design.Cent_Y, &m_pBase->Design.Cent_Z};
  return rest[i - 12];
}

int CCMSectItemGrid::UnitKindOf(ROWCOL r) const {
  if (r >= ROW_SIZE_FIRST && r <= ROW_SIZE_LAST) return UNIT_LENGTH;
  if (r < ROW_VALUE_FIRST || r > ROW_VALUE_LAST) return UNIT_NONE;
  const int i = (int)(r - ROW_VALUE_FIRST);
  return kValueRows[i].nKind >= 0 ? kValueRows[i].nKind : T_SECT_STIFFNESS::unit[i];
}

BOOL CCMSectItemGrid::IsNumberCell(ROWCOL r, ROWCOL c) const {
  if (m_nKind != SHEET_VALUE || c != COL_VALUE) return FALSE;
  return (r >= ROW_SIZE_FIRST && r < ROW_SIZE_FIRST + (ROWCOL)SizeCount()) ||
         (r >= ROW_VALUE_FIRST && r <= ROW_VALUE_LAST);
}

void CCMSectItemGrid::ShowValue(ROWCOL r) {
  const double* v = ValueOf(r);
  if (!v) return;
  CString text;
  text.Format("%.13g", Units()->ConvertOut(UnitKindOf(r), *v));
  SetValueRange(CGXRange(r, COL_VALUE), (LPCTSTR)text);
  m_strShown[r] = text;
  m_dShown[r] = *v;
  if (r <= ROW_SIZE_LAST) SetSizeFormat(r);
}

void CCMSectItemGrid::SetSizeFormat(ROWCOL r) {
  double shown = 0.0;
  CString text = GetExpressionRowCol(r, COL_VALUE);
  text.Trim();
  const BOOL bNumber = !text.IsEmpty() && TextToNumber(text, shown);
  SetWarningText("");
  CGXStyle style;
  if (bNumber && !(shown >= 0.0001 || shown == 0.0)) {
    style.SetFormat(GX_FMT_SCIENTIFIC).SetPlaces(2);
  } else {
    int index[2] = {0, 0};
    Units()->GetUnitIndexCurrent(index);
    style.SetFormat(GX_FMT_FIXED).SetPlaces(index[0] == 0 ? 2 : index[0] == 2 ? 4 : 3);
  }
  SetStyleRange(CGXRange(r, COL_VALUE), style);
}

BOOL CCMSectItemGrid::ReadValue(ROWCOL r, double& v) {
  const CString text = CellText(r, COL_VALUE);
  if (text == m_strShown[r]) {
    v = m_dShown[r];
    return TRUE;
  }
  double shown = 0.0;
  if (!TextToNumber(text, shown)) return FALSE;
  v = Units()->ConvertIn(UnitKindOf(r), shown);
  return TRUE;
}

void CCMSectItemGrid::DataToGrid() {
  if (m_nKind != SHEET_VALUE || !m_pBase) return;
  const BOOL wasLocked = LockUpdate(TRUE);
  const int n = SizeCount();
  for (int i = 0; i < n; ++i) ShowValue(ROW_SIZE_FIRST + (ROWCOL)i);
  for (ROWCOL r = ROW_VALUE_FIRST; r <= ROW_VALUE_LAST; ++r) ShowValue(r);
  LockUpdate(wasLocked);
  Redraw();
}

int CCMSectItemGrid::GridToData() {
  if (m_nKind != SHEET_VALUE || !m_pBase) return 1;
  double values[ROW_COUNT + 1] = {};
  const int n = SizeCount();
  for (ROWCOL r = ROW_SIZE_FIRST; r <= ROW_VALUE_LAST; ++r) {
    if (!IsNumberCell(r, COL_VALUE)) continue;
    if (ReadValue(r, values[r])) continue;
    // Nothing is written: the user is shown the cell and why.
    if (IsEditing() && !IsCurrentCell(r, COL_VALUE)) CancelEditing();
    if (!IsCurrentCell(r, COL_VALUE)) SetCurrentCell(r, COL_VALUE);
    DisplayWarningText();
    return 0;
  }
  for (int i = 0; i < n; ++i) *ValueOf(ROW_SIZE_FIRST + (ROWCOL)i) = values[ROW_SIZE_FIRST + i];
  for (ROWCOL r = ROW_VALUE_FIRST; r <= ROW_VALUE_LAST; ++r) *ValueOf(r) = values[r];
  return 1;
}

int CCMSectItemGrid::Recompute() {
  if (!m_pBase) return 0;
  T_SECT_D sect;
  sect.Initialize();
  sect.iType = SECT_TYPE_REGULAR;
  sect.Part1.strShape = CSectUtil::GetShapeNameFromIndexReg(m_nShapeIndex);
  sect.Part1.BaseA = *m_pBase;
  CSectDB* db = CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetSectDB() : CSectDB::GetDefault();
  if (!db || !db->CalcSectData(sect)) return 0;
  const T_SECT_SECTBASE_D& done = sect.Part1.BaseA;
  m_pBase->PeriIn = done.PeriIn;
  m_pBase->PeriOut = done.PeriOut;
  m_pBase->Design.Cent_Y = done.Design.Cent_Y;
  m_pBase->Design.Cent_Z = done.Design.Cent_Z;
  m_pBase->Stiff = done.Stiff;
  return 1;
}

void CCMSectItemGrid::Repaint() {
  if (m_pView && m_pView->GetSafeHwnd()) m_pView->Invalidate();
}
