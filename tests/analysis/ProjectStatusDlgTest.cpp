// The project status through its template and real tables: the rows and their order, the
// none-texts and header texts, the last numbers (numbers, not keys; the largest remaining
// material key), the rows counted inside other tables following writes and undo, and the
// read-only grids.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "analysis/CCMEtcPjst.h"
#include "db/CClassMasg.h"
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"

namespace {

// What one opening showed: every cell of both grids, header row first.
struct Shown {
  std::vector<std::vector<std::string>> model, load;
  std::string Model(int row, int col) const { return model.at(row).at(col - 1); }
  std::string Load(int row, int col) const { return load.at(row).at(col - 1); }
};

class ProjectStatusDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    db = doc->GetModelDB();
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    matl = static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID));
    masg = static_cast<CClassMasg*>(db->GetClass(CClassMasg::m_nClassID));
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  static std::vector<std::vector<std::string>> Cells(CGXGridWnd* g) {
    std::vector<std::vector<std::string>> rows;
    for (ROWCOL r = 0; r <= g->GetRowCount(); ++r) {
      rows.emplace_back();
      for (ROWCOL c = 1; c <= g->GetColCount(); ++c) rows.back().push_back(g->GetValueRowCol(r, c).c_str());
    }
    return rows;
  }
  // Opens the status, reads it, runs more (optional) and closes it with its button.
  Shown Open(const std::function<void(CCMEtcPjst&)>& more = nullptr) {
    Shown s;
    INT_PTR result = 0;
    AfxQueueDialogScript([&](CDialog& d) {
      auto& dlg = static_cast<CCMEtcPjst&>(d);
      s.model = Cells(dlg.GetModelGrid());
      s.load = Cells(dlg.GetLoadGrid());
      if (more) more(dlg);
      CUserDriver user(&d);
      EXPECT_TRUE(user.Click(IDC_PJST_CLOSE));
    });
    CCMEtcPjst dlg;
    result = dlg.DoModal();
    EXPECT_EQ(result, IDOK);
    return s;
  }
  std::string T(const char* key) { return app->LoadStr(key); }
  UINT Point(double x, UINT number) {
    T_PONT_D p;
    p.x = x, p.storyKey = 1, p.number = number;
    UINT key = pont->GetNewKey();
    return pont->TR_Add(p) ? key : 0;
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CClassMatl* matl = nullptr;
  CClassMasg* masg = nullptr;
};

const char* const kModelTitles[] = {
    "IDS_CMD_PJST_MODEL_CTRL", "IDS_WG_CMD__Module", "IDS_CMD_MEMB_Plan", "IDS_WG_CMD__ADDD__Story",
    "IDS_CMD_MEMB_TYPE_PONT", "IDS_WG_CMD_ETC_PJST_MEMBERS", "IDS_CMD_ETC_Wall_Opening", "IDS_CMD_MEMB_Material",
    "IDS_CMD_MEMB_Section", "IDS_CMD_MEMB_Thickness", "IDS_WG_CMD_ETC_PJST_SUPPORT",
    "IDS_WG_CMD_ETC_PJST_RIGID_LINK", "IDS_WG_CMD_ETC_PJST_DIAPHRAGM_DISCONNECT",
    "IDS_WG_CMD_ETC_PJST_POINT_LOCAL_AXIS", "IDS_WG_CMD_ETC_PJST_GENERAL_LINK",
    "IDS_WG_CMD_ETC_PJST_CHANGE_GENERAL_LINK_PROP", "IDS_WG_CMD_ETC_PJST_FRAME_MEMBER_RELEASE",
    "IDS_WG_CMD_ETC_PJST_SLAB_END_RELEASE", "IDS_WG_CMD_ETC_PJST_MEMBER_OFFSET",
    "IDS_WG_CMD_ETC_PJST_SURFACE_SUPPORT"};
const char* const kLoadTitles[] = {
    "IDS_CMD_ETC_Static_Load_Case", "IDS_CMD_ETC_Point_Load", "IDS_CMD_ETC_Line_Load", "IDS_CMD_ETC_Area_Load",
    "IDS_WG_CMD_ETC_PJST_ASSIGN_BEAM_LOAD", "IDS_WG_CMD_ETC_PJST_ASSIGN_SLAB_LOAD",
    "IDS_WG_CMD_ETC_PJST_EXCEPTION_PATTERN_LOADING", "IDS_WG_CMD_ETC_PJST_SPECIFIED_DISPLACEMENT",
    "IDS_WG_CMD_ETC_PJST_MEMBER_SELF_WEIGHT", "IDS_WG_CMD_ETC_PJST_SYSTEM_TEMPERATURE",
    "IDS_WG_CMD_ETC_PJST_POINT_TEMPERATURE", "IDS_WG_CMD_ETC_PJST_MEMBER_TEMPERATURE", "IDS_CMD_PJST_PONT_MASS",
    "IDS_CMD_PJST_SPEC_FUNC", "IDS_CMD_PJST_SETL_GRUP", "IDS_CMD_PJST_SETL_LOAD"};

TEST_F(ProjectStatusDlgTest, EveryRowShowsInItsPlaceWithZerosAsTheNoneTextAndNoLastNumber) {
  Shown s = Open();
  ASSERT_EQ(s.model.size(), 21u);
  ASSERT_EQ(s.load.size(), 17u);
  EXPECT_EQ(s.model[0], (std::vector<std::string>{T("IDS_WG_CMD__ADDD__Name"), T("IDS_CMD_PJST_Count"),
                                                   T("IDS_CMD_PJST_Last_No")}));
  EXPECT_EQ(s.load[0], (std::vector<std::string>{T("IDS_WG_CMD__ADDD__Name"), T("IDS_CMD_PJST_Count")}));
  const std::string noneL = T("IDS_CMD_MEMB_None"), noneR = T("IDS_WG_CMD__ADDD__None");
  for (int r = 1; r <= 20; ++r) {
    SCOPED_TRACE(kModelTitles[r - 1]);
    EXPECT_EQ(s.Model(r, 1), T(kModelTitles[r - 1]));
    EXPECT_EQ(s.Model(r, 3), "");
  }
  for (int r = 1; r <= 16; ++r) EXPECT_EQ(s.Load(r, 1), T(kLoadTitles[r - 1])) << r;
  // A new model: one tower, standard floor and story; no point, member or load.
  EXPECT_EQ(s.Model(2, 2), "1");
  EXPECT_EQ(s.Model(3, 2), "1");
  EXPECT_EQ(s.Model(4, 2), "1");
  for (int r : {5, 6, 7, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}) EXPECT_EQ(s.Model(r, 2), noneL) << r;
  for (int r = 2; r <= 16; ++r) EXPECT_EQ(s.Load(r, 2), noneR) << r;
}

TEST_F(ProjectStatusDlgTest, LastNumbersArePointAndMemberNumbersAndTheLargestMaterialKey) {
  UINT a = Point(0, 70), b = Point(6, 12);
  T_MEMB_D m;
  m.type = 200, m.storyKey = 1, m.number = 333;
  m.points.Add(a);
  m.points.Add(b);
  ASSERT_TRUE(memb->TR_Add(m));
  CUIntArray old;
  matl->GetKeyList(old);
  for (UINT key : {40u, 90u, 60u}) {
    T_MATL_D r;
    r.key = key;
    r.name.Format("M%u", key);
    ASSERT_TRUE(matl->TR_Add(r));
  }
  Shown s = Open();
  EXPECT_EQ(s.Model(5, 2), "2");
  EXPECT_EQ(s.Model(5, 3), "70");
  EXPECT_EQ(s.Model(6, 2), "1");
  EXPECT_EQ(s.Model(6, 3), "333");
  EXPECT_EQ(s.Model(8, 3), "90");
  // The highest deleted: the highest remaining key; none left: empty.
  ASSERT_TRUE(matl->TR_Del(90));
  EXPECT_EQ(Open().Model(8, 3), "60");
  CUIntArray all;
  matl->GetKeyList(all);
  ASSERT_TRUE(matl->TR_Del(all));
  s = Open();
  EXPECT_EQ(s.Model(8, 2), T("IDS_CMD_MEMB_None"));
  EXPECT_EQ(s.Model(8, 3), "");
}

TEST_F(ProjectStatusDlgTest, RowsCountedInsideTheMemberDataFollowItsWritesAndUndo) {
  UINT a = Point(0, 0), b = Point(6, 0);
  T_MEMB_D m;
  m.type = 200, m.storyKey = 1;
  m.points.Add(a);
  m.points.Add(b);
  const UINT key = memb->GetNewKey();
  ASSERT_TRUE(memb->TR_Add(m));
  T_MASG_D r;
  r.key = key;
  r.release = "110000";
  r.tempFlag = 1;
  ASSERT_TRUE(masg->TR_Add(r));
  Shown s = Open();
  EXPECT_EQ(s.Model(17, 2), "1");
  EXPECT_EQ(s.Load(12, 2), "1");
  EXPECT_EQ(s.Model(19, 2), T("IDS_CMD_MEMB_None"));
  r.release = "";
  ASSERT_TRUE(masg->TR_Modify(key, r));
  s = Open();
  EXPECT_EQ(s.Model(17, 2), T("IDS_CMD_MEMB_None"));
  EXPECT_EQ(s.Load(12, 2), "1");
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Open().Model(17, 2), "1");
}

TEST_F(ProjectStatusDlgTest, NoCellCanBeEditedAndNothingIsWritten) {
  const int undo = db->GetUndoCount();
  Open([](CCMEtcPjst& dlg) {
    CUserDriver user(&dlg);
    for (CGXGridWnd* g : {dlg.GetModelGrid(), dlg.GetLoadGrid()}) {
      EXPECT_FALSE(user.EditCell(g, 1, 2, "5"));
      EXPECT_FALSE(user.EditCell(g, 1, 1, "x"));
      EXPECT_EQ(g->GetColWidth(0), 0);
      EXPECT_EQ(g->GetRowHeight(0), 20);
      EXPECT_EQ(g->GetRowHeight(1), 18);
    }
    EXPECT_EQ(dlg.GetModelGrid()->GetColWidth(1), 203);
    EXPECT_EQ(dlg.GetLoadGrid()->GetColWidth(2), 72);
  });
  EXPECT_EQ(db->GetUndoCount(), undo);
}

TEST_F(ProjectStatusDlgTest, TheFactoryOpensItPlaced) {
  CRect rc;
  AfxQueueDialogScript([&](CDialog& d) {
    d.GetWindowRect(&rc);
    CUserDriver user(&d);
    EXPECT_TRUE(user.Click(IDC_PJST_CLOSE));
  });
  EXPECT_EQ(ICmdDialog::DoModal("CCMEtcPjst", nullptr), IDOK);
  CRect main;
  AfxGetMainWnd()->GetClientRect(&main);
  AfxGetMainWnd()->ClientToScreen(&main);
  EXPECT_EQ(rc.left, main.left + 4);
  EXPECT_EQ(rc.top, main.top + 86);
}

}  // namespace
