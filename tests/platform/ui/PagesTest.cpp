// Pages in a placeholder: the tab control that hosts them (CDlgTabCtrl) and the page swapper
// (CDlgReplaceMgr).
#include <gtest/gtest.h>

#include "UiFixture.h"
#include "afx/CUserDriver.h"
#include "ui/CDlgChild.h"
#include "ui/CDlgReplaceMgr.h"
#include "ui/CDlgTabCtrl.h"
#include "ui/CInternationalDlg.h"

namespace {

int g_pages = 0;
class Page : public CDlgChild {
 public:
  Page() { ++g_pages; }
  ~Page() override { --g_pages; }
};

class TabsDlg : public CInternationalDlg {
 public:
  TabsDlg() : CInternationalDlg(IDD_UI_TABS, nullptr) {}
  CDlgTabCtrl m_tab;
  Page* a = new Page();
  Page* b = new Page();
  BOOL OnInitDialog() override {
    CInternationalDlg::OnInitDialog();
    m_tab.SubclassDlgItem(IDC_UI_TAB, this);
    m_tab.AddTab(a, "A", IDD_UI_PAGE_A, 1);  // before the placeholder is named
    m_tab.SetPlaceHolder(IDC_UI_PLACEHOLDER);
    m_tab.AddTab(b, "B", IDD_UI_PAGE_B, 1);
    return TRUE;
  }
};

using Pages = UiTest;

TEST_F(Pages, TabControlMakesPagesWhenFirstShownAndSwitchesWithTheUser) {
  g_pages = 0;
  {
    TabsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_UI_TABS, nullptr));
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(dlg.m_tab.GetTabCount(), 2);
    EXPECT_EQ(dlg.m_tab.GetItemCount(), 2);
    EXPECT_STREQ(dlg.m_tab.GetItemText(0), "A");
    EXPECT_EQ(dlg.m_tab.GetTab(0), dlg.a);
    EXPECT_EQ(dlg.m_tab.GetTab(1), dlg.b);
    EXPECT_EQ(dlg.m_tab.GetTab(2), nullptr);
    EXPECT_EQ(dlg.a->m_hWnd, nullptr) << "made when first shown";

    ASSERT_TRUE(dlg.m_tab.ShowTab(0));
    ASSERT_NE(dlg.a->m_hWnd, nullptr);
    EXPECT_EQ(dlg.b->m_hWnd, nullptr);
    EXPECT_TRUE(dlg.a->IsWindowVisible());
    EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_PLACEHOLDER)->IsWindowVisible());
    EXPECT_EQ(dlg.a->GetParent(), &dlg);
    CRect page, holder;
    dlg.a->GetWindowRect(&page);
    dlg.GetDlgItem(IDC_UI_PLACEHOLDER)->GetWindowRect(&holder);
    EXPECT_EQ(page, holder) << "on the placeholder's rectangle";

    CUserDriver user(&dlg);
    ASSERT_TRUE(user.SelectTab(IDC_UI_TAB, 1));
    EXPECT_EQ(dlg.m_tab.GetShownTab(), 1);
    EXPECT_TRUE(dlg.b->IsWindowVisible());
    EXPECT_FALSE(dlg.a->IsWindowVisible());
    EXPECT_NE(user.FindControl(IDC_UI_PAGE_CHECK), nullptr) << "the page's controls are the user's";

    EXPECT_FALSE(dlg.m_tab.ShowTab(2));
    EXPECT_EQ(dlg.m_tab.GetShownTab(), 1);
    dlg.DestroyWindow();
  }
  EXPECT_EQ(g_pages, 0) << "owned pages end with the tab control";
}

TEST_F(Pages, ReplaceManagerShowsByPageId) {
  g_pages = 0;
  Page kept;
  {
    CInternationalDlg dlg(IDD_UI_TABS, nullptr);
    ASSERT_TRUE(dlg.Create(IDD_UI_TABS, nullptr));
    dlg.ShowWindow(SW_SHOW);
    CDlgReplaceMgr mgr;
    mgr.SetPlaceHolder(&dlg, IDC_UI_PLACEHOLDER, IDC_UI_TAB);
    Page* owned = new Page();
    EXPECT_EQ(mgr.AddTab(owned, "", IDD_UI_PAGE_A, 1, 1), 0);
    EXPECT_EQ(mgr.AddTab(&kept, "", IDD_UI_PAGE_B, 0, 2), 1);
    EXPECT_TRUE(mgr.ShowTabByID(2));
    EXPECT_EQ(mgr.GetCurTab(), 1);
    EXPECT_TRUE(kept.IsWindowVisible());
    EXPECT_EQ(owned->m_hWnd, nullptr);
    EXPECT_TRUE(mgr.ShowTabByID(1));
    EXPECT_TRUE(owned->IsWindowVisible());
    EXPECT_FALSE(kept.IsWindowVisible());
    EXPECT_FALSE(mgr.ShowTabByID(3));
    EXPECT_EQ(mgr.GetCurTab(), 0);
    dlg.DestroyWindow();
  }
  EXPECT_EQ(g_pages, 1) << "the page added with 0 stays the caller's";
}

TEST_F(Pages, ReturnAndEscapeInAPageEndNothing) {
  CInternationalDlg dlg(IDD_UI_TABS, nullptr);
  ASSERT_TRUE(dlg.Create(IDD_UI_TABS, nullptr));
  Page page;
  ASSERT_TRUE(page.CreatePage(IDD_UI_PAGE_A, &dlg, CRect(0, 0, 100, 100)));
  page.SendMessage(WM_COMMAND, IDCANCEL, 0);
  page.SendMessage(WM_COMMAND, IDOK, 0);
  EXPECT_NE(page.m_hWnd, nullptr);
  dlg.DestroyWindow();
}

}  // namespace
