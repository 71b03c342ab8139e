// The creation requests: the records built from the tool's options, which operation a
// complete input runs for the member type and method, and each operation's one call of
// the modeller. The tool computes no geometry here.
#include "afx/AfxMessageBox.h"
#include "afx/CWaitCursor.h"
#include "creation/CCreateMembDlg2.h"
#include "creation/CreateMembTables.h"
#include "db/CClassMemb.h"
#include "db/CClassStor.h"
#include "db/CClassTrln.h"
#include "db/CDBDoc.h"
#include "db/CModeler2.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"

namespace {

CPoint3DArray ToPoint3D(const std::vector<T_MEMBDLG_3DPOINT>& points) {
  CPoint3DArray a;
  for (const T_MEMBDLG_3DPOINT& p : points) a.Add(T_POINT3D{p.x, p.y, p.z});
  return a;
}

CPoint3DArray Three(const T_POINT3D& a, const T_POINT3D& b, const T_POINT3D& c) {
  CPoint3DArray r;
  r.Add(a);
  r.Add(b);
  r.Add(c);
  return r;
}

BOOL IsLineWorkType(int type) { return type == 200 || type == 201 || type == 202 || type == 205; }
BOOL IsAreaWorkType(int type) { return type == 301 || type == 302 || type == 305 || type == 306; }

}  // namespace

// ---- Records ----------------------------------------------------------------------------------

BOOL CCreateMembDlg2::MakeParamMemb4Modeler2(T_MODELER2_PARAM_MEMB& memb) const {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  if (!db || !db->GetClass(CClassMemb::m_nClassID)) return FALSE;
  const int mode = GetCurrentViewEditMode();
  if (mode < 0 || mode > 2) return FALSE;
  const int brace = GetBraceType();
  if (brace < 0) return FALSE;
  double e1 = 0.0, e2 = 0.0;
  if (brace == 6) {
    m_edE1.GetEditValue(e1);
    m_edE2.GetEditValue(e2);
  }
  int type = GetMembType();
  int release = 1;
  if (CClassMemb::IsBeam(type)) {
    const int sel = m_cbRelease.GetCurSel();
    if (sel >= 0) release = (int)m_cbRelease.GetItemData(sel);
  }
  memb.mode = mode;
  memb.optA = 0;
  memb.name = "";
  memb.beta = GetBetaAngle();
  memb.betaAuto = IsBetaAngleAuto() ? 1 : 0;
  if (CClassMemb::IsThicknessType(type) && type != 306)
    memb.key = GetThikKey();
  else if (CClassMemb::IsSectionType(type))
    memb.key = GetSectKey();
  memb.optC = 0;
  memb.tension = GetTensionOnly() ? 1 : 0;
  memb.bending = GetConsiderBending() ? 1 : 0;
  memb.braceOpt = 0;
  memb.braceType = brace;
  memb.cross = GetFrameIntersectType() ? 1 : 0;
  memb.over = GetStoryOver() ? 1 : 0;
  memb.e1 = e1;
  memb.e2 = e2;
  memb.optD = 0;
  memb.release = release;
  memb.optE = 0;
  memb.optF = 1;
  CWnd* self = const_cast<CCreateMembDlg2*>(this);
  if (type == 306) {
    if (CDlgUtil::CtrlRadioGetCheck(self, {IDC_CM_STAIR_SLOPE, IDC_CM_STAIR_LANDING}) == 1) type = 307;
    memb.key = m_cbStairThik.GetSelectedThik();
    m_edStairWidth.GetEditValue(memb.stairW);
    m_edStairHeight.GetEditValue(memb.stairH);
    m_edStairEq.GetEditValue(memb.stairT);
    memb.stairUser = IsDlgButtonChecked(IDC_CM_STAIR_EQ_USER) == BST_CHECKED ? 1 : 0;
  } else if (type == 301) {
    if (CDlgUtil::CtrlRadioGetCheck(self, {IDC_CM_SLAB_KIND_SLAB, IDC_CM_SLAB_KIND_ROOF}) == 1) type = 308;
  }
  memb.type = type;
  return TRUE;
}

BOOL CCreateMembDlg2::MakeParamPont4Modeler2(T_MODELER2_PARAM_PONT& pont) const {
  const int mode = GetCurrentViewEditMode();
  if (mode < 0 || mode > 2 || !CModeler2::Instance()) return FALSE;
  pont.mode = mode;
  pont.optA = 0;
  pont.optB = 1;
  pont.optC = 0;
  pont.name = "";
  return TRUE;
}

// ---- Operations --------------------------------------------------------------------------------
// Each builds its record and sends one request; a record that cannot be built sends none.

#define VUR_MEMB_REQUEST(call)                     \
  T_MODELER2_PARAM_MEMB memb;                      \
  CModeler2* modeler = CModeler2::Instance();      \
  if (!modeler || !MakeParamMemb4Modeler2(memb)) \
    return 0;                                      \
  return modeler->call

#define VUR_PONT_REQUEST(call)                     \
  T_MODELER2_PARAM_PONT pont;                      \
  CModeler2* modeler = CModeler2::Instance();      \
  if (!modeler || !MakeParamPont4Modeler2(pont)) \
    return 0;                                      \
  return modeler->call

int CCreateMembDlg2::TR_CreatePoint(const double xyz[3]) {
  int out = 0;
  VUR_PONT_REQUEST(CreatePoint(xyz[0], xyz[1], xyz[2], pont, &out));
}

int CCreateMembDlg2::CreatePointByAxis(const T_MEMBDLG_3DPOINT& pos) {
  CWaitCursor wait;
  const T_MEMBDLG_3DPOINT p = pos;
  VUR_PONT_REQUEST(CreatePointsOnAxis(&p, pont));
}

int CCreateMembDlg2::CreatePointByWnd1(const T_MEMBDLG_3DPOINT&) {
  CWaitCursor wait;
  VUR_PONT_REQUEST(CreatePointsInWindow(ToPoint3D(m_inputPoints), pont));
}

int CCreateMembDlg2::CreatePointByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points) {
  CWaitCursor wait;
  VUR_PONT_REQUEST(CreatePointsInPolygon(ToPoint3D(points), pont));
}

int CCreateMembDlg2::CreateColumnByPos(const T_MEMBDLG_3DPOINT& pos, int nMethod) {
  const T_MEMBDLG_3DPOINT p = pos;
  VUR_MEMB_REQUEST(CreateColumnAtPos(&p, memb, nMethod));
}

int CCreateMembDlg2::CreateColumnByAxis(const T_MEMBDLG_3DPOINT& pos) {
  CWaitCursor wait;
  const T_MEMBDLG_3DPOINT p = pos;
  VUR_MEMB_REQUEST(CreateColumnsOnAxis(&p, memb));
}

int CCreateMembDlg2::CreateColumnByWnd1(const T_MEMBDLG_3DPOINT&) {
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateColumnsInWindow(ToPoint3D(m_inputPoints), memb));
}

int CCreateMembDlg2::CreateColumnByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points) {
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateColumnsInPolygon(ToPoint3D(points), memb));
}

int CCreateMembDlg2::CreateLineTypeMemberBy2Pos(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2, int nFlag,
                                                T_CURV_D* pCurve) {
  const T_MEMBDLG_3DPOINT a = p1, b = p2;
  VUR_MEMB_REQUEST(CreateLineMembBy2Pos(&a, &b, memb, nFlag, pCurve, 0, 0, 0, 0));
}

int CCreateMembDlg2::CreateLineTypeMembBy2Memb(const T_MEMBDLG_3DPOINT&, const CUIntArray& membs, int nCount) {
  VUR_MEMB_REQUEST(CreateLineMembsBetweenMembs(membs, nCount, memb));
}

int CCreateMembDlg2::CreateLineTypeMembBy1Pick(const T_MEMBDLG_3DPOINT& pos) {
  CWaitCursor wait;
  const T_MEMBDLG_3DPOINT p = pos;
  VUR_MEMB_REQUEST(CreateLineMembByPick(&p, memb));
}

int CCreateMembDlg2::CreateLineTypeMemberByAxis(const T_MEMBDLG_3DPOINT& pos) {
  CWaitCursor wait;
  const T_MEMBDLG_3DPOINT p = pos;
  VUR_MEMB_REQUEST(CreateLineMembsOnAxis(&p, memb));
}

int CCreateMembDlg2::CreateLineTypeMembByWnd1(const T_MEMBDLG_3DPOINT&) {
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateLineMembsInWindow(ToPoint3D(m_inputPoints), memb));
}

int CCreateMembDlg2::CreateLineTypeMembByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points) {
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateLineMembsInPolygon(ToPoint3D(points), memb));
}

int CCreateMembDlg2::CreateAreaTypeMembBy1Pick(const T_MEMBDLG_3DPOINT& pos) {
  const T_MEMBDLG_3DPOINT p = pos;
  VUR_MEMB_REQUEST(CreateAreaMembByPick(&p, memb));
}

int CCreateMembDlg2::CreateAreaTypeMemberBy2Pos(const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2, int nFlag) {
  const T_MEMBDLG_3DPOINT a = p1, b = p2;
  VUR_MEMB_REQUEST(CreateAreaMembBy2Pos(&a, &b, memb, nFlag));
}

int CCreateMembDlg2::CreateAreaTypeMemberByWnd1(const T_MEMBDLG_3DPOINT&) {
  VUR_MEMB_REQUEST(CreateAreaMembsInWindow(ToPoint3D(m_inputPoints), memb));
}

int CCreateMembDlg2::CreateAreaTypeMemberByWnd2(const std::vector<T_MEMBDLG_3DPOINT>& points) {
  VUR_MEMB_REQUEST(CreateAreaMembsInPolygon(ToPoint3D(points), memb));
}

int CCreateMembDlg2::CreateAreaTypeMemberByAutoGen() {
  CUIntArray keys;
  Member_GetCurSelectedKeys(keys);
  VUR_MEMB_REQUEST(CreateAreaMembsOnSelection(keys, memb));
}

int CCreateMembDlg2::CreatePointByAxis(const CUIntArray& keys, double level) {
  CWaitCursor wait;
  VUR_PONT_REQUEST(CreatePointsOnTracingLines(keys, level, pont));
}

int CCreateMembDlg2::CreatePointByWnd1(const CUIntArray& keys, double level) {
  CWaitCursor wait;
  VUR_PONT_REQUEST(CreatePointsInWindowOnTracingLines(keys, level, ToPoint3D(m_inputPoints), pont));
}

int CCreateMembDlg2::CreateColumnByAxis(const CUIntArray& keys, double level) {
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateColumnsOnTracingLines(keys, level, memb));
}

int CCreateMembDlg2::CreateColumnByWnd1(const CUIntArray& keys, double level) {
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateColumnsInWindowOnTracingLines(keys, level, ToPoint3D(m_inputPoints), memb));
}

int CCreateMembDlg2::CreateLineTypeMemberByAxis(const CUIntArray& keys, double level) {
  if (keys.IsEmpty()) return 0;
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateLineMembsOnTracingLines(keys, level, memb));
}

int CCreateMembDlg2::CreateLineTypeMembByWnd1(const CUIntArray& keys, double level) {
  CWaitCursor wait;
  VUR_MEMB_REQUEST(CreateLineMembsInWindowOnTracingLines(keys, level, memb));
}

int CCreateMembDlg2::CreateLineTypeMembBy3P(const CPoint3DArray& points) {
  VUR_MEMB_REQUEST(CreateArcMembBy3Points(points, memb));
}

int CCreateMembDlg2::CreateLineTypeMembBy1C2P(const CPoint3DArray& points) {
  CLineGArray lines;
  if (m_polyTool.GetLines(lines) != 1) return 0;
  VUR_MEMB_REQUEST(CreateArcMembByCenter(points, lines, memb));
}

int CCreateMembDlg2::CreateAreaTypeMemberByLineList(const CLineGArray& lines, int nFlag) {
  if (GetInputMethod() != METHOD_CURV_AREA) return 0;
  VUR_MEMB_REQUEST(CreateAreaMembByLines(lines, memb, nFlag));
}

int CCreateMembDlg2::CreateAreaTypeMemberByPosList(const std::vector<T_MEMBDLG_3DPOINT>& points, int nFlag) {
  VUR_MEMB_REQUEST(CreateAreaMembByPosList(ToPoint3D(points), memb, nFlag));
}

int CCreateMembDlg2::CreateAreaTypeMemberByPontKList(const CUIntArray& keys, const CUIntArray* pKeys2) {
  VUR_MEMB_REQUEST(CreateAreaMembByPointKeys(keys, memb, pKeys2, 0));
}

int CCreateMembDlg2::TR_CreateAreaTypeMemb(const CUIntArray& keys, const CUIntArray* pKeys2) {
  VUR_MEMB_REQUEST(CreateAreaMembOnPoints(keys, memb, pKeys2, 0));
}

int CCreateMembDlg2::TR_CreateLineTypeMemb(const CUIntArray& keys, T_CURV_D* pCurve, const CPoint2DArray* pPoints2D) {
  const INT_PTR n = keys.GetSize();
  if (n != 2 && (!pPoints2D || n != pPoints2D->GetSize())) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MC_ERROR_Point_Num_Invalid_In_Area", 0), 0, 0);
    return 0;
  }
  if (n >= 2 && keys[0] == keys[1]) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MC_ERROR_Two_Point_Same", 0), 0, 0);
    return 0;
  }
  VUR_MEMB_REQUEST(CreateLineMembOnPoints(keys, memb, pCurve, pPoints2D));
}

#undef VUR_MEMB_REQUEST
#undef VUR_PONT_REQUEST

void CCreateMembDlg2::OnBnClickedSlabAutoGen() {
  CWaitCursor wait;
  CreateAreaTypeMemberByAutoGen();
}

int CCreateMembDlg2::CreateProcessWithSelectedTrLine() {
  CUIntArray keys;
  TracingLine_GetCurSelectedKeys(keys);
  UnSelectAll();
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  const auto* stor = db ? static_cast<const CClassStor*>(db->GetClass(CClassStor::m_nClassID)) : nullptr;
  if (!IsUseTracingLineMode() || !stor || !stor->GetCurStor()) return 0;
  const double level = GetCurStoryLevel();
  const int type = GetMembType();
  if (type != 200) {
    const auto* dmln = static_cast<const CClassDmln*>(db->GetClass(CClassDmln::m_nClassID));
    for (INT_PTR i = keys.GetSize() - 1; i >= 0; --i) {
      T_DMLN_D seg;
      if (!dmln || !dmln->Get(keys[i], seg)) return 0;
      if (seg.kind != 1) keys.RemoveAt(i);
    }
  }
  const int method = GetCurMethod();
  if (method == METHOD_AXIS || method == METHOD_WND1) {
    const bool axis = method == METHOD_AXIS;
    if (type == 100) axis ? CreatePointByAxis(keys, level) : CreatePointByWnd1(keys, level);
    if (type == 101) axis ? CreateColumnByAxis(keys, level) : CreateColumnByWnd1(keys, level);
    if (IsLineWorkType(type)) axis ? CreateLineTypeMemberByAxis(keys, level) : CreateLineTypeMembByWnd1(keys, level);
    return 1;
  }
  return method == METHOD_1PICK || method == METHOD_WND2 ? 1 : 0;
}

// ---- Dispatch ---------------------------------------------------------------------------------

BOOL CCreateMembDlg2::CurveRequest() {
  CLineGArray lines;
  if (m_polyTool.GetLines(lines) != 1) return FALSE;
  const T_LINE_G& line = lines[0];
  T_POINT3D mid;
  if (!line.GetLineCenter(mid)) return FALSE;
  switch (GetCurveKind()) {
    case 3: CreateLineTypeMembBy3P(Three(line.start, mid, line.end)); break;
    case 2: CreateLineTypeMembBy1C2P(Three(line.centre, line.start, line.end)); break;
    case CreateMembTables::kCurvePickMember:
      if (m_polyTool.GetLines(lines) == 1)
        CreateLineTypeMembBy1C2P(Three(lines[0].centre, lines[0].start, lines[0].end));
      break;
    default: return FALSE;
  }
  m_polyTool.Reset();
  m_nLastPickedMemb = 0;
  return TRUE;
}

BOOL CCreateMembDlg2::DispatchPress(const T_MEMBDLG_3DPOINT& pos, int nCount) {
  const int type = GetMembType();
  const int method = GetCurMethod();
  const BOOL full = IsFullInputPoint();
  const BOOL two = full && m_inputPoints.size() == 2;
  const BOOL persp = IsPerspectiveViewMode();
  const BOOL canti = IsCantileverChecked();
  if (type == 100) {
    if (method == METHOD_1PICK) CreatePointFromCoordEdit();
    if (method == METHOD_AXIS && !persp) CreatePointByAxis(pos);
    if (method == METHOD_WND1 && !persp && full) CreatePointByWnd1(pos);
    if (method == METHOD_WND2 && full) CreatePointByWnd2(m_inputPoints);
  } else if (type == 101) {
    if (method == METHOD_1PICK) CreateColumnByPos(pos, 1);
    if (method == METHOD_2PONT && two) CreateLineTypeMemberBy2Pos(m_inputPoints[0], m_inputPoints[1], 1, nullptr);
    if (method == METHOD_AXIS && !persp) CreateColumnByAxis(pos);
    if (method == METHOD_WND1 && !persp && full) CreateColumnByWnd1(pos);
    if (method == METHOD_WND2 && full) CreateColumnByWnd2(m_inputPoints);
  } else if (IsLineWorkType(type)) {
    if (method == METHOD_1PICK) CreateLineTypeMembBy1Pick(pos);
    if (method == METHOD_2PONT && two) CreateLineTypeMemberBy2Pos(m_inputPoints[0], m_inputPoints[1], 1, nullptr);
    if (method == METHOD_2MEMB && IsFullInputMemb()) CreateLineTypeMembBy2Memb(pos, m_inputMembs, nCount);
    if (method == METHOD_AXIS && !persp) CreateLineTypeMemberByAxis(pos);
    if (method == METHOD_WND1 && full) CreateLineTypeMembByWnd1(pos);
    if (method == METHOD_WND2 && full) CreateLineTypeMembByWnd2(m_inputPoints);
    if (method == METHOD_CURV && m_polyTool.IsFinished()) return CurveRequest();
  } else if (type == 206) {
    if (method == METHOD_1PICK) CreateLineTypeMembBy1Pick(pos);
    if (method == METHOD_2PONT && two) CreateBraceTypeMemberBy2Pos(m_inputPoints[0], m_inputPoints[1], 1);
  } else if (IsAreaWorkType(type)) {
    const BOOL cantiSlab = type == 301 && canti;  // cantilever slabs have requests of their own
    if (method == METHOD_1PICK && cantiSlab && IsFullInputMemb()) CreateCantileverSlabByMemb(m_inputMembs);
    if (method == METHOD_1PICK && !cantiSlab) CreateAreaTypeMembBy1Pick(pos);
    if (method == METHOD_2PONT && two) CreateAreaTypeMemberBy2Pos(m_inputPoints[0], m_inputPoints[1], 1);
    if (method == METHOD_WND1 && full) cantiSlab ? CreateCantileverSlabByWnd1(pos) : CreateAreaTypeMemberByWnd1(pos);
    if (method == METHOD_WND2 && full)
      cantiSlab ? CreateCantileverSlabByWnd2(m_inputPoints) : CreateAreaTypeMemberByWnd2(m_inputPoints);
    CLineGArray lines;
    if (method == METHOD_CURV_AREA && full && m_polyTool.GetLines(lines) >= 2) CreateAreaTypeMemberByLineList(lines, 1);
  }
  return TRUE;
}

void CCreateMembDlg2::DispatchPolygon() {
  const int type = GetMembType();
  if (type == 100) CreatePointByWnd2(m_inputPoints);
  if (type == 101) CreateColumnByWnd2(m_inputPoints);
  if (IsLineWorkType(type)) CreateLineTypeMembByWnd2(m_inputPoints);
  if (type == 301 && IsCantileverChecked())
    CreateCantileverSlabByWnd2(m_inputPoints);
  else if (type == 301 || type == 302 || type == 305)
    CreateAreaTypeMemberByWnd2(m_inputPoints);
}
