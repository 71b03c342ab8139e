// Writes examples/wall_openings.zel: a new model with three wall-opening types, for the
// import of wall-opening types from another model file. Run once by
// scripts/example-models/make-models.
//
//   WallOpenings PATH
#include <cstdio>

#include "db/CClassTwop.h"
#include "db/CDBDoc.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: WallOpenings PATH\n");
    return 2;
  }
  CDBDoc doc;
  doc.NewModel();
  struct Row {
    UINT key;
    const char* name;
    double width, height, sill;
  };
  const Row rows[] = {{1, "W1", 1000, 2100, 900}, {2, "W2", 1500.5, 2400, 0}, {3, "D1", 900, 2100, 0}};
  CClassTwop twop;
  twop.ConnectToDB(doc.GetModelDB());
  for (const Row& r : rows) {
    T_TWOP_D t;
    t.name = r.name;
    t.dim1 = r.width;
    t.dim2 = r.height;
    t.dim3 = r.sill;
    if (!twop.TR_Add(r.key, t)) {
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
