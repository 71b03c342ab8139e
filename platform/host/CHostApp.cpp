#include "host/CHostApp.h"

#include "ui/CMsgDll.h"

CHostApp* CHostApp::s_pCurrent = nullptr;

CHostApp::CHostApp() : CWinApp("cmdhost") {
  m_strings.LoadBuiltIn();
  AfxClearMessageLog();
  AfxDiscardQueuedMessages();
  AfxClearScriptQueue();
  m_pPrevious = s_pCurrent;
  m_pfnPrevLoadStr = CMsgDll::pfuncLoadStr;
  m_pfnPrevMsgOut = CMsgDll::pfuncMsgOut;
  s_pCurrent = this;
  CMsgDll::pfuncLoadStr = &CHostApp::LoadStrHook;
  CMsgDll::pfuncMsgOut = &CHostApp::MsgOutHook;
  m_pfnPrevBoxHook = AfxSetMessageBoxHook(&CHostApp::MessageBoxHook);
  m_pfnPrevViewsHook = CDBDoc::SetViewsHook(&CHostApp::ViewsHook);
  m_mainWnd.CreateMain();
  m_pMainWnd = &m_mainWnd;
}

CHostApp::~CHostApp() {
  m_pMainWnd = nullptr;
  m_mainWnd.DestroyWindow();
  if (s_pCurrent == this) {
    s_pCurrent = m_pPrevious;
    CMsgDll::pfuncLoadStr = m_pfnPrevLoadStr;
    CMsgDll::pfuncMsgOut = m_pfnPrevMsgOut;
    AfxSetMessageBoxHook(m_pfnPrevBoxHook);
    CDBDoc::SetViewsHook(m_pfnPrevViewsHook);
  }
}

void CHostApp::SetOutput(std::ostream* out) {
  m_pOut = out;
  m_mainWnd.SetOutput(out);
  m_messages.SetOutput(out);
}

const char* CHostApp::LoadStrHook(const char* key, int) {
  return s_pCurrent ? s_pCurrent->LoadStr(key) : (key ? key : "");
}

void CHostApp::MsgOutHook(const char* line) {
  if (s_pCurrent) s_pCurrent->MsgOut(line ? line : "");
}

void CHostApp::MessageBoxHook(const AFX_MESSAGE_RECORD& rec) {
  if (s_pCurrent) s_pCurrent->m_messages.AddBox(rec.text, rec.style);
}

void CHostApp::ViewsHook(CDBDoc*, CView*, LPARAM lHint, CObject*) {
  if (!s_pCurrent) return;
  s_pCurrent->m_viewHints.push_back(lHint);
  if (s_pCurrent->m_pOut) *s_pCurrent->m_pOut << "views hint " << (long long)lHint << "\n";
}
