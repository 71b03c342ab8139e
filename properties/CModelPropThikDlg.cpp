#include "properties/CModelPropThikDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "db/CSectUtil.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CModelPropThikDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CModelPropThikDlg, CDlgMove)
  ON_BN_CLICKED(IDC_MP_APPLY, &CModelPropThikDlg::OnCmdBtnApply)
  ON_EN_CHANGE(IDC_MP_THIK_THICK, &CModelPropThikDlg::OnChangeCmdThickEdit)
END_MESSAGE_MAP()

const char* const CModelPropThikDlg::kPresets[11] = {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6",
                                                     "0.7", "0.8", "0.9", "1.0", "1.1"};

namespace {
void Tell(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }
}  // namespace

CModelPropThikDlg::CModelPropThikDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_PROP_THIK, pParent),
      m_nThikKey(0),
      m_nOldKey(0),
      m_bModify(FALSE),
      m_bPresetKey(FALSE),
      m_bReady(FALSE) {
  m_thik.Initialize();
  m_aThikCtrlIDs.Add(IDC_MP_THIK_THICK);
  m_aThikCtrlIDs.Add(IDC_MP_THIK_UNIT);
}

void CModelPropThikDlg::SetModifyData(UINT nKey, const T_THIK_D& thik) {
  m_nThikKey = m_nOldKey = nKey;
  m_thik = thik;
  m_bModify = TRUE;
}

void CModelPropThikDlg::SetThikID(UINT nKey) {
  m_nThikKey = m_nOldKey = nKey;
  m_bPresetKey = TRUE;
}

CClassThik* CModelPropThikDlg::GetClassPtr() const {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassThik*>(db->GetClass(CClassThik::m_nClassID)) : nullptr;
}

double CModelPropThikDlg::GetSizeTolerance() const {
  T_PREFERENCE pref;
  if (CDBDoc::m_pDBDoc) CDBDoc::m_pDBDoc->GetInitCtrl()->GetPreference(pref);
  return pref.sizeTolerance;
}

void CModelPropThikDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MP_THIK_NUMBER, m_editKey);
  DDX_Control(pDX, IDC_MP_THIK_THICK, m_editThick);
  DDX_Control(pDX, IDC_MP_THIK_UNIT, m_textUnit);
}

BOOL CModelPropThikDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  SetUnitType();
  InitControl();
  if (!m_bModify) {
    if (!m_bPresetKey) {
      CClassThik* table = GetClassPtr();
      m_nThikKey = m_nOldKey = table ? table->GetNewKey() : 1;
    }
    m_thik.Initialize();
  }
  DataToDlg();
  m_editThick.SetFocus();
  m_bReady = TRUE;
  return TRUE;
}

void CModelPropThikDlg::InitControl() {
  CStringArray presets;
  for (const char* p : kPresets) presets.Add(p);
  m_editThick.SetSizeList(presets);
}

void CModelPropThikDlg::SetUnitType() {
  m_editKey.SetUnitType(0);
  m_editThick.SetUnitType(T_THIK_D::unit);
  m_textUnit.SetUnitType(T_THIK_D::unit);
}

void CModelPropThikDlg::DataToDlg() {
  m_editKey.SetEditUnit(m_nThikKey);
  SetDlgItemText(IDC_MP_THIK_NAME, m_thik.name);
  m_editThick.SetEditUnit(m_thik.thick1);
  CDlgUtil::CtrlEnableDisable(this, m_aThikCtrlIDs, TRUE);
}

void CModelPropThikDlg::RefuseThickness() {
  Tell("IDS_CMD_MP_Thickness_must_be_positive");
  m_editThick.SetEditUnit(0.0);
  m_editThick.SetFocus();
}

void CModelPropThikDlg::OnChangeCmdThickEdit() {
  double t = 0.0;
  const BOOL bNumber = m_editThick.GetEditValue(t);
  if (m_bReady && m_editThick.IsWindowEnabled() && bNumber && t < -GetSizeTolerance()) {
    RefuseThickness();
    return;
  }
  if (m_bModify) return;
  const CString name = CSectUtil::AutoFillThikName(0, t, 0.0);
  if (!name.IsEmpty()) SetDlgItemText(IDC_MP_THIK_NAME, name);
}

BOOL CModelPropThikDlg::DlgToData() {
  int key = 0;
  if (!m_editKey.GetEditValue(key) || key <= 0) {
    Tell("IDS_CMD_MP_Error_Invalid_ID");
    return FALSE;
  }
  double t = 0.0;
  if (!m_editThick.GetEditValue(t)) {
    Tell("IDS_CMD_MP_Error_Invalid_InOut_Plane");
    return FALSE;
  }
  m_nThikKey = (UINT)key;
  m_thik.type = 0;
  GetDlgItemText(IDC_MP_THIK_NAME, m_thik.name);
  m_thik.thick1 = t;
  return TRUE;
}

BOOL CModelPropThikDlg::Write() {
  // A text that is no number is told by DlgToData, with its own message.
  double t = 0.0;
  if (m_editThick.IsWindowEnabled() && m_editThick.GetEditValue(t) && !(t >= GetSizeTolerance())) {
    RefuseThickness();
    return FALSE;
  }
  // The record is built on a copy: a refusal leaves the dialog's record as it was.
  const T_THIK_D kept = m_thik;
  const UINT keptKey = m_nThikKey;
  CClassThik* table = GetClassPtr();
  BOOL ok = DlgToData() && table;
  if (ok) {
    T_THIK_D rec = m_thik;
    rec.key = m_nThikKey;
    // A new record never replaces another: a key in use is refused by the table.
    ok = m_bModify ? table->TR_Modify(m_nOldKey, m_nThikKey, rec) : table->TR_Add(rec);
  }
  if (!ok) {
    m_thik = kept;
    m_nThikKey = keptKey;
  }
  return ok;
}

void CModelPropThikDlg::OnOK() {
  if (Write()) EndDialog(IDOK);
}

void CModelPropThikDlg::OnCmdBtnApply() {
  if (!Write()) return;
  if (m_bModify) {
    m_nOldKey = m_nThikKey;
    return;
  }
  CClassThik* table = GetClassPtr();
  m_nThikKey = m_nOldKey = table ? table->GetNewKey() : m_nThikKey + 1;
  m_thik.name.Empty();
  DataToDlg();
}
