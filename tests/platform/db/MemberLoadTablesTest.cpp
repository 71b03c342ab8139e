// Member load types and member load assignments: the rules of the assignment table, its
// index, what deleting names and floors does to it, and the name table's reference count.
#include <gtest/gtest.h>

#include <memory>
#include "db/CClassLdtp.h"
#include "db/CClassMbld.h"
#include "db/CClassName.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"

namespace {

struct MemberLoadTables : ::testing::Test {
  void SetUp() override {
    doc = std::make_unique<CDBDoc>(FALSE);
    db = doc->GetModelDB();
    names = static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID));
    plans = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
    ldtp = static_cast<CClassLdtp*>(db->GetClass(CClassLdtp::m_nClassID));
    mbld = static_cast<CClassMbld*>(db->GetClass(CClassMbld::m_nClassID));
    T_PLAN_D p;
    p.name = "P2";
    ASSERT_TRUE(plans->TR_Add(p));
    p2 = plans->GetKey("P2");
    T_NAME_D n;
    n.name = "S1";
    n.type = 301;
    ASSERT_TRUE(names->TR_Add(n));
    s1 = names->GetKey("S1", 301);
    n.name = "S2";
    ASSERT_TRUE(names->TR_Add(n));
    s2 = names->GetKey("S2", 301);
    a1 = Ldtp("A1", 2);
  }
  UINT Ldtp(const char* name, int kind) {
    T_LDTP_D r;
    r.name = name;
    r.kind = kind;
    EXPECT_TRUE(ldtp->TR_Add(r));
    return ldtp->GetKeyAtSeq(ldtp->GetCount());
  }
  static T_MBLD_D Rec(UINT name, UINT plan, UINT load) {
    T_MBLD_D r;
    r.nameKey = name;
    r.plan = plan;
    r.loadType = load;
    return r;
  }
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassName* names = nullptr;
  CClassPlan* plans = nullptr;
  CClassLdtp* ldtp = nullptr;
  CClassMbld* mbld = nullptr;
  UINT p2 = 0, s1 = 0, s2 = 0, a1 = 0;
};

TEST_F(MemberLoadTables, LoadTypesNeedANameAndAKindAndGetKeyGivesTheFirstInTableOrder) {
  T_LDTP_D r;
  r.kind = 2;
  EXPECT_FALSE(ldtp->TR_Add(r)) << "no name";
  r.name = "X";
  r.kind = 3;
  EXPECT_FALSE(ldtp->TR_Add(r)) << "no such kind";
  const UINT later = Ldtp("Same", 0);
  const UINT first = Ldtp("Same", 2);
  CUIntArray keys;
  keys.Add(first);
  ASSERT_TRUE(ldtp->TR_ChangeSeq(keys, 1));
  EXPECT_EQ(ldtp->GetKey("Same"), first);
  ASSERT_TRUE(ldtp->TR_Del(first));
  EXPECT_EQ(ldtp->GetKey("Same"), later);
  EXPECT_EQ(ldtp->GetKey("None"), 0u);
}

TEST_F(MemberLoadTables, AnAssignmentNeedsItsNameFloorAndLoadTypeAndOneRecordPerPair) {
  struct Case {
    T_MBLD_D rec;
    bool ok;
  } cases[] = {
      {Rec(s1, 1, a1), true},    {Rec(s1, 1, a1), false},  // the pair is taken
      {Rec(4711, 1, a1), false}, {Rec(s1, 4711, a1), false}, {Rec(s1, p2, 4711), false},
      {Rec(s1, p2, 0), true},    // no load type is allowed
  };
  for (const Case& c : cases) EXPECT_EQ(mbld->TR_Add(c.rec), c.ok) << c.rec.nameKey << "/" << c.rec.plan;
  EXPECT_EQ(mbld->GetKey(s1, 1), 1u);
  EXPECT_EQ(mbld->GetKey(s1, p2), 2u);
  EXPECT_EQ(mbld->GetKey(s2, 1), 0u);
  // A batch may not hold one pair twice, nor move a record onto a taken pair.
  CArray<T_MBLD_D> twice;
  twice.Add(Rec(s2, 1, a1));
  twice.Add(Rec(s2, 1, 0));
  EXPECT_FALSE(mbld->TR_Add(twice));
  EXPECT_FALSE(mbld->TR_Modify(2, Rec(s1, 1, a1)));
  EXPECT_TRUE(mbld->TR_Modify(2, Rec(s2, p2, a1)));
  EXPECT_EQ(mbld->GetKey(s1, p2), 0u);
  EXPECT_EQ(mbld->GetKey(s2, p2), 2u);
}

TEST_F(MemberLoadTables, DeletedNamesAndFloorsTakeTheirAssignmentsWithThemUndoBringsThemBack) {
  ASSERT_TRUE(mbld->TR_Add(Rec(s1, 1, a1)));
  ASSERT_TRUE(mbld->TR_Add(Rec(s1, p2, a1)));
  ASSERT_TRUE(mbld->TR_Add(Rec(s2, p2, a1)));
  EXPECT_EQ(names->GetRefCount(s1), 2) << "the name's assignments count as uses";
  EXPECT_FALSE(ldtp->TR_Del(a1)) << "a load type in use stays";
  const int undo = db->GetUndoCount();
  ASSERT_TRUE(names->TR_Del(s1));
  EXPECT_EQ(db->GetUndoCount(), undo + 1) << "one transaction";
  EXPECT_EQ(mbld->GetCount(), 1);
  EXPECT_EQ(mbld->GetCountOfName(s1), 0);
  ASSERT_TRUE(plans->TR_Del(p2));
  EXPECT_EQ(mbld->GetCount(), 0);
  ASSERT_TRUE(db->Undo());
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(mbld->GetCount(), 3);
  EXPECT_EQ(mbld->GetKey(s1, p2), 2u);
  EXPECT_EQ(names->GetRefCount(s1), 2);
  ASSERT_TRUE(mbld->TR_Del(1));
  ASSERT_TRUE(mbld->TR_Del(2));
  ASSERT_TRUE(mbld->TR_Del(3));
  EXPECT_EQ(names->GetRefCount(s1), 0);
  EXPECT_TRUE(ldtp->TR_Del(a1));
}

}  // namespace
