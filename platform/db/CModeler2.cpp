#include "db/CModeler2.h"

#include <algorithm>
#include <cmath>
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CModelerWriter.h"
#include "db/T_MEMB_D.h"

// ---- The request log ----
namespace {
using Req = T_MODELER2_REQUEST;

std::string Num(double v) {
  char b[40];
  std::snprintf(b, sizeof b, "%.15g", v);
  return b;
}
std::string Pos(double x, double y, double z) { return Num(x) + "," + Num(y) + "," + Num(z); }
std::string Pos(const T_MEMBDLG_3DPOINT* p) { return p ? Pos(p->x, p->y, p->z) : "null"; }
std::string Points(const CPoint3DArray& a) {
  std::string s;
  for (const T_POINT3D& p : a) s += (s.empty() ? "" : ";") + Pos(p.x, p.y, p.z);
  return s.empty() ? "-" : s;
}
std::string Keys(const CUIntArray& a) {
  std::string s;
  for (UINT k : a) s += (s.empty() ? "" : ",") + std::to_string(k);
  return s.empty() ? "-" : s;
}
std::string Lines(const CLineGArray& a) {
  std::string s;
  for (const T_LINE_G& l : a)
    s += (s.empty() ? "" : ";") + Pos(l.start.x, l.start.y, l.start.z) + ">" + Pos(l.end.x, l.end.y, l.end.z) + "@" +
         (l.bArc ? Pos(l.centre.x, l.centre.y, l.centre.z) : std::string("-"));
  return s.empty() ? "-" : s;
}

class Log {
 public:
  explicit Log(const char* op) { m_r.op = op; }
  Log& Text(const char* name, const std::string& text) {
    Req::Arg a;
    a.name = name;
    a.text = text;
    m_r.args.push_back(a);
    return *this;
  }
  Log& Int(const char* name, long long v) { return Text(name, std::to_string(v)); }
  Log& Real(const char* name, double v) { return Text(name, Num(v)); }
  template <class R> Log& Record(const char* name, const R* rec) {
    if (!rec) return Text(name, "null");
    Req::Arg a;
    a.name = name;
    a.record = true;
    for (const DB_CFlatField& f : DB_FlatFields(R::Desc())) a.fields.emplace_back(f.path, DB_FieldText(f, rec).str());
    m_r.args.push_back(a);
    return *this;
  }
  Req Done(int result) {
    m_r.result = result;
    return m_r;
  }

 private:
  Req m_r;
};

// How far beside a member the automatic cantilever side is probed.
constexpr double kSideProbe = 0.01;

double Rounded(double v) { return std::fabs(v) < 1e-12 ? 0.0 : v; }

// The plan region of a window (two corners) or a polygon, and its level (the first z).
std::vector<T_POINT2D> Region(const CPoint3DArray& pts, bool window) {
  std::vector<T_POINT2D> poly;
  if (window) {
    if (pts.GetSize() < 2) return poly;
    double x0 = std::min(pts[0].x, pts[1].x), x1 = std::max(pts[0].x, pts[1].x);
    double y0 = std::min(pts[0].y, pts[1].y), y1 = std::max(pts[0].y, pts[1].y);
    if (x1 - x0 <= 1e-9 || y1 - y0 <= 1e-9) return poly;
    poly = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    return poly;
  }
  for (const T_POINT3D& p : pts) poly.push_back(T_POINT2D{p.x, p.y});
  if (poly.size() > 1 && std::fabs(poly.front().x - poly.back().x) < 1e-10 && std::fabs(poly.front().y - poly.back().y) < 1e-10)
    poly.pop_back();
  if (poly.size() < 3) poly.clear();
  return poly;
}
}  // namespace

bool T_MODELER2_REQUEST::Find(const std::string& name, std::string& text) const {
  size_t dot = name.find('.');
  std::string arg = name.substr(0, dot);
  for (const Arg& a : args) {
    if (a.name != arg) continue;
    if (dot == std::string::npos) {
      if (a.record) return false;
      text = a.text;
      return true;
    }
    for (const auto& f : a.fields)
      if (f.first == name.substr(dot + 1)) {
        text = f.second;
        return true;
      }
    return false;
  }
  return false;
}

CModeler2* CModeler2::Instance() {
  static CModeler2 s_modeler;
  return &s_modeler;
}

const T_MODELER2_REQUEST* CModeler2::GetRequest(int i) const {
  return i >= 0 && i < (int)m_log.size() ? &m_log[(size_t)i] : nullptr;
}

// ---- Shared shapes of the requests ----
namespace {

int PointsAt(CModelerWriter& w, const std::vector<T_POINT2D>& at, double level) {
  for (const T_POINT2D& p : at) w.Point(T_POINT3D{p.x, p.y, level});
  return w.Finish();
}
int ColumnsAt(CModelerWriter& w, const T_MODELER2_PARAM_MEMB& m, const std::vector<T_POINT2D>& at, double level) {
  for (const T_POINT2D& p : at) w.Column(m, p.x, p.y, level);
  return w.Finish();
}
int LinesAt(CModelerWriter& w, const T_MODELER2_PARAM_MEMB& m,
            const std::vector<std::pair<T_POINT2D, T_POINT2D>>& pieces, double level) {
  for (const auto& s : pieces)
    w.MemberAt(m, {T_POINT3D{s.first.x, s.first.y, level}, T_POINT3D{s.second.x, s.second.y, level}});
  return w.Finish();
}

// Tracing-line work: the segments (the given ones, or all), their nodes and pieces.
struct Tracing {
  std::vector<UINT> keys;
  std::vector<std::pair<T_POINT2D, T_POINT2D>> segs;
  std::vector<T_POINT2D> nodes;
  bool Load(CModelerWriter& w, const CUIntArray* given) {
    if (!w.Ok() || !w.Segments(given, keys, segs)) return false;
    nodes = w.Nodes(segs);
    return true;
  }
  std::vector<std::pair<T_POINT2D, T_POINT2D>> AllPieces(CModelerWriter& w) const {
    std::vector<std::pair<T_POINT2D, T_POINT2D>> out;
    for (const auto& s : segs)
      for (const auto& p : w.Pieces(s, nodes)) out.push_back(p);
    return out;
  }
};

std::vector<T_POINT2D> Inside(const std::vector<T_POINT2D>& pts, const std::vector<T_POINT2D>& poly) {
  std::vector<T_POINT2D> out;
  for (const T_POINT2D& p : pts)
    if (DBGeom::PointInPolygon(poly, p.x, p.y)) out.push_back(p);
  return out;
}

// The regions of the story whose every point lies inside poly.
int AreasInRegion(CModelerWriter& w, const T_MODELER2_PARAM_MEMB& m, const std::vector<T_POINT2D>& poly, double z) {
  CArray<T_CPF_CYCLE_PATH> paths;
  if (poly.empty() || !w.Regions(w.StoryAt(z), paths)) return 0;
  for (const T_CPF_CYCLE_PATH& p : paths) {
    std::vector<T_POINT2D> outline;
    if (!IClosedPathFinder::GetPolygon(w.DB(), p, outline)) continue;
    bool all = true;
    for (const T_POINT2D& q : outline) all = all && DBGeom::PointInPolygon(poly, q.x, q.y);
    if (all) w.Member(m, std::vector<UINT>(p.pontKeys.begin(), p.pontKeys.end()));
  }
  return w.Finish();
}

// A cantilever slab off one beam or wall: the rectangle `width` along the member's axis
// (from its first to its last point) and `length` out from it, at the first point's level.
bool SlabOnSide(CModelerWriter& w, const T_MEMB_D& member, double x, double y) {
  CUIntArray onStory;
  w.Memb()->GetKeyListOfStory(member.storyKey, onStory);
  for (UINT k : onStory) {
    T_MEMB_D s;
    CPoint3DArray outline;
    if (!w.Memb()->Get(k, s) || !CClassMemb::IsGeometryArea(s.type) || !w.Memb()->GetPontDList3D(k, outline)) continue;
    std::vector<T_POINT2D> poly;
    for (const T_POINT3D& q : outline) poly.push_back(T_POINT2D{q.x, q.y});
    if (poly.size() >= 3 && DBGeom::PointInPolygon(poly, x, y)) return true;
  }
  return false;
}

void Cantilever(CModelerWriter& w, const T_MODELER2_PARAM_MEMB& m, const T_PARAM_CANTI_SLAB& c, UINT membKey) {
  T_MEMB_D member;
  CPoint3DArray pts;
  if (!w.Memb()->Get(membKey, member) || (member.type != 201 && member.type != 202 && member.type != 205) ||
      !w.Memb()->GetPontDList3D(membKey, pts) || pts.GetSize() < 2)
    return;
  const T_POINT3D a = pts[0], b = pts[pts.GetSize() - 1];
  const double len = std::hypot(b.x - a.x, b.y - a.y);
  if (len <= 1e-9 || !(c.length > 0) || !(c.width > 0)) return;
  const double ux = (b.x - a.x) / len, uy = (b.y - a.y) / len;
  const double nx = -uy, ny = ux;  // left of first -> last
  const double s0 = c.location == 0 ? c.offset : c.location == 2 ? len - c.offset - c.width : (len - c.width) / 2;
  int side = c.direction == 1 ? -1 : 1;
  if (c.direction == 2) {
    // The side without a slab: probe just left of the member's middle.
    const double px = a.x + ux * len / 2 + nx * kSideProbe, py = a.y + uy * len / 2 + ny * kSideProbe;
    if (SlabOnSide(w, member, px, py)) side = -1;
  }
  const double px = a.x + ux * s0, py = a.y + uy * s0;
  const double qx = px + ux * c.width, qy = py + uy * c.width;
  const double ox = nx * side * c.length, oy = ny * side * c.length;
  std::vector<T_POINT3D> at = {{px, py, a.z}, {qx, qy, a.z}, {qx + ox, qy + oy, a.z}, {px + ox, py + oy, a.z}};
  if (side < 0) std::reverse(at.begin(), at.end());  // counter-clockwise either way
  w.MemberAt(m, at);
}

int CantileversInRegion(CModelerWriter& w, const T_MODELER2_PARAM_MEMB& m, const T_PARAM_CANTI_SLAB& c,
                        const std::vector<T_POINT2D>& poly, double z) {
  CUIntArray keys;
  if (poly.empty()) return 0;
  w.Memb()->GetKeyListOfStory(w.StoryAt(z), keys);
  for (UINT k : keys) {
    CPoint3DArray pts;
    if (!w.Memb()->GetPontDList3D(k, pts)) continue;
    bool all = true;
    for (const T_POINT3D& q : pts) all = all && DBGeom::PointInPolygon(poly, q.x, q.y);
    if (all) Cantilever(w, m, c, k);
  }
  return w.Finish();
}

// The circle through three plan points; false when they are on one line.
bool Circumcentre(const T_POINT3D& a, const T_POINT3D& b, const T_POINT3D& c, T_POINT2D& o) {
  double d = 2 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  if (std::fabs(d) < 1e-12) return false;
  double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
  o.x = (a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d;
  o.y = (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d;
  return true;
}

bool Same(const T_MEMBDLG_3DPOINT& a, const T_MEMBDLG_3DPOINT& b, double tol) {
  return std::fabs(a.x - b.x) <= tol && std::fabs(a.y - b.y) <= tol && std::fabs(a.z - b.z) <= tol;
}
T_POINT3D P3(const T_MEMBDLG_3DPOINT& p) { return T_POINT3D{p.x, p.y, p.z}; }

// The members of a brace pattern (types 1 to 6) in the bay below two positions at one
// level: A and B the positions' plan points, t their level, b the bottom of the story
// whose range holds t, M the middle of A-B, h the bay's mid-height.
bool BracePattern(CModelerWriter& w, const T_MEMBDLG_3DPOINT& p1, const T_MEMBDLG_3DPOINT& p2,
                  const T_MODELER2_PARAM_MEMB& memb, std::vector<std::pair<T_POINT3D, T_POINT3D>>& bars) {
  const double t = p1.z;
  if (std::fabs(p1.z - p2.z) > w.MergeTol()) return false;
  const double span = std::hypot(p2.x - p1.x, p2.y - p1.y);
  UINT story = w.StoryAt(t);
  double top = 0;
  T_STOR_D s;
  if (span <= w.MergeTol() || !story || !w.Stor()->GetTopLevel(story, top) || !w.Stor()->Get(story, s)) return false;
  const double b = top - s.height;
  if (t - b <= w.MergeTol()) return false;
  auto at = [&](double f, double z) {
    return T_POINT3D{Rounded(p1.x + (p2.x - p1.x) * f), Rounded(p1.y + (p2.y - p1.y) * f), z};
  };
  const double h = (t + b) / 2;
  switch (memb.braceType) {
    case 1: bars = {{at(0, b), at(1, t)}, {at(1, b), at(0, t)}}; break;  // cross
    case 2: bars = {{at(0, b), at(1, t)}}; break;                        // one diagonal
    case 3: bars = {{at(0, b), at(0.5, t)}, {at(1, b), at(0.5, t)}}; break;  // inverted V
    case 4: bars = {{at(0, h), at(1, t)}, {at(0, h), at(1, b)}}; break;      // K, meeting at A's mid-height
    case 5: bars = {{at(0, t), at(0.5, b)}, {at(1, t), at(0.5, b)}}; break;  // V
    case 6: {                                                                 // eccentric, e1 apart, e2 down
      const double gap = memb.e1 / span, drop = memb.e2;
      if (!(memb.e1 >= 0) || !(drop >= 0) || memb.e1 >= span - w.MergeTol() || drop >= t - b - w.MergeTol())
        return false;
      bars = {{at(0, b), at(0.5 - gap / 2, t - drop)}, {at(1, b), at(0.5 + gap / 2, t - drop)}};
      break;
    }
    default: return false;
  }
  return true;
}

}  // namespace

#define LOG_DONE(LOGGER, RESULT)          \
  do {                                    \
    int r_ = (RESULT);                    \
    m_log.push_back((LOGGER).Done(r_));   \
    return r_;                            \
  } while (0)

// ---- The operations, in interface order ----
int CModeler2::CreatePoint(double x, double y, double z, T_MODELER2_PARAM_PONT& pont, int* pOut) {
  Log log("CreatePoint");
  log.Text("xyz", Pos(x, y, z)).Record("pont", &pont).Text("out", pOut ? std::to_string(*pOut) : "null");
  CModelerWriter w;
  UINT k = w.Point(T_POINT3D{x, y, z});
  if (pOut) *pOut = (int)k;
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateColumnOnPoint(UINT pontKey, T_MODELER2_PARAM_MEMB& memb, int* pOut) {
  Log log("CreateColumnOnPoint");
  log.Int("key", pontKey).Record("memb", &memb).Text("out", pOut ? std::to_string(*pOut) : "null");
  CModelerWriter w;
  T_POINT3D g;
  UINT k = w.Ok() && w.PointPos(pontKey, g) ? w.Column(memb, g.x, g.y, g.z) : 0;
  if (pOut) *pOut = (int)k;
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateLineMembOnPoints(const CUIntArray& keys, T_MODELER2_PARAM_MEMB& memb, T_CURV_D* pCurve,
                                      const CPoint2DArray* pPoints2D) {
  Log log("CreateLineMembOnPoints");
  std::string p2 = "-";
  if (pPoints2D) {
    p2.clear();
    for (const T_POINT2D& p : *pPoints2D) p2 += (p2.empty() ? "" : ";") + Num(p.x) + "," + Num(p.y);
    if (p2.empty()) p2 = "-";
  }
  log.Text("keys", Keys(keys)).Record("memb", &memb).Record("curve", pCurve).Text("points2d", pPoints2D ? p2 : "null");
  CModelerWriter w;
  std::vector<UINT> curves;
  if (pCurve && w.Ok()) curves.push_back(w.Curve(pCurve->cx, pCurve->cy, pCurve->cz));
  if (w.Ok()) w.Member(memb, std::vector<UINT>(keys.begin(), keys.end()), curves);
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreatePointsOnTracingLines(const CUIntArray& segKeys, double level, T_MODELER2_PARAM_PONT& pont) {
  Log log("CreatePointsOnTracingLines");
  log.Text("keys", Keys(segKeys)).Real("level", level).Record("pont", &pont);
  CModelerWriter w;
  Tracing t;
  if (segKeys.IsEmpty() || !t.Load(w, &segKeys)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, PointsAt(w, t.nodes, level));
}

int CModeler2::CreatePointsOnAxis(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_PONT& pont) {
  Log log("CreatePointsOnAxis");
  log.Text("position", Pos(pos)).Record("pont", &pont);
  CModelerWriter w;
  Tracing t;
  int i = pos && t.Load(w, nullptr) ? CModelerWriter::Nearest(t.segs, pos->x, pos->y) : -1;
  if (i < 0) LOG_DONE(log, w.Finish());
  std::vector<T_POINT2D> on;
  for (const auto& piece : w.Pieces(t.segs[(size_t)i], t.nodes)) {
    if (on.empty()) on.push_back(piece.first);
    on.push_back(piece.second);
  }
  LOG_DONE(log, PointsAt(w, on, pos->z));
}

UINT CModeler2::GetOrCreatePoint(const T_PONT_D* pPoint, int nFlag) {
  Log log("GetOrCreatePoint");
  log.Record("point", pPoint).Int("flag", nFlag);
  CModelerWriter w;
  UINT key = 0;
  double top = 0;
  T_STOR_D s;
  if (pPoint && w.Ok() && w.Stor()->GetTopLevel(pPoint->storyKey, top) && w.Stor()->Get(pPoint->storyKey, s)) {
    T_PONT_D rec = *pPoint;
    if (rec.flag == -1) rec.z -= s.height;  // given from the story's bottom, stored from its top
    key = w.Pont()->GetSamePointBy3DPos(T_POINT3D{rec.x, rec.y, top + rec.z}, w.MergeTol());
    if (!key) key = w.PointRecord(rec);
  }
  int written = w.Finish();
  if (!written && key && !w.Pont()->Exist(key)) key = 0;  // rolled back
  m_log.push_back(log.Done((int)key));
  return key;
}

int CModeler2::CreateColumnsOnTracingLines(const CUIntArray& segKeys, double level, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateColumnsOnTracingLines");
  log.Text("keys", Keys(segKeys)).Real("level", level).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  if (segKeys.IsEmpty() || !t.Load(w, &segKeys)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, ColumnsAt(w, memb, t.nodes, level));
}

int CModeler2::CreateColumnsOnAxis(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateColumnsOnAxis");
  log.Text("position", Pos(pos)).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  int i = pos && t.Load(w, nullptr) ? CModelerWriter::Nearest(t.segs, pos->x, pos->y) : -1;
  if (i < 0) LOG_DONE(log, w.Finish());
  std::vector<T_POINT2D> on;
  for (const auto& piece : w.Pieces(t.segs[(size_t)i], t.nodes)) {
    if (on.empty()) on.push_back(piece.first);
    on.push_back(piece.second);
  }
  LOG_DONE(log, ColumnsAt(w, memb, on, pos->z));
}

int CModeler2::CreateColumnAtPos(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb, int nMethod) {
  Log log("CreateColumnAtPos");
  log.Text("position", Pos(pos)).Record("memb", &memb).Int("method", nMethod);
  CModelerWriter w;
  if (pos && w.Ok()) w.Column(memb, pos->x, pos->y, pos->z);
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateLineMembsOnAxis(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateLineMembsOnAxis");
  log.Text("position", Pos(pos)).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  int i = pos && t.Load(w, nullptr) ? CModelerWriter::Nearest(t.segs, pos->x, pos->y) : -1;
  if (i < 0) LOG_DONE(log, w.Finish());
  LOG_DONE(log, LinesAt(w, memb, w.Pieces(t.segs[(size_t)i], t.nodes), pos->z));
}

int CModeler2::CreateLineMembsOnTracingLines(const CUIntArray& segKeys, double level, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateLineMembsOnTracingLines");
  log.Text("keys", Keys(segKeys)).Real("level", level).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  if (segKeys.IsEmpty() || !t.Load(w, &segKeys)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, LinesAt(w, memb, t.AllPieces(w), level));
}

int CModeler2::CreateLineMembByPick(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateLineMembByPick");
  log.Text("position", Pos(pos)).Record("memb", &memb);
  // The piece of the nearest tracing-line segment, between the nodes around the pick.
  CModelerWriter w;
  Tracing t;
  int i = pos && t.Load(w, nullptr) ? CModelerWriter::Nearest(t.segs, pos->x, pos->y) : -1;
  if (i < 0) LOG_DONE(log, w.Finish());
  for (const auto& piece : w.Pieces(t.segs[(size_t)i], t.nodes))
    if (DBGeom::DistToSegment(piece.first.x, piece.first.y, piece.second.x, piece.second.y, pos->x, pos->y) <= 0.2) {
      LOG_DONE(log, LinesAt(w, memb, {piece}, pos->z));
    }
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateBraceBy2Pos(const T_MEMBDLG_3DPOINT* p1, const T_MEMBDLG_3DPOINT* p2, T_MODELER2_PARAM_MEMB& memb,
                                 int nFlag) {
  Log log("CreateBraceBy2Pos");
  log.Text("p1", Pos(p1)).Text("p2", Pos(p2)).Record("memb", &memb).Int("flag", nFlag);
  CModelerWriter w;
  if (!p1 || !p2 || !w.Ok() || Same(*p1, *p2, w.MergeTol())) LOG_DONE(log, w.Finish());
  if (memb.braceType == 0) {
    w.MemberAt(memb, {P3(*p1), P3(*p2)});
    LOG_DONE(log, w.Finish());
  }
  std::vector<std::pair<T_POINT3D, T_POINT3D>> bars;
  if (!BracePattern(w, *p1, *p2, memb, bars)) LOG_DONE(log, w.Finish());
  for (const auto& bar : bars)
    if (!w.MemberAt(memb, {bar.first, bar.second})) w.Fail();
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreatePointsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_PONT& pont) {
  Log log("CreatePointsInWindow");
  log.Text("points", Points(points)).Record("pont", &pont);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, true);
  if (poly.empty() || !t.Load(w, nullptr)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, PointsAt(w, Inside(t.nodes, poly), points[0].z));
}

int CModeler2::CreatePointsInWindowOnTracingLines(const CUIntArray& segKeys, double level, const CPoint3DArray& points,
                                                  T_MODELER2_PARAM_PONT& pont) {
  Log log("CreatePointsInWindowOnTracingLines");
  log.Text("keys", Keys(segKeys)).Real("level", level).Text("points", Points(points)).Record("pont", &pont);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, true);
  if (poly.empty() || segKeys.IsEmpty() || !t.Load(w, &segKeys)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, PointsAt(w, Inside(t.nodes, poly), level));
}

int CModeler2::CreatePointsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_PONT& pont) {
  Log log("CreatePointsInPolygon");
  log.Text("points", Points(points)).Record("pont", &pont);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, false);
  if (poly.empty() || !t.Load(w, nullptr)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, PointsAt(w, Inside(t.nodes, poly), points[0].z));
}

int CModeler2::CreateColumnsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateColumnsInWindow");
  log.Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, true);
  if (poly.empty() || !t.Load(w, nullptr)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, ColumnsAt(w, memb, Inside(t.nodes, poly), points[0].z));
}

int CModeler2::CreateColumnsInWindowOnTracingLines(const CUIntArray& segKeys, double level, const CPoint3DArray& points,
                                                   T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateColumnsInWindowOnTracingLines");
  log.Text("keys", Keys(segKeys)).Real("level", level).Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, true);
  if (poly.empty() || segKeys.IsEmpty() || !t.Load(w, &segKeys)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, ColumnsAt(w, memb, Inside(t.nodes, poly), level));
}

int CModeler2::CreateColumnsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateColumnsInPolygon");
  log.Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, false);
  if (poly.empty() || !t.Load(w, nullptr)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, ColumnsAt(w, memb, Inside(t.nodes, poly), points[0].z));
}

namespace {
std::vector<std::pair<T_POINT2D, T_POINT2D>> PiecesInside(const std::vector<std::pair<T_POINT2D, T_POINT2D>>& pieces,
                                                          const std::vector<T_POINT2D>& poly) {
  std::vector<std::pair<T_POINT2D, T_POINT2D>> out;
  for (const auto& p : pieces)
    if (DBGeom::PointInPolygon(poly, p.first.x, p.first.y) && DBGeom::PointInPolygon(poly, p.second.x, p.second.y))
      out.push_back(p);
  return out;
}
}  // namespace

int CModeler2::CreateLineMembsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateLineMembsInWindow");
  log.Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, true);
  if (poly.empty() || !t.Load(w, nullptr)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, LinesAt(w, memb, PiecesInside(t.AllPieces(w), poly), points[0].z));
}

int CModeler2::CreateLineMembsInWindowOnTracingLines(const CUIntArray& segKeys, double level,
                                                     T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateLineMembsInWindowOnTracingLines");
  log.Text("keys", Keys(segKeys)).Real("level", level).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  if (segKeys.IsEmpty() || !t.Load(w, &segKeys)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, LinesAt(w, memb, t.AllPieces(w), level));
}

int CModeler2::CreateLineMembsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateLineMembsInPolygon");
  log.Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  Tracing t;
  auto poly = Region(points, false);
  if (poly.empty() || !t.Load(w, nullptr)) LOG_DONE(log, w.Finish());
  LOG_DONE(log, LinesAt(w, memb, PiecesInside(t.AllPieces(w), poly), points[0].z));
}

int CModeler2::CreateLineMembBy2Pos(const T_MEMBDLG_3DPOINT* p1, const T_MEMBDLG_3DPOINT* p2,
                                    T_MODELER2_PARAM_MEMB& memb, int nFlag, T_CURV_D* pCurve, int a0, int a1, int a2,
                                    int a3) {
  Log log("CreateLineMembBy2Pos");
  log.Text("p1", Pos(p1)).Text("p2", Pos(p2)).Record("memb", &memb).Int("flag", nFlag).Record("curve", pCurve);
  log.Int("a0", a0).Int("a1", a1).Int("a2", a2).Int("a3", a3);
  CModelerWriter w;
  if (!p1 || !p2 || !w.Ok() || Same(*p1, *p2, w.MergeTol())) LOG_DONE(log, w.Finish());
  if (CClassMemb::IsGeometryArea(memb.type == 307 || memb.type == 308 ? 301 : memb.type)) {
    // The rectangle the two positions span, at the first one's level.
    if (std::fabs(p1->x - p2->x) <= w.MergeTol() || std::fabs(p1->y - p2->y) <= w.MergeTol()) LOG_DONE(log, w.Finish());
    double z = p1->z;
    std::vector<T_POINT3D> at = {{p1->x, p1->y, z}, {p2->x, p1->y, z}, {p2->x, p2->y, z}, {p1->x, p2->y, z}};
    if ((p2->x - p1->x) * (p2->y - p1->y) < 0) std::reverse(at.begin() + 1, at.end());
    w.MemberAt(memb, at);
    LOG_DONE(log, w.Finish());
  }
  UINT a = w.Point(P3(*p1)), b = w.Point(P3(*p2));
  std::vector<UINT> curves;
  if (pCurve) curves.push_back(w.Curve(pCurve->cx, pCurve->cy, pCurve->cz));
  if (a && b) w.Member(memb, {a, b}, curves);
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateLineMembsBetweenMembs(const CUIntArray& membKeys, int nCount, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateLineMembsBetweenMembs");
  log.Text("keys", Keys(membKeys)).Int("count", nCount).Record("memb", &memb);
  CModelerWriter w;
  CPoint3DArray m1, m2;
  if (!w.Ok() || membKeys.GetSize() != 2 || nCount < 1 || membKeys[0] == membKeys[1] ||
      !w.Memb()->GetPontDList3D(membKeys[0], m1) || !w.Memb()->GetPontDList3D(membKeys[1], m2) || m1.GetSize() < 2 ||
      m2.GetSize() < 2)
    LOG_DONE(log, w.Finish());
  T_POINT3D a0 = m1[0], a1 = m1[m1.GetSize() - 1], b0 = m2[0], b1 = m2[m2.GetSize() - 1];
  auto d = [](const T_POINT3D& p, const T_POINT3D& q) { return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z); };
  if (d(a0, b1) + d(a1, b0) < d(a0, b0) + d(a1, b1)) std::swap(b0, b1);  // measure from the nearer ends
  auto at = [](const T_POINT3D& p, const T_POINT3D& q, double t) {
    return T_POINT3D{Rounded(p.x + (q.x - p.x) * t), Rounded(p.y + (q.y - p.y) * t), Rounded(p.z + (q.z - p.z) * t)};
  };
  for (int i = 1; i <= nCount; ++i) {
    double t = (double)i / (nCount + 1);
    w.MemberAt(memb, {at(a0, a1, t), at(b0, b1, t)});
  }
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateArcMembBy3Points(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateArcMembBy3Points");
  log.Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  T_POINT2D o;
  if (!w.Ok() || points.GetSize() != 3 || !Circumcentre(points[0], points[1], points[2], o)) LOG_DONE(log, w.Finish());
  UINT a = w.Point(points[0]), b = w.Point(points[2]);
  UINT c = w.Curve(o.x, o.y, points[0].z);
  if (a && b && c) w.Member(memb, {a, b}, {c});
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateArcMembByCenter(const CPoint3DArray& points, const CLineGArray& lines, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateArcMembByCenter");
  log.Text("points", Points(points)).Text("lines", Lines(lines)).Record("memb", &memb);
  CModelerWriter w;
  if (!w.Ok() || points.GetSize() != 3) LOG_DONE(log, w.Finish());
  T_LINE_G arc;
  arc.start = points[1], arc.end = points[2], arc.centre = points[0], arc.bArc = TRUE;
  T_POINT3D mid;
  if (!arc.GetLineCenter(mid)) LOG_DONE(log, w.Finish());  // the ends not on one circle about the centre
  UINT a = w.Point(points[1]), b = w.Point(points[2]);
  UINT c = w.Curve(points[0].x, points[0].y, points[0].z);
  if (a && b && c) w.Member(memb, {a, b}, {c});
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateAreaMembByPick(const T_MEMBDLG_3DPOINT* pos, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateAreaMembByPick");
  log.Text("position", Pos(pos)).Record("memb", &memb);
  CModelerWriter w;
  CArray<T_CPF_CYCLE_PATH> paths;
  if (!pos || !w.Ok() || !w.Regions(w.StoryAt(pos->z), paths)) LOG_DONE(log, w.Finish());
  // The smallest region around the position.
  int best = -1;
  double bestArea = 0;
  for (INT_PTR i = 0; i < paths.GetSize(); ++i) {
    std::vector<T_POINT2D> poly;
    if (!IClosedPathFinder::GetPolygon(w.DB(), paths[i], poly) || !DBGeom::PointInPolygon(poly, pos->x, pos->y)) continue;
    double a = std::fabs(DBGeom::SignedArea(poly));
    if (best < 0 || a < bestArea) best = (int)i, bestArea = a;
  }
  if (best >= 0) w.Member(memb, std::vector<UINT>(paths[best].pontKeys.begin(), paths[best].pontKeys.end()));
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateAreaMembBy2Pos(const T_MEMBDLG_3DPOINT* p1, const T_MEMBDLG_3DPOINT* p2,
                                    T_MODELER2_PARAM_MEMB& memb, int nFlag) {
  Log log("CreateAreaMembBy2Pos");
  log.Text("p1", Pos(p1)).Text("p2", Pos(p2)).Record("memb", &memb).Int("flag", nFlag);
  CModelerWriter w;
  if (!p1 || !p2 || !w.Ok() || std::fabs(p1->x - p2->x) <= w.MergeTol() || std::fabs(p1->y - p2->y) <= w.MergeTol())
    LOG_DONE(log, w.Finish());
  double z = p1->z;
  std::vector<T_POINT3D> at = {{p1->x, p1->y, z}, {p2->x, p1->y, z}, {p2->x, p2->y, z}, {p1->x, p2->y, z}};
  if ((p2->x - p1->x) * (p2->y - p1->y) < 0) std::reverse(at.begin() + 1, at.end());  // counter-clockwise
  w.MemberAt(memb, at);
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateAreaMembByPosList(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb, int nFlag) {
  Log log("CreateAreaMembByPosList");
  log.Text("points", Points(points)).Record("memb", &memb).Int("flag", nFlag);
  CModelerWriter w;
  if (w.Ok() && points.GetSize() >= 3) w.MemberAt(memb, points.vec());
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateAreaMembByPointKeys(const CUIntArray& keys, T_MODELER2_PARAM_MEMB& memb, const CUIntArray* pKeys2,
                                         int nOption) {
  Log log("CreateAreaMembByPointKeys");
  log.Text("keys", Keys(keys)).Record("memb", &memb).Text("keys2", pKeys2 ? Keys(*pKeys2) : "null").Int("flag", nOption);
  CModelerWriter w;
  if (w.Ok()) w.Member(memb, std::vector<UINT>(keys.begin(), keys.end()));
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateAreaMembOnPoints(const CUIntArray& keys, T_MODELER2_PARAM_MEMB& memb, const CUIntArray* pKeys2,
                                      int nOption) {
  Log log("CreateAreaMembOnPoints");
  log.Text("keys", Keys(keys)).Record("memb", &memb).Text("keys2", pKeys2 ? Keys(*pKeys2) : "null").Int("flag", nOption);
  CModelerWriter w;
  if (w.Ok()) w.Member(memb, std::vector<UINT>(keys.begin(), keys.end()));
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateAreaMembsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateAreaMembsInWindow");
  log.Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  if (!w.Ok()) LOG_DONE(log, w.Finish());
  LOG_DONE(log, AreasInRegion(w, memb, Region(points, true), points.IsEmpty() ? 0.0 : points[0].z));
}

int CModeler2::CreateAreaMembsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateAreaMembsInPolygon");
  log.Text("points", Points(points)).Record("memb", &memb);
  CModelerWriter w;
  if (!w.Ok()) LOG_DONE(log, w.Finish());
  LOG_DONE(log, AreasInRegion(w, memb, Region(points, false), points.IsEmpty() ? 0.0 : points[0].z));
}

int CModeler2::CreateAreaMembsOnSelection(const CUIntArray& membKeys, T_MODELER2_PARAM_MEMB& memb) {
  Log log("CreateAreaMembsOnSelection");
  log.Text("keys", Keys(membKeys)).Record("memb", &memb);
  CModelerWriter w;
  CArray<T_CPF_CYCLE_PATH> paths;
  if (w.Ok() && w.RegionsOf(membKeys, paths)) {
    CSlabOverlapChecker::RemoveSlabInnerSlab(w.DB(), paths);
    for (const T_CPF_CYCLE_PATH& p : paths) w.Member(memb, std::vector<UINT>(p.pontKeys.begin(), p.pontKeys.end()));
  }
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateAreaMembByLines(const CLineGArray& lines, T_MODELER2_PARAM_MEMB& memb, int nFlag) {
  Log log("CreateAreaMembByLines");
  log.Text("lines", Lines(lines)).Record("memb", &memb).Int("flag", nFlag);
  CModelerWriter w;
  if (!w.Ok() || lines.GetSize() < 2) LOG_DONE(log, w.Finish());
  std::vector<UINT> pts, curves;
  bool curved = false;
  for (const T_LINE_G& l : lines) {
    pts.push_back(w.Point(l.start));
    curves.push_back(l.bArc ? w.Curve(l.centre.x, l.centre.y, l.centre.z) : 0);
    curved = curved || l.bArc;
  }
  if (!curved) curves.clear();
  w.Member(memb, pts, curves);
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateCantileverSlabsOnMembs(const CUIntArray& membKeys, T_MODELER2_PARAM_MEMB& memb,
                                            T_PARAM_CANTI_SLAB& canti) {
  Log log("CreateCantileverSlabsOnMembs");
  log.Text("keys", Keys(membKeys)).Record("memb", &memb).Record("canti", &canti);
  CModelerWriter w;
  if (w.Ok())
    for (UINT k : membKeys) Cantilever(w, memb, canti, k);
  LOG_DONE(log, w.Finish());
}

int CModeler2::CreateCantileverSlabsInWindow(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb,
                                             T_PARAM_CANTI_SLAB& canti) {
  Log log("CreateCantileverSlabsInWindow");
  log.Text("points", Points(points)).Record("memb", &memb).Record("canti", &canti);
  CModelerWriter w;
  if (!w.Ok()) LOG_DONE(log, w.Finish());
  LOG_DONE(log, CantileversInRegion(w, memb, canti, Region(points, true), points.IsEmpty() ? 0.0 : points[0].z));
}

int CModeler2::CreateCantileverSlabsInPolygon(const CPoint3DArray& points, T_MODELER2_PARAM_MEMB& memb,
                                              T_PARAM_CANTI_SLAB& canti) {
  Log log("CreateCantileverSlabsInPolygon");
  log.Text("points", Points(points)).Record("memb", &memb).Record("canti", &canti);
  CModelerWriter w;
  if (!w.Ok()) LOG_DONE(log, w.Finish());
  LOG_DONE(log, CantileversInRegion(w, memb, canti, Region(points, false), points.IsEmpty() ? 0.0 : points[0].z));
}
