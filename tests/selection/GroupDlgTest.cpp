// The boundary-group and structure-group windows and the group-damping frame: groups of one
// name acted on by their own records, suffix lists, deletes of the unselected; structure
// groups made from and replaced by the view's selection, picked back into it (a kind the
// group lacks left alone), the select edits, the select-by-identity request; the damping
// frame's columns, enabling and messages.
#include "afx/CComboBox.h"
#include "afx/CListCtrl.h"
#include "db/CDBLib.h"
#include "db/CClassBngr.h"
#include "db/CClassGrup.h"
#include "frame/CmdDialogTable.h"
#include "selection/CCMBndrGrupDefDlg.h"
#include "selection/CCMGroupDampingDlg.h"
#include "selection/CCMStrtGrupDefDlg.h"
#include "tests/selection/SelectionFixture.h"

namespace {

// ---- boundary groups ----------------------------------------------------------------------

class BndrGrupTest : public SelectionTest {
 protected:
  void SetUp() override {
    SelectionTest::SetUp();
    bngr = static_cast<CClassBngr*>(db->GetClass(CClassBngr::m_nClassID));
    dlg = new CCMBndrGrupDefDlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_BNDR_GRUP, IDD_CMD_BNDR_GRUP));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
  }
  void TearDown() override {
    if (CUserDriver::FindDialog(IDD_CMD_BNDR_GRUP)) dlg->DestroyWindow();
    SelectionTest::TearDown();
  }
  void Add(const char* name, const char* suffix) {
    user.Type(IDC_BNGR_NAME, name);
    user.Type(IDC_BNGR_SUFFIX, suffix);
    user.Click(IDC_BNGR_ADD);
  }
  CClassBngr* bngr = nullptr;
  CCMBndrGrupDefDlg* dlg = nullptr;
};

TEST_F(BndrGrupTest, GroupsOfOneNameAreEachActedOnByTheirOwnRecord) {
  Add("Base", "");
  Add("Roof", "");
  Add("Base", "");
  EXPECT_EQ(Items(dlg, IDC_BNGR_LIST), "Base:1 Roof:2 Base:3") << "names are not tested";
  EXPECT_EQ(bngr->GetKey("Base"), 1u) << "the first in table order";
  T_BNGR_D r;
  ASSERT_TRUE(bngr->Get(3, r));
  r.lead = 7;
  ASSERT_TRUE(bngr->TR_Modify(3, r));
  ASSERT_TRUE(user.SelectRows(IDC_BNGR_LIST, {2}));
  EXPECT_EQ(Text(dlg, IDC_BNGR_NAME), "Base");
  user.Type(IDC_BNGR_NAME, "Pit");
  user.Click(IDC_BNGR_MODIFY);
  ASSERT_TRUE(bngr->Get(3, r));
  EXPECT_EQ(std::string(r.name.c_str()), "Pit") << "the item's own group, not the first Base";
  EXPECT_EQ(r.lead, 7) << "the leading value stays";
  Add("Base", "");
  ASSERT_TRUE(user.SelectRows(IDC_BNGR_LIST, {3}));
  user.Click(IDC_BNGR_DELETE);
  EXPECT_TRUE(bngr->Exist(1));
  EXPECT_FALSE(bngr->Exist(4));
}

TEST_F(BndrGrupTest, SuffixListsEditsAndDeletesOfTheUnselected) {
  Add("G", "2 1 2");
  EXPECT_EQ(Items(dlg, IDC_BNGR_LIST), "G2:1 G1:2");
  Add("G", "1,,2");
  EXPECT_EQ(bngr->GetCount(), 2) << "a suffix text that is no list adds nothing";
  ASSERT_TRUE(user.SelectRows(IDC_BNGR_LIST, {0, 1}));
  EXPECT_EQ(Text(dlg, IDC_BNGR_NAME), "");
  user.Type(IDC_BNGR_NAME, "X");
  const int steps = db->GetUndoCount();
  user.Click(IDC_BNGR_MODIFY);
  EXPECT_EQ(db->GetUndoCount(), steps) << "two selected: Edit does nothing";
  user.Click(IDC_BNGR_INV_DELETE);
  EXPECT_EQ(bngr->GetCount(), 2);
  auto* list = static_cast<CListBox*>(dlg->GetDlgItem(IDC_BNGR_LIST));
  list->SelItemRange(FALSE, 0, list->GetCount() - 1);
  user.Click(IDC_BNGR_DELETE);
  EXPECT_EQ(db->GetUndoCount(), steps) << "nothing selected: nothing written";
  user.Click(IDC_BNGR_INV_DELETE);
  EXPECT_EQ(bngr->GetCount(), 0) << "nothing selected: every group goes";
  EXPECT_EQ(Items(dlg, IDC_BNGR_LIST), "");
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Items(dlg, IDC_BNGR_LIST), "G2:1 G1:2");
}

// ---- structure groups ---------------------------------------------------------------------

int s_identityAsked = 0;

class StrtGrupTest : public SelectionTest {
 protected:
  void SetUp() override {
    SelectionTest::SetUp();
    grup = static_cast<CClassGrup*>(db->GetClass(CClassGrup::m_nClassID));
    dlg = new CCMStrtGrupDefDlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_STRT_GRUP, IDD_CMD_STRT_GRUP));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
  }
  void TearDown() override {
    if (CUserDriver::FindDialog(IDD_CMD_STRT_GRUP)) dlg->DestroyWindow();
    SelectionTest::TearDown();
  }
  void Select(std::initializer_list<UINT> points, std::initializer_list<UINT> members) {
    CUIntArray p, m, none;
    for (UINT k : points) p.Add(k);
    for (UINT k : members) m.Add(k);
    db->GetViewCtrl()->Select(nullptr, p, m, none, none, 0, 0, 1);
  }
  std::string Group(UINT key) {
    T_GRUP_D g;
    if (!grup->Get(key, g)) return "none";
    std::string s = std::string(g.name.c_str()) + " p";
    for (UINT k : g.points) s += " " + std::to_string(k);
    s += " m";
    for (UINT k : g.members) s += " " + std::to_string(k);
    return s;
  }
  CClassGrup* grup = nullptr;
  CCMStrtGrupDefDlg* dlg = nullptr;
};

TEST_F(StrtGrupTest, GroupsAreMadeFromAndReplacedByTheViewsSelection) {
  Select({4, 1, 2}, {3});
  user.Type(IDC_SGRP_NAME, "Core");
  user.Click(IDC_SGRP_ADD);
  user.Click(IDC_SGRP_ADD);
  EXPECT_EQ(Items(dlg, IDC_SGRP_LIST), "Core:1 Core:2") << "two groups of one name";
  EXPECT_EQ(Group(1), "Core p 4 1 2 m 3");
  Select({}, {1, 2});
  user.Type(IDC_SGRP_NAME, "Frame");
  auto* list = static_cast<CListBox*>(dlg->GetDlgItem(IDC_SGRP_LIST));
  list->SetSel(1, TRUE);  // selected without a pick, which would change the view's selection
  list->SetSel(0, TRUE);
  user.Click(IDC_SGRP_MODIFY);
  EXPECT_EQ(Group(1), "Frame p m 1 2") << "the first selected item; its objects replaced";
  EXPECT_EQ(Group(2), "Core p 4 1 2 m 3");
  list->SelItemRange(FALSE, 0, list->GetCount() - 1);
  const int steps = db->GetUndoCount();
  user.Click(IDC_SGRP_MODIFY);
  EXPECT_EQ(LastMessage(), Key("IDS_CMD__ADDD__No_selected_item_in_the_list__nCh"));
  user.Click(IDC_SGRP_DELETE);
  EXPECT_EQ(db->GetUndoCount(), steps) << "nothing selected: nothing written";
  ASSERT_TRUE(user.SelectRows(IDC_SGRP_LIST, {0}));
  user.Click(IDC_SGRP_DELETE);
  EXPECT_EQ(Items(dlg, IDC_SGRP_LIST), "Core:2");
  // Without a model view a group is made empty.
  I_ModelBase::SetCurMySelfST(nullptr);
  user.Click(IDC_SGRP_ADD);
  EXPECT_EQ(Group(3), "Frame p m");
}

TEST_F(StrtGrupTest, PickingAGroupSelectsItsObjectsAndLeavesAKindItLacksAlone) {
  T_GRUP_D g;
  g.name = "Pts";
  for (UINT k : {4u, 1u, 2u}) g.points.Add(k);
  ASSERT_TRUE(grup->TR_Add(g));  // 1
  g.Initialize();
  g.name = "Beams";
  g.members.Add(2);
  ASSERT_TRUE(grup->TR_Add(g));  // 2
  EXPECT_EQ(Items(dlg, IDC_SGRP_LIST), "Pts:1 Beams:2");
  Select({6}, {4});
  EXPECT_EQ(Text(dlg, IDC_SGRP_PONT), "16");
  EXPECT_EQ(Text(dlg, IDC_SGRP_MEMB), "104");
  ASSERT_TRUE(user.SelectRows(IDC_SGRP_LIST, {0}));
  EXPECT_EQ(Selected(true), "1,2,4") << "exactly the group's points";
  EXPECT_EQ(Text(dlg, IDC_SGRP_PONT), "11 12 14") << "numbers sorted, whatever the group's order";
  EXPECT_EQ(Selected(false), "4") << "the group has no members: theirs stay";
  EXPECT_EQ(Text(dlg, IDC_SGRP_MEMB), "104");
  EXPECT_EQ(Text(dlg, IDC_SGRP_NAME), "Pts");
  ASSERT_TRUE(user.SelectRows(IDC_SGRP_LIST, {1, 0}));
  EXPECT_EQ(Selected(false), "2") << "each click picks: Beams first, then Pts (the first selected), which has no members";
  EXPECT_EQ(Text(dlg, IDC_SGRP_NAME), "Pts");
}

TEST_F(StrtGrupTest, TheSelectEditsTakeTypedNumbersAndTheButtonsActOnTheSelection) {
  Select({1}, {1});
  user.Type(IDC_SGRP_PONT, "11to13 99");
  EXPECT_EQ(Selected(true), "1,2,3") << "numbers the model lacks are dropped";
  EXPECT_EQ(Text(dlg, IDC_SGRP_PONT), "11to13");
  EXPECT_EQ(Selected(false), "1") << "the other kind stays";
  user.Type(IDC_SGRP_MEMB, "1o2");
  EXPECT_EQ(Selected(false), "1") << "no number list: nothing changes";
  user.Click(IDC_SGRP_UNSELECT_ALL);
  EXPECT_EQ(Selected(true), "");
  EXPECT_EQ(Selected(false), "");
  EXPECT_EQ(Text(dlg, IDC_SGRP_PONT), "");
  // The select button asks the factory for the select-by-identity window.
  CmdModelessRow old;
  ASSERT_TRUE(CmdDialogTable::SetModelessBuilder(
      "CCMSelectIdentityDlg", [](CWnd*) -> CDBDlgBase* { ++s_identityAsked; return nullptr; }, nullptr, nullptr, &old));
  s_identityAsked = 0;
  user.Click(IDC_SGRP_SELECT_IDENTITY);
  CmdDialogTable::SetModelessBuilder("CCMSelectIdentityDlg", old.pfnNew, old.pfnActivateTab, old.pTool);
  EXPECT_EQ(s_identityAsked, 1);
}

// ---- group damping ------------------------------------------------------------------------

TEST(GroupDampingTest, AFrameWithItsColumnsThatStoresNothing) {
  CHostApp app;
  CDBDoc doc;
  doc.NewSampleModel();
  const int steps = doc.GetModelDB()->GetUndoCount();
  AfxClearMessageLog();
  AfxQueueDialogScript([](CDialog& d) {
    CUserDriver user(&d);
    auto* list = static_cast<CListCtrl*>(d.GetDlgItem(IDC_GRDP_LIST));
    ASSERT_EQ(list->GetColumnCount(), 5);
    const int widths[] = {60, 60, 95, 50, 50};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(list->GetColumnWidth(i), widths[i]) << i;
      EXPECT_EQ(std::string(list->GetColumnText(i).c_str()),
                CMsgDll::pfuncLoadStr(CCMGroupDampingDlg::kColumns[i].pszTitleKey, 0));
    }
    EXPECT_TRUE(list->GetExtendedStyle() & LVS_EX_FULLROWSELECT);
    EXPECT_FALSE(d.GetDlgItem(IDC_GRDP_ALPHA)->IsWindowEnabled());
    EXPECT_FALSE(d.GetDlgItem(IDC_GRDP_DEF_ALPHA)->IsWindowEnabled());
    EXPECT_TRUE(d.GetDlgItem(IDC_GRDP_BETA)->IsWindowEnabled());
    for (int id : {IDC_GRDP_MODIFY, IDC_GRDP_DELETE}) {
      AfxClearMessageLog();
      user.Click(id);
      EXPECT_EQ(std::string(AfxGetLastMessage() ? AfxGetLastMessage()->text.c_str() : ""),
                CMsgDll::pfuncLoadStr("IDS_CMD_GRDP_No_Selected_Group_Damping", 0));
    }
    for (int id : {IDC_GRDP_TYPE_BNDR, IDC_GRDP_TYPE_ELEM}) {
      user.Check(id, 1);
      EXPECT_EQ(static_cast<CComboBox*>(d.GetDlgItem(IDC_GRDP_NAME))->GetCount(), 0);
    }
    user.Type(IDC_GRDP_RATIO, "0.05");
    user.Click(IDOK);
  });
  CCMGroupDampingDlg dlg(nullptr);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(doc.GetModelDB()->GetUndoCount(), steps) << "nothing is stored";
}

// ---- the tables under the windows ---------------------------------------------------------

TEST_F(SelectionTest, NamesSortNaturallyAndAnEmptyDeleteLeavesNoStep) {
  struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {{"B2", "B10", -1}, {"B10", "B9", 1}, {"B2", "B02", -1}, {"B", "B1", -1},
               {"A10x2", "A10x10", -1}, {"b1", "B1", 1}, {"C1", "C1", 0}, {"", "A", -1}};
  for (const auto& c : cases) {
    const int r = CDBLib::CompareNatural(c.a, c.b);
    EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
  }
  CStringArray texts;
  CUIntArray keys;
  const char* t[] = {"B10", "B2", "A", "B2"};
  const UINT k[] = {1, 9, 4, 3};
  for (int i = 0; i < 4; ++i) texts.Add(t[i]), keys.Add(k[i]);
  CDBLib::QSortNameKey(texts, keys);
  EXPECT_EQ(std::string(texts[0].c_str()) + texts[1].c_str() + texts[2].c_str() + texts[3].c_str(), "AB2B2B10");
  EXPECT_EQ(keys[1], 3u) << "equal names by key";
  EXPECT_EQ(keys[2], 9u);

  const int steps = db->GetUndoCount();
  EXPECT_TRUE(names->TR_Del(CUIntArray()));
  EXPECT_EQ(db->GetUndoCount(), steps);
}

}  // namespace

namespace {

TEST_F(SelectionTest, BoundaryGroupKeysByNameFollowWritesAndUndo) {
  auto* bngr = static_cast<CClassBngr*>(db->GetClass(CClassBngr::m_nClassID));
  CArray<T_BNGR_D> recs;
  for (const char* n : {"A", "B", "A"}) {
    T_BNGR_D r;
    r.name = n;
    recs.Add(r);
  }
  ASSERT_TRUE(bngr->TR_Add(recs));
  EXPECT_EQ(bngr->GetKey("A"), 1u);
  CUIntArray keys;
  keys.Add(3);
  ASSERT_TRUE(bngr->TR_ChangeSeq(keys, 1));
  EXPECT_EQ(bngr->GetKey("A"), 3u) << "the first in table order, not the lowest key";
  ASSERT_TRUE(bngr->TR_Del(3));
  EXPECT_EQ(bngr->GetKey("A"), 1u);
  T_BNGR_D r;
  ASSERT_TRUE(bngr->Get(1, r));
  r.name = "C";
  ASSERT_TRUE(bngr->TR_Modify(1, r));
  EXPECT_EQ(bngr->GetKey("A"), 0u);
  EXPECT_EQ(bngr->GetKey("C"), 1u);
  ASSERT_TRUE(doc->Undo());
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(bngr->GetKey("A"), 3u);
  // A member's name counted under its type follows renames, deletes and undo.
  const UINT b1 = AddName("B1", 201);
  EXPECT_EQ(names->GetRefCount(b1), 1);
  ASSERT_TRUE(memb->TR_Del(1));
  EXPECT_EQ(names->GetRefCount(b1), 0);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(names->GetRefCount(b1), 1);
}

}  // namespace
