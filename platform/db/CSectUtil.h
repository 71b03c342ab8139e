// Section utilities: shape codes and indexes, size counts and titles, offset names,
// section kinds, automatic names, where a section keeps its properties, and the
// computation of section properties (CalcSectData) and of the display centre.
//
// Shape indexes. Regular and value shapes: 0 "L", 1 "C", 2 "H", 3 "T", 4 "B", 5 "P",
// 6 "2L", 7 "2C", 8 "SB", 9 "SR", 10 "CR", 11 "CC", 12 "CL". SRC shapes: 0 "RBO",
// 1 "RBC", 2 "RPO", 3 "RPC", 4 "CBO", 5 "CBC", 6 "CPO", 7 "CPC", 8 "EBC", 9 "EPC",
// 10 "RHB", 11 "CHB", 12 "RCB", 13 "RH2T". Combined shapes: 0 "2H", 1 "HC1", 2 "HC2",
// 3 "HT", 4 "2T1", 5 "2T2", 6 "H2T", 7 "WOH", 8 "2CW1", 9 "2CW2", 10 "1CW1", 11 "1CW2",
// 12 "4L", 13 "HP". An unknown code gives -1, an unknown index an empty code.
//
// Sizes (dSize, m) of each regular shape, in title order, as the outlines draw them:
//   L, T, CR   H, B, tw, t1 (t1: the flange / horizontal leg)
//   C, H       H, B1, tw, t1, B2, t2 (B2 0: B1; t2 0: t1)
//   B          steel: H, B, tw, t1, c, t2 (c: web centre-line distance, 0 flush);
//              concrete: H, B, tw, t1, t2 (stored in dSize[5], dSize[4] = 0)
//   P          D, t          SB  H, B          SR  D
//   2L, 2C     H, B, tw, t1, c (c: the gap between the two)
//   CC         H, B, t, r1 (inner bend radius), c (lip depth)
//   CL         H, B, tw, t1, c: two angles in a cross about a gusset plate c thick
// SRC: the steel part in BaseA (box: H, B, tw, t1, t2 with t2 in dSize[5]; pipe D, t;
// H six sizes; cross four; "RH2T" the H's four then the T's H2, B2, tw1, t2), the
// concrete in BaseB (rectangle H, B; circle D; "E" shapes, filled steel, none).
//
// Offset names (GetOffsetNameList): nine, in rows top, middle, bottom and columns
// left, centre, right; the fifth is the centre.
//
// Section kinds (GetSectTypeNo): 1 regular concrete, 2 regular steel, 3 SRC,
// 4 combined, 5 value, 6 tapered; a regular section of another material 0; types
// above 5 give type + 1.
//
// Automatic names: the sizes in mm ("%g", 0.01 mm), joined by "x": "SB" B x H; "SR"
// D; "P" D x t; the others their first four sizes (H x B x tw x t1), then B2 x t2 of
// an H or channel with a second flange, c of a steel box, t2 of a concrete box, the
// gap or lip c when not 0. Empty when a needed size is not positive.
// Thickness names: the thickness in mm ("%g").
//
// Where the properties live (GetProperStiffPosition and siblings):
//   types 1, 3, 7, 8, 11: Part1.BaseA;  type 5: end 0 Part1.BaseA, end 1 Part1.BaseB;
//   types 2, 4: Part1 (Stiff, Design);  types 6, 9, 10, 12, 13: end 0 Part1.BaseA,
//   end 1 Part2.BaseA;  other types: Part1.BaseA.
// Perimeters: of the proper shape; SRC: those of the concrete (BaseB); combined: both
// shapes summed.
//
// CalcSectData (record) computes, from the sizes as the outlines draw them:
//   type 1 (regular) BaseA; type 5 (tapered) BaseA and BaseB; type 2 (SRC) BaseA
//   (steel alone), BaseB (concrete alone: the outline less the steel, plus the
//   interior of a closed ("C") shape) and Part1 (transformed section: concrete
//   weighted 1 / (Es/Ec) when iSrcConv is 1, steel weighted Es/Ec when it is 2);
//   type 4 (combined) BaseA, BaseB and Part1 (both shapes, placed as drawn);
//   type 3 (value): the typed values are kept; only the sizes are checked.
// A section from a steel-section database (BaseA.strDBName and strSectName naming a
// stored profile whose sizes the record holds) takes the published area, second
// moments, elastic moduli and radii of gyration; the other properties come from the
// profile's rolled geometry (root and toe radii, channel flange slope).
// Properties (axes through the centroid, y horizontal, z vertical):
//   Area, Iyy, Izz, centroid: exact integrals over the outline polygons and circles
//   (SectGeom.h); Cyp/Cym/Czp/Czm: from the centroid to the outline box's edges;
//   Qyb/Qzb: first moment of the area beyond the centroidal axis over the material
//   length on that axis; Wey = Iyy / max(Czp, Czm), Wez = Izz / max(Cyp, Cym);
//   Wpy/Wpz: about the equal-area axes; iy, iz = sqrt(I / A); ip = sqrt((Iyy+Izz)/A);
//   Ixx, Asy, Asz, Cwp and perimeters: the shape formulas of SectShapes.h;
//   AreaAux: the area that carries weight (SRC: steel plus concrete over Ds/Dc when
//   converted to steel, concrete plus steel times Ds/Dc when converted to concrete;
//   otherwise Area). The scale factors and reserved values are left as they are.
// SRC torsion constant and shear areas: the concrete's scaled by its weight, the steel
// shape's by its weight. The concrete's J is that of its own region, the outline less
// the steel (Saint-Venant solution, SectTorsion.h; an "E" fill, a rectangle or circle,
// exact); its shear areas are the outline's reduced by the share the steel occupies.
// Combined: torsion constants and shear areas of both shapes summed.
// CalcSectData returns 0, changing nothing, when CheckSectSize refuses the record.
// Only CalcSectData writes the computed properties: a record read from a model file
// keeps the values it was saved with until it is computed again.
//
// CheckSectSize refuses: an unknown shape, a size that must be positive and is not,
// a negative optional size (B2, t2, c, gap, radius), a thickness that leaves no web
// or no hole (flanges at least the height, a web at least a flange width, a pipe wall
// at least the radius, a box whose webs meet or leave the flange), a lipped channel
// whose bends do not fit, and an SRC steel part that does not lie strictly inside
// its concrete outline.
//
// CalcSectDispCenter: the display centre is the offset point (iOffset) of the outline
// box, measured from its left and bottom edges; an offset outside 1..9 counts as 5.
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"
#include "db/SectRecord.h"

class CSectUtil {
 public:
  // Regular and value shapes.
  static int GetShapeIndexFromNameReg(const char* code);
  static CString GetShapeNameFromIndexReg(int index);
  static int GetSizeCountByRegShape(const char* code, int matlKind);
  // Fills the titles of the shape's sizes; returns their count (0: unknown index).
  static int GetSizeTitleFromShapeIndexReg(int index, CStringArray& titles, int matlKind);

  // SRC shapes.
  static int GetShapeIndexFromNameSrc(const char* code);
  static CString GetShapeNameFromIndexSrc(int index);
  static CString GetShapeNameFromIndexSrcSteel(int index);
  static CString GetShapeNameFromIndexSrcConcr(int index);
  static CString GetSteelShapeFromSRCShape(const char* code);
  static CString GetConcreteShapeFromSRCShape(const char* code);
  static int GetSizeNumFromShapeIndexSrcSteel(int index);
  static int GetSizeNumFromShapeIndexSrcConcr(int index);
  static int GetSizeTitleFromShapeIndexSrcSteel(int index, CStringArray& titles);
  static int GetSizeTitleFromShapeIndexSrcConcr(int index, CStringArray& titles);
  static CStringArray GetSizeTitleFromShapeIndexSrcSteel(int index);
  static CStringArray GetSizeTitleFromShapeIndexSrcConcr(int index);

  // Combined shapes, and the two profiles of a combined code ("H2T": "H" and "T").
  static int GetShapeIndexFromNameCom(const char* code);
  static CString GetShapeNameFromIndexCom(int index);
  static CString GetFirstShapeFromComShape(const char* code);
  static CString GetSecondShapeFromComShape(const char* code);

  static void GetOffsetNameList(CStringArray& names);
  static int GetSectTypeNo(int iType, int iMatlType);
  static CString AutoFillSectName(int matlKind, const char* code, const double* sizes);
  static CString AutoFillThikName(int kind, double thickness, double thickness2);

  // Where a section keeps its properties (end 0, or 1 for the second end or stage).
  static T_SECT_STIFFNESS* GetProperStiffPosition(T_SECT_D& sect, int end);
  static const T_SECT_STIFFNESS* GetProperStiffPosition(const T_SECT_D& sect, int end);
  static T_SECT_DESIGN* GetProperDesignPosition(T_SECT_D& sect, int end);
  static const T_SECT_DESIGN* GetProperDesignPosition(const T_SECT_D& sect, int end);
  static double GetStandForPeriIn(const T_SECT_D& sect, int end);
  static double GetStandForPeriOut(const T_SECT_D& sect, int end);
  static double GetStandForYBar(const T_SECT_D& sect, int end);
  static double GetStandForZBar(const T_SECT_D& sect, int end);
  // Twelve pointers: Area, Asy, Asz, Ixx, Iyy, Izz, Cyp, Cym, Czp, Czm, Qyb, Qzb.
  static void MakeMapStiffVar(T_SECT_STIFFNESS* stiff, double* vars[12]);
  static void MakeMapStiffVar(T_SECT_STIFFNESS* stiff, CArray<double*, double*>& vars);

  static BOOL CheckSectSize(const T_SECT_D& sect);
  static BOOL CalcSectData(T_SECT_D& sect);
  static BOOL CalcSectDispCenter(T_SECT_D& sect);
};
