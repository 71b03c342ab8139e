#include "db/CMembDataCtrl.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include "afx/CWnd.h"
#include "db/CClassAwop.h"
#include "db/CClassCmld.h"
#include "db/CClassMasg.h"
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassPrel.h"
#include "db/CClassPtld.h"
#include "db/CClassSect.h"
#include "db/CClassStld.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CClassUccf.h"
#include "db/CDBDoc.h"
#include "db/DBText.h"
#include "db/DB_CScopedChange.h"

namespace {

std::vector<T_ATTR_CALL> g_calls;

// ---- Design-type codings ----

// How one word of a design-type block maps to a slot of T_MBTP_D.
enum Coding {
  NONE,       // unused word
  AUTO_YN,    // AUTO 0 (the flag), YES 1 (value 1), NO 2 (value 0)
  YN,         // YES 0 (value 1), NO 1 (value 0); no automatic flag
  FRAME,      // AUTO 0, GGR 1 (value 2), GNR 2 (value 3), YR 3 (value 1)
  MIDDLE,     // AUTO 0, BR 1 (value 2), JR 2 (value 1), MR 3 (value 0)
  WALL_BASE,  // IBBOB 0 (base flag), NO 1 (kind 0), IBNB 2 ... IBCB 6 (kind 1 to 5); two slots
  SLAB_PROT,  // AUTO 0, IBJP 1 (value 1), IBLP 2 (value 2), NO 3 (value 0)
};

struct DesignLayout {
  int type;
  Coding word[6];
};

// The building model's blocks, by member type.
const DesignLayout kLayouts[] = {
    {101, {AUTO_YN, YN, YN, YN, AUTO_YN, NONE}},
    {201, {FRAME, AUTO_YN, AUTO_YN, MIDDLE, YN, AUTO_YN}},
    {205, {FRAME, AUTO_YN, AUTO_YN, MIDDLE, YN, AUTO_YN}},
    {202, {AUTO_YN, AUTO_YN, AUTO_YN, WALL_BASE, NONE, NONE}},
    {301, {SLAB_PROT, NONE, NONE, NONE, NONE, NONE}},
};

const DesignLayout* LayoutOf(int type) {
  if (type == 204 || type == 209 || type == 210) type = 202;
  for (const DesignLayout& l : kLayouts)
    if (l.type == type) return &l;
  return nullptr;
}

// Value codes of FRAME and MIDDLE, indexed by the code less 1.
const int kFrameValue[3] = {2, 3, 1};
const int kMiddleValue[3] = {2, 1, 0};

int IndexOf(const int* values, int n, int v) {
  for (int i = 0; i < n; ++i)
    if (values[i] == v) return i;
  return -1;
}

// The building model's code of slot i (0-based) of the record.
int Encode(Coding c, const T_MBTP_D& d, int i) {
  const int v = d.value[i];
  const bool flag = d.autoFlag[i] != 0;
  switch (c) {
    case AUTO_YN: return flag ? 0 : v == 1 ? 1 : v == 0 ? 2 : 0;
    case YN: return v == 1 ? 0 : 1;
    case FRAME: {
      int k = IndexOf(kFrameValue, 3, v);
      return flag || k < 0 ? 0 : k + 1;
    }
    case MIDDLE: {
      int k = IndexOf(kMiddleValue, 3, v);
      return flag || k < 0 ? 0 : k + 1;
    }
    case WALL_BASE: {
      if (d.value[i] == 1) return 0;
      const int kind = i + 1 < 6 ? d.value[i + 1] : 0;
      return kind == 0 ? 1 : kind >= 1 && kind <= 5 ? kind + 1 : 2;
    }
    case SLAB_PROT: return flag ? 0 : v == 1 ? 1 : v == 2 ? 2 : v == 0 ? 3 : 0;
    case NONE: break;
  }
  return 0;
}

// The element page's position of slot i (0-based).
int EncodePost(Coding c, const T_MBTP_D& d, int i) {
  switch (c) {
    case YN: return d.value[i] == 1 ? 1 : 2;
    case WALL_BASE: {
      if (d.value[i] == 1) return 5;
      const int kind = i + 1 < 6 ? d.value[i + 1] : 0;
      return kind == 0 ? 6 : kind >= 1 && kind <= 5 ? kind - 1 : 0;
    }
    default: return Encode(c, d, i);
  }
}

// Writes code into slot i; false for a code the coding does not know.
bool Decode(Coding c, int code, T_MBTP_D& d, int i) {
  auto setAuto = [&](bool hasFlag, int value) {
    if (code == 0) {
      if (!hasFlag) return false;
      d.autoFlag[i] = 1;
      return true;
    }
    d.autoFlag[i] = 0;
    d.value[i] = value;
    return true;
  };
  switch (c) {
    case NONE: return true;
    case AUTO_YN:
      if (code < 0 || code > 2) return false;
      return setAuto(true, code == 1 ? 1 : 0);
    case YN:
      if (code < 0 || code > 1) return false;
      d.value[i] = code == 0 ? 1 : 0;
      return true;
    case FRAME:
      if (code < 0 || code > 3) return false;
      return setAuto(true, code ? kFrameValue[code - 1] : 0);
    case MIDDLE:
      if (code < 0 || code > 3) return false;
      return setAuto(true, code ? kMiddleValue[code - 1] : 0);
    case SLAB_PROT:
      if (code < 0 || code > 3) return false;
      return setAuto(true, code == 3 ? 0 : code);
    case WALL_BASE:
      if (code < 0 || code > 6 || i + 1 >= 6) return false;
      if (code == 0) {
        d.value[i] = 1;
      } else {
        d.value[i] = 0;
        d.value[i + 1] = code - 1;
      }
      return true;
  }
  return false;
}

void FillBlock(int type, const T_MBTP_D& d, bool post, T_DMTP_D& block) {
  block.Initialize();
  const DesignLayout* l = LayoutOf(type);
  if (!l) return;
  block.lead = 1;
  for (int i = 0; i < 6; ++i)
    if (l->word[i] != NONE) block.value[i] = post ? EncodePost(l->word[i], d, i) : Encode(l->word[i], d, i);
}

// ---- Texts ----

std::string Num(double v) {
  char b[64];
  std::snprintf(b, sizeof b, "%.15g", v);
  return b;
}

std::string Int(long long v) { return std::to_string(v); }

std::string BlockText(const T_DMTP_D& b) {
  std::string s = Int(b.lead);
  for (int v : b.value) s += "," + Int(v);
  return s;
}

// The text of a seismic grade code.
CString GradeText(int code) {
  static const struct {
    int code;
    const char* key;
  } kGrades[] = {
      {101, "IDS_CMD_ATTR_SPECIALGRADE1"}, {201, "IDS_CMD_ATTR_INTENSITY9_GRADE1"},
      {301, "IDS_CMD_ATTR_GRADE1"},        {302, "IDS_CMD_ATTR_GRADE2"},
      {303, "IDS_CMD_ATTR_GRADE3"},        {304, "IDS_CMD_ATTR_GRADE4"},
      {306, "IDS_CMD_ATTR_INTENSITY6"},    {307, "IDS_CMD_ATTR_INTENSITY7"},
      {308, "IDS_CMD_ATTR_INTENSITY8"},    {309, "IDS_CMD_ATTR_INTENSITY9"},
  };
  for (const auto& g : kGrades)
    if (g.code == code) return DB_LoadText(g.key);
  return DB_LoadText("IDS_CMD_MEMB_None");
}

bool IsGradeCode(int code) { return code == 101 || code == 201 || (code >= 301 && code <= 304) || (code >= 306 && code <= 309); }

// ---- The current document ----

template <class T>
T* TableOf(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

DB_CDataBase* ModelDB() { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetModelDB() : nullptr; }
DB_CDataBase* PostDB() { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetMDBCtrl()->GetDBPost() : nullptr; }

bool IsMembClass(int c) { return c >= CMembDataCtrl::OBJ_COLUMN && c <= CMembDataCtrl::OBJ_LINE; }
bool IsElemClass(int c) { return c >= CMembDataCtrl::OBJ_P_COLUMN && c <= CMembDataCtrl::OBJ_P_BRACE; }

// The assigned-data record of a key (initialised when there is none).
template <class T, class Table>
T AssignedOf(Table* t, UINT key) {
  T r;
  r.Initialize();
  if (t && !t->Get(key, r)) r.Initialize();
  r.key = key;
  return r;
}

// The dump of the stored record of key, or of an initialised one when there is none.
template <class Table>
CString DumpOf(Table* t, UINT key) {
  typename Table::Rec r;
  r.Initialize();
  if (t) t->Get(key, r);
  r.key = key;
  CString s;
  DB_DumpRecord(Table::Rec::Desc(), &r, s);
  return s;
}

// Writes an assigned-data record: deleted when it holds nothing any more, else added or
// modified. False when the table refuses, or when nothing would change.
template <class T, class Table>
bool StoreAssigned(Table* t, const T& rec) {
  if (!t) return false;
  T empty;
  empty.Initialize();
  empty.key = rec.key;
  const CString was = DumpOf(t, rec.key);
  CString now;
  DB_DumpRecord(T::Desc(), &rec, now);
  CString none;
  DB_DumpRecord(T::Desc(), &empty, none);
  if (now == was) return false;
  if (now == none) return t->Exist(rec.key) && t->TR_Del(rec.key);
  return t->Exist(rec.key) ? t->TR_Modify(rec.key, rec) : t->TR_Add(rec);
}

// The member's loads of one table, one entry per static load case in the table's order:
// the case's key and name, the member's first load in that case (0: none) and the number
// of its loads in that case.
template <class Table>
void FillLoadEntries(DB_CDataBase* db, UINT memb, CArray<T_LATR_D>& out) {
  out.RemoveAll();
  auto* stld = TableOf<CClassStld>(db);
  auto* loads = TableOf<Table>(db);
  if (!stld) return;
  CUIntArray cases, keys;
  stld->GetKeyList(cases);
  if (loads) loads->GetKeyListByMemb(memb, keys);
  std::vector<typename Table::Rec> recs;
  for (UINT k : keys) {
    typename Table::Rec r;
    if (loads->Get(k, r)) recs.push_back(r);
  }
  for (UINT c : cases) {
    T_STLD_D lc;
    if (!stld->Get(c, lc)) continue;
    T_LATR_D e;
    e.loadCaseKey = c;
    e.name = lc.name;
    for (const auto& r : recs)
      if (r.loadCase == c) {
        if (!e.loadKey) e.loadKey = r.key;
        ++e.flag;
      }
    out.Add(e);
  }
}

// The element page's load picture of a member: one entry per static load case in which
// the member has a record of the table, in the table of load cases' order, with the case's
// key and name, the member's first load there, and flag 1 when a value of those records
// is not 0 (else 0). A member without loads gives no entry.
template <class Table>
void FillPostLoadEntries(DB_CDataBase* db, UINT memb, CArray<T_LATR_D>& out) {
  out.RemoveAll();
  auto* stld = TableOf<CClassStld>(db);
  auto* loads = TableOf<Table>(db);
  CUIntArray keys;
  if (!stld || !loads || !loads->GetKeyListByMemb(memb, keys)) return;
  std::vector<typename Table::Rec> recs;
  for (UINT k : keys) {
    typename Table::Rec r;
    if (loads->Get(k, r)) recs.push_back(r);
  }
  CUIntArray cases;
  stld->GetKeyList(cases);
  for (UINT c : cases) {
    T_STLD_D lc;
    if (!stld->Get(c, lc)) continue;
    T_LATR_D e;
    e.loadCaseKey = c;
    e.name = lc.name;
    bool any = false;
    for (const auto& r : recs) {
      if (r.loadCase != c) continue;
      any = true;
      if (!e.loadKey) e.loadKey = r.key;
      for (double v : r.v)
        if (v != 0.0) e.flag = 1;
    }
    if (any) out.Add(e);
  }
}

// The member's uncertain load-combination factor: its first factor record's, else the one
// its assigned data hold.
double UncertFactorOf(DB_CDataBase* db, UINT memb, double assigned) {
  auto* uccf = TableOf<CClassUccf>(db);
  CUIntArray keys;
  T_UCCF_D u;
  if (uccf && uccf->GetKeyListByMemb(memb, keys) && uccf->Get(keys[0], u)) return u.factor;
  return assigned;
}

// Deletes the member's records of a table of data assigned to members, as one undoable
// step; false when the member has none there.
template <class Table>
bool DeleteOfMemb(Table* t, UINT memb) {
  CUIntArray keys;
  return t && t->GetKeyListByMemb(memb, keys) && t->TR_Del(keys);
}

double Dist(const T_PNODE_D& a, const T_PNODE_D& b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

}  // namespace

void CMembDataCtrl::Initialize(CWnd* pWnd) { m_hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr; }

// ---- Reads ----

BOOL CMembDataCtrl::GetPointAttr(T_PATR_D& rec, int) {
  DB_CDataBase* db = ModelDB();
  auto* pont = TableOf<CClassPont>(db);
  auto* memb = TableOf<CClassMemb>(db);
  auto* stor = TableOf<CClassStor>(db);
  T_PONT_D p;
  T_POINT3D g;
  if (m_nObjClass != OBJ_PONT || !pont || !memb || !pont->Get(m_nObjKey, p) || !pont->Get3DPos(m_nObjKey, g))
    return FALSE;
  rec.Initialize();
  rec.number = (int)p.number;
  T_STOR_D s;
  if (stor && stor->Get(p.storyKey, s)) rec.storyText = s.name;
  rec.x = g.x, rec.y = g.y, rec.z = g.z;
  memb->GetKeyListOfPoint(m_nObjKey, rec.connectedMembs);
  CUIntArray near;
  pont->GetKeyListNearPlan(g.x, g.y, 0.001, near);
  for (UINT k : near) {
    T_POINT3D o;
    if (k != m_nObjKey && pont->Get3DPos(k, o) && std::fabs(o.z - g.z) <= 0.001 &&
        std::hypot(o.x - g.x, o.y - g.y) <= 0.001)
      rec.duplicatedPonts.Add(k);
  }
  T_PASG_D a = AssignedOf<T_PASG_D>(TableOf<CClassPasg>(db), m_nObjKey);
  rec.support = a.support;
  rec.link = a.link;
  // Loads and specified displacements, in the order of their keys.
  auto* ptld = TableOf<CClassPtld>(db);
  auto* stld = TableOf<CClassStld>(db);
  CUIntArray loads;
  if (ptld) ptld->GetKeyListByPont(m_nObjKey, loads);
  for (UINT k : loads) {
    T_PTLD_D r;
    if (!ptld->Get(k, r) || (r.kind != CPtldCounts::LOAD && r.kind != CPtldCounts::DISPLACEMENT)) continue;
    T_LATR_D e;
    e.loadCaseKey = r.loadCase;
    e.loadKey = k;
    T_STLD_D lc;
    if (stld && stld->Get(r.loadCase, lc)) e.name = lc.name;
    e.flag = r.n;
    (r.kind == CPtldCounts::LOAD ? rec.pointLoads : rec.specifiedDisps).Add(e);
  }
  return TRUE;
}

BOOL CMembDataCtrl::GetMemberAttr(T_MATR_D& rec, int) {
  DB_CDataBase* db = ModelDB();
  auto* memb = TableOf<CClassMemb>(db);
  auto* pont = TableOf<CClassPont>(db);
  T_MEMB_D m;
  if (!IsMembClass(m_nObjClass) || !memb || !pont || !memb->Get(m_nObjKey, m)) return FALSE;
  rec.Initialize();
  rec.membKey = m_nObjKey;
  rec.number = (int)m.number;
  T_STOR_D s;
  if (auto* stor = TableOf<CClassStor>(db); stor && stor->Get(m.storyKey, s)) rec.storyText = s.name;
  rec.typeText = CClassMemb::GetMembTypeName(m.type);
  double v = 0.0;
  if (memb->CalcLengthArea(m, v)) (CClassMemb::GetLengthAreaType(m.type) == 1 ? rec.area : rec.length) = v;
  rec.beta = m.beta;
  rec.matlKey = m.matlKey;
  rec.sectKey = m.sectKey;
  rec.thikKey = m.thikKey;
  T_MATL_D matl;
  if (auto* t = TableOf<CClassMatl>(db); t && m.matlKey && t->Get(m.matlKey, matl)) rec.matlName = matl.name;
  T_THIK_D thik;
  if (auto* t = TableOf<CClassThik>(db); t && m.thikKey && t->Get(m.thikKey, thik)) rec.thikName = thik.name;
  for (UINT k : m.points) rec.pontNos.Add(k == T_MEMB_D::GAP_POINT ? k : pont->GetPontNoByKey(k));
  T_MBTP_D d;
  d.Initialize();
  if (auto* t = TableOf<CClassMbtp>(db); t && m.dsgnKey) t->Get(m.dsgnKey, d);
  FillBlock(m.type, d, false, rec.dmtp);
  FillLoadEntries<CClassLnld>(db, m_nObjKey, rec.beamLoads);
  FillLoadEntries<CClassCmld>(db, m_nObjKey, rec.colLoads);

  T_MASG_D a = AssignedOf<T_MASG_D>(TableOf<CClassMasg>(db), m_nObjKey);
  rec.slabLoadFlag = a.slabLoadFlag;
  rec.slabDead = a.slabDead, rec.slabLive = a.slabLive;
  rec.tempFlag = a.tempFlag;
  rec.temp[0] = a.temp[0], rec.temp[1] = a.temp[1];
  rec.support = a.support;
  rec.release = a.release;
  rec.offset = a.offset;
  rec.slabEdge = a.slabEdge;
  auto* awop = TableOf<CClassAwop>(db);
  rec.openFlag = a.openFlag || (awop && awop->Exist(m_nObjKey)) ? 1 : 0;
  rec.stiffFlag = a.stiffFlag;
  rec.decFact = a.decFact;
  rec.momFlag = a.momFlag, rec.torFlag = a.torFlag, rec.seisFlag = a.seisFlag, rec.effFlag = a.effFlag;
  rec.wallDetail = a.wallDetail;
  for (int i = 0; i < 7; ++i) rec.stiff[i] = a.stiff[i];
  for (int i = 0; i < 3; ++i) rec.wallStiff[i] = a.wallStiff[i];
  rec.momFact = a.momFact, rec.torFact = a.torFact, rec.seisFact = a.seisFact;
  rec.effFact[0] = a.effFact[0], rec.effFact[1] = a.effFact[1];
  rec.unbraced[0] = a.unbraced[0], rec.unbraced[1] = a.unbraced[1];
  rec.noThird = a.noThird;
  rec.unbraced3 = a.unbraced3;
  rec.limRatio[0] = a.limRatio[0], rec.limRatio[1] = a.limRatio[1];
  rec.equivMom = a.equivMom;
  rec.uncertFact = UncertFactorOf(db, m_nObjKey, a.uncertFact);
  return TRUE;
}

BOOL CMembDataCtrl::GetPostMemberAttr(T_MATR_D& rec, int) {
  DB_CDataBase* post = PostDB();
  auto* pmemb = TableOf<CClassPMemb>(post);
  auto* pnode = TableOf<CClassPNode>(post);
  T_PMEMB_D e;
  if (!IsElemClass(m_nObjClass) || !pmemb || !pnode || !pmemb->Get(m_nObjKey, e)) return FALSE;
  rec.Initialize();
  rec.membKey = m_nObjKey;
  rec.number = (int)m_nObjKey;
  T_PSTOR_D s;
  if (auto* t = TableOf<CClassPStor>(post); t && t->Get(e.storyKey, s)) rec.storyText = s.name;
  const bool wall = e.type == T_PMEMB_D::WALL || e.type == 204 || e.type == 210;
  rec.typeText = CClassMemb::GetMembTypeName(wall ? 202 : e.type);
  // Geometry from the nodes: the chord of a line element, the outline's area (up to its
  // first gap) of an area element, the height a wall spans.
  std::vector<T_PNODE_D> nodes;
  for (UINT k : e.nodes) {
    T_PNODE_D n;
    if (k == T_MEMB_D::GAP_POINT) break;
    if (pnode->Get(k, n)) nodes.push_back(n);
  }
  if (CClassMemb::IsGeometryArea(e.type) && nodes.size() >= 3) {
    double nx = 0, ny = 0, nz = 0;
    for (size_t i = 0; i < nodes.size(); ++i) {
      const T_PNODE_D &a = nodes[i], &b = nodes[(i + 1) % nodes.size()];
      nx += (a.y - b.y) * (a.z + b.z), ny += (a.z - b.z) * (a.x + b.x), nz += (a.x - b.x) * (a.y + b.y);
    }
    rec.area = 0.5 * std::sqrt(nx * nx + ny * ny + nz * nz);
  } else if (nodes.size() >= 2) {
    rec.length = Dist(nodes.front(), nodes.back());
    double lo = nodes.front().z, hi = lo;
    for (const T_PNODE_D& n : nodes) lo = std::min(lo, n.z), hi = std::max(hi, n.z);
    if (wall) rec.height = hi - lo;
  }
  rec.beta = e.beta;
  rec.matlKey = e.matlKey;
  rec.sectKey = e.sectKey;
  rec.thikKey = e.thikKey;
  T_PMATL_D pm;
  if (auto* t = TableOf<CClassPMatl>(post); t && t->Get(e.matlKey, pm)) rec.matlName = pm.name;
  T_PSECT_D ps;
  if (auto* t = TableOf<CClassPSect>(post); t && t->Get(e.sectKey, ps)) rec.sectName = ps.name;
  T_PTHIK_D pt;
  if (auto* t = TableOf<CClassPThik>(post); t && t->Get(e.thikKey, pt)) rec.thikName = pt.name;
  for (UINT k : e.nodes) rec.pontNos.Add(k);

  // Design types and assigned data are the building model's, under the element's key.
  DB_CDataBase* db = ModelDB();
  T_MBTP_D d;
  d.Initialize();
  T_MEMB_D m;
  if (auto* memb = TableOf<CClassMemb>(db); memb && memb->Get(m_nObjKey, m) && m.dsgnKey)
    if (auto* t = TableOf<CClassMbtp>(db)) t->Get(m.dsgnKey, d);
  FillBlock(e.type, d, true, rec.dmtp);
  FillPostLoadEntries<CClassLnld>(db, m_nObjKey, rec.beamLoads);
  FillPostLoadEntries<CClassCmld>(db, m_nObjKey, rec.colLoads);
  T_MASG_D a = AssignedOf<T_MASG_D>(TableOf<CClassMasg>(db), m_nObjKey);
  rec.slabLoadFlag = a.slabLoadFlag;
  rec.slabDead = a.slabDead, rec.slabLive = a.slabLive;
  rec.tempFlag = a.tempFlag;
  rec.temp[0] = a.temp[0], rec.temp[1] = a.temp[1];
  T_EASG_D ea = AssignedOf<T_EASG_D>(TableOf<CClassEasg>(db), m_nObjKey);
  rec.seisGradeText = GradeText(ea.seisGrade);
  rec.decFact = ea.decFact;
  rec.momFlag = ea.momFlag, rec.torFlag = ea.torFlag, rec.seisFlag = ea.seisFlag, rec.effFlag = ea.effFlag;
  rec.pushHinge = ea.pushHinge;
  rec.inelHinge = ea.inelHinge;
  return TRUE;
}

// ---- Changes ----

namespace {

// The point or member of the current object, with its table.
struct Target {
  DB_CDataBase* db = nullptr;
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  T_PONT_D p;
  T_MEMB_D m;
};

bool PointOf(int cls, UINT key, Target& t) {
  t.db = ModelDB();
  t.pont = TableOf<CClassPont>(t.db);
  return cls == CMembDataCtrl::OBJ_PONT && t.pont && t.pont->Get(key, t.p);
}

bool MemberOf(int cls, UINT key, Target& t) {
  t.db = ModelDB();
  t.memb = TableOf<CClassMemb>(t.db);
  return IsMembClass(cls) && t.memb && t.memb->Get(key, t.m);
}

}  // namespace

BOOL CMembDataCtrl::ModifyPontCoordX(double x) {
  Target t;
  BOOL ok = PointOf(m_nObjClass, m_nObjKey, t) && std::isfinite(x);
  if (ok) {
    t.p.x = x;
    ok = t.pont->TR_Modify(m_nObjKey, t.p);
  }
  return Log("ModifyPontCoordX", {Num(x)}, ok) ? (Notify(ATRUP_PONT_COORD), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyPontCoordY(double y) {
  Target t;
  BOOL ok = PointOf(m_nObjClass, m_nObjKey, t) && std::isfinite(y);
  if (ok) {
    t.p.y = y;
    ok = t.pont->TR_Modify(m_nObjKey, t.p);
  }
  return Log("ModifyPontCoordY", {Num(y)}, ok) ? (Notify(ATRUP_PONT_COORD), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyMembMaterial(UINT key) {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && CClassMemb::IsNeedMaterial(t.m.type) &&
            TableOf<CClassMatl>(t.db) && TableOf<CClassMatl>(t.db)->Exist(key);
  if (ok) {
    t.m.matlKey = key;
    ok = t.memb->TR_Modify(m_nObjKey, t.m);
  }
  return Log("ModifyMembMaterial", {Int(key)}, ok) ? (Notify(ATRUP_MEMB_PROPERTY), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyMembSection(UINT key) {
  Target t;
  auto* sect = TableOf<CClassSect>(ModelDB());
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && CClassMemb::IsSectionType(t.m.type) && sect && sect->Exist(key);
  if (ok) {
    t.m.sectKey = key;
    ok = t.memb->TR_Modify(m_nObjKey, t.m);
  }
  return Log("ModifyMembSection", {Int(key)}, ok) ? (Notify(ATRUP_MEMB_PROPERTY), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyMembThickness(UINT key) {
  Target t;
  auto* thik = TableOf<CClassThik>(ModelDB());
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && (CClassMemb::IsThicknessType(t.m.type) || t.m.type == 202) &&
            thik && thik->Exist(key);
  if (ok) {
    t.m.thikKey = key;
    ok = t.memb->TR_Modify(m_nObjKey, t.m);
  }
  return Log("ModifyMembThickness", {Int(key)}, ok) ? (Notify(ATRUP_MEMB_PROPERTY), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyMembBetaAngle(double beta) {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && CClassMemb::IsGeometryLine(t.m.type) && t.m.type != 202 &&
            std::isfinite(beta);
  if (ok) {
    t.m.beta = beta;
    ok = t.memb->TR_Modify(m_nObjKey, t.m);
  }
  return Log("ModifyMembBetaAngle", {Num(beta)}, ok) ? (Notify(ATRUP_MEMB_PROPERTY), TRUE) : FALSE;
}

BOOL CMembDataCtrl::UpdatePostBetaAngle() {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t);
  auto* pmemb = TableOf<CClassPMemb>(PostDB());
  T_PMEMB_D e;
  if (ok && pmemb && pmemb->Get(m_nObjKey, e) && e.beta != t.m.beta) {
    e.beta = t.m.beta;
    ok = pmemb->Replace(m_nObjKey, e);
  }
  return Log("UpdatePostBetaAngle", {}, ok);
}

BOOL CMembDataCtrl::ModifyMembDType(const T_DMTP_D& block, int nExtra) {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && block.lead != 0;
  const DesignLayout* l = ok ? LayoutOf(t.m.type) : nullptr;
  auto* mbtp = TableOf<CClassMbtp>(t.db);
  ok = ok && l && mbtp;
  T_MBTP_D d;
  d.Initialize();
  if (ok && t.m.dsgnKey) mbtp->Get(t.m.dsgnKey, d);
  for (int i = 0; ok && i < 6; ++i) ok = Decode(l->word[i], block.value[i], d, i);
  if (ok) {
    // A record of its own: kept when only this member uses it, else a new one.
    DB_CScopedChange change(t.db, "ModifyMembDType");
    if (t.m.dsgnKey && t.memb->GetUseCount(CClassMbtp::m_nClassID, t.m.dsgnKey) == 1) {
      d.key = t.m.dsgnKey;
      ok = mbtp->TR_Modify(d.key, d);
    } else {
      d.key = mbtp->GetNewKey();
      t.m.dsgnKey = d.key;
      ok = mbtp->TR_Add(d) && t.memb->TR_Modify(m_nObjKey, t.m);
    }
    ok = ok && change.Commit();
  }
  return Log("ModifyMembDType", {BlockText(block), Int(nExtra)}, ok) ? (Notify(ATRUP_MEMB_DTYPE), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyMembRelease(int nCode) {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && CClassMemb::IsGeometryLine(t.m.type) && nCode >= 0 && nCode <= 4;
  if (ok) {
    auto* masg = TableOf<CClassMasg>(t.db);
    T_MASG_D a = AssignedOf<T_MASG_D>(masg, m_nObjKey);
    a.release.Format("%d", nCode);
    ok = StoreAssigned(masg, a);
  }
  return Log("ModifyMembRelease", {Int(nCode)}, ok) ? (Notify(ATRUP_RELEASE), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyMembLVL(int nCode) {
  // The member's own grade record takes the code in the slot its kind reads: walls the
  // first, other members that of their section's material kind (0 clears the slot).
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && (nCode == 0 || IsGradeCode(nCode));
  if (ok) {
    int slot = 0;
    T_SECT_D sect;
    if (t.m.type != 202) {
      auto* sects = TableOf<CClassSect>(t.db);
      ok = sects && sects->Get(t.m.sectKey, sect);
      if (ok) slot = T_LFEG_D::SlotOfMatlKind(sect.iMatlType);
    }
    auto* prel = TableOf<CClassPrel>(t.db);
    ok = ok && prel && prel->TR_SetMembGrade(m_nObjKey, slot, nCode);
  }
  return Log("ModifyMembLVL", {Int(nCode)}, ok) ? (Notify(ATRUP_SEIS_GRADE), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifyMembWDtail(int nFlag) {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && t.m.type == 202 && (nFlag == 0 || nFlag == 1);
  if (ok) {
    auto* masg = TableOf<CClassMasg>(t.db);
    T_MASG_D a = AssignedOf<T_MASG_D>(masg, m_nObjKey);
    a.wallDetail = nFlag;
    ok = StoreAssigned(masg, a);
  }
  return Log("ModifyMembWDtail", {Int(nFlag)}, ok) ? (Notify(ATRUP_WALL_DETAIL), TRUE) : FALSE;
}

BOOL CMembDataCtrl::ModifySlabLoad(const CString& text) {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t) && CClassMemb::IsGeometryArea(t.m.type);
  double dead = 0, live = 0;
  if (ok) {
    // "DEAD, LIVE": two finite numbers and nothing else.
    const char* s = text.c_str();
    char* end = nullptr;
    dead = std::strtod(s, &end);
    ok = end != s && std::isfinite(dead);
    const char* p = end;
    while (ok && (*p == ' ' || *p == '\t')) ++p;
    ok = ok && *p == ',';
    if (ok) {
      ++p;
      live = std::strtod(p, &end);
      ok = end != p && std::isfinite(live);
      p = end;
      while (ok && (*p == ' ' || *p == '\t')) ++p;
      ok = ok && *p == '\0';
    }
  }
  if (ok) {
    auto* masg = TableOf<CClassMasg>(t.db);
    T_MASG_D a = AssignedOf<T_MASG_D>(masg, m_nObjKey);
    a.slabLoadFlag = 1;
    a.slabDead = dead;
    a.slabLive = live;
    ok = StoreAssigned(masg, a);
  }
  return Log("ModifySlabLoad", {text.str()}, ok) ? (Notify(ATRUP_SLAB_LOAD), TRUE) : FALSE;
}

// ---- Deletions ----

BOOL CMembDataCtrl::DeletePontData(int nCode) {
  Target t;
  BOOL ok = PointOf(m_nObjClass, m_nObjKey, t);
  if (ok) {
    auto* pasg = TableOf<CClassPasg>(t.db);
    T_PASG_D a = AssignedOf<T_PASG_D>(pasg, m_nObjKey);
    switch (nCode) {
      case ATRUP_PONT_SUPPORT: a.support.Empty(); break;
      case ATRUP_PONT_ELINK: a.link = 0; break;
      case ATRUP_PONT_LOAD:
      case ATRUP_PONT_DISP: {
        // Every record of that kind the point has, in one step.
        const int kind = nCode == ATRUP_PONT_LOAD ? CPtldCounts::LOAD : CPtldCounts::DISPLACEMENT;
        auto* ptld = TableOf<CClassPtld>(t.db);
        CUIntArray all, gone;
        if (ptld) ptld->GetKeyListByPont(m_nObjKey, all);
        for (UINT k : all) {
          T_PTLD_D r;
          if (ptld->Get(k, r) && r.kind == kind) gone.Add(k);
        }
        ok = !gone.IsEmpty() && ptld->TR_Del(gone);
        return Log("DeletePontData", {Int(nCode)}, ok) ? (Notify(nCode), TRUE) : FALSE;
      }
      default: ok = FALSE;
    }
    ok = ok && StoreAssigned(pasg, a);
  }
  return Log("DeletePontData", {Int(nCode)}, ok) ? (Notify(nCode), TRUE) : FALSE;
}

namespace {

// The loads each load code deletes: the table (column loads or line loads) and the member
// types that carry them.
struct LoadKind {
  int code;
  bool column;
  BOOL (*carries)(int type);
};
const LoadKind kLoadKinds[] = {
    {ATRUP_COL_LOAD, true, &CClassMemb::IsColumn},
    {ATRUP_BEAM_LOAD, false, &CClassMemb::IsBeam},
    {ATRUP_WALL_LOAD, false, [](int type) -> BOOL { return type == 202; }},
    {ATRUP_LINE_LOAD, false, [](int type) -> BOOL { return type == 200; }},
};

}  // namespace

BOOL CMembDataCtrl::DeleteMembData(int nCode, int nIndex) {
  Target t;
  BOOL ok = MemberOf(m_nObjClass, m_nObjKey, t);
  const auto done = [&](BOOL result) {
    return Log("DeleteMembData", {Int(nCode), Int(nIndex)}, result) ? (Notify(nCode), TRUE) : FALSE;
  };
  for (const LoadKind& k : kLoadKinds) {
    if (k.code != nCode) continue;
    ok = ok && k.carries(t.m.type) &&
         (k.column ? DeleteOfMemb(TableOf<CClassCmld>(t.db), m_nObjKey) : DeleteOfMemb(TableOf<CClassLnld>(t.db), m_nObjKey));
    return done(ok);
  }
  if (nCode == ATRUP_WALL_OPENING) {
    // The opening at the index; the record goes with its last opening.
    auto* awop = TableOf<CClassAwop>(t.db);
    T_AWOP_D r;
    ok = ok && t.m.type == 202 && awop && awop->Get(m_nObjKey, r) && nIndex >= 0 && nIndex < r.twop.GetSize();
    if (ok) {
      r.twop.RemoveAt(nIndex);
      r.pos.RemoveAt(nIndex);
      ok = r.twop.IsEmpty() ? awop->TR_Del(m_nObjKey) : awop->TR_Modify(m_nObjKey, r);
    }
    return done(ok);
  }
  if (nCode == ATRUP_UNCERT_FACT) {
    // The member's factor records and the factor of its assigned data go together.
    if (ok) {
      auto* masg = TableOf<CClassMasg>(t.db);
      T_MASG_D a = AssignedOf<T_MASG_D>(masg, m_nObjKey);
      const bool ownFactor = a.uncertFact != 1.0;
      a.uncertFact = 1.0;
      CUIntArray keys;
      auto* uccf = TableOf<CClassUccf>(t.db);
      const bool records = uccf && uccf->GetKeyListByMemb(m_nObjKey, keys);
      ok = records || ownFactor;
      if (ok) {
        DB_CScopedChange change(t.db, "DeleteMembData");
        ok = (!records || uccf->TR_Del(keys)) && (!ownFactor || StoreAssigned(masg, a)) && change.Commit();
      }
    }
    return done(ok);
  }
  if (ok) {
    auto* masg = TableOf<CClassMasg>(t.db);
    T_MASG_D a = AssignedOf<T_MASG_D>(masg, m_nObjKey);
    switch (nCode) {
      case ATRUP_SLAB_LOAD: a.slabLoadFlag = 0, a.slabDead = a.slabLive = 0.0; break;
      case ATRUP_TEMPERATURE: a.tempFlag = 0, a.temp[0] = a.temp[1] = 0.0; break;
      case ATRUP_RELEASE: a.release.Empty(); break;
      case ATRUP_OFFSET: a.offset.Empty(); break;
      case ATRUP_SLAB_EDGE: a.slabEdge.Empty(); break;
      case ATRUP_STIFF_FACT:
        a.stiffFlag = 0;
        for (double& v : a.stiff) v = 1.0;
        break;
      case ATRUP_WALL_STIFF_FACT:
        a.stiffFlag = 0;
        for (double& v : a.wallStiff) v = 1.0;
        break;
      case ATRUP_DEC_FACT: a.decFact = 1.0; break;
      case ATRUP_MOMENT_FACT: a.momFlag = 0, a.momFact = 1.0; break;
      case ATRUP_TORSION_FACT: a.torFlag = 0, a.torFact = 1.0; break;
      case ATRUP_SEIS_FACT: a.seisFlag = 0, a.seisFact = 1.0; break;
      case ATRUP_EFFECT_FACT: a.effFlag = 0, a.effFact[0] = a.effFact[1] = 1.0; break;
      case ATRUP_UNBRACED_LENG:
        a.unbraced[0] = a.unbraced[1] = a.unbraced3 = 0.0;
        a.noThird = 0;
        break;
      case ATRUP_LIMITING_RATIO: a.limRatio[0] = a.limRatio[1] = 0.0; break;
      case ATRUP_EQUIV_MOM_FACT: a.equivMom = 1.0; break;
      case ATRUP_SEIS_GRADE: {
        // The member's grade links go: it takes the project's grade again.
        auto* prel = TableOf<CClassPrel>(t.db);
        CUIntArray links;
        ok = prel && prel->GetKeyListFromMembK(m_nObjKey, links) && !links.IsEmpty() && prel->TR_Del(links);
        return Log("DeleteMembData", {Int(nCode), Int(nIndex)}, ok) ? (Notify(nCode), TRUE) : FALSE;
      }
      default: ok = FALSE;
    }
    ok = ok && StoreAssigned(masg, a);
  }
  return Log("DeleteMembData", {Int(nCode), Int(nIndex)}, ok) ? (Notify(nCode), TRUE) : FALSE;
}

BOOL CMembDataCtrl::DeletePMembData(int& nCode) {
  auto* pmemb = TableOf<CClassPMemb>(PostDB());
  DB_CDataBase* db = ModelDB();
  BOOL ok = IsElemClass(m_nObjClass) && pmemb && pmemb->Exist(m_nObjKey);
  if (ok) {
    auto* easg = TableOf<CClassEasg>(db);
    T_EASG_D a = AssignedOf<T_EASG_D>(easg, m_nObjKey);
    switch (nCode) {
      case ATRUP_SEIS_GRADE: a.seisGrade = 0; break;
      case ATRUP_DEC_FACT: a.decFact = 1.0; break;
      case ATRUP_MOMENT_FACT: a.momFlag = 0; break;
      case ATRUP_TORSION_FACT: a.torFlag = 0; break;
      case ATRUP_SEIS_FACT: a.seisFlag = 0; break;
      case ATRUP_EFFECT_FACT: a.effFlag = 0; break;
      case ATRUP_PUSH_HINGE: a.pushHinge.Empty(); break;
      case ATRUP_INELASTIC_HINGE: a.inelHinge.Empty(); break;
      default: ok = FALSE;  // an element holds no slab edge of its own
    }
    ok = ok && StoreAssigned(easg, a);
  }
  return Log("DeletePMembData", {Int(nCode)}, ok) ? (Notify(nCode), TRUE) : FALSE;
}

// ---- Log and notice ----

BOOL CMembDataCtrl::Log(const char* op, std::vector<std::string> args, BOOL result) {
  T_ATTR_CALL c;
  c.objClass = m_nObjClass;
  c.objKey = m_nObjKey;
  c.op = op;
  c.args = std::move(args);
  c.result = result ? 1 : 0;
  g_calls.push_back(std::move(c));
  return result;
}

void CMembDataCtrl::Notify(int nCode) const {
  if (m_hWnd) ::SendMessage(m_hWnd, WM_MEMBDATACTRL_CHANGED, (WPARAM)nCode, 0);
}

int CMembDataCtrl::GetCallCount() { return (int)g_calls.size(); }

const T_ATTR_CALL* CMembDataCtrl::GetCall(int i) {
  return i >= 0 && i < (int)g_calls.size() ? &g_calls[(size_t)i] : nullptr;
}

void CMembDataCtrl::ClearCalls() { g_calls.clear(); }
