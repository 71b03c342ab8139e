// A window paints through CPaintDC into its picture, which is written as SVG.
#include <gtest/gtest.h>

#include "afx/AfxSvg.h"
#include "afx/CPaintDC.h"
#include "afx/afxwin.h"

namespace {

class SwatchWnd : public CWnd {
 public:
  int m_paints = 0;

 protected:
  void OnPaint() {
    ++m_paints;
    CPaintDC dc(this);
    CRect r;
    GetClientRect(&r);
    EXPECT_EQ(CRect(dc.m_ps.rcPaint), r);
    CBrush fill(RGB(255, 0, 0));
    CBrush* old = dc.SelectObject(&fill);
    dc.Rectangle(r);
    dc.SelectObject(old);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SwatchWnd, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

TEST(PaintDC, UpdateWindowPaintsIntoTheWindowsPicture) {
  SwatchWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "swatch", WS_POPUP | WS_VISIBLE, CRect(10, 10, 50, 30), nullptr, 0));
  wnd.Invalidate();
  wnd.UpdateWindow();
  ASSERT_EQ(wnd.m_paints, 1);
  CRect client;
  wnd.GetClientRect(&client);
  EXPECT_EQ(wnd.m_paint.bounds, client);
  ASSERT_EQ(wnd.m_paint.items.size(), 1u);
  EXPECT_EQ(wnd.m_paint.items[0].brushColor, RGB(255, 0, 0));

  // A client DC adds to the picture; the next paint starts it afresh.
  {
    CClientDC dc(&wnd);
    dc.MoveTo(0, 0);
    dc.LineTo(client.right, client.bottom);
  }
  EXPECT_EQ(wnd.m_paint.items.size(), 2u);
  EXPECT_NE(std::string(AfxSvgString(wnd.m_paint)).find("<line"), std::string::npos);
  wnd.Invalidate();
  wnd.UpdateWindow();
  EXPECT_EQ(wnd.m_paints, 2);
  EXPECT_EQ(wnd.m_paint.items.size(), 1u);
  wnd.DestroyWindow();
}

}  // namespace
