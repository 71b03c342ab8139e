#include "analysis/CAutoErectSeqDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "afx/CGdiObject.h"
#include "db/CClassErsq.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CAutoErectSeqDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CAutoErectSeqDlg, CDlgMove)
  ON_BN_CLICKED(IDC_ERSQ_APPLY, &CAutoErectSeqDlg::OnOK)
  ON_BN_CLICKED(IDC_ERSQ_CLOSE, &CAutoErectSeqDlg::OnCloseBtn)
END_MESSAGE_MAP()

namespace {
void Tell(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }
}  // namespace

CAutoErectSeqDlg::CAutoErectSeqDlg(CWnd* pParent) : CDlgMove(IDD_CMD_AUTO_ERECT_SEQ, pParent) { m_ersq.Initialize(); }

CAutoErectSeqDlg::~CAutoErectSeqDlg() { delete m_pPicture; }

CClassErsq* CAutoErectSeqDlg::GetTable() const {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassErsq*>(db->GetClass(CClassErsq::m_nClassID)) : nullptr;
}

void CAutoErectSeqDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ERSQ_PICTURE, m_stPicture);
}

BOOL CAutoErectSeqDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_pPicture = new CBitmap;
  if (m_pPicture->LoadBitmap(IDB_ERSQ_PICTURE)) m_stPicture.SetBitmap((HBITMAP)*m_pPicture);
  m_editIncrement.Initialize(IDC_ERSQ_INCREMENT, this, 1, 100, 1);
  Data2Dlg();
  return TRUE;
}

void CAutoErectSeqDlg::Data2Dlg() {
  m_ersq.Initialize();
  CClassErsq* table = GetTable();
  if (!table) return;
  if (!table->Get(m_ersq)) m_ersq.Initialize();
  m_editIncrement.SetEditValue(m_ersq.increment);
}

BOOL CAutoErectSeqDlg::Dlg2Data() {
  int n = 0;
  if (!m_editIncrement.GetEditValue(n)) {
    Tell("IDS_CMD_ERSQ_ERROR_Invalid_Increment");
    m_editIncrement.SetFocus();
    return FALSE;
  }
  m_ersq.increment = n;
  return TRUE;
}

void CAutoErectSeqDlg::OnOK() {
  if (!Dlg2Data()) return;
  // The edit shows what is written: a number outside the range is clamped.
  m_editIncrement.SetEditValue(m_ersq.increment);
  CClassErsq* table = GetTable();
  if (!table || !table->TR_Add(m_ersq)) Tell("IDS_CMD_ERSQ_ERROR_Cannot_Save");
}

void CAutoErectSeqDlg::OnCloseBtn() { CDialog::OnCancel(); }
