#include "db/CClassTrln.h"

#include <cmath>
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassTrln);
DB_REGISTER_TABLE(CClassDmln);
DB_REGISTER_TABLE(CClassDmpt);

BOOL CClassTrln::CheckRecord(const T_TRLN_D& r) const { return std::isfinite(r.x) && std::isfinite(r.y); }

BOOL CClassDmpt::CheckRecord(const T_DMPT_D& r) const { return std::isfinite(r.x) && std::isfinite(r.y); }

BOOL CClassDmln::CheckRecord(const T_DMLN_D& r) const {
  DB_CStoreBase* lines = m_pDB->GetStore(CClassTrln::m_nClassID);
  DB_CStoreBase* pts = m_pDB->GetStore(CClassDmpt::m_nClassID);
  return lines && pts && lines->Exist(r.trlnKey) && pts->Exist(r.pt1) && pts->Exist(r.pt2);
}

BOOL CClassDmln::GetSegment(UINT key, T_POINT2D& a, T_POINT2D& b) const {
  const T_DMLN_D* s = Set() ? Set()->Find(key) : nullptr;
  if (!s || !m_pDB) return FALSE;
  const auto* line = static_cast<const T_TRLN_D*>(m_pDB->GetStore(CClassTrln::m_nClassID)->Record(s->trlnKey));
  DB_CStoreBase* pts = m_pDB->GetStore(CClassDmpt::m_nClassID);
  const auto* p1 = static_cast<const T_DMPT_D*>(pts->Record(s->pt1));
  const auto* p2 = static_cast<const T_DMPT_D*>(pts->Record(s->pt2));
  if (!line || !p1 || !p2) return FALSE;
  a = T_POINT2D{p1->x + line->x, p1->y + line->y};
  b = T_POINT2D{p2->x + line->x, p2->y + line->y};
  return TRUE;
}
