// The outline builder: which figures each family and code gives, in what order and colours,
// and the marks that follow them.
#include "SectionFixture.h"

namespace {

typedef CCMSecShapes S;

void ExpectColours(const FigureDesc& f, SCMColors c) {
  EXPECT_EQ(f.pen, c.crPen);
  EXPECT_EQ(f.brush, c.crBrush);
}

class Builder : public ::testing::Test, public BuiltOutline {};

TEST_F(Builder, StartsZeroedAndStopsWithoutARecord) {
  CCMSecShapeBuilder b;
  EXPECT_EQ(b.m_pSect, nullptr);
  ExpectBounds(b.m_bndIEnd, 0, 0, 0, 0);
  builder.Build(nullptr, &list, 0, 0, 1, 1);
  EXPECT_EQ(list.GetSize(), 0);
}

// One regular (or value) outline: code, sizes, the figures expected in order.
struct RegularCase {
  const char* name;
  int type;
  const char* code;
  std::vector<double> s;
  std::vector<char> kinds;
  std::vector<SCMColors> colours;
  std::vector<Pts> pts;  // per figure: vertices, or corners of an ellipse; empty = unchecked
};

void PrintTo(const RegularCase& c, std::ostream* os) { *os << c.name; }

class Regular : public ::testing::TestWithParam<RegularCase>, public BuiltOutline {};

TEST_P(Regular, FiguresInOrder) {
  const RegularCase& k = GetParam();
  T_SECT_D r = MakeSection(k.type, k.code, {});
  for (size_t i = 0; i < k.s.size(); ++i) r.Part1.BaseA.dSize[i] = k.s[i];
  Build(r);
  ASSERT_EQ(figs.size(), k.kinds.size());
  for (size_t i = 0; i < figs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(figs[i].kind, k.kinds[i]);
    ExpectColours(figs[i], k.colours[i]);
    if (i < k.pts.size() && !k.pts[i].empty()) ExpectVertices(figs[i].pts, k.pts[i]);
  }
}

const SCMColors St = CCMSecShapes::kSteel, Ho = CCMSecShapes::kHole;

const RegularCase kRegular[] = {
    {"Angle", 1, "L", {100, 80, 10, 8}, {'P'}, {St},
     {{{0, 0}, {0, 100}, {10, 100}, {10, 8}, {80, 8}, {80, 0}}}},
    {"ChannelSymmetric", 1, "C", {200, 80, 6, 10, 0, 0}, {'P'}, {St},
     {{{0, 0}, {80, 0}, {80, 10}, {6, 10}, {6, 190}, {80, 190}, {80, 200}, {0, 200}}}},
    {"HSymmetric", 1, "H", {200, 100, 8, 12, 0, 0}, {'P'}, {St},
     {{{0, 0}, {0, 12}, {46, 12}, {46, 188}, {0, 188}, {0, 200}, {100, 200}, {100, 188},
       {54, 188}, {54, 12}, {100, 12}, {100, 0}}}},
    {"HSecondFlangeWider", 1, "H", {200, 100, 8, 12, 160, 16}, {'P'}, {St},
     {{{30, 0}, {30, 12}, {76, 12}, {76, 184}, {0, 184}, {0, 200}, {160, 200}, {160, 184},
       {84, 184}, {84, 12}, {130, 12}, {130, 0}}}},
    {"ValueSectionLikeRegular", 3, "T", {150, 100, 8, 12}, {'P'}, {St},
     {{{0, 0}, {0, 12}, {46, 12}, {46, 150}, {54, 150}, {54, 12}, {100, 12}, {100, 0}}}},
    {"BoxThenHole", 1, "B", {300, 200, 10, 20, 0, 0}, {'P', 'P'}, {St, Ho},
     {{}, {{10, 20}, {10, 280}, {190, 280}, {190, 20}}}},
    {"Pipe", 1, "P", {200, 10}, {'E', 'E'}, {St, Ho},
     {{{0, 0}, {200, 200}}, {{10, 10}, {190, 190}}}},
    {"DoubleAngle", 1, "2L", {100, 80, 10, 8, 12}, {'P', 'P'}, {St, St},
     {{{0, 0}, {0, 8}, {70, 8}, {70, 100}, {80, 100}, {80, 0}},
      {{92, 0}, {92, 100}, {102, 100}, {102, 8}, {172, 8}, {172, 0}}}},
    {"DoubleChannel", 1, "2C", {200, 80, 6, 10, 12}, {'P', 'P'}, {St, St},
     {{{0, 0}, {0, 10}, {74, 10}, {74, 190}, {0, 190}, {0, 200}, {80, 200}, {80, 0}},
      {{92, 0}, {172, 0}, {172, 10}, {98, 10}, {98, 190}, {172, 190}, {172, 200},
       {92, 200}}}},
    {"SolidRectangle", 1, "SB", {500, 300}, {'P'}, {St},
     {{{0, 0}, {0, 500}, {300, 500}, {300, 0}}}},
    {"SolidRound", 1, "SR", {400}, {'E'}, {St}, {{{0, 0}, {400, 400}}}},
    {"Cross", 1, "CR", {200, 100, 10, 20}, {'P'}, {St},
     {{{45, 0}, {45, 90}, {0, 90}, {0, 110}, {45, 110}, {45, 200}, {55, 200}, {55, 110},
       {100, 110}, {100, 90}, {55, 90}, {55, 0}}}},
    {"LippedChannelSquare", 1, "CC", {100, 50, 2, 0, 0}, {'P'}, {St},
     {{{0, 100}, {50, 100}, {50, 98}, {48, 98}, {2, 98}, {2, 2}, {48, 2}, {50, 2}, {50, 0},
       {0, 0}}}},
    {"LippedChannelBendsTooWideKeepsAnEmptyFigure", 1, "CC", {100, 10, 3, 3, 20}, {'P'},
     {St}, {{}}},
    {"URib", 1, "URIB", {60, 100, 100, 2, 3}, {'P'}, {St}, {}},
    {"LowerCaseMatchesNothing", 1, "h", {200, 100, 8, 12}, {}, {}, {}},
    {"CombinedCodeIsNotRegular", 1, "2H", {200, 100, 8, 12}, {}, {}, {}},
    {"UnknownType", 6, "H", {200, 100, 8, 12}, {}, {}, {}},
    {"EmptyRecordType0", 0, "", {}, {}, {}, {}},
};

INSTANTIATE_TEST_SUITE_P(Family, Regular, ::testing::ValuesIn(kRegular),
                         [](const auto& info) { return std::string(info.param.name); });

// Copies of a lipped channel by the combination text: the x range of each figure.
struct ComboCase {
  const char* combo;
  std::vector<std::pair<double, double>> spans;
  std::vector<bool> reflected;  // web on the right
};

void PrintTo(const ComboCase& c, std::ostream* os) { *os << c.combo; }

class LippedCopies : public ::testing::TestWithParam<ComboCase>, public BuiltOutline {};

TEST_P(LippedCopies, SpansAndReflections) {
  T_SECT_D r = MakeSection(1, "CC", {100, 50, 2, 0, 0});
  r.Part1.BaseA.strBaseShape = GetParam().combo;
  Build(r);
  ASSERT_EQ(figs.size(), GetParam().spans.size());
  for (size_t i = 0; i < figs.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_DOUBLE_EQ(figs[i].box.minX, GetParam().spans[i].first);
    EXPECT_DOUBLE_EQ(figs[i].box.maxX, GetParam().spans[i].second);
    ExpectBounds(SCMBound2D{0, figs[i].box.minY, 0, figs[i].box.maxY}, 0, 0, 0, 100);
    // The web (vertices 4 and 5 lie on its inner face) is 2 from the figure's left edge,
    // or from its right edge when reflected.
    const double web = figs[i].pts[4].first;
    EXPECT_DOUBLE_EQ(web, GetParam().reflected[i] ? figs[i].box.maxX - 2 : figs[i].box.minX + 2);
  }
}

const ComboCase kCombos[] = {
    {"", {{0, 50}}, {false}},
    {"2IS", {{0, 50}, {-50, 0}}, {false, true}},
    {"2IW", {{0, 50}, {-50, 0}}, {false, true}},
    {"2BS", {{0, 50}, {50, 100}}, {false, true}},
    {"2BW", {{0, 50}, {50, 100}}, {false, true}},
    {"3BS", {{0, 50}, {50, 100}, {100, 150}}, {false, false, true}},
    {"4IS", {{0, 50}, {50, 100}, {100, 150}, {150, 200}}, {false, false, false, true}},
    {"5IS", {{0, 50}}, {false}},
    {"IS", {{0, 50}}, {false}},
    {"2", {{0, 50}, {-50, 0}}, {false, true}},
};

INSTANTIATE_TEST_SUITE_P(Combination, LippedCopies, ::testing::ValuesIn(kCombos));

// ---- Marks.

TEST_F(Builder, MarksFollowTheOutlineInOrder) {
  T_SECT_D r = MakeSection(1, "SB", {100, 200});  // box (0, 0)-(200, 100)
  r.Part1.iOffset = 1;
  r.Part1.BaseA.Design.Cent_Y = 100;
  r.Part1.BaseA.Design.Cent_Z = 40;
  r.Part1.Design.Cent_Y = 7;  // not read for a regular section
  r.Part1.dDispCenterY = 50;
  r.Part1.dDispCenterZ = 30;
  Build(r, 1, 1);
  ASSERT_EQ(figs.size(), 4u);
  ExpectColours(figs[0], S::kSteel);
  // f = 0.03 x 200 = 6.
  ExpectColours(figs[1], S::kOffset);
  ExpectVertices(figs[1].pts, {{-6, -6}, {-6, 6}, {6, 6}, {6, -6}});
  ExpectColours(figs[2], S::kCentroid);
  ExpectVertices(figs[2].pts, {{94, 54}, {94, 66}, {106, 66}, {106, 54}});
  // a = 0.2 x 200 = 40, about (50, 70).
  ExpectColours(figs[3], S::kCross);
  ExpectVertices(figs[3].pts, {{10, 70}, {90, 70}, {50, 70}, {50, 30}, {50, 110}, {50, 70}});

  Build(r, 0, 1);
  EXPECT_EQ(figs.size(), 2u);
  ExpectColours(figs[1], S::kOffset);
  Build(r, 1, 0);
  ASSERT_EQ(figs.size(), 3u);
  ExpectColours(figs[1], S::kCentroid);
  ExpectColours(figs[2], S::kCross);
}

TEST_F(Builder, OffsetSquarePosition) {
  const std::pair<int, std::pair<double, double>> cases[] = {
      {0, {100, 50}}, {5, {100, 50}}, {10, {100, 50}}, {-1, {100, 50}}, {9, {200, 100}},
      {1, {0, 0}},    {3, {200, 0}},  {4, {0, 50}},    {8, {100, 100}}};
  for (auto [code, at] : cases) {
    SCOPED_TRACE(code);
    BuiltOutline b;
    T_SECT_D r = MakeSection(1, "SB", {100, 200});
    r.Part1.iOffset = code;
    b.Build(r, 0, 1);
    ASSERT_EQ(b.figs.size(), 2u);
    ExpectBounds(b.figs[1].box, at.first - 6, at.second - 6, at.first + 6, at.second + 6);
  }
}

TEST_F(Builder, UnknownCodeStillGetsItsMarks) {
  T_SECT_D r = MakeSection(1, "h", {200, 100, 8, 12});
  r.Part1.BaseA.Design.Cent_Y = 3;
  Build(r, 1, 1);
  ASSERT_EQ(figs.size(), 3u);
  ExpectColours(figs[0], S::kOffset);
  ExpectBounds(figs[0].box, 0, 0, 0, 0);
  ExpectColours(figs[1], S::kCentroid);
  ExpectBounds(figs[1].box, 3, 0, 3, 0);
  ExpectColours(figs[2], S::kCross);

  T_SECT_D other = MakeSection(6, "H", {200, 100, 8, 12});
  BuiltOutline none;
  none.Build(other, 1, 1);
  EXPECT_TRUE(none.figs.empty());
}

TEST_F(Builder, CentroidOfTwoShapeSectionsIsThePartsOwn) {
  T_SECT_D r = MakeSection(2, "RHB", {200, 100, 8, 12}, {400, 300});
  r.Part1.Design.Cent_Y = 150;
  r.Part1.Design.Cent_Z = 200;
  r.Part1.BaseA.Design.Cent_Y = 50;  // the steel's own: not used
  Build(r, 1, 0);
  ASSERT_GE(figs.size(), 2u);
  const FigureDesc& sq = figs[figs.size() - 2];
  ExpectColours(sq, S::kCentroid);
  // f = 0.03 x 400 = 12, about (150, 400 - 200).
  ExpectBounds(sq.box, 138, 188, 162, 212);
}

TEST_F(Builder, BuildAppendsToTheListGiven) {
  list.Add(S::Rect(1000, 1000, 2000, 2000, S::kHole));
  T_SECT_D r = MakeSection(1, "SB", {100, 200});
  r.Part1.iOffset = 9;
  BuildOnto(r, 0, 1);
  ASSERT_EQ(figs.size(), 3u);
  // The marks belong to the new outline only.
  ExpectBounds(figs[2].box, 194, 94, 206, 106);
}

}  // namespace
