// The selection of one database's objects as the views show it: selected points and
// members (the model database), nodes and elements (the analysis model). The four key
// lists of every call come in that order: points, members, nodes, elements; the view may
// be NULL. After a change that selected something the connected windows hear
// OnUpdate(NULL, HINT_SELECT, T_UPDATE_HINT of this database), after one that unselected
// something HINT_UNSELECT. The current lists are the keys the last change added or took
// away. A selection lists its keys in the order they were selected. Keys that name no
// object of the kind's table (CClassPont, CClassMemb, CClassPNode, CClassPMemb of this
// database) are ignored; an object that a transaction deletes leaves the selection before
// the listeners hear the records, and they then hear HINT_UNSELECT with it as the current
// list. Every call below that changes the selection tells its listeners once.
//
// The previous selection is the selection as it was before the last call that changed it
// (deletions aside); SelectPrevious brings it back, so that two calls swap back and forth.
// Calls made while a step is open (BeginStep ... EndStep, or a CStep in scope) are one
// change for SelectPrevious: the previous selection is the one from before the first of
// them. Listeners still hear every call.
// Costs: a call over k keys is O(k) plus O(s) for the s selected keys it remembers as the
// previous selection; the whole-kind reads and writes are O(n) in the table.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "afx/CArray.h"

// A set of keys as bits in pages of 65536 keys, the page table indexed by the key's high
// half: a test, an insert or an erase is a few instructions whatever the count.
class CKeyBits {
 public:
  BOOL Contains(UINT key) const {
    const size_t p = key >> 16;
    return p < m_pages.size() && m_pages[p] && (m_pages[p][(key & 0xFFFF) >> 6] >> (key & 63) & 1);
  }
  // Non-zero when the key was not in the set.
  BOOL Insert(UINT key) {
    const size_t p = key >> 16;
    if (p >= m_pages.size()) m_pages.resize(p + 1);
    if (!m_pages[p]) m_pages[p] = std::make_unique<uint64_t[]>(1024);
    uint64_t& w = m_pages[p][(key & 0xFFFF) >> 6];
    const uint64_t bit = (uint64_t)1 << (key & 63);
    if (w & bit) return FALSE;
    w |= bit;
    return TRUE;
  }
  void Erase(UINT key) {
    const size_t p = key >> 16;
    if (p < m_pages.size() && m_pages[p]) m_pages[p][(key & 0xFFFF) >> 6] &= ~((uint64_t)1 << (key & 63));
  }

 private:
  std::vector<std::unique_ptr<uint64_t[]>> m_pages;
};

class CView;
class DB_CDataBase;

class CViewCtrl {
 public:
  enum Kind { PONT = 0, MEMB = 1, PNODE = 2, PMEMB = 3, KINDS = 4 };
  enum : int { HINT_SELECT = 5, HINT_UNSELECT = 6 };

  explicit CViewCtrl(DB_CDataBase* pDB) : m_pDB(pDB) {}

  // bReplace 1: each kind's selection becomes exactly its list; 0: the lists are added.
  // The two ints before it are the view's own and unused here.
  void Select(CView* pView, const CUIntArray& ponts, const CUIntArray& membs, const CUIntArray& nodes,
              const CUIntArray& elems, int n1, int n2, int bReplace);
  void Unselect(CView* pView, const CUIntArray& ponts, const CUIntArray& membs, const CUIntArray& nodes,
                const CUIntArray& elems, int n1, int n2);
  void UnselectAll(CView* pView);

  // The kind's selection becomes exactly the keys (the other kinds stay); the ints are the
  // view's own and unused here. One HINT_SELECT.
  void SelectPont(CView*, const CUIntArray& keys, int, int, int, int, int, int) { Replace(PONT, keys); }
  void SelectMemb(CView*, const CUIntArray& keys, int, int, int, int, int, int, int) { Replace(MEMB, keys); }
  void SelectPNode(CView*, const CUIntArray& keys, int, int, int, int, int, int) { Replace(PNODE, keys); }
  void SelectPMemb(CView*, const CUIntArray& keys, int, int, int, int, int, int, int) { Replace(PMEMB, keys); }
  // Every object of the kind (of every kind) becomes selected. One HINT_SELECT.
  void SelectAllPont(CView*, int = 0, int = 0) { SelectAllOf(1u << PONT); }
  void SelectAllMemb(CView*, int = 0, int = 0, int = 0) { SelectAllOf(1u << MEMB); }
  void SelectAllPNode(CView*, int = 0, int = 0) { SelectAllOf(1u << PNODE); }
  void SelectAllPMemb(CView*, int = 0, int = 0, int = 0) { SelectAllOf(1u << PMEMB); }
  void SelectAll(CView*) { SelectAllOf((1u << KINDS) - 1); }
  // The listed objects of the kind leave the selection. One HINT_UNSELECT.
  void UnSelectPont(CView*, const CUIntArray& keys, int = 1) { UnselectKind(PONT, keys); }
  void UnSelectMemb(CView*, const CUIntArray& keys, int = 1, int = 1) { UnselectKind(MEMB, keys); }
  void UnSelectPNode(CView*, const CUIntArray& keys, int = 1) { UnselectKind(PNODE, keys); }
  void UnSelectPMemb(CView*, const CUIntArray& keys, int = 1, int = 1) { UnselectKind(PMEMB, keys); }
  // Back to the previous selection; the current lists hold what that took away and added.
  // One HINT_SELECT.
  void SelectPrevious();
  // Forgets the selection and the current lists, nobody told (the database's model was
  // replaced by another).
  void Clear();

  // Steps nest; only the outermost one counts.
  void BeginStep() { ++m_nStep; }
  void EndStep() {
    if (m_nStep > 0 && --m_nStep == 0) m_bStepRemembered = FALSE;
  }
  // A step for as long as it is in scope.
  class CStep {
   public:
    explicit CStep(CViewCtrl* pCtrl) : m_pCtrl(pCtrl) {
      if (m_pCtrl) m_pCtrl->BeginStep();
    }
    ~CStep() {
      if (m_pCtrl) m_pCtrl->EndStep();
    }
    CStep(const CStep&) = delete;
    CStep& operator=(const CStep&) = delete;

   private:
    CViewCtrl* m_pCtrl;
  };

  void GetAllSelectedPont(CUIntArray& keys) const { Copy(m_sel[PONT].order, keys); }
  void GetAllSelectedMemb(CUIntArray& keys) const { Copy(m_sel[MEMB].order, keys); }
  void GetAllSelectedPNode(CUIntArray& keys) const { Copy(m_sel[PNODE].order, keys); }
  void GetAllSelectedPMemb(CUIntArray& keys) const { Copy(m_sel[PMEMB].order, keys); }
  void GetCurrentPont(CUIntArray& keys) const { Copy(m_cur[PONT], keys); }
  void GetCurrentMemb(CUIntArray& keys) const { Copy(m_cur[MEMB], keys); }
  void GetCurrentPNode(CUIntArray& keys) const { Copy(m_cur[PNODE], keys); }
  void GetCurrentPMemb(CUIntArray& keys) const { Copy(m_cur[PMEMB], keys); }
  BOOL IsSelected(Kind kind, UINT key) const { return m_sel[kind].in.Contains(key); }
  int GetSelectedCount(Kind kind) const { return (int)m_sel[kind].order.size(); }
  // Every object of the kind's table that is not selected, in table order.
  void GetAllUnSelectedPont(CUIntArray& keys) const { GetUnselected(PONT, keys); }
  void GetAllUnSelectedMemb(CUIntArray& keys) const { GetUnselected(MEMB, keys); }
  void GetAllUnSelectedPNode(CUIntArray& keys) const { GetUnselected(PNODE, keys); }
  void GetAllUnSelectedPMemb(CUIntArray& keys) const { GetUnselected(PMEMB, keys); }

  // For the database: takes the objects the last transaction deleted out of the selection
  // (nobody told); non-zero when a selected one went, listed as the current lists.
  BOOL DropDeleted();

 private:
  struct Set {
    std::vector<UINT> order;
    CKeyBits in;
  };
  static void Copy(const std::vector<UINT>& from, CUIntArray& to);
  void Remember();
  void Replace(Kind kind, const CUIntArray& keys);
  void SelectAllOf(unsigned kinds);
  void UnselectKind(Kind kind, const CUIntArray& keys);
  void GetUnselected(Kind kind, CUIntArray& keys) const;
  BOOL Exists(Kind kind, UINT key) const;
  void TableKeys(Kind kind, CUIntArray& keys) const;
  // One kind's selection becomes exactly the keys (known ones, first occurrence).
  void ReplaceOne(Kind kind, const CUIntArray& keys);
  // Adds or takes away keys of one kind; what changed goes to the current list.
  void Add(Kind kind, const CUIntArray& keys);
  void Remove(Kind kind, const CKeyBits& keys, BOOL any);
  void Tell(int hint);

  DB_CDataBase* m_pDB;
  Set m_sel[KINDS];
  std::vector<UINT> m_cur[KINDS];
  std::vector<UINT> m_prev[KINDS];
  int m_nStep = 0;
  BOOL m_bStepRemembered = FALSE;  // the open step has set the previous selection
};
