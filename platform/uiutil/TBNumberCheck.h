// Number checks of cell texts shared by the record browser (CTBBrowserWnd) and the
// validating grid windows of the module. Codes: 0 none, 1 invalid formula, 2 characters
// that are not part of the number, 3 out of range, 4 not an integer.
//   TBIsNumeric: empty is not numeric (code unchanged); a text of other characters than
//     those of a decimal number (digits, sign, point, exponent; blanks at the ends) is
//     code 2 (strtod alone would read "inf", "nan" and hexadecimal numbers); a value
//     beyond the range of a double code 1; a partly read text code 2.
//   TBCheckLong: trimmed; empty is valid; convert (a formula to its value) failing gives
//     code 1; not numeric code 3 (out of range) or 2; not a whole base-10 integer code 4;
//     a value outside [-2147483648, 2147483647] code 3 (both ends are valid).
//   TBCheckDouble: as far as TBIsNumeric; a real beyond the range of a double code 3.
// The caller's text is not changed.
#pragma once
#include <functional>
#include "afx/CString.h"

typedef std::function<int(CString&)> TBFormulaConverter;

int TBIsNumeric(const CString& text, int& code);
int TBCheckLong(CString text, int& code, const TBFormulaConverter& convert);
int TBCheckDouble(CString text, int& code, const TBFormulaConverter& convert);
