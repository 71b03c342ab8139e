#include "afx/AfxResource.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "afx/CDynLinkLibrary.h"

namespace {
// The registered tables, by module name. Never destroyed, so a module that unloads at exit
// still finds it.
std::map<std::string, const AFX_RESOURCE_TABLE*>& Tables() {
  static auto* tables = new std::map<std::string, const AFX_RESOURCE_TABLE*>;
  return *tables;
}

HINSTANCE& HostModule() {
  static HINSTANCE host = nullptr;
  return host;
}

const AFX_DLGTEMPLATE* FindDialogIn(const AFX_RESOURCE_TABLE* t, int id) {
  if (!t) return nullptr;
  for (int i = 0; i < t->dialogCount; ++i)
    if (t->dialogs[i].id == id) return &t->dialogs[i];
  return nullptr;
}

const AFX_BITMAPRES* FindBitmapIn(const AFX_RESOURCE_TABLE* t, int id) {
  if (!t) return nullptr;
  for (int i = 0; i < t->bitmapCount; ++i)
    if (t->bitmaps[i].id == id) return &t->bitmaps[i];
  return nullptr;
}

const AFX_RESNAME* FindNameIn(const AFX_RESOURCE_TABLE* t, const char* name) {
  if (!t || !t->names) return nullptr;
  const AFX_RESNAME* end = t->names + t->nameCount;
  const AFX_RESNAME* it = std::lower_bound(t->names, end, name, [](const AFX_RESNAME& n, const char* s) {
    return std::strcmp(n.name, s) < 0;
  });
  return it != end && std::strcmp(it->name, name) == 0 ? it : nullptr;
}

const AFX_RESNAME* FindIdIn(const AFX_RESOURCE_TABLE* t, int id, const char* prefix) {
  if (!t || !t->names) return nullptr;
  size_t n = std::strlen(prefix);
  for (int i = 0; i < t->nameCount; ++i)
    if (t->names[i].id == id && std::strncmp(t->names[i].name, prefix, n) == 0) return &t->names[i];
  return nullptr;
}

// The host's table, then the chain from its head.
template <class T, class F>
const T* Search(F findIn) {
  if (const T* r = findIn(AfxGetResourceTable(HostModule()))) return r;
  for (CDynLinkLibrary* p = CDynLinkLibrary::GetFirst(); p; p = p->m_pNextDLL)
    if (const T* r = findIn(p->m_pTable)) return r;
  return nullptr;
}
}  // namespace

void AfxRegisterResourceTable(const AFX_RESOURCE_TABLE* table) {
  if (table && table->module) Tables()[table->module] = table;
}

const AFX_RESOURCE_TABLE* AfxGetResourceTable(const char* module) {
  if (!module) return nullptr;
  auto it = Tables().find(module);
  return it == Tables().end() ? nullptr : it->second;
}

const AFX_DLGTEMPLATE* AfxFindDialogTemplate(int id) {
  return Search<AFX_DLGTEMPLATE>([id](const AFX_RESOURCE_TABLE* t) { return FindDialogIn(t, id); });
}

const AFX_BITMAPRES* AfxFindBitmap(int id) {
  return Search<AFX_BITMAPRES>([id](const AFX_RESOURCE_TABLE* t) { return FindBitmapIn(t, id); });
}

BOOL AfxFindResourceId(const char* name, int& id) {
  if (!name) return FALSE;
  const AFX_RESNAME* r = Search<AFX_RESNAME>([name](const AFX_RESOURCE_TABLE* t) { return FindNameIn(t, name); });
  if (!r) return FALSE;
  id = r->id;
  return TRUE;
}

const char* AfxFindResourceName(int id, const char* prefix) {
  const AFX_RESNAME* r = Search<AFX_RESNAME>(
      [id, prefix](const AFX_RESOURCE_TABLE* t) { return FindIdIn(t, id, prefix ? prefix : ""); });
  return r ? r->name : nullptr;
}

void AfxSetResourceHandle(HINSTANCE hModule) { HostModule() = hModule; }

HINSTANCE AfxGetResourceHandle() { return HostModule(); }
