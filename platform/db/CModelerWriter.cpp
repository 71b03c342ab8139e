#include "db/CModelerWriter.h"

#include <algorithm>
#include <cmath>
#include "db/CClassCurv.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CClassTrln.h"
#include "db/CDBDoc.h"

CModelerWriter::CModelerWriter() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  m_pDB = doc ? doc->GetModelDB() : nullptr;
  if (!m_pDB) return;
  m_pPont = static_cast<CClassPont*>(m_pDB->GetClass(CClassPont::m_nClassID));
  m_pMemb = static_cast<CClassMemb*>(m_pDB->GetClass(CClassMemb::m_nClassID));
  m_pStor = static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  m_dMerge = doc->GetFlagCtrl()->GetMergeToleranceCurrentUnit();
  m_bOk = m_pPont && m_pMemb && m_pStor && m_pDB->CanWrite();
  if (m_bOk) m_bGroup = m_pDB->BeginGroup();
  m_bOk = m_bOk && m_bGroup;
}

CModelerWriter::~CModelerWriter() {
  if (m_bGroup) m_pDB->RollbackGroup();
}

int CModelerWriter::Finish() {
  if (!m_bGroup) return 0;
  m_bGroup = FALSE;
  if (m_bFailed || !m_bWrote) {
    m_pDB->RollbackGroup();
    return 0;
  }
  return m_pDB->CommitGroup() ? 1 : 0;
}

UINT CModelerWriter::StoryAt(double z) const {
  UINT s = 0;
  double rel = 0;
  return m_pStor->GetStorKFromGcsZ(z, s, rel) ? s : 0;
}

UINT CModelerWriter::Point(const T_POINT3D& g) {
  if (!m_bOk || m_bFailed) return 0;
  if (UINT k = m_pPont->GetSamePointBy3DPos(g, m_dMerge)) return k;
  UINT story = 0;
  double rel = 0;
  if (!m_pStor->GetStorKFromGcsZ(g.z, story, rel)) {
    m_bFailed = TRUE;
    return 0;
  }
  T_PONT_D r;
  r.x = g.x, r.y = g.y, r.z = rel, r.storyKey = story;
  return PointRecord(r);
}

UINT CModelerWriter::PointRecord(const T_PONT_D& rec) {
  if (!m_bOk || m_bFailed) return 0;
  T_PONT_D r = rec;
  r.key = m_pPont->GetNewKey();
  r.number = 0;
  if (!m_pPont->TR_Add(r)) {
    m_bFailed = TRUE;
    return 0;
  }
  m_bWrote = TRUE;
  return r.key;
}

BOOL CModelerWriter::PointPos(UINT key, T_POINT3D& g) const { return m_pPont->Get3DPos(key, g); }

UINT CModelerWriter::Curve(double cx, double cy, double cz) {
  auto* curv = static_cast<CClassCurv*>(m_pDB->GetClass(CClassCurv::m_nClassID));
  if (!m_bOk || m_bFailed || !curv) return 0;
  T_CURV_D c;
  c.key = curv->GetNewKey();
  c.cx = cx, c.cy = cy, c.cz = cz;
  if (!curv->TR_Add(c)) {
    m_bFailed = TRUE;
    return 0;
  }
  m_bWrote = TRUE;
  return c.key;
}

UINT CModelerWriter::Member(const T_MODELER2_PARAM_MEMB& p, const std::vector<UINT>& points,
                            const std::vector<UINT>& curves) {
  if (!m_bOk || m_bFailed) return 0;
  int type = p.type == 307 || p.type == 308 ? 301 : p.type;
  bool area = CClassMemb::IsGeometryArea(type);
  if (!CClassMemb::IsValidType(type) || points.size() < (area ? 3u : 2u)) return 0;
  for (size_t i = 0; i < points.size(); ++i)
    if (!points[i] || points[i] == points[(i + 1) % points.size()]) return 0;  // a gone or repeated point
  // The story of the highest point.
  UINT story = 0;
  double top = -1e300;
  for (UINT k : points) {
    T_POINT3D g;
    if (!m_pPont->Get3DPos(k, g)) return 0;
    if (g.z > top + 1e-9) {
      top = g.z;
      T_PONT_D r;
      m_pPont->Get(k, r);
      story = r.storyKey;
    }
  }
  // An equal member is already there.
  CUIntArray at;
  m_pMemb->GetKeyListOfPoint(points[0], at);
  for (UINT k : at) {
    T_MEMB_D m;
    m_pMemb->Get(k, m);
    if (m.type != type || (size_t)m.points.GetSize() != points.size()) continue;
    std::vector<UINT> mine(m.points.begin(), m.points.end()), rev(points.rbegin(), points.rend());
    if (mine == points || (!area && mine == rev)) return k;
  }
  T_MEMB_D m;
  m.key = m_pMemb->GetNewKey();
  m.type = type;
  m.storyKey = story;
  for (UINT k : points) m.points.Add(k);
  for (UINT c : curves) m.curves.Add(c);
  m.name = p.name;
  m.beta = p.beta;
  if (CClassMemb::IsSectionType(type)) m.sectKey = p.key;
  if (CClassMemb::IsThicknessType(type)) m.thikKey = p.key;
  if (p.type == 307 || p.type == 308) {
    auto* mbtp = static_cast<CClassMbtp*>(m_pDB->GetClass(CClassMbtp::m_nClassID));
    T_MBTP_D d;
    d.key = mbtp ? mbtp->GetNewKey() : 0;
    d.value[1] = p.type == 307 ? T_MBTP_D::SLAB_LANDING : T_MBTP_D::SLAB_ROOF;
    if (!mbtp || !mbtp->TR_Add(d)) {
      m_bFailed = TRUE;
      return 0;
    }
    m.dsgnKey = d.key;
  }
  if (!m_pMemb->TR_Add(m)) {
    m_bFailed = TRUE;
    return 0;
  }
  if (type == 306) {
    auto* stik = static_cast<CClassStik*>(m_pDB->GetClass(CClassStik::m_nClassID));
    auto* thik = static_cast<CClassThik*>(m_pDB->GetClass(CClassThik::m_nClassID));
    T_STIK_D s;
    s.key = m.key;
    s.b = p.stairW;
    s.h = p.stairH;
    s.flag = p.stairUser;
    double t = thik ? thik->GetThickness(m.thikKey) : 0.0;
    s.extra = (p.stairUser ? p.stairT : CClassStik::GetConvertThickness(p.stairW, p.stairH, t)) - t;
    if (!stik || !stik->TR_Add(s)) {
      m_bFailed = TRUE;
      return 0;
    }
  }
  m_bWrote = TRUE;
  return m.key;
}

UINT CModelerWriter::MemberAt(const T_MODELER2_PARAM_MEMB& p, const std::vector<T_POINT3D>& at) {
  std::vector<UINT> keys;
  for (const T_POINT3D& g : at) {
    UINT k = Point(g);
    if (!k) return 0;
    keys.push_back(k);
  }
  return Member(p, keys);
}

UINT CModelerWriter::Column(const T_MODELER2_PARAM_MEMB& p, double x, double y, double z) {
  UINT story = 0;
  double rel = 0, top = 0;
  T_STOR_D s;
  if (!m_pStor->GetStorKFromGcsZ(z, story, rel) || !m_pStor->GetTopLevel(story, top) || !m_pStor->Get(story, s) ||
      s.height <= m_dMerge)
    return 0;
  T_MODELER2_PARAM_MEMB col = p;
  col.type = 101;
  return MemberAt(col, {T_POINT3D{x, y, top - s.height}, T_POINT3D{x, y, top}});
}

BOOL CModelerWriter::Segments(const CUIntArray* keys, std::vector<UINT>& segKeys,
                              std::vector<std::pair<T_POINT2D, T_POINT2D>>& segs) const {
  auto* dmln = static_cast<CClassDmln*>(m_pDB->GetClass(CClassDmln::m_nClassID));
  if (!dmln) return FALSE;
  CUIntArray all;
  if (!keys) dmln->GetKeyList(all);
  for (UINT k : keys ? *keys : all) {
    std::pair<T_POINT2D, T_POINT2D> s;
    if (!dmln->GetSegment(k, s.first, s.second)) return FALSE;
    segKeys.push_back(k);
    segs.push_back(s);
  }
  return TRUE;
}

std::vector<T_POINT2D> CModelerWriter::Nodes(const std::vector<std::pair<T_POINT2D, T_POINT2D>>& segs) const {
  std::vector<T_POINT2D> nodes;
  auto add = [&](const T_POINT2D& p) {
    for (const T_POINT2D& n : nodes)
      if (std::fabs(n.x - p.x) <= m_dMerge && std::fabs(n.y - p.y) <= m_dMerge) return;
    nodes.push_back(p);
  };
  for (const auto& s : segs) add(s.first), add(s.second);
  for (size_t i = 0; i < segs.size(); ++i)
    for (size_t j = i + 1; j < segs.size(); ++j) {
      const T_POINT2D &a = segs[i].first, &b = segs[i].second, &c = segs[j].first, &d = segs[j].second;
      double den = (b.x - a.x) * (d.y - c.y) - (b.y - a.y) * (d.x - c.x);
      if (std::fabs(den) < 1e-12) continue;  // parallel
      double t = ((c.x - a.x) * (d.y - c.y) - (c.y - a.y) * (d.x - c.x)) / den;
      double u = ((c.x - a.x) * (b.y - a.y) - (c.y - a.y) * (b.x - a.x)) / den;
      if (t < -1e-12 || t > 1 + 1e-12 || u < -1e-12 || u > 1 + 1e-12) continue;
      add(T_POINT2D{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
  return nodes;
}

std::vector<std::pair<T_POINT2D, T_POINT2D>> CModelerWriter::Pieces(const std::pair<T_POINT2D, T_POINT2D>& seg,
                                                                    const std::vector<T_POINT2D>& nodes) const {
  const T_POINT2D &a = seg.first, &b = seg.second;
  double len = std::hypot(b.x - a.x, b.y - a.y);
  std::vector<std::pair<double, T_POINT2D>> on;
  for (const T_POINT2D& n : nodes) {
    if (DBGeom::DistToSegment(a.x, a.y, b.x, b.y, n.x, n.y) > m_dMerge) continue;
    double t = len > 0 ? ((n.x - a.x) * (b.x - a.x) + (n.y - a.y) * (b.y - a.y)) / len : 0;
    on.emplace_back(t, n);
  }
  std::sort(on.begin(), on.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
  std::vector<std::pair<T_POINT2D, T_POINT2D>> out;
  for (size_t i = 1; i < on.size(); ++i) out.emplace_back(on[i - 1].second, on[i].second);
  return out;
}

int CModelerWriter::Nearest(const std::vector<std::pair<T_POINT2D, T_POINT2D>>& segs, double x, double y) {
  int best = -1;
  double bestD = 0.2;
  for (size_t i = 0; i < segs.size(); ++i) {
    double d = DBGeom::DistToSegment(segs[i].first.x, segs[i].first.y, segs[i].second.x, segs[i].second.y, x, y);
    if (d <= bestD) bestD = d, best = (int)i;
  }
  return best;
}

BOOL CModelerWriter::RegionsOf(const CUIntArray& membKeys, CArray<T_CPF_CYCLE_PATH>& paths) const {
  return IClosedPathFinder::Find(m_pDB, membKeys, paths, 1, 1, 0, 0.0);
}

BOOL CModelerWriter::Regions(UINT story, CArray<T_CPF_CYCLE_PATH>& paths) const {
  CUIntArray types, keys, bounding;
  CClassMemb::GetMembTypeForClosedArea(types);
  m_pMemb->GetKeyListOfStory(story, keys);
  for (UINT k : keys) {
    int t = 0;
    if (m_pMemb->GetMembType(k, t) && std::find(types.begin(), types.end(), (UINT)t) != types.end()) bounding.Add(k);
  }
  return RegionsOf(bounding, paths);
}
