// One database of a document: its tables, the update-record list of the last
// transaction, undo and redo, grouped transactions and the connected listeners.
//
// Every write of a table is one transaction: checked, applied, journalled for undo, its
// update records listed (ADD, DEL, or MFD followed by MFS, in the order of the changes),
// then OnUpdate of every connected listener is called with hint 3, before the write
// returns. A refused write changes nothing and notifies nobody. Undo and redo are
// transactions too, with the update records of the change they make.
//
// A group (BeginGroup ... CommitGroup) gathers the writes made inside it into one
// transaction: one undo step, one update list, one notification at the commit. Groups
// nest: an inner Begin/Commit pair joins the outer group. RollbackGroup at any level
// fails the whole group: what it wrote is undone at once, silently, later writes are
// refused until the outermost level ends, and the outermost CommitGroup answers 0 and
// publishes nothing. (Grouped writes go through DB_CScopedChange.) While listeners are
// being notified the database refuses writes, undo, redo and new groups (their update
// list is in use).
#pragma once
#include <memory>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CString.h"
#include "db/CViewCtrl.h"
#include "db/DBClassIds.h"
#include "db/DB_CUpdateRecord.h"

class DB_CData;
class DB_CDataClass;
class DB_CStoreBase;
class DB_CTableOpBase;
class DB_CTransaction;
class DB_CUpdateListener;
class CObject;
class CView;

class DB_CDataBase {
 public:
  explicit DB_CDataBase(UINT nID = DB_ID_MODEL);
  DB_CDataBase(const DB_CDataBase&) = delete;
  DB_CDataBase& operator=(const DB_CDataBase&) = delete;
  ~DB_CDataBase();

  UINT GetID() const { return m_nID; }

  // Tables.
  DB_CDataClass* GetClass(UINT nClassID) const;
  DB_CStoreBase* GetStore(UINT nClassID) const;
  DB_CStoreBase* GetStoreByCode(const char* pszCode) const;
  const std::vector<DB_CStoreBase*>& GetStores() const { return m_storeList; }
  // Non-zero when a record of any table refers to that record (a member to its points,
  // section, story...): such a record may not be deleted nor take another key.
  BOOL IsInUse(UINT nClassID, UINT key) const;

  // Update records of the last transaction.
  BOOL HasUpdateRecords() const { return !m_updates.empty(); }
  POSITION GetFirstUpdatePosition() const;
  // The entry at pos; pos moves on (NULL after the last entry). NULL for a NULL pos.
  const DB_CUpdateRecord* GetNextUpdate(POSITION& pos) const;
  BOOL GetNextUpdate(POSITION& pos, int& nCode, UINT& nKey) const;
  // Fills an image of the entry's table with the entry's key and record; 0 when the
  // image belongs to another table.
  BOOL ReadUpdateImage(const DB_CUpdateRecord* pEntry, DB_CData& image) const;
  int GetUpdateCount() const { return (int)m_updates.size(); }

  // Undo and redo.
  BOOL CanUndo() const { return !m_undo.empty(); }
  BOOL CanRedo() const { return !m_redo.empty(); }
  int GetUndoCount() const { return (int)m_undo.size(); }
  int GetRedoCount() const { return (int)m_redo.size(); }
  BOOL Undo();
  BOOL Redo();
  void ClearUndo();
  // The name of the step Undo (Redo) would take back (redo); empty when it has none.
  CString GetUndoText() const;
  CString GetRedoText() const;

  // Groups. The text names the undo step; only the outermost level's counts.
  BOOL BeginGroup(LPCTSTR text = nullptr);
  // Ends one level; 0 when no group is open or the group failed.
  BOOL CommitGroup();
  // Ends one level and fails the group.
  void RollbackGroup();
  BOOL InGroup() const { return m_nGroupDepth > 0; }
  BOOL IsGroupFailed() const { return m_bGroupFailed; }

  // The selection the views show of this database's objects.
  CViewCtrl* GetViewCtrl() { return &m_viewCtrl; }
  const CViewCtrl* GetViewCtrl() const { return &m_viewCtrl; }

  // Listeners.
  BOOL Connect(DB_CUpdateListener* p);
  void Disconnect(DB_CUpdateListener* p);
  BOOL IsNotifying() const { return m_bNotifying; }
  int GetListenerCount() const { return (int)m_listeners.size(); }
  // A notification that is no transaction: OnUpdate(pSender, lHint, pHint) of every
  // connected listener, with no update records (the last transaction's list is emptied
  // first). Refused (0) while listeners are being notified.
  BOOL NotifyHint(CView* pSender, LPARAM lHint, CObject* pHint);

  // For the table classes.
  BOOL CanWrite() const { return !m_bNotifying && !m_bGroupFailed; }
  // Takes a finished change of one table: into the open group, else as a transaction of
  // its own (undoable or not). An empty change is dropped.
  void CommitOp(std::unique_ptr<DB_CTableOpBase> op, BOOL bUndoable = TRUE);
  void Attach(DB_CDataClass* p);
  void Detach(DB_CDataClass* p);

  // The model's current standard floor (kept with the model, not a transaction).
  UINT GetCurPlanKey() const { return m_nCurPlan; }
  void SetCurPlanKey(UINT k) { m_nCurPlan = k; }
  // The model's current story (kept with the model, not a transaction); 0 none chosen.
  UINT GetCurStorKey() const { return m_nCurStor; }
  void SetCurStorKey(UINT k) { m_nCurStor = k; }

  // Replaces every table's records by those of another database of the same tables (a
  // model just read); undo, redo, the update list and the selection are emptied. Nobody
  // is notified.
  void SwapContents(DB_CDataBase& other);

 private:
  void Publish(std::shared_ptr<DB_CTransaction> t, bool forward);
  void Notify();

  UINT m_nID;
  std::vector<std::unique_ptr<DB_CStoreBase>> m_stores;  // by class id
  std::vector<std::unique_ptr<DB_CDataClass>> m_tables;  // by class id
  std::vector<DB_CStoreBase*> m_storeList;
  std::vector<DB_CDataClass*> m_attached;                // local tables joined here
  std::vector<DB_CUpdateListener*> m_listeners;
  std::vector<std::shared_ptr<DB_CTransaction>> m_undo, m_redo;
  std::shared_ptr<DB_CTransaction> m_group;
  int m_nGroupDepth = 0;
  bool m_bGroupFailed = false;
  std::vector<DB_CUpdateRecord> m_updates;
  std::shared_ptr<DB_CTransaction> m_updateSource;       // keeps the images alive
  bool m_bNotifying = false;
  UINT m_nCurPlan = 0;
  UINT m_nCurStor = 0;
  CViewCtrl m_viewCtrl{this};
};
