// A member load assignment: the member name (T_NAME_D key), the standard floor (T_PLAN_D
// key) and the member load type (T_LDTP_D key, 0 none) given to the members of that name
// on that floor. At most one record per (name, floor).
#pragma once
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>
#include "db/DBField.h"

struct T_MBLD_D;

// The assignments by (name, floor) and by (floor, name), how many each name and load type
// has; kept through every write, undo and load.
class CMbldIndex {
 public:
  void Add(UINT key, const T_MBLD_D& r);
  void Remove(UINT key, const T_MBLD_D& r);
  void Clear() { *this = CMbldIndex(); }
  // A load type in use may be neither deleted nor renumbered.
  BOOL Uses(UINT classId, UINT key) const;

  // The record of (name, plan), 0 when none; O(log n).
  UINT Find(UINT nameKey, UINT planKey) const;
  int CountOfName(UINT nameKey) const;
  // Appends the records of the names (of the plans) to out.
  void OfNames(const std::vector<UINT>& names, std::vector<UINT>& out) const;
  void OfPlans(const std::vector<UINT>& plans, std::vector<UINT>& out) const;

 private:
  using Pairs = std::map<std::pair<UINT, UINT>, UINT>;
  static void Range(const Pairs& m, UINT first, std::vector<UINT>& out);
  Pairs m_byName;  // (name, plan) -> key
  Pairs m_byPlan;  // (plan, name) -> key
  std::unordered_map<UINT, int> m_nameCount, m_ldtpCount;
};

struct T_MBLD_D {
  UINT key = 0;       // kept equal to the table's key
  UINT nameKey = 0;   // T_NAME_D
  UINT plan = 0;      // T_PLAN_D
  UINT loadType = 0;  // T_LDTP_D, 0 none

  using Index = CMbldIndex;
  void Initialize() { *this = T_MBLD_D(); }
  static const DB_CRecordDesc& Desc();
};
