// The analysis-model page of the attribute tool window (template 16263, page id 2): one
// element of the analysis model (CClassPMemb of the analysis database) in a property list,
// chosen by a pick in the view (the tool window hands it over, ShowObjectAttr) or by its
// number typed into the number edit (Return, or a pick taken by the edit:
// ApplyInputNumber). Element numbers are element keys. The shown element is kept as the
// view's selection and as the highlighted member (I_ModelBase::MEMBKEY).
//
// The page edits no value. Its one change to the model is deleting one kind of data
// assigned to the shown element, from the delete button of a factor or hinge row: the
// button sends the page the window message "ID_PROPLIST_POST_DEL" (registered when the
// module loads: WM_PROPLIST_POST_DEL), and the label of the current row chooses the code
// by the shown-list kind. The page never refills after its own request: the attribute
// control reports the change with WM_MEMBDATACTRL_CHANGED, and the codes 214, 217 to
// 222, 229, 230 and 400 refill the shown element.
//
// What is on the list (the shown-list kind): -1 nothing yet; 2 the five empty groups
// (after a start, a bad number or a missing element); 3 column, 4 beam, 5 secondary beam,
// 6 wall (both wall kinds), 7 slab, 8 brace. An element type without rows keeps what
// the list showed.
//
// Number entry: a text that is not an integer clears the highlighted member and empties
// the groups; a negative number clears the highlighted member only; 0 or a number of no
// element shows "IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY" and empties the groups (the highlight
// and the selection stay off a missing element). A found element becomes the whole
// element selection.
//
// The force view (controls 16434 to 16443) has no content: the toggle 16362 only swaps it
// with the list, and its caption names the other view.
#pragma once
#include "afx/CStatic.h"
#include "db/CMembDataCtrl.h"
#include "db/T_MATR_D.h"
#include "db/T_PMEMB_D.h"
#include "tools/CMembEdit2.h"
#include "ui/CDlgChild.h"
#include "uiutil/CPropList.h"

class CToolsDlg;
class DB_CDataBase;
class I_ViewEventHandlerItem;

class CToolsPostPage : public CDlgChild {
  DECLARE_DYNAMIC(CToolsPostPage)

 public:
  enum : int {
    LIST_NONE = -1, LIST_EMPTY = 2, LIST_COLUMN = 3, LIST_BEAM = 4, LIST_SBEAM = 5, LIST_WALL = 6, LIST_SLAB = 7,
    LIST_BRACE = 8,
  };
  enum : int { PARAM_ELEMENT = 24 };
  static UINT WM_PROPLIST_POST_DEL;

  CToolsPostPage(CToolsDlg* pOwner, CWnd* pParent);
  ~CToolsPostPage() override;

  BOOL OnInitDialog() override;
  void InitPropList();

  void SetInitDataByMenu();
  // Type 'm': the element; any type: its number in the edit.
  void ShowObjectAttr(char& type, UINT key);
  void ApplyInputNumber();
  // nRefresh 1: a newly shown element; 0: a refill after a reported change.
  void FillMembAttrList(UINT key, int nRefresh);
  void ResetMembAttrList();
  void ShowForceCtrls(int nCmdShow);
  void OnAttrForceToggle();
  void OnClickedClose();

  LRESULT OnPropChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnAttrDataChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnCmdToolRunCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDeleteAttrData(WPARAM wParam, LPARAM lParam);

  // The number edit as a view handler while the page and the edit have windows, else NULL.
  I_ViewEventHandlerItem* GetEditHandlerItem();

  CPropList& GetPropList() { return m_list; }
  CMembEdit2& GetNumberEdit() { return m_edit; }
  CMembDataCtrl& GetAttrCtrl() { return m_ctrl; }
  const T_MATR_D& GetAttrRecord() const { return m_matr; }
  int GetShownListKind() const { return m_nShownKind; }
  int GetViewFlag() const { return m_nViewFlag; }
  UINT GetShownKey() const { return m_nShownKey; }
  double GetTolerance() const { return m_dTol; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  // Sets the attribute control's object (of the class given) and the shown-list kind,
  // then fills the element's rows.
  void FillElement(int nObjClass, int nListKind, UINT key, const T_PMEMB_D& elem, int nRefresh);
  // The element becomes the whole element selection of the analysis database.
  void SelectOnly(UINT key);
  void ShowNumber(UINT key);
  BOOL ElementExists(UINT key) const;
  CString Str(const char* key) const;

  CMembEdit2 m_edit;
  CStatic m_place;
  CToolsDlg* m_pOwner;
  CPropList m_list;
  CMembDataCtrl m_ctrl;
  int m_nShownKind = LIST_NONE;
  int m_nViewFlag = 1;
  UINT m_nShownKey = 0;
  DB_CDataBase* m_pDB = nullptr;
  T_MATR_D m_matr;
  double m_dTol = 1e-6;

  DECLARE_MESSAGE_MAP()
};
