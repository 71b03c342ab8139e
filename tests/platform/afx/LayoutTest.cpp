// Geometry: dialog units, window and client rectangles, coordinates, moving, hiding and
// stacking controls, scroll ranges.
#include "WndTestSupport.h"

namespace {
class LayoutTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    ASSERT_TRUE(dlg.Create(IDD_TEST_ALL));
    dlg.ShowWindow(SW_SHOW);
  }
  void TearDown() override {
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  CRect ScreenRect(int id) {
    CRect r;
    dlg.GetDlgItem(id)->GetWindowRect(&r);
    return r;
  }
  CRect ClientRectOf(int id) {
    CRect r = ScreenRect(id);
    dlg.ScreenToClient(&r);
    return r;
  }
  CRecordingDlg dlg;
};

TEST_F(LayoutTest, DialogUnitsAndFrames) {
  struct Case {
    int dlu, x, y;
  } cases[] = {{0, 0, 0}, {1, 2, 2}, {4, 6, 7}, {7, 11, 11}, {14, 21, 23}, {50, 75, 81}, {320, 480, 520}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.x, AfxDluToPixelX(c.dlu)) << c.dlu;
    EXPECT_EQ(c.y, AfxDluToPixelY(c.dlu)) << c.dlu;
  }
  // 320 x 220 dialog units of client area, a modal frame and a caption around them.
  CRect client, window;
  dlg.GetClientRect(&client);
  dlg.GetWindowRect(&window);
  EXPECT_EQ(CRect(0, 0, 480, 358), client);
  EXPECT_EQ(480 + 2 * GetSystemMetrics(SM_CXDLGFRAME), window.Width());
  EXPECT_EQ(358 + 2 * GetSystemMetrics(SM_CXDLGFRAME) + GetSystemMetrics(SM_CYCAPTION), window.Height());
  // PUSHBUTTON at 7, 7, 50, 14.
  EXPECT_EQ(CRect(11, 11, 11 + 75, 11 + 23), ClientRectOf(IDC_BUTTON));
  CPoint origin(0, 0);
  dlg.ClientToScreen(&origin);
  EXPECT_EQ(CPoint(window.left + GetSystemMetrics(SM_CXDLGFRAME), window.top + GetSystemMetrics(SM_CXDLGFRAME) + GetSystemMetrics(SM_CYCAPTION)), origin);
  EXPECT_EQ(AFX_COMBO_CY, ScreenRect(IDC_DROPLIST).Height()) << "closed height, not the list's";
}

TEST_F(LayoutTest, MoveWindowAndSetWindowPosFlags) {
  CWnd* edit = dlg.GetDlgItem(IDC_EDIT);
  edit->MoveWindow(5, 6, 70, 20);
  EXPECT_EQ(CRect(5, 6, 75, 26), ClientRectOf(IDC_EDIT));
  edit->SetWindowPos(nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(CRect(50, 60, 120, 80), ClientRectOf(IDC_EDIT));
  edit->SetWindowPos(nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(CRect(50, 60, 60, 70), ClientRectOf(IDC_EDIT));
  edit->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW);
  EXPECT_FALSE(edit->IsWindowVisible());
  // Moving the dialog moves its controls on the screen, not in its client area.
  CRect before = ScreenRect(IDC_BUTTON);
  CRect w;
  dlg.GetWindowRect(&w);
  dlg.MoveWindow(w.left + 100, w.top + 40, w.Width(), w.Height());
  CRect after = ScreenRect(IDC_BUTTON);
  EXPECT_EQ(before.left + 100, after.left);
  EXPECT_EQ(before.top + 40, after.top);
}

TEST_F(LayoutTest, VisibleOnlyWithEveryParent) {
  CWnd* check = dlg.GetDlgItem(IDC_CHECK);
  EXPECT_TRUE(check->IsWindowVisible());
  dlg.ShowWindow(SW_HIDE);
  EXPECT_FALSE(check->IsWindowVisible());
  EXPECT_TRUE(check->GetStyle() & WS_VISIBLE) << "its own flag is kept";
  dlg.ShowWindow(SW_SHOW);
  EXPECT_TRUE(check->IsWindowVisible());
  EXPECT_FALSE(check->EnableWindow(FALSE)) << "was enabled";
  EXPECT_TRUE(check->EnableWindow(TRUE)) << "was disabled";
}

// Stacking: groups of controls placed one below the other, a hidden group taking no room,
// as a tool window lays out the options of its current mode.
TEST_F(LayoutTest, StackingGroupsSkipsHiddenOnes) {
  std::vector<std::vector<int>> groups = {{IDC_CHECK}, {IDC_GROUP, IDC_RADIO1, IDC_RADIO2, IDC_RADIO3}, {IDC_LISTBOX}};
  auto area = [&](const std::vector<int>& g) {
    CRect u = ScreenRect(g[0]);
    for (int id : g) u.UnionRect(u, ScreenRect(id));
    return u;
  };
  for (int id : groups[1]) dlg.GetDlgItem(id)->ShowWindow(SW_HIDE);
  const int gap = 5;
  CRect below = ScreenRect(IDC_BUTTON);
  for (auto& g : groups) {
    if (!dlg.GetDlgItem(g[0])->IsWindowVisible()) continue;
    CRect a = area(g);
    int dy = below.bottom + gap - a.top;
    for (int id : g) {
      CRect r = ClientRectOf(id);
      r.OffsetRect(0, dy);
      dlg.GetDlgItem(id)->MoveWindow(&r);
    }
    below = area(g);
  }
  EXPECT_EQ(ScreenRect(IDC_BUTTON).bottom + gap, ScreenRect(IDC_CHECK).top);
  EXPECT_EQ(ScreenRect(IDC_CHECK).bottom + gap, ScreenRect(IDC_LISTBOX).top);
}

TEST_F(LayoutTest, ScrollInfoIsClampedToRangeAndPage) {
  auto* bar = static_cast<CScrollBar*>(dlg.GetDlgItem(IDC_SCROLLBAR));
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 1;
  si.nMax = 302;
  si.nPage = 200;
  si.nPos = 250;
  bar->SetScrollInfo(&si);
  SCROLLINFO out;
  out.fMask = SIF_ALL;
  bar->GetScrollInfo(&out);
  EXPECT_EQ(1, out.nMin);
  EXPECT_EQ(302, out.nMax);
  EXPECT_EQ(200u, out.nPage);
  EXPECT_EQ(103, out.nPos) << "the last page ends at the maximum";
  bar->SetScrollPos(-5);
  EXPECT_EQ(1, bar->GetScrollPos());
  EXPECT_EQ(103, bar->GetScrollLimit());
}

TEST_F(LayoutTest, ChildrenInTemplateOrderAndZOrderChanges) {
  std::vector<int> ids;
  for (CWnd* c = dlg.GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT)) ids.push_back(c->GetDlgCtrlID());
  ASSERT_EQ(19u, ids.size());
  EXPECT_EQ(IDC_BUTTON, ids.front());
  EXPECT_EQ(IDOK, ids[1]);
  EXPECT_EQ(IDC_SLIDER, ids.back());
  dlg.GetDlgItem(IDC_BUTTON)->SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(IDOK, dlg.GetWindow(GW_CHILD)->GetDlgCtrlID());
  EXPECT_EQ(nullptr, dlg.GetDlgItem(IDC_BUTTON)->GetWindow(GW_HWNDNEXT));
  EXPECT_EQ("BUTTON", dlg.GetDlgItem(IDOK)->GetWindowClassName());
  EXPECT_EQ("STATIC", dlg.GetDlgItem(IDC_PICTURE)->GetWindowClassName()) << "written \"Static\" in the script";
  EXPECT_EQ(&dlg, dlg.GetDlgItem(IDOK)->GetParent());
  EXPECT_TRUE(dlg.IsChild(dlg.GetDlgItem(IDOK)));
}

TEST_F(LayoutTest, TabDisplayArea) {
  auto* tab = static_cast<CTabCtrl*>(dlg.GetDlgItem(IDC_TAB));
  CRect r(0, 0, 200, 100);
  tab->AdjustRect(FALSE, &r);
  EXPECT_EQ(CRect(AFX_TAB_MARGIN, AFX_TAB_ROW_CY, 200 - AFX_TAB_MARGIN, 100 - AFX_TAB_MARGIN), r);
  tab->AdjustRect(TRUE, &r);
  EXPECT_EQ(CRect(0, 0, 200, 100), r);
}
}  // namespace
