#include "host/CHostStrings.h"

#include <cstring>
#include <vector>
#include "host/CScenarioLexer.h"

namespace {

const char kBuiltIn[] =
#include "host/strings.inc"
    ;

struct SuffixPlaceholder {
  char letter;
  const char* text;
};
const SuffixPlaceholder kSuffixes[] = {
    {'d', "%d"}, {'u', "%u"}, {'s', "%s"}, {'g', "%g"}, {'f', "%f"}, {'e', "%e"}, {'n', "\n"},
    {'G', "%G"},
};

const char* PlaceholderOf(char c) {
  for (const SuffixPlaceholder& p : kSuffixes)
    if (p.letter == c) return p.text;
  return nullptr;
}

BOOL UnescapeText(const std::string& s, std::string& out, CString& why) {
  out.clear();
  if (!s.empty() && s[0] == '"') {
    std::vector<CScenarioWord> words;
    if (!CScenarioLexer::Split(CString(s), words, why)) return FALSE;
    if (words.size() != 1) {
      why = "text after the quoted text";
      return FALSE;
    }
    out = words[0].m_strText.str();
    return TRUE;
  }
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\') {
      out += s[i];
      continue;
    }
    char e = i + 1 < s.size() ? s[i + 1] : '\0';
    if (e == 't') out += '\t';
    else if (e == 'n') out += '\n';
    else if (e == '\\') out += '\\';
    else {
      why = "unknown escape";
      return FALSE;
    }
    ++i;
  }
  return TRUE;
}

}  // namespace

BOOL CHostStrings::Load(const CString& text, CString& error) {
  error.Empty();
  const std::string& all = text.str();
  size_t pos = 0;
  int lineNo = 0;
  while (pos <= all.size()) {
    size_t end = all.find('\n', pos);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t k = line.find_first_not_of(" \t");
    if (k == std::string::npos || line[k] == '#') continue;
    size_t ke = line.find_first_of(" \t", k);
    std::string key = line.substr(k, ke == std::string::npos ? std::string::npos : ke - k);
    size_t t = ke == std::string::npos ? std::string::npos : line.find_first_not_of(" \t", ke);
    std::string raw = t == std::string::npos ? std::string() : line.substr(t);
    while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t')) raw.pop_back();
    std::string value;
    CString why;
    if (raw.empty()) why = "no text";
    else if (!CScenarioLexer::IsUtf8(CString(line))) why = "not UTF-8 text";
    if (!why.IsEmpty() || !UnescapeText(raw, value, why)) {
      error.Format("line %d: %s", lineNo, (LPCTSTR)why);
      return FALSE;
    }
    m_table[key] = value;
  }
  return TRUE;
}

BOOL CHostStrings::LoadBuiltIn() {
  CString error;
  return Load(CString(kBuiltIn), error);
}

void CHostStrings::Set(const char* key, const char* text) {
  if (key) m_table[key] = text ? text : "";
}

BOOL CHostStrings::Has(const char* key) const { return key && m_table.count(key) != 0; }

const char* CHostStrings::Resolve(const char* key) {
  if (!key) return "";
  auto it = m_table.find(key);
  if (it != m_table.end()) return it->second.c_str();
  auto d = m_derived.find(key);
  if (d == m_derived.end()) d = m_derived.emplace(key, KeyText(key).str()).first;
  return d->second.c_str();
}

CString CHostStrings::KeyText(const char* key) {
  std::string k = key ? key : "";
  std::vector<const char*> placeholders;
  // Peel "_X" groups off the end while X names a placeholder; keep a non-empty stem.
  while (k.size() > 2 && k[k.size() - 2] == '_') {
    const char* p = PlaceholderOf(k.back());
    if (!p) break;
    placeholders.insert(placeholders.begin(), p);
    k.resize(k.size() - 2);
  }
  std::string r = k;
  for (const char* p : placeholders) {
    if (std::strcmp(p, "\n") != 0) r += ' ';
    r += p;
  }
  return CString(r);
}
