#include "view/I_ModelBase.h"

I_ModelBase* I_ModelBase::s_pCurrent = nullptr;
int I_ModelBase::m_nCreateMembMode = 0;

I_ModelBase::~I_ModelBase() {
  if (s_pCurrent == this) s_pCurrent = nullptr;
}
