#include "analysis/CCMEtcPjst.h"

#include <cstdlib>
#include "afx/CDataExchange.h"
#include "db/CClassCmld.h"
#include "db/CClassMatl.h"
#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassNllp.h"
#include "db/CClassOwned.h"
#include "db/CClassPlan.h"
#include "db/CClassPont.h"
#include "db/CClassSect.h"
#include "db/CClassStld.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "db/DB_CCountView.h"
#include "res/resource.h"
#include "ui/CCompFunc.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCMEtcPjst, CDlgMove)

BEGIN_MESSAGE_MAP(CCMEtcPjst, CDlgMove)
  ON_BN_CLICKED(IDC_PJST_CLOSE, &CCMEtcPjst::OnCloseBtn)
END_MESSAGE_MAP()

namespace {

using CountFn = UINT (*)(DB_CDataBase* pDB);

template <class T>
UINT Count(DB_CDataBase* pDB) {
  T table;
  return table.ConnectToDB(pDB) ? (UINT)table.GetCount() : 0;
}

UINT LastPontNo(DB_CDataBase* pDB) {
  CClassPont table;
  return table.ConnectToDB(pDB) ? table.GetLastNo() : 0;
}

UINT LargeMembNo(DB_CDataBase* pDB) {
  CClassMemb table;
  return table.ConnectToDB(pDB) ? table.GetLargeNo() : 0;
}

// The largest key in use, 0 for an empty table.
template <class T>
UINT LargestKey(DB_CDataBase* pDB) {
  T table;
  if (!table.ConnectToDB(pDB)) return 0;
  CUIntArray keys;
  table.GetKeyList(keys);
  if (keys.GetSize() == 0) return 0;
  std::qsort(keys.GetData(), (size_t)keys.GetSize(), sizeof(UINT), CCompFunc::UINTDesc);
  return keys[0];
}

struct ModelRow {
  const char* title;
  CountFn count;
  CountFn last;  // NULL: no last number
};
const ModelRow kModelRows[] = {
    {"IDS_CMD_PJST_MODEL_CTRL", Count<CClassMctl>, nullptr},
    {"IDS_WG_CMD__Module", Count<CClassMdul>, nullptr},
    {"IDS_CMD_MEMB_Plan", Count<CClassPlan>, nullptr},
    {"IDS_WG_CMD__ADDD__Story", Count<CClassStor>, nullptr},
    {"IDS_CMD_MEMB_TYPE_PONT", Count<CClassPont>, LastPontNo},
    {"IDS_WG_CMD_ETC_PJST_MEMBERS", Count<CClassMemb>, LargeMembNo},
    {"IDS_CMD_ETC_Wall_Opening", Count<CClassAwop>, nullptr},
    {"IDS_CMD_MEMB_Material", Count<CClassMatl>, LargestKey<CClassMatl>},
    {"IDS_CMD_MEMB_Section", Count<CClassSect>, LargestKey<CClassSect>},
    {"IDS_CMD_MEMB_Thickness", Count<CClassThik>, LargestKey<CClassThik>},
    {"IDS_WG_CMD_ETC_PJST_SUPPORT", Count<CClassSpts>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_RIGID_LINK", Count<CClassRigd>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_DIAPHRAGM_DISCONNECT", Count<CClassDrls>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_POINT_LOCAL_AXIS", Count<CClassSkew>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_GENERAL_LINK", Count<CClassNlnk>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_CHANGE_GENERAL_LINK_PROP", Count<CClassCglp>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_FRAME_MEMBER_RELEASE", Count<CClassFrls>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_SLAB_END_RELEASE", Count<CClassSrls>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_MEMBER_OFFSET", Count<CClassOffs>, nullptr},
    {"IDS_WG_CMD_ETC_PJST_SURFACE_SUPPORT", Count<CClassSspt>, nullptr},
};

struct LoadRow {
  const char* title;
  CountFn count;
};
const LoadRow kLoadRows[] = {
    {"IDS_CMD_ETC_Static_Load_Case", Count<CClassStld>},
    {"IDS_CMD_ETC_Point_Load", Count<CPtldLoads>},
    {"IDS_CMD_ETC_Line_Load", Count<CClassLnld>},
    {"IDS_CMD_ETC_Area_Load", Count<CClassArld>},
    {"IDS_WG_CMD_ETC_PJST_ASSIGN_BEAM_LOAD", Count<CClassBmla>},
    {"IDS_WG_CMD_ETC_PJST_ASSIGN_SLAB_LOAD", Count<CClassSbla>},
    {"IDS_WG_CMD_ETC_PJST_EXCEPTION_PATTERN_LOADING", Count<CClassExpl>},
    {"IDS_WG_CMD_ETC_PJST_SPECIFIED_DISPLACEMENT", Count<CClassSdsp>},
    {"IDS_WG_CMD_ETC_PJST_MEMBER_SELF_WEIGHT", Count<CClassSwgt>},
    {"IDS_WG_CMD_ETC_PJST_SYSTEM_TEMPERATURE", Count<CClassStmp>},
    {"IDS_WG_CMD_ETC_PJST_POINT_TEMPERATURE", Count<CClassPtmp>},
    {"IDS_WG_CMD_ETC_PJST_MEMBER_TEMPERATURE", Count<CClassMtmp>},
    {"IDS_CMD_PJST_PONT_MASS", Count<CClassPmas>},
    {"IDS_CMD_PJST_SPEC_FUNC", Count<CClassSpfc>},
    {"IDS_CMD_PJST_SETL_GRUP", Count<CClassSmpt>},
    {"IDS_CMD_PJST_SETL_LOAD", Count<CClassSmlc>},
};

// Layout: column titles, widths from the row-header column 0 on, the none-text.
const char* const kModelHeaders[] = {"IDS_WG_CMD__ADDD__Name", "IDS_CMD_PJST_Count", "IDS_CMD_PJST_Last_No"};
const char* const kLoadHeaders[] = {"IDS_WG_CMD__ADDD__Name", "IDS_CMD_PJST_Count"};
const int kModelWidths[] = {0, 203, 68, 65};
const int kLoadWidths[] = {0, 207, 72};
constexpr int kHeaderHeight = 20;
constexpr int kRowHeight = 18;
constexpr int kFontSize = 10;

CString Text(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

CString Number(UINT n) {
  CString s;
  s.Format("%u", n);
  return s;
}

void Prepare(CGXGridWnd& grid) {
  CGXGridParam* p = grid.GetParam();
  p->EnableUndo(FALSE);
  p->EnableMoveRows(FALSE);
  p->EnableMoveCols(FALSE);
  p->EnableTrackColWidth(FALSE);
  grid.ChangeStandardStyle(CGXStyle().SetFontSize(kFontSize));
}

}  // namespace

CCMEtcPjst::CCMEtcPjst(CWnd* pParent) : CDlgMove(IDD_CMD_PJST, pParent) {}

void CCMEtcPjst::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PJST_CLOSE, m_btnClose);
}

void CCMEtcPjst::OnCloseBtn() { CDialog::OnOK(); }

BOOL CCMEtcPjst::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_pDoc = CDBDoc::m_pDBDoc;
  m_pMDBCtrl = m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr;
  DB_CDataBase* pDB = m_pMDBCtrl ? m_pMDBCtrl->GetModelDB() : nullptr;

  for (CGXGridWnd* grid : {&m_gridModel, &m_gridLoad}) {
    grid->SubclassDlgItem(grid == &m_gridModel ? IDC_PJST_GRID_MODEL : IDC_PJST_GRID_LOAD, this);
    if (!grid->IsInitialized()) grid->Initialize();
    grid->ChangeStandardStyle(CGXStyle().SetFontSize(kFontSize));
  }

  m_modelTitles.RemoveAll();
  m_modelCounts.RemoveAll();
  m_modelLastNos.RemoveAll();
  for (const ModelRow& row : kModelRows) {
    m_modelTitles.Add(Text(row.title));
    m_modelCounts.Add(pDB ? row.count(pDB) : 0);
    m_modelLastNos.Add(pDB && row.last ? row.last(pDB) : 0);
  }
  m_loadTitles.RemoveAll();
  m_loadCounts.RemoveAll();
  for (const LoadRow& row : kLoadRows) {
    m_loadTitles.Add(Text(row.title));
    m_loadCounts.Add(pDB ? row.count(pDB) : 0);
  }

  FillGrid(m_gridModel, m_modelTitles, m_modelCounts, &m_modelLastNos, "IDS_CMD_MEMB_None", kModelWidths);
  FillGrid(m_gridLoad, m_loadTitles, m_loadCounts, nullptr, "IDS_WG_CMD__ADDD__None", kLoadWidths);
  return TRUE;
}

void CCMEtcPjst::FillGrid(CGXGridWnd& grid, const CStringArray& titles, const CUIntArray& counts,
                          const CUIntArray* pLastNos, const char* pszNone, const int* pWidths) {
  Prepare(grid);
  const ROWCOL nRows = (ROWCOL)titles.GetSize();
  const ROWCOL nCols = pLastNos ? 3 : 2;
  const char* const* headers = pLastNos ? kModelHeaders : kLoadHeaders;
  const BOOL wasLocked = grid.LockUpdate(TRUE);
  grid.SetRowCount(nRows);
  grid.SetColCount(nCols);
  grid.SetRowHeight(0, 0, kHeaderHeight);
  if (nRows > 0) grid.SetRowHeight(1, nRows, kRowHeight);
  for (ROWCOL c = 0; c <= nCols; ++c) grid.SetColWidth(c, c, pWidths[c]);
  // Nothing in either grid is edited: every cell only shows its value.
  grid.SetStyleRange(CGXRange(0, 0, nRows, nCols), CGXStyle().SetControl(GX_IDS_CTRL_STATIC).SetReadOnly(TRUE));
  for (ROWCOL c = 1; c <= nCols; ++c)
    grid.SetStyleRange(CGXRange(0, c),
                       CGXStyle().SetValue(Text(headers[c - 1])).SetHorizontalAlignment(GX_HA_CENTER));
  if (nRows > 0) {
    grid.SetStyleRange(CGXRange(1, 1, nRows, 1), CGXStyle().SetHorizontalAlignment(GX_HA_LEFT));
    grid.SetStyleRange(CGXRange(1, 2, nRows, nCols), CGXStyle().SetHorizontalAlignment(GX_HA_RIGHT));
  }
  const CString none = Text(pszNone);
  for (ROWCOL r = 1; r <= nRows; ++r) {
    const INT_PTR i = (INT_PTR)r - 1;
    grid.SetValueRange(CGXRange(r, 1), titles[i]);
    grid.SetValueRange(CGXRange(r, 2), counts[i] ? Number(counts[i]) : none);
    if (pLastNos) grid.SetValueRange(CGXRange(r, 3), (*pLastNos)[i] ? Number((*pLastNos)[i]) : CString());
  }
  grid.LockUpdate(wasLocked);
  if (!wasLocked) grid.Redraw();
}
