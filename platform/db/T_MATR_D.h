// The attribute records the attribute control (CMembDataCtrl) fills for the attribute
// pages: T_PATR_D for a point, T_MATR_D for a member of the building model or an element
// of the analysis model. They are read-only pictures of the model, not table records.
//
// Initialize gives the picture of an object with nothing assigned: flags 0, texts empty,
// factors 1, every key and number 0.
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

// One load assignment of an object: two ints (the load case's key and the load's key),
// the load's name and an existence flag (non-zero: the object carries that load; for a
// point load the number of loads).
struct T_LATR_D {
  UINT loadCaseKey = 0;
  UINT loadKey = 0;
  CString name;
  int flag = 0;

  void Initialize() { *this = T_LATR_D(); }
};

// A load picture whose leading word tells whether the load is assigned.
struct T_LPAR_D {
  int flag = 0;
  double value[2] = {0.0, 0.0};

  void Initialize() { *this = T_LPAR_D(); }
};

// The design-type block of a member: a leading word, non-zero when design types apply to
// the member's type (101, 201, 205, 202, 301), and six values. The codes of the values:
// for the building model the codes the attribute page writes (the position of the chosen
// text in its choice list; YES 0, NO 1 for the yes/no rows; the wall's base protection
// IBBOB 0, NO 1, IBNB 2 ... IBCB 6), for the analysis model the position of the value in
// the list the element page shows (the wall's base protection IBNB 0 ... IBBOB 5, NO 6).
struct T_DMTP_D {
  int lead = 0;
  int value[6] = {0, 0, 0, 0, 0, 0};

  void Initialize() { *this = T_DMTP_D(); }
  bool operator==(const T_DMTP_D&) const = default;
};

struct T_PATR_D {
  int number = 0;
  CString storyText;
  double x = 0.0, y = 0.0, z = 0.0;   // global, m
  CUIntArray connectedMembs;          // member keys
  CUIntArray duplicatedPonts;         // keys of the other points at the same position
  CArray<T_LATR_D> pointLoads;
  CArray<T_LATR_D> specifiedDisps;
  CString support;
  int link = 0;

  void Initialize() { *this = T_PATR_D(); }
};

struct T_MATR_D {
  // General.
  UINT membKey = 0;
  int number = 0;                     // the member's number; an element's key
  CString storyText;
  CString typeText;
  double length = 0.0;                // m; line members
  double height = 0.0;                // m; walls of type 204 and 210
  double area = 0.0;                  // m^2; area members
  double beta = 0.0;                  // degrees
  UINT matlKey = 0;                   // the member's own material, 0 none; an element's material
  CString matlName;
  UINT sectKey = 0;
  CString sectName;
  UINT thikKey = 0;
  CString thikName;
  CUIntArray pontNos;                 // connected point numbers; gaps 4294967295 (-1)
  T_DMTP_D dmtp;
  // Loads.
  CArray<T_LATR_D> beamLoads;
  CArray<T_LATR_D> colLoads;
  int slabLoadFlag = 0;
  double slabDead = 0.0, slabLive = 0.0;  // kN/m^2
  int tempFlag = 0;
  double temp[2] = {0.0, 0.0};
  // Boundary and assigned data.
  CString support;                    // decimal code
  CString release;                    // decimal code
  CString offset;
  CString slabEdge;
  int openFlag = 0;
  int stiffFlag = 0;
  double decFact = 1.0;
  int momFlag = 0, torFlag = 0, seisFlag = 0, effFlag = 0;
  int wallDetail = 0;
  double stiff[7] = {1, 1, 1, 1, 1, 1, 1};
  double wallStiff[3] = {1, 1, 1};
  double momFact = 1.0, torFact = 1.0, seisFact = 1.0;
  double effFact[2] = {1.0, 1.0};
  double unbraced[2] = {0.0, 0.0};
  int noThird = 0;
  double unbraced3 = 0.0;
  double limRatio[2] = {0.0, 0.0};
  double equivMom = 1.0;
  double uncertFact = 1.0;
  // Elements.
  CString seisGradeText;
  CString pushHinge;
  CString inelHinge;

  void Initialize() { *this = T_MATR_D(); }
};
