// Preparation of a dialog from the factory's record key (the "edit or add" rows of the
// modal table, and the "modify when found" rows).
//
// CmdPrepareEditOrAdd<TTable, TRecord>(dlg, key, setKey): a local table of TTable joined to
// the current document's model database (the join's result is not looked at) is asked for
// the record of that key. Found: dlg.SetModifyData(key, a copy of the record): the dialog
// edits it. Not found: a key of 0, or one past the key range (-1 given as an int), becomes
// the table's next free key (GetNewKey), any other key is kept as given; then
// (dlg.*setKey)(key): the dialog adds a new record under it.
//
// CmdPrepareIfFound<TTable, TRecord>(key, onFound): calls onFound(key, record) only when the
// table holds the key; otherwise the dialog keeps its own defaults.
#pragma once
#include "db/CDBDoc.h"
#include "db/DB_CRecordSet.h"

template <class TTable, class TRecord, class TDlg>
void CmdPrepareEditOrAdd(TDlg& dlg, UINT key, void (TDlg::*setKey)(UINT)) {
  TTable table;
  if (CDBDoc::m_pDBDoc) table.ConnectToDB(CDBDoc::m_pDBDoc->GetModelDB());
  TRecord rec;
  if (table.Get(key, rec)) {
    dlg.SetModifyData(key, rec);
    return;
  }
  if (!DB_IsKey(key)) key = table.GetNewKey();
  (dlg.*setKey)(key);
}

template <class TTable, class TRecord, class Fn>
void CmdPrepareIfFound(UINT key, Fn onFound) {
  TTable table;
  if (CDBDoc::m_pDBDoc) table.ConnectToDB(CDBDoc::m_pDBDoc->GetModelDB());
  TRecord rec;
  if (table.Get(key, rec)) onFound(key, rec);
}
