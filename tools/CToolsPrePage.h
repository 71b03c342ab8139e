// The building-model page of the attribute tool window (template 14229, page id 1): one
// point or member of the building model in a property list, chosen by a pick in the view
// (the tool window hands it over, ShowObjectAttr) or by its number typed into the number
// edit (Return, or a pick taken by the edit: ApplyInputNumber).
//
// What is on the list (the shown-list kind): -1 nothing yet; 1 a point's rows, or the
// empty point groups (after a start, the Point radio or a failed point entry); 2 the
// empty member groups; 3 to 9 the rows of a column, beam, secondary beam, wall, slab,
// brace or line member. A member of another type (a lintel, a stair slab of type 306, an
// area member) leaves the list as it was.
//
// The fills (one file per kind of object) rebuild the whole list from the attribute
// record the attribute control reads, and set the control's current object and the
// shown-list kind first. A fill that cannot read a key list it needs (materials,
// sections, thicknesses, wall openings, opening types) keeps the rows added so far and
// leaves the groups closed; a complete fill opens every group. No fill shows a message.
// Connected-point lists leave out their gaps. A release or support code past the last
// choice selects nothing. Only the wall-opening rows and the point's four load and
// boundary rows carry the delete message (WM_PROPLIST_PRE_DEL).
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
//
// Edits, commands and deletions (CToolsPrePageEdit.cpp, CToolsPrePageCommand.cpp) act on
// the list's current row, found by its label among the rows of the shown-list kind; with
// no current row, or a label no row of the kind has, they do nothing. They write only
// through the attribute control and never refill the list themselves: a change the
// control accepts comes back as WM_MEMBDATACTRL_CHANGED. A refused change leaves the
// model and the page's attribute record as they were; the protection rows then show the
// remembered protection text again, the column's support row (which stores nothing) its
// stored choice. Buttons send their command ids to the main window (SendMessage, so the
// command is handled on return), never an id of 0 or the page's delete message; the
// first button of the design-type, protection, beta-angle and slab-load rows opens the
// application's dock bar of the row, pre-set with the row's value.
#pragma once
#include <initializer_list>
#include "afx/CStatic.h"
#include "db/CMembDataCtrl.h"
#include "db/T_MATR_D.h"
#include "db/T_MBTP_D.h"
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
  // The strips: member rows and wall-opening rows three 14 x 14 icons, point rows four.
  enum : int { BITMAP_MEMB_ROWS = 14270, BITMAP_WALL_OPENING = 14269, BITMAP_PONT_ROWS = 14228 };
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
  void FillBeamAttrList(UINT membKey, T_MEMB_D memb, int nRefresh);
  void FillSBeamAttrList(UINT membKey, T_MEMB_D memb, int nRefresh);
  void FillWallAttrList(UINT membKey, T_MEMB_D memb, int nRefresh);
  void FillSlabAttrList(UINT membKey, T_MEMB_D memb, int nRefresh);
  void FillBraceAttrList(UINT membKey, T_MEMB_D memb, int nRefresh);
  void FillLineAttrList(UINT membKey, T_MEMB_D memb, int nRefresh);
  void ResetPontAttrList();
  void ResetMembAttrList();
  void OnClickedClose();

  // A transaction of the model (another window's change, an undo or a redo): the shown
  // object is shown again as the model now holds it, or the list empties when the object
  // is gone. Changes the page itself writes are left to its attribute control's notice.
  void OnModelChanged();

  LRESULT OnPropChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnAttrDataChanged(WPARAM wParam, LPARAM lParam);
  LRESULT OnCmdToolRunCommand(WPARAM wParam, LPARAM lParam);
  LRESULT OnDeleteAttrData(WPARAM wParam, LPARAM lParam);
  // WM_PROPLIST_CHANGE_VALUE: wParam 1 (the value shown was committed again) is ignored by
  // the guarded rows (material, section, thickness, design types, releases, grades).
  LRESULT OnPropChangeValue(WPARAM wParam, LPARAM lParam);
  // WM_PROPLIST_COMMAND: wParam the index of the pressed button, lParam the row.
  LRESULT OnPropCommand(WPARAM wParam, LPARAM lParam);

  // The current row's chosen record key (item data) to the attribute control; 1 when it
  // was written, 0 for no row, item data 0 or a refusal.
  int ApplyMaterialRow();
  int ApplySectionRow();
  int ApplyThicknessRow();
  // The current row's number as the beta angle, then the analysis element follows it.
  int ApplyBetaAngleRow();

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

  // Row building blocks shared by the member fills (CToolsPrePageRows.cpp).
  // Sets the control's current object, reads the attribute record, sets the shown-list
  // kind and clears the list.
  void BeginMembFill(int nObjClass, UINT membKey, int nListKind, int nRefresh);
  // ID, type and story rows.
  void AddIdTypeStoryRows(UINT membKey, const T_MEMB_D& memb, const CString& typeText);
  // The material and section rows of a line member with a section; 0 when a key list is
  // missing (the fill stops).
  BOOL AddMaterialSectionRows(UINT membKey);
  // The concrete material row and the thickness row under that label; 0 when the
  // thickness key list is missing (the fill stops).
  BOOL AddConcreteThicknessRows(UINT membKey, const CString& thikLabel);
  void AddLengthRow();
  void AddBetaAngleRow();
  void AddConnectedPointsRow();
  void AddTemperatureRow();
  // The member's design-type record (initialised when it has none).
  T_MBTP_D ReadDesignTypes(UINT dsgnKey) const;
  BOOL IsAutoMembTypeMode() const;
  // The seismic-grade row: a choice row, or in automatic member-type mode the grade text.
  void AddSeismicGradeRow(UINT membKey, int nWall, UINT first, UINT third);
  void AddTextRow(const CString& label, const CString& text, UINT first, UINT third);
  void AddChoiceRow(const CString& label, CStringArray& choices, int sel, UINT first, UINT third);
  // BeginMembFill, then the general rows of a member with a section (ID, type, story,
  // material, section, length, beta angle, connected points); 0 when the fill stops.
  BOOL BeginSectionMembFill(int nObjClass, UINT membKey, const T_MEMB_D& memb, int nListKind, int nRefresh);
  // A design-type choice row; the n-th row of a table reads slot n of the design-type
  // record. values: the stored values of the entries after AUTO, in list order; fallback:
  // the position chosen for a value the list does not know.
  struct DesignRowDef {
    const char* key;
    CStringArray* list;
    bool hasAuto;
    std::initializer_list<int> values;
    int fallback;
    UINT first, third;
  };
  // The design-type rows of a table whose last row is the protection row (its shown text
  // is remembered as the protection text).
  void AddDesignTypeRows(const T_MBTP_D& mbtp, DesignRowDef* rows, int nRows);
  // The load group: the load row of the selector (see MakeLoadTexts), then temperature.
  void AddLoadRows(UINT membKey, int nSelector, const char* labelKey, UINT first, UINT third);
  // A choice row selected by the leading number of a stored code; a code past the last
  // choice selects nothing.
  void AddCodeChoiceRow(const char* labelKey, CStringArray& choices, const CString& code, UINT first, UINT third);
  struct TextRowDef {
    const char* key;
    CString text;
    UINT first, third;
  };
  // The design-factor group of a line member closing its fill: seismic grade, the text
  // rows, the equivalent-moment factor of a steel member (when bEquivMom), the uncertain
  // load-combination factor of an RC member that has one; then every group opens.
  void AddFactorRowsAndExpand(UINT membKey, std::initializer_list<TextRowDef> rows, BOOL bEquivMom);
  // The beam and secondary-beam rows, with the control's object class and the list kind.
  void FillBeamRows(UINT membKey, const T_MEMB_D& memb, int nRefresh, int nObjClass, int nListKind);
  // The current row of the list; NULL when none (or a group).
  CCmbBtnProp* CurrentRow() const;
  // Held while a handler of the page may write through the attribute control.
  struct CWriting {
    explicit CWriting(CToolsPrePage& page) : m_page(page) { ++m_page.m_nWriting; }
    ~CWriting() { --m_page.m_nWriting; }
    CWriting(const CWriting&) = delete;
    CWriting& operator=(const CWriting&) = delete;
    CToolsPrePage& m_page;
  };

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
  int m_nWriting = 0;
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
