// What every record grid of the module inherits: the hooks of CTBCommon written once for a
// table class TTable (CClassMdul, CClassStor...) whose records carry `key` and `name`. A
// grid lists its columns as rows (SetColumns, common/CCmdGridColumn.h), from which the base
// shows, reads, validates and defaults every field; a grid overrides FieldToText and
// TextToField only for a column it shows its own way.
//
// Rules:
// - A row is a record: index 0 holds its key, the other columns its fields; row 0, the
//   append row and rows past the end are no records. A formula typed in a cell is read as
//   its value.
// - A save is checked as typing is: every required column holds a text (else one line per
//   empty column: its title and "IDS_WG_CMD__ADDD___has_not_been_entered_"), every text
//   passes its column's check; a paste is checked the same way, and writes all of its rows
//   (adds and modifications) in one transaction or nothing. Nothing is written while
//   CanSaveData is 0.
// - A modification finds its record by the name the row showed before the edit; a delete
//   takes every selected row's record in one transaction.
// - A new row's name is the first free name of "IDS_WG_CMD__ADD2__New_d".
// - The grid mirrors its table (ICmdUpdateMirror): each transaction is gathered from its
//   update list (a record added and deleted again is never shown; a modification of a
//   record added in the same transaction changes what is added) and applied once under the
//   drawing lock: deleted rows removed in one pass, added rows inserted in one pass at
//   their places in the table (RowForNewKey), modified rows rewritten. It is filled again
//   instead, once, while its own row move runs (SetMovingRows) or when a rewritten record
//   no longer stands in its row's place (RowIsInPlace). A key's row is found in O(log n)
//   (its sequence, else the key-to-row map), so a transaction of k records costs
//   O(n + k log n) at most, and never shifts the rows once per record.
// - The selection follows its keys through every change; keys the table no longer holds
//   are dropped.
// - Rows are not moved while a cell or a row is being edited
//   ("IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_").
// The table objects are the current document's, fetched once when the grid is made.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <unordered_map>
#include <vector>
#include "afx/AfxNumber.h"
#include "db/CUnitCtrl.h"
#include "db/DBUnitText.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "db/DBClassIds.h"
#include "db/DB_CData.h"
#include "db/DB_CDataBase.h"
#include "db/DB_CScopedChange.h"
#include "db/DB_CTable.h"
#include "db/DB_CUpdateListener.h"
#include "common/CCmdDrawLock.h"
#include "common/CCmdGridColumn.h"
#include "db/DBField.h"
#include "common/CCmdReplayWalk.h"
#include "common/ICmdUpdateMirror.h"
#include "afx/AfxMessageBox.h"
#include "ui/CMsgDll.h"
#include "uiutil/CTBCommon.h"

template <class TTable>
class CCmdRecordGrid : public CTBCommon, public ICmdUpdateMirror {
 public:
  using Rec = typename TTable::Rec;

  explicit CCmdRecordGrid(void* pOwner) : m_pOwner(pOwner) { m_pTable = FetchTable<TTable>(); }

  template <class T>
  static T* FetchTable() {
    CDBDoc* doc = CDBDoc::m_pDBDoc;
    DB_CDataBase* db = doc ? doc->GetMDBCtrl()->GetDB(DB_ID_MODEL) : nullptr;
    return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
  }
  TTable* GetTable() const { return m_pTable; }
  void* GetOwner() const { return m_pOwner; }

  // ---- the columns -----------------------------------------------------------------------
  // Registers the grid's columns from their rows (common/CCmdGridColumn.h), index order,
  // index 0 the key column; the constructor calls it once.
  void SetColumns(const CCmdGridColumn* cols, int n) {
    for (int i = 0; i < n; ++i) {
      const CCmdGridColumn& c = cols[i];
      const DB_CFlatField* f = c.field ? DB_FindField(Rec::Desc(), c.field) : nullptr;
      m_columns.push_back(c);
      m_fields.push_back(f);
      AddColInfo(CMsgDll::pfuncLoadStr(c.titleKey, 0), c.kind, f ? f->unitKind : 0);
      if (c.required) AddRequiredColumn(i);
      if (i == 0) continue;
      CString text = c.defaultText ? c.defaultText : "";
      if (c.choices && !text.IsEmpty()) text = CMsgDll::pfuncLoadStr(c.defaultText, 0);
      m_defaults.Add(text);
    }
    GetKeyColumnList().Add(0);
  }
  // The widths of the columns, index order (the grid's layout).
  std::vector<int> GetColumnWidths() const {
    std::vector<int> w;
    for (const CCmdGridColumn& c : m_columns) w.push_back(c.width);
    return w;
  }
  // Disables the columns that are not editable, for every row.
  void DisableFixedColumns() {
    for (size_t i = 0; i < m_columns.size(); ++i)
      if (!m_columns[i].editable)
        SetStyleRange(CGXRange().SetCols(GetColumnNoFor((int)i)), CGXStyle().SetEnabled(FALSE));
  }
  const CCmdGridColumn* GetColumn(int index) const {
    return index >= 0 && index < (int)m_columns.size() ? &m_columns[(size_t)index] : nullptr;
  }

  // ---- what a grid supplies ---------------------------------------------------------------
  // The text of a field, as its column row says; an index without a column shows the text
  // of "IDS_WG_CMD__ADDD__Error". A grid overrides it for a column it shows its own way.
  virtual void FieldToText(int index, const Rec& rec, CString& text) {
    const CCmdGridColumn* c = GetColumn(index);
    if (!c || index == 0) {
      text = CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Error", 0);
      return;
    }
    const DB_CFlatField* f = m_fields[(size_t)index];
    if (!f) {
      text = c->defaultText ? c->defaultText : "";
      return;
    }
    const void* p = f->Addr(&rec);
    switch (f->type) {
      case DBF_STRING: text = *static_cast<const CString*>(p); break;
      case DBF_DOUBLE:
        text.Format(c->format ? c->format : "%.15g",
                    DB_CurrentUnitCtrl().ConvertOut(f->unitKind, *static_cast<const double*>(p)));
        break;
      case DBF_INT:
      case DBF_UINT: {
        const int v = *static_cast<const int*>(p);
        if (c->choices) text = ChoiceText(*c, v);
        else if (IsFlag(*c)) text = v ? "1" : "0";
        else text.Format("%d", v);
        break;
      }
      default: text = CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Error", 0); break;
    }
  }
  // Sets a field from a text, as its column row says; an index without a field is ignored.
  virtual void TextToField(int index, const CString& text, Rec& rec) {
    const CCmdGridColumn* c = GetColumn(index);
    const DB_CFlatField* f = c && index > 0 ? m_fields[(size_t)index] : nullptr;
    if (!f) return;
    void* p = f->Addr(&rec);
    switch (f->type) {
      case DBF_STRING: *static_cast<CString*>(p) = text; break;
      case DBF_DOUBLE:
        *static_cast<double*>(p) = DB_CurrentUnitCtrl().ConvertIn(f->unitKind, AfxStrToDouble(text.c_str(), nullptr));
        break;
      case DBF_INT:
      case DBF_UINT:
        *static_cast<int*>(p) = c->choices ? ChoiceValue(*c, text) : IsFlag(*c) ? (text == "1" ? 1 : 0) : (int)std::atol(text.c_str());
        break;
      default: break;
    }
  }
  // The record to write for a row: each real whose row still reads as the stored value's
  // text keeps the stored value.
  Rec KeepShownReals(const Rec& stored, const Rec& rec) {
    Rec r = rec;
    for (size_t i = 1; i < m_columns.size(); ++i) {
      const DB_CFlatField* f = m_fields[i];
      if (!f || f->type != DBF_DOUBLE) continue;
      CString text;
      FieldToText((int)i, stored, text);
      Rec shown = r;
      TextToField((int)i, text, shown);
      if (*static_cast<const double*>(f->Addr(&shown)) == *static_cast<const double*>(f->Addr(&r)))
        *static_cast<double*>(f->Addr(&r)) = *static_cast<const double*>(f->Addr(&stored));
    }
    return r;
  }
  // The text key that follows an empty required column's title.
  virtual LPCTSTR GetNotEnteredKey() { return "IDS_WG_CMD__ADDD___has_not_been_entered_"; }
  virtual LPCTSTR GetFieldErrorKey() { return "IDS_WG_CMD__ADDD___CCmdPlanStoryGrid__ValidateField__Erro"; }
  virtual int GetNameColumnIndex() { return 1; }
  virtual UINT GetKeyByName(const CString& name) { return m_pTable ? m_pTable->DB_CTable<Rec>::GetKey(name) : 0; }
  virtual void OnRowWritten(ROWCOL, UINT, const Rec&) {}
  // The row a record added to the table goes to: its place in the key list (1-based),
  // the list's size + 1 when it is not listed; the replay caps it at the row count.
  virtual int RowForNewKey(UINT key, const Rec&) {
    if (!m_pTable) return 0;
    int seq = m_pTable->GetSeq(key);
    return seq > 0 ? seq : m_pTable->GetCount() + 1;
  }
  // Whether a shown record stands in the row its place in the table gives it.
  virtual BOOL RowIsInPlace(ROWCOL row, UINT key) { return m_pTable && m_pTable->GetSeq(key) == (int)row; }
  // The table writes of ModifyRecord and ModifyRecords.
  virtual BOOL TableModify(const CString& oldName, const Rec& rec) { return m_pTable && m_pTable->TR_Modify(oldName, rec); }
  virtual BOOL TableModify(const CStringArray& oldNames, const CArray<Rec>& recs) {
    return m_pTable && m_pTable->TR_Modify(oldNames, recs);
  }
  void AddRequiredColumn(int index) { m_required.push_back(index); }

  // ---- rows and records -------------------------------------------------------------------
  int RowToRecord(ROWCOL row, UINT& key, Rec& rec) {
    if (row == 0 || IsAppendRow(row) || row > GetRowCount()) return 0;
    rec.Initialize();
    key = 0;
    for (int i = 0; i < GetColInfoCount(); ++i) {
      ROWCOL c = GetColumnNoFor((LPCTSTR)GetColTitle(i));
      CString text = c ? GetValueRowCol(row, c) : CString();
      ConvertFormulaToValue(text);
      if (i == 0) key = (UINT)std::atol(text.c_str());
      else TextToField(i, text, rec);
    }
    rec.key = key;
    return 1;
  }

  void RecordToRow(ROWCOL row, UINT key, const Rec& rec) {
    for (int i = 0; i < GetColInfoCount(); ++i) {
      ROWCOL c = GetColumnNoFor(i);
      if (!c) continue;
      CString text;
      if (i == 0) {
        if (key) text.Format("%d", (int)key);
      } else {
        FieldToText(i, rec, text);
      }
      SetValueRange(CGXRange(row, c), (LPCTSTR)text);
      int kind = GetColKind(i);
      SetNumericRowCol(row, c, kind == TB_COL_INT || kind == TB_COL_REAL);
    }
    OnRowWritten(row, key, rec);
  }

  int StringsToRecord(CStringArray& strings, CUIntArray& map, UINT& key, Rec& rec) {
    if (!ValidateRecord(strings, map)) return 0;
    // A pasted text of any other column is checked as a typed one.
    for (int i = 1; i < GetColInfoCount(); ++i) {
      if (std::find(m_required.begin(), m_required.end(), i) != m_required.end()) continue;
      CString text = StringAt(strings, map, i);
      if (!text.IsEmpty() && !ValidateField(text, i)) return 0;
    }
    key = 0;
    for (int i = 0; i < GetColInfoCount(); ++i) {
      CString text = StringAt(strings, map, i);
      if (i == 0) key = (UINT)std::atol(text.c_str());
      else TextToField(i, text, rec);
    }
    rec.key = key;
    return 1;
  }

  // The real-column check: 1, or 0 with the warning text of the reason.
  int ValidateRealText(LPCTSTR text) {
    static const char* const keys[] = {"", "IDS_WG_CMD__ADDD__Invalid_formula_",
                                       "IDS_WG_CMD__ADDD__Character_exists_in_double_value",
                                       "IDS_WG_CMD__ADDD__Value_is_too_big_"};
    int reason = 0;
    if (IsValidDoubleNumber(text, reason)) return 1;
    if (reason >= 1 && reason <= 3) SetWarningText(CMsgDll::pfuncLoadStr(keys[reason], 0));
    return 0;
  }
  // The check of a real column with a unit kind: as above, and the value (a formula's
  // too), read in current units, must stay a finite real in internal units (1e308 N/mm^2
  // is too big in kN/m^2), else the warning text of "IDS_WG_CMD__ADDD__Value_is_too_big_".
  int ValidateRealText(LPCTSTR text, int index) {
    if (!ValidateRealText(text)) return 0;
    CString value(text);
    value.Trim();
    if (!ConvertFormulaToValue(value)) return 0;
    double v = AfxStrToDouble(value.c_str(), nullptr);
    const int kind = GetColUnitKind(index);
    if (std::isfinite(v) && (kind == 0 || std::isfinite(DB_CurrentUnitCtrl().ConvertIn(kind, v)))) return 1;
    SetWarningText(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Value_is_too_big_", 0));
    return 0;
  }

  // ---- the hooks ------------------------------------------------------------------------
  int AddRecords(CPtrArray& keys, CPtrArray& records) override {
    CArray<Rec> recs;
    for (INT_PTR i = 0; i < records.GetSize(); ++i) {
      Rec r = *static_cast<Rec*>(records[i]);
      r.key = *static_cast<UINT*>(keys[i]);
      recs.Add(r);
    }
    return m_pTable && m_pTable->TR_Add(recs);
  }
  int AddRecord(ROWCOL row) override {
    if (!CanSaveData()) return 0;
    UINT key = 0;
    Rec rec;
    if (!RowToRecord(row, key, rec) || !m_pTable) return 0;
    return m_pTable->TR_Add(rec);
  }
  int DeleteRecords(CUIntArray& rows) override {
    CUIntArray keys;
    ROWCOL nameCol = GetColumnNoFor(GetNameColumnIndex());
    for (UINT row : rows)
      if (UINT k = GetKeyByName(GetValueRowColBeforeEdit(row, nameCol))) keys.Add(k);
    if (keys.IsEmpty()) return 1;
    return m_pTable && m_pTable->TR_Del(keys);
  }
  int DeleteRecord(ROWCOL row) override {
    UINT key = 0;
    Rec rec;
    if (!RowToRecord(row, key, rec) || !m_pTable) return 0;
    return m_pTable->TR_Del(key);
  }
  int ModifyRecords(CStringArray& keyTexts, CPtrArray& keys, CPtrArray& records) override {
    if (!m_pTable) return 0;
    CStringArray names;
    CArray<Rec> recs;
    for (INT_PTR i = 0; i < records.GetSize(); ++i) {
      Rec old;
      if (!m_pTable->Get((UINT)std::atol(keyTexts[i].c_str()), old)) return 0;
      // A record type without names is written by a grid of its own.
      if constexpr (requires { old.name; }) names.Add(old.name);
      else return 0;
      Rec r = *static_cast<Rec*>(records[i]);
      r.key = *static_cast<UINT*>(keys[i]);
      recs.Add(r);
    }
    return TableModify(names, recs);
  }
  int ModifyRecord(ROWCOL row) override {
    if (!CanSaveData()) return 0;
    CString oldName = GetValueRowColBeforeEdit(row, GetColumnNoFor(GetNameColumnIndex()));
    UINT key = 0;
    Rec rec;
    if (!RowToRecord(row, key, rec) || !m_pTable) return 0;
    return TableModify(oldName, rec);
  }
  // A paste writes all of its rows or none: its AddRecords and ModifyRecords are one
  // transaction of the table's database, rolled back when either is refused.
  BOOL OnPasteFromClipboard(const CGXRange& range) override {
    DB_CScopedChange change(m_pTable ? m_pTable->GetDB() : nullptr);
    BOOL ok = CTBCommon::OnPasteFromClipboard(range);
    if (change.IsOpen() && ok) ok = change.Commit();
    return ok;
  }
  CString GetNewKeyString() override { return CString(); }
  CString GetDefaultValue(int n) override {
    CStringArray& d = GetDefaultValues();
    return n >= 0 && n < d.GetSize() ? d[n] : CString();
  }
  int NewRecordFromStrings(CStringArray& strings, CUIntArray& map, CPtrArray& keys, CPtrArray& records) override {
    UINT* key = new UINT(0);
    Rec* rec = new Rec();
    rec->Initialize();
    keys.Add(key);
    records.Add(rec);
    return StringsToRecord(strings, map, *key, *rec);
  }
  int FreeNewRecords(CPtrArray& keys, CPtrArray& records) override {
    int n = (int)records.GetSize();
    for (void* p : keys) delete static_cast<UINT*>(p);
    for (void* p : records) delete static_cast<Rec*>(p);
    keys.RemoveAll();
    records.RemoveAll();
    return n;
  }
  // A real column's text must be a real that stays finite in internal units; any other
  // registered column takes any text.
  int ValidateField(LPCTSTR text, int index) override {
    if (index >= GetColInfoCount()) {
      SetWarningText(CMsgDll::pfuncLoadStr(GetFieldErrorKey(), 0));
      return 0;
    }
    const DB_CFlatField* f = index > 0 && index < (int)m_fields.size() ? m_fields[(size_t)index] : nullptr;
    if (f && f->type == DBF_DOUBLE) return ValidateRealText(text, index);
    return 1;
  }
  CStringArray& GetDefaultValues() override { return m_defaults; }
  int ValidateRecord(CStringArray& strings, CUIntArray& map) override {
    CString message;
    for (int c : m_required) {
      CString text = StringAt(strings, map, c);
      if (!text.IsEmpty()) {
        if (!ValidateField(text, c)) return 0;
        continue;
      }
      if (!message.IsEmpty()) message += "\n";
      message += GetColTitle(c);
      message += CMsgDll::pfuncLoadStr(GetNotEnteredKey(), 0);
    }
    if (message.IsEmpty()) return 1;
    SetWarningText(message);
    return 0;
  }
  int GetRecordCount() override { return m_pTable ? m_pTable->GetCount() : 0; }
  void FillRowsForKeys(int n, const UINT* keys, CUIntArray&) override {
    Rec rec;
    for (int i = 0; i < n && m_pTable; ++i)
      if (m_pTable->Get(keys[i], rec)) RecordToRow((ROWCOL)i + 1, keys[i], rec);
  }
  void FillAllRows(int, CUIntArray&) override {
    if (!m_pTable) return;
    CUIntArray keys;
    m_pTable->GetKeyList(keys);
    Rec rec;
    ROWCOL row = 1;
    for (UINT k : keys)
      if (m_pTable->Get(k, rec)) RecordToRow(row++, k, rec);
  }
  void FillRowFromStrings(ROWCOL row, CStringArray& strings) override {
    Rec rec;
    rec.Initialize();
    UINT key = 0;
    for (int i = 0; i < GetColInfoCount() && i < strings.GetSize(); ++i) {
      if (i == 0) key = (UINT)std::atol(strings[i].c_str());
      else TextToField(i, strings[i], rec);
    }
    rec.key = key;
    RecordToRow(row, key, rec);
  }
  // ---- change following ------------------------------------------------------------------
  // The framework's entry: the replay of the list of the database the hint names (the
  // grid's table's); nothing for another database, no hint or an empty list.
  void UpdateBuffer(CObject* pHint) override {
    DB_CDataBase* db = HintDB(pHint);
    if (db && db->HasUpdateRecords()) Replay(*db);
  }
  // The database a hint names: the grid's table's when the ids agree.
  DB_CDataBase* HintDB(CObject* pHint) const {
    auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
    DB_CDataBase* db = m_pTable ? m_pTable->GetDB() : nullptr;
    return hint && db && db->GetID() == hint->m_nDBID ? db : nullptr;
  }
  // The whole list of db through the grid alone (a window with one grid).
  void Replay(const DB_CDataBase& db) {
    BeginReplay(db);
    POSITION pos = db.GetFirstUpdatePosition();
    while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) ReplayEntry(db, *u);
    EndReplay(db);
  }
  void BeginReplay(const DB_CDataBase&) override {
    m_batch = Batch();
    m_bReplaying = TRUE;
  }
  void ReplayEntry(const DB_CDataBase& db, const DB_CUpdateRecord& u) override {
    if (!m_bReplaying) return;
    m_batch.own += m_feed.Feed(db, u);
  }
  // Applies the gathered transaction under the drawing lock (one redraw at the end, none
  // when an outer caller holds the lock).
  void EndReplay(const DB_CDataBase&) override {
    if (!m_bReplaying) return;
    m_bReplaying = FALSE;
    CCmdDrawLock lock(*this);
    ApplyReplay();
    m_batch = Batch();
  }

  // The row showing key, or -1: the row of the key's sequence when it shows the key
  // (O(log n)), else the key-to-row map of the grid's rows.
  virtual int FindRowByKey(UINT key) {
    if (!key) return -1;
    int seq = m_pTable ? m_pTable->GetSeq(key) : 0;
    if (seq >= 1 && (ROWCOL)seq < GetAppendRowNo() && GetRowKey((ROWCOL)seq) == key) return seq;
    return RowFromMap(key);
  }
  // A key the table no longer holds is shown nowhere once the replay is done.
  int FindRecordByKey(UINT key) override {
    if (m_pTable && !m_pTable->Exist(key)) return -1;
    return FindRowByKey(key);
  }
  // The framework's append-row upkeep; every fill ends with it, so the key-to-row map is
  // built again when next needed.
  void AdjustAppendRowNo() override {
    m_bRowMapValid = FALSE;
    CTBCommon::AdjustAppendRowNo();
  }

 protected:
  // ---- the steps of a replay: what each entry of the table does to the batch. A grid that
  // shows a part of its table, or follows other tables, overrides them. ------------------
  virtual void ReplayAdd(UINT key, const Rec& rec) { QueueAdd(key, rec); }
  virtual void ReplayDel(UINT key, const Rec&) { QueueDel(key); }
  virtual void ReplayModify(UINT key, const Rec& rec, UINT, const Rec&) { QueueModify(key, rec); }
  virtual void ReplayOther(int, UINT) {}
  // After the walk: the batch applied, the selection shown again, the append row kept;
  // or one refill while the grid's own row move runs (SetMovingRows).
  virtual void ApplyReplay() {
    if (m_bMovingRows) {
      MakeItemEx(nullptr, -2, 0);
      return;
    }
    const BOOL refill = ApplyBatch();
    if (m_batch.own) ShowSelected();
    AdjustAppendRowNo();
    if (refill) MakeItemEx(nullptr, -2, 0);
  }

  // The net effect of one transaction on the shown rows, in list order: a record added
  // and deleted again is never shown, a modification of a record added in the same
  // transaction changes what is added.
  void QueueAdd(UINT key, const Rec& rec) {
    m_batch.addAt[key] = m_batch.adds.size();
    m_batch.adds.push_back({key, rec, true});
  }
  void QueueDel(UINT key) {
    auto it = m_batch.addAt.find(key);
    if (it != m_batch.addAt.end()) {
      m_batch.adds[it->second].live = false;
      m_batch.addAt.erase(it);
      return;
    }
    m_batch.dels.push_back(key);
  }
  void QueueModify(UINT key, const Rec& rec) {
    auto it = m_batch.addAt.find(key);
    if (it != m_batch.addAt.end()) m_batch.adds[it->second].rec = rec;
    else m_batch.mods.push_back({key, rec, true});
  }
  int OwnEntries() const { return m_batch.own; }
  BOOL HasRowChanges() const { return !m_batch.dels.empty() || !m_batch.addAt.empty(); }

  // Applies the batch incrementally: the rows of deleted records removed in one pass, the
  // added records' rows inserted in one pass at their places (RowForNewKey, in ascending
  // order, before the append row), then the modified records' rows rewritten. Non-zero
  // when a rewritten record no longer stands in its row's place (a record moved by
  // someone else, as the undo or redo of a move: RowIsInPlace): the grid must be filled
  // again.
  BOOL ApplyBatch() {
    std::vector<ROWCOL> gone;
    for (UINT key : m_batch.dels)
      if (int row = RowFromMap(key); row > 0) gone.push_back((ROWCOL)row);
    if (!gone.empty()) {
      std::sort(gone.begin(), gone.end());
      gone.erase(std::unique(gone.begin(), gone.end()), gone.end());
      CTBBrowserWnd::DeleteRecords(gone);
      m_bRowMapValid = FALSE;
    }
    struct Place {
      int target;
      size_t index;
    };
    std::vector<Place> places;
    for (size_t i = 0; i < m_batch.adds.size(); ++i)
      if (m_batch.adds[i].live) places.push_back({RowForNewKey(m_batch.adds[i].key, m_batch.adds[i].rec), i});
    if (!places.empty() && GetRowCount() >= 1) {
      std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.target < b.target; });
      // Each row lands where inserting the records one by one in this order would put
      // it: at its place, after the rows placed before it, never past the append row.
      std::vector<ROWCOL> rows;
      const ROWCOL count = GetRowCount();
      ROWCOL prev = 0;
      for (size_t i = 0; i < places.size(); ++i) {
        ROWCOL row = (ROWCOL)std::max(places[i].target, 1);
        row = std::max(row, prev + 1);
        row = std::min(row, count + (ROWCOL)i);
        rows.push_back(row);
        prev = row;
      }
      if (CTBBrowserWnd::InsertRecords(rows))
        for (size_t i = 0; i < places.size(); ++i) {
          const Added& a = m_batch.adds[places[i].index];
          RecordToRow(rows[i], a.key, a.rec);
        }
      m_bRowMapValid = FALSE;
    }
    BOOL refill = FALSE;
    for (const Added& m : m_batch.mods) {
      int row = FindRowByKey(m.key);
      if (row <= 0) continue;
      RecordToRow((ROWCOL)row, m.key, m.rec);
      if (!RowIsInPlace((ROWCOL)row, m.key)) refill = TRUE;
    }
    return refill;
  }

 public:
  // Set around the grid's own TR_ChangeSeq: the replay inside it refills every row.
  void SetMovingRows(BOOL b) { m_bMovingRows = b; }
  BOOL IsMovingRows() const { return m_bMovingRows; }

  // Rows are not moved while a cell or a row is being edited: the message, and TRUE.
  BOOL RefuseMoveWhileEditing() {
    if (!IsEditing() && !IsRowEditPending()) return FALSE;
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_", 0));
    return TRUE;
  }

  // The header refresher: the titles (the array is not read) of the first n columns.
  virtual void SetHeaderTitles(CStringArray&, int n) { SetHeaderTitle(n, 1); }

  // The default name of a new row.
  int OnInsertEmptyRecord(ROWCOL row) override {
    if (!CTBCommon::OnInsertEmptyRecord(row)) return 0;
    ROWCOL r = 0, c = 0;
    ROWCOL nameCol = GetColumnNoFor(GetNameColumnIndex());
    if (!GetCurrentCell(r, c) || c == nameCol) return 1;
    // A text without its number placeholder gets one, so that the names can differ.
    CString fmt = CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADD2__New_d", 0);
    if (fmt.Find("%d") < 0) fmt += "%d";
    CString name;
    for (int n = 1;; ++n) {
      name.Format((LPCTSTR)fmt, n);
      if (!GetKeyByName(name)) break;
    }
    SetValueRange(CGXRange(row, nameCol), (LPCTSTR)name);
    return 1;
  }

 protected:
  static CString StringAt(CStringArray& strings, CUIntArray& map, int index) {
    if (index < 0 || index >= map.GetSize()) return CString();
    UINT pos = map[index];
    return pos >= 1 && (INT_PTR)pos <= strings.GetSize() ? strings[pos - 1] : CString();
  }

  // The row of a key from the key-to-row map of the grid's rows, built again (one pass)
  // when rows were inserted, removed or filled since; a row found is checked to show the
  // key, so rows moved behind the map's back are found too. -1 when no row shows it.
  int RowFromMap(UINT key) {
    if (!key) return -1;
    if (m_bRowMapValid) {
      auto it = m_rowOfKey.find(key);
      if (it == m_rowOfKey.end()) return -1;
      if (it->second < GetAppendRowNo() && GetRowKey(it->second) == key) return (int)it->second;
    }
    m_rowOfKey.clear();
    for (ROWCOL r = 1; r < GetAppendRowNo(); ++r)
      if (UINT k = GetRowKey(r)) m_rowOfKey.emplace(k, r);
    m_bRowMapValid = TRUE;
    auto it = m_rowOfKey.find(key);
    return it == m_rowOfKey.end() ? -1 : (int)it->second;
  }

  static bool IsFlag(const CCmdGridColumn& c) { return c.format && CString(c.format) == CMD_COL_FLAG; }
  static CString ChoiceText(const CCmdGridColumn& c, int value) {
    for (int i = 0; i < c.choiceCount; ++i)
      if (c.choices[i].value == value) return CMsgDll::pfuncLoadStr(c.choices[i].textKey, 0);
    return CString();
  }
  static int ChoiceValue(const CCmdGridColumn& c, const CString& text) {
    for (int i = 0; i < c.choiceCount; ++i)
      if (text == CMsgDll::pfuncLoadStr(c.choices[i].textKey, 0)) return c.choices[i].value;
    return 0;
  }

  TTable* m_pTable = nullptr;
  void* m_pOwner = nullptr;
  std::vector<int> m_required;
  std::vector<CCmdGridColumn> m_columns;
  std::vector<const DB_CFlatField*> m_fields;  // by index; NULL: no field
  CStringArray m_defaults;                     // entry n: index n + 1
  BOOL m_bMovingRows = FALSE;

 private:
  struct Added {
    UINT key;
    Rec rec;
    bool live;
  };
  struct Batch {
    int own = 0;
    std::vector<Added> adds;
    std::unordered_map<UINT, size_t> addAt;  // live adds by key
    std::vector<UINT> dels;
    std::vector<Added> mods;
  };
  CCmdReplaySteps<Rec> MakeSteps() {
    CCmdReplaySteps<Rec> steps;
    steps.add = [this](UINT key, const Rec& rec) { ReplayAdd(key, rec); };
    steps.del = [this](UINT key, const Rec& rec) { ReplayDel(key, rec); };
    steps.modify = [this](UINT key, const Rec& rec, UINT oldKey, const Rec& before) {
      ReplayModify(key, rec, oldKey, before);
    };
    steps.other = [this](int code, UINT key) { ReplayOther(code, key); };
    return steps;
  }
  CCmdReplaySteps<Rec> m_steps = MakeSteps();
  CCmdReplayFeed<Rec> m_feed{TTable::m_nClassID, m_steps};
  Batch m_batch;
  BOOL m_bReplaying = FALSE;
  std::unordered_map<UINT, ROWCOL> m_rowOfKey;
  BOOL m_bRowMapValid = FALSE;
};
