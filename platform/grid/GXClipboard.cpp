#include "grid/GXClipboard.h"

namespace {
CString& Board() {
  static CString s_text;
  return s_text;
}
}  // namespace

void CGXClipboard::SetText(const CString& text) { Board() = text; }
const CString& CGXClipboard::GetText() { return Board(); }
void CGXClipboard::Empty() { Board().Empty(); }
BOOL CGXClipboard::IsEmpty() { return Board().IsEmpty(); }

std::vector<std::vector<CString>> CGXClipboard::Split(const CString& text) {
  std::vector<std::vector<CString>> rows;
  std::string s = text.str();
  if (s.empty()) return rows;
  if (s.back() == '\n') s.pop_back();
  if (!s.empty() && s.back() == '\r') s.pop_back();
  size_t start = 0;
  while (true) {
    size_t nl = s.find('\n', start);
    std::string line = s.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<CString> cells;
    size_t c = 0;
    while (true) {
      size_t tab = line.find('\t', c);
      cells.emplace_back(line.substr(c, tab == std::string::npos ? std::string::npos : tab - c));
      if (tab == std::string::npos) break;
      c = tab + 1;
    }
    rows.push_back(std::move(cells));
    if (nl == std::string::npos) break;
    start = nl + 1;
  }
  return rows;
}

CString CGXClipboard::Join(const std::vector<std::vector<CString>>& rows) {
  CString out;
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i) out += '\t';
      out += row[i];
    }
    out += '\n';
  }
  return out;
}
