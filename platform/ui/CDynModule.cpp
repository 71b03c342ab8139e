#include "ui/CDynModule.h"

CDynModule* CDynModuleMgr::GetDynModule(const char* name) const {
  if (!name) return nullptr;
  auto it = m_modules.find(name);
  return it == m_modules.end() ? nullptr : it->second.get();
}

BOOL CDynModuleMgr::AddDynModule(const char* name, CDynModule* module) {
  std::unique_ptr<CDynModule> owned(module);
  if (!name || !module || m_modules.count(name)) return FALSE;
  m_modules[name] = std::move(owned);
  return TRUE;
}
