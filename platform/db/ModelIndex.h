// The indexes the model tables keep beside their records (DB_HasIndex), so that no read
// about one story, one point or one position walks a whole table:
// - CPontIndex: the points of each story, and a plan grid of the points' (x, y);
// - CMembIndex: the members of each story, the members at each point, how many members
//   use each section, thickness, material, curve and design-type record, and a plan grid
//   of the members' axes and outlines. The grid depends on the points' positions too: the
//   first position read builds it (O(n) once); later reads first bring it up to date with
//   the members written and the points moved since (O(changes)), then answer in O(1). A
//   change larger than a quarter of the model drops it for a rebuild;
//   Both keep the numbers in use (CNumberSet) for the largest one;
// - CDmlnIndex: how many segments use each tracing line and end point.
// Each is a value inside its table's record set and follows every write, undo and load.
#pragma once
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>
#include "afx/AfxTypes.h"
#include "db/CNumberSet.h"

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
  void Clear();  // a reader of the journal from before rebuilds
  BOOL Uses(UINT classId, UINT key) const;
  // Changes with every write (never repeats).
  uint64_t Generation() const { return m_gen; }
  // Appends the points written after generation gen (a key may come twice); 0 when the
  // journal no longer reaches back that far.
  BOOL ChangedSince(uint64_t gen, std::vector<UINT>& keys) const;

  const CKeyBag* OfStory(UINT storyKey) const;
  // The largest point number in use, 0 when there is no point.
  UINT LargestNumber() const { return m_numbers.Largest(); }
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
  CNumberSet m_numbers;
  uint64_t m_gen = 0;
  // (generation, key) of the latest writes, oldest first; m_floor: the newest generation
  // dropped from its front.
  std::vector<std::pair<uint64_t, UINT>> m_journal;
  uint64_t m_floor = 0;
  void Journal(UINT key);
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
  // The largest member number in use, 0 when there is no member.
  UINT LargestNumber() const { return m_numbers.Largest(); }

  // The members registered in the plan grid (cells of 2 m: every cell a line member's
  // axis passes through, the bounding cells of an area member's outline). planPoints
  // gives a member's plan outline (its points' x, y), find a member's record (NULL when
  // gone), walk visits every member.
  using PlanOf = std::function<void(const T_MEMB_D& rec, std::vector<std::pair<double, double>>& xy)>;
  using FindOf = std::function<const T_MEMB_D*(UINT key)>;
  using Walk = std::function<void(const std::function<void(UINT, const T_MEMB_D&)>&)>;
  struct PlanSource {
    const CPontIndex* points;
    PlanOf planPoints;
    FindOf find;
    Walk walk;
  };
  // The members registered in the cells that the plan box (x0, y0)-(x1, y1) touches,
  // ascending, each once; the caller tests the exact geometry. 0 (out empty) for a box
  // wider than 64 cells, which the caller walks by story instead.
  BOOL InPlanBox(double x0, double y0, double x1, double y1, const PlanSource& src, std::vector<UINT>& out) const;

 private:
  using Counts = std::unordered_map<UINT, UINT>;
  static void Count(Counts& c, UINT key, int d);
  std::unordered_map<UINT, CKeyBag> m_story;
  std::unordered_map<UINT, std::vector<UINT>> m_atPoint;
  Counts m_sect, m_thik, m_matl, m_curv, m_dsgn;
  CNumberSet m_numbers;
  uint64_t m_gen = 0;
  // The plan grid: cell to members, member to its cells, the members written since it
  // was brought up to date, the point generation it follows.
  void Refresh(const PlanSource& src) const;
  void Place(UINT key, const T_MEMB_D& r, const PlanOf& planPoints) const;
  void Unplace(UINT key) const;
  void Touch(UINT key);
  mutable bool m_gridBuilt = false;
  mutable uint64_t m_gridPontGen = 0;
  mutable std::unordered_map<uint64_t, std::vector<UINT>> m_grid;
  mutable std::unordered_map<UINT, std::vector<uint64_t>> m_cellsOf;
  mutable std::vector<UINT> m_dirty;
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
