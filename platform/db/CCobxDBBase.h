// The base of the record combo boxes (CCobxStor, CCobxPlan, CCobxMdul, CCobxMatl,
// CCobxName): a combo that fills itself from tables of the current document's model
// database, one item a record, the record's key as the item data.
//
// It fills when its window is made or attached (Create, SubclassDlgItem, DDX_Control),
// whenever an option of the derived class changes, and on Refill. While attached it
// listens to that database: a transaction with update records of a table it lists from
// (WatchesClass) fills it again. A refill keeps the selected key when that record is still
// listed; otherwise nothing is selected (an editable combo keeps its typed text), or the
// first item for a combo that asks for it (SelectsFirstItem).
// Opening or renewing a model notifies nobody: call Refill then.
#pragma once
#include <utility>
#include <vector>
#include "afx/CComboBox.h"
#include "db/DB_CUpdateListener.h"

class CDBDoc;

class CCobxDBBase : public CComboBox, public DB_CUpdateListener {
  DECLARE_DYNAMIC(CCobxDBBase)

 public:
  // Items in order: (key, text).
  using Items = std::vector<std::pair<UINT, CString>>;

  void Refill();
  // Selects the item of that key; with none, clears the selection and returns 0.
  BOOL SelectKey(UINT key);
  // The key of the selected item. An editable combo whose text was typed: the key of the
  // item of exactly that text. 0 and a zero result when there is none.
  BOOL GetSelectedKey(UINT& key) const;
  // The index of the item of a key, CB_ERR when it is not listed.
  int FindKey(UINT key) const;

  void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

 protected:
  CCobxDBBase() = default;
  // The items, in order, from the document (never NULL when called).
  virtual void FillItems(CDBDoc& doc, Items& items) = 0;
  // Whether update records of that table change the items.
  virtual BOOL WatchesClass(UINT nClassID) const = 0;
  // Whether a fill that leaves nothing selected selects the first item.
  virtual BOOL SelectsFirstItem() const { return FALSE; }
  void PreSubclassWindow() override;
};
