// The table types every model database holds. Each table class registers itself once
// (DB_REGISTER_TABLE in its .cpp); a new database makes one store and one table object
// of every registered type.
#pragma once
#include <memory>
#include <vector>
#include "afx/AfxTypes.h"

class DB_CStoreBase;
class DB_CDataClass;

struct DB_CTableType {
  UINT classId;
  std::unique_ptr<DB_CStoreBase> (*newStore)();
  std::unique_ptr<DB_CDataClass> (*newTable)();
};

class DB_CTableRegistry {
 public:
  static void Add(const DB_CTableType& t);
  static const std::vector<DB_CTableType>& All();  // by class id
};

struct DB_CTableRegistrar {
  explicit DB_CTableRegistrar(const DB_CTableType& t) { DB_CTableRegistry::Add(t); }
};

#define DB_REGISTER_TABLE(CLS)                                                               \
  static const DB_CTableRegistrar s_register_##CLS(DB_CTableType{                             \
      CLS::m_nClassID,                                                                        \
      []() -> std::unique_ptr<DB_CStoreBase> { return std::make_unique<DB_CStore<CLS::Rec>>(); }, \
      []() -> std::unique_ptr<DB_CDataClass> { return std::make_unique<CLS>(); }})
