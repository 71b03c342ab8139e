// The model control dialog: design-code set, structural material and structure system,
// the stiffness factors of middle beams (Bk; edge beams show (1 + Bk) / 2) and coupling
// beams, the height class, the automatic base support, beam-column rigid zones, the main
// mesh sizes and the coupling of internal node freedoms; wall openings in their own
// dialog. It edits a working copy of the model's one T_MCTL_D (the library's defaults when
// the model has none) and writes the whole copy with one CClassMctl::TR_Add on OK; the
// sub-dialogs change the copy only, so Cancel writes nothing whatever they confirmed. The
// rigid-zone details keep their own record (CEtcPzefDlg).
//
// The structure list follows the code set and the material: the older codes offer 0 to 10
// but 7; the 2010 codes offer 0 to 10 but 7 for material 0, 101 to 104 for material 1, 201
// to 205 for materials 2 and 3. Every rebuild selects the list's second entry. Structure
// codes 0 and 8 force height class A and disable B.
//
// OK is refused, with a message and the focus on the control, when no material or no
// structure is selected (a stored code the list does not offer), when Bk lies outside
// [1, 2] (checked first) or the coupling-beam factor outside [0.3, 1], and when a mesh size
// is not a number. A write the database refuses keeps the dialog open.
#pragma once
#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_MCTL_D.h"
#include "ui/CDlgMove.h"

class CClassMctl;

class CModelCtrlDlg : public CDlgMove {
  DECLARE_DYNAMIC(CModelCtrlDlg)

 public:
  explicit CModelCtrlDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

  // Record into the controls (1), controls into the working copy (1 when accepted).
  int Data2Dlg();
  int Dlg2Data();
  const T_MCTL_D& GetWorkingCopy() const { return m_mctl; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void InitCtrl();
  void SetMtypCombo();
  void SetStypCombo(int nMatl);
  void SetStypCombo_sub();
  void SetStypCombo_sub2010(int nMatl);
  void OnChangeCode();

  void OnChangeCmdCtrCoeEdt();
  void OnCmdAutoconstChk();
  void OnCmdPanelZoneChk();
  void OnCmdPanelZoneBtn();
  void OnCmdWallOpeningBtn();
  void OnCmdUsedCodeBtn();
  void OnChangeMaterialType();
  void OnChangeStructureType();

 private:
  static CClassMctl* GetClassPtr();
  void FillStructures(const int* codes, int n);

  enum { MESH_COUNT = 5 };
  T_MCTL_D m_mctl;
  CUIntArray m_classRadios;
  CComboBox m_cobxMatl;
  CComboBox m_cobxStruct;
  CEditUnit m_editBk;
  CEditUnit m_editEdgeBeam;
  CEditUnit m_editCoupling;
  CEditUnit m_editMesh[MESH_COUNT];
  CTextUnit m_textMesh[MESH_COUNT];

  DECLARE_MESSAGE_MAP()
};
