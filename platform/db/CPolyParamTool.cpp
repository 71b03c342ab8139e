#include "db/CPolyParamTool.h"

#include <cmath>
#include <utility>

namespace {

constexpr double kSame = 1e-9;
constexpr double kPi = 3.14159265358979323846;
constexpr int kArcChords = 16;

bool Same(const T_POINT3D& a, const T_POINT3D& b) {
  return std::fabs(a.x - b.x) <= kSame && std::fabs(a.y - b.y) <= kSame && std::fabs(a.z - b.z) <= kSame;
}

// Plan centre of the circle through a, b, c (z of a); false when they are on one line.
bool Circumcentre(const T_POINT3D& a, const T_POINT3D& b, const T_POINT3D& c, T_POINT3D& o) {
  const double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
  const double d = 2.0 * (bx * cy - by * cx);
  const double scale = std::fabs(bx * bx + by * by) + std::fabs(cx * cx + cy * cy);
  if (std::fabs(d) <= 1e-12 * (scale > 1.0 ? scale : 1.0)) return false;
  const double b2 = bx * bx + by * by, c2 = cx * cx + cy * cy;
  o.x = a.x + (cy * b2 - by * c2) / d;
  o.y = a.y + (bx * c2 - cx * b2) / d;
  o.z = a.z;
  return true;
}

void Add(CArray<double>& band, const T_POINT3D& p) {
  band.Add(p.x);
  band.Add(p.y);
  band.Add(p.z);
}

}  // namespace

void CPolyParamTool::Initialize(int nSizeClass) {
  m_nSize = nSizeClass;
  Reset();
}

void CPolyParamTool::SetEdgeMode(int nMode) {
  if (nMode < EDGE_PICK_MEMB || nMode > EDGE_ARC_P1_C_P2) return;
  if (nMode != m_nMode) m_pending.clear();
  m_nMode = nMode;
}

void CPolyParamTool::Reset() {
  m_lines.clear();
  m_pending.clear();
  m_bClosed = false;
}

BOOL CPolyParamTool::AtStart(const T_POINT3D& p) const { return !m_lines.empty() && Same(p, m_lines.front().start); }

void CPolyParamTool::AddEdge(const T_LINE_G& line) {
  m_lines.push_back(line);
  m_pending.clear();
  if (m_lines.size() >= 2 && AtStart(line.end)) {
    m_lines.back().end = m_lines.front().start;
    m_bClosed = true;
  }
}

BOOL CPolyParamTool::PushPoint(const T_MEMBDLG_3DPOINT& pos) {
  if (IsFinished() || m_nMode == EDGE_PICK_MEMB) return FALSE;
  const T_POINT3D p{pos.x, pos.y, pos.z};
  const bool chain = !m_lines.empty();
  // A press on the point before it makes no edge.
  if (!m_pending.empty() ? Same(p, m_pending.back()) : (chain && Same(p, m_lines.back().end))) return FALSE;
  m_pending.push_back(p);
  const size_t need = (m_nMode == EDGE_LINE ? 2u : 3u) - (chain ? 1u : 0u);
  if (m_pending.size() < need) return TRUE;

  // The edge's presses with its start in front: start, [middle], end.
  std::vector<T_POINT3D> q;
  if (chain) q.push_back(m_lines.back().end);
  q.insert(q.end(), m_pending.begin(), m_pending.end());
  T_LINE_G line;
  switch (m_nMode) {
    case EDGE_LINE: line.start = q[0], line.end = q[1]; break;
    case EDGE_ARC_3P:
      line.start = q[0], line.end = q[2], line.bArc = TRUE;
      if (!Circumcentre(q[0], q[1], q[2], line.centre)) {
        m_pending.pop_back();
        return FALSE;
      }
      break;
    default: {
      // Centre and start: by the mode, and a following edge starts at the chain's end.
      const bool centreFirst = m_nMode == EDGE_ARC_C_P1P2;
      T_POINT3D c, s;
      if (chain)
        s = q[0], c = q[1];
      else
        c = centreFirst ? q[0] : q[1], s = centreFirst ? q[1] : q[0];
      const T_POINT3D& e = q.back();
      const double r = std::hypot(s.x - c.x, s.y - c.y);
      const double d = std::hypot(e.x - c.x, e.y - c.y);
      T_POINT3D end{c.x + (e.x - c.x) * r / (d > 0 ? d : 1), c.y + (e.y - c.y) * r / (d > 0 ? d : 1), e.z};
      if (r <= kSame || d <= kSame || Same(end, s)) {
        m_pending.pop_back();
        return FALSE;
      }
      line.start = s, line.end = end, line.centre = c, line.bArc = TRUE;
      break;
    }
  }
  AddEdge(line);
  return TRUE;
}

BOOL CPolyParamTool::PushLine(const T_LINE_G& in) {
  if (IsFinished() || m_nMode != EDGE_PICK_MEMB) return FALSE;
  T_LINE_G line = in;
  auto turn = [](T_LINE_G& l) { std::swap(l.start, l.end); };
  if (!m_lines.empty()) {
    const T_POINT3D end = m_lines.back().end;
    if (m_lines.size() == 1 && !Same(line.start, end) && !Same(line.end, end) &&
        (Same(line.start, m_lines[0].start) || Same(line.end, m_lines[0].start)))
      turn(m_lines[0]);  // the first line ran the other way
    if (Same(line.end, m_lines.back().end)) turn(line);
    if (!Same(line.start, m_lines.back().end)) return FALSE;
  }
  AddEdge(line);
  return TRUE;
}

BOOL CPolyParamTool::CloseEdge() {
  if (m_bClosed) return TRUE;
  if (m_lines.empty()) return FALSE;
  m_pending.clear();
  if (!AtStart(m_lines.back().end)) {
    T_LINE_G back;
    back.start = m_lines.back().end;
    back.end = m_lines.front().start;
    m_lines.push_back(back);
  }
  m_bClosed = true;
  return TRUE;
}

int CPolyParamTool::GetLines(CLineGArray& lines) const {
  lines.RemoveAll();
  for (const T_LINE_G& l : m_lines) lines.Add(l);
  return (int)lines.GetSize();
}

BOOL CPolyParamTool::IsFinished() const {
  if (m_nSize == SIZE_ONE_LINE) return !m_lines.empty();
  if (m_nSize == SIZE_CLOSED) return m_bClosed;
  return FALSE;
}

BOOL CPolyParamTool::IsNeedRubBand() const { return !IsFinished() && (!m_lines.empty() || !m_pending.empty()); }

BOOL CPolyParamTool::GetRubBandInfo(CArray<double>& band, const T_MEMBDLG_3DPOINT& pos) const {
  band.RemoveAll();
  if (!IsNeedRubBand()) return FALSE;
  if (!m_lines.empty()) Add(band, m_lines.front().start);
  for (const T_LINE_G& l : m_lines) {
    if (l.bArc) {
      const double r = std::hypot(l.start.x - l.centre.x, l.start.y - l.centre.y);
      const double a0 = std::atan2(l.start.y - l.centre.y, l.start.x - l.centre.x);
      double sweep = std::atan2(l.end.y - l.centre.y, l.end.x - l.centre.x) - a0;
      while (sweep > kPi) sweep -= 2 * kPi;
      while (sweep < -kPi) sweep += 2 * kPi;
      for (int k = 1; k < kArcChords; ++k) {
        const double t = (double)k / kArcChords, a = a0 + sweep * t;
        Add(band, T_POINT3D{l.centre.x + r * std::cos(a), l.centre.y + r * std::sin(a),
                            l.start.z + (l.end.z - l.start.z) * t});
      }
    }
    Add(band, l.end);
  }
  for (const T_POINT3D& p : m_pending) Add(band, p);
  Add(band, T_POINT3D{pos.x, pos.y, pos.z});
  return TRUE;
}
