// The data assigned to single objects of the model, each table keyed by its object's key:
// T_MASG_D per member, T_PASG_D per point, T_EASG_D per element of the analysis model
// (elements have the keys of the members they come from, so their data outlive a rebuild
// of the analysis model). An object without a record has nothing assigned: its flags read
// 0, its texts empty, its factors 1. The attribute control (CMembDataCtrl) writes them.
#pragma once
#include "db/DBField.h"

struct T_MASG_D;
struct T_PASG_D;

// How many records carry each kind of data (a text that is not empty, a flag that is not
// 0), kept beside the records through every write, undo and load (DB_HasIndex), so that
// the counts are read without a walk.
class CMasgCounts {
 public:
  enum Kind { RELEASE, SLAB_EDGE, OFFSET, TEMPERATURE, SLAB_LOAD, KINDS };
  void Add(UINT key, const T_MASG_D& r) { Step(r, 1); (void)key; }
  void Remove(UINT key, const T_MASG_D& r) { Step(r, -1); (void)key; }
  void Clear() { *this = CMasgCounts(); }
  BOOL Uses(UINT, UINT) const { return FALSE; }
  int Count(Kind k) const { return (int)k >= 0 && (int)k < (int)KINDS ? m_count[k] : 0; }

 private:
  void Step(const T_MASG_D& r, int d);
  int m_count[KINDS] = {};
};

class CPasgCounts {
 public:
  void Add(UINT key, const T_PASG_D& r) { Step(r, 1); (void)key; }
  void Remove(UINT key, const T_PASG_D& r) { Step(r, -1); (void)key; }
  void Clear() { m_nSupport = 0; }
  BOOL Uses(UINT, UINT) const { return FALSE; }
  int Supports() const { return m_nSupport; }

 private:
  void Step(const T_PASG_D& r, int d);
  int m_nSupport = 0;
};

struct T_MASG_D {
  UINT key = 0;                 // the member's key
  int slabLoadFlag = 0;         // non-zero: the slab carries its own dead and live load
  double slabDead = 0.0;        // kN/m^2
  double slabLive = 0.0;
  int tempFlag = 0;             // non-zero: a temperature load is assigned
  double temp[2] = {0.0, 0.0};  // degrees Celsius
  CString support;              // decimal code of a column's support, empty: AUTO
  CString release;              // decimal code of the end release, empty: none
  CString offset;               // text of the assigned offsets
  CString slabEdge;             // text of the slab's edge condition
  int openFlag = 0;             // non-zero: the wall has openings
  int stiffFlag = 0;            // non-zero: stiffness factors assigned
  double decFact = 1.0;
  int momFlag = 0, torFlag = 0, seisFlag = 0, effFlag = 0;
  int wallDetail = 0;
  double stiff[7] = {1, 1, 1, 1, 1, 1, 1};
  double wallStiff[3] = {1, 1, 1};
  double momFact = 1.0, torFact = 1.0, seisFact = 1.0;
  double effFact[2] = {1.0, 1.0};
  double unbraced[2] = {0.0, 0.0};  // m
  int noThird = 0;                  // non-zero: no third unbraced length
  double unbraced3 = 0.0;           // m
  double limRatio[2] = {0.0, 0.0};
  double equivMom = 1.0;
  double uncertFact = 1.0;

  using Index = CMasgCounts;
  void Initialize() { *this = T_MASG_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_PASG_D {
  UINT key = 0;     // the point's key
  CString support;  // text of the assigned support, empty: none
  int link = 0;     // the elastic link's number, 0: none

  using Index = CPasgCounts;
  void Initialize() { *this = T_PASG_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_EASG_D {
  UINT key = 0;          // the element's key
  int seisGrade = 0;     // grade code (101, 201, 301 to 304, 306 to 309), 0: none assigned
  double decFact = 1.0;
  int momFlag = 0, torFlag = 0, seisFlag = 0, effFlag = 0;
  CString pushHinge;     // text of the pushover hinge, empty: none
  CString inelHinge;     // text of the inelastic hinge, empty: none

  void Initialize() { *this = T_EASG_D(); }
  static const DB_CRecordDesc& Desc();
};
