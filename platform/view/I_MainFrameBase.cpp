#include "view/I_MainFrameBase.h"

#include "view/I_ModelBase.h"

namespace {
I_MainFrameBase* g_pMainFrame = nullptr;
}

I_MainFrameBase::I_MainFrameBase() : m_pPrevious(g_pMainFrame) { g_pMainFrame = this; }

I_MainFrameBase::~I_MainFrameBase() {
  if (g_pMainFrame == this) g_pMainFrame = m_pPrevious;
}

I_MainFrameBase* I_MainFrameBase::GetMySelf() { return g_pMainFrame; }

void I_MainFrameBase::SetCheckToolbarButton(UINT nID, BOOL bCheck) {
  if (bCheck)
    m_checked.insert(nID);
  else
    m_checked.erase(nID);
}

void I_MainFrameBase::SetSelectModeOff() { I_ModelBase::SetObjectSelectionModeST(-1); }
