// Docks one option panel at a time into an application window: below its client area or
// to its right, growing the window by the panel's size plus the margin; hiding shrinks it
// back. Panels are kept by dialog id and owned here; a panel's window is made at its first
// show and kept while hidden, so the user's values survive. The current id is the panel
// shown last; it stays set after a hide. A show of a panel that is not added, or of the
// one already docked, changes nothing; the current id and the visible flag change only
// when the panel was placed and shown.
#pragma once
#include <map>

#include "afx/CWnd.h"
#include "creation/AdvOptData.h"

class CAdvancedOptionDlgBase {
 public:
  // Sent to the shown panel with the host's T_ADVOPT_DLG_DATA in wParam.
  static UINT WM_ADVOPT_DLG_CHANGE_DATA;

  CAdvancedOptionDlgBase() = default;
  virtual ~CAdvancedOptionDlgBase();
  CAdvancedOptionDlgBase(const CAdvancedOptionDlgBase&) = delete;
  CAdvancedOptionDlgBase& operator=(const CAdvancedOptionDlgBase&) = delete;

  virtual void ShowOptionDlg(UINT idd, CWnd* pHost, void* pData);
  virtual void AddOptionDlg(UINT idd) { (void)idd; }

  void SetType(D_ADVOPT_DLG_TYPE type) { m_type = type; }
  void SetOffsetMargin(int margin) { m_nMargin = margin; }
  int IsVisible() const { return m_bVisible; }
  UINT GetCurDlgIDD() const { return m_nCurIDD; }
  CWnd* GetCurDlg() const { return Find(m_nCurIDD); }
  void HideOptionDlg() { HideOptionDlg(m_nCurIDD); }
  // Switches the docked panel; nothing while none is docked.
  void ChangeOptionDlg(UINT idd, CWnd* pHost, void* pData);
  // Hides the docked panel (whatever idd is), else shows idd; returns the visible flag.
  int ToggleOptionDlg(UINT idd, CWnd* pHost, void* pData);
  int GetDockedWidth() const { return m_nDockedW; }
  int GetDockedHeight() const { return m_nDockedH; }

 protected:
  CWnd* Find(UINT idd) const;
  // Enters a panel object (owned from now on); an id already held keeps its first object.
  void Enter(UINT idd, CWnd* pPanel);

 private:
  void HideOptionDlg(UINT idd);
  // 1 when the panel was placed and shown.
  int ShowAndLayout(CWnd* pHost, CWnd* pPanel);
  void HideAndLayout(CWnd* pHost, CWnd* pPanel);
  int GetShowRectInfo(CWnd* pHost, CWnd* pPanel, CRect& rcHost, CRect& rcPanel) const;
  void FreeOptionDlg();

  D_ADVOPT_DLG_TYPE m_type = ADVOPT_DLG_BOTTOM;
  int m_nDockedW = 0;
  int m_nDockedH = 0;
  int m_nMargin = -10;
  int m_bVisible = 0;
  UINT m_nCurIDD = 0;
  std::map<UINT, CWnd*> m_panels;
};
