#include "analysis/CNLLinkPrtListDlg.h"

#include <iterator>

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "analysis/CNLLinkPrtItemDlg.h"
#include "db/CClassNllp.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateRecord.h"
#include "res/resource.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CNLLinkPrtListDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CNLLinkPrtListDlg, CDlgMove)
  ON_BN_CLICKED(IDC_NLLP_LIST_ADD, &CNLLinkPrtListDlg::OnAdd)
  ON_BN_CLICKED(IDC_NLLP_LIST_EDIT, &CNLLinkPrtListDlg::OnEdit)
  ON_BN_CLICKED(IDC_NLLP_LIST_DELETE, &CNLLinkPrtListDlg::OnDelete)
  ON_BN_CLICKED(IDC_NLLP_LIST_CLOSE, &CNLLinkPrtListDlg::OnClose)
  ON_NOTIFY(NM_DBLCLK, IDC_NLLP_LIST, &CNLLinkPrtListDlg::OnDblClick)
END_MESSAGE_MAP()

namespace {

struct Column {
  const char* title;
  int width;
};
const Column kColumns[] = {{"IDS_CMD_NLNK_NAME", 60},
                           {"IDS_CMD_NLNK_Application_Type", 120},
                           {"IDS_CMD_NLNK_Property_Type", 120},
                           {"IDS_CMD_NLNK_Description", 120}};

const char* const kAppTypes[] = {"IDS_CMD_NLNK_Element", "IDS_CMD_NLNK_Force"};
const char* const kForceTypes[] = {"IDS_CMD_NLNK_Visco_Elastic_Damper",
                                   "IDS_CMD_NLNK_Gap",
                                   "IDS_CMD_NLNK_Hook",
                                   "IDS_CMD_NLNK_Hysteretic_System",
                                   "IDS_CMD_NLNK_Lead_Rubber_Bearing_Isolator",
                                   "IDS_CMD_NLNK_Friction_Pendulum_System_Isolator"};
const char* const kElemTypes[] = {"IDS_CMD_NLNK_Spring", "IDS_CMD_NLNK_Linear_Dashpot",
                                  "IDS_CMD_NLNK_Spring_Linear_Dashpot",
                                  "IDS_CMD_NLNK_Spring_Nonlinear_Dashpot1",
                                  "IDS_CMD_NLNK_Spring_Nonlinear_Dashpot2"};

// The text of entry i of a table of keys; empty outside it.
template <size_t N>
CString TextAt(const char* const (&keys)[N], int i) {
  return i >= 0 && i < (int)N ? GMakeMsg(keys[i]) : CString();
}

const char kNoSelection[] = "IDS_CMD_NLNK_Error_No_Select_Property";

}  // namespace

CNLLinkPrtListDlg::CNLLinkPrtListDlg(CWnd* pParent) : CDlgMove(IDD_CMD_NLLINK_LIST, pParent) {
  if (CDBDoc* doc = CDBDoc::m_pDBDoc)
    m_pTable = static_cast<CClassNllp*>(doc->GetModelDB()->GetClass(CClassNllp::m_nClassID));
}

void CNLLinkPrtListDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_NLLP_LIST, m_list);
}

CString CNLLinkPrtListDlg::AppTypeText(const T_NLLP_D& rec) { return TextAt(kAppTypes, rec.appType); }

CString CNLLinkPrtListDlg::PropertyTypeText(const T_NLLP_D& rec) {
  if (rec.appType == 1) return TextAt(kForceTypes, rec.forceType);
  if (rec.appType == 0) return TextAt(kElemTypes, rec.elemType);
  return CString();
}

BOOL CNLLinkPrtListDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  for (int i = 0; i < (int)std::size(kColumns); ++i)
    m_list.InsertColumn(i, GMakeMsg(kColumns[i].title), LVCFMT_LEFT, kColumns[i].width);
  MakeItemEx();
  return TRUE;
}

// ---- rows ---------------------------------------------------------------------------------------

void CNLLinkPrtListDlg::AppendRow(UINT key, const T_NLLP_D& rec) {
  const int i = m_list.InsertItem(m_list.GetItemCount(), rec.name);
  if (i < 0) return;
  m_list.SetItemData(i, key);
  m_list.SetItemText(i, 1, AppTypeText(rec));
  m_list.SetItemText(i, 2, PropertyTypeText(rec));
  m_list.SetItemText(i, 3, rec.desc);
}

void CNLLinkPrtListDlg::RemoveRow(UINT key) {
  LVFINDINFO find;
  find.flags = LVFI_PARAM;
  find.lParam = (LPARAM)key;
  const int i = m_list.FindItem(&find, -1);
  if (i >= 0) m_list.DeleteItem(i);
}

void CNLLinkPrtListDlg::SelectRow(int index) {
  if (index < 0 || index >= m_list.GetItemCount()) return;
  m_list.SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CNLLinkPrtListDlg::MakeItemEx(int) {
  m_list.DeleteAllItems();
  if (m_pTable && m_pTable->GetCount() > 0) {
    CUIntArray keys;
    POSITION pos = m_pTable->DB_GetStart();
    UINT key = 0;
    T_NLLP_D rec;
    while (m_pTable->GetNextData(pos, key, rec)) keys.Add(key);
    for (UINT k : keys.vec())
      if (m_pTable->Get(k, rec)) AppendRow(k, rec);
  }
}

void CNLLinkPrtListDlg::OnDBUpdate(const DB_CDataBase& db) { UpdateBuffer(db); }

void CNLLinkPrtListDlg::UpdateBuffer(const DB_CDataBase& db) {
  if (!db.HasUpdateRecords()) return;
  BOOL modified = FALSE;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* e = db.GetNextUpdate(pos)) {
    CDataNllp image;
    switch (e->m_nCode) {
      case CClassNllp::UR_NLLP_ADD:
        if (db.ReadUpdateImage(e, image)) AppendRow(image.m_nKey, image.m_Data);
        break;
      case CClassNllp::UR_NLLP_DEL:
        if (db.ReadUpdateImage(e, image)) RemoveRow(image.m_nKey);
        break;
      case CClassNllp::UR_NLLP_MFD:
        modified = TRUE;
        break;
      default:
        break;
    }
  }
  if (modified) MakeItemEx();
}

// ---- buttons ------------------------------------------------------------------------------------

void CNLLinkPrtListDlg::OnAdd() {
  CNLLinkPrtItemDlg dlg(this);
  dlg.SetInitPos(2, 0, 0);
  dlg.DoModal();
}

BOOL CNLLinkPrtListDlg::EditSelected(BOOL bTell) {
  const int index = m_list.GetNextItem(-1, LVNI_SELECTED);
  if (index < 0) {
    if (bTell) AfxMessageBox(GMakeMsg(kNoSelection));
    return FALSE;
  }
  const UINT key = (UINT)m_list.GetItemData(index);
  T_NLLP_D rec;
  if (!m_pTable || !m_pTable->Get(key, rec)) {
    AfxMessageBox(GMakeMsg("IDS_CMD_NLNK_Error_Property_Key", (int)key));
    return FALSE;
  }
  CNLLinkPrtItemDlg dlg(this);
  dlg.SetModifyData(key, rec);
  dlg.SetInitPos(2, 0, 0);
  dlg.DoModal();
  SelectRow(index);
  return TRUE;
}

void CNLLinkPrtListDlg::OnEdit() { EditSelected(TRUE); }

void CNLLinkPrtListDlg::OnDblClick(NMHDR*, LRESULT* pResult) {
  if (EditSelected(FALSE) && pResult) *pResult = 0;
}

void CNLLinkPrtListDlg::OnDelete() {
  const int index = m_list.GetNextItem(-1, LVNI_SELECTED);
  if (index < 0) {
    AfxMessageBox(GMakeMsg(kNoSelection));
    return;
  }
  if (!m_pTable || !m_pTable->TR_Del((UINT)m_list.GetItemData(index))) return;
  const int count = m_list.GetItemCount();
  if (count > 0) SelectRow(index < count ? index : count - 1);
}

void CNLLinkPrtListDlg::OnClose() { CDialog::OnOK(); }
