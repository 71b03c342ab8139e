// The static load cases of the sample, the load-case drop-down following its table, the
// one-record rigid-zone table, and notifications that carry a hint and no update records.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afx/AfxSystem.h"
#include "afx/CUserDriver.h"
#include "afx/afxwin.h"
#include "db/CClassMctl.h"
#include "db/CClassPzef.h"
#include "db/CClassStld.h"
#include "db/CDBDoc.h"
#include "db/CSelectLC.h"
#include "tests/platform/db/DbFixture.h"

namespace {

class LoadCaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxDiscardQueuedMessages();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    stld = static_cast<CClassStld*>(doc->GetModelDB()->GetClass(CClassStld::m_nClassID));
    ASSERT_TRUE(dlg.CreateEx(0, "#32770", "test", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
  }
  void TearDown() override {
    dlg.DestroyWindow();
    doc.reset();
    EXPECT_EQ(0, AfxGetWindowCount());
  }
  void Make(CSelectLC& c) {
    ASSERT_TRUE(c.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(0, 0, 120, 200), &dlg, 100));
  }
  static std::string Items(const CComboBox& c) {
    std::string s;
    for (int i = 0; i < c.GetCount(); ++i) {
      CString t;
      c.GetLBText(i, t);
      s += (s.empty() ? "" : ",") + std::string(t.c_str()) + "=" + std::to_string(c.GetItemData(i));
    }
    return s;
  }
  std::unique_ptr<CDBDoc> doc;
  CClassStld* stld = nullptr;
  CWnd dlg;
};

TEST_F(LoadCaseTest, TheSampleHoldsDeadAndLiveCasesNamedByItsModelControlRecord) {
  T_STLD_D dl, ll;
  ASSERT_TRUE(stld->Get(1u, dl));
  ASSERT_TRUE(stld->Get(2u, ll));
  EXPECT_EQ("DL", std::string(dl.name.c_str()));
  EXPECT_EQ("LL", std::string(ll.name.c_str()));
  EXPECT_EQ(2, stld->GetCount());
  T_MCTL_D c;
  auto* mctl = static_cast<CClassMctl*>(doc->GetModelDB()->GetClass(CClassMctl::m_nClassID));
  ASSERT_TRUE(mctl->Get(c));
  EXPECT_EQ(1u, c.loadMass.dlCase);
  EXPECT_EQ(2u, c.loadMass.llCase);
  EXPECT_EQ(1u, c.loadMass.selfWeightCase);
  // A new model has none, and nothing of the sample is left for undo.
  EXPECT_FALSE(doc->GetModelDB()->CanUndo());
  doc->NewModel();
  EXPECT_EQ(0, stld->GetCount());
}

TEST_F(LoadCaseTest, TheDropDownListsStaticCasesOnlyOnceAskedAndFollowsTheTable) {
  CSelectLC lc;
  Make(lc);
  EXPECT_EQ("", Items(lc));  // no kind chosen yet
  lc.SetLoadType(1, 0, 1, 0);
  EXPECT_EQ("DL=1,LL=2", Items(lc));

  int kind = -1;
  UINT key = 99;
  EXPECT_FALSE(lc.GetSelectedLoad(kind, key));
  EXPECT_EQ(0, kind);
  EXPECT_EQ(0u, key);
  EXPECT_TRUE(lc.ChangeSelect(1, 2u, 0));
  EXPECT_TRUE(lc.GetSelectedLoad(kind, key));
  EXPECT_EQ(1, kind);
  EXPECT_EQ(2u, key);

  // Renaming the selected case keeps it selected; adding one lists it.
  T_STLD_D ll;
  ASSERT_TRUE(stld->Get(2u, ll));
  ll.name = "LIVE";
  ASSERT_TRUE(stld->TR_Modify(2u, ll));
  T_STLD_D w;
  w.name = "WX";
  ASSERT_TRUE(stld->TR_Add(w));
  EXPECT_EQ("DL=1,LIVE=2,WX=3", Items(lc));
  EXPECT_TRUE(lc.GetSelectedLoad(kind, key));
  EXPECT_EQ(2u, key);

  // Deleting it, or asking for a case that is not listed or of another kind, selects none.
  ASSERT_TRUE(stld->TR_Del(2u));
  EXPECT_FALSE(lc.GetSelectedLoad(kind, key));
  EXPECT_TRUE(lc.ChangeSelect(1, 1u));
  EXPECT_FALSE(lc.ChangeSelect(1, 2u));
  EXPECT_FALSE(lc.GetSelectedLoad(kind, key));
  EXPECT_TRUE(lc.ChangeSelect(1, 3u));
  EXPECT_FALSE(lc.ChangeSelect(2, 3u));
  EXPECT_FALSE(lc.GetSelectedLoad(kind, key));
}

TEST_F(LoadCaseTest, NamesAreUniqueAndTheCasesSurviveAModelFile) {
  T_STLD_D dup;
  dup.name = "DL";
  EXPECT_FALSE(stld->TR_Add(dup));
  EXPECT_EQ(2, stld->GetCount());

  CString path = ::testing::TempDir().c_str();
  path += "loadcases.zel";
  CString err;
  ASSERT_TRUE(doc->SaveModel(path.c_str(), err)) << err.c_str();
  CString before, after;
  ASSERT_TRUE(doc->DumpTable("STLD", before));
  doc->NewModel();
  ASSERT_TRUE(doc->OpenModel(path.c_str(), err)) << err.c_str();
  ASSERT_TRUE(doc->DumpTable("STLD", after));
  EXPECT_EQ(std::string(before.c_str()), std::string(after.c_str()));
}

TEST_F(LoadCaseTest, TheRigidZoneRecordIsOneRecordWithItsDefaults) {
  auto* pzef = static_cast<CClassPzef*>(doc->GetModelDB()->GetClass(CClassPzef::m_nClassID));
  T_PZEF_D rec;
  EXPECT_FALSE(pzef->Get(rec));
  rec.Initialize();
  EXPECT_EQ(1, rec.beamRigidZone);
  EXPECT_EQ(1, rec.beamForcePos);
  rec.colmFactor = 0.5;
  ASSERT_TRUE(pzef->TR_Add(rec));
  rec.beamFactor = 0.25;
  ASSERT_TRUE(pzef->TR_Add(rec));  // replaces, never a second record
  EXPECT_EQ(1, pzef->GetCount());
  T_PZEF_D got;
  ASSERT_TRUE(pzef->Get(got));
  EXPECT_EQ(0.25, got.beamFactor);
  EXPECT_EQ(0.5, got.colmFactor);
}

// The views hook and the listeners both hear UpdateAllViews; the listeners see no update
// records, even right after a transaction, and nothing is written or undoable.
TEST_F(LoadCaseTest, UpdateAllViewsReachesTheViewsAndTheListenersWithoutUpdateRecords) {
  static std::vector<LPARAM> s_views;
  s_views.clear();
  CDBDoc::VIEWS_HOOK old = CDBDoc::SetViewsHook([](CDBDoc*, CView*, LPARAM h, CObject*) { s_views.push_back(h); });
  RecordingListener listener;
  listener.ConnectDB(doc->GetModelDB());
  T_STLD_D w;
  w.name = "WX";
  ASSERT_TRUE(stld->TR_Add(w));
  EXPECT_EQ(3, listener.lastHint);
  EXPECT_EQ(1u, listener.seen.size());
  const int undo = doc->GetModelDB()->GetUndoCount();

  doc->UpdateAllViews(nullptr, 11);
  EXPECT_EQ(std::vector<LPARAM>{11}, s_views);
  EXPECT_EQ(2, listener.calls);
  EXPECT_EQ(11, listener.lastHint);
  EXPECT_TRUE(listener.seen.empty());
  EXPECT_EQ(undo, doc->GetModelDB()->GetUndoCount());

  // A listener that sends a hint while it is being told one reaches nobody a second time.
  listener.onCall = [&] { doc->UpdateAllViews(nullptr, 12); };
  doc->UpdateAllViews(nullptr, 11);
  EXPECT_EQ(3, listener.calls);
  CDBDoc::SetViewsHook(old);
}

}  // namespace
