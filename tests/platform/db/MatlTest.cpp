// The material table: reads by type, writes and their rules, update records, dumps,
// model files and the sample model's materials.
#include <unistd.h>

#include <filesystem>

#include "DbFixture.h"
#include "db/CClassMatl.h"
#include "db/CClassSect.h"

namespace {

namespace fs = std::filesystem;

class MatlTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    matl = static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID));
    ASSERT_NE(matl, nullptr);
  }
  static T_MATL_D Matl(const char* name, const char* type, UINT key = 0) {
    T_MATL_D m;
    m.key = key;
    m.name = name;
    m.type = type;
    m.matl1.anal.elastic = 3.0e7;
    m.matl1.anal.poisson = 0.2;
    m.matl1.anal.unitWeight = 25.0;
    return m;
  }
  std::vector<UINT> ByType(const char* type) {
    CUIntArray keys;
    EXPECT_TRUE(matl->GetKeyListByType(keys, type));
    return std::vector<UINT>(keys.begin(), keys.end());
  }
  CClassMatl* matl = nullptr;
};

TEST_F(MatlTest, NewModelHasNoMaterials) {
  EXPECT_EQ(matl->GetCount(), 0);
  EXPECT_EQ(matl->GetNewKey(), 1u);
  EXPECT_TRUE(ByType("C").empty());
}

TEST_F(MatlTest, KeyListsByTypeFollowTheSequence) {
  ASSERT_TRUE(matl->TR_Add(Arr({Matl("Q235", "S", 4), Matl("C30", "C", 2), Matl("C40/Q355", "SRC", 9),
                                Matl("C35", "C", 3), Matl("Mine", "U", 7)})));
  EXPECT_EQ(ByType("C"), (std::vector<UINT>{2, 3}));
  EXPECT_EQ(ByType("S"), (std::vector<UINT>{4}));
  EXPECT_EQ(ByType("SRC"), (std::vector<UINT>{9}));
  EXPECT_EQ(ByType("U"), (std::vector<UINT>{7}));
  EXPECT_TRUE(ByType("c").empty()) << "type codes are exact";
  EXPECT_EQ(matl->GetKey("C35"), 3u);
  EXPECT_EQ(matl->GetKey("C45"), 0u);
  EXPECT_EQ(matl->GetNewKey(), 10u);
  ASSERT_TRUE(matl->TR_ChangeSeq(Keys({3}), 1));
  EXPECT_EQ(ByType("C"), (std::vector<UINT>{3, 2}));

  CClassMatl loose;  // not joined: nothing to list
  CUIntArray keys;
  EXPECT_FALSE(loose.GetKeyListByType(keys, "C"));
}

TEST_F(MatlTest, WritesKeepTheTableRules) {
  ASSERT_TRUE(matl->TR_Add(5u, Matl("C30", "C")));
  T_MATL_D got;
  ASSERT_TRUE(matl->Get(5, got));
  EXPECT_EQ(got.key, 5u);
  EXPECT_EQ(got.name, "C30");
  ASSERT_TRUE(matl->TR_Add(Matl("C31", "C", 6)));

  struct Bad { const char* why; T_MATL_D rec; };
  std::vector<Bad> bad;
  bad.push_back({"duplicate name", Matl("C30", "C")});
  bad.push_back({"empty name", Matl("", "C", 6)});
  bad.push_back({"unknown type", Matl("X", "RC", 6)});
  bad.push_back({"empty type", Matl("X", "", 6)});
  T_MATL_D m = Matl("X", "S", 6);
  m.matl1.anal.elastic = -1.0;
  bad.push_back({"negative E", m});
  m = Matl("X", "S", 6);
  m.matl1.anal.poisson = 0.5;
  bad.push_back({"Poisson ratio 0.5", m});
  m = Matl("X", "SRC", 6);
  m.matl2.anal.unitWeight = -25.0;
  bad.push_back({"negative concrete weight", m});
  m = Matl("X", "C", 6);
  m.damping = -0.01;
  bad.push_back({"negative damping", m});
  for (const Bad& b : bad) {
    T_MATL_D fresh = b.rec;
    fresh.key = 0;
    EXPECT_FALSE(matl->TR_Add(fresh)) << b.why;
    EXPECT_FALSE(matl->TR_Modify(6u, b.rec)) << b.why;
  }
  EXPECT_EQ(matl->GetCount(), 2);
  ASSERT_TRUE(matl->TR_Del(6u));

  // Renumbering: the editor's TR_Modify (old key, new key, record).
  T_MATL_D c35 = Matl("C35", "C");
  ASSERT_TRUE(matl->TR_Modify(5u, 7u, c35));
  EXPECT_FALSE(matl->Exist(5));
  ASSERT_TRUE(matl->Get(7, got));
  EXPECT_EQ(got.key, 7u);
  EXPECT_EQ(got.name, "C35");
  ASSERT_TRUE(matl->TR_Add(Matl("C40", "C", 8)));
  EXPECT_FALSE(matl->TR_Modify(7u, 8u, c35)) << "a key that is taken";
  EXPECT_TRUE(matl->TR_Add(8u, Matl("C45", "C"))) << "TR_Add (key, record) replaces";
  ASSERT_TRUE(matl->Get(8, got));
  EXPECT_EQ(got.name, "C45");

  ASSERT_TRUE(doc->Undo());
  ASSERT_TRUE(matl->Get(8, got));
  EXPECT_EQ(got.name, "C40");
}

TEST_F(MatlTest, TransactionsListMaterialUpdateRecords) {
  EXPECT_EQ(CClassMatl::UR_MATL_ADD, 221);
  EXPECT_EQ(CClassMatl::UR_MATL_MFS, 224);
  RecordingListener l;
  std::vector<SeenUpdate> matlNames;
  l.onCall = [&] {
    matlNames.clear();
    POSITION pos = db->GetFirstUpdatePosition();
    while (pos) {
      const DB_CUpdateRecord* r = db->GetNextUpdate(pos);
      CDataMatl image;
      SeenUpdate u{r->m_nCode, r->m_nKey, ""};
      if (db->ReadUpdateImage(r, image)) u.name = image.m_Data.name.c_str();
      matlNames.push_back(u);
    }
  };
  ASSERT_TRUE(l.ConnectDB(db));
  ASSERT_TRUE(matl->TR_Add(Matl("C30", "C", 1)));
  EXPECT_EQ(matlNames, (std::vector<SeenUpdate>{{CClassMatl::UR_MATL_ADD, 1, "C30"}}));
  ASSERT_TRUE(matl->TR_Modify(1u, 2u, Matl("C35", "C")));
  // MFD: the record after the change under its new key; MFS: the key it had.
  EXPECT_EQ(matlNames, (std::vector<SeenUpdate>{{CClassMatl::UR_MATL_MFD, 2, "C35"},
                                                {CClassMatl::UR_MATL_MFS, 1, "C30"}}));
  ASSERT_TRUE(matl->TR_Del(2u));
  EXPECT_EQ(matlNames, (std::vector<SeenUpdate>{{CClassMatl::UR_MATL_DEL, 2, "C35"}}));
  const int calls = l.calls;
  EXPECT_FALSE(matl->TR_Add(Matl("bad", "Z")));
  EXPECT_EQ(l.calls, calls) << "a refused write notifies nobody";
}

TEST_F(MatlTest, MaterialsInUseCannotBeDeleted) {
  doc->NewSampleModel();
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(3, s));
  s.srcBeamMatlKey = 6;
  ASSERT_TRUE(stor->TR_Modify(3u, s));
  T_MCTL_D c;
  ASSERT_TRUE(mctl->Get(c));
  c.steelMatlKey = 5;
  ASSERT_TRUE(mctl->TR_Add(c));
  EXPECT_FALSE(matl->TR_Del(6u)) << "a story assigns it";
  EXPECT_FALSE(matl->TR_Del(5u)) << "the model control record assigns it";
  EXPECT_FALSE(matl->TR_Del(Keys({1, 6}))) << "all or nothing";
  EXPECT_EQ(matl->GetCount(), 6);
  EXPECT_TRUE(matl->TR_Del(Keys({1, 2})));
  s.srcBeamMatlKey = 0;
  ASSERT_TRUE(stor->TR_Modify(3u, s));
  EXPECT_TRUE(matl->TR_Del(6u)) << "free again";
}

TEST_F(MatlTest, DumpShowsNestedSubMaterials) {
  T_MATL_D m = Matl("C30", "C", 1);
  m.matl1.code = "GB50010";
  m.matl1.grade = "C30";
  ASSERT_TRUE(matl->TR_Add(m));
  CString out;
  ASSERT_TRUE(doc->DumpTable("MATL", out));
  EXPECT_EQ(out,
            "table MATL 1\n1 name=C30 type=C matl1.code=GB50010 matl1.grade=C30 matl1.anal.elastic=30000000 "
            "matl1.anal.poisson=0.2 matl1.anal.thermal=0 matl1.anal.unitWeight=25 matl1.anal.fck=0 "
            "matl1.anal.ftk=0 matl1.anal.fak=0 matl1.anal.fc=0 matl1.anal.ft=0 matl1.anal.fa=0 "
            "matl2.code=\"\" matl2.grade=\"\" matl2.anal.elastic=0 matl2.anal.poisson=0 matl2.anal.thermal=0 "
            "matl2.anal.unitWeight=0 matl2.anal.fck=0 matl2.anal.ftk=0 matl2.anal.fak=0 matl2.anal.fc=0 "
            "matl2.anal.ft=0 matl2.anal.fa=0 rebarCode=\"\" mainBarGrade=\"\" stirrupGrade=\"\" "
            "concStrength=0 mainBarStrength=0 stirrupStrength=0 steelStrength=0 damping=0.05\n");
  CString text;
  BOOL real = FALSE;
  ASSERT_TRUE(doc->GetFieldText("MATL", 1, "matl1.anal.elastic", text, real));
  EXPECT_TRUE(real);
  EXPECT_EQ(text, "30000000");
}

TEST_F(MatlTest, RecordUnitsFollowTheFieldKinds) {
  CUnitCtrl u;
  ASSERT_TRUE(u.SetUnitSystem("N", "mm"));
  T_MATL_D m = Matl("C30", "C");
  m.matl1.anal.thermal = 1e-5;
  m.damping = 0.05;
  DB_ConvertRecord(T_MATL_D::Desc(), &m, &u, FALSE);  // internal to current
  EXPECT_DOUBLE_EQ(m.matl1.anal.elastic, 3.0e4) << "kN/m2 to N/mm2";
  EXPECT_DOUBLE_EQ(m.matl1.anal.unitWeight, 25.0e-6) << "kN/m3 to N/mm3";
  EXPECT_DOUBLE_EQ(m.matl1.anal.poisson, 0.2);
  EXPECT_DOUBLE_EQ(m.matl1.anal.thermal, 1e-5);
  EXPECT_DOUBLE_EQ(m.damping, 0.05);
}

TEST_F(MatlTest, SampleModelMaterials) {
  doc->NewSampleModel();
  EXPECT_EQ(ByType("C"), (std::vector<UINT>{1, 2, 3}));
  EXPECT_EQ(ByType("S"), (std::vector<UINT>{4, 5}));
  EXPECT_EQ(ByType("SRC"), (std::vector<UINT>{6}));
  struct Row { const char* name; const char* type; double e; double w; double poisson; };
  const Row rows[] = {{"C30", "C", 3.00e7, 25.0, 0.2},   {"C35", "C", 3.15e7, 25.0, 0.2},
                      {"C40", "C", 3.25e7, 25.0, 0.2},   {"Q235", "S", 2.06e8, 78.5, 0.3},
                      {"Q355", "S", 2.06e8, 78.5, 0.3}};
  for (const Row& r : rows) {
    T_MATL_D m;
    ASSERT_TRUE(matl->Get(matl->GetKey(r.name), m)) << r.name;
    EXPECT_EQ(m.type, r.type) << r.name;
    EXPECT_EQ(m.matl1.grade, r.name);
    EXPECT_DOUBLE_EQ(m.matl1.anal.elastic, r.e) << r.name;
    EXPECT_DOUBLE_EQ(m.matl1.anal.unitWeight, r.w) << r.name;
    EXPECT_DOUBLE_EQ(m.matl1.anal.poisson, r.poisson) << r.name;
  }
  T_MATL_D c30;
  ASSERT_TRUE(matl->Get(1, c30));
  EXPECT_DOUBLE_EQ(c30.matl1.anal.fc, 14.3e3);
  EXPECT_EQ(c30.matl1.code, "GB50010");
  EXPECT_FALSE(doc->Undo()) << "the sample starts without history";
}

TEST_F(MatlTest, SrcMaterialFillsTheSectionRatios) {
  doc->NewSampleModel();
  T_MATL_D src;
  ASSERT_TRUE(matl->Get(matl->GetKey("C40/Q355"), src));
  T_SECT_D sect;
  ASSERT_TRUE(matl->GetMatlInfo_ofSRCSect(src, sect));
  EXPECT_EQ(sect.Part1.nSrcMatl, src.key);
  EXPECT_DOUBLE_EQ(sect.Part1.dEsEc, 2.06e8 / 3.25e7);
  EXPECT_DOUBLE_EQ(sect.Part1.dDsDc, 78.5 / 25.0);
  EXPECT_DOUBLE_EQ(sect.Part1.dPs, 0.3);
  EXPECT_DOUBLE_EQ(sect.Part1.dPc, 0.2);
  EXPECT_EQ(sect.Part1.iSrcMatlSet, 1);

  T_MATL_D c30, noConcrete = src;
  noConcrete.matl2.anal.elastic = 0.0;
  T_SECT_D s2;
  ASSERT_TRUE(matl->GetMatlInfo_ofSRCSect(noConcrete, s2));
  EXPECT_EQ(s2.Part1.dEsEc, 0.0) << "no concrete modulus: no ratio";
  ASSERT_TRUE(matl->Get(matl->GetKey("C30"), c30));
  T_SECT_D s3;
  EXPECT_FALSE(matl->GetMatlInfo_ofSRCSect(c30, s3));
  EXPECT_EQ(s3.Part1.iSrcMatlSet, 0);
}

TEST_F(MatlTest, SectionsOfferMaterialsOfTheirKind) {
  doc->NewSampleModel();
  auto* sect = static_cast<CClassSect*>(db->GetClass(CClassSect::m_nClassID));
  struct Case { int kind; std::vector<UINT> keys; };
  const Case cases[] = {{SECT_MATL_RC, {1, 2, 3}}, {SECT_MATL_STEEL, {4, 5}}, {SECT_MATL_SRC, {6}},
                        {SECT_MATL_USER, {}}};
  UINT key = 900;
  for (const Case& c : cases) {
    T_SECT_D s;
    s.key = ++key;
    s.iMatlType = c.kind;
    s.strName = "S";
    ASSERT_TRUE(sect->TR_Add(s));
    CUIntArray keys;
    EXPECT_TRUE(matl->GetKeyListBySect(key, keys)) << c.kind;
    EXPECT_EQ(std::vector<UINT>(keys.begin(), keys.end()), c.keys) << c.kind;
  }
  CUIntArray keys;
  EXPECT_FALSE(matl->GetKeyListBySect(12345, keys)) << "no such section";
}

TEST_F(MatlTest, ModelFileKeepsMaterials) {
  doc->NewSampleModel();
  const fs::path dir = fs::temp_directory_path() / ("vur_matl_test_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "m.zel").string();
  CString err;
  ASSERT_TRUE(doc->SaveModel(path.c_str(), err)) << err.c_str();
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(path.c_str(), err)) << err.c_str();
  fs::remove_all(dir);
  CString a, b;
  ASSERT_TRUE(doc->DumpTable("MATL", a));
  ASSERT_TRUE(other.DumpTable("MATL", b));
  EXPECT_EQ(a, b);
  EXPECT_EQ(other.GetRecordCount("MATL"), 6);
  auto* m2 = static_cast<CClassMatl*>(other.GetModelDB()->GetClass(CClassMatl::m_nClassID));
  EXPECT_EQ(m2->GetNewKey(), 7u);
}

}  // namespace

namespace {

TEST_F(DbTest, StoriesAssignMaterialsByMemberKind) {
  doc->NewSampleModel();
  EXPECT_EQ(stor->GetBaseStorK(1), 1u) << "the main tower's base story";
  EXPECT_EQ(stor->GetBaseStorK(2), 9u) << "another tower's lowest story";
  EXPECT_EQ(stor->GetBaseStorK(7), 0u);
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(1, s));
  s.colmMatlKey = 3;
  s.steelMatlKey = 4;
  s.srcColmMatlKey = 6;
  s.srcBeamMatlKey = 5;
  ASSERT_TRUE(stor->TR_Modify(1u, s));
  struct Case { int kind; UINT key; };
  const Case cases[] = {{1, 3}, {10, 4}, {20, 6}, {21, 5}, {2, 0}, {99, 0}};
  for (const Case& c : cases) EXPECT_EQ(stor->GetMatlK(1, c.kind), c.key) << c.kind;
  EXPECT_EQ(stor->GetMatlK(77, 20), 0u);
}

}  // namespace
