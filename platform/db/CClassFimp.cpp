#include "db/CClassFimp.h"

#include <initializer_list>

#include "db/CUnitCtrl.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassFimp);

const int T_FIMP_D::unit[5] = {UNIT_STRESS, UNIT_STRESS, UNIT_STRESS, UNIT_AREA, UNIT_LENGTH};

const DB_CRecordDesc& T_FIMP_D::Desc() {
  static const DB_CRecordDesc d("FIMP", DB_CLASS_FIMP, {
      DBField<&T_FIMP_D::name>("name"),
      DBField<&T_FIMP_D::kind>("kind"),
      DBField<&T_FIMP_D::model>("model"),
      DBField<&T_FIMP_D::param>("param"),
  });
  return d;
}

namespace {
// The first slots, from the block's values in order.
void Put(double* p, std::initializer_list<double> values) {
  for (double v : values) *p++ = v;
}
}  // namespace

void T_FIMP_CON_KENTPK::Initialize() { *this = {30000, 0.002, 1.0, 150, 0.01}; }
void T_FIMP_CON_KENTPK::ToParam(double* p) const { Put(p, {fc, eco, K, Z, ecu}); }
void T_FIMP_CON_KENTPK::FromParam(const double* p) { *this = {p[0], p[1], p[2], p[3], p[4]}; }

void T_FIMP_CON_STANJP::Initialize() { *this = {30000, 0.002}; }
void T_FIMP_CON_STANJP::ToParam(double* p) const { Put(p, {fc, epeak}); }
void T_FIMP_CON_STANJP::FromParam(const double* p) { *this = {p[0], p[1]}; }

void T_FIMP_CON_ROADJP::Initialize() {
  *this = {0, 2.8e7, 30000, 345000, 0.2, 2200, 1.267e-4, 0.1, 0.5, 0.4};
}
void T_FIMP_CON_ROADJP::ToParam(double* p) const {
  Put(p, {(double)quakeType, Ec, sck, ssy, alpha, sbt, Ah, s, d, beta});
}
void T_FIMP_CON_ROADJP::FromParam(const double* p) {
  *this = {(int)p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9]};
}

void T_FIMP_CON_NAGOYA::Initialize() { *this = {30000, 0.002, 0.0035, 1.0, 0.0001, 0.0002, 0.001}; }
void T_FIMP_CON_NAGOYA::ToParam(double* p) const { Put(p, {sck, ecc, ecu, K, eto, et1, etu}); }
void T_FIMP_CON_NAGOYA::FromParam(const double* p) {
  *this = {p[0], p[1], p[2], p[3], p[4], p[5], p[6]};
}

// 15, 25 and 30 N/mm^2 at 0.0005, 0.0012 and 0.002: K1 3e4 N/mm^2, then 1/2.1 and 5/24 of it.
void T_FIMP_CON_TRILIN::Initialize() {
  *this = {0,      15000,  25000,  30000,        0.0001,      0.0002, 0.001, 0.0005, 0.0012,
           0.002,  3e7,    10.0 / 21.0, 5.0 / 24.0, 0.0035};
}
void T_FIMP_CON_TRILIN::ToParam(double* p) const {
  Put(p, {(double)method, sc1, sc2, sc3, et, et1, etu, ec1, ec2, ec3, K1, r2, r3, ecu});
}
void T_FIMP_CON_TRILIN::FromParam(const double* p) {
  *this = {(int)p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10], p[11], p[12], p[13]};
}

void T_FIMP_STL_MENEGO::Initialize() { *this = {345000, 20, 2.06e8, 18.5, 0.15, 0.01}; }
void T_FIMP_STL_MENEGO::ToParam(double* p) const { Put(p, {fy, Ro, E, a1, a2, b}); }
void T_FIMP_STL_MENEGO::FromParam(const double* p) { *this = {p[0], p[1], p[2], p[3], p[4], p[5]}; }

void T_FIMP_STL_BILINE::Initialize() { *this = {345000, 2.06e8, 0.01}; }
void T_FIMP_STL_BILINE::ToParam(double* p) const { Put(p, {fy, E1, r}); }
void T_FIMP_STL_BILINE::FromParam(const double* p) { *this = {p[0], p[1], p[2]}; }

void T_FIMP_STL_GENBIL::Initialize() {
  *this = {345000, 345000, 0.01, 0.05, {2.06e8, 2.06e6, 2.06e8, 2.06e6, 2.06e8}};
}
void T_FIMP_STL_GENBIL::ToParam(double* p) const {
  Put(p, {sy, scy, e1, e2, E[0], E[1], E[2], E[3], E[4]});
}
void T_FIMP_STL_GENBIL::FromParam(const double* p) {
  *this = {p[0], p[1], p[2], p[3], {p[4], p[5], p[6], p[7], p[8]}};
}

// 345, 400 and 470 N/mm^2 at 0.0016747, 0.02 and 0.1 in tension and compression alike.
void T_FIMP_STL_TRILIN::Initialize() {
  method = 0;
  const double s[3] = {345000, 400000, 470000}, e[3] = {345.0 / 2.06e5, 0.02, 0.1};
  for (int i = 0; i < 3; ++i) st[i] = sc[i] = s[i], et[i] = ec[i] = e[i];
  K1 = 2.06e8;
  r[0] = r[2] = (s[1] - s[0]) / (e[1] - e[0]) / K1;
  r[1] = r[3] = (s[2] - s[1]) / (e[2] - e[1]) / K1;
}
void T_FIMP_STL_TRILIN::ToParam(double* p) const {
  Put(p, {(double)method, st[0], st[1], st[2], sc[0], sc[1], sc[2], et[0], et[1], et[2], ec[0],
          ec[1], ec[2], K1, r[0], r[1], r[2], r[3]});
}
void T_FIMP_STL_TRILIN::FromParam(const double* p) {
  method = (int)p[0];
  for (int i = 0; i < 3; ++i) {
    st[i] = p[1 + i];
    sc[i] = p[4 + i];
    et[i] = p[7 + i];
    ec[i] = p[10 + i];
  }
  K1 = p[13];
  for (int i = 0; i < 4; ++i) r[i] = p[14 + i];
}
