// The analysis-model page of the attribute tool window: the page shown in post mode,
// elements picked and typed by number with their errors, the selection and the highlighted
// element, refills on data-change notices, deletions from the factor and hinge rows, the
// force-view toggle, and the rows of every element kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "afx/AfxMessageBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassCmld.h"
#include "db/CClassMasg.h"
#include "db/CClassPMemb.h"
#include "db/CClassStld.h"
#include "db/CViewCtrl.h"
#include "frame/ICmdDialog.h"
#include "res/resource.h"
#include "tests/tools/ToolsFixture.h"
#include "tools/CToolsPostPage.h"
#include "tools/ElemAttrRows.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"

namespace {

using Lines = std::vector<std::string>;

std::string WindowText(const CWnd* w) {
  CString s;
  if (w) w->GetWindowText(s);
  return s.c_str();
}

class ToolsPostPageTest : public ToolsFixture {
 protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    AddCorners();
    if (HasFatalFailure()) return;
    col = AddMember(101, {pts[0], pts[1]}, 1);
    beam = AddMember(201, {pts[0], pts[1]}, 2);
    sbeam = AddMember(205, {pts[1], pts[2]}, 2);
    wall = AddMember(202, {pts[2], pts[3]}, 0, 0, 1);
    slab = AddMember(301, {pts[0], pts[1], pts[2], pts[3]}, 0, 0, 2);
    brace = AddMember(206, {pts[3], pts[0]}, 3);
    ASSERT_EQ(ICmdDialog::DoModeless("CToolsDlg", nullptr, &menuMode), 1);
    doc->SetPostMode(TRUE);
    post = doc->GetMDBCtrl()->GetDBPost();
    app->GetHostMainWnd().ClearCommands();
    CMembDataCtrl::ClearCalls();
  }
  CToolsPostPage* Page() { return CToolsDlg::GetMySelf() ? CToolsDlg::GetMySelf()->GetPostPage() : nullptr; }
  CPropList& List() { return Page()->GetPropList(); }
  // The list as lines: "[G] TITLE" for a group, "LABEL|KIND|VALUE" for a row.
  Lines Items() { return ItemLines(List(), 0); }
  CCmbBtnProp* Row(const char* label) { return RowIn(List(), label); }
  std::string Value(const char* label) { return ValueOf(Row(label)); }
  void Pick(UINT key) {
    app->GetViewEvents().SetSnappedObject(CViewEventController::SNAP_MEMB, key);
    CToolsDlg::GetMySelf()->SetSnappedPtData();
  }
  // Typed into the number edit, then Return as the user presses it.
  void TypeNumber(const std::string& text) {
    Page()->GetNumberEdit().SetWindowText(text.c_str());
    CUserDriver user(Page());
    user.Key(IDC_TOOLS_POST_NUMBER, VK_RETURN);
  }
  std::vector<UINT> SelectedElems() {
    CUIntArray k;
    post->GetViewCtrl()->GetAllSelectedPMemb(k);
    return k.vec();
  }
  std::string EditText() {
    CString s;
    Page()->GetNumberEdit().GetWindowText(s);
    return s.c_str();
  }
  void PutEasg(UINT key, const T_EASG_D& rec) {
    T_EASG_D r = rec;
    r.key = key;
    auto* t = Table<CClassEasg>();
    ASSERT_TRUE(t->Exist(key) ? t->TR_Modify(key, r) : t->TR_Add(key, r));
  }
  Lines EmptyGroups() {
    Lines out;
    for (const char* k : {"IDS_CMD_ATTR_MEMB_GENERAL", "IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE", "IDS_CMD_ATTR_MEMB_LOAD",
                          "IDS_CMD_ATTR_MEMB_FACT", "IDS_CMD_ATTR_MEMB_NON_LINEAR_HINGE"})
      out.push_back("[G] " + Text(k));
    return out;
  }

  int menuMode = CMD_TOOL_BY_MENU;
  DB_CDataBase* post = nullptr;
  UINT col = 0, beam = 0, sbeam = 0, wall = 0, slab = 0, brace = 0;
};

// ---- the page in the window ------------------------------------------------------------

TEST_F(ToolsPostPageTest, PostModeShowsThePageOfElementsAndItsEditTakesPicks) {
  CToolsDlg* dlg = CToolsDlg::GetMySelf();
  dlg->SetInitDataByMenu();
  EXPECT_EQ(dlg->GetShownMode(), CToolsDlg::PAGE_POST);
  ASSERT_NE(Page()->m_hWnd, nullptr);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_EMPTY);
  EXPECT_EQ(Items(), EmptyGroups());
  EXPECT_TRUE(I_MainFrameBase::GetMySelf()->IsToolbarButtonChecked(I_MainFrameBase::ID_SNAP_MEMB));
  EXPECT_EQ(Page()->GetNumberEdit().GetParamKind(), CParamTool::KIND_ELEMENT);
  // The page's number edit took the focus, so the window takes the view's picks.
  EXPECT_EQ(dlg->CanReceiveSnapEvent(), 1);
  EXPECT_EQ(Page()->GetEditHandlerItem(), static_cast<I_ViewEventHandlerItem*>(&Page()->GetNumberEdit()));

  // A pick: the element alone is selected, its number in the edit, its rows shown.
  CUIntArray some, none;
  some.Add(beam);
  post->GetViewCtrl()->Select(nullptr, none, none, none, some, 0, 0, 0);
  Pick(col);
  EXPECT_EQ(Commands(), std::vector<UINT>{CToolsDlg::CMD_NEW_PICK});
  EXPECT_EQ(I_ModelBase::MEMBKEY, col);
  EXPECT_EQ(SelectedElems(), std::vector<UINT>{col});
  EXPECT_EQ(EditText(), std::to_string(col));
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_COLUMN);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_P_COLUMN);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjKey, col);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_ID"), std::to_string(col));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SECTION"), "1:C500x500");
  // The force view is hidden once an element is shown.
  EXPECT_FALSE(Page()->GetDlgItem(IDC_TOOLS_POST_FORCE_LC)->IsWindowVisible());
}

TEST_F(ToolsPostPageTest, TheWindowShowsThePageOfTheCurrentMode) {
  CToolsDlg* dlg = CToolsDlg::GetMySelf();
  struct Case {
    BOOL post;
    bool analysisView;
    int page;
  };
  for (const Case& c : {Case{FALSE, false, CToolsDlg::PAGE_PRE}, Case{FALSE, true, CToolsDlg::PAGE_POST},
                        Case{TRUE, false, CToolsDlg::PAGE_POST}}) {
    doc->SetPostMode(c.post);
    c.analysisView ? view->SetAnalysisView() : view->SetPlanView(3);
    dlg->SetInitDataByMenu();
    EXPECT_EQ(dlg->GetShownMode(), c.page) << c.post << c.analysisView;
    EXPECT_EQ(dlg->GetCurMode(), c.page);
    CWnd* postPage = Page();
    EXPECT_EQ(postPage->m_hWnd && postPage->IsWindowVisible(), c.page == CToolsDlg::PAGE_POST);
  }
}

TEST_F(ToolsPostPageTest, TypedNumbersAndTheirErrors) {
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  // Another element selected before: the typed one becomes the whole selection.
  Pick(beam);
  ASSERT_EQ(SelectedElems(), std::vector<UINT>{beam});
  app->GetHostMainWnd().ClearCommands();
  TypeNumber(std::to_string(col));
  EXPECT_EQ(SelectedElems(), std::vector<UINT>{col});
  EXPECT_EQ(I_ModelBase::MEMBKEY, col);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_COLUMN);
  EXPECT_EQ(Page()->GetShownKey(), col);
  EXPECT_EQ(EditText(), std::to_string(col));
  EXPECT_TRUE(Commands().empty()) << "the element is selected already: nothing dropped";
  EXPECT_EQ(WindowText(Page()->GetDlgItem(IDC_TOOLS_POST_TOGGLE)),
            Text("IDS_CMD_ATTR_MEMB_FORC"));

  // A negative number clears the highlight only.
  TypeNumber("-3");
  EXPECT_EQ(I_ModelBase::MEMBKEY, 0u);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_COLUMN);

  // Not an integer: the highlight goes and the five empty groups come.
  I_ModelBase::MEMBKEY = col;
  TypeNumber("abc");
  EXPECT_EQ(I_ModelBase::MEMBKEY, 0u);
  EXPECT_EQ(Items(), EmptyGroups());

  // 0 and a number of no element: the message, the empty groups; the selection stays.
  for (const char* text : {"0", "9999"}) {
    TypeNumber(std::to_string(col));
    const int boxes = AfxGetMessageCount();
    TypeNumber(text);
    ASSERT_EQ(AfxGetMessageCount(), boxes + 1) << text;
    EXPECT_EQ(std::string(AfxGetLastMessage()->text.c_str()), Text("IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY"));
    EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_EMPTY) << text;
    EXPECT_EQ(Items(), EmptyGroups()) << text;
    EXPECT_EQ(I_ModelBase::MEMBKEY, 0u) << text;
    EXPECT_EQ(SelectedElems(), std::vector<UINT>{col}) << text;
  }
}

TEST_F(ToolsPostPageTest, AnElementTypeWithoutRowsTakesTheNumberAndTheSelectionButKeepsTheList) {
  T_PMEMB_D line;
  line.type = 200, line.storyKey = 3;
  line.nodes.Add(pts[0]);
  line.nodes.Add(pts[2]);
  auto* pmemb = TableOf<CClassPMemb>(post);
  const UINT key = pmemb->GetNewKey();
  ASSERT_TRUE(pmemb->TR_Add(key, line));
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  Pick(col);
  const Lines before = Items();
  Pick(key);
  EXPECT_EQ(EditText(), std::to_string(key));
  EXPECT_EQ(SelectedElems(), std::vector<UINT>{key});
  EXPECT_EQ(Items(), before);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_COLUMN);
}

TEST_F(ToolsPostPageTest, AListChangeKeepsTheShownElementSelected) {
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  Pick(col);
  auto* frame = I_MainFrameBase::GetMySelf();
  struct Case {
    BOOL single;
    std::vector<UINT> commands;
  };
  for (const Case& c : {Case{FALSE, {CToolsDlg::CMD_NEW_PICK}}, Case{TRUE, {}}}) {
    frame->SetCheckToolbarButton(I_MainFrameBase::ID_SINGLE_SELECT, c.single);
    CUIntArray other, none;
    other.Add(beam);
    post->GetViewCtrl()->Select(nullptr, none, none, none, other, 0, 0, 1);
    app->GetHostMainWnd().ClearCommands();
    ASSERT_TRUE(List().UserSelect(Row("IDS_CMD_ATTR_MEMB_ID")));
    EXPECT_EQ(Commands(), c.commands) << "single " << c.single;
    const std::vector<UINT> sel = SelectedElems();
    EXPECT_NE(std::find(sel.begin(), sel.end(), col), sel.end()) << "single " << c.single;
    // Already selected: nothing more.
    app->GetHostMainWnd().ClearCommands();
    ASSERT_TRUE(List().UserSelect(Row("IDS_CMD_ATTR_PONT_STORY")));
    EXPECT_TRUE(Commands().empty());
  }
}

TEST_F(ToolsPostPageTest, DataChangeCodesRefillOrLeaveTheList) {
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  Pick(beam);
  ASSERT_EQ(Value("IDS_CMD_ATTR_MEMB_DEC_FACT"), "1.0");
  T_EASG_D e;
  e.decFact = 0.85;
  PutEasg(beam, e);  // no notice reaches the page
  for (int code : {216, 213, 201, 999}) {
    Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, code);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_DEC_FACT"), "1.0") << code << " refills nothing";
  }
  Page()->GetNumberEdit().SetWindowText("");
  Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, 400);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_DEC_FACT"), "0.85");
  EXPECT_EQ(EditText(), std::to_string(beam));
}

// ---- deletion --------------------------------------------------------------------------

TEST_F(ToolsPostPageTest, DeleteButtonsRequestTheirCodeAndTheListFollows) {
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  T_EASG_D e;
  e.decFact = 1.25, e.pushHinge = "PH", e.seisGrade = 302;
  for (UINT k : {beam, brace, wall}) PutEasg(k, e);
  struct Case {
    UINT elem;
    const char* row;
    int code;
    std::string after;
  };
  const Case cases[] = {
      {beam, "IDS_CMD_ATTR_MEMB_DEC_FACT", 217, "1.0"},
      {brace, "IDS_CMD_ATTR_MEMB_PUSH_HINGE", 229, ""},
      {wall, "IDS_CMD_ATTR_MEMB_LVL", 214, Text("IDS_CMD_MEMB_None")},
  };
  for (const Case& c : cases) {
    Pick(c.elem);
    CCmbBtnProp* row = Row(c.row);
    ASSERT_NE(row, nullptr) << c.row;
    ASSERT_EQ(row->GetButtons()[2], CToolsPostPage::WM_PROPLIST_POST_DEL);
    ASSERT_TRUE(List().UserPressButton(row, 2));
    const T_ATTR_CALL* call = CMembDataCtrl::GetCall(CMembDataCtrl::GetCallCount() - 1);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->op, "DeletePMembData");
    EXPECT_EQ(call->args, std::vector<std::string>{std::to_string(c.code)});
    EXPECT_EQ(call->objKey, c.elem);
    EXPECT_EQ(call->result, 1);
    EXPECT_EQ(Value(c.row), c.after) << c.row << ": the list was refilled";
  }
}

TEST_F(ToolsPostPageTest, DeleteRequestsWithoutARowOrAMappingDoNothing) {
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  Pick(col);
  // No current row (the list was just filled).
  ASSERT_EQ(List().GetCurSel(), nullptr);
  Page()->SendMessage(CToolsPostPage::WM_PROPLIST_POST_DEL, 0, 0);
  EXPECT_EQ(CMembDataCtrl::GetCallCount(), 0);
  // A row whose label has no code; then the column's seismic factor, which has one.
  ASSERT_TRUE(List().UserSelect(Row("IDS_CMD_ATTR_MEMB_ID")));
  Page()->SendMessage(CToolsPostPage::WM_PROPLIST_POST_DEL, 0, 0);
  EXPECT_EQ(CMembDataCtrl::GetCallCount(), 0);
  ASSERT_TRUE(List().UserSelect(Row("IDS_CMD_ATTR_MEMB_SEIS_FACT")));
  Page()->SendMessage(CToolsPostPage::WM_PROPLIST_POST_DEL, 0, 0);
  EXPECT_EQ(CMembDataCtrl::GetCallCount(), 1);
}

// ---- the force view --------------------------------------------------------------------

TEST_F(ToolsPostPageTest, TheToggleSwapsListAndForceViewAndItsCaptionNamesTheOther) {
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  TypeNumber(std::to_string(col));
  CWnd* toggle = Page()->GetDlgItem(IDC_TOOLS_POST_TOGGLE);
  EXPECT_FALSE(CUserDriver::CanReach(toggle)) << "the template hides and disables it";
  Page()->OnAttrForceToggle();
  EXPECT_EQ(Page()->GetViewFlag(), 0);
  EXPECT_EQ(WindowText(toggle), Text("IDS_CMD_ATTR_MEMB_ATTR"));
  EXPECT_FALSE(List().IsWindowVisible());
  for (UINT id = IDC_TOOLS_POST_FORCE_EQ; id <= IDC_TOOLS_POST_FORCE_DEFORM_VAL; ++id)
    EXPECT_TRUE(Page()->GetDlgItem(id)->IsWindowVisible()) << id;
  // A pick in force view shows no rows.
  Pick(beam);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_COLUMN);
  EXPECT_EQ(EditText(), std::to_string(beam));
  Page()->OnAttrForceToggle();
  EXPECT_EQ(WindowText(toggle), Text("IDS_CMD_ATTR_MEMB_FORC"));
  EXPECT_TRUE(List().IsWindowVisible());
  EXPECT_FALSE(Page()->GetDlgItem(IDC_TOOLS_POST_FORCE_EQ)->IsWindowVisible());
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPostPage::LIST_BEAM);
}

// ---- rows of the model's elements --------------------------------------------------------

TEST_F(ToolsPostPageTest, EachElementKindHasItsGroupsAndRows) {
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  auto groups = [&]() {
    Lines g;
    for (const std::string& s : Items())
      if (s.rfind("[G] ", 0) == 0) g.push_back(s.substr(4));
    return g;
  };
  const std::string general = Text("IDS_CMD_ATTR_MEMB_GENERAL"), design = Text("IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE"),
                    load = Text("IDS_CMD_ATTR_MEMB_LOAD"), fact = Text("IDS_CMD_ATTR_MEMB_FACT"),
                    hinge = Text("IDS_CMD_ATTR_MEMB_NON_LINEAR_HINGE");
  struct Case {
    UINT elem;
    int kind;
    Lines groups;
    int rows;
  };
  const Case cases[] = {
      {col, CToolsPostPage::LIST_COLUMN, {general, design, load, fact, hinge}, 8 + 5 + 2 + 4 + 2},
      {beam, CToolsPostPage::LIST_BEAM, {general, design, load, fact, hinge}, 8 + 6 + 2 + 5 + 2},
      {sbeam, CToolsPostPage::LIST_SBEAM, {general, load, fact, hinge}, 8 + 2 + 5 + 2},
      {wall, CToolsPostPage::LIST_WALL, {general, design, fact, hinge}, 6 + 4 + 4 + 2},
      {slab, CToolsPostPage::LIST_SLAB, {general, design, load}, 6 + 1 + 2},
      {brace, CToolsPostPage::LIST_BRACE, {general, load, fact, hinge}, 8 + 1 + 2 + 2},
  };
  for (const Case& c : cases) {
    Pick(c.elem);
    EXPECT_EQ(Page()->GetShownListKind(), c.kind) << c.elem;
    EXPECT_EQ(groups(), c.groups) << c.elem;
    EXPECT_EQ(List().GetRowCount(), c.rows) << c.elem;
    for (int i = 0; i < List().GetItemCount(); ++i) {
      CBCGPProp* it = List().GetItem(i);
      EXPECT_TRUE(!it->IsGroup() || it->IsExpanded()) << c.elem;
    }
  }
  // The wall (209) has no height row; the brace's beta angle is an editable number whose
  // edits nobody applies.
  Pick(wall);
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_HEIGHT"), nullptr);
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"), nullptr);
  Pick(brace);
  CCmbBtnProp* betaRow = Row("IDS_CMD_ATTR_MEMB_BETA_ANGLE");
  ASSERT_NE(betaRow, nullptr);
  EXPECT_EQ(betaRow->GetColType(), PROP_COL_EDIT);
  const int before = (int)db->GetUndoCount();
  ASSERT_TRUE(List().UserCommitText(betaRow, "30"));
  EXPECT_EQ(CMembDataCtrl::GetCallCount(), 0);
  EXPECT_EQ((int)db->GetUndoCount(), before);
}

TEST_F(ToolsPostPageTest, ElementLoadsOfferOneChoicePerLoadCaseWithLoads) {
  // The sample's load cases DL (1) and LL (2), and a third one without loads.
  auto* stld = Table<CClassStld>();
  const UINT dl = 1, ll = 2;
  T_STLD_D lc;
  lc.name = "WX", lc.type = "W";
  ASSERT_TRUE(stld->TR_Add(lc));
  auto* cmld = Table<CClassCmld>();
  T_CMLD_D r;
  r.memb = col, r.loadCase = dl, r.loadType = 1, r.v[0] = 12;
  ASSERT_TRUE(cmld->TR_Add(r));
  r.loadCase = ll, r.v[0] = 0;
  ASSERT_TRUE(cmld->TR_Add(r));
  CToolsDlg::GetMySelf()->SetInitDataByMenu();
  Pick(col);
  CCmbBtnProp* row = Row("IDS_CMD_ATTR_MEMB_COL_LOAD");
  ASSERT_NE(row, nullptr);
  ASSERT_EQ(row->GetChoices().GetSize(), 2);
  EXPECT_EQ(std::string(row->GetChoices()[0].c_str()), "DL : " + Text("IDS_CMD_ATTR_EXIST"));
  EXPECT_EQ(std::string(row->GetChoices()[1].c_str()), "LL : " + Text("IDS_CMD_ATTR_NONE"));
  EXPECT_EQ(row->GetSelected(), 0);
  Pick(beam);
  ASSERT_NE(Row("IDS_CMD_ATTR_MEMB_BEAM_LOAD"), nullptr);
  EXPECT_EQ(Row("IDS_CMD_ATTR_MEMB_BEAM_LOAD")->GetChoices().GetSize(), 0) << "a beam without loads";
}

// ---- rows from an attribute record -------------------------------------------------------

class ElemRowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    matr.Initialize();
  }
  Lines Fill(int type, int subtype = 0) {
    T_ELEM_ROWS_PARAM p;
    p.elemType = type, p.subtype = subtype, p.tol = 1e-3, p.delMsg = 0xC123;
    EXPECT_TRUE(FillElemAttrRows(list, matr, p));
    return ItemLines(list, 0);
  }
  std::string Value(const char* label) { return ValueOf(list.FindRow(CString(app->LoadStr(label)))); }
  std::string Text(const char* key) { return app->LoadStr(key); }
  // The design rows' values, in order.
  std::vector<std::string> DesignValues() {
    std::vector<std::string> out;
    bool in = false;
    for (int i = 0; i < list.GetItemCount(); ++i) {
      CBCGPProp* it = list.GetItem(i);
      if (it->IsGroup()) {
        in = it->GetName() == CString(app->LoadStr("IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE"));
        continue;
      }
      if (in) out.push_back(static_cast<CCmbBtnProp*>(it)->FormatProperty().c_str());
    }
    return out;
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CPropList list;
  T_MATR_D matr;
};

TEST_F(ElemRowsTest, DecreaseFactorTexts) {
  struct Case {
    double f;
    const char* shown;
  };
  for (const Case& c : {Case{1.0, "1.0"}, Case{1.0005, "1.0"}, Case{0.9995, "1.0"}, Case{0.85, "0.85"},
                        Case{1.25, "1.25"}, Case{1.002, "1.002"}}) {
    matr.decFact = c.f;
    Fill(201);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_DEC_FACT"), c.shown) << c.f;
  }
}

TEST_F(ElemRowsTest, KeyAndNameTextsAndConnectedPoints) {
  matr.matlKey = 3, matr.matlName = "C30";
  matr.sectKey = 0;
  Fill(101);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MATERIAL"), "3:C30");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SECTION"), "0:");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"), "");
  for (UINT n : {7u, 4294967295u, 5u}) matr.pontNos.Add(n);
  Fill(101);
  const std::string pts = Value("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS");
  EXPECT_NE(pts.find('5'), std::string::npos);
  EXPECT_NE(pts.find('7'), std::string::npos);
  EXPECT_EQ(pts.find("4294967295"), std::string::npos) << "a gap is no point";
  EXPECT_EQ(pts.find("-1"), std::string::npos);
}

TEST_F(ElemRowsTest, DesignRowsShowTheirChoiceAtThePosition) {
  matr.dmtp.lead = 0;
  Fill(201);
  EXPECT_EQ(DesignValues(), std::vector<std::string>(6, ""));
  matr.dmtp = {1, {0, 1, 2, 3, 1, 2}};
  Fill(201);
  EXPECT_EQ(DesignValues(), (std::vector<std::string>{Text("IDS_CMD_ATTR_AUTO"), Text("IDS_CMD_ATTR_YES"),
                                                      Text("IDS_CMD_ATTR_NO"), Text("IDS_CMD_ATTR_MR"),
                                                      Text("IDS_CMD_ATTR_YES"), Text("IDS_CMD_ATTR_NO")}));
  // A position outside its list shows nothing; the wall's base protection has seven.
  matr.dmtp = {1, {3, -1, 0, 6, 0, 0}};
  Fill(209);
  EXPECT_EQ(DesignValues(), (std::vector<std::string>{"", "", Text("IDS_CMD_ATTR_AUTO"), Text("IDS_CMD_ATTR_NO")}));
  // The slab: no design row at all without design types.
  matr.dmtp.lead = 0;
  Fill(301);
  EXPECT_TRUE(DesignValues().empty());
  matr.dmtp = {1, {2, 0, 0, 0, 0, 0}};
  Fill(301);
  EXPECT_EQ(DesignValues(), std::vector<std::string>{Text("IDS_CMD_ATTR_IBLP")});
}

TEST_F(ElemRowsTest, SlabTypesAndThicknessLabels) {
  matr.typeText = "Slab";
  struct Case {
    int subtype;
    std::string type;
    const char* thickLabel;
  };
  const Case cases[] = {
      {0, "Slab", "IDS_CMD_ATTR_MEMB_THICK"},
      {3, "Slab(" + Text("IDS_CMD_MEMB_TYPE_ROOF") + ")", "IDS_CMD_ATTR_MEMB_THICK"},
      {1, Text("IDS_CMD_MEMB_TYPE_STAIR_SLAB"), "IDS_CMD_PURE_THICK"},
      {2, Text("IDS_CMD_MEMB_TYPE_STAIR_SLAB") + "(" + Text("IDS_CMD_MEMB_TYPE_STAIR_LSPACE") + ")",
       "IDS_CMD_PURE_THICK"},
  };
  for (const Case& c : cases) {
    Fill(301, c.subtype);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MEMB_TYPE"), c.type) << c.subtype;
    EXPECT_NE(list.FindRow(CString(app->LoadStr(c.thickLabel))), nullptr) << c.subtype;
  }
  // The slab's load rows carry one button and no deletion.
  matr.slabLoadFlag = 1;
  Fill(301);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), Text("IDS_CMD_ATTR_EXIST"));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_TEMPERATURE"), Text("IDS_CMD_ATTR_NONE"));
  for (int i = 0; i < list.GetRowCount(); ++i)
    for (UINT id : list.GetRow(i)->GetButtons()) EXPECT_NE(id, 0xC123u);
}

TEST_F(ElemRowsTest, WallsWithAHeightAndTheStrips) {
  Lines w204 = Fill(204);
  Lines w209 = Fill(209);
  ASSERT_EQ(w204.size(), w209.size() + 1);
  const std::string len = Text("IDS_CMD_ATTR_MEMB_LENGTH"), hgt = Text("IDS_CMD_ATTR_MEMB_HEIGHT");
  auto at = [&](const Lines& l, const std::string& label) {
    for (size_t i = 0; i < l.size(); ++i)
      if (l[i].rfind(label, 0) == 0) return (int)i;
    return -1;
  };
  EXPECT_EQ(at(w204, hgt), at(w204, len) + 1);
  EXPECT_EQ(at(w209, hgt), -1);
  Fill(210);
  CCmbBtnProp* grade = list.FindRow(CString(app->LoadStr("IDS_CMD_ATTR_MEMB_LVL")));
  ASSERT_NE(grade, nullptr);
  EXPECT_EQ(grade->GetButtons().vec(), (std::vector<UINT>{34406, 34459, 0xC123, 34498}));
  Fill(201);
  CCmbBtnProp* dec = list.FindRow(CString(app->LoadStr("IDS_CMD_ATTR_MEMB_DEC_FACT")));
  ASSERT_NE(dec, nullptr);
  EXPECT_EQ(dec->GetButtons().vec(), (std::vector<UINT>{34408, 34463, 0xC123, 34500}));
  Fill(206);
  CCmbBtnProp* push = list.FindRow(CString(app->LoadStr("IDS_CMD_ATTR_MEMB_PUSH_HINGE")));
  ASSERT_NE(push, nullptr);
  EXPECT_EQ(push->GetButtons().vec(), (std::vector<UINT>{34526, 34476, 0xC123, 34519}));
  EXPECT_FALSE(FillElemAttrRows(list, matr, T_ELEM_ROWS_PARAM{200, 0, 0.0, 0}));
}

}  // namespace
