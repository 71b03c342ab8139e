#include "properties/CCMSectItemSrcCheckDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassMatl.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CCompFunc.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCMSectItemSrcCheckDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCMSectItemSrcCheckDlg, CDlgMove)
  ON_CBN_SELCHANGE(IDC_SRC_MATL_NAME, &CCMSectItemSrcCheckDlg::OnSelChangeName)
  ON_EN_UPDATE(IDC_SRC_MATL_NUMBER, &CCMSectItemSrcCheckDlg::OnUpdateNumber)
  ON_BN_CLICKED(IDC_SRC_MATL_OK, &CCMSectItemSrcCheckDlg::OnBtnOK)
END_MESSAGE_MAP()

namespace {

const char* const kNotSrc = "IDS_CMD_SECT_SRC_MATL_NOT_SRC";

// a / b, or 0 when b does not differ from 0.
double Ratio(double a, double b) { return CCompFunc::CompReal(b, 0.0) == 0 ? 0.0 : a / b; }

}  // namespace

CCMSectItemSrcCheckDlg::CCMSectItemSrcCheckDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_SECT_SRC_MATL, pParent), m_nMatlKey(0) {
  m_cbName.SetSRCOnly();
}

CCMSectItemSrcCheckDlg::~CCMSectItemSrcCheckDlg() = default;

void CCMSectItemSrcCheckDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SRC_MATL_NUMBER, m_editNumber);
  DDX_Control(pDX, IDC_SRC_MATL_NAME, m_cbName);
  DDX_Control(pDX, IDC_SRC_MATL_STEEL_CODE, m_editSteelCode);
  DDX_Control(pDX, IDC_SRC_MATL_STEEL_GRADE, m_editSteelGrade);
  DDX_Control(pDX, IDC_SRC_MATL_CONC_CODE, m_editConcCode);
  DDX_Control(pDX, IDC_SRC_MATL_CONC_GRADE, m_editConcGrade);
  DDX_Control(pDX, IDC_SRC_MATL_ESEC, m_editEsEc);
  DDX_Control(pDX, IDC_SRC_MATL_DSDC, m_editDsDc);
}

BOOL CCMSectItemSrcCheckDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_editNumber.SetComboBoxPoint(&m_cbName);
  m_cbName.SetEditBoxPoint(&m_editNumber);
  m_editEsEc.SetUnitType(0);
  m_editDsDc.SetUnitType(0);
  const UINT nKey = m_nMatlKey;
  m_editNumber.SetEditBoxText(nKey);
  m_cbName.ChangeSelect(nKey);
  m_nMatlKey = nKey;
  ShowMatl(nKey);
  for (CEdit* e : {&m_editSteelCode, &m_editSteelGrade, &m_editConcCode, &m_editConcGrade,
                   (CEdit*)&m_editEsEc, (CEdit*)&m_editDsDc})
    e->SendMessage(EM_SETREADONLY, TRUE);
  return TRUE;
}

void CCMSectItemSrcCheckDlg::ShowMatl(UINT nKey) {
  T_MATL_D matl;
  CClassMatl table;
  if (CDBDoc::m_pDBDoc) table.ConnectToDB(CDBDoc::m_pDBDoc->GetModelDB());
  if (!nKey || !table.Get(nKey, matl) || matl.type != "SRC") matl.Initialize();
  m_editSteelCode.SetWindowText(matl.matl1.code);
  m_editSteelGrade.SetWindowText(matl.matl1.grade);
  m_editConcCode.SetWindowText(matl.matl2.code);
  m_editConcGrade.SetWindowText(matl.matl2.grade);
  m_editEsEc.SetEditUnit(Ratio(matl.matl1.anal.elastic, matl.matl2.anal.elastic));
  m_editDsDc.SetEditUnit(Ratio(matl.matl1.anal.unitWeight, matl.matl2.anal.unitWeight));
}

void CCMSectItemSrcCheckDlg::OnSelChangeName() {
  UINT nKey = 0;
  if (!m_cbName.GetSelectedMatl(nKey)) return;
  m_nMatlKey = nKey;
  ShowMatl(nKey);
}

void CCMSectItemSrcCheckDlg::OnUpdateNumber() {
  UINT nKey = 0;
  // A number that names no SRC material shows the empty display rather than the
  // material chosen before.
  const BOOL bFound = m_editNumber.GetKey(nKey);
  if (bFound) m_nMatlKey = nKey;
  ShowMatl(bFound ? nKey : 0);
}

void CCMSectItemSrcCheckDlg::OnBtnOK() {
  UINT nKey = 0;
  if (!m_editNumber.GetKey(nKey)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr(kNotSrc, 0));
    m_editNumber.SetFocus();
    m_editNumber.SetSel(0, -1);
    return;
  }
  m_nMatlKey = nKey;
  CDialog::OnOK();
}
