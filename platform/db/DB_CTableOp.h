// The journal of one table inside one transaction: every change applied, in order, with
// the images needed to redo it, undo it and list it as update records.
#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "db/DBClassIds.h"
#include "db/DB_CRecordSet.h"
#include "db/DB_CUpdateRecord.h"

class DB_CTableOpBase {
 public:
  virtual ~DB_CTableOpBase() = default;
  virtual void Redo() = 0;
  virtual void Undo() = 0;
  virtual bool Empty() const = 0;
  // Called once when the change is complete.
  virtual void Finish() = 0;
  virtual const void* Image(uint32_t idx) const = 0;
  // Appends the update records of this change (forward), or of its undo.
  virtual void AddUpdates(std::vector<DB_CUpdateRecord>& out, bool forward) const = 0;
};

// A transaction: the journals of the tables it changed, in order.
class DB_CTransaction {
 public:
  std::vector<std::unique_ptr<DB_CTableOpBase>> m_ops;
  std::string m_text;  // the undo step's name (may be empty)
  void Redo() { for (auto& op : m_ops) op->Redo(); }
  void Undo() { for (auto it = m_ops.rbegin(); it != m_ops.rend(); ++it) (*it)->Undo(); }
  bool Empty() const {
    for (auto& op : m_ops) if (!op->Empty()) return false;
    return true;
  }
  void AddUpdates(std::vector<DB_CUpdateRecord>& out, bool forward) const {
    if (forward) for (auto& op : m_ops) op->AddUpdates(out, true);
    else for (auto it = m_ops.rbegin(); it != m_ops.rend(); ++it) (*it)->AddUpdates(out, false);
  }
};

template <class T>
class DB_CTableOp : public DB_CTableOpBase {
 public:
  DB_CTableOp(DB_CRecordSet<T>* set, UINT classId) : m_set(set), m_classId(classId), m_nextBefore(set->NextKey()) {}

  // Apply and record.
  void Insert(int pos0, UINT key, const T& rec) {
    m_set->Insert(pos0, key, rec);
    m_e.push_back(E{INS, key, key, pos0, pos0, Push(*m_set->Find(key)), 0});
  }
  void Erase(UINT key) {
    int pos = m_set->Pos(key);
    uint32_t a = Push(m_set->Erase(key));
    m_e.push_back(E{DEL, key, key, pos, pos, a, 0});
  }
  void Modify(UINT oldKey, UINT newKey, const T& rec) {
    uint32_t a = Push(*m_set->Find(oldKey));
    m_set->Replace(oldKey, newKey, rec);
    uint32_t b = Push(*m_set->Find(newKey));
    m_e.push_back(E{MOD, oldKey, newKey, 0, 0, a, b});
  }
  void Move(UINT key, int newPos0) {
    int from = m_set->Pos(key);
    m_set->Move(key, newPos0);
    m_e.push_back(E{MOVE, key, key, from, newPos0, Push(*m_set->Find(key)), 0});
  }
  void Finish() override { m_nextAfter = m_set->NextKey(); }

  // Undo and redo replay the journal on the state it left. Should a plain (not
  // undoable) write of the same table have changed that state since, a step that no
  // longer fits is skipped rather than applied to the wrong record.
  void Redo() override {
    for (const E& e : m_e) {
      switch (e.kind) {
        case INS: Add(e.pos, e.key, m_img[e.a]); break;
        case DEL: Remove(e.key); break;
        case MOD: Rewrite(e.key, e.key2, m_img[e.b]); break;
        case MOVE: Place(e.key, e.pos2); break;
      }
    }
    m_set->SetNextKey(std::max(m_nextAfter, m_set->NextKey()));
  }
  void Undo() override {
    for (auto it = m_e.rbegin(); it != m_e.rend(); ++it) {
      const E& e = *it;
      switch (e.kind) {
        case INS: Remove(e.key); break;
        case DEL: Add(e.pos, e.key, m_img[e.a]); break;
        case MOD: Rewrite(e.key2, e.key, m_img[e.a]); break;
        case MOVE: Place(e.key, e.pos); break;
      }
    }
    m_set->SetNextKey(m_nextBefore);
  }
  bool Empty() const override { return m_e.empty(); }
  const void* Image(uint32_t idx) const override { return &m_img[idx]; }
  void AddUpdates(std::vector<DB_CUpdateRecord>& out, bool forward) const override {
    auto add = [&](int kind, UINT key, uint32_t img) {
      out.push_back(DB_CUpdateRecord{DB_UR_CODE(m_classId, kind), key, m_classId, this, img});
    };
    if (forward) {
      for (const E& e : m_e) Emit(e, true, add);
    } else {
      for (auto it = m_e.rbegin(); it != m_e.rend(); ++it) Emit(*it, false, add);
    }
  }

 private:
  enum Kind : uint8_t { INS, DEL, MOD, MOVE };
  struct E {
    Kind kind;
    UINT key, key2;  // key before and after
    int pos, pos2;   // 0-based positions before and after
    uint32_t a, b;   // images: the record (before), the record after
  };
  int Clamp(int pos) const { return std::max(0, std::min(pos, m_set->Count())); }
  void Add(int pos, UINT key, const T& r) {
    if (!m_set->Exist(key)) m_set->Insert(Clamp(pos), key, r);
  }
  void Remove(UINT key) {
    if (m_set->Exist(key)) m_set->Erase(key);
  }
  void Rewrite(UINT from, UINT to, const T& r) {
    if (m_set->Exist(from) && (from == to || !m_set->Exist(to))) m_set->Replace(from, to, r);
  }
  void Place(UINT key, int pos) {
    if (m_set->Exist(key)) m_set->Move(key, std::max(0, std::min(pos, m_set->Count() - 1)));
  }
  uint32_t Push(const T& r) {
    m_img.push_back(r);
    return (uint32_t)(m_img.size() - 1);
  }
  template <class F> static void Emit(const E& e, bool fwd, F& add) {
    switch (e.kind) {
      case INS: add(fwd ? DB_UR_ADD : DB_UR_DEL, e.key, e.a); break;
      case DEL: add(fwd ? DB_UR_DEL : DB_UR_ADD, e.key, e.a); break;
      case MOD:
        if (fwd) { add(DB_UR_MFD, e.key2, e.b); add(DB_UR_MFS, e.key, e.a); }
        else { add(DB_UR_MFD, e.key, e.a); add(DB_UR_MFS, e.key2, e.b); }
        break;
      case MOVE: add(DB_UR_MFD, e.key, e.a); add(DB_UR_MFS, e.key, e.a); break;
    }
  }

  DB_CRecordSet<T>* m_set;
  UINT m_classId;
  UINT m_nextBefore;
  UINT m_nextAfter = 0;
  std::vector<E> m_e;
  std::vector<T> m_img;
};
