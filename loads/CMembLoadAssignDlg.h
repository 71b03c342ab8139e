// The member load dialog (modal): the engineer picks a target kind (point, line, area) and
// a member type of that kind; the grid (CMembLoadAssignGrid) shows every name of that type
// on every standard floor with its load type, and each choice there is committed at once.
// Three check boxes filter the rows (2 and 3 exclude each other), a button doubles or
// halves the grid's height (the controls below and the dialog follow), and "多次分配..."
// opens the multiple assignment (CMembLoadSelectDlg).
//
// Rules:
// - The name maps are built once when the dialog opens: the names of the codes 100, 101,
//   200 to 203, 300 and 301 in table order, and for columns, beams, walls and lintels the
//   keys of each name text. The standard floors are read at every rebuild of the grid.
// - Member keys of a code: 101, 201, 202, 203 one key per name text (the first);
//   199, 299, 399 the union of their kind's codes (CArrayUtil::UnionUINT); others every
//   name of the type.
// - Any change of the member load table rebuilds every row; a change of the load types
//   rebuilds the Load Type choices and keeps the current cell in that column.
#pragma once
#include <map>
#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "loads/CMembLoadAssignGrid.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;
class DB_CDataBase;

// One list of member-name keys.
struct MEMB_TYPE_INFO {
  CUIntArray keys;
};

class CMembLoadAssignDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CMembLoadAssignDlg)

 public:
  enum { KIND_POINT = 0, KIND_LINE = 1, KIND_AREA = 2 };
  enum : UINT { TYPE_ALL_POINT = 199, TYPE_ALL_LINE = 299, TYPE_ALL_AREA = 399 };

  explicit CMembLoadAssignDlg(CWnd* pParent = nullptr);
  ~CMembLoadAssignDlg() override;

  BOOL OnInitDialog() override;

  // keys := the keys of the beam (column) names of that text; their number, 0 when none.
  int GetSameNameKeyListInBeam(const CString& name, CUIntArray& keys);
  int GetSameNameKeyListInColm(const CString& name, CUIntArray& keys);

  CMembLoadAssignGrid& GetGrid() { return *m_pGrid; }
  int GetTargetKind() const { return m_nTargetKind; }
  BOOL IsFolded() const { return m_bFolded; }

  void OnCmdObjectTypeRadio();
  void OnSelchangeCmdMembTypeCombo();
  void OnCmdFilterCheck1();
  void OnCmdFilterCheck2();
  void OnCmdFilterCheck3();
  void OnCmdFormatBtn();
  void OnCmdSelectionBtn();
  void OnCmdCloseBtn();
  void OnCmdLoadTypesBtn() {}

  // keys := the member-name keys of a code (see the rules); their number.
  int GetMemberKeyList(UINT code, CUIntArray& keys);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnDBUpdate(const DB_CDataBase& db) override;
  void OnHint(LPARAM lHint, CObject* pHint) override;

  void MakeMembTypeInfo();
  void InitMembTypeCombo();
  static BOOL IsHaveID(UINT code);
  static BOOL IsUnionType(UINT code);
  int GetOnlyNameKeyList(UINT code, CUIntArray& keys);
  int GetUnionNameKeyList(UINT code, CUIntArray& keys);
  void ChangeMemberType();
  void ChangeFormat(int bFold);
  void UpdateBuffer(const DB_CDataBase& db);

 private:
  using NameMap = std::map<CString, MEMB_TYPE_INFO>;
  // The name-text map of a code with ids (101, 201, 202, 203), else NULL.
  NameMap* TextMapOf(UINT code);
  int SameNameKeys(const NameMap& map, const CString& name, CUIntArray& keys) const;
  void ApplyFilters();

  CComboBox m_cobxMembType;
  int m_bFilterPlans = 1;
  int m_bFilterLoaded = 0;
  int m_nTargetKind = KIND_AREA;
  int m_bFilterUnloaded = 0;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  int m_bFolded = 1;
  std::map<UINT, MEMB_TYPE_INFO> m_namesByType;
  NameMap m_beamNames, m_colmNames, m_wallNames, m_lintelNames;
  CMembLoadAssignGrid* m_pGrid;
  CUIntArray m_belowGrid;

  DECLARE_MESSAGE_MAP()
};
