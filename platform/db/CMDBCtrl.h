// A document's databases. The model database (id DB_ID_MODEL) holds the tables; GetDB
// finds a database by the id an update hint names.
#pragma once
#include <memory>
#include "db/DB_CDataBase.h"

class CMDBCtrl {
 public:
  CMDBCtrl() : m_model(std::make_unique<DB_CDataBase>(DB_ID_MODEL)) {}
  DB_CDataBase* GetModelDB() const { return m_model.get(); }
  DB_CDataBase* GetDB(UINT nID) const { return nID == DB_ID_MODEL ? m_model.get() : nullptr; }

 private:
  std::unique_ptr<DB_CDataBase> m_model;
};
