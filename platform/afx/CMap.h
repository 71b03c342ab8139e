// Associative containers of the class library. Iteration follows the key order, so
// that every walk over a map is deterministic.
#pragma once
#include <iterator>
#include <map>
#include "afx/AfxTypes.h"
#include "afx/CString.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap {
 public:
  virtual ~CMap() = default;
  INT_PTR GetCount() const { return (INT_PTR)m_m.size(); }
  INT_PTR GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return m_m.empty(); }
  BOOL Lookup(ARG_KEY k, VALUE& v) const {
    auto it = m_m.find(KEY(k));
    if (it == m_m.end()) return FALSE;
    v = it->second;
    return TRUE;
  }
  VALUE& operator[](ARG_KEY k) { return m_m[KEY(k)]; }
  void SetAt(ARG_KEY k, ARG_VALUE v) { m_m[KEY(k)] = v; }
  BOOL RemoveKey(ARG_KEY k) { return m_m.erase(KEY(k)) ? TRUE : FALSE; }
  void RemoveAll() { m_m.clear(); }
  // Sizing the hash table has nothing to size here (the map is ordered); kept so that
  // callers written for hashed maps build.
  void InitHashTable(UINT, BOOL = TRUE) {}

  // A position is the address of the next entry; walking while the map changes is
  // not allowed, as with the original containers.
  POSITION GetStartPosition() const {
    return m_m.empty() ? nullptr : (POSITION)&*m_m.begin();
  }
  void GetNextAssoc(POSITION& pos, KEY& k, VALUE& v) const {
    auto* entry = static_cast<const std::pair<const KEY, VALUE>*>(pos);
    if (!entry) return;
    k = entry->first;
    v = entry->second;
    auto it = m_m.upper_bound(entry->first);
    pos = it == m_m.end() ? nullptr : (POSITION)&*it;
  }
  const std::map<KEY, VALUE>& map() const { return m_m; }

 private:
  std::map<KEY, VALUE> m_m;
};

class CMapStringToPtr : public CMap<CString, const char*, void*, void*> {};
class CMapStringToString : public CMap<CString, const char*, CString, const char*> {};
class CMapWordToPtr : public CMap<WORD, WORD, void*, void*> {};
class CMapPtrToPtr : public CMap<void*, void*, void*, void*> {};
class CMapPtrToWord : public CMap<void*, void*, WORD, WORD> {};
class CObject;
class CMapStringToOb : public CMap<CString, const char*, CObject*, CObject*> {};
