#include "db/CClassThik.h"

#include <cmath>
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassThik);
DB_REGISTER_TABLE(CClassStik);
DB_REGISTER_TABLE(CClassMbtp);

BOOL CClassThik::CheckRecord(const T_THIK_D& r) const {
  return std::isfinite(r.thick1) && std::isfinite(r.thick2) && r.thick1 >= 0.0 && r.thick2 >= 0.0;
}

double CClassThik::GetThickness(UINT key) const {
  const T_THIK_D* t = Set() ? Set()->Find(key) : nullptr;
  return t ? t->thick1 : 0.0;
}

BOOL CClassThik::GetThikForThikName(UINT key, double& t) const {
  const T_THIK_D* r = Set() ? Set()->Find(key) : nullptr;
  if (!r) return FALSE;
  t = r->thick1;
  return TRUE;
}

BOOL CClassStik::CheckRecord(const T_STIK_D& r) const {
  return std::isfinite(r.b) && std::isfinite(r.h) && std::isfinite(r.extra);
}

double CClassStik::GetConvertThickness(double w, double h, double t) {
  if (w == 0.0) return t;
  return t * std::sqrt(w * w + h * h) / w + h / 2.0;
}
