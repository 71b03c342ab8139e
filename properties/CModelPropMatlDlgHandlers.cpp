// The material editor's answers to the engineer: type, code, grade and name changes.
#include "db/CClassMatl.h"
#include "db/CMatlDB.h"
#include "properties/CModelPropMatlDlg.h"
#include "properties/CModelPropMatlTypes.h"
#include "ui/CDlgUtil.h"

using namespace MatlTypes;

void CModelPropMatlDlg::OnSelchangeCmdMpItemType() {
  const int index = (int)CDlgUtil::CobxGetItemDataByCurSel(&m_cobxType, 1);
  m_matl.type = GetTypeCode(index);
  m_matl.matl1.Initialize();
  m_matl.matl2.Initialize();
  const TypeRow& t = TypeOf(m_matl.type);
  const CString& type = m_matl.type;
  if (type == "C") {
    m_matl.matl1.code = m_strDefConcCode;
  } else if (type == "S") {
    m_matl.matl1.code = m_strDefSteelCode;
  } else if (type == "SRC") {
    m_matl.matl1.code = m_strSrcSteelCode;
    m_matl.matl2.code = m_strSrcConcCode;
  }
  m_matl.damping = t.damping;

  ChangeBitmap(index);
  ChangeDlgCtrls();
  Data2Dlg();
  if (type == "C") OnSelchangeCmdMpItemCode2();
  else if (type == "S") OnSelchangeCmdMpItemCode();
  if (type == "U") {
    m_boxProp.SetState(0);
    m_cobxConcGrade.EnableWindow(FALSE);
    EnableProps(1, TRUE);
    EnableProps(0, FALSE);
  }
  SetDlgItemText(IDC_MP_MATL_NAME, "");
  // The standards give the values: read-only, except for a user material and for a
  // column without a code, whose values are typed.
  const BOOL bUser = type == "U";
  const BOOL bSteelTyped = OwnColumn() == 0 && m_matl.matl1.code.IsEmpty();
  const BOOL bConcTyped = (OwnColumn() == 1 ? m_matl.matl1.code : m_matl.matl2.code).IsEmpty() && type != "S";
  SetPropsReadOnly(0, !bUser && !bSteelTyped);
  SetPropsReadOnly(1, !bUser && !bConcTyped);
}

void CModelPropMatlDlg::OnSelchangeCmdMpItemCode() {
  const CString& type = m_matl.type;
  if (type != "S" && type != "SRC") {
    // The steel column belongs to no sub-material of these types.
    m_cobxSteelGrade.EnableWindow(FALSE);
    CDlgUtil::CtrlEnableDisable(this, m_aSteelCtrlIDs, FALSE);
    return;
  }
  CString text = ComboText(m_cobxSteelCode);
  const BOOL bNone = text == kNone;
  SetPropsReadOnly(0, !bNone);
  if (!bNone) {
    m_cobxSteelGrade.EnableWindow(TRUE);
  } else {
    m_boxProp.SetState(0);
    m_cobxSteelGrade.EnableWindow(FALSE);
    EnableProps(0, TRUE);
    text.Empty();
  }
  m_matl.matl1.grade.Empty();
  m_matl.matl1.code = text;
  SetNameCombo(m_cobxSteelGrade, type, text);
  SetAnalData(0, m_matl.matl1.anal);
}

void CModelPropMatlDlg::OnSelchangeCmdMpItemCode2() {
  const CString& type = m_matl.type;
  if (type == "S") return;  // no sub-material lives in the concrete column
  T_MATL_ALL& target = ConcTarget();
  CString text = ComboText(m_cobxConcCode);
  const BOOL bNone = text == kNone;
  SetPropsReadOnly(1, !bNone && type != "U");
  if (!bNone) {
    m_cobxConcGrade.EnableWindow(TRUE);
    target.Initialize();
  } else {
    m_boxProp.SetState(0);
    text.Empty();
    m_cobxConcGrade.EnableWindow(FALSE);
    EnableProps(1, TRUE);
    target.grade.Empty();
  }
  target.code = text;
  SetNameCombo(m_cobxConcGrade, type, text);
  SetAnalData(1, target.anal);
}

BOOL CModelPropMatlDlg::GetSteelData(const CString& code, const CString& grade, T_MATL_ANALYSIS& anal) const {
  CClassMatl* table = GetClassPtr();
  return table && table->GetSteelDataByMatlCodeName(code, grade, anal);
}

BOOL CModelPropMatlDlg::GetConcrData(const CString& code, const CString& grade, T_MATL_ANALYSIS& anal) const {
  CClassMatl* table = GetClassPtr();
  return table && table->GetConcreteDataByMatlCodeName(code, grade, anal);
}

void CModelPropMatlDlg::FollowGrade() {
  if (!m_bAutoChangeName) return;
  CString name = m_matl.matl1.grade;
  if (m_matl.type == "SRC") name.Format("%s/%s", (LPCTSTR)m_matl.matl2.grade, (LPCTSTR)m_matl.matl1.grade);
  m_matl.name = name;
  SetDlgItemText(IDC_MP_MATL_NAME, name);
}

void CModelPropMatlDlg::OnChangeSteelGrade() {
  T_MATL_ALL& m = m_matl.matl1;
  m.grade = ComboText(m_cobxSteelGrade);
  CString kind = "S";
  if (m_matl.type == "U") MatlDB()->GetMatlType(m.code, kind);
  m.anal.Initialize();
  if (kind == "S") GetSteelData(m.code, m.grade, m.anal);
  else if (kind == "C") GetConcrData(m.code, m.grade, m.anal);
  SetAnalData(0, m.anal);
  FollowGrade();
}

void CModelPropMatlDlg::OnChangeConcGrade() {
  if (m_matl.type == "S") return;
  T_MATL_ALL& m = ConcTarget();
  m.grade = ComboText(m_cobxConcGrade);
  CString kind = "C";
  if (m_matl.type == "U") MatlDB()->GetMatlType(m.code, kind);
  m.anal.Initialize();
  if (kind == "S") GetSteelData(m.code, m.grade, m.anal);
  else if (kind == "C" || kind == "U") GetConcrData(m.code, m.grade, m.anal);
  SetAnalData(1, m.anal);
  FollowGrade();
}

void CModelPropMatlDlg::OnChangeName() {
  CString name;
  GetDlgItemText(IDC_MP_MATL_NAME, name);
  m_matl.name = name;
  SetAutoChangeNameFlag(m_matl.type, name);
}

void CModelPropMatlDlg::SetAutoChangeNameFlag(const CString& type, const CString& name) {
  CString considered = name;
  if (type == "SRC") {
    const int slash = name.Find('/');
    if (slash >= 0) {
      considered = name.Left(slash);
      considered.Trim();
      if (considered.IsEmpty()) considered = name.Mid(slash + 1);
    }
    considered.Trim();
  }
  if (considered.IsEmpty()) {
    m_bAutoChangeName = TRUE;
    return;
  }
  m_bAutoChangeName = FALSE;
  CStringArray codes;
  MatlDB()->GetDesignCodeList("U", codes);
  for (INT_PTR i = 0; i < codes.GetSize() && !m_bAutoChangeName; ++i) {
    CString kind;
    MatlDB()->GetMatlType(codes[i], kind);
    if (kind == "S") {
      T_MATL_STEEL s;
      m_bAutoChangeName = MatlDB()->GetSteelData(codes[i], considered, s);
    } else if (kind == "C") {
      T_MATL_CONCRETE c;
      m_bAutoChangeName = MatlDB()->GetConcreteData(codes[i], considered, c);
    }
  }
}
