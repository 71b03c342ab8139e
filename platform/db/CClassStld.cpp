#include "db/CClassStld.h"

#include "db/CClassMctl.h"
#include "db/CDBDoc.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassStld);

const DB_CRecordDesc& T_STLD_D::Desc() {
  static const DB_CRecordDesc d("STLD", DB_CLASS_STLD, {
      DBField<&T_STLD_D::number>("number"),
      DBField<&T_STLD_D::name>("name"),
      DBField<&T_STLD_D::type>("type"),
      DBField<&T_STLD_D::desc>("desc"),
      DBField<&T_STLD_D::selfWeightFactor>("selfWeightFactor"),
  });
  return d;
}

namespace {
// The sample's load cases, DL (key 1) and LL (key 2); its model control record takes DL
// as the dead-load and self-weight case and LL as the live-load case.
void AddLoadCases(CDBDoc& doc) {
  DB_CDataBase* db = doc.GetModelDB();
  auto* stld = static_cast<CClassStld*>(db->GetClass(CClassStld::m_nClassID));
  auto* mctl = static_cast<CClassMctl*>(db->GetClass(CClassMctl::m_nClassID));
  if (!stld || !mctl) return;
  CArray<T_STLD_D> recs;
  T_STLD_D dl;
  dl.number = 1;
  dl.name = "DL";
  dl.type = "D";
  dl.desc = "Dead load";
  dl.selfWeightFactor = -1.0;
  recs.Add(dl);
  T_STLD_D ll;
  ll.number = 2;
  ll.name = "LL";
  ll.type = "L";
  ll.desc = "Live load";
  recs.Add(ll);
  if (!stld->TR_Add(recs)) return;
  T_MCTL_D c;
  if (!mctl->Get(c)) c.Initialize();
  c.loadMass.dlCase = stld->GetKey("DL");
  c.loadMass.llCase = stld->GetKey("LL");
  c.loadMass.selfWeightCase = c.loadMass.dlCase;
  mctl->TR_Add(c);
}

const CDBDocSampleStep s_loadCases(30, &AddLoadCases);
}  // namespace
