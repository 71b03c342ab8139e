// The modeless dialogs open on one document, found by dialog id. A document has one manager
// (CDBDoc::GetDlgCtrl), made on first use; CDBDlgBase::Create enters its dialog and the
// dialog leaves when its window is destroyed. So each dialog id is open at most once per
// document. When the document ends, the manager destroys the windows still open (each
// modeless dialog then ends itself, CDBDlgBase::PostNcDestroy).
#pragma once
#include <map>
#include "afx/CDialog.h"

class CDBDoc;

class CDlgModelessMgr {
 public:
  explicit CDlgModelessMgr(CDBDoc* pDoc = nullptr) : m_pDoc(pDoc) {}
  ~CDlgModelessMgr();
  CDlgModelessMgr(const CDlgModelessMgr&) = delete;
  CDlgModelessMgr& operator=(const CDlgModelessMgr&) = delete;

  // The open dialog of that dialog id, or NULL.
  CDialog* GetDlg(UINT nIDDlg) const;
  // Enters an open dialog under its id; 0 when the id is taken by another dialog or the
  // dialog is NULL.
  BOOL AddDlg(UINT nIDDlg, CDialog* pDlg);
  // Takes the dialog out, whatever its id; 0 when it was not there.
  BOOL RemoveDlg(CDialog* pDlg);
  int GetCount() const { return (int)m_dialogs.size(); }
  CDBDoc* GetDoc() const { return m_pDoc; }

 private:
  CDBDoc* m_pDoc;
  std::map<UINT, CDialog*> m_dialogs;
};
