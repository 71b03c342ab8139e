#include "db/CClassMemb.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>
#include "db/CClassAwop.h"
#include "db/CClassCurv.h"
#include "db/CClassGrup.h"
#include "db/CClassMasg.h"
#include "db/CClassMatl.h"
#include "db/CClassPont.h"
#include "db/CClassSdir.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/DBText.h"
#include "db/DB_CTableRegistry.h"
#include "db/SectRecord.h"

DB_REGISTER_TABLE(CClassMemb);

namespace {
const int kTypes[] = {101, 200, 201, 202, 203, 205, 206, 300, 301, 302, 305, 306};

// The story material kinds of CClassStor::GetMatlK by member type.
int MatlKind(int type) {
  static const struct { int type; int kind; } kKinds[] = {
      {101, 1}, {201, 2}, {203, 2}, {202, 3}, {300, 4}, {301, 4}, {302, 4},
      {305, 4}, {306, 4}, {200, 5}, {206, 5}, {205, 6}};
  for (const auto& k : kKinds)
    if (k.type == type) return k.kind;
  return -1;
}
}  // namespace

BOOL CClassMemb::IsValidType(int type) {
  return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

int CClassMemb::GetLengthAreaType(int type) {
  if (IsGeometryLine(type)) return 0;
  if (IsGeometryArea(type)) return 1;
  return -1;
}

CString CClassMemb::GetMembTypeName(int type) {
  CString key;
  key.Format("IDS_MEMB_TYPE_%d", type);
  return DB_LoadText(key);
}

void CClassMemb::GetMembTypeForClosedArea(CUIntArray& types) {
  types.RemoveAll();
  for (UINT t : {200u, 201u, 202u, 205u}) types.Add(t);
}

BOOL CClassMemb::CheckRecord(const T_MEMB_D& r) const {
  if (!IsValidType(r.type) || !std::isfinite(r.beta)) return FALSE;
  auto has = [&](UINT classId, UINT key) {
    DB_CStoreBase* s = m_pDB->GetStore(classId);
    return s && s->Exist(key);
  };
  if (!has(DB_CLASS_STOR, r.storyKey)) return FALSE;
  const INT_PTR n = r.points.GetSize();
  if (n < (IsGeometryArea(r.type) ? 3 : 2)) return FALSE;
  for (INT_PTR i = 0; i < n; ++i) {
    UINT p = r.points[i];
    if (p == T_MEMB_D::GAP_POINT) {
      if (i == 0 || i == n - 1 || !IsGeometryArea(r.type)) return FALSE;
    } else if (!has(DB_CLASS_PONT, p)) {
      return FALSE;
    }
  }
  for (UINT c : r.curves)
    if (c && !has(DB_CLASS_CURV, c)) return FALSE;
  if (r.sectKey && !has(SECT_CLASS_ID, r.sectKey)) return FALSE;
  if (r.thikKey && !has(DB_CLASS_THIK, r.thikKey)) return FALSE;
  if (r.matlKey && !has(DB_CLASS_MATL, r.matlKey)) return FALSE;
  return TRUE;
}

void CClassMemb::DeleteDependants(const std::vector<UINT>& keys) {
  // Curves and design types that only these members use go with them.
  std::unordered_map<UINT, int> curves, dsgns;
  for (UINT k : keys) {
    const T_MEMB_D* m = Set()->Find(k);
    if (!m) continue;
    for (UINT c : m->curves) curves[c]++;
    if (m->dsgnKey) dsgns[m->dsgnKey]++;
  }
  std::vector<UINT> goneCurves, goneDsgns;
  for (const auto& c : curves)
    if (Set()->Extra().CountUsing(DB_CLASS_CURV, c.first) <= c.second) goneCurves.push_back(c.first);
  for (const auto& d : dsgns)
    if (Set()->Extra().CountUsing(DB_CLASS_MBTP, d.first) <= d.second) goneDsgns.push_back(d.first);
  std::sort(goneCurves.begin(), goneCurves.end());
  std::sort(goneDsgns.begin(), goneDsgns.end());
  if (auto* stik = static_cast<CClassStik*>(m_pDB->GetClass(CClassStik::m_nClassID))) stik->EraseOf(keys);
  if (auto* awop = static_cast<CClassAwop*>(m_pDB->GetClass(CClassAwop::m_nClassID))) awop->EraseOf(keys);
  EraseAssignedData(keys);
  if (auto* curv = static_cast<CClassCurv*>(m_pDB->GetClass(CClassCurv::m_nClassID))) curv->EraseOf(goneCurves);
  if (auto* mbtp = static_cast<CClassMbtp*>(m_pDB->GetClass(CClassMbtp::m_nClassID))) mbtp->EraseOf(goneDsgns);
  if (auto* grup = static_cast<CClassGrup*>(m_pDB->GetClass(CClassGrup::m_nClassID))) grup->TakeOut(keys, TRUE);
  // The data assigned to the members and to the elements made of them.
  if (auto* masg = static_cast<CClassMasg*>(m_pDB->GetClass(CClassMasg::m_nClassID))) masg->EraseOf(keys);
  if (auto* easg = static_cast<CClassEasg*>(m_pDB->GetClass(CClassEasg::m_nClassID))) easg->EraseOf(keys);
  // A slab's reinforcement direction.
  if (auto* sdir = static_cast<CClassSdir*>(m_pDB->GetClass(CClassSdir::m_nClassID))) sdir->EraseOf(keys);
}

BOOL CClassMemb::GetMembType(UINT key, int& type) const {
  const T_MEMB_D* m = Set() ? Set()->Find(key) : nullptr;
  if (!m) return FALSE;
  type = m->type;
  return TRUE;
}

UINT CClassMemb::GetMembNoByKey(UINT key) const {
  const T_MEMB_D* m = Set() ? Set()->Find(key) : nullptr;
  return m ? m->number : 0;
}

BOOL CClassMemb::GetMembNoListByKey(const CUIntArray& keys, CUIntArray& numbers) const {
  numbers.RemoveAll();
  BOOL all = TRUE;
  for (UINT k : keys) {
    UINT n = GetMembNoByKey(k);
    all = all && n != 0;
    numbers.Add(n);
  }
  return all;
}

void CClassMemb::GetKeyListOfStory(UINT storyKey, CUIntArray& keys) const {
  keys.RemoveAll();
  const CKeyBag* b = Set() ? Set()->Extra().OfStory(storyKey) : nullptr;
  if (b) b->AppendTo(keys.vec());
}

int CClassMemb::GetCountOfStory(UINT storyKey) const {
  const CKeyBag* b = Set() ? Set()->Extra().OfStory(storyKey) : nullptr;
  return b ? b->Count() : 0;
}

void CClassMemb::GetKeyListOfPoint(UINT pontKey, CUIntArray& keys) const {
  keys.RemoveAll();
  const std::vector<UINT>* v = Set() ? Set()->Extra().AtPoint(pontKey) : nullptr;
  if (!v) return;
  keys.vec() = *v;
  std::sort(keys.begin(), keys.end());
}

BOOL CClassMemb::GetPontDList(UINT key, CArray<T_PONT_D>& points, int) const {
  points.RemoveAll();
  const T_MEMB_D* m = Set() ? Set()->Find(key) : nullptr;
  DB_CStoreBase* pts = m_pDB ? m_pDB->GetStore(DB_CLASS_PONT) : nullptr;
  if (!m || !pts) return FALSE;
  for (UINT p : m->points) {
    if (p == T_MEMB_D::GAP_POINT) continue;
    const auto* r = static_cast<const T_PONT_D*>(pts->Record(p));
    if (!r) return FALSE;
    points.Add(*r);
  }
  return TRUE;
}

BOOL CClassMemb::GetPontDListOfLineType(UINT key, CArray<T_PONT_D>& points) const {
  int type = 0;
  return GetMembType(key, type) && IsGeometryLine(type) && GetPontDList(key, points);
}

BOOL CClassMemb::GetPontDList3D(UINT key, CPoint3DArray& points, int) const {
  points.RemoveAll();
  const T_MEMB_D* m = Set() ? Set()->Find(key) : nullptr;
  auto* pont = m_pDB ? static_cast<CClassPont*>(m_pDB->GetClass(DB_CLASS_PONT)) : nullptr;
  if (!m || !pont) return FALSE;
  for (UINT p : m->points) {
    if (p == T_MEMB_D::GAP_POINT) continue;
    T_POINT3D g;
    if (!pont->Get3DPos(p, g)) return FALSE;
    points.Add(g);
  }
  return TRUE;
}

BOOL CClassMemb::GetLineInfo(const T_PONT_D& p1, const T_PONT_D& p2, UINT curveKey, T_LINE_G& line, int) const {
  line = T_LINE_G();
  line.start = T_POINT3D{p1.x, p1.y, p1.z};
  line.end = T_POINT3D{p2.x, p2.y, p2.z};
  if (!curveKey) return TRUE;
  DB_CStoreBase* curves = m_pDB ? m_pDB->GetStore(DB_CLASS_CURV) : nullptr;
  const auto* c = curves ? static_cast<const T_CURV_D*>(curves->Record(curveKey)) : nullptr;
  if (!c) return FALSE;
  line.bArc = TRUE;
  line.centre = T_POINT3D{c->cx, c->cy, (p1.z + p2.z) * 0.5};
  return TRUE;
}

BOOL CClassMemb::GetLineInfo(const T_MEMB_D& rec, T_LINE_G& line) const {
  line = T_LINE_G();
  CPoint3DArray pts;
  if (!GetPontDList3D(rec.key, pts) || pts.GetSize() < 2) return FALSE;
  line.start = pts[0];
  line.end = pts[1];
  if (rec.curves.IsEmpty() || !rec.curves[0]) return TRUE;
  DB_CStoreBase* curves = m_pDB->GetStore(DB_CLASS_CURV);
  const auto* c = curves ? static_cast<const T_CURV_D*>(curves->Record(rec.curves[0])) : nullptr;
  if (!c) return FALSE;
  line.bArc = TRUE;
  line.centre = T_POINT3D{c->cx, c->cy, c->cz};
  return TRUE;
}

BOOL CClassMemb::CalcLengthArea(const T_MEMB_D& rec, double& value) const {
  value = 0.0;
  if (IsGeometryLine(rec.type)) {
    T_LINE_G line;
    if (!GetLineInfo(rec, line)) return FALSE;
    value = line.Length();
    return TRUE;
  }
  if (!IsGeometryArea(rec.type)) return FALSE;
  auto* pont = m_pDB ? static_cast<CClassPont*>(m_pDB->GetClass(DB_CLASS_PONT)) : nullptr;
  if (!pont) return FALSE;
  std::vector<T_POINT3D> outline;
  for (UINT p : rec.points) {
    if (p == T_MEMB_D::GAP_POINT) break;
    T_POINT3D g;
    if (!pont->Get3DPos(p, g)) return FALSE;
    outline.push_back(g);
  }
  if (outline.size() < 3) return FALSE;
  value = DBGeom::Area3D(outline);
  return TRUE;
}

BOOL CClassMemb::calcCenterMemb(UINT key, T_POINT3D& centre) const {
  CPoint3DArray pts;
  if (!GetPontDList3D(key, pts) || pts.IsEmpty()) return FALSE;
  centre = T_POINT3D();
  for (const T_POINT3D& p : pts) {
    centre.x += p.x;
    centre.y += p.y;
    centre.z += p.z;
  }
  double n = (double)pts.GetSize();
  centre.x /= n;
  centre.y /= n;
  centre.z /= n;
  return TRUE;
}

BOOL CClassMemb::GetMatlSectThik(const CUIntArray& keys, CUIntArray& matls, CUIntArray& sects, CUIntArray& thiks) const {
  matls.RemoveAll();
  sects.RemoveAll();
  thiks.RemoveAll();
  for (UINT k : keys) {
    const T_MEMB_D* m = Set() ? Set()->Find(k) : nullptr;
    if (!m) return FALSE;
    matls.Add(m->matlKey);
    sects.Add(m->sectKey);
    thiks.Add(m->thikKey);
  }
  return TRUE;
}

BOOL CClassMemb::GetAppliedMatlKey(UINT key, UINT& matl, int& flag, CClassStor*, CClassPlan*, const T_MCTL_D*,
                                   CClassSect*) const {
  matl = 0;
  flag = 0;
  const T_MEMB_D* m = Set() ? Set()->Find(key) : nullptr;
  if (!m) return FALSE;
  if (m->matlKey) {
    matl = m->matlKey;
    flag = 1;
    return TRUE;
  }
  auto* stor = static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  T_STOR_D s;
  if (!stor || !stor->Get(m->storyKey, s)) return FALSE;
  int kind = MatlKind(m->type);
  matl = s.singleMatl ? s.allMatlKey : (kind >= 0 ? stor->GetMatlK(m->storyKey, kind) : 0);
  flag = matl ? 2 : 0;
  return matl != 0;
}

namespace {
BOOL MatlTypeIs(const CClassMemb& t, DB_CDataBase* db, UINT key, const char* type) {
  UINT matl = 0;
  int flag = 0;
  if (!db || !t.GetAppliedMatlKey(key, matl, flag)) return FALSE;
  const auto* m = static_cast<const T_MATL_D*>(db->GetStore(DB_CLASS_MATL)->Record(matl));
  return m && m->type == type;
}
}  // namespace

BOOL CClassMemb::IsSteel(UINT key) const { return MatlTypeIs(*this, m_pDB, key, "S"); }
BOOL CClassMemb::IsRC(UINT key) const { return MatlTypeIs(*this, m_pDB, key, "C"); }

CMembIndex::PlanSource CClassMemb::PlanSource() const {
  const auto& pts = static_cast<DB_CStore<T_PONT_D>*>(m_pDB->GetStore(DB_CLASS_PONT))->m_set;
  return CMembIndex::PlanSource{
      &pts.Extra(),
      [&pts](const T_MEMB_D& r, std::vector<std::pair<double, double>>& xy) {
        for (UINT p : r.points)
          if (const T_PONT_D* q = pts.Find(p)) xy.emplace_back(q->x, q->y);
      },
      [this](UINT k) { return Set()->Find(k); },
      [this](const std::function<void(UINT, const T_MEMB_D&)>& f) { Set()->ForEach(f); }};
}

BOOL CClassMemb::PlanPoint(UINT pontKey, T_POINT2D& p) const {
  DB_CStoreBase* pts = m_pDB ? m_pDB->GetStore(DB_CLASS_PONT) : nullptr;
  const auto* r = pts ? static_cast<const T_PONT_D*>(pts->Record(pontKey)) : nullptr;
  if (!r) return FALSE;
  p = T_POINT2D{r->x, r->y};
  return TRUE;
}

BOOL CClassMemb::GetKeyListWithPolygon2D(CUIntArray& keys, const CPoint2DArray& polygon, const CUIntArray& stories,
                                         int nMode, int, void*) const {
  if (!Set() || !m_pDB || polygon.GetSize() < 3 || (nMode != 1 && nMode != 2)) return FALSE;
  const std::vector<T_POINT2D>& poly = polygon.vec();
  std::unordered_set<UINT> storySet(stories.begin(), stories.end());
  std::unordered_set<UINT> found;
  std::vector<UINT> out;
  auto take = [&](UINT k) {
    if (found.insert(k).second) out.push_back(k);
  };
  if (nMode == 2) {
    // The points inside, through the plan grid; then the members at them.
    double x0 = poly[0].x, x1 = x0, y0 = poly[0].y, y1 = y0;
    for (const T_POINT2D& p : poly) {
      x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    DB_CStoreBase* pts = m_pDB->GetStore(DB_CLASS_PONT);
    auto* pont = static_cast<CClassPont*>(m_pDB->GetClass(DB_CLASS_PONT));
    auto testPoint = [&](UINT pk) {
      const auto* r = static_cast<const T_PONT_D*>(pts->Record(pk));
      if (!r || !storySet.count(r->storyKey) || !DBGeom::PointInPolygon(poly, r->x, r->y)) return;
      const std::vector<UINT>* at = Set()->Extra().AtPoint(pk);
      if (!at) return;
      for (UINT m : *at)
        if (storySet.count(Set()->Find(m)->storyKey)) take(m);
    };
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, r = std::hypot(x1 - x0, y1 - y0) / 2;
    if (!pont || !static_cast<const DB_CStore<T_PONT_D>*>(pts)->m_set.Extra().Near(cx, cy, r, testPoint)) {
      for (UINT s : stories) {
        CUIntArray inStory;
        if (pont) pont->GetKeyListOfStory(s, inStory);
        for (UINT pk : inStory) testPoint(pk);
      }
    }
  } else {
    auto crosses = [&](UINT k) {
        const T_MEMB_D* m = Set()->Find(k);
        if (!m) return;
        std::vector<T_POINT2D> pts;
        for (UINT p : m->points) {
          T_POINT2D q;
          if (p != T_MEMB_D::GAP_POINT && PlanPoint(p, q)) pts.push_back(q);
        }
        size_t edges = IsGeometryArea(m->type) ? pts.size() : (pts.empty() ? 0 : pts.size() - 1);
        for (size_t i = 0; i < edges; ++i) {
          const T_POINT2D& a = pts[i];
          const T_POINT2D& b2 = pts[(i + 1) % pts.size()];
          for (size_t j = 0, n = poly.size(); j < n; ++j)
            if (DBGeom::SegmentsMeet(a, b2, poly[j], poly[(j + 1) % n])) {
              take(k);
              return;
            }
        }
    };
    // A small polygon asks the plan grid; a large one walks the stories' members.
    double x0 = poly[0].x, x1 = x0, y0 = poly[0].y, y1 = y0;
    for (const T_POINT2D& p : poly) {
      x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
      y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    std::vector<UINT> near;
    if (m_pDB->GetStore(DB_CLASS_PONT) && Set()->Extra().InPlanBox(x0, y0, x1, y1, PlanSource(), near)) {
      for (UINT k : near)
        if (storySet.count(Set()->Find(k)->storyKey)) crosses(k);
    } else {
      for (UINT s : stories)
        if (const CKeyBag* b = Set()->Extra().OfStory(s)) b->ForEach(crosses);
    }
  }
  std::sort(out.begin(), out.end());
  for (UINT k : out) keys.Add(k);
  return TRUE;
}

BOOL CClassMemb::GetMembKeyListByPos3D(const T_POINT3D& pos, CUIntArray& keys) const {
  keys.RemoveAll();
  if (!Set() || !m_pDB) return FALSE;
  const double tol = 0.001 * (1.0 + 1e-9) + 1e-12;
  if (!m_pDB->GetStore(DB_CLASS_PONT)) return FALSE;
  std::vector<UINT> near;
  Set()->Extra().InPlanBox(pos.x - tol, pos.y - tol, pos.x + tol, pos.y + tol, PlanSource(), near);
  std::vector<UINT> out;
  CPoint3DArray g;
  for (UINT k : near) {
    const T_MEMB_D* m = Set()->Find(k);
    if (!m || !GetPontDList3D(k, g) || g.IsEmpty()) continue;
    bool hit = false;
    for (const T_POINT3D& q : g)
      hit = hit || (std::fabs(q.x - pos.x) <= tol && std::fabs(q.y - pos.y) <= tol && std::fabs(q.z - pos.z) <= tol);
    if (!hit && IsGeometryLine(m->type) && g.GetSize() >= 2) {
      // The axis from the first to the last point.
      const T_POINT3D& a = g[0];
      const T_POINT3D& c = g[g.GetSize() - 1];
      double dx = c.x - a.x, dy = c.y - a.y, dz = c.z - a.z;
      double l2 = dx * dx + dy * dy + dz * dz;
      double t = l2 > 0 ? ((pos.x - a.x) * dx + (pos.y - a.y) * dy + (pos.z - a.z) * dz) / l2 : 0;
      t = std::max(0.0, std::min(1.0, t));
      hit = std::hypot(a.x + t * dx - pos.x, a.y + t * dy - pos.y, a.z + t * dz - pos.z) <= tol;
    }
    if (hit) out.push_back(k);
  }
  keys.vec() = out;
  return TRUE;
}

void CClassMemb::GetKeyListInPlanBox(double x0, double y0, double x1, double y1, CUIntArray& keys) const {
  keys.RemoveAll();
  if (!Set() || !m_pDB || !m_pDB->GetStore(DB_CLASS_PONT)) return;
  if (!Set()->Extra().InPlanBox(x0, y0, x1, y1, PlanSource(), keys.vec())) GetKeyList(keys);
}
