// Slab-detail settings: which story's slabs are analysed and designed in detail, the
// mesh size and the loads and checks included. Not a table: the command module keeps
// one per document and hands it over as a CDataDasb.
#pragma once
#include "db/DBField.h"

struct T_DASB_D {
  double meshSize = 1.0;  // length
  int deadLoad = 1;
  int liveLoad = 1;
  int wind = 0;
  int horzSeismic = 0;
  int vertSeismic = 0;
  int civilAirDefence = 0;
  int dlLlDisplacement = 0;
  int longTermDeflection = 0;
  int punchingCheck = 0;

  void Initialize() { *this = T_DASB_D(); }
  static const DB_CRecordDesc& Desc();
};
