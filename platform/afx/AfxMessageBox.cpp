#include "afx/AfxMessageBox.h"

#include "afx/AfxScript.h"

namespace {
std::vector<AFX_MESSAGE_RECORD>& Log() {
  static std::vector<AFX_MESSAGE_RECORD>& log = *new std::vector<AFX_MESSAGE_RECORD>;
  return log;
}
AFX_MESSAGEBOX_HOOK g_hook = nullptr;
AFX_LOADSTRING_FUNC g_loadString = nullptr;

struct ButtonSet {
  UINT type;
  int buttons[3];
};
const ButtonSet kSets[] = {
    {MB_OK, {IDOK, 0, 0}},
    {MB_OKCANCEL, {IDOK, IDCANCEL, 0}},
    {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
    {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
    {MB_YESNO, {IDYES, IDNO, 0}},
    {MB_RETRYCANCEL, {IDRETRY, IDCANCEL, 0}},
};

const ButtonSet& SetOf(UINT nType) {
  for (const ButtonSet& s : kSets)
    if (s.type == (nType & MB_TYPEMASK)) return s;
  return kSets[0];
}
}  // namespace

int AfxDefaultMessageBoxAnswer(UINT nType) {
  const ButtonSet& s = SetOf(nType);
  int k = (int)((nType & MB_DEFMASK) >> 8);
  if (k > 2 || s.buttons[k] == 0) k = 0;
  return s.buttons[k];
}

int AfxShowMessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
  AFX_MESSAGE_RECORD rec;
  rec.text = lpszText ? lpszText : "";
  rec.caption = lpszCaption ? lpszCaption : "";
  rec.style = nType;
  rec.answer = AfxDefaultMessageBoxAnswer(nType);
  int queued = 0;
  if (AfxTakeMessageBoxAnswer(queued)) {
    for (int b : SetOf(nType).buttons)
      if (b != 0 && b == queued) rec.answer = queued;
  }
  Log().push_back(rec);
  if (g_hook) g_hook(rec);
  return rec.answer;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) { return AfxShowMessageBox(lpszText, nullptr, nType); }

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT) {
  const char* s = g_loadString ? g_loadString(nIDPrompt) : nullptr;
  CString text;
  if (s)
    text = s;
  else
    text.Format("#%u", nIDPrompt);
  return AfxShowMessageBox(text, nullptr, nType);
}

int AfxGetMessageCount() { return (int)Log().size(); }

const AFX_MESSAGE_RECORD* AfxGetMessageRecord(int index) {
  if (index < 0 || index >= (int)Log().size()) return nullptr;
  return &Log()[(size_t)index];
}

const AFX_MESSAGE_RECORD* AfxGetLastMessage() { return Log().empty() ? nullptr : &Log().back(); }

void AfxClearMessageLog() { Log().clear(); }

AFX_MESSAGEBOX_HOOK AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK hook) {
  AFX_MESSAGEBOX_HOOK old = g_hook;
  g_hook = hook;
  return old;
}

AFX_LOADSTRING_FUNC AfxSetLoadStringFunc(AFX_LOADSTRING_FUNC fn) {
  AFX_LOADSTRING_FUNC old = g_loadString;
  g_loadString = fn;
  return old;
}
