// The unselect-by-identity window on the small frame: the eight buttons over the
// unselected sets with kinds cleared, typed lists of the unselected objects, Previous
// after a two-call change, the numbered member types and their pick, the analysis model.
#include <gtest/gtest.h>

#include "afx/CListBox.h"
#include "afx/CUserDriver.h"
#include "res/resource.h"
#include "selection/CCMUnselectIdentityDlg.h"
#include "SelectFixture.h"

namespace {

class UnselectIdentityDlg : public SelectFixture {
 protected:
  void Open() {
    dlg = new CCMUnselectIdentityDlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_UNSELECT_IDENTITY, IDD_CMD_UNSELECT_IDENTITY));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
  }
  void TearDown() override {
    if (CWnd* w = CUserDriver::FindDialog(IDD_CMD_UNSELECT_IDENTITY)) w->DestroyWindow();
    SelectFixture::TearDown();
  }
  void ToAnalysis() {
    doc->SetPostMode(TRUE);
    doc->UpdateAllViews(nullptr, 8);
    ASSERT_EQ(dlg->GetMode(), 1);
  }
  std::string Text(UINT id) {
    CString s;
    dlg->GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  CListBox& List() { return *static_cast<CListBox*>(dlg->GetDlgItem(IDC_UNSELID_LIST)); }
  std::string Selected() {
    std::string s;
    for (int i = 0; i < List().GetCount(); ++i)
      if (List().GetSel(i) > 0) s += (s.empty() ? "" : ",") + std::to_string(List().GetItemData(i));
    return s.empty() ? "-" : s;
  }
  CRect Rect(UINT id) {
    CRect r;
    dlg->GetDlgItem(id)->GetWindowRect(&r);
    return r;
  }
  CViewCtrl* Vc(DB_CDataBase* d = nullptr) { return (d ? d : db)->GetViewCtrl(); }

  CCMUnselectIdentityDlg* dlg = nullptr;
  CUserDriver user;
  const CUIntArray none{};
};

TEST_F(UnselectIdentityDlg, ButtonsChangeTheUnselectedSetsOfTheCheckedKindsOnly) {
  Open();
  // Before each click: points 1 3 5 and members 1 2 6 (nodes and elements alike) selected;
  // the query is section 1: members (elements) 1 and 3, their points (nodes) 1 2 4.
  enum { OBJ = 1, MEMB = 2, BOTH = 3 };
  struct Row {
    int mode;
    UINT button;
    int checked;
    const char* objs;   // selected points or nodes after the click
    const char* membs;  // selected members or elements after the click
  } rows[] = {
      {0, IDC_SELID_ALL, BOTH, "-", "-"},
      {0, IDC_SELID_ALL, OBJ, "-", "1,2,6"},
      {0, IDC_SELID_ALL, 0, "1,3,5", "1,2,6"},
      {0, IDC_SELID_NONE, BOTH, "1,2,3,4,5,6,7,8", "1,2,3,4,5,6"},
      {0, IDC_SELID_NONE, MEMB, "1,3,5", "1,2,3,4,5,6"},
      {0, IDC_SELID_INVERSE, BOTH, "2,4,6,7,8", "3,4,5"},
      {0, IDC_SELID_INVERSE, OBJ, "2,4,6,7,8", "1,2,6"},
      {0, IDC_SELID_PREVIOUS, 0, "-", "-"},  // before the setting: nothing
      {0, IDC_SELID_ADD, BOTH, "3,5", "2,6"},
      {0, IDC_SELID_ADD, MEMB, "1,3,5", "2,6"},
      {0, IDC_SELID_DELETE, BOTH, "1,2,3,4,5", "1,2,3,6"},
      {0, IDC_SELID_DELETE, OBJ, "1,2,3,4,5", "1,2,6"},
      {0, IDC_SELID_REPLACE, BOTH, "3,5,6,7,8", "2,4,5,6"},
      {0, IDC_SELID_REPLACE, MEMB, "1,3,5", "2,4,5,6"},
      {0, IDC_SELID_INTERSECT, BOTH, "1,3,5,6,7,8", "1,2,4,5,6"},
      {0, IDC_SELID_INTERSECT, OBJ, "1,3,5,6,7,8", "1,2,6"},
      {1, IDC_SELID_ADD, BOTH, "3,5", "2,6"},
      {1, IDC_SELID_REPLACE, MEMB, "1,3,5", "2,4,5,6"},
      {1, IDC_SELID_REPLACE, BOTH, "3,5,6,7,8", "2,4,5,6"},
      {1, IDC_SELID_INVERSE, OBJ, "2,4,6,7,8", "1,2,6"},
  };
  int mode = 0;
  auto prepare = [&] {
    ASSERT_TRUE(user.ChooseIndex(IDC_UNSELID_CATEGORY, 2));  // sections
    ASSERT_TRUE(user.SelectRows(IDC_UNSELID_LIST, {0}));     // section 1
  };
  prepare();
  for (const Row& r : rows) {
    if (r.mode != mode) {
      ToAnalysis();
      mode = 1;
      prepare();
    }
    const int boxes[2] = {mode ? IDC_UNSELID_CHK_NODE : IDC_UNSELID_CHK_PONT,
                          mode ? IDC_UNSELID_CHK_ELEM : IDC_UNSELID_CHK_MEMB};
    const CViewCtrl::Kind kinds[2] = {mode ? CViewCtrl::PNODE : CViewCtrl::PONT,
                                      mode ? CViewCtrl::PMEMB : CViewCtrl::MEMB};
    DB_CDataBase* d = mode ? Post() : db;
    ASSERT_TRUE(user.Check(boxes[0], (r.checked & OBJ) ? 1 : 0));
    ASSERT_TRUE(user.Check(boxes[1], (r.checked & MEMB) ? 1 : 0));
    Vc(d)->UnselectAll(nullptr);
    if (mode) Vc(d)->Select(nullptr, none, none, Keys({1, 3, 5}), Keys({1, 2, 6}), 0, 0, 1);
    else Vc(d)->Select(nullptr, Keys({1, 3, 5}), Keys({1, 2, 6}), none, none, 0, 0, 1);
    ASSERT_TRUE(user.Click(r.button)) << r.button;
    EXPECT_EQ(Sel(kinds[0], d), r.objs) << "mode " << mode << " button " << r.button << " checked " << r.checked;
    EXPECT_EQ(Sel(kinds[1], d), r.membs) << "mode " << mode << " button " << r.button << " checked " << r.checked;
  }
  EXPECT_EQ(Sel(CViewCtrl::PONT), "1,3,5,6,7,8") << "the analysis model's buttons left the building model as it was";
}

TEST_F(UnselectIdentityDlg, TypedListsBecomeTheUnselectedObjectsOfTheirKind) {
  Open();
  Vc()->Select(nullptr, none, Keys({2}), none, none, 0, 0, 1);
  EXPECT_EQ(Text(IDC_UNSELID_MEMB_NO), "1 3to5 60") << "the unselected members";
  EXPECT_EQ(Text(IDC_UNSELID_PONT_NO), "1to8");
  struct Case { UINT edit; const char* typed; CViewCtrl::Kind kind; const char* sel; const char* shown; } cases[] = {
      {IDC_UNSELID_PONT_NO, "5", CViewCtrl::PONT, "1,2,3,4,6,7,8", "5"},
      {IDC_UNSELID_PONT_NO, "7to99 2", CViewCtrl::PONT, "1,3,4,5,6", "2 7 8"},
      {IDC_UNSELID_PONT_NO, "", CViewCtrl::PONT, "1,2,3,4,5,6,7,8", ""},
      {IDC_UNSELID_PONT_NO, "99", CViewCtrl::PONT, "1,2,3,4,5,6,7,8", ""},
      {IDC_UNSELID_MEMB_NO, "60 1", CViewCtrl::MEMB, "2,3,4,5", "1 60"},
      {IDC_UNSELID_MEMB_NO, "no list", CViewCtrl::MEMB, "1,2,3,4,5,6", ""},
      {IDC_UNSELID_MEMB_NO, "6", CViewCtrl::MEMB, "1,2,3,4,5,6", ""},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(user.Type(c.edit, c.typed)) << c.typed;
    EXPECT_EQ(Sel(c.kind), c.sel) << c.typed;
    EXPECT_EQ(Text(c.edit), c.shown) << c.typed;
  }
  Vc()->SelectPont(nullptr, Keys({1}), 1, 1, 1, 1, 1, 1);
  ASSERT_TRUE(user.Type(IDC_UNSELID_PONT_NO, "5"));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "1,2,3,4,5,6") << "the points' list left the members alone";
  // Previous undoes the typed list as one change.
  ASSERT_TRUE(user.Click(IDC_SELID_PREVIOUS));
  EXPECT_EQ(Sel(CViewCtrl::PONT), "1");

  // Return posts the kill-focus; the list applies at the next pump.
  dlg->GetDlgItem(IDC_UNSELID_MEMB_NO)->SetWindowText("3");
  ASSERT_TRUE(user.Key(IDC_UNSELID_MEMB_NO, VK_RETURN));
  AfxPumpMessages();
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "1,2,4,5,6");
}

TEST_F(UnselectIdentityDlg, ObjectsAddedOrDeletedElsewhereRewriteTheEdits) {
  Open();
  Vc()->Select(nullptr, Keys({1, 2}), Keys({1, 2, 3, 4, 5, 6}), none, none, 0, 0, 1);
  EXPECT_EQ(Text(IDC_UNSELID_MEMB_NO), "");
  T_MEMB_D m;
  ASSERT_TRUE(Table<CClassMemb>()->Get(1, m));
  m.key = 0, m.number = 0;
  ASSERT_TRUE(Table<CClassMemb>()->TR_Add(m));
  EXPECT_EQ(Text(IDC_UNSELID_MEMB_NO), "7") << "a new member comes unselected";
  // Leaving the edit as it shows applies what it shows: the selection stays.
  ASSERT_TRUE(user.Type(IDC_UNSELID_MEMB_NO, "7"));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "1,2,3,4,5,6");
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(7u));
  EXPECT_EQ(Text(IDC_UNSELID_MEMB_NO), "") << "an unselected member deleted";
  T_PONT_D p;
  ASSERT_TRUE(Table<CClassPont>()->Get(1, p));
  p.key = 0, p.number = 0, p.x = 30;
  ASSERT_TRUE(Table<CClassPont>()->TR_Add(p));
  EXPECT_EQ(Text(IDC_UNSELID_PONT_NO), "3to9");
}

TEST_F(UnselectIdentityDlg, PreviousAfterAReplaceReturnsToTheSelectionBeforeTheClick) {
  Open();
  Vc()->Select(nullptr, Keys({2}), Keys({4}), none, none, 0, 0, 1);
  ASSERT_TRUE(user.ChooseIndex(IDC_UNSELID_CATEGORY, 1));  // materials
  ASSERT_TRUE(user.SelectRows(IDC_UNSELID_LIST, {0}));     // material 1: members 1 and 4
  for (UINT button : {IDC_SELID_REPLACE, IDC_SELID_INVERSE, IDC_SELID_INTERSECT}) {
    ASSERT_TRUE(user.Click(button));
    ASSERT_NE(Sel(CViewCtrl::MEMB), "4") << button;
    ASSERT_TRUE(user.Click(IDC_SELID_PREVIOUS));
    EXPECT_EQ(Sel(CViewCtrl::PONT), "2") << button;
    EXPECT_EQ(Sel(CViewCtrl::MEMB), "4") << button;
    EXPECT_EQ(Text(IDC_UNSELID_MEMB_NO), "1to3 5 60") << button;
  }
  ASSERT_TRUE(user.Click(IDC_SELID_REPLACE));
  ASSERT_TRUE(user.Click(IDC_SELID_PREVIOUS));
  ASSERT_TRUE(user.Click(IDC_SELID_PREVIOUS));
  EXPECT_EQ(Sel(CViewCtrl::MEMB), "2,3,5,6") << "and back to the Replace";
}

TEST_F(UnselectIdentityDlg, MemberTypesAreNumberedAndThePickFindsThem) {
  Open();
  CUIntArray codes;
  CStringArray names;
  CClassMemb::GetMembTypeList(codes, names);
  ASSERT_GE(codes.GetSize(), 2);
  ASSERT_EQ(List().GetCount(), (int)codes.GetSize());
  for (int i : {0, 1}) {
    CString t;
    List().GetText(i, t);
    EXPECT_EQ(std::string(t.c_str()), std::to_string(i + 1) + "_" + names[i].c_str());
    EXPECT_EQ(List().GetItemData(i), codes[i]);
  }
  struct Case { const char* typed; int multi; std::string selected; } cases[] = {
      {"2", 0, std::to_string(codes[1])},
      {"0", 0, "-"},
      {"11", 0, "-"},
      {"1", 1, std::to_string(codes[0])},
      {"2", 1, std::to_string(codes[0]) + "," + std::to_string(codes[1])},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(user.Check(IDC_UNSELID_MULTI_PICK, c.multi));
    dlg->GetDlgItem(IDC_UNSELID_PICK_TYPE)->SetWindowText(c.typed);
    ASSERT_TRUE(user.Key(IDC_UNSELID_PICK_TYPE, VK_RETURN));
    EXPECT_EQ(Selected(), c.selected) << c.typed;
  }

  // The analysis model lists the element types, numbered alike; its pick takes the code.
  ToAnalysis();
  CClassPMemb::GetMembTypeList(codes, names);
  ASSERT_EQ(List().GetCount(), (int)codes.GetSize());
  CString t;
  List().GetText(3, t);
  EXPECT_EQ(std::string(t.c_str()), std::string("4_") + names[3].c_str());
  ASSERT_EQ(List().GetItemData(3), 209u);
  ASSERT_TRUE(user.Check(IDC_UNSELID_MULTI_PICK, 0));
  for (const char* typed : {"209", "4"}) {
    dlg->GetDlgItem(IDC_UNSELID_PICK_TYPE)->SetWindowText(typed);
    ASSERT_TRUE(user.Key(IDC_UNSELID_PICK_TYPE, VK_RETURN));
    EXPECT_EQ(Selected(), std::string(typed) == "209" ? "209" : "-") << typed;
  }
}

TEST_F(UnselectIdentityDlg, AModeChangeMovesToTheAnalysisRowsAndRewritesThem) {
  Open();
  EXPECT_EQ(Rect(IDC_UNSELID_NODE_NO).top, Rect(IDC_UNSELID_PONT_NO).top);
  EXPECT_EQ(Rect(IDC_UNSELID_ELEM_NO).top, Rect(IDC_UNSELID_MEMB_NO).top);
  CRect self;
  dlg->GetWindowRect(&self);
  EXPECT_EQ(self.bottom, Rect(IDC_SELID_CLOSE).bottom + 15);
  EXPECT_FALSE(dlg->GetDlgItem(IDC_UNSELID_NODE_NO)->IsWindowVisible());

  doc->SetPostMode(TRUE);
  Vc(Post())->Select(nullptr, none, none, Keys({7}), Keys({1, 2}), 0, 0, 1);
  EXPECT_EQ(Text(IDC_UNSELID_NODE_NO), "") << "not rewritten in mode 0";
  doc->UpdateAllViews(nullptr, 8);
  EXPECT_TRUE(dlg->GetDlgItem(IDC_UNSELID_NODE_NO)->IsWindowVisible());
  EXPECT_FALSE(dlg->GetDlgItem(IDC_UNSELID_PONT_NO)->IsWindowVisible());
  EXPECT_EQ(Text(IDC_UNSELID_NODE_NO), "1to6 8");
  EXPECT_EQ(Text(IDC_UNSELID_ELEM_NO), "3to6");
  ASSERT_TRUE(user.Type(IDC_UNSELID_ELEM_NO, "5 6 60"));
  EXPECT_EQ(Sel(CViewCtrl::PMEMB, Post()), "1,2,3,4");
  EXPECT_EQ(Text(IDC_UNSELID_ELEM_NO), "5 6");
  EXPECT_EQ(Sel(CViewCtrl::PONT), "-") << "the building model's selection is not touched";
}

}  // namespace
