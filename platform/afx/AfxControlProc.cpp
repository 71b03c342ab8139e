#include "afx/AfxControlProc.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "afx/CPaintDC.h"
#include "afx/CWnd.h"

namespace {
bool IsDropList(const AfxWndState* w) {
  return (w->kind == AfxKind::ComboBox || w->kind == AfxKind::ComboBoxEx) &&
         (w->style & 0x3u) == CBS_DROPDOWNLIST;
}

bool IsCombo(const AfxWndState* w) {
  return w->kind == AfxKind::ComboBox || w->kind == AfxKind::ComboBoxEx;
}

void Notify(AfxWndState* w, UINT code) { AfxNotifyParent(w, code); }

void FocusNotify(HWND h, bool set) {
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  switch (w->kind) {
    case AfxKind::Edit: Notify(w, set ? EN_SETFOCUS : EN_KILLFOCUS); break;
    case AfxKind::ComboBox:
    case AfxKind::ComboBoxEx: Notify(w, set ? CBN_SETFOCUS : CBN_KILLFOCUS); break;
    case AfxKind::ListBox:
      if (w->style & LBS_NOTIFY) Notify(w, set ? LBN_SETFOCUS : LBN_KILLFOCUS);
      break;
    case AfxKind::Button:
      if (w->style & BS_NOTIFY) Notify(w, set ? BN_SETFOCUS : BN_KILLFOCUS);
      break;
    case AfxKind::ListView:
    case AfxKind::Tab: {
      NMHDR hdr;
      AfxNotifyParent(w, set ? NM_SETFOCUS : NM_KILLFOCUS, &hdr);
      break;
    }
    default: break;
  }
}

UINT DlgCode(const AfxWndState* w) {
  switch (w->kind) {
    case AfxKind::Button: {
      UINT t = w->style & BS_TYPEMASK;
      if (t == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      if (t == BS_PUSHBUTTON) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      if (t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON) return DLGC_BUTTON | DLGC_RADIOBUTTON;
      if (t == BS_GROUPBOX) return DLGC_STATIC;
      return DLGC_BUTTON;
    }
    case AfxKind::Edit: {
      UINT c = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      if ((w->style & ES_MULTILINE) && (w->style & ES_WANTRETURN)) c |= DLGC_WANTALLKEYS;
      return c;
    }
    case AfxKind::Static: return DLGC_STATIC;
    case AfxKind::ComboBox:
    case AfxKind::ComboBoxEx:
    case AfxKind::ListBox:
    case AfxKind::ListView:
    case AfxKind::Tab:
    case AfxKind::Slider:
    case AfxKind::ScrollBar: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default: return 0;
  }
}

void EditDeleteKey(AfxWndState* w) {
  if (w->style & ES_READONLY) return;
  CString t = w->text;
  int a = std::clamp(std::min(w->selStart, w->selEnd), 0, t.GetLength());
  int b = std::clamp(std::max(w->selStart, w->selEnd), 0, t.GetLength());
  if (a == b) {
    if (a >= t.GetLength()) return;
    b = a + 1;
    while (b < t.GetLength() && ((unsigned char)t[b] & 0xC0) == 0x80) ++b;  // whole character
  }
  t.Delete(a, b - a);
  HWND h = w->h;
  AfxSetEditText(h, t, true);
  if ((w = AfxWnd(h))) w->selStart = w->selEnd = a;
}
// A control that paints asks its parent for colours: WM_CTLCOLOR with a DC whose text is
// black, the control as lParam. The text colour the parent leaves in the DC is kept.
void AskParentColours(HWND h) {
  AfxWndState* w = AfxWnd(h);
  if (!w || !(w->style & WS_CHILD) || !AfxWnd(w->parent)) return;
  switch (w->kind) {
    case AfxKind::Static:
    case AfxKind::Edit:
    case AfxKind::Button:
    case AfxKind::ComboBox:
    case AfxKind::ComboBoxEx:
    case AfxKind::ListBox: break;
    default: return;
  }
  CClientDC dc(CWnd::FromHandle(h));
  dc.SetTextColor(RGB(0, 0, 0));
  SendMessage(w->parent, WM_CTLCOLOR, (WPARAM)(CDC*)&dc, (LPARAM)h);
  if ((w = AfxWnd(h))) w->textColor = dc.GetTextColor();
}
}  // namespace

CString AfxWndText(const AfxWndState* w) {
  if (!w) return CString();
  if (IsDropList(w)) {
    if (w->curSel >= 0 && w->curSel < (int)w->items.size()) return w->items[(size_t)w->curSel].text;
    return CString();
  }
  return w->text;
}

void AfxSetEditText(HWND h, const CString& text, bool notify) {
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  w->text = text;
  w->selStart = w->selEnd = 0;
  w->needsPaint = true;
  if (!notify) return;
  if (w->kind == AfxKind::Edit) {
    Notify(w, EN_UPDATE);
    if ((w = AfxWnd(h))) Notify(w, EN_CHANGE);
  } else if (IsCombo(w)) {
    Notify(w, CBN_EDITUPDATE);
    if ((w = AfxWnd(h))) Notify(w, CBN_EDITCHANGE);
  }
}

std::vector<HWND> AfxRadioGroup(HWND h) {
  std::vector<HWND> group;
  AfxWndState* w = AfxWnd(h);
  AfxWndState* p = w ? AfxWnd(w->parent) : nullptr;
  if (!p) return {h};
  const auto& c = p->children;
  auto it = std::find(c.begin(), c.end(), h);
  if (it == c.end()) return {h};
  auto first = it;
  while (first != c.begin() && !(AfxWnd(*first)->style & WS_GROUP)) --first;
  for (auto k = first; k != c.end(); ++k) {
    if (k != first && (AfxWnd(*k)->style & WS_GROUP)) break;
    group.push_back(*k);
  }
  return group;
}

void AfxButtonClick(HWND h) {
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  switch (w->style & BS_TYPEMASK) {
    case BS_AUTOCHECKBOX: w->check = w->check ? 0 : 1; break;
    case BS_AUTO3STATE: w->check = (w->check + 1) % 3; break;
    case BS_AUTORADIOBUTTON:
      for (HWND g : AfxRadioGroup(h)) {
        AfxWndState* gw = AfxWnd(g);
        if (gw && gw->kind == AfxKind::Button && (gw->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
          gw->check = g == h ? 1 : 0;
      }
      break;
    default: break;
  }
  w->needsPaint = true;
  Notify(w, BN_CLICKED);
}

int AfxFindItem(const std::vector<AfxItem>& items, int start, const char* text, bool exact) {
  int n = (int)items.size();
  if (n == 0 || !text) return -1;
  size_t len = std::strlen(text);
  int from = (start < -1 || start >= n) ? 0 : start + 1;
  for (int k = 0; k < n; ++k) {
    int i = (from + k) % n;
    const CString& t = items[(size_t)i].text;
    if (exact ? strcasecmp(t.c_str(), text) == 0 : strncasecmp(t.c_str(), text, len) == 0) return i;
  }
  return -1;
}

int AfxSortedInsertPos(const std::vector<AfxItem>& items, const char* text) {
  int i = 0;
  while (i < (int)items.size() && strcasecmp(items[(size_t)i].text.c_str(), text) <= 0) ++i;
  return i;
}

int AfxMbcsLength(const CString& s) { return s.GetMbcsLength(); }

LRESULT AfxControlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w) return 0;
  switch (message) {
    case WM_SETTEXT: {
      const char* s = lParam ? (const char*)lParam : "";
      if (IsDropList(w)) {
        int i = AfxFindItem(w->items, -1, s, false);
        if (i < 0) return CB_ERR;
        w->curSel = i;
        return TRUE;
      }
      if (IsCombo(w)) {
        w->text = s;
        w->curSel = AfxFindItem(w->items, -1, s, true);
        return TRUE;
      }
      if (w->kind == AfxKind::Edit) {
        AfxSetEditText(hWnd, CString(s), true);
        return TRUE;
      }
      w->text = s;
      w->needsPaint = true;
      return TRUE;
    }
    case WM_GETTEXT: {
      CString t = AfxWndText(w);
      char* buf = (char*)lParam;
      int max = (int)wParam;
      if (!buf || max <= 0) return 0;
      int n = std::min(t.GetLength(), max - 1);
      std::memcpy(buf, t.c_str(), (size_t)n);
      buf[n] = '\0';
      return n;
    }
    case WM_GETTEXTLENGTH: return AfxWndText(w).GetLength();
    case WM_SETFOCUS: FocusNotify(hWnd, true); return 0;
    case WM_KILLFOCUS: FocusNotify(hWnd, false); return 0;
    case WM_GETDLGCODE: return DlgCode(w);
    case WM_CLOSE:
      if (w->kind == AfxKind::Dialog) {
        HWND cancel = GetDlgItem(hWnd, IDCANCEL);
        if (cancel && !IsWindowEnabled(cancel)) return 0;
        SendMessage(hWnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)cancel);
      } else {
        DestroyWindow(hWnd);
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE) SendMessage(hWnd, WM_CLOSE);
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: AskParentColours(hWnd); return 0;
    case WM_KEYDOWN:
      if (w->kind == AfxKind::Edit && wParam == VK_DELETE) {
        EditDeleteKey(w);
      } else if (w->kind == AfxKind::ListView || w->kind == AfxKind::Tab) {
        NMLVKEYDOWN kd;
        kd.wVKey = (WORD)wParam;
        AfxNotifyParent(w, w->kind == AfxKind::ListView ? LVN_KEYDOWN : TCN_KEYDOWN, &kd.hdr);
      }
      return 0;
    case WM_MOUSEWHEEL:
      // A combo box steps its selection one item per notch (120), a turn toward the user
      // (negative) to the next item, and reports the change as a choice does.
      if (IsCombo(w) && !w->items.empty()) {
        int notches = (short)HIWORD(wParam) / 120;
        int n = (int)w->items.size();
        int sel = std::clamp(w->curSel - notches, 0, n - 1);
        if (notches == 0 || sel == w->curSel) return 0;
        w->curSel = sel;
        if (!IsDropList(w)) w->text = w->items[(size_t)sel].text;
        w->needsPaint = true;
        Notify(w, CBN_SELCHANGE);
      }
      return 0;
    case BM_GETCHECK: return w->kind == AfxKind::Button ? w->check : 0;
    case BM_SETCHECK:
      if (w->kind == AfxKind::Button) {
        w->check = (int)wParam;
        w->needsPaint = true;
      }
      return 0;
    case BM_CLICK: AfxButtonClick(hWnd); return 0;
    case BM_SETIMAGE: {
      HANDLE old = w->image;
      w->image = (HANDLE)lParam;
      w->imageType = (UINT)wParam;
      return (LRESULT)old;
    }
    case BM_GETIMAGE: return (LRESULT)w->image;
    case BM_SETSTYLE:
      w->style = (w->style & ~0xFFFFu) | (DWORD)(wParam & 0xFFFF);
      return 0;
    case EM_GETSEL:
      if (wParam) *(DWORD*)wParam = (DWORD)w->selStart;
      if (lParam) *(DWORD*)lParam = (DWORD)w->selEnd;
      return MAKELONG(w->selStart, w->selEnd);
    case EM_SETSEL: {
      int len = w->text.GetLength();
      int a = (int)(intptr_t)wParam, b = (int)lParam;
      if (a < 0) {
        a = b = len;  // remove the selection, caret at the end
      }
      if (b < 0 || b > len) b = len;
      a = std::clamp(a, 0, len);
      w->selStart = std::min(a, b);
      w->selEnd = std::max(a, b);
      return 0;
    }
    case EM_REPLACESEL: {
      CString t = w->text;
      int a = std::clamp(w->selStart, 0, t.GetLength());
      int b = std::clamp(w->selEnd, a, t.GetLength());
      const char* s = lParam ? (const char*)lParam : "";
      t.Delete(a, b - a);
      t.Insert(a, s);
      int caret = a + (int)std::strlen(s);
      AfxSetEditText(hWnd, t, true);
      if ((w = AfxWnd(hWnd))) w->selStart = w->selEnd = caret;
      return 0;
    }
    case EM_LIMITTEXT: w->limit = (int)wParam; return 0;
    case EM_SETREADONLY:
      if (wParam)
        w->style |= ES_READONLY;
      else
        w->style &= ~ES_READONLY;
      return TRUE;
    case DM_GETDEFID: return MAKELONG(w->defId, DC_HASDEFID);
    case DM_SETDEFID: w->defId = (int)wParam; return TRUE;
    default: return 0;
  }
}

void AfxEditReplaceSel(HWND h, const char* text) {
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  CString s(text ? text : "");
  if (w->style & ES_NUMBER) {
    CString digits;
    for (int i = 0; i < s.GetLength(); ++i)
      if (s[i] >= '0' && s[i] <= '9') digits += s[i];
    s = digits;
  }
  if (w->style & ES_UPPERCASE) s.MakeUpper();
  if (w->style & ES_LOWERCASE) s.MakeLower();
  if (w->limit > 0) {
    // What the selection frees and what stays decide how much of s fits.
    CString rest = w->text;
    int a = std::min(w->selStart, rest.GetLength());
    int b = std::min(std::max(w->selEnd, a), rest.GetLength());
    rest.Delete(a, b - a);
    int room = w->limit - rest.GetMbcsLength();
    CString fit;
    for (int i = 0; i < s.GetLength();) {
      int n = 1;
      while (i + n < s.GetLength() && ((unsigned char)s[i + n] & 0xC0) == 0x80) ++n;
      CString ch = s.Mid(i, n);
      if (fit.GetMbcsLength() + ch.GetMbcsLength() > room) break;
      fit += ch;
      i += n;
    }
    s = fit;
  }
  SendMessage(h, EM_REPLACESEL, 0, (LPARAM)s.c_str());
}
