// A label that names the unit of a kind in the current units of the current document
// (CUnitCtrl::GetUnitName: "m", "mm", "kN/m^2", "N/mm^3", "deg"; empty for kind 0).
// SetUnitType sets the kind and the text; until it is called the label keeps the text it
// was made with. UpdateUnitText writes the name again (after the unit system changed).
#pragma once
#include "afx/CStatic.h"

class CTextUnit : public CStatic {
  DECLARE_DYNAMIC(CTextUnit)

 public:
  CTextUnit() = default;

  void SetUnitType(int nKind);
  int GetUnitType() const { return m_nKind; }
  void UpdateUnitText();

 protected:
  void PreSubclassWindow() override;

 private:
  int m_nKind = 0;
  BOOL m_bKindSet = FALSE;
};
