#include "tests/levels/LevelsFixture.h"

#include "db/DB_CDataBase.h"

void CTransactionCounter::OnUpdate(CView*, LPARAM, CObject* pHint) {
  ++transactions;
  lastCodes.clear();
  DB_CDataBase* pDB = GetConnectedDB();
  (void)pHint;
  if (!pDB || !pDB->HasUpdateRecords()) return;
  POSITION pos = pDB->GetFirstUpdatePosition();
  while (pos) {
    int code = 0;
    UINT key = 0;
    pDB->GetNextUpdate(pos, code, key);
    lastCodes.push_back(code);
  }
}

void LevelsTest::SetUp() {
  app = std::make_unique<CHostApp>();
  doc = std::make_unique<CDBDoc>();
  db = doc->GetModelDB();
  mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
  plan = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
  stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  grnd = static_cast<CClassGrnd*>(db->GetClass(CClassGrnd::m_nClassID));
  mctl = static_cast<CClassMctl*>(db->GetClass(CClassMctl::m_nClassID));
  AfxClearMessageLog();
  counter.ConnectDB(db);
}

void LevelsTest::TearDown() {
  AfxClearScriptQueue();
  counter.DisconnectDB();
  doc.reset();
  app.reset();
}

void LevelsTest::AddStories(UINT mdulKey, int n) {
  CArray<T_STOR_D> recs;
  for (int i = 1; i <= n; ++i) {
    T_STOR_D s;
    s.name.Format("%dF", i);
    s.mdulKey = mdulKey;
    s.planKey = 1;
    recs.Add(s);
  }
  ASSERT_TRUE(stor->TR_Add(recs));
}

namespace {
template <class Table, class Rec>
std::string Names(Table* t, const CUIntArray& keys) {
  std::string s;
  for (UINT k : keys) {
    Rec r;
    t->Get(k, r);
    s += std::string(s.empty() ? "" : ",") + r.name.c_str();
  }
  return s;
}
}  // namespace

std::string LevelsTest::TowerNames() {
  CUIntArray keys;
  mdul->GetKeyList(keys);
  return Names<CClassMdul, T_MDUL_D>(mdul, keys);
}

std::string LevelsTest::PlanNames() {
  CUIntArray keys;
  plan->GetKeyList(keys);
  return Names<CClassPlan, T_PLAN_D>(plan, keys);
}

std::string LevelsTest::StoryNames(UINT mdulKey) {
  CUIntArray keys;
  stor->GetKeyList(keys, mdulKey);
  return Names<CClassStor, T_STOR_D>(stor, keys);
}

std::string LevelsTest::LastMessage() {
  const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
  return m ? m->text.c_str() : "";
}
