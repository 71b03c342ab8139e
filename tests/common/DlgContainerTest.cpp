// The scrolling dialog container around pages of known size: trimming, the sizes of the
// container and its scroll bar, scrolling to both ends, size changes of the page, and the
// keys of a page reaching the container.
#include <gtest/gtest.h>

#include <functional>

#include "afx/AfxScript.h"
#include "afx/AfxStyles.h"
#include "afx/CDynLinkLibrary.h"
#include "afx/CScrollBar.h"
#include "afx/CUserDriver.h"
#include "common/CCmdDlgContainer.h"
#include "common/CCmdDlgContainerChild.h"
#include "common/CCmdScrollDlgChild.h"
#include "frame/VurCmdEntry.h"
#include "res/resource.h"

namespace {

enum : int { IDD_TALL = 900, IDD_SHORT = 901, IDC_TOP = 9001, IDC_BODY = 9002 };

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kPage = WS_CHILD | DS_CONTROL;
// Controls from (15, 16) px: a tall page ends at 316 (300 px of controls), a short one at
// 166 (150 px); both 150 px wide. The templates are larger than their controls.
const AFX_DLGITEM kTallItems[] = {
    {"EDIT", "", IDC_TOP, 10, 10, 100, 4, kChild, 0},
    {"STATIC", "", IDC_BODY, 10, 14, 100, 180, kChild, 0},
};
const AFX_DLGITEM kShortItems[] = {
    {"EDIT", "", IDC_TOP, 10, 10, 100, 4, kChild, 0},
    {"STATIC", "", IDC_BODY, 10, 14, 100, 88, kChild, 0},
};
const AFX_DLGTEMPLATE kPages[] = {
    {IDD_TALL, "tall", 0, 0, 200, 260, kPage, 0, "", 9, kTallItems, 2},
    {IDD_SHORT, "short", 0, 0, 200, 260, kPage, 0, "", 9, kShortItems, 2},
};
const AFX_RESOURCE_TABLE kTable = {"test_dlg_container", kPages, 2, nullptr, 0};

class DlgContainerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    _Init_VUR_cmddll();
    AfxRegisterResourceTable(&kTable);
    static AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, "test_dlg_container"));
    new CDynLinkLibrary(module, FALSE);
  }
  void TearDown() override { AfxClearScriptQueue(); }

  // Runs a container on a page of tmpl (0: none) with that limit; act sees it open.
  INT_PTR Run(UINT tmpl, int limit, const std::function<void(CCmdDlgContainer&, CUserDriver&)>& act) {
    CCmdDlgContainer dlg(nullptr, 0);
    if (tmpl) dlg.SetDialog(new CCmdScrollDlgChild(tmpl, nullptr), "page", 1);
    dlg.SetMaxHeight(limit);
    AfxQueueDialogScript([&](CDialog&) {
      CUserDriver user(&dlg);
      act(dlg, user);
    });
    return dlg.DoModal();
  }
  static CScrollBar* Bar(CCmdDlgContainer& d) { return static_cast<CScrollBar*>(d.GetDlgItem(IDC_CONTAINER_SCROLLBAR)); }
  static CRect Rect(CWnd* w) {
    CRect r;
    w->GetWindowRect(&r);
    return r;
  }
  static SCROLLINFO Info(CCmdDlgContainer& d) {
    SCROLLINFO si;
    si.cbSize = sizeof si;
    Bar(d)->GetScrollInfo(&si, SIF_ALL);
    return si;
  }
  // The page's top in the inner window.
  static int PageTop(CCmdDlgContainer& d) {
    CRect r = Rect(d.GetDialog());
    d.GetInnerWnd()->ScreenToClient(&r);
    return r.top;
  }
};

TEST_F(DlgContainerTest, WithoutAPageNoScrollBar) {
  Run(0, 200, [](CCmdDlgContainer& d, CUserDriver&) {
    EXPECT_FALSE(Bar(d)->IsWindowVisible());
    ASSERT_NE(d.GetInnerWnd(), nullptr);
    EXPECT_TRUE(d.GetInnerWnd()->m_hWnd != nullptr);
  });
}

TEST_F(DlgContainerTest, ATallPageGetsABarAndTheContainerItsLimit) {
  Run(IDD_TALL, 200, [](CCmdDlgContainer& d, CUserDriver&) {
    // Trimmed to its controls: 150 x 300, the controls flush with its corner.
    CRect page = Rect(d.GetDialog());
    EXPECT_EQ(page.Width(), 150);
    EXPECT_EQ(page.Height(), 300);
    CRect top = Rect(d.GetDialog()->GetDlgItem(IDC_TOP));
    EXPECT_EQ(top.TopLeft(), page.TopLeft());
    EXPECT_TRUE(Bar(d)->IsWindowVisible());
    EXPECT_EQ(Rect(Bar(d)).Width(), 16);
    SCROLLINFO si = Info(d);
    EXPECT_EQ(si.nMin, 1);
    EXPECT_EQ(si.nMax, 302);
    EXPECT_EQ((int)si.nPage, 200);
    EXPECT_EQ(si.nPos, 1);
    CRect win = Rect(&d);
    EXPECT_EQ(win.Height(), 248);
    EXPECT_EQ(win.Width(), 151 + 46);
    CRect inner = Rect(d.GetInnerWnd());
    EXPECT_EQ(inner.Height(), 200);
  });
}

TEST_F(DlgContainerTest, AShortPageGetsNoBar) {
  Run(IDD_SHORT, 200, [](CCmdDlgContainer& d, CUserDriver&) {
    EXPECT_FALSE(Bar(d)->IsWindowVisible());
    EXPECT_EQ(Rect(&d).Height(), 199);
    EXPECT_EQ(Rect(&d).Width(), 151 + 30);
  });
}

TEST_F(DlgContainerTest, ScrollingStopsAtBothEnds) {
  Run(IDD_TALL, 200, [](CCmdDlgContainer& d, CUserDriver& u) {
    CWnd* bar = Bar(d);
    ASSERT_EQ(1, u.Scroll(bar, SB_CTL, SB_PAGEUP));
    EXPECT_EQ(Info(d).nPos, 1) << "page up from 1 stays";
    EXPECT_EQ(PageTop(d), 0);
    ASSERT_EQ(1, u.Scroll(bar, SB_CTL, SB_LINEDOWN));
    EXPECT_EQ(Info(d).nPos, 6);
    EXPECT_EQ(PageTop(d), -5);
    ASSERT_EQ(1, u.Scroll(bar, SB_CTL, SB_THUMBTRACK, 500));
    EXPECT_EQ(Info(d).nPos, 102) << "the end: range maximum less the page";
    EXPECT_EQ(PageTop(d), -101);
    ASSERT_EQ(1, u.Scroll(bar, SB_CTL, SB_LINEDOWN));
    EXPECT_EQ(Info(d).nPos, 102) << "line down at the end stays";
    EXPECT_EQ(PageTop(d), -101);
    ASSERT_EQ(1, u.Scroll(bar, SB_CTL, SB_PAGEUP));
    EXPECT_EQ(Info(d).nPos, 1);
    EXPECT_EQ(PageTop(d), 0);
  });
}

TEST_F(DlgContainerTest, APageThatGrowsOrShrinksResizesTheContainer) {
  Run(IDD_SHORT, 200, [](CCmdDlgContainer& d, CUserDriver&) {
    // Grown past the limit: the bar appears, the container stops at the limit.
    d.GetDialog()->SetWindowPos(nullptr, 0, 0, 150, 300, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(Bar(d)->IsWindowVisible());
    EXPECT_EQ(Rect(&d).Height(), 248);
    // Shrunk again: no bar, the page back at the top, the inner window just around it.
    d.GetDialog()->SetWindowPos(nullptr, 0, 0, 150, 100, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_FALSE(Bar(d)->IsWindowVisible());
    EXPECT_EQ(Rect(&d).Height(), 149);
    EXPECT_EQ(PageTop(d), 0);
    EXPECT_EQ(Rect(d.GetInnerWnd()).Height(), 101);
  });
  // Without a limit the placeholder follows the page and the container grows by as much.
  Run(IDD_SHORT, 0, [](CCmdDlgContainer& d, CUserDriver&) {
    int before = Rect(&d).Height();
    d.GetDialog()->SetWindowPos(nullptr, 0, 0, 150, 250, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(Rect(&d).Height(), before + 250 - 151);
    EXPECT_EQ(Rect(d.GetInnerWnd()).Height(), 250);
  });
}

TEST_F(DlgContainerTest, ReturnAndEscapeInAPageReachTheContainer) {
  EXPECT_EQ(IDCANCEL, Run(IDD_TALL, 200, [](CCmdDlgContainer& d, CUserDriver& u) {
              u.Key(d.GetDialog()->GetDlgItem(IDC_TOP), VK_ESCAPE);
              EXPECT_FALSE(d.IsModalRunning()) << "the container ended, not only the page's key";
            }));
  EXPECT_EQ(IDOK, Run(IDD_TALL, 200, [](CCmdDlgContainer& d, CUserDriver& u) {
              u.Key(d.GetDialog()->GetDlgItem(IDC_TOP), VK_RETURN);
            }));
}

TEST_F(DlgContainerTest, ThePageIsDynamicallyCreatable) {
  CObject* o = RUNTIME_CLASS(CCmdScrollDlgChild)->CreateObject();
  ASSERT_NE(o, nullptr);
  EXPECT_TRUE(o->IsKindOf(RUNTIME_CLASS(CDlgChild)));
  delete o;
}

}  // namespace
