// The select-by-identity window: the engineer selects points and members (building model,
// mode 0) or nodes and elements (analysis model, mode 1) by typed number lists, and by
// attribute: a category, its items in a list (or picked in the view through the pick
// edits), and the buttons All, None, Inverse, Previous, Add, Delete, Replace, Intersect.
// It changes no records, only the selection of the mode's database (CViewCtrl), and
// learns of every selection change, its own included, through the database's hints.
//
// - The four kind check boxes say which kinds the number edits and the buttons act on;
//   a cleared kind keeps its selection under every button but Previous.
// - A number edit applies its text on leaving it or on Return; the selection hint that
//   follows rewrites the edits of the mode with the compact text of what got selected.
//   Every selection hint of the mode's database rewrites both edits of the mode.
// - Records of the current category's tables (materials, sections, thicknesses, stories of
//   either model, structure groups) refill the list once per transaction; others change
//   nothing. Hints 7 and 8 (and 29 in pre-processing) run ChangeCurMode.
// - The analysis-model rows are moved onto the building-model rows once, and the window
//   is cut 15 px below Close; the three small pick edits are stacked on the type edit.
// - No message is shown anywhere.
#pragma once
#include "afx/CArray.h"
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CListBox.h"
#include "db/CViewCtrl.h"
#include "db/DB_CUpdateListener.h"
#include "selection/CSelectListEdit.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDBUpdateConnector.h"
#include "view/CEditAttrPick.h"
#include "view/CEditMatl.h"

class CQueryCondition;

class CCMSelectIdentityDlg : public CDBDlgBase, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCMSelectIdentityDlg)

 public:
  explicit CCMSelectIdentityDlg(CWnd* pParent = nullptr);
  ~CCMSelectIdentityDlg() override;

  BOOL OnInitDialog() override;

  // Mode and databases.
  int GetCurMode() const;
  DB_CDataBase* GetCurrentDB(int nMode) const;
  int GetMode() const { return m_nMode; }
  void ChangeCurMode();
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
  // Refills the current list when the mode's database changed one of its tables.
  void UpdateBuffer(UINT nDBID);

  // The attribute query.
  BOOL ValidQueryCondition() const;
  void GetQueryCondition(CQueryCondition& cond) const;

  // Buttons.
  void OnCmdAll();
  void OnCmdNone();
  void OnCmdInverse();
  void OnCmdPrevious();
  void OnCmdAdd();
  void OnCmdDelete();
  void OnCmdReplace();
  void OnCmdIntersect();
  void OnCmdClose();

  // Hints of either database (the model database through the connector, the analysis
  // database through its own listener).
  void OnUpdateHint(LPARAM lHint, UINT nDBID);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  void OnHint(LPARAM lHint, CObject* pHint) override;

 private:
  // Follows the analysis database for the window.
  class CAnalysisFollower : public DB_CUpdateListener {
   public:
    explicit CAnalysisFollower(CCMSelectIdentityDlg* pDlg) : m_pDlg(pDlg) {}
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

   private:
    CCMSelectIdentityDlg* m_pDlg;
  };

  void MakeList(UINT nCategory);
  void ApplyTyped(CSelectListEdit& edit, CViewCtrl::Kind kind, int nMode);
  void ShowSelected(CSelectListEdit& edit, CViewCtrl::Kind kind, int nMode);
  // The kinds of the mode: the object kind and the member kind, their flags.
  void ModeKinds(CViewCtrl::Kind& objKind, CViewCtrl::Kind& membKind, int& objFlag, int& membFlag) const;
  // Hands two lists of the mode to Select (replace) or Unselect in the kind order.
  void Apply(const CUIntArray& objs, const CUIntArray& membs, int nReplace, BOOL bUnselect);
  void GetSelected(CViewCtrl::Kind kind, CUIntArray& keys) const;
  void GetUnselected(CViewCtrl::Kind kind, CUIntArray& keys) const;
  // Runs the query for the checked kinds; FALSE when the condition is not valid.
  BOOL Query(CUIntArray* pObjs, CUIntArray* pMembs) const;
  void OnCheck(CButton& box, int& flag, CSelectListEdit& edit);

  CComboBox m_cobxCategory;
  CComboBox m_cobxSpare;
  CListBox m_listAttr;
  CEditThik m_editThik;
  CEditSect m_editSect;
  CEditMatl m_editMatl;
  CEditMembType m_editMembType;
  CSelectListEdit m_editMembNo;
  CSelectListEdit m_editPontNo;
  CSelectListEdit m_editElemNo;
  CSelectListEdit m_editNodeNo;
  CButton m_chkMultiPick;
  CButton m_chkElem;
  CButton m_chkNode;
  CButton m_chkMemb;
  CButton m_chkPont;
  int m_bPont = 1;
  int m_bMemb = 1;
  int m_bNode = 1;
  int m_bElem = 1;
  int m_nMode = 0;
  CUIntArray m_rowsBuilding;
  CUIntArray m_rowsAnalysis;
  CAnalysisFollower m_follower{this};

  DECLARE_MESSAGE_MAP()
};
