// Points of the building model (T_PONT_D). A point stands on an existing story; its
// number is unique (0 takes the key). A point that a member uses can be neither deleted
// nor renumbered (its key). Reads by key, number and position are O(1) expected; a
// story's points come from its own index.
#pragma once
#include "db/DBGeom.h"
#include "db/DB_CTable.h"
#include "db/T_PONT_D.h"

class CClassPont : public DB_CTable<T_PONT_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PONT;
  enum {
    UR_PONT_ADD = DB_UR_CODE(DB_CLASS_PONT, DB_UR_ADD),
    UR_PONT_DEL = DB_UR_CODE(DB_CLASS_PONT, DB_UR_DEL),
    UR_PONT_MFD = DB_UR_CODE(DB_CLASS_PONT, DB_UR_MFD),
    UR_PONT_MFS = DB_UR_CODE(DB_CLASS_PONT, DB_UR_MFS),
  };
  // The code of point entries in a story's attribute list (CClassStor::GetAttrList).
  static constexpr int UR_PONT_CMD = (int)DB_CLASS_PONT;

  CClassPont() : DB_CTable(m_nClassID) {}

  UINT GetPontKeyByNo(UINT number) const { return Set() ? Set()->FindNumber(number) : 0; }
  // The largest point number in use (not key), 0 when there is no point; O(1), kept by
  // the table's index through every write, undo and load.
  UINT GetLastNo() const { return Set() ? Set()->Extra().LargestNumber() : 0; }
  UINT GetPontNoByKey(UINT key) const;  // 0 when absent
  // The numbers of the keys, in order (0 for an absent key); 0 when a key is absent.
  BOOL GetPontNoListByKey(const CUIntArray& keys, CUIntArray& numbers) const;
  // Global position: x, y, and the story's top level plus z.
  BOOL Get3DPos(UINT key, T_POINT3D& pos) const;
  // The point at a global position: every coordinate within tol (0: exactly, give or take
  // a rounding); the lowest key when several are. 0 when none.
  UINT GetSamePointBy3DPos(const T_POINT3D& pos, double tol) const;
  // The points within plan distance r of (x, y), ascending keys; through the plan grid
  // (a walk of the table only for r of more than 32 m).
  void GetKeyListNearPlan(double x, double y, double r, CUIntArray& keys) const;
  // The points of a story, ascending keys.
  void GetKeyListOfStory(UINT storyKey, CUIntArray& keys) const;
  int GetCountOfStory(UINT storyKey) const;

 protected:
  BOOL CheckRecord(const T_PONT_D& rec) const override;
  // Deleted points leave the structure groups in the same transaction.
  void DeleteDependants(const std::vector<UINT>& keys) override;
};

class CDataPont : public DB_CDataImage<T_PONT_D> {};
