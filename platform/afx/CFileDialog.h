// The open and save file dialogs. No window is shown: DoModal takes the next dialog script
// queued (AfxScript.h) and runs it with the file dialog, which plays the user: it names
// the file with SetPathName and ends with EndDialog(IDOK), or ends with IDCANCEL.
// AfxQueueFileDialogPath queues such a script. With no script queued DoModal returns
// IDCANCEL. A chosen name without an extension gets the default extension; with
// OFN_FILEMUSTEXIST a file that does not exist shows the message box
// "<path>\nFile not found." and the dialog ends with IDCANCEL.
#pragma once
#include "afx/CDialog.h"

enum : DWORD {
  OFN_READONLY = 0x00000001, OFN_OVERWRITEPROMPT = 0x00000002, OFN_HIDEREADONLY = 0x00000004,
  OFN_NOCHANGEDIR = 0x00000008, OFN_ALLOWMULTISELECT = 0x00000200, OFN_PATHMUSTEXIST = 0x00000800,
  OFN_FILEMUSTEXIST = 0x00001000, OFN_CREATEPROMPT = 0x00002000, OFN_NOREADONLYRETURN = 0x00008000,
  OFN_EXPLORER = 0x00080000, OFN_LONGNAMES = 0x00200000, OFN_ENABLESIZING = 0x00800000,
};

struct OPENFILENAME {
  DWORD Flags = 0;
  LPCTSTR lpstrDefExt = nullptr;
  LPCTSTR lpstrInitialDir = nullptr;
  LPCTSTR lpstrTitle = nullptr;
  DWORD nFilterIndex = 1;
};

class CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)
 public:
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                       CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
  INT_PTR DoModal() override;

  CString GetPathName() const { return m_strPath; }
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  CString GetFolderPath() const;
  // What the user chose (the script): a path, before DoModal applies the default extension.
  void SetPathName(LPCTSTR lpszPath) { m_strPath = lpszPath ? lpszPath : ""; }
  BOOL IsOpenFileDialog() const { return m_bOpenFileDialog; }
  // The filter as given ("Text (*.txt)|*.txt|All (*.*)|*.*||").
  const CString& GetFilter() const { return m_strFilter; }
  CString GetDefExt() const { return m_strDefExt; }
  CString GetInitialFileName() const { return m_strInitial; }

  OPENFILENAME m_ofn;

 private:
  BOOL m_bOpenFileDialog;
  CString m_strDefExt, m_strInitial, m_strFilter, m_strPath;
};

// Queues a script that chooses path in the next file dialog (NULL: the user cancels).
void AfxQueueFileDialogPath(LPCTSTR path);
// Queues an answer that only a file dialog takes, before any script: the user names path
// and presses OK (NULL: cancels). Answers are taken in order; AfxClearFileAnswers drops
// those left.
void AfxQueueFileAnswer(LPCTSTR path);
int AfxGetQueuedFileAnswerCount();
void AfxClearFileAnswers();
