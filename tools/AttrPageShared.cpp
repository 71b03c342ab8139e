#include "tools/AttrPageShared.h"

#include "ui/CMsgDll.h"

void InitAttrPropList(CWnd& page, UINT placeId, CPropList& list) {
  CRect rc;
  if (CWnd* place = page.GetDlgItem(placeId)) {
    place->GetClientRect(&rc);
    place->MapWindowPoints(&page, &rc);
  }
  list.InitList(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, rc, &page);
  list.SetHeaderInfo(1, CMsgDll::pfuncLoadStr("IDS_CMD_ATTR_HEADER_ATTR", 0),
                     CMsgDll::pfuncLoadStr("IDS_CMD_ATTR_HEADER_DATA", 0));
  list.SetVSDotNetLook(TRUE);
  list.EnableScrollBar(1, 0);
}

void ResetAttrGroups(CPropList& list, std::initializer_list<const char*> groupKeys) {
  list.RemoveAll();
  list.SetKey(0);
  for (const char* key : groupKeys) list.AddGroupItem(CMsgDll::pfuncLoadStr(key, 0));
}

void CloseAttrOwner(CWnd* pOwner) {
  if (pOwner && pOwner->m_hWnd) pOwner->PostMessage(WM_CLOSE);
}
