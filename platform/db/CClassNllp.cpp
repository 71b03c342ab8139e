#include "db/CClassNllp.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassNllp);
DB_REGISTER_TABLE(CClassNlnk);

namespace {
// The first n slots of a block, from or into the sub-record's values in order.
void Put(T_NLLP_BLOCK& b, std::initializer_list<double> values) {
  int i = 0;
  for (double v : values) b.v[i++] = v;
}
}  // namespace

const DB_CRecordDesc& T_NLLP_BLOCK::Desc() {
  static const DB_CRecordDesc d("NLBK", 0, {DBField<&T_NLLP_BLOCK::v>("v")});
  return d;
}

void T_NLLP_VD::ToBlock(T_NLLP_BLOCK& b) const { Put(b, {kd, Cd, s, kb, V0, (double)model}); }
void T_NLLP_VD::FromBlock(const T_NLLP_BLOCK& b) {
  kd = b.v[0], Cd = b.v[1], s = b.v[2], kb = b.v[3], V0 = b.v[4];
  model = (int)b.v[5];
}
void T_NLLP_GAP::ToBlock(T_NLLP_BLOCK& b) const { Put(b, {k, o}); }
void T_NLLP_GAP::FromBlock(const T_NLLP_BLOCK& b) { k = b.v[0], o = b.v[1]; }
void T_NLLP_HOOK::ToBlock(T_NLLP_BLOCK& b) const { Put(b, {k, o}); }
void T_NLLP_HOOK::FromBlock(const T_NLLP_BLOCK& b) { k = b.v[0], o = b.v[1]; }
void T_NLLP_HS::ToBlock(T_NLLP_BLOCK& blk) const { Put(blk, {k, Fy, r, s, a, b}); }
void T_NLLP_HS::FromBlock(const T_NLLP_BLOCK& blk) {
  k = blk.v[0], Fy = blk.v[1], r = blk.v[2], s = blk.v[3], a = blk.v[4], b = blk.v[5];
}
void T_NLLP_LRBI::ToBlock(T_NLLP_BLOCK& blk) const { Put(blk, {k, Fy, r, a, b}); }
void T_NLLP_LRBI::FromBlock(const T_NLLP_BLOCK& blk) {
  k = blk.v[0], Fy = blk.v[1], r = blk.v[2], a = blk.v[3], b = blk.v[4];
}
void T_NLLP_FPSI::ToBlock(T_NLLP_BLOCK& blk) const { Put(blk, {k, us, uf, r, R, a, b}); }
void T_NLLP_FPSI::FromBlock(const T_NLLP_BLOCK& blk) {
  k = blk.v[0], us = blk.v[1], uf = blk.v[2], r = blk.v[3], R = blk.v[4], a = blk.v[5], b = blk.v[6];
}

void T_NLLP_D::Initialize() {
  key = 0;
  lead = 0;
  name.Empty();
  forceType = 0;
  for (char* flags : {linFlags, nlFlags}) {
    for (int i = 0; i < NLLP_DOF_COUNT; ++i) flags[i] = '0';
    flags[NLLP_DOF_COUNT] = '\0';
  }
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    stiff[i] = 0.0;
    damp[i] = 0.0;
    blk[i] = T_NLLP_BLOCK();
    T_NLLP_VD().ToBlock(blk[i]);
  }
  shearLoc = 0;
  dyDist = dzDist = 0.5;
  weight = mass = 0.0;
  useMass = 0;
  desc.Empty();
  appType = 0;
  elemType = 0;
}

BOOL T_NLLP_D::HasSoundFlags() const {
  for (const char* flags : {linFlags, nlFlags}) {
    for (int i = 0; i < NLLP_DOF_COUNT; ++i)
      if (flags[i] != '0' && flags[i] != '1') return FALSE;
    if (flags[NLLP_DOF_COUNT] != '\0') return FALSE;
  }
  return TRUE;
}

const DB_CRecordDesc& T_NLLP_D::Desc() {
  using R = T_NLLP_D;
  static const DB_CRecordDesc d("NLLP", DB_CLASS_NLLP, {
      DBField<&R::lead>("lead"),
      DBField<&R::name>("name"),
      DBField<&R::forceType>("forceType"),
      DBField<&R::linFlags>("linFlags"),
      DBField<&R::stiff>("stiff"),
      DBField<&R::nlFlags>("nlFlags"),
      DBField<&R::blk>("blk"),
      DBField<&R::shearLoc>("shearLoc"),
      DBField<&R::dyDist>("dyDist"),
      DBField<&R::dzDist>("dzDist"),
      DBField<&R::weight>("weight"),
      DBField<&R::mass>("mass"),
      DBField<&R::useMass>("useMass"),
      DBField<&R::desc>("desc"),
      DBField<&R::appType>("appType"),
      DBField<&R::elemType>("elemType"),
      DBField<&R::damp>("damp"),
  });
  return d;
}

const DB_CRecordDesc& T_NLNK_D::Desc() {
  static const DB_CRecordDesc d("NLNK", DB_CLASS_NLNK, {
      DBField<&T_NLNK_D::pt1>("pt1"),
      DBField<&T_NLNK_D::pt2>("pt2"),
      DBField<&T_NLNK_D::nllp>("nllp"),
  });
  return d;
}
