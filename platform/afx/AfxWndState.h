// The window system's record of one window (internal to the class library: controls and
// dialogs read and write it; other code goes through CWnd and the control classes).
#pragma once
#include <memory>
#include <vector>
#include "afx/AfxWinDefs.h"
#include "afx/CString.h"

class CWnd;
class CFont;

// An item of a combo box, list box, check list box, tab control or list control.
struct AfxItem {
  CString text;
  DWORD_PTR data = 0;
  UINT state = 0;          // list box: 1 selected; list control: LVIS_* bits
  int check = 0;           // check list box
  int image = -1;
  std::vector<CString> sub;  // list control: texts of sub-items 1..n
};

struct AfxColumn {
  CString text;
  int fmt = 0;
  int width = 0;
};

struct AfxScroll {
  SCROLLINFO si;
  UINT arrows = ESB_ENABLE_BOTH;
  bool shown = true;
};

struct AfxTimer {
  UINT_PTR id;
  UINT elapse;
};

enum class AfxKind {
  Other, Button, Edit, Static, ComboBox, ComboBoxEx, ListBox, ListView, Tab, ScrollBar, Spin,
  Slider, Progress, Tree, Dialog
};

struct AfxWndState {
  HWND h = nullptr;
  CWnd* obj = nullptr;                // the C++ object attached
  std::unique_ptr<CWnd> wrapper;      // the object made for a window nobody attached to
  HWND parent = nullptr;              // WS_CHILD: the parent; otherwise the owner
  std::vector<HWND> children;         // child windows, top of the z order first
  int id = 0;
  CString cls;
  AfxKind kind = AfxKind::Other;
  DWORD style = 0, exStyle = 0;
  CString text;
  CRect rect;                         // child: parent client coordinates; top-level: screen
  int templateId = 0;                 // the dialog template it was made from
  bool destroying = false;
  bool needsPaint = false;
  bool noRedraw = false;
  // The text colour the parent chose (WM_CTLCOLOR) when the control last painted; black
  // when it chose none.
  COLORREF textColor = 0;
  HICON icon[2] = {nullptr, nullptr};
  CFont* font = nullptr;
  std::vector<AfxTimer> timers;

  // Buttons.
  int check = 0;
  HANDLE image = nullptr;
  UINT imageType = 0;
  // Edits and the edit part of combo boxes.
  int selStart = 0, selEnd = 0;
  int limit = 0;                      // 0: no limit
  // Combo boxes, list boxes, tab controls, list controls.
  std::vector<AfxItem> items;
  int curSel = -1;
  int caret = -1;
  std::vector<AfxColumn> columns;
  DWORD lvExStyle = 0;
  // Scroll bars: [SB_HORZ], [SB_VERT] of a window; a scroll-bar control uses [SB_HORZ].
  AfxScroll scroll[2];
  // Spin buttons, sliders, progress bars.
  int rangeMin = 0, rangeMax = 100, pos = 0;
  HWND buddy = nullptr;
  // Dialogs.
  int defId = IDOK;

  bool HasStyle(DWORD s) const { return (style & s) == s; }
};

// The record of a live window, or NULL.
AfxWndState* AfxWnd(HWND h);
// Creates a window record (not yet linked to a parent) and gives out its handle.
AfxWndState* AfxNewWnd();
// Removes the record (after WM_NCDESTROY).
void AfxFreeWnd(HWND h);
// The usual spelling of a known window class name ("Static" -> "STATIC"); others as given.
const char* AfxCanonicalClassName(const char* cls);
// The control kind of a window class name.
AfxKind AfxKindOfClass(const char* cls);
// Sends a WM_COMMAND notification from control w to its parent.
void AfxNotifyParent(AfxWndState* w, UINT code);
// Sends a WM_NOTIFY from control w to its parent; hdr is filled in. The parent's result.
LRESULT AfxNotifyParent(AfxWndState* w, UINT code, NMHDR* hdr);
// Creates a window from cs, attached to obj when obj is not NULL; sends WM_CREATE, WM_SIZE
// and WM_MOVE. NULL when WM_CREATE refused.
HWND AfxCreateWindow(CWnd* obj, CREATESTRUCT& cs, int templateId = 0);
// Focus and activation bookkeeping when window h (and its children) goes away.
void AfxFocusWindowGone(HWND h);
// Non-client insets of a window: left, top, right, bottom.
CRect AfxNonClientInsets(const AfxWndState* w);
// The screen position of the top-left corner of window w's client area.
CPoint AfxClientOrigin(const AfxWndState* w);
// Paints every window that is marked for painting and visible.
void AfxPaintPending();
// Scroll information of bar nBar (SB_HORZ, SB_VERT, SB_CTL for a scroll-bar control).
BOOL AfxSetScrollInfo(AfxWndState* w, int nBar, const SCROLLINFO* in);
BOOL AfxGetScrollInfo(AfxWndState* w, int nBar, SCROLLINFO* out, UINT nMask = SIF_ALL);
