// How the tool sets the main toolbar's snap switches for the member type and method, when
// a press may be taken in a perspective view, the perspective switch, the view's selection
// mode, the end of a tracing-line selection, and the tolerance square.
#include "afx/CWinApp.h"
#include "creation/CCreateMembDlg2.h"
#include "creation/CreateMembTables.h"
#include "db/CDBDoc.h"
#include "db/CFlagCtrl.h"
#include "db/T_TRLN_D.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

using namespace CreateMembTables;

namespace {

void SetButton(UINT id, BOOL on) {
  if (I_MainFrameBase* frame = I_MainFrameBase::GetMySelf()) frame->SetCheckToolbarButton(id, on);
}

BOOL IsChecked(UINT id) {
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  return frame && frame->IsToolbarButtonChecked(id);
}

void PostToMain(UINT id) {
  if (CWnd* main = AfxGetMainWnd()) main->PostMessage(WM_COMMAND, id, 0);
}

}  // namespace

void CCreateMembDlg2::SetSnapPGrid(BOOL bOn) {
  if (IsChecked(I_MainFrameBase::ID_GRID_ENABLE)) SetButton(I_MainFrameBase::ID_SNAP_GRID, bOn);
}
void CCreateMembDlg2::SetSnapPoint(BOOL bOn) { SetButton(I_MainFrameBase::ID_SNAP_POINT, bOn); }
void CCreateMembDlg2::SetSnapMemb(BOOL bOn) { SetButton(I_MainFrameBase::ID_SNAP_MEMB, bOn); }
void CCreateMembDlg2::SetSnapTrCenter(BOOL bOn) { SetButton(I_MainFrameBase::ID_SNAP_TRLN_CENTRE, bOn); }
void CCreateMembDlg2::SetSnapTrOther(BOOL bOn) { SetButton(I_MainFrameBase::ID_SNAP_TRLN_OTHER, bOn); }

void CCreateMembDlg2::SetSnapNone() {
  SetSnapPGrid(FALSE);
  SetSnapPoint(FALSE);
  SetSnapMemb(FALSE);
  SetSnapTrCenter(FALSE);
  SetSnapTrOther(FALSE);
  PostToMain(I_MainFrameBase::CMD_SNAP_OFF);
}

void CCreateMembDlg2::UpdateSnapMode(int nMethod) {
  if (GetBraceType() < 0) return;
  const int type = GetMembType();
  BOOL grid = FALSE, memb = FALSE;
  switch (nMethod) {
    case METHOD_1PICK:
      if (type == 100 || type == 101) {
        grid = TRUE;
      } else if (type == 301 && IsCantileverChecked()) {
        memb = TRUE;
      } else {
        SetSnapNone();
        return;
      }
      break;
    case METHOD_2PONT:
      grid = TRUE;
      memb = type == 206 && GetBraceType() == kBraceFree;
      break;
    case METHOD_2MEMB: memb = TRUE; break;
    case METHOD_AXIS:
    case METHOD_WND1:
    case METHOD_WND2: SetSnapNone(); return;
    case METHOD_CURV:
    case METHOD_CURV_AREA:
      memb = GetCurveKind() == kCurvePickMember;
      grid = !memb;
      break;
    default: return;
  }
  SetSnapPGrid(grid);
  SetSnapPoint(grid);
  SetSnapTrCenter(grid);
  SetSnapMemb(memb);
  SetSnapTrOther(FALSE);
}

BOOL CCreateMembDlg2::CanGetMousePos() const {
  if (!IsPerspectiveViewMode()) return TRUE;
  if (!I_MainFrameBase::GetMySelf()) return FALSE;
  for (UINT id : {33054u, 33147u, 33146u, 33492u, 33554u, 33785u, 33786u, 33787u, 34236u})
    if (IsChecked(id)) return TRUE;
  return FALSE;
}

BOOL CCreateMembDlg2::IsPerspectiveViewMode() const {
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  return view && view->IsPerspectiveView();
}

BOOL CCreateMembDlg2::SetPerspectiveViewMode(BOOL bOn) {
  if (!I_MainFrameBase::GetMySelf()) return FALSE;
  if ((bOn ? TRUE : FALSE) != (IsPerspectiveViewMode() ? TRUE : FALSE))
    SetButton(I_MainFrameBase::ID_PERSPECTIVE, bOn);
  return TRUE;
}

void CCreateMembDlg2::SetSelectModeOff() {
  if (I_MainFrameBase* frame = I_MainFrameBase::GetMySelf()) frame->SetSelectModeOff();
  if (I_ModelBase::GetCurMySelfST()) {
    I_ModelBase::SetObjectSelectionModeST(-4);
    I_ModelBase::SetObjectSelectionModeST(-1);
  }
}

void CCreateMembDlg2::UnSelectAll() {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, I_MainFrameBase::CMD_REFRESH_UNSELECT, 0);
}

int CCreateMembDlg2::IsUseTracingLineMode() const {
  const int method = GetCurMethod();
  const int type = GetMembType();
  if (method == METHOD_1PICK && (type == 200 || type == 201 || type == 202 || type == 205)) return 1;
  return method == METHOD_AXIS || method == METHOD_WND1 || method == METHOD_WND2 ? 1 : 0;
}

void CCreateMembDlg2::SetSelectMode_Trline(BOOL bOn) {
  if (bOn)
    TracingLine_SetSelectMode(1, 0, 0);
  else
    TracingLine_ResetSelectMode();
}

BOOL CCreateMembDlg2::IsVisibleTracingLine(const T_DMLN_D* pSegment) const {
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  return pSegment && view && view->IsTracingLineVisible(pSegment->trlnKey);
}

BOOL CCreateMembDlg2::GetPointRegion2D(CPoint2DArray& polygon, double x, double y) const {
  polygon.RemoveAll();
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!doc) return FALSE;
  const double t = doc->GetFlagCtrl()->GetGeneralCoordinateToleranceCurrentUnit();
  const double corners[4][2] = {{x - t, y - t}, {x + t, y - t}, {x + t, y + t}, {x - t, y + t}};
  for (const auto& c : corners) {
    T_POINT2D p;
    p.x = c[0];
    p.y = c[1];
    polygon.Add(p);
  }
  return TRUE;
}

LRESULT CCreateMembDlg2::OnSelectEndTrLine(WPARAM, LPARAM) {
  // Tracing lines picked in a perspective view: the selection is taken and the view's
  // selection dropped; in a plan view nothing happens.
  if (!IsPerspectiveViewMode()) return 0;
  CreateProcessWithSelectedTrLine();
  return 0;
}
