// What the story-material tests share: a host application whose fallback grade keys name
// materials ("IDS_WG_CMD_STORY_MATL_C30" is "C30"...), a current document with two towers
// (the main tower with stories 1F to 3F above its base story, tower "East" with E1F and
// E2F) and materials of the three types, and a listener that counts the transactions of
// the model database and keeps the update codes of the last one.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "host/CHostApp.h"

class CMatlTransactionCounter : public DB_CUpdateListener {
 public:
  int transactions = 0;
  std::vector<int> lastCodes;
  void OnUpdate(CView*, LPARAM, CObject*) override;
};

class StorMatlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A material of type "C", "S" or "SRC"; its key.
  UINT AddMatl(const char* name, const char* type);
  // Stories of a tower, top first.
  std::vector<UINT> StoriesTopFirst(UINT tower);
  T_STOR_D Story(UINT key);
  std::string Text(const char* key);
  std::string LastMessage();

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassMdul* mdul = nullptr;
  CClassStor* stor = nullptr;
  CClassMatl* matl = nullptr;
  UINT east = 0;
  UINT c30 = 0, c40 = 0, q235 = 0, q355 = 0, src = 0;
  CMatlTransactionCounter counter;
};
