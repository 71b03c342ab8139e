#include "db/CClassName.h"

#include "db/CClassMbld.h"
#include "db/CClassMemb.h"
#include "db/CClassNsbl.h"
#include "db/CCobxName.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "db/DB_CScopedChange.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassName);
DB_REGISTER_TABLE(CClassNsbl);

const DB_CRecordDesc& T_NAME_D::Desc() {
  static const DB_CRecordDesc d("NAME", DB_CLASS_NAME, {
      DBField<&T_NAME_D::name>("name"),
      DBField<&T_NAME_D::type>("type"),
  });
  return d;
}

const int T_NSBL_D::unit[2] = {UNIT_AREA_LOAD, UNIT_AREA_LOAD};

const DB_CRecordDesc& T_NSBL_D::Desc() {
  static const DB_CRecordDesc d("NSBL", DB_CLASS_NSBL, {
      DBField<&T_NSBL_D::DL>("DL", T_NSBL_D::unit[0]),
      DBField<&T_NSBL_D::LL>("LL", T_NSBL_D::unit[1]),
      DBField<&T_NSBL_D::description>("description"),
  });
  return d;
}

UINT CClassName::GetKey(const CString& name, int type) const { return Set() ? Set()->FindName((UINT)type, name) : 0; }

void CClassName::GetKeyListOfType(int type, CUIntArray& keys) const {
  keys.RemoveAll();
  if (!Set()) return;
  keys.vec().reserve((size_t)Set()->CountInScope((UINT)type));
  Set()->ForEachInScope((UINT)type, [&](UINT k, const T_NAME_D&) { keys.Add(k); });
}

int CClassName::GetRefCount(UINT key) const {
  const T_NAME_D* r = Set() ? Set()->Find(key) : nullptr;
  if (!r || !m_pDB) return 0;
  int n = 0;
  if (const auto* memb = static_cast<const CClassMemb*>(m_pDB->GetClass(CClassMemb::m_nClassID)))
    n += memb->GetCountByName(r->type, r->name);
  if (const DB_CStoreBase* nsbl = m_pDB->GetStore(CClassNsbl::m_nClassID))
    if (nsbl->Record(key)) ++n;
  if (const auto* mbld = static_cast<const CClassMbld*>(m_pDB->GetClass(CClassMbld::m_nClassID)))
    n += mbld->GetCountOfName(key);
  return n;
}

void CClassName::DeleteDependants(const std::vector<UINT>& keys) {
  if (auto* mbld = static_cast<CClassMbld*>(m_pDB->GetClass(CClassMbld::m_nClassID))) mbld->EraseOfNames(keys);
  if (auto* nsbl = static_cast<CClassNsbl*>(m_pDB->GetClass(CClassNsbl::m_nClassID))) nsbl->EraseOf(keys);
}

// ---- named slab loads -----------------------------------------------------------------------

BOOL CClassNsbl::CheckRecord(const T_NSBL_D& r) const {
  const DB_CStoreBase* names = m_pDB ? m_pDB->GetStore(CClassName::m_nClassID) : nullptr;
  const auto* name = names ? static_cast<const T_NAME_D*>(names->Record(r.key)) : nullptr;
  return name && name->type == CClassName::TYPE_SLAB;
}

BOOL CClassNsbl::TR_Add(const CUIntArray& keys, const CArray<T_NSBL_D>& recs) {
  if (!CanWrite() || keys.GetSize() != recs.GetSize()) return FALSE;
  if (keys.GetSize() == 0) return TRUE;
  std::vector<UINT> oldKeys;
  std::vector<T_NSBL_D> replaced, added;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_NSBL_D r = recs[i];
    r.key = keys[i];
    if (Exist(keys[i])) {
      oldKeys.push_back(keys[i]);
      replaced.push_back(r);
    } else {
      added.push_back(r);
    }
  }
  DB_CScopedChange change(m_pDB);
  if (!change.IsOpen()) return FALSE;
  if (!replaced.empty() && !ModifyBatch(oldKeys, oldKeys, replaced, nullptr)) return FALSE;
  if (!added.empty() && !AddBatch(added, -1)) return FALSE;
  return change.Commit();
}

namespace {

// The name kinds of the name combo and the member type whose names each offers.
const struct {
  int kind;
  int type;
} kNameKinds[] = {{1, 100},   {2, 101},   {4, 200},    {8, 201},    {16, 202},
                  {32, 203},  {64, 204},  {128, 205},  {256, 206},  {512, 208},
                  {1024, 300}, {2048, CClassName::TYPE_SLAB}, {4096, 302}};

// The names of one kind's member type, in key order.
void KindNames(CDBDoc& doc, int nKind, CCobxDBBase::Items& items) {
  int type = -1;
  for (const auto& k : kNameKinds)
    if (k.kind == nKind) type = k.type;
  DB_CDataBase* db = doc.GetModelDB();
  auto* names = db ? static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID)) : nullptr;
  if (!names || type < 0) return;
  CUIntArray keys;
  CArray<T_NAME_D> recs;
  names->GetList(keys, recs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i)
    if (recs[i].type == type) items.emplace_back(keys[i], recs[i].name);
}

const struct KindNameSources {
  KindNameSources() {
    for (const auto& k : kNameKinds) CCobxName::RegisterNameSource(k.kind, &KindNames, CClassName::m_nClassID);
  }
} s_kindNameSources;

// The sample's slab names and their loads (kN/m^2): S1 6.5 and 2.5, S2 4 and 2.
void AddSlabNames(CDBDoc& doc) {
  DB_CDataBase* db = doc.GetModelDB();
  auto* names = static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID));
  auto* nsbl = static_cast<CClassNsbl*>(db->GetClass(CClassNsbl::m_nClassID));
  if (!names || !nsbl) return;
  const struct {
    const char* name;
    double dl, ll;
  } kSlabs[] = {{"S1", 6.5, 2.5}, {"S2", 4.0, 2.0}};
  for (const auto& s : kSlabs) {
    T_NAME_D n;
    n.name = s.name;
    n.type = CClassName::TYPE_SLAB;
    if (!names->TR_Add(n)) continue;
    T_NSBL_D l;
    l.DL = s.dl;
    l.LL = s.ll;
    nsbl->TR_Add(names->GetKey(s.name, CClassName::TYPE_SLAB), l);
  }
}

const CDBDocSampleStep s_slabNames(40, &AddSlabNames);

}  // namespace
