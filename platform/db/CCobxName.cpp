#include "db/CCobxName.h"

#include <map>

IMPLEMENT_DYNAMIC(CCobxName, CCobxDBBase)

namespace {
struct Source {
  CCobxName::NameSource pfn;
  UINT classId;
};
std::map<int, Source>& Sources() {
  static std::map<int, Source> sources;
  return sources;
}
}  // namespace

void CCobxName::RegisterNameSource(int nKind, NameSource pfn, UINT nClassID) {
  if (pfn) Sources()[nKind] = Source{pfn, nClassID};
}

void CCobxName::SetType(int nKind, int nFlag) {
  m_nKind = nKind;
  m_nFlag = nFlag;
  Refill();
}

void CCobxName::EnableEdit(BOOL bEnable) {
  if (!m_hWnd) return;
  if (bEnable) ModifyStyle(CBS_DROPDOWNLIST, CBS_DROPDOWN);
  else ModifyStyle(CBS_DROPDOWNLIST, CBS_DROPDOWNLIST);
}

void CCobxName::FillItems(CDBDoc& doc, Items& items) {
  auto it = Sources().find(m_nKind);
  if (it != Sources().end()) it->second.pfn(doc, m_nKind, items);
}

BOOL CCobxName::WatchesClass(UINT nClassID) const {
  auto it = Sources().find(m_nKind);
  return it != Sources().end() && it->second.classId && it->second.classId == nClassID;
}
