#include "host/CHostApp.h"

#include "ui/CMsgDll.h"

CHostApp* CHostApp::s_pCurrent = nullptr;

CHostApp::CHostApp() {
  m_strings.LoadBuiltIn();
  m_pPrevious = s_pCurrent;
  m_pfnPrevLoadStr = CMsgDll::pfuncLoadStr;
  m_pfnPrevMsgOut = CMsgDll::pfuncMsgOut;
  s_pCurrent = this;
  CMsgDll::pfuncLoadStr = &CHostApp::LoadStrHook;
  CMsgDll::pfuncMsgOut = &CHostApp::MsgOutHook;
}

CHostApp::~CHostApp() {
  if (s_pCurrent == this) {
    s_pCurrent = m_pPrevious;
    CMsgDll::pfuncLoadStr = m_pfnPrevLoadStr;
    CMsgDll::pfuncMsgOut = m_pfnPrevMsgOut;
  }
}

void CHostApp::SetOutput(std::ostream* out) {
  m_mainWnd.SetOutput(out);
  m_messages.SetOutput(out);
}

const char* CHostApp::LoadStrHook(const char* key, int) {
  return s_pCurrent ? s_pCurrent->LoadStr(key) : (key ? key : "");
}

void CHostApp::MsgOutHook(const char* line) {
  if (s_pCurrent) s_pCurrent->MsgOut(line ? line : "");
}
