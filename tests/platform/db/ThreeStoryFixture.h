// A document whose main tower has the stories 1F, 2F and 3F on plan 1, and members added
// one by one with points of their own.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"

class ThreeStoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NewDocument();
    ASSERT_NO_FATAL_FAILURE(AddStories());
  }
  void TearDown() override { doc.reset(); }

  // The two halves of SetUp, for fixtures that make more between them.
  void NewDocument() {
    doc = std::make_unique<CDBDoc>();
    db = doc->GetModelDB();
  }
  void AddStories() {
    for (const char* name : {"1F", "2F", "3F"}) {
      T_STOR_D s;
      s.name = name;
      s.planKey = 1;
      ASSERT_TRUE(Table<CClassStor>()->TR_Add(s));
      stories.push_back(Table<CClassStor>()->GetKey(name, 1));
    }
  }
  template <class T> T* Table() { return static_cast<T*>(db->GetClass(T::m_nClassID)); }

  // A member of that type on the story: a square outline for an area member, else a line.
  UINT AddMemb(int type, UINT story, double x = 0.0) {
    const int n = type >= 300 ? 4 : 2;
    const double xs[] = {0, 1, 1, 0}, ys[] = {0, 0, 1, 1};
    T_MEMB_D m;
    m.type = type;
    m.storyKey = story;
    for (int i = 0; i < n; ++i) {
      T_PONT_D p;
      p.x = x + xs[i];
      p.y = ys[i];
      p.storyKey = story;
      const UINT k = Table<CClassPont>()->GetNewKey();
      EXPECT_TRUE(Table<CClassPont>()->TR_Add(p));
      m.points.Add(k);
    }
    const UINT key = Table<CClassMemb>()->GetNewKey();
    EXPECT_TRUE(Table<CClassMemb>()->TR_Add(m));
    return key;
  }

  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  std::vector<UINT> stories;
};
