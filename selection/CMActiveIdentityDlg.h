// The activation window: the engineer picks a category (tower, standard floor, story,
// member type, structure group, named plane), selects items of it in the list, and asks
// the current model view (I_ModelBase) to activate the objects that carry them, to add
// them to or take them from the active objects, or to activate everything. It writes no
// records.
//
// - Mode 0 works on points and members of the model database, mode 1 (post-processing or
//   the 3D analysis view) on nodes and elements of the analysis database; the mode's
//   database answers the query, but named planes always come from the model database.
// - In mode 1 the standard-floor and group radios are disabled; a mode change onto one
//   of them chooses the story category. The current-UCS radio and the story-extent
//   "floor" radio stay disabled; the story-extent radios show for stories only and change
//   nothing.
// - Activate does nothing without a category and a selected item. Add and Remove query
//   whatever is selected (nothing selected queries nothing) and call the view only for
//   objects found.
// - Records of the current category's tables refill the list once per transaction; other
//   categories read afresh when chosen. Hints 7 and 8 (and 29 in pre-processing) run
//   ChangeCurMode.
// - Close hides the window; the factory shows the same window again. No message is shown.
#pragma once
#include "afx/CArray.h"
#include "afx/CListBox.h"
#include "selection/CModeFollowDlg.h"

class CQueryCondition;

class CMActiveIdentityDlg : public CModeFollowDlg {
  DECLARE_DYNAMIC(CMActiveIdentityDlg)

 public:
  explicit CMActiveIdentityDlg(CWnd* pParent = nullptr);
  ~CMActiveIdentityDlg() override;

  BOOL OnInitDialog() override;
  void OnCancel() override;

  void ChangeCurMode() override;

  // The category: GetCategory the radio's index (0 to 6), GetCurCategory its code (0 for
  // the current-UCS plane), both after reading the controls.
  int GetCategory();
  UINT GetCurCategory();
  void ChangeCategory();
  void AddListItem(const CString& text, DWORD_PTR data);

  BOOL ValidQueryCondition();
  void GetQueryCondition(CQueryCondition& cond);
  void DoActiveOp();

  void OnCmdCategory();
  void OnCmdApply();
  void OnCmdActiveAccum();
  void OnCmdInactiveAccum();
  void OnCmdActiveallButton();
  void OnCmdClose();

  // Refills the current list when the mode's database changed one of its tables.
  void UpdateBuffer(UINT nDBID) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  // The query of the chosen items: points and members (mode 0) or nodes and elements.
  void Query(CUIntArray& objs, CUIntArray& membs);
  void ChangeActive(int nChange);

  CListBox m_listAttr;
  int m_nCategory = 2;
  int m_nExtent = 0;
  CUIntArray m_extentIds;

  DECLARE_MESSAGE_MAP()
};
