// A group of writes of one database as one transaction, tied to a scope: begun when the
// object is made, committed by one call to Commit, rolled back when the object goes out
// of scope uncommitted. The text names the undo step (DB_CDataBase::GetUndoText).
//
// Nesting: an object made while another group of the database is open joins it. Its
// Commit only closes its own level; the outermost commit publishes the whole transaction.
// A rollback at any level fails the whole group: everything it wrote is undone at once,
// later writes are refused until the outermost level ends, and the outermost Commit
// answers 0 and publishes nothing. So no write made after an inner failure escapes into a
// transaction of its own.
//
// IsOpen is 0 when the group could not begin (no database, or the database is notifying
// its listeners); Commit then answers 0 and the destructor does nothing.
#pragma once
#include "db/DB_CDataBase.h"

class DB_CScopedChange {
 public:
  explicit DB_CScopedChange(DB_CDataBase* pDB, LPCTSTR text = nullptr)
      : m_pDB(pDB && pDB->BeginGroup(text) ? pDB : nullptr) {}
  ~DB_CScopedChange() { Rollback(); }
  DB_CScopedChange(const DB_CScopedChange&) = delete;
  DB_CScopedChange& operator=(const DB_CScopedChange&) = delete;

  BOOL IsOpen() const { return m_pDB != nullptr; }
  // Ends this level; non-zero when the group holds (for the outermost level: when the
  // transaction was committed). A second call answers 0.
  BOOL Commit() {
    if (!m_pDB) return FALSE;
    DB_CDataBase* db = m_pDB;
    m_pDB = nullptr;
    return db->CommitGroup();
  }
  // Ends this level by failing the group (what the destructor does when not committed).
  void Rollback() {
    if (!m_pDB) return;
    DB_CDataBase* db = m_pDB;
    m_pDB = nullptr;
    db->RollbackGroup();
  }

 private:
  DB_CDataBase* m_pDB;
};
