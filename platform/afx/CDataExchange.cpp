#include "afx/CDataExchange.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "afx/AfxControlProc.h"
#include "afx/AfxMessageBox.h"
#include "afx/AfxWndState.h"
#include "afx/CComboBox.h"
#include "afx/CListBox.h"

namespace {
const char kEnterInteger[] = "Please enter an integer.";
const char kEnterNumber[] = "Please enter a number.";

CString ReadText(HWND h) {
  CString s;
  if (CWnd* p = CWnd::FromHandle(h)) p->GetWindowText(s);
  return s;
}

// Sets the text only when it differs, as the class library does to avoid flicker.
void ShowText(HWND h, const CString& s) {
  CWnd* p = CWnd::FromHandle(h);
  if (!p) return;
  CString old;
  p->GetWindowText(old);
  if (old != s) p->SetWindowText(s);
}

bool ParseLong(const CString& text, long long& out) {
  CString s(text);
  s.Trim();
  if (s.IsEmpty()) return false;
  errno = 0;
  char* end = nullptr;
  out = std::strtoll(s.c_str(), &end, 10);
  return errno == 0 && end && *end == '\0';
}

bool ParseDouble(const CString& text, double& out) {
  CString s(text);
  s.Trim();
  if (s.IsEmpty()) return false;
  errno = 0;
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return errno == 0 && end && *end == '\0';
}

void FailWith(CDataExchange* pDX, const char* text) {
  AfxMessageBox(text, MB_ICONEXCLAMATION);
  pDX->Fail();
}

template <class T>
void IntText(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi, const char* fmt) {
  HWND h = pDX->PrepareEditCtrl(nIDC);
  if (!h) return;
  if (pDX->m_bSaveAndValidate) {
    long long v = 0;
    if (!ParseLong(ReadText(h), v) || v < lo || v > hi) return FailWith(pDX, kEnterInteger);
    value = (T)v;
  } else {
    CString s;
    s.Format(fmt, value);
    ShowText(h, s);
  }
}
}  // namespace

HWND CDataExchange::PrepareCtrl(int nIDC) {
  if (m_bFailed) return nullptr;
  HWND h = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  m_hWndLastControl = h;
  return h;
}

void CDataExchange::Fail() {
  m_bFailed = TRUE;
  if (AfxWnd(m_hWndLastControl)) {
    ::SetFocus(m_hWndLastControl);
    SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = pDX->PrepareEditCtrl(nIDC);
  if (!h) return;
  if (pDX->m_bSaveAndValidate)
    value = ReadText(h);
  else
    ShowText(h, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { IntText(pDX, nIDC, value, INT_MIN, INT_MAX, "%d"); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { IntText(pDX, nIDC, value, 0, UINT_MAX, "%u"); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { IntText(pDX, nIDC, value, LONG_MIN, LONG_MAX, "%ld"); }

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  HWND h = pDX->PrepareEditCtrl(nIDC);
  if (!h) return;
  if (pDX->m_bSaveAndValidate) {
    double v = 0;
    if (!ParseDouble(ReadText(h), v)) return FailWith(pDX, kEnterNumber);
    value = v;
  } else {
    CString s;
    s.Format("%.15g", value);
    ShowText(h, s);
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
  double d = value;
  DDX_Text(pDX, nIDC, d);
  if (pDX->m_bSaveAndValidate && !pDX->m_bFailed) value = (float)d;
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = pDX->PrepareCtrl(nIDC);
  if (!h) return;
  if (pDX->m_bSaveAndValidate)
    value = (int)SendMessage(h, BM_GETCHECK);
  else
    SendMessage(h, BM_SETCHECK, (WPARAM)value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = pDX->PrepareCtrl(nIDC);
  if (!h) return;
  if (pDX->m_bSaveAndValidate) value = -1;
  int index = 0;
  for (HWND g : AfxRadioGroup(h)) {
    AfxWndState* w = AfxWnd(g);
    if (!w || w->kind != AfxKind::Button) continue;
    UINT t = w->style & BS_TYPEMASK;
    if (t != BS_RADIOBUTTON && t != BS_AUTORADIOBUTTON) continue;
    if (pDX->m_bSaveAndValidate) {
      if (w->check) value = index;
    } else {
      SendMessage(g, BM_SETCHECK, index == value);
    }
    ++index;
  }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND h = pDX->PrepareCtrl(nIDC);
  CComboBox* c = (CComboBox*)CWnd::FromHandle(h);
  if (!c) return;
  if (pDX->m_bSaveAndValidate)
    index = c->GetCurSel();
  else
    c->SetCurSel(index);
}

static void CBString(CDataExchange* pDX, int nIDC, CString& value, bool exact) {
  HWND h = pDX->PrepareCtrl(nIDC);
  CComboBox* c = (CComboBox*)CWnd::FromHandle(h);
  if (!c) return;
  if (pDX->m_bSaveAndValidate) {
    c->GetWindowText(value);
    return;
  }
  int i = exact ? c->FindStringExact(-1, value) : c->FindString(-1, value);
  if ((c->GetStyle() & 0x3u) == CBS_DROPDOWNLIST) {
    c->SetCurSel(i);
  } else {
    c->SetCurSel(i);
    c->SetWindowText(value);
  }
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) { CBString(pDX, nIDC, value, false); }
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) { CBString(pDX, nIDC, value, true); }

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND h = pDX->PrepareCtrl(nIDC);
  CListBox* c = (CListBox*)CWnd::FromHandle(h);
  if (!c) return;
  if (pDX->m_bSaveAndValidate)
    index = c->GetCurSel();
  else
    c->SetCurSel(index);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND h = pDX->PrepareCtrl(nIDC);
  CListBox* c = (CListBox*)CWnd::FromHandle(h);
  if (!c) return;
  if (pDX->m_bSaveAndValidate) {
    int i = c->GetCurSel();
    if (i >= 0)
      c->GetText(i, value);
    else
      value.Empty();
  } else {
    c->SelectString(-1, value);
  }
}

void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = pDX->PrepareCtrl(nIDC);
  CWnd* c = CWnd::FromHandle(h);
  if (!c) return;
  if (pDX->m_bSaveAndValidate)
    value = c->GetScrollPos(SB_CTL);
  else
    c->SetScrollPos(SB_CTL, value);
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value) {
  HWND h = pDX->PrepareCtrl(nIDC);
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  if (pDX->m_bSaveAndValidate)
    value = w->pos;
  else
    w->pos = std::max(w->rangeMin, std::min(w->rangeMax, value));
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd) return;
  HWND h = pDX->PrepareCtrl(nIDC);
  if (h) rControl.SubclassWindow(h);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (!pDX->m_bSaveAndValidate || pDX->m_bFailed) return;
  if (value < minVal || value > maxVal) {
    CString s;
    s.Format("Please enter an integer between %d and %d.", minVal, maxVal);
    FailWith(pDX, s);
  }
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  if (!pDX->m_bSaveAndValidate || pDX->m_bFailed) return;
  if (value < minVal || value > maxVal) {
    CString s;
    s.Format("Please enter an integer between %u and %u.", minVal, maxVal);
    FailWith(pDX, s);
  }
}

void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal) {
  if (!pDX->m_bSaveAndValidate || pDX->m_bFailed) return;
  if (value < minVal || value > maxVal) {
    CString s;
    s.Format("Please enter a number between %.15g and %.15g.", minVal, maxVal);
    FailWith(pDX, s);
  }
}

void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars) {
  if (!pDX->m_hWndLastControl || pDX->m_bFailed) return;
  if (!pDX->m_bSaveAndValidate) {
    SendMessage(pDX->m_hWndLastControl, EM_LIMITTEXT, (WPARAM)nChars);
    return;
  }
  if (value.GetMbcsLength() > nChars) {
    CString s;
    s.Format("Enter no more than %d characters.", nChars);
    FailWith(pDX, s);
  }
}
