// The standard floors of the model, by name in sequence order; item data the key.
#pragma once
#include "db/CCobxDBBase.h"

class CCobxPlan : public CCobxDBBase {
  DECLARE_DYNAMIC(CCobxPlan)

 public:
  CCobxPlan() = default;
  BOOL ChangeSelect(UINT planKey) { return SelectKey(planKey); }
  BOOL GetSelectedPlan(UINT& planKey) const { return GetSelectedKey(planKey); }

 protected:
  void FillItems(CDBDoc& doc, Items& items) override;
  BOOL WatchesClass(UINT nClassID) const override;
};
