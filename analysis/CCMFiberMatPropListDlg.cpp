#include "analysis/CCMFiberMatPropListDlg.h"

#include <iterator>

#include "afx/CDataExchange.h"
#include "analysis/CCMFiberMatPropItemDlg.h"
#include "db/CClassFimp.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateRecord.h"
#include "res/resource.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCMFiberMatPropListDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCMFiberMatPropListDlg, CDlgMove)
  ON_BN_CLICKED(IDC_FIMP_LIST_ADD, &CCMFiberMatPropListDlg::OnCmd2FiberAdd)
  ON_BN_CLICKED(IDC_FIMP_LIST_EDIT, &CCMFiberMatPropListDlg::OnCmd2FiberModify)
  ON_BN_CLICKED(IDC_FIMP_LIST_DELETE, &CCMFiberMatPropListDlg::OnCmd2FiberDelete)
  ON_BN_CLICKED(IDC_FIMP_LIST_CLOSE, &CCMFiberMatPropListDlg::OnCmd2FiberClose)
  ON_NOTIFY(NM_DBLCLK, IDC_FIMP_LIST, &CCMFiberMatPropListDlg::OnDblclkCmd2FiberList)
END_MESSAGE_MAP()

namespace {

struct Column {
  const char* title;
  int width;
};
const Column kColumns[] = {{"IDS_CMD_FIMP_NAME", 80}, {"IDS_CMD_FIMP_MATL_TYPE", 90}, {"IDS_CMD_FIMP_HYSTERESIS", 120}};

const char kNoSelection[] = "IDS_CMD_NO_SELECTED_FIMP";

}  // namespace

CCMFiberMatPropListDlg::CCMFiberMatPropListDlg(CWnd* pParent) : CDlgMove(IDD_CMD_FIBER_MAT_LIST, pParent) {}

void CCMFiberMatPropListDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FIMP_LIST, m_list);
}

BOOL CCMFiberMatPropListDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_pDoc = CDBDoc::m_pDBDoc;
  m_pMDBCtrl = m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr;
  SetHeaderTitle();
  MakeItemEx();
  return TRUE;
}

CString CCMFiberMatPropListDlg::GetHysteresisModel(const T_FIMP_D& rec) {
  const char* key = CCMFiberMatPropItemDlg::GetModelTextKey(rec.kind, rec.model);
  return key ? GMakeMsg(key) : CString();
}

CString CCMFiberMatPropListDlg::DataToStr(int nCol, UINT, const T_FIMP_D& rec) {
  switch (nCol) {
    case 0: return rec.name;
    case 1: return GMakeMsg(rec.kind ? "IDS_CMD_FIMP_STEEL" : "IDS_CMD_FIMP_CONC");
    case 2: return GetHysteresisModel(rec);
    default: return CString();
  }
}

void CCMFiberMatPropListDlg::SetHeaderTitle() {
  for (int i = 0; i < (int)std::size(kColumns); ++i)
    m_list.InsertColumn(i, GMakeMsg(kColumns[i].title), LVCFMT_LEFT, kColumns[i].width);
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
}

void CCMFiberMatPropListDlg::SetItem(int row, UINT key, const T_FIMP_D& rec) {
  for (int c = 0; c < (int)std::size(kColumns); ++c) m_list.SetItemText(row, c, DataToStr(c, key, rec));
  m_list.SetItemData(row, key);
}

int CCMFiberMatPropListDlg::GetSelectedIndex(int& row) const {
  const int i = m_list.GetNextItem(-1, LVNI_SELECTED);
  if (i < 0) return 0;
  row = i;
  return 1;
}

void CCMFiberMatPropListDlg::MakeItemEx() {
  m_list.DeleteAllItems();
  if (!m_pDoc) return;
  CClassFimp fimp;
  fimp.ConnectToDB(m_pDoc->GetModelDB());
  CUIntArray keys;
  fimp.GetKeyList(keys);
  int row = 0;
  for (UINT key : keys.vec()) {
    T_FIMP_D rec;
    if (!fimp.Get(key, rec)) continue;
    m_list.InsertItem(row, "");
    SetItem(row, key, rec);
    ++row;
  }
  if (m_list.GetItemCount() > 0) m_list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

// ---- following the table ------------------------------------------------------------------------

void CCMFiberMatPropListDlg::OnDBUpdate(const DB_CDataBase& db) {
  if (GetSafeHwnd()) UpdateBuffer(db);
}

void CCMFiberMatPropListDlg::OnHint(LPARAM lHint, CObject* pHint) {
  // Hints 0 and 1 carry update records as 3 does; the others carry none for this list.
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  if (!GetSafeHwnd() || (lHint != 0 && lHint != 1) || !hint || !m_pMDBCtrl) return;
  if (const DB_CDataBase* db = m_pMDBCtrl->GetDB(hint->m_nDBID)) UpdateBuffer(*db);
}

void CCMFiberMatPropListDlg::UpdateBuffer(const DB_CDataBase& db) {
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* e = db.GetNextUpdate(pos)) {
    switch (e->m_nCode) {
      case CClassFimp::UR_FIMP_ADD:
      case CClassFimp::UR_FIMP_DEL:
      case CClassFimp::UR_FIMP_MFD:
      case CClassFimp::UR_FIMP_MFS:
        MakeItemEx();
        return;
      default:
        break;
    }
  }
}

// ---- buttons ------------------------------------------------------------------------------------

void CCMFiberMatPropListDlg::OnCmd2FiberAdd() {
  CCMFiberMatPropItemDlg dlg(nullptr);
  dlg.DoModal();
}

void CCMFiberMatPropListDlg::OnCmd2FiberModify() {
  int row = 0;
  if (!GetSelectedIndex(row)) {
    GMsgOutNF(kNoSelection, 0, nullptr);
    return;
  }
  const UINT key = (UINT)m_list.GetItemData(row);
  CCMFiberMatPropItemDlg dlg(nullptr);
  dlg.SetModify(key);
  dlg.DoModal();
}

void CCMFiberMatPropListDlg::OnDblclkCmd2FiberList(NMHDR*, LRESULT* pResult) {
  OnCmd2FiberModify();
  if (pResult) *pResult = 0;
}

void CCMFiberMatPropListDlg::OnCmd2FiberDelete() {
  int row = 0;
  if (!GetSelectedIndex(row)) {
    GMsgOutNF(kNoSelection, 0, nullptr);
    return;
  }
  // The row's key addresses the record itself.
  const UINT key = (UINT)m_list.GetItemData(row);
  CClassFimp fimp;
  if (!m_pDoc || !fimp.ConnectToDB(m_pDoc->GetModelDB()) || !fimp.TR_Del(key)) GMsgOutNF(kNoSelection, 0, nullptr);
}

void CCMFiberMatPropListDlg::OnCmd2FiberClose() { CDialog::OnOK(); }
