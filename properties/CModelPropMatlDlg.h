// The material editor: one T_MATL_D of the model's material table. The engineer picks the
// type (RC, Steel, SRC, User Defined), a design code and a grade from the material
// standards (CMatlDB), sees or types the analysis values and strengths of each column and
// sets the damping ratio. OK writes and closes; Apply writes and stays open. Each write is
// one transaction: TR_Add in add mode (a key in use is refused by the table, never
// replaced), TR_Modify (old key, new key, record) in edit mode.
//
// Columns: the steel column (steel code and grade, E, Poisson ratio, thermal coefficient,
// unit weight, fak, fa) and the concrete column (code, grade, the four values, fck, ftk,
// fc, ft). Steel and SRC keep sub-material 1 in the steel column, RC and User in the
// concrete column; SRC keeps its concrete (sub-material 2) in the concrete column. A column
// with a code takes its values from the standards (read-only edits; OK reads the standards
// again); with "None" they are typed. User Defined takes the typed concrete column.
//
// Values are shown in the current units of their kinds, in the formats "%.4e" (E, thermal
// coefficient), "%g" (Poisson ratio) and "%.4g" (unit weight, strengths), and read back in
// those units; a text left as it was shown gives back the value it showed, every digit.
//
// Modes, fixed before DoModal: add (alone: the table's next free key; SetMatlID: a key of
// the opener's) and edit (SetModifyData). A new material opens as RC with the default
// concrete code of the preferences and damping 0.05. Apply in add mode moves on to the next
// free key with the same type, codes, grades and values and an empty name; in edit mode
// further writes modify the record under the key just written.
//
// The name follows the grade ("C30", for SRC "concrete/steel": "C30/Q345") until the
// engineer types a name that is no grade name; emptying it makes it follow again. OK with
// an empty name takes the own column's grade (SRC refuses).
//
// Refusals leave the record and the other controls as they were: a number that is no
// positive integer ("IDS_WG_CMD_MP_ERROR_Invalid_Material_ID"); an SRC material, or one
// whose grade is empty, without a name ("IDS_WG_CMD_MP_ERROR_Missing_Material_Name"); a
// code and grade the standards do not hold
// ("IDS_WG_CMD_MP_ERROR_Invalid_Standard_and_Grade_Name"); a typed value or damping that is
// no number ("IDS_WG_CMD_MP_ERROR_Invalid_Property_Value", the edit focused); a transaction
// the table refuses (no message). A stored code missing from the standards is told when the
// editor opens (steel, concrete, user: each against the list its combo offers) and
// cleared.
#pragma once
#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "afx/CStatic.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_MATL_D.h"
#include "ui/CCobxAutoFill.h"
#include "ui/CDlgMove.h"
#include "ui/CFoldGroupBox_Cross.h"

class CBitmap;
class CClassMatl;
class CMatlDB;

class CModelPropMatlDlg : public CDlgMove {
  DECLARE_DYNAMIC(CModelPropMatlDlg)

 public:
  explicit CModelPropMatlDlg(CWnd* pParent = nullptr);
  ~CModelPropMatlDlg() override;

  void SetModifyData(UINT nKey, const T_MATL_D& matl);
  void SetMatlID(UINT nKey);

  UINT GetMatlKey() const { return m_nMatlKey; }
  UINT GetOldKey() const { return m_nOldKey; }
  const T_MATL_D& GetMatl() const { return m_matl; }
  BOOL IsAutoChangeName() const { return m_bAutoChangeName; }

  // Type index (0 "S", 1 "C", 2 "SRC", 3 "U") of a type code, 0 for any other code; the
  // code of an index, empty outside 0 to 3.
  static int GetTypeIndex(const CString& type);
  static CString GetTypeCode(int index);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCmdBtnApply();
  void OnSelchangeCmdMpItemType();
  void OnSelchangeCmdMpItemCode();
  void OnSelchangeCmdMpItemCode2();
  void OnChangeSteelGrade();
  void OnChangeConcGrade();
  void OnChangeName();

  void InitCtrl();
  void Data2Dlg();
  BOOL Dlg2Data();
  BOOL Apply();
  CClassMatl* GetClassPtr() const;
  void GetDefaultCode();
  static BOOL IsExistInCodeList(const CString& code, const CStringArray& list);
  void CheckCode();
  void SetUnitType();
  void SetTypeCombo();
  void ChangeBitmap(int index);
  void ChangeDlgCtrls();
  void SetFrameName();
  void SetSteelCode();
  void SetConcrCode();
  void SetCode(CComboBox& combo, const char* kind);
  void SetNameCombo(CComboBox& combo, const CString& type, const CString& code);
  // Column 0 steel, 1 concrete.
  void SetAnalData(int column, const T_MATL_ANALYSIS& anal);
  BOOL GetAnalData(int column, T_MATL_ANALYSIS& anal);
  BOOL GetAnalDataFromDB(int column, T_MATL_ANALYSIS& anal);
  BOOL GetSteelData(const CString& code, const CString& grade, T_MATL_ANALYSIS& anal) const;
  BOOL GetConcrData(const CString& code, const CString& grade, T_MATL_ANALYSIS& anal) const;
  void SetAutoChangeNameFlag(const CString& type, const CString& name);

  UINT m_nMatlKey;
  UINT m_nOldKey;
  T_MATL_D m_matl;
  BOOL m_bModify;
  BOOL m_bPresetKey;
  BOOL m_bAutoChangeName;
  CString m_strDefSteelCode;
  CString m_strDefConcCode;
  CString m_strSrcSteelCode;
  CString m_strSrcConcCode;
  CBitmap* m_pTypeBitmap;
  CUIntArray m_aSteelCtrlIDs;
  CUIntArray m_aConcCtrlIDs;
  CUIntArray m_aSteelPropIDs;
  CUIntArray m_aConcPropIDs;

  CEditUnit m_editKey;
  CEditUnit m_editDamping;
  CComboBox m_cobxType;
  CComboBox m_cobxSteelCode;
  CComboBox m_cobxConcCode;
  CCobxAutoFill m_cobxSteelGrade;
  CCobxAutoFill m_cobxConcGrade;
  CStatic m_stPicture;
  CFoldGroupBox_Cross m_boxProp;
  CEditUnit m_editSteel[6];  // E, Poisson, thermal, unit weight, fak, fa
  CEditUnit m_editConc[8];   // E, Poisson, thermal, unit weight, fck, ftk, fc, ft
  CTextUnit m_textUnit[7];

 private:
  const CMatlDB* MatlDB() const;
  // The own column: 0 (steel) for Steel and SRC, 1 (concrete) for RC and User.
  int OwnColumn() const;
  T_MATL_ALL& ConcTarget();
  void SetPropsReadOnly(int column, BOOL bReadOnly);
  void EnableProps(int column, BOOL bEnable);
  CString ComboText(CComboBox& combo) const;
  void FollowGrade();
  BOOL ReadColumn(int column, T_MATL_ANALYSIS& anal);

  DECLARE_MESSAGE_MAP()
};
