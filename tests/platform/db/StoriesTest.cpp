// The story table's own reads and writes, and the basement record.
#include "DbFixture.h"

namespace {

class Stories : public DbTest {
 protected:
  // Tower1: Base, 1F, 2F, 3F; Tower2 (key 2) standing on 2F: T1, T2.
  void Build() {
    ASSERT_TRUE(mdul->TR_Add(Tower("Tower2")));
    ASSERT_TRUE(plan->TR_Add(Plan("P2")));
    ASSERT_TRUE(stor->TR_Add(Arr({Story("1F", 1, 4.0), Story("2F", 1, 3.5), Story("3F", 1, 3.0)})));
    ASSERT_TRUE(stor->TR_Add(Arr({Story("T1", 2, 3.0), Story("T2", 2, 2.5)})));
    T_MDUL_D t = Tower("Tower2", 2);
    t.startStorKey = stor->GetKey("2F", 1);
    ASSERT_TRUE(mdul->TR_Modify(2u, t));
  }
  std::string TowerNames(UINT tower, bool reverse = false) {
    CUIntArray k;
    if (reverse) stor->GetKeyListReverse(k, tower);
    else stor->GetKeyList(k, tower);
    std::string s;
    for (UINT key : k) {
      T_STOR_D r;
      stor->Get(key, r);
      s += (s.empty() ? "" : ",") + std::string(r.name.c_str());
    }
    return s;
  }
};

TEST_F(Stories, NewStoriesGoOnTopOfTheirTower) {
  Build();
  EXPECT_EQ(Names(stor), "Base,1F,2F,3F,T1,T2");
  ASSERT_TRUE(stor->TR_Add(Story("4F", 1)));
  EXPECT_EQ(Names(stor), "Base,1F,2F,3F,4F,T1,T2");
  ASSERT_TRUE(mdul->TR_Add(Tower("Empty")));
  ASSERT_TRUE(stor->TR_Add(Story("E1", 3)));
  EXPECT_EQ(Names(stor), "Base,1F,2F,3F,4F,T1,T2,E1");
  EXPECT_EQ(TowerNames(1), "Base,1F,2F,3F,4F");
  EXPECT_EQ(TowerNames(1, true), "4F,3F,2F,1F,Base");
  EXPECT_EQ(stor->GetCountWithoutBase(1), 4);
  EXPECT_EQ(stor->GetCountWithoutBase(2), 2);
  EXPECT_EQ(stor->GetCountWithoutBase(9), 0);
}

TEST_F(Stories, DeletingAStandardFloorLeavesItsStoriesWithout) {
  Build();
  UINT p2 = plan->GetKey("P2");
  T_STOR_D s = Story("4F");
  s.planKey = p2;
  ASSERT_TRUE(stor->TR_Add(s));
  UINT k = stor->GetKey("4F", 1);
  RecordingListener l;
  l.ConnectDB(db);
  ASSERT_TRUE(plan->TR_Del(p2));
  EXPECT_EQ(l.calls, 1);
  ASSERT_EQ(l.seen.size(), 3u);
  EXPECT_EQ(l.seen[0].code, (int)CClassStor::UR_STOR_MFD);
  EXPECT_EQ(l.seen[2].code, (int)CClassPlan::UR_PLAN_DEL);
  T_STOR_D got;
  stor->Get(k, got);
  EXPECT_EQ(got.planKey, 0u);
  got.height = 5.0;  // the story can still be edited
  EXPECT_TRUE(stor->TR_Modify1(CString("4F"), got));
  EXPECT_TRUE(db->Undo());
  EXPECT_TRUE(db->Undo());
  stor->Get(k, got);
  EXPECT_EQ(got.planKey, p2);
}

// The stories of one standard floor come from every tower, in sequence order.
TEST_F(Stories, StoriesOfAStandardFloorInSequenceOrder) {
  Build();
  const UINT p2 = plan->GetKey("P2");
  for (const char* name : {"T1", "2F"}) {
    T_STOR_D s;
    const UINT k = stor->GetKey(name, name[0] == 'T' ? 2 : 1);
    ASSERT_TRUE(stor->Get(k, s));
    s.planKey = p2;
    ASSERT_TRUE(stor->TR_Modify(k, s));
  }
  auto names = [&](UINT planKey) {
    CUIntArray k;
    stor->GetKeyListByPlanK(k, planKey);
    std::string out;
    for (UINT key : k) out += (out.empty() ? "" : ",") + std::string(stor->GetName(key).c_str());
    return out;
  };
  EXPECT_EQ(names(p2), "2F,T1");
  EXPECT_EQ(names(1), "Base,1F,3F,T2");
  EXPECT_EQ(names(99), "");
}

TEST_F(Stories, NamesAreUniquePerTower) {
  Build();
  EXPECT_TRUE(stor->TR_Add(Story("1F", 2)));
  EXPECT_FALSE(stor->TR_Add(Story("1F", 1)));
  EXPECT_NE(stor->GetKey("1F", 1), stor->GetKey("1F", 2));
  EXPECT_EQ(stor->GetKey("T1", 1), 0u);
}

TEST_F(Stories, RefusesBadRecords) {
  Build();
  EXPECT_FALSE(stor->TR_Add(Story("X", 9)));         // no such tower
  EXPECT_FALSE(stor->TR_Add(Story("X", 1, -0.1)));   // negative height
  T_STOR_D s = Story("X");
  s.planKey = 42;                                    // no such standard floor
  EXPECT_FALSE(stor->TR_Add(s));
  s.planKey = 0;                                     // none is allowed
  EXPECT_TRUE(stor->TR_Add(s));
}

TEST_F(Stories, InsertAboveTheCurrentStory) {
  Build();
  // Positions as the story grid computes them: GetSeq(current) + 1.
  int pos = stor->GetSeq(stor->GetKey("3F", 1)) + 1;  // top of Tower1
  ASSERT_TRUE(stor->TR_Insert(Arr({Story("4F"), Story("5F")}), pos));
  EXPECT_EQ(TowerNames(1), "Base,1F,2F,3F,4F,5F");
  EXPECT_EQ(Names(stor), "Base,1F,2F,3F,4F,5F,T1,T2");
}

TEST_F(Stories, LevelsFollowTheTowerStart) {
  Build();
  double level = -1;
  EXPECT_TRUE(stor->GetStartLevelofCurMdul(1, level));
  EXPECT_EQ(level, 0.0);
  EXPECT_TRUE(stor->GetStartLevelofCurMdul(2, level));
  EXPECT_DOUBLE_EQ(level, 7.5);
  EXPECT_FALSE(stor->GetStartLevelofCurMdul(7, level));
  EXPECT_TRUE(stor->GetTopLevel(stor->GetKey("T2", 2), level));
  EXPECT_DOUBLE_EQ(level, 13.0);
  // A story of height 0 has the level of the story below it.
  ASSERT_TRUE(stor->TR_Add(Story("Flat", 1, 0.0)));
  double below, flat;
  stor->GetTopLevel(stor->GetKey("3F", 1), below);
  stor->GetTopLevel(stor->GetKey("Flat", 1), flat);
  EXPECT_EQ(below, flat);
  // Towers standing on each other do not loop.
  T_MDUL_D t1 = Tower("Tower1", 1);
  t1.startStorKey = stor->GetKey("T1", 2);
  ASSERT_TRUE(mdul->TR_Modify(1u, t1));
  EXPECT_TRUE(stor->GetStartLevelofCurMdul(2, level));
}

TEST_F(Stories, ReplaceAllStoriesOfATower) {
  Build();
  UINT t1 = stor->GetKey("T1", 2);
  // Replacing Tower1's stories keeps the base story, in the same place.
  ASSERT_TRUE(stor->TR_Add(Arr({Story("A", 7), Story("B", 7)}), 1, 1));
  EXPECT_EQ(Names(stor), "Base,A,B,T1,T2");
  EXPECT_EQ(stor->GetKey("A", 1) != 0, true);
  // A name clash with the base story is refused whole.
  EXPECT_FALSE(stor->TR_Add(Arr({Story("Base"), Story("C")}), 1, 1));
  EXPECT_EQ(Names(stor), "Base,A,B,T1,T2");
  // New records may reuse the keys of the stories they replace.
  ASSERT_TRUE(stor->TR_Add(Arr({Story("N1", 2, 3.0, t1)}), 1, 2));
  EXPECT_EQ(Names(stor), "Base,A,B,N1");
  EXPECT_TRUE(db->Undo());
  EXPECT_EQ(Names(stor), "Base,A,B,T1,T2");
  EXPECT_FALSE(stor->TR_Add(Arr({Story("Z")}), 1, 99));  // no such tower
  // Without replacing, the records join the tower.
  ASSERT_TRUE(stor->TR_Add(Arr({Story("T3", 1)}), 0, 2));
  EXPECT_EQ(TowerNames(2), "T1,T2,T3");
}

TEST_F(Stories, Modify1KeepsMaterialsModify2OnlyMaterials) {
  Build();
  UINT k = stor->GetKey("2F", 1);
  T_STOR_D mats = Story("2F");
  mats.singleMatl = 0;
  mats.colmMatlKey = 5;
  mats.height = 99.0;
  mats.deadLoad = 42.0;
  mats.masterStory = 1;
  mats.bendFactor = 4.5;
  ASSERT_TRUE(stor->TR_Modify2(CString("2F"), mats));
  T_STOR_D got;
  stor->Get(k, got);
  EXPECT_EQ(got.colmMatlKey, 5u);
  EXPECT_EQ(got.singleMatl, 0);
  EXPECT_EQ(got.masterStory, 1) << "the material grids' master story";
  EXPECT_EQ(got.bendFactor, 4.5);
  EXPECT_EQ(got.height, 3.5);  // not a material
  EXPECT_NE(got.deadLoad, 42.0);
  T_STOR_D general = Story("2F-new", 1, 4.25);
  general.deadLoad = 6.0;
  ASSERT_TRUE(stor->TR_Modify1(CString("2F"), general));
  stor->Get(k, got);
  EXPECT_EQ(got.name, "2F-new");
  EXPECT_EQ(got.height, 4.25);
  EXPECT_EQ(got.deadLoad, 6.0);
  EXPECT_EQ(got.colmMatlKey, 5u);
  EXPECT_EQ(got.singleMatl, 0);
  CStringArray old;
  old.Add("1F");
  old.Add("3F");
  EXPECT_TRUE(stor->TR_Modify1(old, Arr({Story("3F", 1, 1.0), Story("1F", 1, 2.0)})));
  EXPECT_EQ(TowerNames(1), "Base,3F,2F-new,1F");
}

TEST_F(Stories, BasementCountAndReferenceStory) {
  Build();
  T_GRND_D g;
  g.groundLevel = -0.45;
  g.basementCount = 3;
  EXPECT_TRUE(grnd->TR_Add(g));
  EXPECT_EQ(grnd->GetReferenceStorK(), stor->GetKey("3F", 1));
  EXPECT_EQ(grnd->GetStoryCountByReferenceStoryK(stor->GetKey("2F", 1)), 2);
  EXPECT_EQ(grnd->GetStoryCountByReferenceStoryK(1), 0);
  EXPECT_EQ(grnd->GetStoryCountByReferenceStoryK(0), 0);
  EXPECT_EQ(grnd->GetStoryCountByReferenceStoryK(stor->GetKey("T1", 2)), 0);
  g.basementCount = 4;  // more than the stories without the base
  EXPECT_FALSE(grnd->TR_Add(g));
  g.basementCount = -1;
  EXPECT_FALSE(grnd->TR_Add(g));
  g.basementCount = 0;
  EXPECT_TRUE(grnd->TR_Add(g));
  EXPECT_EQ(grnd->GetReferenceStorK(), 0u);
  EXPECT_EQ(grnd->GetCount(), 1);
}

TEST_F(Stories, BasementAndModelControlInOneTransaction) {
  Build();
  RecordingListener l;
  l.ConnectDB(db);
  T_GRND_D g;
  g.basementCount = 2;
  T_MCTL_D c;
  c.releasedBasementStories = 2;
  ASSERT_TRUE(grnd->TR_Add_All(&g, &c));
  EXPECT_EQ(l.calls, 1);
  ASSERT_EQ(l.seen.size(), 2u);
  EXPECT_EQ(l.seen[0].code, (int)CClassGrnd::UR_GRND_ADD);
  EXPECT_EQ(l.seen[1].code, (int)CClassMctl::UR_MCTL_ADD);
  // Released stories beyond the basement stories: refused, nothing written.
  c.releasedBasementStories = 3;
  g.basementCount = 2;
  EXPECT_FALSE(grnd->TR_Add_All(&g, &c));
  // A basement count the stories do not allow: the group rolls back whole.
  c.releasedBasementStories = 0;
  g.basementCount = 9;
  EXPECT_FALSE(grnd->TR_Add_All(&g, &c));
  EXPECT_EQ(l.calls, 1);
  T_MCTL_D got;
  ASSERT_TRUE(mctl->Get(got));
  EXPECT_EQ(got.releasedBasementStories, 2);
  EXPECT_TRUE(db->Undo());
  EXPECT_EQ(grnd->GetCount(), 0);
  EXPECT_EQ(mctl->GetCount(), 0);
  EXPECT_FALSE(grnd->TR_Add_All(nullptr, &c));
}

TEST_F(Stories, ModelControlIsOneRecord) {
  T_MCTL_D c;
  EXPECT_FALSE(mctl->Get(c));
  c.midBeamFactor = 1.5;
  ASSERT_TRUE(mctl->TR_Add(c));
  c.midBeamFactor = 2.0;
  ASSERT_TRUE(mctl->TR_Add(c));
  EXPECT_EQ(mctl->GetCount(), 1);
  T_MCTL_D got;
  ASSERT_TRUE(mctl->Get(got));
  EXPECT_EQ(got.midBeamFactor, 2.0);
  EXPECT_EQ(std::string(got.baseDof, 6), "111111");
}

}  // namespace
