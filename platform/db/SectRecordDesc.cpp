// Field declarations of the section records (unit conversion, model files, dumps).
#include "db/CUnitCtrl.h"
#include "db/SectRecord.h"

const DB_CRecordDesc& T_SECT_STIFFNESS::Desc() {
  using R = T_SECT_STIFFNESS;
  const int* u = R::unit;
  static const DB_CRecordDesc d("SSTF", 0, {
      DBField<&R::Area>("Area", u[0]),       DBField<&R::Asy>("Asy", u[1]),
      DBField<&R::Asz>("Asz", u[2]),         DBField<&R::Ixx>("Ixx", u[3]),
      DBField<&R::Iyy>("Iyy", u[4]),         DBField<&R::Izz>("Izz", u[5]),
      DBField<&R::Cyp>("Cyp", u[6]),         DBField<&R::Cym>("Cym", u[7]),
      DBField<&R::Czp>("Czp", u[8]),         DBField<&R::Czm>("Czm", u[9]),
      DBField<&R::Qyb>("Qyb", u[10]),        DBField<&R::Qzb>("Qzb", u[11]),
      DBField<&R::AreaAux>("AreaAux", u[12]), DBField<&R::fArea>("fArea"),
      DBField<&R::fAsy>("fAsy"),             DBField<&R::fAsz>("fAsz"),
      DBField<&R::fIxx>("fIxx"),             DBField<&R::fIyy>("fIyy"),
      DBField<&R::fIzz>("fIzz"),             DBField<&R::dReserved>("dReserved"),
  });
  return d;
}

const DB_CRecordDesc& T_SECT_DESIGN::Desc() {
  using R = T_SECT_DESIGN;
  const int* u = R::unit;
  static const DB_CRecordDesc d("SDSN", 0, {
      DBField<&R::Cent_Y>("Cent_Y", u[0]), DBField<&R::Cent_Z>("Cent_Z", u[1]),
      DBField<&R::Wey>("Wey", u[2]),       DBField<&R::Wez>("Wez", u[3]),
      DBField<&R::Wpy>("Wpy", u[4]),       DBField<&R::Wpz>("Wpz", u[5]),
      DBField<&R::iy>("iy", u[6]),         DBField<&R::iz>("iz", u[7]),
      DBField<&R::Cwp>("Cwp", u[8]),       DBField<&R::dReserved1>("dReserved1"),
      DBField<&R::ip>("ip", u[10]),        DBField<&R::dReserved2>("dReserved2"),
  });
  return d;
}

const DB_CRecordDesc& T_SECT_SECTBASE_D::Desc() {
  using R = T_SECT_SECTBASE_D;
  static const DB_CRecordDesc d("SBAS", 0, {
      DBField<&R::strBaseShape>("strBaseShape"),
      DBField<&R::strDBName>("strDBName"),
      DBField<&R::strSectName>("strSectName"),
      DBField<&R::strSectName2>("strSectName2"),
      DBField<&R::dSize>("dSize", UNIT_LENGTH),
      DBField<&R::PeriIn>("PeriIn", UNIT_LENGTH),
      DBField<&R::PeriOut>("PeriOut", UNIT_LENGTH),
      DBField<&R::iFabType>("iFabType"),
      DBField<&R::iCutEdge>("iCutEdge"),
      DBField<&R::Stiff>("Stiff"),
      DBField<&R::Design>("Design"),
  });
  return d;
}

const DB_CRecordDesc& T_SECT_SECTION_D::Desc() {
  using R = T_SECT_SECTION_D;
  static const DB_CRecordDesc d("SPRT", 0, {
      DBField<&R::iDataKind>("iDataKind"),
      DBField<&R::strText>("strText"),
      DBField<&R::strShape>("strShape"),
      DBField<&R::dDispCenterY>("dDispCenterY", UNIT_LENGTH),
      DBField<&R::dDispCenterZ>("dDispCenterZ", UNIT_LENGTH),
      DBField<&R::iOffset>("iOffset"),
      DBField<&R::BaseA>("BaseA"),
      DBField<&R::BaseB>("BaseB"),
      DBField<&R::iLawY>("iLawY"),
      DBField<&R::iLawZ>("iLawZ"),
      DBField<&R::iSrcConv>("iSrcConv"),
      DBField<&R::nSrcMatl>("nSrcMatl"),
      DBField<&R::dEsEc>("dEsEc"),
      DBField<&R::dDsDc>("dDsDc"),
      DBField<&R::dPs>("dPs"),
      DBField<&R::dPc>("dPc"),
      DBField<&R::reserved1>("reserved1"),
      DBField<&R::iSrcMatlSet>("iSrcMatlSet"),
      DBField<&R::reserved2>("reserved2"),
      DBField<&R::Stiff>("Stiff"),
      DBField<&R::Design>("Design"),
  });
  return d;
}

const DB_CRecordDesc& T_SECT_D::Desc() {
  using R = T_SECT_D;
  static const DB_CRecordDesc d("SECT", SECT_CLASS_ID, {
      DBField<&R::iType>("iType"),
      DBField<&R::iMatlType>("iMatlType"),
      DBField<&R::strName>("strName"),
      DBField<&R::Part1>("Part1"),
      DBField<&R::Part2>("Part2"),
  });
  return d;
}

const DB_CRecordDesc& T_SECF_D::Desc() {
  using R = T_SECF_D;
  static const DB_CRecordDesc d("SECF", SECF_CLASS_ID, {
      DBField<&R::fArea>("fArea"), DBField<&R::fAsy>("fAsy"), DBField<&R::fAsz>("fAsz"),
      DBField<&R::fIxx>("fIxx"),   DBField<&R::fIyy>("fIyy"), DBField<&R::fIzz>("fIzz"),
      DBField<&R::fWgt>("fWgt"),
  });
  return d;
}
