// What the activation windows stand on, on the small frame: the view's activation per
// model, the named-plane query, and the list reads (towers by level, empty stories,
// standard floors in use, members and elements by type, stories of a tower).
#include <gtest/gtest.h>

#include "db/CClassMdul.h"
#include "db/CClassNpln.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBQuery.h"
#include "db/CFlagCtrl.h"
#include "view/I_ModelBase.h"
#include "SelectFixture.h"

namespace {

class Activation : public SelectFixture {
 protected:
  void SetUp() override {
    SelectFixture::SetUp();
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
  }
  void TearDown() override {
    view.reset();
    SelectFixture::TearDown();
  }
  std::string Members() {
    CUIntArray m, p;
    view->GetActiveObjects(m, p);
    return Str(m);
  }
  std::string Points() {
    CUIntArray m, p;
    view->GetActiveObjects(m, p);
    return Str(p);
  }
  std::string Elements() {
    CUIntArray e, n;
    view->GetActiveNodeElems(e, n);
    return Str(e);
  }
  std::string Nodes() {
    CUIntArray e, n;
    view->GetActiveNodeElems(e, n);
    return Str(n);
  }
  // The plane query of one model: "points|members".
  std::string Plane(std::initializer_list<const char*> keys, bool analysis = false) {
    CQueryCondition cond;
    cond.m_nQueryType = QUERY_NPLN;
    cond.m_nQueryOption = 1;
    for (const char* k : keys) cond.m_arrKeys.Add(k);
    CUIntArray p, m;
    if (analysis) CDBQuery::GetKeyListByAttr(db, cond, &p, &m);
    else CDBQuery::GetKeyListByAttrPre(db, cond, &p, &m);
    return Str(p) + "|" + Str(m);
  }

  std::unique_ptr<I_ModelBase> view;
};

TEST_F(Activation, EverythingIsActiveAtFirstAndEachCallSetsAddsOrTakesOut) {
  EXPECT_EQ(Members(), "1,2,3,4,5,6");
  EXPECT_EQ(Points(), "1,2,3,4,5,6,7,8");
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(view->IsAllActive(k)) << k;

  // Unknown keys are ignored; the lists come back ascending.
  view->ActivateObjects(Keys({7, 2, 99}), nullptr, nullptr, Keys({5, 3}), 0);
  EXPECT_EQ(Points(), "2,7");
  EXPECT_EQ(Members(), "3,5");
  EXPECT_FALSE(view->IsAllActive(CViewCtrl::MEMB));
  EXPECT_TRUE(view->IsAllActive(CViewCtrl::PMEMB)) << "the analysis model is untouched";

  struct Step { const char* what; int change; std::initializer_list<UINT> p, m; const char* points, *members; } steps[] = {
      {"add", 1, {1, 99}, {1}, "1,2,7", "1,3,5"},
      {"take out", 2, {2}, {3, 4}, "1,7", "1,5"},
      {"unknown change", 3, {8}, {6}, "1,7", "1,5"},
  };
  for (const Step& s : steps) {
    view->ChangeActiveObjects(Keys(s.p), Keys(s.m), 0, s.change);
    EXPECT_EQ(Points(), s.points) << s.what;
    EXPECT_EQ(Members(), s.members) << s.what;
  }

  view->ActivateAll();
  view->InactivateObjects(Keys({8}), nullptr, nullptr, Keys({2, 6}), 0);
  EXPECT_EQ(Points(), "1,2,3,4,5,6,7");
  EXPECT_EQ(Members(), "1,3,4,5");
  view->ActivateAll();
  EXPECT_TRUE(view->IsAllActive(CViewCtrl::PONT));
  EXPECT_EQ(Members(), "1,2,3,4,5,6");
}

TEST_F(Activation, DeletedObjectsLeaveAndNewOnesAreActiveOnlyWhileEverythingIs) {
  view->ActivateObjects(Keys({1}), nullptr, nullptr, Keys({1, 6}), 0);
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(6u));
  EXPECT_EQ(Members(), "1");
  T_MEMB_D m;
  m.type = 201;
  m.points.Add(4), m.points.Add(5);
  m.storyKey = 3;
  ASSERT_TRUE(Table<CClassMemb>()->TR_Add(m));
  EXPECT_EQ(Members(), "1") << "added after an activation: not active";
  view->ActivateAll();
  EXPECT_EQ(Members(), "1,2,3,4,5,7");
  // Selection ignores activation.
  view->ActivateObjects(Keys({1}), nullptr, nullptr, Keys({1}), 0);
  db->GetViewCtrl()->Select(nullptr, Keys({2}), Keys({2, 3}), CUIntArray(), CUIntArray(), 0, 0, 1);
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "2,3");
  EXPECT_EQ(Members(), "1");
}

TEST_F(Activation, TheAnalysisModelHasItsOwnActivationAndChangesFollowTheShownModel) {
  ASSERT_TRUE(doc->BuildAnalysisModel());
  view->ActivateNodeElems(Keys({4, 5}), Keys({5}), 0);
  EXPECT_EQ(Nodes(), "4,5");
  EXPECT_EQ(Elements(), "5");
  EXPECT_EQ(Members(), "1,2,3,4,5,6") << "the building model is untouched";

  view->ChangeActiveObjects(Keys({6}), Keys({4}), 0, 1);  // a plan view: the building model
  EXPECT_EQ(Nodes(), "4,5");
  EXPECT_TRUE(view->IsAllActive(CViewCtrl::MEMB));
  view->SetAnalysisView();
  view->ChangeActiveObjects(Keys({6}), Keys({4}), 0, 1);
  EXPECT_EQ(Nodes(), "4,5,6");
  EXPECT_EQ(Elements(), "4,5");
  view->Set3DView();
  doc->SetPostMode(TRUE);
  view->ChangeActiveObjects(Keys({4}), Keys({5}), 0, 2);
  EXPECT_EQ(Nodes(), "5,6");
  EXPECT_EQ(Elements(), "4");
  view->InactivateNodeElems(Keys({6}), CUIntArray());
  EXPECT_EQ(Nodes(), "5");
  doc->SetPostMode(FALSE);
}

TEST_F(Activation, NamedPlanesMatchPointsWithinTheToleranceAndMembersWhosePointsAllLieInThem) {
  CUIntArray keys;
  Table<CClassNpln>()->GetKeyList(keys);
  ASSERT_EQ(Str(keys), "1,2");
  T_NPLN_D y0;
  ASSERT_TRUE(Table<CClassNpln>()->Get(1, y0));
  EXPECT_STREQ(y0.name, "Y0");

  EXPECT_EQ(Plane({"1"}), "1,2,3,7,8|1,2,6");
  EXPECT_EQ(Plane({"2"}), "1,4,7|3");
  EXPECT_EQ(Plane({"2", "1", "x", "77"}), "1,2,3,4,7,8|1,2,3,6");
  EXPECT_EQ(Plane({}), "-|-");
  EXPECT_EQ(Plane({"1"}, true), "1,2,3,7,8|1,2,6") << "the analysis keys are the building model's";

  // A plane through the top of story 3 (z = its top), tilted normal of any length.
  double top = 0.0;
  ASSERT_TRUE(Table<CClassStor>()->GetTopLevel(3, top));
  T_NPLN_D floor;
  floor.name = "Floor";
  floor.z = top;
  floor.nz = 5.0;
  ASSERT_TRUE(Table<CClassNpln>()->TR_Add(floor));  // key 3
  EXPECT_EQ(Plane({"3"}), "1,2,3,4,5,6|1,2,3,4,5") << "story 9's objects stand higher";

  // Point 2 moved off the plane by 5 mm, then 20 mm: inside, then outside the tolerance.
  T_PONT_D p;
  ASSERT_TRUE(Table<CClassPont>()->Get(2, p));
  p.y = 0.005;
  ASSERT_TRUE(Table<CClassPont>()->TR_Modify(2u, p));
  EXPECT_EQ(Plane({"1"}), "1,2,3,7,8|1,2,6");
  p.y = 0.02;
  ASSERT_TRUE(Table<CClassPont>()->TR_Modify(2u, p));
  EXPECT_EQ(Plane({"1"}), "1,3,7,8|6");
  doc->GetFlagCtrl()->SetGeneralCoordinateTolerance(0.05);
  EXPECT_EQ(Plane({"1"}), "1,2,3,7,8|1,2,6");

  floor.nz = 0.0;
  EXPECT_FALSE(Table<CClassNpln>()->TR_Add(floor)) << "a plane needs a normal";
}

TEST_F(Activation, ListReadsByLevelByTowerAndByUse) {
  CUIntArray keys;
  // A third tower on level 0 comes before tower 2, which stands on 2F.
  T_MDUL_D t;
  t.name = "Tower3";
  ASSERT_TRUE(Table<CClassMdul>()->TR_Add(t));
  Table<CClassMdul>()->GetKeyListByLevel(keys);
  EXPECT_EQ(Str(keys), "1,3,2");

  auto* stor = Table<CClassStor>();
  EXPECT_FALSE(stor->IsEmptyStory(3));
  EXPECT_TRUE(stor->IsEmptyStory(4));
  EXPECT_FALSE(stor->IsEmptyStory(99));
  EXPECT_TRUE(Table<CClassPlan>()->IsPlanHavingStory(3));
  T_PLAN_D plan;
  plan.name = "Unused";
  ASSERT_TRUE(Table<CClassPlan>()->TR_Add(plan));
  EXPECT_FALSE(Table<CClassPlan>()->IsPlanHavingStory(Table<CClassPlan>()->GetKey("Unused")));

  keys = Keys({6, 1, 99, 3, 2});
  EXPECT_EQ(Table<CClassMemb>()->FilterByMembType(keys, Keys({205, 201}), 1), 3);
  EXPECT_EQ(Str(keys), "6,1,2");
  keys = Keys({6, 1, 3});
  EXPECT_EQ(Table<CClassMemb>()->FilterByMembType(keys, 201, 0), 2);
  EXPECT_EQ(Str(keys), "6,3");

  ASSERT_TRUE(doc->BuildAnalysisModel());
  Table<CClassPMdul>(Post())->GetKeyListByLevel(keys);
  EXPECT_EQ(Str(keys), "1,3,2");
  Table<CClassPStor>(Post())->GetKeyListReverse(keys, 2);
  EXPECT_EQ(Str(keys), "12,11,10,9");
  keys = Keys({4, 5, 6});
  EXPECT_EQ(Table<CClassPMemb>(Post())->FilterByPMembType(keys, T_PMEMB_D::WALL, 1), 1);
  EXPECT_EQ(Str(keys), "4");

  // Without members no story is empty.
  CUIntArray all;
  Table<CClassMemb>()->GetKeyList(all);
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(all));
  EXPECT_FALSE(stor->IsEmptyStory(4));
}

}  // namespace
