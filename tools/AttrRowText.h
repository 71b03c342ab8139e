// Small pieces the attribute rows are made of: the command strips of the member rows,
// value texts, and the position of a stored design value in its choice list.
#pragma once
#include <initializer_list>
#include "afx/CArray.h"
#include "afx/CString.h"

struct T_MATR_D;

// A strip of a member row: a host command, no middle button, a second host command.
CUIntArray AttrMembStrip(UINT first, UINT third);
// A strip with the given ids in order.
CUIntArray AttrStrip(std::initializer_list<UINT> ids);

CString AttrFmt(const char* format, double a);
CString AttrFmt(const char* format, double a, double b);

// The value of the leading decimal digits of a code text, 0 when it has none.
int AttrLeadingNumber(const CString& text);
// Point numbers "%d" joined by ", ", leaving out the gaps of the list (4294967295).
CString AttrPointNumbersText(const CUIntArray& numbers);

// The position of a stored design value in its choice list. values: the stored value of
// each entry that follows AUTO (of every entry when the list has no AUTO), in list order.
// An empty list gives 0; with bAuto (the list offers AUTO and the automatic flag counts)
// a set flag gives 0; a value no entry has gives fallback.
int AttrDesignPos(const CStringArray& list, bool bAuto, int autoFlag, int value, std::initializer_list<int> values,
                  int fallback);

// Factor texts of the member rows: the seven stiffness factors ("%g, " joined; seven 1s
// without the flag); the unbraced lengths ("%g, %g, No" without a third, else three).
CString AttrStiffText(const T_MATR_D& r);
CString AttrUnbracedText(const T_MATR_D& r);
