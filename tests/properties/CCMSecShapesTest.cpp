// The outline primitives: exact vertex lists, and what the recorder receives for them.
#include <cmath>
#include <functional>
#include "PreviewRecorder.h"
#include "properties/CCMSecShapes.h"

namespace {

typedef CCMSecShapes S;
const SCMColors kPaint = {RGB(10, 20, 30), RGB(40, 50, 60)};

struct PrimitiveCase {
  const char* name;
  std::function<CCMPolygon*()> make;
  Pts expected;
};

void PrintTo(const PrimitiveCase& c, std::ostream* os) { *os << c.name; }

class Primitive : public ::testing::TestWithParam<PrimitiveCase> {};

TEST_P(Primitive, VerticesAndRecordedPolygon) {
  std::unique_ptr<CCMPolygon> p(GetParam().make());
  ExpectVertices(VerticesOf(p.get()), GetParam().expected);
  EXPECT_EQ(p->m_crPen, kPaint.crPen);
  EXPECT_EQ(p->m_crBrush, kPaint.crBrush);

  CDC dc;
  p->Draw(&dc, nullptr, 1.0, POINT{}, p->m_crPen, p->m_crBrush);
  // A polygon without vertices is refused by the device context.
  ASSERT_EQ(Recorded(dc).size(), GetParam().expected.empty() ? 0u : 1u);
  if (GetParam().expected.empty()) return;
  const CDrawPrimitive& d = Recorded(dc)[0];
  EXPECT_EQ(d.kind, CDrawPrimitive::Polygon);
  std::vector<std::pair<long, long>> want;
  for (auto [x, y] : GetParam().expected) want.emplace_back(RoundToInt(x), RoundToInt(y));
  EXPECT_EQ(DevicePoints(d), want);
  EXPECT_EQ(d.penColor, kPaint.crPen);
  EXPECT_EQ(d.brushColor, kPaint.crBrush);
}

const PrimitiveCase kPrimitives[] = {
    {"AngleRight", [] { return S::AngleRight(100, 80, 10, 8, kPaint); },
     {{0, 0}, {0, 100}, {10, 100}, {10, 8}, {80, 8}, {80, 0}}},
    {"AngleLeft", [] { return S::AngleLeft(100, 80, 10, 8, kPaint); },
     {{0, 0}, {0, 8}, {70, 8}, {70, 100}, {80, 100}, {80, 0}}},
    {"ChannelRightSymmetric", [] { return S::ChannelRight(200, 80, 6, 10, 0, 0, kPaint); },
     {{0, 0}, {80, 0}, {80, 10}, {6, 10}, {6, 190}, {80, 190}, {80, 200}, {0, 200}}},
    {"ChannelRightUnequal", [] { return S::ChannelRight(200, 80, 6, 10, 60, 12, kPaint); },
     {{0, 0}, {80, 0}, {80, 10}, {6, 10}, {6, 188}, {60, 188}, {60, 200}, {0, 200}}},
    {"ChannelLeftUnequal", [] { return S::ChannelLeft(200, 80, 6, 10, 60, 12, kPaint); },
     {{0, 0}, {0, 10}, {74, 10}, {74, 188}, {20, 188}, {20, 200}, {80, 200}, {80, 0}}},
    {"ChannelLeftWiderSecondFlange",
     [] { return S::ChannelLeft(200, 60, 6, 10, 80, 12, kPaint); },
     {{20, 0}, {20, 10}, {74, 10}, {74, 188}, {0, 188}, {0, 200}, {80, 200}, {80, 0}}},
    {"HSymmetricByZeroSecondFlange", [] { return S::HShape(200, 100, 8, 12, 0, 0, kPaint); },
     {{0, 0}, {0, 12}, {46, 12}, {46, 188}, {0, 188}, {0, 200}, {100, 200}, {100, 188},
      {54, 188}, {54, 12}, {100, 12}, {100, 0}}},
    {"HWiderSecondFlange", [] { return S::HShape(200, 100, 8, 12, 160, 16, kPaint); },
     {{30, 0}, {30, 12}, {76, 12}, {76, 184}, {0, 184}, {0, 200}, {160, 200}, {160, 184},
      {84, 184}, {84, 12}, {130, 12}, {130, 0}}},
    {"HNarrowerSecondFlange", [] { return S::HShape(200, 100, 8, 12, 60, 0, kPaint); },
     {{0, 0}, {0, 12}, {46, 12}, {46, 188}, {20, 188}, {20, 200}, {80, 200}, {80, 188},
      {54, 188}, {54, 12}, {100, 12}, {100, 0}}},
    {"T", [] { return S::TShape(150, 100, 8, 12, kPaint); },
     {{0, 0}, {0, 12}, {46, 12}, {46, 150}, {54, 150}, {54, 12}, {100, 12}, {100, 0}}},
    {"Cross", [] { return S::Cross(200, 100, 10, 20, kPaint); },
     {{45, 0}, {45, 90}, {0, 90}, {0, 110}, {45, 110}, {45, 200}, {55, 200}, {55, 110},
      {100, 110}, {100, 90}, {55, 90}, {55, 0}}},
    {"Rect", [] { return S::Rect(1, 2, 30, 40, kPaint); }, {{1, 2}, {1, 40}, {30, 40}, {30, 2}}},
    {"BoxWithWebDistance", [] { return S::Box(300, 200, 10, 20, 150, 0, kPaint); },
     {{0, 0}, {0, 20}, {20, 20}, {20, 280}, {0, 280}, {0, 300}, {200, 300}, {200, 280},
      {180, 280}, {180, 20}, {200, 20}, {200, 0}}},
    {"BoxHoleWithWebDistance", [] { return S::BoxHole(300, 200, 10, 20, 150, 0, kPaint); },
     {{30, 20}, {30, 280}, {170, 280}, {170, 20}}},
    {"BoxFlushWebs", [] { return S::Box(300, 200, 10, 20, 0, 30, kPaint); },
     {{0, 0}, {0, 20}, {0, 20}, {0, 270}, {0, 270}, {0, 300}, {200, 300}, {200, 270},
      {200, 270}, {200, 20}, {200, 20}, {200, 0}}},
    {"BoxHoleFlushWebs", [] { return S::BoxHole(300, 200, 10, 20, 0, 0, kPaint); },
     {{10, 20}, {10, 280}, {190, 280}, {190, 20}}},
    {"LippedChannelSquareWithoutLips", [] { return S::LippedChannel(100, 50, 2, 0, 0, kPaint); },
     {{0, 100}, {50, 100}, {50, 98}, {48, 98}, {2, 98}, {2, 2}, {48, 2}, {50, 2}, {50, 0},
      {0, 0}}},
    {"LippedChannelSquareWithLips", [] { return S::LippedChannel(100, 50, 2, 0, 15, kPaint); },
     {{0, 100}, {50, 100}, {50, 85}, {48, 85}, {48, 98}, {2, 98}, {2, 2}, {48, 2}, {48, 15},
      {50, 15}, {50, 0}, {0, 0}}},
    {"LippedChannelLipNotBeyondThickness",
     [] { return S::LippedChannel(100, 50, 2, 0, 2, kPaint); },
     {{0, 100}, {50, 100}, {50, 98}, {48, 98}, {2, 98}, {2, 2}, {48, 2}, {50, 2}, {50, 0},
      {0, 0}}},
    {"LippedChannelBendsTooWide", [] { return S::LippedChannel(100, 10, 3, 3, 20, kPaint); },
     {}},
    {"LippedChannelNegativeSizesCountAsZero",
     [] { return S::LippedChannel(40, 20, -2, -1, -5, kPaint); },
     {{0, 40}, {20, 40}, {20, 40}, {20, 40}, {0, 40}, {0, 0}, {20, 0}, {20, 0}, {20, 0},
      {0, 0}}},
};

INSTANTIATE_TEST_SUITE_P(Outline, Primitive, ::testing::ValuesIn(kPrimitives),
                         [](const auto& info) { return std::string(info.param.name); });

// Point of a bend about (cx, cy) in the direction a (degrees, y downward).
std::pair<double, double> On(double cx, double cy, double r, double a) {
  const double rad = a * M_PI / 180;
  return {cx + r * std::cos(rad), cy + r * std::sin(rad)};
}

TEST(LippedChannel, RoundedWithLipsRunsThroughTheBends) {
  // H 100, B 50, t 2, r 3 (R 5), lips 15.
  std::unique_ptr<CCMPolygon> p(S::LippedChannel(100, 50, 2, 3, 15, kPaint));
  const Pts v = VerticesOf(p.get());
  ASSERT_EQ(v.size(), 52u);
  Pts expected;
  auto bend = [&](double cx, double cy, double r, double a0, double a1, int n) {
    for (int i = 0; i <= n; ++i) expected.push_back(On(cx, cy, r, a0 + (a1 - a0) * i / n));
  };
  bend(5, 95, 5, 180, 90, 6);   // (0, 95) to (5, 100)
  bend(45, 95, 5, 90, 0, 6);    // (45, 100) to (50, 95)
  expected.push_back({50, 85});
  expected.push_back({48, 85});
  bend(45, 95, 3, 0, 90, 4);    // (48, 95) to (45, 98)
  bend(5, 95, 3, 90, 180, 4);   // (5, 98) to (2, 95)
  bend(5, 5, 3, 180, 270, 4);   // (2, 5) to (5, 2)
  bend(45, 5, 3, 270, 360, 4);  // (45, 2) to (48, 5)
  expected.push_back({48, 15});
  expected.push_back({50, 15});
  bend(45, 5, 5, 360, 270, 6);  // (50, 5) to (45, 0)
  bend(5, 5, 5, 270, 180, 6);   // (5, 0) to (0, 5)
  ExpectVertices(v, expected, 1e-12);
  // The ends of the bends are exact.
  EXPECT_EQ(v[0], std::make_pair(0.0, 95.0));
  EXPECT_EQ(v[6], std::make_pair(5.0, 100.0));
  EXPECT_EQ(v[51], std::make_pair(0.0, 5.0));
}

TEST(LippedChannel, RoundedWithoutLipsHasThirtyVertices) {
  std::unique_ptr<CCMPolygon> p(S::LippedChannel(100, 50, 2, 3, 5, kPaint));  // C = R
  const Pts v = VerticesOf(p.get());
  ASSERT_EQ(v.size(), 30u);
  EXPECT_EQ(v[6], std::make_pair(5.0, 100.0));
  EXPECT_EQ(v[7], std::make_pair(50.0, 100.0));
  EXPECT_EQ(v[8], std::make_pair(50.0, 98.0));
  EXPECT_EQ(v[9], std::make_pair(48.0, 98.0));
  EXPECT_EQ(v[10], std::make_pair(5.0, 98.0));
  EXPECT_EQ(v[20], std::make_pair(48.0, 2.0));
  EXPECT_EQ(v[22], std::make_pair(50.0, 0.0));
  EXPECT_EQ(v[29], std::make_pair(0.0, 5.0));
}

TEST(URib, EqualWidthsGiveVerticalWebs) {
  // H 60, b = c = 100, t 2, r 3: R 5, bend centres (+-45, 25).
  std::unique_ptr<CCMPolygon> p(S::URib(60, 100, 100, 2, 3, kPaint));
  const double c30 = std::sqrt(3.0) / 2;
  Pts half = {{45, 28},
              {45 + 1.5, 25 + 3 * c30},
              {45 + 3 * c30, 25 + 1.5},
              {48, 25},
              {48, -30},
              {50, -30},
              {50, 25},
              {45 + 5 * c30, 25 + 2.5},
              {45 + 2.5, 25 + 5 * c30},
              {45, 30}};
  Pts expected = half;
  for (auto it = half.rbegin(); it != half.rend(); ++it) expected.push_back({-it->first, it->second});
  ExpectVertices(VerticesOf(p.get()), expected, 1e-9);
}

TEST(URib, NoHeightTakesTheAngleAsZero) {
  std::unique_ptr<CCMPolygon> p(S::URib(0, 120, 100, 2, 3, kPaint));
  const Pts v = VerticesOf(p.get());
  ASSERT_EQ(v.size(), 20u);
  for (auto [x, y] : v) EXPECT_TRUE(std::isfinite(x) && std::isfinite(y));
  ExpectVertices({v[4], v[5], v[15], v[14]}, {{58, 0}, {60, 0}, {-58, 0}, {-60, 0}});
}

TEST(URib, WiderTopInclinesTheWebs) {
  // b 160, c 100, H 60: theta = atan(60 / 120).
  std::unique_ptr<CCMPolygon> p(S::URib(60, 160, 100, 2, 0, kPaint));
  const Pts v = VerticesOf(p.get());
  const double th = std::atan(0.5);
  EXPECT_NEAR(v[4].first, 80 - 2 / std::cos(th), 1e-9);
  EXPECT_NEAR(v[5].first, 80 - 2 * std::tan(th) * std::sin(th), 1e-9);
  EXPECT_NEAR(v[5].second, -30 + 2 * std::sin(th), 1e-9);
  // The outer bottom corner lies on the bottom face, the outer web on the line to (80, -30).
  EXPECT_NEAR(v[9].second, 30, 1e-9);
  EXPECT_NEAR(v[6].first + (v[6].second - 30) * 0.5, 50, 1e-9);
}

}  // namespace
