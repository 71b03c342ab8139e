// Registry of dialog interfaces: a module registers an interface object under a name,
// and other modules find it by that name to open the module's dialogs.
#pragma once
#include "afx/afx.h"

class IDlgIntf {
 public:
  IDlgIntf() = default;
  IDlgIntf(const IDlgIntf& o) : m_strName(o.m_strName) {}
  IDlgIntf& operator=(const IDlgIntf& o) { m_strName = o.m_strName; return *this; }
  virtual ~IDlgIntf();

  virtual int Dlg_DoModal(const char* name, void* param) = 0;
  virtual int Dlg_DoModeless(const char* name, void* param, void* extra) = 0;

  // Registers this object under the name; a name already taken by another object is
  // refused (0). The object leaves the registry when it is destroyed.
  BOOL Register(const char* name);
  const CString& GetName() const { return m_strName; }

  // The interface registered under that name (exact, case-sensitive), or NULL.
  static IDlgIntf* Find(const char* name);

 private:
  CString m_strName;
};
