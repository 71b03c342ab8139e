#include <gtest/gtest.h>

#include <sstream>
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "view/I_ModelBase.h"

namespace {

TEST(HostMainWnd, IsTheThreadsMainWindowWhileTheAppLives) {
  {
    CHostApp app;
    EXPECT_EQ(AfxGetMainWnd(), &app.GetHostMainWnd());
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_TRUE(IsWindow(app.GetHostMainWnd().m_hWnd));
    CRect r;
    app.GetHostMainWnd().GetWindowRect(&r);
    EXPECT_EQ(r, CRect(0, 0, AFX_SCREEN_CX, AFX_SCREEN_CY));
  }
  EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

TEST(HostMainWnd, RecordsSentAndPostedCommandsOnceEach) {
  CHostApp app;
  std::ostringstream out;
  app.SetOutput(&out);
  CWnd* main = AfxGetMainWnd();
  main->PostMessage(WM_COMMAND, 33041, 0);
  main->SendMessage(WM_COMMAND, 34523, 0);
  ::PostMessage(main->m_hWnd, WM_COMMAND, MAKEWPARAM(33057, 0), 0);
  main->PostMessage(WM_CLOSE, 0, 0);  // not a command
  EXPECT_EQ(AfxPumpMessages(), 3);
  main->SendMessage(WM_COMMAND, 33041, 0);
  const std::vector<CHostCommand>& log = app.GetHostMainWnd().GetCommands();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(out.str(),
            "command 33041 posted\ncommand 34523 sent\ncommand 33057 posted\ncommand 33041 sent\n");
  EXPECT_TRUE(IsWindow(main->m_hWnd));  // WM_CLOSE leaves the main window alone
}

TEST(HostMainWnd, IsTheMainFrameAndDropsTheViewsSelectionOnItsCommand) {
  CHostApp app;
  EXPECT_EQ(I_MainFrameBase::GetMySelf(), &app.GetHostMainWnd());
  CWnd* bar = app.GetHostMainWnd().GetWorkSpaceBar();
  ASSERT_NE(bar, nullptr);
  CRect r;
  bar->GetWindowRect(&r);
  EXPECT_EQ(r, CRect(0, 100, 300, 900));
  CDBDoc doc(FALSE);
  doc.NewSampleModel();
  // Points 4 and 5 and members 4 and 5 on story 3: the selection holds existing objects only.
  DB_CDataBase* db = doc.GetModelDB();
  CArray<T_PONT_D> ps;
  CArray<T_MEMB_D> ms;
  for (UINT k = 4; k <= 6; ++k) {
    T_PONT_D p;
    p.key = k, p.x = k, p.storyKey = 3;
    ps.Add(p);
  }
  for (UINT k = 4; k <= 5; ++k) {
    T_MEMB_D m;
    m.key = k, m.type = 201, m.storyKey = 3;
    m.points.Add(k), m.points.Add(k + 1);
    ms.Add(m);
  }
  ASSERT_TRUE(static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID))->TR_Add(ps));
  ASSERT_TRUE(static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID))->TR_Add(ms));
  I_ModelBase view(&doc);
  I_ModelBase::SetCurMySelfST(&view);
  CViewCtrl* sel = db->GetViewCtrl();
  CUIntArray some, none;
  some.Add(4);
  some.Add(5);
  sel->Select(nullptr, some, some, none, none, 0, 0, 1);
  view.SetSelectedSegments(some);
  app.GetHostMainWnd().SendMessage(WM_COMMAND, 33057, 0);  // another command: kept
  CUIntArray keys;
  sel->GetAllSelectedMemb(keys);
  EXPECT_EQ(keys.GetSize(), 2);
  app.GetHostMainWnd().PostMessage(WM_COMMAND, I_MainFrameBase::CMD_REFRESH_UNSELECT, 0);
  AfxPumpMessages();
  sel->GetAllSelectedMemb(keys);
  EXPECT_EQ(keys.GetSize(), 0);
  sel->GetAllSelectedPont(keys);
  EXPECT_EQ(keys.GetSize(), 0);
  view.GetSelectedSegments(keys);
  EXPECT_EQ(keys.GetSize(), 0);
}

TEST(HostMessageLog, BoxesAndMessageWindowLinesInOneLogInOrder) {
  CHostApp app;
  std::ostringstream out;
  app.SetOutput(&out);
  AfxMessageBox("say \"hi\"\n", MB_OK | MB_ICONSTOP);
  app.MsgOut("line");
  AfxMessageBox("second");
  EXPECT_EQ(out.str(), "message \"say \\\"hi\\\"\\n\" 16\noutput \"line\"\nmessage \"second\" 0\n");
  const CHostMessageLog& log = app.GetMessages();
  ASSERT_EQ(log.GetCount(), 3);
  EXPECT_EQ(log.LastBox()->m_strText, "second");
  EXPECT_EQ(log.LastBox(1)->m_strText, "second");
  EXPECT_EQ(log.LastBox(3), nullptr);
  EXPECT_EQ(log.GetAt(1).m_kind, CHostMessage::output);
}

}  // namespace
