// The analysis control window through the factory (its page's fields, enabling, OK and
// Cancel, the "..." buttons), and the two pages it keeps unshown, run in a frame of the
// test's own: the analysis-type interlocks with their questions, and the iteration page.
#include <algorithm>
#include <string>
#include <vector>

#include "afx/AfxResource.h"
#include "analysis/CCmdAnalCtrlTabDlg.h"
#include "analysis/CCmdAnalNonlinearDlg.h"
#include "analysis/CCmdAnalPerfDlg.h"
#include "db/CClassActl.h"
#include "tests/analysis/DesignSettingsFixture.h"
#include "ui/GMsg.h"

namespace {

class AnalCtrlTest : public DesignSettingsTest {
 protected:
  void SetUp() override {
    DesignSettingsTest::SetUp();
    actl = static_cast<CClassActl*>(doc->GetModelDB()->GetClass(CClassActl::m_nClassID));
  }
  // Opens the window through the factory; NULL when it did not open.
  CDialog* OpenWindow() {
    EXPECT_EQ(ICmdDialog::DoModeless("CCmdAnalCtrlDlg", nullptr, nullptr), 1);
    return dynamic_cast<CDialog*>(CUserDriver::FindDialog(IDD_CMD_ANAL_CTRL));
  }
  static bool Enabled(CDialog& d, int id) {
    CUserDriver user(&d);
    return user.FindControl(id)->IsWindowEnabled();
  }
  static std::string TextOf(CDialog& d, int id) {
    CUserDriver user(&d);
    CString s;
    user.FindControl(id)->GetWindowText(s);
    return s.c_str();
  }
  static bool Checked(CDialog& d, int id) {
    CUserDriver user(&d);
    return user.FindControl(id)->SendMessage(BM_GETCHECK) == 1;
  }
  T_ACTL_D Stored() {
    T_ACTL_D r;
    EXPECT_TRUE(actl->Get(r));
    return r;
  }
  CClassActl* actl = nullptr;
};

TEST_F(AnalCtrlTest, WithoutARecordTheInitialValuesShowAndOkAddsIt) {
  CDialog* d = OpenWindow();
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(Checked(*d, IDC_ACTL_MFSG));
  EXPECT_TRUE(Checked(*d, IDC_ACTL_MEM_AUTO));
  EXPECT_EQ(TextOf(*d, IDC_ACTL_CPU), "1");
  EXPECT_EQ(TextOf(*d, IDC_ACTL_MEM), "512");
  EXPECT_FALSE(Enabled(*d, IDC_ACTL_CPU)) << "one CPU";
  EXPECT_FALSE(Enabled(*d, IDC_ACTL_MEM)) << "automatic memory";
  EXPECT_FALSE(Enabled(*d, IDC_ACTL_EIGEN_BTN));
  for (int id : {IDC_ACTL_STIFF_SHEAR, IDC_ACTL_STIFF_BENDING, IDC_ACTL_STIFF_RATIO}) EXPECT_FALSE(Checked(*d, id));
  EXPECT_EQ(ICmdDialog::DoModeless("CCmdAnalCtrlDlg", nullptr, nullptr), 1) << "a second request: the same window";
  EXPECT_EQ(CUserDriver::FindDialog(IDD_CMD_ANAL_CTRL), d);
  CUserDriver(d).Click(IDCANCEL);
  EXPECT_EQ(CUserDriver::FindDialog(IDD_CMD_ANAL_CTRL), nullptr);
  EXPECT_EQ(actl->GetCount(), 0) << "Cancel writes nothing";

  d = OpenWindow();
  CUserDriver(d).Click(IDOK);
  EXPECT_EQ(CUserDriver::FindDialog(IDD_CMD_ANAL_CTRL), nullptr) << "OK ends the window";
  const T_ACTL_D s = Stored();
  EXPECT_EQ(s.cpuCount, 1);
  EXPECT_EQ(s.memSize, 512);
  EXPECT_EQ(s.staticAnal, 1);
}

TEST_F(AnalCtrlTest, OkStoresThePageAndKeepsWhatItDoesNotShow) {
  T_ACTL_D r;
  r.solver = 7;
  r.reserved[0] = 11;
  r.reserved[2] = 13;
  r.wind = 1;
  r.seismic = 1;
  r.spectrum = 1;
  r.pushover = 1;
  r.stage = 1;
  r.staticAnal = 0;
  ASSERT_TRUE(actl->TR_Add(r));
  CDialog* d = OpenWindow();
  ASSERT_NE(d, nullptr);
  CUserDriver user(d);
  EXPECT_FALSE(Checked(*d, IDC_ACTL_MFSG));
  EXPECT_FALSE(Checked(*d, IDC_ACTL_SKYLINE));
  user.Check(user.FindControl(IDC_ACTL_MULTI_CPU), 1);
  EXPECT_TRUE(Enabled(*d, IDC_ACTL_CPU_SPIN));
  user.Type(user.FindControl(IDC_ACTL_CPU), "2.7");
  user.Check(user.FindControl(IDC_ACTL_MULTI_CPU), 0);
  EXPECT_FALSE(Enabled(*d, IDC_ACTL_CPU));
  EXPECT_FALSE(Enabled(*d, IDC_ACTL_CPU_SPIN));
  EXPECT_FALSE(Enabled(*d, IDC_ACTL_CPU_LABEL));
  user.Check(user.FindControl(IDC_ACTL_MEM_USER), 1);
  EXPECT_TRUE(Enabled(*d, IDC_ACTL_MEM_LABEL));
  user.Type(user.FindControl(IDC_ACTL_MEM), "511.9");
  user.Check(user.FindControl(IDC_ACTL_EIGEN), 1);
  EXPECT_TRUE(Enabled(*d, IDC_ACTL_EIGEN_BTN)) << "the button follows its box at once";
  user.Check(user.FindControl(IDC_ACTL_HISTORY), 1);
  user.Check(user.FindControl(IDC_ACTL_HISTORY), 0);
  EXPECT_FALSE(Enabled(*d, IDC_ACTL_HISTORY_BTN));
  user.Check(user.FindControl(IDC_ACTL_STIFF_RATIO), 1);
  user.Click(user.FindControl(IDOK));
  T_ACTL_D s = Stored();
  EXPECT_EQ(s.solver, 7) << "neither radio checked: kept";
  EXPECT_EQ(s.multiCpu, 0);
  EXPECT_EQ(s.cpuCount, 2) << "a disabled edit is read too, truncated";
  EXPECT_EQ(s.memMode, 1);
  EXPECT_EQ(s.memSize, 511);
  EXPECT_EQ(s.eigen, 1);
  EXPECT_EQ(s.history, 0);
  EXPECT_EQ(s.reserved[0], 11);
  EXPECT_EQ(s.reserved[2], 13);
  EXPECT_EQ(s.staticAnal, 0);
  EXPECT_EQ(s.wind + s.seismic + s.spectrum + s.pushover + s.stage, 5) << "fields the page does not show";

  // The next request shows what was saved; a text that is no number keeps its field.
  d = OpenWindow();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(TextOf(*d, IDC_ACTL_MEM), "511");
  EXPECT_FALSE(Checked(*d, IDC_ACTL_STIFF_RATIO)) << "the story-stiffness radios are not saved";
  CUserDriver again(d);
  again.Type(again.FindControl(IDC_ACTL_MEM), "lots");
  again.Click(again.FindControl(IDC_ACTL_SKYLINE));
  again.Click(again.FindControl(IDOK));
  s = Stored();
  EXPECT_EQ(s.memSize, 511);
  EXPECT_EQ(s.solver, 1);

  // OK was one undoable change; after an undo the window shows the record before it.
  doc->Undo();
  EXPECT_EQ(Stored().solver, 7);
  d = OpenWindow();
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(Checked(*d, IDC_ACTL_SKYLINE));
  CUserDriver(d).Click(IDCANCEL);
}

TEST_F(AnalCtrlTest, TheSettingsButtonsOpenTheDialogsAndSendTheTimeHistoryCommand) {
  T_ACTL_D r;
  r.eigen = r.pdelta = r.history = 1;
  ASSERT_TRUE(actl->TR_Add(r));
  CDialog* d = OpenWindow();
  ASSERT_NE(d, nullptr);
  CUserDriver user(d);
  for (UINT tmpl : {(UINT)IDD_CMD_ANAL_EIGV, (UINT)IDD_CMD_ANAL_PDELTA}) {
    bool opened = false;
    AfxQueueDialogScript([&](CDialog&) { opened = CUserDriver::FindDialog(tmpl) != nullptr; });
    user.Click(user.FindControl(tmpl == IDD_CMD_ANAL_EIGV ? IDC_ACTL_EIGEN_BTN : IDC_ACTL_PDELTA_BTN));
    EXPECT_TRUE(opened) << tmpl;
  }
  app->GetHostMainWnd().ClearCommands();
  user.Click(user.FindControl(IDC_ACTL_HISTORY_BTN));
  ASSERT_EQ(app->GetHostMainWnd().GetCommands().size(), 1u);
  EXPECT_EQ(app->GetHostMainWnd().GetCommands()[0].m_nID, 33158u);
  EXPECT_FALSE(app->GetHostMainWnd().GetCommands()[0].m_bPosted);
  user.Click(user.FindControl(IDCANCEL));
}

// ---- the unshown pages, in a frame of the test's own ----------------------------------------

const AFX_DLGITEM kFrameItems[] = {
    {"BUTTON", "OK", IDOK, 180, 230, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_CHILD | WS_VISIBLE, 0},
};
const AFX_DLGTEMPLATE kFrame = {0, "Page", 0, 0, 290, 250, DS_MODALFRAME | WS_POPUP | WS_CAPTION, 0, "宋体", 9,
                                kFrameItems, 1};

template <class Page>
int RunPage(Page& page, UINT nTemplate, const std::function<void(CDialog&, CUserDriver&)>& script) {
  struct Frame : CDialog {
    Page* page;
    UINT tmpl;
    BOOL OnInitDialog() override {
      CDialog::OnInitDialog();
      if (page->CreatePage(tmpl, this, CRect(0, 0, 280, 220))) page->ShowWindow(SW_SHOW);
      return TRUE;
    }
  } frame;
  frame.page = &page;
  frame.tmpl = nTemplate;
  frame.InitModalIndirect(&kFrame, nullptr);
  AfxQueueDialogScript([&](CDialog& dlg) {
    if (&dlg != &frame) return;
    CUserDriver user(&dlg);
    script(page, user);
  });
  return (int)frame.DoModal();
}

using Ids = std::vector<int>;

TEST_F(AnalCtrlTest, AnalysisTypeInterlocksAndTheirQuestions) {
  const std::string caption = Key("IDS_WG_CMD_ANAL_PERF_ANAL_CTRL_DATA");
  const std::string deleteQ = Key("IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_AND_DELETE_QUESTION");
  const std::string eigvQ = GMakeMsg("IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_EIGV_MSG",
                                     GMakeMsg("IDS_WG_CMD_ANAL_PERF_ANAL_Buckling_Analysis").c_str(),
                                     GMakeMsg("IDS_WG_CMD_ANAL_PERF_ANAL_Eigen_Value_Anlaysis").c_str())
                                .c_str();
  const std::string bucklingQ =
      GMakeMsg("IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_EIGV_MSG", "Eigen Value Anlaysis", "Buckling Analysis").c_str();
  const std::string pdeltaQ =
      GMakeMsg("IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_PDELTA_MSG", "Buckling Anlaysis", "P-Delta Analysis").c_str();
  struct Case {
    const char* what;
    Ids on;        // boxes stored as on
    Ids clicks;    // clicked in order; the last one is answered
    int answer;    // IDOK or IDCANCEL (0: no question expected)
    std::string question;
    Ids wantOn;    // exactly these boxes on afterwards
  } cases[] = {
      {"settlement on", {}, {IDC_PERF_SETTLE}, 0, "", {IDC_PERF_SETTLE, IDC_PERF_STATIC, IDC_PERF_SPECTRUM}},
      {"static off with pushover and time history, OK",
       {IDC_PERF_STATIC, IDC_PERF_PUSHOVER, IDC_PERF_HISTORY, IDC_PERF_EIGEN},
       {IDC_PERF_STATIC}, IDOK, deleteQ, {IDC_PERF_HISTORY, IDC_PERF_EIGEN}},
      {"eigenvalue off with pushover, Cancel",
       {IDC_PERF_STATIC, IDC_PERF_PUSHOVER, IDC_PERF_EIGEN, IDC_PERF_SPECTRUM},
       {IDC_PERF_EIGEN}, IDCANCEL, deleteQ,
       {IDC_PERF_STATIC, IDC_PERF_PUSHOVER, IDC_PERF_EIGEN, IDC_PERF_SPECTRUM}},
      {"eigenvalue on with buckling, Cancel", {}, {IDC_PERF_BUCKLING, IDC_PERF_EIGEN}, IDCANCEL, eigvQ,
       {IDC_PERF_BUCKLING, IDC_PERF_STATIC}},
      {"buckling on with eigenvalue, OK",
       {IDC_PERF_EIGEN, IDC_PERF_SPECTRUM, IDC_PERF_WIND, IDC_PERF_HISTORY, IDC_PERF_STAGE},
       {IDC_PERF_BUCKLING}, IDOK, bucklingQ, {IDC_PERF_BUCKLING, IDC_PERF_STATIC}},
      {"P-delta on with buckling, Cancel", {}, {IDC_PERF_BUCKLING, IDC_PERF_STATIC, IDC_PERF_PDELTA}, IDCANCEL,
       pdeltaQ, {IDC_PERF_BUCKLING}},
      {"P-delta on with buckling, OK", {}, {IDC_PERF_BUCKLING, IDC_PERF_STATIC, IDC_PERF_PDELTA}, IDOK, pdeltaQ,
       {IDC_PERF_PDELTA, IDC_PERF_STATIC}},
      {"response spectrum off drops settlement", {IDC_PERF_STATIC}, {IDC_PERF_SETTLE, IDC_PERF_SPECTRUM}, 0, "",
       {IDC_PERF_STATIC}},
  };
  const int all[] = {IDC_PERF_STATIC,  IDC_PERF_WIND,    IDC_PERF_SPECTRUM, IDC_PERF_SEISMIC,
                     IDC_PERF_PUSHOVER, IDC_PERF_EIGEN,  IDC_PERF_HISTORY,  IDC_PERF_PDELTA,
                     IDC_PERF_SETTLE,  IDC_PERF_BUCKLING, IDC_PERF_STAGE};
  const std::pair<int, int T_ACTL_D::*> fields[] = {
      {IDC_PERF_STATIC, &T_ACTL_D::staticAnal}, {IDC_PERF_WIND, &T_ACTL_D::wind},
      {IDC_PERF_SPECTRUM, &T_ACTL_D::spectrum}, {IDC_PERF_SEISMIC, &T_ACTL_D::seismic},
      {IDC_PERF_PUSHOVER, &T_ACTL_D::pushover}, {IDC_PERF_EIGEN, &T_ACTL_D::eigen},
      {IDC_PERF_HISTORY, &T_ACTL_D::history},   {IDC_PERF_PDELTA, &T_ACTL_D::pdelta},
      {IDC_PERF_STAGE, &T_ACTL_D::stage}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    T_ACTL_D rec;
    for (const auto& [id, field] : fields) rec.*field = 0;
    for (int id : c.on)
      for (const auto& [fid, field] : fields)
        if (fid == id) rec.*field = 1;
    CCmdAnalPerfDlg page(nullptr);
    page.SetRecord(&rec);
    RunPage(page, IDD_CMD_ANAL_PERF, [&](CDialog& p, CUserDriver& user) {
      EXPECT_FALSE(p.IsDlgButtonChecked(IDC_PERF_SETTLE)) << "no field: opens unchecked";
      EXPECT_FALSE(p.IsDlgButtonChecked(IDC_PERF_BUCKLING));
      EXPECT_FALSE(p.GetDlgItem(IDC_PERF_STAGE)->IsWindowVisible());
      for (size_t i = 0; i < c.clicks.size(); ++i) {
        if (i + 1 == c.clicks.size()) {
          AfxClearMessageLog();
          if (c.answer) AfxQueueMessageBoxAnswer(c.answer);
        }
        user.Click(p.GetDlgItem(c.clicks[i]));
      }
      if (c.answer) {
        ASSERT_EQ(AfxGetMessageCount(), 1) << "one question";
        const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
        EXPECT_EQ(m->text.c_str(), c.question);
        EXPECT_EQ(m->caption.c_str(), caption);
        EXPECT_EQ(m->style, (UINT)(MB_OKCANCEL | MB_ICONQUESTION));
      } else {
        EXPECT_EQ(AfxGetMessageCount(), 0);
      }
      for (int id : all) {
        const bool want = std::find(c.wantOn.begin(), c.wantOn.end(), id) != c.wantOn.end();
        EXPECT_EQ(p.IsDlgButtonChecked(id) == 1, want) << id;
      }
      page.Dlg2Data();
    });
    EXPECT_EQ(rec.staticAnal, std::find(c.wantOn.begin(), c.wantOn.end(), IDC_PERF_STATIC) != c.wantOn.end());
  }
}

TEST_F(AnalCtrlTest, AnalysisTypeSettingsButtons) {
  T_ACTL_D rec;
  CCmdAnalPerfDlg page(nullptr);
  page.SetRecord(&rec);
  RunPage(page, IDD_CMD_ANAL_PERF, [&](CDialog& p, CUserDriver& user) {
    const std::pair<int, UINT> commands[] = {{IDC_PERF_WIND_BTN, 32910},    {IDC_PERF_SPECTRUM_BTN, 32898},
                                             {IDC_PERF_SEISMIC_BTN, 32894}, {IDC_PERF_HISTORY_BTN, 33158},
                                             {IDC_PERF_SETTLE_BTN, 32921}};
    for (const auto& [id, cmd] : commands) {
      app->GetHostMainWnd().ClearCommands();
      user.Click(p.GetDlgItem(id));
      ASSERT_EQ(app->GetHostMainWnd().GetCommands().size(), 1u) << id;
      EXPECT_EQ(app->GetHostMainWnd().GetCommands()[0].m_nID, cmd);
    }
    app->GetHostMainWnd().ClearCommands();
    for (int id : {IDC_PERF_STATIC_BTN, IDC_PERF_PUSHOVER_BTN}) user.Click(p.GetDlgItem(id));
    EXPECT_TRUE(app->GetHostMainWnd().GetCommands().empty());
    const std::pair<int, UINT> dialogs[] = {{IDC_PERF_EIGEN_BTN, IDD_CMD_ANAL_EIGV},
                                            {IDC_PERF_PDELTA_BTN, IDD_CMD_ANAL_PDELTA},
                                            {IDC_PERF_BUCKLING_BTN, IDD_CMD_ANAL_BUCKLING}};
    for (const auto& [id, tmpl] : dialogs) {
      bool opened = false;
      AfxQueueDialogScript([&, t = tmpl](CDialog&) { opened = CUserDriver::FindDialog(t) != nullptr; });
      user.Click(p.GetDlgItem(id));
      EXPECT_TRUE(opened) << tmpl;
    }
  });
}

TEST_F(AnalCtrlTest, IterationPageEnablesByChoiceAndItsSpinsStepTheText) {
  CCmdAnalNonlinearDlg page(nullptr);
  RunPage(page, IDD_CMD_ANAL_NONLINEAR, [&](CDialog& p, CUserDriver& user) {
    EXPECT_TRUE(p.IsDlgButtonChecked(IDC_ANL_INCLUDE));
    EXPECT_TRUE(p.GetDlgItem(IDC_ANL_ITER)->IsWindowEnabled());
    EXPECT_FALSE(p.GetDlgItem(IDC_ANL_LC_ITER)->IsWindowEnabled());
    struct Step {
      const char* text;
      int delta;
      const char* want;
    } steps[] = {{"7abc", -1, "8"}, {"7abc", 1, "6"}, {"1", 1, "1"}, {"", -1, "1"}, {"2", 1, "1"}};
    for (const Step& s : steps) {
      p.SetDlgItemText(IDC_ANL_ITER, s.text);
      user.Spin(p.GetDlgItem(IDC_ANL_ITER_SPIN), s.delta);
      CString t;
      p.GetDlgItemText(IDC_ANL_ITER, t);
      EXPECT_EQ(std::string(t.c_str()), s.want) << s.text << " " << s.delta;
    }
    user.Check(p.GetDlgItem(IDC_ANL_EXCLUDE), 1);
    EXPECT_EQ(page.GetChoice(), 1);
    EXPECT_FALSE(p.GetDlgItem(IDC_ANL_ITER)->IsWindowEnabled());
    EXPECT_TRUE(p.GetDlgItem(IDC_ANL_LC_ITER)->IsWindowEnabled());
    // The iteration edits take formulas, shown as their value when they lose the focus.
    user.Type(p.GetDlgItem(IDC_ANL_LC_ITER), "=2*6");
    user.Type(p.GetDlgItem(IDC_ANL_LC_TOL), "0.5");
    CString t;
    p.GetDlgItemText(IDC_ANL_LC_ITER, t);
    EXPECT_EQ(std::string(t.c_str()), "12");
    user.Type(p.GetDlgItem(IDC_ANL_LC_ITER), "7abc");
    user.Type(p.GetDlgItem(IDC_ANL_LC_TOL), "0.5");
    p.GetDlgItemText(IDC_ANL_LC_ITER, t);
    EXPECT_EQ(std::string(t.c_str()), "7abc");
  });
}

}  // namespace
