#include "ui/CLoadingStatus.h"

namespace {
CStringArray& Loaded() {
  static CStringArray names;
  return names;
}
}  // namespace

CLoadingStatus::CLoadingStatus(const char* moduleName) : m_strName(moduleName) {
  Loaded().Add(m_strName);
}

const CStringArray& CLoadingStatus::GetLoadedModules() { return Loaded(); }
