// CCMGXGridWnd2: the number checks of cell texts and their messages.
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include "frame/CCMGXGridWnd2.h"
#include "grid/GXFormula.h"
#include "ui/CMsgDll.h"

int CCMGXGridWnd2::IsNumeric(CString text, int& code) {
  if (text.IsEmpty()) return 0;
  CString s = text;
  s.Trim();
  // strtod alone would also read "inf", "nan" and hexadecimal numbers.
  if (s.IsEmpty() || s.SpanIncluding("0123456789+-.eE").GetLength() != s.GetLength()) {
    code = 2;
    return 0;
  }
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(s.c_str(), &end);
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

int CCMGXGridWnd2::ConvertFormulaToValue(CString& text) {
  if (GetParam()->IsEnableFormulaEngine() || text.IsEmpty() || text[0] != '=') return 1;
  CString f = text;
  f.Replace('E', 'e');
  CGXFormula formula;
  if (!formula.Parse((LPCTSTR)f)) {
    SetWarningText(CMsgDll::pfuncLoadStr("IDS_CMD_ERROR_INVALID_FORMULA", 0));
    return 0;
  }
  double v = 0;
  if (!formula.Evaluate(v)) {
    SetWarningText(CMsgDll::pfuncLoadStr("IDS_CMD_ERROR_CANT_CALC_FORMULA", 0));
    return 0;
  }
  text.Format("%.15g", v);
  return 1;
}

int CCMGXGridWnd2::IsValidLongNumber(CString text, int& code) {
  text.Trim();
  code = 0;
  if (text.IsEmpty()) return 1;
  if (!ConvertFormulaToValue(text)) {
    code = 1;
    return 0;
  }
  int numeric = 0;
  if (!IsNumeric(text, numeric)) {
    code = numeric == 1 ? 3 : 2;
    return 0;
  }
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

int CCMGXGridWnd2::IsValidDoubleNumber(CString text, int& code) {
  text.Trim();
  code = 0;
  if (text.IsEmpty()) return 1;
  if (!ConvertFormulaToValue(text)) {
    code = 1;
    return 0;
  }
  int numeric = 0;
  if (!IsNumeric(text, numeric)) {
    code = numeric == 1 ? 3 : 2;
    return 0;
  }
  double v = std::strtod(text.c_str(), nullptr);
  if (v == HUGE_VAL || v == -HUGE_VAL) {
    code = 3;
    return 0;
  }
  return 1;
}

int CCMGXGridWnd2::InvalidLongNumber(int code) {
  static const char* const keys[] = {nullptr, "IDS_CMD_ERROR_FORMULA_INVALID", "IDS_CMD_ERROR_REQUIRE_INTEGER",
                                     "IDS_CMD_ERROR_OUT_OF_RANGE", "IDS_CMD_ERROR_REQUIRE_INTEGER"};
  if (code >= 1 && code <= 4) ValidateError(CMsgDll::pfuncLoadStr(keys[code], 0));
  return 0;
}

int CCMGXGridWnd2::InvalidDoubleNumber(int code) {
  static const char* const keys[] = {nullptr, "IDS_CMD_ERROR_FORMULA_INVALID", "IDS_CMD_ERROR_CHARACTER_EXIST",
                                     "IDS_CMD_ERROR_OUT_OF_RANGE"};
  if (code >= 1 && code <= 3) ValidateError(CMsgDll::pfuncLoadStr(keys[code], 0));
  return 0;
}
