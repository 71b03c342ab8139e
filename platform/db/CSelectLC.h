// The load-case drop-down: one item a load case of the model, its name as the text and its
// key as the item data, in the table's order. It follows the load-case table as every
// record combo does (CCobxDBBase): a transaction that adds, deletes or renames a load case
// fills it again, keeping the selected case while it exists.
//
// SetLoadType (static, a, b, c) chooses the kinds listed: a non-zero first argument lists
// the static load cases (table CClassStld), kind 1. The other three name kinds of load the
// model does not hold (they are recorded and list nothing), so only static cases appear.
// Until SetLoadType is called the list is empty.
//
// ChangeSelect (kind, key, reserved) selects the case of that kind and key; a case that is
// not listed clears the selection (0). GetSelectedLoad (kind, key) gives the selected
// case's kind (1, static) and key; 0, with kind and key 0, when none is selected.
#pragma once
#include "db/CCobxDBBase.h"

class CSelectLCBase : public CCobxDBBase {
  DECLARE_DYNAMIC(CSelectLCBase)

 public:
  enum { LC_STATIC = 1 };

  void SetLoadType(int nStatic, int nKindA, int nKindB, int nKindC);
  BOOL ChangeSelect(int nKind, UINT key, int nReserved = 0);
  BOOL GetSelectedLoad(int& nKind, UINT& key) const;

 protected:
  CSelectLCBase() = default;
  void FillItems(CDBDoc& doc, Items& items) override;
  BOOL WatchesClass(UINT nClassID) const override;

 private:
  int m_kinds[4] = {0, 0, 0, 0};
};

class CSelectLC : public CSelectLCBase {
  DECLARE_DYNAMIC(CSelectLC)

 public:
  CSelectLC() = default;
};
