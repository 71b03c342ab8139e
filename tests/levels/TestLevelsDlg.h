// A test window of the suite's own that hosts the three level grids the way the levels
// page will: placeholders 16374 (towers), 16371 (standard floors) and 16377 (stories),
// the grids bound to them, the update connector dispatching through
// CCmdLevelGridsDispatch, and the story defaults the story grid hands over kept.
#pragma once
#include <memory>
#include <vector>
#include "afx/AfxStyles.h"
#include "afx/CDialog.h"
#include "levels/CCmdLevelGridsDispatch.h"
#include "levels/CCmdMdulGrid2.h"
#include "levels/CCmdPlanGrid.h"
#include "levels/CCmdStorGrid.h"
#include "ui/CDBUpdateConnector.h"

enum : int { IDC_TEST_PLAN_GRID = 16371, IDC_TEST_MDUL_GRID = 16374, IDC_TEST_STOR_GRID = 16377 };

class CTestLevelsDlg : public CDialog, public CDBUpdateConnector, public ICmdStorGridOwner {
 public:
  CTestLevelsDlg() : mdul(this), plan(this), stor(this) {}
  ~CTestLevelsDlg() override {
    Disconnect();
    if (m_hWnd) DestroyWindow();
  }

  BOOL Open() {
    static const AFX_DLGITEM items[] = {
        {"STATIC", "", IDC_TEST_MDUL_GRID, 5, 5, 100, 80, WS_CHILD | WS_VISIBLE, 0},
        {"STATIC", "", IDC_TEST_PLAN_GRID, 110, 5, 100, 80, WS_CHILD | WS_VISIBLE, 0},
        {"STATIC", "", IDC_TEST_STOR_GRID, 5, 90, 300, 150, WS_CHILD | WS_VISIBLE, 0},
    };
    static const AFX_DLGTEMPLATE tmpl = {990601, "Levels", 0, 0, 320, 250, WS_POPUP | WS_VISIBLE, 0, "", 9, items, 3};
    return CreateIndirect(&tmpl);
  }

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    mdul.SubclassDlgItem(IDC_TEST_MDUL_GRID, this);
    mdul.Initialize();
    plan.SubclassDlgItem(IDC_TEST_PLAN_GRID, this);
    plan.Initialize();
    stor.SubclassDlgItem(IDC_TEST_STOR_GRID, this);
    stor.Initialize();
    stor.ShowTower(1);
    dispatch.SetGrids(&stor, &plan, &mdul, [this] { ++towerRebuilds; });
    Connect();
    return TRUE;
  }

  void OnDBUpdate(const DB_CDataBase& db) override {
    ++transactions;
    dispatch.OnDBUpdate(db);
  }
  void ShowStoryDefaults(int nMode, UINT storKey) override { defaults.push_back({nMode, storKey}); }

  CCmdMdulGrid2 mdul;
  CCmdPlanGrid plan;
  CCmdStorGrid stor;
  CCmdLevelGridsDispatch dispatch;
  int towerRebuilds = 0;
  int transactions = 0;  // typed hook calls
  std::vector<std::pair<int, UINT>> defaults;
};
