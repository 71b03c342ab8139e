// Member names and named slab loads: names unique within a member type, slab loads only
// under slab names and gone with them, the sample's slab names and the name combo's slab
// kind.
#include <gtest/gtest.h>

#include <memory>
#include "afx/CArray.h"
#include "db/CClassName.h"
#include "db/CClassNsbl.h"
#include "db/CCobxName.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"

namespace {

T_NAME_D Name(const char* name, int type) {
  T_NAME_D n;
  n.name = name;
  n.type = type;
  return n;
}

struct MemberNamesTest : ::testing::Test {
  void SetUp() override {
    doc = std::make_unique<CDBDoc>(FALSE);
    names = static_cast<CClassName*>(doc->GetModelDB()->GetClass(CClassName::m_nClassID));
    nsbl = static_cast<CClassNsbl*>(doc->GetModelDB()->GetClass(CClassNsbl::m_nClassID));
  }
  std::unique_ptr<CDBDoc> doc;
  CClassName* names = nullptr;
  CClassNsbl* nsbl = nullptr;
};

TEST_F(MemberNamesTest, ANameIsUniqueWithinItsTypeOnly) {
  ASSERT_TRUE(names->TR_Add(Name("B1", 201)));
  EXPECT_TRUE(names->TR_Add(Name("B1", 301))) << "another type may use the text";
  EXPECT_FALSE(names->TR_Add(Name("B1", 201)));
  EXPECT_NE(names->GetKey("B1", 201), names->GetKey("B1", 301));
  EXPECT_EQ(names->GetKey("B1", 101), 0u);
}

TEST_F(MemberNamesTest, SlabLoadsLiveOnlyUnderSlabNames) {
  ASSERT_TRUE(names->TR_Add(Name("S9", CClassName::TYPE_SLAB)));
  ASSERT_TRUE(names->TR_Add(Name("B9", 201)));
  T_NSBL_D l;
  l.DL = 5;
  l.LL = 2;
  EXPECT_TRUE(nsbl->TR_Add(names->GetKey("S9", CClassName::TYPE_SLAB), l));
  EXPECT_FALSE(nsbl->TR_Add(names->GetKey("B9", 201), l)) << "a beam name carries no slab load";
  EXPECT_FALSE(nsbl->TR_Add(4711, l)) << "no name of that key";
  // The array write replaces and adds in one step, all or nothing.
  ASSERT_TRUE(names->TR_Add(Name("S8", CClassName::TYPE_SLAB)));
  CUIntArray keys;
  keys.Add(names->GetKey("S9", CClassName::TYPE_SLAB));
  keys.Add(names->GetKey("S8", CClassName::TYPE_SLAB));
  CArray<T_NSBL_D> recs;
  l.DL = 7;
  recs.Add(l);
  recs.Add(l);
  const int undo = doc->GetModelDB()->GetUndoCount();
  ASSERT_TRUE(nsbl->TR_Add(keys, recs));
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 1);
  T_NSBL_D got;
  ASSERT_TRUE(nsbl->Get(keys[0], got));
  EXPECT_DOUBLE_EQ(got.DL, 7);
  keys.Add(names->GetKey("B9", 201));
  recs.Add(l);
  recs[0].DL = 1;
  EXPECT_FALSE(nsbl->TR_Add(keys, recs));
  ASSERT_TRUE(nsbl->Get(keys[0], got));
  EXPECT_DOUBLE_EQ(got.DL, 7) << "a refused array writes nothing";
}

TEST_F(MemberNamesTest, ADeletedSlabNameTakesItsLoadAlongAndUndoBringsBothBack) {
  ASSERT_TRUE(names->TR_Add(Name("S9", CClassName::TYPE_SLAB)));
  ASSERT_TRUE(names->TR_Add(Name("S8", CClassName::TYPE_SLAB)));
  ASSERT_TRUE(names->TR_Add(Name("B9", 201)));
  const UINT s9 = names->GetKey("S9", CClassName::TYPE_SLAB), s8 = names->GetKey("S8", CClassName::TYPE_SLAB);
  const UINT b9 = names->GetKey("B9", 201);
  T_NSBL_D l;
  l.DL = 5;
  l.LL = 2;
  ASSERT_TRUE(nsbl->TR_Add(s9, l));
  ASSERT_TRUE(nsbl->TR_Add(s8, l));
  ASSERT_EQ(names->GetRefCount(s9), 1);
  DB_CDataBase* db = doc->GetModelDB();
  const int undo = db->GetUndoCount();
  CUIntArray gone;
  gone.Add(s9);
  gone.Add(b9);
  ASSERT_TRUE(names->TR_Del(gone)) << "a name in use by its slab load may still go";
  EXPECT_EQ(db->GetUndoCount(), undo + 1) << "one transaction";
  T_NSBL_D got;
  EXPECT_FALSE(names->Exist(s9));
  EXPECT_FALSE(nsbl->Get(s9, got)) << "no load is left under a key without its name";
  EXPECT_TRUE(nsbl->Get(s8, got)) << "another name's load stays";
  ASSERT_TRUE(db->Undo());
  EXPECT_TRUE(names->Exist(s9));
  EXPECT_TRUE(names->Exist(b9));
  ASSERT_TRUE(nsbl->Get(s9, got));
  EXPECT_DOUBLE_EQ(got.DL, 5);
  EXPECT_DOUBLE_EQ(got.LL, 2);
  ASSERT_TRUE(db->Redo());
  EXPECT_FALSE(names->Exist(s9));
  EXPECT_FALSE(nsbl->Get(s9, got));
}

TEST(MemberNamesSample, TheSampleHoldsSlabNamesWithTheirLoads) {
  CDBDoc doc;
  doc.NewSampleModel();
  auto* names = static_cast<CClassName*>(doc.GetModelDB()->GetClass(CClassName::m_nClassID));
  auto* nsbl = static_cast<CClassNsbl*>(doc.GetModelDB()->GetClass(CClassNsbl::m_nClassID));
  const UINT s1 = names->GetKey("S1", CClassName::TYPE_SLAB), s2 = names->GetKey("S2", CClassName::TYPE_SLAB);
  ASSERT_NE(s1, 0u);
  ASSERT_NE(s2, 0u);
  T_NSBL_D l;
  ASSERT_TRUE(nsbl->Get(s1, l));
  EXPECT_DOUBLE_EQ(l.DL, 6.5);
  EXPECT_DOUBLE_EQ(l.LL, 2.5);
  ASSERT_TRUE(nsbl->Get(s2, l));
  EXPECT_DOUBLE_EQ(l.DL, 4.0);
  EXPECT_DOUBLE_EQ(l.LL, 2.0);
}

}  // namespace
