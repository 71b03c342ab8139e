#include "db/IClosedPathFinder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include "db/CClassMemb.h"
#include "db/DB_CDataBase.h"

namespace {
struct HalfEdge {
  UINT from, to, memb;
  double angle;
  bool used = false;
};
const T_PONT_D* PointOf(DB_CDataBase* db, UINT key) {
  return static_cast<const T_PONT_D*>(db->GetStore(DB_CLASS_PONT)->Record(key));
}
}  // namespace

BOOL IClosedPathFinder::GetPolygon(DB_CDataBase* pDB, const T_CPF_CYCLE_PATH& path, std::vector<T_POINT2D>& poly) {
  poly.clear();
  for (UINT k : path.pontKeys) {
    const T_PONT_D* p = pDB ? PointOf(pDB, k) : nullptr;
    if (!p) return FALSE;
    poly.push_back(T_POINT2D{p->x, p->y});
  }
  return TRUE;
}

BOOL IClosedPathFinder::Find(DB_CDataBase* pDB, const CUIntArray& membKeys, CArray<T_CPF_CYCLE_PATH>& paths, int,
                             int, int, double) {
  paths.RemoveAll();
  if (!pDB) return FALSE;
  DB_CStoreBase* membs = pDB->GetStore(DB_CLASS_MEMB);
  // Edges by their two points (lowest member key wins).
  std::map<std::pair<UINT, UINT>, UINT> edges;
  for (UINT k : membKeys) {
    const auto* m = membs ? static_cast<const T_MEMB_D*>(membs->Record(k)) : nullptr;
    if (!m) return FALSE;
    if (!CClassMemb::IsGeometryLine(m->type) || m->points.GetSize() < 2) continue;
    UINT a = m->points[0], b = m->points[m->points.GetSize() - 1];
    const T_PONT_D* pa = PointOf(pDB, a);
    const T_PONT_D* pb = PointOf(pDB, b);
    if (!pa || !pb) return FALSE;
    if (a == b || (std::fabs(pa->x - pb->x) < 1e-9 && std::fabs(pa->y - pb->y) < 1e-9)) continue;
    auto key = std::minmax(a, b);
    auto it = edges.find(key);
    if (it == edges.end() || k < it->second) edges[key] = k;
  }
  // Members that end loose bound nothing: prune them until none is left.
  std::map<UINT, int> degree;
  for (const auto& e : edges) ++degree[e.first.first], ++degree[e.first.second];
  for (bool pruned = true; pruned;) {
    pruned = false;
    for (auto it = edges.begin(); it != edges.end();) {
      if (degree[it->first.first] < 2 || degree[it->first.second] < 2) {
        --degree[it->first.first], --degree[it->first.second];
        it = edges.erase(it);
        pruned = true;
      } else {
        ++it;
      }
    }
  }
  // Half-edges around each point by angle.
  std::vector<HalfEdge> half;
  std::map<UINT, std::vector<size_t>> around;
  for (const auto& e : edges) {
    const T_PONT_D* a = PointOf(pDB, e.first.first);
    const T_PONT_D* b = PointOf(pDB, e.first.second);
    half.push_back(HalfEdge{e.first.first, e.first.second, e.second, std::atan2(b->y - a->y, b->x - a->x)});
    half.push_back(HalfEdge{e.first.second, e.first.first, e.second, std::atan2(a->y - b->y, a->x - b->x)});
  }
  for (size_t i = 0; i < half.size(); ++i) around[half[i].from].push_back(i);
  for (auto& a : around)
    std::sort(a.second.begin(), a.second.end(), [&](size_t x, size_t y) { return half[x].angle < half[y].angle; });
  auto twinOf = [&](size_t i) { return i ^ 1u; };
  // Walk each face keeping it on the left: at each point turn onto the edge that comes
  // right before the way back, clockwise.
  std::vector<std::pair<UINT, T_CPF_CYCLE_PATH>> found;
  for (size_t start = 0; start < half.size(); ++start) {
    if (half[start].used) continue;
    T_CPF_CYCLE_PATH path;
    std::vector<T_POINT2D> poly;
    size_t cur = start;
    bool ok = true;
    for (size_t steps = 0; !half[cur].used; ++steps) {
      if (steps > half.size()) {
        ok = false;
        break;
      }
      half[cur].used = true;
      path.membKeys.Add(half[cur].memb);
      path.pontKeys.Add(half[cur].from);
      const T_PONT_D* p = PointOf(pDB, half[cur].from);
      poly.push_back(T_POINT2D{p->x, p->y});
      const auto& out = around[half[cur].to];
      size_t back = twinOf(cur);
      size_t at = (size_t)(std::find(out.begin(), out.end(), back) - out.begin());
      cur = out[(at + out.size() - 1) % out.size()];
    }
    if (!ok || cur != start || DBGeom::SignedArea(poly) <= 1e-12) continue;  // the outside
    UINT first = *std::min_element(path.membKeys.begin(), path.membKeys.end());
    found.emplace_back(first, path);
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& f : found) paths.Add(f.second);
  return TRUE;
}

void CSlabOverlapChecker::RemoveSlabInnerSlab(DB_CDataBase* pDB, CArray<T_CPF_CYCLE_PATH>& paths) {
  std::vector<std::vector<T_POINT2D>> polys(paths.GetSize());
  std::vector<double> areas(paths.GetSize());
  for (INT_PTR i = 0; i < paths.GetSize(); ++i) {
    IClosedPathFinder::GetPolygon(pDB, paths[i], polys[(size_t)i]);
    areas[(size_t)i] = std::fabs(DBGeom::SignedArea(polys[(size_t)i]));
  }
  std::vector<bool> inner(polys.size(), false);
  for (size_t i = 0; i < polys.size(); ++i) {
    if (polys[i].empty()) continue;
    T_POINT2D c;
    for (const T_POINT2D& p : polys[i]) c.x += p.x / (double)polys[i].size(), c.y += p.y / (double)polys[i].size();
    for (size_t j = 0; j < polys.size() && !inner[i]; ++j) {
      if (i == j || areas[j] <= areas[i]) continue;
      bool all = DBGeom::PointInPolygon(polys[j], c.x, c.y);
      for (const T_POINT2D& p : polys[i]) all = all && DBGeom::PointInPolygon(polys[j], p.x, p.y);
      inner[i] = all;
    }
  }
  for (INT_PTR i = paths.GetSize() - 1; i >= 0; --i)
    if (inner[(size_t)i]) paths.RemoveAt(i);
}
