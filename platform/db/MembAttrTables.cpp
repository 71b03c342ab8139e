// The tables of data assigned to members (loads, grade links, uncertain-combination
// factors), the grade records and the project's seismic settings.
#include "db/CClassCmld.h"
#include "db/CClassLdct.h"
#include "db/CClassMemb.h"
#include "db/CClassPrel.h"
#include "db/CClassUccf.h"
#include "db/DB_CScopedChange.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassCmld);
DB_REGISTER_TABLE(CClassLnld);
DB_REGISTER_TABLE(CClassLfeg);
DB_REGISTER_TABLE(CClassPrel);
DB_REGISTER_TABLE(CClassLdct);
DB_REGISTER_TABLE(CClassSpch);
DB_REGISTER_TABLE(CClassSsch);
DB_REGISTER_TABLE(CClassUccf);

namespace {
template <class T>
std::vector<DB_CField> LoadFields() {
  return {
      DBField<&T::memb>("memb"),
      DBField<&T::loadCase>("loadCase"),
      DBField<&T::loadType>("loadType"),
      DBField<&T::p>("p"),
      DBField<&T::v>("v"),
  };
}
}  // namespace

const DB_CRecordDesc& T_CMLD_D::Desc() {
  static const DB_CRecordDesc d("CMLD", DB_CLASS_CMLD, LoadFields<T_CMLD_D>());
  return d;
}

const DB_CRecordDesc& T_LNLD_D::Desc() {
  static const DB_CRecordDesc d("LNLD", DB_CLASS_LNLD, LoadFields<T_LNLD_D>());
  return d;
}

const DB_CRecordDesc& T_LFEG_D::Desc() {
  static const DB_CRecordDesc d("LFEG", DB_CLASS_LFEG, {DBField<&T_LFEG_D::code>("code")});
  return d;
}

const DB_CRecordDesc& T_PREL_D::Desc() {
  static const DB_CRecordDesc d("PREL", DB_CLASS_PREL, {
      DBField<&T_PREL_D::memb>("memb"),
      DBField<&T_PREL_D::lfeg>("lfeg"),
  });
  return d;
}

const DB_CRecordDesc& T_LDCT_D::Desc() {
  static const DB_CRecordDesc d("LDCT", DB_CLASS_LDCT, {
      DBField<&T_LDCT_D::flag>("flag"),
      DBField<&T_LDCT_D::wind>("wind"),
      DBField<&T_LDCT_D::seismic>("seismic"),
  });
  return d;
}

const DB_CRecordDesc& T_SPCH_D::Desc() {
  static const DB_CRecordDesc d("SPCH", DB_CLASS_SPCH, {
      DBField<&T_SPCH_D::frameGrade>("frameGrade"),
      DBField<&T_SPCH_D::wallGrade>("wallGrade"),
  });
  return d;
}

const DB_CRecordDesc& T_SSCH_D::Desc() {
  static const DB_CRecordDesc d("SSCH", DB_CLASS_SSCH, {
      DBField<&T_SSCH_D::frameGrade>("frameGrade"),
      DBField<&T_SSCH_D::wallGrade>("wallGrade"),
  });
  return d;
}

const DB_CRecordDesc& T_UCCF_D::Desc() {
  static const DB_CRecordDesc d("UCCF", DB_CLASS_UCCF, {
      DBField<&T_UCCF_D::memb>("memb"),
      DBField<&T_UCCF_D::factor>("factor"),
  });
  return d;
}

BOOL CClassUccf::GetListByMemb(const CUIntArray& membs, CUIntArray& keys, CArray<T_UCCF_D>& recs) const {
  keys.RemoveAll();
  recs.RemoveAll();
  CUIntArray own;
  for (UINT m : membs) {
    if (!GetKeyListByMemb(m, own)) continue;
    for (UINT k : own) {
      keys.Add(k);
      recs.Add(*Set()->Find(k));
    }
  }
  return keys.GetSize() > 0;
}

BOOL CClassPrel::TR_SetMembGrade(UINT memb, int slot, int code) {
  if (!CanWrite() || slot < 0 || slot > 2) return FALSE;
  DB_CStoreBase* membs = m_pDB->GetStore(DB_CLASS_MEMB);
  auto* lfeg = static_cast<CClassLfeg*>(m_pDB->GetClass(CClassLfeg::m_nClassID));
  if (!membs || !membs->Record(memb) || !lfeg) return FALSE;
  CUIntArray links;
  GetKeyListByMemb(memb, links);
  T_PREL_D link;
  link.Initialize();
  link.memb = memb;
  if (links.GetSize() > 0) link = *Set()->Find(links[links.GetSize() - 1]);
  T_LFEG_D grade;
  grade.Initialize();
  const BOOL hasGrade = link.lfeg && lfeg->Get(link.lfeg, grade);
  // A grade record other links share is not rewritten under them.
  const BOOL shared = hasGrade && Set()->Extra().CountUsing(link.lfeg) > 1;
  grade.code[slot] = code;
  DB_CScopedChange change(m_pDB);
  if (!change.IsOpen()) return FALSE;
  if (hasGrade && !shared) {
    if (!lfeg->TR_Modify(link.lfeg, grade)) return FALSE;
    return change.Commit();
  }
  const UINT newGrade = lfeg->GetNewKey();
  grade.key = newGrade;
  if (!lfeg->TR_Add(grade)) return FALSE;
  link.lfeg = newGrade;
  if (link.key ? !TR_Modify(link.key, link) : !TR_Add(link)) return FALSE;
  return change.Commit();
}

BOOL CClassMemb::GetAttrList(UINT key, CArray<CClassStor::T_ATTR_ENTRY>& list) const {
  list.RemoveAll();
  if (!Exist(key)) return FALSE;
  CUIntArray keys;
  if (auto* cmld = static_cast<CClassCmld*>(m_pDB->GetClass(CClassCmld::m_nClassID)); cmld && cmld->GetKeyListByMemb(key, keys))
    for (UINT k : keys) list.Add(CClassStor::T_ATTR_ENTRY{CClassCmld::UR_CMLD_CMD, k});
  if (auto* lnld = static_cast<CClassLnld*>(m_pDB->GetClass(CClassLnld::m_nClassID)); lnld && lnld->GetKeyListByMemb(key, keys))
    for (UINT k : keys) list.Add(CClassStor::T_ATTR_ENTRY{CClassLnld::UR_LNLD_CMD, k});
  return TRUE;
}

void CClassMemb::EraseAssignedData(const std::vector<UINT>& keys) {
  if (auto* t = static_cast<CClassCmld*>(m_pDB->GetClass(CClassCmld::m_nClassID))) t->EraseOfMembs(keys);
  if (auto* t = static_cast<CClassLnld*>(m_pDB->GetClass(CClassLnld::m_nClassID))) t->EraseOfMembs(keys);
  if (auto* t = static_cast<CClassPrel*>(m_pDB->GetClass(CClassPrel::m_nClassID))) t->EraseOfMembs(keys);
  if (auto* t = static_cast<CClassUccf*>(m_pDB->GetClass(CClassUccf::m_nClassID))) t->EraseOfMembs(keys);
}
