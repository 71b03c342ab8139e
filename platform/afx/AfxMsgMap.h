// Message maps in the usual macro form:
//
//   class CMyDlg : public CDialog {
//     ...
//     DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_BN_CLICKED(IDC_APPLY, &CMyDlg::OnApply)
//     ON_WM_PAINT()
//     ON_REGISTERED_MESSAGE(WM_MY_MESSAGE, &CMyDlg::OnMyMessage)
//   END_MESSAGE_MAP()
//
// Dispatch walks the class's entries in order, then its base's. DECLARE_MESSAGE_MAP declares
// GetMessageMap with `override` and leaves the class in a protected section; mark the
// class's other overrides with `override` too.
// Handlers are written with the signature each macro names below; a handler of the wrong
// signature does not compile.
#pragma once
#include "afx/CCmdTarget.h"

class CWnd;
class CDC;
class CScrollBar;

// Handler signatures.
enum AfxSig : int {
  AfxSig_end = 0,
  AfxSig_vv,          // void ()
  AfxSig_vw,          // void (UINT)                        command/control ranges: the id
  AfxSig_bw,          // BOOL (UINT)                        ON_COMMAND_EX
  AfxSig_vNMHDRpl,    // void (NMHDR*, LRESULT*)
  AfxSig_vwNMHDRpl,   // void (UINT, NMHDR*, LRESULT*)      ON_NOTIFY_RANGE
  AfxSig_bNMHDRpl,    // BOOL (NMHDR*, LRESULT*)            ON_NOTIFY_EX, ON_NOTIFY_REFLECT_EX
  AfxSig_lwl,         // LRESULT (WPARAM, LPARAM)
  AfxSig_bD,          // BOOL (CDC*)                        WM_ERASEBKGND
  AfxSig_vwii,        // void (UINT, int, int)              WM_SIZE
  AfxSig_vii,         // void (int, int)                    WM_MOVE
  AfxSig_vwwScroll,   // void (UINT, UINT, CScrollBar*)     WM_HSCROLL, WM_VSCROLL
  AfxSig_vbw,         // void (BOOL, UINT)                  WM_SHOWWINDOW
  AfxSig_vwWb,        // void (UINT, CWnd*, BOOL)           WM_ACTIVATE
  AfxSig_vwl,         // void (UINT, LPARAM)                WM_SYSCOMMAND
  AfxSig_vwp,         // void (UINT, CPoint)                mouse messages
  AfxSig_bwsp,        // BOOL (UINT, short, CPoint)         WM_MOUSEWHEEL
  AfxSig_vW,          // void (CWnd*)                       WM_SETFOCUS, WM_KILLFOCUS
  AfxSig_vWp,         // void (CWnd*, CPoint)               WM_CONTEXTMENU
  AfxSig_vwww,        // void (UINT, UINT, UINT)            key messages
  AfxSig_vt,          // void (UINT_PTR)                    WM_TIMER
  AfxSig_wv,          // UINT ()                            WM_GETDLGCODE
  AfxSig_is,          // int (LPCREATESTRUCT)               WM_CREATE
  AfxSig_vMMI,        // void (MINMAXINFO*)                 WM_GETMINMAXINFO
  AfxSig_bWww,        // BOOL (CWnd*, UINT, UINT)           WM_SETCURSOR
  AfxSig_vb,          // void (BOOL)                        WM_ENABLE
  AfxSig_hDWw,        // HBRUSH (CDC*, CWnd*, UINT)         WM_CTLCOLOR
  AfxSig_cmdui,       // void (CCmdUI*)                     ON_UPDATE_COMMAND_UI
  AfxSig_cmduiw,      // void (UINT, CCmdUI*)               ON_UPDATE_COMMAND_UI_RANGE
};

#define AFX_MSG_CAST_(sig, fn) (AfxPmfCast<AFX_PMSG>(static_cast<sig>(fn)))

#define DECLARE_MESSAGE_MAP()                                                     \
 protected:                                                                       \
  static const AFX_MSGMAP* GetThisMessageMap();                                   \
  const AFX_MSGMAP* GetMessageMap() const override { return GetThisMessageMap(); }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                       \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                  \
    typedef theClass ThisClass;                                      \
    typedef baseClass TheBaseClass;                                  \
    (void)sizeof(ThisClass);                                         \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                        \
      {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0, nullptr}                             \
    };                                                                           \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,      \
                                          &_messageEntries[0]};                  \
    return &messageMap;                                                          \
  }

// ---- Commands and control notifications (WM_COMMAND) ----------------------------------
#define AFX_ENTRY_(msg, code, id, last, sig, type, fn) \
  {(UINT)(msg), (UINT)(code), (UINT)(id), (UINT)(last), sig, AFX_MSG_CAST_(type, fn), nullptr},

#define ON_COMMAND(id, fn) AFX_ENTRY_(WM_COMMAND, CN_COMMAND, id, id, AfxSig_vv, void (CCmdTarget::*)(), AFX_FN_(fn))
#define ON_COMMAND_EX(id, fn) AFX_ENTRY_(WM_COMMAND, CN_COMMAND, id, id, AfxSig_bw, BOOL (CCmdTarget::*)(UINT), AFX_FN_(fn))
#define ON_COMMAND_RANGE(id, last, fn) AFX_ENTRY_(WM_COMMAND, CN_COMMAND, id, last, AfxSig_vw, void (CCmdTarget::*)(UINT), AFX_FN_(fn))
#define ON_CONTROL(code, id, fn) AFX_ENTRY_(WM_COMMAND, code, id, id, AfxSig_vv, void (CCmdTarget::*)(), AFX_FN_(fn))
#define ON_CONTROL_RANGE(code, id, last, fn) AFX_ENTRY_(WM_COMMAND, code, id, last, AfxSig_vw, void (CCmdTarget::*)(UINT), AFX_FN_(fn))
#define ON_UPDATE_COMMAND_UI(id, fn) AFX_ENTRY_(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSig_cmdui, void (CCmdTarget::*)(CCmdUI*), AFX_FN_(fn))
#define ON_UPDATE_COMMAND_UI_RANGE(id, last, fn) AFX_ENTRY_(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, last, AfxSig_cmduiw, void (CCmdTarget::*)(UINT, CCmdUI*), AFX_FN_(fn))

#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_CLBN_CHKCHANGE(id, fn) ON_CONTROL(CLBN_CHKCHANGE, id, fn)

// ---- Common-control notifications (WM_NOTIFY) -------------------------------------------
#define ON_NOTIFY(code, id, fn) AFX_ENTRY_(WM_NOTIFY, code, id, id, AfxSig_vNMHDRpl, void (CCmdTarget::*)(NMHDR*, LRESULT*), AFX_FN_(fn))
#define ON_NOTIFY_RANGE(code, id, last, fn) AFX_ENTRY_(WM_NOTIFY, code, id, last, AfxSig_vwNMHDRpl, void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), AFX_FN_(fn))
#define ON_NOTIFY_EX(code, id, fn) AFX_ENTRY_(WM_NOTIFY, code, id, id, AfxSig_bNMHDRpl, BOOL (CCmdTarget::*)(NMHDR*, LRESULT*), AFX_FN_(fn))

// ---- Notifications reflected to the control that sent them --------------------------------
// A control's own map may take its notifications before its parent sees them. The plain
// forms consume them; the _EX forms return FALSE to let the parent see them too.
#define ON_CONTROL_REFLECT(code, fn) AFX_ENTRY_(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxSig_vv, void (CCmdTarget::*)(), AFX_FN_(fn))
#define ON_CONTROL_REFLECT_EX(code, fn) AFX_ENTRY_(WM_REFLECT_BASE + WM_COMMAND, code, 0, 0, AfxSig_bw, BOOL (CCmdTarget::*)(UINT), AFX_FN_(fn))
#define ON_NOTIFY_REFLECT(code, fn) AFX_ENTRY_(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, AfxSig_vNMHDRpl, void (CCmdTarget::*)(NMHDR*, LRESULT*), AFX_FN_(fn))
#define ON_NOTIFY_REFLECT_EX(code, fn) AFX_ENTRY_(WM_REFLECT_BASE + WM_NOTIFY, code, 0, 0, AfxSig_bNMHDRpl, BOOL (CCmdTarget::*)(NMHDR*, LRESULT*), AFX_FN_(fn))
#define ON_EN_CHANGE_REFLECT(fn) ON_CONTROL_REFLECT(EN_CHANGE, fn)

// ---- User and registered messages ------------------------------------------------------
#define ON_MESSAGE(msg, fn) AFX_ENTRY_(msg, 0, 0, 0, AfxSig_lwl, LRESULT (CCmdTarget::*)(WPARAM, LPARAM), AFX_FN_(fn))
#define ON_REGISTERED_MESSAGE(msgVar, fn) \
  {0xFFFFFFFFu, 0, 0, 0, AfxSig_lwl, AFX_MSG_CAST_(LRESULT (CCmdTarget::*)(WPARAM, LPARAM), AFX_FN_(fn)), &(msgVar)},

// ---- Window messages: handlers are the CWnd members of the same name ----------------------
#define AFX_WM_(msg, sig, type, name) AFX_ENTRY_(msg, 0, 0, 0, sig, type, &ThisClass::name)
#define ON_WM_CREATE() AFX_WM_(WM_CREATE, AfxSig_is, int (CCmdTarget::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() AFX_WM_(WM_DESTROY, AfxSig_vv, void (CCmdTarget::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_(WM_NCDESTROY, AfxSig_vv, void (CCmdTarget::*)(), OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_(WM_CLOSE, AfxSig_vv, void (CCmdTarget::*)(), OnClose)
#define ON_WM_PAINT() AFX_WM_(WM_PAINT, AfxSig_vv, void (CCmdTarget::*)(), OnPaint)
#define ON_WM_ERASEBKGND() AFX_WM_(WM_ERASEBKGND, AfxSig_bD, BOOL (CCmdTarget::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_(WM_SIZE, AfxSig_vwii, void (CCmdTarget::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM_(WM_MOVE, AfxSig_vii, void (CCmdTarget::*)(int, int), OnMove)
#define ON_WM_VSCROLL() AFX_WM_(WM_VSCROLL, AfxSig_vwwScroll, void (CCmdTarget::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_HSCROLL() AFX_WM_(WM_HSCROLL, AfxSig_vwwScroll, void (CCmdTarget::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_SHOWWINDOW() AFX_WM_(WM_SHOWWINDOW, AfxSig_vbw, void (CCmdTarget::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ACTIVATE() AFX_WM_(WM_ACTIVATE, AfxSig_vwWb, void (CCmdTarget::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_SYSCOMMAND() AFX_WM_(WM_SYSCOMMAND, AfxSig_vwl, void (CCmdTarget::*)(UINT, LPARAM), OnSysCommand)
#define ON_WM_MOUSEMOVE() AFX_WM_(WM_MOUSEMOVE, AfxSig_vwp, void (CCmdTarget::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_(WM_LBUTTONDOWN, AfxSig_vwp, void (CCmdTarget::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_(WM_LBUTTONUP, AfxSig_vwp, void (CCmdTarget::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_(WM_LBUTTONDBLCLK, AfxSig_vwp, void (CCmdTarget::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_(WM_RBUTTONDOWN, AfxSig_vwp, void (CCmdTarget::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_(WM_RBUTTONUP, AfxSig_vwp, void (CCmdTarget::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_MOUSEWHEEL() AFX_WM_(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (CCmdTarget::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSELEAVE() AFX_WM_(WM_MOUSELEAVE, AfxSig_vv, void (CCmdTarget::*)(), OnMouseLeave)
#define ON_WM_SETFOCUS() AFX_WM_(WM_SETFOCUS, AfxSig_vW, void (CCmdTarget::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_(WM_KILLFOCUS, AfxSig_vW, void (CCmdTarget::*)(CWnd*), OnKillFocus)
#define ON_WM_CONTEXTMENU() AFX_WM_(WM_CONTEXTMENU, AfxSig_vWp, void (CCmdTarget::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_KEYDOWN() AFX_WM_(WM_KEYDOWN, AfxSig_vwww, void (CCmdTarget::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_(WM_KEYUP, AfxSig_vwww, void (CCmdTarget::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_(WM_CHAR, AfxSig_vwww, void (CCmdTarget::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_TIMER() AFX_WM_(WM_TIMER, AfxSig_vt, void (CCmdTarget::*)(UINT_PTR), OnTimer)
#define ON_WM_GETDLGCODE() AFX_WM_(WM_GETDLGCODE, AfxSig_wv, UINT (CCmdTarget::*)(), OnGetDlgCode)
#define ON_WM_GETMINMAXINFO() AFX_WM_(WM_GETMINMAXINFO, AfxSig_vMMI, void (CCmdTarget::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SETCURSOR() AFX_WM_(WM_SETCURSOR, AfxSig_bWww, BOOL (CCmdTarget::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_CTLCOLOR() AFX_WM_(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH (CCmdTarget::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_ENABLE() AFX_WM_(WM_ENABLE, AfxSig_vb, void (CCmdTarget::*)(BOOL), OnEnable)

// Handlers are named qualified: &CMyDlg::OnApply.
#define AFX_FN_(fn) fn
