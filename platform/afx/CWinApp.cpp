#include "afx/CWinApp.h"

#include <map>
#include <string>

#include "afx/AfxMessageQueue.h"
#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace {
CWinThread*& Current() {
  static CWinThread* cur = nullptr;
  return cur;
}
CWinThread& DefaultThread() {
  static CWinThread& t = *new CWinThread;
  return t;
}
HCURSOR g_cursor = nullptr;
std::map<std::string, HCURSOR>& ClassCursors() {
  static std::map<std::string, HCURSOR>& m = *new std::map<std::string, HCURSOR>;
  return m;
}
}  // namespace

BOOL CWinThread::PumpMessage() { return AfxPumpMessages() > 0; }

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) { return AfxPreTranslateMessage(pMsg); }

CWinApp::CWinApp(LPCTSTR lpszAppName) : m_pszAppName(lpszAppName ? lpszAppName : "") {
  m_pPrevious = Current();
  m_pMainWnd = m_pPrevious ? m_pPrevious->m_pMainWnd : DefaultThread().m_pMainWnd;
  Current() = this;
}

CWinApp::~CWinApp() {
  if (Current() == this) Current() = m_pPrevious;
}

CWinThread* AfxGetThread() { return Current() ? Current() : &DefaultThread(); }

CWinApp* AfxGetApp() {
  CWinThread* t = Current();
  return t ? static_cast<CWinApp*>(t) : nullptr;
}

CWnd* AfxGetMainWnd() { return AfxGetThread()->GetMainWnd(); }

CWnd* AfxSetMainWnd(CWnd* pWnd) {
  CWinThread* t = AfxGetThread();
  CWnd* old = t->m_pMainWnd;
  t->m_pMainWnd = pWnd;
  return old;
}

HCURSOR SetCursor(HCURSOR hCursor) {
  HCURSOR old = g_cursor;
  g_cursor = hCursor;
  return old;
}

HCURSOR GetCursor() { return g_cursor; }

LONG_PTR SetClassLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w || nIndex != GCLP_HCURSOR) return 0;
  HCURSOR& c = ClassCursors()[w->cls.str()];
  LONG_PTR old = (LONG_PTR)c;
  c = (HCURSOR)dwNewLong;
  return old;
}

LONG_PTR GetClassLongPtr(HWND hWnd, int nIndex) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w || nIndex != GCLP_HCURSOR) return 0;
  return (LONG_PTR)AfxGetClassCursor(w->cls);
}

HCURSOR AfxGetClassCursor(const char* windowClass) {
  auto it = ClassCursors().find(windowClass ? windowClass : "");
  return it == ClassCursors().end() ? nullptr : it->second;
}
