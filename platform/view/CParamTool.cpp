#include "view/CParamTool.h"

#include "afx/AfxMessageQueue.h"
#include "view/I_ModelBase.h"

UINT CCommandTool2::WM_CMDTOOL_RUN_COMMAND = RegisterWindowMessage("WM_CMDTOOL_RUN_COMMAND");

CVURViewEventListenerBase::~CVURViewEventListenerBase() = default;

BOOL CParamTool::GetPauseState() {
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  return view && view->IsPaused();
}

void CParamTool::SetParamType(int nKind, int nCount, int nFlag) {
  m_nKind = nKind;
  m_nCount = nCount > 0 ? nCount : 1;
  m_nFlag = nFlag;
  m_nTaken = 0;
}

void CParamTool::EndParamData() {
  m_nTaken = 0;
  End();
}
