#include "loads/CCmdNamedSlabLoadDlg.h"

#include "afx/CDataExchange.h"
#include "db/CClassName.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdNamedSlabLoadDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdNamedSlabLoadDlg, CDlgMove)
  ON_BN_CLICKED(IDC_NSBL_CLOSE, &CCmdNamedSlabLoadDlg::OnCmdCancelBtn)
  ON_BN_CLICKED(IDC_NSBL_SLAB_SW, &CCmdNamedSlabLoadDlg::OnCmdSlabswBtn)
END_MESSAGE_MAP()

namespace {
bool ChangesNames(const DB_CDataBase& db) {
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos))
    if (u->m_nClassID == CClassName::m_nClassID) return true;
  return false;
}
}  // namespace

CCmdNamedSlabLoadDlg::CCmdNamedSlabLoadDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_NAMED_SLAB_LOAD, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr),
      m_pDB(m_pMDB ? m_pMDB->GetModelDB() : nullptr) {}

void CCmdNamedSlabLoadDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_NSBL_SELF_WEIGHT, m_staticSelfWeight);
}

BOOL CCmdNamedSlabLoadDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_grid.SubclassDlgItem(IDC_NSBL_GRID, this);
  m_grid.Initialize();
  SetData2Dlg();
  ChangeDlgControls();
  return TRUE;
}

void CCmdNamedSlabLoadDlg::SetData2Dlg() {
  UpdateData(FALSE);
  if (m_grid.m_hWnd) m_grid.FillGrid();
}

void CCmdNamedSlabLoadDlg::ChangeDlgControls() {
  if (m_staticSelfWeight.m_hWnd) m_staticSelfWeight.SetWindowText(CMsgDll::pfuncLoadStr("IDS_WG_CMD_LOAD_SL_USER_INPUT", 0));
}

void CCmdNamedSlabLoadDlg::UpdateBuffer(const DB_CDataBase& db) {
  if (!m_hWnd || !m_grid.m_hWnd || !db.HasUpdateRecords()) return;
  if (ChangesNames(db)) m_grid.RefreshNameChoices();
  m_grid.Replay(db);
}

void CCmdNamedSlabLoadDlg::OnDBUpdate(const DB_CDataBase& db) { UpdateBuffer(db); }

void CCmdNamedSlabLoadDlg::OnHint(LPARAM lHint, CObject* pHint) {
  if (!m_hWnd || !m_grid.m_hWnd || (lHint != 0 && lHint != 1 && lHint != 3)) return;
  const DB_CDataBase* db = m_grid.HintDB(pHint);
  if (!db || !db->HasUpdateRecords()) return;
  if (ChangesNames(*db)) m_grid.RefreshNameChoices();
  m_grid.FillGrid();
}

void CCmdNamedSlabLoadDlg::OnCmdCancelBtn() { CDialog::OnCancel(); }
