// The tool's plan geometry for picking: rectangles from two positions, what lies in them,
// the closed area around a position, column points on a line or in a range, ordering of
// points, the segment test, and a global position turned into a story position. All in
// plan (x, y) but where z is named; positions global, internal units.
#include <algorithm>
#include <cmath>
#include <set>
#include "afx/AfxMessageBox.h"
#include "creation/CCreateMembDlg2.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CClassTrln.h"
#include "db/CDBDoc.h"
#include "db/CFlagCtrl.h"
#include "db/CUnitCtrl.h"
#include "ui/CGeomFunc.h"
#include "ui/CMathFunc.h"
#include "ui/CMsgDll.h"
#include "ui/CQSort.h"
#include "ui/math_lib.h"
#include "view/I_ModelBase.h"

namespace {

DB_CDataBase* ModelDB() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? doc->GetModelDB() : nullptr;
}

template <class T>
T* ModelTable() {
  DB_CDataBase* db = ModelDB();
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

void Message(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0), 0, 0); }

struct Range {
  double xmin, xmax, ymin, ymax;
  Range(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b)
      : xmin(std::min(a.x, b.x)), xmax(std::max(a.x, b.x)), ymin(std::min(a.y, b.y)), ymax(std::max(a.y, b.y)) {}
  bool Holds(double x, double y) const { return x >= xmin && x <= xmax && y >= ymin && y <= ymax; }
};

// 0 when v lies within [a, b] (either order), else -1.
int TouchAlong(double v, double a, double b) { return v >= std::min(a, b) && v <= std::max(a, b) ? 0 : -1; }

}  // namespace

double CCreateMembDlg2::lengthSquare2D(double x1, double y1, double x2, double y2) {
  return (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
}

BOOL CCreateMembDlg2::IsSamePoint(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b) const {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!doc) return FALSE;
  const double tol = doc->GetFlagCtrl()->GetMergeToleranceCurrentUnit();
  return std::fabs(a.x - b.x) <= tol && std::fabs(a.y - b.y) <= tol && std::fabs(a.z - b.z) <= tol;
}

int CCreateMembDlg2::intersect(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
  const int c1 = CMathFunc::math_ccw(x1, y1, x2, y2, x3, y3);
  const int c2 = CMathFunc::math_ccw(x1, y1, x2, y2, x4, y4);
  const int c3 = CMathFunc::math_ccw(x3, y3, x4, y4, x1, y1);
  const int c4 = CMathFunc::math_ccw(x3, y3, x4, y4, x2, y2);
  if (c1 * c2 < 0 && c3 * c4 < 0) return 1;
  // Along a segment: by x, by y when it is vertical in plan (x alone cannot tell there).
  const bool aByY = math_lib::is_zero(x2 - x1);
  const bool bByY = math_lib::is_zero(x4 - x3);
  const double a1 = aByY ? y1 : x1, a2 = aByY ? y2 : x2;
  if (c1 == 0 && c2 == 0) {
    const double b1 = aByY ? y3 : x3, b2 = aByY ? y4 : x4;
    return std::max(std::min(a1, a2), std::min(b1, b2)) <= std::min(std::max(a1, a2), std::max(b1, b2)) ? 0 : -1;
  }
  if (c1 == 0) return TouchAlong(aByY ? y3 : x3, a1, a2);
  if (c2 == 0) return TouchAlong(aByY ? y4 : x4, a1, a2);
  const double b1 = bByY ? y3 : x3, b2 = bByY ? y4 : x4;
  if (c3 == 0) return TouchAlong(bByY ? y1 : x1, b1, b2);
  if (c4 == 0) return TouchAlong(bByY ? y2 : x2, b1, b2);
  return -1;
}

BOOL CCreateMembDlg2::GetRectFrom2Pos(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b,
                                      std::vector<T_MEMBDLG_3DPOINT>& corners) const {
  const double zero = GetRegardZero();
  if (std::fabs(a.x - b.x) <= zero || std::fabs(a.y - b.y) <= zero) {
    Message("IDS_WG_CMD_MC_Failed_Make_Rectangle");
    return FALSE;
  }
  if (std::fabs(a.z - b.z) > zero) {
    Message("IDS_WG_CMD_MC_WARNING_Select_Same_Height_Two_Point");
    return FALSE;
  }
  const double t = (b.x - a.x) * (b.y - a.y);
  T_MEMBDLG_3DPOINT c1, c2;
  if (t > 0) {
    c1 = T_MEMBDLG_3DPOINT{a.x, b.y, a.z};
    c2 = T_MEMBDLG_3DPOINT{b.x, a.y, b.z};
  } else if (t < 0) {
    c1 = T_MEMBDLG_3DPOINT{b.x, a.y, b.z};
    c2 = T_MEMBDLG_3DPOINT{a.x, b.y, a.z};
  } else {
    return FALSE;
  }
  corners.push_back(a);
  corners.push_back(c1);
  corners.push_back(b);
  corners.push_back(c2);
  corners.shrink_to_fit();
  return corners.size() == 4;
}

int CCreateMembDlg2::FilterPointsBy2PosRect(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b,
                                            std::vector<T_MEMBDLG_3DPOINT>& points) const {
  const Range r(a, b);
  std::vector<T_MEMBDLG_3DPOINT> corners;
  if (!GetRectFrom2Pos(a, b, corners)) return 0;
  for (size_t i = points.size(); i-- > 0;)
    if (!r.Holds(points[i].x, points[i].y)) points.erase(points.begin() + (std::ptrdiff_t)i);
  return (int)points.size();
}

BOOL CCreateMembDlg2::GetTracingLineBy2PosRect(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b,
                                               CUIntArray& keys, BOOL bKindOneOnly) const {
  keys.RemoveAll();
  const Range r(a, b);
  std::vector<T_MEMBDLG_3DPOINT> corners;
  if (!GetRectFrom2Pos(a, b, corners)) return FALSE;
  const auto* trln = ModelTable<CClassTrln>();
  const auto* dmln = ModelTable<CClassDmln>();
  const auto* dmpt = ModelTable<CClassDmpt>();
  if (!trln || !dmln || !dmpt) return FALSE;
  const I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  std::set<UINT> visible, hidden;
  CUIntArray segKeys;
  dmln->GetKeyList(segKeys);
  for (UINT key : segKeys) {
    T_DMLN_D seg;
    if (!dmln->Get(key, seg)) return FALSE;
    if (hidden.count(seg.trlnKey)) continue;
    T_TRLN_D line;
    if (!trln->Get(seg.trlnKey, line)) return FALSE;
    if (!visible.count(seg.trlnKey)) {
      if (!view || !view->IsTracingLineVisible(seg.trlnKey)) {
        hidden.insert(seg.trlnKey);
        continue;
      }
      visible.insert(seg.trlnKey);
    }
    if (!IsVisibleTracingLine(&seg) || (bKindOneOnly && seg.kind != 1)) continue;
    T_DMPT_D e1, e2;
    if (!dmpt->Get(seg.pt1, e1) || !dmpt->Get(seg.pt2, e2)) return FALSE;
    const double x1 = e1.x + line.x, y1 = e1.y + line.y, x2 = e2.x + line.x, y2 = e2.y + line.y;
    if ((x1 > r.xmax && x2 > r.xmax) || (x1 < r.xmin && x2 < r.xmin) || (y1 > r.ymax && y2 > r.ymax) ||
        (y1 < r.ymin && y2 < r.ymin))
      continue;
    int side[4];
    for (size_t k = 0; k < 4; ++k) side[k] = CMathFunc::math_ccw(x1, y1, x2, y2, corners[k].x, corners[k].y);
    const bool onCorner = std::find(std::begin(side), std::end(side), 0) != std::end(side);
    const bool allOneSide = side[0] == side[1] && side[1] == side[2] && side[2] == side[3];
    if (onCorner || allOneSide) continue;
    keys.Add(key);
  }
  keys.FreeExtra();
  return TRUE;
}

namespace {
// The current story's members of the closed-area types, each passed to take (which may
// refuse the walk with false); -1 when a read fails, else the number taken.
template <class Take>
int WalkClosedAreaMembers(Take take) {
  const auto* stor = ModelTable<CClassStor>();
  const auto* memb = ModelTable<CClassMemb>();
  if (!stor || !memb) return 0;
  CUIntArray typeList;
  CClassMemb::GetMembTypeForClosedArea(typeList);
  const std::set<int> types(typeList.begin(), typeList.end());
  const UINT cur = stor->GetCurStor();
  CArray<CClassStor::T_ATTR_ENTRY> entries;
  if (!stor->GetAttrList(cur, entries)) return 0;
  int n = 0;
  for (const CClassStor::T_ATTR_ENTRY& e : entries) {
    if (e.code != CClassMemb::UR_MEMB_CMD) continue;
    T_MEMB_D rec;
    if (!memb->Get(e.key, rec)) continue;
    if (rec.storyKey != cur || !types.count(rec.type)) continue;
    const int r = take(rec);
    if (r < 0) return -1;
    n += r;
  }
  return n;
}
}  // namespace

int CCreateMembDlg2::GetMembForClosedArea(CUIntArray& keys) const {
  keys.RemoveAll();
  WalkClosedAreaMembers([&](const T_MEMB_D& rec) {
    keys.Add(rec.key);
    return 1;
  });
  return (int)keys.GetSize();
}

int CCreateMembDlg2::GetMembBy2PosRectForClosedArea(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b,
                                                    CUIntArray& keys) const {
  keys.RemoveAll();
  std::vector<T_MEMBDLG_3DPOINT> corners;
  if (!GetRectFrom2Pos(a, b, corners)) return 0;
  const Range r(a, b);
  const auto* pont = ModelTable<CClassPont>();
  if (!pont) return 0;
  const int n = WalkClosedAreaMembers([&](const T_MEMB_D& rec) {
    for (INT_PTR i = rec.points.GetSize() - 1; i >= 0; --i) {
      T_PONT_D p;
      if (!pont->Get(rec.points[i], p)) return -1;
      if (!r.Holds(p.x, p.y)) return 0;
    }
    keys.Add(rec.key);
    return 1;
  });
  if (n < 0) {
    keys.RemoveAll();
    return 0;
  }
  return (int)keys.GetSize();
}

BOOL CCreateMembDlg2::GetClosedAreaPointIncludePos(const T_MEMBDLG_3DPOINT& pos, T_CPF_CYCLE_PATH& path) const {
  DB_CDataBase* db = ModelDB();
  const auto* pont = ModelTable<CClassPont>();
  const auto* memb = ModelTable<CClassMemb>();
  if (!db || !pont || !memb) return FALSE;
  CUIntArray keys;
  if (GetMembForClosedArea(keys) < 3) return FALSE;
  CArray<T_CPF_CYCLE_PATH> paths;
  if (!IClosedPathFinder::Find(db, keys, paths, 1, 1, 0, 0.0) || paths.IsEmpty()) {
    Message("IDS_WG_CMD_MC_ERROR_Cannot_find_Closed_Area");
    return FALSE;
  }
  CSlabOverlapChecker::RemoveSlabInnerSlab(db, paths);
  const T_POINT2D at{pos.x, pos.y};
  for (const T_CPF_CYCLE_PATH& candidate : paths) {
    CPoint2DArray polygon;
    for (INT_PTR i = candidate.pontKeys.GetSize() - 1; i >= 0; --i) {
      T_PONT_D p;
      if (!pont->Get(candidate.pontKeys[i], p)) return FALSE;
      polygon.Add(T_POINT2D{p.x, p.y});
    }
    int decided = 0;  // 1 the arc puts the position inside, -1 outside
    for (UINT key : candidate.membKeys) {
      T_MEMB_D rec;
      if (!memb->Get(key, rec)) return FALSE;
      if (!CClassMemb::IsCurvedMember(rec)) continue;
      CArray<T_PONT_D> ends;
      T_LINE_G arc;
      T_POINT3D mid;
      if (!memb->GetPontDList(key, ends, 0) || ends.GetSize() < 2 ||
          !memb->GetLineInfo(ends[0], ends[1], rec.curves[0], arc) || !arc.GetLineCenter(mid))
        return FALSE;
      if (!CGeomFunc::IsPointInArc(at, arc, 0)) continue;
      // The arc's middle inside the chord polygon: the arc bulges inwards there.
      decided = CGeomFunc::IsPointInPolygon(T_POINT2D{mid.x, mid.y}, polygon) ? -1 : 1;
      break;
    }
    if (decided < 0) continue;
    if (decided > 0 || CGeomFunc::IsPointInPolygon(at, polygon)) {
      path = candidate;
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CCreateMembDlg2::GetColumnPosOnLine(UINT nStory, const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2,
                                         CUIntArray& keys) const {
  if (nStory == 0) return FALSE;
  keys.RemoveAll();
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  const auto* memb = ModelTable<CClassMemb>();
  const auto* pont = ModelTable<CClassPont>();
  if (!doc || !memb || !pont) return FALSE;
  const double tol = doc->GetUnitCtrl()->ConvValueTgtUnit2CurUnit(1, 2, 1, 1e-6);
  const double level = GetCurStoryLevel();
  const T_POINT3D a{p1.x, p1.y, p1.z}, b{p2.x, p2.y, p2.z};
  CUIntArray onStory;
  memb->GetKeyListOfStory(nStory, onStory);
  std::vector<UINT> found;
  std::vector<double> dist;
  for (UINT key : onStory) {
    T_MEMB_D rec;
    T_PONT_D first;
    if (!memb->Get(key, rec) || rec.type != 101 || rec.storyKey != nStory || rec.points.IsEmpty() ||
        !pont->Get(rec.points[0], first))
      continue;
    if (CMathFunc::mathDistanceToLine(a, b, T_POINT3D{first.x, first.y, level}) > tol) continue;
    found.push_back(first.key);
    dist.push_back(CMathFunc::mathLength(p1.x, p1.y, first.x, first.y));
  }
  CQSort::QSortDblWithIndex(found.data(), dist.data(), (int)found.size());
  for (UINT k : found) keys.Add(k);
  return TRUE;
}

namespace {
// The plan distances of the readable points to the line (x1, y1)-(x2, y2).
void DistancesToLine(double x1, double y1, double x2, double y2, const CUIntArray& pointKeys, std::vector<UINT>& keys,
                     std::vector<double>& dist) {
  const auto* pont = ModelTable<CClassPont>();
  if (!pont) return;
  const T_POINT3D a{x1, y1, 0.0}, b{x2, y2, 0.0};
  for (UINT key : pointKeys) {
    T_PONT_D p;
    if (!pont->Get(key, p)) continue;
    keys.push_back(key);
    dist.push_back(CMathFunc::mathDistanceToLine(a, b, T_POINT3D{p.x, p.y, 0.0}));
  }
}
}  // namespace

void CCreateMembDlg2::MakeListByDistToLine(double x1, double y1, double x2, double y2, const CUIntArray& pointKeys,
                                           CUIntArray& list) const {
  std::vector<UINT> keys;
  std::vector<double> dist;
  DistancesToLine(x1, y1, x2, y2, pointKeys, keys, dist);
  if (keys.size() > 1) CQSort::QSortDblWithIndex(keys.data(), dist.data(), (int)keys.size());
  for (UINT k : keys) list.Add(k);
}

void CCreateMembDlg2::MakeMapByDistToLine(double x1, double y1, double x2, double y2, const CUIntArray& pointKeys,
                                          CMap<UINT, UINT, double, double>& map) const {
  map.RemoveAll();
  map.InitHashTable(997);
  std::vector<UINT> keys;
  std::vector<double> dist;
  DistancesToLine(x1, y1, x2, y2, pointKeys, keys, dist);
  for (size_t i = 0; i < keys.size(); ++i) map.SetAt(keys[i], dist[i]);
}

int CCreateMembDlg2::GetColumnPosWithinRange(UINT nStory, const std::vector<T_MEMBDLG_3DPOINT>& corners,
                                             CUIntArray& keys) const {
  if (corners.size() != 4) return 0;
  double xmin = corners[0].x, xmax = corners[0].x, ymin = corners[0].y, ymax = corners[0].y;
  for (const T_MEMBDLG_3DPOINT& c : corners) {
    xmin = std::min(xmin, c.x), xmax = std::max(xmax, c.x);
    ymin = std::min(ymin, c.y), ymax = std::max(ymax, c.y);
  }
  if (xmax == xmin || ymax == ymin) return 0;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  const auto* memb = ModelTable<CClassMemb>();
  const auto* pont = ModelTable<CClassPont>();
  if (!doc || !memb || !pont || nStory == 0) return 0;
  const double tol = doc->GetFlagCtrl()->GetMergeToleranceCurrentUnit();
  xmin -= tol, xmax += tol, ymin -= tol, ymax += tol;
  CUIntArray onStory;
  memb->GetKeyListOfStory(nStory, onStory);
  for (UINT key : onStory) {
    T_MEMB_D rec;
    if (!memb->Get(key, rec)) return 0;
    if (rec.type != 101 || rec.storyKey != nStory || rec.points.IsEmpty()) continue;
    T_PONT_D first;
    if (!pont->Get(rec.points[0], first)) return 0;
    if (first.x >= xmin && first.x <= xmax && first.y >= ymin && first.y <= ymax) keys.Add(first.key);
  }
  return (int)keys.GetSize();
}

void CCreateMembDlg2::SortIntersectParts(std::vector<T_MEMBDLG_3DPOINT>& points, const T_LINE_G* pLine) const {
  if (points.size() <= 1) return;
  if (pLine) {
    CPoint3DArray a;
    for (const T_MEMBDLG_3DPOINT& p : points) a.Add(T_POINT3D{p.x, p.y, p.z});
    if (!pLine->SortByDist(a, 0.0001, 0)) return;
    for (size_t i = 0; i < points.size(); ++i) points[i] = T_MEMBDLG_3DPOINT{a[(INT_PTR)i].x, a[(INT_PTR)i].y, a[(INT_PTR)i].z};
    return;
  }
  // By insertion: x ascending, y ascending among equal x; equal points keep their order.
  auto after = [](const T_MEMBDLG_3DPOINT& p, const T_MEMBDLG_3DPOINT& q) {
    return math_lib::is_zero(p.x - q.x) ? p.y > q.y : p.x > q.x;
  };
  for (size_t i = 1; i < points.size(); ++i) {
    const T_MEMBDLG_3DPOINT cur = points[i];
    size_t j = i;
    while (j > 0 && after(points[j - 1], cur)) {
      points[j] = points[j - 1];
      --j;
    }
    points[j] = cur;
  }
}

BOOL CCreateMembDlg2::ConvertGCSToPosOfStory(const T_MEMBDLG_3DPOINT& pos, T_MEMBDLG_3DPOINT& storyPos,
                                             UINT& nStory) const {
  storyPos = pos;
  nStory = 0;
  const auto* pont = ModelTable<CClassPont>();
  const auto* memb = ModelTable<CClassMemb>();
  const auto* stor = ModelTable<CClassStor>();
  if (!pont || !memb || !stor) return FALSE;
  const T_POINT3D at{pos.x, pos.y, pos.z};
  if (const UINT key = pont->GetSamePointBy3DPos(at, 0.0)) {
    T_PONT_D p;
    if (!pont->Get(key, p)) return FALSE;
    storyPos = T_MEMBDLG_3DPOINT{p.x, p.y, p.z};
    nStory = p.storyKey;
    return TRUE;
  }
  CUIntArray through;
  if (memb->GetMembKeyListByPos3D(at, through) && !through.IsEmpty()) {
    T_MEMB_D rec;
    double top = 0.0;
    if (!memb->Get(through[0], rec) || !stor->GetStorTopLevel(rec.storyKey, top)) return FALSE;
    nStory = rec.storyKey;
    storyPos.z = pos.z - top;
    return TRUE;
  }
  UINT story = 0;
  double rel = 0.0;
  if (!stor->GetStorKFromGcsZ(pos.z, story, rel)) return FALSE;
  storyPos.z = rel;
  nStory = story;
  return TRUE;
}

BOOL CCreateMembDlg2::ConvertGCSToPosOfStory(double x, double y, double z, T_PONT_D& point) const {
  point.Initialize();
  T_MEMBDLG_3DPOINT storyPos;
  UINT story = 0;
  if (!ConvertGCSToPosOfStory(T_MEMBDLG_3DPOINT{x, y, z}, storyPos, story)) return FALSE;
  point.x = storyPos.x;
  point.y = storyPos.y;
  point.z = storyPos.z;
  point.storyKey = story;
  return TRUE;
}
