// Cantilever slabs, braces by two points, the cantilever test of a beam and the requests
// that first turn positions into point keys, on the sample model with 1F (4.5 to 9.0)
// current.
#include <string>

#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "db/CModeler2.h"
#include "tests/creation/CreateMembFixture.h"

namespace {

// The tool shown and driven by a user, with no requests recorded yet.
class CreateMembCantiTest : public CreateMembFixture {
 protected:
  void SetUp() override {
    CreateMembFixture::SetUp();
    tool->ShowWindow(SW_SHOW);
    user.SetDialog(tool);
    CModeler2::Instance()->ClearRequests();
    AfxClearMessageLog();
  }
  void Type(int type, int method) {
    tool->ChangeMembType(type);
    tool->SetCurMethod(method);
    tool->OnUpdateViewMode(0, 0);
  }
  UINT Member(int type, double x1, double y1, double z1, double x2, double y2, double z2) {
    T_MODELER2_PARAM_MEMB p;
    p.type = type;
    const T_MEMBDLG_3DPOINT a = At(x1, y1, z1), b = At(x2, y2, z2);
    EXPECT_EQ(CModeler2::Instance()->CreateLineMembBy2Pos(&a, &b, p, 1, nullptr, 0, 0, 0, 0), 1);
    return memb->GetNewKey() - 1;
  }
  UINT Beam(double x1, double y1, double x2, double y2) { return Member(201, x1, y1, 9, x2, y2, 9); }
  UINT Column(double x, double y) { return Member(101, x, y, 4.5, x, y, 9); }
  UINT PointOf(UINT membKey, int i) {
    T_MEMB_D r;
    return memb->Get(membKey, r) ? r.points[i < 0 ? r.points.GetSize() + i : i] : 0;
  }
  int Count() { return CModeler2::Instance()->GetRequestCount(); }
  const T_MODELER2_REQUEST& Last() { return *CModeler2::Instance()->GetRequest(Count() - 1); }
  std::string Arg(const char* name) {
    std::string s;
    return Count() && Last().Find(name, s) ? s : std::string("<none>");
  }

  CUserDriver user;
};

TEST_F(CreateMembCantiTest, TheCantileverRecordNeedsALengthAndAWidthOfAtLeastTheZeroTolerance) {
  Type(301, 1);
  ASSERT_TRUE(user.Click(IDC_CM_CANTI));
  struct Case {
    const char *length, *width;
    bool ok;
  };
  for (const Case& c : {Case{"1e-9", "1e-9", true}, Case{"0", "2", false}, Case{"-1", "2", false},
                        Case{"2", "0", false}, Case{"2", "9e-10", false}, Case{"", "2", false}}) {
    AfxClearMessageLog();
    ASSERT_TRUE(user.Type(IDC_CM_CANTI_LEN, c.length));
    ASSERT_TRUE(user.Type(IDC_CM_CANTI_WIDTH, c.width));
    T_PARAM_CANTI_SLAB canti;
    EXPECT_EQ(tool->MakeParamCSlab4Modeler2(canti), c.ok ? TRUE : FALSE) << c.length << " " << c.width;
    EXPECT_EQ(LastMessage(), c.ok ? "" : "IDS_WG_CMD_MC_ERROR_Invalid_Input") << c.length << " " << c.width;
  }
  // Location and direction by their radios; the offset typed.
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_LEN, "1.5"));
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_WIDTH, "2"));
  ASSERT_TRUE(user.Click(IDC_CM_CANTI_LOC_J));
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_OFFSET, "0.25"));
  ASSERT_TRUE(user.Click(IDC_CM_CANTI_DIR_MINUS));
  T_PARAM_CANTI_SLAB canti;
  ASSERT_TRUE(tool->MakeParamCSlab4Modeler2(canti));
  EXPECT_DOUBLE_EQ(canti.length, 1.5);
  EXPECT_DOUBLE_EQ(canti.width, 2.0);
  EXPECT_DOUBLE_EQ(canti.offset, 0.25);
  EXPECT_EQ(canti.location, 2);
  EXPECT_EQ(canti.direction, 1);
}

TEST_F(CreateMembCantiTest, CantileversByMemberKeepBeamsWallsAndSecondaryBeams) {
  const UINT beam = Beam(0, 0, 6, 0), wall = Member(202, 0, 6, 9, 6, 6, 9), line = Member(200, 0, 0, 9, 0, 6, 9);
  const UINT column = Column(12, 0);
  Type(301, 1);
  ASSERT_TRUE(user.Click(IDC_CM_CANTI));
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_LEN, "1"));
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_WIDTH, "2"));
  CModeler2::Instance()->ClearRequests();
  CUIntArray keys;
  for (UINT k : {line, beam, column, wall}) keys.Add(k);
  EXPECT_EQ(tool->CreateCantileverSlabByMemb(keys), 1);
  EXPECT_EQ(keys.GetSize(), 2) << "filtered in place";
  EXPECT_EQ(Last().op, "CreateCantileverSlabsOnMembs");
  EXPECT_EQ(Arg("keys"), std::to_string(beam) + "," + std::to_string(wall));
  EXPECT_EQ(Arg("memb.canti"), "1");
  EXPECT_EQ(Arg("memb.type"), "301");

  // Nothing to stand on: the message with the one-pick method only; nothing sent.
  for (int method : {1, 5}) {
    AfxClearMessageLog();
    tool->SetCurMethod(method);
    keys.RemoveAll();
    keys.Add(line), keys.Add(column);
    EXPECT_EQ(tool->CreateCantileverSlabByMemb(keys), 0);
    EXPECT_EQ(keys.GetSize(), 0);
    EXPECT_EQ(LastMessage(), method == 1 ? "IDS_WG_CMD_BEAM_WALL_MUST_SELECTED" : "") << method;
    EXPECT_EQ(Count(), 1) << method;
  }
  // A member that cannot be read ends the request.
  keys.RemoveAll();
  keys.Add(beam), keys.Add(9999);
  EXPECT_EQ(tool->CreateCantileverSlabByMemb(keys), 0);
  EXPECT_EQ(Count(), 1);
  // A refused cantilever record sends nothing either.
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_LEN, "0"));
  keys.RemoveAll();
  keys.Add(beam);
  EXPECT_EQ(tool->CreateCantileverSlabByMemb(keys), 0);
  EXPECT_EQ(tool->CreateCantileverSlabByWnd2({At(0, 0), At(1, 0), At(1, 1)}), 0);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(LastMessage(), "IDS_WG_CMD_MC_ERROR_Invalid_Input");
}

TEST_F(CreateMembCantiTest, PatternBracesNeedOneLevelFreeBracesDoNot) {
  Type(206, 2);
  struct Case {
    int brace;
    double z2;
    bool sent;
  };
  for (const Case& c : {Case{0, 4.5, true}, Case{1, 4.5, false}, Case{6, 9.0 + 1e-9, false}, Case{1, 9.0 + 1e-11, true},
                        Case{3, 9.0, true}}) {
    AfxClearMessageLog();
    CModeler2::Instance()->ClearRequests();
    ASSERT_TRUE(user.ChooseIndex(IDC_CM_BRACE_TYPE, c.brace));
    tool->CreateBraceTypeMemberBy2Pos(At(0, 0), At(6, 0, c.z2), 1);
    EXPECT_EQ(Count(), c.sent ? 1 : 0) << c.brace << " " << c.z2;
    EXPECT_EQ(LastMessage(), c.sent ? "" : "IDS_CMD_MC_ERR_Input_Same_Level_Point") << c.brace;
    if (c.sent) {
      EXPECT_EQ(Last().op, "CreateBraceBy2Pos");
      EXPECT_EQ(Arg("memb.braceType"), std::to_string(c.brace));
      EXPECT_EQ(Last().result, 1);
      doc->Undo();
    }
  }
}

TEST_F(CreateMembCantiTest, ABeamFreeAtOneEndGivesItsSupportedEnd) {
  const UINT beam = Beam(0, 0, 6, 0);
  const UINT first = PointOf(beam, 0);
  EXPECT_EQ(tool->CheckCantileverBeam(beam), 0u) << "free at both ends: held nowhere, no cantilever";
  Member(200, 0, 0, 9, -3, 0, 9);                 // a line member at the first end
  Column(0, 0);                                   // supports the first end
  EXPECT_EQ(tool->CheckCantileverBeam(beam), first);
  const UINT cross = Beam(6, -3, 6, 3);           // a beam through the last end
  EXPECT_EQ(tool->CheckCantileverBeam(beam), 0u) << "supported at both ends";
  EXPECT_EQ(tool->CheckCantileverBeam(cross), 0u) << "held in its middle, its ends free";
  ASSERT_TRUE(memb->TR_Del(cross));
  EXPECT_EQ(tool->CheckCantileverBeam(beam), first);
  // Only points and line members at the first end: that end is free.
  const UINT free = Beam(20, 0, 26, 0);
  Member(200, 20, 0, 9, 20, 5, 9);
  Column(26, 0);
  EXPECT_EQ(tool->CheckCantileverBeam(free), PointOf(free, -1));

  // A beam of three points, supported at its first point and its middle: judged by its
  // last point, which is free.
  CUIntArray keys;
  T_MODELER2_PARAM_PONT pp;
  for (double x : {30.0, 33.0, 36.0}) {
    int out = 0;
    ASSERT_EQ(CModeler2::Instance()->CreatePoint(x, 0, 9, pp, &out), 1);
    keys.Add((UINT)out);
  }
  CPoint2DArray plan;
  for (double x : {30.0, 33.0, 36.0}) plan.Add(T_POINT2D{x, 0});
  T_MODELER2_PARAM_MEMB bp;
  bp.type = 201;
  ASSERT_EQ(CModeler2::Instance()->CreateLineMembOnPoints(keys, bp, nullptr, &plan), 1);
  const UINT three = memb->GetNewKey() - 1;
  Column(30, 0);
  Column(33, 0);
  EXPECT_EQ(tool->CheckCantileverBeam(three), keys[0]);

  EXPECT_EQ(tool->CheckCantileverBeam(Column(40, 40)), 0u) << "not a beam";
  EXPECT_EQ(tool->CheckCantileverBeam(9999), 0u);
}

TEST_F(CreateMembCantiTest, PointKeysOfTwoPositionsOnOneOrAdjacentStories) {
  CUIntArray keys;
  // One story: both points made.
  ASSERT_TRUE(tool->TR_GetOrCreatePoint_forLineType(At(0, 0), At(6, 0), keys));
  ASSERT_EQ(keys.GetSize(), 2);
  EXPECT_EQ(Count(), 2);
  // B1's top (4.5) to 1F's top: the lower point joins 1F from its bottom, where it lies.
  keys.RemoveAll();
  ASSERT_TRUE(tool->TR_GetOrCreatePoint_forLineType(At(12, 0, 4.5), At(12, 6, 9), keys));
  ASSERT_EQ(keys.GetSize(), 2);
  EXPECT_EQ(Arg("point.storyKey"), std::to_string(f1));
  const T_MODELER2_REQUEST* first = CModeler2::Instance()->GetRequest(Count() - 2);
  std::string text;
  ASSERT_TRUE(first->Find("point.flag", text));
  EXPECT_EQ(text, "-1");
  ASSERT_TRUE(first->Find("point.storyKey", text));
  EXPECT_EQ(text, std::to_string(f1));
  T_POINT3D g;
  ASSERT_TRUE(pont->Get3DPos(keys[0], g));
  EXPECT_DOUBLE_EQ(g.z, 4.5) << "not moved to 1F's top";
  ASSERT_TRUE(pont->Get3DPos(keys[1], g));
  EXPECT_DOUBLE_EQ(g.z, 9.0);

  // Adjacent stories at one level: nothing asked. The point at (12, 0, 4.5) is 1F's now,
  // (20, 0, 4.5) falls on B1.
  const int before = Count();
  keys.RemoveAll();
  EXPECT_FALSE(tool->TR_GetOrCreatePoint_forLineType(At(12, 0, 4.5), At(20, 0, 4.5), keys));
  EXPECT_EQ(Count(), before);
  EXPECT_EQ(keys.GetSize(), 0);
  // A position above every story cannot be converted.
  EXPECT_FALSE(tool->TR_GetOrCreatePoint_forLineType(At(0, 0), At(0, 0, 1000), keys));
  EXPECT_EQ(Count(), before);
}

TEST_F(CreateMembCantiTest, AColumnOnThePointAtACoordinateWhateverTheTypeShown) {
  Type(201, 2);
  const double xyz[3] = {3, 3, 9};
  EXPECT_EQ(tool->TR_CreateColumn(xyz), 1);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(CModeler2::Instance()->GetRequest(0)->op, "GetOrCreatePoint");
  EXPECT_EQ(Last().op, "CreateColumnOnPoint");
  EXPECT_EQ(Arg("memb.type"), "101");
  EXPECT_EQ(Arg("memb.braceType"), "0");
  EXPECT_EQ(Arg("memb.release"), "1");
  EXPECT_EQ(Arg("memb.optD"), "0");
  EXPECT_EQ(Arg("out"), "0");
  EXPECT_EQ(Arg("key"), std::to_string(CModeler2::Instance()->GetRequest(0)->result));
  const double above[3] = {3, 3, 1000};
  EXPECT_EQ(tool->TR_CreateColumn(above), 0);
  EXPECT_EQ(Count(), 2);
}

}  // namespace
