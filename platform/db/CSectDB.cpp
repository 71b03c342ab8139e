// The steel-section database: lookups, rolled geometry and published properties.
#include "db/CSectDB.h"

#include <cmath>
#include <cstring>

#include "db/CSectUtil.h"
#include "db/SectShapes.h"

const char* const CSectDB::kDBName = "GB-YB05";

namespace {

constexpr double kMm = 1e-3, kCm = 1e-2;

void ProfileSizes(const SectProfile& p, double* s) {
  for (int i = 0; i < 6; ++i) s[i] = 0;
  if (std::strcmp(p.shape, "L") == 0) {
    s[0] = s[1] = p.b * kMm;
    s[2] = s[3] = p.tw * kMm;
  } else {
    s[0] = p.h * kMm;
    s[1] = s[4] = p.b * kMm;
    s[2] = p.tw * kMm;
    s[3] = s[5] = p.tf * kMm;
  }
}

// Rolled outline (outline frame) with its radii; the formula properties are those
// of the sharp-cornered shape.
bool RolledModel(const SectProfile& p, SectModel& m) {
  const double h = p.h * kMm, b = p.b * kMm, tw = p.tw * kMm, t = p.tf * kMm;
  const double r = p.r * kMm, r1 = p.r1 * kMm;
  std::vector<SectPt> v;
  if (std::strcmp(p.shape, "H") == 0) {
    m = SectShapeH(h, b, tw, t, b, t, true);
    m.polys.clear();
    const double u = (b - tw) / 2, w = (b + tw) / 2;
    v = {{0, 0}, {0, t}, {u, t}, {u, h - t}, {0, h - t}, {0, h},
         {b, h}, {b, h - t}, {w, h - t}, {w, t}, {b, t}, {b, 0}};
    // Re-entrant corners: vertices 2, 3, 8 and 9.
    for (size_t i : {9u, 8u, 3u, 2u})
      if (!SectRoundCorner(v, i, r)) return false;
  } else if (std::strcmp(p.shape, "C") == 0) {
    m = SectShapeChannel(h, b, tw, t, b, t, false, true);
    m.polys.clear();
    const double tRoot = t + (b - tw) / 20, tToe = t - (b - tw) / 20;
    v = {{0, 0}, {b, 0}, {b, tToe}, {tw, tRoot}, {tw, h - tRoot}, {b, h - tToe}, {b, h}, {0, h}};
    if (!SectRoundCorner(v, 5, r1) || !SectRoundCorner(v, 4, r) || !SectRoundCorner(v, 3, r) ||
        !SectRoundCorner(v, 2, r1))
      return false;
  } else if (std::strcmp(p.shape, "L") == 0) {
    m = SectShapeAngle(b, b, tw, tw, false, true);
    m.polys.clear();
    v = {{0, 0}, {0, b}, {tw, b}, {tw, tw}, {b, tw}, {b, 0}};
    if (!SectRoundCorner(v, 4, r1) || !SectRoundCorner(v, 3, r) || !SectRoundCorner(v, 2, r1))
      return false;
  } else {
    return false;
  }
  m.AddPoly(v);
  return true;
}

bool SameSizes(const SectProfile& p, const double* s) {
  double ref[6];
  ProfileSizes(p, ref);
  const int n = CSectUtil::GetSizeCountByRegShape(p.shape, SECT_MATL_STEEL);
  for (int i = 0; i < n; ++i)
    if (std::fabs(ref[i] - s[i]) > 1e-9) return false;
  return true;
}

}  // namespace

CSectDB* CSectDB::GetDefault() {
  static CSectDB db;
  return &db;
}

void CSectDB::GetDBNameList(CStringArray& names) const {
  names.RemoveAll();
  names.Add(kDBName);
}

void CSectDB::GetSectNameList(const char* dbName, const char* shape, CStringArray& names) const {
  names.RemoveAll();
  if (!dbName || !shape || std::strcmp(dbName, kDBName) != 0) return;
  int n = 0;
  const SectProfile* all = Profiles(n);
  for (int i = 0; i < n; ++i)
    if (std::strcmp(all[i].shape, shape) == 0) names.Add(all[i].name);
}

const SectProfile* CSectDB::FindProfile(const char* dbName, const char* sectName) {
  if (!dbName || !sectName || std::strcmp(dbName, kDBName) != 0) return nullptr;
  int n = 0;
  const SectProfile* all = Profiles(n);
  for (int i = 0; i < n; ++i)
    if (std::strcmp(all[i].name, sectName) == 0) return &all[i];
  return nullptr;
}

BOOL CSectDB::GetSectData(const char* dbName, const char* sectName,
                          T_SECT_SECTBASE_D& base) const {
  const SectProfile* p = FindProfile(dbName, sectName);
  if (!p) return FALSE;
  ProfileSizes(*p, base.dSize);
  base.iFabType = 2;
  base.strDBName = dbName;
  base.strSectName = sectName;
  return TRUE;
}

BOOL CSectDB::CalcSectData(T_SECT_D& sect) const { return CSectUtil::CalcSectData(sect); }

BOOL CSectDB::CalcRolled(const SectProfile& p, T_SECT_STIFFNESS& st, T_SECT_DESIGN& de) {
  SectModel m;
  return RolledModel(p, m) && SectFillProps(m, st, de) ? TRUE : FALSE;
}

BOOL CSectDB::ApplyPublished(const CString& shape, T_SECT_SECTBASE_D& base) {
  if (base.strDBName.IsEmpty()) return FALSE;
  const SectProfile* p = FindProfile(base.strDBName, base.strSectName);
  if (!p || shape != p->shape || !SameSizes(*p, base.dSize)) return FALSE;
  T_SECT_STIFFNESS st = base.Stiff;
  T_SECT_DESIGN de = base.Design;
  if (!CalcRolled(*p, st, de)) return FALSE;
  const double cm2 = kCm * kCm, cm3 = cm2 * kCm, cm4 = cm2 * cm2;
  st.Area = st.AreaAux = p->A * cm2;
  st.Iyy = p->Ix * cm4;
  st.Izz = p->Iy * cm4;
  de.Wey = p->Wx * cm3;
  de.Wez = p->Wy * cm3;
  de.iy = p->ix * kCm;
  de.iz = p->iy * kCm;
  if (p->z0 > 0) {
    const double z0 = p->z0 * kCm, b = p->b * kMm, h = p->h * kMm;
    de.Cent_Y = st.Cym = z0;
    st.Cyp = b - z0;
    if (std::strcmp(p->shape, "L") == 0) {
      st.Czm = de.Cent_Z = b - z0;  // the horizontal leg lies along the top
      st.Czp = z0;
    } else {
      st.Czp = st.Czm = de.Cent_Z = h / 2;
    }
  }
  base.Stiff = st;
  base.Design = de;
  return TRUE;
}
