// A modeless dialog: OK and Cancel end its window (DestroyWindow), not a modal loop.
#pragma once
#include "ui/CDlgMove.h"

class CDlgModeless : public CDlgMove {
  DECLARE_DYNAMIC(CDlgModeless)

 public:
  CDlgModeless() = default;
  explicit CDlgModeless(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CDlgMove(nIDTemplate, pParentWnd) {}

  // Reads the controls (UpdateData), then destroys the window; a failed read keeps it open.
  void OnOK() override;
  void OnCancel() override;
};
