// Update records, notification, undo and redo, groups.
#include "DbFixture.h"

namespace {

class Updates : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    ASSERT_TRUE(mdul->TR_Add(Arr({Tower("A"), Tower("B")})));  // keys 2, 3
    ASSERT_TRUE(listener.ConnectDB(db));
  }
  RecordingListener listener;
  static constexpr int ADD = CClassMdul::UR_MDUL_ADD, DEL = CClassMdul::UR_MDUL_DEL,
                       MFD = CClassMdul::UR_MDUL_MFD, MFS = CClassMdul::UR_MDUL_MFS;
  static constexpr int PADD = CClassPlan::UR_PLAN_ADD, PMFD = CClassPlan::UR_PLAN_MFD,
                       PMFS = CClassPlan::UR_PLAN_MFS;
  using V = std::vector<SeenUpdate>;
};

TEST_F(Updates, EveryWriteListsItsRecordsInOrderAndTheirUndoAndRedo) {
  struct Case {
    const char* what;
    std::function<BOOL(Updates*)> write;
    V forward;
    V undo;
  };
  const Case cases[] = {
      {"add", [](Updates* t) { return t->mdul->TR_Add(Arr({Tower("C"), Tower("D")})); },
       {{ADD, 4, "C"}, {ADD, 5, "D"}}, {{DEL, 5, "D"}, {DEL, 4, "C"}}},
      {"insert", [](Updates* t) { return t->mdul->TR_Insert(Arr({Tower("C")}), 2); },
       {{ADD, 4, "C"}}, {{DEL, 4, "C"}}},
      {"modify by name", [](Updates* t) { return t->mdul->TR_Modify(CString("A"), Tower("A2")); },
       {{MFD, 2, "A2"}, {MFS, 2, "A"}}, {{MFD, 2, "A"}, {MFS, 2, "A2"}}},
      {"modify key", [](Updates* t) { return t->mdul->TR_Modify(2u, 9u, Tower("A9")); },
       {{MFD, 9, "A9"}, {MFS, 2, "A"}}, {{MFD, 2, "A"}, {MFS, 9, "A9"}}},
      {"delete", [](Updates* t) { return t->mdul->TR_Del(Keys({3, 2})); },
       {{DEL, 3, "B"}, {DEL, 2, "A"}}, {{ADD, 2, "A"}, {ADD, 3, "B"}}},
      {"change sequence", [](Updates* t) { return t->mdul->TR_ChangeSeq(Keys({3}), 1); },
       {{MFD, 3, "B"}, {MFS, 3, "B"}}, {{MFD, 3, "B"}, {MFS, 3, "B"}}},
      {"slab type", [](Updates* t) { T_PLAN_D p = Plan("Plan1"); p.slabType = 5;
                                      return t->plan->TR_ModifySlabType(CString("Plan1"), p); },
       {{PMFD, 1, "Plan1"}, {PMFS, 1, "Plan1"}}, {{PMFD, 1, "Plan1"}, {PMFS, 1, "Plan1"}}},
      {"plan add", [](Updates* t) { return t->plan->TR_Add(Plan("P")); }, {{PADD, 2, "P"}},
       {{CClassPlan::UR_PLAN_DEL, 2, "P"}}},
  };
  for (const Case& c : cases) {
    SetUp();
    std::string before = Names(mdul) + "|" + Names(plan);
    int calls = 0;
    listener.onCall = [&] { ++calls; };
    ASSERT_TRUE(c.write(this)) << c.what;
    EXPECT_EQ(calls, 1) << c.what;
    EXPECT_EQ(listener.seen, c.forward) << c.what;
    EXPECT_EQ(listener.lastHint, 3) << c.what;
    EXPECT_EQ(listener.lastDB, (UINT)DB_ID_MODEL) << c.what;
    std::string after = Names(mdul) + "|" + Names(plan);
    ASSERT_TRUE(db->Undo()) << c.what;
    EXPECT_EQ(listener.seen, c.undo) << c.what;
    EXPECT_EQ(Names(mdul) + "|" + Names(plan), before) << c.what;
    ASSERT_TRUE(db->Redo()) << c.what;
    EXPECT_EQ(listener.seen, c.forward) << c.what;
    EXPECT_EQ(Names(mdul) + "|" + Names(plan), after) << c.what;
    EXPECT_EQ(calls, 3) << c.what;
    listener.onCall = nullptr;
  }
}

TEST_F(Updates, TheListenerSeesTheChangeInsideTheCall) {
  std::string seenNames;
  listener.onCall = [&] { seenNames = Names(mdul); };
  ASSERT_TRUE(mdul->TR_Add(Tower("C")));
  EXPECT_EQ(seenNames, "Tower1,A,B,C");
  EXPECT_TRUE(db->HasUpdateRecords());
  EXPECT_FALSE(db->IsNotifying());
}

TEST_F(Updates, ARefusedWriteNotifiesNobodyAndKeepsTheLastList) {
  ASSERT_TRUE(mdul->TR_Add(Tower("C")));
  V last = listener.seen;
  int calls = listener.calls;
  int undo = db->GetUndoCount();
  EXPECT_FALSE(mdul->TR_Add(Tower("A")));
  EXPECT_FALSE(mdul->TR_Del(77u));
  EXPECT_FALSE(mdul->TR_Insert(Arr({Tower("Q")}), 0));
  EXPECT_FALSE(plan->TR_Modify(CString("none"), Plan("x")));
  EXPECT_EQ(listener.calls, calls);
  EXPECT_EQ(db->GetUndoCount(), undo);
  EXPECT_EQ(db->GetUpdateCount(), 1);
  // Nor does a write that changes nothing.
  EXPECT_TRUE(mdul->TR_Add(CArray<T_MDUL_D>()));
  EXPECT_TRUE(mdul->TR_ChangeSeq(Keys({2}), 2));
  EXPECT_EQ(listener.calls, calls);
}

TEST_F(Updates, WritesDuringNotificationAreRefused) {
  BOOL inner = TRUE;
  listener.onCall = [&] {
    inner = mdul->TR_Add(Tower("Inner"));
    if (inner == FALSE) inner = db->Undo();
  };
  ASSERT_TRUE(mdul->TR_Add(Tower("Outer")));
  EXPECT_FALSE(inner);
  EXPECT_EQ(mdul->GetKey("Inner"), 0u);
}

TEST_F(Updates, ListenersMayLeaveWhileNotified) {
  RecordingListener second;
  second.ConnectDB(db);
  listener.onCall = [&] { second.DisconnectDB(); };
  ASSERT_TRUE(mdul->TR_Add(Tower("C")));
  EXPECT_EQ(second.calls, 0);
  EXPECT_EQ(db->GetListenerCount(), 1);
  {
    RecordingListener shortLived;
    shortLived.ConnectDB(db);
    EXPECT_EQ(db->GetListenerCount(), 2);
  }
  EXPECT_EQ(db->GetListenerCount(), 1);
  // A listener outliving its document is disconnected, not left dangling.
  RecordingListener outlives;
  {
    CDBDoc other(FALSE);
    outlives.ConnectDB(other.GetModelDB());
  }
  EXPECT_EQ(outlives.GetConnectedDB(), nullptr);
}

TEST_F(Updates, ReadUpdateImageChecksTheTable) {
  ASSERT_TRUE(mdul->TR_Modify(CString("A"), Tower("A2")));
  POSITION pos = db->GetFirstUpdatePosition();
  const DB_CUpdateRecord* r = db->GetNextUpdate(pos);
  ASSERT_NE(r, nullptr);
  CDataStor wrong;
  EXPECT_FALSE(db->ReadUpdateImage(r, wrong));
  CDataMdul img;
  ASSERT_TRUE(db->ReadUpdateImage(r, img));
  EXPECT_EQ(img.m_nKey, 2u);
  EXPECT_EQ(img.m_Data.name, "A2");
  int code;
  UINT key;
  EXPECT_TRUE(db->GetNextUpdate(pos, code, key));
  EXPECT_EQ(code, (int)CClassMdul::UR_MDUL_MFS);
  EXPECT_EQ(pos, nullptr);
  EXPECT_FALSE(db->GetNextUpdate(pos, code, key));
}

TEST_F(Updates, UndoRedoStacks) {
  EXPECT_EQ(db->GetUndoCount(), 1);
  ASSERT_TRUE(mdul->TR_Add(Tower("C")));
  ASSERT_TRUE(mdul->TR_Add(Tower("D")));
  EXPECT_TRUE(db->Undo());
  EXPECT_TRUE(db->Undo());
  EXPECT_EQ(Names(mdul), "Tower1,A,B");
  EXPECT_EQ(db->GetRedoCount(), 2);
  // A new write drops what could be redone.
  ASSERT_TRUE(mdul->TR_Add(Tower("E")));
  EXPECT_FALSE(db->Redo());
  EXPECT_EQ(mdul->GetKey("E"), 4u);  // undo gave the keys back
  EXPECT_TRUE(db->Undo());
  EXPECT_TRUE(db->Undo());
  EXPECT_FALSE(db->Undo());
  EXPECT_EQ(Names(mdul), "Tower1");
  EXPECT_EQ(mdul->GetNewKey(), 2u);
}

TEST_F(Updates, AGroupIsOneStepWithOneList) {
  ASSERT_TRUE(db->BeginGroup());
  ASSERT_TRUE(mdul->TR_Add(Tower("C")));
  ASSERT_TRUE(plan->TR_Add(Plan("P")));
  ASSERT_TRUE(mdul->TR_Modify(CString("A"), Tower("A2")));
  EXPECT_EQ(listener.calls, 0);
  ASSERT_TRUE(db->CommitGroup());
  EXPECT_EQ(listener.calls, 1);
  EXPECT_EQ(listener.seen, (V{{ADD, 4, "C"}, {PADD, 2, "P"}, {MFD, 2, "A2"}, {MFS, 2, "A"}}));
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(listener.seen, (V{{MFD, 2, "A"}, {MFS, 2, "A2"}, {CClassPlan::UR_PLAN_DEL, 2, "P"}, {DEL, 4, "C"}}));
  EXPECT_EQ(Names(mdul), "Tower1,A,B");
  EXPECT_EQ(Names(plan), "Plan1");
}

TEST_F(Updates, ARolledBackGroupLeavesNoTrace) {
  int undo = db->GetUndoCount();
  ASSERT_TRUE(db->BeginGroup());
  ASSERT_TRUE(mdul->TR_Add(Tower("C")));
  ASSERT_TRUE(db->BeginGroup());  // nested
  EXPECT_FALSE(mdul->TR_Add(Tower("C")));
  db->RollbackGroup();
  // The inner rollback fails the outer group: still open, its writes undone, the commit
  // refused.
  EXPECT_TRUE(db->InGroup());
  EXPECT_EQ(Names(mdul), "Tower1,A,B");
  EXPECT_FALSE(db->CommitGroup());
  EXPECT_FALSE(db->InGroup());
  EXPECT_EQ(Names(mdul), "Tower1,A,B");
  EXPECT_EQ(mdul->GetNewKey(), 4u);
  EXPECT_EQ(listener.calls, 0);
  EXPECT_EQ(db->GetUndoCount(), undo);
}

}  // namespace
