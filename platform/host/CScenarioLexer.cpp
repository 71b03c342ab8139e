#include "host/CScenarioLexer.h"

namespace {

BOOL IsBlank(char c) { return c == ' ' || c == '\t'; }
BOOL IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the "#digits" word at i, or 0 when the '#' there starts a comment.
int IndexWordLength(const std::string& s, size_t i) {
  size_t j = i + 1;
  while (j < s.size() && IsDigit(s[j])) ++j;
  if (j == i + 1) return 0;
  if (j < s.size() && !IsBlank(s[j])) return 0;
  return (int)(j - i);
}

}  // namespace

BOOL CScenarioWord::IsIndex(int& n) const {
  const std::string& s = m_strText.str();
  if (m_bQuoted || s.size() < 2 || s.size() > 10 || s[0] != '#') return FALSE;
  long v = 0;
  for (size_t i = 1; i < s.size(); ++i) {
    if (!IsDigit(s[i])) return FALSE;
    v = v * 10 + (s[i] - '0');
  }
  if (v > 0x7fffffff) return FALSE;
  n = (int)v;
  return TRUE;
}

BOOL CScenarioLexer::IsUtf8(const CString& text) {
  const std::string& s = text.str();
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = (unsigned char)s[i];
    int n = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : -1;
    if (n < 0 || c == 0xC0 || c == 0xC1 || c > 0xF4) return FALSE;
    if ((size_t)n >= s.size() - i) return FALSE;  // truncated sequence
    unsigned int cp = n == 0 ? c : c & (0x3F >> n);
    for (int k = 1; k <= n; ++k) {
      unsigned char d = (unsigned char)s[i + (size_t)k];
      if ((d & 0xC0) != 0x80) return FALSE;
      cp = (cp << 6) | (d & 0x3F);
    }
    static const unsigned int kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return FALSE;
    i += (size_t)n + 1;
  }
  return TRUE;
}

BOOL CScenarioLexer::Split(const CString& line, std::vector<CScenarioWord>& words, CString& error,
                           int* codeLength) {
  words.clear();
  error.Empty();
  std::string s = line.str();
  if (!s.empty() && s.back() == '\r') s.pop_back();
  if (!IsUtf8(CString(s))) {
    error = "not UTF-8 text";
    return FALSE;
  }
  size_t i = 0;
  while (i < s.size()) {
    if (IsBlank(s[i])) {
      ++i;
      continue;
    }
    CScenarioWord w;
    if (s[i] == '#') {
      int n = IndexWordLength(s, i);
      if (n == 0) {  // comment
        if (codeLength) *codeLength = (int)i;
        return TRUE;
      }
      w.m_strText = CString(s.substr(i, (size_t)n));
      i += (size_t)n;
    } else if (s[i] == '"') {
      std::string text;
      size_t j = i + 1;
      BOOL closed = FALSE;
      while (j < s.size()) {
        char c = s[j];
        if (c == '"') {
          closed = TRUE;
          ++j;
          break;
        }
        if (c == '\\') {
          char e = j + 1 < s.size() ? s[j + 1] : '\0';
          static const char kFrom[] = "\"\\tn";
          static const char kTo[] = "\"\\\t\n";
          const char* at = e ? std::char_traits<char>::find(kFrom, 4, e) : nullptr;
          if (!at) {
            error = e ? CString("unknown escape \\") + e : CString("unterminated quote");
            return FALSE;
          }
          text += kTo[at - kFrom];
          j += 2;
          continue;
        }
        text += c;
        ++j;
      }
      if (!closed) {
        error = "unterminated quote";
        return FALSE;
      }
      if (j < s.size() && !IsBlank(s[j])) {
        error = "text after a closing quote";
        return FALSE;
      }
      w.m_strText = CString(text);
      w.m_bQuoted = TRUE;
      i = j;
    } else {
      size_t j = i;
      while (j < s.size() && !IsBlank(s[j])) {
        if (s[j] == '"') {
          error = "quote inside a word";
          return FALSE;
        }
        ++j;
      }
      w.m_strText = CString(s.substr(i, j - i));
      if (w.m_strText.Left(4) == "key:") {
        w.m_strKey = w.m_strText.Mid(4);
        if (w.m_strKey.IsEmpty()) {
          error = "key: without a name";
          return FALSE;
        }
      }
      i = j;
    }
    words.push_back(w);
  }
  if (codeLength) *codeLength = (int)s.size();
  return TRUE;
}

CString CScenarioLexer::Quote(const CString& text) {
  std::string r = "\"";
  for (char c : text.str()) {
    switch (c) {
      case '"': r += "\\\""; break;
      case '\\': r += "\\\\"; break;
      case '\t': r += "\\t"; break;
      case '\n': r += "\\n"; break;
      default: r += c;
    }
  }
  r += '"';
  return CString(r);
}
