// The material standards database: design codes and the grades each code gives, with
// their analysis values and strengths (internal units: kN, m, degrees Celsius).
//
// Two codes: "GB50010" (concrete, kind "C": C15 to C80, elastic moduli and strengths of
// its tables 4.1.3 to 4.1.5) and "GB50017" (steel, kind "S": Q235, Q345, Q355, Q390,
// Q420, Q460, strengths of plates up to 16 mm). Concrete: Poisson ratio 0.2, thermal
// coefficient 1e-5 per degree, unit weight 25 kN/m^3, shear modulus 0.4 E. Steel: E
// 2.06e8 kN/m^2, Poisson ratio 0.3, thermal coefficient 1.2e-5, unit weight 78.5 kN/m^3.
// Codes match exactly; grade names match ignoring case. The design codes of the user
// type "U" are every code, concrete ones first.
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

struct T_MATL_STEEL {
  double elastic = 0.0, poisson = 0.0, thermal = 0.0, unitWeight = 0.0;
  double fy = 0.0;  // yield strength
  double f = 0.0;   // design strength
  double fv = 0.0;  // design shear strength
  double fu = 0.0;  // tensile strength
  void Initialize() { *this = T_MATL_STEEL(); }
};

struct T_MATL_CONCRETE {
  double elastic = 0.0, poisson = 0.0, thermal = 0.0, unitWeight = 0.0;
  double fcuk = 0.0;   // cube strength (the grade number)
  double shear = 0.0;  // shear modulus
  double fck = 0.0, ftk = 0.0, fc = 0.0, ft = 0.0;
  void Initialize() { *this = T_MATL_CONCRETE(); }
};

class CMatlDB {
 public:
  // The one database of the process.
  static CMatlDB* GetDefault();

  // Codes of a kind ("S", "C", "U"), in the standards' order.
  void GetDesignCodeList(const CString& type, CStringArray& codes) const;
  void GetSteelNameList(const CString& code, CStringArray& names) const;
  void GetConcreteNameList(const CString& code, CStringArray& names) const;
  // "S" or "C" for a known code; 0 (kind emptied) otherwise.
  BOOL GetMatlType(const CString& code, CString& kind) const;
  BOOL GetSteelData(const CString& code, const CString& grade, T_MATL_STEEL& data) const;
  BOOL GetConcreteData(const CString& code, const CString& grade, T_MATL_CONCRETE& data) const;
};
