// Members of the building model (T_MEMB_D). A member stands on an existing story and
// names existing points (or the gap GAP_POINT), curves and, when not 0, an existing
// section, thickness and material; its number is unique (0 takes the key). Deleting
// members deletes their stair records, loads, grade links, design factors and slab
// reinforcement directions, and the curves and design-type records no other member uses,
// in the same transaction.
//
// Costs: by key, by number and a member's points O(1) expected; a story's members come
// from its own index at the speed of an array; the members at a point O(1); the members
// through a position O(1) from a plan grid that the first such read builds (O(n) once)
// and later reads bring up to date with the writes since (O(changes)).
// GetKeyListWithPolygon2D asks the plan grids for a polygon up to about 128 m across,
// else walks the points or members of the stories asked, never the whole table.
// Positions, levels and tolerances are internal (m); a point's z is from its story's
// top, "3D" reads give global positions.
#pragma once
#include "db/DBGeom.h"
#include "db/CClassStor.h"
#include "db/DB_CTable.h"
#include "db/T_MEMB_D.h"
#include "db/T_PONT_D.h"

class CClassStor;
class CClassPlan;
class CClassSect;
struct T_MCTL_D;

class CClassMemb : public DB_CTable<T_MEMB_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_MEMB;
  enum {
    UR_MEMB_ADD = DB_UR_CODE(DB_CLASS_MEMB, DB_UR_ADD),
    UR_MEMB_DEL = DB_UR_CODE(DB_CLASS_MEMB, DB_UR_DEL),
    UR_MEMB_MFD = DB_UR_CODE(DB_CLASS_MEMB, DB_UR_MFD),
    UR_MEMB_MFS = DB_UR_CODE(DB_CLASS_MEMB, DB_UR_MFS),
  };
  // The code of member entries in a story's attribute list (CClassStor::GetAttrList).
  static constexpr int UR_MEMB_CMD = (int)DB_CLASS_MEMB;

  CClassMemb() : DB_CTable(m_nClassID) {}

  // ---- Member types ----
  static BOOL IsValidType(int type);
  static BOOL IsColumn(int type) { return type == 101; }
  static BOOL IsBeam(int type) { return type == 201 || type == 203 || type == 205; }
  static BOOL IsGeometryLine(int type) { return type == 101 || (type >= 200 && type <= 206); }
  static BOOL IsGeometryArea(int type) { return type >= 300 && type <= 308; }
  static BOOL IsSectionType(int type) { return IsGeometryLine(type); }
  static BOOL IsThicknessType(int type) { return IsGeometryArea(type); }
  static BOOL IsNeedMaterial(int type) { return IsGeometryLine(type) || IsGeometryArea(type); }
  // 0 a length (line members), 1 an area (area members), -1 neither.
  static int GetLengthAreaType(int type);
  // The text of "IDS_MEMB_TYPE_<code>".
  static CString GetMembTypeName(int type);
  // The member types a user selects by: 101, 200, 201, 202, 203, 205, 206, 300, 301, 306,
  // with their names (GetMembTypeName).
  static void GetMembTypeList(CUIntArray& codes, CStringArray& names);
  // Keeps in keys, in their order, the members whose type is listed (bKeep 1) or is not
  // (bKeep 0); keys of no member go. Returns the count left. O(k) for k keys.
  int FilterByMembType(CUIntArray& keys, const CUIntArray& types, int bKeep = 1) const;
  int FilterByMembType(CUIntArray& keys, int type, int bKeep = 1) const;
  // The types whose members bound closed areas: 200, 201, 202, 205.
  static void GetMembTypeForClosedArea(CUIntArray& types);
  static BOOL IsCurvedMember(const T_MEMB_D& rec) {
    for (UINT c : rec.curves)
      if (c) return TRUE;
    return FALSE;
  }

  // ---- Reads ----
  BOOL GetMembType(UINT key, int& type) const;
  // How many members use that record of another table (a design-type record, a section...).
  int GetUseCount(UINT classId, UINT key) const { return Set() ? Set()->Extra().CountUsing(classId, key) : 0; }
  // How many members of that type bear that name (an index: O(1)).
  int GetCountByName(int type, const CString& name) const { return Set() ? Set()->Extra().CountNamed(type, name) : 0; }
  UINT GetMembKeyByNo(UINT number) const { return Set() ? Set()->FindNumber(number) : 0; }
  // The largest member number in use (not key), 0 when there is no member; O(1), kept by
  // the table's index through every write, undo and load.
  UINT GetLargeNo() const { return Set() ? Set()->Extra().LargestNumber() : 0; }
  UINT GetMembNoByKey(UINT key) const;
  // The numbers of all members, in table order.
  void GetNoList(CUIntArray& numbers) const;
  BOOL GetMembNoListByKey(const CUIntArray& keys, CUIntArray& numbers) const;
  // The members of a story, ascending keys.
  void GetKeyListOfStory(UINT storyKey, CUIntArray& keys) const;
  int GetCountOfStory(UINT storyKey) const;
  // The members whose point lists hold the point.
  void GetKeyListOfPoint(UINT pontKey, CUIntArray& keys) const;
  // The records of the member's points in order, gaps left out; 0 when one is missing.
  BOOL GetPontDList(UINT key, CArray<T_PONT_D>& points, int nOption = 0) const;
  BOOL GetPontDListOfLineType(UINT key, CArray<T_PONT_D>& points) const;
  // The global positions of the member's points in order, gaps left out.
  BOOL GetPontDList3D(UINT key, CPoint3DArray& points, int nOption = 0) const;
  // The line from p1 to p2 (their x, y and z as stored, z from the story's top), an arc
  // about the centre of curve key when it is not 0.
  BOOL GetLineInfo(const T_PONT_D& p1, const T_PONT_D& p2, UINT curveKey, T_LINE_G& line, int nOption = 0) const;
  // The first edge of a member (its first two points and first curve), global.
  BOOL GetLineInfo(const T_MEMB_D& rec, T_LINE_G& line) const;
  // Length of a line member (arcs along the arc), area of an area member's outline (up
  // to its first gap); global geometry.
  BOOL CalcLengthArea(const T_MEMB_D& rec, double& value) const;
  // Centre of the member's points (global).
  BOOL calcCenterMemb(UINT key, T_POINT3D& centre) const;
  // The material, section and thickness key of each member, in order.
  BOOL GetMatlSectThik(const CUIntArray& keys, CUIntArray& matls, CUIntArray& sects, CUIntArray& thiks) const;
  // The member's own material, else the one its story gives its kind (the story's
  // single material when it has one); flag 1 own, 2 the story's, 0 none. The tables
  // given are not needed (the member's database is read).
  BOOL GetAppliedMatlKey(UINT key, UINT& matl, int& flag, CClassStor* = nullptr, CClassPlan* = nullptr,
                         const T_MCTL_D* = nullptr, CClassSect* = nullptr) const;
  // The data assigned to the member: its column loads (CClassCmld::UR_CMLD_CMD), then its
  // line loads (CClassLnld::UR_LNLD_CMD), ascending keys; FALSE for a missing member.
  BOOL GetAttrList(UINT key, CArray<CClassStor::T_ATTR_ENTRY>& list) const;
  BOOL IsSteel(UINT key) const;  // the applied material is steel ("S")
  BOOL IsRC(UINT key) const;     // the applied material is concrete ("C")
  // Appends the members of the stories found with the plan polygon: mode 2 those with a
  // point inside it (border included), mode 1 those whose axis or outline crosses the
  // polygon's outline. The last two arguments are not used.
  BOOL GetKeyListWithPolygon2D(CUIntArray& keys, const CPoint2DArray& polygon, const CUIntArray& stories,
                               int nMode, int = 0, void* = nullptr) const;
  // The members that may pass through the plan box (x0, y0)-(x1, y1): those the plan grid
  // holds in the cells it touches (every member for a box of more than about 128 m),
  // ascending; the caller tests the exact geometry.
  void GetKeyListInPlanBox(double x0, double y0, double x1, double y1, CUIntArray& keys) const;
  // The members passing through a global position (within the merge tolerance, 0.001 m):
  // a point of theirs there, or their axis through it. Ascending keys.
  BOOL GetMembKeyListByPos3D(const T_POINT3D& pos, CUIntArray& keys) const;

 protected:
  BOOL CheckRecord(const T_MEMB_D& rec) const override;
  void DeleteDependants(const std::vector<UINT>& keys) override;

 private:
  void EraseAssignedData(const std::vector<UINT>& keys);  // loads, grade links, factors
  BOOL PlanPoint(UINT pontKey, T_POINT2D& p) const;
  CMembIndex::PlanSource PlanSource() const;  // needs the point table
};

class CDataMemb : public DB_CDataImage<T_MEMB_D> {};
