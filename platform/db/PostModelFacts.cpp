// Facts about single records of the analysis model: tower and story names, an element's
// keys, length or area, and first edge.
#include <vector>
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CDBDoc.h"

namespace {

template <class T>
const T* RecordOf(DB_CDataBase* db, UINT classId, UINT key) {
  DB_CStoreBase* store = db ? db->GetStore(classId) : nullptr;
  return store ? static_cast<const T*>(store->Record(key)) : nullptr;
}

bool IsWallElement(int type) { return type == T_PMEMB_D::WALL || type == 204 || type == 210; }

}  // namespace

CString CClassPStor::GetNameWithModule(UINT key, const char*) const {
  const T_PSTOR_D* s = Set() ? Set()->Find(key) : nullptr;
  if (!s) return CString();
  const T_PMDUL_D* t = RecordOf<T_PMDUL_D>(m_pDB, DB_CLASS_PMDUL, s->mdulKey);
  return (t ? t->name : CString()) + ":" + s->name;
}

BOOL CClassPMemb::GetMatlSectThik(const T_PMEMB_D& rec, UINT& matl, UINT& sect, UINT& thik) const {
  matl = rec.matlKey;
  sect = rec.sectKey;
  thik = rec.thikKey;
  return TRUE;
}

BOOL CClassPMemb::GetLineInfo(const T_PMEMB_D& rec, T_LINE_G& line) const {
  line = T_LINE_G();
  if (rec.nodes.GetSize() < 2) return FALSE;
  const T_PNODE_D* a = RecordOf<T_PNODE_D>(m_pDB, DB_CLASS_PNODE, rec.nodes[0]);
  const T_PNODE_D* b = RecordOf<T_PNODE_D>(m_pDB, DB_CLASS_PNODE, rec.nodes[1]);
  if (!a || !b) return FALSE;
  line.start = T_POINT3D{a->x, a->y, a->z};
  line.end = T_POINT3D{b->x, b->y, b->z};
  if (rec.curves.IsEmpty() || !rec.curves[0]) return TRUE;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  const T_CURV_D* c = doc ? RecordOf<T_CURV_D>(doc->GetModelDB(), DB_CLASS_CURV, rec.curves[0]) : nullptr;
  if (!c) return FALSE;
  line.bArc = TRUE;
  line.centre = T_POINT3D{c->cx, c->cy, c->cz};
  return TRUE;
}

int CClassPMemb::GetLengthArea(UINT, const T_PMEMB_D& rec, double& value) const {
  value = 0.0;
  if (CClassMemb::IsGeometryLine(rec.type) || IsWallElement(rec.type)) {
    T_LINE_G line;
    if (!GetLineInfo(rec, line)) return 0;
    value = line.Length();
    return 1;
  }
  if (!CClassMemb::IsGeometryArea(rec.type)) return 0;
  std::vector<T_POINT3D> outline;
  for (UINT k : rec.nodes) {
    if (k == T_MEMB_D::GAP_POINT) break;
    const T_PNODE_D* n = RecordOf<T_PNODE_D>(m_pDB, DB_CLASS_PNODE, k);
    if (!n) return 0;
    outline.push_back(T_POINT3D{n->x, n->y, n->z});
  }
  if (outline.size() < 3) return 0;
  value = DBGeom::Area3D(outline);
  return 2;
}
