// The `show dialog` lines (CUserDriver.h).
#include <algorithm>
#include <cstdio>
#include <string>
#include "afx/AfxControlProc.h"
#include "afx/AfxResource.h"
#include "afx/AfxWndState.h"
#include "afx/CCheckListBox.h"
#include "afx/CUserDriver.h"

namespace {
void AppendEscaped(CString& r, char c) {
  switch (c) {
    case '\\': r += "\\\\"; break;
    case '\t': r += "\\t"; break;
    case '\n': r += "\\n"; break;
    default:
      if ((unsigned char)c < 0x20 || c == 0x7f) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02X", (unsigned)(unsigned char)c);
        r += hex;
      } else {
        r += c;
      }
  }
}
}  // namespace

CString AfxQuoteText(const CString& s) {
  CString r("\"");
  for (int i = 0; i < s.GetLength(); ++i) {
    char c = s[i];
    if (c == '"') r += "\\\"";
    else if (c != '\r') AppendEscaped(r, c);
  }
  r += '"';
  return r;
}

CString AfxEscapeText(const CString& s) {
  CString r;
  for (int i = 0; i < s.GetLength(); ++i) AppendEscaped(r, s[i]);
  return r;
}

namespace {
CString JoinInts(const std::vector<int>& v) {
  if (v.empty()) return CString("-1");
  CString r;
  for (size_t i = 0; i < v.size(); ++i) r.AppendFormat(i ? ",%d" : "%d", v[i]);
  return r;
}

CString Items(const AfxWndState* w) {
  CString r;
  for (size_t i = 0; i < w->items.size(); ++i) {
    if (i) r += ',';
    r += AfxQuoteText(w->items[i].text);
  }
  return r;
}

std::vector<int> Selected(const AfxWndState* w) {
  std::vector<int> sel;
  bool multiList = w->kind == AfxKind::ListBox && (w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
  if (w->kind == AfxKind::ListView || multiList) {
    UINT bit = w->kind == AfxKind::ListView ? 0x0002u : 1u;
    for (size_t i = 0; i < w->items.size(); ++i)
      if (w->items[i].state & bit) sel.push_back((int)i);
  } else if (w->curSel >= 0 && w->curSel < (int)w->items.size()) {
    sel.push_back(w->curSel);
  }
  return sel;
}
}  // namespace

CString AfxDescribeWindow(CWnd* pWnd) {
  AfxWndState* w = pWnd ? AfxWnd(pWnd->m_hWnd) : nullptr;
  if (!w) return CString();
  CString line;
  line.Format("control %d %s visible=%d enabled=%d text=%s", w->id, (LPCTSTR)w->cls,
              IsWindowVisible(w->h) ? 1 : 0, (w->style & WS_DISABLED) ? 0 : 1,
              (LPCTSTR)AfxQuoteText(AfxWndText(w)));
  switch (w->kind) {
    case AfxKind::Button: {
      UINT t = w->style & BS_TYPEMASK;
      if (t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE ||
          t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON)
        line.AppendFormat(" check=%d", w->check);
      break;
    }
    case AfxKind::ComboBox:
    case AfxKind::ComboBoxEx:
    case AfxKind::ListBox:
    case AfxKind::ListView:
    case AfxKind::Tab: {
      line.AppendFormat(" sel=%s items=%s", (LPCTSTR)JoinInts(Selected(w)), (LPCTSTR)Items(w));
      bool checks = (w->kind == AfxKind::ListView && (w->lvExStyle & 0x0004u)) ||
                    (w->kind == AfxKind::ListBox && dynamic_cast<CCheckListBox*>(w->obj));
      if (checks && !w->items.empty()) {
        std::vector<int> c;
        for (const AfxItem& it : w->items)
          c.push_back(w->kind == AfxKind::ListView ? ((it.state >> 12) == 2 ? 1 : 0) : it.check);
        line.AppendFormat(" checks=%s", (LPCTSTR)JoinInts(c));
      }
      break;
    }
    case AfxKind::ScrollBar:
      line.AppendFormat(" pos=%d range=%d,%d", w->scroll[0].si.nPos, w->scroll[0].si.nMin, w->scroll[0].si.nMax);
      break;
    case AfxKind::Spin:
    case AfxKind::Slider:
      line.AppendFormat(" pos=%d range=%d,%d", w->pos, w->rangeMin, w->rangeMax);
      break;
    default:
      break;
  }
  return line;
}

CString AfxDescribeControl(CWnd* pWnd) {
  AfxWndState* w = pWnd ? AfxWnd(pWnd->m_hWnd) : nullptr;
  if (!w) return CString();
  CString line = AfxDescribeWindow(pWnd);
  const bool readonly = w->kind == AfxKind::Edit && (w->style & ES_READONLY);
  const int image = (w->kind == AfxKind::Static || w->kind == AfxKind::Button) && w->image
                        ? AfxResIdFromHandle(w->image) : 0;
  line.AppendFormat(" readonly=%d image=%d focus=%d textcolor=%02X%02X%02X", readonly ? 1 : 0, image,
                    ::GetFocus() == w->h ? 1 : 0, GetRValue(w->textColor), GetGValue(w->textColor),
                    GetBValue(w->textColor));
  return line;
}

BOOL AfxDescribedAttr(const CString& line, const CString& attr, CString& value) {
  const std::string& s = line.str();
  const std::string key = " " + attr.str() + "=";
  // Attributes follow `control ID CLASS`; a quoted text may hold " x=", so walk the line.
  bool quoted = false;
  for (size_t i = 0; i < s.size(); ++i) {
    char c = s[i];
    if (quoted) {
      if (c == '\\') ++i;
      else if (c == '"') quoted = false;
      continue;
    }
    if (c == '"') {
      quoted = true;
      continue;
    }
    if (s.compare(i, key.size(), key) != 0) continue;
    size_t b = i + key.size(), e = b;
    bool q = false;
    for (; e < s.size() && (q || s[e] != ' '); ++e) {
      if (q && s[e] == '\\') ++e;
      else if (s[e] == '"') q = !q;
    }
    std::string raw = s.substr(b, std::min(e, s.size()) - b);
    // A single quoted text: its content, escapes undone.
    bool single = raw.size() >= 2 && raw.front() == '"' && raw.back() == '"';
    for (size_t k = 1; single && k + 1 < raw.size(); ++k) {
      if (raw[k] == '\\') ++k;
      else if (raw[k] == '"') single = false;
    }
    if (!single) {
      value = raw.c_str();
      return TRUE;
    }
    std::string t;
    for (size_t k = 1; k + 1 < raw.size(); ++k) {
      char d = raw[k];
      if (d == '\\' && k + 2 < raw.size()) {
        char n = raw[++k];
        d = n == 't' ? '\t' : n == 'n' ? '\n' : n;
      }
      t += d;
    }
    value = t.c_str();
    return TRUE;
  }
  return FALSE;
}

std::vector<CString> AfxDescribeList(CWnd* pWnd) {
  std::vector<CString> lines;
  AfxWndState* w = pWnd ? AfxWnd(pWnd->m_hWnd) : nullptr;
  if (!w || w->kind != AfxKind::ListView) return lines;
  CString head;
  for (size_t c = 0; c < w->columns.size(); ++c) {
    if (c) head += '\t';
    head += AfxEscapeText(w->columns[c].text);
  }
  lines.push_back(head);
  const size_t cols = std::max<size_t>(w->columns.size(), 1);
  for (const AfxItem& it : w->items) {
    CString row = AfxEscapeText(it.text);
    for (size_t c = 1; c < cols; ++c) {
      row += '\t';
      if (c - 1 < it.sub.size()) row += AfxEscapeText(it.sub[c - 1]);
    }
    lines.push_back(row);
  }
  return lines;
}

namespace {
// "TEMPLATE NAME": the template a dialog was made from, with its resource name or "-".
CString TemplateWords(const AfxWndState* w) {
  const char* name = AfxFindResourceName(w->templateId, "IDD_");
  CString r;
  r.Format("%d %s", w->templateId, name ? name : "-");
  return r;
}
}  // namespace

void AfxDescribeChildren(CWnd* pParent, std::vector<CString>& lines) {
  AfxWndState* w = pParent ? AfxWnd(pParent->m_hWnd) : nullptr;
  if (!w) return;
  std::vector<HWND> kids = w->children;
  for (HWND k : kids) {
    CWnd* c = CWnd::FromHandle(k);
    AfxWndState* kw = AfxWnd(k);
    if (!c || !kw) continue;
    if (kw->kind != AfxKind::Dialog) {
      lines.push_back(AfxDescribeWindow(c));
      continue;
    }
    lines.push_back("page " + TemplateWords(kw) + (IsWindowVisible(k) ? " visible=1" : " visible=0"));
    AfxDescribeChildren(c, lines);
  }
}

std::vector<CString> AfxDescribeDialog(CWnd* pDialog) {
  std::vector<CString> lines;
  AfxWndState* w = pDialog ? AfxWnd(pDialog->m_hWnd) : nullptr;
  if (!w) return lines;
  lines.push_back("dialog " + TemplateWords(w));
  AfxDescribeChildren(pDialog, lines);
  return lines;
}
