#include "ui/CButtonBitmapIcon.h"

IMPLEMENT_DYNAMIC(CButtonBitmapIcon, CButton)

BOOL CButtonBitmapIcon::SetBitmapIcon(UINT nIDBitmap) {
  if (nIDBitmap == m_nBitmapId && m_bitmap.GetSafeHandle()) return TRUE;
  if (m_hWnd) SetBitmap(nullptr);
  m_bitmap.DeleteObject();
  m_nBitmapId = 0;
  if (!m_bitmap.LoadBitmap(nIDBitmap)) return FALSE;
  m_nBitmapId = nIDBitmap;
  if (m_hWnd) SetBitmap(m_bitmap);
  return TRUE;
}
