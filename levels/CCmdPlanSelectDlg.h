// The standard-floor picker: the model's standard floors in two lists, those not chosen on
// the left and the chosen ones on the right, each by name with its key as item data; "->"
// and "<-" (or a double click in a list) move the marked entries across, ">>" and "<<"
// move all. The creation option panels hand in their choice (SetSelectedPlanKeys, before
// DoModal) and, on IDOK only, take the new one back (GetSelectedPlanKeys, which appends).
//
// Every move updates the chosen keys at once; OK and Cancel read nothing from the lists.
// Once the lists are shown the chosen keys are in ascending order; a handed-in key that is
// no standard floor of the model stays chosen and shows as its number, so the user can
// move it out. Entries on the left are found again by their names (unique in the table).
#pragma once
#include "afx/CArray.h"
#include "afx/CListBox.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;

class CCmdPlanSelectDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCmdPlanSelectDlg)

 public:
  explicit CCmdPlanSelectDlg(CWnd* pParent = nullptr);

  // The chosen keys become a copy of keys (their order, duplicates and all); the model's
  // standard floors become the keys offered. The windows are not touched.
  void SetSelectedPlanKeys(const CUIntArray& keys);
  // Appends the chosen keys to keys, which it does not empty.
  void GetSelectedPlanKeys(CUIntArray& keys) const;

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void FillUnselected();
  void FillSelected();
  void OnMoveRight();
  void OnMoveAllRight();
  void OnMoveLeft();
  void OnMoveAllLeft();

 private:
  // The key of a left entry, by its name; 0 when no standard floor has it.
  UINT KeyOfName(const CString& name) const;
  CString NameOfKey(UINT key) const;

  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  CUIntArray m_selected;
  CUIntArray m_all;
  CListBox m_listUnselected;
  CListBox m_listSelected;

  DECLARE_MESSAGE_MAP()
};
