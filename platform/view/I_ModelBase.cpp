#include "view/I_ModelBase.h"

#include "db/CClassMemb.h"
#include "db/CClassStor.h"
#include "db/CViewCtrl.h"
#include "db/CDBDoc.h"
#include "view/I_MainFrameBase.h"

I_ModelBase* I_ModelBase::s_pCurrent = nullptr;
int I_ModelBase::m_nCreateMembMode = 0;
UINT I_ModelBase::PONTKEY = 0;
UINT I_ModelBase::MEMBKEY = 0;

namespace {
CClassStor* Stories(CDBDoc* doc) {
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID)) : nullptr;
}
}  // namespace

I_ModelBase::~I_ModelBase() {
  if (s_pCurrent == this) s_pCurrent = nullptr;
}

void I_ModelBase::SetPlanView(UINT storyKey) {
  m_kind = VIEW_PLAN;
  if (CClassStor* stor = Stories(m_pDoc); stor && storyKey) stor->SetCurStor(storyKey);
}

BOOL I_ModelBase::IsPerspectiveView() const {
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  return m_kind != VIEW_PLAN && frame && frame->IsToolbarButtonChecked(I_MainFrameBase::ID_PERSPECTIVE);
}

int I_ModelBase::GetSelectedPont(CUIntArray& keys, int) {
  keys.RemoveAll();
  DB_CDataBase* db = m_pDoc ? m_pDoc->GetModelDB() : nullptr;
  if (!db) return 0;
  db->GetViewCtrl()->GetAllSelectedPont(keys);
  return 1;
}

int I_ModelBase::GetSelectedMemb(CUIntArray& keys, int) {
  keys.RemoveAll();
  DB_CDataBase* db = m_pDoc ? m_pDoc->GetModelDB() : nullptr;
  if (!db) return 0;
  db->GetViewCtrl()->GetAllSelectedMemb(keys);
  return 1;
}

UINT I_ModelBase::GetStory() const {
  CClassStor* stor = Stories(m_pDoc);
  return stor ? stor->GetCurStor() : 0;
}

void I_ModelBase::SetViewState(int nState, BOOL bOn) {
  if (bOn)
    m_states.insert(nState);
  else
    m_states.erase(nState);
}

double I_ModelBase::GetLevelOffset() const {
  if (m_kind == VIEW_PLAN) return 0.0;
  CClassStor* stor = Stories(m_pDoc);
  double top = 0.0;
  return stor && stor->GetTopLevel(stor->GetCurStor(), top) ? top : 0.0;
}

void I_ModelBase::ConvertUcsToGcs(double x, double y, double z, double& gx, double& gy, double& gz) const {
  gx = x, gy = y, gz = z;
  if (m_kind != VIEW_PLAN) return;
  CClassStor* stor = Stories(m_pDoc);
  double top = 0.0;
  if (stor && stor->GetTopLevel(stor->GetCurStor(), top)) gz = z + top;
}

void I_ModelBase::ConvertGcsToUcs(double gx, double gy, double gz, double& x, double& y, double& z) const {
  x = gx, y = gy, z = gz;
  if (m_kind != VIEW_PLAN) return;
  CClassStor* stor = Stories(m_pDoc);
  double top = 0.0;
  if (stor && stor->GetTopLevel(stor->GetCurStor(), top)) z = gz - top;
}

int I_ModelBase::GetSelectedMemb(CUIntArray& keys, int) const {
  keys.RemoveAll();
  DB_CDataBase* db = m_pDoc ? m_pDoc->GetModelDB() : nullptr;
  if (!db) return 0;
  db->GetViewCtrl()->GetAllSelectedMemb(keys);
  return (int)keys.GetSize();
}

int I_ModelBase::GetSelectedMemb(CUIntArray& keys, const CUIntArray& types, int nOption) const {
  CUIntArray all;
  GetSelectedMemb(all, nOption);
  keys.RemoveAll();
  DB_CDataBase* db = m_pDoc ? m_pDoc->GetModelDB() : nullptr;
  auto* memb = db ? static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID)) : nullptr;
  if (!memb) return 0;
  const std::set<UINT> wanted(types.begin(), types.end());
  for (UINT k : all) {
    int type = 0;
    if (memb->GetMembType(k, type) && wanted.count((UINT)type)) keys.Add(k);
  }
  return (int)keys.GetSize();
}

void I_ModelBase::SetTracingLineVisible(UINT trlnKey, BOOL bVisible) {
  if (bVisible)
    m_hiddenTrln.erase(trlnKey);
  else
    m_hiddenTrln.insert(trlnKey);
}

BOOL CViewInfoUtil::IsPlaneViewMode(const I_ModelBase* pView) {
  if (!pView) pView = I_ModelBase::GetCurMySelfST();
  return pView && pView->IsPlaneView();
}
