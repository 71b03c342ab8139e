// The lists the selection dialogs offer: object numbers, the member and element types a
// user selects by, the materials, sections and thicknesses in use, and the stories.
#include <algorithm>
#include <vector>

#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CViewCtrl.h"
#include "db/DBText.h"
#include "db/DB_CStore.h"

namespace {

constexpr int kMembTypes[] = {101, 200, 201, 202, 203, 205, 206, 300, 301, 306};

template <class T>
const DB_CRecordSet<T>* Records(DB_CDataBase* db, UINT classId) {
  auto* s = db ? static_cast<DB_CStore<T>*>(db->GetStore(classId)) : nullptr;
  return s ? &s->m_set : nullptr;
}

// The keys of a table (in table order) that a walk over the objects marked used.
template <class Table>
void KeepUsed(const Table& t, const CKeyBits& used, CUIntArray& keys) {
  t.GetKeyList(keys);
  std::vector<UINT>& v = keys.vec();
  v.erase(std::remove_if(v.begin(), v.end(), [&](UINT k) { return !used.Contains(k); }), v.end());
}

// Marks one field of every record of an object table.
template <class T, class F>
void MarkUsed(DB_CDataBase* db, UINT classId, CKeyBits& used, F field) {
  if (const auto* set = Records<T>(db, classId))
    set->ForEach([&](UINT, const T& r) {
      if (const UINT k = field(r)) used.Insert(k);
    });
}

template <class Table>
void NumbersOf(DB_CDataBase* db, UINT classId, CUIntArray& numbers) {
  numbers.RemoveAll();
  if (const auto* set = Records<typename Table::Rec>(db, classId)) {
    numbers.vec().reserve((size_t)set->Count());
    set->ForEach([&](UINT k, const typename Table::Rec& r) { numbers.Add(r.number ? r.number : k); });
  }
}

}  // namespace

void CClassPont::GetNoList(CUIntArray& numbers) const { NumbersOf<CClassPont>(m_pDB, m_nClassID, numbers); }
void CClassMemb::GetNoList(CUIntArray& numbers) const { NumbersOf<CClassMemb>(m_pDB, m_nClassID, numbers); }

void CClassMemb::GetMembTypeList(CUIntArray& codes, CStringArray& names) {
  codes.RemoveAll();
  names.RemoveAll();
  for (int t : kMembTypes) {
    codes.Add((UINT)t);
    names.Add(GetMembTypeName(t));
  }
}

void CClassPMemb::GetMembTypeList(CUIntArray& codes, CStringArray& names) {
  codes.RemoveAll();
  names.RemoveAll();
  for (int t : kMembTypes) {
    const int code = t == 202 ? T_PMEMB_D::WALL : t;
    CString key;
    key.Format("IDS_PMEMB_TYPE_%d", code);
    codes.Add((UINT)code);
    names.Add(DB_LoadText(key));
  }
}

void CClassMatl::GetUsedKeyList(CUIntArray& keys) const {
  keys.RemoveAll();
  auto* memb = m_pDB ? static_cast<CClassMemb*>(m_pDB->GetClass(CClassMemb::m_nClassID)) : nullptr;
  if (!memb) return;
  CKeyBits used;
  if (const auto* set = Records<T_MEMB_D>(m_pDB, DB_CLASS_MEMB))
    set->ForEach([&](UINT k, const T_MEMB_D& r) {
      UINT matl = r.matlKey;
      int flag = 0;
      if (!matl) memb->GetAppliedMatlKey(k, matl, flag);
      if (matl) used.Insert(matl);
    });
  KeepUsed(*this, used, keys);
}

void CClassSect::GetUsedKeyList(CUIntArray& keys) const {
  CKeyBits used;
  MarkUsed<T_MEMB_D>(m_pDB, DB_CLASS_MEMB, used, [](const T_MEMB_D& r) { return r.sectKey; });
  KeepUsed(*this, used, keys);
}

void CClassThik::GetUsedKeyList(CUIntArray& keys) const {
  CKeyBits used;
  MarkUsed<T_MEMB_D>(m_pDB, DB_CLASS_MEMB, used, [](const T_MEMB_D& r) { return r.thikKey; });
  KeepUsed(*this, used, keys);
}

void CClassPMatl::GetUsedKeyList(CUIntArray& keys) const {
  CKeyBits used;
  MarkUsed<T_PMEMB_D>(m_pDB, DB_CLASS_PMEMB, used, [](const T_PMEMB_D& r) { return r.matlKey; });
  KeepUsed(*this, used, keys);
}

void CClassPSect::GetUsedKeyList(CUIntArray& keys) const {
  CKeyBits used;
  MarkUsed<T_PMEMB_D>(m_pDB, DB_CLASS_PMEMB, used, [](const T_PMEMB_D& r) { return r.sectKey; });
  KeepUsed(*this, used, keys);
}

void CClassPThik::GetUsedKeyList(CUIntArray& keys) const {
  CKeyBits used;
  MarkUsed<T_PMEMB_D>(m_pDB, DB_CLASS_PMEMB, used, [](const T_PMEMB_D& r) { return r.thikKey; });
  KeepUsed(*this, used, keys);
}

void CClassStor::GetKeyListReverse(CUIntArray& keys) const {
  DB_CTable<T_STOR_D>::GetKeyList(keys);
  std::reverse(keys.begin(), keys.end());
}

void CClassPStor::GetKeyListReverse(CUIntArray& keys) const {
  GetKeyList(keys);
  std::reverse(keys.begin(), keys.end());
}
