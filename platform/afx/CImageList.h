// Image lists: the images a combo box, list control or tab control shows by index. Nothing
// is drawn; each image is kept as the resource id of the bitmap or icon it came from (0 for
// an image without one).
#pragma once
#include <vector>
#include "afx/AfxWinDefs.h"
#include "afx/CObject.h"

class CBitmap;

enum : UINT { ILC_MASK = 0x0001, ILC_COLOR = 0x0000, ILC_COLOR4 = 0x0004, ILC_COLOR8 = 0x0008,
              ILC_COLOR16 = 0x0010, ILC_COLOR24 = 0x0018, ILC_COLOR32 = 0x0020 };

class CImageList : public CObject {
 public:
  CImageList() = default;
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;
  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  BOOL DeleteImageList();
  // The index of the new image, or -1.
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon);
  BOOL Remove(int nImage);
  int GetImageCount() const { return (int)m_ids.size(); }
  CSize GetImageSize() const { return m_size; }
  int GetImageResourceId(int nImage) const;
  BOOL IsCreated() const { return m_bCreated; }

 private:
  std::vector<int> m_ids;
  CSize m_size;
  BOOL m_bCreated = FALSE;
};
