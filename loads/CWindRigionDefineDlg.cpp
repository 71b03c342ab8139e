#include "loads/CWindRigionDefineDlg.h"

#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CWindRigionDefineDlg, COutLineDlgBase)

BEGIN_MESSAGE_MAP(CWindRigionDefineDlg, COutLineDlgBase)
END_MESSAGE_MAP()

namespace {
const COutLineDlgBase::Column kColumns[] = {
    {"IDS_CMD_WR_Module", 50, LVCFMT_CENTER, COutLineDlgBase::SHOW_TOWER},
    {"IDS_CMD_WR_From", 50, LVCFMT_LEFT, COutLineDlgBase::SHOW_FROM},
    {"IDS_CMD_WR_To", 50, LVCFMT_LEFT, COutLineDlgBase::SHOW_TO},
    {"IDS_CMD_WR_Region", 155, LVCFMT_LEFT, COutLineDlgBase::SHOW_POINTS},
};
}  // namespace

CWindRigionDefineDlg::CWindRigionDefineDlg(CWnd* pParent) 
    : COutLineTableDlg(IDD_CMD_WIND_REGION, pParent, kColumns, (int)(sizeof kColumns / sizeof kColumns[0])) {}

void CWindRigionDefineDlg::UpdateStoryCmb() {
  m_cmbStoryFrom.SortByModule(TRUE, 0);
  m_cmbStoryFrom.SetReverseOrder();
  SetEndStoryCmb();
}

void CWindRigionDefineDlg::SetEndStoryCmb() {
  m_cmbStoryTo.ResetContent();
  const auto* mdul = ModelTable<CClassMdul>();
  const auto* stor = ModelTable<CClassStor>();
  if (!mdul || !stor) return;
  const BOOL towers = mdul->GetCount() > 1;
  UINT start = 0;
  T_STOR_D s;
  if (!m_cmbStoryFrom.GetSelectedStor(start) || !stor->Get(start, s)) return;
  CUIntArray keys;
  CArray<T_STOR_D> recs;
  stor->GetList(keys, recs, s.mdulKey);
  T_MDUL_D tower;
  const CString prefix = towers && mdul->Get(s.mdulKey, tower) ? tower.name + ":" : CString();
  BOOL on = FALSE;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    on = on || keys[i] == start;
    if (!on) continue;
    m_cmbStoryTo.InsertString(0, prefix + recs[i].name);
    m_cmbStoryTo.SetItemData(0, keys[i]);
  }
  if (m_cmbStoryTo.GetCount() > 0) m_cmbStoryTo.SetCurSel(0);
}
