// The request records of the member modeller (CModeler2): the member record, the point
// record and the cantilever record. Options A to F carry no meaning the modeller gives
// them; they are kept in the request log as sent.
#pragma once
#include "db/DBField.h"

struct T_MODELER2_PARAM_MEMB {
  int mode = 1;          // view edit mode: 1 plan, 2 otherwise
  int optA = 0;
  CString name;
  int type = 0;          // member type; 307 a stair landing, 308 a roof slab
  double beta = 0.0;     // degrees
  int optB = 0;
  UINT key = 0;          // section (line members) or thickness (area members)
  int betaAuto = 1;
  int optC = 0;
  int tension = 0;
  int bending = 0;
  int braceOpt = 0;
  int braceType = 0;
  int cross = 0;
  int over = 0;
  double e1 = 0.0;
  double e2 = 0.0;
  int optD = 1;
  int canti = 0;
  double stairW = 0.0;
  double stairH = 0.0;
  double stairT = 0.0;
  int stairUser = 0;
  int release = 1;
  int optE = 0;
  int optF = 1;

  void Initialize() { *this = T_MODELER2_PARAM_MEMB(); }
  static const DB_CRecordDesc& Desc();
};

struct T_MODELER2_PARAM_PONT {
  int mode = 1;
  int optA = 0;
  int optB = 1;
  int optC = 0;
  CString name;

  void Initialize() { *this = T_MODELER2_PARAM_PONT(); }
  static const DB_CRecordDesc& Desc();
};

// A cantilever slab off a beam or wall: its length (away from the member) and width
// (along it), where along the member (0 from the I end by offset, 1 centred, 2 from the
// J end by offset) and to which side (0 left of I->J, 1 right, 2 the side without a slab).
struct T_PARAM_CANTI_SLAB {
  double length = 0.0;
  double width = 0.0;
  double offset = 0.0;
  int location = 1;
  int direction = 2;

  void Initialize() { *this = T_PARAM_CANTI_SLAB(); }
  static const DB_CRecordDesc& Desc();
};
