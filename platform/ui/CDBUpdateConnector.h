// The mix-in through which a window follows the model database: while connected, every
// transaction of the connected database (undo and redo included) calls OnUpdate(NULL, hint,
// T_UPDATE_HINT*) inside the transaction (db/DB_CUpdateListener.h).
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

  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
};
