// The property sheet through the factory on the sample model: its tabs and pages, the
// lists following every change, Delete and Copy with their selections and refusals, the
// editors opened by Add and Edit, the hints, the section preview.
#include "afx/CListCtrl.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "properties/CCMSecViewWnd.h"
#include "properties/CModelDefProperty.h"
#include "properties/CModelPropMatlPage.h"
#include "properties/CModelPropSectPage.h"
#include "properties/CModelPropThikPage.h"
#include "tests/properties/PropSheetFixture.h"

namespace {

class SheetTest : public PropSheetTest {
 protected:
  void TearDown() override {
    if (CModelDefProperty* s = Sheet()) s->DestroyWindow();
    PropSheetTest::TearDown();
  }
  static CModelDefProperty* Sheet() {
    return dynamic_cast<CModelDefProperty*>(CUserDriver::FindDialog(IDD_CMD_MODEL_DEF_PROPERTY));
  }
  CModelPropListPage& Open(int tab) {
    int t = tab;
    EXPECT_EQ(ICmdDialog::DoModeless("CModelDefProperty", nullptr, &t), 1);
    CModelDefProperty* s = Sheet();
    EXPECT_NE(s, nullptr);
    return *static_cast<CModelPropListPage*>(s->GetPage(tab));
  }
  // The list's rows, "key:name" joined by blanks.
  static std::string Rows(CModelPropListPage& page) {
    std::string out;
    CExtListCtrl& l = page.GetList();
    for (int i = 0; i < l.GetItemCount(); ++i) {
      if (!out.empty()) out += ' ';
      out += std::string(l.GetItemText(i, 0).c_str()) + ":" + l.GetItemText(i, 1).c_str();
    }
    return out;
  }
  static void Select(CModelPropListPage& page, int row) {
    CUserDriver user(&page);
    user.SelectRows(&page.GetList(), {row});
  }
  static int Selected(CModelPropListPage& page) { return page.GetList().GetNextItem(-1, LVNI_SELECTED); }
  static void Click(CModelPropListPage& page, int id) { CUserDriver(&page).Click(id); }
  void AddThickness(UINT key, const char* name, double t) {
    T_THIK_D r;
    r.key = key;
    r.name = name;
    r.thick1 = t;
    ASSERT_TRUE(thik->TR_Add(r));
  }
};

TEST_F(SheetTest, OneSheetADocumentOnTheTabAskedFor) {
  Open(0);
  CModelDefProperty* s = Sheet();
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->GetShownTab(), 0);
  int tab = 2;
  EXPECT_EQ(ICmdDialog::DoModeless("CModelDefProperty", nullptr, &tab), 1);
  EXPECT_EQ(Sheet(), s) << "the open sheet again";
  EXPECT_EQ(s->GetShownTab(), 2);
  CUserDriver(s).SelectTab(IDC_MP_SHEET_TAB, 1);
  EXPECT_EQ(s->GetShownTab(), 1);
  CUserDriver(s).Click(IDC_MP_SHEET_CLOSE);
  EXPECT_EQ(Sheet(), nullptr);
}

TEST_F(SheetTest, EachPageListsItsTableInKeyOrderWithItsColumns) {
  CModelPropListPage& m = Open(0);
  EXPECT_EQ(Rows(m), "1:C30 2:C35 3:C40 4:Q235 5:Q355 6:C40/Q355");
  ASSERT_EQ(m.GetList().GetColumnCount(), 5);
  EXPECT_EQ(m.GetList().GetColFlag(0), 1);
  EXPECT_EQ(m.GetList().GetColumnWidth(3), 85);
  const char* row6[] = {"6", "C40/Q355", "SRC", "GB50017", "Q355"};
  for (int c = 0; c < 5; ++c) EXPECT_STREQ(m.GetList().GetItemText(5, c).c_str(), row6[c]);
  CModelPropListPage& s = Open(1);
  EXPECT_EQ(Rows(s), "1:C500x500 2:C300x600 3:H400x200x8x13");
  EXPECT_EQ(s.GetList().GetItemText(2, 2), Key("IDS_WG_CMD_MP_User").c_str());
  EXPECT_EQ(s.GetList().GetItemText(2, 3), "H");
  CModelPropListPage& t = Open(2);
  EXPECT_EQ(Rows(t), "1:120 2:200");
  EXPECT_EQ(t.GetList().GetItemText(1, 2), "0.2");
}

TEST_F(SheetTest, RowTextsByTypeCode) {
  T_MATL_D m;
  m.type = "X";
  CStringArray texts;
  CModelPropMatlPage::GetRowTexts(9, m, texts);
  ASSERT_EQ(texts.GetSize(), 5);
  EXPECT_EQ(texts[0], "9");
  EXPECT_EQ(texts[2], "") << "a code that is none of the four";
  T_SECT_D sct;
  sct.iType = SECT_TYPE_REGULAR;
  sct.Part1.BaseA.strDBName = "GB-YB05";
  CModelPropSectPage::GetRowTexts(4, sct, texts);
  EXPECT_EQ(texts[2], Key("IDS_WG_CMD_MP_DB").c_str());
  sct.iType = SECT_TYPE_TAPERED;
  CModelPropSectPage::GetRowTexts(4, sct, texts);
  EXPECT_EQ(texts[2], Key("IDS_WG_CMD_MP_Tapered").c_str());
}

TEST_F(SheetTest, DeleteSelectsTheRowThatTookThePlaceOrTheNewLastRow) {
  AddThickness(3, "300", 0.3);
  CModelPropListPage& t = Open(2);
  Select(t, 1);
  Click(t, IDC_MP_BTN_DELETE);
  EXPECT_EQ(Rows(t), "1:120 3:300");
  EXPECT_EQ(Selected(t), 1) << "the row that moved up";
  Click(t, IDC_MP_BTN_DELETE);
  EXPECT_EQ(Rows(t), "1:120");
  EXPECT_EQ(Selected(t), 0) << "the new last row";
  Click(t, IDC_MP_BTN_DELETE);
  EXPECT_EQ(Rows(t), "");
  EXPECT_EQ(Selected(t), -1);
  EXPECT_EQ(Messages(), 0) << "no question asked";
  Click(t, IDC_MP_BTN_DELETE);
  EXPECT_EQ(LastMessage(), Key("IDS_CMD_MP_No_Selected_thickness"));
  EXPECT_TRUE(doc->Undo());
  EXPECT_EQ(Rows(t), "1:120") << "undo is replayed too";
}

TEST_F(SheetTest, CopyTakesTheFirstFreeKeyAboveAndKeepsTheSelection) {
  AddThickness(3, "300", 0.3);
  AddThickness(4, "400", 0.4);
  AddThickness(5, "500", 0.5);
  AddThickness(9, "900", 0.9);
  CModelPropListPage& t = Open(2);
  Select(t, 2);
  Click(t, IDC_MP_BTN_COPY);
  EXPECT_EQ(Rows(t), "1:120 2:200 3:300 4:400 5:500 6:300 9:900");
  EXPECT_EQ(Selected(t), 2);
  CModelPropListPage& m = Open(0);
  Select(m, 0);
  Click(m, IDC_MP_BTN_COPY);
  EXPECT_EQ(m.GetList().GetItemText(6, 1), "C30_7") << "material names are unique";
  T_MATL_D c;
  ASSERT_TRUE(matl->Get(7, c));
  EXPECT_EQ(c.matl1.grade, "C30");
  Click(m, IDC_MP_BTN_COPY);
  EXPECT_EQ(m.GetList().GetItemText(7, 1), "C30_8");
}

TEST_F(SheetTest, ARenumberedRecordMovesToItsNewKeysPlace) {
  CModelPropListPage& m = Open(0);
  Select(m, 1);
  T_MATL_D r;
  ASSERT_TRUE(matl->Get(2, r));
  r.name = "C35b";
  ASSERT_TRUE(matl->TR_Modify(2, 9, r));
  EXPECT_EQ(Rows(m), "1:C30 3:C40 4:Q235 5:Q355 6:C40/Q355 9:C35b");
  EXPECT_EQ(Selected(m), 5) << "the selection goes with the row";
}

TEST_F(SheetTest, AnotherWindowsChangesAndTheEditorsReachTheList) {
  CModelPropListPage& t = Open(2);
  Next([](CDialog&, CUserDriver& user) {
    user.Type(IDC_MP_THIK_THICK, "0.25");
    user.Click(IDC_MP_APPLY);
    user.Type(IDC_MP_THIK_THICK, "0.35");
    user.Click(IDOK);
  });
  Click(t, IDC_MP_BTN_ADD);
  EXPECT_EQ(Rows(t), "1:120 2:200 3:250 4:350");
  Select(t, 0);
  Next([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(Text(d, IDC_MP_THIK_NUMBER), "1");
    user.Type(IDC_MP_THIK_NAME, "slab");
    user.Click(IDOK);
  });
  NMHDR nm{t.GetList().GetSafeHwnd(), IDC_MP_THIK_LIST, NM_DBLCLK};
  t.SendMessage(WM_NOTIFY, IDC_MP_THIK_LIST, (LPARAM)&nm);
  EXPECT_EQ(Rows(t), "1:slab 2:200 3:250 4:350");
  EXPECT_EQ(AfxGetQueuedScriptCount(), 0);
}

TEST_F(SheetTest, EditWithoutASelectionIsTold) {
  struct Case {
    int tab;
    int edit;
    const char* message;
  } cases[] = {{0, IDC_MP_BTN_EDIT, "IDS_CMD_MP_ERROR_No_Selected_Material"},
               {1, IDC_MP_SECT_COPY, "IDS_CMD_MP_ERROR_No_Selected_Section"},
               {2, IDC_MP_BTN_EDIT, "IDS_CMD_MP_No_Selected_thickness"}};
  for (const Case& c : cases) {
    CModelPropListPage& p = Open(c.tab);
    Click(p, c.edit);
    EXPECT_EQ(LastMessage(), Key(c.message)) << c.tab;
  }
}

TEST_F(SheetTest, ARecordInUseIsNotDeleted) {
  auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  T_PONT_D a, b;
  a.storyKey = b.storyKey = 3;
  b.x = 6;
  const UINT ka = pont->GetNewKey();
  ASSERT_TRUE(pont->TR_Add(a));
  const UINT kb = pont->GetNewKey();
  ASSERT_TRUE(pont->TR_Add(b));
  T_MEMB_D beam;
  beam.type = 201;
  beam.storyKey = 3;
  beam.sectKey = 2;
  beam.points.Add(ka);
  beam.points.Add(kb);
  ASSERT_TRUE(memb->TR_Add(beam));
  CModelPropListPage& s = Open(1);
  Select(s, 1);
  Click(s, IDC_MP_SECT_DELETE);
  EXPECT_EQ(LastMessage(), Key("IDS_CMD_MP_ERROR_Cannot_Delete_section"));
  EXPECT_EQ(Rows(s), "1:C500x500 2:C300x600 3:H400x200x8x13");
  EXPECT_EQ(Selected(s), 1);
}

TEST_F(SheetTest, Hint4RebuildsOnlyTheThicknessList) {
  CModelPropListPage& m = Open(0);
  CModelPropListPage& t = Open(2);
  m.GetList().SetItemText(0, 1, "stale");
  t.GetList().SetItemText(0, 1, "stale");
  doc->UpdateAllViews(nullptr, 2, nullptr);
  EXPECT_EQ(t.GetList().GetItemText(0, 1), "stale") << "hint 2 changes nothing";
  doc->UpdateAllViews(nullptr, 4, nullptr);
  EXPECT_EQ(t.GetList().GetItemText(0, 1), "120");
  EXPECT_EQ(t.GetList().GetColumnCount(), 3) << "exactly the three columns";
  EXPECT_EQ(m.GetList().GetItemText(0, 1), "stale");
}

TEST_F(SheetTest, ThePreviewDrawsTheSelectedSection) {
  auto& s = static_cast<CModelPropSectPage&>(Open(1));
  ASSERT_NE(s.GetPreview(), nullptr);
  EXPECT_EQ(s.GetShownKey(), 0u);
  Select(s, 2);
  EXPECT_EQ(s.GetShownKey(), 3u);
  EXPECT_EQ(s.GetShownSect().strName, "H400x200x8x13");
  EXPECT_EQ(s.GetPreview()->m_pSect, &s.GetShownSect());
  T_SECT_D r;
  ASSERT_TRUE(sect->Get(3, r));
  r.strName = "H-renamed";
  ASSERT_TRUE(sect->TR_Modify(3, r));
  EXPECT_EQ(s.GetShownSect().strName, "H-renamed") << "a change of the selected row";
  s.GetList().SetItemState(2, 0, LVIS_SELECTED);
  EXPECT_EQ(s.GetShownKey(), 0u);
  EXPECT_EQ(s.GetShownSect().strName, "");
}

}  // namespace
