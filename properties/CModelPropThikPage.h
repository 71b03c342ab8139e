// The thickness page of the property sheet: every plate thickness of the model
// (CClassThik) with its number, name and thickness; Add and Edit open the thickness
// editor; a copy keeps the name. Hint 4 rebuilds the list (columns and rows). See
// CModelPropListPage.
#pragma once
#include "db/T_THIK_D.h"
#include "properties/CModelPropListPage.h"

class CModelPropThikPage : public CModelPropListPage {
  DECLARE_DYNAMIC(CModelPropThikPage)

 public:
  explicit CModelPropThikPage(CWnd* pParent = nullptr);

  // Key ("%d"), name, the first thickness as stored ("%g").
  static void GetRowTexts(UINT key, const T_THIK_D& rec, CStringArray& texts);

 protected:
  void OnHint(LPARAM lHint, CObject* pHint) override;
  BOOL FillRows() override;
  void ReplayRows(const DB_CDataBase& db) override;
  void RunEditor(UINT key) override;
  BOOL DeleteRecord(UINT key) override;
  int CopyRecord(UINT key) override;

  DECLARE_MESSAGE_MAP()
};
