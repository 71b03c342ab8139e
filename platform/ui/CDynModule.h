// Per-document module objects: each module keeps its state for one document in a
// CDynModule registered by name in the document's CDynModuleMgr, which owns it.
#pragma once
#include <map>
#include <memory>
#include <string>
#include "afx/afx.h"

class CDynModule {
 public:
  CDynModule() = default;
  virtual ~CDynModule() = default;
  virtual void Initialize() {}
  CDynModule(const CDynModule&) = delete;
  CDynModule& operator=(const CDynModule&) = delete;
};

class CDynModuleMgr {
 public:
  CDynModuleMgr() = default;
  ~CDynModuleMgr() = default;
  CDynModuleMgr(const CDynModuleMgr&) = delete;
  CDynModuleMgr& operator=(const CDynModuleMgr&) = delete;

  // The object registered under the name, or NULL.
  CDynModule* GetDynModule(const char* name) const;
  // Takes ownership of the object. A name already used, or a NULL object, is refused (0)
  // and the object is deleted, so the caller never leaks it.
  BOOL AddDynModule(const char* name, CDynModule* module);
  int GetCount() const { return (int)m_modules.size(); }

 private:
  std::map<std::string, std::unique_ptr<CDynModule>> m_modules;
};
