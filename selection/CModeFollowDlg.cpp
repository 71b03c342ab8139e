#include "selection/CModeFollowDlg.h"

#include "common/CCmdNodeElemMode.h"
#include "db/CDBDoc.h"
#include "db/CDBQuery.h"
#include "db/CMDBCtrl.h"
#include "db/DB_CDataBase.h"

IMPLEMENT_DYNAMIC(CModeFollowDlg, CDBDlgBase)

namespace {
UINT HintDB(CObject* pHint) {
  const auto* h = dynamic_cast<const T_UPDATE_HINT*>(pHint);
  return h ? h->m_nDBID : 0;
}
}  // namespace

void CModeFollowDlg::CAnalysisFollower::OnUpdate(CView*, LPARAM lHint, CObject* pHint) {
  m_pDlg->OnUpdateHint(lHint, HintDB(pHint));
}

CModeFollowDlg::CModeFollowDlg(UINT nIDTemplate, CWnd* pParent) : CDBDlgBase(nIDTemplate, pParent) {}

CModeFollowDlg::~CModeFollowDlg() = default;

int CModeFollowDlg::GetCurMode() const { return CCmdNodeElemMode::IsNodeElemMode(); }

DB_CDataBase* CModeFollowDlg::GetCurrentDB(int nMode) const { return CCmdNodeElemMode::GetCurrentDB(nMode); }

DB_CDataBase* CModeFollowDlg::GetCategoryDB(UINT nCategory) const {
  return GetCurrentDB(nCategory == QUERY_NPLN ? 0 : m_nMode);
}

DB_CDataBase* CModeFollowDlg::GetModelDB() const { return m_pDBDoc ? m_pDBDoc->GetModelDB() : GetCurrentDB(0); }

void CModeFollowDlg::FollowAnalysisDB() {
  if (m_pDBDoc) m_follower.ConnectDB(m_pDBDoc->GetMDBCtrl()->GetDBPost());
}

void CModeFollowDlg::OnDBUpdate(const DB_CDataBase& db) { OnUpdateHint(DB_HINT_DATA_CHANGED, db.GetID()); }

void CModeFollowDlg::OnHint(LPARAM lHint, CObject* pHint) { OnUpdateHint(lHint, HintDB(pHint)); }

void CModeFollowDlg::OnUpdateHint(LPARAM lHint, UINT nDBID) {
  if (!m_hWnd) return;
  switch (lHint) {
    case 0:
    case 1:
    case DB_HINT_DATA_CHANGED: UpdateBuffer(nDBID); break;
    case 7:
    case 8: ChangeCurMode(); break;
    case 29:
      if (m_pDBDoc && m_pDBDoc->IsPreMode()) ChangeCurMode();
      break;
    default: break;
  }
}
