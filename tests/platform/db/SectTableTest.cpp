// The section and scale-factor tables: whole records through every read and write,
// transactions, update records, model files and units.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "db/CClassSecf.h"
#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "db/CSectUtil.h"
#include "db/DB_CUpdateListener.h"

namespace {

class SectTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc = std::make_unique<CDBDoc>();
    ASSERT_TRUE(sect.ConnectToDB(doc->GetModelDB()));
    ASSERT_TRUE(secf.ConnectToDB(doc->GetModelDB()));
  }

  // A steel H with every copied and reserved field set to something of its own.
  static T_SECT_D Marked(const char* name) {
    T_SECT_D s;
    s.iType = SECT_TYPE_REGULAR;
    s.iMatlType = SECT_MATL_STEEL;
    s.strName = name;
    s.Part1.strShape = "H";
    s.Part1.strText = "kept text";
    s.Part1.iDataKind = 7;
    const double h[6] = {0.4, 0.2, 0.008, 0.013, 0, 0};
    for (int i = 0; i < 6; ++i) s.Part1.BaseA.dSize[i] = h[i];
    s.Part1.BaseA.dSize[49] = 0.49;
    s.Part1.reserved1[5] = 0x5a5a;
    s.Part1.reserved2[0] = -3;
    s.Part1.BaseA.Stiff.dReserved[7] = 7.5;
    s.Part1.Design.dReserved2[2] = 2.5;
    s.Part2.strShape = "SB";
    s.Part2.BaseB.strSectName2 = "second";
    s.Part2.BaseB.dSize[3] = 1.25;
    s.Part2.reserved1[0] = 11;
    return s;
  }
  static std::string Dump(const T_SECT_D& s) {
    CString out;
    DB_DumpRecord(T_SECT_D::Desc(), &s, out);
    return out.c_str();
  }

  std::unique_ptr<CDBDoc> doc;
  CClassSect sect;
  CClassSecf secf;
};

class Recorder : public DB_CUpdateListener {
 public:
  std::vector<std::pair<int, UINT>> seen;
  void OnUpdate(CView*, LPARAM, CObject*) override {
    DB_CDataBase* db = GetConnectedDB();
    for (POSITION pos = db->GetFirstUpdatePosition(); pos;) {
      const DB_CUpdateRecord* r = db->GetNextUpdate(pos);
      seen.emplace_back(r->m_nCode, r->m_nKey);
    }
  }
};

}  // namespace

TEST_F(SectTableTest, RecordsStayWholeThroughAddGetAndModify) {
  const T_SECT_D s = Marked("H400");
  ASSERT_TRUE(sect.TR_Add(57, s));
  T_SECT_D back;
  ASSERT_TRUE(sect.Get(57, back));
  EXPECT_EQ(Dump(back), Dump(s));
  EXPECT_EQ(back.Part1.reserved1[5], 0x5a5a);
  EXPECT_EQ(back.Part2.reserved1[0], 11);
  EXPECT_EQ(back.Part2.BaseB.strSectName2, "second");
  EXPECT_EQ(back.key, 57u);
  EXPECT_EQ(sect.GetNewKey(), 58u);

  // Renumbering moves the whole record.
  ASSERT_TRUE(sect.TR_Modify(57, 60, back));
  EXPECT_FALSE(sect.Exist(57));
  T_SECT_D moved;
  ASSERT_TRUE(sect.Get(60, moved));
  EXPECT_EQ(Dump(moved), Dump(s));
  EXPECT_FALSE(sect.TR_Modify(57, 61, s));  // no such section
}

TEST_F(SectTableTest, CopiesAreWhole) {
  const T_SECT_D s = Marked("copy");
  T_SECT_D c(s);
  T_SECT_D d;
  d = s;
  EXPECT_EQ(Dump(c), Dump(s));
  EXPECT_EQ(Dump(d), Dump(s));
  EXPECT_EQ(d.Part1.reserved2[0], -3);
}

TEST_F(SectTableTest, FactorsAddReplaceAndGoWithTheirSection) {
  ASSERT_TRUE(sect.TR_Add(3, Marked("a")));
  T_SECF_D f;
  f.Initialize();
  EXPECT_EQ(f.fWgt, 1.0);
  f.fIyy = 0.5;
  ASSERT_TRUE(secf.TR_Add(3, f));
  f.fIyy = 0.25;
  ASSERT_TRUE(secf.TR_Add(3, f));  // replaces
  T_SECF_D g;
  ASSERT_TRUE(secf.Get(3, g));
  EXPECT_EQ(g.fIyy, 0.25);
  EXPECT_EQ(secf.GetCount(), 1);

  ASSERT_TRUE(sect.TR_Del(3));
  EXPECT_FALSE(secf.Exist(3));
  ASSERT_TRUE(doc->Undo());
  EXPECT_TRUE(sect.Exist(3));
  ASSERT_TRUE(secf.Get(3, g));
  EXPECT_EQ(g.fIyy, 0.25);
}

TEST_F(SectTableTest, FactorsFollowARenumberedSectionInOneTransaction) {
  ASSERT_TRUE(sect.TR_Add(3, Marked("a")));
  T_SECF_D f;
  f.fIzz = 0.4;
  ASSERT_TRUE(secf.TR_Add(3, f));
  Recorder rec;
  rec.ConnectDB(doc->GetModelDB());
  ASSERT_TRUE(sect.TR_Modify(3, 8, Marked("a")));
  EXPECT_FALSE(secf.Exist(3));
  T_SECF_D g;
  ASSERT_TRUE(secf.Get(8, g));
  EXPECT_EQ(g.fIzz, 0.4);
  const std::vector<std::pair<int, UINT>> want = {{CClassSect::UR_SECT_MFD, 8},
                                                  {CClassSect::UR_SECT_MFS, 3},
                                                  {CClassSecf::UR_SECF_MFD, 8},
                                                  {CClassSecf::UR_SECF_MFS, 3}};
  EXPECT_EQ(rec.seen, want);
  ASSERT_TRUE(doc->Undo());  // one step takes both back
  EXPECT_TRUE(sect.Exist(3));
  EXPECT_TRUE(secf.Exist(3));
  EXPECT_FALSE(secf.Exist(8));
  // A refused renumbering (the number is taken) moves nothing.
  ASSERT_TRUE(sect.TR_Add(4, Marked("b")));
  EXPECT_FALSE(sect.TR_Modify(3, 4, Marked("a")));
  EXPECT_TRUE(secf.Exist(3));
}

TEST_F(SectTableTest, TransactionsListTheirUpdateRecords) {
  Recorder rec;
  rec.ConnectDB(doc->GetModelDB());
  ASSERT_TRUE(sect.TR_Add(5, Marked("a")));
  ASSERT_TRUE(sect.TR_Modify(5, 6, Marked("b")));
  const std::vector<std::pair<int, UINT>> want = {{CClassSect::UR_SECT_ADD, 5},
                                                  {CClassSect::UR_SECT_MFD, 6},
                                                  {CClassSect::UR_SECT_MFS, 5}};
  EXPECT_EQ(rec.seen, want);
}

TEST_F(SectTableTest, ModelFilesKeepSectionsWhole) {
  T_SECT_D s = Marked("file");
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  ASSERT_TRUE(sect.TR_Add(9, s));
  T_SECF_D f;
  f.fAsz = 0.75;
  ASSERT_TRUE(secf.TR_Add(9, f));
  const std::string path =
      (std::filesystem::temp_directory_path() / "sect_table_test.zel").string();
  CString err;
  ASSERT_TRUE(doc->SaveModel(path.c_str(), err)) << err.c_str();
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(path.c_str(), err)) << err.c_str();
  std::filesystem::remove(path);
  CClassSect t;
  CClassSecf u;
  ASSERT_TRUE(t.ConnectToDB(other.GetModelDB()));
  ASSERT_TRUE(u.ConnectToDB(other.GetModelDB()));
  T_SECT_D back;
  ASSERT_TRUE(t.Get(9, back));
  EXPECT_EQ(Dump(back), Dump(s));
  T_SECF_D g;
  ASSERT_TRUE(u.Get(9, g));
  EXPECT_EQ(g.fAsz, 0.75);
}

TEST_F(SectTableTest, UnitConversionFollowsTheFieldDeclarations) {
  T_SECT_D s = Marked("units");
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  const T_SECT_D internal = s;
  CUnitCtrl mm;
  ASSERT_TRUE(mm.SetUnitSystem("kN", "mm"));
  DB_ConvertRecord(T_SECT_D::Desc(), &s, &mm, FALSE);
  const T_SECT_SECTBASE_D& a = s.Part1.BaseA;
  const T_SECT_SECTBASE_D& i = internal.Part1.BaseA;
  EXPECT_DOUBLE_EQ(a.dSize[0], 400.0);
  EXPECT_DOUBLE_EQ(a.Stiff.Area, i.Stiff.Area * 1e6);
  EXPECT_DOUBLE_EQ(a.Stiff.Iyy, i.Stiff.Iyy * 1e12);
  EXPECT_DOUBLE_EQ(a.Design.Wey, i.Design.Wey * 1e9);
  EXPECT_DOUBLE_EQ(a.Design.iy, i.Design.iy * 1e3);
  EXPECT_DOUBLE_EQ(a.PeriOut, i.PeriOut * 1e3);
  EXPECT_EQ(a.Stiff.fArea, 1.0);  // factors are plain numbers
  DB_ConvertRecord(T_SECT_D::Desc(), &s, &mm, TRUE);
  EXPECT_NEAR(s.Part1.BaseA.Stiff.Iyy, i.Stiff.Iyy, 1e-18);
}

TEST_F(SectTableTest, DumpNamesNestedFields) {
  ASSERT_TRUE(sect.TR_Add(1, Marked("dump")));
  CString out;
  ASSERT_TRUE(doc->DumpTable("SECT", out));
  const std::string d = out.c_str();
  EXPECT_NE(d.find("table SECT 1"), std::string::npos) << d.substr(0, 200);
  EXPECT_NE(d.find("Part1.BaseA.dSize[0]=0.4"), std::string::npos);
  EXPECT_NE(d.find("Part1.strShape=H"), std::string::npos);
}

TEST_F(SectTableTest, CheckSectSizeOfTheTable) {
  T_SECT_D s = Marked("check");
  EXPECT_TRUE(sect.CheckSectSize(0, s, 0));
  s.Part1.BaseA.dSize[3] = 0.25;  // flanges deeper than half the height
  EXPECT_FALSE(sect.CheckSectSize(0, s, 0));
}
