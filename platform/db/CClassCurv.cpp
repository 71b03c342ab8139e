#include "db/CClassCurv.h"

#include <cmath>
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassCurv);

BOOL CClassCurv::CheckRecord(const T_CURV_D& r) const {
  return std::isfinite(r.cx) && std::isfinite(r.cy) && std::isfinite(r.cz);
}
