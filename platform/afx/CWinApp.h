// The application and its user-interface thread. One thread object exists for the life of
// the process (AfxGetThread); a CWinApp, when one is constructed, is that thread and the
// application (AfxGetApp) until it is destroyed. The main window is whatever the host puts
// in m_pMainWnd (AfxSetMainWnd); AfxGetMainWnd returns it, or NULL.
#pragma once
#include "afx/CWnd.h"

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)
 public:
  CWinThread() = default;
  CWnd* m_pMainWnd = nullptr;
  CWnd* m_pActiveWnd = nullptr;
  virtual CWnd* GetMainWnd() { return m_pMainWnd; }
  // Pumps the queued messages (AfxPumpMessages); FALSE when there were none.
  virtual BOOL PumpMessage();
  virtual BOOL PreTranslateMessage(MSG* pMsg);
};

class CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)
 public:
  explicit CWinApp(LPCTSTR lpszAppName = nullptr);
  ~CWinApp() override;
  CString m_pszAppName;
  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance() { return 0; }
  // Cursors and icons of the resources: handles that carry the resource id.
  HCURSOR LoadCursor(UINT nIDResource) const { return AfxHandleFromResId<HCURSOR>((int)nIDResource); }
  HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const {
    return AfxHandleFromResId<HCURSOR>((int)(uintptr_t)lpszCursorName);
  }
  HICON LoadIcon(UINT nIDResource) const { return AfxHandleFromResId<HICON>((int)nIDResource); }

 private:
  CWinThread* m_pPrevious = nullptr;
};

CWinThread* AfxGetThread();
CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// Sets the main window of the current thread; returns the previous one.
CWnd* AfxSetMainWnd(CWnd* pWnd);

// The cursor shown (SetCursor) and the class cursor of windows (SetClassLongPtr with
// GCLP_HCURSOR), recorded so that tests can read them.
HCURSOR SetCursor(HCURSOR hCursor);
HCURSOR GetCursor();
inline constexpr int GCLP_HCURSOR = -12;
LONG_PTR SetClassLongPtr(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LONG_PTR GetClassLongPtr(HWND hWnd, int nIndex);
HCURSOR AfxGetClassCursor(const char* windowClass);
