// The names offered for one name kind (SetType): the names that the model's tables hold
// for it, item data the record key. A part of the library that owns such names registers
// where they come from (RegisterNameSource, at load, once a kind); a kind without a source
// offers no names. The second argument of SetType is kept for the kinds that will need
// it; it does not change the list now. EnableEdit makes the combo take typed names
// (CBS_DROPDOWN) or not (CBS_DROPDOWNLIST).
#pragma once
#include "db/CCobxDBBase.h"

class CCobxName : public CCobxDBBase {
  DECLARE_DYNAMIC(CCobxName)

 public:
  // Fills the items of one kind from a document; classId names the table whose update
  // records change them (0: none).
  using NameSource = void (*)(CDBDoc& doc, int nKind, Items& items);
  static void RegisterNameSource(int nKind, NameSource pfn, UINT nClassID);

  CCobxName() = default;
  void SetType(int nKind, int nFlag);
  int GetType() const { return m_nKind; }
  BOOL ChangeSelect(UINT key) { return SelectKey(key); }
  BOOL GetSelectedName(UINT& key) const { return GetSelectedKey(key); }
  void EnableEdit(BOOL bEnable);

 protected:
  void FillItems(CDBDoc& doc, Items& items) override;
  BOOL WatchesClass(UINT nClassID) const override;

 private:
  int m_nKind = 0;
  int m_nFlag = 0;
};
