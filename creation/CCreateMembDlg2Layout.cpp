// The tool's layout for a member type and method, the methods remembered per type, and
// the cycling of methods (Tab) and member types (Shift+Tab).
#include <algorithm>
#include "afx/CWinApp.h"
#include "creation/CCreateMembDlg2.h"
#include "creation/CreateMembTables.h"
#include "db/CClassMemb.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

using namespace CreateMembTables;

namespace {

template <size_t N>
CUIntArray Ids(const UINT (&ids)[N]) {
  CUIntArray a;
  for (UINT id : ids) a.Add(id);
  return a;
}

BOOL IsEnabled(const CWnd* dlg, UINT id) {
  CWnd* c = dlg->GetDlgItem((int)id);
  return c && c->IsWindowEnabled();
}

}  // namespace

// ---- Methods ----------------------------------------------------------------------------

int CCreateMembDlg2::GetCurMethod() const {
  const int type = GetMembType();
  for (const auto& [t, m] : m_methods)
    if (t == type) return m;
  return 0;
}

void CCreateMembDlg2::SetCurMethod(int nMethod) {
  const int type = GetMembType();
  for (auto& [t, m] : m_methods)
    if (t == type) m = nMethod;
  SetMethodButtonState(nMethod);
  I_ModelBase::m_nCreateMembMode = nMethod;
}

void CCreateMembDlg2::SetMethodButtonState(int nMethod) {
  // Method 8 is the curve button of area members.
  const int shown = nMethod == METHOD_CURV_AREA ? METHOD_CURV : nMethod;
  for (const MethodButton& b : kMethodButtons)
    CheckDlgButton((int)b.id, (b.method == 0 ? METHOD_CURV : b.method) == shown ? BST_CHECKED : BST_UNCHECKED);
  for (const MethodButton& b : kSbMethodButtons)
    CheckDlgButton((int)b.id, b.method == nMethod ? BST_CHECKED : BST_UNCHECKED);
}

void CCreateMembDlg2::OnChangeMethod(int nMethod) {
  for (const MethodButton& b : kMethodButtons)
    CheckDlgButton((int)b.id, (b.method == 0 ? METHOD_CURV : b.method) == nMethod ? BST_CHECKED : BST_UNCHECKED);
  for (const MethodButton& b : kSbMethodButtons)
    CheckDlgButton((int)b.id, b.method == nMethod ? BST_CHECKED : BST_UNCHECKED);
  if (nMethod == GetCurMethod()) return;
  GetGroup(G_COORD).Enable(this, nMethod == METHOD_1PICK);
  ResetInput();
}

void CCreateMembDlg2::OnChangeMembTypeMethod() {
  const int method = GetCurMethod();
  const int type = GetMembType();
  m_polyTool.Initialize(CClassMemb::IsGeometryArea(type)   ? CPolyParamTool::SIZE_CLOSED
                        : CClassMemb::IsGeometryLine(type) ? CPolyParamTool::SIZE_ONE_LINE
                                                           : 0);
  SetMethodButtonState(method);
  SetCurMethod(method);
  ReCalcLayout(GetMembType());
  UpdateSnapMode(method);
  if (CWnd* main = AfxGetMainWnd()) main->PostMessage(WM_COMMAND, I_MainFrameBase::CMD_REFRESH_UNSELECT, 0);
  SetSelectModeOff();
  ResetInput();
}

void CCreateMembDlg2::OnBnClickedMethod1Pick() {
  SetCurMethod(METHOD_1PICK);
  OnChangeMembTypeMethod();
}
void CCreateMembDlg2::OnBnClickedMethod2Pont() {
  SetCurMethod(METHOD_2PONT);
  OnChangeMembTypeMethod();
}
void CCreateMembDlg2::OnBnClickedMethod2Memb() {
  SetCurMethod(METHOD_2MEMB);
  OnChangeMembTypeMethod();
}
void CCreateMembDlg2::OnBnClickedMethodAxis() {
  SetCurMethod(METHOD_AXIS);
  OnChangeMembTypeMethod();
}
void CCreateMembDlg2::OnBnClickedMethodWnd1() {
  SetCurMethod(METHOD_WND1);
  OnChangeMembTypeMethod();
}
void CCreateMembDlg2::OnBnClickedMethodWnd2() {
  SetCurMethod(METHOD_WND2);
  OnChangeMembTypeMethod();
}
void CCreateMembDlg2::OnBnClickedMethodCurv() {
  SetCurMethod(CClassMemb::IsGeometryArea(GetMembType()) ? METHOD_CURV_AREA : METHOD_CURV);
  OnChangeMembTypeMethod();
}
void CCreateMembDlg2::OnBnClickedSbMethodCurv() {
  SetCurMethod(METHOD_CURV);
  OnChangeMembTypeMethod();
}

void CCreateMembDlg2::OnChangeCurvMethod() {
  SetEdgeModeOnCurvMethod();
  UpdateSnapMode(GetCurMethod());
}

void CCreateMembDlg2::SetEdgeModeOnCurvMethod() {
  // Curve-kind radio -> edge mode; the arc by its centre differs between line and area types.
  const int type = GetMembType();
  switch (GetCurveKind()) {
    case 0: m_polyTool.SetEdgeMode(CPolyParamTool::EDGE_LINE); break;
    case kCurvePickMember: m_polyTool.SetEdgeMode(CPolyParamTool::EDGE_PICK_MEMB); break;
    case 2:
      if (CClassMemb::IsGeometryLine(type)) m_polyTool.SetEdgeMode(CPolyParamTool::EDGE_ARC_C_P1P2);
      if (CClassMemb::IsGeometryArea(type)) m_polyTool.SetEdgeMode(CPolyParamTool::EDGE_ARC_P1_C_P2);
      break;
    default: m_polyTool.SetEdgeMode(CPolyParamTool::EDGE_ARC_3P); break;
  }
}

void CCreateMembDlg2::ChangeToNextMethod() {
  const int type = GetMembType();
  int next = GetCurMethod() + 1;
  if (next > kMethodListSize) next = 1;
  int method = METHOD_1PICK;
  if (type == 206) {
    method = METHOD_2PONT;
  } else if (type == 205) {
    if (next == 6) next = 7;
    for (const MethodButton& b : kSbMethodButtons)
      if (b.method >= next && IsEnabled(this, b.id)) {
        method = b.method;
        break;
      }
  } else {
    BOOL found = FALSE;
    if (next == 3) {
      if (IsEnabled(this, IDC_CM_SB_METHOD_2MEMB)) {
        method = METHOD_2MEMB;
        found = TRUE;
      }
      next = 4;
    }
    for (const MethodButton& b : kMethodButtons) {
      if (found) break;
      const int m = b.method == 0 ? METHOD_CURV : b.method;
      if (m >= next && IsEnabled(this, b.id)) {
        method = b.method == 0 ? (CClassMemb::IsGeometryArea(type) ? METHOD_CURV_AREA : METHOD_CURV) : b.method;
        found = TRUE;
      }
    }
  }
  SetCurMethod(method);
  OnChangeMembTypeMethod();
}

// ---- Member types -----------------------------------------------------------------------

void CCreateMembDlg2::ChangeToNextMemberType() {
  const int n = m_cbMembType.m_hWnd ? m_cbMembType.GetCount() : 0;
  if (n <= 0) return;
  const int next = (m_cbMembType.GetCurSel() + 1) % n;
  ChangeMembType((int)m_cbMembType.GetItemData(next));
}

void CCreateMembDlg2::ChangeMembType(int nType) {
  CDlgUtil::CobxSetCurSelItemData(&m_cbMembType, (DWORD_PTR)nType);
  OnSelchangeMembTypeCmb();
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  if (frame && IsPerspectiveViewMode() && frame->IsToolbarButtonChecked(I_MainFrameBase::ID_PERSPECTIVE))
    frame->SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, FALSE);
}

LRESULT CCreateMembDlg2::OnUpdateViewMode(WPARAM, LPARAM) {
  ReCalcLayout(GetMembType());
  return 0;
}

// ---- Layout -----------------------------------------------------------------------------

void CCreateMembDlg2::ReCalcLayout(int nType) {
  if (!m_hWnd || GetBraceType() < 0) return;
  const int method = GetCurMethod();
  const int brace = GetBraceType();
  std::array<BOOL, G_COUNT> show{};
  show[G_METHOD] = TRUE;
  // The common method buttons and whether each stays enabled.
  struct Button {
    UINT id;
    BOOL on;
  };
  Button buttons[] = {{IDC_CM_METHOD_1PICK, TRUE}, {IDC_CM_METHOD_2PONT, TRUE}, {IDC_CM_METHOD_AXIS, TRUE},
                      {IDC_CM_METHOD_WND1, TRUE},  {IDC_CM_METHOD_WND2, TRUE},  {IDC_CM_METHOD_CURV, TRUE}};
  auto disable = [&](std::initializer_list<UINT> ids) {
    for (Button& b : buttons)
      if (std::find(ids.begin(), ids.end(), b.id) != ids.end()) b.on = FALSE;
  };
  BOOL betaAuto = FALSE;
  BOOL canti = FALSE;
  const BOOL slope = CDlgUtil::CtrlRadioGetCheck(this, Ids(kStairKinds)) == kStairSlope;

  switch (nType) {
    case 100:
      show[G_COORD] = TRUE;
      disable({IDC_CM_METHOD_2PONT, IDC_CM_METHOD_CURV});
      break;
    case 101:
      show[G_SECT] = show[G_BETA] = TRUE;
      disable({IDC_CM_METHOD_CURV});
      betaAuto = method == METHOD_1PICK || method == METHOD_AXIS || method == METHOD_WND1 || method == METHOD_WND2;
      break;
    case 201: show[G_SECT] = show[G_RELEASE] = show[G_CURVE] = TRUE; break;
    case 205:
      show[G_SECT] = show[G_RELEASE] = show[G_BEAM_COUNT] = show[G_CURVE] = TRUE;
      show[G_METHOD] = FALSE;
      show[G_SB_METHOD] = TRUE;
      break;
    case 202: show[G_THIK] = show[G_CURVE] = TRUE; break;
    case 200: show[G_CURVE] = TRUE; break;
    case 206:
      show[G_SECT] = show[G_BRACE] = TRUE;
      show[G_ECC] = brace == kBraceEight;
      disable({IDC_CM_METHOD_AXIS, IDC_CM_METHOD_WND1, IDC_CM_METHOD_WND2, IDC_CM_METHOD_CURV});
      if (brace == kBraceFree) disable({IDC_CM_METHOD_1PICK});
      break;
    case 301:
      show[G_THIK] = show[G_SLAB_GEN] = show[G_SLAB_KIND] = show[G_CURVE] = TRUE;
      canti = method == METHOD_1PICK || method == METHOD_WND1 || method == METHOD_WND2;
      disable({IDC_CM_METHOD_AXIS});
      break;
    case 302:
      show[G_CURVE] = TRUE;
      disable({IDC_CM_METHOD_AXIS});
      break;
    case 305:
      show[G_THIK] = show[G_CURVE] = TRUE;
      disable({IDC_CM_METHOD_1PICK, IDC_CM_METHOD_AXIS});
      break;
    case 306:
      show[G_STAIR] = show[G_CURVE] = TRUE;
      disable({IDC_CM_METHOD_AXIS});
      if (slope) disable({IDC_CM_METHOD_1PICK, IDC_CM_METHOD_2PONT, IDC_CM_METHOD_WND1, IDC_CM_METHOD_WND2});
      break;
    default: break;
  }
  if (method != METHOD_CURV && method != METHOD_CURV_AREA) show[G_CURVE] = FALSE;
  show[G_CANTI] = canti;

  // In a perspective view nothing is placed by axis, window or enclosing polygon, and only
  // points and columns by one pick; the secondary beams' own buttons follow the same rule.
  const BOOL persp = IsPerspectiveViewMode();
  if (persp) {
    disable({IDC_CM_METHOD_AXIS, IDC_CM_METHOD_WND1, IDC_CM_METHOD_WND2});
    if (nType != 100 && nType != 101) disable({IDC_CM_METHOD_1PICK});
  }

  // Stack the groups below the member type.
  CRect rc;
  GetDlgItem(IDC_CM_MEMB_TYPE)->GetWindowRect(&rc);
  const int gap = show[G_STAIR] ? 2 * kLayoutGap : kLayoutGap;
  for (Group g : {G_STAIR, G_SECT, G_THIK, G_SLAB_KIND, G_COORD, G_BETA, G_RELEASE, G_BRACE, G_ECC, G_BEAM_COUNT})
    if (show[g]) m_groups[g].SetCtrlsPosAfter(this, rc, gap, TRUE);
  CRect copy = rc;
  if (show[G_METHOD]) m_groups[G_METHOD].SetCtrlsPosAfter(this, rc, gap, TRUE);
  if (show[G_SB_METHOD]) m_groups[G_SB_METHOD].SetCtrlsPosAfter(this, copy, gap, TRUE);
  if (show[G_SLAB_GEN]) m_groups[G_SLAB_GEN].SetCtrlsPosAfter(this, rc, gap, TRUE);
  if (show[G_CURVE]) m_groups[G_CURVE].SetCtrlsPosAfter(this, show[G_SB_METHOD] ? copy : rc, gap, TRUE);
  if (show[G_CANTI]) m_groups[G_CANTI].SetCtrlsPosAfter(this, rc, gap, TRUE);

  // Show what was decided; the method groups are enabled exactly while shown, the
  // cantilever's contents only show while its box is checked.
  for (int g = 0; g < G_COUNT; ++g)
    if (g != G_CANTI) m_groups[(size_t)g].Show(this, show[(size_t)g]);
  m_groups[G_METHOD].Enable(this, show[G_METHOD]);
  m_groups[G_SB_METHOD].Enable(this, show[G_SB_METHOD]);
  m_groups[G_CANTI].Show(this, canti && IsCantileverChecked());
  if (CWnd* box = GetDlgItem(IDC_CM_CANTI)) box->ShowWindow(canti ? SW_SHOW : SW_HIDE);

  GetDlgItem(IDC_CM_BETA_AUTO)->EnableWindow(betaAuto);
  for (const Button& b : buttons) GetDlgItem((int)b.id)->EnableWindow(b.on);
  if (persp && show[G_SB_METHOD]) {
    CDlgUtil::CtrlEnableDisable(this, {IDC_CM_SB_METHOD_AXIS, IDC_CM_SB_METHOD_WND1}, FALSE);
    CDlgUtil::CtrlEnableDisable(this, {IDC_CM_SB_METHOD_1PICK}, FALSE);
  }
  GetDlgItem(IDC_CM_CURVE_LINE)->EnableWindow(method == METHOD_CURV_AREA);
  GetDlgItem(IDC_CM_BEAM_COUNT)->EnableWindow(nType == 205 && method == METHOD_2MEMB);

  CDlgUtil::CtrlRadioSetCheck(this, Ids(kCurveKinds), show[G_STAIR] || show[G_SLAB_KIND] ? 0 : 3);
  if (method == METHOD_CURV || method == METHOD_CURV_AREA) SetEdgeModeOnCurvMethod();

  // The stair's details.
  const BOOL user = IsDlgButtonChecked(IDC_CM_STAIR_EQ_USER) == BST_CHECKED;
  if (show[G_STAIR]) {
    if (slope) {
      CDlgUtil::CtrlEnableDisable(
          this, {IDC_CM_STAIR_WIDTH_LABEL, IDC_CM_STAIR_WIDTH, IDC_CM_STAIR_HEIGHT_LABEL, IDC_CM_STAIR_HEIGHT}, !user);
      CDlgUtil::CtrlEnableDisable(this, {IDC_CM_STAIR_EQ_LABEL, IDC_CM_STAIR_EQ, IDC_CM_STAIR_EQ_UNIT, IDC_CM_STAIR_EQ_USER},
                                  TRUE);
      CDlgUtil::CtrlEnableDisable(this, {IDC_CM_CURVE_ARC_CENTER, IDC_CM_CURVE_ARC_3P}, FALSE);
    } else {
      CDlgUtil::CtrlEnableDisable(this,
                                  {IDC_CM_STAIR_WIDTH_LABEL, IDC_CM_STAIR_WIDTH, IDC_CM_STAIR_HEIGHT_LABEL,
                                   IDC_CM_STAIR_HEIGHT, IDC_CM_STAIR_STEP_LABEL, IDC_CM_STAIR_EQ_LABEL,
                                   IDC_CM_STAIR_EQ, IDC_CM_STAIR_EQ_UNIT, IDC_CM_STAIR_EQ_USER},
                                  FALSE);
      CDlgUtil::CtrlEnableDisable(this, {IDC_CM_CURVE_ARC_CENTER, IDC_CM_CURVE_ARC_3P}, TRUE);
    }
    m_edStairEq.SetReadOnly(!user);
  } else {
    CDlgUtil::CtrlEnableDisable(this, {IDC_CM_CURVE_ARC_CENTER, IDC_CM_CURVE_ARC_3P}, TRUE);
  }

  // Texts of line and area types.
  const BOOL area = CClassMemb::IsGeometryArea(nType);
  struct Text {
    UINT id;
    const char* areaKey;
    const char* lineKey;
  };
  static const Text kTexts[] = {
      {IDC_CM_CURVE_BOX, "IDS_CMD_CREATEMEMBDLG_LINE_TYPE", "IDS_CMD_CREATEMEMBDLG_ARC_TYPE"},
      {IDC_CM_METHOD_CURV, "IDS_CMD_CREATEMEMBDLG_PL", "IDS_CMD_CREATEMEMBDLG_ARC"},
      {IDC_CM_CURVE_ARC_CENTER, "IDS_CMD_CREATEMEMBDLG_ARC_P1_CENTER_P2", "IDS_CMD_CREATEMEMBDLG_ARC_CENTER_P1_P2"},
  };
  for (const Text& t : kTexts) SetDlgItemText((int)t.id, CMsgDll::pfuncLoadStr(area ? t.areaKey : t.lineKey, 0));

  ResizeDlgToCompact();
}

void CCreateMembDlg2::ResizeDlgToCompact() {
  auto visible = [&](UINT id) {
    CWnd* c = GetDlgItem((int)id);
    return c && c->IsWindowVisible();
  };
  Group last = G_METHOD;
  if (visible(IDC_CM_CURVE_BOX))
    last = G_CURVE;
  else if (visible(IDC_CM_CANTI))
    last = G_CANTI;
  else if (visible(IDC_CM_SLAB_AUTO))
    last = G_SLAB_GEN;
  else if (visible(IDC_CM_SB_METHOD_2PONT))
    last = G_SB_METHOD;
  CRect area;
  if (last == G_CANTI && !IsCantileverChecked()) {
    // A folded box: its check box is all that shows.
    GetDlgItem(IDC_CM_CANTI)->GetWindowRect(&area);
  } else {
    area = m_groups[last].GetScreenArea();
  }
  CRect r;
  GetWindowRect(&r);
  MoveWindow(r.left, r.top, r.Width(), area.bottom + 10 - r.top, TRUE);
}

int CCreateMembDlg2::GetBraceType() const {
  if (!m_bControlsReady || !m_cbBraceType.m_hWnd) return -1;
  const int sel = m_cbBraceType.GetCurSel();
  return sel < 0 ? -1 : (int)m_cbBraceType.GetItemData(sel);
}

int CCreateMembDlg2::GetCurveKind(int def) const {
  CUIntArray ids = Ids(kCurveKinds);
  const int i = CDlgUtil::CtrlRadioGetCheck(const_cast<CCreateMembDlg2*>(this), ids);
  return i < 0 ? def : i;
}

BOOL CCreateMembDlg2::IsCantileverChecked() const { return m_fgCanti.m_hWnd && m_fgCanti.IsChecked(); }

void CCreateMembDlg2::OnSelchangeBraceTypeCmb() {
  if (GetBraceType() < 0) return;
  for (auto& [t, m] : m_methods)
    if (t == 206) m = METHOD_2PONT;
  if (GetMembType() == 206) OnChangeMembTypeMethod();
}
