// The record grid of the beam load type dialog: one row per beam load type in the table's
// order - its key (ID, not shown), name, dead and live line loads ("%.3g" in the current
// units) and description.
//
// Rules:
// - A new row shows no ID and starts with DL and LL "0.", so a typed name is enough to
//   save it; the table gives the key, which the row shows once the add comes back.
// - Name, DL and LL are required (their titles with "IDS_CMD_GRID_ERR_Not_Entered", one
//   line each); DL and LL must be reals. Names need not be unique.
// - A row is saved under the key it showed before the edit. A DL or LL whose shown text
//   was left alone keeps its stored value: the three digits shown never round it.
// - A paste adds its new rows under keys the table gives, in one transaction.
// - A delete of several rows is one transaction.
// - The grid follows every transaction of the table, applied once per transaction.
#pragma once
#include "db/CClassBltp.h"
#include "loads/CCmdLoadTypeGridBase.h"

class CCmdBeamLoadTypeGrid : public CCmdLoadTypeGridBase<CClassBltp> {
 public:
  CCmdBeamLoadTypeGrid();

  int AddRecords(CPtrArray& keys, CPtrArray& records) override;
  int ModifyRecords(CStringArray& keyTexts, CPtrArray& keys, CPtrArray& records) override;
  int ModifyRecord(ROWCOL row) override;

 private:
  // The record to write over the stored one of key: the row's fields, the stored leading
  // word, and each load whose shown text was left alone as stored.
  T_BLTP_D OverStored(UINT key, const T_BLTP_D& row) const;
};
