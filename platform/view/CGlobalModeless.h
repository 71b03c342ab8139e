// The view library's modeless window base. The application builds such a window on the
// heap and creates it (Create); the window then lives until it is closed and the object
// ends with it (PostNcDestroy deletes it), so nobody keeps a pointer to it past its
// window. OK and Cancel (also WM_CLOSE, which arrives as Cancel) end the window, not a
// modal loop. A Create that fails leaves the object to its caller, who deletes it.
#pragma once
#include "ui/CInternationalDlg.h"

class CGlobalModeless : public CInternationalDlg {
  DECLARE_DYNAMIC(CGlobalModeless)

 public:
  CGlobalModeless() = default;
  explicit CGlobalModeless(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CInternationalDlg(nIDTemplate, pParentWnd) {}

  // 0 when the template is missing or the window ended while it was being made.
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr) override;
  BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr) override;

  void OnOK() override { DestroyWindow(); }
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override;

 private:
  BOOL m_bCreating = FALSE;  // inside Create: a window ending now leaves the object to the caller
};
