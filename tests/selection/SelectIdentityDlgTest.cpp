// The select-by-identity window on the small frame: typed lists and their compact text,
// the analysis-model rows, the buttons with a kind cleared, the lists, the picks and the
// refills.
#include <gtest/gtest.h>

#include "afx/CListBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "res/resource.h"
#include "selection/CCMSelectIdentityDlg.h"
#include "SelectFixture.h"

namespace {

class SelectIdentityDlg : public SelectFixture {
 protected:
  void Open() {
    dlg = new CCMSelectIdentityDlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_SELECT_IDENTITY, IDD_CMD_SELECT_IDENTITY));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
  }
  void TearDown() override {
    if (CWnd* w = CUserDriver::FindDialog(IDD_CMD_SELECT_IDENTITY)) w->DestroyWindow();
    SelectFixture::TearDown();
  }
  std::string Text(UINT id) {
    CString s;
    dlg->GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  CListBox& List() { return *static_cast<CListBox*>(dlg->GetDlgItem(IDC_SELID_LIST)); }
  std::string Items() {
    std::string s;
    for (int i = 0; i < List().GetCount(); ++i) {
      CString t;
      List().GetText(i, t);
      s += (s.empty() ? "" : "|") + std::string(t.c_str());
    }
    return s;
  }
  std::string Selected() {
    std::string s;
    for (int i = 0; i < List().GetCount(); ++i)
      if (List().GetSel(i) > 0) s += (s.empty() ? "" : ",") + std::to_string(List().GetItemData(i));
    return s.empty() ? "-" : s;
  }
  void ChooseCategory(int index) { ASSERT_TRUE(user.ChooseIndex(IDC_SELID_CATEGORY, index)); }
  void SelectItems(std::vector<int> rows) { ASSERT_TRUE(user.SelectRows(IDC_SELID_LIST, rows)); }
  CRect Rect(UINT id) {
    CRect r;
    dlg->GetDlgItem(id)->GetWindowRect(&r);
    return r;
  }
  CViewCtrl* Vc(DB_CDataBase* d = nullptr) { return (d ? d : db)->GetViewCtrl(); }

  CCMSelectIdentityDlg* dlg = nullptr;
  CUserDriver user;
  const CUIntArray none{};
};

TEST_F(SelectIdentityDlg, TypedListsSelectExactlyThatKindAndShowWhatGotSelected) {
  Open();
  Vc()->Select(nullptr, none, Keys({2}), none, none, 0, 0, 1);
  EXPECT_EQ(Text(IDC_SELID_MEMB_NO), "2");
  struct Case { UINT edit; const char* typed; CViewCtrl::Kind kind; const char* sel; const char* shown; } cases[] = {
      {IDC_SELID_PONT_NO, "5 1 99", CViewCtrl::PONT, "1,5", "1 5"},
      {IDC_SELID_PONT_NO, "2to4", CViewCtrl::PONT, "2,3,4", "2to4"},
      {IDC_SELID_PONT_NO, "", CViewCtrl::PONT, "-", ""},
      {IDC_SELID_PONT_NO, "abc", CViewCtrl::PONT, "-", ""},
      // Over an empty selection the hint leaves no current list, yet the edit is rewritten.
      {IDC_SELID_PONT_NO, "99", CViewCtrl::PONT, "-", ""},
      {IDC_SELID_MEMB_NO, "1to4000000000", CViewCtrl::MEMB, "1,2,3,4,5,6", "1to5 60"},
      {IDC_SELID_MEMB_NO, "60", CViewCtrl::MEMB, "6", "60"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(user.Type(c.edit, c.typed)) << c.typed;
    EXPECT_EQ(Sel(c.kind), c.sel) << c.typed;
    EXPECT_EQ(Text(c.edit), c.shown) << c.typed;
  }
  EXPECT_EQ(Sel(CViewCtrl::PONT), "-") << "the members' list left the points alone";

  // Return posts the kill-focus; the list applies at the next pump.
  dlg->GetDlgItem(IDC_SELID_PONT_NO)->SetWindowText("3");
  ASSERT_TRUE(user.Key(IDC_SELID_PONT_NO, VK_RETURN));
  AfxPumpMessages();
  EXPECT_EQ(Sel(CViewCtrl::PONT), "3");
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "6");

  // A cleared kind disables its edit and keeps its text.
  ASSERT_TRUE(user.Check(IDC_SELID_CHK_PONT, 0));
  EXPECT_FALSE(dlg->GetDlgItem(IDC_SELID_PONT_NO)->IsWindowEnabled());
  EXPECT_EQ(Text(IDC_SELID_PONT_NO), "3");
}

TEST_F(SelectIdentityDlg, AnalysisRowsTakeThePlaceOfTheBuildingRows) {
  Open();
  EXPECT_EQ(Rect(IDC_SELID_NODE_NO).top, Rect(IDC_SELID_PONT_NO).top);
  EXPECT_EQ(Rect(IDC_SELID_ELEM_NO).top, Rect(IDC_SELID_MEMB_NO).top);
  CRect self;
  dlg->GetWindowRect(&self);
  EXPECT_EQ(self.bottom, Rect(IDC_SELID_CLOSE).bottom + 15);
  EXPECT_FALSE(dlg->GetDlgItem(IDC_SELID_NODE_NO)->IsWindowVisible());

  Vc()->Select(nullptr, Keys({4}), none, none, none, 0, 0, 1);
  doc->SetPostMode(TRUE);
  Vc(Post())->Select(nullptr, none, none, Keys({7}), none, 0, 0, 1);
  doc->UpdateAllViews(nullptr, 8);
  EXPECT_EQ(dlg->GetMode(), 1);
  EXPECT_TRUE(dlg->GetDlgItem(IDC_SELID_NODE_NO)->IsWindowVisible());
  EXPECT_FALSE(dlg->GetDlgItem(IDC_SELID_PONT_NO)->IsWindowVisible());
  EXPECT_EQ(Text(IDC_SELID_NODE_NO), "7");
  ASSERT_TRUE(user.Type(IDC_SELID_ELEM_NO, "5 6 60"));
  EXPECT_EQ(Sel(CViewCtrl::PMEMB, Post()), "5,6");
  EXPECT_EQ(Text(IDC_SELID_ELEM_NO), "5 6");
  EXPECT_EQ(Sel(CViewCtrl::PONT), "4") << "the building model's selection is not touched";
  // A selection hint of the building model changes nothing in mode 1.
  Vc()->Select(nullptr, Keys({1}), none, none, none, 0, 0, 1);
  EXPECT_EQ(Text(IDC_SELID_NODE_NO), "7");
}

TEST_F(SelectIdentityDlg, ButtonsLeaveAClearedKindAlone) {
  Open();
  Vc()->Select(nullptr, Keys({1}), Keys({2}), none, none, 0, 0, 1);
  ASSERT_TRUE(user.Check(IDC_SELID_CHK_PONT, 0));
  struct Step {
    UINT button;
    int category;  // -1: as it is
    std::vector<int> items;
    const char* members;
  } steps[] = {
      {IDC_SELID_ADD, 1, {2}, "2,3"},             // material 3 (items: 1, 2, 3, 4)
      {IDC_SELID_REPLACE, 2, {0}, "1,3"},         // section 1
      {IDC_SELID_INTERSECT, 0, {2}, "1"},         // type 201
      {IDC_SELID_INVERSE, -1, {}, "2,3,4,5,6"},
      {IDC_SELID_NONE, -1, {}, "-"},
      {IDC_SELID_ALL, -1, {}, "1,2,3,4,5,6"},
      {IDC_SELID_DELETE, 5, {1}, "1,2,3,4,5"},    // group G3
      {IDC_SELID_PREVIOUS, -1, {}, "1,2,3,4,5,6"},
      {IDC_SELID_PREVIOUS, -1, {}, "1,2,3,4,5"},
  };
  for (const Step& s : steps) {
    if (s.category >= 0) ChooseCategory(s.category);
    if (!s.items.empty()) SelectItems(s.items);
    ASSERT_TRUE(user.Click(s.button)) << s.button;
    EXPECT_EQ(Sel(CViewCtrl::MEMB), s.members) << s.button;
    EXPECT_EQ(Sel(CViewCtrl::PONT), "1") << s.button;
  }
  // With the points checked the query's points come too; no item selected does nothing.
  ASSERT_TRUE(user.Check(IDC_SELID_CHK_PONT, 1));
  ChooseCategory(4);  // stories
  ASSERT_TRUE(user.Click(IDC_SELID_ADD));
  EXPECT_EQ(Sel(CViewCtrl::PONT), "1");
  SelectItems({3});  // story 9 (items from key 12 down)
  ASSERT_TRUE(user.Click(IDC_SELID_REPLACE));
  EXPECT_EQ(Sel(CViewCtrl::PONT), "7,8");
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "6");
  EXPECT_EQ(Text(IDC_SELID_PONT_NO), "7 8");
}

TEST_F(SelectIdentityDlg, ListsShowKeysNamesTowersAndGroupsWithObjects) {
  Open();
  EXPECT_EQ(List().GetCount(), 10) << "member types first";
  ChooseCategory(1);
  EXPECT_EQ(Items(), "1    : C30|2    : C35|3    : C40|4    : Q235");
  ChooseCategory(4);
  EXPECT_EQ(List().GetCount(), 12);
  CString first;
  List().GetText(0, first);
  EXPECT_STREQ(first, "Tower2 : RF");
  ChooseCategory(5);
  EXPECT_EQ(Items(), "G1|G3");
  EXPECT_FALSE(dlg->GetDlgItem(IDC_SELID_MULTI_PICK)->IsWindowVisible());
  for (UINT id : {IDC_SELID_PICK_TYPE, IDC_SELID_PICK_MATL, IDC_SELID_PICK_SECT, IDC_SELID_PICK_THIK})
    EXPECT_FALSE(dlg->GetDlgItem(id)->IsWindowVisible()) << id;

  doc->SetPostMode(TRUE);
  doc->UpdateAllViews(nullptr, 8);
  ChooseCategory(5);
  EXPECT_EQ(List().GetCount(), 0) << "no groups in the analysis model";
  ChooseCategory(0);
  EXPECT_EQ(List().GetItemData(3), 209u);
}

TEST_F(SelectIdentityDlg, PicksSelectListItemsByTheirEdits) {
  Open();
  struct Case { const char* typed; int multi; const char* selected; } cases[] = {
      {"0", 0, "-"}, {"11", 0, "-"}, {"3", 0, "201"}, {"1", 1, "101,201"}, {"x", 0, "-"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(user.Check(IDC_SELID_MULTI_PICK, c.multi));
    dlg->GetDlgItem(IDC_SELID_PICK_TYPE)->SetWindowText(c.typed);
    ASSERT_TRUE(user.Key(IDC_SELID_PICK_TYPE, VK_RETURN));
    EXPECT_EQ(Selected(), c.selected) << c.typed;
  }
  ChooseCategory(2);  // sections: the section edit is shown at the type edit's place
  EXPECT_EQ(Rect(IDC_SELID_PICK_SECT), Rect(IDC_SELID_PICK_TYPE));
  ASSERT_TRUE(user.Check(IDC_SELID_MULTI_PICK, 0));
  dlg->GetDlgItem(IDC_SELID_PICK_SECT)->SetWindowText("2");
  ASSERT_TRUE(user.Key(IDC_SELID_PICK_SECT, VK_RETURN));
  EXPECT_EQ(Selected(), "2");
  ASSERT_TRUE(user.Click(IDC_SELID_ADD));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "2");
  EXPECT_EQ(Sel(CViewCtrl::PONT), "2,3");
}

TEST_F(SelectIdentityDlg, AMaterialAddedElsewhereRefillsTheListATowerRenamedDoesNot) {
  Open();
  ChooseCategory(1);
  SelectItems({0});
  T_MATL_D m;
  ASSERT_TRUE(Table<CClassMatl>()->Get(1, m));
  m.key = 0;
  m.name = "C50";
  ASSERT_TRUE(Table<CClassMatl>()->TR_Add(m));
  EXPECT_EQ(List().GetCount(), 4) << "an unused material is not listed";
  EXPECT_EQ(Selected(), "-") << "the refill lost the selection";

  ChooseCategory(4);
  SelectItems({0});
  T_MDUL_D t;
  ASSERT_TRUE(Table<CClassMdul>()->Get(2, t));
  t.name = "East";
  ASSERT_TRUE(Table<CClassMdul>()->TR_Modify(2u, t));
  EXPECT_EQ(Selected(), "12");
  CString first;
  List().GetText(0, first);
  EXPECT_STREQ(first, "Tower2 : RF");
}

TEST_F(SelectIdentityDlg, DeletedMembersLeaveTheEditAndCloseEndsTheWindow) {
  const int listeners = db->GetListenerCount();
  const int postListeners = Post()->GetListenerCount();
  Open();
  ASSERT_TRUE(user.Type(IDC_SELID_MEMB_NO, "1to3"));
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(2u));
  EXPECT_EQ(Text(IDC_SELID_MEMB_NO), "1 3");
  ASSERT_TRUE(user.Click(IDC_SELID_CLOSE));
  EXPECT_EQ(CUserDriver::FindDialog(IDD_CMD_SELECT_IDENTITY), nullptr);
  EXPECT_EQ(db->GetListenerCount(), listeners);
  EXPECT_EQ(Post()->GetListenerCount(), postListeners);
}

}  // namespace
