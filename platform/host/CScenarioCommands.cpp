#include "host/CScenarioCommands.h"

#include <map>
#include <string>

namespace {

const int kMaxNameWords = 3;

std::map<std::string, CScenarioCommand>& Table() {
  static std::map<std::string, CScenarioCommand> table;
  return table;
}

// The name normalised to single blanks; its word count goes to n.
std::string Normalise(const char* name, int& n) {
  std::string r;
  n = 0;
  std::string w;
  for (const char* p = name ? name : "";; ++p) {
    if (*p == ' ' || *p == '\t' || *p == '\0') {
      if (!w.empty()) {
        if (!r.empty()) r += ' ';
        r += w;
        ++n;
        w.clear();
      }
      if (*p == '\0') break;
    } else {
      w += *p;
    }
  }
  return r;
}

BOOL Add(const char* name, int minArgs, int maxArgs, BOOL block, CScenarioHandler handler,
         const char* usage) {
  int n = 0;
  std::string key = Normalise(name, n);
  if (n == 0 || n > kMaxNameWords || !handler || minArgs < 0 || (maxArgs >= 0 && maxArgs < minArgs))
    return FALSE;
  if (key == "end" || Table().count(key)) return FALSE;
  CScenarioCommand c;
  c.m_strName = CString(key);
  c.m_nMinArgs = minArgs;
  c.m_nMaxArgs = maxArgs;
  c.m_bBlock = block;
  c.m_handler = std::move(handler);
  c.m_strUsage = usage ? usage : "";
  Table().emplace(key, std::move(c));
  return TRUE;
}

}  // namespace

BOOL CScenarioCommands::Register(const char* name, int minArgs, int maxArgs,
                                 CScenarioHandler handler, const char* usage) {
  return Add(name, minArgs, maxArgs, FALSE, std::move(handler), usage);
}

BOOL CScenarioCommands::RegisterBlock(const char* name, int minArgs, int maxArgs,
                                      CScenarioHandler handler, const char* usage) {
  return Add(name, minArgs, maxArgs, TRUE, std::move(handler), usage);
}

const CScenarioCommand* CScenarioCommands::Find(const std::vector<CScenarioWord>& words,
                                                int& nameWords) {
  nameWords = 0;
  int lead = 0;
  while (lead < (int)words.size() && lead < kMaxNameWords && !words[(size_t)lead].m_bQuoted &&
         !words[(size_t)lead].IsKey())
    ++lead;
  for (int n = lead; n > 0; --n) {
    std::string key;
    for (int i = 0; i < n; ++i) {
      if (i) key += ' ';
      key += words[(size_t)i].m_strText.str();
    }
    auto it = Table().find(key);
    if (it != Table().end()) {
      nameWords = n;
      return &it->second;
    }
  }
  return nullptr;
}

std::vector<const CScenarioCommand*> CScenarioCommands::All() {
  std::vector<const CScenarioCommand*> r;
  for (const auto& [name, c] : Table()) r.push_back(&c);
  return r;
}
