// Section records of the model database: T_SECT_D (one section, table CClassSect) and
// T_SECF_D (its stiffness scale factors, table CClassSecf, same key).
//
// Records are plain values: copy construction and assignment copy every member,
// the reserved words and the second part included. Every real is stored in internal
// units (m); sizes are lengths.
//
// Unit kinds of the static unit tables are those of the unit control (CUnitCtrl.h):
// areas and shear factors UNIT_AREA, second moments and the torsion constant
// UNIT_INERTIA, section moduli UNIT_VOLUME, distances UNIT_LENGTH, factors UNIT_NONE.
// The warping constant (m6) has no unit kind of its own and is kept as UNIT_NONE.
//
// Each record declares its fields once (Desc, in SectRecordDesc.cpp) for unit
// conversion, model files and dumps. T_SECT_D and T_SECF_D carry the table's key in
// `key` (kept equal to it by the tables).
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CString.h"
#include "db/DBField.h"

// Class ids of the section table (CClassSect) and of the scale-factor table
// (CClassSecf); their update record codes are the id times 10 plus 1 to 4.
enum : UINT { SECT_CLASS_ID = 20, SECF_CLASS_ID = 21 };

// Section types (T_SECT_D::iType) and material kinds (iMatlType).
enum : int {
  SECT_TYPE_REGULAR = 1, SECT_TYPE_SRC = 2, SECT_TYPE_VALUE = 3, SECT_TYPE_COMBINED = 4,
  SECT_TYPE_TAPERED = 5,
};
enum : int { SECT_MATL_RC = 1, SECT_MATL_STEEL = 2, SECT_MATL_SRC = 3, SECT_MATL_USER = 4 };

constexpr int SECT_SIZE_MAX = 50;

// Stiffness properties of a shape or of a whole part. Axes: y horizontal (to the
// right), z vertical (upward), both through the centroid; x along the member.
struct T_SECT_STIFFNESS {
  double Area;      // cross-section area
  double Asy;       // shear area for shear along y
  double Asz;       // shear area for shear along z
  double Ixx;       // torsion constant
  double Iyy;       // second moment about the y axis (integral of z^2)
  double Izz;       // second moment about the z axis (integral of y^2)
  double Cyp, Cym;  // distance from the centroid to the extreme fibre at +y and at -y
  double Czp, Czm;  // distance from the centroid to the extreme fibre at +z and at -z
  double Qyb;       // shear factor for shear along y: Q / b at the centroidal z axis
  double Qzb;       // shear factor for shear along z: Q / b at the centroidal y axis
  double AreaAux;   // second area (the area that carries the weight)
  double fArea, fAsy, fAsz, fIxx, fIyy, fIzz;  // stiffness scale factors
  double dReserved[8];

  T_SECT_STIFFNESS() { Initialize(); }
  void Initialize();
  static const int unit[27];
  static const DB_CRecordDesc& Desc();
};

struct T_SECT_DESIGN {
  double Cent_Y;   // centroid, from the left edge of the outline box
  double Cent_Z;   // centroid, from the bottom edge of the outline box
  double Wey, Wez; // elastic section moduli about y and z
  double Wpy, Wpz; // plastic section moduli about y and z
  double iy, iz;   // radii of gyration
  double Cwp;      // warping constant
  double dReserved1;
  double ip;       // polar radius of gyration
  double dReserved2[3];

  T_SECT_DESIGN() { Initialize(); }
  void Initialize();
  static const int unit[14];
  static const DB_CRecordDesc& Desc();
};

// One shape of a section.
struct T_SECT_SECTBASE_D {
  CString strBaseShape;
  CString strDBName;
  CString strSectName;
  CString strSectName2;
  double dSize[SECT_SIZE_MAX];
  double PeriIn;
  double PeriOut;
  int iFabType;  // 1 welded built-up, 2 rolled (a database profile)
  int iCutEdge;  // 0 flame-cut, 1 sheared
  T_SECT_STIFFNESS Stiff;
  T_SECT_DESIGN Design;

  T_SECT_SECTBASE_D() { Initialize(); }
  void Initialize();
  static const DB_CRecordDesc& Desc();
};

struct T_SECT_SECTION_D {
  int iDataKind;
  CString strText;
  CString strShape;
  double dDispCenterY;
  double dDispCenterZ;
  int iOffset;  // 1..9: rows top, middle, bottom; columns left, centre, right
  T_SECT_SECTBASE_D BaseA;
  T_SECT_SECTBASE_D BaseB;
  // The 80-byte block of tapered and SRC data.
  int iLawY;
  int iLawZ;
  int iSrcConv;       // 1 converted to steel, 2 to concrete
  UINT nSrcMatl;
  double dEsEc;       // modulus ratio Es/Ec
  double dDsDc;       // density ratio Ds/Dc
  double dPs;
  double dPc;
  int reserved1[6];    // 24 bytes
  int iSrcMatlSet;
  int reserved2[1];    // 4 bytes
  T_SECT_STIFFNESS Stiff;
  T_SECT_DESIGN Design;

  T_SECT_SECTION_D() { Initialize(); }
  void Initialize();
  static const DB_CRecordDesc& Desc();
};

struct T_SECT_D {
  int iType;
  int iMatlType;
  CString strName;
  T_SECT_SECTION_D Part1;
  T_SECT_SECTION_D Part2;
  UINT key;  // the table's key

  T_SECT_D() { Initialize(); }
  void Initialize();
  static const DB_CRecordDesc& Desc();
};

// Stiffness scale factors of a section; all 1 by default.
struct T_SECF_D {
  double fArea, fAsy, fAsz, fIxx, fIyy, fIzz, fWgt;
  UINT key;  // the table's key (the section's)

  T_SECF_D() { Initialize(); }
  void Initialize();
  static const int unit[7];
  static const DB_CRecordDesc& Desc();
};
