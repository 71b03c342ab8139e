#include "afx/CButton.h"

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

int CButton::GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
void CButton::SetCheck(int nCheck) { SendMessage(BM_SETCHECK, (WPARAM)nCheck); }

UINT CButton::GetState() const {
  AfxWndState* w = State();
  return w ? (UINT)w->check : 0;
}

void CButton::SetState(BOOL) {}

UINT CButton::GetButtonStyle() const { return GetStyle() & 0xFFFF; }

void CButton::SetButtonStyle(UINT nStyle, BOOL) { SendMessage(BM_SETSTYLE, nStyle); }

HICON CButton::SetIcon(HICON hIcon) { return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon); }

HICON CButton::GetIcon() const {
  AfxWndState* w = State();
  return w && w->imageType == IMAGE_ICON ? (HICON)w->image : nullptr;
}

HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
  return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
}

HBITMAP CButton::GetBitmap() const {
  AfxWndState* w = State();
  return w && w->imageType == IMAGE_BITMAP ? (HBITMAP)w->image : nullptr;
}
