// The selection control of a database: replace and add, unselect, the current lists, and
// the hints the connected windows hear.
#include <gtest/gtest.h>

#include <vector>
#include "db/CViewCtrl.h"
#include "DbFixture.h"

namespace {

std::vector<UINT> V(const CUIntArray& a) { return a.vec(); }

class ViewCtrl : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    vc = db->GetViewCtrl();
    ASSERT_TRUE(listener.ConnectDB(db));
  }
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
  const CUIntArray none;
};

TEST_F(ViewCtrl, SelectAddsOrReplacesPerKindAndTellsTheWindows) {
  vc->Select(nullptr, Keys({3, 1}), Keys({7, 8}), none, Keys({40}), 0, 0, 0);
  EXPECT_EQ(Sel(CViewCtrl::PONT), (std::vector<UINT>{3, 1}));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), (std::vector<UINT>{7, 8}));
  EXPECT_EQ(Sel(CViewCtrl::PMEMB), (std::vector<UINT>{40}));
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
  doc->NewSampleModel();
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

}  // namespace
