// Fiber materials: named stress-strain models for the fibers of fiber sections.
//
// A material is concrete (kind 0: models 0 Kent-Park, 1 standard concrete, 2 bridge
// concrete, 3 confined concrete of the Nagoya form, 4 trilinear) or steel (kind 1: models
// 0 Menegotto-Pinto, 1 bilinear, 2 general bilinear, 3 trilinear). Its parameters are one
// of the nine blocks below, which share the record's eighteen slots: a block fills the
// slots of its fields in order (an int field, the input method or the earthquake type, as
// its value) and leaves the others as they were.
//
// Choices of this library:
// - Names are non-empty and unique in the table (the table refuses others).
// - Reals are stored in internal units (stresses and moduli in kN/m^2, areas in m^2,
//   lengths in m); the record declares no unit kinds of its own, as a slot's kind depends
//   on the model: the dialog converts each value by the kind of its label, taken from
//   T_FIMP_D::unit (stress, stress, stress, area, length).
// - Initialize gives an unnamed concrete of model 0 with every slot 0. The blocks'
//   Initialize give plain engineering values: a C30 concrete (30 N/mm^2, peak strain
//   0.002, ultimate 0.0035 to 0.01 by model) and a Q345 steel (fy 345 N/mm^2,
//   E 2.06e5 N/mm^2, hardening ratio 0.01); the trilinear blocks in the stress-strain
//   form with their stiffness form filled to match.
#pragma once
#include "db/DBField.h"

enum { FIMP_PARAMS = 18, FIMP_KIND_CONCRETE = 0, FIMP_KIND_STEEL = 1 };

struct T_FIMP_CON_KENTPK {
  double fc = 0, eco = 0, K = 0, Z = 0, ecu = 0;
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_CON_STANJP {
  double fc = 0, epeak = 0;
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_CON_ROADJP {
  int quakeType = 0;  // 0 Type I, 1 Type II
  double Ec = 0, sck = 0, ssy = 0, alpha = 0, sbt = 0, Ah = 0, s = 0, d = 0, beta = 0;
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_CON_NAGOYA {
  double sck = 0, ecc = 0, ecu = 0, K = 0, eto = 0, et1 = 0, etu = 0;
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_CON_TRILIN {
  int method = 0;  // 0 stress-strain form, 1 stress-stiffness form
  double sc1 = 0, sc2 = 0, sc3 = 0, et = 0, et1 = 0, etu = 0, ec1 = 0, ec2 = 0, ec3 = 0;
  double K1 = 0, r2 = 0, r3 = 0, ecu = 0;
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_STL_MENEGO {
  double fy = 0, Ro = 0, E = 0, a1 = 0, a2 = 0, b = 0;
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_STL_BILINE {
  double fy = 0, E1 = 0, r = 0;  // r = E2 / E1
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_STL_GENBIL {
  double sy = 0, scy = 0, e1 = 0, e2 = 0, E[5] = {};
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};
struct T_FIMP_STL_TRILIN {
  int method = 0;  // 0 stress-strain form, 1 stress-stiffness form
  double st[3] = {}, sc[3] = {};  // tension and compression stresses (compression positive)
  double et[3] = {}, ec[3] = {};  // their strains; ec derived from the tension slopes
  double K1 = 0, r[4] = {};       // K2/K1, K3/K1 (tension), K4/K1, K5/K1 (their copies)
  void Initialize();
  void ToParam(double* p) const;
  void FromParam(const double* p);
};

struct T_FIMP_D {
  UINT key = 0;  // kept equal to the table's key
  CString name;
  int kind = 0;   // FIMP_KIND_CONCRETE or FIMP_KIND_STEEL
  int model = 0;  // row of the model within the kind
  double param[FIMP_PARAMS] = {};

  void Initialize() { *this = T_FIMP_D(); }
  static const DB_CRecordDesc& Desc();
  // Unit kinds of the dialog's unit labels: the Kent-Park strength, stress, the
  // Menegotto-Pinto modulus, area, length.
  static const int unit[5];
};
