// Tables of data assigned to members (loads, grade links, design factors): every record
// names an existing member in its `memb` field, a member's records are found through an
// index on that field, and deleting a member deletes its records in the same transaction
// (CClassMemb's dependants). A record with another member is refused.
//
// Costs: a member's records O(1) expected plus their number; the index follows every
// write, undo and load.
#pragma once
#include <unordered_map>
#include <vector>
#include "db/DB_CTable.h"
#include "db/ModelIndex.h"

// The records of each member, ascending keys (DB_HasIndex).
template <class T>
class DB_CByMembIndex {
 public:
  void Add(UINT key, const T& r) { m_bags[r.memb].Add(key); }
  void Remove(UINT key, const T& r) {
    auto it = m_bags.find(r.memb);
    if (it == m_bags.end()) return;
    it->second.Remove(key);
    if (it->second.Count() == 0) m_bags.erase(it);
  }
  void Clear() { m_bags.clear(); }
  // A member with records may still be deleted: they go with it.
  BOOL Uses(UINT, UINT) const { return FALSE; }
  const CKeyBag* OfMemb(UINT memb) const {
    auto it = m_bags.find(memb);
    return it == m_bags.end() ? nullptr : &it->second;
  }

 private:
  std::unordered_map<UINT, CKeyBag> m_bags;
};

template <class T>
class DB_CMembAttrTable : public DB_CTable<T> {
 public:
  using DB_CTable<T>::DB_CTable;

  // The keys of the member's records, ascending; FALSE when it has none.
  BOOL GetKeyListByMemb(UINT memb, CUIntArray& keys) const {
    keys.RemoveAll();
    const CKeyBag* bag = this->Set() ? this->Set()->Extra().OfMemb(memb) : nullptr;
    if (!bag) return FALSE;
    bag->ForEach([&](UINT k) { keys.Add(k); });
    return keys.GetSize() > 0;
  }
  // Within a transaction of the member table: erases the records of these members.
  void EraseOfMembs(const std::vector<UINT>& membs) {
    std::vector<UINT> keys;
    for (UINT m : membs)
      if (const CKeyBag* bag = this->Set() ? this->Set()->Extra().OfMemb(m) : nullptr) bag->AppendTo(keys);
    if (!keys.empty()) this->EraseOf(keys);
  }

 protected:
  BOOL CheckRecord(const T& rec) const override {
    DB_CStoreBase* membs = this->m_pDB ? this->m_pDB->GetStore(DB_CLASS_MEMB) : nullptr;
    return membs && membs->Record(rec.memb) != nullptr;
  }
};
