// The select-and-activate window: the engineer picks a main attribute (story, standard
// floor, tower, named plane, structure group, member type, material, section, thickness),
// selects items of it in the sub list, and selects, unselects, activates or inactivates
// the objects that carry them, or unselects or activates everything. It writes no
// records: selection goes to the mode's database (CViewCtrl), activation to the current
// model view (I_ModelBase).
//
// - Mode 0 works on points and members, mode 1 (post-processing or the 3D analysis view)
//   on nodes and elements; the mode's database answers the query, but named planes always
//   come from the model database. Standard floors and groups are offered in mode 0 only.
// - Options: the story scope (shown for stories only, back to "all" whenever the main
//   attribute changes) drops points and nodes and keeps members of types 200, 201, 205,
//   301 and 302 (elements of types 201, 204, 205 and 301); include points cleared drops
//   points and nodes and passes 0 for both flags of the selection calls; Add combines
//   with the current selection or activation (Select adds instead of replacing, Activate
//   and Inactivate change the active objects); Intersect keeps only objects that are
//   already selected (after Select or Unselect last) or active (after Activate or
//   Inactivate last) in the mode's model. Add and Intersect are never both ticked: the one
//   just ticked wins.
// - With no sub item selected a message says so and nothing else happens; with no main
//   attribute nothing happens.
// - Records of the current main attribute's tables refill the sub list once per
//   transaction; hints 7 and 8 (and 29 in pre-processing) run ChangeCurMode, which
//   rebuilds the main list for the mode.
// - Close hides the window; the factory shows the same window again.
#pragma once
#include "afx/CArray.h"
#include "afx/CListBox.h"
#include "selection/CModeFollowDlg.h"

class CQueryCondition;

class CSelectActiveIdentityDlg : public CModeFollowDlg {
  DECLARE_DYNAMIC(CSelectActiveIdentityDlg)

 public:
  // The operation of the last button.
  enum Op { OP_NONE = 0, OP_SELECT = 1, OP_UNSELECT = 2, OP_ACTIVATE = 3, OP_INACTIVATE = 4, OP_UNSELECT_ALL = 5,
            OP_ACTIVATE_ALL = 6 };

  explicit CSelectActiveIdentityDlg(CWnd* pParent = nullptr);
  ~CSelectActiveIdentityDlg() override;

  BOOL OnInitDialog() override;
  void OnCancel() override;

  int GetLastOperation() const { return m_nLastOp; }
  void ChangeCurMode() override;

  void SetCategory();
  UINT GetCurCategory();
  void ChangeCategory();
  void AddListItem(const CString& text, DWORD_PTR data);
  BOOL ValidQueryCondition();
  void GetQueryCondition(CQueryCondition& cond);
  // The objects the current choice names, in the four lists (points, members, nodes,
  // elements; only the mode's pair is filled). FALSE, with the lists empty, when there is
  // nothing to do (no main attribute, or no sub item after the message).
  BOOL DoActiveOp(CUIntArray& ponts, CUIntArray& membs, CUIntArray& nodes, CUIntArray& elems);

  void OnSelchangeCmdMainCategory();
  void OnCmdSelect();
  void OnCmdUnselect();
  void OnCmdActive();
  void OnCmdInactive();
  void OnCmdUnselectAll();
  void OnCmdActiveAll();
  void OnCmdSum();
  void OnCmdIntersect();
  void OnCmdClose();

  void UpdateBuffer(UINT nDBID) override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  // Select, unselect, activate or inactivate (the first four operations).
  void RunOp(Op op);
  // The base of an intersection: what is selected or active in the mode's model.
  void GetBase(CUIntArray& objs, CUIntArray& membs);

  CListBox m_listMain;
  CListBox m_listSub;
  CUIntArray m_scopeIds;
  int m_nScope = 0;
  int m_bPoints = 1;
  int m_bAdd = 0;
  int m_bIntersect = 0;
  int m_nLastOp = OP_NONE;

  DECLARE_MESSAGE_MAP()
};
