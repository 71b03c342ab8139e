// The scoped change: one transaction of grouped writes, committed once or rolled back when
// it leaves its scope; nested use never lets a write escape after an inner failure.
#include "DbFixture.h"
#include "db/DB_CScopedChange.h"

namespace {

class ScopedChange : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    ASSERT_TRUE(mdul->TR_Add(Arr({Tower("A"), Tower("B")})));  // keys 2, 3
    ASSERT_TRUE(listener.ConnectDB(db));
    undo = db->GetUndoCount();
  }
  RecordingListener listener;
  int undo = 0;
};

TEST_F(ScopedChange, CommitPublishesOneNamedStep) {
  {
    DB_CScopedChange change(db, "Add two");
    ASSERT_TRUE(change.IsOpen());
    ASSERT_TRUE(mdul->TR_Add(Tower("C")));
    ASSERT_TRUE(plan->TR_Add(Plan("P")));
    EXPECT_EQ(listener.calls, 0);
    EXPECT_TRUE(change.Commit());
    EXPECT_FALSE(change.Commit());  // once
  }
  EXPECT_EQ(listener.calls, 1);
  EXPECT_EQ(listener.seen.size(), 2u);
  EXPECT_EQ(db->GetUndoCount(), undo + 1);
  EXPECT_EQ(db->GetUndoText(), "Add two");
  EXPECT_FALSE(db->InGroup());
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(Names(mdul), "Tower1,A,B");
  EXPECT_EQ(Names(plan), "Plan1");
}

TEST_F(ScopedChange, LeavingTheScopeUncommittedRollsBackSilently) {
  {
    DB_CScopedChange change(db);
    ASSERT_TRUE(mdul->TR_Add(Tower("C")));
    ASSERT_TRUE(mdul->TR_Modify(CString("A"), Tower("A2")));
  }
  EXPECT_EQ(Names(mdul), "Tower1,A,B");
  EXPECT_EQ(mdul->GetNewKey(), 4u);
  EXPECT_EQ(listener.calls, 0);
  EXPECT_EQ(db->GetUndoCount(), undo);
  EXPECT_FALSE(db->InGroup());
  // The database takes single writes again afterwards.
  ASSERT_TRUE(mdul->TR_Add(Tower("D")));
  EXPECT_EQ(listener.calls, 1);
}

// An inner failure fails the outer change: what was written before it is undone, a write
// after it is refused (it never commits as a transaction of its own), and the outer
// commit answers 0 and notifies nobody.
TEST_F(ScopedChange, AnInnerFailureFailsTheOuterAndNoLaterWriteEscapes) {
  for (bool explicitRollback : {false, true}) {
    SetUp();
    listener.calls = 0;
    {
      DB_CScopedChange outer(db, "outer");
      ASSERT_TRUE(mdul->TR_Add(Tower("C")));
      {
        DB_CScopedChange inner(db, "inner");
        ASSERT_TRUE(inner.IsOpen());
        ASSERT_TRUE(mdul->TR_Add(Tower("D")));
        if (explicitRollback) inner.Rollback();
      }  // uncommitted: rolled back
      EXPECT_TRUE(db->InGroup()) << explicitRollback;
      EXPECT_EQ(Names(mdul), "Tower1,A,B") << explicitRollback;
      EXPECT_FALSE(mdul->TR_Add(Tower("E"))) << explicitRollback;
      EXPECT_FALSE(plan->TR_Add(Plan("P"))) << explicitRollback;
      EXPECT_EQ(listener.calls, 0) << explicitRollback;
      EXPECT_FALSE(outer.Commit()) << explicitRollback;
    }
    EXPECT_FALSE(db->InGroup());
    EXPECT_EQ(Names(mdul), "Tower1,A,B");
    EXPECT_EQ(Names(plan), "Plan1");
    EXPECT_EQ(listener.calls, 0);
    EXPECT_EQ(db->GetUndoCount(), undo);
    // The failure ends with the outermost level.
    ASSERT_TRUE(mdul->TR_Add(Tower("F")));
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(Names(mdul), "Tower1,A,B,F");
  }
}

TEST_F(ScopedChange, ACommittedInnerJoinsTheOuterTransaction) {
  {
    DB_CScopedChange outer(db, "outer");
    ASSERT_TRUE(mdul->TR_Add(Tower("C")));
    {
      DB_CScopedChange inner(db, "inner");
      ASSERT_TRUE(mdul->TR_Add(Tower("D")));
      EXPECT_TRUE(inner.Commit());
    }
    EXPECT_EQ(listener.calls, 0);
    EXPECT_TRUE(outer.Commit());
  }
  EXPECT_EQ(listener.calls, 1);
  EXPECT_EQ(db->GetUndoCount(), undo + 1);
  EXPECT_EQ(db->GetUndoText(), "outer");
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(Names(mdul), "Tower1,A,B");
}

// No group begins while the database notifies its listeners (their list is in use).
TEST_F(ScopedChange, NothingBeginsWhileListenersAreCalled) {
  int open = -1;
  listener.onCall = [&] {
    DB_CScopedChange change(db);
    open = change.IsOpen();
    EXPECT_FALSE(change.Commit());
  };
  ASSERT_TRUE(mdul->TR_Add(Tower("C")));
  EXPECT_EQ(open, 0);
  DB_CScopedChange none(nullptr);
  EXPECT_FALSE(none.IsOpen());
  EXPECT_FALSE(none.Commit());
}

}  // namespace
