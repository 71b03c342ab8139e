// The coordinate edit of the member-creation tool: an edit that tells its parent when the
// user presses Return in it, by posting the registered message
// "WM_EDITENTER_KEYDOWN_RETURN" (wParam 0, lParam 0); the key then goes on to the edit as
// usual.
#pragma once
#include "afx/CEdit.h"

class CEditEnter : public CEdit {
  DECLARE_DYNAMIC(CEditEnter)

 public:
  CEditEnter() = default;
  // The registered message, made when the module loads.
  static const UINT WM_EDITENTER_KEYDOWN_RETURN;

  BOOL PreTranslateMessage(MSG* pMsg) override;
};
