// The records of one table inside one database, behind a type-free interface for what
// the database does with every table alike: dumps, field reads, model files, swapping a
// loaded model in.
#pragma once
#include <memory>
#include "afx/CString.h"
#include "db/DBField.h"
#include "db/DB_CRecordSet.h"

// Source of records when a model file is read: fills the record (already initialised)
// and its key; FALSE at the end.
class DB_CRecordSource {
 public:
  virtual ~DB_CRecordSource() = default;
  virtual BOOL Next(UINT& key, void* rec) = 0;
};

class DB_CStoreBase {
 public:
  virtual ~DB_CStoreBase() = default;
  virtual const DB_CRecordDesc& GetDesc() const = 0;
  UINT GetClassID() const { return GetDesc().m_classId; }
  const char* GetCode() const { return GetDesc().m_code; }
  virtual int Count() const = 0;
  virtual BOOL Exist(UINT key) const = 0;
  virtual UINT NextKey() const = 0;
  virtual void SetNextKey(UINT k) = 0;
  virtual void Clear() = 0;
  virtual void SwapContents(DB_CStoreBase& o) = 0;
  // Visits every record in sequence order.
  virtual void Walk(void (*fn)(void* ctx, UINT key, const void* rec), void* ctx) const = 0;
  // Reads records in sequence order into an empty store; FALSE on a zero or repeated key
  // or a repeated name (the store is then left empty).
  virtual BOOL Load(DB_CRecordSource& src, size_t reserve) = 0;
  // A new, empty store of the same type.
  virtual std::unique_ptr<DB_CStoreBase> NewEmpty() const = 0;
  // The address of a record, NULL when absent.
  virtual const void* Record(UINT key) const = 0;
  // Non-zero when a record of this table refers to that record of another table.
  virtual BOOL Uses(UINT classId, UINT key) const = 0;

  // "table CODE COUNT" and one line a record: KEY field=value...; with a filter, only the
  // records and fields it wants (COUNT then counts the records shown).
  void Dump(CString& out, const DB_CDumpFilter* pFilter = nullptr) const;
};

template <class T>
class DB_CStore : public DB_CStoreBase {
 public:
  DB_CRecordSet<T> m_set;

  const DB_CRecordDesc& GetDesc() const override { return T::Desc(); }
  int Count() const override { return m_set.Count(); }
  BOOL Exist(UINT key) const override { return m_set.Exist(key); }
  UINT NextKey() const override { return m_set.NextKey(); }
  void SetNextKey(UINT k) override { m_set.SetNextKey(k); }
  void Clear() override { m_set.Clear(); }
  void SwapContents(DB_CStoreBase& o) override { m_set.Swap(static_cast<DB_CStore<T>&>(o).m_set); }
  void Walk(void (*fn)(void*, UINT, const void*), void* ctx) const override {
    m_set.ForEach([&](UINT k, const T& r) { fn(ctx, k, &r); });
  }
  BOOL Load(DB_CRecordSource& src, size_t reserve) override {
    m_set.Clear();
    m_set.Reserve(reserve);
    T rec;
    UINT key = 0;
    for (;;) {
      rec.Initialize();
      if (!src.Next(key, &rec)) break;
      if (!m_set.BulkAppend(key, std::move(rec))) {
        m_set.Clear();
        return FALSE;
      }
    }
    m_set.BulkFinish();
    return TRUE;
  }
  std::unique_ptr<DB_CStoreBase> NewEmpty() const override { return std::make_unique<DB_CStore<T>>(); }
  const void* Record(UINT key) const override { return m_set.Find(key); }
  BOOL Uses(UINT classId, UINT key) const override { return m_set.Uses(classId, key); }
};
