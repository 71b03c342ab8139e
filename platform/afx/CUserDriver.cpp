#include "afx/CUserDriver.h"

#include "afx/CSliderCtrl.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "afx/AfxControlProc.h"
#include "afx/AfxMessageQueue.h"
#include "afx/AfxScript.h"
#include "afx/AfxWndState.h"
#include "afx/CEdit.h"
#include "afx/CListBox.h"
#include "afx/CListCtrl.h"

namespace {
struct NamedId {
  const char* name;
  int id;
};
const NamedId kNamedIds[] = {{"IDOK", IDOK}, {"IDCANCEL", IDCANCEL}, {"IDYES", IDYES}, {"IDNO", IDNO}};

bool ParseId(const char* s, int& out) {
  for (const NamedId& n : kNamedIds)
    if (std::strcmp(s, n.name) == 0) {
      out = n.id;
      return true;
    }
  char* end = nullptr;
  long v = std::strtol(s, &end, 10);
  if (!*s || !end || *end != '\0') return false;
  out = (int)v;
  return true;
}

// The child dialogs (pages) under h, with their depth.
void CollectPages(HWND h, int depth, std::vector<std::pair<int, HWND>>& out) {
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  for (HWND c : w->children) {
    AfxWndState* cw = AfxWnd(c);
    if (!cw) continue;
    if (cw->kind == AfxKind::Dialog) out.push_back({depth + 1, c});
    CollectPages(c, depth + 1, out);
  }
}

AfxWndState* StateOf(CWnd* p) { return p ? AfxWnd(p->m_hWnd) : nullptr; }

bool IsEditable(AfxWndState* w) {
  if (w->kind == AfxKind::Edit) return !(w->style & ES_READONLY);
  if (w->kind == AfxKind::ComboBox || w->kind == AfxKind::ComboBoxEx) return (w->style & 0x3u) != CBS_DROPDOWNLIST;
  return false;
}

HWND DialogOf(HWND h) {
  AfxWndState* w = AfxWnd(h);
  while (w && (w->style & WS_CHILD) && w->kind != AfxKind::Dialog) w = AfxWnd(w->parent);
  if (w && w->h == h && (w->style & WS_CHILD)) w = AfxWnd(w->parent);
  while (w && w->kind != AfxKind::Dialog && (w->style & WS_CHILD)) w = AfxWnd(w->parent);
  return w ? w->h : nullptr;
}

void Leave(HWND h) {
  HWND dlg = DialogOf(h);
  if (GetFocus() == h || (GetFocus() && GetParent(GetFocus()) == h)) ::SetFocus(dlg);
}

void ClickListRow(AfxWndState* w, CListCtrl* lc, const std::vector<int>& rows) {
  HWND h = w->h;
  // Deselect what is not wanted, then select the rows; the first holds the focus.
  for (int i = 0; (w = AfxWnd(h)) && i < (int)w->items.size(); ++i)
    if ((w->items[(size_t)i].state & (LVIS_SELECTED | LVIS_FOCUSED)) && std::find(rows.begin(), rows.end(), i) == rows.end())
      lc->SetItemState(i, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (size_t k = 0; k < rows.size() && AfxWnd(h); ++k) {
    UINT st = k == 0 ? (LVIS_SELECTED | LVIS_FOCUSED) : LVIS_SELECTED;
    lc->SetItemState(rows[k], st, st);
  }
  if ((w = AfxWnd(h))) {
    NMITEMACTIVATE nm;
    nm.iItem = rows.empty() ? -1 : rows.front();
    AfxNotifyParent(w, NM_CLICK, &nm.hdr);
  }
}
}  // namespace

CWnd* CUserDriver::FindControl(int nID) const {
  if (!m_pDialog || !AfxWnd(m_pDialog->m_hWnd)) return nullptr;
  std::vector<std::pair<int, HWND>> pages;
  CollectPages(m_pDialog->m_hWnd, 0, pages);
  std::stable_sort(pages.begin(), pages.end(), [](auto& a, auto& b) { return a.first > b.first; });
  for (auto& [d, p] : pages)
    if (IsWindowVisible(p))
      if (HWND c = ::GetDlgItem(p, nID)) return CWnd::FromHandle(c);
  if (HWND c = ::GetDlgItem(m_pDialog->m_hWnd, nID)) return CWnd::FromHandle(c);
  for (auto& [d, p] : pages)
    if (!IsWindowVisible(p))
      if (HWND c = ::GetDlgItem(p, nID)) return CWnd::FromHandle(c);
  return nullptr;
}

CWnd* CUserDriver::FindControl(const char* name) const {
  if (!name) return nullptr;
  if (const char* colon = std::strchr(name, ':')) {
    int tmpl = 0, id = 0;
    if (!ParseId(CString(name, (int)(colon - name)), tmpl) || !ParseId(colon + 1, id)) return nullptr;
    if (!m_pDialog || !AfxWnd(m_pDialog->m_hWnd)) return nullptr;
    std::vector<std::pair<int, HWND>> pages{{0, m_pDialog->m_hWnd}};
    CollectPages(m_pDialog->m_hWnd, 0, pages);
    for (auto& [d, p] : pages)
      if (AfxWnd(p)->templateId == tmpl)
        if (HWND c = ::GetDlgItem(p, id)) return CWnd::FromHandle(c);
    return nullptr;
  }
  int id = 0;
  return ParseId(name, id) ? FindControl(id) : nullptr;
}

CWnd* CUserDriver::FindDialog(int nTemplateID) {
  HWND best = nullptr;
  int bestRank = 99;
  AfxEnumWindows([&](HWND h) {
    AfxWndState* w = AfxWnd(h);
    if (w->kind != AfxKind::Dialog || w->templateId != nTemplateID || w->destroying) return;
    int rank = ((w->style & WS_CHILD) ? 2 : 0) + (IsWindowVisible(h) ? 0 : 1);
    if (rank < bestRank) {
      bestRank = rank;
      best = h;
    }
  });
  return CWnd::FromHandle(best);
}

BOOL CUserDriver::CanReach(CWnd* pWnd) {
  AfxWndState* w = StateOf(pWnd);
  if (!w) return FALSE;
  for (;;) {
    if (!(w->style & WS_VISIBLE) || (w->style & WS_DISABLED)) return FALSE;
    if (!(w->style & WS_CHILD)) return TRUE;
    AfxWndState* p = AfxWnd(w->parent);
    if (!p) return TRUE;
    w = p;
  }
}

void CUserDriver::AfterAction() const {
  if (AfxGetModalDepth() > 0) AfxPumpMessages();
}

int CUserDriver::Type(CWnd* pCtl, const char* text) {
  if (!CanReach(pCtl) || !IsEditable(StateOf(pCtl))) return 0;
  HWND h = pCtl->m_hWnd;
  ::SetFocus(h);
  AfxWndState* w = AfxWnd(h);
  if (!w || !CanReach(pCtl)) return 1;
  if (w->kind == AfxKind::Edit) {
    pCtl->SendMessage(EM_SETSEL, 0, -1);
    AfxEditReplaceSel(h, text);
  } else {
    CString t(text ? text : "");
    if (w->limit > 0) {
      while (t.GetMbcsLength() > w->limit) {
        int n = t.GetLength() - 1;
        while (n > 0 && ((unsigned char)t[n] & 0xC0) == 0x80) --n;
        t = t.Left(n);
      }
    }
    w->curSel = AfxFindItem(w->items, -1, t, true);
    AfxSetEditText(h, t, true);
  }
  if (AfxWnd(h)) Leave(h);
  AfterAction();
  return 1;
}

int CUserDriver::Click(CWnd* pCtl) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || w->kind != AfxKind::Button || (w->style & BS_TYPEMASK) == BS_GROUPBOX) return 0;
  HWND h = pCtl->m_hWnd;
  ::SetFocus(h);
  if (AfxWnd(h) && CanReach(CWnd::FromHandle(h))) AfxButtonClick(h);
  AfterAction();
  return 1;
}

int CUserDriver::Check(CWnd* pCtl, int nCheck) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || w->kind != AfxKind::Button) return 0;
  UINT t = w->style & BS_TYPEMASK;
  bool isCheck = t == BS_CHECKBOX || t == BS_AUTOCHECKBOX || t == BS_3STATE || t == BS_AUTO3STATE;
  bool isRadio = t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON;
  if (!isCheck && !isRadio) return 0;
  if (w->check == nCheck) return 1;
  HWND h = pCtl->m_hWnd;
  if (t == BS_AUTORADIOBUTTON && nCheck == 0) {
    ::SetFocus(h);
    if ((w = AfxWnd(h))) {
      w->check = 0;
      AfxNotifyParent(w, BN_CLICKED);
    }
  } else if (t == BS_AUTO3STATE) {
    ::SetFocus(h);
    for (int k = 0; k < 3 && (w = AfxWnd(h)) && w->check != nCheck; ++k) AfxButtonClick(h);
  } else {
    ::SetFocus(h);
    if (AfxWnd(h)) AfxButtonClick(h);
  }
  AfterAction();
  return 1;
}

int CUserDriver::Choose(CWnd* pCtl, const char* text) {
  AfxWndState* w = StateOf(pCtl);
  if (!w || !text) return 0;
  int index = -1;
  if (w->kind == AfxKind::ListView) {
    for (int i = 0; i < (int)w->items.size() && index < 0; ++i)
      if (w->items[(size_t)i].text == text) index = i;
  } else {
    for (int i = 0; i < (int)w->items.size() && index < 0; ++i)
      if (w->items[(size_t)i].text == text) index = i;
    if (index < 0) index = AfxFindItem(w->items, -1, text, true);
  }
  if (index < 0) return 0;
  return ChooseIndex(pCtl, index);
}

int CUserDriver::ChooseIndex(CWnd* pCtl, int index) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || index < 0 || index >= (int)w->items.size()) return 0;
  HWND h = pCtl->m_hWnd;
  switch (w->kind) {
    case AfxKind::ComboBox:
    case AfxKind::ComboBoxEx: {
      ::SetFocus(h);
      if (!(w = AfxWnd(h))) break;
      AfxNotifyParent(w, CBN_DROPDOWN);
      if (!(w = AfxWnd(h)) || index >= (int)w->items.size()) break;
      w->curSel = index;
      if ((w->style & 0x3u) != CBS_DROPDOWNLIST) {
        w->text = w->items[(size_t)index].text;
        w->selStart = 0;
        w->selEnd = w->text.GetLength();
      }
      w->needsPaint = true;
      for (UINT code : {CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP})
        if ((w = AfxWnd(h))) AfxNotifyParent(w, code);
      break;
    }
    case AfxKind::ListBox: {
      ::SetFocus(h);
      if (!(w = AfxWnd(h)) || index >= (int)w->items.size()) break;
      if (w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        for (size_t i = 0; i < w->items.size(); ++i)
          w->items[i].state = (w->items[i].state & ~1u) | ((int)i == index ? 1u : 0u);
      } else {
        w->curSel = index;
      }
      w->caret = index;
      w->needsPaint = true;
      if (w->style & LBS_NOTIFY) AfxNotifyParent(w, LBN_SELCHANGE);
      break;
    }
    case AfxKind::ListView:
      return SelectRows(pCtl, {index});
    case AfxKind::Tab:
      return SelectTab(pCtl, index);
    default:
      return 0;
  }
  AfterAction();
  return 1;
}

int CUserDriver::SelectRows(CWnd* pCtl, const std::vector<int>& rows) {
  if (dynamic_cast<IAfxCellTarget*>(pCtl)) return SelectGridRows(pCtl, rows);
  AfxWndState* w = StateOf(pCtl);
  // No rows: a click on the empty area of a list control.
  if (!CanReach(pCtl) || (rows.empty() && w->kind != AfxKind::ListView)) return 0;
  for (int r : rows)
    if (r < 0 || r >= (int)w->items.size()) return 0;
  HWND h = pCtl->m_hWnd;
  if (w->kind == AfxKind::ListView) {
    if ((w->style & LVS_SINGLESEL) && rows.size() > 1) return 0;
    ::SetFocus(h);
    if (!(w = AfxWnd(h))) return 1;
    CListCtrl* lc = dynamic_cast<CListCtrl*>(CWnd::FromHandle(h));
    if (lc) ClickListRow(w, lc, rows);
  } else if (w->kind == AfxKind::ListBox) {
    bool multi = (w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    if (!multi) return rows.size() == 1 ? ChooseIndex(pCtl, rows.front()) : 0;
    ::SetFocus(h);
    for (size_t k = 0; k < rows.size() && (w = AfxWnd(h)); ++k) {
      for (size_t i = 0; i < w->items.size(); ++i) {
        bool want = std::find(rows.begin(), rows.begin() + (long)k + 1, (int)i) != rows.begin() + (long)k + 1;
        w->items[i].state = (w->items[i].state & ~1u) | (want ? 1u : 0u);
      }
      w->caret = rows[k];
      if (w->style & LBS_NOTIFY) AfxNotifyParent(w, LBN_SELCHANGE);
    }
  } else {
    return 0;
  }
  AfterAction();
  return 1;
}

int CUserDriver::Key(CWnd* pCtl, UINT vk) {
  CWnd* target = pCtl ? pCtl : m_pDialog;
  if (!CanReach(target)) return 0;
  HWND h = target->m_hWnd;
  if (pCtl) ::SetFocus(h);
  for (UINT msg : {(UINT)WM_KEYDOWN, (UINT)WM_KEYUP}) {
    if (!AfxWnd(h)) break;
    MSG m;
    m.hwnd = h;
    m.message = msg;
    m.wParam = vk;
    m.lParam = msg == WM_KEYDOWN ? 1 : (LPARAM)0xC0000001;
    AfxDispatchMessage(&m);
  }
  AfterAction();
  return 1;
}

int CUserDriver::SelectTab(CWnd* pCtl, int index) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || w->kind != AfxKind::Tab || index < 0 || index >= (int)w->items.size()) return 0;
  if (w->curSel == index) return 1;
  HWND h = pCtl->m_hWnd;
  NMHDR hdr;
  if (AfxNotifyParent(w, TCN_SELCHANGING, &hdr)) {
    AfterAction();
    return 1;
  }
  if (!(w = AfxWnd(h))) return 1;
  w->curSel = index;
  w->needsPaint = true;
  NMHDR hdr2;
  AfxNotifyParent(w, TCN_SELCHANGE, &hdr2);
  AfterAction();
  return 1;
}

int CUserDriver::CheckItem(CWnd* pCtl, int index, int nCheck) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || index < 0 || index >= (int)w->items.size()) return 0;
  HWND h = pCtl->m_hWnd;
  if (w->kind == AfxKind::ListView) {
    CListCtrl* lc = dynamic_cast<CListCtrl*>(CWnd::FromHandle(h));
    if (!lc || !(w->lvExStyle & LVS_EX_CHECKBOXES)) return 0;
    lc->SetCheck(index, nCheck);
    AfterAction();
    return 1;
  }
  if (w->kind != AfxKind::ListBox || (w->items[(size_t)index].state & 2)) return 0;
  ::SetFocus(h);
  if (!(w = AfxWnd(h))) return 1;
  if (!(w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))) {
    w->curSel = index;
    if (w->style & LBS_NOTIFY) AfxNotifyParent(w, LBN_SELCHANGE);
  } else if (w->style & LBS_EXTENDEDSEL) {
    // A plain click in an extended-selection list selects the item alone.
    for (AfxItem& it : w->items) it.state &= ~1u;
    w->items[(size_t)index].state |= 1u;
    w->curSel = w->caret = index;
    if (w->style & LBS_NOTIFY) AfxNotifyParent(w, LBN_SELCHANGE);
  }
  if ((w = AfxWnd(h)) && index < (int)w->items.size() && w->items[(size_t)index].check != nCheck) {
    w->items[(size_t)index].check = nCheck;
    AfxNotifyParent(w, CLBN_CHKCHANGE);
  }
  AfterAction();
  return 1;
}

int CUserDriver::Scroll(CWnd* pCtl, int nBar, UINT nSBCode, int nPos) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl)) return 0;
  HWND h = pCtl->m_hWnd;
  bool ctl = w->kind == AfxKind::ScrollBar;
  if (ctl && (w->scroll[0].arrows & ESB_DISABLE_BOTH) == ESB_DISABLE_BOTH) return 0;
  HWND to = ctl ? w->parent : h;
  UINT msg = ctl ? ((w->style & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL) : (nBar == SB_VERT ? WM_VSCROLL : WM_HSCROLL);
  if (nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION) w->scroll[ctl ? 0 : nBar].si.nTrackPos = nPos;
  SendMessage(to, msg, MAKEWPARAM((WORD)nSBCode, (WORD)nPos), ctl ? (LPARAM)h : 0);
  if (AfxWnd(to)) SendMessage(to, msg, MAKEWPARAM(SB_ENDSCROLL, 0), ctl ? (LPARAM)h : 0);
  AfterAction();
  return 1;
}

int CUserDriver::Slide(CWnd* pCtl, int pos) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || w->kind != AfxKind::Slider) return 0;
  HWND h = pCtl->m_hWnd;
  HWND to = w->parent;
  const UINT msg = (w->style & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  pos = std::clamp(pos, std::min(w->rangeMin, w->rangeMax), std::max(w->rangeMin, w->rangeMax));
  pCtl->SetCapture();
  w->pos = pos;
  w->needsPaint = true;
  for (UINT code : {(UINT)TB_THUMBTRACK, (UINT)TB_THUMBPOSITION, (UINT)TB_ENDTRACK})
    if (AfxWnd(to) && AfxWnd(h))
      SendMessage(to, msg, MAKEWPARAM((WORD)code, (WORD)(code == TB_ENDTRACK ? 0 : pos)), (LPARAM)h);
  if (CWnd::GetCapture() && CWnd::GetCapture()->m_hWnd == h) ReleaseCapture();
  AfterAction();
  return 1;
}

int CUserDriver::Spin(CWnd* pCtl, int delta) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || w->kind != AfxKind::Spin) return 0;
  HWND h = pCtl->m_hWnd;
  NMUPDOWN nm;
  nm.iPos = w->pos;
  nm.iDelta = delta;
  if (AfxNotifyParent(w, UDN_DELTAPOS, &nm.hdr)) {
    AfterAction();
    return 1;
  }
  if (!(w = AfxWnd(h))) return 1;
  int lo = std::min(w->rangeMin, w->rangeMax), hi = std::max(w->rangeMin, w->rangeMax);
  int step = w->rangeMin <= w->rangeMax ? nm.iDelta : -nm.iDelta;
  int pos = w->pos + step;
  if (w->style & UDS_WRAP)
    pos = pos > hi ? lo : pos < lo ? hi : pos;
  else
    pos = std::clamp(pos, lo, hi);
  w->pos = pos;
  if ((w->style & UDS_SETBUDDYINT) && AfxWnd(w->buddy)) {
    CString s;
    s.Format("%d", pos);
    CWnd::FromHandle(w->buddy)->SetWindowText(s);
  }
  if ((w = AfxWnd(h)))
    SendMessage(w->parent, (w->style & UDS_HORZ) ? WM_HSCROLL : WM_VSCROLL,
                MAKEWPARAM(SB_THUMBPOSITION, (WORD)pos), (LPARAM)h);
  AfterAction();
  return 1;
}

int CUserDriver::DblClick(CWnd* pCtl, int index) {
  AfxWndState* w = StateOf(pCtl);
  if (!CanReach(pCtl) || index < 0 || index >= (int)w->items.size()) return 0;
  HWND h = pCtl->m_hWnd;
  if (w->kind == AfxKind::ListView) {
    ::SetFocus(h);
    CListCtrl* lc = dynamic_cast<CListCtrl*>(CWnd::FromHandle(h));
    if (!(w = AfxWnd(h)) || !lc) return 1;
    ClickListRow(w, lc, {index});
    if ((w = AfxWnd(h)) && index < (int)w->items.size()) {
      NMITEMACTIVATE nm;
      nm.iItem = index;
      AfxNotifyParent(w, NM_DBLCLK, &nm.hdr);
    }
  } else if (w->kind == AfxKind::ListBox) {
    ::SetFocus(h);
    if (!(w = AfxWnd(h))) return 1;
    if (w->style & LBS_MULTIPLESEL) {
      w->items[(size_t)index].state |= 1u;
    } else if (w->style & LBS_EXTENDEDSEL) {
      for (size_t i = 0; i < w->items.size(); ++i)
        w->items[i].state = (w->items[i].state & ~1u) | ((int)i == index ? 1u : 0u);
    } else {
      w->curSel = index;
    }
    w->caret = index;
    w->needsPaint = true;
    if (w->style & LBS_NOTIFY) AfxNotifyParent(w, LBN_SELCHANGE);
    if ((w = AfxWnd(h)) && (w->style & LBS_NOTIFY)) AfxNotifyParent(w, LBN_DBLCLK);
  } else {
    return 0;
  }
  AfterAction();
  return 1;
}

int CUserDriver::EditCell(CWnd* pCtl, int row, int col, const char* text) {
  IAfxCellTarget* g = dynamic_cast<IAfxCellTarget*>(pCtl);
  if (!g || !CanReach(pCtl)) return 0;
  int r = g->UserEditCell(row, col, text ? text : "");
  AfterAction();
  return r;
}

int CUserDriver::Paste(CWnd* pCtl, int row, int col, const char* text) {
  IAfxCellTarget* g = dynamic_cast<IAfxCellTarget*>(pCtl);
  if (!g || !CanReach(pCtl)) return 0;
  int r = g->UserPaste(row, col, text ? text : "");
  AfterAction();
  return r;
}

int CUserDriver::SelectGridRows(CWnd* pCtl, const std::vector<int>& rows) {
  IAfxCellTarget* g = dynamic_cast<IAfxCellTarget*>(pCtl);
  if (!g || !CanReach(pCtl)) return 0;
  int r = g->UserSelectRows(rows);
  AfterAction();
  return r;
}

int CUserDriver::ClickCell(CWnd* pCtl, int row, int col) {
  IAfxCellTarget* g = dynamic_cast<IAfxCellTarget*>(pCtl);
  if (!g || !CanReach(pCtl)) return 0;
  int r = g->UserClickCell(row, col);
  AfterAction();
  return r;
}

std::vector<CString> CUserDriver::Describe() const { return AfxDescribeDialog(m_pDialog); }
