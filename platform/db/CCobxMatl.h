// The materials of the model, by name in sequence order; item data the material key.
// SetSRCOnly lists only steel-reinforced concrete materials ("SRC"), SetMatlType those of
// any one type ("" all). EnableUndefined puts an entry "None" of key 0 first.
//
// Paired with a number edit (SetEditBoxPoint, CEditMatl::SetComboBoxPoint) each follows
// the other: choosing an entry writes its key into the edit (an empty text for "None"),
// typing a key or a name into the edit selects its entry. ChangeSelect only selects.
#pragma once
#include "db/CCobxDBBase.h"

class CEdit;

class CCobxMatl : public CCobxDBBase {
  DECLARE_DYNAMIC(CCobxMatl)

 public:
  CCobxMatl() = default;
  BOOL ChangeSelect(UINT matlKey) { return SelectKey(matlKey); }
  // Non-zero when an entry is selected ("None" gives key 0).
  BOOL GetSelectedMatl(UINT& matlKey) const { return GetSelectedKey(matlKey); }

  // Each option fills the list again.
  void SetSRCOnly(BOOL bOnly = TRUE) { SetMatlType(bOnly ? "SRC" : ""); }
  void SetMatlType(LPCTSTR pszType);
  void EnableUndefined(BOOL bEnable);
  // The paired material number edit (a CEditMatl of the view library).
  void SetEditBoxPoint(CEdit* pEdit) { m_pEdit = pEdit; }
  CEdit* GetEditBoxPoint() const { return m_pEdit; }

 protected:
  void FillItems(CDBDoc& doc, Items& items) override;
  BOOL WatchesClass(UINT nClassID) const override;
  BOOL OnSelChange(UINT nCode);

 private:
  CString m_strType;
  BOOL m_bUndefined = FALSE;
  CEdit* m_pEdit = nullptr;

  DECLARE_MESSAGE_MAP()
};
