// Writes examples/value_sections.zel: a new model with one value section, an H shape whose
// properties are typed rather than computed, which the section editor opens on its value tab
// but cannot create. Run once by scripts/example-models/make-models.
//
//   ValueSections PATH
#include <cstdio>

#include "db/CClassSect.h"
#include "db/CDBDoc.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ValueSections PATH\n");
    return 2;
  }
  CDBDoc doc;
  doc.NewModel();
  T_SECT_D s;
  s.Initialize();
  s.iType = SECT_TYPE_VALUE;
  s.iMatlType = SECT_MATL_STEEL;
  s.strName = "VH";
  s.Part1.strShape = "H";
  s.Part1.iOffset = 5;
  T_SECT_SECTBASE_D& a = s.Part1.BaseA;
  const double sizes[] = {0.3, 0.15, 0.0065, 0.009, 0.0, 0.0};  // H, B1, tw, t1, B2, t2
  for (int i = 0; i < 6; ++i) a.dSize[i] = sizes[i];
  a.iFabType = 2;
  T_SECT_STIFFNESS& st = a.Stiff;
  st.Area = 0.0047;
  st.Asy = 0.0018;
  st.Asz = 0.002;
  st.Ixx = 8e-8;
  st.Iyy = 7.2e-5;
  st.Izz = 5.1e-6;
  st.Cyp = st.Cym = 0.075;
  st.Czp = st.Czm = 0.15;
  st.Qyb = st.Qzb = 0.0;
  st.AreaAux = 0.0;
  a.PeriOut = 1.2;
  a.PeriIn = 0.0;
  a.Design.Cent_Y = 0.075;
  a.Design.Cent_Z = 0.15;
  CClassSect sect;
  sect.ConnectToDB(doc.GetModelDB());
  if (!sect.TR_Add(1, s)) {
    std::fprintf(stderr, "the section was refused\n");
    return 1;
  }
  CString error;
  if (!doc.SaveModel(argv[1], error)) {
    std::fprintf(stderr, "%s\n", (const char*)error);
    return 1;
  }
  return 0;
}
