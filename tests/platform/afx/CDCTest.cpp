// The recording device context: objects in force, attributes, text, memory DCs.
#include <gtest/gtest.h>

#include "afx/AfxSystem.h"
#include "afx/CDC.h"
#include "platform/afx/test_resource.h"

namespace {

class RecordingDC : public ::testing::Test {
 protected:
  const std::vector<CDrawPrimitive>& Items() const { return m_list.items; }
  const CDrawPrimitive& Last() const { return m_list.items.back(); }
  CDisplayList m_list;
  CDC m_dc{&m_list};
};

TEST_F(RecordingDC, EachPrimitiveCarriesThePenAndBrushInForce) {
  CPen red(PS_DASH, 2, RGB(255, 0, 0));
  CBrush blue(RGB(0, 0, 255));
  CPen* oldPen = m_dc.SelectObject(&red);
  CBrush* oldBrush = m_dc.SelectObject(&blue);
  EXPECT_EQ(oldPen, CGdiObject::GetStockObject(BLACK_PEN)) << "a new DC starts with the stock pen";
  EXPECT_EQ(oldBrush, CGdiObject::GetStockObject(WHITE_BRUSH));
  m_dc.Rectangle(1, 2, 30, 40);
  EXPECT_EQ(m_dc.SelectStockObject(NULL_BRUSH), &blue);
  m_dc.Ellipse(CRect(0, 0, 10, 5));
  EXPECT_EQ(m_dc.SelectObject(oldPen), &red);
  m_dc.MoveTo(5, 5);
  m_dc.LineTo(15, 25);
  m_dc.SelectStockObject(NULL_PEN);
  const POINT tri[] = {{0, 0}, {10, 0}, {5, 8}};
  m_dc.Polygon(tri, 3);
  m_dc.Polyline(tri, 2);

  ASSERT_EQ(Items().size(), 5u);
  const struct {
    CDrawPrimitive::Kind kind;
    COLORREF pen;
    int width, style;
    bool brushNull;
    COLORREF brush;
  } expected[] = {
      {CDrawPrimitive::Rectangle, RGB(255, 0, 0), 2, PS_DASH, false, RGB(0, 0, 255)},
      {CDrawPrimitive::Ellipse, RGB(255, 0, 0), 2, PS_DASH, true, 0},
      {CDrawPrimitive::Line, RGB(0, 0, 0), 1, PS_SOLID, true, 0},
      {CDrawPrimitive::Polygon, 0, 1, PS_NULL, true, 0},
      {CDrawPrimitive::Polyline, 0, 1, PS_NULL, true, 0},
  };
  for (size_t i = 0; i < Items().size(); ++i) {
    SCOPED_TRACE(i);
    const CDrawPrimitive& p = Items()[i];
    EXPECT_EQ(p.kind, expected[i].kind);
    EXPECT_EQ(p.penColor, expected[i].pen);
    EXPECT_EQ(p.penWidth, expected[i].width);
    EXPECT_EQ(p.penStyle, expected[i].style);
    EXPECT_EQ(p.brushNull, expected[i].brushNull);
    if (!p.brushNull) {
      EXPECT_EQ(p.brushColor, expected[i].brush);
    }
  }
  EXPECT_EQ(Items()[0].points, (std::vector<CPoint>{CPoint(1, 2), CPoint(30, 40)}));
  EXPECT_EQ(Items()[2].points, (std::vector<CPoint>{CPoint(5, 5), CPoint(15, 25)}));
  EXPECT_EQ(m_dc.GetCurrentPosition(), CPoint(15, 25));
  EXPECT_EQ(Items()[3].points.size(), 3u);
}

TEST_F(RecordingDC, SelectingAnUncreatedObjectFailsAndChangesNothing) {
  CPen none;
  EXPECT_EQ(m_dc.SelectObject(&none), nullptr);
  CPen green(PS_SOLID, 1, RGB(0, 255, 0));
  m_dc.SelectObject(&green);
  green.DeleteObject();
  EXPECT_EQ(m_dc.SelectObject(&green), nullptr);
  m_dc.LineTo(1, 1);
  EXPECT_EQ(Last().penColor, RGB(0, 255, 0)) << "the DC keeps what it copied at selection";
  CBitmap bmp;
  ASSERT_TRUE(bmp.LoadBitmap(IDB_TEST));
  EXPECT_EQ(m_dc.SelectObject(&bmp), nullptr) << "only a memory DC takes a bitmap";
}

TEST_F(RecordingDC, SaveAndRestoreBringBackObjectsColoursAndOrigin) {
  CPen red(PS_SOLID, 3, RGB(255, 0, 0));
  m_dc.SetTextColor(RGB(1, 2, 3));
  int first = m_dc.SaveDC();
  m_dc.SelectObject(&red);
  m_dc.SetTextColor(RGB(9, 9, 9));
  m_dc.SetBkMode(TRANSPARENT);
  m_dc.SetViewportOrg(100, 100);
  int second = m_dc.SaveDC();
  m_dc.SelectStockObject(WHITE_PEN);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 2);
  ASSERT_TRUE(m_dc.RestoreDC(-1));
  EXPECT_EQ(m_dc.GetCurrentPen(), &red);
  m_dc.LineTo(1, 1);
  EXPECT_EQ(Last().points[1], CPoint(101, 101));
  ASSERT_TRUE(m_dc.RestoreDC(first));
  EXPECT_EQ(m_dc.GetCurrentPen(), CGdiObject::GetStockObject(BLACK_PEN));
  EXPECT_EQ(m_dc.GetTextColor(), RGB(1, 2, 3));
  EXPECT_EQ(m_dc.GetBkMode(), OPAQUE);
  EXPECT_EQ(m_dc.GetViewportOrg(), CPoint(0, 0));
  EXPECT_FALSE(m_dc.RestoreDC(1)) << "that state was used up";
  EXPECT_FALSE(m_dc.RestoreDC(-1));
  EXPECT_FALSE(m_dc.RestoreDC(0));
}

TEST_F(RecordingDC, OriginsShiftWhatIsRecordedAndTheClipBox) {
  m_list.bounds = CRect(0, 0, 200, 100);
  m_dc.SetViewportOrg(10, 20);
  m_dc.SetWindowOrg(-5, 0);
  m_dc.Rectangle(0, 0, 4, 4);
  EXPECT_EQ(Last().points[0], CPoint(15, 20));
  CRect clip;
  EXPECT_EQ(m_dc.GetClipBox(&clip), SIMPLEREGION);
  EXPECT_EQ(clip, CRect(-15, -20, 185, 80));
  m_list.bounds = CRect();
  EXPECT_EQ(m_dc.GetClipBox(&clip), NULLREGION);
}

TEST_F(RecordingDC, FillsUseTheirOwnColourNotTheSelectedBrush) {
  CBrush green(RGB(0, 128, 0));
  m_dc.FillRect(CRect(0, 0, 5, 5), &green);
  EXPECT_EQ(Last().kind, CDrawPrimitive::FillRect);
  EXPECT_EQ(Last().brushColor, RGB(0, 128, 0));
  EXPECT_EQ(Last().penStyle, PS_NULL);
  m_dc.FillSolidRect(1, 2, 3, 4, RGB(7, 8, 9));
  EXPECT_EQ(Last().points, (std::vector<CPoint>{CPoint(1, 2), CPoint(4, 6)}));
  EXPECT_EQ(Last().brushColor, RGB(7, 8, 9));
  EXPECT_EQ(m_dc.GetBkColor(), RGB(7, 8, 9)) << "FillSolidRect leaves its colour as background";
  m_dc.PatBlt(0, 0, 10, 10, BLACKNESS);
  EXPECT_EQ(Last().kind, CDrawPrimitive::PatBlt);
  EXPECT_EQ(Last().rop, (DWORD)BLACKNESS);
  EXPECT_EQ(Last().brushColor, RGB(0, 0, 0));
  size_t before = Items().size();
  m_dc.Draw3dRect(CRect(0, 0, 10, 10), RGB(255, 255, 255), RGB(128, 128, 128));
  ASSERT_EQ(Items().size(), before + 4);
  EXPECT_EQ(Items()[before].brushColor, RGB(255, 255, 255));
  EXPECT_EQ(Items()[before + 2].points[0], CPoint(9, 0));
  EXPECT_EQ(Items()[before + 3].brushColor, RGB(128, 128, 128));
}

TEST_F(RecordingDC, TextExtentAlignmentAndPrefixes) {
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, "宋体"));   // 16 pixels high
  m_dc.SelectObject(&font);
  EXPECT_EQ(m_dc.GetTextExtent("ab"), CSize(16, 16));
  EXPECT_EQ(m_dc.GetTextExtent("a截面"), CSize(40, 16)) << "a CJK character counts twice";

  m_dc.SetTextColor(RGB(200, 0, 0));
  m_dc.SetBkMode(TRANSPARENT);
  m_dc.TextOut(10, 20, CString("ab"));
  EXPECT_EQ(Last().kind, CDrawPrimitive::Text);
  EXPECT_EQ(Last().text, "ab");
  EXPECT_EQ(Last().points, (std::vector<CPoint>{CPoint(10, 20), CPoint(26, 36)}));
  EXPECT_EQ(Last().textColor, RGB(200, 0, 0));
  EXPECT_FALSE(Last().bkOpaque);
  EXPECT_EQ(Last().fontHeight, 16);
  EXPECT_EQ(Last().fontName, "宋体");

  m_dc.SetTextAlign(TA_CENTER | TA_BOTTOM);
  m_dc.TextOut(100, 100, "abcd", 2);
  EXPECT_EQ(Last().points[0], CPoint(92, 84));

  CRect r(0, 0, 100, 40);
  EXPECT_EQ(m_dc.DrawText("&Ok", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 16);
  EXPECT_EQ(Last().text, "Ok");
  EXPECT_EQ(Last().points[0], CPoint(42, 12));
  m_dc.DrawText(CString("a&&b"), &r, DT_RIGHT | DT_NOPREFIX);
  EXPECT_EQ(Last().text, "a&&b");
  EXPECT_EQ(Last().points[0].x, 100 - 4 * 8);

  size_t before = Items().size();
  CRect calc(5, 5, 6, 6);
  EXPECT_EQ(m_dc.DrawText(CString("一\nabc"), &calc, DT_CALCRECT), 32);
  EXPECT_EQ(calc, CRect(5, 5, 5 + 24, 5 + 32));
  EXPECT_EQ(Items().size(), before) << "DT_CALCRECT draws nothing";
  m_dc.DrawText(CString("一\nabc"), &calc, DT_LEFT);
  ASSERT_EQ(Items().size(), before + 2);
  EXPECT_EQ(Items()[before + 1].points[0], CPoint(5, 21));
}

TEST_F(RecordingDC, MemoryDCPicturesAreCopiedByBitBlt) {
  CDC mem;
  ASSERT_TRUE(mem.CreateCompatibleDC(&m_dc));
  CBitmap bmp;
  ASSERT_TRUE(bmp.LoadBitmap(IDB_TEST));
  EXPECT_EQ(bmp.GetBitmapDimension(), CSize(16, 8));
  EXPECT_EQ((uintptr_t)(HBITMAP)bmp, (uintptr_t)IDB_TEST) << "a loaded bitmap's handle is its id";
  BITMAP info;
  ASSERT_TRUE(bmp.GetBitmap(&info));
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 8);
  EXPECT_EQ(mem.SelectObject(&bmp), nullptr);
  mem.MoveTo(0, 0);
  mem.LineTo(16, 8);
  ASSERT_TRUE(m_dc.BitBlt(100, 50, 16, 8, &mem, 0, 0, SRCCOPY));
  ASSERT_EQ(Items().size(), 2u);
  EXPECT_EQ(Items()[0].kind, CDrawPrimitive::Bitmap);
  EXPECT_EQ(Items()[0].bitmapId, IDB_TEST);
  EXPECT_EQ(Items()[0].text, "test.bmp");
  EXPECT_EQ(Items()[0].points[0], CPoint(100, 50));
  EXPECT_EQ(Items()[1].points[1], CPoint(116, 58));
  CBitmap missing;
  EXPECT_FALSE(missing.LoadBitmap(4242));
}

TEST(GdiObjects, HandlesStockObjectsAndLogicalDescriptions) {
  CBrush b(RGB(1, 2, 3));
  EXPECT_EQ(CBrush::FromHandle((HBRUSH)b), &b);
  LOGBRUSH lb;
  ASSERT_TRUE(b.GetLogBrush(&lb));
  EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
  EXPECT_TRUE(b.DeleteObject());
  EXPECT_FALSE(b.DeleteObject());
  EXPECT_EQ(b.GetSafeHandle(), nullptr);
  EXPECT_TRUE(b.CreateSolidBrush(RGB(4, 5, 6))) << "a deleted object may be created again";

  CPen p;
  ASSERT_TRUE(p.CreateStockObject(NULL_PEN));
  LOGPEN lp;
  ASSERT_TRUE(p.GetLogPen(&lp));
  EXPECT_EQ(lp.lopnStyle, (UINT)PS_NULL);
  CBrush wrongKind;
  EXPECT_FALSE(wrongKind.CreateStockObject(BLACK_PEN));
  EXPECT_EQ(CGdiObject::GetStockObject(99), nullptr);

  CFont f;
  ASSERT_TRUE(f.CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "黑体"));
  LOGFONT lf;
  ASSERT_TRUE(f.GetLogFont(&lf));
  EXPECT_EQ(lf.lfHeight, -20);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_STREQ(lf.lfFaceName, "黑体");
}

TEST(SystemSettings, FixedMetricsAndColours) {
  const struct { int index, value; } metrics[] = {
      {SM_CXSCREEN, 1920}, {SM_CYSCREEN, 1080}, {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16},
      {SM_CYCAPTION, 22}, {SM_CXFRAME, 4}, {SM_CXEDGE, 2}, {-1, 0}, {1000, 0},
  };
  for (const auto& m : metrics) EXPECT_EQ(GetSystemMetrics(m.index), m.value) << m.index;
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
  HBRUSH face = GetSysColorBrush(COLOR_3DFACE);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), face) << "one brush per colour";
  EXPECT_EQ(CBrush::FromHandle(face)->m_log.lbColor, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetSysColorBrush(99), nullptr);
}

}  // namespace
