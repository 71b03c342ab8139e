#include "db/CLoadDB.h"

#include "db/CDBDoc.h"
#include "db/DBText.h"

namespace {
struct LoadType {
  const char* key;
  const char* nameKey;
};
const LoadType kTypes[] = {
    {"USER", "IDS_DBLIB__ADDED__User_Defined_Load"},
    {"D", "IDS_DBLIB__ADDED__Dead_Load"},
    {"L", "IDS_DBLIB__ADDED__Live_Load"},
    {"LR", "IDS_DBLIB__ADDED__Roof_Live_Load"},
    {"W", "IDS_DBLIB__ADDED__Wind_Load_on_Structure"},
    {"E", "IDS_DBLIB__ADDED__Earthquake"},
    {"S", "IDS_DBLIB__ADDED__Snow_Load"},
    {"T", "IDS_DBLIB__ADDED__Temperature"},
};
}  // namespace

CLoadDB* CLoadDB::GetDefault() {
  static CLoadDB db;
  return &db;
}

void CLoadDB::GetLoadTypeList(CStringArray& keys) const {
  keys.RemoveAll();
  for (const LoadType& t : kTypes) keys.Add(t.key);
}

const char* CLoadDB::NameKeyOf(const CString& key) {
  for (const LoadType& t : kTypes)
    if (key == t.key) return t.nameKey;
  return nullptr;
}

CString CLoadDB::GetLoadTypeName(const CString& key) const {
  const char* k = NameKeyOf(key);
  return k ? DB_LoadText(k) : CString();
}

CString CLoadDB::GetLoadType(const CString& name) const {
  for (const LoadType& t : kTypes)
    if (name == DB_LoadText(t.nameKey)) return t.key;
  return CString();
}
