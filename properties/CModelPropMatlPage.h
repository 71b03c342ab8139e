// The material page of the property sheet: every material of the model (CClassMatl) with
// its number, name, type, design code and grade; Add and Edit open the material editor;
// a copy is named "<name>_<new key>", as material names are unique. See CModelPropListPage.
#pragma once
#include "db/T_MATL_D.h"
#include "properties/CModelPropListPage.h"

class CModelPropMatlPage : public CModelPropListPage {
  DECLARE_DYNAMIC(CModelPropMatlPage)

 public:
  explicit CModelPropMatlPage(CWnd* pParent = nullptr);

  // Key ("%d"), name, type text ("S" "Steel", "C" "RC", "U" "User Defined", "SRC" "SRC",
  // any other code empty), design code and grade of the first sub-material.
  static void GetRowTexts(UINT key, const T_MATL_D& rec, CStringArray& texts);

 protected:
  BOOL FillRows() override;
  void ReplayRows(const DB_CDataBase& db) override;
  void RunEditor(UINT key) override;
  BOOL DeleteRecord(UINT key) override;
  int CopyRecord(UINT key) override;

  DECLARE_MESSAGE_MAP()
};
