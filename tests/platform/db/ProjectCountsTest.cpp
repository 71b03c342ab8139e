// What the project status reads without a walk: the largest point and member numbers, the
// counts the assigned-data and point-load tables keep of their kinds of data (through
// writes, undo, redo and a model file), the owned tables, the project record, and the
// document's file path.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "DbFixture.h"
#include "db/CClassMasg.h"
#include "db/CClassMemb.h"
#include "db/CClassOwned.h"
#include "db/CClassPjcf.h"
#include "db/CClassPont.h"
#include "db/CNumberSet.h"
#include "db/DB_CCountView.h"

namespace {

class ProjectCounts : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    doc->NewSampleModel();
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    masg = static_cast<CClassMasg*>(db->GetClass(CClassMasg::m_nClassID));
    pasg = static_cast<CClassPasg*>(db->GetClass(CClassPasg::m_nClassID));
    ptld = static_cast<CClassPtld*>(db->GetClass(CClassPtld::m_nClassID));
    dir = std::filesystem::temp_directory_path() / ("vur_pjst_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  UINT Point(double x, UINT number = 0) {
    T_PONT_D p;
    p.x = x, p.storyKey = 3, p.number = number;
    UINT key = pont->GetNewKey();
    return pont->TR_Add(p) ? key : 0;
  }
  UINT Beam(UINT a, UINT b, UINT number = 0) {
    T_MEMB_D m;
    m.type = 201, m.storyKey = 3, m.sectKey = 2, m.number = number;
    m.points.Add(a);
    m.points.Add(b);
    UINT key = memb->GetNewKey();
    return memb->TR_Add(m) ? key : 0;
  }
  template <class View> int Count(DB_CDataBase* pDB = nullptr) {
    View v;
    return v.ConnectToDB(pDB ? pDB : db) ? v.GetCount() : -1;
  }
  std::string Path(const char* name) const { return (dir / name).string(); }

  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CClassMasg* masg = nullptr;
  CClassPasg* pasg = nullptr;
  CClassPtld* ptld = nullptr;
  std::filesystem::path dir;
};

TEST(NumberSet, AnswersTheLargestThroughAddsRemovesAndRepeats) {
  CNumberSet s;
  EXPECT_EQ(s.Largest(), 0u);
  for (UINT n : {5u, 70000u, 3u, 4096u, 4095u}) s.Add(n);
  EXPECT_EQ(s.Largest(), 70000u);
  s.Remove(70000);
  EXPECT_EQ(s.Largest(), 4096u);
  s.Remove(4096);
  EXPECT_EQ(s.Largest(), 4095u);
  s.Remove(12345);  // not in: nothing
  EXPECT_EQ(s.Largest(), 4095u);
  // A number held twice for a moment stays until removed twice.
  s.Add(4095);
  s.Remove(4095);
  EXPECT_TRUE(s.Contains(4095));
  EXPECT_EQ(s.Largest(), 4095u);
  s.Remove(4095);
  EXPECT_FALSE(s.Contains(4095));
  EXPECT_EQ(s.Largest(), 5u);
  s.Add(0xFFFFFFFFu);
  EXPECT_EQ(s.Largest(), 0xFFFFFFFFu);
  s.Clear();
  EXPECT_EQ(s.Largest(), 0u);
}

TEST_F(ProjectCounts, LastNumbersAreNumbersNotKeysThroughWritesUndoAndExchanges) {
  doc->NewModel();
  EXPECT_EQ(pont->GetLastNo(), 0u);
  EXPECT_EQ(memb->GetLargeNo(), 0u);
  doc->NewSampleModel();
  UINT a = Point(0, 5000), b = Point(6), c = Point(12, 4000);
  ASSERT_TRUE(a && b && c);
  EXPECT_EQ(pont->GetLastNo(), 5000u);
  UINT m1 = Beam(a, b, 9000), m2 = Beam(b, c, 8000);
  ASSERT_TRUE(m1 && m2);
  EXPECT_EQ(memb->GetLargeNo(), 9000u);
  // Renumbering the largest lowers it; undo brings it back; so do deleting and undo.
  T_MEMB_D r;
  ASSERT_TRUE(memb->Get(m1, r));
  r.number = 7000;
  ASSERT_TRUE(memb->TR_Modify(m1, r));
  EXPECT_EQ(memb->GetLargeNo(), 8000u);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(memb->GetLargeNo(), 9000u);
  ASSERT_TRUE(memb->TR_Del(m1));
  EXPECT_EQ(memb->GetLargeNo(), 8000u);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(memb->GetLargeNo(), 9000u);
  // Two points exchanging their numbers in one write keep both numbers in use.
  T_PONT_D pa, pc;
  ASSERT_TRUE(pont->Get(a, pa));
  ASSERT_TRUE(pont->Get(c, pc));
  std::swap(pa.number, pc.number);
  CUIntArray keys;
  keys.Add(a);
  keys.Add(c);
  CArray<T_PONT_D> recs;
  recs.Add(pa);
  recs.Add(pc);
  ASSERT_TRUE(pont->TR_Modify(keys, recs));
  EXPECT_EQ(pont->GetPontNoByKey(c), 5000u);
  EXPECT_EQ(pont->GetLastNo(), 5000u);
  ASSERT_TRUE(pont->Get(c, pc));
  pc.number = 3000;
  ASSERT_TRUE(pont->TR_Modify(c, pc));
  EXPECT_EQ(pont->GetLastNo(), 4000u);
}

// Each kind of assigned data, the record that carries it, and the view that counts it.
struct KindCase {
  const char* name;
  void (*assign)(T_MASG_D& r);
  int (ProjectCounts::*count)(DB_CDataBase*);
};

TEST_F(ProjectCounts, MemberDataCountsFollowWritesUndoRedoAndTheModelFile) {
  const KindCase cases[] = {
      {"release", [](T_MASG_D& r) { r.release = "111111"; }, &ProjectCounts::Count<CClassFrls>},
      {"slabEdge", [](T_MASG_D& r) { r.slabEdge = "1,1,1"; }, &ProjectCounts::Count<CClassSrls>},
      {"offset", [](T_MASG_D& r) { r.offset = "0.1"; }, &ProjectCounts::Count<CClassOffs>},
      {"tempFlag", [](T_MASG_D& r) { r.tempFlag = 1; }, &ProjectCounts::Count<CClassMtmp>},
      {"slabLoadFlag", [](T_MASG_D& r) { r.slabLoadFlag = 1; }, &ProjectCounts::Count<CClassSbla>},
  };
  for (const KindCase& k : cases) {
    SCOPED_TRACE(k.name);
    doc->NewSampleModel();
    UINT m = Beam(Point(0), Point(6));
    ASSERT_TRUE(m);
    // A record with nothing of the kind counts nothing.
    T_MASG_D r;
    r.key = m;
    r.stiffFlag = 1;
    ASSERT_TRUE(masg->TR_Add(r));
    EXPECT_EQ((this->*k.count)(nullptr), 0);
    k.assign(r);
    ASSERT_TRUE(masg->TR_Modify(m, r));
    EXPECT_EQ((this->*k.count)(nullptr), 1);
    T_MASG_D cleared;
    cleared.key = m;
    ASSERT_TRUE(masg->TR_Modify(m, cleared));
    EXPECT_EQ((this->*k.count)(nullptr), 0);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ((this->*k.count)(nullptr), 1);
    ASSERT_TRUE(doc->Redo());
    EXPECT_EQ((this->*k.count)(nullptr), 0);
    ASSERT_TRUE(doc->Undo());
    // Deleting the member deletes its data with it.
    ASSERT_TRUE(memb->TR_Del(m));
    EXPECT_EQ((this->*k.count)(nullptr), 0);
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ((this->*k.count)(nullptr), 1);
    // A model read back counts the same.
    CString err;
    ASSERT_TRUE(doc->SaveModel(Path("kinds.zel").c_str(), err)) << err.c_str();
    CDBDoc other(FALSE);
    ASSERT_TRUE(other.OpenModel(Path("kinds.zel").c_str(), err)) << err.c_str();
    EXPECT_EQ((this->*k.count)(other.GetModelDB()), 1);
  }
}

TEST_F(ProjectCounts, SupportsAndPointLoadKindsAreCountedByTheirTables) {
  UINT a = Point(0), b = Point(6);
  T_PASG_D s;
  s.key = a;
  s.link = 3;  // a link alone is no support
  ASSERT_TRUE(pasg->TR_Add(s));
  EXPECT_EQ(Count<CClassSpts>(), 0);
  s.support = "111000";
  ASSERT_TRUE(pasg->TR_Modify(a, s));
  s.key = b;
  ASSERT_TRUE(pasg->TR_Add(s));
  EXPECT_EQ(Count<CClassSpts>(), 2);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Count<CClassSpts>(), 1);

  T_PTLD_D load;
  load.pont = a;
  ASSERT_TRUE(ptld->TR_Add(load));
  ASSERT_TRUE(ptld->TR_Add(load));
  load.kind = 1;
  ASSERT_TRUE(ptld->TR_Add(load));
  load.kind = 7;  // neither kind
  ASSERT_TRUE(ptld->TR_Add(load));
  EXPECT_EQ(Count<CPtldLoads>(), 2);
  EXPECT_EQ(Count<CClassSdsp>(), 1);
  T_PTLD_D moved;
  ASSERT_TRUE(ptld->Get(1, moved));
  moved.kind = 1;
  ASSERT_TRUE(ptld->TR_Modify(1, moved));
  EXPECT_EQ(Count<CPtldLoads>(), 1);
  EXPECT_EQ(Count<CClassSdsp>(), 2);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Count<CPtldLoads>(), 2);
  EXPECT_EQ(ptld->GetCount(), 4);
}

TEST_F(ProjectCounts, OwnedTablesHoldTheirOwnerAndDumpIt) {
  CStringArray fields;
  fields.Add("owner=12");
  CString bad;
  for (const char* code : {"RIGD", "DRLS", "SKEW", "CGLP", "SSPT", "ARLD", "BMLA", "EXPL", "SWGT", "STMP",
                           "PTMP", "PMAS", "SPFC", "SMPT", "SMLC"}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(doc->PutRecord(code, 4, fields, bad), 1);
    EXPECT_EQ(doc->GetRecordCount(code), 1);
    CString out;
    ASSERT_TRUE(doc->DumpTable(code, out));
    EXPECT_EQ(std::string(out.c_str()), std::string("table ") + code + " 1\n4 owner=12\n");
  }
  CClassRigd rigd;
  ASSERT_TRUE(rigd.ConnectToDB(db));
  EXPECT_EQ(rigd.GetCount(), 1);
}

TEST_F(ProjectCounts, TheProjectRecordIsAddedThenReplacedAndUndone) {
  CClassPjcf pjcf;
  ASSERT_TRUE(pjcf.ConnectToDB(db));
  T_PJCF_D r;
  r.project = "Tower A";
  r.signName[4] = "Li";
  r.desc = "two\nlines";
  ASSERT_TRUE(pjcf.TR_Add(r));
  T_PJCF_D second;  // every field empty
  ASSERT_TRUE(pjcf.TR_Add(second));
  EXPECT_EQ(pjcf.GetCount(), 1);
  T_PJCF_D read;
  ASSERT_TRUE(pjcf.Get(read));
  EXPECT_TRUE(read.project.IsEmpty());
  ASSERT_TRUE(doc->Undo());
  ASSERT_TRUE(pjcf.Get(read));
  EXPECT_EQ(std::string(read.desc.c_str()), "two\nlines");
  EXPECT_EQ(std::string(read.signName[4].c_str()), "Li");
  CString err;
  ASSERT_TRUE(doc->SaveModel(Path("pjcf.zel").c_str(), err));
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(Path("pjcf.zel").c_str(), err));
  CClassPjcf back;
  ASSERT_TRUE(back.ConnectToDB(other.GetModelDB()));
  ASSERT_TRUE(back.Get(read));
  EXPECT_EQ(std::string(read.desc.c_str()), "two\nlines");
  EXPECT_EQ(std::string(read.project.c_str()), "Tower A");
}

TEST_F(ProjectCounts, ThePathNameIsTheAbsolutePathOfTheLastOpenOrSave) {
  EXPECT_TRUE(doc->GetPathName().IsEmpty());
  CString err;
  const std::string saved = Path("a.zel");
  ASSERT_TRUE(doc->SaveModel(saved.c_str(), err));
  EXPECT_EQ(std::string(doc->GetPathName().c_str()), saved);
  // A failed save leaves it.
  EXPECT_FALSE(doc->SaveModel((dir / "missing" / "b.zel").string().c_str(), err));
  EXPECT_EQ(std::string(doc->GetPathName().c_str()), saved);
  doc->NewModel();
  EXPECT_TRUE(doc->GetPathName().IsEmpty());
  // A relative path is made absolute.
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  const BOOL opened = doc->OpenModel("./a.zel", err);
  std::filesystem::current_path(cwd);
  ASSERT_TRUE(opened) << err.c_str();
  EXPECT_EQ(std::string(doc->GetPathName().c_str()), saved);
}

}  // namespace
