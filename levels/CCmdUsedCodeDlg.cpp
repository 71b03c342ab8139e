#include "levels/CCmdUsedCodeDlg.h"

#include "levels/CCmdUsedCodeGrid.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"

IMPLEMENT_DYNAMIC(CCmdUsedCodeDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdUsedCodeDlg, CDlgMove)
  ON_BN_CLICKED(IDC_UC_OLD, &CCmdUsedCodeDlg::OnCodeRadio)
  ON_BN_CLICKED(IDC_UC_2010, &CCmdUsedCodeDlg::OnCodeRadio)
END_MESSAGE_MAP()

CCmdUsedCodeDlg::CCmdUsedCodeDlg(CWnd* pParent) : CDlgMove(IDD_CMD_USED_CODE, pParent) {
  m_radios.Add(IDC_UC_OLD);
  m_radios.Add(IDC_UC_2010);
}

CCmdUsedCodeDlg::~CCmdUsedCodeDlg() { delete m_pGrid; }

BOOL CCmdUsedCodeDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  delete m_pGrid;
  m_pGrid = new CCmdUsedCodeGrid;
  if (m_pGrid->SubclassDlgItem(IDC_UC_GRID, this)) {
    CRect rc;
    m_pGrid->GetWindowRect(&rc);
    m_pGrid->InitGrid(this, rc, &m_nCode);
  }
  CDlgUtil::CtrlRadioSetCheck(this, m_radios, m_nCode);
  return TRUE;
}

void CCmdUsedCodeDlg::OnCodeRadio() {
  int nCode = CDlgUtil::CtrlRadioGetCheck(this, m_radios);
  if (nCode < 0 || nCode == m_nCode) return;
  m_nCode = nCode;
  if (m_pGrid) m_pGrid->FillCodes(m_nCode);
}

void CCmdUsedCodeDlg::OnOK() {
  int nCode = CDlgUtil::CtrlRadioGetCheck(this, m_radios);
  if (nCode >= 0) m_nCode = nCode;
  EndDialog(IDOK);
}

void CCmdUsedCodeDlg::PostNcDestroy() {
  CDlgMove::PostNcDestroy();
  delete m_pGrid;
  m_pGrid = nullptr;
}
