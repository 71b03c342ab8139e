// The tool's life, its controls and their handlers, and the queries of the requests. The
// layout and method cycling are in CCreateMembDlg2Layout.cpp, snapping and the view's
// modes in CCreateMembDlg2Snap.cpp.
#include "creation/CCreateMembDlg2.h"

#include <cmath>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxSystem.h"
#include "afx/CGdiObject.h"
#include "afx/CWinApp.h"
#include "creation/CreateMembTables.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "db/DBUnitText.h"
#include "properties/CCMSectItemDlg.h"
#include "properties/CModelPropThikDlg.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

using namespace CreateMembTables;

int CCreateMembDlg2::m_bIsAlive = 0;
CCreateMembDlg2* CCreateMembDlg2::m_pMySelf = nullptr;
const UINT CCreateMembDlg2::WM_SELECT_END_TRLINE = RegisterWindowMessage("WM_SELECT_END_TRLINE");

IMPLEMENT_DYNAMIC(CCreateMembDlg2, CDBDlgBase)

BEGIN_MESSAGE_MAP(CCreateMembDlg2, CDBDlgBase)
  ON_WM_CLOSE()
  ON_WM_ACTIVATE()
  ON_WM_SYSCOMMAND()
  ON_WM_MOUSELEAVE()
  ON_WM_DESTROY()
  ON_CBN_SELCHANGE(IDC_CM_MEMB_TYPE, &CCreateMembDlg2::OnSelchangeMembTypeCmb)
  ON_BN_CLICKED(IDC_CM_SECT_NEW, &CCreateMembDlg2::OnBnClickedSectNew)
  ON_BN_CLICKED(IDC_CM_THIK_NEW, &CCreateMembDlg2::OnBnClickedThikNew)
  ON_BN_CLICKED(IDC_CM_STAIR_THIK_NEW, &CCreateMembDlg2::OnBnClickedThikNew)
  ON_BN_CLICKED(IDC_CM_MEMB_PROP, &CCreateMembDlg2::OnBnClickedMembBtn)
  ON_BN_CLICKED(IDC_CM_SLAB_AUTO, &CCreateMembDlg2::OnBnClickedSlabAutoGen)
  ON_BN_CLICKED(IDC_CM_METHOD_1PICK, &CCreateMembDlg2::OnBnClickedMethod1Pick)
  ON_BN_CLICKED(IDC_CM_SB_METHOD_1PICK, &CCreateMembDlg2::OnBnClickedMethod1Pick)
  ON_BN_CLICKED(IDC_CM_METHOD_2PONT, &CCreateMembDlg2::OnBnClickedMethod2Pont)
  ON_BN_CLICKED(IDC_CM_SB_METHOD_2PONT, &CCreateMembDlg2::OnBnClickedMethod2Pont)
  ON_BN_CLICKED(IDC_CM_METHOD_AXIS, &CCreateMembDlg2::OnBnClickedMethodAxis)
  ON_BN_CLICKED(IDC_CM_SB_METHOD_AXIS, &CCreateMembDlg2::OnBnClickedMethodAxis)
  ON_BN_CLICKED(IDC_CM_METHOD_WND1, &CCreateMembDlg2::OnBnClickedMethodWnd1)
  ON_BN_CLICKED(IDC_CM_SB_METHOD_WND1, &CCreateMembDlg2::OnBnClickedMethodWnd1)
  ON_BN_CLICKED(IDC_CM_METHOD_WND2, &CCreateMembDlg2::OnBnClickedMethodWnd2)
  ON_BN_CLICKED(IDC_CM_METHOD_CURV, &CCreateMembDlg2::OnBnClickedMethodCurv)
  ON_BN_CLICKED(IDC_CM_SB_METHOD_2MEMB, &CCreateMembDlg2::OnBnClickedMethod2Memb)
  ON_BN_CLICKED(IDC_CM_SB_METHOD_CURV, &CCreateMembDlg2::OnBnClickedSbMethodCurv)
  ON_BN_CLICKED(IDC_CM_CURVE_LINE, &CCreateMembDlg2::OnChangeCurvMethod)
  ON_BN_CLICKED(IDC_CM_CURVE_MEMB, &CCreateMembDlg2::OnChangeCurvMethod)
  ON_BN_CLICKED(IDC_CM_CURVE_ARC_CENTER, &CCreateMembDlg2::OnChangeCurvMethod)
  ON_BN_CLICKED(IDC_CM_CURVE_ARC_3P, &CCreateMembDlg2::OnChangeCurvMethod)
  ON_BN_CLICKED(IDC_CM_TENSION_ONLY, &CCreateMembDlg2::OnTensionOnly)
  ON_BN_CLICKED(IDC_CM_BENDING, &CCreateMembDlg2::OnConsiderBending)
  ON_CBN_SELCHANGE(IDC_CM_SECT, &CCreateMembDlg2::OnSelchangeSectCmb)
  ON_CBN_SELCHANGE(IDC_CM_THIK, &CCreateMembDlg2::OnSelchangeThikCmb)
  ON_CBN_SELCHANGE(IDC_CM_BRACE_TYPE, &CCreateMembDlg2::OnSelchangeBraceTypeCmb)
  ON_BN_CLICKED(IDC_CM_CANTI_LOC_I, &CCreateMembDlg2::OnChangeCSlabLocation)
  ON_BN_CLICKED(IDC_CM_CANTI_LOC_CENTER, &CCreateMembDlg2::OnChangeCSlabLocation)
  ON_BN_CLICKED(IDC_CM_CANTI_LOC_J, &CCreateMembDlg2::OnChangeCSlabLocation)
  ON_BN_CLICKED(IDC_CM_STAIR_SLOPE, &CCreateMembDlg2::OnChangeStairSlabType)
  ON_BN_CLICKED(IDC_CM_STAIR_LANDING, &CCreateMembDlg2::OnChangeStairSlabType)
  ON_CBN_SELCHANGE(IDC_CM_STAIR_THIK, &CCreateMembDlg2::OnSelchangeCmdStairThikCmb)
  ON_EN_CHANGE(IDC_CM_STAIR_WIDTH, &CCreateMembDlg2::OnChangeStairWidthHeightEdt)
  ON_EN_CHANGE(IDC_CM_STAIR_HEIGHT, &CCreateMembDlg2::OnChangeStairWidthHeightEdt)
  ON_BN_CLICKED(IDC_CM_STAIR_EQ_USER, &CCreateMembDlg2::OnCheckTransThikUserChk)
  ON_REGISTERED_MESSAGE(CCreateMembDlg2::WM_SELECT_END_TRLINE, &CCreateMembDlg2::OnSelectEndTrLine)
  ON_REGISTERED_MESSAGE(CEditEnter::WM_EDITENTER_KEYDOWN_RETURN, &CCreateMembDlg2::OnKeyDownReturnAtCoordEdit)
  ON_REGISTERED_MESSAGE(CFoldGroupBox::WM_FOLDGROUPBOX_STATE_CHANGED, &CCreateMembDlg2::OnChangeFoldState)
END_MESSAGE_MAP()

namespace {

CDBDoc* Doc() { return CDBDoc::m_pDBDoc; }

template <class T>
T* Table(CDBDoc* doc) {
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

template <size_t N>
CUIntArray Ids(const UINT (&ids)[N]) {
  CUIntArray a;
  for (UINT id : ids) a.Add(id);
  return a;
}

CString Number(double v) {
  CString s;
  s.Format("%g", v);
  return s;
}

}  // namespace

CCreateMembDlg2::CCreateMembDlg2(CWnd* pParent) : CDBDlgBase(IDD_CMD_CREATE_MEMB, pParent) {
  for (size_t i = 0; i < m_methods.size(); ++i) m_methods[i] = {kInitialMethods[i].type, kInitialMethods[i].method};
  m_bIsAlive = 1;
  m_pMySelf = this;
}

CCreateMembDlg2::~CCreateMembDlg2() {
  End();
  m_bIsAlive = 0;
  if (m_pMySelf == this) m_pMySelf = nullptr;
  delete m_pBraceImages;
}

void CCreateMembDlg2::DoDataExchange(CDataExchange* pDX) { CDBDlgBase::DoDataExchange(pDX); }

// ---- Opening ----------------------------------------------------------------------------

BOOL CCreateMembDlg2::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  SendDlgItemMessage(IDC_CM_MEMB_PROP, BM_SETIMAGE, IMAGE_ICON, (LPARAM)AfxHandleFromResId<HICON>(IDI_CREATE_MEMB_PROP));
  m_bIsAlive = 1;
  InitControlGroup();
  InitCtrl();
  Start();
  return TRUE;
}

void CCreateMembDlg2::InitControlGroup() {
  static const std::initializer_list<UINT> kGroups[G_COUNT] = {
      {IDC_CM_SECT_LABEL, IDC_CM_SECT, IDC_CM_SECT_NEW},
      {IDC_CM_BETA_LABEL, IDC_CM_BETA, IDC_CM_BETA_UNIT, IDC_CM_BETA_AUTO},
      {IDC_CM_METHOD_BOX, IDC_CM_METHOD_1PICK, IDC_CM_METHOD_2PONT, IDC_CM_METHOD_AXIS, IDC_CM_METHOD_WND1,
       IDC_CM_METHOD_WND2, IDC_CM_METHOD_CURV},
      {IDC_CM_SB_METHOD_BOX, IDC_CM_SB_METHOD_1PICK, IDC_CM_SB_METHOD_2PONT, IDC_CM_SB_METHOD_2MEMB,
       IDC_CM_SB_METHOD_WND1, IDC_CM_SB_METHOD_AXIS, IDC_CM_SB_METHOD_CURV},
      {IDC_CM_BEAM_COUNT_LABEL, IDC_CM_BEAM_COUNT, IDC_CM_BEAM_COUNT_SPIN},
      {IDC_CM_THIK_LABEL, IDC_CM_THIK, IDC_CM_THIK_NEW},
      {IDC_CM_COORD_LABEL, IDC_CM_COORD, IDC_CM_COORD_UNIT},
      {IDC_CM_RELEASE_LABEL, IDC_CM_RELEASE},
      {IDC_CM_SLAB_AUTO},
      {IDC_CM_BRACE_LABEL, IDC_CM_BRACE_TYPE, IDC_CM_TENSION_ONLY, IDC_CM_BENDING, IDC_CM_CROSS_SPLIT,
       IDC_CM_STORY_OVER},
      {IDC_CM_E1_LABEL, IDC_CM_E1, IDC_CM_E1_UNIT, IDC_CM_E2_LABEL, IDC_CM_E2, IDC_CM_E2_UNIT},
      {IDC_CM_CURVE_BOX, IDC_CM_CURVE_LINE, IDC_CM_CURVE_MEMB, IDC_CM_CURVE_ARC_CENTER, IDC_CM_CURVE_ARC_3P},
      {IDC_CM_CANTI, IDC_CM_CANTI_LEN_LABEL, IDC_CM_CANTI_LEN, IDC_CM_CANTI_LEN_UNIT, IDC_CM_CANTI_WIDTH_LABEL,
       IDC_CM_CANTI_WIDTH, IDC_CM_CANTI_WIDTH_UNIT, IDC_CM_CANTI_OFFSET_LABEL, IDC_CM_CANTI_OFFSET,
       IDC_CM_CANTI_OFFSET_UNIT, IDC_CM_CANTI_LOC_I, IDC_CM_CANTI_LOC_CENTER, IDC_CM_CANTI_LOC_J,
       IDC_CM_CANTI_DIR_LABEL, IDC_CM_CANTI_DIR_PLUS, IDC_CM_CANTI_DIR_MINUS, IDC_CM_CANTI_DIR_AUTO},
      {IDC_CM_SLAB_KIND_LABEL, IDC_CM_SLAB_KIND_SLAB, IDC_CM_SLAB_KIND_ROOF},
      {IDC_CM_STAIR_KIND_LABEL, IDC_CM_STAIR_SLOPE, IDC_CM_STAIR_LANDING, IDC_CM_STAIR_STEP_LABEL,
       IDC_CM_STAIR_THIK_LABEL, IDC_CM_STAIR_THIK, IDC_CM_STAIR_THIK_NEW, IDC_CM_STAIR_WIDTH_LABEL,
       IDC_CM_STAIR_WIDTH, IDC_CM_STAIR_HEIGHT_LABEL, IDC_CM_STAIR_HEIGHT, IDC_CM_STAIR_EQ_LABEL, IDC_CM_STAIR_EQ,
       IDC_CM_STAIR_EQ_UNIT, IDC_CM_STAIR_EQ_USER},
  };
  for (int g = 0; g < G_COUNT; ++g) {
    m_groups[(size_t)g] = T_DLG_CTRLS_GROUP();
    m_groups[(size_t)g].AddCtrls(kGroups[g]);
    m_groups[(size_t)g].ReCalcArea(this);
  }
}

void CCreateMembDlg2::InitCtrl() {
  // Unit controls and the values a new tool starts with.
  m_cbMembType.SubclassDlgItem(IDC_CM_MEMB_TYPE, this);
  m_cbBeta.SubclassDlgItem(IDC_CM_BETA, this);
  m_cbRelease.SubclassDlgItem(IDC_CM_RELEASE, this);
  m_cbBraceType.SubclassDlgItem(IDC_CM_BRACE_TYPE, this);
  m_edCoord.SubclassDlgItem(IDC_CM_COORD, this);
  m_spinCount.SubclassDlgItem(IDC_CM_BEAM_COUNT_SPIN, this);
  struct UnitCtrl {
    CWnd* wnd;
    UINT id;
    int kind;
  };
  const UnitCtrl labels[] = {{&m_tuBeta, IDC_CM_BETA_UNIT, 4},          {&m_tuCoord, IDC_CM_COORD_UNIT, 1},
                             {&m_tuE1, IDC_CM_E1_UNIT, 1},              {&m_tuE2, IDC_CM_E2_UNIT, 1},
                             {&m_tuCantiLen, IDC_CM_CANTI_LEN_UNIT, 1}, {&m_tuCantiWidth, IDC_CM_CANTI_WIDTH_UNIT, 1},
                             {&m_tuCantiOffset, IDC_CM_CANTI_OFFSET_UNIT, 1}, {&m_tuStairEq, IDC_CM_STAIR_EQ_UNIT, 1}};
  for (const UnitCtrl& u : labels) {
    u.wnd->SubclassDlgItem(u.id, this);
    static_cast<CTextUnit*>(u.wnd)->SetUnitType(u.kind);
  }
  const UnitCtrl edits[] = {{&m_edE1, IDC_CM_E1, 1},
                            {&m_edE2, IDC_CM_E2, 1},
                            {&m_edCantiLen, IDC_CM_CANTI_LEN, 1},
                            {&m_edCantiWidth, IDC_CM_CANTI_WIDTH, 1},
                            {&m_edCantiOffset, IDC_CM_CANTI_OFFSET, 1},
                            {&m_edStairWidth, IDC_CM_STAIR_WIDTH, 1},
                            {&m_edStairHeight, IDC_CM_STAIR_HEIGHT, 1},
                            {&m_edStairEq, IDC_CM_STAIR_EQ, 1}};
  for (const UnitCtrl& u : edits) {
    u.wnd->SubclassDlgItem(u.id, this);
    static_cast<CEditUnit*>(u.wnd)->SetUnitType(u.kind);
  }
  const CUnitCtrl& units = DB_CurrentUnitCtrl();
  m_edE1.SetWindowText(Number(units.ConvValueTgtUnit2CurUnit(3, 2, 1, 0.5)));
  m_edE2.SetWindowText(Number(units.ConvValueTgtUnit2CurUnit(3, 2, 1, 0.5)));
  SetDlgItemText(IDC_CM_BEAM_COUNT, "1");
  m_spinCount.SetRange32(1, 100);
  m_spinCount.SetPos32(1);
  m_edCoord.SetWindowText("0, 0, 0");

  CDBDoc* doc = Doc();
  if (!doc || !doc->GetModelDB() || !Table<CClassMemb>(doc)) return;

  // The database's combos fill themselves as they are attached.
  m_cbSect.SubclassDlgItem(IDC_CM_SECT, this);
  m_cbThik.SubclassDlgItem(IDC_CM_THIK, this);
  m_cbStairThik.SubclassDlgItem(IDC_CM_STAIR_THIK, this);
  for (int type : kMembTypes) CDlgUtil::CobxAddItem(&m_cbMembType, CClassMemb::GetMembTypeName(type), (DWORD_PTR)type);
  for (int beta : kBetas) CDlgUtil::CobxAddItem(&m_cbBeta, Number(beta), (DWORD_PTR)beta);
  for (const Release& r : kReleases)
    CDlgUtil::CobxAddItem(&m_cbRelease, CMsgDll::pfuncLoadStr(r.key, 0), (DWORD_PTR)r.data);
  m_pBraceImages = new CImageList;
  m_pBraceImages->Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1);
  for (const BraceType& b : kBraceTypes) {
    CBitmap bmp;
    bmp.LoadBitmap(b.bitmap);
    m_pBraceImages->Add(&bmp, RGB(255, 255, 255));
  }
  m_cbBraceType.SetImageList(m_pBraceImages);
  for (int i = 0; i < (int)(sizeof kBraceTypes / sizeof kBraceTypes[0]); ++i) {
    CString text = CMsgDll::pfuncLoadStr(kBraceTypes[i].key, 0);
    COMBOBOXEXITEM item;
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_LPARAM;
    item.iItem = i;
    item.pszText = const_cast<LPTSTR>((LPCTSTR)text);
    item.iImage = item.iSelectedImage = i;
    item.lParam = i;
    m_cbBraceType.InsertItem(&item);
  }
  CDlgUtil::CobxSetCurSelItemData(&m_cbMembType, kInitialType);
  CDlgUtil::CobxSetCurSelItemData(&m_cbBeta, 0);
  CDlgUtil::CobxSetCurSelItemData(&m_cbRelease, kInitialRelease);
  m_cbBraceType.SetCurSel(0);
  CheckDlgButton(IDC_CM_BETA_AUTO, BST_CHECKED);
  m_bControlsReady = TRUE;

  // The cantilever fold group starts unchecked.
  m_fgCanti.Initialize(this, IDD_CMD_CREATE_MEMB, IDC_CM_CANTI, 1, 1);
  m_fgCanti.SetCheck(BST_UNCHECKED);

  CDlgUtil::CtrlRadioSetCheck(this, Ids(kCantiLocations), kCantiCentre);
  OnChangeCSlabLocation();
  CDlgUtil::CtrlRadioSetCheck(this, Ids(kCantiDirections), kCantiDirAuto);
  CDlgUtil::CtrlRadioSetCheck(this, Ids(kSlabKinds), 0);
  CDlgUtil::CtrlRadioSetCheck(this, Ids(kStairKinds), kStairSlope);
  m_edStairWidth.SetWindowText(Number(units.ConvValueTgtUnit2CurUnit(2, 0, 1, 270)));
  m_edStairHeight.SetWindowText(Number(units.ConvValueTgtUnit2CurUnit(2, 0, 1, 150)));
  ComputeStairThickness();

  for (int g = 0; g < G_COUNT; ++g) m_groups[(size_t)g].Show(this, g == G_METHOD);
  InitMoveDlgPos();
  OnSelchangeMembTypeCmb();
  SetPerspectiveViewMode(FALSE);
}

void CCreateMembDlg2::InitMoveDlgPos() {
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  CWnd* bar = frame ? frame->GetWorkSpaceBar() : nullptr;
  if (bar && bar->m_hWnd) {
    CRect b, r;
    bar->GetWindowRect(&b);
    GetWindowRect(&r);
    MoveWindow(b.left, b.top, r.Width(), r.Height(), FALSE);
  }
  MoveDlgWithinScreen();
}

// ---- Activation and the end -------------------------------------------------------------

void CCreateMembDlg2::SetCursorTo(HCURSOR h) {
  if (m_hWnd) SetClassLongPtr(m_hWnd, GCLP_HCURSOR, (LONG_PTR)h);
  ::SetCursor(h);
}

void CCreateMembDlg2::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CDBDlgBase::OnActivate(nState, pWndOther, bMinimized);
  if (nState != WA_INACTIVE) {
    End();
    Start();
    SetSelectModeOff();
  } else {
    SetCursorTo(AfxHandleFromResId<HCURSOR>(AfxResIdFromHandle(IDC_ARROW)));
  }
}

void CCreateMembDlg2::OnOK() {
  // Return in the tool creates nothing and keeps it open; the coordinate edit has told
  // the window already.
}

void CCreateMembDlg2::OnCancel() {
  SetCursorTo(AfxHandleFromResId<HCURSOR>(AfxResIdFromHandle(IDC_ARROW)));
  DestroyWindow();
}

void CCreateMembDlg2::OnClose() { OnCancel(); }

void CCreateMembDlg2::OnSysCommand(UINT nID, LPARAM lParam) {
  if ((nID & 0xFFF0) == SC_CLOSE)
    OnCancel();
  else
    CDBDlgBase::OnSysCommand(nID, lParam);
}

void CCreateMembDlg2::OnMouseLeave() {
  if (IsHover()) {
    SetHover(FALSE);
    PostMessage(WM_KILLFOCUS);
  }
}

void CCreateMembDlg2::OnDestroy() {
  StopRubberBanding();
  I_ModelBase::m_nCreateMembMode = 0;
  CDBDlgBase::OnDestroy();
}

void CCreateMembDlg2::PostNcDestroy() {
  ResetWidgetToolTips();
  CDBDlgBase::PostNcDestroy();  // deletes the tool
  m_bIsAlive = 0;
}

// ---- Member type, property editors, options ---------------------------------------------

void CCreateMembDlg2::OnSelchangeMembTypeCmb() {
  CDlgUtil::CobxSetCurSelItemData(&m_cbBeta, CClassMemb::IsColumn(GetMembType()) ? 90 : 0);
  OnChangeMembTypeMethod();
}

void CCreateMembDlg2::OnBnClickedSectNew() {
  CCMSectItemDlg dlg(nullptr);
  dlg.SetInitPos(1, 0, 0);
  dlg.DoModal();
}

void CCreateMembDlg2::OnBnClickedThikNew() {
  CModelPropThikDlg dlg(nullptr);
  dlg.SetInitPos(1, 0, 0);
  dlg.DoModal();
}

void CCreateMembDlg2::OnBnClickedMembBtn() {
  const int type = GetMembType();
  UINT id = kPropCommandOther;
  for (const TypeId& c : kPropCommands)
    if (c.type == type) id = c.id;
  if (CWnd* main = AfxGetMainWnd()) main->PostMessage(WM_COMMAND, id, 0);
}

BOOL CCreateMembDlg2::ChangeMouseCursor() {
  const int type = GetMembType();
  if (type == 305) return TRUE;
  if (type == 202) {
    // A wall keeps its cursor but for one pick and the start of two points.
    const int method = GetCurMethod();
    if (!(method == METHOD_1PICK || method == METHOD_2PONT)) return TRUE;
  }
  for (const TypeId& c : kCursors)
    if (c.type == type) {
      SetCursorTo(AfxHandleFromResId<HCURSOR>((int)c.id));
      return TRUE;
    }
  return FALSE;
}

void CCreateMembDlg2::OnTensionOnly() {
  if (IsDlgButtonChecked(IDC_CM_TENSION_ONLY) == BST_CHECKED) CheckDlgButton(IDC_CM_BENDING, BST_UNCHECKED);
}

void CCreateMembDlg2::OnConsiderBending() {
  if (IsDlgButtonChecked(IDC_CM_BENDING) == BST_CHECKED) CheckDlgButton(IDC_CM_TENSION_ONLY, BST_UNCHECKED);
}

void CCreateMembDlg2::OnSelchangeSectCmb() {
  ResetWidgetToolTips();
  AddWidgetToolTipFirst(GetCurTypeOfWork());
  CString text;
  m_cbSect.GetWindowText(text);
  AddWidgetToolTipNext(CString("Sect : ") + text);
}

void CCreateMembDlg2::OnSelchangeThikCmb() {
  ResetWidgetToolTips();
  AddWidgetToolTipFirst(GetCurTypeOfWork());
  CString text;
  m_cbThik.GetWindowText(text);
  AddWidgetToolTipNext(CString("Thickness : ") + text);
}

void CCreateMembDlg2::OnChangeCSlabLocation() {
  const BOOL centre = CDlgUtil::CtrlRadioGetCheck(this, Ids(kCantiLocations)) == kCantiCentre;
  CDlgUtil::CtrlEnableDisable(this, {IDC_CM_CANTI_OFFSET, IDC_CM_CANTI_OFFSET_UNIT}, !centre);
  if (centre) m_edCantiOffset.SetEditUnit(0.0);
}

void CCreateMembDlg2::OnChangeStairSlabType() { OnChangeMembTypeMethod(); }

void CCreateMembDlg2::OnSelchangeCmdStairThikCmb() { ComputeStairThickness(); }

void CCreateMembDlg2::OnChangeStairWidthHeightEdt() { ComputeStairThickness(); }

void CCreateMembDlg2::ComputeStairThickness() {
  if (CDlgUtil::CtrlRadioGetCheck(this, Ids(kStairKinds)) != kStairSlope) return;
  const UINT key = m_cbStairThik.GetSelectedThik();
  auto* thik = Table<CClassThik>(Doc());
  double t = 0.0;
  if (!key || !thik || !thik->GetThikForThikName(key, t)) return;
  if (IsDlgButtonChecked(IDC_CM_STAIR_EQ_USER) == BST_CHECKED) {
    m_edStairEq.SetEditUnit(t);
    return;
  }
  double w = 0.0, h = 0.0;
  m_edStairWidth.GetEditValue(w);
  m_edStairHeight.GetEditValue(h);
  if (w + h == 0.0) return;
  m_edStairEq.SetEditUnit(CClassStik::GetConvertThickness(w, h, t));
}

void CCreateMembDlg2::OnCheckTransThikUserChk() {
  const BOOL user = IsDlgButtonChecked(IDC_CM_STAIR_EQ_USER) == BST_CHECKED;
  CDlgUtil::CtrlEnableDisable(
      this, {IDC_CM_STAIR_WIDTH_LABEL, IDC_CM_STAIR_WIDTH, IDC_CM_STAIR_HEIGHT_LABEL, IDC_CM_STAIR_HEIGHT}, !user);
  m_edStairEq.SetReadOnly(!user);
  if (!user) ComputeStairThickness();
}

LRESULT CCreateMembDlg2::OnChangeFoldState(WPARAM, LPARAM) {
  UpdateSnapMode(GetCurMethod());
  ReCalcLayout(GetMembType());
  return 0;
}

// ---- Queries ----------------------------------------------------------------------------

int CCreateMembDlg2::GetMembType() const {
  if (!m_cbMembType.m_hWnd) return 0;
  const int sel = m_cbMembType.GetCurSel();
  return sel < 0 ? 0 : (int)m_cbMembType.GetItemData(sel);
}

CString CCreateMembDlg2::GetCurTypeOfWork() const {
  CString text;
  if (m_cbMembType.m_hWnd) m_cbMembType.GetWindowText(text);
  return CString("Create Member : ") + text;
}

UINT CCreateMembDlg2::GetSectKey() const { return m_cbSect.m_hWnd ? m_cbSect.GetSelectedSect() : 0; }

UINT CCreateMembDlg2::GetThikKey() const { return m_cbThik.m_hWnd ? m_cbThik.GetSelectedThik() : 0; }

double CCreateMembDlg2::GetBetaAngle() const {
  if (!m_cbBeta.m_hWnd || !m_cbBeta.IsWindowVisible()) return 0.0;
  CString text;
  m_cbBeta.GetWindowText(text);
  double d = 0.0;
  return CStringParser::GetFloatNumber(text, d) ? d : 0.0;
}

BOOL CCreateMembDlg2::IsBetaAngleAuto() const {
  const int m = GetCurMethod();
  return IsDlgButtonChecked(IDC_CM_BETA_AUTO) == BST_CHECKED && CClassMemb::IsColumn(GetMembType()) &&
         (m == METHOD_1PICK || m == METHOD_AXIS || m == METHOD_WND1 || m == METHOD_WND2);
}

namespace {
BOOL ShownAndChecked(const CWnd* dlg, UINT id) {
  CWnd* c = dlg->m_hWnd ? dlg->GetDlgItem((int)id) : nullptr;
  return c && c->IsWindowVisible() && dlg->IsDlgButtonChecked((int)id) == BST_CHECKED;
}
}  // namespace

BOOL CCreateMembDlg2::GetTensionOnly() const { return ShownAndChecked(this, IDC_CM_TENSION_ONLY); }
BOOL CCreateMembDlg2::GetConsiderBending() const { return ShownAndChecked(this, IDC_CM_BENDING); }
BOOL CCreateMembDlg2::GetFrameIntersectType() const { return ShownAndChecked(this, IDC_CM_CROSS_SPLIT); }
BOOL CCreateMembDlg2::GetStoryOver() const { return ShownAndChecked(this, IDC_CM_STORY_OVER); }

int CCreateMembDlg2::GetCurrentViewEditMode() const { return CViewInfoUtil::IsPlaneViewMode() ? 1 : 2; }

BOOL CCreateMembDlg2::IsPlaneMode() const { return CViewInfoUtil::IsPlaneViewMode(); }

double CCreateMembDlg2::GetCurStoryLevel() const {
  auto* stor = Table<CClassStor>(Doc());
  double level = 0.0;
  if (!stor || !stor->GetStorTopLevel(stor->GetCurStor(), level)) return 0.0;
  return level;
}

double CCreateMembDlg2::GetMemberCenterLevel(UINT nMembKey) const {
  CDBDoc* doc = Doc();
  auto* memb = Table<CClassMemb>(doc);
  auto* pont = Table<CClassPont>(doc);
  auto* stor = Table<CClassStor>(doc);
  if (!memb || !pont || !stor) return 0.0;
  if (!memb->Exist(nMembKey)) return GetCurStoryLevel();
  T_MEMB_D m;
  double top = 0.0;
  if (!memb->Get(nMembKey, m) || !stor->GetStorTopLevel(m.storyKey, top) || m.points.GetSize() == 0) return 0.0;
  double sum = 0.0;
  for (INT_PTR i = 0; i < m.points.GetSize(); ++i) {
    T_PONT_D p;
    if (!pont->Get(m.points[i], p)) return 0.0;
    sum += p.z;
  }
  return top - sum / (double)m.points.GetSize();
}

// ---- View events ------------------------------------------------------------------------

BOOL CCreateMembDlg2::OnView_RButtonDown() { return FALSE; }

BOOL CCreateMembDlg2::OnView_KeyDown(UINT nChar, UINT, UINT) {
  if (CParamTool::GetPauseState()) return FALSE;
  switch (nChar) {
    case VK_TAB:
      if (GetKeyState(VK_SHIFT) < 0) {
        HWND focus = ::GetFocus();
        ChangeToNextMemberType();
        if (focus && ::IsWindow(focus)) ::SetFocus(focus);
      } else {
        ChangeToNextMethod();
      }
      return TRUE;
    case VK_ESCAPE: ResetInput(); return TRUE;
    default: return FALSE;
  }
}

BOOL CCreateMembDlg2::OnView_KeyUp(UINT, UINT, UINT) { return FALSE; }

BOOL CCreateMembDlg2::OnView_NotifyGeneral(UINT nCode, UINT wParam, UINT lParam) {
  if (CParamTool::GetPauseState() || nCode != 1 || !m_hWnd) return FALSE;
  PostMessage(WM_SELECT_END_TRLINE, wParam, lParam);
  return TRUE;
}

BOOL CCreateMembDlg2::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && m_hWnd &&
      (pMsg->hwnd == m_hWnd || IsChild(CWnd::FromHandle(pMsg->hwnd)))) {
    ChangeToNextMethod();
    return TRUE;
  }
  return CDBDlgBase::PreTranslateMessage(pMsg);
}
