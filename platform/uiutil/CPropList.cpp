#include "uiutil/CPropList.h"

#include "afx/AfxMessageQueue.h"

IMPLEMENT_DYNAMIC(CPropList, CWnd)

UINT CPropList::WM_PROPLIST_CHANGE_VALUE = RegisterWindowMessage("WM_PROPLIST_CHANGE_VALUE");
UINT CPropList::WM_PROPLIST_CHANGED = RegisterWindowMessage("WM_PROPLIST_CHANGED");
UINT CPropList::WM_PROPLIST_COMMAND = RegisterWindowMessage("WM_PROPLIST_COMMAND");

namespace {
// Registered window messages take the ids from 0xC000 on; command ids lie below.
bool IsRegisteredMessage(UINT id) { return id >= 0xC000u && id <= 0xFFFFu; }
}  // namespace

CPropList::CPropList() = default;

CPropList::~CPropList() {
  m_pCur = nullptr;
  m_rows.clear();
  m_items.clear();
}

BOOL CPropList::InitList(DWORD dwStyle, const RECT& rect, CWnd* pOwner, UINT nID) {
  if (!pOwner || !pOwner->m_hWnd) return FALSE;
  m_pOwner = pOwner;
  return Create(CLASS_NAME, "", dwStyle | WS_CHILD, rect, pOwner, nID);
}

void CPropList::SetHeaderInfo(int nFlag, const CString& attrTitle, const CString& dataTitle) {
  m_bHeader = nFlag != 0;
  m_strAttrTitle = attrTitle;
  m_strDataTitle = dataTitle;
}

void CPropList::RemoveAll() {
  ++m_nFill;
  m_pCur = nullptr;
  m_pGroup = nullptr;
  m_rows.clear();
  m_items.clear();
}

CBCGPProp* CPropList::AddGroupItem(const CString& title) {
  m_items.push_back(std::make_unique<CBCGPProp>(this, title, TRUE, nullptr));
  m_pGroup = m_items.back().get();
  return m_pGroup;
}

void CPropList::ExpandAll(BOOL bExpand) {
  for (auto& item : m_items)
    if (item->IsGroup()) item->Expand(bExpand);
}

CCmbBtnProp* CPropList::NewRow(const CString& label, PROP_COLTYPE kind) {
  auto row = std::make_unique<CCmbBtnProp>(this, label, kind, m_pGroup);
  CCmbBtnProp* p = row.get();
  m_items.push_back(std::move(row));
  m_rows.push_back(p);
  return p;
}

CCmbBtnProp* CPropList::AddItem(const CString& label, PROP_COLTYPE kind, int value) {
  CCmbBtnProp* p = NewRow(label, kind);
  p->SetValue(CPropVariant(value));
  return p;
}

CCmbBtnProp* CPropList::AddItem(const CString& label, PROP_COLTYPE kind, const CString& text, int) {
  CCmbBtnProp* p = NewRow(label, kind);
  p->SetValue(CPropVariant(text));
  return p;
}

CCmbBtnProp* CPropList::AddItem(const CString& label, PROP_COLTYPE kind, double value) {
  CCmbBtnProp* p = NewRow(label, kind);
  p->SetValue(CPropVariant(value));
  return p;
}

CCmbBtnProp* CPropList::AddItem(const CString& label, PROP_COLTYPE kind, const CString& text, CUIntArray& buttons,
                                int bitmap) {
  CCmbBtnProp* p = NewRow(label, kind);
  p->SetValue(CPropVariant(text));
  p->SetButtons(buttons, bitmap);
  return p;
}

CCmbBtnProp* CPropList::AddItem(const CString& label, PROP_COLTYPE kind, int value, CUIntArray& buttons, int bitmap) {
  CCmbBtnProp* p = NewRow(label, kind);
  p->SetValue(CPropVariant(value));
  p->SetButtons(buttons, bitmap);
  return p;
}

CCmbBtnProp* CPropList::AddItem(const CString& label, PROP_COLTYPE kind, CStringArray& choices, CUIntArray& buttons,
                                int bitmap, int flag, double number, int sel) {
  CCmbBtnProp* p = NewRow(label, kind);
  p->SetChoices(choices, nullptr, flag != 0, number, sel);
  p->SetButtons(buttons, bitmap);
  return p;
}

CCmbBtnProp* CPropList::AddItem(const CString& label, PROP_COLTYPE kind, CStringArray& choices, CUIntArray& itemData,
                                CUIntArray& buttons, int bitmap, int flag, double number, int sel) {
  CCmbBtnProp* p = NewRow(label, kind);
  p->SetChoices(choices, &itemData, flag != 0, number, sel);
  p->SetButtons(buttons, bitmap);
  return p;
}

CCmbBtnProp* CPropList::GetRow(int index) const {
  return index >= 0 && index < (int)m_rows.size() ? m_rows[(size_t)index] : nullptr;
}

int CPropList::GetRowIndex(const CBCGPProp* pItem) const {
  for (size_t i = 0; i < m_rows.size(); ++i)
    if (m_rows[i] == pItem) return (int)i;
  return -1;
}

CBCGPProp* CPropList::GetItem(int index) const {
  return index >= 0 && index < (int)m_items.size() ? m_items[(size_t)index].get() : nullptr;
}

CCmbBtnProp* CPropList::FindRow(const CString& text) const {
  for (CCmbBtnProp* r : m_rows)
    if (r->GetName() == text) return r;
  for (CCmbBtnProp* r : m_rows)
    if (r->GetName().str().starts_with(text.str())) return r;
  return nullptr;
}

BOOL CPropList::CanReach(const CCmbBtnProp* pRow) const {
  if (!pRow || GetRowIndex(pRow) < 0 || !m_hWnd || !IsWindowVisible() || !IsWindowEnabled()) return FALSE;
  CWnd* p = GetParent();
  for (; p; p = (p->GetStyle() & WS_CHILD) ? p->GetParent() : nullptr)
    if (!p->IsWindowEnabled()) return FALSE;
  return !pRow->GetParent() || pRow->GetParent()->IsExpanded();
}

LRESULT CPropList::Notify(UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* owner = m_pOwner && m_pOwner->m_hWnd ? m_pOwner : GetParent();
  return owner ? owner->SendMessage(message, wParam, lParam) : 0;
}

BOOL CPropList::MakeCurrent(CCmbBtnProp* pRow) {
  SetFocus();
  if (m_pCur == pRow) return TRUE;
  const unsigned fill = m_nFill;
  m_pCur = pRow;
  Notify(WM_PROPLIST_CHANGED, 0, (LPARAM)pRow);
  return fill == m_nFill && m_pCur == pRow;
}

BOOL CPropList::UserSelect(CCmbBtnProp* pRow) {
  if (!CanReach(pRow)) return FALSE;
  MakeCurrent(pRow);
  return TRUE;
}

BOOL CPropList::Commit(CCmbBtnProp* pRow, const std::function<BOOL(CCmbBtnProp*)>& take) {
  if (!CanReach(pRow)) return FALSE;
  const PROP_COLTYPE kind = pRow->GetColType();
  if (kind != PROP_COL_EDIT && kind != PROP_COL_COMBO && kind != PROP_COL_COMBO_EDIT) return FALSE;
  // The value is checked before the row is touched: a value the row cannot take is refused.
  const CPropVariant before = pRow->GetValue();
  const int selBefore = pRow->GetSelected();
  if (!take(pRow)) return FALSE;
  const CPropVariant after = pRow->GetValue();
  const int selAfter = pRow->GetSelected();
  // The row shows its old value until it is current, as the user's edit starts there.
  pRow->Restore(before, selBefore);
  if (!MakeCurrent(pRow)) return TRUE;
  take(pRow);
  const BOOL same = pRow->IsChoiceRow() && !pRow->HoldsNumber() ? selAfter == selBefore : after == before;
  Notify(WM_PROPLIST_CHANGE_VALUE, same ? 1 : 0, (LPARAM)pRow);
  return TRUE;
}

BOOL CPropList::UserCommitText(CCmbBtnProp* pRow, const CString& text) {
  return Commit(pRow, [&](CCmbBtnProp* r) { return r->TakeText(text); });
}

BOOL CPropList::UserCommitChoice(CCmbBtnProp* pRow, int index) {
  return Commit(pRow, [&](CCmbBtnProp* r) { return r->TakeChoice(index); });
}

BOOL CPropList::UserPressButton(CCmbBtnProp* pRow, int index) {
  if (!CanReach(pRow) || index < 0 || index >= pRow->GetButtons().GetSize()) return FALSE;
  if (!MakeCurrent(pRow)) return TRUE;
  const unsigned fill = m_nFill;
  const UINT id = pRow->GetMessageByIndex(index);
  Notify(WM_PROPLIST_COMMAND, (WPARAM)index, (LPARAM)pRow);
  if (IsRegisteredMessage(id) && fill == m_nFill && m_pCur == pRow) Notify(id, 0, (LPARAM)pRow);
  return TRUE;
}
