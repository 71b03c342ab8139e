// The part of a selection edit (CSelectEdit) that follows and changes the building model's
// selection of one kind: target 3 points, 6 members (any other target: nothing is shown
// or selected). Connected (CDBUpdateConnector::Connect) to a document's model database:
//
// - after every selection hint of that database (CViewCtrl::HINT_SELECT, HINT_UNSELECT) the
//   edit shows the whole selection of its kind as compact number text (CNumericOptimizer:
//   the numbers of the selected objects, ascending, each once; an empty selection an empty
//   text), whatever the change was;
// - SelectByStr (text) makes the selection of its kind exactly the objects whose numbers
//   the text lists and the model holds (numbers it does not hold are dropped, ranges are
//   never expanded); the selection of the other kinds stays. The edit then shows what got
//   selected, through the hint. A text that is no number list changes nothing (0).
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CString.h"
#include "ui/CDBUpdateConnector.h"

class CWnd;

class CSelectUpdator : public CDBUpdateConnector {
 public:
  enum : int { TARGET_NONE = 0, TARGET_PONT = 3, TARGET_MEMB = 6 };

  explicit CSelectUpdator(CWnd* pEdit = nullptr) : m_pEdit(pEdit) {}

  void SetTarget(int nTarget) { m_nTarget = nTarget; }
  int GetTarget() const { return m_nTarget; }

  // 1 when the text was a number list and the selection was handed over (also when it
  // names nothing the model holds: the kind's selection then empties); 0 otherwise.
  int SelectByStr(LPCTSTR text);
  // The compact number text of the kind's selection ("" for no target or no database).
  CString GetSelectionText() const;
  // Writes GetSelectionText into the edit.
  void ShowSelection();

 protected:
  void OnHint(LPARAM lHint, CObject* pHint) override;
  // Called before and after the edit's text is rewritten here.
  virtual void OnSettingText(BOOL bBegin) { (void)bBegin; }

 private:
  CWnd* m_pEdit;
  int m_nTarget = TARGET_NONE;
};
