#include "loads/CCmdBeamLoadTypeDlg.h"

#include "afx/CFileDialog.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "loads/CMembLoadImport.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCmdBeamLoadTypeDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdBeamLoadTypeDlg, CDlgMove)
  ON_BN_CLICKED(IDC_BLTP_IMPORT, &CCmdBeamLoadTypeDlg::OnCmdImportBtn)
  ON_BN_CLICKED(IDC_BLTP_CLOSE, &CCmdBeamLoadTypeDlg::OnCmdClose)
  ON_BN_CLICKED(IDC_BLTP_LOAD_CASES, &CCmdBeamLoadTypeDlg::OnCmdDefineLoadCases)
END_MESSAGE_MAP()

namespace {
const char kFilter[] = "TAVRO Building Model File(*.zel)|*.zel|All File(*.*)|*.*||";
}

CCmdBeamLoadTypeDlg::CCmdBeamLoadTypeDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_BEAM_LOAD_TYPE, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr),
      m_pDB(m_pMDB ? m_pMDB->GetModelDB() : nullptr),
      m_pBltp(m_pDB ? static_cast<CClassBltp*>(m_pDB->GetClass(CClassBltp::m_nClassID)) : nullptr) {}

BOOL CCmdBeamLoadTypeDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_grid.SubclassDlgItem(IDC_BLTP_GRID, this);
  m_grid.Initialize();
  SetData2Dlg();
  return TRUE;
}

void CCmdBeamLoadTypeDlg::SetData2Dlg() {
  if (m_grid.m_hWnd) m_grid.FillGrid();
}

void CCmdBeamLoadTypeDlg::OnDBUpdate(const DB_CDataBase& db) {
  if (m_hWnd && m_grid.m_hWnd && db.HasUpdateRecords()) m_grid.Replay(db);
}

// The records may have been replayed already: the grid is filled again instead.
void CCmdBeamLoadTypeDlg::OnHint(LPARAM lHint, CObject* pHint) {
  if (!m_hWnd || !m_grid.m_hWnd || (lHint != 0 && lHint != 1 && lHint != 3)) return;
  const DB_CDataBase* db = m_grid.HintDB(pHint);
  if (db && db->HasUpdateRecords()) m_grid.FillGrid();
}

void CCmdBeamLoadTypeDlg::OnCmdImportBtn() {
  CFileDialog file(TRUE, ".zel", nullptr, OFN_FILEMUSTEXIST | OFN_LONGNAMES, kFilter, nullptr);
  if (file.DoModal() != IDOK) return;
  CMembLoadImport import(nullptr);
  import.ImportFile(file.GetPathName().c_str());
  import.DoModal();
}

void CCmdBeamLoadTypeDlg::OnCmdClose() { EndDialog(IDCANCEL); }
