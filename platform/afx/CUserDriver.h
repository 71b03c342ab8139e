// The user, for tests and cmdhost: actions on the controls of the current dialog, each
// sending the notifications a real control sends, in the same order. An action on a control
// that does not exist, is hidden or disabled (or has a hidden or disabled parent up to its
// top-level window), is read-only where that matters, or asks for something the control
// does not offer (an item it does not hold), changes nothing and returns 0 ("refused").
// While a modal dialog runs, the queued messages are pumped after each action, as the
// modal loop would.
//
// Orders of notifications:
//   Type (edit):          focus (EN_SETFOCUS), select all, EN_UPDATE, EN_CHANGE,
//                         leave (EN_KILLFOCUS; the focus goes to the dialog)
//   Type (drop-down combo): CBN_SETFOCUS, CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_KILLFOCUS
//   Click (button):       focus (BN_SETFOCUS with BS_NOTIFY; the previous focus is told it
//                         lost it), the check changes (automatic kinds), BN_CLICKED
//   Check (box, radio):   as Click when the check must change; nothing when it already is
//                         as asked. A non-automatic button only gets BN_CLICKED.
//   Choose (combo):       CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP
//   Choose (list box):    LBN_SETFOCUS, LBN_SELCHANGE (both with LBS_NOTIFY)
//   Choose/Select (list control): NM_SETFOCUS, LVN_ITEMCHANGING/LVN_ITEMCHANGED for each
//                         state change (deselections first), NM_CLICK
//   SelectTab:            TCN_SELCHANGING (a nonzero answer keeps the tab), TCN_SELCHANGE
//   Key:                  WM_KEYDOWN then WM_KEYUP, each through the message loop's path
//                         (PreTranslateMessage up the window tree, the dialog manager:
//                         Return, Escape, Tab), else to the control
//   CheckItem (check list box): LBN_SELCHANGE for the click (an extended-selection list
//                         then has the item alone selected), then CLBN_CHKCHANGE
//   Scroll:               WM_HSCROLL/WM_VSCROLL to the parent (a scroll-bar control) or
//                         to the window itself (its own bar), then SB_ENDSCROLL
//   Slide:                WM_HSCROLL/WM_VSCROLL TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK
//                         to the parent, the capture released at the end
//   Spin:                 UDN_DELTAPOS (nonzero answer vetoes), the position and the
//                         buddy's text, WM_VSCROLL/WM_HSCROLL SB_THUMBPOSITION to the parent
//   DblClick (list box):  the first click's selection (the item alone, or the item added in
//                         a multiple-selection list) with LBN_SELCHANGE, then LBN_DBLCLK
//                         (both with LBS_NOTIFY)
//   DblClick (list control): the row is clicked as Select does it, then NM_DBLCLK
//
// Control lookup (FindControl): by numeric id among the windows of the current dialog, its
// pages (child dialogs) included: the visible pages first, innermost first, then the dialog
// itself, then hidden pages. "TEMPLATE:ID" names control ID of the window made from dialog
// template TEMPLATE. IDOK, IDCANCEL, IDYES, IDNO name those ids.
#pragma once
#include <vector>
#include "afx/CString.h"
#include "afx/CWnd.h"
#include "afx/IAfxCellTarget.h"

class CUserDriver {
 public:
  explicit CUserDriver(CWnd* pDialog = nullptr) : m_pDialog(pDialog) {}
  void SetDialog(CWnd* pDialog) { m_pDialog = pDialog; }
  CWnd* GetDialog() const { return m_pDialog; }

  CWnd* FindControl(int nID) const;
  CWnd* FindControl(const char* name) const;
  // The open dialog made from template nTemplateID: a top-level one first (visible before
  // hidden), else a page; NULL when none is open.
  static CWnd* FindDialog(int nTemplateID);
  // A user can reach the window: it exists, it and its parents are visible and enabled.
  static BOOL CanReach(CWnd* pWnd);

  int Type(CWnd* pCtl, const char* text);
  int Click(CWnd* pCtl);
  int Check(CWnd* pCtl, int nCheck);
  int Choose(CWnd* pCtl, const char* text);
  int ChooseIndex(CWnd* pCtl, int index);
  // Selects rows of a list control or list box; no rows on a list control: a click on its
  // empty area, which leaves no row selected.
  int SelectRows(CWnd* pCtl, const std::vector<int>& rows);
  // pCtl NULL: the key goes to the dialog itself.
  int Key(CWnd* pCtl, UINT vk);
  int SelectTab(CWnd* pCtl, int index);
  int CheckItem(CWnd* pCtl, int index, int nCheck);
  int Scroll(CWnd* pCtl, int nBar, UINT nSBCode, int nPos = 0);
  int Spin(CWnd* pCtl, int delta);
  // Drags the thumb of a slider to pos (clamped into its range): the slider takes the
  // mouse capture, the position changes, the parent hears TB_THUMBTRACK, TB_THUMBPOSITION
  // and TB_ENDTRACK, and the capture is released.
  int Slide(CWnd* pCtl, int pos);
  // A double click on item (row) index of a list box or list control.
  int DblClick(CWnd* pCtl, int index);
  int EditCell(CWnd* pCtl, int row, int col, const char* text);
  int Paste(CWnd* pCtl, int row, int col, const char* text);
  int SelectGridRows(CWnd* pCtl, const std::vector<int>& rows);
  // A click on a grid cell (a push-button cell is pressed).
  int ClickCell(CWnd* pCtl, int row, int col);

  // The same by control id of the current dialog.
  int Type(int nID, const char* text) { return Type(FindControl(nID), text); }
  int Click(int nID) { return Click(FindControl(nID)); }
  int Check(int nID, int nCheck) { return Check(FindControl(nID), nCheck); }
  int Choose(int nID, const char* text) { return Choose(FindControl(nID), text); }
  int ChooseIndex(int nID, int index) { return ChooseIndex(FindControl(nID), index); }
  int SelectRows(int nID, const std::vector<int>& rows) { return SelectRows(FindControl(nID), rows); }
  int Key(int nID, UINT vk) { return Key(nID ? FindControl(nID) : nullptr, vk); }
  int SelectTab(int nID, int index) { return SelectTab(FindControl(nID), index); }

  // The `show dialog` lines of the current dialog (AfxDescribeWindow).
  std::vector<CString> Describe() const;

 private:
  void AfterAction() const;
  CWnd* m_pDialog;
};

// One `show dialog` line:
//   control ID CLASS visible=0|1 enabled=0|1 text="..."
// then, where they apply, in this order:
//   check=N                  buttons that are check boxes or radio buttons (0, 1, 2)
//   sel=I[,I...]             combo boxes, list boxes, list controls, tab controls: the
//                            selected indexes, 0-based, ascending; -1 when none
//   items="A","B",...        their items' texts (a list control: its first column);
//                            nothing after `=` when empty
//   checks=N,N,...           check list boxes and list controls with check boxes
//   pos=N range=MIN,MAX      scroll bars, spin buttons, sliders
// Texts are written in double quotes with \" \\ \t \n escapes.
CString AfxDescribeWindow(CWnd* pWnd);
// The `show control` line: AfxDescribeWindow's, then ` readonly=0|1 image=N focus=0|1
// textcolor=RRGGBB` (readonly: an edit with ES_READONLY; image: the resource id of the
// bitmap or icon set on a static or button, 0 none; focus: the control has the keyboard
// focus; textcolor: the text colour its parent chose when it last painted, in hexadecimal).
CString AfxDescribeControl(CWnd* pWnd);
// The value of attribute ATTR in a described line (`text`, `sel`, `items`...): the text
// after `ATTR=` up to the next space outside double quotes; a single quoted text is given
// back unquoted. FALSE when the line has no such attribute.
BOOL AfxDescribedAttr(const CString& line, const CString& attr, CString& value);
// The `show list` lines of a list control: the column headings, then one row a line,
// cells separated by tabs (texts escaped as AfxEscapeText does). Empty when pWnd is no
// list control.
std::vector<CString> AfxDescribeList(CWnd* pWnd);
// The controls under pParent, depth first; a page (a child dialog) as
//   page TEMPLATE NAME visible=0|1
// (NAME: the template's IDD_ name in the resource header, "-" when it has none), followed
// by its own controls.
void AfxDescribeChildren(CWnd* pParent, std::vector<CString>& lines);
// `show dialog`: the line `dialog TEMPLATE NAME`, then AfxDescribeChildren's lines.
std::vector<CString> AfxDescribeDialog(CWnd* pDialog);
// A text as a quoted word of an output line (\" \\ \t \n, other control characters
// \xHH, carriage returns dropped).
CString AfxQuoteText(const CString& s);
// A text inside an unquoted output line: \\ \t \n, other control characters \xHH, so
// that it never breaks its line or its tab-separated cells.
CString AfxEscapeText(const CString& s);
