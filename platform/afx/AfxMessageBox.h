// Message boxes. Nothing is shown: each box is recorded in the process's message log (text,
// caption, style, the answer given) and answered by the answer queued for it (AfxScript.h),
// else by its default button: the first button of its set (MB_OK: IDOK, MB_OKCANCEL: IDOK,
// MB_YESNO and MB_YESNOCANCEL: IDYES, MB_RETRYCANCEL: IDRETRY, MB_ABORTRETRYIGNORE:
// IDABORT), the second with MB_DEFBUTTON2, the third with MB_DEFBUTTON3. A queued answer
// that is not a button of the box counts as the default button.
#pragma once
#include <vector>
#include "afx/AfxWinDefs.h"
#include "afx/CString.h"

struct AFX_MESSAGE_RECORD {
  CString text;
  CString caption;
  UINT style = 0;
  int answer = 0;
};

int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text of string id nIDPrompt comes from the string loader (AfxSetLoadStringFunc);
// without one, or for an id it does not know, the text is "#" and the id.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
// What AfxMessageBox and CWnd::MessageBox share.
int AfxShowMessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType);
int AfxDefaultMessageBoxAnswer(UINT nType);

int AfxGetMessageCount();
const AFX_MESSAGE_RECORD* AfxGetMessageRecord(int index);
const AFX_MESSAGE_RECORD* AfxGetLastMessage();  // NULL when the log is empty
void AfxClearMessageLog();

// Called for each box as it is shown (the host prints it); returns the previous hook.
typedef void (*AFX_MESSAGEBOX_HOOK)(const AFX_MESSAGE_RECORD& rec);
AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook);
// Texts of numeric string ids (AfxMessageBox(UINT), CString::LoadString users).
typedef const char* (*AFX_LOADSTRING_FUNC)(UINT id);
AFX_LOADSTRING_FUNC AfxSetLoadStringFunc(AFX_LOADSTRING_FUNC fn);
