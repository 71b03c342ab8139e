// Shape tables, names and titles of the section utilities.
#include "db/CSectUtil.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int kMaxTitles = 8;

struct RegShape {
  const char* code;
  const char* steel[kMaxTitles];
  const char* concrete[kMaxTitles];  // empty: as steel
};

const RegShape kRegShapes[] = {
    {"L", {"   H", "   B", "  tw", "  t1"}, {}},
    {"C", {"   H", "  B1", "  tw", "  t1", "  B2", "  t2"}, {}},
    {"H", {"   H", "  B1", "  tw", "  t1", "  B2", "  t2"}, {}},
    {"T", {"   H", "   B", "  tw", "  t1"}, {}},
    {"B", {"   H", "   B", "  tw", "  t1", "   c", "  t2"}, {"   H", "   B", "  tw", "  t1", "  t2"}},
    {"P", {"   D", "   t"}, {}},
    {"2L", {"   H", "   B", "  tw", "  t1", "   c"}, {}},
    {"2C", {"   H", "   B", "  tw", "  t1", "   c"}, {}},
    {"SB", {"   H", "   B"}, {}},
    {"SR", {"   D"}, {}},
    {"CR", {"   H", "   B", "  tw", "  t1"}, {}},
    {"CC", {"   H", "   B", "   t", "  r1", "   c"}, {}},
    {"CL", {"   H", "   B", "  tw", "  t1", "   c"}, {}},
};
constexpr int kRegCount = (int)(sizeof kRegShapes / sizeof kRegShapes[0]);

const char* const kBoxSteel[] = {"   H", "   B", "  tw", "  t1", "  t2"};
const char* const kPipeSteel[] = {"   D", "   t"};
const char* const kHSteel[] = {"   H", "  B1", "  tw", "  t1", "  B2", "  t2"};
const char* const kCrossSteel[] = {"   H", "   B", "  tw", "  t1"};
const char* const kH2TSteel[] = {"   H", "   B", "  tw", "  t1", "  H2", "  B2", " tw1", "  t2"};
const char* const kRectConcr[] = {"   H", "   B"};
const char* const kRoundConcr[] = {"   D"};

struct SrcShape {
  const char* code;
  const char* steel;     // steel shape code
  const char* concrete;  // concrete shape code
  const char* const* steelTitles;
  int steelCount;
  const char* const* concrTitles;
  int concrCount;
};

const SrcShape kSrcShapes[] = {
    {"RBO", "B", "SB", kBoxSteel, 5, kRectConcr, 2},
    {"RBC", "B", "SB", kBoxSteel, 5, kRectConcr, 2},
    {"RPO", "P", "SB", kPipeSteel, 2, kRectConcr, 2},
    {"RPC", "P", "SB", kPipeSteel, 2, kRectConcr, 2},
    {"CBO", "B", "SR", kBoxSteel, 5, kRoundConcr, 1},
    {"CBC", "B", "SR", kBoxSteel, 5, kRoundConcr, 1},
    {"CPO", "P", "SR", kPipeSteel, 2, kRoundConcr, 1},
    {"CPC", "P", "SR", kPipeSteel, 2, kRoundConcr, 1},
    {"EBC", "B", "SB", kBoxSteel, 5, nullptr, 0},
    {"EPC", "P", "SR", kPipeSteel, 2, nullptr, 0},
    {"RHB", "H", "SB", kHSteel, 6, kRectConcr, 2},
    {"CHB", "H", "SR", kHSteel, 6, kRoundConcr, 1},
    {"RCB", "CR", "SB", kCrossSteel, 4, kRectConcr, 2},
    {"RH2T", "H2T", "SB", kH2TSteel, 8, kRectConcr, 2},
};
constexpr int kSrcCount = (int)(sizeof kSrcShapes / sizeof kSrcShapes[0]);

struct ComShape {
  const char* code;
  const char* first;
  const char* second;
};

const ComShape kComShapes[] = {
    {"2H", "H", "H"},   {"HC1", "H", "C"},   {"HC2", "H", "C"},   {"HT", "T", "H"},
    {"2T1", "T", "T"},  {"2T2", "T", "T"},   {"H2T", "H", "T"},   {"WOH", "H", "H"},
    {"2CW1", "C", "SB"}, {"2CW2", "C", "SB"}, {"1CW1", "C", "SB"}, {"1CW2", "C", "SB"},
    {"4L", "L", ""},    {"HP", "H", "SB"},
};
constexpr int kComCount = (int)(sizeof kComShapes / sizeof kComShapes[0]);

const char* const kOffsetNames[9] = {"左上", "中上", "右上", "左中", "中心",
                                     "右中", "左下", "中下", "右下"};

int CountTitles(const char* const* t) {
  int n = 0;
  while (n < kMaxTitles && t[n]) ++n;
  return n;
}

const RegShape* FindReg(const char* code) {
  if (!code) return nullptr;
  for (const RegShape& r : kRegShapes)
    if (std::strcmp(r.code, code) == 0) return &r;
  return nullptr;
}

const SrcShape* FindSrc(const char* code) {
  if (!code) return nullptr;
  for (const SrcShape& r : kSrcShapes)
    if (std::strcmp(r.code, code) == 0) return &r;
  return nullptr;
}

const ComShape* FindCom(const char* code) {
  if (!code) return nullptr;
  for (const ComShape& r : kComShapes)
    if (std::strcmp(r.code, code) == 0) return &r;
  return nullptr;
}

const char* const* RegTitles(const RegShape& r, int matlKind) {
  return (matlKind == SECT_MATL_RC && r.concrete[0]) ? r.concrete : r.steel;
}

void FillTitles(CStringArray& out, const char* const* t, int n) {
  out.RemoveAll();
  for (int i = 0; i < n; ++i) out.Add(t[i]);
}

// A size in mm as a name part: "%g" of the value rounded to 0.01 mm.
CString Mm(double v) {
  CString s;
  s.Format("%g", std::round(v * 1e5) / 100.0);
  return s;
}

}  // namespace

int CSectUtil::GetShapeIndexFromNameReg(const char* code) {
  const RegShape* r = FindReg(code);
  return r ? (int)(r - kRegShapes) : -1;
}

CString CSectUtil::GetShapeNameFromIndexReg(int index) {
  return (index >= 0 && index < kRegCount) ? CString(kRegShapes[index].code) : CString();
}

int CSectUtil::GetSizeCountByRegShape(const char* code, int matlKind) {
  const RegShape* r = FindReg(code);
  return r ? CountTitles(RegTitles(*r, matlKind)) : 0;
}

int CSectUtil::GetSizeTitleFromShapeIndexReg(int index, CStringArray& titles, int matlKind) {
  titles.RemoveAll();
  if (index < 0 || index >= kRegCount) return 0;
  const char* const* t = RegTitles(kRegShapes[index], matlKind);
  FillTitles(titles, t, CountTitles(t));
  return (int)titles.GetSize();
}

int CSectUtil::GetShapeIndexFromNameSrc(const char* code) {
  const SrcShape* r = FindSrc(code);
  return r ? (int)(r - kSrcShapes) : -1;
}

CString CSectUtil::GetShapeNameFromIndexSrc(int index) {
  return (index >= 0 && index < kSrcCount) ? CString(kSrcShapes[index].code) : CString();
}

CString CSectUtil::GetShapeNameFromIndexSrcSteel(int index) {
  return (index >= 0 && index < kSrcCount) ? CString(kSrcShapes[index].steel) : CString();
}

CString CSectUtil::GetShapeNameFromIndexSrcConcr(int index) {
  return (index >= 0 && index < kSrcCount) ? CString(kSrcShapes[index].concrete) : CString();
}

CString CSectUtil::GetSteelShapeFromSRCShape(const char* code) {
  return GetShapeNameFromIndexSrcSteel(GetShapeIndexFromNameSrc(code));
}

CString CSectUtil::GetConcreteShapeFromSRCShape(const char* code) {
  return GetShapeNameFromIndexSrcConcr(GetShapeIndexFromNameSrc(code));
}

int CSectUtil::GetSizeNumFromShapeIndexSrcSteel(int index) {
  return (index >= 0 && index < kSrcCount) ? kSrcShapes[index].steelCount : 0;
}

int CSectUtil::GetSizeNumFromShapeIndexSrcConcr(int index) {
  return (index >= 0 && index < kSrcCount) ? kSrcShapes[index].concrCount : 0;
}

int CSectUtil::GetSizeTitleFromShapeIndexSrcSteel(int index, CStringArray& titles) {
  titles.RemoveAll();
  if (index < 0 || index >= kSrcCount) return 0;
  FillTitles(titles, kSrcShapes[index].steelTitles, kSrcShapes[index].steelCount);
  return (int)titles.GetSize();
}

int CSectUtil::GetSizeTitleFromShapeIndexSrcConcr(int index, CStringArray& titles) {
  titles.RemoveAll();
  if (index < 0 || index >= kSrcCount) return 0;
  FillTitles(titles, kSrcShapes[index].concrTitles, kSrcShapes[index].concrCount);
  return (int)titles.GetSize();
}

CStringArray CSectUtil::GetSizeTitleFromShapeIndexSrcSteel(int index) {
  CStringArray t;
  GetSizeTitleFromShapeIndexSrcSteel(index, t);
  return t;
}

CStringArray CSectUtil::GetSizeTitleFromShapeIndexSrcConcr(int index) {
  CStringArray t;
  GetSizeTitleFromShapeIndexSrcConcr(index, t);
  return t;
}

int CSectUtil::GetShapeIndexFromNameCom(const char* code) {
  const ComShape* r = FindCom(code);
  return r ? (int)(r - kComShapes) : -1;
}

CString CSectUtil::GetShapeNameFromIndexCom(int index) {
  return (index >= 0 && index < kComCount) ? CString(kComShapes[index].code) : CString();
}

CString CSectUtil::GetFirstShapeFromComShape(const char* code) {
  const ComShape* r = FindCom(code);
  return r ? CString(r->first) : CString();
}

CString CSectUtil::GetSecondShapeFromComShape(const char* code) {
  const ComShape* r = FindCom(code);
  return r ? CString(r->second) : CString();
}

void CSectUtil::GetOffsetNameList(CStringArray& names) {
  names.RemoveAll();
  for (const char* n : kOffsetNames) names.Add(n);
}

int CSectUtil::GetSectTypeNo(int iType, int iMatlType) {
  switch (iType) {
    case SECT_TYPE_REGULAR:
      return iMatlType == SECT_MATL_RC ? 1 : iMatlType == SECT_MATL_STEEL ? 2 : 0;
    case SECT_TYPE_SRC: return 3;
    case SECT_TYPE_VALUE: return 5;
    case SECT_TYPE_COMBINED: return 4;
    case SECT_TYPE_TAPERED: return 6;
    default: return iType > SECT_TYPE_TAPERED ? iType + 1 : 0;
  }
}

CString CSectUtil::AutoFillSectName(int matlKind, const char* code, const double* s) {
  if (!code || !s || !FindReg(code)) return CString();
  const CString c(code);
  int need[8];  // positions of the sizes that make the name
  int n = 0;
  if (c == "SB") {
    need[n++] = 1;
    need[n++] = 0;
  } else if (c == "SR") {
    need[n++] = 0;
  } else if (c == "P") {
    need[n++] = 0;
    need[n++] = 1;
  } else {
    for (int i = 0; i < 4; ++i) need[n++] = i;
  }
  for (int i = 0; i < n; ++i)
    if (!(s[need[i]] > 0)) return CString();
  CString name = Mm(s[need[0]]);
  for (int i = 1; i < n; ++i) name += "x" + Mm(s[need[i]]);
  auto more = [&](int i) {
    if (s[i] > 0) name += "x" + Mm(s[i]);
  };
  if (c == "H" || c == "C") {
    if ((s[4] > 0 && s[4] != s[1]) || (s[5] > 0 && s[5] != s[3])) {
      name += "x" + Mm(s[4] > 0 ? s[4] : s[1]);
      name += "x" + Mm(s[5] > 0 ? s[5] : s[3]);
    }
  } else if (c == "B") {
    if (matlKind == SECT_MATL_RC) {
      more(5);
    } else {
      more(4);
      more(5);
    }
  } else if (c == "2L" || c == "2C" || c == "CC" || c == "CL") {
    more(4);
  }
  return name;
}

CString CSectUtil::AutoFillThikName(int /*kind*/, double thickness, double /*thickness2*/) {
  if (!(thickness > 0)) return CString();
  return Mm(thickness);
}

void CSectUtil::MakeMapStiffVar(T_SECT_STIFFNESS* p, double* vars[12]) {
  if (!p) {
    for (int i = 0; i < 12; ++i) vars[i] = nullptr;
    return;
  }
  double* all[12] = {&p->Area, &p->Asy, &p->Asz, &p->Ixx, &p->Iyy, &p->Izz,
                     &p->Cyp,  &p->Cym, &p->Czp, &p->Czm, &p->Qyb, &p->Qzb};
  for (int i = 0; i < 12; ++i) vars[i] = all[i];
}

void CSectUtil::MakeMapStiffVar(T_SECT_STIFFNESS* p, CArray<double*, double*>& vars) {
  double* v[12];
  MakeMapStiffVar(p, v);
  vars.RemoveAll();
  for (double* d : v) vars.Add(d);
}
