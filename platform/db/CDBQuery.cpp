#include "db/CDBQuery.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <unordered_set>
#include <vector>

#include "db/CClassGrup.h"
#include "db/CClassName.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "db/CClassNpln.h"
#include "db/CFlagCtrl.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CViewCtrl.h"
#include "db/DB_CStore.h"

namespace {

template <class T>
const DB_CRecordSet<T>* Records(DB_CDataBase* db, UINT classId) {
  auto* s = db ? static_cast<DB_CStore<T>*>(db->GetStore(classId)) : nullptr;
  return s ? &s->m_set : nullptr;
}

// The condition's keys: its texts that are whole numbers.
BOOL ReadKeys(const CQueryCondition& cond, CKeyBits& keys, std::vector<UINT>& list) {
  for (const CString& text : cond.m_arrKeys) {
    CString t = text;
    t.Trim();
    if (t.IsEmpty() || t.GetLength() > 10) continue;
    BOOL digits = TRUE;
    for (int i = 0; i < t.GetLength(); ++i) digits = digits && t[i] >= '0' && t[i] <= '9';
    if (!digits) continue;
    const unsigned long long v = std::strtoull(t, nullptr, 10);
    if (v > 0xFFFFFFFFull) continue;
    if (keys.Insert((UINT)v)) list.push_back((UINT)v);
  }
  return !list.empty();
}

// Ascending, each key once. Keys that are dense (the largest not far above the count, as
// table keys are) go through a bitmap in O(n + max / 64), others are sorted.
void Finish(std::vector<UINT>& v, CUIntArray* out) {
  if (!out) return;
  if (!std::is_sorted(v.begin(), v.end())) {
    const UINT top = *std::max_element(v.begin(), v.end());
    if (v.size() >= 1024 && (size_t)top / 64 <= v.size() * 4) {
      std::vector<uint64_t> bits((size_t)top / 64 + 1);
      for (UINT k : v) bits[k >> 6] |= (uint64_t)1 << (k & 63);
      v.clear();
      for (size_t w = 0; w < bits.size(); ++w)
        for (uint64_t b = bits[w]; b; b &= b - 1) v.push_back((UINT)(w * 64 + (size_t)__builtin_ctzll(b)));
    } else {
      std::sort(v.begin(), v.end());
    }
  }
  v.erase(std::unique(v.begin(), v.end()), v.end());
  out->vec().swap(v);
}

// What differs between the building model and the analysis model.
struct BuildingModel {
  using Memb = T_MEMB_D;
  using Stor = T_STOR_D;
  static constexpr UINT kMemb = DB_CLASS_MEMB, kStor = DB_CLASS_STOR;
  static const CUIntArray& Points(const Memb& m) { return m.points; }
};
struct AnalysisModel {
  using Memb = T_PMEMB_D;
  using Stor = T_PSTOR_D;
  static constexpr UINT kMemb = DB_CLASS_PMEMB, kStor = DB_CLASS_PSTOR;
  static const CUIntArray& Points(const Memb& m) { return m.nodes; }
};

// The points lying in one of the listed planes (within the coordinate tolerance of the
// document whose model this is), and the members whose points all do. Reads the building
// model whichever model asked: nodes and elements carry the keys of their points and
// members.
void QueryPlanes(DB_CDataBase* db, const std::vector<UINT>& planeKeys, std::vector<UINT>& ponts,
                 std::vector<UINT>& membs, bool wantMembs) {
  const auto* planes = Records<T_NPLN_D>(db, DB_CLASS_NPLN);
  if (!planes) return;
  struct Plane {
    double x, y, z, nx, ny, nz;
  };
  std::vector<Plane> ps;
  for (UINT k : planeKeys)
    if (const T_NPLN_D* r = planes->Find(k)) {
      const double len = std::sqrt(r->nx * r->nx + r->ny * r->ny + r->nz * r->nz);
      if (len > 0.0 && std::isfinite(len)) ps.push_back({r->x, r->y, r->z, r->nx / len, r->ny / len, r->nz / len});
    }
  if (ps.empty()) return;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  const double tol = doc && doc->GetModelDB() == db ? doc->GetFlagCtrl()->GetGeneralCoordinateToleranceCurrentUnit()
                                                    : CFlagCtrl().GetGeneralCoordinateToleranceCurrentUnit();
  // Story tops, once per story, by key (NaN: no such story); a model has few stories.
  std::unordered_map<UINT, double> topOf;
  UINT maxStory = 0;
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  if (const auto* stories = Records<T_STOR_D>(db, DB_CLASS_STOR))
    stories->ForEach([&](UINT k, const T_STOR_D&) {
      double top = 0.0;
      if (stor && stor->GetTopLevel(k, top)) topOf.emplace(k, top), maxStory = std::max(maxStory, k);
    });
  const bool flat = maxStory < (1u << 20);
  std::vector<double> tops(flat ? (size_t)maxStory + 1 : 0, std::nan(""));
  for (const auto& t : topOf)
    if (flat) tops[t.first] = t.second;
  auto topLevel = [&](UINT story) {
    if (flat) return story < tops.size() ? tops[story] : std::nan("");
    const auto it = topOf.find(story);
    return it == topOf.end() ? std::nan("") : it->second;
  };
  // The points of each plane.
  std::vector<CKeyBits> inPlane(ps.size());
  if (const auto* points = Records<T_PONT_D>(db, DB_CLASS_PONT))
    points->ForEach([&](UINT k, const T_PONT_D& p) {
      const double top = topLevel(p.storyKey);
      if (std::isnan(top)) return;
      const double z = top + p.z;
      bool any = false;
      for (size_t i = 0; i < ps.size(); ++i) {
        const Plane& pl = ps[i];
        if (std::fabs((p.x - pl.x) * pl.nx + (p.y - pl.y) * pl.ny + (z - pl.z) * pl.nz) <= tol) {
          inPlane[i].Insert(k);
          any = true;
        }
      }
      if (any) ponts.push_back(k);
    });
  if (!wantMembs || ponts.empty()) return;
  // A member lies in a plane when all its points lie in that one plane: the candidates are
  // the members at the points found (an index), not the whole table.
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  const auto* members = Records<T_MEMB_D>(db, DB_CLASS_MEMB);
  if (!memb || !members) return;
  CKeyBits seen;
  CUIntArray atPoint;
  for (UINT p : ponts) {
    memb->GetKeyListOfPoint(p, atPoint);
    for (UINT k : atPoint) {
      if (!seen.Insert(k)) continue;
      const T_MEMB_D* m = members->Find(k);
      if (!m) continue;
      for (const CKeyBits& plane : inPlane) {
        bool any = false, all = true;
        for (UINT q : m->points) {
          if (q == T_MEMB_D::GAP_POINT) continue;
          if (!plane.Contains(q)) {
            all = false;
            break;
          }
          any = true;
        }
        if (any && all) {
          membs.push_back(k);
          break;
        }
      }
    }
  }
}

template <class M>
BOOL Query(DB_CDataBase* db, const CQueryCondition& cond, CUIntArray* pPonts, CUIntArray* pMembs) {
  if (!db) return FALSE;
  if (pPonts) pPonts->RemoveAll();
  if (pMembs) pMembs->RemoveAll();
  if (!pPonts && !pMembs) return TRUE;
  CKeyBits keys;
  std::vector<UINT> keyList;
  const int cat = cond.m_nQueryType;
  if (!cat || !ReadKeys(cond, keys, keyList)) return TRUE;
  std::vector<UINT> ponts, membs;
  constexpr bool kBuilding = std::is_same_v<M, BuildingModel>;
  const UINT kPont = kBuilding ? (UINT)DB_CLASS_PONT : (UINT)DB_CLASS_PNODE;
  const DB_CStoreBase* pontStore = db->GetStore(kPont);

  if (cat == QUERY_NPLN) {
    QueryPlanes(db, keyList, ponts, membs, pMembs != nullptr);
    Finish(ponts, pPonts);
    Finish(membs, pMembs);
    return TRUE;
  }

  if (cat == QUERY_GROUP) {
    const auto* grups = Records<T_GRUP_D>(db, DB_CLASS_GRUP);
    const DB_CStoreBase* membStore = db->GetStore(M::kMemb);
    for (UINT g : keyList) {
      const T_GRUP_D* r = grups ? grups->Find(g) : nullptr;
      if (!r) continue;
      if (pPonts && pontStore)
        for (UINT k : r->points)
          if (pontStore->Exist(k)) ponts.push_back(k);
      if (pMembs && membStore)
        for (UINT k : r->members)
          if (membStore->Exist(k)) membs.push_back(k);
    }
    Finish(ponts, pPonts);
    Finish(membs, pMembs);
    return TRUE;
  }

  // The stories a story-wide category matches.
  const bool byStory = cat == QUERY_STOR || cat == QUERY_PLAN || cat == QUERY_MDUL;
  CKeyBits stories;
  std::vector<UINT> storyList;
  if (byStory)
    if (const auto* set = Records<typename M::Stor>(db, M::kStor))
      set->ForEach([&](UINT k, const typename M::Stor& s) {
        const UINT v = cat == QUERY_STOR ? k : cat == QUERY_PLAN ? s.planKey : s.mdulKey;
        if (keys.Contains(v)) stories.Insert(k), storyList.push_back(k);
      });

  const auto* membSet = Records<typename M::Memb>(db, M::kMemb);
  auto* membTable = kBuilding ? static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID)) : nullptr;
  auto appliedMatl = [&](UINT k, const typename M::Memb& m) -> UINT {
    if constexpr (kBuilding) {
      UINT matl = m.matlKey;
      int flag = 0;
      if (!matl && membTable) membTable->GetAppliedMatlKey(k, matl, flag);
      return matl;
    } else {
      (void)k;
      return m.matlKey;
    }
  };
  auto match = [&](UINT k, const typename M::Memb& m) -> bool {
    switch (cat) {
      case QUERY_MEMB_TYPE: return m.type >= 0 && keys.Contains((UINT)m.type);
      case QUERY_MATERIAL: return keys.Contains(appliedMatl(k, m));
      case QUERY_SECTION: return m.sectKey && keys.Contains(m.sectKey);
      case QUERY_THICKNESS: return m.thikKey && keys.Contains(m.thikKey);
      case QUERY_STOR:
      case QUERY_PLAN:
      case QUERY_MDUL: return stories.Contains(m.storyKey);
      default: return false;
    }
  };
  const bool any = byStory ? !storyList.empty()
                           : (cat == QUERY_MEMB_TYPE || cat == QUERY_MATERIAL || cat == QUERY_SECTION ||
                              cat == QUERY_THICKNESS);
  if (membSet && any)
    membSet->ForEach([&](UINT k, const typename M::Memb& m) {
      if (!match(k, m)) return;
      if (pMembs) membs.push_back(k);
      if (pPonts)
        for (UINT p : M::Points(m))
          if (p != T_MEMB_D::GAP_POINT) ponts.push_back(p);
    });

  if (pPonts && !storyList.empty()) {
    if constexpr (kBuilding) {
      if (auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID))) {
        CUIntArray onStory;
        for (UINT s : storyList) {
          pont->GetKeyListOfStory(s, onStory);
          ponts.insert(ponts.end(), onStory.begin(), onStory.end());
        }
      }
    } else if (const auto* nodes = Records<T_PNODE_D>(db, DB_CLASS_PNODE)) {
      nodes->ForEach([&](UINT k, const T_PNODE_D& n) {
        if (stories.Contains(n.storyKey)) ponts.push_back(k);
      });
    }
  }
  if (pPonts && pontStore && !byStory) {
    // A member's points exist; a gap or a lost point is left out.
    ponts.erase(std::remove_if(ponts.begin(), ponts.end(), [&](UINT p) { return !pontStore->Exist(p); }),
                ponts.end());
  }
  Finish(ponts, pPonts);
  Finish(membs, pMembs);
  return TRUE;
}

}  // namespace

BOOL CDBQuery::GetKeyListByAttrPre(DB_CDataBase* pDB, const CQueryCondition& cond, CUIntArray* pPonts,
                                   CUIntArray* pMembs) {
  return Query<BuildingModel>(pDB, cond, pPonts, pMembs);
}

BOOL CDBQuery::GetKeyListByAttr(DB_CDataBase* pDB, const CQueryCondition& cond, CUIntArray* pNodes,
                                CUIntArray* pElems) {
  return Query<AnalysisModel>(pDB, cond, pNodes, pElems);
}

namespace {

// The building model whose analysis model db holds: db itself for a model database, else
// the model database of the current document when db is its analysis database.
DB_CDataBase* BuildingModelOf(DB_CDataBase* db) {
  if (db->GetID() != DB_ID_POST) return db;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc && doc->GetMDBCtrl()->GetDBPost() == db ? doc->GetModelDB() : nullptr;
}

std::string NamedKey(int type, const CString& name) {
  std::string k((const char*)&type, sizeof type);
  k += name.str();
  return k;
}

}  // namespace

BOOL CDBQuery::GetKeyListByNamePre(DB_CDataBase* pDB, const CUIntArray& nameKeys, CUIntArray* pPonts,
                                   CUIntArray* pMembs) {
  if (!pDB) return FALSE;
  if (pPonts) pPonts->RemoveAll();
  if (pMembs) pMembs->RemoveAll();
  DB_CDataBase* model = BuildingModelOf(pDB);
  const auto* names = Records<T_NAME_D>(model, DB_CLASS_NAME);
  const auto* membSet = Records<T_MEMB_D>(model, DB_CLASS_MEMB);
  if (!names || !membSet || (!pPonts && !pMembs)) return TRUE;
  std::unordered_set<std::string> wanted;
  for (UINT k : nameKeys)
    if (const T_NAME_D* n = names->Find(k)) wanted.insert(NamedKey(n->type, n->name));
  if (wanted.empty()) return TRUE;

  const bool analysis = model != pDB;
  const auto* elems = analysis ? Records<T_PMEMB_D>(pDB, DB_CLASS_PMEMB) : nullptr;
  const DB_CStoreBase* pontStore = pDB->GetStore(analysis ? (UINT)DB_CLASS_PNODE : (UINT)DB_CLASS_PONT);
  std::vector<UINT> ponts, membs;
  membSet->ForEach([&](UINT k, const T_MEMB_D& m) {
    if (m.name.IsEmpty() || !wanted.count(NamedKey(m.type, m.name))) return;
    const CUIntArray* points = &m.points;
    if (analysis) {
      const T_PMEMB_D* e = elems ? elems->Find(k) : nullptr;
      if (!e) return;
      points = &e->nodes;
    }
    membs.push_back(k);
    if (pPonts && pontStore)
      for (UINT p : *points)
        if (p != T_MEMB_D::GAP_POINT && pontStore->Exist(p)) ponts.push_back(p);
  });
  Finish(ponts, pPonts);
  Finish(membs, pMembs);
  return TRUE;
}
