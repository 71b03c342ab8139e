#include "afx/CFileDialog.h"

#include <sys/stat.h>

#include <algorithm>
#include <deque>
#include <optional>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace {
// The answers queued for file dialogs only: a path, or none for Cancel.
std::deque<std::optional<CString>>& Answers() {
  static std::deque<std::optional<CString>> answers;
  return answers;
}
}  // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt ? lpszDefExt : ""),
      m_strInitial(lpszFileName ? lpszFileName : ""),
      m_strFilter(lpszFilter ? lpszFilter : "") {
  m_pParentWnd = pParentWnd;
  m_ofn.Flags = dwFlags;
  m_ofn.lpstrDefExt = lpszDefExt;
}

INT_PTR CFileDialog::DoModal() {
  m_nModalResult = IDCANCEL;
  m_strPath = m_strInitial;
  AFX_DIALOG_SCRIPT script;
  if (!Answers().empty()) {
    std::optional<CString> a = Answers().front();
    Answers().pop_front();
    CString path = a ? *a : CString();
    bool cancel = !a;
    script = [path, cancel](CDialog& dlg) {
      static_cast<CFileDialog&>(dlg).SetPathName(path);
      dlg.EndDialog(cancel ? IDCANCEL : IDOK);
    };
  } else if (!AfxTakeDialogScript(script)) {
    return IDCANCEL;
  }
  m_bContinueModal = TRUE;
  AfxPushModal(this);
  script(*this);
  AfxPopModal(this);
  if (m_bContinueModal) m_nModalResult = IDCANCEL;
  m_bContinueModal = FALSE;
  if (m_nModalResult != IDOK) return m_nModalResult;
  if (m_strPath.IsEmpty()) return m_nModalResult = IDCANCEL;
  CString ext = m_strDefExt;
  ext.TrimLeft('.');
  if (!ext.IsEmpty() && GetFileExt().IsEmpty()) m_strPath += "." + ext;
  struct stat st;
  if ((m_ofn.Flags & OFN_FILEMUSTEXIST) && stat(m_strPath.c_str(), &st) != 0) {
    AfxMessageBox(m_strPath + "\nFile not found.", MB_OK | MB_ICONWARNING);
    return m_nModalResult = IDCANCEL;
  }
  return m_nModalResult;
}

CString CFileDialog::GetFileName() const {
  int slash = std::max(m_strPath.ReverseFind('/'), m_strPath.ReverseFind('\\'));
  return m_strPath.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const {
  CString name = GetFileName();
  int dot = name.ReverseFind('.');
  return dot < 0 ? name : name.Left(dot);
}

CString CFileDialog::GetFolderPath() const {
  int slash = std::max(m_strPath.ReverseFind('/'), m_strPath.ReverseFind('\\'));
  return slash < 0 ? CString() : m_strPath.Left(slash);
}

void AfxQueueFileDialogPath(LPCTSTR path) {
  CString p(path ? path : "");
  bool cancel = path == nullptr;
  AfxQueueDialogScript([p, cancel](CDialog& dlg) {
    if (auto* fd = dynamic_cast<CFileDialog*>(&dlg)) fd->SetPathName(p);
    dlg.EndDialog(cancel ? IDCANCEL : IDOK);
  });
}

void AfxQueueFileAnswer(LPCTSTR path) {
  if (path) Answers().push_back(CString(path));
  else Answers().push_back(std::nullopt);
}

int AfxGetQueuedFileAnswerCount() { return (int)Answers().size(); }

void AfxClearFileAnswers() { Answers().clear(); }
