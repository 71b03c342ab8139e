// The user's current unit system and conversion of reals between it and the database's
// internal units (kN, m, s, degrees Celsius).
//
// A unit kind says how a real scales with force and length: a value of kind k in the
// current units is the internal value divided by (force unit in kN)^f * (length unit in
// m)^l, where f and l are the kind's exponents. Kinds without force or length (plain
// factors, time, temperature, angles, rotations) never change. The numbers the module's
// dialogs name mean what they name (1 a length, 2 a force, 4 an angle, 5 a rotation in rad,
// 9 an area, 12 a moment, 14 and 15 translational and rotational springs, 17 a load per
// area, 22 a velocity, 23 a mass, 32 an angular velocity, 45 and 46 translational and
// rotational damping, 47 a rate parameter in time per length); the library's other kinds
// take free numbers. Nothing stored depends on a kind's number.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CString.h"

enum DB_UNIT_KIND {
  UNIT_NONE = 0,             // plain number, factor, ratio
  UNIT_LENGTH = 1,           // m
  UNIT_FORCE = 2,            // kN
  UNIT_VOLUME = 3,           // m^3
  UNIT_ANGLE = 4,            // degrees
  UNIT_ROTATION = 5,         // rad
  UNIT_UNIT_WEIGHT = 6,      // kN/m^3
  UNIT_LINE_LOAD = 7,        // kN/m
  UNIT_STRESS = 8,           // kN/m^2, stresses and moduli
  UNIT_AREA = 9,             // m^2
  UNIT_TIME = 10,            // s
  UNIT_INERTIA = 11,         // m^4, second moment of area
  UNIT_MOMENT = 12,          // kN*m
  UNIT_TEMPERATURE = 13,     // degrees Celsius
  UNIT_SPRING = 14,          // kN/m, translational spring
  UNIT_ROT_SPRING = 15,      // kN*m/rad
  UNIT_THERMAL_COEF = 16,    // 1/degree Celsius
  UNIT_AREA_LOAD = 17,       // kN/m^2, load per area
  UNIT_MASS_PER_LENGTH = 18, // kN*s^2/m^2
  UNIT_WARPING = 19,         // m^6, warping constant
  UNIT_VELOCITY = 22,        // m/s
  UNIT_MASS = 23,            // kN*s^2/m
  UNIT_ANG_VELOCITY = 32,    // rad/s
  UNIT_DAMPING = 45,         // kN*s/m
  UNIT_ROT_DAMPING = 46,     // kN*m*s/rad
  UNIT_RATE = 47,            // s/m, a rate parameter
  UNIT_KIND_END = 48         // every kind is below it
};

enum DB_FORCE_UNIT { FORCE_KN = 0, FORCE_N = 1, FORCE_KGF = 2, FORCE_TONF = 3, FORCE_UNIT_COUNT = 4 };
enum DB_LENGTH_UNIT { LENGTH_M = 0, LENGTH_CM = 1, LENGTH_MM = 2, LENGTH_UNIT_COUNT = 3 };

class CUnitCtrl {
 public:
  CUnitCtrl() = default;

  // Current units; a unit outside the tables is refused (0) and nothing changes.
  BOOL SetUnitSystem(int nForce, int nLength);
  BOOL SetUnitSystem(const char* pszForce, const char* pszLength);  // "kN", "mm"...
  void GetUnitSystem(CString& strForce, CString& strLength) const;
  // The unit label of a kind in the current system (GetUnitName).
  void GetUnitSystem(int nKind, CString& strLabel) const { strLabel = GetUnitName(nKind); }
  int GetForceUnit() const { return m_nForce; }
  int GetLengthUnit() const { return m_nLength; }

  // The current units as indexes of the display rules: nIndex[0] the length unit counted
  // from the smallest (0 mm, 1 cm, 2 m), nIndex[1] the force unit likewise (0 N, 1 kgf,
  // 2 kN, 3 tonf). A dialog that shows lengths with more decimals the larger the unit
  // (fewer for mm, more for m) reads nIndex[0].
  void GetUnitIndexCurrent(int nIndex[2]) const;

  // current = internal * GetFactor(kind).
  double GetFactor(int nKind) const;
  double ConvertIn(int nKind, double dValue) const { return dValue / GetFactor(nKind); }
  double ConvertOut(int nKind, double dValue) const { return dValue * GetFactor(nKind); }
  // A value given in other units, in the current ones: nForceIndex and nLengthIndex are
  // numbered as GetUnitIndexCurrent numbers them (length 0 mm, 1 cm, 2 m; force 0 N,
  // 1 kgf, 2 kN, 3 tonf). An index or kind outside the tables gives the value unchanged.
  double ConvValueTgtUnit2CurUnit(int nForceIndex, int nLengthIndex, int nKind, double dValue) const;
  // The factor that takes a value of a kind shown in the length unit in force before the
  // last change of units (with the current force unit) to the current units: 1 for a
  // kind without length, and before any change of the length unit.
  double ConvertUnitLengthPrevious(int nKind) const;
  int GetPreviousLengthUnit() const { return m_nPrevLength; }
  // The name of a kind's unit in the current system, e.g. "kN/m^2"; "" for plain numbers.
  CString GetUnitName(int nKind) const;

  static const char* GetForceName(int nForce);
  static const char* GetLengthName(int nLength);
  static int FindForce(const char* psz);   // -1 when unknown
  static int FindLength(const char* psz);  // -1 when unknown

 private:
  int m_nForce = FORCE_KN;
  int m_nLength = LENGTH_M;
  int m_nPrevLength = LENGTH_M;  // the length unit before the last SetUnitSystem
};
