// Section properties (CalcSectData), display centre and where a section keeps its
// properties. The formulas are listed in CSectUtil.h and SectShapes.h.
#include <algorithm>
#include <cmath>

#include "db/CSectDB.h"
#include "db/CSectUtil.h"
#include "db/SectShapes.h"

bool SectFillProps(SectModel m, T_SECT_STIFFNESS& st, T_SECT_DESIGN& de) {
  m.ToSectionFrame();
  SectGeomProps g;
  if (!SectGeomIntegrate(m, g) || !(g.Iyy > 0) || !(g.Izz > 0)) return false;
  st.Area = g.A;
  st.Asy = m.extra.Asy;
  st.Asz = m.extra.Asz;
  st.Ixx = m.extra.J;
  st.Iyy = g.Iyy;
  st.Izz = g.Izz;
  st.Cyp = g.box.maxX - g.yc;
  st.Cym = g.yc - g.box.minX;
  st.Czp = g.box.maxY - g.zc;
  st.Czm = g.zc - g.box.minY;
  st.Qyb = g.Qyb;
  st.Qzb = g.Qzb;
  st.AreaAux = g.A;
  de.Cent_Y = g.yc - g.box.minX;
  de.Cent_Z = g.zc - g.box.minY;
  de.Wey = g.Iyy / std::max(st.Czp, st.Czm);
  de.Wez = g.Izz / std::max(st.Cyp, st.Cym);
  de.Wpy = g.Wpy;
  de.Wpz = g.Wpz;
  de.iy = std::sqrt(g.Iyy / g.A);
  de.iz = std::sqrt(g.Izz / g.A);
  de.Cwp = m.extra.Cwp;
  de.ip = std::sqrt((g.Iyy + g.Izz) / g.A);
  return true;
}

namespace {

bool FillBase(const SectModel& m, T_SECT_SECTBASE_D& b) {
  if (!SectFillProps(m, b.Stiff, b.Design)) return false;
  b.PeriOut = m.extra.periOut;
  b.PeriIn = m.extra.periIn;
  return true;
}

bool CalcRegularBase(const CString& shape, bool thin, T_SECT_SECTBASE_D& b) {
  SectModel m;
  if (!SectBuildRegular(shape, b.dSize, thin, b.strBaseShape, m)) return false;
  if (!FillBase(m, b)) return false;
  CSectDB::ApplyPublished(shape, b);
  return true;
}

bool CalcSrc(T_SECT_SECTION_D& p) {
  SectModel steel, concrete;
  if (!SectBuildSrc(p, steel, concrete)) return false;
  const bool toConcrete = p.iSrcConv == 2;
  const double ws = toConcrete ? p.dEsEc : 1.0, wc = toConcrete ? 1.0 : 1.0 / p.dEsEc;
  SectModel whole;
  whole.Append(steel, ws);
  whole.Append(concrete, wc);
  if (!FillBase(steel, p.BaseA) || !FillBase(concrete, p.BaseB) ||
      !SectFillProps(whole, p.Stiff, p.Design))
    return false;
  const double as = p.BaseA.Stiff.Area, ac = p.BaseB.Stiff.Area;
  if (p.dDsDc > 0)
    p.Stiff.AreaAux = toConcrete ? ac + as * p.dDsDc : as + ac / p.dDsDc;
  return true;
}

bool CalcCombined(T_SECT_SECTION_D& p) {
  SectCombinedModel m;
  if (!SectBuildCombined(p, m)) return false;
  SectModel whole = m.firstPlaced;
  if (m.hasSecond) whole.Append(m.secondPlaced);
  if (!SectFillProps(whole, p.Stiff, p.Design) || !FillBase(m.first, p.BaseA)) return false;
  p.BaseA.PeriOut = m.firstPlaced.extra.periOut;
  p.BaseA.PeriIn = m.firstPlaced.extra.periIn;
  if (m.hasSecond) {
    if (!FillBase(m.second, p.BaseB)) return false;
    p.BaseB.PeriOut = m.secondPlaced.extra.periOut;
    p.BaseB.PeriIn = m.secondPlaced.extra.periIn;
  }
  return true;
}

// The outline box of a section as drawn (tapered: the i-end's).
bool OutlineBox(const T_SECT_D& sect, SectBox& box) {
  const T_SECT_SECTION_D& p = sect.Part1;
  SectModel m;
  switch (sect.iType) {
    case SECT_TYPE_REGULAR:
    case SECT_TYPE_VALUE:
    case SECT_TYPE_TAPERED:
      if (!SectBuildRegular(p.strShape, p.BaseA.dSize, true, p.BaseA.strBaseShape, m))
        return false;
      break;
    case SECT_TYPE_SRC: {
      SectModel concrete;
      if (!SectBuildSrc(p, m, concrete)) return false;
      m.Append(concrete);
      break;
    }
    case SECT_TYPE_COMBINED: {
      SectCombinedModel c;
      if (!SectBuildCombined(p, c)) return false;
      m = c.firstPlaced;
      if (c.hasSecond) m.Append(c.secondPlaced);
      break;
    }
    default: return false;
  }
  box = m.Bounds();
  return box.valid;
}

bool IsTwoStage(int type) {
  return type == 6 || type == 9 || type == 10 || type == 12 || type == 13;
}

const T_SECT_SECTBASE_D* ProperBase(const T_SECT_D& s, int end) {
  if (s.iType == SECT_TYPE_TAPERED && end == 1) return &s.Part1.BaseB;
  if (IsTwoStage(s.iType) && end == 1) return &s.Part2.BaseA;
  return &s.Part1.BaseA;
}

bool WholePart(const T_SECT_D& s) {
  return s.iType == SECT_TYPE_SRC || s.iType == SECT_TYPE_COMBINED;
}

}  // namespace

BOOL CSectUtil::CalcSectData(T_SECT_D& sect) {
  if (!CheckSectSize(sect)) return FALSE;
  T_SECT_SECTION_D p = sect.Part1;
  const bool thin = sect.iMatlType != SECT_MATL_RC;
  bool ok = false;
  switch (sect.iType) {
    case SECT_TYPE_REGULAR: ok = CalcRegularBase(p.strShape, thin, p.BaseA); break;
    case SECT_TYPE_VALUE: return TRUE;  // the typed values stand
    case SECT_TYPE_TAPERED:
      ok = CalcRegularBase(p.strShape, thin, p.BaseA) &&
           CalcRegularBase(p.strShape, thin, p.BaseB);
      break;
    case SECT_TYPE_SRC: ok = CalcSrc(p); break;
    case SECT_TYPE_COMBINED: ok = CalcCombined(p); break;
    default: break;
  }
  if (!ok) return FALSE;
  sect.Part1 = p;
  return TRUE;
}

BOOL CSectUtil::CalcSectDispCenter(T_SECT_D& sect) {
  SectBox box;
  if (!OutlineBox(sect, box)) return FALSE;
  int code = sect.Part1.iOffset;
  if (code < 1 || code > 9) code = 5;
  const int col = (code - 1) % 3, row = (code - 1) / 3;  // row 0 top
  sect.Part1.dDispCenterY = col * box.Width() / 2;
  sect.Part1.dDispCenterZ = (2 - row) * box.Height() / 2;
  return TRUE;
}

T_SECT_STIFFNESS* CSectUtil::GetProperStiffPosition(T_SECT_D& s, int end) {
  return const_cast<T_SECT_STIFFNESS*>(GetProperStiffPosition((const T_SECT_D&)s, end));
}

const T_SECT_STIFFNESS* CSectUtil::GetProperStiffPosition(const T_SECT_D& s, int end) {
  return WholePart(s) ? &s.Part1.Stiff : &ProperBase(s, end)->Stiff;
}

T_SECT_DESIGN* CSectUtil::GetProperDesignPosition(T_SECT_D& s, int end) {
  return const_cast<T_SECT_DESIGN*>(GetProperDesignPosition((const T_SECT_D&)s, end));
}

const T_SECT_DESIGN* CSectUtil::GetProperDesignPosition(const T_SECT_D& s, int end) {
  return WholePart(s) ? &s.Part1.Design : &ProperBase(s, end)->Design;
}

double CSectUtil::GetStandForPeriIn(const T_SECT_D& s, int end) {
  if (s.iType == SECT_TYPE_SRC) return s.Part1.BaseB.PeriIn;
  if (s.iType == SECT_TYPE_COMBINED) return s.Part1.BaseA.PeriIn + s.Part1.BaseB.PeriIn;
  return ProperBase(s, end)->PeriIn;
}

double CSectUtil::GetStandForPeriOut(const T_SECT_D& s, int end) {
  if (s.iType == SECT_TYPE_SRC) return s.Part1.BaseB.PeriOut;
  if (s.iType == SECT_TYPE_COMBINED) return s.Part1.BaseA.PeriOut + s.Part1.BaseB.PeriOut;
  return ProperBase(s, end)->PeriOut;
}

double CSectUtil::GetStandForYBar(const T_SECT_D& s, int end) {
  return GetProperDesignPosition(s, end)->Cent_Y;
}

double CSectUtil::GetStandForZBar(const T_SECT_D& s, int end) {
  return GetProperDesignPosition(s, end)->Cent_Z;
}
