// Writes examples/beam_load_types.zel: a new model with three beam load types, for their
// import from another model file. Run once by scripts/example-models/make-models.
//
//   BeamLoadTypes PATH
#include <cstdio>

#include "db/CClassBltp.h"
#include "db/CDBDoc.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: BeamLoadTypes PATH\n");
    return 2;
  }
  CDBDoc doc;
  doc.NewModel();
  struct Row {
    UINT key;
    const char* name;
    double dead, live;  // kN/m
    const char* desc;
  };
  const Row rows[] = {{1, "W200", 7.5, 0, "200 block wall"}, {2, "W100", 4.25, 0, ""}, {3, "Parapet", 3.6, 0.5, ""}};
  CClassBltp bltp;
  bltp.ConnectToDB(doc.GetModelDB());
  for (const Row& r : rows) {
    T_BLTP_D t;
    t.name = r.name;
    t.dead = r.dead;
    t.live = r.live;
    t.desc = r.desc;
    if (!bltp.TR_Add(r.key, t)) {
      std::fprintf(stderr, "type %s was refused\n", r.name);
      return 1;
    }
  }
  CString error;
  if (!doc.SaveModel(argv[1], error)) {
    std::fprintf(stderr, "%s\n", (const char*)error);
    return 1;
  }
  return 0;
}
