#include "uiutil/CBCGPProp.h"

#include "ui/CStringParser.h"

double CPropVariant::ToDouble(BOOL* pOk) const {
  if (pOk) *pOk = TRUE;
  switch (m_type) {
    case VT_INT: return m_n;
    case VT_REAL: return m_d;
    case VT_TEXT: {
      double d = 0;
      if (CStringParser::GetFloatNumber(m_s, d)) return d;
      break;
    }
    case VT_EMPTY: break;
  }
  if (pOk) *pOk = FALSE;
  return 0.0;
}

CString CPropVariant::ToText() const {
  CString s;
  switch (m_type) {
    case VT_INT: s.Format("%d", m_n); break;
    case VT_REAL: s.Format("%g", m_d); break;
    case VT_TEXT: s = m_s; break;
    case VT_EMPTY: break;
  }
  return s;
}

bool CPropVariant::operator==(const CPropVariant& o) const {
  if (m_type != o.m_type) return false;
  switch (m_type) {
    case VT_INT: return m_n == o.m_n;
    case VT_REAL: return m_d == o.m_d;
    case VT_TEXT: return m_s == o.m_s;
    case VT_EMPTY: return true;
  }
  return false;
}

CBCGPProp::CBCGPProp(CPropList* pList, const CString& name, BOOL bGroup, CBCGPProp* pGroup)
    : m_pList(pList), m_strName(name), m_bGroup(bGroup), m_pGroup(pGroup) {}

CBCGPProp::~CBCGPProp() = default;

CCmbBtnProp::CCmbBtnProp(CPropList* pList, const CString& name, PROP_COLTYPE kind, CBCGPProp* pGroup)
    : CBCGPProp(pList, name, FALSE, pGroup), m_kind(kind) {}

UINT CCmbBtnProp::GetMessageByIndex(int index) const {
  return index >= 0 && index < m_buttons.GetSize() ? m_buttons[index] : 0;
}

UINT CCmbBtnProp::GetCmbItemData() const {
  return m_nSel >= 0 && m_nSel < m_choices.GetSize() && m_nSel < m_data.GetSize() ? m_data[m_nSel] : 0;
}

int CCmbBtnProp::FindChoice(const CString& text) const {
  for (int i = 0; i < m_choices.GetSize(); ++i)
    if (m_choices[i] == text) return i;
  return -1;
}

void CCmbBtnProp::SetValue(const CPropVariant& value) {
  if (IsChoiceRow()) {
    m_nSel = FindChoice(value.ToText());
    if (!m_bNumber) {
      m_value = m_nSel >= 0 ? CPropVariant(m_choices[m_nSel]) : CPropVariant();
      return;
    }
  }
  m_value = value;
}

CString CCmbBtnProp::FormatProperty() const {
  if (IsChoiceRow() && !m_bNumber) return m_nSel >= 0 && m_nSel < m_choices.GetSize() ? m_choices[m_nSel] : CString();
  return m_value.ToText();
}

void CCmbBtnProp::SetChoices(const CStringArray& choices, const CUIntArray* pData, BOOL bNumber, double number,
                             int sel) {
  m_choices.Copy(choices);
  if (pData) m_data.Copy(*pData);
  m_bNumber = bNumber;
  m_nSel = sel;
  if (bNumber)
    m_value = CPropVariant(number);
  else
    m_value = sel >= 0 && sel < m_choices.GetSize() ? CPropVariant(m_choices[sel]) : CPropVariant();
}

void CCmbBtnProp::SetButtons(const CUIntArray& buttons, int bitmap) {
  m_buttons.Copy(buttons);
  m_nBitmap = bitmap;
}

BOOL CCmbBtnProp::TakeChoice(int index) {
  if (!IsChoiceRow() || index < 0 || index >= m_choices.GetSize()) return FALSE;
  m_nSel = index;
  if (m_bNumber) {
    BOOL ok = FALSE;
    double d = CPropVariant(m_choices[index]).ToDouble(&ok);
    m_value = ok ? CPropVariant(d) : CPropVariant(m_choices[index]);
  } else {
    m_value = CPropVariant(m_choices[index]);
  }
  return TRUE;
}

BOOL CCmbBtnProp::TakeText(const CString& text) {
  if (IsChoiceRow()) {
    int i = FindChoice(text);
    if (i >= 0) return TakeChoice(i);
  }
  // A typed number: the number row, and the choice row that carries a number.
  if (m_kind != PROP_COL_EDIT && !(m_kind == PROP_COL_COMBO_EDIT && m_bNumber)) return FALSE;
  double d = 0;
  if (!CStringParser::GetFloatNumber(text, d)) return FALSE;
  m_value = CPropVariant(d);
  if (IsChoiceRow()) m_nSel = FindChoice(m_value.ToText());
  return TRUE;
}
