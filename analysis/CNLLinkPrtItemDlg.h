// The link property editor: one nonlinear link property (T_NLLP_D) - name, description,
// application type (element or force) and property type, weight or mass, and per degree of
// freedom (DOF) the linear part (flag, effective stiffness and damping) and, for force-type
// links, the nonlinear part (flag and parameters, edited in the DOF dialogs of
// CNLLinkPrtDofDlg.h).
//
// Add mode (the default) writes a new record with TR_Add, on OK or on Apply (which keeps
// the editor open in add mode; a second Apply of the same name is refused by the table).
// Modify mode (SetModifyData before DoModal) rewrites the record found by the name the
// stored record of its key has, so a renamed property keeps its key; Apply is disabled.
// DoModal gives IDOK when OK wrote the record, IDCANCEL otherwise.
//
// Rules kept here:
// - Every edit beside a unit label is shown and read in the label's unit (weight: force,
//   mass, stiffness and damping: by DOF, translational or rotational) and stored in internal
//   units; the distances are plain ratios.
// - OK and Apply read the controls into a fresh record, then check in this order: the name,
//   a number edit that holds no number ("IDS_CMD_NLNK_Error_Not_Number", the focus on it),
//   then the value checks (mass, weight, a linear DOF, each linear DOF's stiffness and
//   shear-spring distance, a nonlinear DOF for force-type links, the friction pendulum's
//   DOFs). The first failure is told and nothing is written; a refused transaction is not
//   told. The controls keep what was typed.
// - An element-type record of property type 3 or 4 (no entry offers them) keeps its type
//   while no entry of the list is chosen.
// - Changing the application or the property type starts every DOF afresh (flags cleared,
//   stiffness 0, parameters initialised, distances 0.5); damping texts stay.
// - The editor does not follow changes of the table while it is open.
#pragma once
#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_NLLP_D.h"
#include "ui/CDlgMove.h"
#include "ui/CDBUpdateConnector.h"

class CClassNllp;

class CNLLinkPrtItemDlg : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CNLLinkPrtItemDlg)

 public:
  explicit CNLLinkPrtItemDlg(CWnd* pParent = nullptr);

  // Modify mode on a copy of the stored record of key.
  void SetModifyData(UINT key, const T_NLLP_D& rec);
  BOOL IsModifyMode() const { return m_bModify; }
  const T_NLLP_D& GetRecord() const { return m_rec; }

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Record to controls; does nothing when the force property type lies outside 0 to 5.
  void Data2Dlg();
  // Controls to a fresh record, then the checks; 1 when it may be written.
  int Dlg2Data();
  // Dlg2Data, then the transaction; 1 when it succeeded.
  int SaveRecord();
  void FillPropertyTypes(int nAppType);
  void SetHeadings(int nAppType);
  void UpdateDofControls();
  void UpdateHingeButton();
  void OnChangePropertyType();
  void OnChangeApplicationType();
  void OnApply();
  void OnHinge();
  void OnUseMass();
  void OnShearLocation();
  void OnLinearCheck(UINT nID);
  void OnNonlinearCheck(UINT nID);
  void OnDofProperties(UINT nID);
  // Opens the DOF dialog of the current property type for dof; IDOK keeps its parameters.
  void EditDof(int dof);

 private:
  // The check boxes and radios into the members, and back.
  void ReadChecks();
  void WriteChecks();
  void InitWorking(int dof);
  void EnableDofGroup(int dof, BOOL bEnable);
  void EnableDistances();
  // Reads a number edit; 0 (after the message, the focus on it) when it holds no number.
  BOOL ReadNumber(CEditUnit& edit, double& value);
  int Selection() const;

  int m_nAppType = 0;
  int m_lin[NLLP_DOF_COUNT] = {};
  int m_nl[NLLP_DOF_COUNT] = {};
  CClassNllp* m_pTable = nullptr;
  UINT m_key = 0;
  T_NLLP_D m_rec;
  T_NLLP_VD m_vd[NLLP_DOF_COUNT];
  T_NLLP_GAP m_gap[NLLP_DOF_COUNT];
  T_NLLP_HOOK m_hook[NLLP_DOF_COUNT];
  T_NLLP_HS m_hs[NLLP_DOF_COUNT];
  T_NLLP_LRBI m_lrbi[NLLP_DOF_COUNT];
  T_NLLP_FPSI m_fpsi[NLLP_DOF_COUNT];
  int m_nCurType = 0;
  BOOL m_bModify = FALSE;
  int m_nOpenedElemType = 0;  // the element type the record had when the editor opened

  CComboBox m_cbType;
  CEditUnit m_editWeight, m_editMass, m_editDistY, m_editDistZ;
  CTextUnit m_textWeight, m_textMass;
  CEditUnit m_editStiff[NLLP_DOF_COUNT], m_editDamp[NLLP_DOF_COUNT];
  CTextUnit m_textStiff[NLLP_DOF_COUNT], m_textDamp[NLLP_DOF_COUNT];

  DECLARE_MESSAGE_MAP()
};
