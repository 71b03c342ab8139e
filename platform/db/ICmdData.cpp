#include "db/ICmdData.h"

#include "db/CDataDasb.h"

namespace {
ICmdData* g_pInstance = nullptr;
}

ICmdData::ICmdData() { g_pInstance = this; }

ICmdData::~ICmdData() {
  if (g_pInstance == this) g_pInstance = nullptr;
}

ICmdData* ICmdData::GetInstance() { return g_pInstance; }

int ICmdData::ReadDasb(CDataDasb& dasb) {
  dasb.Initialize();
  return g_pInstance ? g_pInstance->GetDasb(&dasb) : 0;
}
