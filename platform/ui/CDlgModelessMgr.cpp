#include "ui/CDlgModelessMgr.h"

#include <vector>
#include "db/CDBDoc.h"
#include "ui/CDynModule.h"

CDlgModelessMgr::~CDlgModelessMgr() {
  // Destroying a window takes its dialog out of the map (and usually deletes it): work
  // from a copy of the handles, and look each one up again.
  std::vector<HWND> open;
  for (auto& [id, dlg] : m_dialogs) open.push_back(dlg->m_hWnd);
  for (HWND h : open)
    if (IsWindow(h)) ::DestroyWindow(h);
  m_dialogs.clear();
}

CDialog* CDlgModelessMgr::GetDlg(UINT nIDDlg) const {
  auto it = m_dialogs.find(nIDDlg);
  return it == m_dialogs.end() ? nullptr : it->second;
}

BOOL CDlgModelessMgr::AddDlg(UINT nIDDlg, CDialog* pDlg) {
  if (!pDlg) return FALSE;
  auto it = m_dialogs.find(nIDDlg);
  if (it != m_dialogs.end()) return it->second == pDlg;
  m_dialogs[nIDDlg] = pDlg;
  return TRUE;
}

BOOL CDlgModelessMgr::RemoveDlg(CDialog* pDlg) {
  for (auto it = m_dialogs.begin(); it != m_dialogs.end(); ++it)
    if (it->second == pDlg) {
      m_dialogs.erase(it);
      return TRUE;
    }
  return FALSE;
}

// The document's two UI slots are this library's classes: install their makers when the
// library loads.
namespace {
struct DocSlots {
  DocSlots() {
    CDBDocUiHooks h;
    h.newDynModuleMgr = [](CDBDoc*) { return new CDynModuleMgr(); };
    h.deleteDynModuleMgr = [](CDynModuleMgr* p) { delete p; };
    h.newDlgCtrl = [](CDBDoc* pDoc) { return new CDlgModelessMgr(pDoc); };
    h.deleteDlgCtrl = [](CDlgModelessMgr* p) { delete p; };
    CDBDoc::SetUiHooks(h);
  }
};
const DocSlots s_docSlots;
}  // namespace
