// The mix-in through which a window follows the model database. The database calls
// OnUpdate(NULL, hint, T_UPDATE_HINT*) of its connected listeners inside every
// transaction (undo and redo included; db/DB_CUpdateListener.h); the connector filters
// that call once and hands the window one typed call per transaction: OnDBUpdate with
// the database it is connected to, whose update-record list holds the transaction's
// entries. A window never looks for the database elsewhere (the current document may be
// another one). Any other call (a view's hint, UpdateAllViews; a hint 3 naming another
// database or with an empty list) goes to OnHint.
//
// A dialog that derives from it (with CInternationalDlg or one of its bases) is connected to
// the current document's model database when its window is initialised (WM_INITDIALOG) and
// disconnected when its window is destroyed: connected while its window lives. Other
// windows call Connect and Disconnect themselves.
#pragma once
#include "db/DB_CUpdateListener.h"

class CDBDoc;

class CDBUpdateConnector : public DB_CUpdateListener {
 public:
  CDBUpdateConnector() = default;
  ~CDBUpdateConnector() override = default;

  // Connects to the document's model database (NULL: the current document's); 0 when there
  // is no document.
  BOOL Connect(CDBDoc* pDoc = nullptr);
  void Disconnect() { DisconnectDB(); }
  BOOL IsConnected() const { return GetConnectedDB() != nullptr; }

  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) final;

 protected:
  // One call per transaction of the connected database, inside the transaction.
  virtual void OnDBUpdate(const DB_CDataBase& db);
  virtual void OnHint(LPARAM lHint, CObject* pHint);
};
