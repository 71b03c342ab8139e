// The material editor's tables: its four types and the property edits of its two columns.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CString.h"
#include "db/T_MATL_D.h"
#include "res/resource.h"

namespace MatlTypes {

inline constexpr const char* kNone = "None";

// A type, in the order the type combo offers them: its text, its index (the combo item's
// data), its code, the kinds of design codes its steel and concrete code combos offer
// (NULL: emptied), the title of the concrete frame and the damping a type change sets.
struct TypeRow {
  const char* text;
  int nIndex;
  const char* code;
  const char* steelCodes;
  const char* concCodes;
  const char* frameTitle;
  double damping;
};
inline constexpr TypeRow kTypes[] = {
    {"RC", 1, "C", nullptr, "C", "IDS_CMD_FIMP_CONC", 0.05},
    {"Steel", 0, "S", "S", nullptr, "IDS_CMD_FIMP_CONC", 0.02},
    {"SRC", 2, "SRC", "S", "C", "IDS_CMD_FIMP_CONC", 0.05},
    {"User Defined", 3, "U", nullptr, "U", "IDS_WG_CMD_MP_PROP_MATL_User_Defined", 0.0},
};

// The row of a type code; a code that is none of the four reads as Steel (index 0).
inline const TypeRow& TypeOf(const CString& code) {
  for (const TypeRow& t : kTypes)
    if (code == t.code) return t;
  return kTypes[1];
}

// The own column of a type: 0 (steel) for Steel and SRC, 1 (concrete) otherwise.
inline int OwnColumnOf(const CString& type) { return type == "S" || type == "SRC" ? 0 : 1; }

// A property edit: its control, the analysis field it shows (0 E, 1 Poisson ratio, 2
// thermal coefficient, 3 unit weight, 4 fck, 5 ftk, 6 fak, 7 fc, 8 ft, 9 fa) and its format.
struct PropField {
  UINT nID;
  int nField;
  const char* format;
};
inline constexpr PropField kSteelProps[6] = {
    {IDC_MP_STEEL_E, 0, "%.4e"},      {IDC_MP_STEEL_POISSON, 1, "%g"}, {IDC_MP_STEEL_THERMAL, 2, "%.4e"},
    {IDC_MP_STEEL_WEIGHT, 3, "%.4g"}, {IDC_MP_FAK, 6, "%.4g"},         {IDC_MP_FA, 9, "%.4g"},
};
inline constexpr PropField kConcProps[8] = {
    {IDC_MP_CONC_E, 0, "%.4e"},      {IDC_MP_CONC_POISSON, 1, "%g"}, {IDC_MP_CONC_THERMAL, 2, "%.4e"},
    {IDC_MP_CONC_WEIGHT, 3, "%.4g"}, {IDC_MP_FCK, 4, "%.4g"},        {IDC_MP_FTK, 5, "%.4g"},
    {IDC_MP_FC, 7, "%.4g"},          {IDC_MP_FT, 8, "%.4g"},
};

// Field i of an analysis record, in the order above.
inline double& AnalField(T_MATL_ANALYSIS& a, int i) {
  static constexpr double T_MATL_ANALYSIS::*kFields[10] = {
      &T_MATL_ANALYSIS::elastic, &T_MATL_ANALYSIS::poisson, &T_MATL_ANALYSIS::thermal, &T_MATL_ANALYSIS::unitWeight,
      &T_MATL_ANALYSIS::fck,     &T_MATL_ANALYSIS::ftk,     &T_MATL_ANALYSIS::fak,     &T_MATL_ANALYSIS::fc,
      &T_MATL_ANALYSIS::ft,      &T_MATL_ANALYSIS::fa};
  return a.*kFields[i];
}

}  // namespace MatlTypes
