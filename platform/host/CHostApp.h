// The application (a CWinApp): owns the main window, the string table and the message log
// (message boxes and the message window), and later the open documents and the module's
// load.
//
// Constructing it makes it the process's current application (AfxGetApp) and starts it
// clean: the class library's message log, message queue and script queue are emptied, its
// main window is created and made the thread's main window (AfxGetMainWnd). It installs
// the text-key function CMsgDll::pfuncLoadStr (texts from its string table), the
// message-window function CMsgDll::pfuncMsgOut and a message-box hook (both into its
// message log), and the document views hook (CDBDoc::SetViewsHook): it stands for the
// application's views, recording each hint that CDBDoc::UpdateAllViews sends them and
// printing it as `views hint N`. It holds the model view's event controller (the documents'
// model views are the model lines'). Destroying it puts back what was current before. One application is
// current at a time; each scenario file and each test that needs one makes its own.
#pragma once
#include <ostream>
#include <vector>
#include "afx/afxwin.h"
#include "db/CDBDoc.h"
#include "host/CHostMainWnd.h"
#include "host/CHostMessageLog.h"
#include "host/CHostStrings.h"
#include "view/CViewEventController.h"

class CHostApp : public CWinApp {
 public:
  CHostApp();
  ~CHostApp() override;
  CHostApp(const CHostApp&) = delete;
  CHostApp& operator=(const CHostApp&) = delete;

  // The current application, or NULL.
  static CHostApp* GetCurrent() { return s_pCurrent; }

  // Where the host prints what happens (message boxes, message-window lines, commands to
  // the main window); NULL prints nothing.
  void SetOutput(std::ostream* out);

  CHostStrings& GetStrings() { return m_strings; }
  // The main window (also AfxGetMainWnd while this application is current).
  CHostMainWnd& GetHostMainWnd() { return m_mainWnd; }
  CHostMessageLog& GetMessages() { return m_messages; }
  // The model view's event controller (one for the application's view).
  CViewEventController& GetViewEvents() { return m_viewEvents; }

  // The text of a text key (CHostStrings::Resolve).
  const char* LoadStr(const char* key) { return m_strings.Resolve(key); }
  // Appends a line to the message window.
  void MsgOut(const CString& line) { m_messages.AddOutput(line); }

  // The hints the documents sent their views (CDBDoc::UpdateAllViews), in order.
  const std::vector<LPARAM>& GetViewHints() const { return m_viewHints; }
  void ClearViewHints() { m_viewHints.clear(); }

 private:
  static const char* LoadStrHook(const char* key, int);
  static void MsgOutHook(const char* line);
  static void MessageBoxHook(const AFX_MESSAGE_RECORD& rec);
  static void ViewsHook(CDBDoc* pDoc, CView* pSender, LPARAM lHint, CObject* pHint);

  CHostStrings m_strings;
  CHostMainWnd m_mainWnd;
  CHostMessageLog m_messages;
  CViewEventController m_viewEvents;
  std::vector<LPARAM> m_viewHints;
  std::ostream* m_pOut = nullptr;

  CHostApp* m_pPrevious = nullptr;
  const char* (*m_pfnPrevLoadStr)(const char*, int) = nullptr;
  void (*m_pfnPrevMsgOut)(const char*) = nullptr;
  AFX_MESSAGEBOX_HOOK m_pfnPrevBoxHook = nullptr;
  CDBDoc::VIEWS_HOOK m_pfnPrevViewsHook = nullptr;
  static CHostApp* s_pCurrent;
};
