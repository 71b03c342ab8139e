#include "db/CDBDoc.h"

#include "db/CLoadDB.h"

#include <filesystem>
#include <map>
#include <system_error>

#include "db/CClassGrnd.h"
#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CMatlDB.h"
#include "db/CPostModel.h"
#include "db/CSectDB.h"
#include "db/DB_CModelFile.h"

CDBDoc* CDBDoc::m_pDBDoc = nullptr;

namespace {
CDBDocUiHooks& Hooks() {
  static CDBDocUiHooks h;
  return h;
}
std::multimap<int, void (*)(CDBDoc&)>& SampleSteps() {
  static std::multimap<int, void (*)(CDBDoc&)> steps;
  return steps;
}
}  // namespace

CDBDocSampleStep::CDBDocSampleStep(int nOrder, void (*pfn)(CDBDoc& doc)) {
  if (pfn) SampleSteps().emplace(nOrder, pfn);
}

CDBDoc::CDBDoc(BOOL bMakeCurrent) {
  NewModel();
  if (bMakeCurrent) m_pDBDoc = this;
}

CDBDoc::~CDBDoc() {
  // The UI slots may reach back to the document (its modules and dialogs): end them
  // while everything else still stands.
  if (m_pDlgCtrl && Hooks().deleteDlgCtrl) Hooks().deleteDlgCtrl(m_pDlgCtrl);
  m_pDlgCtrl = nullptr;
  if (m_pDynModuleMgr && Hooks().deleteDynModuleMgr) Hooks().deleteDynModuleMgr(m_pDynModuleMgr);
  m_pDynModuleMgr = nullptr;
  if (m_pDBDoc == this) m_pDBDoc = nullptr;
}

CSectDB* CDBDoc::GetSectDB() { return m_pSectDB ? m_pSectDB : CSectDB::GetDefault(); }

CMatlDB* CDBDoc::GetMatlDB() { return CMatlDB::GetDefault(); }

CLoadDB* CDBDoc::GetLoadDB() { return CLoadDB::GetDefault(); }

void CDBDoc::SetUiHooks(const CDBDocUiHooks& hooks) { Hooks() = hooks; }

namespace {
CDBDoc::VIEWS_HOOK& ViewsHook() {
  static CDBDoc::VIEWS_HOOK s_pfn = nullptr;
  return s_pfn;
}
}  // namespace

CDBDoc::VIEWS_HOOK CDBDoc::SetViewsHook(VIEWS_HOOK pfn) {
  VIEWS_HOOK old = ViewsHook();
  ViewsHook() = pfn;
  return old;
}

void CDBDoc::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
  if (ViewsHook()) ViewsHook()(this, pSender, lHint, pHint);
  GetModelDB()->NotifyHint(pSender, lHint, pHint);
}

CDynModuleMgr* CDBDoc::GetDynModuleMgr() {
  if (!m_pDynModuleMgr && Hooks().newDynModuleMgr) m_pDynModuleMgr = Hooks().newDynModuleMgr(this);
  return m_pDynModuleMgr;
}

CDlgModelessMgr* CDBDoc::GetDlgCtrl() {
  if (!m_pDlgCtrl && Hooks().newDlgCtrl) m_pDlgCtrl = Hooks().newDlgCtrl(this);
  return m_pDlgCtrl;
}

void CDBDoc::StartTracerMode(int nCheckMode, const CUIntArray& flaggedKeys) {
  m_bTracer = TRUE;
  m_nCheckMode = nCheckMode;
  m_chek.SetFlaggedKeys(flaggedKeys);
}

void CDBDoc::EndTracerMode() {
  m_bTracer = FALSE;
  m_nCheckMode = 0;
  m_chek.SetFlaggedKeys(CUIntArray());
}

namespace {
// A new or opened model has no analysis model yet.
void ClearAnalysisModel(CMDBCtrl& mdb) {
  DB_CDataBase empty(DB_ID_POST);
  mdb.GetDBPost()->SwapContents(empty);
}
}  // namespace

void CDBDoc::SetPostMode(BOOL bPost) {
  if (bPost && !m_bPostMode) BuildAnalysisModel();
  m_bPostMode = bPost;
}

BOOL CDBDoc::BuildAnalysisModel() { return CPostModel::Build(*this); }

DB_CDataBase* CDBDoc::GetDBOfCode(const char* pszCode) {
  DB_CStoreBase* s = GetModelDB()->GetStoreByCode(pszCode);
  return s ? m_mdb.GetDB(DB_DatabaseOfClass(s->GetClassID())) : nullptr;
}

void CDBDoc::NewModel() {
  m_strPathName.Empty();
  ClearAnalysisModel(m_mdb);
  m_bPostMode = FALSE;
  DB_CDataBase* db = GetModelDB();
  DB_CDataBase fresh(db->GetID());
  auto* mdul = static_cast<CClassMdul*>(fresh.GetClass(CClassMdul::m_nClassID));
  auto* plan = static_cast<CClassPlan*>(fresh.GetClass(CClassPlan::m_nClassID));
  auto* stor = static_cast<CClassStor*>(fresh.GetClass(CClassStor::m_nClassID));
  T_MDUL_D m;
  m.key = CClassMdul::MAIN_TOWER;
  m.name = "Tower1";
  mdul->TR_Add(m);
  T_PLAN_D p;
  p.key = 1;
  p.name = "Plan1";
  plan->TR_Add(p);
  plan->SetCurPlan(1);
  T_STOR_D s;
  s.key = CClassStor::BASE_STORY;
  s.name = "Base";
  s.mdulKey = CClassMdul::MAIN_TOWER;
  s.planKey = 1;
  s.height = 0.0;
  stor->TR_Add(s);
  db->SwapContents(fresh);
}

void CDBDoc::NewSampleModel() {
  NewModel();
  DB_CDataBase* db = GetModelDB();
  auto* mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
  auto* plan = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  auto* grnd = static_cast<CClassGrnd*>(db->GetClass(CClassGrnd::m_nClassID));

  // Standard floors: (name, slab type, wall type).
  struct PlanRow { const char* name; int slab; int wall; };
  const PlanRow plans[] = {{"Basement", 4, 2}, {"Podium", 2, 1}, {"Typical1", 2, 1},
                           {"Roof1", 3, 1},    {"Typical2", 2, 1}, {"Roof2", 3, 1}};
  CArray<T_PLAN_D> planRecs;
  for (const PlanRow& r : plans) {
    T_PLAN_D p;
    p.name = r.name;
    p.slabType = r.slab;
    p.wallType = r.wall;
    planRecs.Add(p);
  }
  plan->TR_Add(planRecs);  // keys 2..7

  T_MDUL_D t2;
  t2.name = "Tower2";
  mdul->TR_Add(t2);  // key 2; stands on the podium, set below

  // Stories: (tower, name, standard floor, height, dead load, live load).
  struct StorRow { UINT tower; const char* name; UINT plan; double h; double dl; double ll; };
  const StorRow stories[] = {
      {1, "B1", 2, 4.5, 5.0, 4.0}, {1, "1F", 3, 4.5, 5.0, 3.5}, {1, "2F", 3, 4.2, 5.0, 3.5},
      {1, "3F", 4, 3.3, 5.0, 2.0}, {1, "4F", 4, 3.3, 5.0, 2.0}, {1, "5F", 4, 3.3, 5.0, 2.0},
      {1, "RF", 5, 3.0, 6.0, 0.5}, {2, "3F", 6, 3.3, 5.0, 2.0}, {2, "4F", 6, 3.3, 5.0, 2.0},
      {2, "5F", 6, 3.3, 5.0, 2.0}, {2, "RF", 7, 3.0, 6.0, 0.5}};
  CArray<T_STOR_D> storRecs;
  for (const StorRow& r : stories) {
    T_STOR_D s;
    s.mdulKey = r.tower;
    s.name = r.name;
    s.planKey = r.plan;
    s.height = r.h;
    s.deadLoad = r.dl;
    s.liveLoad = r.ll;
    storRecs.Add(s);
  }
  stor->TR_Add(storRecs);  // keys 2..12

  t2.key = 2;
  t2.startStorKey = stor->GetKey("2F", 1);
  mdul->TR_Modify(2u, t2);

  T_GRND_D g;
  g.groundLevel = 4.5;
  g.basementCount = 1;
  T_MCTL_D c;
  c.rcMatlKey = 0;
  grnd->TR_Add_All(&g, &c);
  plan->SetCurPlan(4);
  for (const auto& step : SampleSteps()) step.second(*this);
  db->ClearUndo();
}

namespace {
CString AbsolutePath(const char* pszPath) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(pszPath), ec);
  return CString(ec ? std::string(pszPath) : p.lexically_normal().string());
}
}  // namespace

BOOL CDBDoc::SaveModel(const char* pszPath, CString& strError) {
  if (!DB_CModelFile::Save(*GetModelDB(), pszPath, strError)) return FALSE;
  m_strPathName = AbsolutePath(pszPath);
  return TRUE;
}

BOOL CDBDoc::OpenModel(const char* pszPath, CString& strError, CString* pWhere) {
  DB_CDataBase loaded(GetModelDB()->GetID());
  if (!DB_CModelFile::Open(loaded, pszPath, strError, pWhere)) return FALSE;
  GetModelDB()->SwapContents(loaded);
  ClearAnalysisModel(m_mdb);
  m_bPostMode = FALSE;
  m_strPathName = AbsolutePath(pszPath);
  return TRUE;
}

BOOL CDBDoc::DumpTable(const char* pszCode, CString& out) {
  DB_CDataBase* db = GetDBOfCode(pszCode);
  DB_CStoreBase* s = db ? db->GetStoreByCode(pszCode) : nullptr;
  if (!s) return FALSE;
  s->Dump(out);
  return TRUE;
}

BOOL CDBDoc::DumpTable(const char* pszCode, const DB_CDumpFilter& filter, CString& out, CString& strBad) {
  DB_CDataBase* db = GetDBOfCode(pszCode);
  DB_CStoreBase* s = db ? db->GetStoreByCode(pszCode) : nullptr;
  if (!s) {
    strBad = pszCode;
    return FALSE;
  }
  std::string bad;
  if (!filter.FieldsExist(s->GetDesc(), bad)) {
    strBad = CString(bad);
    return FALSE;
  }
  s->Dump(out, &filter);
  return TRUE;
}

int CDBDoc::GetRecordCount(const char* pszCode) {
  DB_CDataBase* db = GetDBOfCode(pszCode);
  DB_CStoreBase* s = db ? db->GetStoreByCode(pszCode) : nullptr;
  return s ? s->Count() : -1;
}

BOOL CDBDoc::HasRecord(const char* pszCode, UINT key) {
  DB_CDataBase* db = GetDBOfCode(pszCode);
  DB_CStoreBase* s = db ? db->GetStoreByCode(pszCode) : nullptr;
  return s && s->Exist(key);
}

BOOL CDBDoc::GetFieldText(const char* pszCode, UINT key, const char* pszField, CString& text, BOOL& bReal,
                          BOOL bRaw) {
  DB_CDataBase* db = GetDBOfCode(pszCode);
  DB_CStoreBase* s = db ? db->GetStoreByCode(pszCode) : nullptr;
  const void* rec = s ? s->Record(key) : nullptr;
  const DB_CFlatField* f = rec ? DB_FindField(s->GetDesc(), pszField) : nullptr;
  if (!f) return FALSE;
  text = DB_FieldText(*f, rec, bRaw);
  bReal = f->type == DBF_DOUBLE;
  return TRUE;
}

namespace {
// "points[1]": the list field and the index; NULL when the path names no list element.
const DB_CFlatField* ListElement(const DB_CRecordDesc& desc, const CString& path, int& index) {
  int open = path.Find('[');
  if (open <= 0 || path.GetLength() < open + 3 || path[path.GetLength() - 1] != ']') return nullptr;
  const DB_CFlatField* f = DB_FindField(desc, path.Left(open));
  if (!f || (f->type != DBF_UINTLIST && f->type != DBF_REALLIST)) return nullptr;
  CString digits = path.Mid(open + 1, path.GetLength() - open - 2);
  index = 0;
  for (int i = 0; i < digits.GetLength(); ++i) {
    if (digits[i] < '0' || digits[i] > '9' || index > 100000000) return nullptr;
    index = index * 10 + (digits[i] - '0');
  }
  return digits.IsEmpty() ? nullptr : f;
}
}  // namespace

int CDBDoc::PutRecord(const char* pszCode, UINT key, const CStringArray& assignments, CString& strBad) {
  DB_CDataBase* db = GetDBOfCode(pszCode);
  DB_CStoreBase* s = db ? db->GetStoreByCode(pszCode) : nullptr;
  DB_CDataClass* table = s ? db->GetClass(s->GetClassID()) : nullptr;
  if (!table) {
    strBad = pszCode;
    return -1;
  }
  const DB_CRecordDesc& desc = s->GetDesc();
  // Check the names first: an unknown field is a fault of the line, not of the record.
  for (const CString& a : assignments) {
    int eq = a.Find('=');
    int index = -1;
    if (eq <= 0 || (!DB_FindField(desc, a.Left(eq)) && !ListElement(desc, a.Left(eq), index))) {
      strBad = a;
      return -1;
    }
  }
  return table->PutRecord(key, [&](void* rec) {
    for (const CString& a : assignments) {
      int eq = a.Find('=');
      int index = -1;
      const DB_CFlatField* f = DB_FindField(desc, a.Left(eq));
      if (!f) f = ListElement(desc, a.Left(eq), index);
      if (!f || !DB_SetFieldText(*f, rec, a.Mid(eq + 1), index)) {
        strBad = a;
        return FALSE;
      }
    }
    return TRUE;
  });
}

BOOL CDBDoc::DelRecord(const char* pszCode, UINT key) {
  DB_CDataBase* db = GetDBOfCode(pszCode);
  DB_CStoreBase* s = db ? db->GetStoreByCode(pszCode) : nullptr;
  DB_CDataClass* table = s ? db->GetClass(s->GetClassID()) : nullptr;
  return table && table->DelRecord(key);
}

BOOL CDBDoc::SetPreferenceField(const char* pszField, const CString& value) {
  T_PREFERENCE pref = m_init.GetPreference();
  const DB_CFlatField* f = DB_FindField(T_PREFERENCE::Desc(), pszField);
  if (!f || !DB_SetFieldText(*f, &pref, value)) return FALSE;
  m_init.SetPreference(pref);
  return TRUE;
}
