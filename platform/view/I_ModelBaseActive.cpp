// The view's activation (I_ModelBase, Activation).
#include <algorithm>
#include <type_traits>
#include <vector>

#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "db/CViewCtrl.h"
#include "db/DB_CStore.h"
#include "view/I_ModelBase.h"

namespace {

// The table of a kind: points and members of the model database, nodes and elements of
// the analysis database.
DB_CDataBase* DBOfKind(CDBDoc* doc, int kind) {
  if (!doc) return nullptr;
  return kind == CViewCtrl::PONT || kind == CViewCtrl::MEMB ? doc->GetModelDB() : doc->GetMDBCtrl()->GetDBPost();
}

template <class T>
T* Table(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

// Calls f with the kind's table.
template <class F>
void WithTable(CDBDoc* doc, int kind, F&& f) {
  DB_CDataBase* db = DBOfKind(doc, kind);
  switch (kind) {
    case CViewCtrl::PONT: f(Table<CClassPont>(db)); break;
    case CViewCtrl::MEMB: f(Table<CClassMemb>(db)); break;
    case CViewCtrl::PNODE: f(Table<CClassPNode>(db)); break;
    default: f(Table<CClassPMemb>(db)); break;
  }
}

// Keys at or above the table's next key name no object and are dropped at once; a key
// below it that names none (one deleted before) is left out by every read.
void SetOnly(CDBDoc* doc, CActiveSet& set, int kind, const CUIntArray& keys) {
  WithTable(doc, kind, [&](auto* t) {
    const UINT next = t ? t->GetNewKey() : 0;
    set.SetOnly(keys, [next](UINT k) { return k != 0 && k < next; });
  });
}

void Add(CDBDoc* doc, CActiveSet& set, int kind, const CUIntArray& keys) {
  WithTable(doc, kind, [&](auto* t) {
    const UINT next = t ? t->GetNewKey() : 0;
    set.Add(keys, [next](UINT k) { return k != 0 && k < next; });
  });
}

void Remove(CDBDoc* doc, CActiveSet& set, int kind, const CUIntArray& keys) {
  WithTable(doc, kind, [&](auto* t) {
    set.Remove(keys, [t](CUIntArray& all) {
      if (t) t->GetKeyList(all);
      else all.RemoveAll();
    });
  });
}

// Every key of the table, ascending, from its key index.
template <class T>
void AllKeys(DB_CDataBase* db, UINT classId, CUIntArray& out) {
  auto* store = db ? static_cast<DB_CStore<T>*>(db->GetStore(classId)) : nullptr;
  if (!store) return;
  store->m_set.GetKeysAscending(out.vec());
}

void Get(CDBDoc* doc, const CActiveSet& set, int kind, CUIntArray& out) {
  out.RemoveAll();
  WithTable(doc, kind, [&](auto* t) {
    if (!t) return;
    if (set.IsAll()) {
      using Rec = typename std::remove_pointer_t<decltype(t)>::Rec;
      AllKeys<Rec>(DBOfKind(doc, kind), std::remove_pointer_t<decltype(t)>::m_nClassID, out);
    } else {
      set.GetKeys(out, [t](UINT k) { return t->Exist(k); });
    }
  });
}

}  // namespace

int I_ModelBase::ActivateNodeElems(const CUIntArray& nodes, const CUIntArray& elems, int) {
  if (!m_pDoc) return 0;
  SetOnly(m_pDoc, m_active[CViewCtrl::PNODE], CViewCtrl::PNODE, nodes);
  SetOnly(m_pDoc, m_active[CViewCtrl::PMEMB], CViewCtrl::PMEMB, elems);
  return 1;
}

int I_ModelBase::InactivateNodeElems(const CUIntArray& nodes, const CUIntArray& elems) {
  if (!m_pDoc) return 0;
  Remove(m_pDoc, m_active[CViewCtrl::PNODE], CViewCtrl::PNODE, nodes);
  Remove(m_pDoc, m_active[CViewCtrl::PMEMB], CViewCtrl::PMEMB, elems);
  return 1;
}

int I_ModelBase::ActivateObjects(const CUIntArray& ponts, const CUIntArray*, const CUIntArray*,
                                 const CUIntArray& membs, int) {
  if (!m_pDoc) return 0;
  SetOnly(m_pDoc, m_active[CViewCtrl::PONT], CViewCtrl::PONT, ponts);
  SetOnly(m_pDoc, m_active[CViewCtrl::MEMB], CViewCtrl::MEMB, membs);
  return 1;
}

int I_ModelBase::InactivateObjects(const CUIntArray& ponts, const CUIntArray*, const CUIntArray*,
                                   const CUIntArray& membs, int) {
  if (!m_pDoc) return 0;
  Remove(m_pDoc, m_active[CViewCtrl::PONT], CViewCtrl::PONT, ponts);
  Remove(m_pDoc, m_active[CViewCtrl::MEMB], CViewCtrl::MEMB, membs);
  return 1;
}

int I_ModelBase::ActivateAll() {
  if (!m_pDoc) return 0;
  for (CActiveSet& s : m_active) s.SetAll();
  return 1;
}

int I_ModelBase::ChangeActiveObjects(const CUIntArray& first, const CUIntArray& second, int, int nChange) {
  if (!m_pDoc || (nChange != 1 && nChange != 2)) return 0;
  const bool analysis = m_pDoc->IsPostMode() || IsADS3DViewMode();
  const int k1 = analysis ? CViewCtrl::PNODE : CViewCtrl::PONT;
  const int k2 = analysis ? CViewCtrl::PMEMB : CViewCtrl::MEMB;
  if (nChange == 1) {
    Add(m_pDoc, m_active[k1], k1, first);
    Add(m_pDoc, m_active[k2], k2, second);
  } else {
    Remove(m_pDoc, m_active[k1], k1, first);
    Remove(m_pDoc, m_active[k2], k2, second);
  }
  return 1;
}

int I_ModelBase::GetActiveObjects(CUIntArray& membs, CUIntArray& ponts) {
  Get(m_pDoc, m_active[CViewCtrl::MEMB], CViewCtrl::MEMB, membs);
  Get(m_pDoc, m_active[CViewCtrl::PONT], CViewCtrl::PONT, ponts);
  return m_pDoc ? 1 : 0;
}

int I_ModelBase::GetActiveNodeElems(CUIntArray& elems, CUIntArray& nodes) {
  Get(m_pDoc, m_active[CViewCtrl::PMEMB], CViewCtrl::PMEMB, elems);
  Get(m_pDoc, m_active[CViewCtrl::PNODE], CViewCtrl::PNODE, nodes);
  return m_pDoc ? 1 : 0;
}

BOOL I_ModelBase::IsAllActive(int nKind) const {
  return nKind >= 0 && nKind < 4 && m_active[nKind].IsAll();
}
