// UTF-8 string of the class library. Lengths and positions count bytes of the UTF-8
// text; GetMbcsLength counts as the original double-byte encoding did (one byte for
// ASCII, two for any other character).
#pragma once
#include <cstdarg>
#include <string>
#include <string_view>
#include "afx/AfxTypes.h"

class CString {
 public:
  CString() = default;
  CString(const char* s) : m_s(s ? s : "") {}
  CString(const char* s, int n) : m_s(s ? std::string(s, n > 0 ? (size_t)n : 0) : std::string()) {}
  CString(char c, int n = 1) : m_s(n > 0 ? (size_t)n : 0, c) {}
  CString(const std::string& s) : m_s(s) {}
  CString(std::string&& s) : m_s(std::move(s)) {}
  CString(std::string_view s) : m_s(s) {}

  int GetLength() const { return (int)m_s.size(); }
  int GetMbcsLength() const;
  BOOL IsEmpty() const { return m_s.empty(); }
  void Empty() { m_s.clear(); }
  char GetAt(int i) const { return (i >= 0 && i < GetLength()) ? m_s[(size_t)i] : '\0'; }
  void SetAt(int i, char c) { if (i >= 0 && i < GetLength()) m_s[(size_t)i] = c; }
  char operator[](int i) const { return GetAt(i); }
  operator LPCTSTR() const { return m_s.c_str(); }
  const char* c_str() const { return m_s.c_str(); }
  const std::string& str() const { return m_s; }

  CString& operator=(const char* s) { m_s = s ? s : ""; return *this; }
  CString& operator=(char c) { m_s.assign(1, c); return *this; }
  CString& operator+=(const CString& s) { m_s += s.m_s; return *this; }
  CString& operator+=(const char* s) { if (s) m_s += s; return *this; }
  CString& operator+=(char c) { m_s += c; return *this; }

  int Compare(const char* s) const;
  int CompareNoCase(const char* s) const;
  int Collate(const char* s) const { return Compare(s); }
  int CollateNoCase(const char* s) const { return CompareNoCase(s); }

  int Find(char c, int start = 0) const;
  int Find(const char* s, int start = 0) const;
  int ReverseFind(char c) const;
  int FindOneOf(const char* set) const;

  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Left(int count) const;
  CString Right(int count) const;
  CString SpanIncluding(const char* set) const;
  CString SpanExcluding(const char* set) const;
  CString Tokenize(const char* delims, int& pos) const;

  CString& Trim();
  CString& Trim(char c);
  CString& Trim(const char* set);
  CString& TrimLeft();
  CString& TrimLeft(char c);
  CString& TrimLeft(const char* set);
  CString& TrimRight();
  CString& TrimRight(char c);
  CString& TrimRight(const char* set);
  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  int Replace(char from, char to);
  int Replace(const char* from, const char* to);
  int Remove(char c);
  int Insert(int index, char c);
  int Insert(int index, const char* s);
  int Delete(int index, int count = 1);

  void Format(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
  void AppendFormat(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(const char* fmt, va_list args);

  char* GetBuffer(int minLength);
  char* GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);

 private:
  std::string m_s;
};

inline CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, const char* b) { CString r(a); r += b; return r; }
inline CString operator+(const char* a, const CString& b) { CString r(a); r += b; return r; }
inline CString operator+(const CString& a, char b) { CString r(a); r += b; return r; }
inline CString operator+(char a, const CString& b) { CString r(a); r += b; return r; }
inline bool operator==(const CString& a, const CString& b) { return a.str() == b.str(); }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return !(a == b); }
inline bool operator!=(const CString& a, const char* b) { return !(a == b); }
inline bool operator!=(const char* a, const CString& b) { return !(b == a); }
inline bool operator<(const CString& a, const CString& b) { return a.str() < b.str(); }
inline bool operator>(const CString& a, const CString& b) { return b < a; }
inline bool operator<=(const CString& a, const CString& b) { return !(b < a); }
inline bool operator>=(const CString& a, const CString& b) { return !(a < b); }

template <>
struct std::hash<CString> {
  size_t operator()(const CString& s) const noexcept { return std::hash<std::string>()(s.str()); }
};
