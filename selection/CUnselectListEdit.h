// The number-list edit of the unselect-by-identity window: Return applies the typed list
// as leaving the edit does (CSelectListEdit::PostKillFocusOnReturn).
#pragma once
#include "afx/CEdit.h"

class CUnselectListEdit : public CEdit {
  DECLARE_DYNAMIC(CUnselectListEdit)

 public:
  CUnselectListEdit() = default;
  ~CUnselectListEdit() override = default;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  DECLARE_MESSAGE_MAP()
};
