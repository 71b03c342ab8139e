// The thickness editor: the number, the plate thickness (with eleven preset values, in
// metres, offered in the current length unit) and the name of one T_THIK_D of the model's
// thickness table. OK writes and closes; Apply writes and stays open. Each write is one
// transaction: TR_Add (key, record) in add mode, TR_Modify (old key, new key, record) in
// edit mode; type 0 is written, the second thickness is carried through (the stored one in
// edit mode, the initialised one in add mode), the name as typed (not trimmed, may be
// empty).
//
// Modes, fixed before DoModal: add (alone, under the table's next free key; SetThikID
// under a key of the opener's) and edit (SetModifyData). Apply in add mode moves on to the
// next free key with the same thickness and its automatic name; in edit mode further
// writes modify the record under the key just written.
//
// Name following: in add mode every change of the thickness text names the record after
// the thickness (CSectUtil::AutoFillThikName; an empty name leaves the name edit as it
// is); an edited record keeps its name. Thickness and key are shown and read in current
// units (the thickness in the current length unit).
//
// Refusals, each leaving the record and the dialog's other texts as they were: a
// thickness below minus the size tolerance of the preferences while typing, and one not at
// least that tolerance on OK or Apply ("IDS_CMD_MP_Thickness_must_be_positive": the edit
// shows 0 and takes the focus); a number that is no integer key
// ("IDS_CMD_MP_Error_Invalid_ID"); a thickness that is no number
// ("IDS_CMD_MP_Error_Invalid_InOut_Plane"); a refused transaction stays open silently.
#pragma once
#include "afx/CArray.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_THIK_D.h"
#include "properties/CCMSizeEdit.h"
#include "ui/CDlgMove.h"

class CClassThik;

class CModelPropThikDlg : public CDlgMove {
  DECLARE_DYNAMIC(CModelPropThikDlg)

 public:
  explicit CModelPropThikDlg(CWnd* pParent = nullptr);

  void SetModifyData(UINT nKey, const T_THIK_D& thik);
  void SetThikID(UINT nKey);

  UINT GetThikKey() const { return m_nThikKey; }
  UINT GetOldKey() const { return m_nOldKey; }

  // The eleven preset thicknesses, metres, as texts.
  static const char* const kPresets[11];

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCmdBtnApply();
  void OnChangeCmdThickEdit();

  void InitControl();
  void DataToDlg();
  BOOL DlgToData();
  void SetUnitType();
  // Steps shared by OK and Apply: the tolerance check, DlgToData and the transaction.
  BOOL Write();
  CClassThik* GetClassPtr() const;
  double GetSizeTolerance() const;
  void RefuseThickness();

  UINT m_nThikKey;
  UINT m_nOldKey;
  T_THIK_D m_thik;
  BOOL m_bModify;
  BOOL m_bPresetKey;
  BOOL m_bReady;
  CUIntArray m_aThikCtrlIDs;  // the thickness edit and its unit label

  CEditUnit m_editKey;
  CCMSizeEdit m_editThick;
  CTextUnit m_textUnit;

  DECLARE_MESSAGE_MAP()
};
