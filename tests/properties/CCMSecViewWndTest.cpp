// The section preview window: subclassing its static, erase and paint through the window's
// picture, the marks it asks for, and the record recomputed in place on every paint.
#include <filesystem>
#include <fstream>
#include "SectionFixture.h"
#include "afx/AfxSvg.h"
#include "afx/afxwin.h"
#include "db/CSectUtil.h"
#include "properties/CCMSecViewWnd.h"

namespace {

typedef CCMSecShapes S;
constexpr int kPreviewId = 14218;

// A page with a static control for the preview, as a section page's template has.
class Preview : public ::testing::Test {
 protected:
  void SetUp() override { MakePage(CRect(10, 10, 310, 210)); }
  void TearDown() override {
    view.DestroyWindow();
    page.DestroyWindow();
  }
  void MakePage(const CRect& ctrl) {
    ASSERT_TRUE(page.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300),
                              nullptr, 0));
    CWnd maker;
    ASSERT_TRUE(maker.Create("STATIC", "", WS_CHILD | WS_VISIBLE, ctrl, &page, kPreviewId));
    maker.Detach();
    ASSERT_TRUE(view.SubclassCtrl(page.GetDlgItem(kPreviewId)));
  }
  void Paint() {
    view.Invalidate();
    view.UpdateWindow();
  }
  std::vector<COLORREF> Brushes() const {
    std::vector<COLORREF> v;
    for (const CDrawPrimitive& d : view.m_paint.items) v.push_back(d.brushColor);
    return v;
  }
  size_t Count(SCMColors col) const {
    size_t n = 0;
    for (const CDrawPrimitive& d : view.m_paint.items)
      n += d.penColor == col.crPen && d.brushColor == col.crBrush;
    return n;
  }

  CWnd page;
  CCMSecViewWnd view;
  // An H 400 x 200 x 8 x 13 (metres as stored), its offset point in the centre.
  T_SECT_D sect = MakeSection(1, "H", {0.4, 0.2, 0.008, 0.013});
};

TEST_F(Preview, StartsWithoutARecord) {
  CCMSecViewWnd fresh;
  EXPECT_EQ(fresh.m_pSect, nullptr);
  EXPECT_EQ(fresh.m_nOption, 0);
  EXPECT_EQ(fresh.m_bMirror, 0);
  EXPECT_EQ(fresh.m_builder.m_pSect, nullptr);
}

TEST_F(Preview, SubclassTakesTheClientRectangleAndClipsChildren) {
  EXPECT_EQ(view.GetSafeHwnd(), page.GetDlgItem(kPreviewId)->GetSafeHwnd());
  EXPECT_TRUE(view.GetStyle() & WS_CLIPCHILDREN);
  EXPECT_EQ(view.m_rect.m_left, 0);
  EXPECT_EQ(view.m_rect.m_top, 0);
  EXPECT_EQ(view.m_rect.m_right, 300);
  EXPECT_EQ(view.m_rect.m_bottom, 200);

  CCMSecViewWnd second;
  EXPECT_FALSE(second.SubclassCtrl(page.GetDlgItem(kPreviewId)));  // taken already
  EXPECT_FALSE(second.SubclassCtrl(nullptr));
}

TEST_F(Preview, WithoutARecordOnlyTheBackground) {
  Paint();
  ASSERT_EQ(view.m_paint.items.size(), 1u);
  const CDrawPrimitive& bg = view.m_paint.items[0];
  EXPECT_EQ(bg.kind, CDrawPrimitive::PatBlt);
  EXPECT_EQ(DevicePoints(bg), (std::vector<std::pair<long, long>>{{0, 0}, {300, 200}}));
  EXPECT_EQ(bg.brushColor, RGB(255, 255, 255));
}

TEST_F(Preview, PaintRecomputesTheRecordInPlace) {
  view.SetSectData(&sect, 0);
  EXPECT_TRUE(view.m_paint.items.empty());  // setting the record does not repaint
  Paint();
  const double area = 2 * 0.2 * 0.013 + (0.4 - 2 * 0.013) * 0.008;
  EXPECT_NEAR(sect.Part1.BaseA.Stiff.Area, area, 1e-12);
  EXPECT_NEAR(sect.Part1.dDispCenterY, 0.1, 1e-12);
  EXPECT_NEAR(sect.Part1.dDispCenterZ, 0.2, 1e-12);
  // Background, outline, centroid square, cross; no offset mark for the centre.
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{RGB(255, 255, 255), S::kSteel.crBrush,
                                              S::kCentroid.crBrush, S::kCross.crBrush}));
  // Fitted to 70 % of the height, centred: 140 pixels high about (150, 100).
  SCMBound2D box;
  const auto pts = DevicePoints(view.m_paint.items[1]);
  box.minY = box.maxY = (double)pts[0].second;
  for (auto [x, y] : pts) {
    box.minY = std::min(box.minY, (double)y);
    box.maxY = std::max(box.maxY, (double)y);
  }
  EXPECT_EQ(box.maxY - box.minY, 140);
  EXPECT_EQ(box.minY, 30);

  // The page changes the record and invalidates: the next paint shows the change.
  sect.Part1.BaseA.dSize[1] = 0.3;
  Paint();
  EXPECT_NEAR(sect.Part1.BaseA.Stiff.Area, 2 * 0.3 * 0.013 + (0.4 - 2 * 0.013) * 0.008, 1e-12);
  EXPECT_NEAR(sect.Part1.dDispCenterY, 0.15, 1e-12);
  EXPECT_EQ(view.m_paint.items.size(), 4u);
}

TEST_F(Preview, OffsetMarkOnlyForAnOffCentrePoint) {
  view.SetSectData(&sect, 0);
  const std::pair<int, size_t> cases[] = {{5, 0}, {0, 0}, {10, 0}, {-1, 0}, {1, 1}, {2, 1},
                                          {3, 1}, {4, 1}, {6, 1},  {7, 1},  {8, 1}, {9, 1}};
  for (auto [code, marks] : cases) {
    SCOPED_TRACE(code);
    sect.Part1.iOffset = code;
    Paint();
    EXPECT_EQ(Count(S::kOffset), marks);
    EXPECT_EQ(Count(S::kCentroid), 1u);
    EXPECT_EQ(Count(S::kCross), 1u);
  }
}

TEST_F(Preview, FailedCalculationDrawsNoCentroidAndKeepsTheDisplayCentre) {
  sect.Part1.BaseA.dSize[2] = 0.25;  // a web wider than the flanges: refused
  sect.Part1.dDispCenterY = 12345;
  sect.Part1.iOffset = 3;
  ASSERT_FALSE(CSectUtil::CheckSectSize(sect));
  view.SetSectData(&sect, 0);
  Paint();
  EXPECT_EQ(sect.Part1.dDispCenterY, 12345);
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{RGB(255, 255, 255), S::kSteel.crBrush,
                                              S::kOffset.crBrush}));
}

TEST_F(Preview, EmptyRecordShowsTheBackgroundOnly) {
  T_SECT_D empty;
  empty.Initialize();
  view.SetSectData(&empty, 0);
  Paint();
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{RGB(255, 255, 255)}));

  T_SECT_D other = MakeSection(6, "H", {0.4, 0.2, 0.008, 0.013});
  view.SetSectData(&other, 0);
  Paint();
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{RGB(255, 255, 255)}));
}

TEST_F(Preview, OutlineWithoutExtentShowsTheBackgroundOnly) {
  // All sizes 0, and a code that matches nothing, with both marks asked for.
  T_SECT_D zero = MakeSection(1, "SB", {0, 0});
  zero.Part1.iOffset = 1;
  view.SetSectData(&zero, 0);
  Paint();
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{RGB(255, 255, 255)}));

  T_SECT_D unknown = MakeSection(1, "h", {0.4, 0.2, 0.008, 0.013});
  unknown.Part1.iOffset = 9;
  view.SetSectData(&unknown, 0);
  Paint();
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{RGB(255, 255, 255)}));
}

TEST_F(Preview, TypedCentroidFarOutsideTheOutlineStaysOffToTheRight) {
  // A value section keeps its typed properties: a centroid ten thousand kilometres to the
  // right of a 200 x 400 mm bar maps beyond the int range at the bar's scale. With an
  // offset mark the centroid square is drawn after the fit, at that scale.
  T_SECT_D value = MakeSection(3, "SB", {0.4, 0.2});
  value.Part1.iOffset = 1;
  value.Part1.BaseA.Design.Cent_Y = 1e7;
  value.Part1.BaseA.Design.Cent_Z = 0.2;
  view.SetSectData(&value, 0);
  Paint();
  ASSERT_EQ(Count(S::kCentroid), 1u);
  for (const CDrawPrimitive& d : view.m_paint.items) {
    if (d.brushColor != S::kCentroid.crBrush) continue;
    for (const CPoint& pt : d.points) EXPECT_GT(pt.x, 300) << "wrapped round";
  }
}

TEST(PreviewEmptyRect, NeitherErasesNorDraws) {
  CWnd page;
  ASSERT_TRUE(page.CreateEx(0, nullptr, "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300),
                            nullptr, 0));
  CWnd maker;
  ASSERT_TRUE(maker.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 10, 200), &page,
                           kPreviewId));
  maker.Detach();
  CCMSecViewWnd view;
  ASSERT_TRUE(view.SubclassCtrl(page.GetDlgItem(kPreviewId)));
  T_SECT_D sect = MakeSection(1, "H", {0.4, 0.2, 0.008, 0.013});
  view.SetSectData(&sect, 0);
  view.Invalidate();
  view.UpdateWindow();
  EXPECT_TRUE(view.m_paint.items.empty());
  view.DestroyWindow();
  page.DestroyWindow();
}

// Pictures of a few typical sections, written where a person can look at them.
TEST_F(Preview, WritesPicturesOfTypicalSections) {
  struct Typical {
    const char* file;
    T_SECT_D sect;
    const char* combo;
    size_t figures;  // outline figures drawn
  } typical[] = {
      {"h.svg", MakeSection(1, "H", {0.4, 0.2, 0.008, 0.013}), "", 1},
      {"box.svg", MakeSection(1, "B", {0.4, 0.3, 0.012, 0.016, 0, 0}), "", 2},
      {"pipe.svg", MakeSection(1, "P", {0.3, 0.01}), "", 2},
      {"src.svg", MakeSection(2, "RHB", {0.4, 0.2, 0.01, 0.016}, {0.7, 0.6}), "", 2},
      {"cc-pair.svg", MakeSection(1, "CC", {0.2, 0.07, 0.0025, 0.003, 0.02}), "2BS", 2},
  };
  const std::filesystem::path dir =
      std::filesystem::path(::testing::TempDir()) / "section-previews";
  std::filesystem::create_directories(dir);
  for (Typical& t : typical) {
    SCOPED_TRACE(t.file);
    t.sect.Part1.BaseA.strBaseShape = t.combo;
    t.sect.Part1.iOffset = 1;
    view.SetSectData(&t.sect, 0);
    Paint();
    // Background, outline figures, offset square, centroid square, cross.
    EXPECT_EQ(view.m_paint.items.size(), 1 + t.figures + 3);
    const std::string path = (dir / t.file).string();
    ASSERT_TRUE(AfxWriteSvg(view.m_paint, path.c_str()));
    std::ifstream in(path);
    const std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(svg, std::string(AfxSvgString(view.m_paint)));
    EXPECT_NE(svg.find("#c4cee6"), std::string::npos);  // the steel fill
  }
}

}  // namespace
