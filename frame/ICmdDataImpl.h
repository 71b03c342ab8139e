// The module's answer to the database library's call-back ICmdData: the slab-detail
// settings of the current document. One instance exists for the life of the process (made
// at load, frame/VurCmdEntry.cpp); constructing it makes it the instance the library calls.
#pragma once
#include "db/ICmdData.h"

class ICmdDataImpl : public ICmdData {
 public:
  ICmdDataImpl() = default;
  ~ICmdDataImpl() override = default;

  // Fills the record as CCmdDynModule::GetDasb does (creating the document's module object
  // on first use) and returns 1. With no current document the record gets the defaults.
  int GetDasb(CDataDasb* pDasb) override;
};
