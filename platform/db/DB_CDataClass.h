// A table object: the reads and writes of one table of a database. The database owns
// one of each (DB_CDataBase::GetClass); any number of local ones may be joined to a
// database with ConnectToDB and see the same records.
#pragma once
#include <functional>
#include "afx/AfxTypes.h"

class DB_CDataBase;
class DB_CStoreBase;

class DB_CDataClass {
 public:
  explicit DB_CDataClass(UINT nClassID) : m_nID(nClassID) {}
  DB_CDataClass(const DB_CDataClass&) = delete;
  DB_CDataClass& operator=(const DB_CDataClass&) = delete;
  virtual ~DB_CDataClass();

  // Joins the table of this class in that database; non-zero on success.
  BOOL ConnectToDB(DB_CDataBase* pDB);
  void Disconnect();
  DB_CDataBase* GetDB() const { return m_pDB; }
  UINT GetClassID() const { return m_nID; }
  BOOL IsConnected() const { return m_pStore != nullptr; }

  virtual int GetCount() const;
  // Start of a walk in sequence order (NULL for an empty table); see GetNextData of the
  // table classes.
  POSITION DB_GetStart() const;
  // Whether the records keep every rule the table enforces on its writes (a model file
  // just read); else the key of the first record that breaks one (0: the table's own).
  virtual BOOL CheckLoaded(UINT& badKey) const { (void)badKey; return TRUE; }

  // Writes by field, for hosts that edit any table alike: the stored record of that key
  // (else an initialised one) changed by edit, written as one transaction under that key.
  // 1 written, 0 refused by the table, -1 when edit fails (nothing is written).
  virtual int PutRecord(UINT key, const std::function<BOOL(void* rec)>& edit) { (void)key; (void)edit; return -1; }
  virtual BOOL DelRecord(UINT key) { (void)key; return FALSE; }

 protected:
  DB_CStoreBase* m_pStore = nullptr;
  DB_CDataBase* m_pDB = nullptr;
  UINT m_nID;

 private:
  friend class DB_CDataBase;
  void Detach() { m_pDB = nullptr; m_pStore = nullptr; }
  virtual POSITION StartPosition() const { return nullptr; }
};
