#include "analysis/CCmdDetailSlabDirDlg.h"

#include <cmath>
#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "afx/CWinApp.h"
#include "db/CClassSdir.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/GMsg.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CCmdDetailSlabDirDlg, CDBDlgBase)

BEGIN_MESSAGE_MAP(CCmdDetailSlabDirDlg, CDBDlgBase)
  ON_BN_CLICKED(IDC_SDIR_AUTO, &CCmdDetailSlabDirDlg::OnCmdDetailSlabDirType)
  ON_BN_CLICKED(IDC_SDIR_USER, &CCmdDetailSlabDirDlg::OnCmdDetailSlabDirType)
  ON_BN_CLICKED(IDC_SDIR_APPLY, &CCmdDetailSlabDirDlg::OnCmdApply)
  ON_BN_CLICKED(IDC_SDIR_CLOSE, &CCmdDetailSlabDirDlg::OnCmdClose)
  ON_BN_CLICKED(IDC_SDIR_RUN, &CCmdDetailSlabDirDlg::OnCmdRun)
END_MESSAGE_MAP()

CCmdDetailSlabDirDlg::CCmdDetailSlabDirDlg(CWnd* pParent) : CDBDlgBase(IDD_CMD_DETAIL_SLAB_DIR, pParent) {}

void CCmdDetailSlabDirDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_SDIR_AUTO, m_nMode);
  DDX_Control(pDX, IDC_SDIR_ANGLE, m_editAngle);
}

BOOL CCmdDetailSlabDirDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  m_editAngle.SetUnitType(0);
  Data2Dlg();
  return TRUE;
}

void CCmdDetailSlabDirDlg::EnableAngle() {
  for (int id : {IDC_SDIR_ANGLE, IDC_SDIR_ANGLE_UNIT})
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(m_nMode == 1);
}

void CCmdDetailSlabDirDlg::Data2Dlg() {
  m_nMode = 1;
  UpdateData(FALSE);
  EnableAngle();
}

void CCmdDetailSlabDirDlg::OnCmdDetailSlabDirType() {
  UpdateData(TRUE);
  EnableAngle();
}

BOOL CCmdDetailSlabDirDlg::Dlg2Data(double& dAngle) {
  UpdateData(TRUE);
  dAngle = 0.0;
  const BOOL number = m_editAngle.GetEditValue(dAngle) && std::isfinite(dAngle);
  if (!number) dAngle = 0.0;
  if (!number && m_nMode == 1) {
    AfxMessageBox(GMakeMsg("IDS_CMD_SDIR_ANGLE_NOT_NUMBER"));
    m_editAngle.SetFocus();
    m_editAngle.SetSel(0, -1);
    return FALSE;
  }
  return TRUE;
}

int CCmdDetailSlabDirDlg::ApplyToSelection() {
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  if (!view) return 0;
  CUIntArray slabs, types;
  types.Add(CClassSdir::SLAB_TYPE);
  view->GetSelectedMemb(slabs, types, 1);
  if (slabs.GetSize() == 0) {
    AfxMessageBox(GMakeMsg("IDS_TM_No_Selected_Member"));
    return 0;
  }
  double angle = 0.0;
  if (!Dlg2Data(angle)) return 0;
  T_SDIR_D rec;
  rec.Initialize();
  rec.mode = m_nMode;
  rec.angle = angle;
  DB_CDataBase* db = m_pDBDoc ? m_pDBDoc->GetModelDB() : nullptr;
  auto* table = db ? static_cast<CClassSdir*>(db->GetClass(CClassSdir::m_nClassID)) : nullptr;
  if (!table || !table->TR_Replace(slabs, rec)) return 0;
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, CMD_REDRAW, 0);
  return 1;
}

void CCmdDetailSlabDirDlg::OnCmdApply() { ApplyToSelection(); }

void CCmdDetailSlabDirDlg::OnCmdClose() { DestroyWindow(); }

void CCmdDetailSlabDirDlg::OnCmdRun() {
  // The window ends with its object: nothing of it is touched after DestroyWindow.
  CWnd* main = AfxGetMainWnd();
  DestroyWindow();
  if (main) main->PostMessage(WM_COMMAND, CMD_OUTPUT_IN_DIRECTIONS, 0);
}
