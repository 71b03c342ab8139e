// Tables whose records, for now, hold only what they belong to: `owner`, the key of the
// point, member, load case or other record the record is attached to (not checked). They
// are keyed tables like any other and are written only by field (`put`); the project
// status counts their records. One record type and table class a class id:
//
//   RIGD rigid links              DRLS diaphragm disconnections SKEW point local axes
//   CGLP changed general-link properties
//   SSPT surface supports         ARLD area loads               BMLA assigned beam loads
//   EXPL exceptions to pattern loading                          SWGT member self weight
//   STMP system temperature       PTMP point temperatures       PMAS point masses
//   SPFC spectrum functions       SMPT settlement groups        SMLC settlement load cases
#pragma once
#include "db/CClassAwop.h"
#include "db/DB_CTable.h"

// The four-letter code of an owned table's class id; NULL for any other id.
const char* DB_OwnedTableCode(UINT nClassID);

template <UINT ID>
struct T_OWNED_D {
  UINT key = 0;
  UINT owner = 0;

  void Initialize() { *this = T_OWNED_D(); }
  static const DB_CRecordDesc& Desc() {
    static const DB_CRecordDesc d(DB_OwnedTableCode(ID), ID, {DBField<&T_OWNED_D::owner>("owner")});
    return d;
  }
};

template <UINT ID>
class DB_COwnedTable : public DB_CTable<T_OWNED_D<ID>> {
 public:
  static constexpr UINT m_nClassID = ID;
  DB_COwnedTable() : DB_CTable<T_OWNED_D<ID>>(ID) {}
};

using CClassRigd = DB_COwnedTable<DB_CLASS_RIGD>;
using CClassDrls = DB_COwnedTable<DB_CLASS_DRLS>;
using CClassSkew = DB_COwnedTable<DB_CLASS_SKEW>;
using CClassCglp = DB_COwnedTable<DB_CLASS_CGLP>;
using CClassSspt = DB_COwnedTable<DB_CLASS_SSPT>;
using CClassArld = DB_COwnedTable<DB_CLASS_ARLD>;
using CClassBmla = DB_COwnedTable<DB_CLASS_BMLA>;
using CClassExpl = DB_COwnedTable<DB_CLASS_EXPL>;
using CClassSwgt = DB_COwnedTable<DB_CLASS_SWGT>;
using CClassStmp = DB_COwnedTable<DB_CLASS_STMP>;
using CClassPtmp = DB_COwnedTable<DB_CLASS_PTMP>;
using CClassPmas = DB_COwnedTable<DB_CLASS_PMAS>;
using CClassSpfc = DB_COwnedTable<DB_CLASS_SPFC>;
using CClassSmpt = DB_COwnedTable<DB_CLASS_SMPT>;
using CClassSmlc = DB_COwnedTable<DB_CLASS_SMLC>;
