#include "ui/IDlgIntf.h"

#include <map>
#include <string>

namespace {
// Never destroyed: an interface object may end after every other static of the process.
std::map<std::string, IDlgIntf*>& Registry() {
  static auto* r = new std::map<std::string, IDlgIntf*>();
  return *r;
}
}  // namespace

IDlgIntf::~IDlgIntf() {
  auto& r = Registry();
  auto it = r.find(m_strName.str());
  if (it != r.end() && it->second == this) r.erase(it);
}

BOOL IDlgIntf::Register(const char* name) {
  if (!name || !*name) return FALSE;
  auto& r = Registry();
  auto it = r.find(name);
  if (it != r.end() && it->second != this) return FALSE;
  r[name] = this;
  m_strName = name;
  return TRUE;
}

IDlgIntf* IDlgIntf::Find(const char* name) {
  if (!name) return nullptr;
  auto& r = Registry();
  auto it = r.find(name);
  return it == r.end() ? nullptr : it->second;
}
