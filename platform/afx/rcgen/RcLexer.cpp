#include "afx/rcgen/RcLexer.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

RcToken RcLexer::Next() {
  if (m_havePeek) {
    m_havePeek = false;
    return m_peek;
  }
  return Scan();
}

RcToken RcLexer::Peek() {
  if (!m_havePeek) {
    m_peek = Scan();
    m_havePeek = true;
  }
  return m_peek;
}

RcToken RcLexer::Make(RcTok kind, std::string text) const {
  RcToken t;
  t.kind = kind;
  t.text = std::move(text);
  t.line = m_line;
  return t;
}

void RcLexer::SkipBlanksAndComments(std::string* error) {
  while (m_pos < m_src.size()) {
    char c = m_src[m_pos];
    if (c == '\n') {
      ++m_line;
      ++m_pos;
      m_lineStart = true;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++m_pos;
    } else if (m_src.compare(m_pos, 2, "//") == 0) {
      while (m_pos < m_src.size() && m_src[m_pos] != '\n') ++m_pos;
    } else if (m_src.compare(m_pos, 2, "/*") == 0) {
      size_t end = m_src.find("*/", m_pos + 2);
      if (end == std::string::npos) {
        *error = "unterminated comment";
        m_pos = m_src.size();
        return;
      }
      for (size_t i = m_pos; i < end; ++i)
        if (m_src[i] == '\n') ++m_line;
      m_pos = end + 2;
    } else if (m_pos == 0 && m_src.compare(0, 3, "\xEF\xBB\xBF") == 0) {
      m_pos = 3;  // a byte-order mark
    } else {
      return;
    }
  }
}

RcToken RcLexer::Scan() {
  std::string error;
  SkipBlanksAndComments(&error);
  if (!error.empty()) return Make(RcTok::Error, error);
  if (m_pos >= m_src.size()) return Make(RcTok::End);
  char c = m_src[m_pos];
  if (c == '#') {
    if (!m_lineStart) return Make(RcTok::Error, "'#' not at the start of a line");
    return ScanDirective();
  }
  m_lineStart = false;
  if (c == '"') return ScanString();
  if (c == 'L' && m_pos + 1 < m_src.size() && m_src[m_pos + 1] == '"') {
    ++m_pos;  // a wide string is the same text
    return ScanString();
  }
  if (std::isdigit((unsigned char)c)) return ScanNumber();
  if (std::isalpha((unsigned char)c) || c == '_') {
    size_t start = m_pos;
    while (m_pos < m_src.size() &&
           (std::isalnum((unsigned char)m_src[m_pos]) || m_src[m_pos] == '_'))
      ++m_pos;
    return Make(RcTok::Ident, m_src.substr(start, m_pos - start));
  }
  static const struct { char ch; RcTok kind; } punct[] = {
      {',', RcTok::Comma},  {'|', RcTok::Pipe},   {'+', RcTok::Plus},   {'-', RcTok::Minus},
      {'~', RcTok::Tilde},  {'(', RcTok::LParen}, {')', RcTok::RParen}, {'{', RcTok::LBrace},
      {'}', RcTok::RBrace},
  };
  for (const auto& p : punct) {
    if (p.ch == c) {
      ++m_pos;
      return Make(p.kind, std::string(1, c));
    }
  }
  ++m_pos;
  return Make(RcTok::Error, std::string("unexpected character '") + c + "'");
}

RcToken RcLexer::ScanDirective() {
  size_t start = ++m_pos;
  while (m_pos < m_src.size() && m_src[m_pos] != '\n') ++m_pos;
  std::string text = m_src.substr(start, m_pos - start);
  // A trailing comment belongs to no directive.
  size_t cut = text.find("//");
  if (cut != std::string::npos) text.erase(cut);
  while (!text.empty() && std::isspace((unsigned char)text.back())) text.pop_back();
  return Make(RcTok::Directive, text);
}

RcToken RcLexer::ScanString() {
  RcToken t = Make(RcTok::String);
  ++m_pos;  // the opening quote
  std::string out;
  for (;;) {
    if (m_pos >= m_src.size() || m_src[m_pos] == '\n')
      return Make(RcTok::Error, "unterminated string");
    char c = m_src[m_pos++];
    if (c == '"') {
      if (m_pos < m_src.size() && m_src[m_pos] == '"') {  // "" stands for one quote
        out += '"';
        ++m_pos;
        continue;
      }
      break;
    }
    if (c == '\\' && m_pos < m_src.size()) {
      static const struct { char in, out; } esc[] = {
          {'n', '\n'}, {'t', '\t'}, {'r', '\r'}, {'\\', '\\'}, {'"', '"'}};
      bool done = false;
      for (const auto& e : esc) {
        if (m_src[m_pos] == e.in) {
          out += e.out;
          ++m_pos;
          done = true;
          break;
        }
      }
      if (done) continue;
    }
    out += c;
  }
  if (!RcIsValidUtf8(out)) return Make(RcTok::Error, "text is not valid UTF-8");
  t.text = out;
  return t;
}

RcToken RcLexer::ScanNumber() {
  RcToken t = Make(RcTok::Number);
  size_t start = m_pos;
  int base = 10;
  if (m_src.compare(m_pos, 2, "0x") == 0 || m_src.compare(m_pos, 2, "0X") == 0) {
    base = 16;
    m_pos += 2;
  }
  size_t digits = m_pos;
  while (m_pos < m_src.size() && std::isxdigit((unsigned char)m_src[m_pos]) &&
         (base == 16 || std::isdigit((unsigned char)m_src[m_pos])))
    ++m_pos;
  if (m_pos == digits) return Make(RcTok::Error, "malformed number");
  std::string num = m_src.substr(digits, m_pos - digits);
  while (m_pos < m_src.size() && m_src[m_pos] != '\0' && std::strchr("uUlL", m_src[m_pos]))
    ++m_pos;
  if (m_pos < m_src.size() && (std::isalnum((unsigned char)m_src[m_pos]) || m_src[m_pos] == '_'))
    return Make(RcTok::Error, "malformed number '" + m_src.substr(start, m_pos + 1 - start) + "'");
  if (num.size() > 10) return Make(RcTok::Error, "number out of range");
  t.value = std::strtoll(num.c_str(), nullptr, base);
  if (t.value > 0xFFFFFFFFLL) return Make(RcTok::Error, "number out of range");
  t.text = m_src.substr(start, m_pos - start);
  return t;
}

bool RcIsValidUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = (unsigned char)s[i];
    int more = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
    if (more < 0 || (more == 1 && c < 0xC2)) return false;
    if (more > 0 && i + more >= s.size()) return false;
    for (int k = 1; k <= more; ++k)
      if (((unsigned char)s[i + k] >> 6) != 0x2) return false;
    i += more + 1;
  }
  return true;
}
