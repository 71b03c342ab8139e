// Basement and outdoor ground: one record (key 1). basementCount runs from 0 to the
// number of stories of the main tower without the base story; the basement stories are
// the main tower's lowest stories above the base story.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_GRND_D.h"

struct T_MCTL_D;

class CClassGrnd : public DB_CTable<T_GRND_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_GRND;
  enum {
    UR_GRND_ADD = DB_UR_CODE(DB_CLASS_GRND, DB_UR_ADD),
    UR_GRND_DEL = DB_UR_CODE(DB_CLASS_GRND, DB_UR_DEL),
    UR_GRND_MFD = DB_UR_CODE(DB_CLASS_GRND, DB_UR_MFD),
    UR_GRND_MFS = DB_UR_CODE(DB_CLASS_GRND, DB_UR_MFS),
  };

  CClassGrnd() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  // Stores the record as the model's one record (added or replaced).
  BOOL TR_Add(const T_GRND_D& rec) { return DB_CTable::TR_Add(1u, rec); }
  // The basement record and the model control record in one transaction; the released
  // basement stories may not exceed the basement stories.
  BOOL TR_Add_All(const T_GRND_D* pGrnd, const T_MCTL_D* pMctl);

  // The reference story of the ground level: the top basement story, 0 (the base) when
  // there are no basement stories.
  UINT GetReferenceStorK() const;
  // The number of basement stories that a reference story gives: its place among the
  // main tower's stories above the base story; 0 for 0, the base story or a story of
  // another tower.
  int GetStoryCountByReferenceStoryK(UINT storKey) const;

 protected:
  BOOL CheckRecord(const T_GRND_D& rec) const override;
};

class CDataGrnd : public DB_CDataImage<T_GRND_D> {};
