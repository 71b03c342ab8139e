// A static that shows a value of a unit kind in the current units of the current document,
// formatted as CEditUnit shows it (DBUnitText.h). SetStaticUnit takes the internal value
// (kN, m) and keeps it; UpdateUnitText shows the kept value again in the units now current.
#pragma once
#include "afx/CStatic.h"

class CStaticUnit : public CStatic {
  DECLARE_DYNAMIC(CStaticUnit)

 public:
  CStaticUnit() = default;

  // Sets the kind and shows a value already set in it.
  void SetUnitType(int nKind) {
    m_nKind = nKind;
    UpdateUnitText();
  }
  int GetUnitType() const { return m_nKind; }
  void SetStaticUnit(double dValue, const char* pszFormat = nullptr);
  // The value last set, internal units; 0 when none was.
  BOOL GetStaticValue(double& dValue) const;
  void UpdateUnitText();

 private:
  int m_nKind = 0;
  BOOL m_bHasValue = FALSE;
  double m_dValue = 0.0;
  CString m_strFormat;
};
