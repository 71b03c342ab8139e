#include "db/DB_CDataBase.h"

#include <algorithm>
#include <cstring>
#include "db/DB_CData.h"
#include "db/DB_CDataClass.h"
#include "db/DB_CStore.h"
#include "db/DB_CTableOp.h"
#include "db/DB_CTableRegistry.h"
#include "db/DB_CUpdateListener.h"

DB_CDataBase::DB_CDataBase(UINT nID) : m_nID(nID) {
  for (const DB_CTableType& t : DB_CTableRegistry::All()) {
    if (t.classId >= m_stores.size()) {
      m_stores.resize(t.classId + 1);
      m_tables.resize(t.classId + 1);
    }
    m_stores[t.classId] = t.newStore();
    m_storeList.push_back(m_stores[t.classId].get());
  }
  // Tables after stores: a table joins its store when connected.
  for (const DB_CTableType& t : DB_CTableRegistry::All()) {
    m_tables[t.classId] = t.newTable();
    m_tables[t.classId]->ConnectToDB(this);
  }
}

DB_CDataBase::~DB_CDataBase() {
  for (DB_CUpdateListener* p : m_listeners) p->m_pConnectedDB = nullptr;
  m_listeners.clear();
  for (auto& t : m_tables)
    if (t) t->Disconnect();
  for (DB_CDataClass* p : m_attached) p->Detach();
  m_attached.clear();
  m_updates.clear();
  m_updateSource.reset();
  m_group.reset();
  m_undo.clear();
  m_redo.clear();
}

DB_CDataClass* DB_CDataBase::GetClass(UINT nClassID) const {
  return nClassID < m_tables.size() ? m_tables[nClassID].get() : nullptr;
}

DB_CStoreBase* DB_CDataBase::GetStore(UINT nClassID) const {
  return nClassID < m_stores.size() ? m_stores[nClassID].get() : nullptr;
}

DB_CStoreBase* DB_CDataBase::GetStoreByCode(const char* pszCode) const {
  for (DB_CStoreBase* s : m_storeList)
    if (pszCode && std::strcmp(s->GetCode(), pszCode) == 0) return s;
  return nullptr;
}

BOOL DB_CDataBase::IsInUse(UINT nClassID, UINT key) const {
  for (DB_CStoreBase* s : m_storeList)
    if (s->Uses(nClassID, key)) return TRUE;
  return FALSE;
}

POSITION DB_CDataBase::GetFirstUpdatePosition() const {
  return m_updates.empty() ? nullptr : (POSITION)&m_updates[0];
}

const DB_CUpdateRecord* DB_CDataBase::GetNextUpdate(POSITION& pos) const {
  if (!pos || m_updates.empty()) return nullptr;
  const DB_CUpdateRecord* p = static_cast<const DB_CUpdateRecord*>(pos);
  if (p < &m_updates.front() || p > &m_updates.back()) {
    pos = nullptr;
    return nullptr;
  }
  pos = (p == &m_updates.back()) ? nullptr : (POSITION)(p + 1);
  return p;
}

BOOL DB_CDataBase::GetNextUpdate(POSITION& pos, int& nCode, UINT& nKey) const {
  const DB_CUpdateRecord* p = GetNextUpdate(pos);
  if (!p) return FALSE;
  nCode = p->m_nCode;
  nKey = p->m_nKey;
  return TRUE;
}

BOOL DB_CDataBase::ReadUpdateImage(const DB_CUpdateRecord* pEntry, DB_CData& image) const {
  if (!pEntry || !pEntry->m_pOp || image.GetClassID() != pEntry->m_nClassID) return FALSE;
  image.m_nKey = pEntry->m_nKey;
  image.SetRecord(pEntry->m_pOp->Image(pEntry->m_nImage));
  return TRUE;
}

void DB_CDataBase::Publish(std::shared_ptr<DB_CTransaction> t, bool forward) {
  m_updates.clear();
  m_updateSource = std::move(t);
  m_updateSource->AddUpdates(m_updates, forward);
  Notify();
}

void DB_CDataBase::Notify() {
  if (m_updates.empty()) return;
  // Deleted objects leave the selection before anyone reads it; the windows hear of
  // that after the records.
  const BOOL unselected = m_viewCtrl.DropDeleted();
  m_bNotifying = true;
  T_UPDATE_HINT hint;
  hint.m_nDBID = m_nID;
  for (int round = 0; round < (unselected ? 2 : 1); ++round) {
    // A listener may disconnect itself or others while being called.
    std::vector<DB_CUpdateListener*> snapshot = m_listeners;
    for (DB_CUpdateListener* p : snapshot) {
      if (std::find(m_listeners.begin(), m_listeners.end(), p) == m_listeners.end()) continue;
      p->OnUpdate(nullptr, round ? (LPARAM)CViewCtrl::HINT_UNSELECT : (LPARAM)DB_HINT_DATA_CHANGED, &hint);
    }
  }
  m_bNotifying = false;
}

BOOL DB_CDataBase::NotifyHint(CView* pSender, LPARAM lHint, CObject* pHint) {
  if (m_bNotifying) return FALSE;
  m_updates.clear();
  m_updateSource.reset();
  m_bNotifying = true;
  std::vector<DB_CUpdateListener*> snapshot = m_listeners;
  for (DB_CUpdateListener* p : snapshot) {
    if (std::find(m_listeners.begin(), m_listeners.end(), p) == m_listeners.end()) continue;
    p->OnUpdate(pSender, lHint, pHint);
  }
  m_bNotifying = false;
  return TRUE;
}

void DB_CDataBase::CommitOp(std::unique_ptr<DB_CTableOpBase> op, BOOL bUndoable) {
  if (!op) return;
  op->Finish();
  if (op->Empty()) return;
  if (m_nGroupDepth > 0 && bUndoable) {
    m_group->m_ops.push_back(std::move(op));
    return;
  }
  auto t = std::make_shared<DB_CTransaction>();
  t->m_ops.push_back(std::move(op));
  if (bUndoable) {
    m_undo.push_back(t);
    m_redo.clear();
  }
  Publish(std::move(t), true);
}

BOOL DB_CDataBase::Undo() {
  if (m_undo.empty() || m_bNotifying || m_nGroupDepth > 0) return FALSE;
  std::shared_ptr<DB_CTransaction> t = m_undo.back();
  m_undo.pop_back();
  t->Undo();
  m_redo.push_back(t);
  Publish(std::move(t), false);
  return TRUE;
}

BOOL DB_CDataBase::Redo() {
  if (m_redo.empty() || m_bNotifying || m_nGroupDepth > 0) return FALSE;
  std::shared_ptr<DB_CTransaction> t = m_redo.back();
  m_redo.pop_back();
  t->Redo();
  m_undo.push_back(t);
  Publish(std::move(t), true);
  return TRUE;
}

void DB_CDataBase::ClearUndo() {
  m_undo.clear();
  m_redo.clear();
}

BOOL DB_CDataBase::BeginGroup(LPCTSTR text) {
  if (m_bNotifying) return FALSE;
  if (m_nGroupDepth++ == 0) {
    m_group = std::make_shared<DB_CTransaction>();
    m_group->m_text = text ? text : "";
    m_bGroupFailed = false;
  }
  return TRUE;
}

BOOL DB_CDataBase::CommitGroup() {
  if (m_nGroupDepth == 0) return FALSE;
  if (--m_nGroupDepth > 0) return !m_bGroupFailed;
  std::shared_ptr<DB_CTransaction> t = std::move(m_group);
  if (m_bGroupFailed) {
    m_bGroupFailed = false;
    return FALSE;
  }
  if (t->Empty()) return TRUE;
  m_undo.push_back(t);
  m_redo.clear();
  Publish(std::move(t), true);
  return TRUE;
}

void DB_CDataBase::RollbackGroup() {
  if (m_nGroupDepth == 0) return;
  if (!m_bGroupFailed) {
    // Undone now, so that what the outer levels read is the model as it was; their
    // later writes are refused until the outermost level ends.
    m_group->Undo();
    m_group->m_ops.clear();
    m_bGroupFailed = true;
  }
  if (--m_nGroupDepth > 0) return;
  m_group.reset();
  m_bGroupFailed = false;
}

CString DB_CDataBase::GetUndoText() const { return m_undo.empty() ? CString() : CString(m_undo.back()->m_text.c_str()); }

CString DB_CDataBase::GetRedoText() const { return m_redo.empty() ? CString() : CString(m_redo.back()->m_text.c_str()); }

BOOL DB_CDataBase::Connect(DB_CUpdateListener* p) {
  if (!p) return FALSE;
  if (p->m_pConnectedDB == this) return TRUE;
  if (p->m_pConnectedDB) p->m_pConnectedDB->Disconnect(p);
  m_listeners.push_back(p);
  p->m_pConnectedDB = this;
  return TRUE;
}

void DB_CDataBase::Disconnect(DB_CUpdateListener* p) {
  auto it = std::find(m_listeners.begin(), m_listeners.end(), p);
  if (it == m_listeners.end()) return;
  m_listeners.erase(it);
  p->m_pConnectedDB = nullptr;
}

void DB_CDataBase::Attach(DB_CDataClass* p) {
  if (std::find(m_attached.begin(), m_attached.end(), p) == m_attached.end()) m_attached.push_back(p);
}

void DB_CDataBase::Detach(DB_CDataClass* p) {
  auto it = std::find(m_attached.begin(), m_attached.end(), p);
  if (it != m_attached.end()) m_attached.erase(it);
}

void DB_CDataBase::SwapContents(DB_CDataBase& other) {
  for (size_t i = 0; i < m_stores.size() && i < other.m_stores.size(); ++i)
    if (m_stores[i] && other.m_stores[i]) m_stores[i]->SwapContents(*other.m_stores[i]);
  std::swap(m_nCurPlan, other.m_nCurPlan);
  std::swap(m_nCurStor, other.m_nCurStor);
  m_viewCtrl.Clear();
  ClearUndo();
  m_updates.clear();
  m_updateSource.reset();
}

DB_CUpdateListener::~DB_CUpdateListener() { DisconnectDB(); }

BOOL DB_CUpdateListener::ConnectDB(DB_CDataBase* pDB) {
  if (!pDB) return FALSE;
  return pDB->Connect(this);
}

void DB_CUpdateListener::DisconnectDB() {
  if (m_pConnectedDB) m_pConnectedDB->Disconnect(this);
}

DB_CDataClass::~DB_CDataClass() { Disconnect(); }

BOOL DB_CDataClass::ConnectToDB(DB_CDataBase* pDB) {
  Disconnect();
  if (!pDB) return FALSE;
  DB_CStoreBase* s = pDB->GetStore(m_nID);
  if (!s) return FALSE;
  m_pDB = pDB;
  m_pStore = s;
  if (pDB->GetClass(m_nID) != this) pDB->Attach(this);
  return TRUE;
}

void DB_CDataClass::Disconnect() {
  if (m_pDB) m_pDB->Detach(this);
  m_pDB = nullptr;
  m_pStore = nullptr;
}

int DB_CDataClass::GetCount() const { return m_pStore ? m_pStore->Count() : 0; }

POSITION DB_CDataClass::DB_GetStart() const { return m_pStore ? StartPosition() : nullptr; }

void DB_CStoreBase::Dump(CString& out, const DB_CDumpFilter* pFilter) const {
  if (pFilter && pFilter->bKey) {
    const void* rec = Record(pFilter->key);
    out.AppendFormat("table %s %d\n", GetCode(), rec ? 1 : 0);
    if (!rec) return;
    out.AppendFormat("%u", pFilter->key);
    DB_DumpRecord(GetDesc(), rec, out, pFilter);
    out += '\n';
    return;
  }
  struct Ctx { CString* out; const DB_CRecordDesc* desc; const DB_CDumpFilter* filter; };
  Ctx ctx{&out, &GetDesc(), pFilter};
  out.AppendFormat("table %s %d\n", GetCode(), Count());
  Walk([](void* c, UINT key, const void* rec) {
    Ctx* x = static_cast<Ctx*>(c);
    x->out->AppendFormat("%u", key);
    DB_DumpRecord(*x->desc, rec, *x->out, x->filter);
    *x->out += '\n';
  }, &ctx);
}

namespace {
std::vector<DB_CTableType>& Registry() {
  static std::vector<DB_CTableType> r;
  return r;
}
}  // namespace

void DB_CTableRegistry::Add(const DB_CTableType& t) {
  auto& r = Registry();
  auto it = std::lower_bound(r.begin(), r.end(), t.classId,
                             [](const DB_CTableType& a, UINT id) { return a.classId < id; });
  if (it != r.end() && it->classId == t.classId) return;
  r.insert(it, t);
}

const std::vector<DB_CTableType>& DB_CTableRegistry::All() { return Registry(); }
