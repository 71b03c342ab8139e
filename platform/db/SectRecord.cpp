// Defaults and unit tables of the section records.
#include "db/SectRecord.h"

#include "db/CUnitCtrl.h"

static_assert(sizeof(T_SECT_STIFFNESS) == 27 * sizeof(double), "27 doubles");
static_assert(sizeof(T_SECT_DESIGN) == 14 * sizeof(double), "14 doubles");


const int T_SECT_STIFFNESS::unit[27] = {
    UNIT_AREA,    UNIT_AREA,    UNIT_AREA,    UNIT_INERTIA, UNIT_INERTIA,
    UNIT_INERTIA, UNIT_LENGTH,  UNIT_LENGTH,  UNIT_LENGTH,  UNIT_LENGTH,
    UNIT_AREA,    UNIT_AREA,    UNIT_AREA,    UNIT_NONE,    UNIT_NONE,
    UNIT_NONE,    UNIT_NONE,    UNIT_NONE,    UNIT_NONE,    UNIT_NONE,
    UNIT_NONE,    UNIT_NONE,    UNIT_NONE,    UNIT_NONE,    UNIT_NONE,
    UNIT_NONE,    UNIT_NONE};

const int T_SECT_DESIGN::unit[14] = {
    UNIT_LENGTH, UNIT_LENGTH, UNIT_VOLUME, UNIT_VOLUME, UNIT_VOLUME,
    UNIT_VOLUME, UNIT_LENGTH, UNIT_LENGTH, UNIT_WARPING, UNIT_NONE,
    UNIT_LENGTH, UNIT_NONE,   UNIT_NONE,   UNIT_NONE};

const int T_SECF_D::unit[7] = {UNIT_NONE, UNIT_NONE, UNIT_NONE, UNIT_NONE,
                               UNIT_NONE, UNIT_NONE, UNIT_NONE};

void T_SECT_STIFFNESS::Initialize() {
  Area = Asy = Asz = Ixx = Iyy = Izz = 0.0;
  Cyp = Cym = Czp = Czm = Qyb = Qzb = AreaAux = 0.0;
  fArea = fAsy = fAsz = fIxx = fIyy = fIzz = 1.0;
  for (double& d : dReserved) d = 0.0;
}

void T_SECT_DESIGN::Initialize() {
  Cent_Y = Cent_Z = Wey = Wez = Wpy = Wpz = iy = iz = Cwp = dReserved1 = ip = 0.0;
  for (double& d : dReserved2) d = 0.0;
}

void T_SECT_SECTBASE_D::Initialize() {
  strBaseShape.Empty();
  strDBName.Empty();
  strSectName.Empty();
  strSectName2.Empty();
  for (double& d : dSize) d = 0.0;
  PeriIn = PeriOut = 0.0;
  iFabType = 1;
  iCutEdge = 0;
  Stiff.Initialize();
  Design.Initialize();
}

// SRC defaults until a composite material fills them: steel E = 206 GPa over
// concrete (C30) E = 30 GPa, unit weights 78.5 over 25 kN/m3, Poisson's ratios.
void T_SECT_SECTION_D::Initialize() {
  iDataKind = 1;
  strText.Empty();
  strShape.Empty();
  dDispCenterY = dDispCenterZ = 0.0;
  iOffset = 5;
  BaseA.Initialize();
  BaseB.Initialize();
  iLawY = iLawZ = 1;
  iSrcConv = 1;
  nSrcMatl = 0;
  dEsEc = 206.0 / 30.0;
  dDsDc = 78.5 / 25.0;
  dPs = 0.3;
  dPc = 0.2;
  for (int& r : reserved1) r = 0;
  iSrcMatlSet = 0;
  for (int& r : reserved2) r = 0;
  Stiff.Initialize();
  Design.Initialize();
}

void T_SECT_D::Initialize() {
  iType = 0;
  iMatlType = 0;
  strName.Empty();
  Part1.Initialize();
  Part2.Initialize();
  key = 0;
}

void T_SECF_D::Initialize() {
  fArea = fAsy = fAsz = fIxx = fIyy = fIzz = fWgt = 1.0;
  key = 0;
}
