// Tracing lines (T_TRLN_D, names unique), their segments (T_DMLN_D) and the segments' end
// points (T_DMPT_D). A segment names an existing tracing line and two existing end
// points; a tracing line or end point that a segment uses can be neither deleted nor
// renumbered.
#pragma once
#include "db/DBGeom.h"
#include "db/DB_CTable.h"
#include "db/T_TRLN_D.h"

class CClassTrln : public DB_CTable<T_TRLN_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_TRLN;
  enum {
    UR_TRLN_ADD = DB_UR_CODE(DB_CLASS_TRLN, DB_UR_ADD),
    UR_TRLN_DEL = DB_UR_CODE(DB_CLASS_TRLN, DB_UR_DEL),
    UR_TRLN_MFD = DB_UR_CODE(DB_CLASS_TRLN, DB_UR_MFD),
    UR_TRLN_MFS = DB_UR_CODE(DB_CLASS_TRLN, DB_UR_MFS),
  };
  CClassTrln() : DB_CTable(m_nClassID) {}

 protected:
  BOOL CheckRecord(const T_TRLN_D& r) const override;
};

class CClassDmln : public DB_CTable<T_DMLN_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_DMLN;
  enum {
    UR_DMLN_ADD = DB_UR_CODE(DB_CLASS_DMLN, DB_UR_ADD),
    UR_DMLN_DEL = DB_UR_CODE(DB_CLASS_DMLN, DB_UR_DEL),
    UR_DMLN_MFD = DB_UR_CODE(DB_CLASS_DMLN, DB_UR_MFD),
    UR_DMLN_MFS = DB_UR_CODE(DB_CLASS_DMLN, DB_UR_MFS),
  };
  CClassDmln() : DB_CTable(m_nClassID) {}

  // The plan positions of the segment's ends: the end points plus their tracing line's
  // origin. 0 when the segment, its line or a point is missing.
  BOOL GetSegment(UINT key, T_POINT2D& a, T_POINT2D& b) const;

 protected:
  BOOL CheckRecord(const T_DMLN_D& r) const override;
};

class CClassDmpt : public DB_CTable<T_DMPT_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_DMPT;
  enum {
    UR_DMPT_ADD = DB_UR_CODE(DB_CLASS_DMPT, DB_UR_ADD),
    UR_DMPT_DEL = DB_UR_CODE(DB_CLASS_DMPT, DB_UR_DEL),
    UR_DMPT_MFD = DB_UR_CODE(DB_CLASS_DMPT, DB_UR_MFD),
    UR_DMPT_MFS = DB_UR_CODE(DB_CLASS_DMPT, DB_UR_MFS),
  };
  CClassDmpt() : DB_CTable(m_nClassID) {}

 protected:
  BOOL CheckRecord(const T_DMPT_D& r) const override;
};

class CDataTrln : public DB_CDataImage<T_TRLN_D> {};
class CDataDmln : public DB_CDataImage<T_DMLN_D> {};
class CDataDmpt : public DB_CDataImage<T_DMPT_D> {};
