// The dialog bases: placement (CDlgMove), the modeless base bound to a document
// (CDBDlgBase) with the document's modeless-dialog manager, and the update connector
// connected while a dialog's window lives.
#include <gtest/gtest.h>

#include "UiFixture.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CClassMdul.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgModelessMgr.h"

namespace {

using DialogBases = UiTest;

CRect MainClient(CWnd* main) {
  CRect r;
  main->GetClientRect(&r);
  main->ClientToScreen(&r);
  return r;
}

TEST_F(DialogBases, PlacementTypes) {
  const CRect area = MainClient(mainWnd.get());
  const CRect now(10, 20, 310, 220);  // 300 x 200
  struct Case {
    int type, x, y;
    CPoint topLeft;
  } cases[] = {
      {0, 4, 86, CPoint(10, 20)},
      {7, 4, 86, CPoint(10, 20)},
      {1, 4, 86, CPoint(area.left + 4, area.top + 86)},
      {1, 0, 0, area.TopLeft()},
      {2, 0, 0, CPoint(area.left + (area.Width() - 300) / 2, area.top + (area.Height() - 200) / 2)},
      {2, 5, -5, CPoint(area.left + (area.Width() - 300) / 2 + 5, area.top + (area.Height() - 200) / 2 - 5)},
      {3, 4, 86, CPoint(area.right - 4 - 300, area.top + 86)},
      // Kept within the screen.
      {1, 5000, 5000, CPoint(AFX_SCREEN_CX - 300, AFX_SCREEN_CY - 200)},
      {1, -5000, -5000, CPoint(0, 0)},
      {3, 5000, 0, CPoint(0, area.top)},
  };
  for (const Case& c : cases) {
    CRect r = CDlgMove::PlaceRect(c.type, c.x, c.y, now);
    EXPECT_EQ(r.TopLeft(), c.topLeft) << c.type << " " << c.x << " " << c.y;
    EXPECT_EQ(r.Size(), now.Size());
  }
  // A window larger than the screen keeps its top-left corner on it.
  CRect huge = CDlgMove::PlaceRect(1, 50, 50, CRect(0, 0, 3000, 2000));
  EXPECT_EQ(huge.TopLeft(), CPoint(0, 0));
}

TEST_F(DialogBases, PlacementWithoutMainWindowIsOnTheScreen) {
  AfxSetMainWnd(nullptr);
  CRect r = CDlgMove::PlaceRect(3, 4, 86, CRect(0, 0, 100, 50));
  EXPECT_EQ(r.TopLeft(), CPoint(AFX_SCREEN_CX - 4 - 100, 86));
  AfxSetMainWnd(mainWnd.get());
}

TEST_F(DialogBases, ModalDialogIsPlacedBeforeItShows) {
  CDlgMove dlg(IDD_UI_POPUP, nullptr);
  dlg.SetInitPos(1, 4, 86);
  CRect seen;
  BOOL visible = TRUE;
  AfxQueueDialogScript([&](CDialog& d) {
    d.GetWindowRect(&seen);
    visible = d.IsWindowVisible();
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  CRect area = MainClient(mainWnd.get());
  EXPECT_EQ(seen.TopLeft(), CPoint(area.left + 4, area.top + 86));
  EXPECT_TRUE(visible);
}

// ---- modeless dialogs on a document -----------------------------------------------------

int g_alive = 0;
class Modeless : public CDBDlgBase {
 public:
  Modeless() { ++g_alive; }
  ~Modeless() override { --g_alive; }
  BOOL m_bEndInInit = FALSE;
  BOOL OnInitDialog() override {
    CDBDlgBase::OnInitDialog();
    if (m_bEndInInit) DestroyWindow();
    return TRUE;
  }
};

TEST_F(DialogBases, CreateEntersTheDialogUntilItsWindowEnds) {
  g_alive = 0;
  CDlgModelessMgr* mgr = doc->GetDlgCtrl();
  ASSERT_NE(mgr, nullptr);
  EXPECT_EQ(mgr->GetDoc(), doc.get());
  auto* dlg = new Modeless();
  ASSERT_TRUE(dlg->Create(55, IDD_UI_POPUP, nullptr));
  EXPECT_EQ(dlg->m_pDBDoc, doc.get()) << "no document given: the current one";
  EXPECT_EQ(mgr->GetDlg(55), dlg);
  EXPECT_EQ(dlg->GetDlgID(), 55u);
  EXPECT_EQ(dlg->GetTemplateID(), IDD_UI_POPUP);

  auto* second = new Modeless();
  EXPECT_FALSE(second->Create(55, IDD_UI_POPUP, nullptr)) << "one dialog per id and document";
  EXPECT_EQ(second->m_hWnd, nullptr);
  delete second;

  dlg->ShowWindow(SW_SHOW);
  CUserDriver(dlg).Click(IDCANCEL);
  EXPECT_EQ(g_alive, 0) << "Cancel ended the window and the object";
  EXPECT_EQ(mgr->GetDlg(55), nullptr);
}

TEST_F(DialogBases, OkReadsThenEnds) {
  g_alive = 0;
  auto* dlg = new Modeless();
  ASSERT_TRUE(dlg->Create(56, IDD_UI_POPUP, nullptr));
  dlg->ShowWindow(SW_SHOW);
  CUserDriver(dlg).Click(IDOK);
  EXPECT_EQ(g_alive, 0);
}

TEST_F(DialogBases, FailedCreateLeavesTheObjectToTheCaller) {
  g_alive = 0;
  auto* missing = new Modeless();
  EXPECT_FALSE(missing->Create(57, 12345, nullptr));
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(57), nullptr);
  EXPECT_EQ(g_alive, 1);
  delete missing;

  auto* quitter = new Modeless();
  quitter->m_bEndInInit = TRUE;
  EXPECT_FALSE(quitter->Create(58, IDD_UI_POPUP, nullptr)) << "its window ended while it was made";
  EXPECT_EQ(g_alive, 1) << "not deleted behind the caller's back";
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(58), nullptr);
  delete quitter;
  EXPECT_EQ(g_alive, 0);
}

TEST_F(DialogBases, DocumentEndEndsItsModelessDialogs) {
  g_alive = 0;
  for (UINT id : {60u, 61u}) ASSERT_TRUE((new Modeless())->Create(id, IDD_UI_POPUP, nullptr));
  EXPECT_EQ(doc->GetDlgCtrl()->GetCount(), 2);
  doc.reset();
  EXPECT_EQ(g_alive, 0);
  EXPECT_EQ(CUserDriver::FindDialog(IDD_UI_POPUP), nullptr);
}

TEST_F(DialogBases, NoDocumentNoWindow) {
  CDBDoc::m_pDBDoc = nullptr;
  Modeless dlg;
  EXPECT_FALSE(dlg.Create(62, IDD_UI_POPUP, nullptr));
  CDBDoc::m_pDBDoc = doc.get();
}

// ---- update connector ---------------------------------------------------------------------

int g_updates = 0;
class Follower : public CDBDlgBase, public CDBUpdateConnector {
 public:
  void OnDBUpdate(const DB_CDataBase& db) override {
    ++g_updates;
    EXPECT_EQ(&db, GetConnectedDB());
    EXPECT_TRUE(db.HasUpdateRecords());
  }
  void OnHint(LPARAM, CObject*) override { ++hints; }
  int hints = 0;
};

BOOL AddTower(CDBDoc& d, const char* name) {
  CClassMdul mdul;
  mdul.ConnectToDB(d.GetModelDB());
  T_MDUL_D m;
  m.name = name;
  return mdul.TR_Add(m);
}

TEST_F(DialogBases, ConnectorFollowsItsDocumentWhileTheWindowLives) {
  g_updates = 0;
  auto* dlg = new Follower();
  EXPECT_FALSE(dlg->IsConnected()) << "no window yet";
  ASSERT_TRUE(AddTower(*doc, "T2"));
  EXPECT_EQ(g_updates, 0);
  ASSERT_TRUE(dlg->Create(70, IDD_UI_POPUP, nullptr));
  EXPECT_TRUE(dlg->IsConnected());
  ASSERT_TRUE(AddTower(*doc, "T3"));
  EXPECT_EQ(g_updates, 1);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(g_updates, 2) << "undo reaches it too";
  {
    CDBDoc other;  // current now; the dialog stays with its own document
    ASSERT_TRUE(AddTower(other, "T9"));
    EXPECT_EQ(g_updates, 2);
  }
  CDBDoc::m_pDBDoc = doc.get();
  dlg->DestroyWindow();
  ASSERT_TRUE(AddTower(*doc, "T4"));
  EXPECT_EQ(g_updates, 2) << "disconnected with its window";
}

}  // namespace
