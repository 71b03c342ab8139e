// Edits. Selection positions count bytes of the UTF-8 text. The text limit (LimitText)
// counts as the double-byte encoding did (CString::GetMbcsLength); it limits typing
// (CUserDriver, ReplaceSel), not SetWindowText. Setting the text sends EN_UPDATE and
// EN_CHANGE, as a real edit does.
#pragma once
#include "afx/CWnd.h"

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
 public:
  CEdit() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
  void GetSel(int& nStartChar, int& nEndChar) const;
  DWORD GetSel() const;
  // Replaces the selection, as typing does (respecting the text limit).
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  void Clear() { ReplaceSel(""); }
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  void LimitText(int nChars = 0) { SetLimitText((UINT)nChars); }
  void SetLimitText(UINT nMax);
  UINT GetLimitText() const;
  int GetLineCount() const;
};
