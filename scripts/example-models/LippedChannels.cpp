// Writes examples/lipped_channels.zel: a new model with one light-steel section, two lipped
// channels back to back ("CC", combination 2IS), which the steel page shows and edits but
// does not offer among its shapes. Run once by scripts/example-models/make-models.
//
//   LippedChannels PATH
#include <cstdio>

#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "db/CSectUtil.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: LippedChannels PATH\n");
    return 2;
  }
  CDBDoc doc;
  doc.NewModel();
  T_SECT_D s;
  s.Initialize();
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = SECT_MATL_STEEL;
  s.strName = "2C160x60x20x3";
  s.Part1.strShape = "CC";
  s.Part1.BaseA.strBaseShape = "2IS";
  const double sizes[] = {0.16, 0.06, 0.003, 0.003, 0.02};  // H, B, t, r1, lip c
  for (int i = 0; i < 5; ++i) s.Part1.BaseA.dSize[i] = sizes[i];
  if (!CSectUtil::CalcSectData(s)) {
    std::fprintf(stderr, "the section's sizes were refused\n");
    return 1;
  }
  CClassSect sect;
  sect.ConnectToDB(doc.GetModelDB());
  if (!sect.TR_Add(1, s)) return 1;
  CString error;
  if (!doc.SaveModel(argv[1], error)) {
    std::fprintf(stderr, "%s\n", (const char*)error);
    return 1;
  }
  return 0;
}
