// The seismic grades of members: grade records (CClassLfeg) and the links of members to
// them (CClassPrel). A member without a link takes the project's grade (CClassLdct,
// CClassSpch, CClassSsch). When a member has several links, the last one decides.
#pragma once
#include "db/DB_CMembAttrTable.h"
#include "db/T_LFEG_D.h"

// The links of each member, and how many links name each grade record.
class CPrelIndex : public DB_CByMembIndex<T_PREL_D> {
 public:
  void Add(UINT key, const T_PREL_D& r) {
    DB_CByMembIndex::Add(key, r);
    ++m_lfeg[r.lfeg];
  }
  void Remove(UINT key, const T_PREL_D& r) {
    DB_CByMembIndex::Remove(key, r);
    auto it = m_lfeg.find(r.lfeg);
    if (it != m_lfeg.end() && --it->second == 0) m_lfeg.erase(it);
  }
  void Clear() { *this = CPrelIndex(); }
  int CountUsing(UINT lfeg) const {
    auto it = m_lfeg.find(lfeg);
    return it == m_lfeg.end() ? 0 : it->second;
  }

 private:
  std::unordered_map<UINT, int> m_lfeg;
};

class CClassLfeg : public DB_CTable<T_LFEG_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_LFEG;
  enum {
    UR_LFEG_ADD = DB_UR_CODE(DB_CLASS_LFEG, DB_UR_ADD),
    UR_LFEG_DEL = DB_UR_CODE(DB_CLASS_LFEG, DB_UR_DEL),
    UR_LFEG_MFD = DB_UR_CODE(DB_CLASS_LFEG, DB_UR_MFD),
    UR_LFEG_MFS = DB_UR_CODE(DB_CLASS_LFEG, DB_UR_MFS),
  };
  CClassLfeg() : DB_CTable(m_nClassID) {}
};

class CClassPrel : public DB_CMembAttrTable<T_PREL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PREL;
  enum {
    UR_PREL_ADD = DB_UR_CODE(DB_CLASS_PREL, DB_UR_ADD),
    UR_PREL_DEL = DB_UR_CODE(DB_CLASS_PREL, DB_UR_DEL),
    UR_PREL_MFD = DB_UR_CODE(DB_CLASS_PREL, DB_UR_MFD),
    UR_PREL_MFS = DB_UR_CODE(DB_CLASS_PREL, DB_UR_MFS),
  };
  CClassPrel() : DB_CMembAttrTable(m_nClassID) {}

  // The keys of the member's links, ascending; FALSE when it has none.
  BOOL GetKeyListFromMembK(UINT memb, CUIntArray& keys) const { return GetKeyListByMemb(memb, keys); }
  // Sets one slot of the member's grade as one undoable change: the grade record of its
  // last link, when no other link shares it, is rewritten with that slot changed; else a
  // new grade record (the shared or missing one's codes, that slot changed) is added and
  // the last link, or a new one, points to it. FALSE, with nothing written, for a missing
  // member or a slot outside 0 to 2.
  BOOL TR_SetMembGrade(UINT memb, int slot, int code);
};

class CDataLfeg : public DB_CDataImage<T_LFEG_D> {};
class CDataPrel : public DB_CDataImage<T_PREL_D> {};
