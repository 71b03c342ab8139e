#include "frame/ICmdDataImpl.h"

#include "frame/CCmdDynModule.h"

int ICmdDataImpl::GetDasb(CDataDasb* pDasb) {
  if (!pDasb) return 1;
  if (CCmdDynModule* m = GetCmdDynModule())
    m->GetDasb(pDasb);
  else
    pDasb->Initialize();
  return 1;
}
