// An edit with a menu of preset texts and a successor. SetList gives the texts the menu
// offers; ChooseFromList(i) puts preset i into the edit as a user picking it from the menu
// would (the edit's text changes and EN_CHANGE reaches the dialog). SetNext names the edit
// that Tab or Return moves the focus to, with its text selected; without one, the keys go
// on to the dialog as usual.
#pragma once
#include "afx/CArray.h"
#include "afx/CEdit.h"

class CMenuEditBase : public CEdit {
  DECLARE_DYNAMIC(CMenuEditBase)

 public:
  CMenuEditBase() = default;

  void SetList(const CStringArray& texts);
  const CStringArray& GetList() const { return m_list; }
  // 0 for an index out of range or an edit without a window.
  BOOL ChooseFromList(int index);
  void SetNext(CWnd* pNext) { m_pNext = pNext; }
  CWnd* GetNext() const { return m_pNext; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 private:
  CStringArray m_list;
  CWnd* m_pNext = nullptr;
};
