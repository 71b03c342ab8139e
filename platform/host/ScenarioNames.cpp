#include "host/ScenarioNames.h"

#include <string>
#include "afx/AfxResource.h"

namespace {

const char* const kPrefixes[] = {"IDC_", "IDD_"};

bool IsName(const std::string& s) {
  for (const char* p : kPrefixes)
    if (s.compare(0, 4, p) == 0) return true;
  return false;
}

// One part of a word: a name becomes its number.
BOOL ResolvePart(std::string& part, CString& unknown) {
  if (!IsName(part)) return TRUE;
  int id = 0;
  if (!AfxFindResourceId(part.c_str(), id)) {
    unknown = CString(part);
    return FALSE;
  }
  part = std::to_string(id);
  return TRUE;
}

}  // namespace

BOOL HostResolveIdNames(CString& word, CString& unknown) {
  std::string s = word.str();
  size_t colon = s.find(':');
  if (colon == std::string::npos) {
    if (!ResolvePart(s, unknown)) return FALSE;
  } else {
    std::string tmpl = s.substr(0, colon), id = s.substr(colon + 1);
    if (!ResolvePart(tmpl, unknown) || !ResolvePart(id, unknown)) return FALSE;
    s = tmpl + ":" + id;
  }
  word = CString(s);
  return TRUE;
}
