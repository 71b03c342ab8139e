// A boundary group: a name (neither unique nor required) and a leading value, 0 when a
// group is made, that an edit keeps.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>
#include "db/DBField.h"

struct T_BNGR_D {
  UINT key = 0;  // kept equal to the table's key
  int lead = 0;
  CString name;

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_BNGR_D(); }
  static const DB_CRecordDesc& Desc();

  // The keys of each name, for GetKey (name).
  class Index {
   public:
    void Add(UINT key, const T_BNGR_D& r) { m_byName[r.name.str()].push_back(key); }
    void Remove(UINT key, const T_BNGR_D& r);
    void Clear() { m_byName.clear(); }
    BOOL Uses(UINT, UINT) const { return FALSE; }
    // The keys of the groups of that name (in no particular order), NULL when none.
    const std::vector<UINT>* Of(const CString& name) const {
      auto it = m_byName.find(name.str());
      return it == m_byName.end() ? nullptr : &it->second;
    }

   private:
    std::unordered_map<std::string, std::vector<UINT>> m_byName;
  };
};
