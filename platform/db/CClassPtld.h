// Point records of loads: each names its point (`pont`, not checked), its static load case
// (`loadCase`) and its kind, 0 a point load, 1 a specified displacement, with a count `n`
// (0: none given) and six components `v` (forces and moments, or displacements and
// rotations, along X, Y, Z). Written only by field (`put`) for now. The table keeps how
// many records of each kind it holds through every write, undo and load, so the project
// status reads the point loads and the specified displacements without a walk; the
// records of a point are found through an index on `pont` (GetKeyListByPont).
#pragma once
#include <map>
#include <set>
#include "db/DB_CTable.h"

struct T_PTLD_D;

class CPtldCounts {
 public:
  enum Kind { LOAD = 0, DISPLACEMENT = 1, KINDS };
  void Add(UINT key, const T_PTLD_D& r);
  void Remove(UINT key, const T_PTLD_D& r);
  void Clear() { *this = CPtldCounts(); }
  BOOL Uses(UINT, UINT) const { return FALSE; }
  int Count(Kind k) const { return (int)k >= 0 && (int)k < (int)KINDS ? m_count[k] : 0; }
  // The record keys of a point, ascending.
  void KeysOf(UINT pont, CUIntArray& keys) const;

 private:
  int m_count[KINDS] = {};
  std::map<UINT, std::set<UINT>> m_byPont;
};

struct T_PTLD_D {
  UINT key = 0;
  UINT pont = 0;      // the point's key
  UINT loadCase = 0;  // the static load case's key
  int kind = 0;       // CPtldCounts::Kind; other values are kept and counted by neither
  int n = 0;
  double v[6] = {0, 0, 0, 0, 0, 0};

  using Index = CPtldCounts;
  void Initialize() { *this = T_PTLD_D(); }
  static const DB_CRecordDesc& Desc();
};

class CClassPtld : public DB_CTable<T_PTLD_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PTLD;
  CClassPtld() : DB_CTable(m_nClassID) {}
  // Records of that kind; O(1).
  int GetCountOf(CPtldCounts::Kind kind) const { return Set() ? Set()->Extra().Count(kind) : 0; }
  // The keys of the point's records, ascending; non-zero when it has any.
  BOOL GetKeyListByPont(UINT pont, CUIntArray& keys) const;
};
