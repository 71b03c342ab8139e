// What cannot be a section is refused by the size check, and CalcSectData fails on it
// without touching the record.
#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <string>

#include "db/CSectUtil.h"

namespace {

T_SECT_D Make(int type, const char* code, std::initializer_list<double> a,
              std::initializer_list<double> b = {}, int matl = SECT_MATL_STEEL) {
  T_SECT_D s;
  s.iType = type;
  s.iMatlType = matl;
  s.Part1.strShape = code;
  int i = 0;
  for (double v : a) s.Part1.BaseA.dSize[i++] = v;
  i = 0;
  for (double v : b) s.Part1.BaseB.dSize[i++] = v;
  return s;
}

struct Case {
  const char* why;
  T_SECT_D s;
};

std::string Dump(const T_SECT_D& s) {
  CString out;
  DB_DumpRecord(T_SECT_D::Desc(), &s, out);
  return out.c_str();
}

}  // namespace

TEST(SectCheckTest, RefusedSizes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const int R = SECT_TYPE_REGULAR, S = SECT_TYPE_SRC, C = SECT_TYPE_COMBINED;
  const Case cases[] = {
      {"unknown shape", Make(R, "Q", {1, 1})},
      {"shape code in lower case", Make(R, "h", {0.4, 0.2, 0.008, 0.013})},
      {"H: zero height", Make(R, "H", {0, 0.2, 0.008, 0.013})},
      {"H: negative web", Make(R, "H", {0.4, 0.2, -0.008, 0.013})},
      {"H: flanges leave no web", Make(R, "H", {0.4, 0.2, 0.008, 0.2})},
      {"H: web as wide as the flange", Make(R, "H", {0.4, 0.2, 0.2, 0.013})},
      {"H: web wider than the second flange", Make(R, "H", {0.4, 0.2, 0.01, 0.013, 0.008, 0})},
      {"H: negative second flange", Make(R, "H", {0.4, 0.2, 0.008, 0.013, -0.1, 0})},
      {"H: not a number", Make(R, "H", {0.4, nan, 0.008, 0.013})},
      {"C: flanges meet", Make(R, "C", {0.2, 0.075, 0.008, 0.1, 0, 0.1})},
      {"L: leg thickness at the leg width", Make(R, "L", {0.1, 0.1, 0.1, 0.01})},
      {"T: flange as deep as the section", Make(R, "T", {0.3, 0.2, 0.01, 0.3})},
      {"B: webs meet", Make(R, "B", {0.4, 0.3, 0.15, 0.012, 0, 0})},
      {"B: webs beyond the flange", Make(R, "B", {0.4, 0.3, 0.01, 0.012, 0.295, 0})},
      {"B: flanges leave no hole", Make(R, "B", {0.4, 0.3, 0.01, 0.2, 0, 0.2})},
      {"P: wall leaves no hole", Make(R, "P", {0.3, 0.15})},
      {"P: zero wall", Make(R, "P", {0.3, 0})},
      {"2L: negative gap", Make(R, "2L", {0.1, 0.1, 0.01, 0.01, -0.01})},
      {"2C: flanges leave no web", Make(R, "2C", {0.2, 0.075, 0.008, 0.1, 0})},
      {"SB: zero width", Make(R, "SB", {0.5, 0}, {}, SECT_MATL_RC)},
      {"SR: negative diameter", Make(R, "SR", {-0.5}, {}, SECT_MATL_RC)},
      {"CR: plate as wide as the cross", Make(R, "CR", {0.6, 0.4, 0.4, 0.03}, {}, SECT_MATL_RC)},
      {"CC: bends wider than the flange", Make(R, "CC", {0.2, 0.01, 0.002, 0.004, 0.02})},
      {"CC: lips meet", Make(R, "CC", {0.1, 0.07, 0.002, 0, 0.06})},
      {"tapered: j-end has no web", Make(SECT_TYPE_TAPERED, "H", {0.4, 0.2, 0.008, 0.013}, {0.4, 0.2, 0.008, 0.2})},
      {"SRC: box wider than the concrete", Make(S, "RBO", {0.3, 0.6, 0.015, 0.015, 0, 0.015}, {0.6, 0.6})},
      {"SRC: H reaching the circle", Make(S, "CHB", {0.5, 0.3, 0.012, 0.02, 0, 0}, {0.58})},
      {"SRC: no concrete size", Make(S, "RHB", {0.5, 0.3, 0.012, 0.02, 0, 0}, {0.8, 0})},
      {"SRC: steel sizes refused", Make(S, "EPC", {0.4, 0.2}, {})},
      {"SRC: unknown shape", Make(S, "XYZ", {0.4, 0.012}, {0.8})},
      {"combined: upright H wider than the space between the flanges", Make(C, "2H", {0.3, 0.4, 0.008, 0.013}, {0.4, 0.2, 0.008, 0.013})},
      {"combined: plates on the web", Make(C, "HP", {0.4, 0.2, 0.008, 0.013}, {0.012, 0.01})},
      {"combined: channels' flanges collide", Make(C, "2CW2", {0.2, 0.075, 0.008, 0.012}, {0.05, 0.15})},
      {"combined: negative gap", Make(C, "WOH", {0.4, 0.2, 0.008, 0.013, -0.05}, {0.3, 0.15, 0.0065, 0.009})},
      {"combined: unknown shape", Make(C, "H", {0.4, 0.2, 0.008, 0.013}, {0.4, 0.2, 0.008, 0.013})},
      {"type without sizes", Make(0, "H", {0.4, 0.2, 0.008, 0.013})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_FALSE(CSectUtil::CheckSectSize(c.s));
    T_SECT_D t = c.s;
    EXPECT_FALSE(CSectUtil::CalcSectData(t));
    EXPECT_EQ(Dump(t), Dump(c.s));
  }
  // SRC with a modulus ratio that converts nothing.
  T_SECT_D s = Make(S, "RBC", {0.3, 0.3, 0.015, 0.015, 0, 0.015}, {0.6, 0.6});
  EXPECT_TRUE(CSectUtil::CheckSectSize(s));
  s.Part1.dEsEc = 0;
  EXPECT_FALSE(CSectUtil::CheckSectSize(s));
}

TEST(SectCheckTest, AcceptedLimits) {
  const int R = SECT_TYPE_REGULAR;
  const Case cases[] = {
      {"H with the second flange taken from the first", Make(R, "H", {0.4, 0.2, 0.008, 0.013, 0, 0})},
      {"box with its webs flush", Make(R, "B", {0.4, 0.3, 0.01, 0.012, 0, 0})},
      {"box with webs at the flange edges", Make(R, "B", {0.4, 0.3, 0.01, 0.012, 0.29, 0})},
      {"concrete box (second flange in the sixth size)", Make(R, "B", {0.6, 0.4, 0.1, 0.1, 0, 0.15}, {}, SECT_MATL_RC)},
      {"2L back to back without a gap", Make(R, "2L", {0.1, 0.1, 0.01, 0.01, 0})},
      {"lipped channel without lips", Make(R, "CC", {0.2, 0.07, 0.002, 0.003, 0})},
      {"lipped channel, square corners", Make(R, "CC", {0.2, 0.07, 0.002, 0, 0.02})},
      {"4L corner to corner", Make(SECT_TYPE_COMBINED, "4L", {0.1, 0.1, 0.01, 0.01}, {0})},
      {"filled box", Make(SECT_TYPE_SRC, "EBC", {0.4, 0.4, 0.02, 0.02, 0, 0.02})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_TRUE(CSectUtil::CheckSectSize(c.s));
    T_SECT_D t = c.s;
    EXPECT_TRUE(CSectUtil::CalcSectData(t));
  }
}
