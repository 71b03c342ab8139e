#include "ui/CCobxAutoFill.h"

IMPLEMENT_DYNAMIC(CCobxAutoFill, CComboBox)

BEGIN_MESSAGE_MAP(CCobxAutoFill, CComboBox)
  ON_CONTROL_REFLECT_EX(CBN_KILLFOCUS, &CCobxAutoFill::OnKillFocus)
END_MESSAGE_MAP()

int CCobxAutoFill::FindStringExactNoCase(LPCTSTR text) const {
  CString want(text ? text : "");
  for (int i = 0; i < GetCount(); ++i) {
    CString item;
    GetLBText(i, item);
    if (item.CompareNoCase(want) == 0) return i;
  }
  return CB_ERR;
}

int CCobxAutoFill::SelectStringExactNoCase(LPCTSTR text) {
  int i = FindStringExactNoCase(text);
  if (i != CB_ERR) SetCurSel(i);
  return i;
}

BOOL CCobxAutoFill::OnKillFocus(UINT) {
  if (m_nKillAction == 1) {
    CString typed;
    GetWindowText(typed);
    if (SelectStringExactNoCase(typed) == CB_ERR) {
      SetCurSel(m_nKillDefault);
      if (m_nKillDefault < 0) SetWindowText("");
    }
  }
  return FALSE;  // the dialog hears it too
}
