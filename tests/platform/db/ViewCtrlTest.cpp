// The selection control of a database: replace and add, unselect, the current lists, and
// the hints the connected windows hear.
#include <gtest/gtest.h>

#include <vector>
#include "db/CClassGrup.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CViewCtrl.h"
#include "DbFixture.h"

namespace {

std::vector<UINT> V(const CUIntArray& a) { return a.vec(); }

class ViewCtrl : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    doc->NewSampleModel();
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    // Points 1 to 12 on story 3, members 1 to 10 from point k to point k + 1.
    CArray<T_PONT_D> ps;
    for (UINT k = 1; k <= 12; ++k) {
      T_PONT_D p;
      p.key = k, p.x = k, p.storyKey = 3;
      ps.Add(p);
    }
    ASSERT_TRUE(pont->TR_Add(ps));
    CArray<T_MEMB_D> ms;
    for (UINT k = 1; k <= 10; ++k) {
      T_MEMB_D m;
      m.key = k, m.type = 201, m.storyKey = 3;
      m.points.Add(k), m.points.Add(k + 1);
      ms.Add(m);
    }
    ASSERT_TRUE(memb->TR_Add(ms));
    vc = db->GetViewCtrl();
    ASSERT_TRUE(listener.ConnectDB(db));
  }
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  std::vector<UINT> Sel(CViewCtrl::Kind kind) {
    CUIntArray a;
    if (kind == CViewCtrl::PONT) vc->GetAllSelectedPont(a);
    if (kind == CViewCtrl::MEMB) vc->GetAllSelectedMemb(a);
    if (kind == CViewCtrl::PNODE) vc->GetAllSelectedPNode(a);
    if (kind == CViewCtrl::PMEMB) vc->GetAllSelectedPMemb(a);
    return V(a);
  }
  std::vector<UINT> CurMemb() {
    CUIntArray a;
    vc->GetCurrentMemb(a);
    return V(a);
  }
  CViewCtrl* vc = nullptr;
  RecordingListener listener;
  const CUIntArray none{};
};

TEST_F(ViewCtrl, SelectAddsOrReplacesPerKindAndTellsTheWindows) {
  vc->Select(nullptr, Keys({3, 1}), Keys({7, 8}), none, Keys({40}), 0, 0, 0);
  EXPECT_EQ(Sel(CViewCtrl::PONT), (std::vector<UINT>{3, 1}));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{7, 8}));
  EXPECT_TRUE(Sel(CViewCtrl::PMEMB).empty()) << "no element 40 in the building model: ignored";
  EXPECT_EQ(listener.calls, 1);
  EXPECT_EQ(listener.lastHint, CViewCtrl::HINT_SELECT);
  EXPECT_EQ(listener.lastDB, db->GetID());
  EXPECT_TRUE(listener.seen.empty()) << "a selection is no transaction";

  // Adding: keys already selected keep their place and are no change.
  vc->Select(nullptr, none, Keys({8, 9, 9}), none, none, 0, 0, 0);
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{7, 8, 9}));
  EXPECT_EQ(CurMemb(), (std::vector<UINT>{9}));
  EXPECT_EQ(Sel(CViewCtrl::PONT), (std::vector<UINT>{3, 1})) << "an empty list adds nothing";

  // Replacing: every kind becomes exactly its list, empty lists included.
  vc->Select(nullptr, none, Keys({9, 5}), none, none, 0, 0, 1);
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{9, 5}));
  EXPECT_EQ(CurMemb(), (std::vector<UINT>{7, 8, 5})) << "what left, then what came";
  EXPECT_TRUE(Sel(CViewCtrl::PONT).empty());
  EXPECT_TRUE(Sel(CViewCtrl::PMEMB).empty());
  EXPECT_TRUE(vc->IsSelected(CViewCtrl::MEMB, 5));
  EXPECT_FALSE(vc->IsSelected(CViewCtrl::MEMB, 7));
  EXPECT_EQ(listener.calls, 3);
}

TEST_F(ViewCtrl, UnselectTakesTheListedAwayAndUnselectAllEverything) {
  vc->Select(nullptr, Keys({1, 2}), Keys({7, 8, 9}), Keys({11}), none, 0, 0, 1);
  vc->Unselect(nullptr, none, Keys({8, 99}), none, none, 0, 0);
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{7, 9}));
  EXPECT_EQ(CurMemb(), (std::vector<UINT>{8})) << "a key not selected is no change";
  EXPECT_EQ(listener.lastHint, CViewCtrl::HINT_UNSELECT);
  EXPECT_EQ(listener.lastDB, db->GetID());
  vc->Select(nullptr, none, Keys({8}), none, none, 0, 0, 0);
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{7, 9, 8})) << "selected again: at the end";

  vc->UnselectAll(nullptr);
  for (CViewCtrl::Kind k : {CViewCtrl::PONT, CViewCtrl::MEMB, CViewCtrl::PNODE, CViewCtrl::PMEMB})
    EXPECT_TRUE(Sel(k).empty());
  EXPECT_EQ(CurMemb(), (std::vector<UINT>{7, 9, 8}));
  EXPECT_EQ(listener.lastHint, CViewCtrl::HINT_UNSELECT);
  EXPECT_EQ(listener.calls, 4);
}

TEST_F(ViewCtrl, AModelReadFromAFileStartsWithNothingSelected) {
  vc->Select(nullptr, Keys({1}), Keys({2}), none, none, 0, 0, 1);
  std::string path = ::testing::TempDir() + "view_ctrl.zel";
  CString err;
  ASSERT_TRUE(doc->SaveModel(path.c_str(), err));
  ASSERT_TRUE(doc->OpenModel(path.c_str(), err)) << err.c_str();
  EXPECT_TRUE(Sel(CViewCtrl::PONT).empty());
  EXPECT_TRUE(Sel(CViewCtrl::MEMB).empty());
  EXPECT_TRUE(CurMemb().empty());
  std::remove(path.c_str());
}

TEST_F(ViewCtrl, OneKindCallsReplaceAddOrRemoveThatKindOnlyWithOneHintEach) {
  vc->Select(nullptr, Keys({1, 2}), Keys({3}), none, none, 0, 0, 1);
  const int calls = listener.calls;
  vc->SelectMemb(nullptr, Keys({5, 4, 99, 5}), 0, 1, 1, 1, 1, 1, 1);
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{5, 4})) << "exactly the known keys, once each";
  EXPECT_EQ(Sel(CViewCtrl::PONT), (std::vector<UINT>{1, 2}));
  EXPECT_EQ(CurMemb(), (std::vector<UINT>{3, 5, 4}));
  vc->SelectPont(nullptr, none, 1, 1, 1, 1, 1, 1);
  EXPECT_TRUE(Sel(CViewCtrl::PONT).empty());
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{5, 4}));
  CUIntArray cur;
  vc->GetCurrentMemb(cur);
  EXPECT_TRUE(cur.IsEmpty()) << "the other kinds' current lists are emptied";

  vc->SelectAllMemb(nullptr, 1, 0, 0);
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{5, 4, 1, 2, 3, 6, 7, 8, 9, 10}));
  EXPECT_TRUE(Sel(CViewCtrl::PONT).empty());
  vc->UnSelectMemb(nullptr, Keys({1, 9, 77}), 1, 1);
  EXPECT_EQ(listener.lastHint, CViewCtrl::HINT_UNSELECT);
  CUIntArray un;
  vc->GetAllUnSelectedMemb(un);
  EXPECT_EQ(V(un), (std::vector<UINT>{1, 9})) << "table order";
  vc->SelectAll(nullptr);
  EXPECT_EQ(Sel(CViewCtrl::PONT).size(), 12u);
  vc->GetAllUnSelectedPont(un);
  EXPECT_TRUE(un.IsEmpty());
  EXPECT_EQ(listener.calls, calls + 5);
  EXPECT_EQ(listener.lastHint, CViewCtrl::HINT_SELECT);
}

TEST_F(ViewCtrl, PreviousBringsBackTheSelectionBeforeTheLastChangeAndTwiceSwapsBack) {
  vc->Select(nullptr, Keys({1, 2}), Keys({3}), none, none, 0, 0, 1);
  vc->SelectMemb(nullptr, Keys({4, 5}), 0, 1, 1, 1, 1, 1, 1);
  vc->SelectPrevious();
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{3}));
  EXPECT_EQ(Sel(CViewCtrl::PONT), (std::vector<UINT>{1, 2}));
  EXPECT_EQ(CurMemb(), (std::vector<UINT>{4, 5, 3})) << "what left, then what came back";
  EXPECT_EQ(listener.lastHint, CViewCtrl::HINT_SELECT);
  vc->SelectPrevious();
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{4, 5}));
  vc->SelectPrevious();
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{3}));
}

TEST_F(ViewCtrl, CallsInAStepAreOneChangeForPrevious) {
  vc->Select(nullptr, Keys({1, 2}), Keys({3}), none, none, 0, 0, 1);
  const int calls = listener.calls;
  {
    CViewCtrl::CStep step(vc);
    vc->SelectAll(nullptr);
    {
      CViewCtrl::CStep inner(vc);
      vc->UnSelectMemb(nullptr, Keys({3, 4}));
    }
    vc->UnSelectPont(nullptr, Keys({1}));
  }
  EXPECT_EQ(listener.calls, calls + 3) << "the listeners hear every call";
  EXPECT_EQ(Sel(CViewCtrl::PONT).size(), 11u);
  vc->SelectPrevious();
  EXPECT_EQ(Sel(CViewCtrl::PONT), (std::vector<UINT>{1, 2}));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{3}));
  vc->SelectPrevious();
  EXPECT_EQ(Sel(CViewCtrl::MEMB).size(), 8u) << "and back to the step's end";
  // After the step each call is a change of its own again; Previous inside a step keeps
  // the selection from before the step.
  vc->UnselectAll(nullptr);
  vc->SelectPont(nullptr, Keys({5}), 1, 1, 1, 1, 1, 1);
  vc->SelectPrevious();
  EXPECT_TRUE(Sel(CViewCtrl::PONT).empty());
  vc->BeginStep();
  vc->SelectPrevious();
  vc->SelectPont(nullptr, Keys({6}), 1, 1, 1, 1, 1, 1);
  vc->EndStep();
  vc->EndStep();  // unbalanced: no effect
  vc->SelectPrevious();
  EXPECT_TRUE(Sel(CViewCtrl::PONT).empty());
}

TEST_F(ViewCtrl, DeletedObjectsLeaveTheSelectionAndTheWindowsHearIt) {
  T_GRUP_D g;
  g.name = "G";
  g.points.Add(2), g.members.Add(3);
  auto* grup = static_cast<CClassGrup*>(db->GetClass(CClassGrup::m_nClassID));
  ASSERT_TRUE(grup->TR_Add(g));
  vc->Select(nullptr, none, Keys({2, 3, 4}), none, none, 0, 0, 1);
  std::vector<LPARAM> hints;
  listener.onCall = [&] { hints.push_back(listener.lastHint); };
  const int undo = db->GetUndoCount();
  ASSERT_TRUE(memb->TR_Del(Keys({3})));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{2, 4}));
  EXPECT_EQ(CurMemb(), (std::vector<UINT>{3}));
  EXPECT_EQ(hints, (std::vector<LPARAM>{DB_HINT_DATA_CHANGED, CViewCtrl::HINT_UNSELECT}));
  EXPECT_TRUE(db->HasUpdateRecords()) << "the records stay readable after the selection hint";
  T_GRUP_D after;
  ASSERT_TRUE(grup->Get(1, after));
  EXPECT_TRUE(after.members.IsEmpty()) << "the group lost the member in the same transaction";
  EXPECT_EQ(db->GetUndoCount(), undo + 1);
  // A deletion of nothing selected tells the records only.
  hints.clear();
  ASSERT_TRUE(memb->TR_Del(Keys({9})));
  EXPECT_EQ(hints, (std::vector<LPARAM>{DB_HINT_DATA_CHANGED}));
  // Undo brings the member back, not into the selection; Previous skips what is gone.
  vc->SelectMemb(nullptr, Keys({10}), 0, 1, 1, 1, 1, 1, 1);
  ASSERT_TRUE(memb->TR_Del(Keys({2})));
  vc->SelectPrevious();
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{4})) << "member 2 is gone";
}

}  // namespace
