// A material: reinforced concrete ("C"), steel ("S"), steel-reinforced concrete ("SRC")
// or user defined ("U"). Sub-material 1 is the material itself (for "SRC" its steel);
// sub-material 2 is the concrete of an "SRC" material and stays initialised otherwise.
#pragma once
#include "db/DBField.h"

// Analysis and strength values of one material, internal units (kN, m, degrees Celsius).
struct T_MATL_ANALYSIS {
  double elastic = 0.0;     // E, unit[0]
  double poisson = 0.0;     // unit[1]
  double thermal = 0.0;     // thermal coefficient, unit[2]
  double unitWeight = 0.0;  // unit[3]
  double fck = 0.0;         // concrete characteristic compressive strength
  double ftk = 0.0;         // concrete characteristic tensile strength
  double fak = 0.0;         // steel characteristic yield strength
  double fc = 0.0;          // concrete design compressive strength
  double ft = 0.0;          // concrete design tensile strength
  double fa = 0.0;          // steel design strength

  // Unit kinds of the ten values, in field order.
  static const int unit[10];
  void Initialize() { *this = T_MATL_ANALYSIS(); }
  static const DB_CRecordDesc& Desc();
};

// One sub-material: its design code (empty: none), grade and values.
struct T_MATL_ALL {
  CString code;
  CString grade;
  T_MATL_ANALYSIS anal;

  void Initialize() { *this = T_MATL_ALL(); }
  static const DB_CRecordDesc& Desc();
};

struct T_MATL_D {
  UINT key = 0;             // kept equal to the table's key
  CString name;             // unique within the table
  CString type = "C";       // "C", "S", "SRC" or "U"
  T_MATL_ALL matl1;         // the material; the steel of an "SRC" material
  T_MATL_ALL matl2;         // the concrete of an "SRC" material
  CString rebarCode;        // carried as given
  CString mainBarGrade;
  CString stirrupGrade;
  double concStrength = 0.0;     // unit[0]
  double mainBarStrength = 0.0;  // unit[1]
  double stirrupStrength = 0.0;  // unit[2]
  double steelStrength = 0.0;    // unit[3]
  double damping = 0.05;

  // Unit kinds of the four strengths.
  static const int unit[4];
  // The type codes, by the editor's type index (0 "S", 1 "C", 2 "SRC", 3 "U").
  static const char* const typeCodes[4];
  static BOOL IsTypeCode(const CString& type);

  void Initialize() { *this = T_MATL_D(); }
  static const DB_CRecordDesc& Desc();
};
