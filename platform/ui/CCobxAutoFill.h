// A drop-down combo box whose typed text is matched against its items.
//
// SetActionWhenKillFocus(action, default) says what leaving the combo does with typed text:
//   0  nothing
//   1  the item whose text equals the typed text, ignoring case, is selected; when none
//      does, item `default` is selected (-1: the selection and the text are cleared)
//   2  the typed text is kept as it is (no item is forced)
// The default action is 1 with default -1.
#pragma once
#include "afx/CComboBox.h"

class CCobxAutoFill : public CComboBox {
  DECLARE_DYNAMIC(CCobxAutoFill)

 public:
  CCobxAutoFill() = default;

  void SetActionWhenKillFocus(int nAction, int nDefault) {
    m_nKillAction = nAction;
    m_nKillDefault = nDefault;
  }
  // Selects the item whose text equals text ignoring case; its index, or CB_ERR (the
  // selection then unchanged).
  int SelectStringExactNoCase(LPCTSTR text);
  int FindStringExactNoCase(LPCTSTR text) const;

 protected:
  BOOL OnKillFocus(UINT nID);

 private:
  int m_nKillAction = 1;
  int m_nKillDefault = -1;

  DECLARE_MESSAGE_MAP()
};
