#include "db/ModelIndex.h"

#include <algorithm>
#include <cmath>
#include "db/DBClassIds.h"
#include "db/SectRecord.h"
#include "db/T_MEMB_D.h"
#include "db/T_PONT_D.h"
#include "db/T_TRLN_D.h"

static bool CMembIndexIsArea(int type) { return type >= 300 && type <= 308; }

// ---- CKeyBag ----
void CKeyBag::Add(UINT key) {
  if (m_keys.empty() || key > m_keys.back()) {
    m_keys.push_back(key);
    m_dead.push_back(0);
    return;
  }
  auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
  size_t i = (size_t)(it - m_keys.begin());
  if (it != m_keys.end() && *it == key) {
    if (m_dead[i]) {
      m_dead[i] = 0;
      --m_holes;
    }
    return;
  }
  m_keys.insert(it, key);
  m_dead.insert(m_dead.begin() + (ptrdiff_t)i, 0);
}

void CKeyBag::Remove(UINT key) {
  auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
  if (it == m_keys.end() || *it != key) return;
  size_t i = (size_t)(it - m_keys.begin());
  if (m_dead[i]) return;
  if (i + 1 == m_keys.size()) {  // the last: no hole needed
    m_keys.pop_back();
    m_dead.pop_back();
    while (!m_keys.empty() && m_dead.back()) {
      m_keys.pop_back();
      m_dead.pop_back();
      --m_holes;
    }
    return;
  }
  m_dead[i] = 1;
  if (++m_holes * 2 > m_keys.size()) Pack();
}

BOOL CKeyBag::Contains(UINT key) const {
  auto it = std::lower_bound(m_keys.begin(), m_keys.end(), key);
  return it != m_keys.end() && *it == key && !m_dead[(size_t)(it - m_keys.begin())];
}

void CKeyBag::AppendTo(std::vector<UINT>& out) const {
  if (!m_holes) {
    out.insert(out.end(), m_keys.begin(), m_keys.end());
    return;
  }
  out.reserve(out.size() + (size_t)Count());
  ForEach([&](UINT k) { out.push_back(k); });
}

void CKeyBag::Pack() {
  size_t n = 0;
  for (size_t i = 0; i < m_keys.size(); ++i)
    if (!m_dead[i]) m_keys[n++] = m_keys[i];
  m_keys.resize(n);
  m_dead.assign(n, 0);
  m_holes = 0;
}

namespace {
uint64_t NextGeneration() {
  static uint64_t g = 0;
  return ++g;
}
template <class Map> const CKeyBag* Find(const Map& m, UINT key) {
  auto it = m.find(key);
  return it == m.end() || it->second.Count() == 0 ? nullptr : &it->second;
}
template <class Map> void Drop(Map& m, UINT story, UINT key) {
  auto it = m.find(story);
  if (it == m.end()) return;
  it->second.Remove(key);
  if (it->second.Count() == 0) m.erase(it);
}
}  // namespace

// ---- CPontIndex ----
int64_t CPontIndex::Cell(double v) {
  double c = std::floor(v / CELL);
  return (int64_t)std::max(-2.0e9, std::min(2.0e9, c));
}

void CPontIndex::Journal(UINT key) {
  m_gen = NextGeneration();
  if (m_journal.size() >= 65536) {
    const size_t drop = m_journal.size() / 2;
    m_floor = m_journal[drop - 1].first;
    m_journal.erase(m_journal.begin(), m_journal.begin() + (ptrdiff_t)drop);
  }
  m_journal.emplace_back(m_gen, key);
}

void CPontIndex::Clear() {
  *this = CPontIndex();
  m_gen = m_floor = NextGeneration();
}

BOOL CPontIndex::ChangedSince(uint64_t gen, std::vector<UINT>& keys) const {
  if (gen < m_floor) return FALSE;
  auto it = std::upper_bound(m_journal.begin(), m_journal.end(), std::make_pair(gen, ~0u));
  for (; it != m_journal.end(); ++it) keys.push_back(it->second);
  return TRUE;
}

void CPontIndex::Add(UINT key, const T_PONT_D& r) {
  Journal(key);
  m_numbers.Add(r.number);
  m_story[r.storyKey].Add(key);
  m_grid[CellKey(Cell(r.x), Cell(r.y))].push_back(key);
}

void CPontIndex::Remove(UINT key, const T_PONT_D& r) {
  Journal(key);
  m_numbers.Remove(r.number);
  Drop(m_story, r.storyKey, key);
  auto it = m_grid.find(CellKey(Cell(r.x), Cell(r.y)));
  if (it == m_grid.end()) return;
  auto& v = it->second;
  auto at = std::find(v.begin(), v.end(), key);
  if (at != v.end()) {
    *at = v.back();
    v.pop_back();
  }
  if (v.empty()) m_grid.erase(it);
}

BOOL CPontIndex::Uses(UINT classId, UINT key) const {
  return classId == DB_CLASS_STOR && Find(m_story, key) != nullptr;
}

const CKeyBag* CPontIndex::OfStory(UINT storyKey) const { return Find(m_story, storyKey); }

// ---- CMembIndex ----
void CMembIndex::Count(Counts& c, UINT key, int d) {
  if (!key) return;
  if (d > 0) {
    ++c[key];
    return;
  }
  auto it = c.find(key);
  if (it != c.end() && --it->second == 0) c.erase(it);
}

void CMembIndex::Touch(UINT key) {
  m_gen = NextGeneration();
  if (!m_gridBuilt) return;
  m_dirty.push_back(key);
  if (m_dirty.size() > 1024 && m_dirty.size() > m_cellsOf.size() / 4) {
    m_grid.clear();
    m_cellsOf.clear();
    m_dirty.clear();
    m_gridBuilt = false;
  }
}

void CMembIndex::Add(UINT key, const T_MEMB_D& r) {
  Touch(key);
  m_numbers.Add(r.number);
  m_story[r.storyKey].Add(key);
  for (UINT p : r.points) {
    if (p == T_MEMB_D::GAP_POINT || !p) continue;
    auto& v = m_atPoint[p];
    if (std::find(v.begin(), v.end(), key) == v.end()) v.push_back(key);
  }
  for (UINT c : r.curves) Count(m_curv, c, 1);
  Count(m_sect, r.sectKey, 1);
  Count(m_thik, r.thikKey, 1);
  Count(m_matl, r.matlKey, 1);
  Count(m_dsgn, r.dsgnKey, 1);
}

void CMembIndex::Remove(UINT key, const T_MEMB_D& r) {
  Touch(key);
  m_numbers.Remove(r.number);
  Drop(m_story, r.storyKey, key);
  for (UINT p : r.points) {
    auto it = m_atPoint.find(p);
    if (it == m_atPoint.end()) continue;
    auto& v = it->second;
    auto at = std::find(v.begin(), v.end(), key);
    if (at != v.end()) v.erase(at);
    if (v.empty()) m_atPoint.erase(it);
  }
  for (UINT c : r.curves) Count(m_curv, c, -1);
  Count(m_sect, r.sectKey, -1);
  Count(m_thik, r.thikKey, -1);
  Count(m_matl, r.matlKey, -1);
  Count(m_dsgn, r.dsgnKey, -1);
}

int CMembIndex::CountUsing(UINT classId, UINT key) const {
  const Counts* c = classId == SECT_CLASS_ID ? &m_sect
                    : classId == DB_CLASS_THIK  ? &m_thik
                    : classId == DB_CLASS_MATL  ? &m_matl
                    : classId == DB_CLASS_CURV  ? &m_curv
                    : classId == DB_CLASS_MBTP  ? &m_dsgn
                                                : nullptr;
  if (c) {
    auto it = c->find(key);
    return it == c->end() ? 0 : (int)it->second;
  }
  if (classId == DB_CLASS_PONT) {
    const auto* v = AtPoint(key);
    return v ? (int)v->size() : 0;
  }
  if (classId == DB_CLASS_STOR) {
    const CKeyBag* b = OfStory(key);
    return b ? b->Count() : 0;
  }
  return 0;
}

BOOL CMembIndex::Uses(UINT classId, UINT key) const {
  // A design-type record goes with its member; it does not hold the member back.
  return classId != DB_CLASS_MBTP && CountUsing(classId, key) > 0;
}

const CKeyBag* CMembIndex::OfStory(UINT storyKey) const { return Find(m_story, storyKey); }

const std::vector<UINT>* CMembIndex::AtPoint(UINT pontKey) const {
  auto it = m_atPoint.find(pontKey);
  return it == m_atPoint.end() ? nullptr : &it->second;
}

namespace {
constexpr double kMembCell = 2.0;
int64_t MembCell(double v) { return (int64_t)std::max(-2.0e9, std::min(2.0e9, std::floor(v / kMembCell))); }
uint64_t MembCellKey(int64_t i, int64_t j) { return ((uint64_t)(uint32_t)i << 32) | (uint32_t)j; }
}  // namespace

void CMembIndex::Place(UINT key, const T_MEMB_D& r, const PlanOf& planPoints) const {
  std::vector<std::pair<double, double>> xy;
  planPoints(r, xy);
  if (xy.empty()) return;
  // Every cell an edge passes through, or the outline's bounding cells for an area.
  std::vector<uint64_t> cells;
  if (CMembIndexIsArea(r.type)) {
    double x0 = xy[0].first, x1 = x0, y0 = xy[0].second, y1 = y0;
    for (const auto& p : xy) x0 = std::min(x0, p.first), x1 = std::max(x1, p.first), y0 = std::min(y0, p.second), y1 = std::max(y1, p.second);
    for (int64_t i = MembCell(x0); i <= MembCell(x1); ++i)
      for (int64_t j = MembCell(y0); j <= MembCell(y1); ++j) cells.push_back(MembCellKey(i, j));
  } else {
    // Its edges, and the axis from its first to its last point.
    std::vector<std::pair<size_t, size_t>> edges;
    for (size_t e = 0; e + 1 < std::max<size_t>(xy.size(), 2); ++e) edges.emplace_back(e, std::min(e + 1, xy.size() - 1));
    if (xy.size() > 2) edges.emplace_back(0, xy.size() - 1);
    for (const auto& edge : edges) {
      const auto& a = xy[edge.first];
      const auto& b = xy[edge.second];
      const double xl = std::min(a.first, b.first), xr = std::max(a.first, b.first);
      // Column by column, the y range of the edge within the column.
      for (int64_t i = MembCell(xl); i <= MembCell(xr); ++i) {
        double y0 = a.second, y1 = b.second;
        if (a.first != b.first) {
          const double s = (b.second - a.second) / (b.first - a.first);
          const double cl = std::max(xl, (double)i * kMembCell), cr = std::min(xr, (double)(i + 1) * kMembCell);
          y0 = a.second + (cl - a.first) * s;
          y1 = a.second + (cr - a.first) * s;
        }
        for (int64_t j = MembCell(std::min(y0, y1)); j <= MembCell(std::max(y0, y1)); ++j)
          cells.push_back(MembCellKey(i, j));
      }
    }
  }
  std::sort(cells.begin(), cells.end());
  cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
  for (uint64_t c : cells) m_grid[c].push_back(key);
  m_cellsOf[key] = std::move(cells);
}

void CMembIndex::Unplace(UINT key) const {
  auto it = m_cellsOf.find(key);
  if (it == m_cellsOf.end()) return;
  for (uint64_t c : it->second) {
    auto g = m_grid.find(c);
    if (g == m_grid.end()) continue;
    auto& v = g->second;
    auto at = std::find(v.begin(), v.end(), key);
    if (at != v.end()) {
      *at = v.back();
      v.pop_back();
    }
    if (v.empty()) m_grid.erase(g);
  }
  m_cellsOf.erase(it);
}

void CMembIndex::Refresh(const PlanSource& src) const {
  std::vector<UINT> moved;
  const uint64_t pontGen = src.points->Generation();
  if (m_gridBuilt && m_gridPontGen != pontGen && !src.points->ChangedSince(m_gridPontGen, moved)) m_gridBuilt = false;
  if (m_gridBuilt && moved.size() > 1024 && moved.size() > m_cellsOf.size() / 4) m_gridBuilt = false;
  if (!m_gridBuilt) {
    m_grid.clear();
    m_cellsOf.clear();
    m_dirty.clear();
    src.walk([&](UINT key, const T_MEMB_D& r) { Place(key, r, src.planPoints); });
    m_gridBuilt = true;
    m_gridPontGen = pontGen;
    return;
  }
  // The members written, and those at the points moved, since the last read.
  std::vector<UINT> again;
  again.swap(m_dirty);
  for (UINT p : moved)
    if (const std::vector<UINT>* at = AtPoint(p)) again.insert(again.end(), at->begin(), at->end());
  std::sort(again.begin(), again.end());
  again.erase(std::unique(again.begin(), again.end()), again.end());
  for (UINT k : again) {
    Unplace(k);
    if (const T_MEMB_D* r = src.find(k)) Place(k, *r, src.planPoints);
  }
  m_gridPontGen = pontGen;
}

BOOL CMembIndex::InPlanBox(double x0, double y0, double x1, double y1, const PlanSource& src,
                           std::vector<UINT>& out) const {
  out.clear();
  const int64_t i0 = MembCell(x0), i1 = MembCell(x1), j0 = MembCell(y0), j1 = MembCell(y1);
  if (i1 - i0 > 64 || j1 - j0 > 64) return FALSE;
  Refresh(src);
  for (int64_t i = i0; i <= i1; ++i)
    for (int64_t j = j0; j <= j1; ++j) {
      auto it = m_grid.find(MembCellKey(i, j));
      if (it != m_grid.end()) out.insert(out.end(), it->second.begin(), it->second.end());
    }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return TRUE;
}

// ---- CDmlnIndex ----
void CDmlnIndex::Add(UINT, const T_DMLN_D& r) {
  ++m_trln[r.trlnKey];
  ++m_dmpt[r.pt1];
  if (r.pt2 != r.pt1) ++m_dmpt[r.pt2];
}

void CDmlnIndex::Remove(UINT, const T_DMLN_D& r) {
  auto dec = [](std::unordered_map<UINT, UINT>& m, UINT k) {
    auto it = m.find(k);
    if (it != m.end() && --it->second == 0) m.erase(it);
  };
  dec(m_trln, r.trlnKey);
  dec(m_dmpt, r.pt1);
  if (r.pt2 != r.pt1) dec(m_dmpt, r.pt2);
}

BOOL CDmlnIndex::Uses(UINT classId, UINT key) const {
  if (classId == DB_CLASS_TRLN) return m_trln.count(key) > 0;
  if (classId == DB_CLASS_DMPT) return m_dmpt.count(key) > 0;
  return FALSE;
}
