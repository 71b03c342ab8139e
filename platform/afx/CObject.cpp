#include "afx/CObject.h"

#include <cstring>
#include <vector>

namespace {
std::vector<const CRuntimeClass*>& ClassList() {
  static std::vector<const CRuntimeClass*> list;
  return list;
}
}  // namespace

const CRuntimeClass CObject::classCObject = {"CObject", (int)sizeof(CObject), nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
  for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
    if (c == base) return TRUE;
  return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* name) {
  if (!name) return nullptr;
  if (std::strcmp(name, "CObject") == 0) return &CObject::classCObject;
  for (const CRuntimeClass* c : ClassList())
    if (std::strcmp(c->m_lpszClassName, name) == 0) return c;
  return nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* c) { ClassList().push_back(c); }
