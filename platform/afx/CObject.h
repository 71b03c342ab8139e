// Root object with run-time class information and dynamic creation by class name.
#pragma once
#include "afx/AfxTypes.h"

class CObject;

struct CRuntimeClass {
  const char* m_lpszClassName;
  int m_nObjectSize;
  CObject* (*m_pfnCreateObject)();
  const CRuntimeClass* m_pBaseClass;

  CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
  // The class of that name among those registered by the libraries loaded so far.
  static const CRuntimeClass* FromName(const char* name);
};

// Registers a class with the run-time class list at load.
struct AFX_CLASSINIT {
  explicit AFX_CLASSINIT(const CRuntimeClass* c);
};

class CObject {
 public:
  virtual ~CObject() = default;
  virtual const CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* c) const { return GetRuntimeClass()->IsDerivedFrom(c); }
  static const CRuntimeClass classCObject;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)                                  \
 public:                                                      \
  static const CRuntimeClass class##cls;                      \
  const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls) \
  DECLARE_DYNAMIC(cls)         \
  static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(cls, base, create)                                        \
  const CRuntimeClass cls::class##cls = {#cls, (int)sizeof(cls), create, RUNTIME_CLASS(base)}; \
  static const AFX_CLASSINIT _init_##cls(RUNTIME_CLASS(cls));                             \
  const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }

#define IMPLEMENT_DYNAMIC(cls, base) IMPLEMENT_RUNTIMECLASS_(cls, base, nullptr)

#define IMPLEMENT_DYNCREATE(cls, base)                  \
  CObject* cls::CreateObject() { return new cls; }      \
  IMPLEMENT_RUNTIMECLASS_(cls, base, cls::CreateObject)
