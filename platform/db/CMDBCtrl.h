// A document's databases: the model database (id DB_ID_MODEL) holds the building model,
// the analysis database (id DB_ID_POST) the analysis model built from it (CPostModel).
// GetDB finds a database by the id an update hint names.
#pragma once
#include <memory>
#include "db/DB_CDataBase.h"

class CMDBCtrl {
 public:
  CMDBCtrl() : m_model(std::make_unique<DB_CDataBase>(DB_ID_MODEL)), m_post(std::make_unique<DB_CDataBase>(DB_ID_POST)) {}
  DB_CDataBase* GetModelDB() const { return m_model.get(); }
  // The analysis database; the 3D analysis view shows the same one.
  DB_CDataBase* GetDBPost() const { return m_post.get(); }
  DB_CDataBase* GetDBPost3D() const { return m_post.get(); }
  // The analysis database as the 3D analysis view shows it in pre-processing.
  DB_CDataBase* GetDBPre3D() const { return m_post.get(); }
  DB_CDataBase* GetDB(UINT nID) const {
    return nID == DB_ID_MODEL ? m_model.get() : nID == DB_ID_POST ? m_post.get() : nullptr;
  }

 private:
  std::unique_ptr<DB_CDataBase> m_model;
  std::unique_ptr<DB_CDataBase> m_post;
};
