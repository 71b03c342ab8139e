#include "db/CCobxDBBase.h"

#include "db/CDBDoc.h"
#include "db/DB_CDataBase.h"
#include "db/DB_CUpdateRecord.h"

IMPLEMENT_DYNAMIC(CCobxDBBase, CComboBox)

void CCobxDBBase::PreSubclassWindow() {
  CComboBox::PreSubclassWindow();
  Refill();
}

void CCobxDBBase::Refill() {
  if (!m_hWnd) return;
  UINT selected = 0;
  const BOOL hadSelection = GetSelectedKey(selected);
  CString typed;
  GetWindowText(typed);

  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  if (db != GetConnectedDB()) {
    if (db) ConnectDB(db);
    else DisconnectDB();
  }
  Items items;
  if (doc) FillItems(*doc, items);
  ResetContent();
  for (const auto& it : items) {
    int i = AddString(it.second);
    if (i >= 0) SetItemData(i, it.first);
  }
  if (!hadSelection || !SelectKey(selected)) {
    if (SelectsFirstItem() && GetCount() > 0) {
      SetCurSel(0);
    } else {
      SetCurSel(-1);
      if ((GetStyle() & 0x3) == CBS_DROPDOWN) SetWindowText(typed);
    }
  }
}

int CCobxDBBase::FindKey(UINT key) const {
  for (int i = 0, n = GetCount(); i < n; ++i)
    if ((UINT)GetItemData(i) == key) return i;
  return CB_ERR;
}

BOOL CCobxDBBase::SelectKey(UINT key) {
  if (!m_hWnd) return FALSE;
  int i = FindKey(key);
  SetCurSel(i);
  return i != CB_ERR;
}

BOOL CCobxDBBase::GetSelectedKey(UINT& key) const {
  key = 0;
  if (!m_hWnd) return FALSE;
  int i = GetCurSel();
  const BOOL editable = (GetStyle() & 0x3) == CBS_DROPDOWN;
  if (editable) {
    // The text may have been typed over the chosen item.
    CString text, item;
    GetWindowText(text);
    if (i >= 0) GetLBText(i, item);
    if (i < 0 || item != text) {
      i = -1;
      for (int j = 0, n = GetCount(); j < n && i < 0; ++j) {
        GetLBText(j, item);
        if (item == text) i = j;
      }
    }
  }
  if (i < 0) return FALSE;
  key = (UINT)GetItemData(i);
  return TRUE;
}

void CCobxDBBase::OnUpdate(CView*, LPARAM, CObject*) {
  DB_CDataBase* db = GetConnectedDB();
  if (!db || !m_hWnd) return;
  POSITION pos = db->GetFirstUpdatePosition();
  while (pos) {
    const DB_CUpdateRecord* r = db->GetNextUpdate(pos);
    if (r && WatchesClass(r->m_nClassID)) {
      Refill();
      return;
    }
  }
}
