// A check-like push button that shows one of two bitmaps: a button of the dialog template
// (an auto check box drawn as a push button) subclassed by its owner. A click pushes or
// releases it (the check state) and reaches the owner as BN_CLICKED; the owner chooses the
// picture for each state (SetBitmapIcon), which the button shows from the resources.
// A bitmap missing from the resources leaves the button without a picture.
#pragma once
#include "afx/CButton.h"
#include "afx/CGdiObject.h"

class CButtonBitmapIcon : public CButton {
  DECLARE_DYNAMIC(CButtonBitmapIcon)

 public:
  CButtonBitmapIcon() = default;

  BOOL IsPushed() const { return m_hWnd && GetCheck() == BST_CHECKED; }
  void SetPushed(BOOL bPushed) { SetCheck(bPushed ? BST_CHECKED : BST_UNCHECKED); }
  // Shows bitmap nIDBitmap; FALSE when no module holds it (the picture is then removed).
  BOOL SetBitmapIcon(UINT nIDBitmap);
  UINT GetBitmapIconId() const { return m_nBitmapId; }

 private:
  CBitmap m_bitmap;
  UINT m_nBitmapId = 0;
};
