#include "tools/CCmdQueryDlg.h"

#include <cstdarg>
#include <cstdio>
#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "common/CCmdNodeElemMode.h"
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CMDBCtrl.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "res/resource.h"
#include "tools/CToolsDlg.h"
#include "ui/CDlgUtil.h"
#include "ui/CMathFunc.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"
#include "ui/GMsg.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CCmdQueryDlg, CGlobalModeless)

BEGIN_MESSAGE_MAP(CCmdQueryDlg, CGlobalModeless)
  ON_WM_DESTROY()
  ON_NOTIFY(TCN_SELCHANGE, IDC_QUERY_TAB, &CCmdQueryDlg::OnSelChangeQueryTab)
  ON_BN_CLICKED(IDC_QUERY_DETAIL, &CCmdQueryDlg::OnBnClickedDetailAtt)
  ON_BN_CLICKED(IDC_QUERY_ADVANCED, &CCmdQueryDlg::OnBnClickedAdvanced)
  ON_BN_CLICKED(IDC_QUERY_DIST, &CCmdQueryDlg::OnBnClickedDimTypeRdo)
  ON_BN_CLICKED(IDC_QUERY_ANGLE, &CCmdQueryDlg::OnBnClickedDimTypeRdo)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_MOUSEEDITENTER2, &CCmdQueryDlg::OnMouseEdit2Enter)
  ON_REGISTERED_MESSAGE(CCommandTool2::WM_CMDTOOL_RUN_COMMAND, &CCmdQueryDlg::OnMouseEdit2Run)
END_MESSAGE_MAP()

namespace {

constexpr std::initializer_list<UINT> kDimKindRadios = {IDC_QUERY_DIST, IDC_QUERY_ANGLE};
constexpr std::initializer_list<UINT> kCenterIds = {IDC_QUERY_C_LABEL, IDC_QUERY_C};

// The number edit's parameter kind by query type (count 1, flag 1).
constexpr int kNumberKind[] = {CParamTool::KIND_POINT, CParamTool::KIND_NODE, CParamTool::KIND_MEMBER,
                               CParamTool::KIND_ELEMENT, CParamTool::KIND_NONE, CParamTool::KIND_NONE};

const char* const kTabKeys[] = {"IDS_CMD_POINT", "IDS_CMD_MEMBER", "IDS_CMD_DIMENSION"};
const char kIndent[] = "  ";
const char kDashLine[] = "-----------------------";

CString Str(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

template <class T>
T* TableOf(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

T_POINT3D Minus(const T_POINT3D& a, const T_POINT3D& b) { return T_POINT3D{a.x - b.x, a.y - b.y, a.z - b.z}; }

// The indent and the key's text formatted with the offset.
void AppendOffset(CString& text, const T_POINT3D& d) {
  CCmdQueryDlg::AppendMsg(text, "%s%s", kIndent, GMakeMsg("IDS_CMD_QUERY_DX_DY_DZ_g_g_g", d.x, d.y, d.z).c_str());
}

// The plan angle from GX of v; 0 for a vertical or zero v.
double AngleFromGX(const T_POINT3D& v) {
  T_POINT3D w;
  if (!CMathFunc::mathNormalize(T_POINT3D{v.x, v.y, 0.0}, w)) return 0.0;
  return CMathFunc::mathCrossAngle2D(T_POINT3D{1.0, 0.0, 0.0}, w);
}

// Walls of the analysis model are asked as walls of the building model.
int BuildingTypeOf(int elemType) {
  return elemType == T_PMEMB_D::WALL || elemType == 204 || elemType == 210 ? 202 : elemType;
}

template <class Rec>
CString NameOf(const Rec& r) {
  return r.name;
}
CString NameOf(const T_SECT_D& r) { return r.strName; }

// The material, section or thickness line: key and name, the undefined text when the
// record is missing.
template <class Table, class Rec>
void AppendNamed(CString& text, const char* key, Table* table, UINT recKey) {
  Rec rec;
  rec.Initialize();
  const CString name = table && table->Get(recKey, rec) ? NameOf(rec) : Str("IDS_WG_CMD__UNDEFINED");
  CCmdQueryDlg::AppendMsg(text, Str(key), (int)recKey, name.c_str());
}

// The connectivity line: the label, then the numbers, gaps left out when skipGaps.
template <class NumberOf>
void AppendConnectivity(CString& text, const CUIntArray& keys, bool skipGaps, NumberOf numberOf) {
  CString line = Str("IDS_WG_CMD__POINT_CONNECTIVITY");
  bool first = true;
  for (UINT k : keys) {
    if (skipGaps && k == T_MEMB_D::GAP_POINT) continue;
    char buf[32];
    std::snprintf(buf, sizeof buf, first ? "%d" : ", %d", (int)numberOf(k));
    line += buf;
    first = false;
  }
  CCmdQueryDlg::AppendMsg(text, "%s", line.c_str());
}

void AppendCurve(CString& text, const T_LINE_G& line) {
  CCmdQueryDlg::AppendMsg(text, "%s", kDashLine);
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_CURVE_INFORMATION"));
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_CENTER"));
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_GX_s_g"), kIndent, line.centre.x);
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_GY_s_g"), kIndent, line.centre.y);
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_GZ_s_g"), kIndent, line.centre.z);
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_RADIUS_G"), CMathFunc::mathLength(line.centre, line.start));
}

void AppendXYZ(CString& text, double x, double y, double z) {
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_X_s_g"), kIndent, x);
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_Y_s_g"), kIndent, y);
  CCmdQueryDlg::AppendMsg(text, Str("IDS_CMD_QUERY_Z_s_g"), kIndent, z);
}

void AppendBlank(CString& text) { CCmdQueryDlg::AppendMsg(text, "%s", ""); }

void RefreshView() {
  if (I_ModelBase* view = I_ModelBase::GetCurMySelfST()) {
    view->RefreshHighlight();
    view->Invalidate();
  }
}

}  // namespace

CCmdQueryDlg::CCmdQueryDlg(CWnd* pParent) : CGlobalModeless(IDD_CMD_QUERY, pParent) {
  m_editNumber.SetParamType(CParamTool::KIND_POINT, 1, 1);
  m_editC.SetParamType(CParamTool::KIND_POSITION, 3, 0);
  m_editC.SetNextCtrl(&m_editP1);
  m_editP1.SetParamType(CParamTool::KIND_POSITION, 3, 0);
  m_editP1.SetNextCtrl(&m_editP2);
  m_editP2.SetParamType(CParamTool::KIND_POSITION, 3, 1);
  for (CMouseEdit2* e : {&m_editNumber, &m_editC, &m_editP1, &m_editP2}) e->m_bOwnerFlag = 1;
}

CCmdQueryDlg::~CCmdQueryDlg() = default;

// ---- Modes ----

BOOL CCmdQueryDlg::IsPostMode() { return CDBDoc::m_pDBDoc && CDBDoc::m_pDBDoc->IsPostMode(); }

BOOL CCmdQueryDlg::IsNodeElemMode() {
  return CCmdNodeElemMode::IsNodeElemMode() == CCmdNodeElemMode::MODE_ANALYSIS;
}

BOOL CCmdQueryDlg::IsPontMembMode() { return !IsNodeElemMode(); }

void CCmdQueryDlg::AppendMsg(CString& text, LPCTSTR format, ...) {
  char buf[4096];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buf, sizeof buf, format ? format : "", args);
  va_end(args);
  const CString line = n < 0 ? CString() : CString(buf);
  if (text.IsEmpty())
    text = line;
  else
    text += "\r\n" + line;
}

BOOL CCmdQueryDlg::IsAngleKind() const {
  return CDlgUtil::CtrlRadioGetCheck(const_cast<CCmdQueryDlg*>(this), kDimKindRadios) == 1;
}

int CCmdQueryDlg::GetQueryType() const {
  const int tab = m_tab.m_hWnd ? m_tab.GetCurSel() : TAB_POINT;
  if (tab == TAB_DIMENSION) return IsAngleKind() ? QT_ANGLE : QT_DISTANCE;
  if (tab == TAB_MEMBER) return IsPostMode() ? QT_ELEMENT : QT_MEMBER;
  return IsPostMode() ? QT_NODE : QT_POINT;
}

UINT CCmdQueryDlg::GetQueryDataKey() const {
  if (!m_editNumber.m_hWnd) return 0;
  CString s;
  m_editNumber.GetWindowText(s);
  int n = 0;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!CStringParser::GetINumber(s, n) || n < 0 || !doc) return 0;
  const int type = GetQueryType();
  if (type == QT_NODE || type == QT_ELEMENT) return (UINT)n;
  if (type != QT_POINT && type != QT_MEMBER) return 0;
  DB_CDataBase* db = doc->GetModelDB();
  auto* pont = TableOf<CClassPont>(db);
  auto* memb = TableOf<CClassMemb>(db);
  if (!pont || !memb) return 0;
  return type == QT_POINT ? pont->GetPontKeyByNo((UINT)n) : memb->GetMembKeyByNo((UINT)n);
}

// ---- Window ----

void CCmdQueryDlg::DoDataExchange(CDataExchange* pDX) {
  CGlobalModeless::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_QUERY_TAB, m_tab);
  DDX_Control(pDX, IDC_QUERY_NUMBER, m_editNumber);
  DDX_Control(pDX, IDC_QUERY_C, m_editC);
  DDX_Control(pDX, IDC_QUERY_P1, m_editP1);
  DDX_Control(pDX, IDC_QUERY_P2, m_editP2);
  DDX_Control(pDX, IDC_QUERY_ADVANCED, m_btnAdvanced);
}

BOOL CCmdQueryDlg::OnInitDialog() {
  CGlobalModeless::OnInitDialog();
  m_nLastPontKey = m_nLastNodeKey = 0;
  m_editNumber.SetEnterNotifyWindow(this);
  m_editP2.SetEnterNotifyWindow(this);
  m_groups[G_NUMBER].AddCtrls({IDC_QUERY_NUMBER_LABEL, IDC_QUERY_NUMBER});
  m_groups[G_DIMENSION].AddCtrls({IDC_QUERY_DIST, IDC_QUERY_ANGLE, IDC_QUERY_C_LABEL, IDC_QUERY_C, IDC_QUERY_P1_LABEL,
                                  IDC_QUERY_P1, IDC_QUERY_P2_LABEL, IDC_QUERY_P2});
  m_groups[G_DIM_KIND].AddCtrls(kDimKindRadios);
  m_groups[G_TAB].AddCtrl(IDC_QUERY_TAB);
  m_groups[G_BUTTONS].AddCtrls({IDC_QUERY_DETAIL, IDC_QUERY_ADVANCED});
  m_groups[G_RESULT].AddCtrl(IDC_QUERY_RESULT);
  for (T_DLG_CTRLS_GROUP& g : m_groups) g.ReCalcArea(this);
  InitCtrl();
  ChangeParamType();
  return TRUE;
}

void CCmdQueryDlg::InitCtrl() {
  for (int i = 0; i < 3; ++i) m_tab.InsertItem(i, Str(kTabKeys[i]));
  m_tab.SetCurSel(TAB_POINT);
  CDlgUtil::CtrlRadioSetCheck(this, kDimKindRadios, 0);
  m_btnAdvanced.SetPushed(TRUE);
  m_groups[G_NUMBER].SetCtrlsPos(this, m_groups[G_DIM_KIND].GetScreenArea().TopLeft(), TRUE);
  EnableDisableCtrl();
}

void CCmdQueryDlg::EnableDisableCtrl() {
  const int tab = m_tab.GetCurSel();
  const int type = GetQueryType();
  CDlgUtil::CtrlEnableDisable(this, kCenterIds, IsAngleKind());
  m_groups[G_NUMBER].Show(this, tab != TAB_DIMENSION);
  m_groups[G_DIMENSION].Show(this, tab == TAB_DIMENSION);
  if (CWnd* detail = GetDlgItem(IDC_QUERY_DETAIL))
    detail->EnableWindow((type == QT_POINT || type == QT_MEMBER || type == QT_ELEMENT) && !IsPostMode());
  CString first = Str(IsPostMode() ? "IDS_CMD_NODE" : "IDS_CMD_POINT");
  TCITEM item;
  item.mask = TCIF_TEXT;
  item.pszText = first.GetBuffer(first.GetLength());
  m_tab.SetItem(TAB_POINT, &item);
  first.ReleaseBuffer();

  // The tab ends 10 pixels below the group it shows.
  T_DLG_CTRLS_GROUP& shown = m_groups[tab == TAB_DIMENSION ? G_DIMENSION : G_NUMBER];
  shown.ReCalcArea(this);
  CRect rcTab;
  m_tab.GetWindowRect(&rcTab);
  rcTab.bottom = shown.GetScreenArea().bottom + LAYOUT_GAP;
  CRect rcClient = rcTab;
  ScreenToClient(&rcClient);
  m_tab.MoveWindow(rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(), TRUE);

  // Buttons below the tab, the result below the buttons.
  CRect rc = rcTab;
  m_groups[G_BUTTONS].SetCtrlsPosAfter(this, rc, LAYOUT_GAP, TRUE);
  const BOOL pushed = m_btnAdvanced.IsPushed();
  m_btnAdvanced.SetBitmapIcon(pushed ? IDB_QUERY_ADVANCED_ON : IDB_QUERY_ADVANCED_OFF);
  m_groups[G_RESULT].SetCtrlsPosAfter(this, rc, LAYOUT_GAP, TRUE);

  // The window ends below the result, or below the Advanced button when it is released.
  CRect end;
  if (pushed)
    end = m_groups[G_RESULT].GetScreenArea();
  else
    m_btnAdvanced.GetWindowRect(&end);
  CRect rcWnd;
  GetWindowRect(&rcWnd);
  MoveWindow(rcWnd.left, rcWnd.top, rcWnd.Width(), end.bottom + LAYOUT_GAP - rcWnd.top, TRUE);
  ShowWindow(SW_SHOW);
  Invalidate();
}

void CCmdQueryDlg::ChangeParamType() {
  const int type = GetQueryType();
  m_editNumber.SetParamType(kNumberKind[type], 1, 1);
  if (type <= QT_ELEMENT) m_editNumber.SetMouseSnapMode();
}

CMouseEdit2* CCmdQueryDlg::InputEdit(int nType) {
  if (nType == QT_DISTANCE) return &m_editP1;
  if (nType == QT_ANGLE) return &m_editC;
  return &m_editNumber;
}

void CCmdQueryDlg::SetDefaultFocus() {
  const int type = GetQueryType();
  CMouseEdit2* edit = InputEdit(type);
  edit->SetFocus();
  if (type <= QT_ELEMENT) edit->SetMouseSnapMode();
}

void CCmdQueryDlg::OnChangeQueryType() {
  if (!m_hWnd) return;
  if (m_tab.GetCurSel() != TAB_DIMENSION) m_editNumber.m_bOwnerFlag = 0;
  EnableDisableCtrl();
  ChangeParamType();
  SetDefaultFocus();
  EndFlickerQueryObj();
}

void CCmdQueryDlg::ChangeQueryType(int nTab) {
  if (nTab < TAB_POINT || nTab > TAB_DIMENSION || !m_tab.m_hWnd) return;
  m_tab.SetCurSel(nTab);
  OnChangeQueryType();
}

void CCmdQueryDlg::OnSelChangeQueryTab(NMHDR*, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  OnChangeQueryType();
}

void CCmdQueryDlg::OnBnClickedAdvanced() { EnableDisableCtrl(); }

void CCmdQueryDlg::OnBnClickedDimTypeRdo() { OnChangeQueryType(); }

void CCmdQueryDlg::OnHint(LPARAM lHint, CObject*) {
  if (!m_hWnd) return;
  if (lHint == HINT_VIEW || lHint == HINT_MODE) OnChangeQueryType();
  if (lHint == HINT_CLOSE_QUERY) PostMessage(WM_CLOSE, 0, 0);
}

void CCmdQueryDlg::OnDestroy() {
  CGlobalModeless::OnDestroy();
  if (I_ModelBase* view = I_ModelBase::GetCurMySelfST()) view->EndQueryMode();
}

void CCmdQueryDlg::PostNcDestroy() {
  // The highlighted pick is this window's while it lives; once the attribute window was
  // opened on the queried object, the highlight is that window's.
  if (!m_bHandedOver) I_ModelBase::PONTKEY = I_ModelBase::MEMBKEY = 0;
  m_nLastPontKey = m_nLastNodeKey = 0;
  CGlobalModeless::PostNcDestroy();
}

// ---- Highlight ----

void CCmdQueryDlg::StartFlickerQueryObj(int nType) {
  const UINT key = nType <= QT_ELEMENT ? GetQueryDataKey() : 0;
  const bool point = nType == QT_POINT || nType == QT_NODE;
  I_ModelBase::PONTKEY = point ? key : 0;
  I_ModelBase::MEMBKEY = point ? 0 : key;
  RefreshView();
}

void CCmdQueryDlg::EndFlickerQueryObj() {
  I_ModelBase::PONTKEY = I_ModelBase::MEMBKEY = 0;
  RefreshView();
}

// ---- Running a query ----

LRESULT CCmdQueryDlg::OnMouseEdit2Enter(WPARAM wParam, LPARAM lParam) { return OnMouseEdit2Run(wParam, lParam); }

LRESULT CCmdQueryDlg::OnMouseEdit2Run(WPARAM, LPARAM) {
  const int type = GetQueryType();
  const CString text = GetQueryText();
  GMsgOut(text);
  SetDlgItemText(IDC_QUERY_RESULT, text);
  StartFlickerQueryObj(type);
  const UINT key = type <= QT_ELEMENT ? GetQueryDataKey() : 0;
  m_nLastPontKey = type == QT_POINT ? key : 0;
  m_nLastNodeKey = type == QT_NODE ? key : 0;
  CMouseEdit2* edit = InputEdit(type);
  edit->SetCurParamTool();
  edit->SetMouseSnapMode();
  return 0;
}

CString CCmdQueryDlg::GetQueryText() {
  typedef CString (CCmdQueryDlg::*Query)();
  static constexpr Query kQueries[] = {&CCmdQueryDlg::QueryPoint,   &CCmdQueryDlg::QueryNode,
                                       &CCmdQueryDlg::QueryMember,  &CCmdQueryDlg::QueryElement,
                                       &CCmdQueryDlg::QueryDistance, &CCmdQueryDlg::QueryAngle};
  return (this->*kQueries[GetQueryType()])();
}

// ---- Detail attributes ----

void CCmdQueryDlg::OnBnClickedDetailAtt() {
  const UINT key = GetQueryDataKey();
  if (!key) {
    AfxMessageBox(Str("IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY"), 0, 0);
    return;
  }
  int mode = 3;
  if (ICmdDialog::DoModeless("CToolsDlg", nullptr, &mode) != 1) return;
  const int type = GetQueryType();
  char objType = 0;
  if (type == QT_POINT) {
    I_ModelBase::PONTKEY = key, I_ModelBase::MEMBKEY = 0;
    objType = 'p';
  } else if (type == QT_MEMBER || type == QT_ELEMENT) {
    I_ModelBase::PONTKEY = 0, I_ModelBase::MEMBKEY = key;
    objType = 'm';
  }
  if (objType && CToolsDlg::m_pMySelf) CToolsDlg::m_pMySelf->Data2Dlg(objType, key);
  m_bHandedOver = TRUE;
  PostMessage(WM_CLOSE, 0, 0);
}

// ---- The queries ----

CString CCmdQueryDlg::QueryPoint() {
  CString text;
  const UINT key = GetQueryDataKey();
  if (!key) {
    AppendMsg(text, Str("IDS_WG_CMD__NO_EXIST_PONT"), 0);
    return text;
  }
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  auto* pont = TableOf<CClassPont>(db);
  auto* stor = TableOf<CClassStor>(db);
  if (!pont || !stor) return text;
  T_PONT_D p;
  p.Initialize();
  if (!pont->Get(key, p)) {
    AppendMsg(text, Str("IDS_WG_CMD__NO_EXIST_PONT"), (int)key);
    return text;
  }
  AppendMsg(text, Str("IDS_CMD_QUERY_STOR_s"), stor->GetNameWithModule(p.storyKey, nullptr).c_str());
  AppendMsg(text, Str("IDS_CMD_QUERY_COORDINATES"));
  T_POINT3D pos;
  if (!pont->Get3DPos(key, pos)) return text;
  AppendXYZ(text, pos.x, pos.y, pos.z);
  double top = 0.0;
  if (!stor->GetStorTopLevel(p.storyKey, top)) top = 0.0;
  AppendMsg(text, Str("IDS_CMD_QUERY_LEVEL_s_s_g_g"), kIndent, stor->GetName(p.storyKey).c_str(), top, p.z);
  if (m_nLastPontKey) {
    AppendMsg(text, "%s", kDashLine);
    T_POINT3D last;
    if (!pont->Get3DPos(m_nLastPontKey, last)) return text;
    AppendMsg(text, Str("IDS_CMD_QUERY_DISTANCE_FROM_POINT_d_g"), (int)pont->GetPontNoByKey(m_nLastPontKey),
              CMathFunc::mathLength(last, pos));
    AppendOffset(text, Minus(pos, last));
  }
  AppendBlank(text);
  return text;
}

CString CCmdQueryDlg::QueryNode() {
  CString text;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* post = doc ? doc->GetMDBCtrl()->GetDBPost3D() : nullptr;
  auto* node = TableOf<CClassPNode>(post);
  if (!node) return text;
  const UINT key = GetQueryDataKey();
  T_PNODE_D n;
  n.Initialize();
  if (!key || !node->Get(key, n)) {
    AppendMsg(text, Str("IDS_WG_CMD__NO_EXIST_PNODE"), (int)key);
    return text;
  }
  auto* stor = TableOf<CClassPStor>(post);
  AppendMsg(text, Str("IDS_CMD_QUERY_STOR_s"), stor ? stor->GetNameWithModule(n.storyKey, nullptr).c_str() : "");
  AppendMsg(text, Str("IDS_CMD_QUERY_COORDINATES"));
  AppendXYZ(text, n.x, n.y, n.z);
  if (m_nLastNodeKey) {
    AppendMsg(text, "%s", kDashLine);
    T_PNODE_D last;
    last.Initialize();
    if (!node->Get(m_nLastNodeKey, last)) return text;
    const T_POINT3D a{last.x, last.y, last.z}, b{n.x, n.y, n.z};
    AppendMsg(text, Str("IDS_CMD_QUERY_DISTANCE_FROM_POINT_d_g"), (int)m_nLastNodeKey, CMathFunc::mathLength(a, b));
    AppendOffset(text, Minus(b, a));
  }
  AppendBlank(text);
  return text;
}

CString CCmdQueryDlg::QueryMember() {
  CString text;
  const UINT key = GetQueryDataKey();
  if (!key) {
    AppendMsg(text, Str("IDS_WG_CMD__NO_EXIST_MEMB"), 0);
    return text;
  }
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  auto* memb = TableOf<CClassMemb>(db);
  auto* stor = TableOf<CClassStor>(db);
  auto* matl = TableOf<CClassMatl>(db);
  auto* sect = TableOf<CClassSect>(db);
  auto* thik = TableOf<CClassThik>(db);
  auto* pont = TableOf<CClassPont>(db);
  if (!memb || !stor || !matl || !sect || !thik || !pont) return text;
  T_MEMB_D m;
  m.Initialize();
  if (!memb->Get(key, m)) {
    AppendMsg(text, Str("IDS_WG_CMD__NO_EXIST_MEMB"), (int)key);
    return text;
  }
  AppendMsg(text, Str("IDS_CMD_QUERY_STOR_s"), stor->GetNameWithModule(m.storyKey, nullptr).c_str());
  AppendMsg(text, Str("IDS_WG_CMD__MEMBER_TYPE"), CClassMemb::GetMembTypeName(m.type).c_str());
  CUIntArray keys, matls, sects, thiks;
  keys.Add(key);
  if (!memb->GetMatlSectThik(keys, matls, sects, thiks)) return text;
  const UINT matlKey = matls.IsEmpty() ? 0 : matls[0];
  const UINT sectKey = sects.IsEmpty() ? 0 : sects[0];
  const UINT thikKey = thiks.IsEmpty() ? 0 : thiks[0];
  if (CClassMemb::IsNeedMaterial(m.type))
    AppendNamed<CClassMatl, T_MATL_D>(text, "IDS_CMD_QUERY_MATERIAL_ID_d_s", matl, matlKey);
  if (CClassMemb::IsSectionType(m.type))
    AppendNamed<CClassSect, T_SECT_D>(text, "IDS_CMD_QUERY_SECTION_ID_d_s", sect, sectKey);
  else if (CClassMemb::IsThicknessType(m.type))
    AppendNamed<CClassThik, T_THIK_D>(text, "IDS_CMD_QUERY_THICKNESS_ID_d_s", thik, thikKey);
  AppendConnectivity(text, m.points, true, [pont](UINT k) { return pont->GetPontNoByKey(k); });
  double value = 0.0;
  if (memb->CalcLengthArea(m, value)) {
    const int kind = CClassMemb::GetLengthAreaType(m.type);
    if (kind == 0) AppendMsg(text, Str("IDS_CMD_QUERY_LENGTH_g"), value);
    if (kind == 1) AppendMsg(text, Str("IDS_CMD_QUERY_AREA_g"), value);
  }
  T_LINE_G line;
  if (CClassMemb::IsCurvedMember(m) && m.curves.GetSize() == 1 && m.curves[0] && memb->GetLineInfo(m, line))
    AppendCurve(text, line);
  AppendBlank(text);
  return text;
}

CString CCmdQueryDlg::QueryElement() {
  CString text;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* post = doc ? doc->GetMDBCtrl()->GetDBPost3D() : nullptr;
  auto* pmemb = TableOf<CClassPMemb>(post);
  auto* pstor = TableOf<CClassPStor>(post);
  auto* pmatl = TableOf<CClassPMatl>(post);
  auto* psect = TableOf<CClassPSect>(post);
  auto* pthik = TableOf<CClassPThik>(post);
  if (!pmemb || !pstor || !pmatl || !psect || !pthik) return text;
  const UINT key = GetQueryDataKey();
  T_PMEMB_D e;
  e.Initialize();
  if (!key || !pmemb->Get(key, e)) {
    AppendMsg(text, Str("IDS_WG_CMD__NO_EXIST_PMEMB"), (int)key);
    return text;
  }
  AppendMsg(text, Str("IDS_CMD_QUERY_STOR_s"), pstor->GetNameWithModule(e.storyKey, nullptr).c_str());
  AppendMsg(text, Str("IDS_WG_CMD__MEMBER_TYPE"), CClassMemb::GetMembTypeName(e.type).c_str());
  UINT matlKey = 0, sectKey = 0, thikKey = 0;
  if (pmemb->GetMatlSectThik(e, matlKey, sectKey, thikKey)) {
    const int type = BuildingTypeOf(e.type);
    if (CClassMemb::IsNeedMaterial(type))
      AppendNamed<CClassPMatl, T_PMATL_D>(text, "IDS_CMD_QUERY_MATERIAL_ID_d_s", pmatl, matlKey);
    if (CClassMemb::IsSectionType(type))
      AppendNamed<CClassPSect, T_PSECT_D>(text, "IDS_CMD_QUERY_SECTION_ID_d_s", psect, sectKey);
    else if (CClassMemb::IsThicknessType(type))
      AppendNamed<CClassPThik, T_PTHIK_D>(text, "IDS_CMD_QUERY_THICKNESS_ID_d_s", pthik, thikKey);
  }
  AppendConnectivity(text, e.nodes, false, [](UINT k) { return k; });
  double value = 0.0;
  const int kind = pmemb->GetLengthArea(key, e, value);
  if (kind == 1) AppendMsg(text, Str("IDS_CMD_QUERY_LENGTH_g"), value);
  if (kind == 2) AppendMsg(text, Str("IDS_CMD_QUERY_AREA_g"), value);
  T_LINE_G line;
  if (CClassPMemb::IsCurvMember(e) && e.curves.GetSize() == 1 && e.curves[0] && pmemb->GetLineInfo(e, line))
    AppendCurve(text, line);
  AppendBlank(text);
  return text;
}

namespace {
BOOL ReadPosition(const CMouseEdit2& edit, T_POINT3D& p) {
  if (!edit.m_hWnd) return FALSE;
  CString s;
  edit.GetWindowText(s);
  return CStringParser::GetPosition(s, p.x, p.y, p.z);
}
}  // namespace

CString CCmdQueryDlg::QueryDistance() {
  CString text;
  T_POINT3D p1, p2;
  if (!ReadPosition(m_editP1, p1) || !ReadPosition(m_editP2, p2)) {
    AppendMsg(text, Str("IDS_WG_CMD_MC_ERROR_Invalid_Input"));
    return text;
  }
  const T_POINT3D d = Minus(p2, p1);
  AppendMsg(text, Str("IDS_CMD_QUERY_DISTANCE_g"), CMathFunc::mathLength(d));
  AppendMsg(text, Str("IDS_CMD_QUERY_DX_s_g"), kIndent, d.x);
  AppendMsg(text, Str("IDS_CMD_QUERY_DY_s_g"), kIndent, d.y);
  AppendMsg(text, Str("IDS_CMD_QUERY_DZ_s_g"), kIndent, d.z);
  T_POINT3D u;
  if (CMathFunc::mathNormalize(d, u)) {
    AppendMsg(text, Str("IDS_CMD_QUERY_ANGLE_FROM_GX_g"), AngleFromGX(u));
    AppendMsg(text, Str("IDS_CMD_QUERY_NORMALIZED_VECTOR_P1_P2"));
    AppendMsg(text, Str("IDS_CMD_QUERY_x_s_g"), kIndent, u.x);
    AppendMsg(text, Str("IDS_CMD_QUERY_y_s_g"), kIndent, u.y);
    AppendMsg(text, Str("IDS_CMD_QUERY_z_s_g"), kIndent, u.z);
  }
  AppendBlank(text);
  return text;
}

CString CCmdQueryDlg::QueryAngle() {
  CString text;
  T_POINT3D c, p1, p2;
  if (!ReadPosition(m_editC, c) || !ReadPosition(m_editP1, p1) || !ReadPosition(m_editP2, p2)) {
    AppendMsg(text, Str("IDS_WG_CMD_MC_ERROR_Invalid_Input"));
    return text;
  }
  const T_POINT3D a = Minus(p1, c), b = Minus(p2, c);
  T_POINT3D ua, ub;
  const BOOL hasA = CMathFunc::mathNormalize(a, ua);
  const BOOL hasB = CMathFunc::mathNormalize(b, ub);
  if (hasA && hasB) AppendMsg(text, Str("IDS_CMD_QUERY_CROSS_ANGLE_P1_C_P2_g"), CMathFunc::mathCrossAngle(ua, ub));
  AppendMsg(text, Str("IDS_CMD_DISTANCE_C_P1_g"), hasA ? CMathFunc::mathLength(a) : 0.0);
  AppendMsg(text, Str("IDS_CMD_DISTANCE_C_P2_g"), hasB ? CMathFunc::mathLength(b) : 0.0);
  if (hasA) AppendMsg(text, Str("IDS_CMD_ANGLE_FROM_GX_C_P1_g"), AngleFromGX(a));
  if (hasB) AppendMsg(text, Str("IDS_CMD_ANGLE_FROM_GX_C_P2_g"), AngleFromGX(b));
  AppendBlank(text);
  return text;
}
