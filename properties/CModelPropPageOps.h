// The table side of a list page of the property sheet, once for every table: the rows of
// a table's records, the replay of its update records, Delete and Copy. Page is the page
// class, which gives the texts of a row (static GetRowTexts (key, record, texts)).
#pragma once
#include <algorithm>
#include <vector>

#include "afx/CArray.h"
#include "common/CCmdReplayWalk.h"
#include "db/DB_CDataBase.h"
#include "properties/CModelPropListPage.h"
#include "ui/CExtListCtrl.h"

template <class Table, class Rec, class Page>
struct CModelPropPageOps {
  static Table* TableOf(DB_CDataBase* db) { return db ? static_cast<Table*>(db->GetClass(Table::m_nClassID)) : nullptr; }

  static CStringArray Texts(UINT key, const Rec& rec) {
    CStringArray texts;
    Page::GetRowTexts(key, rec, texts);
    return texts;
  }

  // One record at a time, in key order: each row goes to the end of the list, wherever the
  // table keeps the record, and no copy of the whole table is made.
  static BOOL Fill(CExtListCtrl& list, DB_CDataBase* db) {
    Table* t = TableOf(db);
    if (!t) return FALSE;
    CUIntArray keys;
    t->GetKeyList(keys);
    std::vector<UINT> sorted(keys.vec().begin(), keys.vec().end());
    std::sort(sorted.begin(), sorted.end());
    Rec rec;
    for (UINT k : sorted)
      if (t->Get(k, rec)) list.InsertData(k, Texts(k, rec));
    return TRUE;
  }

  static void Replay(CExtListCtrl& list, const DB_CDataBase& db) {
    CCmdReplaySteps<Rec> steps;
    steps.add = [&](UINT key, const Rec& r) { list.InsertData(key, Texts(key, r)); };
    steps.del = [&](UINT key, const Rec&) { list.DeleteData(key); };
    // MFD (the record after the change, its new key), then MFS (the key before).
    steps.modify = [&](UINT newKey, const Rec& r, UINT oldKey, const Rec&) {
      list.ModifyData(oldKey, newKey, Texts(newKey, r));
    };
    CmdReplayWalk<Rec>(db, Table::m_nClassID, steps);
  }

  static BOOL Read(DB_CDataBase* db, UINT key, Rec& rec) {
    Table* t = TableOf(db);
    return t && t->Get(key, rec);
  }

  static BOOL Delete(DB_CDataBase* db, UINT key) {
    Table* t = TableOf(db);
    return t && t->TR_Del(key);
  }

  // bRename: the table's names are unique, so the copy is named "<name>_<new key>".
  static int Copy(DB_CDataBase* db, UINT key, BOOL bRename) {
    Table* t = TableOf(db);
    Rec rec;
    if (!t || !t->Get(key, rec)) return -1;
    const UINT k = ModelPropFreeKeyAbove(*t, key);
    rec.key = k;
    if constexpr (requires { rec.name; }) {
      if (bRename) {
        CString name;
        name.Format("%s_%u", (LPCTSTR)rec.name, (unsigned)k);
        rec.name = name;
      }
    }
    return t->TR_Add(rec) ? 1 : 0;
  }
};
