// The application's main frame as the module sees it: its toolbar check buttons and the
// select mode switch. The host constructs one and it is GetMySelf() until destroyed.
#pragma once
#include <set>
#include "afx/AfxTypes.h"

class I_MainFrameBase {
 public:
  I_MainFrameBase();
  virtual ~I_MainFrameBase();
  I_MainFrameBase(const I_MainFrameBase&) = delete;
  I_MainFrameBase& operator=(const I_MainFrameBase&) = delete;

  static I_MainFrameBase* GetMySelf();

  BOOL IsToolbarButtonChecked(UINT nID) const { return m_checked.count(nID) != 0; }
  virtual void SetCheckToolbarButton(UINT nID, BOOL bCheck);
  // Ends the view's select mode (I_ModelBase::SetObjectSelectionModeST(FALSE)).
  virtual void SetSelectModeOff();

 private:
  std::set<UINT> m_checked;
  I_MainFrameBase* m_pPrevious = nullptr;
};
