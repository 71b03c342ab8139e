// Record counts of kinds of data that the model keeps inside another table rather than in
// a table of their own. Each view reads like a table for counting: ConnectToDB, then
// GetCount, which reads a count the owning table keeps through every write, undo and
// load (its DB_HasIndex counts), so nothing is walked. The mapping:
//
//   view        counts                                   owning table, kept count
//   CClassSpts  points with a support                    PASG, support not empty
//   CClassFrls  members with frame end releases          MASG, release not empty
//   CClassSrls  slabs with edge releases                 MASG, slabEdge not empty
//   CClassOffs  members with offsets                     MASG, offset not empty
//   CClassMtmp  members with a temperature load          MASG, tempFlag not 0
//   CClassSbla  slabs with an assigned slab load         MASG, slabLoadFlag not 0
//   CPtldLoads  point loads                              PTLD, kind 0
//   CClassSdsp  specified displacements                  PTLD, kind 1
#pragma once
#include "db/CClassMasg.h"
#include "db/CClassPtld.h"
#include "db/DB_CDataBase.h"

template <class Owner, int (*Count)(const Owner&)>
class DB_CCountView {
 public:
  // Joins the owning table of that database; non-zero on success.
  BOOL ConnectToDB(DB_CDataBase* pDB) {
    m_pOwner = pDB ? static_cast<const Owner*>(pDB->GetClass(Owner::m_nClassID)) : nullptr;
    return m_pOwner != nullptr;
  }
  int GetCount() const { return m_pOwner ? Count(*m_pOwner) : 0; }

 private:
  const Owner* m_pOwner = nullptr;
};

namespace db_count {
inline int Supports(const CClassPasg& t) { return t.GetSupportCount(); }
template <CMasgCounts::Kind K> int Masg(const CClassMasg& t) { return t.GetCountOf(K); }
template <CPtldCounts::Kind K> int Ptld(const CClassPtld& t) { return t.GetCountOf(K); }
}  // namespace db_count

using CClassSpts = DB_CCountView<CClassPasg, &db_count::Supports>;
using CClassFrls = DB_CCountView<CClassMasg, &db_count::Masg<CMasgCounts::RELEASE>>;
using CClassSrls = DB_CCountView<CClassMasg, &db_count::Masg<CMasgCounts::SLAB_EDGE>>;
using CClassOffs = DB_CCountView<CClassMasg, &db_count::Masg<CMasgCounts::OFFSET>>;
using CClassMtmp = DB_CCountView<CClassMasg, &db_count::Masg<CMasgCounts::TEMPERATURE>>;
using CClassSbla = DB_CCountView<CClassMasg, &db_count::Masg<CMasgCounts::SLAB_LOAD>>;
using CPtldLoads = DB_CCountView<CClassPtld, &db_count::Ptld<CPtldCounts::LOAD>>;
using CClassSdsp = DB_CCountView<CClassPtld, &db_count::Ptld<CPtldCounts::DISPLACEMENT>>;
