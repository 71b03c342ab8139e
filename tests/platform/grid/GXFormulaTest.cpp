#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "grid/GXFormula.h"

namespace {

struct ValueCase {
  const char* text;
  double expected;
};

class FormulaValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(FormulaValue, Evaluates) {
  const ValueCase& c = GetParam();
  double v = -12345;
  ASSERT_EQ(CGXFormula::Calculate(c.text, v), GX_FORMULA_OK) << c.text;
  EXPECT_NEAR(v, c.expected, 1e-12 * std::max(1.0, std::fabs(c.expected))) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormulaValue,
    ::testing::Values(
        ValueCase{"=2*3", 6}, ValueCase{"=0-5", -5}, ValueCase{"=1+2*3", 7},
        ValueCase{"=(1+2)*3", 9}, ValueCase{"=10/4", 2.5}, ValueCase{"=8-3-2", 3},
        ValueCase{"=64/4/2", 8}, ValueCase{"=2e1", 20}, ValueCase{"=2E1", 20},
        ValueCase{"=1.5e-3*1000", 1.5}, ValueCase{"=.5+5.", 5.5}, ValueCase{"=1e+2", 100},
        // ^ is right-associative and a unary sign binds tighter than ^.
        ValueCase{"=2^3^2", 512}, ValueCase{"=-2^2", 4}, ValueCase{"=0-2^2", -4},
        ValueCase{"=-(2^2)", -4}, ValueCase{"=2^-2", 0.25}, ValueCase{"=2*3^2", 18},
        ValueCase{"=--3", 3}, ValueCase{"=+-+3", -3}, ValueCase{"=-3--3", 0},
        ValueCase{"=(-8)^3", -512}, ValueCase{"=0^0", 1},
        // Names are case-insensitive; trigonometry is in radians.
        ValueCase{"=sqrt(16)", 4}, ValueCase{"=SQRT(2)^2", 2}, ValueCase{"=Abs(-3)", 3},
        ValueCase{"=sin(pi/2)", 1}, ValueCase{"=cos(PI())", -1}, ValueCase{"=tan(pi/4)", 1},
        ValueCase{"=asin(1)", std::numbers::pi / 2}, ValueCase{"=acos(1)", 0},
        ValueCase{"=atan(1)*4", std::numbers::pi}, ValueCase{"=exp(1)", std::numbers::e},
        ValueCase{"=log(exp(2))", 2}, ValueCase{"=LOG10(1000)", 3}, ValueCase{"=eXP(0)", 1},
        // Blanks anywhere between tokens; the '=' is optional for the engine.
        ValueCase{"  = 1 +\t2 * ( 3 - 1 ) ", 5}, ValueCase{"= sqrt ( 9 ) ", 3},
        ValueCase{"2+2", 4}, ValueCase{"=-0", 0}, ValueCase{"=1e-999", 0},
        ValueCase{"=1e308/10*10", 1e308}));

struct FailCase {
  const char* text;
  GXFormulaCode code;
};

class FormulaFailure : public ::testing::TestWithParam<FailCase> {};

TEST_P(FormulaFailure, IsReportedWithItsCode) {
  const FailCase& c = GetParam();
  double v = 7;
  EXPECT_EQ(CGXFormula::Calculate(c.text, v), c.code) << c.text;
  EXPECT_EQ(v, 7) << "a failure leaves the value alone: " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormulaFailure,
    ::testing::Values(
        FailCase{"=2*", GX_FORMULA_SYNTAX}, FailCase{"=", GX_FORMULA_EMPTY},
        FailCase{"", GX_FORMULA_EMPTY}, FailCase{"=  ", GX_FORMULA_EMPTY},
        FailCase{"=(1+2", GX_FORMULA_SYNTAX}, FailCase{"=1+2)", GX_FORMULA_SYNTAX},
        FailCase{"=2 3", GX_FORMULA_SYNTAX}, FailCase{"=2e", GX_FORMULA_SYNTAX},
        FailCase{"=1..2", GX_FORMULA_SYNTAX}, FailCase{"=.", GX_FORMULA_SYNTAX},
        FailCase{"=*2", GX_FORMULA_SYNTAX}, FailCase{"=2**3", GX_FORMULA_SYNTAX},
        FailCase{"==2", GX_FORMULA_SYNTAX}, FailCase{"=2(3)", GX_FORMULA_SYNTAX},
        FailCase{"=0x10", GX_FORMULA_SYNTAX}, FailCase{"=sqrt 4", GX_FORMULA_SYNTAX},
        FailCase{"=sqrt()", GX_FORMULA_ARGUMENTS}, FailCase{"=sqrt(1,2)", GX_FORMULA_ARGUMENTS},
        FailCase{"=pi(1)", GX_FORMULA_ARGUMENTS}, FailCase{"=foo(1)", GX_FORMULA_UNKNOWN_NAME},
        FailCase{"=inf", GX_FORMULA_UNKNOWN_NAME}, FailCase{"=nan", GX_FORMULA_UNKNOWN_NAME},
        FailCase{"=1,2", GX_FORMULA_SYNTAX}, FailCase{"=1;2", GX_FORMULA_SYNTAX},
        FailCase{"=\xe4\xb8\x80", GX_FORMULA_SYNTAX},
        // Evaluation failures.
        FailCase{"=1/0", GX_FORMULA_DIV_ZERO}, FailCase{"=0/0", GX_FORMULA_DIV_ZERO},
        FailCase{"=1/(2-2)", GX_FORMULA_DIV_ZERO}, FailCase{"=0^-1", GX_FORMULA_DIV_ZERO},
        FailCase{"=sqrt(-1)", GX_FORMULA_DOMAIN}, FailCase{"=log(0)", GX_FORMULA_DOMAIN},
        FailCase{"=log10(-5)", GX_FORMULA_DOMAIN}, FailCase{"=asin(2)", GX_FORMULA_DOMAIN},
        FailCase{"=acos(-1.5)", GX_FORMULA_DOMAIN}, FailCase{"=(-8)^0.5", GX_FORMULA_DOMAIN},
        FailCase{"=exp(1000)", GX_FORMULA_OVERFLOW}, FailCase{"=10^400", GX_FORMULA_OVERFLOW},
        FailCase{"=1e308*10", GX_FORMULA_OVERFLOW}, FailCase{"=1e999", GX_FORMULA_OVERFLOW},
        FailCase{"=0*1e999", GX_FORMULA_OVERFLOW}, FailCase{"=-1e308-1e308", GX_FORMULA_OVERFLOW}));

TEST(FormulaCodes, ParseAndEvaluationFailuresAreToldApart) {
  CGXFormula f;
  EXPECT_FALSE(f.Parse("=2*"));
  EXPECT_TRUE(CGXFormula::IsParseFailure(f.GetResult()));
  EXPECT_FALSE(CGXFormula::IsEvalFailure(f.GetResult()));
  EXPECT_STREQ(f.GetMessageKey(), "IDS_GX_FORMULA_SYNTAX");
  EXPECT_EQ(f.GetErrorPos(), 3);
  double v = 0;
  EXPECT_FALSE(f.Evaluate(v));
  EXPECT_EQ(f.GetResult(), GX_FORMULA_SYNTAX) << "evaluating after a failed parse keeps its code";

  ASSERT_TRUE(f.Parse("=1/(3-3)"));
  EXPECT_EQ(f.GetResult(), GX_FORMULA_OK);
  EXPECT_FALSE(f.Evaluate(v));
  EXPECT_TRUE(CGXFormula::IsEvalFailure(f.GetResult()));
  EXPECT_STREQ(f.GetMessageKey(), "IDS_GX_FORMULA_DIV_ZERO");

  // Every code has its own key.
  for (int a = GX_FORMULA_OK; a <= GX_FORMULA_NOT_PARSED; ++a)
    for (int b = a + 1; b <= GX_FORMULA_NOT_PARSED; ++b)
      EXPECT_STRNE(CGXFormula::MessageKey((GXFormulaCode)a), CGXFormula::MessageKey((GXFormulaCode)b));
}

TEST(FormulaCodes, EvaluateWithoutParseFails) {
  CGXFormula f;
  double v = 3;
  EXPECT_FALSE(f.Evaluate(v));
  EXPECT_EQ(f.GetResult(), GX_FORMULA_NOT_PARSED);
  EXPECT_EQ(v, 3);
}

TEST(FormulaCodes, ParsedFormulaCanBeEvaluatedAgain) {
  CGXFormula f;
  ASSERT_TRUE(f.Parse("=2^10"));
  double a = 0, b = 0;
  ASSERT_TRUE(f.Evaluate(a));
  ASSERT_TRUE(f.Evaluate(b));
  EXPECT_EQ(a, 1024);
  EXPECT_EQ(b, 1024);
}

TEST(FormulaBounds, NestingUpToTheBoundIsAcceptedBeyondRefused) {
  auto nested = [](int n) { return "=" + std::string(n, '(') + "1" + std::string(n, ')'); };
  double v = 0;
  EXPECT_EQ(CGXFormula::Calculate(nested(GX_FORMULA_MAX_DEPTH), v), GX_FORMULA_OK);
  EXPECT_EQ(v, 1);
  EXPECT_EQ(CGXFormula::Calculate(nested(GX_FORMULA_MAX_DEPTH + 1), v), GX_FORMULA_TOO_DEEP);

  std::string calls = "=";
  for (int i = 0; i < 200; ++i) calls += "abs(";
  calls += "1" + std::string(200, ')');
  EXPECT_EQ(CGXFormula::Calculate(calls, v), GX_FORMULA_TOO_DEEP);

  std::string powers = "=1";
  for (int i = 0; i < 300; ++i) powers += "^1";
  EXPECT_EQ(CGXFormula::Calculate(powers, v), GX_FORMULA_TOO_DEEP);

  // Unclosed parentheses far past the bound: refused, no deep recursion.
  EXPECT_EQ(CGXFormula::Calculate("=" + std::string(1000, '('), v), GX_FORMULA_TOO_DEEP);
}

TEST(FormulaBounds, LongTextsAreRefusedButLongSignChainsAndSumsWork) {
  double v = 0;
  std::string sum = "=1";
  while (sum.size() + 2 <= GX_FORMULA_MAX_LENGTH) sum += "+1";
  ASSERT_EQ(CGXFormula::Calculate(sum, v), GX_FORMULA_OK);
  EXPECT_EQ(v, (double)((sum.size() - 2) / 2 + 1));
  EXPECT_EQ(CGXFormula::Calculate(sum + "+1", v), GX_FORMULA_TOO_LONG);

  std::string signs = "=" + std::string(1000, '-') + "2";
  ASSERT_EQ(CGXFormula::Calculate(signs, v), GX_FORMULA_OK);
  EXPECT_EQ(v, 2);
}

TEST(FormulaText, EmbeddedNulIsASyntaxError) {
  double v = 0;
  EXPECT_EQ(CGXFormula::Calculate(std::string_view("=1\0+2", 5), v), GX_FORMULA_SYNTAX);
}

TEST(FormulaText, CellTextsAreAccepted) {
  // A grid hands over its cell text as a CString, with capital E already made small.
  CString cell = "=2E1/4";
  cell.Replace('E', 'e');
  double v = 0;
  EXPECT_EQ(CGXFormula::Calculate(cell, v), GX_FORMULA_OK);
  EXPECT_EQ(v, 5);
  CGXFormula f;
  EXPECT_TRUE(f.Parse(cell));
  EXPECT_EQ(CGXFormula::Calculate((LPCTSTR) nullptr, v), GX_FORMULA_EMPTY);
}

TEST(FormulaText, IsFormulaLooksForALeadingEqualsSign) {
  EXPECT_TRUE(CGXFormula::IsFormula("=1"));
  EXPECT_TRUE(CGXFormula::IsFormula("  =1"));
  EXPECT_FALSE(CGXFormula::IsFormula("1=1"));
  EXPECT_FALSE(CGXFormula::IsFormula(""));
  EXPECT_FALSE(CGXFormula::IsFormula(nullptr));
}

}  // namespace
