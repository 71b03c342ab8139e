// The automatic erection sequence through the factory: the default increment, Apply and
// Return writing and staying open, Close, the clamped range and the refusals.
#include "analysis/CAutoErectSeqDlg.h"
#include "tests/analysis/DesignSettingsFixture.h"

namespace {

using ErectSeqTest = DesignSettingsTest;

int Increment(CClassErsq& t) {
  T_ERSQ_D r;
  EXPECT_TRUE(t.Get(r));
  return r.increment;
}

TEST_F(ErectSeqTest, NoRecordShowsOneAndApplyCreatesItWithoutClosing) {
  EXPECT_EQ(Run("CAutoErectSeqDlg",
                [this](CDialog& d, CUserDriver& user) {
                  EXPECT_EQ(Text(d, IDC_ERSQ_INCREMENT), "1");
                  EXPECT_EQ(ersq->GetCount(), 0);
                  user.Click(IDC_ERSQ_APPLY);
                  EXPECT_EQ(ersq->GetCount(), 1);
                  user.Type(IDC_ERSQ_INCREMENT, "4");
                  user.Key(IDC_ERSQ_INCREMENT, VK_RETURN);
                  EXPECT_EQ(Increment(*ersq), 4) << "Return applies";
                  EXPECT_NE(CUserDriver::FindDialog(IDD_CMD_AUTO_ERECT_SEQ), nullptr) << "and stays open";
                  user.Click(IDC_ERSQ_CLOSE);
                }),
            IDCANCEL);
  EXPECT_EQ(Increment(*ersq), 4);
  EXPECT_EQ(LastMessage(), "");
}

TEST_F(ErectSeqTest, NumbersOutsideTheRangeAreClamped) {
  T_ERSQ_D r;
  r.lead = 7;
  r.increment = 3;
  ASSERT_TRUE(ersq->TR_Add(r));
  Run("CAutoErectSeqDlg", [this](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(Text(d, IDC_ERSQ_INCREMENT), "3");
    user.Type(IDC_ERSQ_INCREMENT, "0");
    user.Click(IDC_ERSQ_APPLY);
    EXPECT_EQ(Increment(*ersq), 1);
    user.Type(IDC_ERSQ_INCREMENT, "150");
    user.Click(IDC_ERSQ_APPLY);
    EXPECT_EQ(Increment(*ersq), 100);
    EXPECT_EQ(Text(d, IDC_ERSQ_INCREMENT), "100");
    user.Click(IDC_ERSQ_CLOSE);
  });
  T_ERSQ_D after;
  ASSERT_TRUE(ersq->Get(after));
  EXPECT_EQ(after.lead, 7) << "the leading value is carried through";
  EXPECT_TRUE(doc->Undo());
  EXPECT_EQ(Increment(*ersq), 1) << "each Apply is undone on its own";
}

TEST_F(ErectSeqTest, AnIncrementThatIsNoWholeNumberIsRefused) {
  Run("CAutoErectSeqDlg", [this](CDialog& d, CUserDriver& user) {
    user.Type(IDC_ERSQ_INCREMENT, "2.5");
    user.Click(IDC_ERSQ_APPLY);
    EXPECT_EQ(LastMessage(), Key("IDS_CMD_ERSQ_ERROR_Invalid_Increment"));
    EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_ERSQ_INCREMENT));
    EXPECT_EQ(ersq->GetCount(), 0) << "nothing written";
    user.Click(IDC_ERSQ_CLOSE);
  });
}

TEST_F(ErectSeqTest, ARefusedWriteIsTold) {
  Run("CAutoErectSeqDlg", [](CDialog&, CUserDriver& user) {
    CDBDoc* keep = CDBDoc::m_pDBDoc;
    CDBDoc::m_pDBDoc = nullptr;  // no document: nothing can be written
    user.Click(IDC_ERSQ_APPLY);
    CDBDoc::m_pDBDoc = keep;
    EXPECT_EQ(LastMessage(), Key("IDS_CMD_ERSQ_ERROR_Cannot_Save"));
    user.Click(IDC_ERSQ_CLOSE);
  });
  EXPECT_EQ(ersq->GetCount(), 0);
}

}  // namespace
