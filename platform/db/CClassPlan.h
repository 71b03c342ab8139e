// Standard floors. Deleting standard floors leaves the stories that used them without a
// standard floor (plan key 0), and deletes their member load assignments (CClassMbld), in
// the same transaction.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_PLAN_D.h"

class CClassPlan : public DB_CTable<T_PLAN_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PLAN;
  enum {
    UR_PLAN_ADD = DB_UR_CODE(DB_CLASS_PLAN, DB_UR_ADD),
    UR_PLAN_DEL = DB_UR_CODE(DB_CLASS_PLAN, DB_UR_DEL),
    UR_PLAN_MFD = DB_UR_CODE(DB_CLASS_PLAN, DB_UR_MFD),
    UR_PLAN_MFS = DB_UR_CODE(DB_CLASS_PLAN, DB_UR_MFS),
  };

  CClassPlan() : DB_CTable(m_nClassID) {}

  // The model's current standard floor, 0 when there is none (or it was deleted).
  UINT GetCurPlan() const;
  // Makes an existing standard floor current (not a transaction); 0 when it does not exist.
  BOOL SetCurPlan(UINT key);
  // Some story uses the standard floor (the stories are walked: a model has few).
  BOOL IsPlanHavingStory(UINT key) const;

  // The modification of the standard-floor grid of the levels page, whose rows carry
  // only the name and the slab type: the floor found by its old name takes the record's
  // name and slab type and keeps every other field.
  BOOL TR_ModifySlabType(const CString& oldName, const T_PLAN_D& rec);
  BOOL TR_ModifySlabType(const CStringArray& oldNames, const CArray<T_PLAN_D>& recs);

 protected:
  // Stories that used a deleted standard floor use none (plan key 0), in the same
  // transaction.
  void DeleteDependants(const std::vector<UINT>& keys) override;
};

class CDataPlan : public DB_CDataImage<T_PLAN_D> {};
