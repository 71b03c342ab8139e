// Stiffness scale factors of sections (T_SECF_D), under the key of their section.
// TR_Add (key, factors) adds or replaces the section's factors.
#pragma once
#include "db/DB_CTable.h"
#include "db/SectRecord.h"

class CClassSecf : public DB_CTable<T_SECF_D> {
 public:
  static constexpr UINT m_nClassID = SECF_CLASS_ID;
  enum {
    UR_SECF_ADD = DB_UR_CODE(SECF_CLASS_ID, DB_UR_ADD),
    UR_SECF_DEL = DB_UR_CODE(SECF_CLASS_ID, DB_UR_DEL),
    UR_SECF_MFD = DB_UR_CODE(SECF_CLASS_ID, DB_UR_MFD),
    UR_SECF_MFS = DB_UR_CODE(SECF_CLASS_ID, DB_UR_MFS),
  };

  CClassSecf() : DB_CTable(m_nClassID) {}

  // Within a transaction of the section table: deletes the factors of these sections.
  void DeleteOfSections(const std::vector<UINT>& sectKeys);
  // Within a transaction of the section table: the factors of a renumbered section
  // go to its new number (replacing any found there).
  void MoveOfSection(UINT oldKey, UINT newKey);
};

class CDataSecf : public DB_CDataImage<T_SECF_D> {};
