#include "loads/CMembLoadImport.h"

#include "afx/AfxMessageBox.h"
#include "common/CmdListMove.h"
#include "afx/CDataExchange.h"
#include "db/CClassBltp.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CMembLoadImport, CDlgMove)

BEGIN_MESSAGE_MAP(CMembLoadImport, CDlgMove)
  ON_BN_CLICKED(IDC_BLTP_IMPORT_ALL, &CMembLoadImport::OnChooseAll)
  ON_BN_CLICKED(IDC_BLTP_IMPORT_NONE, &CMembLoadImport::OnChooseNone)
  ON_BN_CLICKED(IDC_BLTP_IMPORT_CHOOSE, &CMembLoadImport::OnMoveToChosen)
  ON_BN_CLICKED(IDC_BLTP_IMPORT_BACK, &CMembLoadImport::OnMoveBack)
  ON_NOTIFY(NM_DBLCLK, IDC_BLTP_IMPORT_AVAILABLE, &CMembLoadImport::OnDblclkAvailable)
  ON_NOTIFY(NM_DBLCLK, IDC_BLTP_IMPORT_CHOSEN, &CMembLoadImport::OnDblclkChosen)
END_MESSAGE_MAP()

namespace {
const char kCannotRead[] = "IDS_CMD_BLTP_Cannot_Read_File_s";
}

CMembLoadImport::CMembLoadImport(CWnd* pParent)
    : CDlgMove(IDD_CMD_MEMB_LOAD_IMPORT, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr) {}

void CMembLoadImport::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_BLTP_IMPORT_SUFFIX, m_strSuffix);
  DDX_Text(pDX, IDC_BLTP_IMPORT_PREFIX, m_strPrefix);
  DDX_Control(pDX, IDC_BLTP_IMPORT_CHOSEN, m_listChosen);
  DDX_Control(pDX, IDC_BLTP_IMPORT_AVAILABLE, m_listAvailable);
}

int CMembLoadImport::ImportFile(const char* pszPath) {
  m_strPath = pszPath ? pszPath : "";
  m_nRead = CClassBltp::GetListFromFile(pszPath, m_keys, m_recs) ? 1 : 0;
  if (!m_nRead) {
    m_keys.RemoveAll();
    m_recs.RemoveAll();
  }
  return m_nRead;
}

BOOL CMembLoadImport::OnInitDialog() {
  CDlgMove::OnInitDialog();
  CRect rc;
  m_listAvailable.GetClientRect(&rc);
  for (CListCtrl* list : {&m_listAvailable, &m_listChosen}) list->InsertColumn(0, "", LVCFMT_LEFT, rc.Width());
  FillAll(m_listAvailable);
  m_listChosen.DeleteAllItems();
  if (m_nRead == 0) AfxMessageBox(GMakeMsg(kCannotRead, m_strPath.c_str()));
  return TRUE;
}

void CMembLoadImport::FillAll(CListCtrl& list) {
  list.DeleteAllItems();
  for (INT_PTR i = 0; i < m_recs.GetSize(); ++i) {
    int item = list.InsertItem((int)i, m_recs[i].name);
    list.SetItemData(item, (DWORD_PTR)i);
  }
}

void CMembLoadImport::OnMoveToChosen() { MoveSelectedListRows(m_listAvailable, m_listChosen); }
void CMembLoadImport::OnMoveBack() { MoveSelectedListRows(m_listChosen, m_listAvailable); }

void CMembLoadImport::OnDblclkAvailable(NMHDR*, LRESULT* pResult) {
  OnMoveToChosen();
  *pResult = 0;
}

void CMembLoadImport::OnDblclkChosen(NMHDR*, LRESULT* pResult) {
  OnMoveBack();
  *pResult = 0;
}

void CMembLoadImport::OnChooseAll() {
  FillAll(m_listChosen);
  m_listAvailable.DeleteAllItems();
}

void CMembLoadImport::OnChooseNone() {
  FillAll(m_listAvailable);
  m_listChosen.DeleteAllItems();
}

void CMembLoadImport::OnOK() {
  UpdateData(TRUE);
  CArray<T_BLTP_D> recs;
  for (int item = 0; item < m_listChosen.GetItemCount(); ++item) {
    const INT_PTR i = (INT_PTR)m_listChosen.GetItemData(item);
    if (i < 0 || i >= m_recs.GetSize()) continue;
    m_recs[i].name = m_strPrefix + m_recs[i].name + m_strSuffix;
    T_BLTP_D r = m_recs[i];
    r.key = 0;
    recs.Add(r);
  }
  CClassBltp bltp;
  if (m_pMDB && bltp.ConnectToDB(m_pMDB->GetModelDB()) && bltp.TR_Add(recs)) {
    EndDialog(IDOK);
    return;
  }
  // Refused: the names as the file has them, no affixes, the lists as they were.
  ImportFile(m_strPath.c_str());
  m_strPrefix.Empty();
  m_strSuffix.Empty();
  SetDlgItemText(IDC_BLTP_IMPORT_PREFIX, "");
  SetDlgItemText(IDC_BLTP_IMPORT_SUFFIX, "");
}
