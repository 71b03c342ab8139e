#include "afx/CString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {
const char* kBlanks = " \t\r\n\v\f";
bool InSet(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }
}  // namespace

int CString::GetMbcsLength() const {
  int n = 0;
  for (unsigned char c : m_s) {
    if (c < 0x80) n += 1;
    else if ((c & 0xC0) != 0x80) n += 2;  // lead byte of a multi-byte character
  }
  return n;
}

int CString::Compare(const char* s) const {
  int r = std::strcmp(m_s.c_str(), s ? s : "");
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int CString::CompareNoCase(const char* s) const {
  const char* a = m_s.c_str();
  const char* b = s ? s : "";
  for (;; ++a, ++b) {
    int ca = std::tolower((unsigned char)*a), cb = std::tolower((unsigned char)*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

int CString::Find(char c, int start) const {
  if (start < 0 || start >= GetLength()) return -1;
  size_t p = m_s.find(c, (size_t)start);
  return p == std::string::npos ? -1 : (int)p;
}

int CString::Find(const char* s, int start) const {
  if (!s || start < 0 || start > GetLength()) return -1;
  size_t p = m_s.find(s, (size_t)start);
  return p == std::string::npos ? -1 : (int)p;
}

int CString::ReverseFind(char c) const {
  size_t p = m_s.rfind(c);
  return p == std::string::npos ? -1 : (int)p;
}

int CString::FindOneOf(const char* set) const {
  if (!set) return -1;
  size_t p = m_s.find_first_of(set);
  return p == std::string::npos ? -1 : (int)p;
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  if (first < 0) first = 0;
  if (count < 0) count = 0;
  if (first >= GetLength()) return CString();
  return CString(m_s.substr((size_t)first, (size_t)count));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
  if (count <= 0) return CString();
  if (count >= GetLength()) return *this;
  return CString(m_s.substr(m_s.size() - (size_t)count));
}

CString CString::SpanIncluding(const char* set) const {
  size_t n = set ? m_s.find_first_not_of(set) : 0;
  return Left(n == std::string::npos ? GetLength() : (int)n);
}

CString CString::SpanExcluding(const char* set) const {
  size_t n = set ? m_s.find_first_of(set) : std::string::npos;
  return Left(n == std::string::npos ? GetLength() : (int)n);
}

CString CString::Tokenize(const char* delims, int& pos) const {
  if (pos < 0 || pos >= GetLength() || !delims) { pos = -1; return CString(); }
  size_t b = m_s.find_first_not_of(delims, (size_t)pos);
  if (b == std::string::npos) { pos = -1; return CString(); }
  size_t e = m_s.find_first_of(delims, b);
  if (e == std::string::npos) e = m_s.size();
  pos = (int)(e < m_s.size() ? e + 1 : e);
  return CString(m_s.substr(b, e - b));
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char c) { return TrimRight(c).TrimLeft(c); }
CString& CString::Trim(const char* set) { return TrimRight(set).TrimLeft(set); }
CString& CString::TrimLeft() { return TrimLeft(kBlanks); }
CString& CString::TrimLeft(char c) { char s[2] = {c, 0}; return TrimLeft(s); }
CString& CString::TrimLeft(const char* set) {
  size_t i = 0;
  while (i < m_s.size() && InSet(m_s[i], set ? set : "")) ++i;
  m_s.erase(0, i);
  return *this;
}
CString& CString::TrimRight() { return TrimRight(kBlanks); }
CString& CString::TrimRight(char c) { char s[2] = {c, 0}; return TrimRight(s); }
CString& CString::TrimRight(const char* set) {
  size_t n = m_s.size();
  while (n > 0 && InSet(m_s[n - 1], set ? set : "")) --n;
  m_s.resize(n);
  return *this;
}

CString& CString::MakeUpper() {
  for (char& c : m_s) if ((unsigned char)c < 0x80) c = (char)std::toupper((unsigned char)c);
  return *this;
}
CString& CString::MakeLower() {
  for (char& c : m_s) if ((unsigned char)c < 0x80) c = (char)std::tolower((unsigned char)c);
  return *this;
}
CString& CString::MakeReverse() { std::reverse(m_s.begin(), m_s.end()); return *this; }

int CString::Replace(char from, char to) {
  int n = 0;
  for (char& c : m_s) if (c == from) { c = to; ++n; }
  return n;
}

int CString::Replace(const char* from, const char* to) {
  if (!from || !*from) return 0;
  std::string f(from), t(to ? to : ""), out;
  int n = 0;
  size_t p = 0;
  for (size_t q; (q = m_s.find(f, p)) != std::string::npos; p = q + f.size(), ++n) {
    out.append(m_s, p, q - p);
    out += t;
  }
  if (n == 0) return 0;
  out.append(m_s, p, std::string::npos);
  m_s.swap(out);
  return n;
}

int CString::Remove(char c) {
  size_t before = m_s.size();
  m_s.erase(std::remove(m_s.begin(), m_s.end(), c), m_s.end());
  return (int)(before - m_s.size());
}

int CString::Insert(int index, char c) { char s[2] = {c, 0}; return Insert(index, s); }
int CString::Insert(int index, const char* s) {
  if (index < 0) index = 0;
  if (index > GetLength()) index = GetLength();
  m_s.insert((size_t)index, s ? s : "");
  return GetLength();
}

int CString::Delete(int index, int count) {
  if (index >= 0 && index < GetLength() && count > 0) m_s.erase((size_t)index, (size_t)count);
  return GetLength();
}

void CString::FormatV(const char* fmt, va_list args) {
  va_list copy;
  va_copy(copy, args);
  char small[256];
  int n = std::vsnprintf(small, sizeof small, fmt ? fmt : "", copy);
  va_end(copy);
  if (n < 0) { m_s.clear(); return; }
  if ((size_t)n < sizeof small) { m_s.assign(small, (size_t)n); return; }
  std::vector<char> big((size_t)n + 1);
  std::vsnprintf(big.data(), big.size(), fmt, args);
  m_s.assign(big.data(), (size_t)n);
}

void CString::Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  FormatV(fmt, args);
  va_end(args);
}

void CString::AppendFormat(const char* fmt, ...) {
  CString tail;
  va_list args;
  va_start(args, fmt);
  tail.FormatV(fmt, args);
  va_end(args);
  m_s += tail.m_s;
}

char* CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) m_s.resize((size_t)minLength);
  return m_s.data();
}

char* CString::GetBufferSetLength(int length) {
  m_s.resize(length > 0 ? (size_t)length : 0);
  return m_s.data();
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = (int)std::strlen(m_s.c_str());
  if ((size_t)newLength <= m_s.size()) m_s.resize((size_t)newLength);
}
