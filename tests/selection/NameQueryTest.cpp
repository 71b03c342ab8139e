// The query by member name on the building model and on the analysis model, and the key
// union, on the selection fixture's members with names given: B1 on beams 1 and 2, W1 on
// wall 4, B1 on column 3 (another type than the beam name).
#include <gtest/gtest.h>

#include "db/CClassMemb.h"
#include "db/CClassName.h"
#include "db/CDBQuery.h"
#include "SelectFixture.h"
#include "ui/CArrayUtil.h"

namespace {

class NameQuery : public SelectFixture {
 public:
  void SetUp() override {
    SelectFixture::SetUp();
    auto* memb = Table<CClassMemb>(doc->GetModelDB());
    for (auto [key, name] : {std::pair<UINT, const char*>{1, "B1"}, {2, "B1"}, {3, "B1"}, {4, "W1"}}) {
      T_MEMB_D m;
      ASSERT_TRUE(memb->Get(key, m));
      m.name = name;
      ASSERT_TRUE(memb->TR_Modify(key, m));
    }
    auto* names = Table<CClassName>(doc->GetModelDB());
    for (auto [text, type] : {std::pair<const char*, int>{"B1", 201}, {"W1", 202}, {"W1", 301}}) {
      T_NAME_D n;
      n.name = text;
      n.type = type;
      ASSERT_TRUE(names->TR_Add(n));
    }
    beam = names->GetKey("B1", 201);
    wall = names->GetKey("W1", 202);
    slab = names->GetKey("W1", 301);
  }
  UINT beam = 0, wall = 0, slab = 0;
};

TEST_F(NameQuery, TheMembersOfTheNamesTypeBearingItsTextAndTheirPointsInBothModels) {
  struct Case {
    int model;
    std::initializer_list<UINT> names;
    const char* points;
    const char* members;
  } cases[] = {
      {0, {}, "-", "-"},
      {0, {1}, "1,2,3", "1,2"},          // the beam name: not the column that bears B1 too
      {0, {1, 2}, "1,2,3,4", "1,2,4"},
      {0, {3}, "-", "-"},                // a slab name no slab bears
      {0, {4711}, "-", "-"},             // no name of that key
      {1, {1, 2}, "1,2,3,4", "1,2,4"},   // elements and nodes under the members' keys
  };
  ASSERT_TRUE(doc->BuildAnalysisModel());
  for (const Case& c : cases) {
    CUIntArray names;
    for (UINT i : c.names) names.Add(i == 1 ? beam : i == 2 ? wall : i == 3 ? slab : i);
    CUIntArray pts = Keys({99}), membs = Keys({99});
    DB_CDataBase* db = c.model ? Post() : doc->GetModelDB();
    ASSERT_TRUE(CDBQuery::GetKeyListByNamePre(db, names, &pts, &membs));
    EXPECT_EQ(Str(pts), c.points) << c.model << " " << Str(names);
    EXPECT_EQ(Str(membs), c.members) << c.model << " " << Str(names);
  }
  CUIntArray membs;
  EXPECT_TRUE(CDBQuery::GetKeyListByNamePre(doc->GetModelDB(), Keys({beam}), nullptr, &membs));
  EXPECT_EQ(Str(membs), "1,2");
  EXPECT_FALSE(CDBQuery::GetKeyListByNamePre(nullptr, Keys({beam}), nullptr, &membs));
}

TEST_F(NameQuery, UnionKeepsTheFirstListThenTheSecondsNewValuesOnce) {
  CUIntArray out;
  CArrayUtil::UnionUINT(Keys({5, 1, 5}), Keys({3, 1, 7, 3}), out);
  EXPECT_EQ(Str(out), "5,1,3,7");
  CUIntArray a = Keys({2});
  CArrayUtil::UnionUINT(a, Keys({1, 2}), a);
  EXPECT_EQ(Str(a), "2,1") << "out may be the first list";
  CArrayUtil::UnionUINT(CUIntArray(), CUIntArray(), out);
  EXPECT_EQ(Str(out), "-");
}

}  // namespace
