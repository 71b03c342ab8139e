#include "afx/CStatic.h"

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
  AfxWndState* w = State();
  if (!w) return nullptr;
  HBITMAP old = w->imageType == IMAGE_BITMAP ? (HBITMAP)w->image : nullptr;
  w->image = hBitmap;
  w->imageType = IMAGE_BITMAP;
  w->needsPaint = true;
  return old;
}

HBITMAP CStatic::GetBitmap() const {
  AfxWndState* w = State();
  return w && w->imageType == IMAGE_BITMAP ? (HBITMAP)w->image : nullptr;
}

HICON CStatic::SetIcon(HICON hIcon) {
  AfxWndState* w = State();
  if (!w) return nullptr;
  HICON old = w->imageType == IMAGE_ICON ? (HICON)w->image : nullptr;
  w->image = hIcon;
  w->imageType = IMAGE_ICON;
  w->needsPaint = true;
  return old;
}

HICON CStatic::GetIcon() const {
  AfxWndState* w = State();
  return w && w->imageType == IMAGE_ICON ? (HICON)w->image : nullptr;
}
