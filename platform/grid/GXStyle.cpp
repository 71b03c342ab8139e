#include "grid/GXStyle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

CGXStyle& CGXStyle::SetValue(double d) {
  CString s;
  s.Format("%.15g", d);
  return SetValue((LPCTSTR)s);
}

BOOL CGXStyle::IsChoice(const CString& text) const {
  int pos = 0;
  const std::string& all = m_choices.str();
  while ((size_t)pos <= all.size()) {
    size_t nl = all.find('\n', (size_t)pos);
    std::string item = all.substr((size_t)pos, nl == std::string::npos ? std::string::npos : nl - (size_t)pos);
    if (item == text.str() && !(nl == std::string::npos && item.empty())) return TRUE;
    if (nl == std::string::npos) break;
    pos = (int)nl + 1;
  }
  return FALSE;
}

CString CGXStyle::GetUserAttribute(UINT id) const {
  auto it = m_user.find(id);
  return it == m_user.end() ? CString() : it->second;
}

CGXStyle& CGXStyle::ChangeStyle(const CGXStyle& o, GXModifyType mt) {
  if (mt == gxCopy) {
    *this = o;
    return *this;
  }
  if (mt == gxExclude) {
    m_inc &= ~o.m_inc;
    for (auto& [id, text] : o.m_user) m_user.erase(id);
    return *this;
  }
  const bool over = mt == gxOverride;
  auto take = [&](UINT bit) { return (o.m_inc & bit) && (over || !(m_inc & bit)); };
  if (take(IncValue)) m_value = o.m_value;
  if (take(IncReadOnly)) m_bReadOnly = o.m_bReadOnly;
  if (take(IncEnabled)) m_bEnabled = o.m_bEnabled;
  if (take(IncInterior)) m_interior = o.m_interior;
  if (take(IncTextColor)) m_text = o.m_text;
  if (take(IncControl)) m_control = o.m_control;
  if (take(IncChoices)) m_choices = o.m_choices;
  if (take(IncAlign)) m_align = o.m_align;
  if (take(IncFontSize)) m_fontSize = o.m_fontSize;
  if (take(IncFontWeight)) m_fontWeight = o.m_fontWeight;
  if (take(IncFaceName)) m_faceName = o.m_faceName;
  if (take(IncFormat)) m_format = o.m_format;
  if (take(IncPlaces)) m_places = o.m_places;
  m_inc |= o.m_inc;
  for (auto& [id, text] : o.m_user)
    if (over || !m_user.count(id)) m_user[id] = text;
  return *this;
}

CString CGXStyle::FormatText(const CString& text) const {
  if (m_format != GX_FMT_FIXED && m_format != GX_FMT_SCIENTIFIC) return text;
  CString s = text;
  s.Trim();
  if (s.IsEmpty() || s.SpanIncluding("0123456789+-.eE").GetLength() != s.GetLength()) return text;
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  if (end == s.c_str() || *end != '\0' || !std::isfinite(v)) return text;
  CString out;
  out.Format(m_format == GX_FMT_FIXED ? "%.*f" : "%.*e", std::clamp(m_places, 0, 15), v);
  return out;
}
