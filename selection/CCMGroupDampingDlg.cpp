#include "selection/CCMGroupDampingDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCMGroupDampingDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCMGroupDampingDlg, CDlgMove)
  ON_BN_CLICKED(IDC_GRDP_ADD, &CCMGroupDampingDlg::OnCmdBtnAdd)
  ON_BN_CLICKED(IDC_GRDP_MODIFY, &CCMGroupDampingDlg::OnCmdBtnModify)
  ON_BN_CLICKED(IDC_GRDP_DELETE, &CCMGroupDampingDlg::OnCmdBtnDelete)
  ON_BN_CLICKED(IDC_GRDP_TYPE_ELEM, &CCMGroupDampingDlg::OnCmdGroupTypeRadio)
  ON_BN_CLICKED(IDC_GRDP_TYPE_BNDR, &CCMGroupDampingDlg::OnCmdGroupTypeRadio)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_GRDP_LIST, &CCMGroupDampingDlg::OnItemchangedCmdList)
END_MESSAGE_MAP()

const CCMGroupDampingDlg::Column CCMGroupDampingDlg::kColumns[5] = {
    {"IDS_CMD_GRDP_GROUP_NAME", 60},     {"IDS_CMD_GRDP_GROUP_TYPE", 60}, {"IDS_CMD_GRDP_DAMPING_RATIO", 95},
    {"IDS_CMD_GRDP_GROUP_ALPHA", 50},    {"IDS_CMD_GRDP_GROUP_BETA", 50},
};

CCMGroupDampingDlg::CCMGroupDampingDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_GROUP_DAMPING, pParent), m_pDoc(CDBDoc::m_pDBDoc) {
  m_groupTypeIds.Add(IDC_GRDP_TYPE_ELEM);
  m_groupTypeIds.Add(IDC_GRDP_TYPE_BNDR);
}

CCMGroupDampingDlg::~CCMGroupDampingDlg() = default;

void CCMGroupDampingDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_GRDP_DEF_RATIO, m_editDefRatio);
  DDX_Control(pDX, IDC_GRDP_DEF_ALPHA, m_editDefAlpha);
  DDX_Control(pDX, IDC_GRDP_DEF_BETA, m_editDefBeta);
  DDX_Control(pDX, IDC_GRDP_RATIO, m_editRatio);
  DDX_Control(pDX, IDC_GRDP_ALPHA, m_editAlpha);
  DDX_Control(pDX, IDC_GRDP_BETA, m_editBeta);
  DDX_Control(pDX, IDC_GRDP_NAME, m_cobxName);
  DDX_Control(pDX, IDC_GRDP_LIST, m_list);
  DDX_Control(pDX, IDC_GRDP_RESPONSE, m_checkResponse);
}

BOOL CCMGroupDampingDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_editDefRatio.SetUnitType(0);
  m_editRatio.SetUnitType(0);
  SetHeaderTitle();
  m_editAlpha.EnableWindow(FALSE);
  m_editDefAlpha.EnableWindow(FALSE);
  return TRUE;
}

void CCMGroupDampingDlg::OnOK() {
  if (Dlg2Data()) CDlgMove::OnOK();
}

void CCMGroupDampingDlg::SetHeaderTitle() {
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  for (int i = 0; i < 5; ++i)
    m_list.InsertColumn(i, CMsgDll::pfuncLoadStr(kColumns[i].pszTitleKey, 0), LVCFMT_LEFT, kColumns[i].nWidth);
}

void CCMGroupDampingDlg::SetGroupNameCombo() {
  // Which kind of group the names would be of; no group list is kept yet, so none.
  (void)CDlgUtil::CtrlRadioGetCheck(this, m_groupTypeIds);
  m_cobxName.ResetContent();
  m_cobxName.SetCurSel(0);
}

int CCMGroupDampingDlg::SelectedRow() const { return m_list.GetNextItem(-1, LVNI_SELECTED); }

void CCMGroupDampingDlg::SelectRow(int nRow) {
  if (nRow < 0) return;
  m_list.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CCMGroupDampingDlg::OnCmdBtnAdd() { SetGroupNameCombo(); }

void CCMGroupDampingDlg::OnCmdGroupTypeRadio() { SetGroupNameCombo(); }

void CCMGroupDampingDlg::OnCmdBtnModify() {
  const int row = SelectedRow();
  if (row < 0) {
    AfxMessageBox(GMakeMsg("IDS_CMD_GRDP_No_Selected_Group_Damping"));
    return;
  }
  SetGroupNameCombo();
  SelectRow(row);
}

void CCMGroupDampingDlg::OnCmdBtnDelete() {
  const int row = SelectedRow();
  if (row < 0) {
    AfxMessageBox(GMakeMsg("IDS_CMD_GRDP_No_Selected_Group_Damping"));
    return;
  }
  SetGroupNameCombo();
  const int count = m_list.GetItemCount();
  SelectRow(row < count ? row : count - 1);
}

void CCMGroupDampingDlg::OnItemchangedCmdList(NMHDR*, LRESULT* pResult) {
  (void)SelectedRow();
  if (pResult) *pResult = 0;
}

CString CCMGroupDampingDlg::GetGroupType(int nType) const {
  if (nType == 0) return CMsgDll::pfuncLoadStr("IDS_CMD_GRDP_TYPE_STRUCTURE", 0);
  if (nType == 1) return CMsgDll::pfuncLoadStr("IDS_CMD_GRDP_TYPE_BOUNDARY", 0);
  return CString();
}

CString CCMGroupDampingDlg::GetGroupName(int, UINT) const { return CString(); }

CString CCMGroupDampingDlg::DataToStr(int, int, const T_GRUP_D&) const { return CString(); }

int CCMGroupDampingDlg::InsertItem(int nData, const T_GRUP_D&) {
  const int row = m_list.InsertItem(m_list.GetItemCount(), "");
  if (row < 0) return 0;
  m_list.SetItemData(row, (DWORD_PTR)nData);
  for (int c = 1; c < 5; ++c) m_list.SetItemText(row, c, "");
  return 1;
}

int CCMGroupDampingDlg::IsUsedGrupData(int, UINT) const { return -1; }

int CCMGroupDampingDlg::Dlg2BaseData(T_GRUP_D&) const { return 1; }
