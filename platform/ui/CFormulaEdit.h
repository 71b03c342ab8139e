// An edit whose text may be a formula of the grid's engine (grid/GXFormula.h: "=2*3",
// "1.5e2", "sqrt(16)"): when the edit loses the focus, a text that is a formula with a
// value is replaced by that value ("%.15g"); any other text stays as typed.
#pragma once
#include "afx/CEdit.h"

class CFormulaEdit : public CEdit {
  DECLARE_DYNAMIC(CFormulaEdit)

 public:
  CFormulaEdit() = default;

  // The formula's value in place of the text; FALSE (text untouched) when it has none.
  BOOL ShowValue();

 protected:
  void OnKillFocus(CWnd* pNewWnd);

  DECLARE_MESSAGE_MAP()
};
