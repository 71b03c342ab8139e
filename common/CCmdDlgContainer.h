// The scrolling dialog container: a small dialog that shows one page (a CDlgChild) under a
// caption of the caller's choice. The page is trimmed to the area its controls occupy and
// the container sized around it; a page taller than the height limit shows its upper part
// with a vertical scroll bar and scrolls by being moved inside an inner window
// (CCmdDlgContainerChild). Pages written for it derive from CCmdScrollDlgChild, which
// reports the page's size changes, closes the container on request and hands Return and
// Escape to the container. The module exports all of this and uses none of it itself.
//
// Use: construct, SetDialog, optionally SetMaxHeight, then create or run the container.
// Sizes, in pixels, from the page's window rectangle after trimming: page width and height
// are one more than the rectangle's; with a limit above 0 and below the page height the
// bar is 16 wide and the visible height the limit, else there is no bar and the visible
// height is the page height. The container is page width + bar + 30 wide and visible
// height + 48 high. The bar sits 12 pixels right of the page's area, its range 1 to page
// height + 1 with the visible height as its page; a line is 5 pixels.
//
// Size reports before the end of OnInitDialog are ignored. The container destroys the
// page's window (and deletes the page when it owns it) and the inner window when it ends;
// one constructed to delete itself goes in PostNcDestroy.
#pragma once
#include "afx/CScrollBar.h"
#include "afx/CString.h"
#include "ui/CDlgMove.h"

class CDlgChild;
class CCmdDlgContainerChild;

class CCmdDlgContainer : public CDlgMove {
  DECLARE_DYNAMIC(CCmdDlgContainer)

 public:
  explicit CCmdDlgContainer(CWnd* pParent = nullptr, int bDeleteSelf = 0);
  ~CCmdDlgContainer() override;

  // The page, the caption and whether the container deletes the page; before the window
  // is made.
  void SetDialog(CDlgChild* pDlg, const char* pszCaption, int bOwnDlg);
  // The visible height limit; 0 or less: none.
  void SetMaxHeight(int nHeight) { m_nMaxHeight = nHeight; }
  // The page's new client size (from CCmdScrollDlgChild::OnSize).
  void OnChildDlgSizeChanged(UINT nType, int cx, int cy);
  // Destroys the container's window.
  void Close(int nCode);

  CDlgChild* GetDialog() const { return m_pDlg; }
  CCmdDlgContainerChild* GetInnerWnd() const { return m_pInner; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void PostNcDestroy() override;
  void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

  void AdjustChildDlg();
  void CalcScrollBarSize(int& nBarWidth, int& nPageHeight, int& nScrollPage, int& nPageWidth, int& nVisibleHeight);
  void CalcWindowSize(CRect& rc, int nPageWidth, int nVisibleHeight, int nBarWidth);
  void ProcessScrollBar(int nBarWidth, int nPageHeight, int nScrollPage, int nPos);

 private:
  CDlgChild* m_pDlg = nullptr;
  CString m_strCaption;
  int m_bOwnDlg = 0;
  int m_nMaxHeight = -1;
  int m_nLineStep = 5;
  int m_bDeleteSelf;
  CCmdDlgContainerChild* m_pInner = nullptr;
  int m_bReady = 0;
  int m_nMarginLeft = 0, m_nMarginTop = 0, m_nMarginRight = 0, m_nMarginBottom = 0;
  CScrollBar m_scroll;

  DECLARE_MESSAGE_MAP()
};
