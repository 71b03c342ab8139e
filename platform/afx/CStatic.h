// Statics: labels, frames and pictures. A picture keeps the handle it was given; a bitmap
// or icon loaded from the resources carries its resource id (GetBitmapId, GetIconId).
#pragma once
#include "afx/CWnd.h"

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
 public:
  CStatic() = default;
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff);
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  int GetBitmapId() const { return AfxResIdFromHandle(GetBitmap()); }
  int GetIconId() const { return AfxResIdFromHandle(GetIcon()); }
};
