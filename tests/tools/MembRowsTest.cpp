// The rows of beams, secondary beams, walls, slabs, braces, line members and points on
// the building-model page of the attribute tool window, on the sample: row order, strips
// and values, design-type selections in both modes, the texts of assigned data, and the
// fills that stop when a record they need is missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "db/CClassAwop.h"
#include "db/CClassMasg.h"
#include "db/CClassMatl.h"
#include "db/CClassPtld.h"
#include "db/CClassSltp.h"
#include "db/CClassThik.h"
#include "db/CClassTwop.h"
#include "db/CClassUccf.h"
#include "frame/ICmdDialog.h"
#include "tests/tools/ToolsFixture.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"

namespace {

constexpr UINT GAP = 0xFFFFFFFFu;

class MembRowsTest : public ToolsFixture {
 protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    memb = Table<CClassMemb>();
    pont = Table<CClassPont>();
    AddCorners();
    if (HasFatalFailure()) return;
    StoryGivesC35();
    if (HasFatalFailure()) return;
    ASSERT_EQ(Open(), 1);
  }
  int Open() {
    int mode = CMD_TOOL_BY_MENU;
    return ICmdDialog::DoModeless("CToolsDlg", nullptr, &mode);
  }
  // A member on the test points (all four for a slab, the first two otherwise).
  UINT AddMemb(int type, UINT sect, UINT matl = 0, UINT thik = 0, UINT dsgn = 0) {
    return AddMember(type, std::vector<UINT>(pts.begin(), pts.begin() + (type == 301 ? 4 : 2)), sect, matl, thik, dsgn);
  }
  UINT AddDesign(std::initializer_list<int> values, std::initializer_list<int> flags = {}) {
    T_MBTP_D d;
    int i = 0;
    for (int v : values) d.value[i++] = v;
    i = 0;
    for (int f : flags) d.autoFlag[i++] = f;
    EXPECT_TRUE(AddRecord<CClassMbtp>(d, d.key));
    return d.key;
  }
  void Assign(UINT key, T_MASG_D rec) {
    rec.key = key;
    auto* t = Table<CClassMasg>();
    ASSERT_TRUE(t->Exist(key) ? t->TR_Modify(key, rec) : t->TR_Add(key, rec));
  }
  CToolsPrePage* Page() { return CToolsDlg::GetMySelf()->GetPrePage(); }
  CPropList& List() { return Page()->GetPropList(); }
  void Show(char type, UINT key) { Page()->ShowObjectAttr(type, key); }
  void Refill() { Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, 201); }
  // The list one item a line: "[G] TITLE" (closed groups marked) or
  // "LABEL|KIND|VALUE|SEL|BUTTONS@BITMAP".
  std::vector<std::string> Items() { return ItemLines(List(), ITEM_CLOSED | ITEM_SEL | ITEM_BUTTONS); }
  std::vector<std::string> Labels() {
    std::vector<std::string> out;
    for (int i = 0; i < List().GetRowCount(); ++i) out.push_back(List().GetRow(i)->GetName().c_str());
    return out;
  }
  CCmbBtnProp* Row(const std::string& label) { return List().FindRow(CString(label.c_str())); }
  CCmbBtnProp* RowOf(const char* key) { return Row(Text(key)); }
  // The row whose label begins with the text of the key.
  CCmbBtnProp* RowStarting(const char* key) {
    for (int i = 0; i < List().GetRowCount(); ++i)
      if (std::string(List().GetRow(i)->GetName().c_str()).rfind(Text(key), 0) == 0) return List().GetRow(i);
    return nullptr;
  }
  std::string Value(const char* key) { return ValueOf(RowOf(key)); }
  // "A,B,C @SEL" of a choice row.
  std::string Choices(const char* key) { return ChoicesOf(RowOf(key)); }
  std::string Texts(std::initializer_list<const char*> keys) {
    std::string s;
    for (const char* k : keys) s += (s.empty() ? "" : ",") + Text(k);
    return s;
  }
  std::string No(UINT pontKey) { return std::to_string(pont->GetPontNoByKey(pontKey)); }

  CClassMemb* memb = nullptr;
  CClassPont* pont = nullptr;
};

// ---- beams and secondary beams ---------------------------------------------------------

TEST_F(MembRowsTest, BeamRowsInOrderAndASecondaryBeamShowsTheSameRows) {
  const UINT beam = AddMemb(201, 2);
  Show('m', beam);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_BEAM);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_BEAM);
  const std::vector<StripRow> rows = {
      {"IDS_CMD_ATTR_MEMB_ID", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_MEMB_TYPE", 0, 0, 0},
      {"IDS_CMD_ATTR_PONT_STORY", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_MATERIAL", 5, 32800, 34572},
      {"IDS_CMD_ATTR_MEMB_SECTION", 5, 32808, 34573},
      {"IDS_CMD_ATTR_MEMB_LENGTH", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_BETA_ANGLE", 6, 34187, 34574},
      {"IDS_CMD_ATTR_MEMB_CONNECTED_PONTS", 0, 0, 0},
      {"IDS_CMD_ATTR_MEMB_BEAM_FRAME", 5, 34479, 34580},
      {"IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER", 5, 34479, 34581},
      {"IDS_CMD_ATTR_MEMB_BEAM_BJPB", 5, 34479, 34582},
      {"IDS_CMD_ATTR_MEMB_BEAM_MIDDLE", 5, 34479, 34583},
      {"IDS_CMD_ATTR_MEMB_BEAM_TRANS", 5, 34479, 34584},
      {"IDS_CMD_ATTR_MEMB_BEAM_PROTECT", 5, 34481, 34065},
      {"IDS_CMD_ATTR_MEMB_BEAM_LOAD", 5, 33850, 34586},
      {"IDS_CMD_ATTR_MEMB_TEMPERATURE", 3, 32989, 34515},
      {"IDS_CMD_ATTR_MEMB_RELEASE", 5, 32978, 34606},
      {"IDS_CMD_ATTR_MEMB_OFFSET", 3, 34210, 34513},
      {"IDS_CMD_ATTR_MEMB_LVL", 5, 34405, 34498},
      {"IDS_CMD_ATTR_MEMB_STIFF_FACT", 3, 33776, 34506},
      {"IDS_CMD_ATTR_MEMB_DEC_FACT", 3, 34408, 34500},
      {"IDS_CMD_ATTR_MEMB_MOMENT_FACT", 3, 34530, 34502},
      {"IDS_CMD_ATTR_MEMB_TORSION_FACT", 3, 33648, 34609},
      {"IDS_CMD_ATTR_MEMB_SEIS_FACT", 3, 33650, 34504},
      {"IDS_CMD_ATTR_MEMB_EFFECT_FACT", 3, 34674, 34505},
      {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", 3, 34675, 34671},
      {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", 3, 34676, 34672},
  };
  ASSERT_NO_FATAL_FAILURE(ExpectStripRows(List(), rows, "a concrete beam without a factor record", true));
  const auto beamItems = Items();
  for (const std::string& s : beamItems) EXPECT_EQ(s.find("(closed)"), std::string::npos) << s;

  // The same data on a secondary beam: the same rows, another class and list kind.
  T_MEMB_D m;
  ASSERT_TRUE(memb->Get(beam, m));
  m.type = 205;
  ASSERT_TRUE(memb->TR_Modify(beam, m));
  Show('m', beam);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_SBEAM);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_SBEAM);
  auto sbeamItems = Items();
  ASSERT_EQ(sbeamItems.size(), beamItems.size());
  sbeamItems[2] = beamItems[2];  // the type row names the member type
  EXPECT_EQ(sbeamItems, beamItems);
}

TEST_F(MembRowsTest, BeamDesignRowsFollowTheValuesFlagsAndMode) {
  const std::string autoYesNo = Texts({"IDS_CMD_ATTR_AUTO", "IDS_CMD_ATTR_YES", "IDS_CMD_ATTR_NO"});
  const std::string yesNo = Texts({"IDS_CMD_ATTR_YES", "IDS_CMD_ATTR_NO"});
  const std::string frame = Texts({"IDS_CMD_ATTR_AUTO", "IDS_CMD_ATTR_GGR", "IDS_CMD_ATTR_GNR", "IDS_CMD_ATTR_YR"});
  const std::string middle = Texts({"IDS_CMD_ATTR_AUTO", "IDS_CMD_ATTR_BR", "IDS_CMD_ATTR_JR", "IDS_CMD_ATTR_MR"});
  // frame GGR (2), cantilever yes, BJPB no, middle MR (0), transfer yes, protection yes
  const UINT plain = AddMemb(201, 2, 0, 0, AddDesign({2, 1, 0, 0, 1, 1}));
  // the same values with the automatic flags of frame and protection set; middle BR (2)
  const UINT flagged = AddMemb(201, 2, 0, 0, AddDesign({2, 1, 0, 2, 1, 1}, {1, 0, 0, 0, 0, 1}));
  Show('m', plain);
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_FRAME"), frame + " @1");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER"), autoYesNo + " @1");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_BJPB"), autoYesNo + " @2");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_MIDDLE"), middle + " @3");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_TRANS"), yesNo + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_PROTECT"), autoYesNo + " @1");
  EXPECT_EQ(Page()->GetProtectText(), CString(Text("IDS_CMD_ATTR_YES").c_str()));
  Show('m', flagged);
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_FRAME"), frame + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_MIDDLE"), middle + " @1");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_PROTECT"), autoYesNo + " @0");
  EXPECT_EQ(Page()->GetProtectText(), CString(Text("IDS_CMD_ATTR_AUTO").c_str()));

  // Automatic member-type mode: AUTO leaves five lists, the flags no longer count.
  doc->SetAutoMembTypeMode(TRUE);
  Refill();
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_FRAME"),
            Texts({"IDS_CMD_ATTR_GGR", "IDS_CMD_ATTR_GNR", "IDS_CMD_ATTR_YR"}) + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER"), yesNo + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_BJPB"), yesNo + " @1");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_MIDDLE"),
            Texts({"IDS_CMD_ATTR_BR", "IDS_CMD_ATTR_JR", "IDS_CMD_ATTR_MR"}) + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_TRANS"), yesNo + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_BEAM_PROTECT"), yesNo + " @0");
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_LVL")->GetColType(), PROP_COL_TEXT_CMD);
}

TEST_F(MembRowsTest, BeamFactorsCountWhenTheirFlagIsOneWithinTheTolerance) {
  ASSERT_LT(Page()->GetTolerance(), 1.0);
  const UINT beam = AddMemb(201, 2);
  T_MASG_D m;
  m.momFact = 0.6, m.torFact = 0.7, m.seisFact = 1.3, m.effFact[0] = 1.1, m.effFact[1] = 1.2;
  struct Case {
    int flag;
    const char* moment;
    const char* torsion;
    const char* seismic;
    const char* effect;
  } cases[] = {
      {1, "0.6", "0.7", "1.3", "1.1, 1.2"},
      {0, "0.85", "0.4", "1", "1, 1"},
      {2, "0.85", "0.4", "1", "1, 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    m.momFlag = m.torFlag = m.seisFlag = m.effFlag = c.flag;
    Assign(beam, m);
    Show('m', beam);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MOMENT_FACT"), c.moment);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_TORSION_FACT"), c.torsion);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SEIS_FACT"), c.seismic);
    EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_EFFECT_FACT"), c.effect);
  }
}

// The release row of beams and braces: the leading digits of the code; a code past the
// choices selects nothing and shows nothing.
TEST_F(MembRowsTest, ReleaseCodesSelectTheirEndFixity) {
  const UINT beam = AddMemb(201, 2), brace = AddMemb(206, 2);
  struct Case {
    const char* code;
    int sel;
    const char* text;
  } cases[] = {
      {"3", 3, "IDS_CMD_ATTR_FIXEDFIXED"}, {"", 0, "IDS_CMD_ATTR_PINEDPINED"}, {"2", 2, "IDS_CMD_ATTR_FIXEDPINED"},
      {"4x", 4, "IDS_CMD_ATTR_MEMB_VALUE"}, {"7", -1, nullptr},
  };
  for (UINT key : {beam, brace})
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(key) + " '" + c.code + "'");
      T_MASG_D m;
      m.release = c.code;
      m.offset = "x";  // keeps the record when the code is empty
      Assign(key, m);
      Show('m', key);
      CCmbBtnProp* r = RowOf("IDS_CMD_ATTR_MEMB_RELEASE");
      ASSERT_NE(r, nullptr);
      EXPECT_EQ(r->GetSelected(), c.sel);
      EXPECT_EQ(std::string(r->FormatProperty().c_str()), c.text ? Text(c.text) : "");
    }
}

// ---- connected points of every member kind ---------------------------------------------

// Every member fill prints the connected points through one text, which leaves out the
// gaps of the list; the model keeps gaps in the outlines of area members.
TEST(AttrRowText, PointNumbersLeaveOutTheGaps) {
  CUIntArray numbers;
  for (UINT n : {5u, GAP, 9u}) numbers.Add(n);
  EXPECT_EQ(std::string(AttrPointNumbersText(numbers).c_str()), "5, 9");
  numbers.RemoveAll();
  EXPECT_EQ(std::string(AttrPointNumbersText(numbers).c_str()), "");
  numbers.Add(GAP);
  EXPECT_EQ(std::string(AttrPointNumbersText(numbers).c_str()), "");
}

TEST_F(MembRowsTest, ASlabsOutlineGapIsLeftOut) {
  T_MEMB_D m;
  m.type = 301, m.storyKey = 3, m.thikKey = 1;
  for (UINT p : {pts[0], pts[1], pts[2], GAP, pts[0], pts[2], pts[3]}) m.points.Add(p);
  const UINT slab = memb->GetNewKey();
  ASSERT_TRUE(memb->TR_Add(m));
  Show('m', slab);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"), No(pts[0]) + ", " + No(pts[1]) + ", " + No(pts[2]) + ", " +
                                                             No(pts[0]) + ", " + No(pts[2]) + ", " + No(pts[3]));
}

// ---- walls -------------------------------------------------------------------------------

class WallRowsTest : public MembRowsTest {
 protected:
  void SetUp() override {
    MembRowsTest::SetUp();
    // Opening types: 1.2 by 2.1 with 0.9, and 1 by 2 with 0.
    auto* twop = Table<CClassTwop>();
    T_TWOP_D t;
    t.dim1 = 1.2, t.dim2 = 2.1, t.dim3 = 0.9;
    door = twop->GetNewKey();
    ASSERT_TRUE(twop->TR_Add(t));
    t.dim1 = 1, t.dim2 = 2, t.dim3 = 0;
    window = twop->GetNewKey();
    ASSERT_TRUE(twop->TR_Add(t));
    wall = AddMemb(202, 0, 0, 1, AddDesign({1, 0, 7, 0, 2}));
  }
  void Openings(std::initializer_list<UINT> types, std::initializer_list<double> positions) {
    T_AWOP_D r;
    r.key = wall;
    for (UINT t : types) r.twop.Add(t);
    for (double p : positions) r.pos.Add(p);
    auto* awop = Table<CClassAwop>();
    ASSERT_TRUE(awop->Exist(wall) ? awop->TR_Modify(wall, r) : awop->TR_Add(wall, r));
  }
  UINT door = 0, window = 0, wall = 0;
};

TEST_F(WallRowsTest, RowsInOrderWithOneRowPerOpening) {
  Openings({door, window}, {3, 0.5});
  Show('m', wall);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_WALL);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_WALL);
  const std::string del = std::to_string(CToolsPrePage::WM_PROPLIST_PRE_DEL);
  const std::string opening = Text("IDS_CMD_ATTR_MEMB_WALL_OPENING");
  const std::vector<std::string> items = Items();
  auto find = [&](const std::string& prefix) {
    for (const std::string& s : items)
      if (s.rfind(prefix, 0) == 0) return s;
    return std::string("<none>");
  };
  EXPECT_EQ(find(opening + " : 1|"), opening + " : 1|3|1.2 * 2.1 _ 3, 0.9|32859," + del + ",34508,@14269");
  EXPECT_EQ(find(opening + " : 2|"), opening + " : 2|3|1 * 2 _ 0.5, 0|32859," + del + ",34508,@14269");
  EXPECT_EQ(find(Text("IDS_CMD_ATTR_MEMB_STIFF_FACT") + "|"),
            Text("IDS_CMD_ATTR_MEMB_STIFF_FACT") + "|2|1, 1, 1|32899,0,34507,@14270");
  EXPECT_EQ(find(Text("IDS_CMD_ATTR_MEMB_WALL_DETAIL") + "|"),
            Text("IDS_CMD_ATTR_MEMB_WALL_DETAIL") + "|5|" + Text("IDS_CMD_ATTR_NO") + "|1|34213,0,0,@14270");
  const std::vector<std::string> labels = Labels();
  const std::vector<std::string> keys = {
      "IDS_CMD_ATTR_MEMB_ID", "IDS_CMD_ATTR_MEMB_MEMB_TYPE", "IDS_CMD_ATTR_PONT_STORY", "IDS_CMD_ATTR_MEMB_MATERIAL",
      "IDS_CMD_ATTR_MEMB_THICK", "IDS_CMD_ATTR_MEMB_LENGTH", "IDS_CMD_ATTR_MEMB_CONNECTED_PONTS",
      "IDS_CMD_ATTR_MEMB_WALL_SHEAR", "IDS_CMD_ATTR_MEMB_WALL_INFORCE", "IDS_CMD_ATTR_MEMB_WALL_GJRJ",
      "IDS_CMD_ATTR_MEMB_WALL_PROT_BASE", "IDS_CMD_ATTR_MEMB_WALL_LOAD", "IDS_CMD_ATTR_MEMB_TEMPERATURE",
      "IDS_CMD_ATTR_MEMB_OFFSET", "IDS_CMD_ATTR_MEMB_WALL_OPENING", "IDS_CMD_ATTR_MEMB_WALL_OPENING",
      "IDS_CMD_ATTR_MEMB_LVL", "IDS_CMD_ATTR_MEMB_STIFF_FACT", "IDS_CMD_ATTR_MEMB_DEC_FACT",
      "IDS_CMD_ATTR_MEMB_SEIS_FACT", "IDS_CMD_ATTR_MEMB_EFFECT_FACT", "IDS_CMD_ATTR_MEMB_WALL_DETAIL"};
  ASSERT_EQ(labels.size(), keys.size());
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(labels[i].rfind(Text(keys[i].c_str()), 0), 0u) << i;
  int groups = 0;
  for (const std::string& s : items) groups += s.rfind("[G]", 0) == 0 && s.find("(closed)") == std::string::npos;
  EXPECT_EQ(groups, 7);

  // Design rows: shear yes, reinforcement no, GJRJ a value no entry has (AUTO); base kind 2.
  const std::string autoYesNo = Texts({"IDS_CMD_ATTR_AUTO", "IDS_CMD_ATTR_YES", "IDS_CMD_ATTR_NO"});
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_WALL_SHEAR"), autoYesNo + " @1");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_WALL_INFORCE"), autoYesNo + " @2");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_WALL_GJRJ"), autoYesNo + " @0");
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_WALL_PROT_BASE")->GetSelected(), 1) << "base kind 2: IBOB";
  EXPECT_EQ(Page()->GetProtectText(), CString(Text("IDS_CMD_ATTR_IBOB").c_str()));
  // The six wall grades.
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_LVL")->GetChoices().GetSize(), 6);
}

TEST_F(WallRowsTest, OpeningFlagsListsAndMissingRecords) {
  const std::string del = std::to_string(CToolsPrePage::WM_PROPLIST_PRE_DEL);
  const std::string opening = Text("IDS_CMD_ATTR_MEMB_WALL_OPENING");
  // No openings: one NONE row that still offers deletion.
  Show('m', wall);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_WALL_OPENING"), Text("IDS_CMD_ATTR_NONE"));
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_WALL_OPENING")->GetButtons().vec(),
            (std::vector<UINT>{32859, CToolsPrePage::WM_PROPLIST_PRE_DEL, 34508}));
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_WALL_OPENING")->GetBitmap(), 14269);

  // The flag set with an empty list: the header, no row, then the factors.
  Openings({}, {});
  Refill();
  std::vector<std::string> items = Items();
  auto at = std::find(items.begin(), items.end(), "[G] " + opening);
  ASSERT_NE(at, items.end());
  EXPECT_EQ(*(at + 1), "[G] " + Text("IDS_CMD_ATTR_MEMB_FACT"));

  // An opening whose type is gone: the rows of the openings before it, then nothing.
  Openings({door, 999, window}, {1, 2, 3});
  Refill();
  items = Items();
  EXPECT_EQ(items.back().rfind(opening + " : 1|", 0), 0u) << items.back();
  EXPECT_EQ(items[0].find("(closed)") != std::string::npos, true);

  // The flag set in the assigned data without an opening record: the list ends with the
  // header.
  ASSERT_TRUE(Table<CClassAwop>()->TR_Del(wall));
  T_MASG_D m;
  m.openFlag = 1;
  Assign(wall, m);
  Refill();
  EXPECT_EQ(Items().back(), "[G] " + opening + " (closed)");
}

TEST_F(WallRowsTest, MaterialsDesignModesAndFactors) {
  // Only concrete materials; a steel wall shows the first of them.
  Show('m', wall);
  CCmbBtnProp* matl = RowOf("IDS_CMD_ATTR_MEMB_MATERIAL");
  ASSERT_NE(matl, nullptr);
  CUIntArray concrete;
  Table<CClassMatl>()->GetKeyListByType(concrete, "C");
  EXPECT_EQ(matl->GetItemDataArray().vec(), concrete.vec());
  EXPECT_EQ(matl->GetCmbItemData(), 2u) << "the applied C35";
  T_MEMB_D m;
  ASSERT_TRUE(memb->Get(wall, m));
  m.matlKey = 4;  // Q235
  ASSERT_TRUE(memb->TR_Modify(wall, m));
  Refill();
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_MATERIAL")->GetSelected(), 0);
  CUIntArray thiks;
  Table<CClassThik>()->GetKeyList(thiks);
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_THICK")->GetItemDataArray().vec(), thiks.vec());

  // Base flag 1: IBBOB whatever the kind; kind 0: NO. Wall detail 2: YES. Factors.
  struct Case {
    int flag, kind;
    int sel;
  } cases[] = {{1, 3, 5}, {0, 0, 6}, {0, 5, 4}, {0, 9, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.flag) + "," + std::to_string(c.kind));
    ASSERT_TRUE(memb->Get(wall, m));
    m.dsgnKey = AddDesign({1, 1, 1, c.flag, c.kind});
    ASSERT_TRUE(memb->TR_Modify(wall, m));
    Refill();
    EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_WALL_PROT_BASE")->GetSelected(), c.sel);
  }
  T_MASG_D a;
  a.wallDetail = 2;
  a.stiffFlag = 1, a.wallStiff[1] = 0.5;
  a.seisFlag = 1, a.seisFact = 1.2;
  Assign(wall, a);
  Refill();
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_WALL_DETAIL")->GetSelected(), 0);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_STIFF_FACT"), "1, 0.5, 1");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_SEIS_FACT"), "1.2");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_EFFECT_FACT"), "1, 1");

  // Automatic member-type mode: YES and NO only, the base row keeps its seven, the grade
  // as a text.
  doc->SetAutoMembTypeMode(TRUE);
  Refill();
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_WALL_SHEAR"), Texts({"IDS_CMD_ATTR_YES", "IDS_CMD_ATTR_NO"}) + " @0");
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_WALL_PROT_BASE")->GetChoices().GetSize(), 7);
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_LVL")->GetColType(), PROP_COL_TEXT_CMD);
}

// ---- slabs -------------------------------------------------------------------------------

TEST_F(MembRowsTest, SlabTypeTextsThicknessLabelsAndTheStairsConvertedThickness) {
  const UINT roof = AddMemb(301, 0, 0, 1, AddDesign({0, 3}));
  const UINT landing = AddMemb(301, 0, 0, 1, AddDesign({0, 2}));
  const UINT stair = AddMemb(301, 0, 0, 1, AddDesign({0, 1}));
  const UINT plain = AddMemb(301, 0, 0, 1);
  Show('m', roof);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_SLAB);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_SLAB);
  T_MATR_D r = Page()->GetAttrRecord();
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MEMB_TYPE"), std::string(r.typeText.c_str()) + "(" + Text("IDS_CMD_MEMB_TYPE_ROOF") + ")");
  EXPECT_NE(RowOf("IDS_CMD_ATTR_MEMB_THICK"), nullptr);
  EXPECT_EQ(RowStarting("IDS_CMD_CONV_THICK"), nullptr);

  Show('m', landing);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MEMB_TYPE"),
            Text("IDS_CMD_MEMB_TYPE_STAIR_SLAB") + "(" + Text("IDS_CMD_MEMB_TYPE_STAIR_LSPACE") + ")");
  EXPECT_NE(RowOf("IDS_CMD_PURE_THICK"), nullptr);
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_THICK"), nullptr);
  EXPECT_EQ(RowStarting("IDS_CMD_CONV_THICK"), nullptr);

  // A stair slab 0.12 thick with 0.08 more from its steps 0.28 by 0.16.
  T_STIK_D s;
  s.key = stair, s.b = 0.28, s.h = 0.16, s.extra = 0.08;
  ASSERT_TRUE(Table<CClassStik>()->TR_Add(stair, s));
  Show('m', stair);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MEMB_TYPE"), Text("IDS_CMD_MEMB_TYPE_STAIR_SLAB"));
  EXPECT_NE(RowOf("IDS_CMD_PURE_THICK"), nullptr);
  CCmbBtnProp* conv = RowStarting("IDS_CMD_CONV_THICK");
  ASSERT_NE(conv, nullptr);
  EXPECT_EQ(std::string(conv->GetName().c_str()), Text("IDS_CMD_CONV_THICK") + ", (b, h) [m]");
  EXPECT_EQ(std::string(conv->FormatProperty().c_str()), "0.2, (0.28, 0.16)");
  EXPECT_EQ(List().GetRow(6), RowStarting("IDS_CMD_ATTR_MEMB_AREA")) << "the area after the converted thickness";
  s.flag = 1;
  ASSERT_TRUE(Table<CClassStik>()->TR_Modify(stair, s));
  Refill();
  conv = RowStarting("IDS_CMD_CONV_THICK");
  ASSERT_NE(conv, nullptr);
  EXPECT_EQ(std::string(conv->GetName().c_str()), Text("IDS_CMD_CONV_THICK") + " [m]");
  EXPECT_EQ(std::string(conv->FormatProperty().c_str()), "0.2");
  // Without its stair record: the initial values.
  ASSERT_TRUE(Table<CClassStik>()->TR_Del(stair));
  Refill();
  EXPECT_EQ(std::string(RowStarting("IDS_CMD_CONV_THICK")->FormatProperty().c_str()), "0.12, (0, 0)");

  Show('m', plain);
  r = Page()->GetAttrRecord();
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_MEMB_TYPE"), r.typeText.c_str());
  CCmbBtnProp* area = RowStarting("IDS_CMD_ATTR_MEMB_AREA");
  ASSERT_NE(area, nullptr);
  EXPECT_DOUBLE_EQ(area->GetValue().ToDouble(), 30.0);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"),
            No(pts[0]) + ", " + No(pts[1]) + ", " + No(pts[2]) + ", " + No(pts[3]));
}

TEST_F(MembRowsTest, SlabLoadChoicesFromTheCatalogue) {
  const UINT slab = AddMemb(301, 0, 0, 1);
  auto* sltp = Table<CClassSltp>();
  auto type = [&](double dead, double live) {
    T_SLTP_D t;
    t.dead = dead, t.live = live;
    ASSERT_TRUE(sltp->TR_Add(t));
  };
  type(1.5, 2);
  type(3, 2);
  T_MASG_D m;
  m.slabDead = 1.5, m.slabLive = 2;
  m.offset = "x";
  Assign(slab, m);
  Show('m', slab);
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), "1.5, 2 @0") << "flag 0: the slab's own only";
  m.slabLoadFlag = 1;
  Assign(slab, m);
  Refill();
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), "1.5, 2,3, 2 @0");
  m.slabDead = 5;
  Assign(slab, m);
  Refill();
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), "1.5, 2,3, 2,5, 2 @2") << "not in the catalogue: added, selected";
  type(5, 2);
  type(5, 2 + 1e-9);
  Refill();
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), "1.5, 2,3, 2,5, 2,5, 2 @3") << "the last equal type";
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_SLAB_LOAD")->GetButtons().vec(), (std::vector<UINT>{33672, 0, 34588}));
}

TEST_F(MembRowsTest, SlabProtectionAndFactorGroup) {
  const std::string choices = Texts({"IDS_CMD_ATTR_AUTO", "IDS_CMD_ATTR_IBJP", "IDS_CMD_ATTR_IBLP", "IDS_CMD_ATTR_NO"});
  const UINT slab = AddMemb(301, 0, 0, 1, AddDesign({2}));
  const UINT steel = AddMemb(301, 0, 4, 1, AddDesign({0}, {1}));
  Show('m', slab);
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_SLAB_PROTECT"), choices + " @2");
  EXPECT_EQ(Page()->GetProtectText(), CString(Text("IDS_CMD_ATTR_IBLP").c_str()));
  EXPECT_EQ(Items().back().rfind(Text("IDS_CMD_ATTR_MEMB_SLAB_EDGE"), 0), 0u) << "no factor group";
  Show('m', steel);
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_SLAB_PROTECT"), choices + " @0");
  doc->SetAutoMembTypeMode(TRUE);
  Refill();
  EXPECT_EQ(Choices("IDS_CMD_ATTR_MEMB_SLAB_PROTECT"),
            Texts({"IDS_CMD_ATTR_IBJP", "IDS_CMD_ATTR_IBLP", "IDS_CMD_ATTR_NO"}) + " @2");

  // An uncertain-combination record: the factor group, its row for concrete only.
  for (UINT key : {slab, steel}) {
    T_UCCF_D u;
    u.memb = key, u.factor = 1.4;
    ASSERT_TRUE(Table<CClassUccf>()->TR_Add(u));
  }
  Refill();
  EXPECT_EQ(Items().back(), "[G] " + Text("IDS_CMD_ATTR_MEMB_FACT")) << "steel: an empty factor group";
  Show('m', slab);
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), "1.4");
}

// ---- braces and line members -----------------------------------------------------------

TEST_F(MembRowsTest, BraceRowsAndTheirTexts) {
  const UINT brace = AddMemb(206, 2);
  T_MASG_D m;
  m.unbraced[0] = m.unbraced[1] = 4, m.noThird = 1;
  Assign(brace, m);
  Show('m', brace);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_BRACE);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_BRACE);
  const std::vector<std::string> keys = {
      "IDS_CMD_ATTR_MEMB_ID", "IDS_CMD_ATTR_MEMB_MEMB_TYPE", "IDS_CMD_ATTR_PONT_STORY", "IDS_CMD_ATTR_MEMB_MATERIAL",
      "IDS_CMD_ATTR_MEMB_SECTION", "IDS_CMD_ATTR_MEMB_LENGTH", "IDS_CMD_ATTR_MEMB_BETA_ANGLE",
      "IDS_CMD_ATTR_MEMB_CONNECTED_PONTS", "IDS_CMD_ATTR_MEMB_TEMPERATURE", "IDS_CMD_ATTR_MEMB_RELEASE",
      "IDS_CMD_ATTR_MEMB_LVL", "IDS_CMD_ATTR_MEMB_STIFF_FACT", "IDS_CMD_ATTR_MEMB_SEIS_FACT",
      "IDS_CMD_ATTR_MEMB_EFFECT_FACT", "IDS_CMD_ATTR_MEMB_UNBRACED_LENG", "IDS_CMD_ATTR_MEMB_LIMITING_RATIO"};
  const std::vector<std::string> labels = Labels();
  ASSERT_EQ(labels.size(), keys.size());
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(labels[i].rfind(Text(keys[i].c_str()), 0), 0u) << i;
  std::vector<std::string> groups;
  for (const std::string& s : Items())
    if (s.rfind("[G]", 0) == 0) groups.push_back(s);
  EXPECT_EQ(groups, (std::vector<std::string>{"[G] " + Text("IDS_CMD_ATTR_MEMB_GENERAL"),
                                              "[G] " + Text("IDS_CMD_ATTR_MEMB_LOAD"),
                                              "[G] " + Text("IDS_CMD_ATTR_MEMB_BOUNDR_COND"),
                                              "[G] " + Text("IDS_CMD_ATTR_MEMB_FACT")}));
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_UNBRACED_LENG"), "4, 4, No");
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_STIFF_FACT"), "1, 1, 1, 1, 1, 1, 1");
  m.noThird = 0, m.unbraced3 = 2.5;
  Assign(brace, m);
  Refill();
  EXPECT_EQ(Value("IDS_CMD_ATTR_MEMB_UNBRACED_LENG"), "4, 4, 2.5");
  doc->SetAutoMembTypeMode(TRUE);
  Refill();
  EXPECT_EQ(RowOf("IDS_CMD_ATTR_MEMB_LVL")->GetColType(), PROP_COL_TEXT_CMD);
}

TEST_F(MembRowsTest, LineMemberRows) {
  T_MEMB_D m;
  m.type = 200, m.storyKey = 3;
  m.points.Add(pts[2]);
  m.points.Add(pts[3]);
  const UINT line = memb->GetNewKey();
  ASSERT_TRUE(memb->TR_Add(m));
  Show('m', line);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_LINE);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_LINE);
  const std::vector<std::string> items = Items();
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items[0], "[G] " + Text("IDS_CMD_ATTR_MEMB_GENERAL"));
  EXPECT_EQ(items[4].rfind(Text("IDS_CMD_ATTR_MEMB_LENGTH") + " [m]|0|6", 0), 0u) << items[4];
  EXPECT_EQ(items[5], Text("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS") + "|0|" + No(pts[2]) + ", " + No(pts[3]));
  EXPECT_EQ(items[6], "[G] " + Text("IDS_CMD_ATTR_MEMB_LOAD"));
  EXPECT_EQ(items[7], Text("IDS_CMD_ATTR_MEMB_LINE_LOAD") + "|5|" + Text("IDS_CMD_ATTR_NONE") + "|0|32912,0,34589,@14270");
}

// ---- points ------------------------------------------------------------------------------

TEST_F(MembRowsTest, PointRowsWithTheirLoadsAndDeleteButtons) {
  const UINT lone = pts[3];
  Show('p', lone);
  EXPECT_EQ(Page()->GetShownListKind(), CToolsPrePage::LIST_PONT);
  EXPECT_EQ(Page()->GetAttrCtrl().m_nObjClass, CMembDataCtrl::OBJ_PONT);
  EXPECT_EQ(List().GetKey(), lone);
  const UINT del = CToolsPrePage::WM_PROPLIST_PRE_DEL;
  struct Expected {
    const char* key;
    int kind;
    std::vector<UINT> buttons;
  } rows[] = {
      {"IDS_CMD_ATTR_PONT_ID", 0, {}},
      {"IDS_CMD_ATTR_PONT_STORY", 0, {}},
      {"IDS_CMD_ATTR_PONT_COORD_X", 1, {}},
      {"IDS_CMD_ATTR_PONT_COORD_Y", 1, {}},
      {"IDS_CMD_ATTR_PONT_COORD_Z", 0, {}},
      {"IDS_CMD_ATTR_PONT_CONNECTED_MEMBS", 0, {}},
      {"IDS_CMD_ATTR_PONT_DUPLICATED_PONTS", 0, {}},
      {"IDS_CMD_ATTR_PONT_POINT_LOAD", 5, {32911, 34446, del, 34511}},
      {"IDS_CMD_ATTR_PONT_SPECIFIED_DISP", 5, {32929, 34447, del, 34514}},
      {"IDS_CMD_ATTR_PONT_SUPPORT", 3, {32825, 34448, del, 34516}},
      {"IDS_CMD_ATTR_PONT_ELASTIC_LINK", 3, {33701, 34449, del, 34517}},
  };
  ASSERT_EQ(List().GetRowCount(), (int)std::size(rows));
  for (int i = 0; i < List().GetRowCount(); ++i) {
    CCmbBtnProp* r = List().GetRow(i);
    EXPECT_EQ(std::string(r->GetName().c_str()).rfind(Text(rows[i].key), 0), 0u) << rows[i].key;
    EXPECT_EQ((int)r->GetColType(), rows[i].kind) << rows[i].key;
    EXPECT_EQ(r->GetButtons().vec(), rows[i].buttons) << rows[i].key;
    if (!rows[i].buttons.empty()) {
      EXPECT_EQ(r->GetBitmap(), 14228) << rows[i].key;
    }
  }
  EXPECT_EQ(std::string(List().GetRow(2)->GetName().c_str()), Text("IDS_CMD_ATTR_PONT_COORD_X") + " [m]");
  EXPECT_EQ(Value("IDS_CMD_ATTR_PONT_CONNECTED_MEMBS"), "") << "no members: an empty text";
  EXPECT_EQ(Value("IDS_CMD_ATTR_PONT_ELASTIC_LINK"), "0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_PONT_POINT_LOAD"), " @0");

  // Loads of the load cases DL (1) and LL (2); a displacement; members at the point.
  auto* ptld = Table<CClassPtld>();
  auto load = [&](UINT lc, int kind, int n) {
    T_PTLD_D r;
    r.pont = lone, r.loadCase = lc, r.kind = kind, r.n = n;
    ASSERT_TRUE(ptld->TR_Add(r));
  };
  load(1, 0, 2);
  load(2, 0, 0);
  load(2, 1, 1);
  const UINT beam = AddMemb(201, 2);
  T_MEMB_D m;
  ASSERT_TRUE(memb->Get(beam, m));
  m.points[0] = lone;
  ASSERT_TRUE(memb->TR_Modify(beam, m));
  T_PASG_D s;
  s.key = lone, s.support = "111000", s.link = 3;
  ASSERT_TRUE(Table<CClassPasg>()->TR_Add(lone, s));
  Page()->SendMessage(WM_MEMBDATACTRL_CHANGED, 102);
  EXPECT_EQ(Choices("IDS_CMD_ATTR_PONT_POINT_LOAD"), "DL : 2,LL : " + Text("IDS_CMD_ATTR_NONE") + " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_PONT_SPECIFIED_DISP"), "LL : 1 @0");
  EXPECT_EQ(Value("IDS_CMD_ATTR_PONT_CONNECTED_MEMBS"), std::to_string(memb->GetMembNoByKey(beam)));
  EXPECT_EQ(Value("IDS_CMD_ATTR_PONT_SUPPORT"), "111000");
  EXPECT_EQ(Value("IDS_CMD_ATTR_PONT_ELASTIC_LINK"), "3");

  // The attribute control deletes the point's loads; the refill follows its notice.
  ASSERT_TRUE(Page()->GetAttrCtrl().DeletePontData(ATRUP_PONT_LOAD));
  EXPECT_EQ(Choices("IDS_CMD_ATTR_PONT_POINT_LOAD"), " @0");
  EXPECT_EQ(Choices("IDS_CMD_ATTR_PONT_SPECIFIED_DISP"), "LL : 1 @0");
  EXPECT_EQ(List().GetKey(), lone);

  // A member fill leaves the list's key as it was.
  Show('m', beam);
  EXPECT_EQ(List().GetKey(), lone);
}

TEST_F(MembRowsTest, DuplicatedPointsShowCompactly) {
  T_PONT_D p;
  ASSERT_TRUE(pont->Get(pts[0], p));
  p.number = 0;
  std::vector<UINT> twins;
  for (int i = 0; i < 3; ++i) {
    p.key = 0;
    twins.push_back(pont->GetNewKey());
    ASSERT_TRUE(pont->TR_Add(p));
  }
  Show('p', pts[0]);
  CUIntArray keys, numbers;
  for (UINT k : twins) keys.Add(k);
  ASSERT_TRUE(pont->GetPontNoListByKey(keys, numbers));
  const std::string value = Value("IDS_CMD_ATTR_PONT_DUPLICATED_PONTS");
  EXPECT_EQ(value.find(", "), std::string::npos) << "the compact form: " << value;
  EXPECT_NE(value.find(std::to_string(numbers[0])), std::string::npos) << value;
}

}  // namespace
