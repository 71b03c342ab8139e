// Outlines of SRC, combined and tapered sections.
#include "SectionFixture.h"

namespace {

typedef CCMSecShapes S;
const SCMColors St = S::kSteel, Co = S::kConcrete, Ho = S::kHole;

struct Expect {
  char kind;
  SCMColors col;
  SCMBound2D box;
  Pts pts;  // optional exact vertices or corners
};

struct CompositeCase {
  const char* name;
  int type;
  const char* code;
  std::vector<double> s, c;
  std::vector<Expect> figs;
};

void PrintTo(const CompositeCase& c, std::ostream* os) { *os << c.name; }

class Composite : public ::testing::TestWithParam<CompositeCase>, public BuiltOutline {};

TEST_P(Composite, FiguresBoxesAndColours) {
  const CompositeCase& k = GetParam();
  T_SECT_D r = MakeSection(k.type, k.code, {});
  for (size_t i = 0; i < k.s.size(); ++i) r.Part1.BaseA.dSize[i] = k.s[i];
  for (size_t i = 0; i < k.c.size(); ++i) r.Part1.BaseB.dSize[i] = k.c[i];
  Build(r);
  ASSERT_EQ(figs.size(), k.figs.size());
  for (size_t i = 0; i < figs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(figs[i].kind, k.figs[i].kind);
    EXPECT_EQ(figs[i].pen, k.figs[i].col.crPen);
    EXPECT_EQ(figs[i].brush, k.figs[i].col.crBrush);
    const SCMBound2D& b = k.figs[i].box;
    ExpectBounds(figs[i].box, b.minX, b.minY, b.maxX, b.maxY, 1e-9);
    if (!k.figs[i].pts.empty()) ExpectVertices(figs[i].pts, k.figs[i].pts, 1e-9);
  }
}

const std::vector<double> kBoxS = {200, 100, 10, 12, 0, 0};
const std::vector<double> kPipeS = {200, 10};
const std::vector<double> kRect = {400, 300};
const std::vector<double> kS = {200, 100, 8, 12, 20};
const std::vector<double> kC = {300, 150, 10, 14};

const CompositeCase kSRC[] = {
    {"RBC", 2, "RBC", kBoxS, kRect,
     {{'P', Co, {0, 0, 300, 400}, {{0, 0}, {0, 400}, {300, 400}, {300, 0}}},
      {'P', St, {100, 100, 200, 300}, {}},
      {'P', Co, {110, 112, 190, 288}, {}}}},
    {"RBO", 2, "RBO", kBoxS, kRect,
     {{'P', Co, {0, 0, 300, 400}, {}},
      {'P', St, {100, 100, 200, 300}, {}},
      {'P', Ho, {110, 112, 190, 288}, {}}}},
    {"RPO", 2, "RPO", kPipeS, kRect,
     {{'P', Co, {0, 0, 300, 400}, {}},
      {'E', St, {50, 100, 250, 300}, {}},
      {'E', Ho, {60, 110, 240, 290}, {}}}},
    {"CBC", 2, "CBC", kBoxS, {400},
     {{'E', Co, {0, 0, 400, 400}, {}},
      {'P', St, {150, 100, 250, 300}, {}},
      {'P', Co, {160, 112, 240, 288}, {}}}},
    {"CPO", 2, "CPO", kPipeS, {400},
     {{'E', Co, {0, 0, 400, 400}, {}},
      {'E', St, {100, 100, 300, 300}, {}},
      {'E', Ho, {110, 110, 290, 290}, {}}}},
    {"CPC", 2, "CPC", kPipeS, {400},
     {{'E', Co, {0, 0, 400, 400}, {}},
      {'E', St, {100, 100, 300, 300}, {}},
      {'E', Co, {110, 110, 290, 290}, {}}}},
    {"EBCCentredAsInACircle", 2, "EBC", kBoxS, {400},
     {{'P', St, {150, 100, 250, 300}, {}}, {'P', Co, {160, 112, 240, 288}, {}}}},
    {"EPCStaysWhereBuilt", 2, "EPC", kPipeS, {400},
     {{'E', St, {0, 0, 200, 200}, {}}, {'E', Co, {10, 10, 190, 190}, {}}}},
    {"RHBSymmetricBySecondFlangeZero", 2, "RHB", {200, 100, 8, 12, 0, 0}, kRect,
     {{'P', Co, {0, 0, 300, 400}, {}},
      {'P', St, {100, 100, 200, 300},
       {{100, 100}, {100, 112}, {146, 112}, {146, 288}, {100, 288}, {100, 300}, {200, 300},
        {200, 288}, {154, 288}, {154, 112}, {200, 112}, {200, 100}}}}},
    {"CHB", 2, "CHB", {200, 100, 8, 12}, {400},
     {{'E', Co, {0, 0, 400, 400}, {}}, {'P', St, {150, 100, 250, 300}, {}}}},
    {"RCB", 2, "RCB", {200, 100, 10, 20}, kRect,
     {{'P', Co, {0, 0, 300, 400}, {}}, {'P', St, {100, 100, 200, 300}, {}}}},
    {"RH2T", 2, "RH2T", {200, 100, 10, 12, 60, 80, 8, 10}, kRect,
     {{'P', Co, {0, 0, 300, 400}, {}},
      {'P', St, {100, 100, 200, 300}, {}},
      {'P', St, {155, 124, 215, 204},
       {{215, 124}, {205, 124}, {205, 160}, {155, 160}, {155, 168}, {205, 168}, {205, 204},
        {215, 204}}},
      {'P', St, {85, 124, 145, 204},
       {{85, 204}, {95, 204}, {95, 168}, {145, 168}, {145, 160}, {95, 160}, {95, 124},
        {85, 124}}}}},
    {"RBOFlushWebsByZeroWebDistance", 2, "RBO", {200, 100, 10, 12, 0, 0}, kRect,
     {{'P', Co, {0, 0, 300, 400}, {}},
      {'P', St, {100, 100, 200, 300}, {}},
      {'P', Ho, {110, 112, 190, 288}, {{110, 112}, {110, 288}, {190, 288}, {190, 112}}}}},
    {"UnknownSRCCode", 2, "RXX", kBoxS, kRect, {}},
    {"RegularCodeInSRC", 2, "H", kBoxS, kRect, {}},
};

INSTANTIATE_TEST_SUITE_P(SRC, Composite, ::testing::ValuesIn(kSRC),
                         [](const auto& info) { return std::string(info.param.name); });

const CompositeCase kCombined[] = {
    {"TwoH", 4, "2H", kS, kC,
     {{'P', St, {100, -130, 200, 70}, {}}, {'P', St, {0, 0, 300, 150}, {}}}},
    {"HC1WebAlongTheTop", 4, "HC1", kS, kC,
     {{'P', St, {100, 10, 200, 210}, {}},
      {'P', St, {0, 0, 300, 150},
       {{0, 150}, {14, 150}, {14, 10}, {286, 10}, {286, 150}, {300, 150}, {300, 0}, {0, 0}}}}},
    {"HC2WebAlongTheBottom", 4, "HC2", kS, kC,
     {{'P', St, {100, 150, 200, 350}, {}},
      {'P', St, {0, 0, 300, 150},
       {{300, 0}, {286, 0}, {286, 140}, {14, 140}, {14, 0}, {0, 0}, {0, 150}, {300, 150}}}}},
    {"HT", 4, "HT", kS, kC,
     {{'P', St, {100, -130, 200, 70}, {}}, {'P', St, {0, 0, 300, 150}, {}}}},
    {"TwoT1", 4, "2T1", kS, kC,
     {{'P', St, {25, -220, 125, -20}, {}}, {'P', St, {0, 0, 150, 300}, {}}}},
    {"TwoT2", 4, "2T2", kS, kC,
     {{'P', St, {0, 0, 100, 200}, {}}, {'P', St, {-25, 220, 125, 520}, {}}}},
    {"H2T", 4, "H2T", kS, kC,
     {{'P', St, {0, 0, 100, 200}, {}},
      {'P', St, {54, 25, 354, 175}, {}},
      {'P', St, {-254, 25, 46, 175}, {}}}},
    {"WOH", 4, "WOH", kS, kC,
     {{'P', St, {0, 0, 100, 200}, {}}, {'P', St, {-25, 220, 125, 520}, {}}}},
    {"TwoCW1", 4, "2CW1", kS, kC,
     {{'P', St, {0, 0, 200, 100}, {}},
      {'P', St, {0, 400, 200, 500}, {}},
      {'P', St, {25, 100, 175, 400}, {}}}},
    {"TwoCW2", 4, "2CW2", kS, kC,
     {{'P', St, {0, 0, 200, 100}, {}},
      {'P', St, {0, 216, 200, 316}, {}},
      {'P', St, {25, 8, 175, 308}, {}}}},
    {"OneCW1", 4, "1CW1", kS, kC,
     {{'P', St, {0, 0, 200, 100}, {}}, {'P', St, {25, 8, 175, 308}, {}}}},
    {"OneCW2", 4, "1CW2", kS, kC,
     {{'P', St, {0, 0, 200, 100}, {}}, {'P', St, {25, 100, 175, 400}, {}}}},
    {"FourLWithoutGap", 4, "4L", {100, 80, 10, 8}, {0},
     {{'P', St, {80, 100, 160, 200},
       {{80, 100}, {80, 200}, {90, 200}, {90, 108}, {160, 108}, {160, 100}}},
      {'P', St, {0, 100, 80, 200}, {{0, 100}, {0, 108}, {70, 108}, {70, 200}, {80, 200}, {80, 100}}},
      {'P', St, {80, 0, 160, 100}, {{80, 100}, {80, 0}, {90, 0}, {90, 92}, {160, 92}, {160, 100}}},
      {'P', St, {0, 0, 80, 100}, {{0, 100}, {0, 92}, {70, 92}, {70, 0}, {80, 0}, {80, 100}}}}},
    {"FourLWithGap", 4, "4L", {100, 80, 10, 8}, {6},
     {{'P', St, {86, 106, 166, 206}, {}},
      {'P', St, {0, 106, 80, 206}, {}},
      {'P', St, {86, 0, 166, 100}, {}},
      {'P', St, {0, 0, 80, 100}, {}}}},
    {"HP", 4, "HP", kS, {50, 10},
     {{'P', St, {0, 0, 100, 200}, {}},
      {'P', St, {20, 12, 30, 188}, {}},
      {'P', St, {70, 12, 80, 188}, {}}}},
    {"RegularCodeInCombined", 4, "H", kS, kC, {}},
};

INSTANTIATE_TEST_SUITE_P(Combined, Composite, ::testing::ValuesIn(kCombined),
                         [](const auto& info) { return std::string(info.param.name); });

const CompositeCase kTapered[] = {
    {"HIdenticalEnds", 5, "H", {200, 100, 8, 12}, {200, 100, 8, 12},
     {{'P', Co, {150, -300, 250, -100}, {}}, {'P', St, {0, 0, 100, 200}, {}}}},
    {"BoxHolesInHoleColours", 5, "B", kBoxS, kBoxS,
     {{'P', Co, {150, -300, 250, -100}, {}},
      {'P', Ho, {160, -288, 240, -112}, {}},
      {'P', St, {0, 0, 100, 200}, {}},
      {'P', Ho, {10, 12, 90, 188}, {}}}},
    {"PipeEndsOfDifferentSize", 5, "P", {200, 10}, {100, 5},
     {{'E', Co, {275, -175, 375, -75}, {}},
      {'E', Ho, {280, -170, 370, -80}, {}},
      {'E', St, {0, 0, 200, 200}, {}},
      {'E', Ho, {10, 10, 190, 190}, {}}}},
    {"DoubleChannel", 5, "2C", {200, 80, 6, 10, 12}, {200, 80, 6, 10, 12},
     {{'P', Co, {258, -300, 338, -100}, {}},
      {'P', Co, {350, -300, 430, -100}, {}},
      {'P', St, {0, 0, 80, 200}, {}},
      {'P', St, {92, 0, 172, 200}, {}}}},
    {"LippedChannelIsNotTapered", 5, "CC", {100, 50, 2, 0, 0}, {100, 50, 2, 0, 0}, {}},
    {"URibIsNotTapered", 5, "URIB", {60, 100, 100, 2, 3}, {60, 100, 100, 2, 3}, {}},
};

INSTANTIATE_TEST_SUITE_P(Tapered, Composite, ::testing::ValuesIn(kTapered),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TaperedMarks, OffsetFromTheIEndSizedByBothEnds) {
  BuiltOutline b;
  T_SECT_D r = MakeSection(5, "H", {200, 100, 8, 12}, {200, 100, 8, 12});
  r.Part1.iOffset = 9;
  r.Part1.BaseA.Design.Cent_Y = 50;
  r.Part1.BaseA.Design.Cent_Z = 100;
  r.Part1.dDispCenterY = 50;
  r.Part1.dDispCenterZ = 100;
  b.Build(r, 1, 1);
  ExpectBounds(b.builder.m_bndIEnd, 0, 0, 100, 200);
  ASSERT_EQ(b.figs.size(), 5u);
  // i-end corner (100, 200); f = 0.03 x 500 (both ends span 250 by 500).
  EXPECT_EQ(b.figs[2].brush, S::kOffset.crBrush);
  ExpectBounds(b.figs[2].box, 85, 185, 115, 215);
  EXPECT_EQ(b.figs[3].brush, S::kCentroid.crBrush);
  ExpectBounds(b.figs[3].box, 35, 85, 65, 115);
  // a = 0.2 x 500.
  ExpectBounds(b.figs[4].box, -50, 0, 150, 200);
}

TEST(TaperedMarks, UnknownCodeForgetsTheLastIEnd) {
  BuiltOutline b;
  T_SECT_D r = MakeSection(5, "H", {200, 100, 8, 12}, {200, 100, 8, 12});
  b.Build(r);
  T_SECT_D other = MakeSection(5, "CC", {200, 100, 8, 12});
  other.Part1.iOffset = 9;
  b.Build(other, 0, 1);
  ExpectBounds(b.builder.m_bndIEnd, 0, 0, 0, 0);
  ASSERT_EQ(b.figs.size(), 1u);
  ExpectBounds(b.figs[0].box, 0, 0, 0, 0);
}

}  // namespace
