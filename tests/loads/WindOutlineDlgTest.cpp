// The wind-load outline and shielding-face windows on the sample model (towers Tower1 and
// Tower2; Tower1: Base, B1, 1F and 2F on Podium, 3F to 5F on Typical1, RF; Tower2: 3F to 5F
// on Typical2, RF - story keys 1 to 12), with points of numbers 1, 2, 30 and 4 (keys 1 to
// 4): the story boxes, typed points, the rows selected after each change, refused input,
// the listing of records whose stories are gone, and what story changes refresh.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CComboBox.h"
#include "afx/CListCtrl.h"
#include "afx/CUserDriver.h"
#include "db/CClassLwrd.h"
#include "db/CClassMdul.h"
#include "db/CClassOtln.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CCobxStor.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "loads/COutLineDefineDlg.h"
#include "loads/CWindRigionDefineDlg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

namespace {

template <class Dlg, UINT IDD>
class WindDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    db = doc->GetModelDB();
    otln = static_cast<CClassOtln*>(db->GetClass(CClassOtln::m_nClassID));
    lwrd = static_cast<CClassLwrd*>(db->GetClass(CClassLwrd::m_nClassID));
    stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    const UINT numbers[] = {1, 2, 30, 4};
    for (UINT i = 1; i <= 4; ++i) {
      T_PONT_D p;
      p.key = i;
      p.number = numbers[i - 1];
      p.storyKey = 3;
      p.x = 6.0 * i;
      ASSERT_TRUE(pont->TR_Add(p));
    }
    AfxClearMessageLog();
  }
  void Open() {
    dlg = new Dlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD, IDD));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
  }
  void TearDown() override {
    if (dlg && CUserDriver::FindDialog(IDD)) dlg->DestroyWindow();
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  CComboBox* Combo(int id) { return static_cast<CComboBox*>(dlg->GetDlgItem(id)); }
  CListCtrl* List() { return static_cast<CListCtrl*>(dlg->GetDlgItem(IDC_WR_LIST)); }
  // The items of a combo, "|" between them, the selected one in brackets.
  std::string Items(int id) {
    CComboBox* c = Combo(id);
    std::string s;
    for (int i = 0; i < c->GetCount(); ++i) {
      CString t;
      c->GetLBText(i, t);
      std::string item = i == c->GetCurSel() ? "[" + std::string(t.c_str()) + "]" : t.c_str();
      s += (i ? "|" : "") + item;
    }
    return s;
  }
  // The list's rows, cells joined by "/", rows by "|".
  std::string Rows() {
    std::string s;
    for (int r = 0; r < List()->GetItemCount(); ++r) {
      s += r ? "|" : "";
      for (int c = 0; c < List()->GetColumnCount(); ++c) s += (c ? "/" : "") + std::string(List()->GetItemText(r, c).c_str());
    }
    return s;
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    POSITION pos = List()->GetFirstSelectedItemPosition();
    while (pos) rows.push_back(List()->GetNextSelectedItem(pos));
    return rows;
  }
  std::string Text(int id) {
    CString s;
    dlg->GetDlgItemText(id, s);
    return s.c_str();
  }
  static std::string Key(const char* k) { return CMsgDll::pfuncLoadStr(k, 0); }
  static std::string LastMessage() { return AfxGetLastMessage() ? AfxGetLastMessage()->text.c_str() : ""; }
  void Add(const char* from, const char* points) {
    user.Choose(IDC_WR_STORY_FROM, from);
    user.Type(IDC_WR_POINTS, points);
    user.Click(IDC_WR_ADD);
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassOtln* otln = nullptr;
  CClassLwrd* lwrd = nullptr;
  CClassStor* stor = nullptr;
  Dlg* dlg = nullptr;
  CUserDriver user;
};

// ---- outlines -----------------------------------------------------------------------------

class OutlineTest : public WindDlgTest<COutLineDefineDlg, IDD_CMD_OUTLINE_DEFINE> {};

TEST_F(OutlineTest, TheBoxesStartOnAWithoutTheBaseStoryAndTheEndBoxFollowsTheStartStorysFloor) {
  Open();
  EXPECT_EQ(Combo(IDC_WR_NAME)->GetCount(), 26);
  EXPECT_EQ(Text(IDC_WR_NAME), "A");
  EXPECT_EQ(static_cast<CCobxStor*>(Combo(IDC_WR_STORY_FROM))->FindKey(CClassStor::BASE_STORY), CB_ERR);
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "");
  user.Choose(IDC_WR_STORY_FROM, "4F (Typical1)");
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "[4F]|5F");
  user.Choose(IDC_WR_STORY_FROM, "1F (Podium)");
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "[1F]|2F");
}

TEST_F(OutlineTest, AddedOutlinesKeepTheirPointsInOrderAndMayShareALetter) {
  Open();
  Add("3F (Typical1)", "1, 2, 30");
  user.Choose(IDC_WR_STORY_TO, "5F");
  user.Click(IDC_WR_ADD);
  T_OTLN_D r;
  ASSERT_TRUE(otln->Get(1, r));
  EXPECT_EQ(std::vector<UINT>(r.points.begin(), r.points.end()), (std::vector<UINT>{1, 2, 3}));
  EXPECT_EQ(std::string(r.name.c_str()), "A");
  EXPECT_EQ(r.lead, 0);
  EXPECT_EQ(Rows(), "A/Tower1/3F/3F/1, 2, 30|A/Tower1/3F/5F/1, 2, 30");
  EXPECT_EQ(Selected(), std::vector<int>{1}) << "the new outline's row";
}

TEST_F(OutlineTest, SelectingARowLeavesTheNameAndModifyWritesItKeepingKeyAndLead) {
  Open();
  Add("3F (Typical1)", "4 1");
  user.Choose(IDC_WR_NAME, "C");
  Add("1F (Podium)", "2");
  T_OTLN_D r;
  ASSERT_TRUE(otln->Get(1, r));
  r.lead = 9;
  ASSERT_TRUE(otln->TR_Modify(1, r));
  ASSERT_TRUE(user.SelectRows(IDC_WR_LIST, {0}));
  EXPECT_EQ(Text(IDC_WR_NAME), "C");
  EXPECT_EQ(Text(IDC_WR_POINTS), "4, 1");
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "[3F]|4F|5F");
  user.Choose(IDC_WR_STORY_TO, "4F");
  user.Click(IDC_WR_MODIFY);
  ASSERT_TRUE(otln->Get(1, r));
  EXPECT_EQ(std::string(r.name.c_str()), "C");
  EXPECT_EQ(r.endStory, 6u);
  EXPECT_EQ(r.lead, 9);
  EXPECT_EQ(otln->GetCount(), 2);
  EXPECT_EQ(Selected(), std::vector<int>{0});
}

TEST_F(OutlineTest, DeletingRowsTwoAndThreeOfFiveSelectsRowTwo) {
  Open();
  for (const char* p : {"1", "2", "30", "4", "1 2"}) Add("3F (Typical1)", p);
  const int steps = db->GetUndoCount();
  ASSERT_TRUE(user.SelectRows(IDC_WR_LIST, {2, 3}));
  user.Click(IDC_WR_DELETE);
  EXPECT_EQ(db->GetUndoCount(), steps + 1);
  EXPECT_EQ(Rows(), "A/Tower1/3F/3F/1|A/Tower1/3F/3F/2|A/Tower1/3F/3F/1, 2");
  EXPECT_EQ(Selected(), std::vector<int>{2});
}

// Each refused input shows its message, writes nothing and leaves the controls alone.
TEST_F(OutlineTest, RefusedInputChangesNothing) {
  Open();
  Add("3F (Typical1)", "1 2");
  user.Type(IDC_WR_POINTS, "30");
  const struct {
    const char* points;
    bool noStory;
    int button;
    std::vector<int> rows;
    const char* message;
  } cases[] = {
      {"", false, IDC_WR_ADD, {}, "IDS_CMD_WR_Invalid_point_lst"},
      {"1,,2", false, IDC_WR_ADD, {}, "IDS_CMD_WR_Invalid_point_lst"},
      {"1 3", false, IDC_WR_ADD, {}, "IDS_CMD_WR_Invalid_point_lst"},
      {"2 99", false, IDC_WR_MODIFY, {0}, "IDS_CMD_WR_Invalid_point_lst"},
      {"1", true, IDC_WR_ADD, {}, "IDS_CMD_WR_Select_story_again"},
      {"1", true, IDC_WR_MODIFY, {0}, "IDS_CMD_WR_Select_story_again"},
      {"1", false, IDC_WR_MODIFY, {}, "IDS_CMD_WR_Select_one_item"},
      {"1", false, IDC_WR_MODIFY, {0, 1}, "IDS_CMD_WR_Select_one_item"},
      {"1", false, IDC_WR_DELETE, {}, "IDS_CMD_WR_Select_items"},
  };
  Add("4F (Typical1)", "4");
  for (const auto& c : cases) {
    AfxClearMessageLog();
    List()->SetItemState(-1, 0, LVIS_SELECTED);
    if (!c.rows.empty()) {
      ASSERT_TRUE(user.SelectRows(IDC_WR_LIST, c.rows));
    }
    if (c.noStory) Combo(IDC_WR_STORY_FROM)->SetCurSel(-1);
    else user.Choose(IDC_WR_STORY_FROM, "3F (Typical1)");
    user.Type(IDC_WR_POINTS, c.points);
    const int steps = db->GetUndoCount();
    const std::string rows = Rows(), from = Text(IDC_WR_STORY_FROM);
    user.Click(c.button);
    EXPECT_EQ(LastMessage(), Key(c.message)) << c.points;
    EXPECT_EQ(db->GetUndoCount(), steps) << c.points;
    EXPECT_EQ(Rows(), rows) << c.points;
    EXPECT_EQ(Text(IDC_WR_POINTS), c.points);
    EXPECT_EQ(Text(IDC_WR_STORY_FROM), from);
    EXPECT_EQ(Selected(), c.rows);
  }
}

TEST_F(OutlineTest, ModifyOfARowWhoseRecordIsGoneWritesNothing) {
  Open();
  Add("3F (Typical1)", "1 2");
  dlg->CDBUpdateConnector::Disconnect();
  ASSERT_TRUE(otln->TR_Del(1));
  ASSERT_TRUE(user.SelectRows(IDC_WR_LIST, {0}));
  user.Click(IDC_WR_MODIFY);
  EXPECT_FALSE(otln->Exist(1));
  EXPECT_EQ(otln->GetCount(), 0);
}

TEST_F(OutlineTest, ARecordWhoseStoriesAreGoneIsListedEmptyAndTheRowsAfterItToo) {
  T_OTLN_D r;
  r.name = "A";
  r.startStory = 99;
  r.endStory = 98;
  r.points.Add(1);
  ASSERT_TRUE(otln->TR_Add(r));
  r.name = "B";
  r.startStory = 3;
  r.endStory = 97;
  r.points.Add(77);  // a point that no longer exists
  ASSERT_TRUE(otln->TR_Add(r));
  r.name = "C";
  r.endStory = 4;
  ASSERT_TRUE(otln->TR_Add(r));
  Open();
  EXPECT_EQ(Rows(), "A////1|B//1F//1|C/Tower1/1F/2F/1");
}

TEST_F(OutlineTest, ARenamedStoryRefreshesTheBoxesNotTheList) {
  Open();
  Add("3F (Typical1)", "1");
  user.Choose(IDC_WR_STORY_TO, "5F");
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(5, s));
  s.name = "3FX";
  ASSERT_TRUE(stor->TR_Modify1(CString("3F"), s));
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "3FX|4F|[5F]") << "the end story stays chosen";
  EXPECT_EQ(Text(IDC_WR_STORY_FROM), "3FX (Typical1)");
  EXPECT_EQ(Rows(), "A/Tower1/3F/3F/1");
}

// ---- shielding faces ----------------------------------------------------------------------

class FaceTest : public WindDlgTest<CWindRigionDefineDlg, IDD_CMD_WIND_REGION> {};

TEST_F(FaceTest, TheEndBoxListsTheTowersStoriesFromItsLastDownToTheStart) {
  Open();
  user.Choose(IDC_WR_STORY_FROM, "Tower2:4F");
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "[Tower2:RF]|Tower2:5F|Tower2:4F");
  user.Choose(IDC_WR_STORY_FROM, "1F");
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "[Tower1:RF]|Tower1:5F|Tower1:4F|Tower1:3F|Tower1:2F|Tower1:1F")
      << "every standard floor of the tower";
}

TEST_F(FaceTest, WithOneTowerTheEndBoxShowsPlainNames) {
  auto* mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
  ASSERT_TRUE(mdul->TR_Del(2));
  Open();
  user.Choose(IDC_WR_STORY_FROM, "4F");
  EXPECT_EQ(Items(IDC_WR_STORY_TO), "[RF]|5F|4F");
}

TEST_F(FaceTest, ModifyReplacesStoriesAndPointsAndKeepsTheKey) {
  Open();
  Add("2F", "1, 2");
  Add("3F", "30");
  EXPECT_EQ(Rows(), "Tower1/2F/RF/1, 2|Tower1/3F/RF/30");
  ASSERT_TRUE(user.SelectRows(IDC_WR_LIST, {0}));
  user.Choose(IDC_WR_STORY_FROM, "B1");
  user.Choose(IDC_WR_STORY_TO, "Tower1:2F");
  user.Type(IDC_WR_POINTS, "4 4");
  user.Click(IDC_WR_MODIFY);
  T_LWRD_D r;
  ASSERT_TRUE(lwrd->Get(1, r));
  EXPECT_EQ(r.startStory, 2u);
  EXPECT_EQ(r.endStory, 4u);
  EXPECT_EQ(std::vector<UINT>(r.points.begin(), r.points.end()), (std::vector<UINT>{4, 4}));
  EXPECT_EQ(Rows(), "Tower1/B1/2F/4, 4|Tower1/3F/RF/30");
  EXPECT_EQ(Selected(), std::vector<int>{0});
}

}  // namespace
