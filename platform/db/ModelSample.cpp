// The sample model's sections, thicknesses and tracing lines: concrete rectangles
// 0.5 x 0.5 (1) and 0.3 x 0.6 (2), a welded steel H 0.4 x 0.2 x 0.008 x 0.013 (3);
// thicknesses 0.12 "120" (1) and 0.2 "200" (2); tracing line 1 "Axes" at (0, 0) over a
// 12 x 6 grid: end points 1-6, axis segments 1-5 (kind 1) and one diagonal, 6 (kind 2).
#include "db/CClassSect.h"
#include "db/CClassThik.h"
#include "db/CClassTrln.h"
#include "db/CDBDoc.h"
#include "db/CSectUtil.h"

namespace {

T_SECT_D Regular(UINT key, const char* name, const char* shape, int matl, std::initializer_list<double> sizes) {
  T_SECT_D s;
  s.key = key;
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = matl;
  s.strName = name;
  s.Part1.strShape = shape;
  s.Part1.BaseA.iFabType = 1;
  int i = 0;
  for (double v : sizes) s.Part1.BaseA.dSize[i++] = v;
  CSectUtil::CalcSectData(s);
  return s;
}

void AddModelObjects(CDBDoc& doc) {
  DB_CDataBase* db = doc.GetModelDB();
  auto* sect = static_cast<CClassSect*>(db->GetClass(CClassSect::m_nClassID));
  auto* thik = static_cast<CClassThik*>(db->GetClass(CClassThik::m_nClassID));
  auto* trln = static_cast<CClassTrln*>(db->GetClass(CClassTrln::m_nClassID));
  auto* dmpt = static_cast<CClassDmpt*>(db->GetClass(CClassDmpt::m_nClassID));
  auto* dmln = static_cast<CClassDmln*>(db->GetClass(CClassDmln::m_nClassID));
  if (!sect || !thik || !trln || !dmpt || !dmln) return;
  CArray<T_SECT_D> sects;
  sects.Add(Regular(1, "C500x500", "SB", SECT_MATL_RC, {0.5, 0.5}));
  sects.Add(Regular(2, "C300x600", "SB", SECT_MATL_RC, {0.6, 0.3}));
  sects.Add(Regular(3, "H400x200x8x13", "H", SECT_MATL_STEEL, {0.4, 0.2, 0.008, 0.013}));
  sect->TR_Add(sects);

  CArray<T_THIK_D> thiks;
  for (double t : {0.12, 0.2}) {
    T_THIK_D r;
    r.thick1 = t;
    r.name = CSectUtil::AutoFillThikName(0, t, 0.0);
    thiks.Add(r);
  }
  thik->TR_Add(thiks);  // keys 1, 2

  T_TRLN_D line;
  line.name = "Axes";
  trln->TR_Add(line);  // key 1
  CArray<T_DMPT_D> pts;
  const double xy[6][2] = {{0, 0}, {0, 6}, {6, 0}, {6, 6}, {12, 0}, {12, 6}};
  for (const auto& p : xy) {
    T_DMPT_D r;
    r.x = p[0];
    r.y = p[1];
    pts.Add(r);
  }
  dmpt->TR_Add(pts);  // keys 1..6
  CArray<T_DMLN_D> segs;
  const UINT ends[6][3] = {{1, 2, 1}, {3, 4, 1}, {5, 6, 1}, {1, 5, 1}, {2, 6, 1}, {1, 4, 2}};
  for (const auto& e : ends) {
    T_DMLN_D r;
    r.trlnKey = 1;
    r.pt1 = e[0];
    r.pt2 = e[1];
    r.kind = (int)e[2];
    segs.Add(r);
  }
  dmln->TR_Add(segs);  // keys 1..6
}

const CDBDocSampleStep s_modelObjects(30, &AddModelObjects);
}  // namespace
