// Handles, messages, notification codes and message structures of the headless windows.
// Style bits are in AfxStyles.h. Values follow the conventional numbering so that code
// written against the class library reads the same here.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/AfxStyles.h"
#include "afx/CGeometry.h"

// Handles. A window handle is an opaque number given out once per window and never reused
// (CWnd::FromHandle, IsWindow). A bitmap or icon handle loaded from the resources is the
// resource id itself (AfxHandleFromResId / AfxResIdFromHandle), so that what a static or a
// button shows can be inspected.
typedef struct HWND__* HWND;
typedef struct HICON__* HICON;
typedef struct HCURSOR__* HCURSOR;
typedef struct HBITMAP__* HBITMAP;
typedef struct HMENU__* HMENU;
typedef struct HBRUSH__* HBRUSH;
typedef struct HDC__* HDC;
typedef struct HFONT__* HFONT;
typedef void* HANDLE;
typedef uintptr_t DWORD_PTR;
typedef intptr_t LONG_PTR;

template <class H>
inline H AfxHandleFromResId(int id) { return (H)(uintptr_t)(unsigned)id; }
template <class H>
inline int AfxResIdFromHandle(H h) { return (int)(uintptr_t)h; }

typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
typedef POINT* LPPOINT;
typedef int* LPINT;

#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))

// Messages.
enum : UINT {
  WM_NULL = 0x0000, WM_CREATE = 0x0001, WM_DESTROY = 0x0002, WM_MOVE = 0x0003, WM_SIZE = 0x0005,
  WM_ACTIVATE = 0x0006, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_ENABLE = 0x000A,
  WM_SETREDRAW = 0x000B, WM_SETTEXT = 0x000C, WM_GETTEXT = 0x000D, WM_GETTEXTLENGTH = 0x000E,
  WM_PAINT = 0x000F, WM_CLOSE = 0x0010, WM_QUIT = 0x0012, WM_ERASEBKGND = 0x0014,
  WM_SHOWWINDOW = 0x0018, WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021,
  WM_GETMINMAXINFO = 0x0024, WM_DRAWITEM = 0x002B, WM_MEASUREITEM = 0x002C,
  WM_SETFONT = 0x0030, WM_GETFONT = 0x0031, WM_WINDOWPOSCHANGED = 0x0047, WM_NOTIFY = 0x004E,
  WM_CONTEXTMENU = 0x007B, WM_NCCREATE = 0x0081, WM_NCDESTROY = 0x0082,
  WM_GETDLGCODE = 0x0087, WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102,
  WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105, WM_INITDIALOG = 0x0110, WM_COMMAND = 0x0111,
  WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113, WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115,
  WM_CTLCOLOR = 0x0019, WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
  WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
  WM_MOUSEWHEEL = 0x020A, WM_MOUSELEAVE = 0x02A3, WM_USER = 0x0400, WM_APP = 0x8000,
  // Messages reflected back to the control that sent a notification.
  WM_REFLECT_BASE = 0xBC00,
  // Registered window messages are given out from here on.
  AFX_REGISTERED_MESSAGE_FIRST = 0xC000,
};

// WM_CTLCOLOR kinds (the message's lParam high word; wParam a CDC*, lParam low: the control).
enum : UINT {
  CTLCOLOR_MSGBOX = 0, CTLCOLOR_EDIT = 1, CTLCOLOR_LISTBOX = 2, CTLCOLOR_BTN = 3, CTLCOLOR_DLG = 4,
  CTLCOLOR_SCROLLBAR = 5, CTLCOLOR_STATIC = 6,
};

// Dialog messages and codes.
enum : UINT { DM_GETDEFID = WM_USER + 0, DM_SETDEFID = WM_USER + 1, DC_HASDEFID = 0x534B };
enum : UINT {
  DLGC_WANTARROWS = 0x0001, DLGC_WANTTAB = 0x0002, DLGC_WANTALLKEYS = 0x0004,
  DLGC_WANTMESSAGE = 0x0004, DLGC_HASSETSEL = 0x0008, DLGC_DEFPUSHBUTTON = 0x0010,
  DLGC_UNDEFPUSHBUTTON = 0x0020, DLGC_RADIOBUTTON = 0x0040, DLGC_WANTCHARS = 0x0080,
  DLGC_STATIC = 0x0100, DLGC_BUTTON = 0x2000,
};

// Keys.
enum : UINT {
  VK_BACK = 0x08, VK_TAB = 0x09, VK_RETURN = 0x0D, VK_SHIFT = 0x10, VK_CONTROL = 0x11,
  VK_MENU = 0x12, VK_ESCAPE = 0x1B, VK_SPACE = 0x20, VK_PRIOR = 0x21, VK_NEXT = 0x22,
  VK_END = 0x23, VK_HOME = 0x24, VK_LEFT = 0x25, VK_UP = 0x26, VK_RIGHT = 0x27, VK_DOWN = 0x28,
  VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_F1 = 0x70, VK_F2 = 0x71,
};

// Button messages, states and notifications.
enum : UINT {
  BM_GETCHECK = 0x00F0, BM_SETCHECK = 0x00F1, BM_GETSTATE = 0x00F2, BM_SETSTATE = 0x00F3,
  BM_SETSTYLE = 0x00F4, BM_CLICK = 0x00F5, BM_GETIMAGE = 0x00F6, BM_SETIMAGE = 0x00F7,
};
enum : int { BST_UNCHECKED = 0, BST_CHECKED = 1, BST_INDETERMINATE = 2 };
enum : UINT { IMAGE_BITMAP = 0, IMAGE_ICON = 1, IMAGE_CURSOR = 2 };
enum : UINT {
  BN_CLICKED = 0, BN_PAINT = 1, BN_DOUBLECLICKED = 5, BN_SETFOCUS = 6, BN_KILLFOCUS = 7,
};

// Edit notifications and messages.
enum : UINT {
  EN_SETFOCUS = 0x0100, EN_KILLFOCUS = 0x0200, EN_CHANGE = 0x0300, EN_UPDATE = 0x0400,
  EN_ERRSPACE = 0x0500, EN_MAXTEXT = 0x0501,
};
enum : UINT { EM_GETSEL = 0x00B0, EM_SETSEL = 0x00B1, EM_REPLACESEL = 0x00C2,
              EM_LIMITTEXT = 0x00C5, EM_SETREADONLY = 0x00CF };

// Combo box notifications; CB_ERR is also the "not found" index of list boxes.
enum : int { CB_ERR = -1, CB_ERRSPACE = -2, LB_ERR = -1, LB_ERRSPACE = -2, CB_OKAY = 0, LB_OKAY = 0 };
enum : UINT {
  CBN_ERRSPACE = (UINT)-1, CBN_SELCHANGE = 1, CBN_DBLCLK = 2, CBN_SETFOCUS = 3,
  CBN_KILLFOCUS = 4, CBN_EDITCHANGE = 5, CBN_EDITUPDATE = 6, CBN_DROPDOWN = 7,
  CBN_CLOSEUP = 8, CBN_SELENDOK = 9, CBN_SELENDCANCEL = 10,
};
// List box notifications; CLBN_CHKCHANGE is sent by a check list box when a box changes.
enum : UINT {
  LBN_ERRSPACE = (UINT)-2, LBN_SELCHANGE = 1, LBN_DBLCLK = 2, LBN_SELCANCEL = 3,
  LBN_SETFOCUS = 4, LBN_KILLFOCUS = 5, CLBN_CHKCHANGE = 40,
};

// Common-control notifications (WM_NOTIFY).
enum : UINT {
  NM_FIRST = 0, NM_CLICK = (UINT)(NM_FIRST - 2), NM_DBLCLK = (UINT)(NM_FIRST - 3),
  NM_RETURN = (UINT)(NM_FIRST - 4), NM_RCLICK = (UINT)(NM_FIRST - 5),
  NM_RDBLCLK = (UINT)(NM_FIRST - 6), NM_SETFOCUS = (UINT)(NM_FIRST - 7),
  NM_KILLFOCUS = (UINT)(NM_FIRST - 8),
  LVN_FIRST = (UINT)-100, LVN_ITEMCHANGING = (UINT)(LVN_FIRST - 0),
  LVN_ITEMCHANGED = (UINT)(LVN_FIRST - 1), LVN_INSERTITEM = (UINT)(LVN_FIRST - 2),
  LVN_DELETEITEM = (UINT)(LVN_FIRST - 3), LVN_DELETEALLITEMS = (UINT)(LVN_FIRST - 4),
  LVN_COLUMNCLICK = (UINT)(LVN_FIRST - 8), LVN_KEYDOWN = (UINT)(LVN_FIRST - 55),
  TCN_FIRST = (UINT)-550, TCN_KEYDOWN = (UINT)(TCN_FIRST - 0),
  TCN_SELCHANGE = (UINT)(TCN_FIRST - 1), TCN_SELCHANGING = (UINT)(TCN_FIRST - 2),
  UDN_FIRST = (UINT)-721, UDN_DELTAPOS = (UINT)(UDN_FIRST - 1),
};

// Scroll bars: bars, codes and SCROLLINFO masks.
enum : int { SB_HORZ = 0, SB_VERT = 1, SB_CTL = 2, SB_BOTH = 3 };
enum : UINT {
  SB_LINEUP = 0, SB_LINELEFT = 0, SB_LINEDOWN = 1, SB_LINERIGHT = 1, SB_PAGEUP = 2,
  SB_PAGELEFT = 2, SB_PAGEDOWN = 3, SB_PAGERIGHT = 3, SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5,
  SB_TOP = 6, SB_LEFT = 6, SB_BOTTOM = 7, SB_RIGHT = 7, SB_ENDSCROLL = 8,
};
enum : UINT {
  SIF_RANGE = 0x1, SIF_PAGE = 0x2, SIF_POS = 0x4, SIF_DISABLENOSCROLL = 0x8,
  SIF_TRACKPOS = 0x10, SIF_ALL = 0x17,
};
enum : UINT {
  ESB_ENABLE_BOTH = 0, ESB_DISABLE_BOTH = 3, ESB_DISABLE_LEFT = 1, ESB_DISABLE_RIGHT = 2,
  ESB_DISABLE_UP = 1, ESB_DISABLE_DOWN = 2,
};
struct SCROLLINFO {
  UINT cbSize = sizeof(SCROLLINFO);
  UINT fMask = 0;
  int nMin = 0, nMax = 0;
  UINT nPage = 0;
  int nPos = 0, nTrackPos = 0;
};
typedef SCROLLINFO* LPSCROLLINFO;

// SetWindowPos, ShowWindow, GetWindow.
enum : UINT {
  SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004, SWP_NOREDRAW = 0x0008,
  SWP_NOACTIVATE = 0x0010, SWP_FRAMECHANGED = 0x0020, SWP_SHOWWINDOW = 0x0040,
  SWP_HIDEWINDOW = 0x0080, SWP_NOCOPYBITS = 0x0100, SWP_NOOWNERZORDER = 0x0200,
  SWP_NOSENDCHANGING = 0x0400,
};
#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)
enum : int {
  SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_NORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3,
  SW_MAXIMIZE = 3, SW_SHOWNOACTIVATE = 4, SW_SHOW = 5, SW_MINIMIZE = 6, SW_SHOWMINNOACTIVE = 7,
  SW_SHOWNA = 8, SW_RESTORE = 9, SW_SHOWDEFAULT = 10,
};
enum : UINT {
  GW_HWNDFIRST = 0, GW_HWNDLAST = 1, GW_HWNDNEXT = 2, GW_HWNDPREV = 3, GW_OWNER = 4, GW_CHILD = 5,
};
enum : UINT { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };
enum : UINT { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };
enum : UINT { SC_CLOSE = 0xF060, SC_MOVE = 0xF010, SC_SIZE = 0xF000 };
enum : UINT { RDW_INVALIDATE = 0x1, RDW_ERASE = 0x4, RDW_ALLCHILDREN = 0x80, RDW_UPDATENOW = 0x100 };

// Message boxes: button sets, icons and default buttons.
enum : UINT {
  MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4, MB_RETRYCANCEL = 0x5, MB_TYPEMASK = 0xF,
  MB_ICONHAND = 0x10, MB_ICONERROR = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40,
  MB_ICONINFORMATION = 0x40, MB_ICONMASK = 0xF0,
  MB_DEFBUTTON1 = 0x000, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_DEFMASK = 0xF00,
  MB_APPLMODAL = 0x0000, MB_SYSTEMMODAL = 0x1000, MB_TASKMODAL = 0x2000,
  MB_SETFOREGROUND = 0x10000, MB_TOPMOST = 0x40000,
};

// A message as a message loop sees it.
struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;
  POINT pt;
};
typedef MSG* LPMSG;

// Notification headers.
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  UINT code = 0;
};
typedef NMHDR* LPNMHDR;

struct NMLISTVIEW {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  UINT uChanged = 0;
  POINT ptAction;
  LPARAM lParam = 0;
};
typedef NMLISTVIEW* LPNMLISTVIEW;
typedef NMLISTVIEW NM_LISTVIEW;

struct NMITEMACTIVATE {
  NMHDR hdr;
  int iItem = -1;
  int iSubItem = 0;
  UINT uNewState = 0;
  UINT uOldState = 0;
  UINT uChanged = 0;
  POINT ptAction;
  LPARAM lParam = 0;
  UINT uKeyFlags = 0;
};
typedef NMITEMACTIVATE* LPNMITEMACTIVATE;

struct NMLVKEYDOWN {
  NMHDR hdr;
  WORD wVKey = 0;
  UINT flags = 0;
};
typedef NMLVKEYDOWN* LPNMLVKEYDOWN;
typedef NMLVKEYDOWN NMTCKEYDOWN;

struct NMUPDOWN {
  NMHDR hdr;
  int iPos = 0;
  int iDelta = 0;
};
typedef NMUPDOWN* LPNMUPDOWN;
typedef NMUPDOWN NM_UPDOWN;

struct MINMAXINFO {
  POINT ptReserved, ptMaxSize, ptMaxPosition, ptMinTrackSize, ptMaxTrackSize;
};

// Window creation data handed to WM_CREATE.
struct CREATESTRUCT {
  LPVOID lpCreateParams = nullptr;
  HMENU hMenu = nullptr;
  HWND hwndParent = nullptr;
  int cy = 0, cx = 0, y = 0, x = 0;
  LONG style = 0;
  LPCTSTR lpszName = nullptr;
  LPCTSTR lpszClass = nullptr;
  DWORD dwExStyle = 0;
};
typedef CREATESTRUCT* LPCREATESTRUCT;

// Cursors of the system (LoadStandardCursor).
#define IDC_ARROW MAKEINTRESOURCE(32512)
#define IDC_IBEAM MAKEINTRESOURCE(32513)
#define IDC_WAIT MAKEINTRESOURCE(32514)
#define IDC_CROSS MAKEINTRESOURCE(32515)
#define IDC_HAND MAKEINTRESOURCE(32649)
