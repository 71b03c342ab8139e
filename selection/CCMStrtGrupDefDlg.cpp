#include "selection/CCMStrtGrupDefDlg.h"

#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassGrup.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "frame/ICmdDialog.h"
#include "res/resource.h"
#include "ui/CNumericOptimizer.h"
#include "ui/GMsg.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CCMStrtGrupDefDlg, CDBDlgBase)

BEGIN_MESSAGE_MAP(CCMStrtGrupDefDlg, CDBDlgBase)
  ON_BN_CLICKED(IDC_SGRP_ADD, &CCMStrtGrupDefDlg::OnCmdAddButton)
  ON_BN_CLICKED(IDC_SGRP_MODIFY, &CCMStrtGrupDefDlg::OnCmdModifyButton)
  ON_BN_CLICKED(IDC_SGRP_DELETE, &CCMStrtGrupDefDlg::OnCmdDeleteButton)
  ON_LBN_SELCHANGE(IDC_SGRP_LIST, &CCMStrtGrupDefDlg::OnSelchangeCmdGroupNameList)
  ON_BN_CLICKED(IDC_SGRP_UNSELECT_ALL, &CCMStrtGrupDefDlg::OnCmdUnselectAllBtn)
  ON_BN_CLICKED(IDC_SGRP_SELECT_IDENTITY, &CCMStrtGrupDefDlg::OnCmdSelectIdentyBtn)
  ON_BN_CLICKED(IDC_SGRP_CLOSE, &CCMStrtGrupDefDlg::OnCmdClose)
END_MESSAGE_MAP()

CCMStrtGrupDefDlg::CCMStrtGrupDefDlg(CWnd* pParent) : CDBDlgBase(IDD_CMD_STRT_GRUP, pParent) {
  m_dispatch.AddMirror({CClassGrup::m_nClassID}, [this] { UpdateGrupList(); });
}

CCMStrtGrupDefDlg::~CCMStrtGrupDefDlg() = default;

void CCMStrtGrupDefDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SGRP_NAME, m_editName);
  DDX_Control(pDX, IDC_SGRP_PONT, m_editPont);
  DDX_Control(pDX, IDC_SGRP_MEMB, m_editMemb);
  DDX_Control(pDX, IDC_SGRP_LIST, m_listGroup);
}

BOOL CCMStrtGrupDefDlg::OnInitDialog() {
  m_pDoc = m_pDBDoc ? m_pDBDoc : CDBDoc::m_pDBDoc;
  m_pDB = m_pDoc && m_pDoc->GetMDBCtrl() ? m_pDoc->GetMDBCtrl()->GetModelDB() : nullptr;
  m_pGrup = m_pDB ? static_cast<CClassGrup*>(m_pDB->GetClass(CClassGrup::m_nClassID)) : nullptr;
  CDBDlgBase::OnInitDialog();
  m_editPont.CDBUpdateConnector::Connect(m_pDoc);
  m_editPont.SetTarget(CSelectUpdator::TARGET_PONT);
  m_editMemb.CDBUpdateConnector::Connect(m_pDoc);
  m_editMemb.SetTarget(CSelectUpdator::TARGET_MEMB);
  m_editPont.SetWindowText("");
  m_editMemb.SetWindowText("");
  UpdateGrupList();
  return TRUE;
}

void CCMStrtGrupDefDlg::UpdateGrupList() {
  m_listGroup.ResetContent();
  if (!m_pGrup) return;
  CUIntArray keys;
  CArray<T_GRUP_D> recs;
  m_pGrup->GetList(keys, recs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) m_listGroup.SetItemData(m_listGroup.AddString(recs[i].name), keys[i]);
}

void CCMStrtGrupDefDlg::RecordFromView(T_GRUP_D& rec) {
  rec.Initialize();
  m_editName.GetWindowText(rec.name);
  if (I_ModelBase* view = I_ModelBase::GetCurMySelfST()) {
    view->GetSelectedPont(rec.points, 1);
    view->GetSelectedMemb(rec.members, 1);
  }
}

void CCMStrtGrupDefDlg::SelectedItems(std::vector<int>& items) const {
  items.clear();
  const int n = m_listGroup.GetSelCount();
  if (n <= 0) return;
  items.resize((size_t)n);
  m_listGroup.GetSelItems(n, items.data());
}

void CCMStrtGrupDefDlg::OnCmdAddButton() {
  T_GRUP_D rec;
  RecordFromView(rec);
  if (m_pGrup) m_pGrup->TR_Add(rec);
}

void CCMStrtGrupDefDlg::OnCmdModifyButton() {
  std::vector<int> items;
  SelectedItems(items);
  if (items.empty()) {
    AfxMessageBox(GMakeMsg("IDS_CMD__ADDD__No_selected_item_in_the_list__nCh"));
    return;
  }
  const UINT key = (UINT)m_listGroup.GetItemData(items.front());
  T_GRUP_D rec;
  RecordFromView(rec);
  if (m_pGrup) m_pGrup->TR_Modify(key, rec);
}

void CCMStrtGrupDefDlg::OnCmdDeleteButton() {
  std::vector<int> items;
  SelectedItems(items);
  CUIntArray keys;
  for (int i : items) keys.Add((UINT)m_listGroup.GetItemData(i));
  if (m_pGrup) m_pGrup->TR_Del(keys);
}

void CCMStrtGrupDefDlg::OnSelchangeCmdGroupNameList() {
  std::vector<int> items;
  SelectedItems(items);
  T_GRUP_D rec;
  if (items.empty() || !m_pGrup || !m_pGrup->Get((UINT)m_listGroup.GetItemData(items.front()), rec)) return;
  const CNumericOptimizer opt;
  CUIntArray numbers;
  if (!rec.points.IsEmpty()) {
    auto* pont = static_cast<CClassPont*>(m_pDB->GetClass(CClassPont::m_nClassID));
    if (pont && pont->GetPontNoListByKey(rec.points, numbers)) m_editPont.SelectByStr(opt.Optimize(numbers));
  }
  if (!rec.members.IsEmpty()) {
    auto* memb = static_cast<CClassMemb*>(m_pDB->GetClass(CClassMemb::m_nClassID));
    if (memb && memb->GetMembNoListByKey(rec.members, numbers)) m_editMemb.SelectByStr(opt.Optimize(numbers));
  }
  m_editName.SetWindowText(rec.name);
}

void CCMStrtGrupDefDlg::OnCmdUnselectAllBtn() {
  if (m_pDB) m_pDB->GetViewCtrl()->UnselectAll(nullptr);
}

void CCMStrtGrupDefDlg::OnCmdSelectIdentyBtn() { ICmdDialog::DoModeless("CCMSelectIdentityDlg", nullptr, nullptr); }

void CCMStrtGrupDefDlg::OnCmdClose() { DestroyWindow(); }

void CCMStrtGrupDefDlg::UpdateBuffer(const DB_CDataBase& db) {
  if (m_hWnd) m_dispatch.Dispatch(db);
}

void CCMStrtGrupDefDlg::OnHint(LPARAM lHint, CObject* pHint) {
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  if (!m_hWnd || (lHint != 0 && lHint != 1 && lHint != 3) || !hint || !m_pDoc || !m_pDoc->GetMDBCtrl()) return;
  const DB_CDataBase* db = m_pDoc->GetMDBCtrl()->GetDB(hint->m_nDBID);
  if (db && db->HasUpdateRecords()) UpdateBuffer(*db);
}
