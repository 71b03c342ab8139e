// The grid control's formula engine: turns a cell text such as "=2*sqrt(9)-1e1" into a
// number. It stands alone (no grid window needed) so that any grid, edit or dialog can use it.
//
// Grammar (blanks - space, tab, CR, LF - may stand between any two tokens):
//   formula  := [ '=' ] expr END
//   expr     := term { ('+' | '-') term }
//   term     := power { ('*' | '/') power }
//   power    := unary [ '^' power ]              ^ is right-associative: 2^3^2 = 2^9
//   unary    := { '+' | '-' } primary
//   primary  := number | '(' expr ')' | name [ '(' [ expr { ',' expr } ] ')' ]
//   number   := digits [ '.' [ digits ] ] [ exp ] | '.' digits [ exp ]
//   exp      := ('e' | 'E') [ '+' | '-' ] digits
//
// Precedence, as spreadsheets have it: a unary sign binds tighter than '^', so -2^2 = 4
// and 2^-2 = 0.25; write -(2^2) or 0-2^2 for -4. Binary + and - bind loosest.
// Names are case-insensitive: sqrt, abs, sin, cos, tan, asin, acos, atan (radians), exp,
// log (natural), log10, and the constant pi, written pi or pi().
//
// Bounds: a text longer than GX_FORMULA_MAX_LENGTH bytes is refused (GX_FORMULA_TOO_LONG),
// and so is nesting deeper than GX_FORMULA_MAX_DEPTH levels, where every parenthesis,
// function call and '^' counts one level (GX_FORMULA_TOO_DEEP). Parsing recursion is bounded
// by that depth, evaluation runs on a flat program, so no text can exhaust the stack.
//
// Outcomes: parse failures (the text is no formula of this grammar) and evaluation failures
// (division by zero, a domain error such as sqrt(-1), log(0), asin(2) or 0^-1, and an
// overflow to a non-finite value, including a literal such as 1e999) are told apart by
// the result code; each code has a text key (GetMessageKey). A literal too small to be
// represented (1e-999) reads as 0. A result of -0 is given as 0.
#pragma once
#include <string_view>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CString.h"

enum GXFormulaCode : int {
  GX_FORMULA_OK = 0,
  // Parse failures.
  GX_FORMULA_SYNTAX,        // "IDS_GX_FORMULA_SYNTAX": unexpected or missing token
  GX_FORMULA_UNKNOWN_NAME,  // "IDS_GX_FORMULA_UNKNOWN_NAME": no such function or constant
  GX_FORMULA_ARGUMENTS,     // "IDS_GX_FORMULA_ARGUMENTS": wrong number of arguments
  GX_FORMULA_TOO_LONG,      // "IDS_GX_FORMULA_TOO_LONG"
  GX_FORMULA_TOO_DEEP,      // "IDS_GX_FORMULA_TOO_DEEP"
  GX_FORMULA_EMPTY,         // "IDS_GX_FORMULA_EMPTY": nothing (or only "=") to evaluate
  // Evaluation failures.
  GX_FORMULA_DIV_ZERO,      // "IDS_GX_FORMULA_DIV_ZERO"
  GX_FORMULA_DOMAIN,        // "IDS_GX_FORMULA_DOMAIN"
  GX_FORMULA_OVERFLOW,      // "IDS_GX_FORMULA_OVERFLOW"
  GX_FORMULA_NOT_PARSED     // "IDS_GX_FORMULA_NOT_PARSED": Evaluate without a parsed formula
};

enum : int {
  GX_FORMULA_MAX_LENGTH = 1024,  // bytes, the '=' and blanks included
  GX_FORMULA_MAX_DEPTH = 64      // nested parentheses, calls and '^'
};

class CGXFormula {
 public:
  CGXFormula() = default;

  // Parses text into a program; non-zero on success. On failure GetResult() is a parse
  // failure and GetErrorPos() the byte offset where reading stopped.
  BOOL Parse(LPCTSTR text);
  BOOL Parse(std::string_view text);

  // Runs the parsed program; non-zero with value set on success. On failure GetResult()
  // is an evaluation failure and value is left alone. May be called again.
  BOOL Evaluate(double& value);

  GXFormulaCode GetResult() const { return m_code; }
  int GetErrorPos() const { return m_errorPos; }
  LPCTSTR GetMessageKey() const { return MessageKey(m_code); }

  // One call: parse and evaluate. value is set only on GX_FORMULA_OK.
  static GXFormulaCode Calculate(LPCTSTR text, double& value);
  static GXFormulaCode Calculate(std::string_view text, double& value);

  // A formula is a text whose first character that is not a blank is '='.
  static BOOL IsFormula(LPCTSTR text);
  static LPCTSTR MessageKey(GXFormulaCode code);
  static BOOL IsParseFailure(GXFormulaCode code);
  static BOOL IsEvalFailure(GXFormulaCode code);

  // One step of the parsed program (public for the parser in the implementation file).
  struct Op {
    int kind;      // an OpKind of the implementation
    double value;  // the literal of a number
  };

 private:
  std::vector<Op> m_program;
  GXFormulaCode m_code = GX_FORMULA_NOT_PARSED;
  int m_errorPos = 0;
};
