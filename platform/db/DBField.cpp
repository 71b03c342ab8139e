#include "db/DBField.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <cstdio>
#include "db/CUnitCtrl.h"

namespace {
void Flatten(const DB_CRecordDesc& desc, const std::string& prefix, int since,
             std::vector<std::pair<void* (*)(void*), size_t>> chain, std::vector<DB_CFlatField>& out) {
  for (const DB_CField& f : desc.m_fields) {
    const int fieldSince = std::max(since, f.since);
    std::string name = prefix + f.name;
    auto add = [&](const std::string& path, size_t offset) {
      auto c = chain;
      c.emplace_back(f.addr, offset);
      if (f.type == DBF_RECORD) {
        Flatten(f.sub(), path + ".", fieldSince, c, out);
        return;
      }
      DB_CFlatField flat;
      flat.path = path;
      flat.type = f.type;
      flat.unitKind = f.unitKind;
      flat.since = fieldSince;
      flat.charCount = f.type == DBF_CHARS ? f.count : 0;
      flat.chain = std::move(c);
      out.push_back(std::move(flat));
    };
    if (f.count > 0 && f.type != DBF_CHARS) {
      for (int i = 0; i < f.count; ++i) add(name + "[" + std::to_string(i) + "]", (size_t)i * f.elemSize);
    } else {
      add(name, 0);
    }
  }
}
}  // namespace

const std::vector<DB_CFlatField>& DB_FlatFields(const DB_CRecordDesc& desc) {
  static std::mutex mu;
  static std::map<const DB_CRecordDesc*, std::vector<DB_CFlatField>> cache;
  std::lock_guard<std::mutex> lock(mu);
  auto it = cache.find(&desc);
  if (it != cache.end()) return it->second;
  std::vector<DB_CFlatField> v;
  Flatten(desc, "", 1, {}, v);
  return cache.emplace(&desc, std::move(v)).first->second;
}

void DB_ConvertRecord(const DB_CRecordDesc& desc, void* rec, const CUnitCtrl* pUnit, BOOL bIn) {
  if (!pUnit || !rec) return;
  for (const DB_CFlatField& f : DB_FlatFields(desc)) {
    if (f.type != DBF_DOUBLE || f.unitKind == 0) continue;
    double* p = (double*)f.Addr(rec);
    *p = bIn ? pUnit->ConvertIn(f.unitKind, *p) : pUnit->ConvertOut(f.unitKind, *p);
  }
}

BOOL DB_AllRealsFinite(const DB_CRecordDesc& desc, const void* rec) {
  for (const DB_CFlatField& f : DB_FlatFields(desc)) {
    if (f.type == DBF_DOUBLE && !std::isfinite(*(const double*)f.Addr(rec))) return FALSE;
    if (f.type == DBF_REALLIST)
      for (double v : *(const CArray<double>*)f.Addr(rec))
        if (!std::isfinite(v)) return FALSE;
  }
  return TRUE;
}

namespace {
bool IsControl(char c) { return (unsigned char)c < 0x20 || c == 0x7f; }
}  // namespace

BOOL DB_HasControlChar(const CString& s) {
  for (int i = 0; i < s.GetLength(); ++i)
    if (IsControl(s[i])) return TRUE;
  return FALSE;
}

CString DB_QuoteWord(const CString& s) {
  bool quote = s.IsEmpty();
  for (int i = 0; i < s.GetLength() && !quote; ++i) {
    char c = s[i];
    quote = c == ' ' || c == '"' || c == '=' || IsControl(c);
  }
  if (!quote) return s;
  CString r("\"");
  for (int i = 0; i < s.GetLength(); ++i) {
    char c = s[i];
    if (c == '"' || c == '\\') { r += '\\'; r += c; }
    else if (c == '\t') r += "\\t";
    else if (c == '\n') r += "\\n";
    else if (IsControl(c)) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", (unsigned)(unsigned char)c);
      r += hex;
    } else r += c;
  }
  r += '"';
  return r;
}

CString DB_FieldText(const DB_CFlatField& f, const void* rec, BOOL bRaw) {
  const void* p = f.Addr(rec);
  CString s;
  switch (f.type) {
    case DBF_INT: s.Format("%d", *(const int*)p); break;
    case DBF_UINT: s.Format("%u", *(const unsigned*)p); break;
    case DBF_DOUBLE: s.Format("%.15g", *(const double*)p); break;
    case DBF_STRING: s = bRaw ? *(const CString*)p : DB_QuoteWord(*(const CString*)p); break;
    case DBF_CHARS: {
      const char* c = (const char*)p;
      int n = 0;
      while (n < f.charCount && c[n]) ++n;
      s = bRaw ? CString(c, n) : DB_QuoteWord(CString(c, n));
      break;
    }
    case DBF_UINTLIST: {
      const CUIntArray& a = *(const CUIntArray*)p;
      if (a.IsEmpty()) return CString("-");
      for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        CString e;
        e.Format(i ? ",%u" : "%u", a[i]);
        s += e;
      }
      break;
    }
    case DBF_REALLIST: {
      const CArray<double>& a = *(const CArray<double>*)p;
      if (a.IsEmpty()) return CString("-");
      for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        CString e;
        e.Format(i ? ",%.15g" : "%.15g", a[i]);
        s += e;
      }
      break;
    }
    case DBF_RECORD: break;
  }
  return s;
}

namespace {
bool ParseLong(const std::string& t, long long lo, long long hi, long long& v) {
  if (t.empty()) return false;
  char* end = nullptr;
  errno = 0;
  v = std::strtoll(t.c_str(), &end, 10);
  return errno == 0 && end && *end == 0 && v >= lo && v <= hi;
}
// A key: 0 to 4294967295; -1 stands for 4294967295 (the gap of a member's point list).
bool ParseKey(const std::string& t, UINT& k) {
  long long v = 0;
  if (!ParseLong(t, -1, 4294967295LL, v)) return false;
  k = v < 0 ? 0xFFFFFFFFu : (UINT)v;
  return true;
}
// A finite real and nothing else.
bool ParseReal(const std::string& t, double& d) {
  if (t.empty()) return false;
  char* end = nullptr;
  d = std::strtod(t.c_str(), &end);
  return end && !*end && std::isfinite(d);
}
// A comma-separated list of items, "-" for none; false when an item does not parse.
template <class T, class Array, class Parse>
bool ParseList(const std::string& t, Array& out, Parse parse) {
  out.RemoveAll();
  if (t == "-") return true;
  size_t at = 0;
  for (;;) {
    size_t comma = t.find(',', at);
    T v{};
    if (!parse(t.substr(at, comma == std::string::npos ? std::string::npos : comma - at), v)) return false;
    out.Add(v);
    if (comma == std::string::npos) return true;
    at = comma + 1;
  }
}
}  // namespace

BOOL DB_SetFieldText(const DB_CFlatField& f, void* rec, const CString& text, int nIndex) {
  void* p = f.Addr(rec);
  const std::string t = text.str();
  switch (f.type) {
    case DBF_INT: {
      long long v = 0;
      if (!ParseLong(t, INT_MIN, INT_MAX, v)) return FALSE;
      *(int*)p = (int)v;
      return TRUE;
    }
    case DBF_UINT: {
      UINT k = 0;
      if (!ParseKey(t, k)) return FALSE;
      *(unsigned*)p = k;
      return TRUE;
    }
    case DBF_DOUBLE: {
      double d = 0.0;
      if (!ParseReal(t, d)) return FALSE;
      *(double*)p = d;
      return TRUE;
    }
    case DBF_STRING: *(CString*)p = text; return TRUE;
    case DBF_CHARS: {
      if (text.GetLength() > f.charCount) return FALSE;
      std::memset(p, 0, (size_t)f.charCount);
      std::memcpy(p, t.data(), t.size());
      return TRUE;
    }
    case DBF_UINTLIST: {
      CUIntArray& a = *(CUIntArray*)p;
      if (nIndex >= 0) {
        UINT k = 0;
        if (nIndex > a.GetSize() || !ParseKey(t, k)) return FALSE;
        a.SetAtGrow(nIndex, k);
        return TRUE;
      }
      CUIntArray out;
      if (!ParseList<UINT>(t, out, ParseKey)) return FALSE;
      a = out;
      return TRUE;
    }
    case DBF_REALLIST: {
      CArray<double>& a = *(CArray<double>*)p;
      if (nIndex >= 0) {
        double d = 0.0;
        if (nIndex > a.GetSize() || !ParseReal(t, d)) return FALSE;
        a.SetAtGrow(nIndex, d);
        return TRUE;
      }
      CArray<double> out;
      if (!ParseList<double>(t, out, ParseReal)) return FALSE;
      a = out;
      return TRUE;
    }
    case DBF_RECORD: break;
  }
  return FALSE;
}

BOOL DB_CDumpFilter::WantsField(const std::string& path) const {
  if (fields.empty()) return TRUE;
  for (const std::string& name : fields) {
    if (path.compare(0, name.size(), name) != 0) continue;
    if (path.size() == name.size() || path[name.size()] == '.' || path[name.size()] == '[') return TRUE;
  }
  return FALSE;
}

BOOL DB_CDumpFilter::FieldsExist(const DB_CRecordDesc& desc, std::string& bad) const {
  for (const std::string& name : fields) {
    DB_CDumpFilter one;
    one.fields.push_back(name);
    bool found = false;
    for (const DB_CFlatField& f : DB_FlatFields(desc)) found = found || one.WantsField(f.path);
    if (!found) {
      bad = name;
      return FALSE;
    }
  }
  return TRUE;
}

void DB_DumpRecord(const DB_CRecordDesc& desc, const void* rec, CString& out, const DB_CDumpFilter* pFilter) {
  for (const DB_CFlatField& f : DB_FlatFields(desc)) {
    if (pFilter && !pFilter->WantsField(f.path)) continue;
    out += ' ';
    out += f.path.c_str();
    out += '=';
    out += DB_FieldText(f, rec);
  }
}

const DB_CFlatField* DB_FindField(const DB_CRecordDesc& desc, const char* path) {
  if (!path) return nullptr;
  for (const DB_CFlatField& f : DB_FlatFields(desc))
    if (f.path == path) return &f;
  return nullptr;
}
