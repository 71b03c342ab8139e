// The application's main frame as the module sees it: its toolbar check buttons, the
// work-space bar and the select mode switch. The application constructs one and it is
// GetMySelf() until destroyed.
#pragma once
#include <set>
#include "afx/AfxTypes.h"

class CWnd;

class I_MainFrameBase {
 public:
  // Toolbar buttons the module and the view read.
  enum : UINT {
    ID_PERSPECTIVE = 33023,
    ID_SINGLE_SELECT = 33028,
    ID_GRID_ENABLE = 33052,
    ID_SNAP_GRID = 33054,
    ID_SNAP_MEMB = 33146,
    ID_SNAP_POINT = 33147,
    ID_SNAP_TRLN_CENTRE = 33785,
    ID_SNAP_TRLN_OTHER = 33787,
  };
  // Commands to the main window: refresh the view and drop its selection; snapping off.
  enum : UINT { CMD_REFRESH_UNSELECT = 33041, CMD_SNAP_OFF = 33057 };

  I_MainFrameBase();
  virtual ~I_MainFrameBase();
  I_MainFrameBase(const I_MainFrameBase&) = delete;
  I_MainFrameBase& operator=(const I_MainFrameBase&) = delete;

  static I_MainFrameBase* GetMySelf();

  BOOL IsToolbarButtonChecked(UINT nID) const { return m_checked.count(nID) != 0; }
  virtual void SetCheckToolbarButton(UINT nID, BOOL bCheck);
  // The checked buttons, ascending.
  const std::set<UINT>& GetCheckedButtons() const { return m_checked; }
  // The work-space bar (a window of the application at a fixed place); NULL when none.
  virtual CWnd* GetWorkSpaceBar() { return nullptr; }
  // Ends the view's select mode (I_ModelBase::SetObjectSelectionModeST with -1).
  virtual void SetSelectModeOff();

 private:
  std::set<UINT> m_checked;
  I_MainFrameBase* m_pPrevious = nullptr;
};
