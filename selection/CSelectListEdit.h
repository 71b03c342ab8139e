// A typed number-list edit of the identity windows. Return posts its parent a
// WM_COMMAND of EN_KILLFOCUS (low word the edit's id, the edit's handle last), so that
// Return and leaving the edit apply the list through one handler, and Return never reaches
// the dialog's default button. Without a valid parent the key goes on as usual.
#pragma once
#include "afx/CEdit.h"

class CSelectListEdit : public CEdit {
  DECLARE_DYNAMIC(CSelectListEdit)

 public:
  CSelectListEdit() = default;
  ~CSelectListEdit() override = default;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The Return rule above for any edit; non-zero when the key was taken.
  static BOOL PostKillFocusOnReturn(CEdit& edit, MSG* pMsg);

  DECLARE_MESSAGE_MAP()
};
