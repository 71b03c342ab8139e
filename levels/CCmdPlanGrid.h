// The standard-floor grid of the levels page: the standard floors (CClassPlan) in
// key-list order, with a hidden key column, the name (shown, not edited) and the slab
// type chosen from a drop-down list. Rows are dragged into a new order (one
// TR_ChangeSeq; the rows follow from the replay) and deleted through
// DeleteSelectedRows. A modification writes the name and the slab type and leaves the
// standard floor's other fields as they are (CClassPlan::TR_ModifySlabType).
//
// Slab types and their texts (compared exactly; any other text reads as 0, any other
// type shows an empty text): 2 "IDS_WG_CMD_IP_STORYDLG_CBX_Rigid_Diaphragm", 3
// "..._Membrane", 4 "..._Plate", 5 "..._Plate_Bending".
#pragma once
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "common/CCmdRecordGrid.h"

class CCmdPlanGrid : public CCmdRecordGrid<CClassPlan> {
 public:
  // The owning page is kept, not used. The page binds the grid to placeholder 16371.
  explicit CCmdPlanGrid(void* pOwner);

  void Initialize() override;

  // Moves the dragged standard floors after the target row's one; always 0 (the grid
  // control never moves the rows itself).
  BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW) override;

  // The text of a slab type, and the slab type of a text.
  static CString SlabTypeText(int slabType);
  static int SlabTypeOfText(const CString& text);

 protected:
  BOOL TableModify(const CString& oldName, const T_PLAN_D& rec) override;
  BOOL TableModify(const CStringArray& oldNames, const CArray<T_PLAN_D>& recs) override;

 private:
  void SetupSlabTypeColumn();
  [[maybe_unused]] CClassStor* m_pStor = nullptr;
  [[maybe_unused]] CClassMdul* m_pMdul = nullptr;
};
