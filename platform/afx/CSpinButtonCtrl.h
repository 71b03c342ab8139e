// Spin buttons ("msctls_updown32"): a range, a position and a buddy window. With
// UDS_SETBUDDYINT the buddy shows the position, and GetPos reads it back from the buddy's
// text. UDS_AUTOBUDDY in a template takes the control before it as the buddy.
#pragma once
#include "afx/CWnd.h"

class CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)
 public:
  CSpinButtonCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  void SetRange(short nLower, short nUpper) { SetRange32(nLower, nUpper); }
  void SetRange32(int nLower, int nUpper);
  DWORD GetRange() const;
  void GetRange(int& lower, int& upper) const { GetRange32(lower, upper); }
  void GetRange32(int& lower, int& upper) const;
  int SetPos(int nPos) { return SetPos32(nPos); }
  int SetPos32(int nPos);
  int GetPos() const { return GetPos32(); }
  int GetPos32(BOOL* lpbError = nullptr) const;
  CWnd* SetBuddy(CWnd* pWndBuddy);
  CWnd* GetBuddy() const;
  int SetBase(int) { return 10; }
};
