#include "db/CPostModel.h"

#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"

namespace {

template <class T>
T* TableOf(DB_CDataBase* db) {
  return static_cast<T*>(db->GetClass(T::m_nClassID));
}

// The keys of a list that a table holds.
template <class Table>
void KeepExisting(const Table* t, CUIntArray& keys) {
  CUIntArray kept;
  for (UINT k : keys)
    if (t->Exist(k)) kept.Add(k);
  keys.RemoveAll();
  for (UINT k : kept) keys.Add(k);
}

}  // namespace

BOOL CPostModel::Build(CDBDoc& doc) {
  DB_CDataBase* model = doc.GetModelDB();
  DB_CDataBase* post = doc.GetMDBCtrl()->GetDBPost();
  if (!model || !post) return FALSE;
  auto* pont = TableOf<CClassPont>(model);
  auto* memb = TableOf<CClassMemb>(model);
  auto* stor = TableOf<CClassStor>(model);
  auto* matl = TableOf<CClassMatl>(model);
  auto* sect = TableOf<CClassSect>(model);
  auto* thik = TableOf<CClassThik>(model);
  auto* mbtp = TableOf<CClassMbtp>(model);

  DB_CDataBase fresh(DB_ID_POST);
  CUIntArray keys;

  CArray<T_PSTOR_D> stories;
  CArray<T_STOR_D> srecs;
  stor->GetList(keys, srecs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_PSTOR_D s;
    s.key = keys[i];
    s.name = srecs[i].name;
    s.mdulKey = srecs[i].mdulKey;
    s.height = srecs[i].height;
    s.planKey = srecs[i].planKey;
    stor->GetTopLevel(keys[i], s.level);
    stories.Add(s);
  }
  CArray<T_PMDUL_D> towers;
  CArray<T_MDUL_D> twrecs;
  if (auto* mdul = TableOf<CClassMdul>(model)) mdul->GetList(keys, twrecs);
  else keys.RemoveAll();
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_PMDUL_D t;
    t.key = keys[i];
    t.name = twrecs[i].name;
    towers.Add(t);
  }
  CArray<T_PMATL_D> matls;
  CArray<T_MATL_D> mrecs;
  matl->GetList(keys, mrecs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_PMATL_D m;
    m.key = keys[i];
    m.name = mrecs[i].name;
    m.type = mrecs[i].type;
    matls.Add(m);
  }
  CArray<T_PSECT_D> sects;
  CArray<T_SECT_D> secrecs;
  sect->GetList(keys, secrecs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_PSECT_D s;
    s.key = keys[i];
    s.name = secrecs[i].strName;
    s.type = secrecs[i].iType;
    s.matlType = secrecs[i].iMatlType;
    sects.Add(s);
  }
  CArray<T_PTHIK_D> thiks;
  CArray<T_THIK_D> trecs;
  thik->GetList(keys, trecs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_PTHIK_D t;
    t.key = keys[i];
    t.name = trecs[i].name;
    t.thick = trecs[i].thick1;
    thiks.Add(t);
  }
  CArray<T_PNODE_D> nodes;
  CArray<T_PONT_D> precs;
  pont->GetList(keys, precs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_PNODE_D n;
    T_POINT3D g;
    if (!pont->Get3DPos(keys[i], g)) continue;
    n.key = keys[i];
    n.x = g.x, n.y = g.y, n.z = g.z;
    n.storyKey = precs[i].storyKey;
    nodes.Add(n);
  }
  CArray<T_PMEMB_D> elems;
  CArray<T_MEMB_D> erecs;
  memb->GetList(keys, erecs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    const T_MEMB_D& m = erecs[i];
    T_PMEMB_D e;
    e.key = keys[i];
    e.type = m.type == 202 ? T_PMEMB_D::WALL : m.type;
    T_MBTP_D d;
    if (m.type == 301 && m.dsgnKey && mbtp->Get(m.dsgnKey, d) && d.value[1] >= 1 && d.value[1] <= 3)
      e.subtype = d.value[1];
    e.nodes = m.points;
    e.curves = m.curves;
    int flag = 0;
    if (!memb->GetAppliedMatlKey(keys[i], e.matlKey, flag)) e.matlKey = m.matlKey;
    e.sectKey = m.sectKey;
    e.thikKey = m.thikKey;
    e.beta = m.beta;
    e.storyKey = m.storyKey;
    elems.Add(e);
  }
  if (!TableOf<CClassPStor>(&fresh)->TR_Add(stories) || !TableOf<CClassPMdul>(&fresh)->TR_Add(towers) || !TableOf<CClassPMatl>(&fresh)->TR_Add(matls) ||
      !TableOf<CClassPSect>(&fresh)->TR_Add(sects) || !TableOf<CClassPThik>(&fresh)->TR_Add(thiks) ||
      !TableOf<CClassPNode>(&fresh)->TR_Add(nodes) || !TableOf<CClassPMemb>(&fresh)->TR_Add(elems))
    return FALSE;

  CUIntArray selNodes, selElems, none;
  post->GetViewCtrl()->GetAllSelectedPNode(selNodes);
  post->GetViewCtrl()->GetAllSelectedPMemb(selElems);
  post->SwapContents(fresh);
  KeepExisting(TableOf<CClassPNode>(post), selNodes);
  KeepExisting(TableOf<CClassPMemb>(post), selElems);
  if (!selNodes.IsEmpty() || !selElems.IsEmpty())
    post->GetViewCtrl()->Select(nullptr, none, none, selNodes, selElems, 0, 0, 1);
  return TRUE;
}
