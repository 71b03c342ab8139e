#include "BenchModel.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <map>
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "uiutil/CTBCommon.h"
#include "host/CHostApp.h"

namespace bench {

CHostApp& App() {
  static CHostApp app;
  return app;
}

double ThreadCpuNs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e9 + ts.tv_nsec;
}

double Best(const std::function<double()>& run, int times) {
  double best = run();
  for (int i = 1; i < times; ++i) best = std::min(best, run());
  return best;
}

CaseVsBaseline MeasureVsBaseline(const std::string& name, const std::function<double(int)>& at, int n, int baseline,
                                 int times) {
  static std::map<std::string, double> base;
  if (!base.count(name)) {
    at(baseline);
    base[name] = Best([&] { return at(baseline); }, 5);
  }
  CaseVsBaseline r;
  r.ns = Best([&] { return at(n); }, times > 0 ? times : n > baseline ? 2 : 5);
  r.ratio = r.ns / base[name];
  return r;
}

T_STOR_D NumberedStory(const char* prefix, int i) {
  T_STOR_D s;
  s.name.Format("%s%07d", prefix, i);
  s.height = 3.0 + (i % 7) * 0.1;
  s.planKey = 1;
  s.mdulKey = 1;
  return s;
}

void GridReplay::OnUpdate(CView*, LPARAM, CObject* hint) { grid->UpdateBuffer(hint); }

BeamFrame AddFramePoints(CDBDoc& doc, int n, CArray<T_MEMB_D>& beams) {
  DB_CDataBase* db = doc.GetModelDB();
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  BeamFrame f;
  T_STOR_D s;
  s.name = "1F";
  s.planKey = 1;
  s.height = 3.0;
  stor->TR_Add(s);
  f.story = stor->GetKey("1F", CClassMdul::MAIN_TOWER);
  f.cols = (int)std::ceil(std::sqrt((double)n)) + 1;
  f.rows = (n + f.cols - 2) / (f.cols - 1);
  CArray<T_PONT_D> pts;
  for (int r = 0; r < f.rows; ++r)
    for (int c = 0; c < f.cols; ++c) {
      T_PONT_D p;
      p.x = c, p.y = r, p.storyKey = f.story;
      pts.Add(p);
    }
  pont->TR_Add(pts);
  beams.RemoveAll();
  for (int r = 0; r < f.rows && beams.GetSize() < n; ++r)
    for (int c = 0; c + 1 < f.cols && beams.GetSize() < n; ++c) {
      T_MEMB_D m;
      m.type = 201, m.storyKey = f.story;
      m.points.Add((UINT)(r * f.cols + c + 1));
      m.points.Add((UINT)(r * f.cols + c + 2));
      beams.Add(m);
    }
  return f;
}

BeamFrame AddBeamFrame(CDBDoc& doc, int n) {
  CArray<T_MEMB_D> beams;
  const BeamFrame f = AddFramePoints(doc, n, beams);
  static_cast<CClassMemb*>(doc.GetModelDB()->GetClass(CClassMemb::m_nClassID))->TR_Add(beams);
  return f;
}

void AddSampleBeams(CDBDoc& doc, int n, UINT firstRow, std::vector<T_MEMB_D>* out) {
  DB_CDataBase* db = doc.GetModelDB();
  auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  const int cols = (int)std::ceil(std::sqrt((double)n)) + 2;
  const int rows = n / (cols - 1) + 1;
  CArray<T_PONT_D> pts;
  for (UINT story : {3u, 4u})
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        T_PONT_D p;
        p.x = c, p.y = r + firstRow, p.storyKey = story;
        pts.Add(p);
      }
  const UINT base = pont->GetNewKey();
  pont->TR_Add(pts);
  const UINT perStory = (UINT)(rows * cols);
  CArray<T_MEMB_D> beams;
  for (int i = 0; i < n; ++i) {
    const int s = i & 1, j = i / 2, r = j / (cols - 1), c = j % (cols - 1);
    T_MEMB_D m;
    m.type = 201, m.storyKey = 3 + s, m.sectKey = (UINT)(i % 3 + 1);
    m.points.Add(base + s * perStory + (UINT)(r * cols + c));
    m.points.Add(base + s * perStory + (UINT)(r * cols + c + 1));
    beams.Add(m);
  }
  const UINT first = memb->GetNewKey();
  memb->TR_Add(beams);
  if (out)
    for (int i = 0; i < n; ++i) {
      T_MEMB_D m = beams[i];
      m.key = first + (UINT)i;
      out->push_back(m);
    }
}

}  // namespace bench
