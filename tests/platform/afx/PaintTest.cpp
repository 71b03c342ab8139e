// Painting: Invalidate marks, UpdateWindow or the pump paints what is visible, OnPaint
// records into the window's picture.
#include "WndTestSupport.h"

namespace {
class PaintTest : public WndTest {};

class CPainter : public CWnd {
 public:
  int paints = 0, erases = 0;

 protected:
  void OnPaint() {
    ++paints;
    CPaintDC dc(this);
    dc.MoveTo(0, 0);
    dc.LineTo(10, 5);
  }
  BOOL OnEraseBkgnd(CDC* pDC) {
    ++erases;
    return pDC != nullptr;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPainter, CWnd)
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST_F(PaintTest, OnlyMarkedAndVisibleWindowsPaint) {
  CDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_TEST_OKCANCEL));
  CPainter p;
  ASSERT_TRUE(p.Create(nullptr, nullptr, WS_VISIBLE, CRect(5, 5, 105, 55), &dlg, 77));
  p.UpdateWindow();
  EXPECT_EQ(0, p.paints) << "its dialog is hidden";
  dlg.ShowWindow(SW_SHOW);
  AfxPumpMessages();
  EXPECT_EQ(1, p.paints);
  EXPECT_EQ(1, p.erases);
  ASSERT_EQ(1u, p.m_paint.items.size());
  EXPECT_EQ(CRect(0, 0, 100, 50), p.m_paint.bounds);
  p.UpdateWindow();
  EXPECT_EQ(1, p.paints) << "nothing marked";
  p.Invalidate();
  p.UpdateWindow();
  EXPECT_EQ(2, p.paints);
  EXPECT_EQ(1u, p.m_paint.items.size()) << "each paint starts a fresh picture";
  dlg.DestroyWindow();
  EXPECT_EQ(nullptr, p.m_hWnd);
}
}  // namespace
