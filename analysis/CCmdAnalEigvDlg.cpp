#include "analysis/CCmdAnalEigvDlg.h"

#include <algorithm>

#include "afx/AfxMessageBox.h"
#include "afx/CDC.h"
#include "afx/CSpinButtonCtrl.h"
#include "db/CClassEigv.h"
#include "db/CClassNllp.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"

IMPLEMENT_DYNAMIC(CCmdAnalEigvDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdAnalEigvDlg, CDlgMove)
  ON_WM_CTLCOLOR()
  ON_BN_CLICKED(IDC_EIGV_SUBSPACE, &CCmdAnalEigvDlg::OnAnaltypeRadio)
  ON_BN_CLICKED(IDC_EIGV_LANCZOS, &CCmdAnalEigvDlg::OnAnaltypeRadio)
  ON_BN_CLICKED(IDC_EIGV_AUTO, &CCmdAnalEigvDlg::OnAutoRadio)
  ON_BN_CLICKED(IDC_EIGV_USER, &CCmdAnalEigvDlg::OnAutoRadio)
  ON_BN_CLICKED(IDC_EIGV_LIMIT, &CCmdAnalEigvDlg::OnMaxNumOfFreq)
END_MESSAGE_MAP()

namespace {
const std::initializer_list<UINT> kMassGroup = {IDC_EIGV_MASS_LABEL, IDC_EIGV_MASS, IDC_EIGV_MASS_SPIN,
                                                IDC_EIGV_MASS_PERCENT};
const std::initializer_list<UINT> kSubspaceGroup = {IDC_EIGV_PARAM_BOX, IDC_EIGV_ITER_LABEL, IDC_EIGV_ITER,
                                                    IDC_EIGV_ITER_SPIN, IDC_EIGV_SIZE_LABEL, IDC_EIGV_SIZE,
                                                    IDC_EIGV_SIZE_SPIN, IDC_EIGV_TOL_LABEL, IDC_EIGV_TOL};
const std::initializer_list<UINT> kLimitGroup = {IDC_EIGV_LIMIT_BOX, IDC_EIGV_LIMIT, IDC_EIGV_MAX,
                                                 IDC_EIGV_MAX_SPIN, IDC_EIGV_DIR_BOX, IDC_EIGV_DX,
                                                 IDC_EIGV_DY, IDC_EIGV_RZ};
const std::initializer_list<UINT> kMethodRadios = {IDC_EIGV_LANCZOS, IDC_EIGV_SUBSPACE};
const std::initializer_list<UINT> kCountRadios = {IDC_EIGV_AUTO, IDC_EIGV_USER};
const std::initializer_list<UINT> kCountGroup = {IDC_EIGV_NUM, IDC_EIGV_NUM_SPIN};
const std::initializer_list<UINT> kMaxGroup = {IDC_EIGV_MAX, IDC_EIGV_MAX_SPIN};

// The whole-number edits: the field each fills and the spin's range.
struct IntEdit {
  UINT id, spin;
  int T_EIGV_D::*field;
  int lo, hi;
};
const IntEdit kIntEdits[] = {
    {IDC_EIGV_NUM, IDC_EIGV_NUM_SPIN, &T_EIGV_D::numFreq, 0, 1000},
    {IDC_EIGV_ITER, IDC_EIGV_ITER_SPIN, &T_EIGV_D::iterCount, 0, 1000},
    {IDC_EIGV_SIZE, IDC_EIGV_SIZE_SPIN, &T_EIGV_D::subspace, 0, 1000},
    {IDC_EIGV_MAX, IDC_EIGV_MAX_SPIN, &T_EIGV_D::maxModes, 0, 1000},
};
// The check boxes and their flags.
const struct {
  UINT id;
  int T_EIGV_D::*field;
} kChecks[] = {{IDC_EIGV_LIMIT, &T_EIGV_D::limitOn},
               {IDC_EIGV_DX, &T_EIGV_D::dx},
               {IDC_EIGV_DY, &T_EIGV_D::dy},
               {IDC_EIGV_RZ, &T_EIGV_D::rz}};
// Drawn red in model-check mode 8.
const UINT kCheckedTexts[] = {IDC_EIGV_NUM, IDC_EIGV_MASS, IDC_EIGV_MASS_LABEL};
constexpr int kCheckModeEigv = 8;

void Tell(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

CString Fmt(const char* f, double v) {
  CString s;
  s.Format(f, v);
  return s;
}
CString Fmt(const char* f, int v) {
  CString s;
  s.Format(f, v);
  return s;
}

DB_CDataBase* ModelDB() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? doc->GetModelDB() : nullptr;
}
template <class C>
C* Table() {
  DB_CDataBase* db = ModelDB();
  return db ? static_cast<C*>(db->GetClass(C::m_nClassID)) : nullptr;
}
}  // namespace

CCmdAnalEigvDlg::CCmdAnalEigvDlg(CWnd* pParent) : CDlgMove(IDD_CMD_ANAL_EIGV, pParent) { m_eigv.Initialize(); }

BOOL CCmdAnalEigvDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  CClassEigv* table = Table<CClassEigv>();
  if (!table || !table->Get(m_eigv)) m_eigv.Initialize();
  Data2Dlg();
  InitCtrls();
  EnableDisableCtrls();
  return TRUE;
}

void CCmdAnalEigvDlg::Data2Dlg() {
  for (const IntEdit& e : kIntEdits) SetDlgItemText(e.id, Fmt("%d", m_eigv.*e.field));
  SetDlgItemText(IDC_EIGV_TOL, Fmt("%g", m_eigv.tol));
  SetDlgItemText(IDC_EIGV_MASS, Fmt("%g", m_eigv.massSum));
  CDlgUtil::CtrlRadioSetCheck(this, kMethodRadios, m_eigv.type == 0 ? 1 : 0);
  CDlgUtil::CtrlRadioSetCheck(this, kCountRadios, m_eigv.freqMode == 0 ? 0 : 1);
  for (const auto& c : kChecks) CheckDlgButton(c.id, m_eigv.*c.field == 1 ? 1 : 0);
}

void CCmdAnalEigvDlg::InitCtrls() {
  CRect param, limit;
  CWnd* pParam = GetDlgItem(IDC_EIGV_PARAM_BOX);
  CWnd* pLimit = GetDlgItem(IDC_EIGV_LIMIT_BOX);
  if (pParam && pLimit) {
    pParam->GetWindowRect(&param);
    pLimit->GetWindowRect(&limit);
    CUIntArray ids;
    for (UINT id : kLimitGroup) ids.Add(id);
    CDlgUtil::CtrlMoveDistY(this, ids, param.bottom - limit.bottom);
  }
  for (const IntEdit& e : kIntEdits)
    if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(e.spin))) spin->SetRange32(e.lo, e.hi);
  if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_EIGV_MASS_SPIN))) spin->SetRange32(0, 100);
}

void CCmdAnalEigvDlg::EnableDisableCtrls() {
  const BOOL bLanczos = CDlgUtil::CtrlRadioGetCheck(this, kMethodRadios) != 1;
  CDlgUtil::CtrlShowHide(this, kLimitGroup, bLanczos);
  CDlgUtil::CtrlShowHide(this, kSubspaceGroup, !bLanczos);
  if (!bLanczos) CDlgUtil::CtrlRadioSetCheck(this, kCountRadios, 1);
  CDlgUtil::CtrlEnableDisable(this, {IDC_EIGV_AUTO}, bLanczos);
  const BOOL bAuto = CDlgUtil::CtrlRadioGetCheck(this, kCountRadios) == 0;
  CDlgUtil::CtrlEnableDisable(this, kMassGroup, bAuto);
  CDlgUtil::CtrlEnableDisable(this, kLimitGroup, bAuto);
  CDlgUtil::CtrlEnableDisable(this, kCountGroup, !bAuto);
  if (bAuto) CDlgUtil::CtrlEnableDisable(this, kMaxGroup, IsDlgButtonChecked(IDC_EIGV_LIMIT) == 1);
}

void CCmdAnalEigvDlg::OnAnaltypeRadio() {
  m_bTypeChosen = TRUE;
  EnableDisableCtrls();
}
void CCmdAnalEigvDlg::OnAutoRadio() { EnableDisableCtrls(); }
void CCmdAnalEigvDlg::OnMaxNumOfFreq() { EnableDisableCtrls(); }

int CCmdAnalEigvDlg::GetAnalType() const {
  return CDlgUtil::CtrlRadioGetCheck(const_cast<CCmdAnalEigvDlg*>(this), kMethodRadios) == 1 ? 0 : 2;
}

BOOL CCmdAnalEigvDlg::Dlg2Data() {
  T_EIGV_D rec = m_eigv;
  for (const IntEdit& e : kIntEdits) {
    CString text;
    GetDlgItemText(e.id, text);
    int n = 0;
    if (!CStringParser::GetINumber(text, n)) continue;
    if (n < e.lo) {
      Tell("IDS_CMD_EIGV_ERROR_Negative");
      if (CWnd* w = GetDlgItem(e.id)) w->SetFocus();
      return FALSE;
    }
    rec.*e.field = n;
  }
  CString text;
  GetDlgItemText(IDC_EIGV_TOL, text);
  CStringParser::GetFloatNumber(text, rec.tol);
  rec.freqMode = CDlgUtil::CtrlRadioGetCheck(this, kCountRadios) == 0 ? 0 : 1;
  if (rec.freqMode == 0) {
    GetDlgItemText(IDC_EIGV_MASS, text);
    int n = 0;
    if (!CStringParser::GetINumber(text, n)) {
      Tell("IDS_WG_CMD_EIGV_INPUT_ERROR_NOT_INTEGER");
      if (CWnd* w = GetDlgItem(IDC_EIGV_MASS)) w->SetFocus();
      return FALSE;
    }
    rec.massSum = n;
  }
  if (m_bTypeChosen || m_eigv.type != 1) rec.type = GetAnalType();
  for (const auto& c : kChecks) rec.*c.field = IsDlgButtonChecked(c.id) == 1 ? 1 : 0;
  if (rec.dx != 1 && rec.dy != 1) {
    Tell("IDS_CMD_EIGV_MPF_DIR_ERROR");
    return FALSE;
  }
  m_eigv = rec;
  return TRUE;
}

void CCmdAnalEigvDlg::OnOK() {
  if (!Dlg2Data()) return;
  CClassEigv* table = Table<CClassEigv>();
  if (!table || !table->Add(m_eigv)) return;
  CDialog::OnOK();
}

HBRUSH CCmdAnalEigvDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH hbr = CDlgMove::OnCtlColor(pDC, pWnd, nCtlColor);
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (pDC && pWnd && doc && doc->IsTracerMode() && doc->GetCheckMode() == kCheckModeEigv &&
      std::find(std::begin(kCheckedTexts), std::end(kCheckedTexts), (UINT)pWnd->GetDlgCtrlID()) !=
          std::end(kCheckedTexts))
    pDC->SetTextColor(RGB(255, 0, 0));
  return hbr;
}

int CCmdAnalEigvDlg::GetNumEigv(const T_EIGV_D& rec) {
  switch (rec.type) {
    case 0:
    case 2:
      if (rec.freqMode == 0) {
        CClassEigv* table = Table<CClassEigv>();
        return table ? table->GetNumEigv() : 0;
      }
      return rec.numFreq;
    case 1: {
      int n = 0;
      for (const T_EIGV_LC& e : rec.lcVec) {
        if (e.lc == 0) break;
        n += e.count;
      }
      if (rec.nlnkOn == 1) n += CalcEigvNlnkForceVectors() * rec.nlnkVec;
      return n;
    }
    default:
      return rec.numFreq;
  }
}

int CCmdAnalEigvDlg::CalcEigvNlnkForceVectors() {
  CClassNlnk* links = Table<CClassNlnk>();
  if (!links) return 0;
  int n = 0;
  POSITION pos = links->DB_GetStart();
  UINT key = 0;
  T_NLNK_D link;
  while (pos && links->GetNextData(pos, key, link)) {
    T_NLLP_D prop;
    if (!GetNllp(link.nllp, prop)) continue;
    for (int i = 0; i < NLLP_DOF_COUNT && prop.nlFlags[i] != '\0'; ++i)
      if (prop.nlFlags[i] == '1') ++n;
  }
  return n;
}

BOOL CCmdAnalEigvDlg::GetNllp(UINT key, T_NLLP_D& rec) {
  CClassNllp* props = Table<CClassNllp>();
  return props && props->Get(key, rec);
}
