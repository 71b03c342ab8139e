// Numbers as the unit controls (CEditUnit, CStaticUnit) show and read them.
//
// A value is shown in the current units of the current document (CDBDoc::m_pDBDoc; kN
// and m when there is none) with up to 10 significant digits and no trailing zeros
// ("%.10g": 4.5 m shows "4500" in mm, 3.0e7 kN/m^2 "30000000"). A text is a number when,
// blanks at both ends aside, it is a whole decimal number: an optional sign, digits with
// at most one point, an optional exponent ("1e-5", "-.5", "3."); "inf", "nan", hexadecimal
// and trailing letters are not numbers.
#pragma once
#include "afx/CString.h"

class CUnitCtrl;

// The unit control of the current document, or one in kN and m.
const CUnitCtrl& DB_CurrentUnitCtrl();
CString DB_FormatUnitValue(double dValue, const char* pszFormat = nullptr);
BOOL DB_ParseReal(const CString& text, double& dValue);
// A number typed in current units of a unit kind, converted to internal units; a text
// that is no number, or whose value leaves the range of a double once converted (1e308
// N/mm^2 in kN/m^2), gives 0 and FALSE.
BOOL DB_ReadUnitValue(const CString& text, int nKind, double& dValue);
// A whole number within int: optional sign and digits only.
BOOL DB_ParseInt(const CString& text, int& nValue);
