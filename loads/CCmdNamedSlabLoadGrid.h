// The record grid of the named slab load dialog: one row per named slab load, in the
// table's order - its key (ID, not shown), the slab name (a drop-down of the slab names),
// the dead and live area loads ("%.3g" in the current units) and a description.
//
// Rules:
// - A record lives under the key of its slab name (CClassName, member type 301). A row's
//   key is always its Name text's key: a typed, chosen or pasted name that is no slab name
//   refuses the row with "IDS_WG_CMD_LOAD_SL_WARNING_not_slab_name"; choosing a name shows
//   its key in the ID cell of a row not yet saved.
// - Name, DL and LL are required (their titles with "IDS_CMD_GRID_ERR_Not_Entered", one
//   line each); DL and LL must be reals; the description is optional.
// - A new row (typed or pasted) under a name that already has a load is refused with
//   "IDS_WG_CMD_LOAD_SL_WARNING_already_exists"; nothing is replaced.
// - A row whose name changed moves its record to the new name's key: the addition under
//   the new key and the deletion of the old one are one transaction (one undo), and a new
//   name that already has a load refuses the move ("..._already_exists"). A row whose name
//   is unchanged is modified in place; one saved unchanged writes nothing.
// - A DL or LL whose shown text was left alone keeps its stored value.
// - A delete of several rows is one transaction, keyed by the rows' IDs before editing.
// - The Name choices are the slab names in key order; RefreshNameChoices rebuilds them.
// - The grid follows every transaction of the table, applied once per transaction.
#pragma once
#include "db/CClassName.h"
#include "db/CClassNsbl.h"
#include "loads/CCmdLoadTypeGridBase.h"

class CCmdNamedSlabLoadGrid : public CCmdLoadTypeGridBase<CClassNsbl> {
 public:
  CCmdNamedSlabLoadGrid();

  // Sets the grid up (subclassed on its control first): styles, header height, widths,
  // the Name choices.
  void Initialize() override;
  // The Name column's choices built again from the slab names; rows keep their texts.
  void RefreshNameChoices();
  // "S1\nS2\n": every slab name in key order, each followed by "\n".
  CString GetNameChoices() const;

  int OnInsertEmptyRecord(ROWCOL row) override;
  int AddRecords(CPtrArray& keys, CPtrArray& records) override;
  int AddRecord(ROWCOL row) override;
  int ModifyRecords(CStringArray& keyTexts, CPtrArray& keys, CPtrArray& records) override;
  int ModifyRecord(ROWCOL row) override;
  int NewRecordFromStrings(CStringArray& strings, CUIntArray& map, CPtrArray& keys, CPtrArray& records) override;

 protected:
  void FieldToText(int index, const T_NSBL_D& rec, CString& text) override;
  void OnModifyCell(ROWCOL row, ROWCOL col) override;

 private:
  // The key of a slab name, 0 when it names no slab.
  UINT SlabKey(const CString& name) const;
  // The key a row's name gives, or 0 with the warning text set.
  UINT KeyOfName(const CString& name);
  // The record to write over the stored one of key: the row's fields, and each load whose
  // shown text was left alone as stored.
  T_NSBL_D OverStored(UINT key, const T_NSBL_D& row);
  // Writes the rows' records: each under its new key, moving it from its old key (0: a
  // new record) when the keys differ; one transaction. 0 with the warning text set when a
  // new key already holds a load that stays.
  int WriteMoves(const CUIntArray& oldKeys, const CUIntArray& newKeys, const CArray<T_NSBL_D>& recs);

  CClassName* m_pName = nullptr;
};
