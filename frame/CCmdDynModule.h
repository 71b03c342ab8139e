// The command module's state for one document: the slab-detail settings, kept in internal
// units and handed out in the user's current units.
//
// GetCmdDynModule() gives the current document's object, creating it on first use and
// registering it under "CCmdDynModule" in the document's module manager, which owns it from
// then on. A new object holds the settings' defaults (CDataDasb::Initialize) taken as values
// in the units current at its creation.
#pragma once
#include "db/CDataDasb.h"
#include "ui/CDynModule.h"

class CCmdDynModule : public CDynModule {
 public:
  CCmdDynModule();
  ~CCmdDynModule() override;

  // Fills the caller's record with the stored key and settings, in the current units.
  void GetDasb(CDataDasb* pDasb) const;
  // Stores the caller's key and settings, given in the current units; the caller's record
  // is left as it was.
  void SetDasb(const CDataDasb* pDasb);
  // The stored record, in internal units.
  const CDataDasb* GetStoredDasb() const { return m_pDasb; }

  // The key under which the object is registered in the document's module manager.
  static constexpr const char* KEY = "CCmdDynModule";

 private:
  CDataDasb* m_pDasb = nullptr;
};

// The current document's module object, created on first use; NULL when no document is
// current.
CCmdDynModule* GetCmdDynModule();
// Copies the key, then the whole settings record, as the module copies slab-detail records.
void CmdCopyDasb(CDataDasb& to, const CDataDasb& from);
