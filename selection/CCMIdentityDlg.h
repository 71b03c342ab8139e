// What the select-by-identity and unselect-by-identity windows share: one implementation
// driven by a table (CIdentityDlgTable) of the window's control ids, of the set its number
// edits show and take (the selected or the unselected objects), of how its member-type
// items read, and of what each of its eight buttons hands to the selection control.
//
// The window works on points and members (building model, mode 0) or nodes and elements
// (analysis model, mode 1): typed number lists, an attribute category with its items
// (picked in the view through the pick edits), and the buttons All, None, Inverse,
// Previous, Add, Delete, Replace, Intersect. It changes no records, only the selection of
// the mode's database (CViewCtrl), and learns of every selection change, its own included,
// through the database's hints.
//
// - The four kind check boxes say which kinds the number edits and the buttons act on;
//   a cleared kind keeps its set under every button but Previous.
// - A number edit applies its text on leaving it or on Return; the selection hint that
//   follows rewrites the edits of the mode with the compact text of the set they show.
//   Every selection hint of the mode's database rewrites both edits of the mode.
// - A button or a typed list that takes two calls of the selection control makes them one
//   step, so that Previous returns to the selection from before the click.
// - Records of the current category's tables (materials, sections, thicknesses, stories of
//   either model, structure groups) refill the list once per transaction. Where the edits
//   show the unselected objects, records of the object tables rewrite them (an object
//   added comes unselected, one deleted leaves the set without a selection hint).
// - Hints 7 and 8 (and 29 in pre-processing) run ChangeCurMode.
// - The member-type pick takes, in mode 0, the 1-based position in the building model's
//   type list; in mode 1 the element type code. Either is matched by the item data.
// - The analysis-model rows are moved onto the building-model rows once, and the window
//   is cut 15 px below Close; the three small pick edits are stacked on the type edit.
// - No message is shown anywhere.
#pragma once
#include "afx/CArray.h"
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CEdit.h"
#include "afx/CListBox.h"
#include "db/CViewCtrl.h"
#include "selection/CModeFollowDlg.h"
#include "view/CEditAttrPick.h"
#include "view/CEditMatl.h"

class CQueryCondition;
class DB_CDataClass;

// What a button hands over for one kind of the mode.
enum EIdentityList {
  IDLIST_NONE,              // an empty list
  IDLIST_TABLE,             // every key of the kind's table
  IDLIST_SELECTED,          // every selected object of the kind
  IDLIST_UNSELECTED,        // every object of the kind that is not selected
  IDLIST_RESULT,            // the query's result
  IDLIST_SELECTED_RESULT,   // the selected objects that are in the query's result
  IDLIST_UNSELECTED_RESULT  // the unselected objects that are in the query's result
};

// The calls of the selection control that follow.
enum EIdentityCall {
  IDCALL_SELECT,          // Select (..., 0, 0, 0): the lists join the selection
  IDCALL_SELECT_REPLACE,  // Select (..., 0, 0, 1): each kind's selection becomes its list
  IDCALL_UNSELECT,        // Unselect (..., 0, 0): the lists leave the selection
  IDCALL_ALL_UNSELECT,    // SelectAll, then Unselect: the lists become the unselected sets
  IDCALL_PREVIOUS         // SelectPrevious
};

struct CIdentityButton {
  EIdentityList checked;    // for a kind whose box is checked
  EIdentityList unchecked;  // for a kind whose box is cleared
  EIdentityCall call;
};

struct CIdentityDlgTable {
  UINT nIDD;
  // Per kind, in the order points, members, nodes, elements.
  UINT nCheck[CViewCtrl::KINDS];
  UINT nNumber[CViewCtrl::KINDS];
  UINT nCategory, nSpare, nList;
  UINT nPickType, nPickMatl, nPickSect, nPickThik, nMultiPick;
  UINT nClose;
  BOOL bUnselected;     // the number edits show and take the unselected objects
  BOOL bNumberedTypes;  // member-type items read "%d_%s" (position from 1, type name)
  // All, None, Inverse, Previous, Add, Delete, Replace, Intersect.
  CIdentityButton buttons[8];
};

class CCMIdentityDlg : public CModeFollowDlg {
  DECLARE_DYNAMIC(CCMIdentityDlg)

 public:
  enum EButton { BTN_ALL, BTN_NONE, BTN_INVERSE, BTN_PREVIOUS, BTN_ADD, BTN_DELETE, BTN_REPLACE, BTN_INTERSECT };

  ~CCMIdentityDlg() override;

  BOOL OnInitDialog() override;

  // Mode.
  void ChangeCurMode() override;
  void InitCheckStates();

  // Typed number lists.
  void OnKillFocusPontNo();
  void OnKillFocusMembNo();
  void OnKillFocusNodeNo();
  void OnKillFocusElemNo();
  void ShowSelectedPontNo();
  void ShowSelectedMembNo();
  void ShowSelectedNodeNo();
  void ShowSelectedElemNo();
  void OnCheckPont();
  void OnCheckMemb();
  void OnCheckNode();
  void OnCheckElem();

  // Categories, lists and picks.
  void SetCategory();
  void OnSelChangeCategory();
  UINT GetCurCategory() const;
  void ChangeCategory(UINT nCategory);
  void AddListItem(const CString& text, DWORD_PTR data);
  void MakeListMemberType() { MakeList(11); }
  void MakeListMaterial() { MakeList(2); }
  void MakeListSection() { MakeList(3); }
  void MakeListThickness() { MakeList(4); }
  void MakeListStory() { MakeList(21); }
  void MakeListGroup() { MakeList(25); }
  void InitPickEdits();
  LRESULT OnMouseEditPick(WPARAM wParam, LPARAM lParam);
  void SelectPickedItem(UINT nID);
  void SelectListItemByData(UINT data);
  // Refills the current list when the mode's database changed one of its tables; where
  // the edits show the unselected objects, rewrites them when their tables changed.
  void UpdateBuffer(UINT nDBID) override;

  // The attribute query.
  BOOL ValidQueryCondition() const;
  void GetQueryCondition(CQueryCondition& cond) const;

  // Buttons.
  void OnCmdAll() { RunButton(BTN_ALL); }
  void OnCmdNone() { RunButton(BTN_NONE); }
  void OnCmdInverse() { RunButton(BTN_INVERSE); }
  void OnCmdPrevious() { RunButton(BTN_PREVIOUS); }
  void OnCmdAdd() { RunButton(BTN_ADD); }
  void OnCmdDelete() { RunButton(BTN_DELETE); }
  void OnCmdReplace() { RunButton(BTN_REPLACE); }
  void OnCmdIntersect() { RunButton(BTN_INTERSECT); }
  void OnCmdClose();

  // Hints of either database; a selection change of the mode's database rewrites the
  // mode's edits.
  void OnUpdateHint(LPARAM lHint, UINT nDBID) override;

 protected:
  // The table must outlive the window (a static of the concrete window's file).
  CCMIdentityDlg(const CIdentityDlgTable& table, CWnd* pParent);
  // The concrete window's number edit of the kind.
  virtual CEdit& NumberEdit(CViewCtrl::Kind kind) = 0;

  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void MakeList(UINT nCategory);
  void ApplyTyped(CViewCtrl::Kind kind, int nMode);
  void ShowSet(CViewCtrl::Kind kind, int nMode);
  void OnCheck(CViewCtrl::Kind kind);
  void RunButton(EButton button);
  // The two kinds of the mode (object, member) and their flags.
  void ModeKinds(CViewCtrl::Kind kinds[2], int flags[2]) const;
  BOOL GetList(EIdentityList what, CViewCtrl::Kind kind, const CUIntArray& result, CUIntArray& keys) const;
  void GetSet(CViewCtrl::Kind kind, BOOL bSelected, CUIntArray& keys) const;
  DB_CDataClass* KindTable(CViewCtrl::Kind kind) const;
  // The kind whose objects the table holds; -1 for any other table.
  static int KindOfTable(UINT nClassID);
  // Hands the two lists of the mode to the call, in the kind order.
  void Apply(EIdentityCall call, const CUIntArray& objs, const CUIntArray& membs);
  // Runs the query for the kinds whose list is not NULL; FALSE when the condition is not
  // valid.
  BOOL Query(CUIntArray* pObjs, CUIntArray* pMembs) const;

  const CIdentityDlgTable& m_table;
  CComboBox m_cobxCategory;
  CComboBox m_cobxSpare;
  CListBox m_listAttr;
  CEditThik m_editThik;
  CEditSect m_editSect;
  CEditMatl m_editMatl;
  CEditMembType m_editMembType;
  CButton m_chkMultiPick;
  CButton m_chkKind[CViewCtrl::KINDS];
  int m_bKind[CViewCtrl::KINDS] = {1, 1, 1, 1};  // points, members, nodes, elements take part
  CUIntArray m_rowsBuilding;
  CUIntArray m_rowsAnalysis;
};
