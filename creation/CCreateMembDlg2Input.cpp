// The tool as the view's handler: presses, double-clicks and moves turned into the input
// lists, the ortho rule and the rubber band. The requests a complete input sends are in
// CCreateMembDlg2Request.cpp.
#include <cmath>
#include "afx/AfxMessageBox.h"
#include "creation/CCreateMembDlg2.h"
#include "creation/CreateMembTables.h"
#include "db/CClassMemb.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "levels/CLevelOperUtil.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"
#include "view/CParamTool.h"
#include "view/CStrParser.h"
#include "view/I_ModelBase.h"

namespace {

const CClassMemb* MembTable() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<const CClassMemb*>(db->GetClass(CClassMemb::m_nClassID)) : nullptr;
}

// The snapped member when it is a beam kind, else 0.
UINT SnappedBeam(const I_ViewEventHandlerItem& h) {
  char kind = 0;
  UINT key = 0;
  int type = 0;
  const CClassMemb* memb = MembTable();
  if (!memb || !h.GetSnappedObjectKey(kind, key) || kind != 'm' || !memb->GetMembType(key, type)) return 0;
  return CClassMemb::IsBeam(type) ? key : 0;
}

template <class T>
const T* Table() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<const T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

// Lengths of the coordinate edit are in the current unit.
double LengthOut(double v) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? doc->GetUnitCtrl()->ConvertOut(UNIT_LENGTH, v) : v;
}
double LengthIn(double v) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? doc->GetUnitCtrl()->ConvertIn(UNIT_LENGTH, v) : v;
}

const int kOrthoState = 501;

BOOL IsAreaSlabType(int type) { return type == 301 || type == 302 || type == 305 || type == 306; }
BOOL IsPolyMethod(int method) { return method == METHOD_CURV || method == METHOD_CURV_AREA; }

}  // namespace

// ---- Positions ----------------------------------------------------------------------------

BOOL CCreateMembDlg2::GetMousePosGcs3D(T_MEMBDLG_3DPOINT& pos) const {
  double ux, uy, uz, gx, gy, gz;
  if (!GetUcsGcsMousePos(ux, uy, uz, gx, gy, gz)) return FALSE;
  if (UINT beam = SnappedBeam(*this)) {
    CPoint3DArray points;
    if (!MembTable()->GetPontDList3D(beam, points, 0) || points.GetSize() < 2) return FALSE;
    T_POINT3D centre;
    if (std::fabs(points[0].z - points[1].z) < CLevelOperUtil::GetLevelTolerance() &&
        MembTable()->calcCenterMemb(beam, centre))
      gz = centre.z;
  }
  pos.x = gx, pos.y = gy, pos.z = gz;
  return TRUE;
}

BOOL CCreateMembDlg2::GetMousePosUcs3D(T_MEMBDLG_3DPOINT& pos) const {
  double ux, uy, uz, gx, gy, gz;
  if (!GetUcsGcsMousePos(ux, uy, uz, gx, gy, gz)) return FALSE;
  if (UINT beam = SnappedBeam(*this)) {
    CArray<T_PONT_D> points;
    if (!MembTable()->GetPontDList(beam, points, 0) || points.GetSize() < 1) return FALSE;
    const I_ModelBase* view = I_ModelBase::GetCurMySelfST();
    uz = (points[points.GetSize() - 1].z + points[0].z) * 0.5 + (view ? view->GetLevelOffset() : 0.0);
  }
  pos.x = ux, pos.y = uy, pos.z = uz;
  return TRUE;
}

void CCreateMembDlg2::SetMousePos_ByOrthoMode(T_MEMBDLG_3DPOINT& pos) const {
  const int method = GetCurMethod();
  const int type = GetMembType();
  if (method == METHOD_AXIS || method == METHOD_WND1 || method == METHOD_WND2 || method == METHOD_CURV) return;
  if (method == METHOD_2PONT && (type == 301 || type == 306)) return;
  // The previous point: for a polyline the band's vertex before the mouse.
  T_MEMBDLG_3DPOINT q;
  if (method == METHOD_CURV_AREA) {
    CArray<double> band;
    if (!m_polyTool.GetRubBandInfo(band, pos) || band.GetSize() < 6) return;
    const INT_PTR i = band.GetSize() - 6;
    q.x = band[i], q.y = band[i + 1], q.z = band[i + 2];
  } else {
    if (m_inputPoints.empty()) return;
    q = m_inputPoints.back();
  }
  const double dx = std::fabs(pos.x - q.x), dy = std::fabs(pos.y - q.y), dz = std::fabs(pos.z - q.z);
  const double lead = dx > dy ? dx : dy;
  if (dz > lead) {
    pos.x = q.x, pos.y = q.y;  // along z
  } else if (dx > dy) {
    pos.y = q.y, pos.z = q.z;  // along x
  } else {
    pos.x = q.x, pos.z = q.z;  // along y: ties favour y
  }
}

BOOL CCreateMembDlg2::IsNeedRubBand() const {
  if (IsPolyMethod(GetCurMethod())) return m_polyTool.IsNeedRubBand();
  return !m_inputPoints.empty();
}

BOOL CCreateMembDlg2::GetRubBandInfo(CArray<double>& band, const T_MEMBDLG_3DPOINT& pos) const {
  band.RemoveAll();
  const int method = GetCurMethod();
  if (IsPolyMethod(method)) return m_polyTool.GetRubBandInfo(band, pos);
  if (m_inputPoints.empty()) return FALSE;
  auto add = [&band](double x, double y, double z) { band.Add(x), band.Add(y), band.Add(z); };
  if ((method == METHOD_2PONT && IsAreaSlabType(GetMembType())) || method == METHOD_WND1) {
    if (m_inputPoints.size() != 1) return FALSE;
    const T_MEMBDLG_3DPOINT& p = m_inputPoints[0];
    add(p.x, p.y, p.z);
    if (p.x != pos.x && p.y != pos.y) {
      add(p.x, pos.y, pos.z);
      add(pos.x, pos.y, pos.z);
      add(pos.x, p.y, p.z);
      add(p.x, p.y, p.z);
    } else {
      add(pos.x, pos.y, pos.z);
    }
    return TRUE;
  }
  for (const T_MEMBDLG_3DPOINT& p : m_inputPoints) add(p.x, p.y, p.z);
  add(pos.x, pos.y, pos.z);
  if (method == METHOD_WND2 && m_inputPoints.size() > 1) add(m_inputPoints[0].x, m_inputPoints[0].y, m_inputPoints[0].z);
  return TRUE;
}

// ---- Input lists ----------------------------------------------------------------------------

void CCreateMembDlg2::UpdateInputPoint(const T_MEMBDLG_3DPOINT& pos) {
  int count = 0;
  switch (GetCurMethod()) {
    case METHOD_1PICK:
    case METHOD_AXIS: count = 1; break;
    case METHOD_2PONT:
    case METHOD_WND1: count = 2; break;
    case METHOD_WND2: count = 10000; break;
    case METHOD_CURV:
    case METHOD_CURV_AREA:
      if (GetCurveKind() != CreateMembTables::kCurvePickMember) m_polyTool.PushPoint(pos);
      return;
    default: return;
  }
  m_nInputPointCount = count;
  if ((int)m_inputPoints.size() >= count) return;
  const T_MEMBDLG_3DPOINT& first = m_inputPoints.empty() ? pos : m_inputPoints[0];
  const bool atFirst = std::fabs(pos.x - first.x) <= 1e-10 && std::fabs(pos.y - first.y) <= 1e-10 &&
                       std::fabs(pos.z - first.z) <= 1e-10;
  if (m_inputPoints.size() >= 2 && atFirst) {
    // Back at the first point: a polygon closes with three points or more; with two the
    // press is ignored.
    if (m_inputPoints.size() >= 3) m_nInputPointCount = (int)m_inputPoints.size();
    return;
  }
  m_inputPoints.push_back(pos);
}

void CCreateMembDlg2::UpdateInputMemb() {
  const int method = GetCurMethod();
  const int type = GetMembType();
  const BOOL canti = method == METHOD_1PICK && type == 301 && IsCantileverChecked();
  if (canti)
    m_nInputMembCount = 1;
  else if (method == METHOD_2MEMB)
    m_nInputMembCount = 2;
  else if (!IsPolyMethod(method))
    return;
  char kind = 0;
  UINT key = 0;
  if (!IsExistSnappedObject() || !GetSnappedObjectKey(kind, key) || kind != 'm') return;
  if (key == m_nLastPickedMemb && !canti) return;
  // A pair is two different members.
  for (UINT k : m_inputMembs)
    if (k == key && !canti) return;
  const CClassMemb* memb = MembTable();
  int membType = 0;
  if (!memb || !memb->GetMembType(key, membType)) return;
  if (canti && membType != 201 && membType != 202 && membType != 205) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_BEAM_WALL_MUST_SELECTED", 0), 0, 0);
    return;
  }
  if (!CClassMemb::IsGeometryLine(membType)) return;
  if (IsPolyMethod(method)) {
    if (GetCurveKind() == CreateMembTables::kCurvePickMember) AddInputMembForCurv(key);
  } else if (m_inputMembs.GetSize() < m_nInputMembCount) {
    m_inputMembs.Add(key);
  }
  m_nLastPickedMemb = key;
}

void CCreateMembDlg2::AddInputMembForCurv(UINT nMembKey) {
  const CClassMemb* memb = MembTable();
  const CClassStor* stor = Table<CClassStor>();
  if (!memb || !stor) return;
  T_MEMB_D rec;
  CArray<T_PONT_D> points;
  T_LINE_G line;
  double top = 0.0;
  if (!memb->Get(nMembKey, rec) || !memb->GetPontDList(nMembKey, points, 0) || points.GetSize() < 2) return;
  const UINT curve = rec.curves.IsEmpty() ? 0 : rec.curves[0];
  if (!memb->GetLineInfo(points[0], points[1], curve, line) || !stor->GetStorTopLevel(rec.storyKey, top)) return;
  line.start.z += top, line.end.z += top, line.centre.z += top;
  m_polyTool.PushLine(line);
}

BOOL CCreateMembDlg2::IsFullInputPoint() const {
  const int method = GetCurMethod();
  if (IsPolyMethod(method)) return m_polyTool.IsFinished();
  return (int)m_inputPoints.size() >= m_nInputPointCount;
}

BOOL CCreateMembDlg2::IsFullInputMemb() const { return m_inputMembs.GetSize() >= m_nInputMembCount; }

void CCreateMembDlg2::EmptyInputPoint() {
  m_inputPoints.clear();
  m_nInputPointCount = -1;
  m_polyTool.Reset();
  m_nLastPickedMemb = 0;
}

void CCreateMembDlg2::EmptyInputMemb() {
  m_inputMembs.RemoveAll();
  m_nInputMembCount = -1;
}

void CCreateMembDlg2::ResetInputPoint() {
  EmptyInputPoint();
  StopRubberBanding();
}

void CCreateMembDlg2::ResetInputMemb() {
  EmptyInputMemb();
  StopRubberBanding();
}

void CCreateMembDlg2::ResetInput() {
  ResetInputPoint();
  ResetInputMemb();
}

// ---- View events ----------------------------------------------------------------------------

BOOL CCreateMembDlg2::OnView_LButtonDown() {
  if (CParamTool::GetPauseState() || !CanGetMousePos()) return FALSE;
  T_MEMBDLG_3DPOINT pos;
  if (!GetMousePosGcs3D(pos)) return FALSE;
  if (IsNeedRubBand()) {
    const I_ModelBase* view = I_ModelBase::GetCurMySelfST();
    if (!view) return FALSE;
    if (view->IsViewStateOn(kOrthoState)) SetMousePos_ByOrthoMode(pos);
  }
  int count = 1;
  if (GetMembType() == 205) {
    CString text;
    if (m_hWnd) GetDlgItemText(IDC_CM_BEAM_COUNT, text);
    if (!CStrParser::GetINumber(text, count) || count < 1) {
      AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MC_ERROR_Invalid_Input", 0), 0, 0);
      if (CWnd* edit = GetDlgItem(IDC_CM_BEAM_COUNT)) edit->SetFocus();
      return FALSE;
    }
  }
  UpdateInputPoint(pos);
  UpdateInputMemb();
  if (!DispatchPress(pos, count)) return TRUE;
  if (IsFullInputPoint()) ResetInputPoint();
  if (IsFullInputMemb()) ResetInputMemb();
  return TRUE;
}

BOOL CCreateMembDlg2::OnView_LButtonDblClk() {
  if (CParamTool::GetPauseState()) return FALSE;
  if (GetCurMethod() == METHOD_CURV_AREA) {
    if (CClassMemb::IsGeometryArea(GetMembType())) {
      m_polyTool.CloseEdge();
      CLineGArray lines;
      if (IsFullInputPoint() && m_polyTool.GetLines(lines) > 1) CreateAreaTypeMemberByLineList(lines, 1);
    }
    ResetInputPoint();
    ResetInputMemb();
    return TRUE;
  }
  if (GetCurMethod() != METHOD_WND2 || m_inputPoints.empty()) return FALSE;
  // A polygon needs three corners; fewer are dropped without a request.
  if (m_inputPoints.size() >= 3) {
    m_nInputPointCount = (int)m_inputPoints.size();
    DispatchPolygon();
  }
  ResetInputPoint();
  ResetInputMemb();
  return TRUE;
}

BOOL CCreateMembDlg2::OnView_MouseMove() {
  if (CParamTool::GetPauseState()) return FALSE;
  T_MEMBDLG_3DPOINT pos;
  if (!GetMousePosGcs3D(pos)) return FALSE;
  if (IsNeedRubBand()) {
    const I_ModelBase* view = I_ModelBase::GetCurMySelfST();
    if (!view) return FALSE;
    if (view->IsViewStateOn(kOrthoState)) SetMousePos_ByOrthoMode(pos);
    CArray<double> band;
    if (GetRubBandInfo(band, pos)) DrawRubberBanding(band);
  }
  T_MEMBDLG_3DPOINT u;
  if (GetMembType() == 100 && m_edCoord.m_hWnd && m_edCoord.IsWindowVisible() && GetMousePosUcs3D(u)) {
    CString text;
    text.Format("%g, %g, %g", LengthOut(u.x), LengthOut(u.y), LengthOut(u.z));
    m_edCoord.SetWindowText(text);
  }
  return TRUE;
}

// ---- Typed coordinates ----------------------------------------------------------------------

LRESULT CCreateMembDlg2::OnKeyDownReturnAtCoordEdit(WPARAM, LPARAM) {
  CString text;
  if (m_edCoord.m_hWnd) m_edCoord.GetWindowText(text);
  double x = 0, y = 0, z = 0;
  if (!CStrParser::GetPosition(text, x, y, z)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MC_ERROR_Coordinate", 0), 0, 0);
    if (m_edCoord.m_hWnd) m_edCoord.SetFocus();
    return 0;
  }
  x = LengthIn(x), y = LengthIn(y), z = LengthIn(z);
  if (!CheckZLevelBoundInCurPlan(z)) {
    if (m_edCoord.m_hWnd) m_edCoord.SetFocus();
    return 0;
  }
  const I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  if (!view) return 0;
  T_MEMBDLG_3DPOINT pos;
  view->ConvertUcsToGcs(x, y, z, pos.x, pos.y, pos.z);
  CreatePointByPos(pos);
  return 0;
}

int CCreateMembDlg2::CreatePointFromCoordEdit() {
  OnKeyDownReturnAtCoordEdit(0, 0);
  return 1;
}

int CCreateMembDlg2::CreatePointByPos(const T_MEMBDLG_3DPOINT& pos) {
  const double xyz[3] = {pos.x, pos.y, pos.z};
  return TR_CreatePoint(xyz);
}

BOOL CCreateMembDlg2::CheckZLevelBoundInCurPlan(double z) const {
  if (GetCurrentViewEditMode() != 1) return TRUE;
  const I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  const double level = z + (view ? view->GetLevelOffset() : 0.0);
  const CClassStor* stor = Table<CClassStor>();
  const CClassPlan* plan = Table<CClassPlan>();
  if (!stor || !plan) return FALSE;
  UINT story = 0;
  const double h = stor->GetMinStoryHeightInPlan(stor->GetCurStor(), story);
  const double tol = CLevelOperUtil::GetLevelTolerance();
  if (-(h + tol) <= level && level <= tol) return TRUE;
  T_STOR_D s;
  T_PLAN_D p;
  CString planName;
  if (stor->Get(story, s) && plan->Get(s.planKey, p)) planName = p.name;
  CString label;
  label.Format("%s(%s)", (LPCTSTR)stor->GetName(story), (LPCTSTR)planName);
  AfxMessageBox(GMakeMsg("IDS_WG_CMD_MC_ERROR_Z_OUT_OF_BOUND_STORY_g_s", level, (LPCTSTR)label), 0, 0);
  return FALSE;
}

BOOL CCreateMembDlg2::On_ViewMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
  if (CParamTool::GetPauseState()) return FALSE;
  const int type = GetMembType();
  if (type == 100 || type == 200) {
    AddWidgetToolTipFirst(GetCurTypeOfWork());
    return TRUE;
  }
  const bool sect = type == 101 || type == 201 || type == 205 || type == 206;
  const bool thik = type == 202 || type == 301 || type == 305;
  if (!sect && !thik) return FALSE;
  CComboBox& combo = sect ? static_cast<CComboBox&>(m_cbSect) : static_cast<CComboBox&>(m_cbThik);
  const int n = combo.m_hWnd ? combo.GetCount() : 0;
  if (n > 1) {
    combo.PostMessage(WM_MOUSEWHEEL, MAKEWPARAM((WORD)nFlags, (WORD)zDelta), (LPARAM)MAKELONG((WORD)pt.x, (WORD)pt.y));
    return TRUE;
  }
  if (n == 0) ResetWidgetToolTips();
  if (sect)
    OnSelchangeSectCmb();
  else
    OnSelchangeThikCmb();
  return TRUE;
}
