// A read-only edit that shows a set of standard floors by name, joined by commas, in the
// order of its key list; a key that is no standard floor of the current model shows as
// its number. The mode (0 current, 1 selected, 2 all standard floors) is kept for the
// caller; it does not change what is shown.
#pragma once
#include "afx/CArray.h"
#include "afx/CEdit.h"

class CEditPlan : public CEdit {
  DECLARE_DYNAMIC(CEditPlan)

 public:
  CEditPlan() = default;
  void SetMode(int nMode) { m_nMode = nMode; }
  int GetMode() const { return m_nMode; }
  void SetSelectedKeyList(const CUIntArray& keys);
  // Replaces keys by the edit's list.
  void GetSelectedKeyList(CUIntArray& keys) const;

 protected:
  void PreSubclassWindow() override;

 private:
  void ShowKeys();

  int m_nMode = 0;
  CUIntArray m_keys;
};
