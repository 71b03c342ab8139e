// A member load type: a name (neither unique nor required unique; not empty), the kind of
// member it loads (0 points, 1 line members, 2 area members) and up to MAX_ITEMS load
// items, each a static load case and a value. An item with load case 0 is unused. The
// values are kept as written, in internal units for the kind (kN, kN/m, kN/m^2); this
// library converts nothing.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>
#include "db/DBField.h"

struct T_LDTP_ITEM {
  UINT loadCase = 0;  // T_STLD_D key, 0 unused
  double value = 0.0;

  static const DB_CRecordDesc& Desc();
};

struct T_LDTP_D {
  enum Kind { KIND_POINT = 0, KIND_LINE = 1, KIND_AREA = 2 };
  static constexpr int MAX_ITEMS = 4;

  UINT key = 0;  // kept equal to the table's key
  CString name;
  int kind = KIND_POINT;
  T_LDTP_ITEM items[MAX_ITEMS];

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_LDTP_D(); }
  static const DB_CRecordDesc& Desc();

  // The keys of each name (in no particular order), for GetKey (name).
  class Index {
   public:
    void Add(UINT key, const T_LDTP_D& r) { m_byName[r.name.str()].push_back(key); }
    void Remove(UINT key, const T_LDTP_D& r);
    void Clear() { m_byName.clear(); }
    BOOL Uses(UINT, UINT) const { return FALSE; }
    const std::vector<UINT>* Of(const CString& name) const {
      auto it = m_byName.find(name.str());
      return it == m_byName.end() ? nullptr : &it->second;
    }

   private:
    std::unordered_map<std::string, std::vector<UINT>> m_byName;
  };
};
