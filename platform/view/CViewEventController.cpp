#include "view/CViewEventController.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CClassTrln.h"
#include "db/CDBDoc.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"
#include "view/I_ViewEventHandlerItem.h"

namespace {
CViewEventController* g_pInstance = nullptr;

// The model the current view shows, with its tables; empty when there is none.
struct Model {
  I_ModelBase* view = nullptr;
  DB_CDataBase* db = nullptr;
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CClassStor* stor = nullptr;
  // In post-processing and in the analysis view, nodes and elements stand for points and
  // members: the analysis model's tables. They have the keys of the points and members
  // they were built from, so the building model's plan indexes find them.
  CClassPNode* pnode = nullptr;
  CClassPMemb* pmemb = nullptr;
  explicit Model(I_ModelBase* v) : view(v) {
    CDBDoc* doc = v ? v->GetDocument() : nullptr;
    db = doc ? doc->GetModelDB() : nullptr;
    if (!db) return;
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    if (doc->IsPostMode() || v->IsADS3DViewMode()) {
      DB_CDataBase* post = doc->GetMDBCtrl()->GetDBPost();
      pnode = static_cast<CClassPNode*>(post->GetClass(CClassPNode::m_nClassID));
      pmemb = static_cast<CClassPMemb*>(post->GetClass(CClassPMemb::m_nClassID));
    }
  }
  bool Post() const { return pnode != nullptr; }
  bool Ok() const { return pont && memb && stor; }
};

double Dist(const T_POINT3D& a, const T_POINT3D& b, bool plan) {
  return plan ? std::hypot(a.x - b.x, a.y - b.y) : std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// The point of the segment a-b nearest p (in plan or in space); a vertical segment in
// plan gives its upper end.
T_POINT3D Nearest(const T_POINT3D& a, const T_POINT3D& b, const T_POINT3D& p, bool plan) {
  const double dx = b.x - a.x, dy = b.y - a.y, dz = plan ? 0.0 : b.z - a.z;
  const double l2 = dx * dx + dy * dy + dz * dz;
  if (l2 <= 1e-18) return a.z >= b.z ? a : b;
  double t = ((p.x - a.x) * dx + (p.y - a.y) * dy + (plan ? 0.0 : (p.z - a.z) * dz)) / l2;
  t = std::max(0.0, std::min(1.0, t));
  return T_POINT3D{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y), a.z + t * (b.z - a.z)};
}
}  // namespace

// ---- I_ViewEventHandlerItem ----

I_ViewEventHandlerItem::~I_ViewEventHandlerItem() {
  if (g_pInstance) g_pInstance->RemoveEventHandlerItem(this);
}

void I_ViewEventHandlerItem::DrawRubberBanding(const CArray<double>& xyz) {
  if (g_pInstance) g_pInstance->SetBand(xyz);
}

void I_ViewEventHandlerItem::StopRubberBanding() {
  if (g_pInstance) g_pInstance->ClearBand();
}

void I_ViewEventHandlerItem::TracingLine_ResetSelectMode() {
  if (I_ModelBase* v = I_ModelBase::GetCurMySelfST()) v->SetTracingLineSelectMode(0);
}

void I_ViewEventHandlerItem::TracingLine_SetSelectMode(int n1, int, int) {
  if (I_ModelBase* v = I_ModelBase::GetCurMySelfST()) v->SetTracingLineSelectMode(n1 ? n1 : 1);
}

int I_ViewEventHandlerItem::TracingLine_IsSelectMode() {
  I_ModelBase* v = I_ModelBase::GetCurMySelfST();
  return v && v->GetTracingLineSelectMode() ? 1 : 0;
}

int I_ViewEventHandlerItem::TracingLine_GetCurSelectedKeys(CUIntArray& keys) {
  keys.RemoveAll();
  I_ModelBase* v = I_ModelBase::GetCurMySelfST();
  if (!v) return 0;
  v->GetSelectedSegments(keys);
  return 1;
}

int I_ViewEventHandlerItem::Member_GetCurSelectedKeys(CUIntArray& keys) {
  keys.RemoveAll();
  Model m(I_ModelBase::GetCurMySelfST());
  if (!m.db) return 0;
  m.db->GetViewCtrl()->GetAllSelectedMemb(keys);
  return 1;
}

int I_ViewEventHandlerItem::Point_GetCurSelectedKeys(CUIntArray& keys) {
  keys.RemoveAll();
  Model m(I_ModelBase::GetCurMySelfST());
  if (!m.db) return 0;
  m.db->GetViewCtrl()->GetAllSelectedPont(keys);
  return 1;
}

int I_ViewEventHandlerItem::TracingLine_IsExistSelection() {
  CUIntArray keys;
  return TracingLine_GetCurSelectedKeys(keys) && !keys.IsEmpty() ? 1 : 0;
}

int I_ViewEventHandlerItem::IsSelectionMode() { return I_ModelBase::IsSelectModeST() ? 1 : 0; }

void I_ViewEventHandlerItem::ResetSelectionMode() { I_ModelBase::SetObjectSelectionModeST(-1); }

BOOL I_ViewEventHandlerItem::Start() {
  if (!g_pInstance) return FALSE;
  g_pInstance->SetCurEventHandlerItem(this);
  return TRUE;
}

void I_ViewEventHandlerItem::End() {
  if (IsCurrent()) g_pInstance->SetCurEventHandlerItem(nullptr);
}

BOOL I_ViewEventHandlerItem::IsCurrent() const { return g_pInstance && g_pInstance->GetCurEventHandlerItem() == this; }

BOOL I_ViewEventHandlerItem::GetUcsGcsMousePos(double& ux, double& uy, double& uz, double& gx, double& gy,
                                               double& gz) const {
  if (!g_pInstance) return FALSE;
  g_pInstance->GetPointer(ux, uy, uz, gx, gy, gz);
  return TRUE;
}

BOOL I_ViewEventHandlerItem::GetSnappedObjectKey(char& kind, UINT& key) const {
  int type = 0;
  UINT k = 0;
  if (!g_pInstance || !g_pInstance->GetSnappedObject(type, k)) return FALSE;
  kind = type == CViewEventController::SNAP_POINT ? 'p' : 'm';
  key = k;
  return TRUE;
}

BOOL I_ViewEventHandlerItem::IsExistSnappedObject() const { return g_pInstance && g_pInstance->HasSnappedObject(); }

void I_ViewEventHandlerItem::AddWidgetToolTipFirst(const char* text) {
  if (g_pInstance) g_pInstance->SetToolTipFirst(text);
}

void I_ViewEventHandlerItem::AddWidgetToolTipNext(const char* text) {
  if (g_pInstance) g_pInstance->AddToolTip(text);
}

void I_ViewEventHandlerItem::ResetWidgetToolTips() {
  if (g_pInstance) g_pInstance->ClearToolTips();
}

// ---- CViewEventController ----

CViewEventController::CViewEventController() : m_pPrevious(g_pInstance) { g_pInstance = this; }

CViewEventController::~CViewEventController() {
  if (g_pInstance == this) g_pInstance = m_pPrevious;
}

CViewEventController* CViewEventController::Instance() { return g_pInstance; }

void CViewEventController::SetCurEventHandlerItem(I_ViewEventHandlerItem* pItem) {
  if (pItem == m_pCurItem) return;
  I_ViewEventHandlerItem* old = m_pCurItem;
  m_pCurItem = pItem;
  if (old) old->OnChangeCurEventHandlerItem(old, pItem);
  // The old handler may have made another current in the meantime: tell only a new one
  // that still is.
  if (pItem && m_pCurItem == pItem) pItem->OnChangeCurEventHandlerItem(old, pItem);
}

void CViewEventController::RemoveEventHandlerItem(I_ViewEventHandlerItem* pItem) {
  if (m_pCurItem == pItem) m_pCurItem = nullptr;
}

void CViewEventController::MovePointer(double x, double y, double z) {
  m_raw[0] = x, m_raw[1] = y, m_raw[2] = z;
  Snap();
}

void CViewEventController::GetPointer(double& ux, double& uy, double& uz, double& gx, double& gy, double& gz) const {
  ux = m_ucs[0], uy = m_ucs[1], uz = m_ucs[2];
  gx = m_gcs[0], gy = m_gcs[1], gz = m_gcs[2];
}

void CViewEventController::GetRawPointer(double& ux, double& uy, double& uz) const {
  ux = m_raw[0], uy = m_raw[1], uz = m_raw[2];
}

void CViewEventController::SetSnappedObject(int nType, UINT nKey) {
  m_nSnapType = nType;
  m_nSnapKey = nKey;
}

BOOL CViewEventController::GetSnappedObject(int& nType, UINT& nKey) const {
  if (m_nSnapType == SNAP_NONE) return FALSE;
  nType = m_nSnapType;
  nKey = m_nSnapKey;
  return TRUE;
}

void CViewEventController::Snap() {
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  auto on = [&](UINT id) { return frame && frame->IsToolbarButtonChecked(id); };
  ClearSnappedObject();
  m_ucs[0] = m_raw[0], m_ucs[1] = m_raw[1], m_ucs[2] = m_raw[2];
  m_gcs[0] = m_raw[0], m_gcs[1] = m_raw[1], m_gcs[2] = m_raw[2];
  if (!view) return;
  view->ConvertUcsToGcs(m_raw[0], m_raw[1], m_raw[2], m_gcs[0], m_gcs[1], m_gcs[2]);
  const T_POINT3D p{m_gcs[0], m_gcs[1], m_gcs[2]};
  const bool plan = view->IsPlaneView() != FALSE;
  const UINT story = plan ? view->GetStory() : 0;
  Model m(view);
  auto place = [&](const T_POINT3D& g) {
    m_gcs[0] = g.x, m_gcs[1] = g.y, m_gcs[2] = g.z;
    view->ConvertGcsToUcs(g.x, g.y, g.z, m_ucs[0], m_ucs[1], m_ucs[2]);
  };
  const double r = SNAP_RADIUS;

  if (m.Ok() && on(I_MainFrameBase::ID_SNAP_POINT)) {
    CUIntArray near;
    m.pont->GetKeyListNearPlan(p.x, p.y, r, near);
    UINT best = 0;
    T_POINT3D at;
    double bestD = std::numeric_limits<double>::infinity();
    for (UINT k : near) {
      T_PONT_D rec;
      T_POINT3D g;
      if (!m.pont->Get(k, rec) || (plan && rec.storyKey != story) || !m.pont->Get3DPos(k, g)) continue;
      if (m.Post()) {
        T_PNODE_D node;
        if (!m.pnode->Get(k, node)) continue;
        g = T_POINT3D{node.x, node.y, node.z};
      }
      const double d = Dist(g, p, plan);
      if (d <= r && d < bestD) best = k, bestD = d, at = g;
    }
    if (best) {
      SetSnappedObject(SNAP_POINT, best);
      place(at);
      return;
    }
  }
  if (m.Ok() && on(I_MainFrameBase::ID_SNAP_MEMB)) {
    CUIntArray near;
    m.memb->GetKeyListInPlanBox(p.x - r, p.y - r, p.x + r, p.y + r, near);
    UINT bestLine = 0, area = 0;
    T_POINT3D at;
    double bestD = std::numeric_limits<double>::infinity();
    CPoint3DArray pts;
    for (UINT k : near) {
      T_MEMB_D rec;
      if (!m.memb->Get(k, rec) || (plan && rec.storyKey != story) || !m.memb->GetPontDList3D(k, pts) || pts.IsEmpty())
        continue;
      if (m.Post() && !m.pmemb->Exist(k)) continue;
      if (CClassMemb::IsGeometryLine(rec.type) && pts.GetSize() >= 2) {
        const T_POINT3D q = Nearest(pts[0], pts[pts.GetSize() - 1], p, plan);
        const double d = Dist(q, p, plan);
        if (d <= r && d < bestD) bestLine = k, bestD = d, at = q;
      } else if (CClassMemb::IsGeometryArea(rec.type) && !area) {
        std::vector<T_POINT2D> poly;
        double z = 0;
        for (const T_POINT3D& q : pts) poly.push_back(T_POINT2D{q.x, q.y}), z += q.z / (double)pts.GetSize();
        if (DBGeom::PointInPolygon(poly, p.x, p.y) && (plan || std::fabs(z - p.z) <= r)) area = k;
      }
    }
    if (bestLine) {
      SetSnappedObject(SNAP_MEMB, bestLine);
      place(at);
      return;
    }
    if (area) {
      SetSnappedObject(SNAP_MEMB, area);
      return;
    }
  }
  if (m.Ok() && on(I_MainFrameBase::ID_SNAP_TRLN_CENTRE)) {
    auto* dmln = static_cast<CClassDmln*>(m.db->GetClass(CClassDmln::m_nClassID));
    auto* dmpt = static_cast<CClassDmpt*>(m.db->GetClass(CClassDmpt::m_nClassID));
    auto* trln = static_cast<CClassTrln*>(m.db->GetClass(CClassTrln::m_nClassID));
    double bestD = std::numeric_limits<double>::infinity();
    T_POINT3D at;
    bool found = false;
    if (dmln && dmpt && trln) {
      CUIntArray segs;
      dmln->GetKeyList(segs);
      for (UINT k : segs) {
        T_DMLN_D s;
        T_DMPT_D a, b;
        T_TRLN_D t;
        if (!dmln->Get(k, s) || !view->IsTracingLineVisible(s.trlnKey) || !trln->Get(s.trlnKey, t) ||
            !dmpt->Get(s.pt1, a) || !dmpt->Get(s.pt2, b))
          continue;
        const T_POINT3D c{(a.x + b.x) / 2 + t.x, (a.y + b.y) / 2 + t.y, p.z};
        const double d = Dist(c, p, true);
        if (d <= r && d < bestD) bestD = d, at = c, found = true;
      }
    }
    if (found) {
      place(at);
      return;
    }
  }
  if (on(I_MainFrameBase::ID_SNAP_GRID)) {
    const double gx = std::round(m_raw[0] / GRID_STEP) * GRID_STEP, gy = std::round(m_raw[1] / GRID_STEP) * GRID_STEP;
    m_ucs[0] = gx, m_ucs[1] = gy, m_ucs[2] = m_raw[2];
    view->ConvertUcsToGcs(gx, gy, m_raw[2], m_gcs[0], m_gcs[1], m_gcs[2]);
  }
}

CPoint CViewEventController::ScreenPoint() const {
  // The view's pixels: a millimetre a pixel, clamped to the int range.
  auto px = [](double v) { return (int)std::max(-2.0e9, std::min(2.0e9, std::round(v * 1000.0))); };
  return CPoint(px(m_ucs[0]), px(m_ucs[1]));
}

void CViewEventController::Move() {
  if (!m_pCurItem) return;
  m_pCurItem->SetHover(TRUE);
  m_pCurItem->OnView_MouseMove();
}

void CViewEventController::LButtonDown(UINT nFlags) {
  if (m_pCurItem) m_pCurItem->OnView_LButtonDownWithPos(nFlags, ScreenPoint());
}

void CViewEventController::LButtonDblClk() {
  if (m_pCurItem) m_pCurItem->OnView_LButtonDblClk();
}

void CViewEventController::RButtonDown(UINT nFlags) {
  if (m_pCurItem) m_pCurItem->OnView_RButtonDownWithPos(nFlags, ScreenPoint());
}

void CViewEventController::MouseWheel(short zDelta, UINT nFlags) {
  if (m_pCurItem) m_pCurItem->On_ViewMouseWheel(nFlags, zDelta, ScreenPoint());
}

void CViewEventController::KeyDown(UINT nChar, UINT nFlags) {
  if (m_pCurItem) m_pCurItem->OnView_KeyDown(nChar, 1, nFlags);
}

void CViewEventController::KeyUp(UINT nChar, UINT nFlags) {
  if (m_pCurItem) m_pCurItem->OnView_KeyUp(nChar, 1, nFlags);
}

void CViewEventController::NotifyGeneral(UINT nCode, UINT wParam, UINT lParam) {
  if (m_pCurItem) m_pCurItem->OnView_NotifyGeneral(nCode, wParam, lParam);
}
