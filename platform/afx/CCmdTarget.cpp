#include "afx/CCmdTarget.h"

#include "afx/AfxMsgMap.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg,
                                                     UINT nCode, UINT nID) {
  for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
      UINT msg = e->pRegMsg ? *e->pRegMsg : e->nMessage;
      if (msg != nMsg) continue;
      if (nMsg == WM_COMMAND || nMsg == WM_NOTIFY) {
        if (e->nCode != nCode || nID < e->nID || nID > e->nLastID) continue;
      } else if (nMsg == WM_REFLECT_BASE + WM_COMMAND || nMsg == WM_REFLECT_BASE + WM_NOTIFY) {
        if (e->nCode != nCode) continue;
      }
      return e;
    }
  }
  return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void*) {
  // Command codes travel as 16-bit words; the update pseudo-code stays as it is.
  UINT code = nCode == CN_UPDATE_COMMAND_UI ? (UINT)CN_UPDATE_COMMAND_UI : (UINT)(WORD)nCode;
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
      if (e->nMessage != WM_COMMAND || e->pRegMsg) continue;
      UINT ecode = e->nCode == (UINT)CN_UPDATE_COMMAND_UI ? e->nCode : (UINT)(WORD)e->nCode;
      if (ecode != code || nID < e->nID || nID > e->nLastID) continue;
      switch (e->nSig) {
        case AfxSig_vv:
          (this->*e->pfn)();
          return TRUE;
        case AfxSig_vw:
          (this->*AfxPmfCast<void (CCmdTarget::*)(UINT)>(e->pfn))(nID);
          return TRUE;
        case AfxSig_bw:
          if ((this->*AfxPmfCast<BOOL (CCmdTarget::*)(UINT)>(e->pfn))(nID)) return TRUE;
          break;
        case AfxSig_cmdui:
          if (!pExtra) break;
          (this->*AfxPmfCast<void (CCmdTarget::*)(CCmdUI*)>(e->pfn))((CCmdUI*)pExtra);
          return TRUE;
        case AfxSig_cmduiw:
          if (!pExtra) break;
          (this->*AfxPmfCast<void (CCmdTarget::*)(UINT, CCmdUI*)>(e->pfn))(nID, (CCmdUI*)pExtra);
          return TRUE;
        default:
          break;
      }
    }
  }
  return FALSE;
}

void CCmdUI::Enable(BOOL) { m_bEnableChanged = TRUE; }
void CCmdUI::SetCheck(int) {}
void CCmdUI::SetText(LPCTSTR) {}
