// Dialogs made from compiled templates (AfxResource.h).
//
// Creating a dialog makes the dialog window (class "#32770", its template id remembered:
// CWnd::GetTemplateID) and one child window per template control: window class from the
// template item, rectangle from dialog units (CWnd.h), style with WS_CHILD added. A
// drop-down combo box's window is AFX_COMBO_CY pixels high, whatever height the template
// gives (that height is its dropped-down list's). Then WM_INITDIALOG runs OnInitDialog
// (default: UpdateData(FALSE)); when it returns TRUE, a dialog that is shown gets the focus
// on its first visible, enabled WS_TABSTOP control. A template that is not found makes
// Create return 0 and DoModal return -1.
//
// DoModal: the parent (the given one's top-level window, else the main window) is disabled;
// the dialog is created and shown, the queued messages are pumped, and the dialog is handed
// to the script queued for it (AfxScript.h); then it is hidden, destroyed, the parent
// enabled again, and the result (EndDialog) returned.
//
// Keys: PreTranslateMessage hands key-downs aimed at the dialog or its controls to
// IsDialogMessage: Return clicks the focused push button or else the default button
// (DM_GETDEFID: the first BS_DEFPUSHBUTTON of the template, else IDOK), Escape sends
// IDCANCEL, Tab moves the focus to the next tab stop; a control that wants the key
// (WM_GETDLGCODE: DLGC_WANTALLKEYS, ...) gets it instead. A disabled default or Cancel
// button makes Return or Escape do nothing.
#pragma once
#include "afx/AfxResource.h"
#include "afx/CWnd.h"

inline constexpr int AFX_COMBO_CY = 21;

// Dialog units to pixels (the rule in CWnd.h).
inline int AfxDluToPixelX(int x) { return (x * AFX_DLU_BASE_X + (x >= 0 ? 2 : -2)) / 4; }
inline int AfxDluToPixelY(int y) { return (y * AFX_DLU_BASE_Y + (y >= 0 ? 4 : -4)) / 8; }

class CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  ~CDialog() override;

  // Modeless creation. FALSE when the template is not found or creation failed.
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  BOOL CreateIndirect(const AFX_DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd = nullptr);
  // A modal dialog from a template given directly (tests).
  BOOL InitModalIndirect(const AFX_DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd = nullptr);
  virtual INT_PTR DoModal();
  void EndDialog(int nResult);

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  BOOL PreTranslateMessage(MSG* pMsg) override;
  BOOL IsDialogMessage(LPMSG lpMsg);

  void MapDialogRect(LPRECT lpRect) const;
  void SetDefID(UINT nID);
  DWORD GetDefID() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  // TRUE while DoModal runs and EndDialog was not called.
  BOOL IsModalRunning() const { return m_bContinueModal; }
  int GetModalResult() const { return m_nModalResult; }
  // The template to create from: the id given, or the one given directly.
  const AFX_DLGTEMPLATE* FindTemplate() const;

  UINT m_nIDHelp = 0;
  LPCTSTR m_lpszTemplateName = nullptr;
  const AFX_DLGTEMPLATE* m_lpDialogTemplate = nullptr;
  CWnd* m_pParentWnd = nullptr;

 protected:
  LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  BOOL CreateFromTemplate(const AFX_DLGTEMPLATE* t, CWnd* pParentWnd, bool modal);

  int m_nModalResult = -1;
  BOOL m_bContinueModal = FALSE;
  bool m_bFocusFirst = true;   // OnInitDialog returned TRUE

  DECLARE_MESSAGE_MAP()
};

// What the dialog manager does with a key-down aimed at dialog hDlg or one of its controls;
// TRUE when it used the message.
BOOL AfxIsDialogMessage(HWND hDlg, MSG* pMsg);
// The next (or previous) visible, enabled WS_TABSTOP control of hDlg after hCtl, wrapping.
HWND AfxNextTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
