// The current model view as the module sees it: which view is current and whether it is in
// its select mode (the user picking objects with the mouse). The view (the host, a test)
// constructs one I_ModelBase per open view and makes it current (SetCurMySelfST); it stops
// being current when destroyed.
#pragma once
#include "afx/AfxTypes.h"

class I_ModelBase {
 public:
  // Kinds of snapped or picked objects.
  enum : int { PONTKEY = 1, MEMBKEY = 2 };

  I_ModelBase() = default;
  virtual ~I_ModelBase();
  I_ModelBase(const I_ModelBase&) = delete;
  I_ModelBase& operator=(const I_ModelBase&) = delete;

  static I_ModelBase* GetCurMySelfST() { return s_pCurrent; }
  static void SetCurMySelfST(I_ModelBase* pView) { s_pCurrent = pView; }
  // The current view's select mode; 0 when there is no current view.
  static BOOL IsSelectModeST() { return s_pCurrent && s_pCurrent->m_bSelectMode; }
  static void SetObjectSelectionModeST(BOOL bOn) {
    if (s_pCurrent) s_pCurrent->m_bSelectMode = bOn;
  }
  BOOL IsSelectMode() const { return m_bSelectMode; }

  // The member-creation mode of the application (0: none).
  static int m_nCreateMembMode;

 private:
  BOOL m_bSelectMode = FALSE;
  static I_ModelBase* s_pCurrent;
};
