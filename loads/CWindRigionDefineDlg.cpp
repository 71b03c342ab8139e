#include "loads/CWindRigionDefineDlg.h"

#include "db/CClassLwrd.h"
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

T_WIND_RANGE FromLwrd(const T_LWRD_D& r) {
  T_WIND_RANGE w;
  w.lead = r.lead;
  w.startStory = r.startStory;
  w.endStory = r.endStory;
  w.points.Copy(r.points);
  return w;
}

T_LWRD_D ToLwrd(const T_WIND_RANGE& w) {
  T_LWRD_D r;
  r.lead = w.lead;
  r.startStory = w.startStory;
  r.endStory = w.endStory;
  r.points.Copy(w.points);
  return r;
}
}  // namespace

CWindRigionDefineDlg::CWindRigionDefineDlg(CWnd* pParent) : COutLineDlgBase(IDD_CMD_WIND_REGION, pParent) {}

UINT CWindRigionDefineDlg::GetTableID() const { return CClassLwrd::m_nClassID; }

const COutLineDlgBase::Column* CWindRigionDefineDlg::GetColumns(int& n) const {
  n = (int)(sizeof kColumns / sizeof kColumns[0]);
  return kColumns;
}

CClassLwrd* CWindRigionDefineDlg::Lwrd() const {
  DB_CDataBase* db = ModelDB();
  return db ? static_cast<CClassLwrd*>(db->GetClass(CClassLwrd::m_nClassID)) : nullptr;
}

void CWindRigionDefineDlg::UpdateStoryCmb() {
  m_cmbStoryFrom.SortByModule(TRUE, 0);
  m_cmbStoryFrom.SetReverseOrder();
  SetEndStoryCmb();
}

void CWindRigionDefineDlg::SetEndStoryCmb() {
  m_cmbStoryTo.ResetContent();
  DB_CDataBase* db = ModelDB();
  const auto* mdul = db ? static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID)) : nullptr;
  const auto* stor = db ? static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID)) : nullptr;
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

void CWindRigionDefineDlg::ReadList(CUIntArray& keys, std::vector<T_WIND_RANGE>& recs) const {
  recs.clear();
  CArray<T_LWRD_D> list;
  keys.RemoveAll();
  if (const CClassLwrd* t = Lwrd()) t->GetList(keys, list);
  for (const T_LWRD_D& r : list) recs.push_back(FromLwrd(r));
}

BOOL CWindRigionDefineDlg::ReadRecord(UINT key, T_WIND_RANGE& rec) const {
  T_LWRD_D r;
  const CClassLwrd* t = Lwrd();
  if (!t || !t->Get(key, r)) return FALSE;
  rec = FromLwrd(r);
  return TRUE;
}

BOOL CWindRigionDefineDlg::AddRecord(const T_WIND_RANGE& rec) {
  CClassLwrd* t = Lwrd();
  return t && t->TR_Add(ToLwrd(rec));
}

BOOL CWindRigionDefineDlg::ModifyRecord(UINT key, const T_WIND_RANGE& rec) {
  CClassLwrd* t = Lwrd();
  T_LWRD_D r = ToLwrd(rec);
  r.key = key;
  return t && t->TR_Modify(key, r);
}

BOOL CWindRigionDefineDlg::DeleteRecords(const CUIntArray& keys) {
  CClassLwrd* t = Lwrd();
  return t && t->TR_Del(keys);
}
