// Headless windows.
//
// A window is a record of the window system (AfxWndState.h) reached by its handle: parent,
// children in z order (first = top), control id, window class, style, text, rectangle,
// visible, enabled and focus state, and the state of the control it is. A CWnd is the C++
// object attached to a window; the data of a control (items, check, selection) lives with
// the window, so a C++ control object attached later (SubclassDlgItem) finds it.
// Nothing is drawn to a screen; every state can be read back.
//
// Geometry, fixed so that layout is exact:
// - The screen is AFX_SCREEN_CX x AFX_SCREEN_CY pixels (1920 x 1080), origin top-left.
// - A top-level window's rectangle is in screen coordinates; a child's in its parent's
//   client coordinates.
// - Non-client parts, from the system metrics (AfxSystem.h): a frame of SM_CXFRAME (4)
//   pixels on each side with WS_THICKFRAME, else SM_CXDLGFRAME (3) with WS_DLGFRAME (part of
//   WS_CAPTION) or a dialog's DS_MODALFRAME, else SM_CXBORDER (1) with WS_BORDER; SM_CXEDGE
//   (2) more with WS_EX_CLIENTEDGE; a caption of SM_CYCAPTION (22) when the style has all of
//   WS_CAPTION; a vertical scroll bar SM_CXVSCROLL (16) wide on the right with WS_VSCROLL
//   and a horizontal one SM_CYHSCROLL (16) high at the bottom with WS_HSCROLL. The client
//   rectangle is what is left (never negative).
// - Dialog units (CDialog::MapDialogRect, dialog templates): x pixels = (x dlu * 6 + 2) / 4,
//   y pixels = (y dlu * 13 + 4) / 8, i.e. a base unit of 6 x 13 pixels. A template's size is
//   the client size of the dialog.
//
// Messages: SendMessage calls the window's WindowProc at once; PostMessage queues
// (AfxMessageQueue.h). WindowProc -> OnWndMsg (the message map, class first, then its bases)
// -> DefWindowProc (the behaviour of the window class: the notifications a control sends).
#pragma once
#include <functional>
#include "afx/CCmdTarget.h"
#include "afx/AfxMsgMap.h"
#include "afx/CDisplayList.h"
#include "afx/CString.h"

inline constexpr int AFX_SCREEN_CX = 1920;
inline constexpr int AFX_SCREEN_CY = 1080;
inline constexpr int AFX_DLU_BASE_X = 6;
inline constexpr int AFX_DLU_BASE_Y = 13;

class CDataExchange;
class CScrollBar;
class CDC;
class CFont;
struct AfxWndState;

class CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  CWnd();
  ~CWnd() override;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  // What the window painted last (CPaintDC records into it during OnPaint).
  CDisplayList m_paint;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }
  // The object attached to the window; a window without one gets an object of the class
  // matching its window class (CButton for "BUTTON", CComboBox for "COMBOBOX", ...), owned
  // by the window. NULL for a handle that is not a window.
  static CWnd* FromHandle(HWND hWnd);
  // The object attached with Create, Attach or Subclass*, or NULL.
  static CWnd* FromHandlePermanent(HWND hWnd);
  BOOL Attach(HWND hWnd);
  HWND Detach();
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  // ---- creation and destruction -----------------------------------------------------
  // Not virtual (the control classes' own Create overloads would hide them); a window
  // class adjusts its creation in PreCreateWindow and OnCreate.
  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID, void* pContext = nullptr);
  BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  virtual BOOL DestroyWindow();
  virtual void PostNcDestroy();
  virtual void PreSubclassWindow();

  // ---- identity and relations -------------------------------------------------------
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  // A child's parent; a popup's owner (as ::GetParent); NULL for other top-level windows.
  CWnd* GetParent() const;
  CWnd* SetParent(CWnd* pWndNewParent);
  CWnd* GetOwner() const;
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const { return GetWindow(nFlag); }
  CWnd* GetTopWindow() const { return GetWindow(GW_CHILD); }
  CWnd* GetDlgItem(int nID) const;
  // The next (bPrevious: previous) visible, enabled WS_TABSTOP control after pWndCtl.
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  // The next (previous) control of pWndCtl's group, wrapping inside the group.
  CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  BOOL IsChild(const CWnd* pWnd) const;
  CString GetWindowClassName() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  // The dialog template the window was made from (0 for other windows).
  int GetTemplateID() const;

  // ---- text and dialog items ---------------------------------------------------------
  void SetWindowText(LPCTSTR lpszString);
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;
  // Checks nIDCheckButton and unchecks the other buttons of ids nIDFirst..nIDLast.
  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // ---- geometry ---------------------------------------------------------------------
  void GetWindowRect(LPRECT lpRect) const;
  void GetClientRect(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  // Points of this window's client area into pWndTo's (NULL: the screen).
  void MapWindowPoints(CWnd* pWndTo, LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pWndTo, LPPOINT lpPoint, UINT nCount) const;
  // Child windows: x, y in the parent's client coordinates; top-level: screen.
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  // pWndInsertAfter: a sibling, &wndTop, &wndBottom, or NULL (top).
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  static const CWnd wndTop, wndBottom, wndTopMost, wndNoTopMost;
  void CenterWindow(CWnd* pAlternateOwner = nullptr);

  // ---- state --------------------------------------------------------------------------
  BOOL ShowWindow(int nCmdShow);
  // Visible when it and every parent up to its top-level window have WS_VISIBLE.
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsIconic() const { return FALSE; }
  BOOL IsZoomed() const { return FALSE; }
  CWnd* SetFocus();
  static CWnd* GetFocus();
  CWnd* SetActiveWindow();
  static CWnd* GetActiveWindow();
  BOOL SetForegroundWindow() { SetActiveWindow(); return TRUE; }
  static CWnd* GetForegroundWindow() { return GetActiveWindow(); }
  void BringWindowToTop();
  CWnd* SetCapture();
  static CWnd* GetCapture();

  // ---- painting -----------------------------------------------------------------------
  // Marks the window for painting; UpdateWindow (or the message pump) then clears m_paint
  // and sends WM_ERASEBKGND (wParam: a CDC* recording into m_paint) and WM_PAINT (OnPaint
  // draws with a CPaintDC). A window that is not visible is not painted.
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, void* prgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void SetRedraw(BOOL bRedraw = TRUE);
  BOOL NeedsPaint() const;
  // A device context recording into m_paint (a CClientDC), to give back with ReleaseDC.
  CDC* GetDC();
  CDC* GetWindowDC() { return GetDC(); }
  int ReleaseDC(CDC* pDC);

  // ---- the window's own scroll bars (SB_HORZ, SB_VERT) ---------------------------------
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const;
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
  int GetScrollPos(int nBar) const;
  void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const;
  int GetScrollLimit(int nBar) const;
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
  BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
  virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

  // ---- timers: recorded, fired by AfxFireTimers ----------------------------------------
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void* lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);

  // ---- icons, fonts ------------------------------------------------------------------
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  HICON GetIcon(BOOL bBigIcon) const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;

  // ---- messages -----------------------------------------------------------------------
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                BOOL bDeep = TRUE);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // The behaviour of the window class (AfxControlProc.h): what a control does by itself.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A child's notification, offered to the child first (ON_CONTROL_REFLECT...).
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Called for a key or mouse message aimed at this window or a descendant, innermost
  // window first; TRUE consumes it (AfxPreTranslateMessage).
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Called when a message is posted to this window (before it is queued). The host's main
  // window records posted commands here.
  virtual void OnMessagePosted(UINT message, WPARAM wParam, LPARAM lParam);
  // The default processing of the message being handled.
  LRESULT Default();
  static const MSG* GetCurrentMessage();

  // ---- data exchange and command state ---------------------------------------------------
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
  virtual void DoDataExchange(CDataExchange* pDX);
  // Asks pTarget's ON_UPDATE_COMMAND_UI handlers for the state of each child control;
  // with bDisableIfNoHndler, a button without any handler is disabled.
  void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
  // A message box owned by this window (AfxMessageBox.h).
  int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

  // ---- default handlers for the ON_WM_* entries ------------------------------------------
  int OnCreate(LPCREATESTRUCT lpCreateStruct);
  void OnDestroy();
  void OnNcDestroy();
  void OnClose();
  void OnPaint();
  BOOL OnEraseBkgnd(CDC* pDC);
  void OnSize(UINT nType, int cx, int cy);
  void OnMove(int x, int y);
  void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  void OnSysCommand(UINT nID, LPARAM lParam);
  void OnMouseMove(UINT nFlags, CPoint point);
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonUp(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);
  void OnRButtonDown(UINT nFlags, CPoint point);
  void OnRButtonUp(UINT nFlags, CPoint point);
  BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  void OnMouseLeave();
  void OnSetFocus(CWnd* pOldWnd);
  void OnKillFocus(CWnd* pNewWnd);
  void OnContextMenu(CWnd* pWnd, CPoint pos);
  void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  void OnTimer(UINT_PTR nIDEvent);
  UINT OnGetDlgCode();
  void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnEnable(BOOL bEnable);

 protected:
  // Dispatches one message-map entry; TRUE when it handled the message.
  BOOL CallHandler(const AFX_MSGMAP_ENTRY* e, UINT message, WPARAM wParam, LPARAM lParam,
                   LRESULT* pResult);
  AfxWndState* State() const;

 private:
  explicit CWnd(HWND h) : m_hWnd(h) {}

  DECLARE_MESSAGE_MAP()
};

// ---- free functions on handles ------------------------------------------------------------
BOOL IsWindow(HWND hWnd);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
HWND GetParent(HWND hWnd);
HWND GetDlgItem(HWND hDlg, int nID);
int GetDlgCtrlID(HWND hWnd);
BOOL IsWindowVisible(HWND hWnd);
BOOL IsWindowEnabled(HWND hWnd);
BOOL EnableWindow(HWND hWnd, BOOL bEnable);
BOOL ShowWindow(HWND hWnd, int nCmdShow);
HWND SetFocus(HWND hWnd);
HWND GetFocus();
int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount);
BOOL DestroyWindow(HWND hWnd);
// Every window alive, in creation order (tests and the host use it to find dialogs).
void AfxEnumWindows(const std::function<void(HWND)>& fn);
// Number of windows alive.
int AfxGetWindowCount();
// Runs every timer once, in the order they were set (timers do not fire by themselves).
void AfxFireTimers();
BOOL ReleaseCapture();
