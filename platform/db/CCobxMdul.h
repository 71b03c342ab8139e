// The towers of the model, by name in sequence order; item data the key. Made with
// CBS_DROPDOWN it is editable: a typed text that is a tower's name selects that tower
// (GetSelectedMdul), any other typed text selects none.
#pragma once
#include "db/CCobxDBBase.h"

class CCobxMdul : public CCobxDBBase {
  DECLARE_DYNAMIC(CCobxMdul)

 public:
  CCobxMdul() = default;
  BOOL ChangeSelect(UINT mdulKey) { return SelectKey(mdulKey); }
  BOOL GetSelectedMdul(UINT& mdulKey) const { return GetSelectedKey(mdulKey); }

 protected:
  void FillItems(CDBDoc& doc, Items& items) override;
  BOOL WatchesClass(UINT nClassID) const override;
};
