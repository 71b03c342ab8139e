// The tables and reads behind the slab settings: the load-design control's wind and
// seismic flags, the civil-air-defence record's stories, the slab reinforcement directions
// (one transaction over many slabs, refused for anything but slabs, gone with their slab),
// and the story combo leaving out the stories on which no member stands.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxSystem.h"
#include "afx/afxwin.h"
#include "db/CClassLcug.h"
#include "db/CClassLdct.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassSdir.h"
#include "db/CClassStor.h"
#include "db/CCobxStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "db/DB_CUpdateRecord.h"
#include "tests/platform/db/ThreeStoryFixture.h"

namespace {

class Listener : public DB_CUpdateListener {
 public:
  void OnUpdate(CView*, LPARAM, CObject*) override { ++calls; }
  int calls = 0;
};

class SlabSettingsTablesTest : public ThreeStoryTest {
 protected:
  static CUIntArray Keys(std::initializer_list<UINT> ks) {
    CUIntArray a;
    for (UINT k : ks) a.Add(k);
    return a;
  }
  std::string Dirs() {
    std::string s;
    CUIntArray keys;
    Table<CClassSdir>()->GetKeyList(keys);
    for (UINT k : keys) {
      T_SDIR_D r;
      Table<CClassSdir>()->Get(k, r);
      s += (s.empty() ? "" : ",") + std::to_string(k) + ":" + std::to_string(r.mode) + "/" +
           std::to_string((int)r.angle);
    }
    return s;
  }
};

TEST_F(SlabSettingsTablesTest, LoadControlConsidersWindAndSeismicUnlessTold) {
  T_LDCT_D ldct;
  ldct.flag = 7;
  ldct.wind = 0;
  ldct.Initialize();
  EXPECT_EQ(1, ldct.wind);
  EXPECT_EQ(1, ldct.seismic);
  ldct.seismic = 0;
  ASSERT_TRUE(Table<CClassLdct>()->TR_Add(ldct));
  T_LDCT_D got;
  ASSERT_TRUE(Table<CClassLdct>()->Get(got));
  EXPECT_EQ(1, got.wind);
  EXPECT_EQ(0, got.seismic);
}

TEST_F(SlabSettingsTablesTest, CivilAirDefenceStoriesAreTheStoredKeysOrNone) {
  CClassLcug* lcug = Table<CClassLcug>();
  EXPECT_EQ(0u, lcug->GetUpperInbangSlabStoryKey());
  EXPECT_EQ(0u, lcug->GetLowerInbangSlabStoryKey());
  T_LCUG_D r;
  r.flag = 1;
  r.upperStory = stories[2];
  r.lowerStory = stories[0];
  ASSERT_TRUE(lcug->TR_Add(r));
  EXPECT_EQ(stories[2], lcug->GetUpperInbangSlabStoryKey());
  EXPECT_EQ(stories[0], lcug->GetLowerInbangSlabStoryKey());
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(0u, lcug->GetUpperInbangSlabStoryKey());
}

TEST_F(SlabSettingsTablesTest, ReplaceWritesEverySlabInOneUndoStepAddingOrReplacing) {
  const UINT a = AddMemb(301, stories[0]), b = AddMemb(301, stories[0], 2), c = AddMemb(301, stories[1]);
  CClassSdir* sdir = Table<CClassSdir>();
  T_SDIR_D r;
  r.mode = 1;
  r.angle = 30;
  ASSERT_TRUE(sdir->TR_Replace(Keys({a, b}), r));
  const int undo = db->GetUndoCount();
  r.angle = 45;
  Listener heard;
  ASSERT_TRUE(heard.ConnectDB(db));
  ASSERT_TRUE(sdir->TR_Replace(Keys({b, c, b}), r)) << "a key twice is written once";
  EXPECT_EQ(1, heard.calls) << "one transaction, one notification";
  EXPECT_EQ(undo + 1, db->GetUndoCount());
  const std::string after = std::to_string(a) + ":1/30," + std::to_string(b) + ":1/45," + std::to_string(c) + ":1/45";
  EXPECT_EQ(after, Dirs());
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(std::to_string(a) + ":1/30," + std::to_string(b) + ":1/30", Dirs());
  ASSERT_TRUE(db->Redo());
  EXPECT_EQ(after, Dirs());
  heard.DisconnectDB();
}

TEST_F(SlabSettingsTablesTest, ReplaceIsRefusedWholeForAnythingButSlabs) {
  const UINT slab = AddMemb(301, stories[0]), beam = AddMemb(201, stories[0]), wall = AddMemb(202, stories[1]);
  const UINT area = AddMemb(300, stories[1], 3);
  CClassSdir* sdir = Table<CClassSdir>();
  T_SDIR_D r;
  r.mode = 1;
  r.angle = 10;
  ASSERT_TRUE(sdir->TR_Replace(Keys({slab}), r));
  const int undo = db->GetUndoCount();
  Listener heard;
  ASSERT_TRUE(heard.ConnectDB(db));
  r.angle = 20;
  struct Case { const char* what; CUIntArray keys; } cases[] = {
      {"a beam", Keys({slab, beam})}, {"a wall", Keys({wall})}, {"an area member", Keys({area, slab})},
      {"no member", Keys({slab, 999})}, {"key 0", Keys({0})}};
  for (const Case& c : cases) EXPECT_FALSE(sdir->TR_Replace(c.keys, r)) << c.what;
  T_SDIR_D inf = r;
  inf.angle = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(sdir->TR_Replace(Keys({slab}), inf)) << "no real is infinite";
  EXPECT_EQ(std::to_string(slab) + ":1/10", Dirs());
  EXPECT_EQ(0, heard.calls);
  EXPECT_EQ(undo, db->GetUndoCount());
  EXPECT_TRUE(sdir->TR_Replace(CUIntArray(), r)) << "nothing to write";
  heard.DisconnectDB();
}

TEST_F(SlabSettingsTablesTest, ASlabsDirectionGoesWithTheSlabAndComesBackWithIt) {
  const UINT a = AddMemb(301, stories[0]), b = AddMemb(301, stories[1]);
  T_SDIR_D r;
  r.mode = 0;
  r.angle = 15;
  ASSERT_TRUE(Table<CClassSdir>()->TR_Replace(Keys({a, b}), r));
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(a));
  EXPECT_EQ(std::to_string(b) + ":0/15", Dirs());
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(std::to_string(a) + ":0/15," + std::to_string(b) + ":0/15", Dirs());
}

class StoryComboTest : public SlabSettingsTablesTest {
 protected:
  void SetUp() override {
    SlabSettingsTablesTest::SetUp();
    AfxDiscardQueuedMessages();
    ASSERT_TRUE(dlg.CreateEx(0, "#32770", "test", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 120, 200), &dlg, 100));
  }
  void TearDown() override {
    combo.DestroyWindow();
    dlg.DestroyWindow();
    SlabSettingsTablesTest::TearDown();
  }
  std::string Items() {
    std::string s;
    for (int i = 0; i < combo.GetCount(); ++i) {
      CString t;
      combo.GetLBText(i, t);
      s += (s.empty() ? "" : ",") + std::string(t.c_str());
    }
    return s;
  }
  CWnd dlg;
  CCobxStor combo;
};

TEST_F(StoryComboTest, EmptyStoriesGoOnlyWhileTheModelHasMembersAndTheListFollowsThem) {
  combo.ExceptBaseStory();
  combo.ExceptEmptyStory(TRUE, 0);
  EXPECT_EQ("1F,2F,3F", Items()) << "without members no story counts as empty";
  const UINT slab = AddMemb(301, stories[1]);
  EXPECT_EQ("2F", Items());
  AddMemb(201, stories[2]);
  EXPECT_EQ("2F,3F", Items());
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(slab));
  EXPECT_EQ("3F", Items());
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ("2F,3F", Items());
  combo.ExceptEmptyStory(FALSE, 0);
  EXPECT_EQ("1F,2F,3F", Items());
}

}  // namespace
