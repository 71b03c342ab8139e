#include "loads/COutLineDefineDlg.h"

#include "afx/CDataExchange.h"
#include "db/CClassOtln.h"
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

T_WIND_RANGE FromOtln(const T_OTLN_D& r) {
  T_WIND_RANGE w;
  w.lead = r.lead;
  w.name = r.name;
  w.startStory = r.startStory;
  w.endStory = r.endStory;
  w.points.Copy(r.points);
  return w;
}

T_OTLN_D ToOtln(const T_WIND_RANGE& w) {
  T_OTLN_D r;
  r.lead = w.lead;
  r.name = w.name;
  r.startStory = w.startStory;
  r.endStory = w.endStory;
  r.points.Copy(w.points);
  return r;
}
}  // namespace

COutLineDefineDlg::COutLineDefineDlg(CWnd* pParent) : COutLineDlgBase(IDD_CMD_OUTLINE_DEFINE, pParent) {}

void COutLineDefineDlg::DoDataExchange(CDataExchange* pDX) {
  COutLineDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_WR_NAME, m_cmbName);
}

UINT COutLineDefineDlg::GetTableID() const { return CClassOtln::m_nClassID; }

const COutLineDlgBase::Column* COutLineDefineDlg::GetColumns(int& n) const {
  n = (int)(sizeof kColumns / sizeof kColumns[0]);
  return kColumns;
}

CClassOtln* COutLineDefineDlg::Otln() const {
  DB_CDataBase* db = ModelDB();
  return db ? static_cast<CClassOtln*>(db->GetClass(CClassOtln::m_nClassID)) : nullptr;
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
  DB_CDataBase* db = ModelDB();
  const auto* stor = db ? static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID)) : nullptr;
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

void COutLineDefineDlg::ReadList(CUIntArray& keys, std::vector<T_WIND_RANGE>& recs) const {
  recs.clear();
  CArray<T_OTLN_D> list;
  keys.RemoveAll();
  if (const CClassOtln* t = Otln()) t->GetList(keys, list);
  for (const T_OTLN_D& r : list) recs.push_back(FromOtln(r));
}

BOOL COutLineDefineDlg::ReadRecord(UINT key, T_WIND_RANGE& rec) const {
  T_OTLN_D r;
  const CClassOtln* t = Otln();
  if (!t || !t->Get(key, r)) return FALSE;
  rec = FromOtln(r);
  return TRUE;
}

BOOL COutLineDefineDlg::AddRecord(const T_WIND_RANGE& rec) {
  CClassOtln* t = Otln();
  return t && t->TR_Add(ToOtln(rec));
}

BOOL COutLineDefineDlg::ModifyRecord(UINT key, const T_WIND_RANGE& rec) {
  CClassOtln* t = Otln();
  T_OTLN_D r = ToOtln(rec);
  r.key = key;
  return t && t->TR_Modify(key, r);
}

BOOL COutLineDefineDlg::DeleteRecords(const CUIntArray& keys) {
  CClassOtln* t = Otln();
  return t && t->TR_Del(keys);
}
