// A material number edit. GetKey accepts a text that names a material of the current
// document: its key (a whole number) or its exact name; when paired with a combo
// (SetComboBoxPoint) the material must also be one the combo lists (an SRC-only combo
// accepts SRC materials only). Typing into the edit selects the named material in the
// paired combo, or clears the combo's selection while the text names none (an empty
// text selects the combo's "None" entry when it has one).
// A member picked in the model view writes its applied material key (CEditAttrPick).
#pragma once
#include "view/CEditAttrPick.h"

class CCobxMatl;

class CEditMatl : public CEditAttrPick {
  DECLARE_DYNAMIC(CEditMatl)

 public:
  CEditMatl() : CEditAttrPick(ATTR_MATL) {}
  void SetComboBoxPoint(CCobxMatl* pCombo) { m_pCombo = pCombo; }
  CCobxMatl* GetComboBoxPoint() const { return m_pCombo; }
  // Shows the key ("%u"); key 0 shows an empty text.
  void SetEditBoxText(UINT matlKey);
  // Non-zero when the text names a material, whose key it stores; otherwise the key is
  // left as it was.
  BOOL GetKey(UINT& matlKey) const;

 protected:
  BOOL OnChange(UINT nCode);

 private:
  CCobxMatl* m_pCombo = nullptr;

  DECLARE_MESSAGE_MAP()
};
