// Reads and writes of the generic table, through the tower and standard-floor tables.
#include <cfloat>
#include <cmath>

#include "DbFixture.h"

namespace {

class TableOps : public DbTest {
 protected:
  // Towers Tower1 (1), A (2), B (3), C (4) and plans Plan1 (1), P2 (2), P3 (3), P4 (4).
  void AddFour() {
    ASSERT_TRUE(mdul->TR_Add(Arr({Tower("A"), Tower("B"), Tower("C")})));
    ASSERT_TRUE(plan->TR_Add(Arr({Plan("P2"), Plan("P3"), Plan("P4")})));
  }
};

TEST_F(TableOps, NewDocumentHoldsTheDefaults) {
  EXPECT_EQ(Names(mdul), "Tower1");
  EXPECT_EQ(Names(plan), "Plan1");
  EXPECT_EQ(KeyList(stor), std::vector<UINT>{1});
  EXPECT_TRUE(stor->IsBaseStor(1));
  EXPECT_EQ(stor->GetBaseTopStorKey(), 1u);
  EXPECT_EQ(grnd->GetCount(), 0);
  EXPECT_EQ(mctl->GetCount(), 0);
  EXPECT_FALSE(db->CanUndo());
}

TEST_F(TableOps, ReadsByKeyNameAndPosition) {
  AddFour();
  T_MDUL_D t;
  EXPECT_TRUE(mdul->Get(3, t));
  EXPECT_EQ(t.name, "B");
  EXPECT_EQ(t.key, 3u);
  T_MDUL_D untouched = Tower("keep", 77);
  EXPECT_FALSE(mdul->Get(9, untouched));
  EXPECT_EQ(untouched.name, "keep");
  EXPECT_TRUE(mdul->Exist(4));
  EXPECT_FALSE(mdul->Exist(0));
  EXPECT_EQ(mdul->GetKey("C"), 4u);
  EXPECT_EQ(mdul->GetKey("c"), 0u);
  EXPECT_EQ(mdul->GetSeq(1), 1);
  EXPECT_EQ(mdul->GetSeq(4), 4);
  EXPECT_EQ(mdul->GetSeq(99), -1);
  EXPECT_EQ(mdul->GetNewKey(), 5u);
  CUIntArray keys;
  CArray<T_PLAN_D> recs;
  plan->GetList(keys, recs);
  ASSERT_EQ(keys.GetSize(), 4);
  EXPECT_EQ(recs[2].name, "P3");
  // Walk in sequence order.
  std::string walk;
  POSITION pos = plan->DB_GetStart();
  UINT k;
  T_PLAN_D p;
  while (plan->GetNextData(pos, k, p)) walk += std::to_string(k) + p.name.c_str() + " ";
  EXPECT_EQ(walk, "1Plan1 2P2 3P3 4P4 ");
}

TEST_F(TableOps, InsertPositions) {
  struct Case { int pos; bool ok; const char* names; };
  const Case cases[] = {
      {1, true, "X,Y,Plan1,P2,P3,P4"}, {2, true, "Plan1,X,Y,P2,P3,P4"},
      {4, true, "Plan1,P2,P3,X,Y,P4"}, {5, true, "Plan1,P2,P3,P4,X,Y"},
      {0, false, "Plan1,P2,P3,P4"},    {6, false, "Plan1,P2,P3,P4"},
      {-1, false, "Plan1,P2,P3,P4"},
  };
  for (const Case& c : cases) {
    SetUp();
    AddFour();
    EXPECT_EQ(plan->TR_Insert(Arr({Plan("X"), Plan("Y")}), c.pos) != 0, c.ok) << c.pos;
    EXPECT_EQ(Names(plan), c.names) << c.pos;
    if (c.ok) {
      EXPECT_EQ(plan->GetSeq(plan->GetKey("Y")), c.pos + 1);
    }
  }
}

TEST_F(TableOps, ChangeSeqMovesABlockInItsOwnOrder) {
  struct Case { std::vector<UINT> keys; int pos; bool ok; const char* names; };
  const Case cases[] = {
      {{2, 4}, 1, true, "P2,P4,Plan1,P3"},       // before the first
      {{4, 2}, 1, true, "P2,P4,Plan1,P3"},       // array order does not matter
      {{1}, 4, true, "P2,P3,Plan1,P4"},          // GetSeq(target) + 1 style: before P4
      {{1, 2}, 5, true, "P3,P4,Plan1,P2"},       // count + 1: to the end
      {{1, 2}, 0, true, "P3,P4,Plan1,P2"},       // 0: to the end
      {{2, 3}, 3, true, "Plan1,P2,P3,P4"},       // onto itself: nothing moves
      {{3}, 2, true, "Plan1,P3,P2,P4"},
      {{}, 2, true, "Plan1,P2,P3,P4"},
      {{2, 2}, 1, false, "Plan1,P2,P3,P4"},      // repeated key
      {{9}, 1, false, "Plan1,P2,P3,P4"},         // unknown key
      {{2}, 6, false, "Plan1,P2,P3,P4"},         // beyond count + 1
      {{2}, -1, false, "Plan1,P2,P3,P4"},
  };
  for (const Case& c : cases) {
    SetUp();
    AddFour();
    CUIntArray keys;
    for (UINT k : c.keys) keys.Add(k);
    EXPECT_EQ(plan->TR_ChangeSeq(keys, c.pos) != 0, c.ok) << c.pos;
    EXPECT_EQ(Names(plan), c.names) << c.pos;
    for (UINT k = 1; k <= 4; ++k) EXPECT_EQ(plan->GetKeyAtSeq(plan->GetSeq(k)), k);
  }
}

TEST_F(TableOps, AddAssignsOrKeepsKeysAndRefusesClashes) {
  struct Case { std::vector<T_MDUL_D> recs; bool ok; const char* names; };
  const Case cases[] = {
      {{Tower("A")}, true, "Tower1,A"},
      {{Tower("A", 10)}, true, "Tower1,A"},
      {{Tower("A"), Tower("B")}, true, "Tower1,A,B"},
      {{Tower("A", 1)}, false, "Tower1"},                // key taken
      {{Tower("A", 5), Tower("B", 5)}, false, "Tower1"}, // key twice
      {{Tower("Tower1")}, false, "Tower1"},              // name taken
      {{Tower("A"), Tower("A")}, false, "Tower1"},       // name twice
      {{Tower("")}, false, "Tower1"},                    // no name
      {{Tower("A"), Tower("")}, false, "Tower1"},        // all or nothing
      {{}, true, "Tower1"},
  };
  for (const Case& c : cases) {
    SetUp();
    CArray<T_MDUL_D> a;
    for (const T_MDUL_D& r : c.recs) a.Add(r);
    EXPECT_EQ(mdul->TR_Add(a) != 0, c.ok) << c.names;
    EXPECT_EQ(Names(mdul), c.names);
  }
  SetUp();
  ASSERT_TRUE(mdul->TR_Add(Tower("A", 10)));
  ASSERT_TRUE(mdul->TR_Add(Tower("B")));
  EXPECT_EQ(mdul->GetKey("B"), 11u);
}

TEST_F(TableOps, ModifyByKeyOldNewKeyAndName) {
  AddFour();
  // By key: keeps the key, rewrites the record.
  T_PLAN_D p = Plan("Q2");
  p.wallType = 3;
  EXPECT_TRUE(plan->TR_Modify(2u, p));
  T_PLAN_D got;
  plan->Get(2, got);
  EXPECT_EQ(got.name, "Q2");
  EXPECT_EQ(got.wallType, 3);
  EXPECT_EQ(got.key, 2u);
  // Old key to new key: same place.
  EXPECT_TRUE(plan->TR_Modify(2u, 20u, p));
  EXPECT_FALSE(plan->Exist(2));
  EXPECT_EQ(plan->GetSeq(20), 2);
  EXPECT_EQ(plan->GetKey("Q2"), 20u);
  EXPECT_FALSE(plan->TR_Modify(20u, 3u, p));  // new key taken
  EXPECT_FALSE(plan->TR_Modify(20u, 0u, p));
  // By old name.
  EXPECT_TRUE(mdul->TR_Modify(CString("B"), Tower("B2")));
  EXPECT_EQ(mdul->GetKey("B2"), 3u);
  EXPECT_EQ(mdul->GetKey("B"), 0u);
  EXPECT_FALSE(mdul->TR_Modify(CString("nobody"), Tower("Z")));
  EXPECT_FALSE(mdul->TR_Modify(CString("A"), Tower("C")));  // name taken
  EXPECT_FALSE(mdul->TR_Modify(99u, Tower("Z")));
}

TEST_F(TableOps, ArrayModifyMayExchangeNames) {
  AddFour();
  CStringArray old;
  old.Add("A");
  old.Add("B");
  EXPECT_TRUE(mdul->TR_Modify(old, Arr({Tower("B"), Tower("A")})));
  EXPECT_EQ(mdul->GetKey("A"), 3u);
  EXPECT_EQ(mdul->GetKey("B"), 2u);
  EXPECT_EQ(Names(mdul), "Tower1,B,A,C");
  // Two records may not end with one name; a partial failure changes nothing.
  EXPECT_FALSE(mdul->TR_Modify(old, Arr({Tower("X"), Tower("X")})));
  EXPECT_FALSE(mdul->TR_Modify(Keys({2, 3}), Arr({Tower("Y"), Tower("C")})));
  EXPECT_EQ(Names(mdul), "Tower1,B,A,C");
  EXPECT_FALSE(mdul->TR_Modify(Keys({2, 2}), Arr({Tower("Y"), Tower("Z")})));
  EXPECT_FALSE(mdul->TR_Modify(Keys({2}), Arr({Tower("Y"), Tower("Z")})));  // sizes differ
}

TEST_F(TableOps, DeleteAndItsRefusals) {
  AddFour();
  struct Case { std::vector<UINT> keys; bool ok; const char* names; };
  const Case cases[] = {
      {{3}, true, "Plan1,P2,P4"},   {{2, 4}, true, "Plan1,P3"}, {{}, true, "Plan1,P2,P3,P4"},
      {{2, 9}, false, "Plan1,P2,P3,P4"}, {{2, 2}, false, "Plan1,P2,P3,P4"},
  };
  for (const Case& c : cases) {
    SetUp();
    AddFour();
    CUIntArray keys;
    for (UINT k : c.keys) keys.Add(k);
    EXPECT_EQ(plan->TR_Del(keys) != 0, c.ok);
    EXPECT_EQ(Names(plan), c.names);
  }
  SetUp();
  AddFour();
  EXPECT_FALSE(mdul->TR_Del(1u));  // the main tower stays
  // Deleting a tower deletes its stories, in one undoable step.
  ASSERT_TRUE(stor->TR_Add(Arr({Story("S1", 2), Story("S2", 2), Story("S3", 3)})));
  EXPECT_TRUE(mdul->TR_Del(2u));
  EXPECT_EQ(Names(stor), "Base,S3");
  EXPECT_TRUE(db->Undo());
  EXPECT_EQ(Names(stor), "Base,S1,S2,S3");
  EXPECT_EQ(Names(mdul), "Tower1,A,B,C");
}

TEST_F(TableOps, StandardFloorGridModificationKeepsTheHiddenFields) {
  T_PLAN_D full = Plan("F");
  full.wallType = 4;
  full.loadType = 2;
  full.stiffFactors[1] = 0.5;
  full.useMctlMeshSize = 0;
  full.meshSize = 0.25;
  full.property = 7;
  ASSERT_TRUE(plan->TR_Add(full));
  UINT key = plan->GetKey("F");
  T_PLAN_D row;  // what the grid hands over: key, name, slab type
  row.key = key;
  row.name = "F2";
  row.slabType = 4;
  ASSERT_TRUE(plan->TR_ModifySlabType(CString("F"), row));
  T_PLAN_D got;
  plan->Get(key, got);
  EXPECT_EQ(got.name, "F2");
  EXPECT_EQ(got.slabType, 4);
  EXPECT_EQ(got.wallType, 4);
  EXPECT_EQ(got.loadType, 2);
  EXPECT_EQ(got.stiffFactors[1], 0.5);
  EXPECT_EQ(got.useMctlMeshSize, 0);
  EXPECT_EQ(got.meshSize, 0.25);
  EXPECT_EQ(got.property, 7);
  // The plain modification writes the whole record.
  ASSERT_TRUE(plan->TR_Modify(CString("F2"), row));
  plan->Get(key, got);
  EXPECT_EQ(got.wallType, 1);
}

TEST_F(TableOps, CurrentStandardFloor) {
  EXPECT_EQ(plan->GetCurPlan(), 1u);
  AddFour();
  EXPECT_TRUE(plan->SetCurPlan(3));
  EXPECT_FALSE(plan->SetCurPlan(9));
  EXPECT_EQ(plan->GetCurPlan(), 3u);
  plan->TR_Del(3u);
  EXPECT_EQ(plan->GetCurPlan(), 0u);
}

TEST_F(TableOps, LocalTablesJoinTheDatabase) {
  CClassPlan local;
  EXPECT_EQ(local.GetCount(), 0);
  EXPECT_FALSE(local.TR_Add(Plan("X")));
  EXPECT_TRUE(local.ConnectToDB(db));
  EXPECT_TRUE(local.TR_Add(Plan("X")));
  EXPECT_EQ(plan->GetKey("X"), 2u);
  EXPECT_FALSE(local.ConnectToDB(nullptr));
  EXPECT_FALSE(local.IsConnected());
  {
    CClassPlan outlives;
    auto doc2 = std::make_unique<CDBDoc>(FALSE);
    EXPECT_TRUE(outlives.ConnectToDB(doc2->GetModelDB()));
    doc2.reset();  // the database ends first
    EXPECT_FALSE(outlives.IsConnected());
    EXPECT_EQ(outlives.GetCount(), 0);
  }
}

TEST_F(TableOps, PlainAddAndDeleteAreNotUndoable) {
  EXPECT_TRUE(plan->Add(5, Plan("Plain")));
  EXPECT_FALSE(db->CanUndo());
  EXPECT_EQ(plan->GetKey("Plain"), 5u);
  EXPECT_FALSE(plan->Add(5, Plan("Again")));
  EXPECT_TRUE(plan->Del(5));
  EXPECT_FALSE(plan->Exist(5));
  EXPECT_FALSE(db->CanUndo());
}

TEST_F(TableOps, PlainWritesBetweenUndoStepsAreSurvived) {
  // Plain writes belong to tables written only that way; should one meet an undoable
  // write of the same record, undo skips what no longer fits instead of failing.
  ASSERT_TRUE(plan->TR_Add(Plan("X", 5)));
  ASSERT_TRUE(plan->Del(5));
  EXPECT_TRUE(db->Undo());
  EXPECT_FALSE(plan->Exist(5));
  EXPECT_TRUE(db->Redo());
  EXPECT_TRUE(plan->Exist(5));
  ASSERT_TRUE(plan->Add(6, Plan("Y")));
  ASSERT_TRUE(plan->TR_Del(5u));
  ASSERT_TRUE(plan->Add(5, Plan("Z")));
  EXPECT_TRUE(db->Undo());  // the deleted X cannot come back under a taken key
  EXPECT_EQ(Names(plan), "Plan1,Y,Z");
}

}  // namespace

namespace {
class TableRules : public DbTest {};

// Every write path refuses a record holding a non-finite real: nothing changes, nobody is
// told, and the model stays one that a file can hold.
TEST_F(TableRules, NonFiniteRealsAreRefusedByEveryWrite) {
  const double bad[] = {HUGE_VAL, -HUGE_VAL, std::nan("")};
  for (double v : bad) {
    RecordingListener l;
    ASSERT_TRUE(db->Connect(&l));
    T_STOR_D s = Story("S", 1, 3.0);
    s.liveLoad = v;
    EXPECT_FALSE(stor->TR_Add(s)) << v;
    EXPECT_FALSE(stor->TR_Add(Arr({Story("T", 1, v)}), 0, 1)) << v;
    T_STOR_D base;
    ASSERT_TRUE(stor->Get(1u, base));
    base.deadLoad = v;
    EXPECT_FALSE(stor->TR_Modify(1u, base)) << v;
    EXPECT_FALSE(stor->TR_Modify1(base.name, base)) << v;
    T_PLAN_D p = Plan("P");
    p.stiffFactors[1] = v;
    EXPECT_FALSE(plan->TR_Add(p)) << v;
    EXPECT_FALSE(plan->Add(9, p)) << v;
    EXPECT_EQ(l.calls, 0) << v;
    db->Disconnect(&l);
  }
  EXPECT_EQ(stor->GetCount(), 1);
  EXPECT_EQ(plan->GetCount(), 1);
  // The largest finite real is a real like any other.
  EXPECT_TRUE(stor->TR_Add(Story("S", 1, DBL_MAX)));
}

// Keys run from 1 to 2147483647 in every table; 0 and anything past the int range is no
// key, given or chosen.
TEST_F(TableRules, KeysStayInTheIntRange) {
  EXPECT_TRUE(plan->TR_Add(Plan("Top", DB_MAX_KEY)));
  EXPECT_FALSE(plan->TR_Add(Plan("Past", DB_MAX_KEY + 1u)));
  EXPECT_FALSE(plan->TR_Add(Plan("Gap", 4294967295u)));
  // The next free key would be past the range: a new record without a key is refused.
  EXPECT_FALSE(plan->TR_Add(Plan("Next")));
  EXPECT_TRUE(plan->TR_Add(Plan("Low", 2)));
  T_PLAN_D p;
  ASSERT_TRUE(plan->Get(2u, p));
  EXPECT_FALSE(plan->TR_Modify(2u, DB_MAX_KEY + 1u, p));
  EXPECT_TRUE(plan->TR_Modify(2u, 3u, p));
  EXPECT_FALSE(mdul->TR_Add(Tower("T", 0x80000000u)));
  EXPECT_FALSE(stor->TR_Add(Arr({Story("S", 1, 3.0, 0x80000000u)}), 1, 1));
  EXPECT_EQ(Names(plan), "Plan1,Top,Low");
}

// A name is refused like an empty one when it holds a control character.
TEST_F(TableRules, NamesHoldNoControlCharacters) {
  const CString bad[] = {CString("a\tb"), CString("a\nb"), CString("a\rb"), CString("x\x7f"), CString("a\0b", 3),
                         CString("\x01")};
  for (const CString& n : bad) {
    T_MDUL_D t = Tower("");
    t.name = n;
    EXPECT_FALSE(mdul->TR_Add(t)) << n.c_str();
    T_PLAN_D p;
    ASSERT_TRUE(plan->Get(1u, p));
    p.name = n;
    EXPECT_FALSE(plan->TR_Modify(1u, p)) << n.c_str();
  }
  EXPECT_TRUE(mdul->TR_Add(Tower("塔 2 \"x\"=y")));
  EXPECT_EQ(mdul->GetCount(), 2);
}
}  // namespace
