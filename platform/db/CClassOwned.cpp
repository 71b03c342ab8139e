#include "db/CClassOwned.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassRigd);
DB_REGISTER_TABLE(CClassDrls);
DB_REGISTER_TABLE(CClassSkew);
DB_REGISTER_TABLE(CClassCglp);
DB_REGISTER_TABLE(CClassSspt);
DB_REGISTER_TABLE(CClassArld);
DB_REGISTER_TABLE(CClassBmla);
DB_REGISTER_TABLE(CClassExpl);
DB_REGISTER_TABLE(CClassSwgt);
DB_REGISTER_TABLE(CClassStmp);
DB_REGISTER_TABLE(CClassPtmp);
DB_REGISTER_TABLE(CClassPmas);
DB_REGISTER_TABLE(CClassSpfc);
DB_REGISTER_TABLE(CClassSmpt);
DB_REGISTER_TABLE(CClassSmlc);

const char* DB_OwnedTableCode(UINT nClassID) {
  static const struct {
    UINT id;
    const char* code;
  } kCodes[] = {
      {DB_CLASS_RIGD, "RIGD"}, {DB_CLASS_DRLS, "DRLS"}, {DB_CLASS_SKEW, "SKEW"},
      {DB_CLASS_CGLP, "CGLP"}, {DB_CLASS_SSPT, "SSPT"}, {DB_CLASS_ARLD, "ARLD"}, {DB_CLASS_BMLA, "BMLA"},
      {DB_CLASS_EXPL, "EXPL"}, {DB_CLASS_SWGT, "SWGT"}, {DB_CLASS_STMP, "STMP"}, {DB_CLASS_PTMP, "PTMP"},
      {DB_CLASS_PMAS, "PMAS"}, {DB_CLASS_SPFC, "SPFC"}, {DB_CLASS_SMPT, "SMPT"}, {DB_CLASS_SMLC, "SMLC"},
  };
  for (const auto& c : kCodes)
    if (c.id == nClassID) return c.code;
  return nullptr;
}
