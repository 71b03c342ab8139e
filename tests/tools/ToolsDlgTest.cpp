// The attribute tool window and its building-model page on the sample: opening through the
// factory, picks from the view and the highlighted pick, typed numbers and their errors,
// refills on data-change notices, and the rows of a column.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>
#include "afx/AfxMessageBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassMasg.h"
#include "db/CClassSect.h"
#include "db/CClassUccf.h"
#include "frame/ICmdDialog.h"
#include "res/resource.h"
#include "tests/tools/ToolsFixture.h"
#include "tools/CToolsPrePage.h"

namespace {

class ToolsDlgTest : public ToolsFixture {
 protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    memb = Table<CClassMemb>();
    T_PONT_D p;
    p.storyKey = STORY;
    ASSERT_TRUE(AddRecord<CClassPont>(p, a));
    p.x = 6;
    ASSERT_TRUE(AddRecord<CClassPont>(p, b));
    StoryGivesC35();
    if (HasFatalFailure()) return;
    col = AddMemb(101, 1, 0);
    steel = AddMemb(101, 3, 4);  // Q235 of its own
    app->GetHostMainWnd().ClearCommands();
  }
  UINT AddMemb(int type, UINT sect, UINT matl) { return AddMember(type, {a, b}, sect, matl); }
  void Assign(UINT key, const T_MASG_D& rec) {
    T_MASG_D r = rec;
    r.key = key;
    ASSERT_TRUE(Table<CClassMasg>()->TR_Add(key, r));
  }
  int Open(int mode) { return ICmdDialog::DoModeless("CToolsDlg", nullptr, &mode); }
  CToolsPrePage* Page() { return CToolsDlg::GetMySelf() ? CToolsDlg::GetMySelf()->GetPrePage() : nullptr; }
  CPropList& List() { return Page()->GetPropList(); }
  // The list as cmdhost shows it, one item a line: "[G] TITLE" or "LABEL|KIND|VALUE|SEL".
  std::vector<std::string> Items() { return ItemLines(List(), ITEM_CLOSED | ITEM_SEL); }
  CCmbBtnProp* Row(const char* label) { return RowIn(List(), label); }
  std::string Value(const char* label) { return ValueOf(Row(label)); }
  std::string Choices(const char* label) { return ChoicesOf(Row(label)); }
  void Pick(char type, UINT key) {
    app->GetViewEvents().SetSnappedObject(type == 'p' ? CViewEventController::SNAP_POINT : CViewEventController::SNAP_MEMB,
                                          key);
    CToolsDlg::GetMySelf()->SetSnappedPtData();
  }
  void TypeNumber(const std::string& text) {
    Page()->GetNumberEdit().SetWindowText(text.c_str());
    Page()->ApplyInputNumber();
  }
  std::vector<UINT> SelectedMembs() {
    CUIntArray k;
    db->GetViewCtrl()->GetAllSelectedMemb(k);
    return k.vec();
  }

  CClassMemb* memb = nullptr;
  UINT a = 0, b = 0, col = 0, steel = 0;
};

// ---- the window ------------------------------------------------------------------------

TEST_F(ToolsDlgTest, MenuModeOpensEmptyAndReshowsWhileSnappedModeIsRefused) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  ASSERT_TRUE(CToolsDlg::IsAlive());
  CToolsDlg* dlg = CToolsDlg::GetMySelf();
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(dlg->GetShownMode(), CToolsDlg::PAGE_PRE);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_PONT);
  EXPECT_EQ(Items(), (std::vector<std::string>{"[G] " + Text("IDS_CMD_ATTR_PONT_GENERAL") + " (closed)",
                                               "[G] " + Text("IDS_CMD_ATTR_PONT_LOAD") + " (closed)",
                                               "[G] " + Text("IDS_CMD_ATTR_PONT_BOUNDARY") + " (closed)"}));
  EXPECT_TRUE(I_MainFrameBase::GetMySelf()->IsToolbarButtonChecked(I_MainFrameBase::ID_SNAP_POINT));
  EXPECT_EQ(dlg->CanReceiveSnapEvent(), 1) << "the number edit took the focus and the view's picks";

  Pick('m', col);
  ASSERT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_COLUMN);
  app->GetViewEvents().SetSnappedObject(CViewEventController::SNAP_MEMB, steel);
  EXPECT_EQ(Open(CMD_TOOL_SNAPPED), -1);
  EXPECT_EQ(CToolsDlg::GetMySelf(), dlg);
  EXPECT_EQ(Page()->GetShownKey(), col) << "mode 2 on an open window changes nothing";
  EXPECT_EQ(Open(CMD_TOOL_NOTHING), -1);

  EXPECT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  EXPECT_EQ(CToolsDlg::GetMySelf(), dlg);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_PONT);
  EXPECT_EQ(dlg->GetCurObjKey(), 0u);
  EXPECT_EQ(Page()->GetRadio(), 0);
}

TEST_F(ToolsDlgTest, SnappedModeOpensOnTheSnappedColumnAndClosingTellsTheMainWindow) {
  app->GetViewEvents().SetSnappedObject(CViewEventController::SNAP_MEMB, col);
  ASSERT_EQ(Open(CMD_TOOL_SNAPPED), 1);
  EXPECT_EQ(I_ModelBase::MEMBKEY, col);
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  EXPECT_EQ(CToolsDlg::GetMySelf()->GetCurObjKey(), col);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_COLUMN);
  EXPECT_EQ(Page()->GetRadio(), 1);
  EXPECT_EQ(Page()->GetObjTypeText(), CString("m"));
  EXPECT_EQ(SelectedMembs(), std::vector<UINT>{col});
  CString number;
  Page()->GetNumberEdit().GetWindowText(number);
  EXPECT_EQ(number, CString(std::to_string(memb->GetMembNoByKey(col)).c_str()));
  EXPECT_EQ(Commands(), std::vector<UINT>{CToolsDlg::CMD_NEW_PICK});
  EXPECT_GE(view->GetHighlightRefreshCount(), 1);

  // The close button posts WM_CLOSE; the window ends and tells the main window.
  CUserDriver user(Page());
  ASSERT_TRUE(user.Click(IDC_TOOLS_CLOSE));
  AfxPumpMessages();
  EXPECT_EQ(CToolsDlg::IsAlive(), 0);
  EXPECT_EQ(CToolsDlg::GetMySelf(), nullptr);
  EXPECT_EQ(Commands().back(), (UINT)CToolsDlg::CMD_TOOLS_ENDED);
  EXPECT_EQ(Open(CMD_TOOL_SNAPPED), 1) << "a closed window opens again";
}

TEST_F(ToolsDlgTest, RefusalsOfTheFactory) {
  app->GetViewEvents().ClearSnappedObject();
  EXPECT_EQ(Open(CMD_TOOL_SNAPPED), -1) << "nothing snapped";
  EXPECT_EQ(Open(CMD_TOOL_NOTHING), -1);
  doc->SetPostMode(TRUE);
  EXPECT_EQ(Open(CMD_TOOL_BY_MENU), -1) << "post mode";
  doc->SetPostMode(FALSE);
  EXPECT_EQ(CToolsDlg::GetMySelf(), nullptr);
  EXPECT_EQ(ICmdDialog::DoModeless("CToolsDlg", nullptr, nullptr), -1);
}

TEST_F(ToolsDlgTest, PickingTheHighlightedObjectAgainDoesNothingAndEscClearsTheHighlight) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('p', a);
  EXPECT_EQ(I_ModelBase::PONTKEY, a);
  EXPECT_EQ(I_ModelBase::MEMBKEY, 0u);
  EXPECT_EQ(Page()->GetObjTypeText(), CString("p"));
  app->GetHostMainWnd().ClearCommands();
  const int refreshes = view->GetHighlightRefreshCount();
  List().AddGroupItem("marker");
  Pick('p', a);
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(view->GetHighlightRefreshCount(), refreshes);
  EXPECT_EQ(Items().back(), "[G] marker (closed)") << "nothing refilled";

  Pick('m', col);
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  EXPECT_EQ(I_ModelBase::MEMBKEY, col);

  CUserDriver user(CToolsDlg::GetMySelf());
  user.Key(0, VK_ESCAPE);
  AfxPumpMessages();
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  EXPECT_EQ(I_ModelBase::MEMBKEY, 0u);
  EXPECT_EQ(CToolsDlg::GetMySelf(), nullptr) << "Esc still ends the window as a dialog key";
}

TEST_F(ToolsDlgTest, RadioSwitchesPointAndMemberEntry) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  CUserDriver user(Page());
  Page()->GetNumberEdit().SetWindowText("5");
  I_ModelBase::PONTKEY = a;
  ASSERT_TRUE(user.Check(IDC_TOOLS_MEMB_RADIO, 1));
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_MEMB_EMPTY);
  EXPECT_EQ(Items().size(), 5u);
  EXPECT_EQ(Items()[0], "[G] " + Text("IDS_CMD_ATTR_PONT_GENERAL") + " (closed)");
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  EXPECT_EQ(Page()->GetNumberEdit().GetParamKind(), CToolsPrePage::PARAM_MEMBER);
  EXPECT_TRUE(I_MainFrameBase::GetMySelf()->IsToolbarButtonChecked(I_MainFrameBase::ID_SNAP_MEMB));
  EXPECT_FALSE(I_MainFrameBase::GetMySelf()->IsToolbarButtonChecked(I_MainFrameBase::ID_SNAP_POINT));
  CString text;
  Page()->GetNumberEdit().GetWindowText(text);
  EXPECT_TRUE(text.IsEmpty());

  // The radio it already has changes nothing.
  List().AddGroupItem("marker");
  Page()->OnPontMembRadio();
  EXPECT_EQ(Items().back(), "[G] marker (closed)");

  ASSERT_TRUE(user.Check(IDC_TOOLS_PONT_RADIO, 1));
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_PONT);
  EXPECT_EQ(Page()->GetNumberEdit().GetParamKind(), CToolsPrePage::PARAM_POINT);
}

// ---- typed numbers ---------------------------------------------------------------------

TEST_F(ToolsDlgTest, TypedMemberNumberSelectsAndFillsAndBadInputIsTold) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  CUserDriver user(Page());
  ASSERT_TRUE(user.Check(IDC_TOOLS_MEMB_RADIO, 1));
  I_MainFrameBase::GetMySelf()->SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_MEMB, FALSE);
  const std::string no = std::to_string(memb->GetMembNoByKey(col));
  TypeNumber(no);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_COLUMN);
  EXPECT_EQ(I_ModelBase::MEMBKEY, col);
  EXPECT_EQ(SelectedMembs(), std::vector<UINT>{col});
  EXPECT_TRUE(I_MainFrameBase::GetMySelf()->IsToolbarButtonChecked(I_MainFrameBase::ID_SNAP_MEMB));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_ID"), no);

  // Not one number: told in the message window, empty member groups, nothing highlighted.
  TypeNumber(no + " " + no);
  ASSERT_NE(app->GetMessages().LastOutput(), nullptr);
  EXPECT_EQ(std::string(app->GetMessages().LastOutput()->m_strText.c_str()), Text("IDS_CMD__INPUT_ONE_MEMB"));
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_MEMB_EMPTY);
  EXPECT_EQ(I_ModelBase::MEMBKEY, 0u);

  // A text that does not parse: told, the list stays.
  TypeNumber(no);
  const int before = app->GetMessages().GetCount();
  TypeNumber("12x");
  EXPECT_EQ(app->GetMessages().GetCount(), before + 1);
  EXPECT_EQ(std::string(app->GetMessages().LastOutput()->m_strText.c_str()).rfind(Text("IDS_CMD__PARSING_ERROR"), 0), 0u);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_COLUMN);

  // A number of no member: a message box and the empty groups.
  const int boxes = AfxGetMessageCount();
  TypeNumber("99999");
  ASSERT_EQ(AfxGetMessageCount(), boxes + 1);
  EXPECT_EQ(std::string(AfxGetLastMessage()->text.c_str()), Text("IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY"));
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_MEMB_EMPTY);
}

TEST_F(ToolsDlgTest, PointEntryErrors) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  TypeNumber("");
  EXPECT_EQ(std::string(app->GetMessages().LastOutput()->m_strText.c_str()), Text("IDS_CMD__INPUT_ONE_POINT"));
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_PONT);
  const int boxes = AfxGetMessageCount();
  TypeNumber("99999");
  ASSERT_EQ(AfxGetMessageCount(), boxes + 1);
  EXPECT_EQ(std::string(AfxGetLastMessage()->text.c_str()), Text("IDS_CMD_ATTR_MEMB_NOT_PONT_KEY"));
  TypeNumber(std::to_string(Table<CClassPont>()->GetPontNoByKey(a)));
  EXPECT_EQ(I_ModelBase::PONTKEY, a);
  CUIntArray sel;
  db->GetViewCtrl()->GetAllSelectedPont(sel);
  EXPECT_EQ(sel.vec(), std::vector<UINT>{a});
}

// ---- refills ---------------------------------------------------------------------------

TEST_F(ToolsDlgTest, DataChangeCodesRefillOrLeaveTheList) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('m', col);
  ASSERT_EQ(Value("IDS_CMD_ATTR_MEMB_OFFSET"), "");
  T_MASG_D m;
  m.offset = "0.1, 0.2";
  Assign(col, m);  // the model's notice shows it
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_OFFSET"), "0.1, 0.2");
  for (int code : {213, 108, 106, 227, 999}) {
    List().RemoveAll();
    Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, code);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_OFFSET"), "<no row>") << code << " refills nothing";
    EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_COLUMN) << code;
  }
  for (int code : {101, 105, 201, 234, 400}) {
    List().RemoveAll();
    Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, code);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_OFFSET"), "0.1, 0.2") << code << " refills";
  }
  Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, 233);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_MEMB_EMPTY);

  // A change made through the page's attribute control refills before it returns.
  Pick('m', steel);
  ASSERT_TRUE(Page()->GetAttrCtrl().ModifyMembBetaAngle(30));
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_BETA_ANGLE")->GetValue().ToDouble(), 30.0);
}

TEST_F(ToolsDlgTest, AMemberWithoutRowsKeepsThePreviousRows) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('m', col);
  const auto rows = Items();
  const UINT lintel = AddMemb(203, 1, 0);
  Pick('m', lintel);
  EXPECT_EQ(Items(), rows);
  EXPECT_EQ(SelectedMembs(), std::vector<UINT>{lintel});
  CString number;
  Page()->GetNumberEdit().GetWindowText(number);
  EXPECT_EQ(number, CString(std::to_string(memb->GetMembNoByKey(lintel)).c_str()));
}

// ---- the column's rows -----------------------------------------------------------------

TEST_F(ToolsDlgTest, ColumnRowsInOrderWithTheirStrips) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('m', col);
  const std::vector<StripRow> rows = {
      {"IDS_CMD_ATTR_MEMB_ID", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_MEMB_TYPE", 0, 0, 0},
      {"IDS_CMD_ATTR_PONT_STORY", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_MATERIAL", 5, 32800, 34572},
      {"IDS_CMD_ATTR_MEMB_SECTION", 5, 32808, 34573},
      {"IDS_CMD_ATTR_MEMB_LENGTH", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_BETA_ANGLE", 6, 34187, 34574},
      {"IDS_CMD_ATTR_MEMB_CONNECTED_PONTS", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_COL_LOW_STORY", 5, 33775, 34575},
      {"IDS_CMD_ATTR_MEMB_COL_TRANS", 5, 33775, 34576},
      {"IDS_CMD_ATTR_MEMB_COL_CORNER", 5, 33775, 34577},
      {"IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", 5, 33775, 34578},
      {"IDS_CMD_ATTR_MEMB_COL_PROTECT", 5, 34214, 34064},
      {"IDS_CMD_ATTR_MEMB_COL_LOAD", 5, 33693, 34585},
      {"IDS_CMD_ATTR_MEMB_TEMPERATURE", 3, 32989, 34515},
      {"IDS_CMD_PJST_SUPPORT", 5, 32825, 34590},
      {"IDS_CMD_ATTR_MEMB_OFFSET", 3, 34209, 34513},
      {"IDS_CMD_ATTR_MEMB_LVL", 5, 34405, 34498},
      {"IDS_CMD_ATTR_MEMB_STIFF_FACT", 3, 33776, 34506},
      {"IDS_CMD_ATTR_MEMB_DEC_FACT", 3, 34407, 34499},
      {"IDS_CMD_ATTR_MEMB_SEIS_FACT", 3, 33650, 34504},
      {"IDS_CMD_ATTR_MEMB_EFFECT_FACT", 3, 34674, 34505},
      {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", 3, 34675, 34671},
      {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", 3, 34676, 34672},
  };
  ASSERT_NO_FATAL_FAILURE(ExpectStripRows(List(), rows, "a concrete column without a factor record", false));
  int groups = 0;
  for (const std::string& s : Items())
    if (s.rfind("[G]", 0) == 0) {
      ++groups;
      EXPECT_EQ(s.find("(closed)"), std::string::npos) << s;
    }
  EXPECT_EQ(groups, 5);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_COLUMN);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjKey, col);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"),
            std::to_string(Table<CClassPont>()->GetPontNoByKey(a)) + ", " +
                std::to_string(Table<CClassPont>()->GetPontNoByKey(b)));
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_COL_LOAD"), Text("IDS_CMD_ATTR_NONE") + " @0");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_TEMPERATURE"), Text("IDS_CMD_ATTR_NONE"));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_STIFF_FACT"), "1, 1, 1, 1, 1, 1, 1");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SEIS_FACT"), "1");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_EFFECT_FACT"), "1, 1");
  EXPECT_EQ(Choices("IDS_CMD_PJST_SUPPORT").substr(0, Text("IDS_CMD_ATTR_AUTO").size()), Text("IDS_CMD_ATTR_AUTO"));
  EXPECT_EQ(Row("IDS_CMD_PJST_SUPPORT")->GetSelected(), 0) << "an empty support code is AUTO";
}

TEST_F(ToolsDlgTest, ColumnAssignedValuesShowAsTexts) {
  T_MASG_D m;
  m.tempFlag = 1, m.temp[0] = 20, m.temp[1] = 30;
  m.support = "3";
  m.unbraced[0] = m.unbraced[1] = 3.5, m.noThird = 1;
  m.seisFlag = 1, m.seisFact = 1.25;
  m.effFlag = 1, m.effFact[0] = 1.1, m.effFact[1] = 0.9;
  m.stiffFlag = 1, m.stiff[2] = 0.5;
  Assign(col, m);
  m.support = "9";
  m.noThird = 0, m.unbraced3 = 2;
  Assign(steel, m);
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('m', col);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_TEMPERATURE"), "20, 30");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_UNBRACED_LENG"), "3.5, 3.5, No");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SEIS_FACT"), "1.25");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_EFFECT_FACT"), "1.1, 0.9");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_STIFF_FACT"), "1, 1, 0.5, 1, 1, 1, 1");
  EXPECT_EQ(Value("IDS_CMD_PJST_SUPPORT"), Text("IDS_CMD_ATTR_ROLLER"));
  Pick('m', steel);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_UNBRACED_LENG"), "3.5, 3.5, 2");
  EXPECT_EQ(Row("IDS_CMD_PJST_SUPPORT")->GetSelected(), -1) << "a code past the choices selects nothing";
  EXPECT_EQ(Value("IDS_CMD_PJST_SUPPORT"), "");
}

TEST_F(ToolsDlgTest, MaterialAndSectionRowsOfferTheAppliedMaterialsSections) {
  UINT applied = 0;
  int flag = 0;
  ASSERT_TRUE(memb->GetAppliedMatlKey(col, applied, flag));
  ASSERT_NE(applied, 0u);
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('m', col);
  CCmbBtnProp* matl = Row("IDS_CMD_ATTR_MEMB_MATERIAL");
  ASSERT_NE(matl, nullptr);
  EXPECT_EQ(matl->GetCmbItemData(), applied) << "no material of its own: the applied one";
  CCmbBtnProp* sect = Row("IDS_CMD_ATTR_MEMB_SECTION");
  ASSERT_NE(sect, nullptr) << "the section row lists the applied material's sections";
  EXPECT_EQ(sect->GetCmbItemData(), 1u);
  CUIntArray expected;
  Table<CClassSect>()->GetKeyListByMatl(applied, expected);
  EXPECT_EQ(sect->GetItemDataArray().vec(), expected.vec());

  // A material or section that its list does not offer selects the first entry.
  T_MEMB_D m;
  ASSERT_TRUE(memb->Get(col, m));
  m.matlKey = 4;  // steel, not offered for a concrete section
  ASSERT_TRUE(memb->TR_Modify(col, m));
  Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, 201);
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_MATERIAL")->GetSelected(), 0);
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_SECTION")->GetItemDataArray().vec(), [&] {
    CUIntArray k;
    Table<CClassSect>()->GetKeyListByMatl(Row("IDS_CMD_ATTR_MEMB_MATERIAL")->GetCmbItemData(), k);
    return k.vec();
  }()) << "the sections of the material the row shows";
}

TEST_F(ToolsDlgTest, AFillStoppedByTheMaterialListLeavesTheGroupsClosed) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  // A section of a material kind no material has.
  auto* sects = Table<CClassSect>();
  T_SECT_D odd;
  ASSERT_TRUE(sects->Get(1, odd));
  odd.iMatlType = 9;
  const UINT oddKey = sects->GetNewKey();
  odd.key = oddKey;
  ASSERT_TRUE(sects->TR_Add(oddKey, odd));
  const UINT lost = AddMemb(101, oddKey, 0);
  Pick('m', lost);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_COLUMN);
  EXPECT_EQ(List().GetRowCount(), 3);
  EXPECT_EQ(Items()[0], "[G] " + Text("IDS_CMD_ATTR_MEMB_GENERAL") + " (closed)");
}

TEST_F(ToolsDlgTest, DesignRowsInNormalAndAutomaticMemberTypeMode) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('m', col);
  const std::string autoYesNo = Text("IDS_CMD_ATTR_AUTO") + "," + Text("IDS_CMD_ATTR_YES") + "," + Text("IDS_CMD_ATTR_NO");
  const std::string yesNo = Text("IDS_CMD_ATTR_YES") + "," + Text("IDS_CMD_ATTR_NO");
  // Low story automatic, protection yes (its flag off).
  T_DMTP_D block = Page()->GetAttrRecord().dmtp;
  ASSERT_NE(block.lead, 0);
  block.value[0] = 0;  // AUTO
  block.value[4] = 1;  // YES
  block.value[1] = 0;  // transfer YES
  ASSERT_TRUE(Page()->GetAttrCtrl().ModifyMembDType(block, 0));
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_COL_LOW_STORY"), autoYesNo + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_COL_PROTECT"), autoYesNo + " @1");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_COL_TRANS"), yesNo + " @0");
  EXPECT_EQ(Page()->GetProtectText(), CString(Text("IDS_CMD_ATTR_YES").c_str()));
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_LVL")->GetColType(), PROP_COL_COMBO);

  doc->SetAutoMembTypeMode(TRUE);
  Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, 202);
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_COL_LOW_STORY").substr(0, yesNo.size() + 2), yesNo + " @")
      << "AUTO dropped, the flag ignored";
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_COL_PROTECT"), yesNo + " @0");
  CCmbBtnProp* grade = Row("IDS_CMD_ATTR_MEMB_LVL");
  ASSERT_EQ(grade->GetColType(), PROP_COL_TEXT_CMD);
  EXPECT_FALSE(grade->FormatProperty().IsEmpty()) << "the grade shows as a text";
}

TEST_F(ToolsDlgTest, EquivalentMomentForSteelAndUncertainCombinationForConcreteWithARecord) {
  ASSERT_EQ(Open(CMD_TOOL_BY_MENU), 1);
  Pick('m', steel);
  ASSERT_TRUE(memb->IsSteel(steel));
  EXPECT_NE(Row("IDS_CMD_ATTR_MEMB_EQUIV_MOM_FCT"), nullptr);
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), nullptr);
  Pick('m', col);
  ASSERT_TRUE(memb->IsRC(col));
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_EQUIV_MOM_FCT"), nullptr);
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), nullptr) << "no record";
  T_UCCF_D u;
  u.memb = col, u.factor = 1.2;
  ASSERT_TRUE(Table<CClassUccf>()->TR_Add(u));
  Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, 226);
  EXPECT_NE(Row("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), nullptr);
  EXPECT_EQ(List().GetRow(List().GetRowCount() - 1)->GetName(), CString(Text("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT").c_str()));
}

TEST_F(ToolsDlgTest, DeleteMessageIsRegisteredAtLoad) {
  EXPECT_GE(CToolsPrePage::WM_PROPLIST_PRE_DEL, 0xC000u);
  EXPECT_EQ(CToolsPrePage::WM_PROPLIST_PRE_DEL, RegisterWindowMessageA("ID_PROPLIST_PRE_DEL"));
}

}  // namespace
