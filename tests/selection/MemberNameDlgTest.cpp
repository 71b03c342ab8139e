// The member-name window on the sample with named members: names added from suffix lists
// in one transaction, refused input that changes nothing, names of two types, natural
// order, edits, deletes with and without the only-names box, and the purges that keep
// names members or named slab loads use.
#include "afx/CComboBox.h"
#include "selection/CDefMemberName.h"
#include "tests/selection/SelectionFixture.h"

namespace {

class MemberNameTest : public SelectionTest {
 protected:
  void SetUp() override {
    SelectionTest::SetUp();
    dlg = new CDefMemberName(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_DEF_MEMBER_NAME, IDD_CMD_DEF_MEMBER_NAME));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
  }
  void TearDown() override {
    if (CUserDriver::FindDialog(IDD_CMD_DEF_MEMBER_NAME)) dlg->DestroyWindow();
    SelectionTest::TearDown();
  }
  void ChooseType(int code) {
    auto* c = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_MNAME_TYPE));
    for (int i = 0; i < c->GetCount(); ++i)
      if ((int)c->GetItemData(i) == code) {
        ASSERT_TRUE(user.ChooseIndex(IDC_MNAME_TYPE, i));
        return;
      }
    FAIL() << "no type " << code;
  }
  void Add(const char* name, const char* suffix) {
    user.Type(IDC_MNAME_NAME, name);
    user.Type(IDC_MNAME_SUFFIX, suffix);
    user.Click(IDC_MNAME_ADD);
  }
  // The names of the list, blank-separated.
  std::string Listed() {
    std::string out;
    auto* l = static_cast<CListBox*>(dlg->GetDlgItem(IDC_MNAME_LIST));
    for (int i = 0; i < l->GetCount(); ++i) {
      CString t;
      l->GetText(i, t);
      out += (out.empty() ? "" : " ") + std::string(t.c_str());
    }
    return out;
  }
  CDefMemberName* dlg = nullptr;
};

TEST_F(MemberNameTest, SuffixListAddsEachNumberOnceInOneTransaction) {
  ChooseType(101);
  const int steps = db->GetUndoCount();
  Add("C", "1 3 5");
  EXPECT_EQ(db->GetUndoCount(), steps + 1) << "one transaction";
  EXPECT_EQ(Listed(), "C1 C3 C5");
  for (const char* n : {"C1", "C3", "C5"}) EXPECT_NE(names->GetKey(n, 101), 0u) << n;
  Add("D", "3 3 1to3");
  EXPECT_EQ(Listed(), "C1 C3 C5 D1 D2 D3") << "a number listed again is used once";
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(MemberNameTest, RefusedInputChangesNothing) {
  ChooseType(101);
  Add("C", "3");
  const int count = names->GetCount(), steps = db->GetUndoCount();
  struct Case {
    const char* name;
    const char* suffix;
    const char* message;
  } cases[] = {
      {"C", "1 2 3 4", "IDS_CMD_MEMB_SAME_NAME"},  // one existing name refuses the list
      {"C3", "", "IDS_CMD_MEMB_SAME_NAME"},
      {"C", "1,,2", "IDS_WG_CMD_IP_WARNING_Suffix_is_not_valid"},
      {"C", "1to4000000000", "IDS_WG_CMD_IP_WARNING_Suffix_is_not_valid"},
  };
  for (const Case& c : cases) {
    AfxClearMessageLog();
    Add(c.name, c.suffix);
    EXPECT_EQ(LastMessage(), Key(c.message)) << c.name << " / " << c.suffix;
    EXPECT_EQ(names->GetCount(), count) << c.suffix;
    EXPECT_EQ(db->GetUndoCount(), steps);
    EXPECT_EQ(Text(dlg, IDC_MNAME_SUFFIX), c.suffix) << "the texts stay";
  }
  EXPECT_EQ(Listed(), "C3");
}

TEST_F(MemberNameTest, OneTextUnderTwoTypesIsListedUnderEachInNaturalOrder) {
  ChooseType(201);
  Add("B", "10 2 1");
  ChooseType(101);
  Add("B1", "");
  EXPECT_EQ(AfxGetMessageCount(), 0) << "the test compares name and type";
  EXPECT_EQ(Listed(), "B1");
  ChooseType(201);
  EXPECT_EQ(Listed(), "B1 B2 B10") << "digit runs by value";
}

TEST_F(MemberNameTest, EditRewritesTheCurrentItemAndRefusesANameTheTypeHolds) {
  ChooseType(201);
  Add("B", "1 2 3");
  const UINT b2 = names->GetKey("B2", 201);
  ASSERT_TRUE(user.SelectRows(IDC_MNAME_LIST, {0, 1}));  // B1 and B2, B2 current
  user.Type(IDC_MNAME_NAME, "B3");
  user.Click(IDC_MNAME_MODIFY);
  EXPECT_EQ(LastMessage(), Key("IDS_CMD_MEMB_SAME_NAME"));
  EXPECT_EQ(Listed(), "B1 B2 B3");
  user.Type(IDC_MNAME_NAME, "B20");
  user.Click(IDC_MNAME_MODIFY);
  T_NAME_D r;
  ASSERT_TRUE(names->Get(b2, r));
  EXPECT_EQ(std::string(r.name.c_str()), "B20");
  EXPECT_EQ(Listed(), "B1 B3 B20");
  auto* l = static_cast<CListBox*>(dlg->GetDlgItem(IDC_MNAME_LIST));
  EXPECT_EQ(l->GetSelCount(), 1);
  EXPECT_EQ(l->GetCurSel(), 2) << "the edited name stays selected";
  // The only-names box: nothing is written.
  user.Check(IDC_MNAME_ONLY_NAME, 1);
  ASSERT_TRUE(user.SelectRows(IDC_MNAME_LIST, {0}));
  user.Type(IDC_MNAME_NAME, "X");
  const int steps = db->GetUndoCount();
  user.Click(IDC_MNAME_MODIFY);
  EXPECT_EQ(db->GetUndoCount(), steps);
}

TEST_F(MemberNameTest, DeletesActOnTheSelectionAndOnlyNamesReachesEveryType) {
  ChooseType(201);
  Add("K", "1 2 3");
  ChooseType(101);
  Add("K", "1 2 3");
  const int steps = db->GetUndoCount();
  user.Click(IDC_MNAME_DELETE);
  EXPECT_EQ(db->GetUndoCount(), steps) << "nothing selected: nothing written, no undo step";
  ASSERT_TRUE(user.SelectRows(IDC_MNAME_LIST, {2}));
  user.Click(IDC_MNAME_DELETE);
  EXPECT_EQ(names->GetKey("K3", 101), 0u);
  EXPECT_NE(names->GetKey("K3", 201), 0u) << "without only-names, the selected record alone";
  user.Check(IDC_MNAME_ONLY_NAME, 1);
  ASSERT_TRUE(user.SelectRows(IDC_MNAME_LIST, {0}));  // K1 of the columns
  user.Click(IDC_MNAME_DELETE);
  EXPECT_EQ(names->GetKey("K1", 101), 0u);
  EXPECT_EQ(names->GetKey("K1", 201), 0u) << "the text goes under every type";
  // Delete the unselected, only names: with K2 selected among the beams, K3 goes.
  ChooseType(201);
  EXPECT_EQ(Listed(), "K2 K3");
  AddName("K3", 101);
  ASSERT_TRUE(user.SelectRows(IDC_MNAME_LIST, {0}));
  user.Click(IDC_MNAME_INV_DELETE);
  EXPECT_EQ(Listed(), "K2");
  EXPECT_EQ(names->GetKey("K3", 101), 0u) << "a listed text goes under every type";
  EXPECT_NE(names->GetKey("K2", 101), 0u) << "a selected text stays under every type";
}

TEST_F(MemberNameTest, PurgesKeepNamesMembersOrSlabLoadsUse) {
  for (const char* n : {"B1", "B10", "B7"}) AddName(n, 201);
  for (const char* n : {"C1", "B1"}) AddName(n, 101);
  AddName("S9", 301);
  EXPECT_EQ(names->GetRefCount(names->GetKey("B1", 201)), 1);
  EXPECT_EQ(names->GetRefCount(names->GetKey("B1", 101)), 0) << "no column is named B1";
  EXPECT_EQ(names->GetRefCount(names->GetKey("S1", 301)), 1) << "a named slab load";
  ChooseType(201);
  user.Click(IDC_MNAME_DEL_UNUSED);
  EXPECT_EQ(Listed(), "B1 B10");
  EXPECT_NE(names->GetKey("B1", 101), 0u) << "one type only";
  AfxClearMessageLog();
  user.Click(IDC_MNAME_DEL_UNUSED);
  EXPECT_EQ(LastMessage(), Key("IDS_CMD_NO_UNUSED_NAMES"));
  user.Click(IDC_MNAME_DEL_ALL_UNUSED);
  EXPECT_EQ(names->GetKey("B1", 101), 0u);
  EXPECT_EQ(names->GetKey("S9", 301), 0u);
  EXPECT_NE(names->GetKey("C1", 101), 0u);
  EXPECT_NE(names->GetKey("S1", 301), 0u);
  EXPECT_NE(names->GetKey("S2", 301), 0u);
  EXPECT_EQ(names->GetCount(), 5);
  // A member renamed away frees its name.
  T_MEMB_D m;
  ASSERT_TRUE(memb->Get(2, m));
  m.name = "Z";
  ASSERT_TRUE(memb->TR_Modify(2, m));
  user.Click(IDC_MNAME_DEL_UNUSED);
  EXPECT_EQ(Listed(), "B1");
}

TEST_F(MemberNameTest, TheListFollowsUndoAndOtherWriters) {
  ChooseType(201);
  Add("B", "1to3");
  AddName("A7", 201);
  AddName("Q", 101);
  EXPECT_EQ(Listed(), "A7 B1 B2 B3");
  ASSERT_TRUE(doc->Undo());
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Listed(), "B1 B2 B3");
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Listed(), "");
  ASSERT_TRUE(doc->Redo());
  EXPECT_EQ(Listed(), "B1 B2 B3");
  T_NAME_D r;
  const UINT b1 = names->GetKey("B1", 201);
  ASSERT_TRUE(names->Get(b1, r));
  r.type = 101;
  ASSERT_TRUE(names->TR_Modify(b1, r));
  EXPECT_EQ(Listed(), "B2 B3") << "a name moved to another type leaves the list";
}

TEST_F(MemberNameTest, PickingANameShowsItAndItsType) {
  ChooseType(101);
  Add("Q", "1 2");
  ChooseType(201);
  ChooseType(101);
  ASSERT_TRUE(user.SelectRows(IDC_MNAME_LIST, {1}));
  EXPECT_EQ(Text(dlg, IDC_MNAME_NAME), "Q2");
  ASSERT_TRUE(user.SelectRows(IDC_MNAME_LIST, {0, 1}));
  EXPECT_EQ(Text(dlg, IDC_MNAME_NAME), "") << "several selected: the name edit empties";
  EXPECT_TRUE(dlg->GetDlgItem(IDC_MNAME_MATL)->IsWindowEnabled());
  user.Check(IDC_MNAME_ONLY_NAME, 1);
  EXPECT_FALSE(dlg->GetDlgItem(IDC_MNAME_MATL)->IsWindowEnabled());
}

}  // namespace
