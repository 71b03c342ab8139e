// Opening model files: any bytes either open as a model that then dumps, edits, undoes
// and saves cleanly, or fail with one of the file messages and leave the open model as
// it was.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CModelFile.h"
#include "db/DB_CStore.h"

namespace {

std::string DumpAll(CDBDoc& d) {
  CString all;
  for (DB_CStoreBase* s : d.GetModelDB()->GetStores()) s->Dump(all);
  return all.c_str();
}

const std::string& Dir() {
  static std::string dir = [] {
    char tmpl[] = "/tmp/fuzz_modelfile_XXXXXX";
    const char* d = mkdtemp(tmpl);
    return std::string(d ? d : "/tmp");
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string path = Dir() + "/in.zel";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  CDBDoc doc(FALSE);
  doc.NewSampleModel();
  std::string before = DumpAll(doc);
  CString err;
  if (!doc.OpenModel(path.c_str(), err)) {
    if (err != IDS_DB_MODEL_FILE_NOT_FOUND && err != IDS_DB_MODEL_FILE_NOT_MODEL &&
        err != IDS_DB_MODEL_FILE_NEWER && err != IDS_DB_MODEL_FILE_CORRUPT)
      std::abort();
    if (DumpAll(doc) != before) std::abort();
    return 0;
  }
  // An opened model behaves as a model: reads, a write, its undo, a save and reopen.
  std::string opened = DumpAll(doc);
  DB_CDataBase* db = doc.GetModelDB();
  auto* plan = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  CUIntArray keys;
  plan->GetKeyList(keys);
  for (UINT k : keys)
    if (plan->GetSeq(k) < 1 || plan->GetKeyAtSeq(plan->GetSeq(k)) != k) std::abort();
  stor->GetKeyList(keys);
  for (UINT k : keys) {
    T_STOR_D s;
    double level;
    if (!stor->Get(k, s)) std::abort();
    stor->GetTopLevel(k, level);
    CUIntArray tower;
    stor->GetKeyListReverse(tower, s.mdulKey);
  }
  T_PLAN_D p;
  p.name = "fuzz-added";
  if (plan->TR_Add(p)) {
    if (!db->Undo()) std::abort();
    if (DumpAll(doc) != opened) std::abort();
  }
  std::string out = Dir() + "/out.zel";
  if (!doc.SaveModel(out.c_str(), err)) std::abort();
  CDBDoc again(FALSE);
  if (!again.OpenModel(out.c_str(), err) || DumpAll(again) != opened) std::abort();
  return 0;
}
