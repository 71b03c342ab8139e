// Point records of loads: each names its point (`owner`, not checked) and its kind, 0 a
// point load, 1 a specified displacement. Written only by field (`put`) for now. The table
// keeps how many records of each kind it holds through every write, undo and load, so the
// project status reads the point loads and the specified displacements without a walk.
#pragma once
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

 private:
  int m_count[KINDS] = {};
};

struct T_PTLD_D {
  UINT key = 0;
  UINT owner = 0;  // the point's key
  int kind = 0;    // CPtldCounts::Kind; other values are kept and counted by neither

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
  // The keys of a point's records of one kind, in table order; FALSE when it has none.
  // Walks the table: it serves single deletions, not per-point reads over a whole model.
  BOOL GetKeyListOfPoint(UINT pont, int kind, CUIntArray& keys) const {
    keys.RemoveAll();
    if (Set())
      Set()->ForEach([&](UINT k, const T_PTLD_D& r) {
        if (r.owner == pont && r.kind == kind) keys.Add(k);
      });
    return !keys.IsEmpty();
  }
};
