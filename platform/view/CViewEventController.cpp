#include "view/CViewEventController.h"

#include "view/I_ViewEventHandlerItem.h"

namespace {
CViewEventController* g_pInstance = nullptr;
}

I_ViewEventHandlerItem::~I_ViewEventHandlerItem() {
  if (g_pInstance) g_pInstance->RemoveEventHandlerItem(this);
}

CViewEventController::CViewEventController() : m_pPrevious(g_pInstance) { g_pInstance = this; }

CViewEventController::~CViewEventController() {
  if (g_pInstance == this) g_pInstance = m_pPrevious;
}

CViewEventController* CViewEventController::Instance() { return g_pInstance; }

void CViewEventController::SetCurEventHandlerItem(I_ViewEventHandlerItem* pItem) {
  if (pItem == m_pCurItem) return;
  I_ViewEventHandlerItem* old = m_pCurItem;
  m_pCurItem = pItem;
  if (old) old->End();
  if (pItem) pItem->Start();
}

void CViewEventController::RemoveEventHandlerItem(I_ViewEventHandlerItem* pItem) {
  if (m_pCurItem == pItem) m_pCurItem = nullptr;
}

void CViewEventController::SetSnappedObject(int nType, UINT nKey) {
  m_nSnapType = nType;
  m_nSnapKey = nKey;
}

BOOL CViewEventController::GetSnappedObject(int& nType, UINT& nKey) const {
  if (!m_nSnapType) return FALSE;
  nType = m_nSnapType;
  nKey = m_nSnapKey;
  return TRUE;
}
