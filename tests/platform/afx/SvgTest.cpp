// The SVG picture of a recorded drawing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "afx/AfxSvg.h"
#include "afx/CDC.h"
#include "platform/afx/test_resource.h"

namespace {

// A small section preview: an outline, a hole, a centre line, a dimension text.
void DrawSample(CDC& dc) {
  CPen outline(PS_SOLID, 2, RGB(0, 0, 255));
  CBrush concrete(RGB(0xC0, 0xC0, 0xC0));
  CPen* oldPen = dc.SelectObject(&outline);
  CBrush* oldBrush = dc.SelectObject(&concrete);
  dc.Rectangle(10, 10, 90, 70);
  dc.SelectStockObject(NULL_BRUSH);
  dc.Ellipse(45, 35, 56, 46);
  CPen centre(PS_DASHDOT, 1, RGB(255, 0, 0));
  dc.SelectObject(&centre);
  dc.MoveTo(0, 40);
  dc.LineTo(100, 40);
  dc.SelectStockObject(NULL_PEN);
  dc.SelectStockObject(BLACK_BRUSH);
  const POINT arrow[] = {{0, 40}, {6, 37}, {6, 43}};
  dc.Polygon(arrow, 3);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(RGB(0, 128, 0));
  dc.TextOut(20, 75, CString("b<h> & \"柱\""));
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
}

TEST(Svg, SmallDrawingGivesExactlyThesePrimitives) {
  CDisplayList list;
  list.bounds = CRect(0, 0, 100, 90);
  CDC dc(&list);
  DrawSample(dc);
  const char* expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"90\" viewBox=\"0 0 100 90\">\n"
      "<rect x=\"10\" y=\"10\" width=\"80\" height=\"60\" fill=\"#c0c0c0\" stroke=\"#0000ff\" stroke-width=\"2\"/>\n"
      "<ellipse cx=\"50.5\" cy=\"40.5\" rx=\"5.5\" ry=\"5.5\" fill=\"none\" stroke=\"#0000ff\" stroke-width=\"2\"/>\n"
      "<line x1=\"0\" y1=\"40\" x2=\"100\" y2=\"40\" stroke=\"#ff0000\" stroke-width=\"1\" stroke-dasharray=\"6,2,1,2\"/>\n"
      "<polygon points=\"0,40 6,37 6,43\" fill=\"#000000\" stroke=\"none\"/>\n"
      "<text x=\"20\" y=\"85\" font-size=\"12\" font-family=\"宋体\" fill=\"#008000\" xml:space=\"preserve\">"
      "b&lt;h&gt; &amp; &quot;柱&quot;</text>\n"
      "</svg>\n";
  EXPECT_EQ(AfxSvgString(list), expected);
}

TEST(Svg, OpaqueTextFillsAndBitmapsShowAndAnEmptyBoundsTakesTheDrawing) {
  CDisplayList list;
  CDC dc(&list);
  dc.SetBkColor(RGB(255, 255, 0));
  dc.TextOut(-10, -5, CString("x"));
  dc.PatBlt(0, 0, 4, 4, WHITENESS);
  CDC mem;
  mem.CreateCompatibleDC(&dc);
  CBitmap bmp;
  ASSERT_TRUE(bmp.LoadBitmap(IDB_TEST));
  mem.SelectObject(&bmp);
  dc.BitBlt(2, 3, 16, 8, &mem, 0, 0, SRCCOPY);
  std::string svg(AfxSvgString(list));
  EXPECT_NE(svg.find("viewBox=\"-10 -5 28 16\""), std::string::npos) << svg;
  EXPECT_NE(svg.find("<rect class=\"bitmap\" x=\"2\" y=\"3\" width=\"16\" height=\"8\" fill=\"#c0c0c0\" "
                     "stroke=\"#808080\"><title>bitmap 300 test.bmp</title></rect>"),
            std::string::npos) << svg;
  EXPECT_NE(svg.find("<rect class=\"textbk\" x=\"-10\" y=\"-5\" width=\"6\" height=\"12\" fill=\"#ffff00\""),
            std::string::npos) << svg;
  EXPECT_NE(svg.find("<rect class=\"patblt-00FF0062\" x=\"0\" y=\"0\" width=\"4\" height=\"4\" fill=\"#ffffff\""),
            std::string::npos) << svg;
}

TEST(Svg, WritesTheSameBytesToAFile) {
  CDisplayList list;
  list.bounds = CRect(0, 0, 100, 90);
  CDC dc(&list);
  DrawSample(dc);
  std::string path = ::testing::TempDir() + "afx_svg_" + std::to_string(getpid()) + ".svg";
  ASSERT_TRUE(AfxWriteSvg(list, path.c_str()));
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  EXPECT_EQ(s.str(), std::string(AfxSvgString(list)));
  std::remove(path.c_str());
  EXPECT_FALSE(AfxWriteSvg(list, "/no/such/folder/x.svg"));
}

}  // namespace
