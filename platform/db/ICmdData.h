// The call-back through which this library reads the command module's per-document
// settings. The module derives one object from it (ICmdDataImpl) for the life of the
// process; constructing it makes it the instance the library calls, destroying it ends
// that. With none, the library uses the settings' defaults.
#pragma once
#include "afx/AfxTypes.h"

class CDataDasb;

class ICmdData {
 public:
  ICmdData();
  ICmdData(const ICmdData&) = delete;
  ICmdData& operator=(const ICmdData&) = delete;
  virtual ~ICmdData();

  // Fills the slab-detail settings of the current document, in the current units; 1.
  virtual int GetDasb(CDataDasb* pDasb) = 0;

  // The instance, NULL when none exists.
  static ICmdData* GetInstance();
  // The slab-detail settings through the instance, or the record's defaults (key 0,
  // Initialize) when there is none; the result of the call.
  static int ReadDasb(CDataDasb& dasb);
};
