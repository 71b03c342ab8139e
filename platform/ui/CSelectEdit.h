// An edit that shows and takes the building model's selection of one kind as number text
// (its CSelectUpdator part: SetTarget 3 points, 6 members; Connect to a document's model
// database). After every selection hint it shows the kind's whole selection compactly.
// When the user leaves it after typing (EN_KILLFOCUS with the text changed by the user
// since it was last shown), the text is handed to SelectByStr: the kind's selection
// becomes exactly the numbers listed, and the edit then shows what got selected. A text
// that is no number list stays as typed and changes nothing.
#pragma once
#include "afx/CEdit.h"
#include "afx/AfxMsgMap.h"
#include "ui/CSelectUpdator.h"

class CSelectEdit : public CEdit, public CSelectUpdator {
  DECLARE_DYNAMIC(CSelectEdit)

 public:
  CSelectEdit() : CSelectUpdator(this) {}

 protected:
  void OnSettingText(BOOL bBegin) override { m_bSetting = bBegin; }
  // Reflected notifications; the parent hears them too.
  BOOL OnEditChange(UINT nID);
  BOOL OnEditKillFocus(UINT nID);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL m_bSetting = FALSE;
  BOOL m_bTyped = FALSE;
};
