#include "db/CClassBltp.h"

#include "db/CUnitCtrl.h"
#include "db/DB_CModelFile.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassBltp);

const int T_BLTP_D::unit[2] = {UNIT_LINE_LOAD, UNIT_LINE_LOAD};

const DB_CRecordDesc& T_BLTP_D::Desc() {
  using R = T_BLTP_D;
  static const DB_CRecordDesc d("BLTP", DB_CLASS_BLTP, {
      DBField<&R::lead>("lead"),
      DBField<&R::name>("name"),
      DBField<&R::dead>("dead", R::unit[0]),
      DBField<&R::live>("live", R::unit[1]),
      DBField<&R::desc>("desc"),
  });
  return d;
}

BOOL CClassBltp::GetListFromFile(const char* pszPath, CUIntArray& keys, CArray<T_BLTP_D>& recs) {
  if (!pszPath) return FALSE;
  DB_CDataBase other;
  CString error;
  if (!DB_CModelFile::Open(other, pszPath, error)) return FALSE;
  CClassBltp bltp;
  if (!bltp.ConnectToDB(&other)) return FALSE;
  bltp.GetList(keys, recs);
  return TRUE;
}
