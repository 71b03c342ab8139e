#include "properties/CModelPropMatlDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "afx/CGdiObject.h"
#include "db/CClassMatl.h"
#include "db/CDBDoc.h"
#include "db/CMatlDB.h"
#include "properties/CModelPropMatlTypes.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CModelPropMatlDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CModelPropMatlDlg, CDlgMove)
  ON_BN_CLICKED(IDC_MP_APPLY, &CModelPropMatlDlg::OnCmdBtnApply)
  ON_CBN_SELCHANGE(IDC_MP_MATL_TYPE, &CModelPropMatlDlg::OnSelchangeCmdMpItemType)
  ON_CBN_SELCHANGE(IDC_MP_STEEL_CODE, &CModelPropMatlDlg::OnSelchangeCmdMpItemCode)
  ON_CBN_SELCHANGE(IDC_MP_CONC_CODE, &CModelPropMatlDlg::OnSelchangeCmdMpItemCode2)
  ON_CBN_SELCHANGE(IDC_MP_STEEL_GRADE, &CModelPropMatlDlg::OnChangeSteelGrade)
  ON_CBN_SELCHANGE(IDC_MP_CONC_GRADE, &CModelPropMatlDlg::OnChangeConcGrade)
  ON_EN_CHANGE(IDC_MP_MATL_NAME, &CModelPropMatlDlg::OnChangeName)
END_MESSAGE_MAP()

using namespace MatlTypes;

namespace {
const UINT kSteelCtrls[] = {14207, 16333, 16334, 14407, 14408, 14236, 14255, 14269, 14288, 14412,
                            16398, 16399, 16409, 16460, 16402, 16294, 16410, 16298, 16297};
const UINT kConcCtrls[] = {16330, 16331, 16332, 14409, 14410, 14413, 14302, 14376, 14393,
                           14401, 16335, 16336, 16338, 16289, 16340, 16290, 16293, 16337,
                           16339, 16291, 16341, 16292, 16295, 16461, 16462};
const UINT kUnitLabels[] = {IDC_MP_E_UNIT,  IDC_MP_POISSON_UNIT, IDC_MP_THERMAL_UNIT, IDC_MP_WEIGHT_UNIT,
                            IDC_MP_FC_UNIT, IDC_MP_FT_UNIT,      IDC_MP_FA_UNIT};
// The analysis field each label names the unit of: E, Poisson, thermal, unit weight, fck,
// fc, fak.
const int kUnitLabelField[] = {0, 1, 2, 3, 4, 7, 6};
}  // namespace

CModelPropMatlDlg::CModelPropMatlDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_PROP_MATL, pParent),
      m_nMatlKey(0),
      m_nOldKey(0),
      m_bModify(FALSE),
      m_bPresetKey(FALSE),
      m_bAutoChangeName(FALSE),
      m_pTypeBitmap(nullptr) {
  m_matl.Initialize();
  for (UINT id : kSteelCtrls) m_aSteelCtrlIDs.Add(id);
  for (UINT id : kConcCtrls) m_aConcCtrlIDs.Add(id);
  for (const PropField& f : kSteelProps) m_aSteelPropIDs.Add(f.nID);
  for (const PropField& f : kConcProps) m_aConcPropIDs.Add(f.nID);
}

CModelPropMatlDlg::~CModelPropMatlDlg() { delete m_pTypeBitmap; }

void CModelPropMatlDlg::SetModifyData(UINT nKey, const T_MATL_D& matl) {
  m_nMatlKey = m_nOldKey = nKey;
  m_matl = matl;
  m_bModify = TRUE;
}

void CModelPropMatlDlg::SetMatlID(UINT nKey) {
  m_nMatlKey = m_nOldKey = nKey;
  m_bPresetKey = TRUE;
}

int CModelPropMatlDlg::GetTypeIndex(const CString& type) {
  for (int i = 0; i < 4; ++i)
    if (type == T_MATL_D::typeCodes[i]) return i;
  return 0;
}

CString CModelPropMatlDlg::GetTypeCode(int index) {
  return index >= 0 && index < 4 ? CString(T_MATL_D::typeCodes[index]) : CString();
}

CClassMatl* CModelPropMatlDlg::GetClassPtr() const {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID)) : nullptr;
}

const CMatlDB* CModelPropMatlDlg::MatlDB() const {
  const CMatlDB* db = CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetMatlDB() : nullptr;
  return db ? db : CMatlDB::GetDefault();
}

int CModelPropMatlDlg::OwnColumn() const { return OwnColumnOf(m_matl.type); }

T_MATL_ALL& CModelPropMatlDlg::ConcTarget() { return m_matl.type == "SRC" ? m_matl.matl2 : m_matl.matl1; }

void CModelPropMatlDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MP_MATL_NUMBER, m_editKey);
  DDX_Control(pDX, IDC_MP_DAMPING, m_editDamping);
  DDX_Control(pDX, IDC_MP_MATL_TYPE, m_cobxType);
  DDX_Control(pDX, IDC_MP_STEEL_CODE, m_cobxSteelCode);
  DDX_Control(pDX, IDC_MP_CONC_CODE, m_cobxConcCode);
  DDX_Control(pDX, IDC_MP_STEEL_GRADE, m_cobxSteelGrade);
  DDX_Control(pDX, IDC_MP_CONC_GRADE, m_cobxConcGrade);
  DDX_Control(pDX, IDC_MP_MATL_PICTURE, m_stPicture);
  for (int i = 0; i < 6; ++i) DDX_Control(pDX, (int)kSteelProps[i].nID, m_editSteel[i]);
  for (int i = 0; i < 8; ++i) DDX_Control(pDX, (int)kConcProps[i].nID, m_editConc[i]);
  for (int i = 0; i < 7; ++i) DDX_Control(pDX, (int)kUnitLabels[i], m_textUnit[i]);
}

BOOL CModelPropMatlDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  GetDefaultCode();
  SetUnitType();
  if (!m_bModify) {
    if (!m_bPresetKey) {
      CClassMatl* table = GetClassPtr();
      m_nMatlKey = m_nOldKey = table ? table->GetNewKey() : 1;
    }
    m_matl.Initialize();
    m_matl.type = "C";
    m_matl.matl1.code = m_strDefConcCode;
    m_matl.damping = 0.05;
  }
  InitCtrl();
  Data2Dlg();
  SetAutoChangeNameFlag(m_matl.type, m_matl.name);
  return TRUE;
}

void CModelPropMatlDlg::GetDefaultCode() {
  CStringArray steel, conc;
  MatlDB()->GetDesignCodeList("S", steel);
  MatlDB()->GetDesignCodeList("C", conc);
  T_PREFERENCE pref;
  if (CDBDoc::m_pDBDoc) CDBDoc::m_pDBDoc->GetInitCtrl()->GetPreference(pref);
  m_strDefSteelCode = pref.defSteelCode;
  m_strDefConcCode = pref.defConcreteCode;
  if (!m_strDefSteelCode.IsEmpty() && !IsExistInCodeList(m_strDefSteelCode, steel)) m_strDefSteelCode.Empty();
  if (!m_strDefConcCode.IsEmpty() && !IsExistInCodeList(m_strDefConcCode, conc)) m_strDefConcCode.Empty();
  m_strSrcSteelCode = !m_strDefSteelCode.IsEmpty() ? m_strDefSteelCode : steel.GetSize() ? steel[0] : CString();
  m_strSrcConcCode = !m_strDefConcCode.IsEmpty() ? m_strDefConcCode : conc.GetSize() ? conc[0] : CString();
  CheckCode();
}

BOOL CModelPropMatlDlg::IsExistInCodeList(const CString& code, const CStringArray& list) {
  for (INT_PTR i = 0; i < list.GetSize(); ++i)
    if (list[i] == code) return TRUE;
  return FALSE;
}

void CModelPropMatlDlg::CheckCode() {
  // Each stored code against the list its combo offers; a missing one is told and cleared.
  auto check = [this](CString& code, const char* kind, const char* key) {
    if (code.IsEmpty()) return;
    CStringArray list;
    MatlDB()->GetDesignCodeList(kind, list);
    if (IsExistInCodeList(code, list)) return;
    AfxMessageBox(GMakeMsg(key, (LPCTSTR)code));
    code.Empty();
  };
  const char* const kSteelMsg = "IDS_WG_CMD_MP_ERROR_Steel_Code_not_exist_in_DB";
  const char* const kConcMsg = "IDS_WG_CMD_MP_ERROR_Concrets_Code_not_exist_in_DB";
  if (m_matl.type == "S") {
    check(m_matl.matl1.code, "S", kSteelMsg);
  } else if (m_matl.type == "C") {
    check(m_matl.matl1.code, "C", kConcMsg);
  } else if (m_matl.type == "U") {
    check(m_matl.matl1.code, "U", "IDS_WG_CMD_MP_ERROR_User_Code_not_exist_in_DB");
  } else if (m_matl.type == "SRC") {
    check(m_matl.matl1.code, "S", kSteelMsg);
    check(m_matl.matl2.code, "C", kConcMsg);
  }
}

void CModelPropMatlDlg::SetUnitType() {
  m_editKey.SetUnitType(0);
  m_editDamping.SetUnitType(0);
  for (int i = 0; i < 6; ++i) m_editSteel[i].SetUnitType(T_MATL_ANALYSIS::unit[kSteelProps[i].nField]);
  for (int i = 0; i < 8; ++i) m_editConc[i].SetUnitType(T_MATL_ANALYSIS::unit[kConcProps[i].nField]);
  for (int i = 0; i < 7; ++i) m_textUnit[i].SetUnitType(T_MATL_ANALYSIS::unit[kUnitLabelField[i]]);
}

void CModelPropMatlDlg::SetTypeCombo() {
  m_cobxType.ResetContent();
  for (const TypeRow& t : kTypes) CDlgUtil::CobxAddItem(&m_cobxType, t.text, (DWORD_PTR)t.nIndex);
  CDlgUtil::CobxSetCurSelItemData(&m_cobxType, 1);  // RC
}

void CModelPropMatlDlg::InitCtrl() {
  SetTypeCombo();
  m_boxProp.Initialize(this, IDD_CMD_PROP_MATL, IDC_MP_PROP_BOX);
  m_boxProp.SetState(1);
  ChangeDlgCtrls();
}

void CModelPropMatlDlg::ChangeBitmap(int index) {
  CBitmap* bmp = new CBitmap;
  if (!bmp->LoadBitmap(IDB_MP_TYPE_STEEL + (UINT)index)) {
    delete bmp;
    bmp = nullptr;
  }
  // The static holds the new picture before the old one goes.
  m_stPicture.SetBitmap(bmp ? (HBITMAP)*bmp : nullptr);
  delete m_pTypeBitmap;
  m_pTypeBitmap = bmp;
}

void CModelPropMatlDlg::SetFrameName() {
  const CString title = CMsgDll::pfuncLoadStr(TypeOf(m_matl.type).frameTitle, 0);
  SetDlgItemText(IDC_MP_CONC_GROUP, title);
  SetDlgItemText(IDC_MP_CONC_TITLE, title);
}

void CModelPropMatlDlg::SetCode(CComboBox& combo, const char* kind) {
  combo.ResetContent();
  if (!kind) return;
  combo.AddString(kNone);
  CStringArray codes;
  MatlDB()->GetDesignCodeList(kind, codes);
  for (INT_PTR i = 0; i < codes.GetSize(); ++i) combo.AddString(codes[i]);
}

void CModelPropMatlDlg::SetSteelCode() { SetCode(m_cobxSteelCode, TypeOf(m_matl.type).steelCodes); }

void CModelPropMatlDlg::SetConcrCode() { SetCode(m_cobxConcCode, TypeOf(m_matl.type).concCodes); }

void CModelPropMatlDlg::SetPropsReadOnly(int column, BOOL bReadOnly) {
  if (column == 0)
    for (CEditUnit& e : m_editSteel) e.SetReadOnly(bReadOnly);
  else
    for (CEditUnit& e : m_editConc) e.SetReadOnly(bReadOnly);
}

void CModelPropMatlDlg::EnableProps(int column, BOOL bEnable) {
  CDlgUtil::CtrlEnableDisable(this, column == 0 ? m_aSteelPropIDs : m_aConcPropIDs, bEnable);
}

void CModelPropMatlDlg::ChangeDlgCtrls() {
  SetDlgItemText(IDC_MP_MATL_NAME, m_matl.name);
  CDlgUtil::CobxSetCurSelItemData(&m_cobxType, (DWORD_PTR)GetTypeIndex(m_matl.type));
  SetFrameName();
  SetSteelCode();
  SetConcrCode();
  const BOOL bSteel = m_matl.type == "S" || m_matl.type == "SRC";
  const BOOL bConc = m_matl.type != "S";
  CDlgUtil::CtrlEnableDisable(this, m_aSteelCtrlIDs, bSteel);
  CDlgUtil::CtrlEnableDisable(this, m_aConcCtrlIDs, bConc);
  const int own = OwnColumn();
  const BOOL bUser = m_matl.type == "U";
  CComboBox& ownGrade = own == 0 ? (CComboBox&)m_cobxSteelGrade : (CComboBox&)m_cobxConcGrade;
  CComboBox& secondGrade = own == 0 ? (CComboBox&)m_cobxConcGrade : (CComboBox&)m_cobxSteelGrade;
  if (m_matl.matl1.code.IsEmpty()) {
    ownGrade.EnableWindow(FALSE);
  } else {
    SetPropsReadOnly(own, !bUser);
    SetPropsReadOnly(1 - own, bUser);
  }
  if (m_matl.matl2.code.IsEmpty()) secondGrade.EnableWindow(FALSE);
  else SetPropsReadOnly(1 - own, TRUE);
}

void CModelPropMatlDlg::SetNameCombo(CComboBox& combo, const CString& type, const CString& code) {
  combo.ResetContent();
  CString kind = type;
  if (type == "U" || type == "SRC") MatlDB()->GetMatlType(code, kind);
  CStringArray names;
  if (kind == "S") MatlDB()->GetSteelNameList(code, names);
  else if (kind == "C") MatlDB()->GetConcreteNameList(code, names);
  for (INT_PTR i = 0; i < names.GetSize(); ++i) combo.AddString(names[i]);
}

void CModelPropMatlDlg::Data2Dlg() {
  m_editKey.SetEditUnit(m_nMatlKey);
  const CString& type = m_matl.type;
  const int own = OwnColumn();
  const CString steelCode = own == 0 ? m_matl.matl1.code : CString();
  const CString concCode = type == "SRC" ? m_matl.matl2.code : own == 1 ? m_matl.matl1.code : CString();
  SetNameCombo(m_cobxSteelGrade, type, steelCode);
  SetNameCombo(m_cobxConcGrade, type, concCode);

  CComboBox& ownCode = own == 0 ? m_cobxSteelCode : m_cobxConcCode;
  CCobxAutoFill& ownGrade = own == 0 ? m_cobxSteelGrade : m_cobxConcGrade;
  if (m_matl.matl1.code.IsEmpty()) {
    if (ownCode.GetCount() > 0) ownCode.SetCurSel(0);
  } else {
    ownCode.SelectString(-1, m_matl.matl1.code);
    ownGrade.SelectStringExactNoCase(m_matl.matl1.grade);
  }
  SetAnalData(own, m_matl.matl1.anal);

  T_MATL_ANALYSIS none;
  none.Initialize();
  if (type == "SRC") {
    if (m_matl.matl2.code.IsEmpty()) {
      if (m_cobxConcCode.GetCount() > 0) m_cobxConcCode.SetCurSel(0);
    } else {
      m_cobxConcCode.SelectString(-1, m_matl.matl2.code);
      m_cobxConcGrade.SelectStringExactNoCase(m_matl.matl2.grade);
    }
    SetAnalData(1, m_matl.matl2.anal);
  } else {
    CComboBox& secondCode = own == 0 ? m_cobxConcCode : m_cobxSteelCode;
    if (secondCode.GetCount() > 0) secondCode.SetCurSel(0);
    SetAnalData(1 - own, none);
  }
  m_editDamping.SetEditUnit(m_matl.damping);
  ChangeBitmap(GetTypeIndex(type));
}

void CModelPropMatlDlg::SetAnalData(int column, const T_MATL_ANALYSIS& anal) {
  T_MATL_ANALYSIS a = anal;
  if (column == 0)
    for (int i = 0; i < 6; ++i) m_editSteel[i].SetEditUnit(AnalField(a, kSteelProps[i].nField), kSteelProps[i].format);
  else
    for (int i = 0; i < 8; ++i) m_editConc[i].SetEditUnit(AnalField(a, kConcProps[i].nField), kConcProps[i].format);
}

BOOL CModelPropMatlDlg::ReadColumn(int column, T_MATL_ANALYSIS& anal) {
  const int n = column == 0 ? 6 : 8;
  for (int i = 0; i < n; ++i) {
    CEditUnit& e = column == 0 ? m_editSteel[i] : m_editConc[i];
    const PropField& f = column == 0 ? kSteelProps[i] : kConcProps[i];
    double d = 0.0;
    if (!e.GetShownValue(d)) {
      AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MP_ERROR_Invalid_Property_Value", 0));
      e.SetFocus();
      return FALSE;
    }
    AnalField(anal, f.nField) = d;
  }
  return TRUE;
}

BOOL CModelPropMatlDlg::GetAnalData(int column, T_MATL_ANALYSIS& anal) { return ReadColumn(column, anal); }

CString CModelPropMatlDlg::ComboText(CComboBox& combo) const {
  CString s;
  const int sel = combo.GetCurSel();
  if (sel >= 0) combo.GetLBText(sel, s);
  else combo.GetWindowText(s);
  return s;
}

BOOL CModelPropMatlDlg::GetAnalDataFromDB(int column, T_MATL_ANALYSIS& anal) {
  CString code = ComboText(column == 0 ? m_cobxSteelCode : m_cobxConcCode);
  const CString grade = ComboText(column == 0 ? (CComboBox&)m_cobxSteelGrade : (CComboBox&)m_cobxConcGrade);
  if (code == kNone) code.Empty();
  BOOL ok = FALSE;
  if (column == 0) {
    T_MATL_STEEL s;
    ok = MatlDB()->GetSteelData(code, grade, s);
    if (ok) {
      anal.elastic = s.elastic;
      anal.poisson = s.poisson;
      anal.thermal = s.thermal;
      anal.unitWeight = s.unitWeight;
    }
  } else {
    T_MATL_CONCRETE c;
    ok = MatlDB()->GetConcreteData(code, grade, c);
    if (ok) {
      anal.elastic = c.elastic;
      anal.poisson = c.poisson;
      anal.thermal = c.thermal;
      anal.unitWeight = c.unitWeight;
      anal.fck = c.fck;
      anal.ftk = c.ftk;
      anal.fc = c.fc;
      anal.ft = c.ft;
    }
  }
  if (!ok) AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MP_ERROR_Invalid_Standard_and_Grade_Name", 0));
  return ok;
}

BOOL CModelPropMatlDlg::Dlg2Data() {
  // Everything is read into a copy: a refusal leaves the record and the key as they were.
  T_MATL_D rec = m_matl;
  rec.type = GetTypeCode((int)CDlgUtil::CobxGetItemDataByCurSel(&m_cobxType, 1));
  int key = 0;
  if (!m_editKey.GetEditValue(key) || key <= 0) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MP_ERROR_Invalid_Material_ID", 0));
    m_editKey.SetFocus();
    return FALSE;
  }
  const int own = OwnColumnOf(rec.type);
  CString name;
  GetDlgItemText(IDC_MP_MATL_NAME, name);
  name.Trim();
  if (name.IsEmpty() && rec.type != "SRC")
    name = ComboText(own == 0 ? (CComboBox&)m_cobxSteelGrade : (CComboBox&)m_cobxConcGrade);
  if (name.IsEmpty()) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MP_ERROR_Missing_Material_Name", 0));
    return FALSE;
  }
  rec.name = name;

  auto codeOf = [this](CComboBox& c) {
    CString s = ComboText(c);
    return s == kNone ? CString() : s;
  };
  CComboBox& ownCode = own == 0 ? m_cobxSteelCode : m_cobxConcCode;
  CComboBox& ownGrade = own == 0 ? (CComboBox&)m_cobxSteelGrade : (CComboBox&)m_cobxConcGrade;
  rec.matl1.code = codeOf(ownCode);
  rec.matl1.grade = ComboText(ownGrade);
  if (rec.type == "SRC") {
    rec.matl2.code = codeOf(m_cobxConcCode);
    rec.matl2.grade = ComboText(m_cobxConcGrade);
  }

  if (rec.type == "U") {
    if (!GetAnalData(1, rec.matl1.anal)) return FALSE;
  } else if (rec.matl1.code.IsEmpty()) {
    if (!GetAnalData(own, rec.matl1.anal)) return FALSE;
  } else if (!GetAnalDataFromDB(own, rec.matl1.anal)) {
    return FALSE;
  }
  if (rec.type == "SRC") {
    if (rec.matl2.code.IsEmpty()) {
      if (!GetAnalData(1, rec.matl2.anal)) return FALSE;
    } else if (!GetAnalDataFromDB(1, rec.matl2.anal)) {
      return FALSE;
    }
  }
  if (!m_editDamping.GetShownValue(rec.damping)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MP_ERROR_Invalid_Property_Value", 0));
    m_editDamping.SetFocus();
    return FALSE;
  }
  m_matl = rec;
  m_nMatlKey = (UINT)key;
  CString shown;
  GetDlgItemText(IDC_MP_MATL_NAME, shown);
  if (shown != m_matl.name) SetDlgItemText(IDC_MP_MATL_NAME, m_matl.name);
  return TRUE;
}

BOOL CModelPropMatlDlg::Apply() {
  if (!Dlg2Data()) return FALSE;
  CClassMatl* table = GetClassPtr();
  if (!table) return FALSE;
  T_MATL_D rec = m_matl;
  rec.key = m_nMatlKey;
  return m_bModify ? table->TR_Modify(m_nOldKey, m_nMatlKey, rec) : table->TR_Add(rec);
}

void CModelPropMatlDlg::OnOK() {
  if (Apply()) EndDialog(IDOK);
}

void CModelPropMatlDlg::OnCmdBtnApply() {
  if (!Apply()) return;
  if (m_bModify) {
    m_nOldKey = m_nMatlKey;
    return;
  }
  CClassMatl* table = GetClassPtr();
  m_nMatlKey = m_nOldKey = table ? table->GetNewKey() : m_nMatlKey + 1;
  m_matl.name.Empty();
  ChangeDlgCtrls();
  Data2Dlg();
}
