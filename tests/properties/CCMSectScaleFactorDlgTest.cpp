// Section stiffness scale factors through the factory on the sample's three sections:
// the factor check, adds over several sections, the two lists selecting each other,
// delete, and the scaled property table that leaves the section as stored.
#include <cstdio>

#include "afx/CListCtrl.h"
#include "properties/CCMSectScaleFactorDlg.h"
#include "properties/CCMStiffDlg.h"
#include "tests/properties/PropSheetFixture.h"

namespace {

class ScaleFactorTest : public PropSheetTest {
 protected:
  static CListCtrl& List(CDialog& d, int id) { return *static_cast<CListCtrl*>(d.GetDlgItem(id)); }
  static std::vector<int> SelectedRows(CDialog& d, int id) {
    std::vector<int> rows;
    CListCtrl& l = List(d, id);
    for (int i = 0; i < l.GetItemCount(); ++i)
      if (l.GetItemState(i, LVIS_SELECTED)) rows.push_back(i);
    return rows;
  }
  static void Factors(CUserDriver& user, const char* area, const char* asz = "1", const char* izz = "1") {
    user.Type(IDC_SSF_AREA, area);
    user.Type(IDC_SSF_ASZ, asz);
    user.Type(IDC_SSF_IZZ, izz);
  }
  void Store(UINT key, double area) {
    T_SECF_D f;
    f.fArea = area;
    ASSERT_TRUE(secf->TR_Add(key, f));
  }
};

TEST_F(ScaleFactorTest, TheFirstNegativeFactorIsFocusedAndNothingIsWritten) {
  Run("CCMSectScaleFactorDlg", 0, [](CDialog& d, CUserDriver& user) {
    EXPECT_FALSE(d.GetDlgItem(IDC_SSF_ADD)->IsWindowEnabled());
    EXPECT_EQ(Text(d, IDC_SSF_AREA), "1");
    user.SelectRows(IDC_SSF_SECT_LIST, {0});
    EXPECT_TRUE(d.GetDlgItem(IDC_SSF_ADD)->IsWindowEnabled());
    Factors(user, "0", "-1", "-0.5");
    user.Click(IDC_SSF_ADD);
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_SECT_SCALE_FACTOR_NOT_NEGATIVE"));
    EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_SSF_ASZ));
    user.Type(IDC_SSF_ASZ, "abc");
    user.Click(IDC_SSF_ADD);
    EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_SSF_ASZ)) << "no number is refused too";
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(secf->GetCount(), 0);
}

TEST_F(ScaleFactorTest, ThreeSectionsGetThreeRecordsAndTheFactorListShowsThem) {
  Store(2, 0.5);
  Run("CCMSectScaleFactorDlg", 0, [](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(List(d, IDC_SSF_SECT_LIST).GetItemCount(), 3);
    ASSERT_EQ(List(d, IDC_SSF_FACTOR_LIST).GetItemCount(), 1);
    user.SelectRows(IDC_SSF_SECT_LIST, {0, 1, 2});
    Factors(user, "0", "2", "0.7");
    user.Click(IDC_SSF_ADD);
    CListCtrl& f = List(d, IDC_SSF_FACTOR_LIST);
    ASSERT_EQ(f.GetItemCount(), 3);
    EXPECT_EQ(f.GetItemText(1, 1), "C300x600");
    EXPECT_EQ(f.GetItemText(1, 2), "0") << "the section's new factors";
    EXPECT_EQ(f.GetItemText(2, 4), "2");
    EXPECT_EQ(f.GetItemText(2, 7), "0.7");
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(secf->GetCount(), 3);
  T_SECF_D f;
  ASSERT_TRUE(secf->Get(2, f));
  EXPECT_EQ(f.fArea, 0.0);
  EXPECT_EQ(f.fIzz, 0.7);
  EXPECT_TRUE(doc->Undo());
  EXPECT_EQ(secf->GetCount(), 2) << "one transaction a section";
}

TEST_F(ScaleFactorTest, TheListsSelectEachOthersRows) {
  Store(1, 0.8);
  Store(3, 0.6);
  Run("CCMSectScaleFactorDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.SelectRows(IDC_SSF_SECT_LIST, {2});
    EXPECT_EQ(SelectedRows(d, IDC_SSF_FACTOR_LIST), std::vector<int>{1});
    EXPECT_EQ(Text(d, IDC_SSF_AREA), "0.6") << "its factors loaded";
    user.SelectRows(IDC_SSF_SECT_LIST, {1});
    EXPECT_TRUE(SelectedRows(d, IDC_SSF_FACTOR_LIST).empty()) << "a section without factors";
    EXPECT_EQ(Text(d, IDC_SSF_AREA), "0.6") << "the edits stay";
    user.SelectRows(IDC_SSF_SECT_LIST, {0, 1, 2});
    user.SelectRows(IDC_SSF_FACTOR_LIST, {0});
    EXPECT_EQ(SelectedRows(d, IDC_SSF_SECT_LIST), std::vector<int>{0}) << "the selection collapses";
    EXPECT_EQ(Text(d, IDC_SSF_AREA), "0.8");
    user.Click(IDCANCEL);
  });
}

TEST_F(ScaleFactorTest, DeleteRefillsAndSelectsTheNewLastRowEvenAfterARefusal) {
  Store(1, 0.8);
  Store(2, 0.7);
  Store(3, 0.6);
  Run("CCMSectScaleFactorDlg", 0, [this](CDialog& d, CUserDriver& user) {
    user.SelectRows(IDC_SSF_FACTOR_LIST, {2});
    user.Click(IDC_SSF_DELETE);
    EXPECT_EQ(List(d, IDC_SSF_FACTOR_LIST).GetItemCount(), 2);
    EXPECT_EQ(SelectedRows(d, IDC_SSF_FACTOR_LIST), std::vector<int>{1});
    // Another window deletes the factors of section 2 meanwhile: the delete of the two
    // rows stops there, and the list shows what the table holds.
    CListCtrl& f = List(d, IDC_SSF_FACTOR_LIST);
    f.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ASSERT_TRUE(secf->TR_Del(2));
    user.Click(IDC_SSF_DELETE);
    EXPECT_EQ(f.GetItemCount(), 0);
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(secf->GetCount(), 0);
}

TEST_F(ScaleFactorTest, ShowScalesACopyAndLeavesTheSectionAsStored) {
  T_SECT_D before;
  ASSERT_TRUE(sect->Get(3, before));
  T_SECF_D f;
  f.fArea = 2;
  ASSERT_TRUE(secf->TR_Add(3, f));
  Run("CCMSectScaleFactorDlg", 0, [&before](CDialog& d, CUserDriver& user) {
    d.SendMessage(WM_COMMAND, IDC_SSF_SHOW);
    EXPECT_EQ(LastMessage(), Key("IDS_CMD_SECT_No_Selected_Scale_Fact"));
    user.SelectRows(IDC_SSF_FACTOR_LIST, {0});
    Next([&before](CDialog& table, CUserDriver& u) {
      char area[64];
      std::snprintf(area, sizeof area, "%.13g", 2 * before.Part1.BaseA.Stiff.Area);
      EXPECT_STREQ(static_cast<CCMStiffDlg&>(table).GetGrid().GetValueRowCol(1, 1), area);
      u.Click(IDC_SECT_STIFF_OK);
    });
    user.Click(IDC_SSF_SHOW);
    user.Click(IDCANCEL);
  });
  T_SECT_D after;
  ASSERT_TRUE(sect->Get(3, after));
  EXPECT_EQ(after.Part1.BaseA.Stiff.Area, before.Part1.BaseA.Stiff.Area);
}

TEST_F(ScaleFactorTest, EverySixBlocksScale) {
  T_SECT_D s;
  s.Part1.Stiff.Area = s.Part2.BaseB.Stiff.Area = 3;
  s.Part1.BaseA.Stiff.AreaAux = 4;
  s.Part2.Stiff.Izz = 5;
  T_SECF_D f;
  f.fArea = 2;
  f.fWgt = 0.5;
  f.fIzz = 3;
  CCMSectScaleFactorDlg::ScaleSection(s, f);
  EXPECT_EQ(s.Part1.Stiff.Area, 6);
  EXPECT_EQ(s.Part2.BaseB.Stiff.Area, 6);
  EXPECT_EQ(s.Part1.BaseA.Stiff.AreaAux, 2);
  EXPECT_EQ(s.Part2.Stiff.Izz, 15);
}

}  // namespace
