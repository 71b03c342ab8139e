// Extension modules and the resource chain.
//
// A module (a shared library of ours, or the host) compiles its resource script into a table
// that registers itself under the module's name when the library loads, before any ordinary
// static initialiser of the module runs. The module's entry then does what an extension
// module of the class library does:
//
//   static AFX_EXTENSION_MODULE extensionDLL;
//   if (!AfxInitExtensionModule(extensionDLL, "vur_cmd")) return 0;   // refuse the load
//   new CDynLinkLibrary(extensionDLL, FALSE);                          // never deleted
//   ...
//   AfxTermExtensionModule(extensionDLL, FALSE);                       // at unload
//
// The chain is searched last joined first (AfxFindDialogTemplate, AfxFindBitmap).
//
// Run-time classes and object factories: in the class library every module gathers the
// classes its static constructors declare into a list of its own, which the raw entry sets
// aside and empties first and the CDynLinkLibrary then links into the chain. Our process has
// ONE run-time class list (CObject.h): each IMPLEMENT_DYNAMIC/IMPLEMENT_DYNCREATE adds its class
// there when the library loads, and CRuntimeClass::FromName finds it from then on, whether or
// not the module joined the chain. So there is nothing to set aside; the raw entry's step is a
// no-op here, and no object factories exist.
#pragma once
#include "afx/AfxResource.h"

struct AFX_EXTENSION_MODULE {
  BOOL bInitialized = FALSE;
  HINSTANCE hModule = nullptr;          // the module's name
  HINSTANCE hResource = nullptr;        // where its resources come from: the same name
  const AFX_RESOURCE_TABLE* pTable = nullptr;
};

// Finds the table registered under hModule and records it in state. FALSE, leaving state
// uninitialised, when hModule is NULL or no table of that name was registered. A second call
// on an initialised record returns TRUE and changes nothing.
BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule);
// Takes the module out of the chain: deletes the CDynLinkLibrary objects made for it (bAll:
// every CDynLinkLibrary of the process), which therefore must have been made with new.
void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

class CDynLinkLibrary {
 public:
  // Joins the module at the head of the chain. bSystem marks a module of the class library
  // itself; it is recorded and changes nothing in the search.
  CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  virtual ~CDynLinkLibrary();   // leaves the chain
  CDynLinkLibrary(const CDynLinkLibrary&) = delete;
  CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

  HINSTANCE m_hModule;
  HINSTANCE m_hResource;
  const AFX_RESOURCE_TABLE* m_pTable;   // NULL when the module had no table
  BOOL m_bSystem;
  CDynLinkLibrary* m_pNextDLL = nullptr;  // the next (earlier joined) module in the chain

  // The chain's head: the module joined last. NULL when the chain is empty.
  static CDynLinkLibrary* GetFirst();
};
