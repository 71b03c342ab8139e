#include "uiutil/TBNumberCheck.h"

#include "afx/AfxNumber.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>

int TBIsNumeric(const CString& text, int& code) {
  if (text.IsEmpty()) return 0;
  CString s = text;
  s.Trim();
  if (s.IsEmpty() || s.SpanIncluding("0123456789+-.eE").GetLength() != s.GetLength()) {
    code = 2;
    return 0;
  }
  char* end = nullptr;
  double v = AfxStrToDouble(s.c_str(), &end);
  if (v == HUGE_VAL || v == -HUGE_VAL) {
    code = 1;
    return 0;
  }
  if (end == s.c_str() || *end != '\0') {
    code = 2;
    return 0;
  }
  code = 0;
  return 1;
}

// Trim, empty, formula and numeric steps of both checks; -1 when the text goes on.
static int CommonSteps(CString& text, int& code, const TBFormulaConverter& convert) {
  text.Trim();
  code = 0;
  if (text.IsEmpty()) return 1;
  if (convert && !convert(text)) {
    code = 1;
    return 0;
  }
  int numeric = 0;
  if (!TBIsNumeric(text, numeric)) {
    code = numeric == 1 ? 3 : 2;
    return 0;
  }
  return -1;
}

int TBCheckLong(CString text, int& code, const TBFormulaConverter& convert) {
  int r = CommonSteps(text, code, convert);
  if (r >= 0) return r;
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(text.c_str(), &end, 10);
  if (*end != '\0') {
    code = 4;
    return 0;
  }
  if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) {
    code = 3;
    return 0;
  }
  return 1;
}

int TBCheckDouble(CString text, int& code, const TBFormulaConverter& convert) {
  int r = CommonSteps(text, code, convert);
  if (r >= 0) return r;
  double v = AfxStrToDouble(text.c_str(), nullptr);
  if (v == HUGE_VAL || v == -HUGE_VAL) {
    code = 3;
    return 0;
  }
  return 1;
}
