#include "db/DBField.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <cmath>
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
  for (const DB_CFlatField& f : DB_FlatFields(desc))
    if (f.type == DBF_DOUBLE && !std::isfinite(*(const double*)f.Addr(rec))) return FALSE;
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
    case DBF_RECORD: break;
  }
  return s;
}

void DB_DumpRecord(const DB_CRecordDesc& desc, const void* rec, CString& out) {
  for (const DB_CFlatField& f : DB_FlatFields(desc)) {
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
