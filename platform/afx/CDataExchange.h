// Data exchange between a dialog's members and its controls (UpdateData, DoDataExchange).
//
// With m_bSaveAndValidate the DDX_ functions read the controls into the members, else they
// show the members in the controls. A text that does not parse as the member's type shows
// the message box "Please enter an integer." or "Please enter a number." (MB_ICONEXCLAMATION),
// puts the focus on the control, and fails the exchange: the later DDX_ calls of the same
// exchange do nothing and UpdateData returns FALSE.
// Numbers are shown as "%d", "%u", and for doubles "%.15g".
#pragma once
#include "afx/CString.h"
#include "afx/CWnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
      : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  BOOL m_bFailed = FALSE;
  HWND m_hWndLastControl = nullptr;
  // The control nIDC of the dialog (NULL when missing); remembered for Fail.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }
  // Fails the exchange: focus to the last control prepared.
  void Fail();
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// value: index of the checked button in the radio group that starts at nIDC, -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Drop-down: the edit text; drop-list: the selected item's text (showing selects the first
// item starting with value).
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Scroll(CDataExchange* pDX, int nIDC, int& value);
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
// Attaches rControl to control nIDC the first time (SubclassWindow).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal);
void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars);
