#include "loads/COutLineDefineDlg.h"

#include "afx/CDataExchange.h"
#include "db/CClassStor.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(COutLineDefineDlg, COutLineDlgBase)

BEGIN_MESSAGE_MAP(COutLineDefineDlg, COutLineDlgBase)
END_MESSAGE_MAP()

namespace {
const COutLineDlgBase::Column kColumns[] = {
    {"IDS_WG_CMD_LOAD_TYPE_GRID_Name", 50, LVCFMT_LEFT, COutLineDlgBase::SHOW_NAME},
    {"IDS_CMD_WR_Module", 50, LVCFMT_CENTER, COutLineDlgBase::SHOW_TOWER},
    {"IDS_CMD_WR_From", 50, LVCFMT_LEFT, COutLineDlgBase::SHOW_FROM},
    {"IDS_CMD_WR_To", 50, LVCFMT_LEFT, COutLineDlgBase::SHOW_TO},
    {"IDS_CMD_WR_Region", 155, LVCFMT_LEFT, COutLineDlgBase::SHOW_POINTS},
};
}  // namespace

COutLineDefineDlg::COutLineDefineDlg(CWnd* pParent) 
    : COutLineTableDlg(IDD_CMD_OUTLINE_DEFINE, pParent, kColumns, (int)(sizeof kColumns / sizeof kColumns[0])) {}

void COutLineDefineDlg::DoDataExchange(CDataExchange* pDX) {
  COutLineDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_WR_NAME, m_cmbName);
}

void COutLineDefineDlg::InitControls() {
  m_cmbName.ResetContent();
  for (char c = 'A'; c <= 'Z'; ++c) {
    CString letter;
    letter.Format("%c", c);
    m_cmbName.AddString(letter);
  }
  m_cmbName.SetCurSel(0);
}

void COutLineDefineDlg::ReadName(T_WIND_RANGE& rec) {
  const int i = m_cmbName.GetCurSel();
  rec.name.Empty();
  if (i >= 0) m_cmbName.GetLBText(i, rec.name);
}

void COutLineDefineDlg::UpdateStoryCmb() {
  m_cmbStoryFrom.IncludePlanName(TRUE);
  m_cmbStoryFrom.ExceptBaseStory();
  SetEndStoryCmb();
}

void COutLineDefineDlg::SetEndStoryCmb() {
  m_cmbStoryTo.ResetContent();
  const auto* stor = ModelTable<CClassStor>();
  UINT start = 0;
  T_STOR_D s;
  if (!stor || !m_cmbStoryFrom.GetSelectedStor(start) || !stor->Get(start, s)) return;
  CUIntArray keys;
  stor->GetKeyListByPlanK(keys, s.planKey);
  BOOL on = FALSE;
  int pos = 0;
  for (UINT k : keys) {
    on = on || k == start;
    T_STOR_D r;
    if (!on || !stor->Get(k, r)) continue;
    const int i = m_cmbStoryTo.InsertString(pos++, r.name);
    m_cmbStoryTo.SetItemData(i, k);
  }
  if (m_cmbStoryTo.GetCount() > 0) m_cmbStoryTo.SetCurSel(0);
}
