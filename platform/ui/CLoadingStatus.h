// Records, at load, which modules joined the process, in load order.
#pragma once
#include "afx/afx.h"

class CLoadingStatus {
 public:
  explicit CLoadingStatus(const char* moduleName);
  const CString& GetName() const { return m_strName; }
  // The names of every module constructed so far, in order.
  static const CStringArray& GetLoadedModules();

 private:
  CString m_strName;
};
