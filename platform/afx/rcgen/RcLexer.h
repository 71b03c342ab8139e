// Splits a resource script or header into tokens: names, numbers, strings, punctuation and
// whole preprocessor lines. Skips blanks and // and /* */ comments; counts lines.
#pragma once
#include <string>

enum class RcTok { End, Ident, Number, String, Comma, Pipe, Plus, Minus, Tilde, LParen, RParen,
                   LBrace, RBrace, Directive, Error };

struct RcToken {
  RcTok kind = RcTok::End;
  std::string text;     // Ident: the name; String: the decoded UTF-8 text; Directive: the
                        // line after '#'; Error: the message
  long long value = 0;  // Number
  int line = 0;
};

class RcLexer {
 public:
  explicit RcLexer(std::string source) : m_src(std::move(source)) {}
  RcToken Next();
  RcToken Peek();

 private:
  RcToken Scan();
  void SkipBlanksAndComments(std::string* error);
  RcToken ScanString();
  RcToken ScanNumber();
  RcToken ScanDirective();
  RcToken Make(RcTok kind, std::string text = {}) const;

  std::string m_src;
  size_t m_pos = 0;
  int m_line = 1;
  bool m_lineStart = true;   // nothing but blanks since the last newline
  bool m_havePeek = false;
  RcToken m_peek;
};

// TRUE when s is well-formed UTF-8.
bool RcIsValidUtf8(const std::string& s);
