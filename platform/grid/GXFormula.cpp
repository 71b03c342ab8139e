// The grid control's formula engine: a depth-bounded recursive-descent parser that emits a
// flat postfix program, and a stack machine that runs it with every step checked.
#include "grid/GXFormula.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

enum OpKind : int {
  OP_PUSH, OP_OVERFLOW_LITERAL, OP_NEG, OP_ADD, OP_SUB, OP_MUL, OP_DIV, OP_POW,
  OP_SQRT, OP_ABS, OP_SIN, OP_COS, OP_TAN, OP_ASIN, OP_ACOS, OP_ATAN, OP_EXP, OP_LOG, OP_LOG10
};

// Names known to the engine; arity 0 is a constant (pushes value).
struct NameDef {
  const char* name;
  int arity;
  int op;
  double value;
};

const NameDef kNames[] = {
    {"sqrt", 1, OP_SQRT, 0}, {"abs", 1, OP_ABS, 0},   {"sin", 1, OP_SIN, 0},
    {"cos", 1, OP_COS, 0},   {"tan", 1, OP_TAN, 0},   {"asin", 1, OP_ASIN, 0},
    {"acos", 1, OP_ACOS, 0}, {"atan", 1, OP_ATAN, 0}, {"exp", 1, OP_EXP, 0},
    {"log", 1, OP_LOG, 0},   {"log10", 1, OP_LOG10, 0}, {"pi", 0, OP_PUSH, std::numbers::pi},
};

struct CodeDef {
  GXFormulaCode code;
  const char* key;
  int kind;  // 0 success, 1 parse failure, 2 evaluation failure
};

const CodeDef kCodes[] = {
    {GX_FORMULA_OK, "IDS_GX_FORMULA_OK", 0},
    {GX_FORMULA_SYNTAX, "IDS_GX_FORMULA_SYNTAX", 1},
    {GX_FORMULA_UNKNOWN_NAME, "IDS_GX_FORMULA_UNKNOWN_NAME", 1},
    {GX_FORMULA_ARGUMENTS, "IDS_GX_FORMULA_ARGUMENTS", 1},
    {GX_FORMULA_TOO_LONG, "IDS_GX_FORMULA_TOO_LONG", 1},
    {GX_FORMULA_TOO_DEEP, "IDS_GX_FORMULA_TOO_DEEP", 1},
    {GX_FORMULA_EMPTY, "IDS_GX_FORMULA_EMPTY", 1},
    {GX_FORMULA_DIV_ZERO, "IDS_GX_FORMULA_DIV_ZERO", 2},
    {GX_FORMULA_DOMAIN, "IDS_GX_FORMULA_DOMAIN", 2},
    {GX_FORMULA_OVERFLOW, "IDS_GX_FORMULA_OVERFLOW", 2},
    {GX_FORMULA_NOT_PARSED, "IDS_GX_FORMULA_NOT_PARSED", 2},
};

const CodeDef* FindCode(GXFormulaCode code) {
  for (const CodeDef& d : kCodes)
    if (d.code == code) return &d;
  return nullptr;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c; }

bool SameName(std::string_view typed, const char* name) {
  if (typed.size() != std::strlen(name)) return false;
  for (size_t i = 0; i < typed.size(); ++i)
    if (Lower(typed[i]) != name[i]) return false;
  return true;
}

// Whether a decimal literal that does not fit a double is too large (else too small).
// mantissa is the text before the exponent, exponent its (saturated) value.
bool LiteralTooLarge(std::string_view mantissa, long exponent) {
  long e10 = 0;
  size_t dot = mantissa.find('.');
  std::string_view whole = mantissa.substr(0, dot);
  size_t firstNonZero = whole.find_first_not_of('0');
  if (firstNonZero != std::string_view::npos) {
    e10 = (long)(whole.size() - firstNonZero) - 1;
  } else if (dot != std::string_view::npos) {
    std::string_view frac = mantissa.substr(dot + 1);
    size_t nz = frac.find_first_not_of('0');
    if (nz == std::string_view::npos) return false;  // zero never overflows
    e10 = -(long)nz - 1;
  }
  return e10 + exponent > 0;
}

class Parser {
 public:
  Parser(std::string_view text, std::vector<CGXFormula::Op>& out) : m_s(text), m_out(out) {}

  GXFormulaCode Run(int& errorPos) {
    SkipBlanks();
    if (Peek() == '=') {
      ++m_pos;
      SkipBlanks();
    }
    if (m_pos == m_s.size()) {
      Fail(GX_FORMULA_EMPTY);
    } else if (Expr()) {
      SkipBlanks();
      if (m_pos != m_s.size()) Fail(GX_FORMULA_SYNTAX);
    }
    errorPos = (int)m_errorPos;
    return m_code;
  }

 private:
  char Peek() const { return m_pos < m_s.size() ? m_s[m_pos] : '\0'; }
  bool AtEnd() const { return m_pos >= m_s.size(); }
  void SkipBlanks() {
    while (m_pos < m_s.size() && IsBlank(m_s[m_pos])) ++m_pos;
  }
  bool Fail(GXFormulaCode code) {
    if (m_code == GX_FORMULA_OK) {
      m_code = code;
      m_errorPos = m_pos;
    }
    return false;
  }
  void Emit(int kind, double value = 0) { m_out.push_back({kind, value}); }
  bool Enter() {
    if (++m_depth > GX_FORMULA_MAX_DEPTH) return Fail(GX_FORMULA_TOO_DEEP);
    return true;
  }
  void Leave() { --m_depth; }

  // Reads the next non-blank character when it is c.
  bool Accept(char c) {
    SkipBlanks();
    if (Peek() != c || AtEnd()) return false;
    ++m_pos;
    return true;
  }

  bool Expr() {
    if (!Term()) return false;
    for (;;) {
      if (Accept('+')) {
        if (!Term()) return false;
        Emit(OP_ADD);
      } else if (Accept('-')) {
        if (!Term()) return false;
        Emit(OP_SUB);
      } else {
        return true;
      }
    }
  }

  bool Term() {
    if (!Power()) return false;
    for (;;) {
      if (Accept('*')) {
        if (!Power()) return false;
        Emit(OP_MUL);
      } else if (Accept('/')) {
        if (!Power()) return false;
        Emit(OP_DIV);
      } else {
        return true;
      }
    }
  }

  bool Power() {
    if (!Unary()) return false;
    if (!Accept('^')) return true;
    if (!Enter()) return false;
    bool ok = Power();
    Leave();
    if (ok) Emit(OP_POW);
    return ok;
  }

  bool Unary() {
    bool negate = false;
    for (;;) {
      if (Accept('-')) negate = !negate;
      else if (!Accept('+')) break;
    }
    if (!Primary()) return false;
    if (negate) Emit(OP_NEG);
    return true;
  }

  bool Primary() {
    SkipBlanks();
    char c = Peek();
    if (AtEnd()) return Fail(GX_FORMULA_SYNTAX);
    if (IsDigit(c) || c == '.') return Number();
    if (IsAlpha(c)) return Name();
    if (c == '(') {
      ++m_pos;
      if (!Enter()) return false;
      bool ok = Expr() && (Accept(')') || Fail(GX_FORMULA_SYNTAX));
      Leave();
      return ok;
    }
    return Fail(GX_FORMULA_SYNTAX);
  }

  size_t Digits() {
    size_t start = m_pos;
    while (m_pos < m_s.size() && IsDigit(m_s[m_pos])) ++m_pos;
    return m_pos - start;
  }

  bool Number() {
    size_t start = m_pos;
    size_t count = Digits();
    if (Peek() == '.' && !AtEnd()) {
      ++m_pos;
      count += Digits();
    }
    if (count == 0) {
      m_pos = start;
      return Fail(GX_FORMULA_SYNTAX);
    }
    size_t mantissaEnd = m_pos;
    long exponent = 0;
    if (Lower(Peek()) == 'e' && !AtEnd()) {
      size_t p = m_pos + 1;
      bool negative = false;
      if (p < m_s.size() && (m_s[p] == '+' || m_s[p] == '-')) negative = m_s[p++] == '-';
      if (p < m_s.size() && IsDigit(m_s[p])) {
        m_pos = p;
        while (m_pos < m_s.size() && IsDigit(m_s[m_pos])) {
          if (exponent < 100000) exponent = exponent * 10 + (m_s[m_pos] - '0');
          ++m_pos;
        }
        if (negative) exponent = -exponent;
      }
    }
    double v = 0;
    auto r = std::from_chars(m_s.data() + start, m_s.data() + m_pos, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
      if (LiteralTooLarge(m_s.substr(start, mantissaEnd - start), exponent)) {
        Emit(OP_OVERFLOW_LITERAL);
        return true;
      }
      v = 0;
    } else if (r.ec != std::errc() || r.ptr != m_s.data() + m_pos) {
      return Fail(GX_FORMULA_SYNTAX);
    }
    Emit(OP_PUSH, v);
    return true;
  }

  bool Name() {
    size_t start = m_pos;
    while (m_pos < m_s.size() && (IsAlpha(m_s[m_pos]) || IsDigit(m_s[m_pos]))) ++m_pos;
    std::string_view name = m_s.substr(start, m_pos - start);
    const NameDef* def = nullptr;
    for (const NameDef& d : kNames)
      if (SameName(name, d.name)) def = &d;
    if (!def) {
      m_pos = start;
      return Fail(GX_FORMULA_UNKNOWN_NAME);
    }
    size_t afterName = m_pos;
    if (!Accept('(')) {
      if (def->arity != 0) return Fail(GX_FORMULA_SYNTAX);
      m_pos = afterName;
      Emit(def->op, def->value);
      return true;
    }
    if (!Enter()) return false;
    int count = 0;
    bool ok = true;
    if (!Accept(')')) {
      do {
        ok = Expr();
        ++count;
      } while (ok && Accept(','));
      ok = ok && (Accept(')') || Fail(GX_FORMULA_SYNTAX));
    }
    Leave();
    if (!ok) return false;
    if (count != def->arity) {
      m_pos = start;
      return Fail(GX_FORMULA_ARGUMENTS);
    }
    Emit(def->op, def->value);
    return true;
  }

  std::string_view m_s;
  std::vector<CGXFormula::Op>& m_out;
  size_t m_pos = 0;
  int m_depth = 0;
  GXFormulaCode m_code = GX_FORMULA_OK;
  size_t m_errorPos = 0;
};

// Applies a one-argument function, with its domain checked.
GXFormulaCode ApplyFunction(int op, double x, double& r) {
  switch (op) {
    case OP_NEG: r = -x; break;
    case OP_ABS: r = std::fabs(x); break;
    case OP_SQRT:
      if (x < 0) return GX_FORMULA_DOMAIN;
      r = std::sqrt(x);
      break;
    case OP_SIN: r = std::sin(x); break;
    case OP_COS: r = std::cos(x); break;
    case OP_TAN: r = std::tan(x); break;
    case OP_ASIN:
    case OP_ACOS:
      if (x < -1 || x > 1) return GX_FORMULA_DOMAIN;
      r = op == OP_ASIN ? std::asin(x) : std::acos(x);
      break;
    case OP_ATAN: r = std::atan(x); break;
    case OP_EXP: r = std::exp(x); break;
    case OP_LOG:
    case OP_LOG10:
      if (x <= 0) return GX_FORMULA_DOMAIN;
      r = op == OP_LOG ? std::log(x) : std::log10(x);
      break;
    default: return GX_FORMULA_NOT_PARSED;
  }
  return GX_FORMULA_OK;
}

GXFormulaCode ApplyBinary(int op, double a, double b, double& r) {
  switch (op) {
    case OP_ADD: r = a + b; break;
    case OP_SUB: r = a - b; break;
    case OP_MUL: r = a * b; break;
    case OP_DIV:
      if (b == 0) return GX_FORMULA_DIV_ZERO;
      r = a / b;
      break;
    case OP_POW:
      if (a == 0 && b < 0) return GX_FORMULA_DIV_ZERO;
      if (a < 0 && b != std::floor(b)) return GX_FORMULA_DOMAIN;
      r = std::pow(a, b);
      break;
    default: return GX_FORMULA_NOT_PARSED;
  }
  return GX_FORMULA_OK;
}

GXFormulaCode CheckFinite(double r) {
  if (std::isnan(r)) return GX_FORMULA_DOMAIN;
  if (std::isinf(r)) return GX_FORMULA_OVERFLOW;
  return GX_FORMULA_OK;
}

}  // namespace

BOOL CGXFormula::Parse(LPCTSTR text) { return Parse(std::string_view(text ? text : "")); }

BOOL CGXFormula::Parse(std::string_view text) {
  m_program.clear();
  m_errorPos = 0;
  if (text.size() > (size_t)GX_FORMULA_MAX_LENGTH) {
    m_code = GX_FORMULA_TOO_LONG;
    m_errorPos = GX_FORMULA_MAX_LENGTH;
    return FALSE;
  }
  m_code = Parser(text, m_program).Run(m_errorPos);
  if (m_code != GX_FORMULA_OK) m_program.clear();
  return m_code == GX_FORMULA_OK;
}

BOOL CGXFormula::Evaluate(double& value) {
  if (m_program.empty()) {
    if (m_code == GX_FORMULA_OK || IsEvalFailure(m_code)) m_code = GX_FORMULA_NOT_PARSED;
    return FALSE;
  }
  std::vector<double> stack;
  stack.reserve(m_program.size());
  GXFormulaCode code = GX_FORMULA_OK;
  for (const Op& op : m_program) {
    double r = 0;
    if (op.kind == OP_PUSH) {
      stack.push_back(op.value);
      continue;
    }
    if (op.kind == OP_OVERFLOW_LITERAL) {
      code = GX_FORMULA_OVERFLOW;
    } else if (op.kind >= OP_ADD && op.kind <= OP_POW) {
      if (stack.size() < 2) { code = GX_FORMULA_NOT_PARSED; break; }
      double b = stack.back();
      stack.pop_back();
      code = ApplyBinary(op.kind, stack.back(), b, r);
      stack.back() = r;
    } else {
      if (stack.empty()) { code = GX_FORMULA_NOT_PARSED; break; }
      code = ApplyFunction(op.kind, stack.back(), r);
      stack.back() = r;
    }
    if (code == GX_FORMULA_OK) code = CheckFinite(r);
    if (code != GX_FORMULA_OK) break;
  }
  if (code == GX_FORMULA_OK && stack.size() != 1) code = GX_FORMULA_NOT_PARSED;
  if (code != GX_FORMULA_OK) {
    m_code = code;
    return FALSE;
  }
  m_code = GX_FORMULA_OK;
  value = stack.back() == 0 ? 0.0 : stack.back();
  return TRUE;
}

GXFormulaCode CGXFormula::Calculate(LPCTSTR text, double& value) {
  return Calculate(std::string_view(text ? text : ""), value);
}

GXFormulaCode CGXFormula::Calculate(std::string_view text, double& value) {
  CGXFormula f;
  if (f.Parse(text)) f.Evaluate(value);
  return f.GetResult();
}

BOOL CGXFormula::IsFormula(LPCTSTR text) {
  if (!text) return FALSE;
  while (IsBlank(*text)) ++text;
  return *text == '=';
}

LPCTSTR CGXFormula::MessageKey(GXFormulaCode code) {
  const CodeDef* d = FindCode(code);
  return d ? d->key : "IDS_GX_FORMULA_SYNTAX";
}

BOOL CGXFormula::IsParseFailure(GXFormulaCode code) {
  const CodeDef* d = FindCode(code);
  return d && d->kind == 1;
}

BOOL CGXFormula::IsEvalFailure(GXFormulaCode code) {
  const CodeDef* d = FindCode(code);
  return d && d->kind == 2;
}
