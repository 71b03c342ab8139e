#include "afx/CImageList.h"

#include "afx/CGdiObject.h"

BOOL CImageList::Create(int cx, int cy, UINT, int, int) {
  if (cx <= 0 || cy <= 0) return FALSE;
  m_size = CSize(cx, cy);
  m_ids.clear();
  m_bCreated = TRUE;
  return TRUE;
}

BOOL CImageList::DeleteImageList() {
  if (!m_bCreated) return FALSE;
  m_ids.clear();
  m_bCreated = FALSE;
  return TRUE;
}

int CImageList::Add(CBitmap* pbmImage, CBitmap*) {
  if (!m_bCreated || !pbmImage || !pbmImage->GetSafeHandle()) return -1;
  m_ids.push_back(pbmImage->m_nResourceId);
  return (int)m_ids.size() - 1;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF) { return Add(pbmImage, (CBitmap*)nullptr); }

int CImageList::Add(HICON hIcon) {
  if (!m_bCreated || !hIcon) return -1;
  m_ids.push_back(AfxResIdFromHandle(hIcon));
  return (int)m_ids.size() - 1;
}

BOOL CImageList::Remove(int nImage) {
  if (nImage == -1) {
    m_ids.clear();
    return TRUE;
  }
  if (nImage < 0 || nImage >= (int)m_ids.size()) return FALSE;
  m_ids.erase(m_ids.begin() + nImage);
  return TRUE;
}

int CImageList::GetImageResourceId(int nImage) const {
  return nImage >= 0 && nImage < (int)m_ids.size() ? m_ids[(size_t)nImage] : 0;
}
