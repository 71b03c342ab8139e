// What the levels tests share: a host application (text keys, message log, main window),
// a current document whose main tower has stories above its base story, and a listener
// that counts the transactions of the model database and keeps the update codes of the
// last one.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "db/CClassGrnd.h"
#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "host/CHostApp.h"

class CTransactionCounter : public DB_CUpdateListener {
 public:
  int transactions = 0;
  std::vector<int> lastCodes;
  void OnUpdate(CView*, LPARAM, CObject* pHint) override;
};

class LevelsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Adds n stories named 1F, 2F... to a tower, using standard floor 1, height 3.
  void AddStories(UINT mdulKey, int n);
  // Names of a table's records in sequence order, joined by commas; stories of one tower.
  std::string TowerNames();
  std::string PlanNames();
  std::string StoryNames(UINT mdulKey);
  std::string LastMessage();
  std::string Text(const char* key) { return app->LoadStr(key); }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassMdul* mdul = nullptr;
  CClassPlan* plan = nullptr;
  CClassStor* stor = nullptr;
  CClassGrnd* grnd = nullptr;
  CClassMctl* mctl = nullptr;
  CTransactionCounter counter;
};
