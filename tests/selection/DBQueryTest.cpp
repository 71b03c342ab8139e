// The attribute query on the building model and on the analysis model built from it, the
// lists the selection windows offer, and the key intersection.
#include <gtest/gtest.h>

#include "db/CClassMatl.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CDBQuery.h"
#include "SelectFixture.h"
#include "ui/CArrayUtil.h"

namespace {

class DBQuery : public SelectFixture {
 public:
  static CQueryCondition Cond(int cat, std::initializer_list<const char*> texts) {
    CQueryCondition c;
    c.m_nQueryType = cat;
    c.m_nQueryOption = 1;
    for (const char* t : texts) c.m_arrKeys.Add(t);
    return c;
  }
};

TEST_F(DBQuery, EachCategoryMatchesMembersAndTheirPointsInBothModels) {
  struct Case {
    int model;  // 0 building, 1 analysis
    int cat;
    std::initializer_list<const char*> keys;
    const char* points;
    const char* members;
  } cases[] = {
      {0, QUERY_MEMB_TYPE, {"201"}, "1,2,3", "1,2"},
      {0, QUERY_MEMB_TYPE, {"202", "301"}, "3,4,5,6", "4,5"},
      {0, QUERY_MATERIAL, {"3"}, "1,2,3,4", "2,3"},
      {0, QUERY_SECTION, {"1"}, "1,2,4", "1,3"},
      {0, QUERY_SECTION, {"3", "x", "3", " "}, "7,8", "6"},
      {0, QUERY_THICKNESS, {"2"}, "4,5,6", "5"},
      {0, QUERY_STOR, {"9"}, "7,8", "6"},
      {0, QUERY_STOR, {"4"}, "-", "-"},
      {0, QUERY_PLAN, {"3"}, "1,2,3,4,5,6", "1,2,3,4,5"},
      {0, QUERY_MDUL, {"2"}, "7,8", "6"},
      {0, QUERY_GROUP, {"1"}, "1,2", "1"},
      {0, QUERY_GROUP, {"2", "3"}, "-", "6"},
      {0, QUERY_SECTION, {"abc", "-1", "99999999999"}, "-", "-"},
      {0, QUERY_SECTION, {}, "-", "-"},
      {0, 0, {"1"}, "-", "-"},
      {1, QUERY_MEMB_TYPE, {"209"}, "3,4", "4"},
      {1, QUERY_MEMB_TYPE, {"202"}, "-", "-"},
      {1, QUERY_MATERIAL, {"3"}, "1,2,3,4", "2,3"},
      {1, QUERY_THICKNESS, {"1", "2"}, "3,4,5,6", "4,5"},
      {1, QUERY_STOR, {"9"}, "7,8", "6"},
      {1, QUERY_PLAN, {"3"}, "1,2,3,4,5,6", "1,2,3,4,5"},
      {1, QUERY_MDUL, {"2"}, "7,8", "6"},
      {1, QUERY_GROUP, {"1"}, "-", "-"},
  };
  ASSERT_TRUE(doc->BuildAnalysisModel());
  for (const Case& c : cases) {
    CUIntArray pts = Keys({99}), membs = Keys({99});
    const CQueryCondition cond = Cond(c.cat, c.keys);
    ASSERT_TRUE(c.model ? CDBQuery::GetKeyListByAttr(Post(), cond, &pts, &membs)
                        : CDBQuery::GetKeyListByAttrPre(db, cond, &pts, &membs));
    EXPECT_EQ(Str(pts), c.points) << c.model << " " << c.cat;
    EXPECT_EQ(Str(membs), c.members) << c.model << " " << c.cat;
  }
  // A null list is left alone; the other is filled.
  CUIntArray membs;
  ASSERT_TRUE(CDBQuery::GetKeyListByAttrPre(db, Cond(QUERY_STOR, {"3"}), nullptr, &membs));
  EXPECT_EQ(Str(membs), "1,2,3,4,5");
}

TEST_F(DBQuery, ListsOfferUsedRecordsTypesAndStories) {
  CUIntArray keys;
  Table<CClassMatl>()->GetUsedKeyList(keys);
  EXPECT_EQ(Str(keys), "1,2,3,4");
  Table<CClassSect>()->GetUsedKeyList(keys);
  EXPECT_EQ(Str(keys), "1,2,3");
  Table<CClassThik>()->GetUsedKeyList(keys);
  EXPECT_EQ(Str(keys), "1,2");
  Table<CClassStor>()->GetKeyListReverse(keys);
  EXPECT_EQ(Str(keys), "12,11,10,9,8,7,6,5,4,3,2,1");
  Table<CClassMemb>()->GetNoList(keys);
  EXPECT_EQ(Str(keys), "1,2,3,4,5,60");
  Table<CClassPont>()->GetNoList(keys);
  EXPECT_EQ(Str(keys), "1,2,3,4,5,6,7,8");

  CUIntArray codes;
  CStringArray names;
  CClassMemb::GetMembTypeList(codes, names);
  EXPECT_EQ(Str(codes), "101,200,201,202,203,205,206,300,301,306");
  EXPECT_STREQ(names[2], CClassMemb::GetMembTypeName(201));
  CClassPMemb::GetMembTypeList(codes, names);
  EXPECT_EQ(Str(codes), "101,200,201,209,203,205,206,300,301,306");

  ASSERT_TRUE(doc->BuildAnalysisModel());
  Table<CClassPMatl>(Post())->GetUsedKeyList(keys);
  EXPECT_EQ(Str(keys), "1,2,3,4");
  Table<CClassPSect>(Post())->GetUsedKeyList(keys);
  EXPECT_EQ(Str(keys), "1,2,3");
  Table<CClassPThik>(Post())->GetUsedKeyList(keys);
  EXPECT_EQ(Str(keys), "1,2");
  Table<CClassPStor>(Post())->GetKeyListReverse(keys);
  EXPECT_EQ(Str(keys), "12,11,10,9,8,7,6,5,4,3,2,1");
  EXPECT_EQ(Table<CClassPMdul>(Post())->GetCount(), 2);
}

TEST_F(DBQuery, IntersectKeepsTheFirstListsOrderOnce) {
  CUIntArray out;
  CArrayUtil::IntersectUINT(Keys({5, 1, 9, 1, 3}), Keys({3, 1, 7, 1}), out);
  EXPECT_EQ(Str(out), "1,3");
  CArrayUtil::IntersectUINT(Keys({5}), CUIntArray(), out);
  EXPECT_EQ(Str(out), "-");
}

}  // namespace
