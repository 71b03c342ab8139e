// Nonlinear link properties: what a placed link (T_NLNK_D) of the model behaves like.
//
// A property is an element-type link (appType 0: a spring, a linear dashpot or both, of
// elemType 0 to 2; 3 and 4 name nonlinear dashpots that no dialog makes) or a force-type
// link (appType 1, of forceType 0 viscoelastic damper, 1 gap, 2 hook, 3 hysteretic system,
// 4 lead rubber bearing isolator, 5 friction pendulum system isolator). Per degree of
// freedom (DOF: Dx, Dy, Dz, Rx, Ry, Rz, in that order) it has a linear part (the flag, the
// effective stiffness and damping) and, for force-type links, a nonlinear part (the flag
// and a parameter block).
//
// Choices of this library:
// - The flags are texts of six characters, '1' or '0', one per DOF; the table refuses any
//   other text. A DOF is on when its character is not '0'.
// - A parameter block is the union of the six parameter sub-records below, stored as the
//   seven values of the largest; a sub-record fills the slots of its fields in order (the
//   damper model, an int, as its value) and leaves the others as they were.
// - Reals are stored in internal units, but the unit of a block's value, of a stiffness
//   and of a damping depends on the property's type and the DOF (translational or
//   rotational), so the record declares no unit kinds: the dialogs convert each value by
//   the kind of its label.
// - Initialize gives an element-type spring named "" with every DOF off, every real 0, the
//   shear-spring distances 0.5 and each block the damper's initial values. The
//   sub-records' initial values are those of the fields below.
#pragma once
#include "db/DBField.h"

enum { NLLP_DOF_COUNT = 6, NLLP_BLOCK_VALUES = 7 };

// One DOF's parameter block: the values of whichever sub-record the property type uses.
struct T_NLLP_BLOCK {
  double v[NLLP_BLOCK_VALUES] = {};
  static const DB_CRecordDesc& Desc();
};

// Viscoelastic damper: damper stiffness, damping coefficient and exponent, brace
// stiffness, reference velocity; model 0 Maxwell, 1 Kelvin, 2 damper-brace.
struct T_NLLP_VD {
  double kd = 0.0, Cd = 0.0, s = 1.0, kb = 0.0, V0 = 1.0;
  int model = 0;
  void Initialize() { *this = T_NLLP_VD(); }
  void ToBlock(T_NLLP_BLOCK& b) const;
  void FromBlock(const T_NLLP_BLOCK& b);
};

// Gap (and the axial and rotational springs of the isolators): stiffness and opening.
struct T_NLLP_GAP {
  double k = 0.0, o = 0.0;
  void Initialize() { *this = T_NLLP_GAP(); }
  void ToBlock(T_NLLP_BLOCK& b) const;
  void FromBlock(const T_NLLP_BLOCK& b);
};

// Hook: stiffness and opening.
struct T_NLLP_HOOK {
  double k = 0.0, o = 0.0;
  void Initialize() { *this = T_NLLP_HOOK(); }
  void ToBlock(T_NLLP_BLOCK& b) const;
  void FromBlock(const T_NLLP_BLOCK& b);
};

// Hysteretic system: stiffness, yield strength, post-yield stiffness ratio, yielding
// exponent, loop parameters alpha and beta.
struct T_NLLP_HS {
  double k = 0.0, Fy = 0.0, r = 0.0, s = 1.0, a = 0.5, b = 0.5;
  void Initialize() { *this = T_NLLP_HS(); }
  void ToBlock(T_NLLP_BLOCK& blk) const;
  void FromBlock(const T_NLLP_BLOCK& blk);
};

// Shear spring of a lead rubber bearing isolator: as the hysteretic system without the
// exponent.
struct T_NLLP_LRBI {
  double k = 0.0, Fy = 0.0, r = 0.0, a = 0.5, b = 0.5;
  void Initialize() { *this = T_NLLP_LRBI(); }
  void ToBlock(T_NLLP_BLOCK& blk) const;
  void FromBlock(const T_NLLP_BLOCK& blk);
};

// Shear spring of a friction pendulum system isolator: stiffness, friction coefficients at
// slow and fast velocity, rate parameter, radius of the sliding surface, alpha, beta.
struct T_NLLP_FPSI {
  double k = 0.0, us = 0.0, uf = 0.0, r = 0.0, R = 0.0, a = 0.5, b = 0.5;
  void Initialize() { *this = T_NLLP_FPSI(); }
  void ToBlock(T_NLLP_BLOCK& blk) const;
  void FromBlock(const T_NLLP_BLOCK& blk);
};

struct T_NLLP_D {
  UINT key = 0;          // kept equal to the table's key
  int lead = 0;          // a leading word the dialogs neither set nor read
  CString name;          // unique, not empty
  int forceType = 0;     // appType 1: 0 to 5 (above)
  char linFlags[7] = {'0', '0', '0', '0', '0', '0', '\0'};
  double stiff[NLLP_DOF_COUNT] = {};
  char nlFlags[7] = {'0', '0', '0', '0', '0', '0', '\0'};
  T_NLLP_BLOCK blk[NLLP_DOF_COUNT];
  int shearLoc = 0;      // 1: the shear-spring distances are given
  double dyDist = 0.5;   // Dy shear spring from end I, a ratio of the length
  double dzDist = 0.5;
  double weight = 0.0;
  double mass = 0.0;
  int useMass = 0;       // 1: the mass counts, 0: the weight
  CString desc;
  int appType = 0;       // 0 element, 1 force
  int elemType = 0;      // appType 0: 0 spring, 1 linear dashpot, 2 both (3, 4 named only)
  double damp[NLLP_DOF_COUNT] = {};

  T_NLLP_D() { Initialize(); }
  void Initialize();
  BOOL IsLinear(int dof) const { return linFlags[dof] != '0'; }
  BOOL IsNonlinear(int dof) const { return nlFlags[dof] != '0'; }
  // Whether both flag fields are six characters of '0' and '1'.
  BOOL HasSoundFlags() const;
  static const DB_CRecordDesc& Desc();
};

// A general link placed between two points with a link property (the key of a T_NLLP_D).
// Nothing is checked: a link may name a property that is gone.
struct T_NLNK_D {
  UINT key = 0;
  UINT pt1 = 0;
  UINT pt2 = 0;
  UINT nllp = 0;
  void Initialize() { *this = T_NLNK_D(); }
  static const DB_CRecordDesc& Desc();
};
