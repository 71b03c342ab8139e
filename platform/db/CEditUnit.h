// An edit bound to a unit kind (SetUnitType; kind 0, a plain number, until set). It shows
// and accepts values in the current units of the current document (CDBDoc::m_pDBDoc) while
// callers pass internal values (kN, m):
//   SetEditUnit(double)   shows the value converted to current units, in the format given
//                         or with up to 10 significant digits (DBUnitText.h);
//   SetEditUnit(int/UINT) shows the whole number as it is ("%d", "%u");
//   GetEditValue(double&) reads the text as a number in current units and gives it in
//                         internal units; GetEditValue(int&/UINT&) a whole number as typed.
//   GetShownValue(double&) as GetEditValue(double&), but while the text is still the one
//                         SetEditUnit(double) wrote, under the same units, it gives the
//                         value SetEditUnit was given, every digit (a dialog's OK then
//                         writes back what it read, not the digits it showed).
// The getters return non-zero when the text is a number (DBUnitText.h); otherwise the value
// becomes 0 and they return 0. Text put in with SetWindowText is taken as the user's, in
// current units: under kN and m (the default system) a stored value written as text reads
// back unchanged; under other units use SetEditUnit, which converts.
#pragma once
#include "afx/CEdit.h"

class CEditUnit : public CEdit {
  DECLARE_DYNAMIC(CEditUnit)

 public:
  CEditUnit() = default;

  void SetUnitType(int nKind) { m_nKind = nKind; }
  int GetUnitType() const { return m_nKind; }

  void SetEditUnit(double dValue, const char* pszFormat = nullptr);
  void SetEditUnit(int nValue);
  void SetEditUnit(UINT nValue);
  BOOL GetEditValue(double& dValue) const;
  BOOL GetShownValue(double& dValue) const;
  BOOL GetEditValue(int& nValue) const;
  BOOL GetEditValue(UINT& nValue) const;

 private:
  int m_nKind = 0;
  // What SetEditUnit(double) last wrote: the value, its text and the units of that moment.
  BOOL m_bShown = FALSE;
  double m_dShown = 0.0;
  CString m_strShown;
  CString m_strShownUnit;
};
