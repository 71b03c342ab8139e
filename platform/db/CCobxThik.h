// The plate thicknesses of the model, by name in sequence order, item data the key; the
// first one is selected whenever a fill leaves nothing selected.
#pragma once
#include "db/CCobxDBBase.h"

class CCobxThik : public CCobxDBBase {
  DECLARE_DYNAMIC(CCobxThik)

 public:
  CCobxThik() = default;
  // The selected thickness's key; 0 when none is selected.
  UINT GetSelectedThik() const;

 protected:
  void FillItems(CDBDoc& doc, Items& items) override;
  BOOL WatchesClass(UINT nClassID) const override;
  BOOL SelectsFirstItem() const override { return TRUE; }
};
