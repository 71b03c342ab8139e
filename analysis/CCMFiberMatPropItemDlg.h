// The fiber material editor: one record of the fiber material table (T_FIMP_D.h) - a name,
// concrete or steel, one of the nine hysteresis models, and that model's parameters in its
// own panel, beside a picture of its skeleton curve.
//
// Add mode (the default) writes a new record with TR_Add under a free key of the table, on
// OK or on Apply (which keeps the editor open with every value, the name focused and
// selected, for the next material). Modify mode (SetModify before DoModal) rewrites the
// stored record of its key under that key; Apply is disabled. The editor does not follow
// changes of the table while it is open.
//
// Panels. The template stacks the nine panels below the buttons; opening moves each onto the
// Kent-Park panel and trims the dialog below the buttons. One panel shows at a time, the
// one of the chosen kind and model; values typed into a hidden panel stay. A trilinear panel
// shows either its stress-strain inputs or its stress-stiffness inputs, by its input-method
// radios; a click on either radio converts the values of the other form into the chosen one
// (FiberTrilinear.h), so the radio already selected converts too. The steel panel keeps its
// compression strains (stress-strain form) or K4/K1, K5/K1 (stiffness form) derived from
// the tension branch as the user types; those edits, and Ro, a1, a2, are read-only.
//
// Rules kept here:
// - Every edit beside a unit label is shown and read in the label's unit (T_FIMP_D::unit)
//   and stored in internal units; the other edits are plain numbers.
// - OK and Apply read only the panel shown; a trilinear panel's fields of the hidden form
//   are stored as a new record has them (0). A text of that panel that is no number is
//   told ("IDS_CMD_FIMP_Error_Not_Number") with the focus on it, and nothing is written.
//   An empty or repeated name is the table's to refuse: the editor stays open with every
//   input, without a message of its own.
// - A stored kind or model outside the nine models opens with no panel and no picture; OK
//   then keeps the stored kind, model and parameters.
#pragma once
#include <memory>

#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "afx/CGdiObject.h"
#include "afx/CStatic.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_FIMP_D.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;

class CCMFiberMatPropItemDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCMFiberMatPropItemDlg)

 public:
  explicit CCMFiberMatPropItemDlg(CWnd* pParent = nullptr);
  ~CCMFiberMatPropItemDlg() override;

  // Modify mode on the stored record of key; before DoModal.
  void SetModify(UINT key);
  BOOL IsModifyMode() const { return m_nModify != 0; }

  // The models of the combos, in order: five of concrete (kind 0), four of steel (kind 1).
  static int GetModelCount(int kind);
  // The model's text key; nullptr for a pair outside the models.
  static const char* GetModelTextKey(int kind, int model);
  // The picture of the model; 0 for a pair outside the models.
  static UINT GetModelPicture(int kind, int model);

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnSelchangeCmd2FiberMaterialTypeCmb();
  void OnSelchangeCmd2FiberHysteresisModelCmb();
  void OnCmd2FiberApply();
  void OnCmd2TriSteelRdo();
  void OnCmd2TriConcRdo();
  void OnChangeTriStlEdt(UINT nID);

  void InitCombo();
  void InitUnit();
  void AlignCtrl();
  void Data2Dlg(T_FIMP_D& rec);
  // Controls to rec; 0 (after the message, the focus on the edit) when a text of the panel
  // shown is no number.
  int Dlg2Data(T_FIMP_D& rec);
  int OnExecute();
  void TriSteelRdoBtnCtrl();
  void TriConcRdoBtnCtrl();
  void SetStlTriModelMethodChangeValue();
  void SetStlTriModelCalcValue();
  void SetConTriModelMethodChangeValue();

 private:
  // The panel of (kind, model) gets the block in p: its edits and its radios.
  void PutPanel(int kind, int model, const double* p);
  // The panel's values into p (of a trilinear panel, the shown form's); 0 (after the
  // message, the focus on the edit) at a text that is no number.
  int GetPanel(int kind, int model, double* p);
  void ShowPicture(int kind, int model);
  CEditUnit* Edit(UINT id);
  double Value(UINT id);
  void SetValue(UINT id, double v);

  CDBDoc* m_pDoc = nullptr;
  CMDBCtrl* m_pMDBCtrl = nullptr;
  std::unique_ptr<CBitmap> m_pBitmap;  // the picture shown
  int m_nModify = 0;
  UINT m_nModifyKey = 0;
  T_FIMP_D m_rec;  // the record the editor opened with

  // The panels found inside their group boxes: Menegotto-Pinto, bilinear, general
  // bilinear, Kent-Park, standard, bridge and Nagoya concrete.
  CUIntArray m_arrPanel[7];
  CUIntArray m_arrStlTriBase, m_arrStlTriRadio, m_arrStlTriStrain, m_arrStlTriStiff;
  CUIntArray m_arrConTriBase, m_arrRoadRadio, m_arrConTriRadio, m_arrConTriStrain, m_arrConTriStiff;

  CComboBox m_cbMaterial, m_cbModel;
  CStatic m_stPicture;
  static constexpr int kEditCount = 71;
  static constexpr int kUnitCount = 32;
  CEditUnit m_edits[kEditCount];
  CTextUnit m_units[kUnitCount];

  DECLARE_MESSAGE_MAP()
};
