// The erection sequence's group picker on a model with three structure groups: both lists
// start empty, the buttons move groups with their keys, OK stores nothing; and the groups
// follow the deletion of their points and members.
#include "afx/CListBox.h"
#include "analysis/CAutoErectSeqGrupSelDlg.h"
#include "db/CClassGrup.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "tests/analysis/DesignSettingsFixture.h"

namespace {

class GrupSelTest : public DesignSettingsTest {
 protected:
  void SetUp() override {
    DesignSettingsTest::SetUp();
    grup = static_cast<CClassGrup*>(doc->GetModelDB()->GetClass(CClassGrup::m_nClassID));
    for (const char* n : {"Core", "Frame", "Core"}) {
      T_GRUP_D g;
      g.name = n;
      ASSERT_TRUE(grup->TR_Add(g));
    }
  }
  int RunPicker(const Script& script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(dlg, user);
    });
    CAutoErectSeqGrupSelDlg dlg(doc.get(), doc->GetModelDB(), ersq, grup);
    T_ERSQ_D r;
    dlg.SetInitData(r);
    return (int)dlg.DoModal();
  }
  static std::string Items(CDialog& d, int id) {
    auto* l = static_cast<CListBox*>(d.GetDlgItem(id));
    std::string out;
    for (int i = 0; i < l->GetCount(); ++i) {
      CString t;
      l->GetText(i, t);
      out += (out.empty() ? "" : " ") + std::string(t.c_str()) + ":" + std::to_string(l->GetItemData(i));
    }
    return out;
  }
  CClassGrup* grup = nullptr;
};

TEST_F(GrupSelTest, TheButtonsMoveGroupsWithTheirKeysInOrder) {
  EXPECT_EQ(RunPicker([](CDialog& d, CUserDriver& user) {
              EXPECT_EQ(Items(d, IDC_ERSQ_UNCHOSEN), "");
              EXPECT_EQ(Items(d, IDC_ERSQ_CHOSEN), "") << "both lists start empty";
              user.Click(IDC_ERSQ_ALL_UNCHOSEN);
              EXPECT_EQ(Items(d, IDC_ERSQ_UNCHOSEN), "Core:1 Frame:2 Core:3");
              auto* l = static_cast<CListBox*>(d.GetDlgItem(IDC_ERSQ_UNCHOSEN));
              l->SetSel(0, TRUE);
              l->SetSel(2, TRUE);
              user.Click(IDC_ERSQ_TO_CHOSEN);
              EXPECT_EQ(Items(d, IDC_ERSQ_CHOSEN), "Core:1 Core:3");
              EXPECT_EQ(Items(d, IDC_ERSQ_UNCHOSEN), "Frame:2");
              static_cast<CListBox*>(d.GetDlgItem(IDC_ERSQ_CHOSEN))->SetSel(1, TRUE);
              user.Click(IDC_ERSQ_TO_UNCHOSEN);
              EXPECT_EQ(Items(d, IDC_ERSQ_UNCHOSEN), "Frame:2 Core:3");
              user.Click(IDC_ERSQ_ALL_CHOSEN);
              EXPECT_EQ(Items(d, IDC_ERSQ_CHOSEN), "Core:1 Frame:2 Core:3");
              EXPECT_EQ(Items(d, IDC_ERSQ_UNCHOSEN), "");
              user.Click(IDC_ERSQ_APPLY);
            }),
            IDOK);
  EXPECT_EQ(ersq->GetCount(), 0) << "OK stores nothing";
}

TEST_F(GrupSelTest, DeletedPointsAndMembersLeaveTheirGroups) {
  auto* pont = static_cast<CClassPont*>(doc->GetModelDB()->GetClass(CClassPont::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(doc->GetModelDB()->GetClass(CClassMemb::m_nClassID));
  UINT p[3];
  for (int i = 0; i < 3; ++i) {
    T_PONT_D pt;
    pt.storyKey = 1;
    pt.x = i * 6.0;
    p[i] = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(pt));
  }
  T_MEMB_D beam;
  beam.type = 201;
  beam.storyKey = 1;
  beam.points.Add(p[0]);
  beam.points.Add(p[1]);
  const UINT m = memb->GetNewKey();
  ASSERT_TRUE(memb->TR_Add(beam));
  T_GRUP_D g;
  ASSERT_TRUE(grup->Get(2, g));
  for (UINT k : p) g.points.Add(k);
  g.members.Add(m);
  ASSERT_TRUE(grup->TR_Modify(2, g));
  ASSERT_TRUE(memb->TR_Del(m));
  ASSERT_TRUE(pont->TR_Del(p[2]));
  ASSERT_TRUE(grup->Get(2, g));
  EXPECT_EQ(g.members.GetSize(), 0);
  ASSERT_EQ(g.points.GetSize(), 2);
  EXPECT_EQ(g.points[1], p[1]);
  EXPECT_TRUE(doc->Undo());
  ASSERT_TRUE(grup->Get(2, g));
  EXPECT_EQ(g.points.GetSize(), 3) << "the point's deletion and the group's change are one step";
}

}  // namespace
