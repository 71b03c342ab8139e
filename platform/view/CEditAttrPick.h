// The pick edits of a member attribute: a number typed, or the attribute of a member
// (element) picked in the model view. A press that snaps a member writes the key of its
// applied material (CEditMatl), section (CEditSect) or thickness (CEditThik), or for the
// type edit (CEditMembType) the 1-based position of its type in
// CClassMemb::GetMembTypeList; in post-processing or the 3D analysis view the picked object
// is an element of the analysis database, whose material, section and thickness keys are
// the building model's and whose type edit writes the element type code. A member with no
// such attribute (0) or a type outside the list gives nothing. Then the edit's pick window
// hears WM_LBUTTONDOWN_FROM_MVIEW2 (wParam the control id); Return sends
// WM_MOUSEEDITENTER2 (CMouseEdit2). The edits snap members (SetMouseSnapMode).
//
// Until a notify window is set (SetLButtonDownNotifyWindow or SetEnterNotifyWindow) the
// edit is a plain edit: the focus does not make it the view's handler and Return goes on
// to the dialog, as for a number edit that takes no picks.
#pragma once
#include "view/CMouseEdit2.h"

class CEditAttrPick : public CMouseEdit2 {
  DECLARE_DYNAMIC(CEditAttrPick)

 public:
  enum Attr { ATTR_MATL, ATTR_SECT, ATTR_THIK, ATTR_TYPE };
  explicit CEditAttrPick(Attr attr);

  // The typed whole number (leading and trailing blanks aside); 0 for anything else.
  BOOL GetNumber(UINT& value) const;
  BOOL IsPicking() const { return GetEnterNotifyWindow() || GetLButtonDownNotifyWindow(); }
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  int PickText(CString& text) const override;
  void OnSetFocus(CWnd* pOldWnd);
  DECLARE_MESSAGE_MAP()

 private:
  Attr m_attr;
};

// A section number edit: GetKey gives the typed whole number.
class CEditSect : public CEditAttrPick {
  DECLARE_DYNAMIC(CEditSect)

 public:
  CEditSect() : CEditAttrPick(ATTR_SECT) {}
  BOOL GetKey(UINT& sectKey) const { return GetNumber(sectKey); }
};

// A thickness number edit: GetKey gives the typed whole number.
class CEditThik : public CEditAttrPick {
  DECLARE_DYNAMIC(CEditThik)

 public:
  CEditThik() : CEditAttrPick(ATTR_THIK) {}
  BOOL GetKey(UINT& thikKey) const { return GetNumber(thikKey); }
};

// A member-type edit: GetKey gives the typed whole number (a position in the type list,
// or an element type code in the analysis model).
class CEditMembType : public CEditAttrPick {
  DECLARE_DYNAMIC(CEditMembType)

 public:
  CEditMembType() : CEditAttrPick(ATTR_TYPE) {}
  BOOL GetKey(UINT& value) const { return GetNumber(value); }
};
