#include "db/CClassTwop.h"

#include <algorithm>
#include <cmath>
#include "db/CUnitCtrl.h"
#include "db/DB_CModelFile.h"
#include "db/DB_CScopedChange.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassTwop);

const DB_CRecordDesc& T_TWOP_D::Desc() {
  using R = T_TWOP_D;
  static const DB_CRecordDesc d("TWOP", DB_CLASS_TWOP, {
      DBField<&R::name>("name"),
      DBField<&R::dim1>("dim1", UNIT_NONE),
      DBField<&R::dim2>("dim2", UNIT_NONE),
      DBField<&R::dim3>("dim3", UNIT_NONE),
  });
  return d;
}

BOOL CClassTwop::CheckRecord(const T_TWOP_D& r) const {
  for (double v : {r.dim1, r.dim2, r.dim3})
    if (!std::isfinite(v) || v < 0.0) return FALSE;
  return TRUE;
}

BOOL CClassTwop::GetListFromFile(const char* pszPath, CUIntArray& keys, CArray<T_TWOP_D>& recs) {
  if (!pszPath) return FALSE;
  DB_CDataBase other;
  CString error;
  if (!DB_CModelFile::Open(other, pszPath, error)) return FALSE;
  CClassTwop twop;
  if (!twop.ConnectToDB(&other)) return FALSE;
  twop.GetList(keys, recs);
  return TRUE;
}

BOOL CClassTwop::TR_Add(const CArray<T_TWOP_D>& recs) {
  CArray<T_TWOP_D> fresh;
  fresh.Copy(recs);
  for (T_TWOP_D& r : fresh.vec()) r.key = 0;
  return DB_CTable::TR_Add(fresh);
}

BOOL CClassTwop::TR_Add(const CUIntArray& keys, const CArray<T_TWOP_D>& recs) {
  if (!CanWrite() || keys.GetSize() != recs.GetSize()) return FALSE;
  if (keys.GetSize() == 0) return TRUE;
  std::vector<UINT> seen;
  for (UINT k : keys.vec()) {
    if (!DB_IsKey(k) || std::find(seen.begin(), seen.end(), k) != seen.end()) return FALSE;
    seen.push_back(k);
  }
  std::vector<UINT> oldKeys;
  std::vector<T_TWOP_D> replaced, added;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_TWOP_D r = recs[i];
    r.key = keys[i];
    if (Exist(keys[i])) {
      oldKeys.push_back(keys[i]);
      replaced.push_back(r);
    } else {
      added.push_back(r);
    }
  }
  DB_CScopedChange change(m_pDB);
  if (!change.IsOpen()) return FALSE;
  if (!replaced.empty() && !ModifyBatch(oldKeys, oldKeys, replaced, nullptr)) return FALSE;
  if (!added.empty() && !AddBatch(added, -1)) return FALSE;
  return change.Commit();
}
