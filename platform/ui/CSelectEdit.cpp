#include "ui/CSelectEdit.h"

IMPLEMENT_DYNAMIC(CSelectEdit, CEdit)

BEGIN_MESSAGE_MAP(CSelectEdit, CEdit)
  ON_CONTROL_REFLECT_EX(EN_CHANGE, &CSelectEdit::OnEditChange)
  ON_CONTROL_REFLECT_EX(EN_KILLFOCUS, &CSelectEdit::OnEditKillFocus)
END_MESSAGE_MAP()

BOOL CSelectEdit::OnEditChange(UINT) {
  if (!m_bSetting) m_bTyped = TRUE;
  return FALSE;
}

BOOL CSelectEdit::OnEditKillFocus(UINT) {
  if (!m_bTyped) return FALSE;
  m_bTyped = FALSE;
  CString text;
  GetWindowText(text);
  SelectByStr(text);
  return FALSE;
}
