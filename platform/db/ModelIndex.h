// The indexes the model tables keep beside their records (DB_HasIndex), so that no read
// about one story, one point or one position walks a whole table:
// - CPontIndex: the points of each story, and a plan grid of the points' (x, y);
// - CMembIndex: the members of each story, the members at each point, how many members
//   use each section, thickness, material, curve and design-type record, and a plan grid
//   of the members' axes and outlines. The grid depends on the points' positions too: it
//   is built on the first position read after members or points changed (O(n) once),
//   then answers in O(1);
// - CDmlnIndex: how many segments use each tracing line and end point.
// Each is a value inside its table's record set and follows every write, undo and load.
#pragma once
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>
#include "afx/AfxTypes.h"

struct T_PONT_D;
struct T_MEMB_D;
struct T_DMLN_D;

// A set of keys kept in ascending order for walking at the speed of a plain array. A
// removed key leaves a hole until holes outnumber keys, then the array is packed.
// Adding a key above every other appends; below, it moves the larger ones up.
class CKeyBag {
 public:
  void Add(UINT key);
  void Remove(UINT key);
  int Count() const { return (int)(m_keys.size() - m_holes); }
  BOOL Contains(UINT key) const;
  template <class F> void ForEach(F&& f) const {
    if (!m_holes) {
      for (UINT k : m_keys) f(k);
      return;
    }
    for (size_t i = 0; i < m_keys.size(); ++i)
      if (!m_dead[i]) f(m_keys[i]);
  }
  // Appends the keys to out, ascending.
  void AppendTo(std::vector<UINT>& out) const;

 private:
  void Pack();
  std::vector<UINT> m_keys;
  std::vector<char> m_dead;
  size_t m_holes = 0;
};

class CPontIndex {
 public:
  static constexpr double CELL = 1.0;  // m, side of a plan grid cell

  void Add(UINT key, const T_PONT_D& r);
  void Remove(UINT key, const T_PONT_D& r);
  void Clear() { *this = CPontIndex(); }
  BOOL Uses(UINT classId, UINT key) const;
  // Changes with every write (never repeats).
  uint64_t Generation() const { return m_gen; }

  const CKeyBag* OfStory(UINT storyKey) const;
  // Calls f (key) for every point whose plan cell lies within r of (x, y); the caller
  // tests the exact distance. 0 (and no call) for a region wider than 64 cells, which
  // the caller walks by story instead.
  template <class F> BOOL Near(double x, double y, double r, F&& f) const {
    int64_t x0 = Cell(x - r), x1 = Cell(x + r), y0 = Cell(y - r), y1 = Cell(y + r);
    if (x1 - x0 > 64 || y1 - y0 > 64) return FALSE;
    for (int64_t i = x0; i <= x1; ++i)
      for (int64_t j = y0; j <= y1; ++j) {
        auto it = m_grid.find(CellKey(i, j));
        if (it != m_grid.end())
          for (UINT k : it->second) f(k);
      }
    return TRUE;
  }

 private:
  static int64_t Cell(double v);
  static uint64_t CellKey(int64_t i, int64_t j) { return ((uint64_t)(uint32_t)i << 32) | (uint32_t)j; }
  std::unordered_map<UINT, CKeyBag> m_story;
  std::unordered_map<uint64_t, std::vector<UINT>> m_grid;
  uint64_t m_gen = 0;
};

class CMembIndex {
 public:
  void Add(UINT key, const T_MEMB_D& r);
  void Remove(UINT key, const T_MEMB_D& r);
  void Clear() { *this = CMembIndex(); }
  BOOL Uses(UINT classId, UINT key) const;

  const CKeyBag* OfStory(UINT storyKey) const;
  // The members whose point lists hold the point (each once), NULL when none.
  const std::vector<UINT>* AtPoint(UINT pontKey) const;
  int CountUsing(UINT classId, UINT key) const;

  // The members registered in the plan cells (2 m) around (x, y), ascending, each once;
  // the caller tests the exact geometry. planPoints gives a member's plan outline (its
  // points' x, y), walk visits every member; the grid is rebuilt when the members or the
  // points (pontGen) changed since it was built.
  using PlanOf = std::function<void(const T_MEMB_D& rec, std::vector<std::pair<double, double>>& xy)>;
  using Walk = std::function<void(const std::function<void(UINT, const T_MEMB_D&)>&)>;
  void NearPlan(double x, double y, uint64_t pontGen, const PlanOf& planPoints, const Walk& walk,
                std::vector<UINT>& out) const;

 private:
  using Counts = std::unordered_map<UINT, UINT>;
  static void Count(Counts& c, UINT key, int d);
  std::unordered_map<UINT, CKeyBag> m_story;
  std::unordered_map<UINT, std::vector<UINT>> m_atPoint;
  Counts m_sect, m_thik, m_matl, m_curv, m_dsgn;
  uint64_t m_gen = 0;
  mutable uint64_t m_gridGen = 0, m_gridPontGen = 0;
  mutable std::unordered_map<uint64_t, std::vector<UINT>> m_grid;
};

class CDmlnIndex {
 public:
  void Add(UINT key, const T_DMLN_D& r);
  void Remove(UINT key, const T_DMLN_D& r);
  void Clear() { *this = CDmlnIndex(); }
  BOOL Uses(UINT classId, UINT key) const;

 private:
  std::unordered_map<UINT, UINT> m_trln, m_dmpt;
};
