// Editing, row buttons and deletion on the building-model page of the attribute tool
// window, on the sample: what each row hands the attribute control, the guarded rows, the
// protection rows' remembered text, the dock bars and commands of the buttons, and the
// deletions by row label.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>
#include "db/CClassAwop.h"
#include "db/CClassMasg.h"
#include "db/CClassPtld.h"
#include "db/CClassSltp.h"
#include "db/CClassThik.h"
#include "db/CClassTwop.h"
#include "db/T_DOCKBAR_PARAM.h"
#include "frame/ICmdDialog.h"
#include "tests/tools/ToolsFixture.h"
#include "tools/CToolsPrePage.h"
#include "view/CDockDlgBarBase.h"

namespace {

std::vector<std::string> g_bars;
void BarHook(int nMode, const void* pParam) {
  g_bars.push_back(std::to_string(nMode) + " " + CDockDlgBarBase::Describe(nMode, pParam).c_str());
}

class PrePageEditTest : public ToolsFixture {
 protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    memb = Table<CClassMemb>();
    pont = Table<CClassPont>();
    AddCorners();
    if (HasFatalFailure()) return;
    StoryGivesC35();
    if (HasFatalFailure()) return;
    int mode = CMD_TOOL_BY_MENU;
    ASSERT_EQ(ICmdDialog::DoModeless("CToolsDlg", nullptr, &mode), 1);
    previousHook = CDockDlgBarBase::SetHook(&BarHook);
    g_bars.clear();
  }
  void TearDown() override {
    CDockDlgBarBase::SetHook(previousHook);
    ToolsFixture::TearDown();
  }
  UINT AddMemb(int type, UINT sect, UINT thik = 0, UINT dsgn = 0) {
    return AddMember(type, std::vector<UINT>(pts.begin(), pts.begin() + (type == 301 ? 4 : 2)), sect, 0, thik, dsgn);
  }
  void Assign(UINT key, T_MASG_D rec) {
    rec.key = key;
    auto* t = Table<CClassMasg>();
    ASSERT_TRUE(t->Exist(key) ? t->TR_Modify(key, rec) : t->TR_Add(key, rec));
  }
  // Shows the object with the log and the main window's commands emptied.
  void Show(char type, UINT key) {
    Page()->ShowObjectAttr(type, key);
    CMembDataCtrl::ClearCalls();
    app->GetHostMainWnd().ClearCommands();
  }
  CToolsPrePage* Page() { return CToolsDlg::GetMySelf()->GetPrePage(); }
  CPropList& List() { return Page()->GetPropList(); }
  CCmbBtnProp* Row(const char* key) {
    CCmbBtnProp* r = RowIn(List(), key);
    EXPECT_TRUE(r) << key;
    return r;
  }
  std::string Value(const char* key) { return ValueOf(RowIn(List(), key)); }
  BOOL Choose(const char* rowKey, const char* choiceKey) {
    return List().UserCommitText(Row(rowKey), CString(Text(choiceKey).c_str()));
  }
  // The calls asked of the attribute control since Show, "OP ARG ARG =R".
  std::vector<std::string> Calls() {
    std::vector<std::string> out;
    for (int i = 0; i < CMembDataCtrl::GetCallCount(); ++i) {
      const T_ATTR_CALL* c = CMembDataCtrl::GetCall(i);
      std::string s = c->op;
      for (const std::string& a : c->args) s += " " + a;
      out.push_back(s + " =" + std::to_string(c->result));
    }
    return out;
  }
  void Press(const char* rowKey, int index) { ASSERT_TRUE(List().UserPressButton(Row(rowKey), index)); }
  void Delete(CCmbBtnProp* row) {
    ASSERT_TRUE(row);
    ASSERT_TRUE(List().UserSelect(row));
    Page()->SendMessage(CToolsPrePage::WM_PROPLIST_PRE_DEL, 0, (LPARAM)row);
  }
  UINT AutoDesign() {
    T_MBTP_D d;
    for (int& f : d.autoFlag) f = 1;
    EXPECT_TRUE(AddRecord<CClassMbtp>(d, d.key));
    return d.key;
  }
  T_MBTP_D Design(UINT membKey) {
    T_MEMB_D m;
    T_MBTP_D d;
    d.Initialize();
    if (memb->Get(membKey, m)) Table<CClassMbtp>()->Get(m.dsgnKey, d);
    return d;
  }

  CClassMemb* memb = nullptr;
  CClassPont* pont = nullptr;
  CDockDlgBarBase::HOOK previousHook = nullptr;
};

// ---- value editing ---------------------------------------------------------------------

TEST_F(PrePageEditTest, DesignAndGradeRowsWriteWhatTheModelStoresAndTheRefillShowsIt) {
  struct Case {
    int type;
    UINT sect, thik;
    const char* row;
    const char* choice;
    const char* call;
  } cases[] = {
      // Design value 2 of a beam: AUTO 0, YES 1, NO 2; the block goes whole.
      {201, 2, 0, "IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER", "IDS_CMD_ATTR_NO", "ModifyMembDType 1,0,2,0,0,1,0 -1 =1"},
      {205, 2, 0, "IDS_CMD_ATTR_MEMB_BEAM_MIDDLE", "IDS_CMD_ATTR_MR", "ModifyMembDType 1,0,0,0,3,1,0 -1 =1"},
      {101, 1, 0, "IDS_CMD_ATTR_MEMB_COL_CORNER", "IDS_CMD_ATTR_YES", "ModifyMembDType 1,0,1,0,1,0,0 -1 =1"},
      // The wall's base protection in both codings: IBBOB is value 0, list position 5.
      {202, 0, 2, "IDS_CMD_ATTR_MEMB_WALL_PROT_BASE", "IDS_CMD_ATTR_IBBOB", "ModifyMembDType 1,0,0,0,0,0,0 5 =1"},
      {202, 0, 2, "IDS_CMD_ATTR_MEMB_WALL_PROT_BASE", "IDS_CMD_ATTR_IBMB", "ModifyMembDType 1,0,0,0,5,0,0 3 =1"},
      {301, 0, 2, "IDS_CMD_ATTR_MEMB_SLAB_PROTECT", "IDS_CMD_ATTR_IBLP", "ModifyMembDType 1,2,0,0,0,0,0 -1 =1"},
      {101, 1, 0, "IDS_CMD_ATTR_MEMB_LVL", "IDS_CMD_ATTR_GRADE2", "ModifyMembLVL 302 =1"},
      {201, 2, 0, "IDS_CMD_ATTR_MEMB_RELEASE", "IDS_CMD_ATTR_PINEDFIXED", "ModifyMembRelease 1 =1"},
      {206, 3, 0, "IDS_CMD_ATTR_MEMB_RELEASE", "IDS_CMD_ATTR_FIXEDPINED", "ModifyMembRelease 2 =1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.row) + " " + c.choice);
    // Every automatic flag set: AUTO is shown wherever the row offers it.
    const UINT key = AddMemb(c.type, c.sect, c.thik, AutoDesign());
    Show('m', key);
      ASSERT_TRUE(Choose(c.row, c.choice));
    ASSERT_FALSE(Calls().empty());
    EXPECT_EQ(Calls().front(), c.call);
    EXPECT_EQ(Value(c.row), Text(c.choice)) << "the refill shows what was stored";
  }
}

TEST_F(PrePageEditTest, ProtectionRowsRememberTheAcceptedTextAndShowItAgainAfterARefusal) {
  const UINT col = AddMemb(101, 1);
  Show('m', col);
  ASSERT_TRUE(Choose("IDS_CMD_ATTR_MEMB_COL_PROTECT", "IDS_CMD_ATTR_YES"));
  EXPECT_EQ(Page()->GetProtectText().str(), Text("IDS_CMD_ATTR_YES"));
  EXPECT_EQ(Design(col).value[4], 1);

  // The member goes behind the page's back (the window no longer follows the model): the
  // control refuses, nothing is written, and the row and the page's record keep the
  // accepted choice.
  const T_DMTP_D block = Page()->GetAttrRecord().dmtp;
  CToolsDlg::GetMySelf()->Disconnect();
  ASSERT_TRUE(memb->TR_Del(col));
  CMembDataCtrl::ClearCalls();
  ASSERT_TRUE(Choose("IDS_CMD_ATTR_MEMB_COL_PROTECT", "IDS_CMD_ATTR_NO"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifyMembDType 1,2,1,1,1,2,0 -1 =0"}));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_COL_PROTECT"), Text("IDS_CMD_ATTR_YES"));
  EXPECT_EQ(Page()->GetProtectText().str(), Text("IDS_CMD_ATTR_YES"));
  EXPECT_TRUE(Page()->GetAttrRecord().dmtp == block) << "the page's block keeps the stored values";

  // A refused design row (not a protection row) leaves the page's block too.
  ASSERT_TRUE(Choose("IDS_CMD_ATTR_MEMB_COL_TRANS", "IDS_CMD_ATTR_YES"));
  EXPECT_TRUE(Page()->GetAttrRecord().dmtp == block);
}

TEST_F(PrePageEditTest, AColumnsSupportRowWritesNothingAndShowsTheStoredChoiceAgain) {
  const UINT col = AddMemb(101, 1);
  T_MASG_D a;
  a.support = "2";
  Assign(col, a);
  Show('m', col);
  ASSERT_EQ(Value("IDS_CMD_PJST_SUPPORT"), Text("IDS_CMD_ATTR_HINGE"));
  ASSERT_TRUE(Choose("IDS_CMD_PJST_SUPPORT", "IDS_CMD_ATTR_FIXED"));
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(Value("IDS_CMD_PJST_SUPPORT"), Text("IDS_CMD_ATTR_HINGE"));
}

TEST_F(PrePageEditTest, TheRepeatNoticeIsIgnoredByGuardedRowsOnly) {
  const UINT col = AddMemb(101, 1);
  Show('m', col);
  // The material shown is chosen again: the list says so with wParam 1.
  CCmbBtnProp* matl = Row("IDS_CMD_ATTR_MEMB_MATERIAL");
  ASSERT_TRUE(List().UserCommitChoice(matl, matl->GetSelected()));
  EXPECT_TRUE(Calls().empty());
  // The same notice on the beta-angle row (whose label carries the unit) is applied.
  CCmbBtnProp* beta = nullptr;
  for (int i = 0; i < List().GetRowCount(); ++i)
    if (std::string(List().GetRow(i)->GetName().c_str()).rfind(Text("IDS_CMD_ATTR_MEMB_BETA_ANGLE"), 0) == 0)
      beta = List().GetRow(i);
  ASSERT_TRUE(beta);
  ASSERT_TRUE(List().UserCommitText(beta, "0"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifyMembBetaAngle 0 =1", "UpdatePostBetaAngle =1"}));

  // A secondary beam's release row is not guarded, a beam's is.
  for (int type : {201, 205}) {
    T_MASG_D a;
    a.release = "3";
    const UINT key = AddMemb(type, 2);
    Assign(key, a);
    Show('m', key);
    CCmbBtnProp* rel = Row("IDS_CMD_ATTR_MEMB_RELEASE");
    ASSERT_TRUE(List().UserCommitChoice(rel, 3));
    EXPECT_EQ(Calls().size(), type == 205 ? 1u : 0u) << type;
  }
}

TEST_F(PrePageEditTest, MaterialSectionThicknessAndCoordinatesGoToTheControl) {
  const UINT col = AddMemb(101, 1);
  Show('m', col);
  CCmbBtnProp* matl = Row("IDS_CMD_ATTR_MEMB_MATERIAL");
  const int other = matl->GetSelected() == 0 ? 1 : 0;
  const UINT otherKey = matl->GetItemDataArray()[other];
  ASSERT_TRUE(List().UserCommitChoice(matl, other));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifyMembMaterial " + std::to_string(otherKey) + " =1"}));
  T_MEMB_D m;
  ASSERT_TRUE(memb->Get(col, m));
  EXPECT_EQ(m.matlKey, otherKey);

  const UINT wall = AddMemb(202, 0, 2);
  Show('m', wall);
  CCmbBtnProp* thik = Row("IDS_CMD_ATTR_MEMB_THICK");
  const int pick = thik->GetSelected() == 0 ? 1 : 0;
  const UINT thikKey = thik->GetItemDataArray()[pick];
  ASSERT_TRUE(List().UserCommitChoice(thik, pick));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifyMembThickness " + std::to_string(thikKey) + " =1"}));

  Show('p', pts[1]);
  CCmbBtnProp* x = List().FindRow(CString(Text("IDS_CMD_ATTR_PONT_COORD_X").c_str()));
  CCmbBtnProp* y = List().FindRow(CString(Text("IDS_CMD_ATTR_PONT_COORD_Y").c_str()));
  ASSERT_TRUE(x && y);
  ASSERT_TRUE(List().UserCommitText(x, "7.5"));
  ASSERT_TRUE(List().UserCommitText(List().FindRow(CString(Text("IDS_CMD_ATTR_PONT_COORD_Y").c_str())), "-2"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifyPontCoordX 7.5 =1", "ModifyPontCoordY -2 =1"}));
  T_PONT_D p;
  ASSERT_TRUE(pont->Get(pts[1], p));
  EXPECT_DOUBLE_EQ(p.x, 7.5);
  EXPECT_DOUBLE_EQ(p.y, -2.0);
}

// A change the page did not write (another window, an undo, a redo) shows the object
// again as the model holds it; an object that goes empties the list and its highlight.
TEST_F(PrePageEditTest, ModelChangesAndUndoShowTheObjectAsTheModelHoldsIt) {
  const UINT col = AddMemb(101, 1);
  Show('m', col);
  I_ModelBase::MEMBKEY = col;
  const std::string before = Value("IDS_CMD_ATTR_MEMB_MATERIAL");
  CCmbBtnProp* matl = Row("IDS_CMD_ATTR_MEMB_MATERIAL");
  const int other = matl->GetSelected() == 0 ? 1 : 0;
  T_MEMB_D m;
  ASSERT_TRUE(memb->Get(col, m));
  m.matlKey = matl->GetItemDataArray()[other];
  ASSERT_TRUE(memb->TR_Modify(col, m));
  const std::string after = Value("IDS_CMD_ATTR_MEMB_MATERIAL");
  EXPECT_NE(after, before);
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MATERIAL"), before);
  ASSERT_TRUE(db->Redo());
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MATERIAL"), after);
  // The page's own change is shown once, by its control's notice.
  ASSERT_TRUE(List().UserCommitChoice(Row("IDS_CMD_ATTR_MEMB_MATERIAL"), other == 0 ? 1 : 0));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MATERIAL"), before);

  ASSERT_TRUE(memb->TR_Del(col));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MATERIAL"), "<no row>");
  EXPECT_EQ(Page()->GetShownKey(), 0u);
  EXPECT_EQ(I_ModelBase::MEMBKEY, 0u);

  // A point moved elsewhere shows its new coordinate.
  Show('p', pts[1]);
  T_PONT_D p;
  ASSERT_TRUE(pont->Get(pts[1], p));
  p.x = 9.25;
  ASSERT_TRUE(pont->TR_Modify(pts[1], p));
  EXPECT_EQ(Value("IDS_CMD_ATTR_PONT_COORD_X"), "9.25");
}

TEST_F(PrePageEditTest, WallDetailAndSlabLoadRows) {
  const UINT wall = AddMemb(202, 0, 2);
  Show('m', wall);
  // YES writes 1 while the flag is 0; the refill shows YES; YES again writes nothing.
  ASSERT_TRUE(Choose("IDS_CMD_ATTR_MEMB_WALL_DETAIL", "IDS_CMD_ATTR_YES"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifyMembWDtail 1 =1"}));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_WALL_DETAIL"), Text("IDS_CMD_ATTR_YES"));
  // YES noticed again as a new value (wParam 0) while the flag is set: nothing.
  CMembDataCtrl::ClearCalls();
  ASSERT_TRUE(List().UserSelect(Row("IDS_CMD_ATTR_MEMB_WALL_DETAIL")));
  Page()->SendMessage(CPropList::WM_PROPLIST_CHANGE_VALUE, 0, (LPARAM)Row("IDS_CMD_ATTR_MEMB_WALL_DETAIL"));
  EXPECT_TRUE(Calls().empty());
  ASSERT_TRUE(Choose("IDS_CMD_ATTR_MEMB_WALL_DETAIL", "IDS_CMD_ATTR_NO"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifyMembWDtail 0 =1"}));

  // A slab's load from the catalogue.
  T_SLTP_D t;
  t.name = "Office", t.dead = 1.5, t.live = 2.0;
  t.key = 1;
  auto* sltp = static_cast<CClassSltp*>(db->GetClass(CClassSltp::m_nClassID));
  ASSERT_TRUE(sltp->TR_Add(t));
  const UINT slab = AddMemb(301, 0, 2);
  T_MASG_D a;
  a.slabLoadFlag = 1, a.slabDead = 3, a.slabLive = 1;
  Assign(slab, a);
  Show('m', slab);
  ASSERT_TRUE(List().UserCommitText(Row("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), "1.5, 2"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"ModifySlabLoad 1.5, 2 =1"}));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), "1.5, 2");
}

TEST_F(PrePageEditTest, NothingChangesWithoutARowAKnownTextOrAnEditableKind) {
  const UINT col = AddMemb(101, 1);
  Show('m', col);
  // No current row: every handler does nothing.
  ASSERT_EQ(List().GetCurSel(), nullptr);
  Page()->SendMessage(CPropList::WM_PROPLIST_CHANGE_VALUE, 0, 0);
  Page()->SendMessage(CPropList::WM_PROPLIST_COMMAND, 0, 0);
  Page()->SendMessage(CToolsPrePage::WM_PROPLIST_PRE_DEL, 0, 0);
  EXPECT_TRUE(Calls().empty());
  EXPECT_TRUE(Commands().empty());
  EXPECT_TRUE(g_bars.empty());

  // A design row or a material row whose value no converter knows (nothing selected).
  for (const char* key : {"IDS_CMD_ATTR_MEMB_COL_TRANS", "IDS_CMD_ATTR_MEMB_MATERIAL", "IDS_CMD_ATTR_MEMB_LVL"}) {
    CCmbBtnProp* r = Row(key);
    ASSERT_TRUE(List().UserSelect(r));
    r->SetValue(CPropVariant(CString("no such text")));
    ASSERT_EQ(r->GetCmbItemData(), 0u);
    Page()->SendMessage(CPropList::WM_PROPLIST_CHANGE_VALUE, 0, (LPARAM)r);
    EXPECT_TRUE(Calls().empty()) << key;
  }

  // A line member's rows change nothing.
  const UINT line = AddMemb(200, 0);
  Show('m', line);
  for (int i = 0; i < List().GetRowCount(); ++i) {
    CCmbBtnProp* r = List().GetRow(i);
    if (r->IsChoiceRow() && r->GetChoices().GetSize() > 0) List().UserCommitChoice(r, 0);
    ASSERT_TRUE(List().UserSelect(List().GetRow(i)));
    Page()->SendMessage(CPropList::WM_PROPLIST_CHANGE_VALUE, 0, (LPARAM)List().GetRow(i));
  }
  EXPECT_TRUE(Calls().empty());
}

// ---- buttons -----------------------------------------------------------------------------

TEST_F(PrePageEditTest, ButtonsSendTheirCommandsButNeverAnEmptyPlaceOrTheDeleteMessage) {
  const UINT col = AddMemb(101, 1);
  Show('m', col);
  Press("IDS_CMD_ATTR_MEMB_TEMPERATURE", 0);  // no dock-bar row: the id goes
  Press("IDS_CMD_ATTR_MEMB_TEMPERATURE", 1);  // the empty middle place
  Press("IDS_CMD_ATTR_MEMB_TEMPERATURE", 2);
  EXPECT_EQ(Commands(), (std::vector<UINT>{32989, 34515}));
  EXPECT_TRUE(g_bars.empty());

  Show('p', pts[0]);
  Press("IDS_CMD_ATTR_PONT_SUPPORT", 0);  // nothing on a point row
  Press("IDS_CMD_ATTR_PONT_SUPPORT", 1);
  Press("IDS_CMD_ATTR_PONT_SUPPORT", 3);
  EXPECT_EQ(Commands(), (std::vector<UINT>{34448}));
  Press("IDS_CMD_ATTR_PONT_SUPPORT", 2);  // the delete button: no command
  EXPECT_EQ(Commands(), (std::vector<UINT>{34448}));

  const UINT line = AddMemb(200, 0);
  Show('m', line);
  Press("IDS_CMD_ATTR_MEMB_LINE_LOAD", 0);
  EXPECT_EQ(Commands(), (std::vector<UINT>{32912}));
}

TEST_F(PrePageEditTest, TheFirstButtonOpensTheRowsDockBarPresetWithItsValue) {
  struct Case {
    int type;
    UINT sect, thik;
    const char* row;
    const char* choice;  // NULL: the row as shown
    const char* bar;
  } cases[] = {
      {205, 2, 0, "IDS_CMD_ATTR_MEMB_BEAM_MIDDLE", "IDS_CMD_ATTR_MR", "27111 membtype=1,0,3,0,0,0,3"},
      {201, 2, 0, "IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER", "IDS_CMD_ATTR_NO", "27111 membtype=1,0,1,0,0,0,1"},
      {101, 1, 0, "IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", "IDS_CMD_ATTR_YES", "27110 membtype=0,3,0,0,0,0,0"},
      {101, 1, 0, "IDS_CMD_ATTR_MEMB_COL_PROTECT", "IDS_CMD_ATTR_AUTO", "27118 membtype=0,0,0,0,0,0,2"},
      {202, 0, 2, "IDS_CMD_ATTR_MEMB_WALL_GJRJ", "IDS_CMD_ATTR_YES", "27112 membtype=2,0,0,2,0,0,0"},
      {202, 0, 2, "IDS_CMD_ATTR_MEMB_WALL_PROT_BASE", "IDS_CMD_ATTR_IBBOB", "27120 membtype=2,0,0,0,0,0,5"},
      {301, 0, 2, "IDS_CMD_ATTR_MEMB_SLAB_PROTECT", "IDS_CMD_ATTR_IBJP", "27121 membtype=3,0,0,0,0,0,1"},
      {301, 0, 2, "IDS_CMD_ATTR_MEMB_SLAB_LOAD", nullptr, "1406 text \"0, 0\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const UINT key = AddMemb(c.type, c.sect, c.thik);
    Show('m', key);
    if (c.choice) {
      ASSERT_TRUE(Choose(c.row, c.choice));
    }
    g_bars.clear();
    app->GetHostMainWnd().ClearCommands();
    Press(c.row, 0);
    EXPECT_EQ(g_bars, (std::vector<std::string>{c.bar}));
    EXPECT_TRUE(Commands().empty());
  }

  // The beta angle of a column: the member-change bar with kind 5 and the angle shown.
  T_MEMB_D m;
  const UINT col = AddMemb(101, 1);
  ASSERT_TRUE(memb->Get(col, m));
  m.beta = 45;
  ASSERT_TRUE(memb->TR_Modify(col, m));
  Show('m', col);
  g_bars.clear();
  for (int i = 0; i < List().GetRowCount(); ++i)
    if (std::string(List().GetRow(i)->GetName().c_str()).rfind(Text("IDS_CMD_ATTR_MEMB_BETA_ANGLE"), 0) == 0) {
      ASSERT_TRUE(List().UserPressButton(List().GetRow(i), 0));
    }
  EXPECT_EQ(g_bars, (std::vector<std::string>{"1124 change kind=5 angle=45"}));
}

// ---- deletion ----------------------------------------------------------------------------

TEST_F(PrePageEditTest, DeletionByRowLabelWithTheStiffnessCodeOfTheKind) {
  T_MASG_D a;
  a.tempFlag = 1, a.temp[0] = 10, a.temp[1] = 20;
  a.stiffFlag = 1;
  a.stiff[0] = 0.5;
  a.wallStiff[0] = 0.5;
  const UINT beam = AddMemb(201, 2);
  Assign(beam, a);
  const UINT wall = AddMemb(202, 0, 2);
  Assign(wall, a);

  Show('m', beam);
  Delete(Row("IDS_CMD_ATTR_MEMB_STIFF_FACT"));
  Delete(Row("IDS_CMD_ATTR_MEMB_TEMPERATURE"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"DeleteMembData 215 0 =1", "DeleteMembData 208 0 =1"}));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_TEMPERATURE"), Text("IDS_CMD_ATTR_NONE"));

  Show('m', wall);
  Delete(Row("IDS_CMD_ATTR_MEMB_STIFF_FACT"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"DeleteMembData 216 0 =1"}));
  CMembDataCtrl::ClearCalls();
  Delete(Row("IDS_CMD_ATTR_MEMB_MATERIAL"));  // no deletion row
  EXPECT_TRUE(Calls().empty());

  // A point's loads.
  T_PTLD_D l;
  l.pont = pts[0], l.loadCase = 1, l.kind = 0, l.n = 1;
  auto* ptld = Table<CClassPtld>();
  l.key = ptld->GetNewKey();
  ASSERT_TRUE(ptld->TR_Add(l));
  Show('p', pts[0]);
  Delete(Row("IDS_CMD_ATTR_PONT_POINT_LOAD"));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"DeletePontData 102 =1"}));
  EXPECT_FALSE(ptld->Exist(l.key));
}

TEST_F(PrePageEditTest, AnOpeningRowDeletesTheOpeningItsNumberNames) {
  auto* twop = Table<CClassTwop>();
  T_TWOP_D t;
  t.name = "W1", t.dim1 = 1, t.dim2 = 2, t.dim3 = 0.5;
  t.key = 1;
  ASSERT_TRUE(twop->TR_Add(t));
  const UINT wall = AddMemb(202, 0, 2);
  T_AWOP_D o;
  o.key = wall;
  for (double pos : {1.0, 2.0, 3.0}) o.twop.Add(1), o.pos.Add(pos);
  ASSERT_TRUE(Table<CClassAwop>()->TR_Add(o));
  Show('m', wall);
  const std::string opening = Text("IDS_CMD_ATTR_MEMB_WALL_OPENING");
  Delete(List().FindRow(CString((opening + " : 3").c_str())));
  EXPECT_EQ(Calls(), (std::vector<std::string>{"DeleteMembData 212 2 =1"}));
  T_AWOP_D left;
  ASSERT_TRUE(Table<CClassAwop>()->Get(wall, left));
  EXPECT_EQ(left.pos.vec(), (std::vector<double>{1.0, 2.0}));

  // Labels whose number is not above 0, or no number, delete nothing.
  CMembDataCtrl::ClearCalls();
  CUIntArray strip;
  strip.Add(CToolsPrePage::WM_PROPLIST_PRE_DEL);
  for (const std::string& label : {opening + " : 0", opening + " : -1", opening + " : x"}) {
    CCmbBtnProp* r = List().AddItem(CString(label.c_str()), PROP_COL_TEXT_CMD, CString(""), strip, 0);
    Delete(r);
  }
  EXPECT_TRUE(Calls().empty());
}

}  // namespace
