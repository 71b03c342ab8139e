// CCMGXGridWnd2: the number checks of cell texts and their messages.
#include "common/CCMGXGridWnd2.h"
#include "grid/GXFormula.h"
#include "ui/CMsgDll.h"
#include "uiutil/TBNumberCheck.h"

int CCMGXGridWnd2::IsNumeric(CString text, int& code) { return TBIsNumeric(text, code); }

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
  return TBCheckLong(text, code, [this](CString& t) { return ConvertFormulaToValue(t); });
}

int CCMGXGridWnd2::IsValidDoubleNumber(CString text, int& code) {
  return TBCheckDouble(text, code, [this](CString& t) { return ConvertFormulaToValue(t); });
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
