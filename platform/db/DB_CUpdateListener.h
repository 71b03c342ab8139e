// The receiving end of update notifications. A window that mirrors records derives from
// it (through the UI library's CDBUpdateConnector) and is connected to a database; inside
// every transaction of that database (undo and redo included) the database calls
// OnUpdate(NULL, 3, hint) of each connected listener, the hint a T_UPDATE_HINT naming the
// database. A listener disconnects itself when destroyed; a database that ends first
// disconnects its listeners.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CObject.h"

class CView;
class DB_CDataBase;

// The hint object of OnUpdate: the id of the database whose records changed
// (CMDBCtrl::GetDB gives the database).
class T_UPDATE_HINT : public CObject {
 public:
  UINT m_nDBID = 0;
};

class DB_CUpdateListener {
 public:
  DB_CUpdateListener() = default;
  DB_CUpdateListener(const DB_CUpdateListener&) = delete;
  DB_CUpdateListener& operator=(const DB_CUpdateListener&) = delete;
  virtual ~DB_CUpdateListener();

  virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) = 0;

  // Connects to one database (a previous connection ends); non-zero on success.
  BOOL ConnectDB(DB_CDataBase* pDB);
  void DisconnectDB();
  DB_CDataBase* GetConnectedDB() const { return m_pConnectedDB; }

 private:
  friend class DB_CDataBase;
  DB_CDataBase* m_pConnectedDB = nullptr;
};
