#include "properties/CModelPropTwopImport.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include "afx/AfxMessageBox.h"
#include "common/CmdListMove.h"
#include "afx/CDataExchange.h"
#include "db/CClassTwop.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CModelPropTwopImport, CDlgMove)

BEGIN_MESSAGE_MAP(CModelPropTwopImport, CDlgMove)
  ON_BN_CLICKED(IDC_TWOP_ALL, &CModelPropTwopImport::OnChooseAll)
  ON_BN_CLICKED(IDC_TWOP_NONE, &CModelPropTwopImport::OnChooseNone)
  ON_BN_CLICKED(IDC_TWOP_MOVE_LEFT, &CModelPropTwopImport::OnMoveLeft)
  ON_BN_CLICKED(IDC_TWOP_MOVE_RIGHT, &CModelPropTwopImport::OnMoveRight)
  ON_BN_CLICKED(IDC_TWOP_KEEP, &CModelPropTwopImport::OnNumbering)
  ON_BN_CLICKED(IDC_TWOP_RENUMBER, &CModelPropTwopImport::OnNumbering)
  ON_NOTIFY(UDN_DELTAPOS, IDC_TWOP_START_SPIN, &CModelPropTwopImport::OnDeltaposStart)
  ON_NOTIFY(NM_DBLCLK, IDC_TWOP_LIST, &CModelPropTwopImport::OnDblclkLeft)
  ON_NOTIFY(NM_DBLCLK, IDC_TWOP_CHOSEN, &CModelPropTwopImport::OnDblclkRight)
END_MESSAGE_MAP()

namespace {
const char kCannotRead[] = "IDS_CMD_TWOP_Cannot_Read_File_s";
const char kBadStart[] = "IDS_CMD_TWOP_Start_Number_Invalid";

// The C library's reading of the start number: the leading whole number, 0 without one,
// held within the int range.
int LeadingInt(const CString& text) {
  errno = 0;
  long v = std::strtol(text.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return (int)v;
}

// A start number: the whole text a whole number from 1 up.
BOOL ReadStart(const CString& text, UINT& start) {
  const char* s = text.c_str();
  char* end = nullptr;
  errno = 0;
  long long v = std::strtoll(s, &end, 10);
  while (end && (*end == ' ' || *end == '\t')) ++end;
  if (end == s || (end && *end) || errno == ERANGE || v < 1 || v > (long long)UINT_MAX) return FALSE;
  start = (UINT)v;
  return TRUE;
}
}  // namespace

CModelPropTwopImport::CModelPropTwopImport(CWnd* pParent)
    : CDlgMove(IDD_CMD_TWOP_IMPORT, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr) {}

void CModelPropTwopImport::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TWOP_START_SPIN, m_spinStart);
  DDX_Control(pDX, IDC_TWOP_START, m_editStart);
  DDX_Control(pDX, IDC_TWOP_LIST, m_listLeft);
  DDX_Control(pDX, IDC_TWOP_CHOSEN, m_listRight);
  DDX_Radio(pDX, IDC_TWOP_KEEP, m_nNumbering);
}

int CModelPropTwopImport::ImportFile(const char* pszPath) {
  CClassTwop twop;
  if (m_pMDB) twop.ConnectToDB(m_pMDB->GetModelDB());
  m_strPath = pszPath ? pszPath : "";
  m_nImported = CClassTwop::GetListFromFile(pszPath, m_keys, m_recs) ? 1 : 0;
  return m_nImported;
}

CString CModelPropTwopImport::GetTwopString(UINT key, const T_TWOP_D& rec) const {
  (void)key;
  CString s;
  s.Format("%s (%g * %g - %g)", rec.name.c_str(), rec.dim1, rec.dim2, rec.dim3);
  return s;
}

BOOL CModelPropTwopImport::OnInitDialog() {
  CDlgMove::OnInitDialog();
  InitList();
  CClassTwop twop;
  UINT next = 1;
  if (m_pMDB && twop.ConnectToDB(m_pMDB->GetModelDB())) next = twop.GetNewKey();
  CString start;
  start.Format("%d", (int)next);
  m_editStart.SetWindowText(start);
  CDlgUtil::CtrlEnableDisable(this, {IDC_TWOP_START_LABEL, IDC_TWOP_START, IDC_TWOP_START_SPIN}, FALSE);
  CheckRadioButton(IDC_TWOP_KEEP, IDC_TWOP_RENUMBER, IDC_TWOP_KEEP);
  if (m_nImported == 0) AfxMessageBox(GMakeMsg(kCannotRead, m_strPath.c_str()));
  return TRUE;
}

void CModelPropTwopImport::InitList() {
  CRect rc;
  m_listLeft.GetClientRect(&rc);
  for (CListCtrl* list : {&m_listLeft, &m_listRight}) list->InsertColumn(0, "", LVCFMT_LEFT, rc.Width());
  FillAll(m_listLeft);
  m_listRight.DeleteAllItems();
}

void CModelPropTwopImport::FillAll(CListCtrl& list) {
  list.DeleteAllItems();
  for (INT_PTR i = 0; i < m_recs.GetSize(); ++i) {
    int row = list.InsertItem((int)i, GetTwopString(m_keys[i], m_recs[i]));
    list.SetItemData(row, (DWORD_PTR)i);
  }
}

void CModelPropTwopImport::OnMoveRight() { MoveSelectedListRows(m_listLeft, m_listRight); }
void CModelPropTwopImport::OnMoveLeft() { MoveSelectedListRows(m_listRight, m_listLeft); }

void CModelPropTwopImport::OnDblclkLeft(NMHDR*, LRESULT* pResult) {
  OnMoveRight();
  *pResult = 0;
}

void CModelPropTwopImport::OnDblclkRight(NMHDR*, LRESULT* pResult) {
  OnMoveLeft();
  *pResult = 0;
}

void CModelPropTwopImport::OnChooseAll() {
  FillAll(m_listRight);
  m_listLeft.DeleteAllItems();
}

void CModelPropTwopImport::OnChooseNone() {
  FillAll(m_listLeft);
  m_listRight.DeleteAllItems();
}

void CModelPropTwopImport::EnableStart() {
  CDlgUtil::CtrlEnableDisable(this, {IDC_TWOP_START_LABEL, IDC_TWOP_START, IDC_TWOP_START_SPIN}, m_nNumbering == 1);
}

void CModelPropTwopImport::OnNumbering() {
  UpdateData(TRUE);
  EnableStart();
}

void CModelPropTwopImport::OnDeltaposStart(NMHDR* pNMHDR, LRESULT* pResult) {
  auto* nm = reinterpret_cast<NMUPDOWN*>(pNMHDR);
  CString text;
  m_editStart.GetWindowText(text);
  int v = LeadingInt(text);
  if (nm->iDelta < 0) {
    if (v < INT_MAX) ++v;
    text.Format("%d", v);
  } else if (v > 1) {
    text.Format("%d", v - 1);
  }
  m_editStart.SetWindowText(text);
  *pResult = 0;
}

void CModelPropTwopImport::OnOK() {
  UpdateData(TRUE);
  CArray<T_TWOP_D> recs;
  CUIntArray keys;
  for (int row = 0; row < m_listRight.GetItemCount(); ++row) {
    INT_PTR i = (INT_PTR)m_listRight.GetItemData(row);
    recs.Add(m_recs[i]);
    keys.Add(m_keys[i]);
  }
  CClassTwop twop;
  if (!m_pMDB || !twop.ConnectToDB(m_pMDB->GetModelDB())) return;
  if (m_nNumbering == 1 && recs.GetSize() > 0) {
    CString text;
    m_editStart.GetWindowText(text);
    UINT k = 0;
    if (!ReadStart(text, k)) {
      AfxMessageBox(GMakeMsg(kBadStart));
      m_editStart.SetFocus();
      m_editStart.SetSel(0, -1);
      return;
    }
    for (INT_PTR i = 0; i < keys.GetSize(); ++i, ++k) {
      while (k != 0 && twop.Exist(k)) ++k;
      keys[i] = k;  // a key past the range (0 after wrapping) is refused by the table
    }
  }
  if (twop.TR_Add(keys, recs)) EndDialog(IDOK);
}
