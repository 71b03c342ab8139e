#include "tools/AttrRowText.h"

#include "db/T_MATR_D.h"

CUIntArray AttrMembStrip(UINT first, UINT third) { return AttrStrip({first, 0, third}); }

CUIntArray AttrStrip(std::initializer_list<UINT> ids) {
  CUIntArray a;
  for (UINT id : ids) a.Add(id);
  return a;
}

CString AttrFmt(const char* format, double a) {
  CString s;
  s.Format(format, a);
  return s;
}

CString AttrFmt(const char* format, double a, double b) {
  CString s;
  s.Format(format, a, b);
  return s;
}

int AttrLeadingNumber(const CString& text) {
  int n = 0;
  for (const char* p = text.c_str(); *p >= '0' && *p <= '9' && n < 100000; ++p) n = n * 10 + (*p - '0');
  return n;
}

CString AttrPointNumbersText(const CUIntArray& numbers) {
  CString text;
  for (UINT no : numbers) {
    if (no == 0xFFFFFFFFu) continue;
    CString one;
    one.Format("%d", (int)no);
    text += (text.IsEmpty() ? "" : ", ") + one;
  }
  return text;
}

int AttrDesignPos(const CStringArray& list, bool bAuto, int autoFlag, int value, std::initializer_list<int> values,
                  int fallback) {
  if (list.IsEmpty()) return 0;
  if (bAuto && autoFlag) return 0;
  int i = 0;
  for (int v : values) {
    if (v == value) return i + (bAuto ? 1 : 0);
    ++i;
  }
  return fallback;
}

CString AttrStiffText(const T_MATR_D& r) {
  const double* st = r.stiffFlag ? r.stiff : nullptr;
  CString s;
  s.Format("%g, %g, %g, %g, %g, %g, %g", st ? st[0] : 1.0, st ? st[1] : 1.0, st ? st[2] : 1.0, st ? st[3] : 1.0,
           st ? st[4] : 1.0, st ? st[5] : 1.0, st ? st[6] : 1.0);
  return s;
}

CString AttrUnbracedText(const T_MATR_D& r) {
  CString s;
  if (r.noThird)
    s.Format("%g, %g, %s", r.unbraced[0], r.unbraced[1], "No");
  else
    s.Format("%g, %g, %g", r.unbraced[0], r.unbraced[1], r.unbraced3);
  return s;
}
