// An integer edit with its spin button. Initialize binds the edit (control nIDEdit of the
// dialog) and the spin whose buddy it is (the spin control that follows it in the dialog),
// sets the range and step and clamps the shown value into the range.
// GetEditValue reads the edit: non-zero when its text is an integer; the value is clamped
// into the range.
#pragma once
#include "afx/CEdit.h"
#include "afx/CSpinButtonCtrl.h"

class CEditSpinEx : public CEdit {
  DECLARE_DYNAMIC(CEditSpinEx)

 public:
  CEditSpinEx() = default;

  BOOL Initialize(UINT nIDEdit, CWnd* pDlg, int nMin, int nMax, int nStep = 1);
  BOOL GetEditValue(int& n) const;
  BOOL GetEditValue(double& d) const;
  void SetEditValue(int n);
  int GetMin() const { return m_nMin; }
  int GetMax() const { return m_nMax; }
  int GetStep() const { return m_nStep; }
  CSpinButtonCtrl* GetSpin() const { return m_pSpin; }

 private:
  int Clamp(int n) const { return n < m_nMin ? m_nMin : (n > m_nMax ? m_nMax : n); }
  CSpinButtonCtrl* m_pSpin = nullptr;
  int m_nMin = 0;
  int m_nMax = 100;
  int m_nStep = 1;
};
