// The building-model page of the attribute tool window (template 14229, page id 1): one
// point or member of the building model in a property list, chosen by a pick in the view
// (the tool window hands it over, ShowObjectAttr) or by its number typed into the number
// edit (Return, or a pick taken by the edit: ApplyInputNumber).
//
// What is on the list (the shown-list kind): -1 nothing yet; 1 the point groups (empty
// after a start, the Point radio or a failed point entry); 2 the empty member groups;
// 3 a column's rows. Point rows and the rows of the other member types are not filled
// here: for them the list keeps what it showed.
//
// The object-type text ("p" or "m") and the shown key name the object whose rows a data
// change refills: the attribute control (CMembDataCtrl) notifies the page with
// WM_MEMBDATACTRL_CHANGED and the code of the changed data; codes 101-105, 109, 110,
// 201-208, 210-212, 214-226, 228, 234 and 400 refill the shown object, 108 empties the
// point groups, 233 the member groups, others change nothing. After every notice, and
// after a number entry, the shown object is kept in the view's selection.
//
// Number entry: a text that does not parse is told in the message window
// ("IDS_CMD__PARSING_ERROR") and changes nothing; a list of other than one number is told
// ("IDS_CMD__INPUT_ONE_POINT" / "IDS_CMD__INPUT_ONE_MEMB") and empties the groups; a
// number naming no object shows "IDS_CMD_ATTR_MEMB_NOT_PONT_KEY" /
// "IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY" in a message box and empties the groups. The
// highlighted pick (I_ModelBase::PONTKEY / MEMBKEY) follows the entry.
//
// The page registers the window message "ID_PROPLIST_PRE_DEL" when the module loads
// (WM_PROPLIST_PRE_DEL): the id of the delete button of the rows that offer deletion.
#pragma once
#include "afx/CStatic.h"
#include "db/CMembDataCtrl.h"
#include "db/T_MATR_D.h"
#include "db/T_MEMB_D.h"
#include "tools/CMembEdit.h"
#include "ui/CDlgChild.h"
#include "uiutil/CPropList.h"

class CToolsDlg;
class DB_CDataBase;
class CClassPont;
class CClassMemb;
class CClassMatl;
class CClassSect;
class CClassThik;
class I_ViewEventHandlerItem;

class CToolsPrePage : public CDlgChild {
  DECLARE_DYNAMIC(CToolsPrePage)

 public:
  enum : int {
    LIST_NONE = -1, LIST_PONT = 1, LIST_MEMB_EMPTY = 2, LIST_COLUMN = 3, LIST_BEAM = 4, LIST_SBEAM = 5,
    LIST_WALL = 6, LIST_SLAB = 7, LIST_BRACE = 8, LIST_LINE = 9,
  };
  enum : int { PARAM_POINT = 14, PARAM_MEMBER = 17 };
  // The strips of the member rows: three 14 x 14 icons.
  enum : int { BITMAP_MEMB_ROWS = 14270 };
  static UINT WM_PROPLIST_PRE_DEL;

  CToolsPrePage(CToolsDlg* pOwner, CWnd* pParent);
  ~CToolsPrePage() override;

  BOOL OnInitDialog() override;
  void InitPropList();

  void SetInitDataByMenu();
  void OnPontMembRadio();
  void ApplyInputNumber();
  void ShowObjectAttr(char& type, UINT key);
  void FillMembAttrList(UINT membKey, int nRefresh);
  void FillPontAttrList(UINT pontKey, int nRefresh);
  void FillColumnAttrList(UINT membKey, T_MEMB_D memb, int nRefresh);
  void ResetPontAttrList();
  void ResetMembAttrList();
  void OnClickedClose();

  LRESULT OnPropChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnAttrDataChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnCmdToolRunCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDeleteAttrData(WPARAM wParam, LPARAM lParam);

  // The member's applied material: its own, else the one its story gives its kind.
  void GetAppliedMaterialKey(UINT membKey, UINT& matlKey);
  // The texts of the member's load row (selector 0 column loads, 1 line loads); the
  // length is not used.
  void MakeLoadTexts(UINT membKey, double dLength, int nSelector, CStringArray& texts);
  // The attribute record's member has an uncertain load-combination factor record.
  int HasUserDesignCoeffs();

  // The number edit as the view's handler while the page and the edit have windows.
  const I_ViewEventHandlerItem* GetNumberEditHandler() const;
  CPropList& GetPropList() { return m_list; }
  CMembEdit& GetNumberEdit() { return m_edit; }
  CMembDataCtrl& GetAttrCtrl() { return m_ctrl; }
  const T_MATR_D& GetAttrRecord() const { return m_matr; }
  int GetShownListKind() const { return m_nShownKind; }
  int GetRadio() const { return m_nRadio; }
  const CString& GetObjTypeText() const { return m_strObjType; }
  UINT GetShownKey() const { return m_nShownKey; }
  const CString& GetProtectText() const { return m_strProtect; }
  double GetTolerance() const { return m_dTol; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void SetParamType(int nKind);
  void ShowNumberOf(char type, UINT key);
  // Adds the key to the view's selection of points (bMemb 0) or members (1).
  void SelectInView(BOOL bMemb, UINT key);
  CString Str(const char* key) const;

  int m_nRadio = 0;
  CMembEdit m_edit;
  CStatic m_place;
  CToolsDlg* m_pOwner;
  CPropList m_list;
  CMembDataCtrl m_ctrl;
  int m_nShownKind = LIST_NONE;
  int m_nPrevRadio = 0;
  CString m_strObjType;
  UINT m_nShownKey = 0;
  T_MATR_D m_matr;
  DB_CDataBase* m_pDB = nullptr;
  CClassPont* m_pPont = nullptr;
  CClassMemb* m_pMemb = nullptr;
  CClassMatl* m_pMatl = nullptr;
  CClassSect* m_pSect = nullptr;
  CClassThik* m_pThik = nullptr;
  CString m_strProtect;
  double m_dTol = 1e-6;

  DECLARE_MESSAGE_MAP()
};
