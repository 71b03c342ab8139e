#include "afx/CDynLinkLibrary.h"

namespace {
CDynLinkLibrary*& Head() {
  static CDynLinkLibrary* head = nullptr;
  return head;
}
}  // namespace

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule) {
  if (state.bInitialized) return TRUE;
  const AFX_RESOURCE_TABLE* table = AfxGetResourceTable(hModule);
  if (!table) return FALSE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.pTable = table;
  state.bInitialized = TRUE;
  return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
  CDynLinkLibrary* p = Head();
  while (p) {
    CDynLinkLibrary* next = p->m_pNextDLL;
    if (bAll || p->m_pTable == state.pTable) delete p;  // unlinks itself
    p = next;
  }
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_pTable(state.pTable),
      m_bSystem(bSystem),
      m_pNextDLL(Head()) {
  Head() = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
  for (CDynLinkLibrary** pp = &Head(); *pp; pp = &(*pp)->m_pNextDLL) {
    if (*pp == this) {
      *pp = m_pNextDLL;
      break;
    }
  }
}

CDynLinkLibrary* CDynLinkLibrary::GetFirst() { return Head(); }
