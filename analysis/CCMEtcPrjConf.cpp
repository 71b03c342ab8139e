#include "analysis/CCMEtcPrjConf.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassPjcf.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "res/resource.h"
#include "ui/CFileCtrl.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCMEtcPrjConf, CDlgMove)

BEGIN_MESSAGE_MAP(CCMEtcPrjConf, CDlgMove)
  ON_BN_CLICKED(IDC_PRJ_DETAILS, &CCMEtcPrjConf::OnDetails)
END_MESSAGE_MAP()

namespace {

// The edits of the record's fields, in the record's order.
const int kFieldIds[CCMEtcPrjConf::FIELDS] = {
    IDC_PRJ_PROJECT,    IDC_PRJ_VERSION,    IDC_PRJ_USER,       IDC_PRJ_EMAIL,      IDC_PRJ_ADDRESS,
    IDC_PRJ_PHONE,      IDC_PRJ_FAX,        IDC_PRJ_CLIENT,     IDC_PRJ_TITLE,      IDC_PRJ_SIGN_NAME1,
    IDC_PRJ_SIGN_NAME2, IDC_PRJ_SIGN_NAME3, IDC_PRJ_SIGN_NAME4, IDC_PRJ_SIGN_NAME5, IDC_PRJ_SIGN_DATE1,
    IDC_PRJ_SIGN_DATE2, IDC_PRJ_SIGN_DATE3, IDC_PRJ_SIGN_DATE4, IDC_PRJ_SIGN_DATE5, IDC_PRJ_DESC,
};
const int kFactIds[CCMEtcPrjConf::FACTS] = {IDC_PRJ_FILE_NAME, IDC_PRJ_FILE_CREATED, IDC_PRJ_FILE_FOLDER,
                                            IDC_PRJ_FILE_MODIFIED, IDC_PRJ_FILE_SIZE};
enum { FACT_NAME, FACT_CREATED, FACT_FOLDER, FACT_MODIFIED, FACT_SIZE };

CString T_PJCF_D::* const kScalars[] = {&T_PJCF_D::project, &T_PJCF_D::version, &T_PJCF_D::user,
                                        &T_PJCF_D::email,   &T_PJCF_D::address, &T_PJCF_D::phone,
                                        &T_PJCF_D::fax,     &T_PJCF_D::client,  &T_PJCF_D::title};
constexpr int kScalarCount = (int)(sizeof kScalars / sizeof kScalars[0]);

const char kDateFormat[] = "%d/%m/%Y  %H:%M";

}  // namespace

CCMEtcPrjConf::CCMEtcPrjConf(CWnd* pParent) : CDlgMove(IDD_CMD_PRJ_CONF, pParent) {}

CString& CCMEtcPrjConf::FieldOf(T_PJCF_D& rec, int i) {
  if (i < kScalarCount) return rec.*kScalars[i];
  i -= kScalarCount;
  if (i < T_PJCF_D::SIGNS) return rec.signName[i];
  i -= T_PJCF_D::SIGNS;
  if (i < T_PJCF_D::SIGNS) return rec.signDate[i];
  return rec.desc;
}

CString CCMEtcPrjConf::FormatFileSize(unsigned long long nBytes) {
  const unsigned long long nKbytes = nBytes / 1024;
  CString s;
  if (nKbytes > 0) s.Format("%llu %s", nKbytes, nKbytes > 1 ? "Kbytes" : "Kbyte");
  else s.Format("%llu %s", nBytes, nBytes > 1 ? "bytes" : "byte");
  return s;
}

CString CCMEtcPrjConf::TrimFolder(const CString& strFolder) {
  CString s = strFolder;
  if (s.GetLength() > 1 && s[s.GetLength() - 1] == '/') s = s.Left(s.GetLength() - 1);
  return s;
}

void CCMEtcPrjConf::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  for (int i = 0; i < FIELDS; ++i) DDX_Text(pDX, kFieldIds[i], m_strField[i]);
  for (int i = 0; i < FACTS; ++i) DDX_Text(pDX, kFactIds[i], m_strFact[i]);
}

BOOL CCMEtcPrjConf::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_pDoc = CDBDoc::m_pDBDoc;
  m_pMDBCtrl = m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr;

  T_PJCF_D rec;
  rec.Initialize();
  CClassPjcf table;
  if (m_pMDBCtrl && table.ConnectToDB(m_pMDBCtrl->GetModelDB())) table.Get(rec);
  for (int i = 0; i < FIELDS; ++i) m_strField[i] = FieldOf(rec, i);

  ReadFileFacts();
  UpdateData(FALSE);
  if (CWnd* pDetails = GetDlgItem(IDC_PRJ_DETAILS)) pDetails->ShowWindow(SW_HIDE);
  UpdateData(FALSE);
  return TRUE;
}

void CCMEtcPrjConf::ReadFileFacts() {
  for (CString& s : m_strFact) s.Empty();
  const CString path = m_pDoc ? m_pDoc->GetPathName() : CString();
  if (path.IsEmpty()) return;
  CFileCtrl file(path);
  CFileStatus status;
  file.GetFileStatus(status);
  m_strFact[FACT_NAME] = file.GetFileName();
  m_strFact[FACT_CREATED] = status.m_ctime.Format(kDateFormat);
  m_strFact[FACT_FOLDER] = TrimFolder(file.GetFilePath());
  m_strFact[FACT_MODIFIED] = status.m_mtime.Format(kDateFormat);
  m_strFact[FACT_SIZE] = FormatFileSize(status.m_size);
}

void CCMEtcPrjConf::OnOK() {
  if (!UpdateData(TRUE)) return;
  T_PJCF_D rec;
  rec.Initialize();
  for (int i = 0; i < FIELDS; ++i) FieldOf(rec, i) = m_strField[i];
  CClassPjcf table;
  if (!m_pMDBCtrl || !table.ConnectToDB(m_pMDBCtrl->GetModelDB()) || !table.TR_Add(rec)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_PRJCONF_STORE_ERROR", 0));
    return;
  }
  CDialog::OnOK();
}

void CCMEtcPrjConf::OnDetails() { ICmdDialog::DoModal("CCMEtcPjst", nullptr); }
