// Saving and opening model files.
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "DbFixture.h"
#include "db/DB_CModelFile.h"
#include "db/DB_CStore.h"

namespace {

namespace fs = std::filesystem;

class ModelFile : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    dir = fs::temp_directory_path() / ("vur_db_test_" + std::to_string(::getpid()) + "_" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Path(const char* name) { return (dir / name).string(); }
  std::string DumpAll(CDBDoc& d) {
    CString all;
    for (DB_CStoreBase* s : d.GetModelDB()->GetStores()) s->Dump(all);
    return all.c_str();
  }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  static void Sql(const std::string& path, const char* sql) {
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &h), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(h, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
    sqlite3_close(h);
  }
  fs::path dir;
};

TEST_F(ModelFile, SaveThenOpenGivesBackEveryRecord) {
  doc->NewSampleModel();
  // Names that need care, a key gap, a moved record, a modified nested field.
  T_PLAN_D p;
  p.name = "with \"quotes\" and = signs";
  p.stiffFactors[2] = 0.1;
  ASSERT_TRUE(plan->TR_Add(p));
  ASSERT_TRUE(plan->TR_Del(3u));
  ASSERT_TRUE(plan->TR_ChangeSeq(Keys({2}), 0));
  T_MCTL_D c;
  mctl->Get(c);
  c.baseDof[2] = '0';
  c.ugStory.waterLevel = -3.25;
  ASSERT_TRUE(mctl->TR_Add(c));
  plan->SetCurPlan(5);
  std::string before = DumpAll(*doc);
  UINT nextPlan = plan->GetNewKey();
  CString err;
  ASSERT_TRUE(doc->SaveModel(Path("m.zel").c_str(), err)) << err.c_str();
  EXPECT_FALSE(fs::exists(Path("m.zel.saving")));

  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(Path("m.zel").c_str(), err)) << err.c_str();
  EXPECT_EQ(DumpAll(other), before);
  auto* plan2 = static_cast<CClassPlan*>(other.GetModelDB()->GetClass(CClassPlan::m_nClassID));
  EXPECT_EQ(plan2->GetNewKey(), nextPlan);
  EXPECT_EQ(plan2->GetCurPlan(), 5u);
  EXPECT_FALSE(other.GetModelDB()->CanUndo());
  // The tables work after opening: sequence, names, scopes.
  auto* stor2 = static_cast<CClassStor*>(other.GetModelDB()->GetClass(CClassStor::m_nClassID));
  EXPECT_EQ(stor2->GetCountWithoutBase(1), 7);
  EXPECT_TRUE(stor2->TR_Add(Story("6F", 1)));
  EXPECT_EQ(stor2->GetSeq(stor2->GetKey("6F", 1)), 9);
}

TEST_F(ModelFile, SavingOverAFileReplacesItWhole) {
  CString err;
  doc->NewSampleModel();
  ASSERT_TRUE(doc->SaveModel(Path("m.zel").c_str(), err));
  doc->NewModel();
  ASSERT_TRUE(doc->SaveModel(Path("m.zel").c_str(), err));
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(Path("m.zel").c_str(), err));
  EXPECT_EQ(other.GetRecordCount("STOR"), 1);
  // A place that cannot be written fails with its key and leaves no temporary file.
  EXPECT_FALSE(doc->SaveModel((dir / "no" / "such" / "dir.zel").string().c_str(), err));
  EXPECT_EQ(err, IDS_DB_MODEL_FILE_CANNOT_SAVE);
  EXPECT_FALSE(doc->SaveModel("", err));
}

TEST_F(ModelFile, BadFilesFailWithTheirMessageAndLeaveTheModel) {
  CString err;
  CDBDoc good(FALSE);
  good.NewSampleModel();
  ASSERT_TRUE(good.SaveModel(Path("good.zel").c_str(), err));
  std::string bytes = Read(Path("good.zel"));
  ASSERT_GT(bytes.size(), 4096u);

  Write(Path("empty.zel"), "");
  Write(Path("text.zel"), "this is not a model, just some text\n");
  Write(Path("truncated.zel"), bytes.substr(0, bytes.size() / 2));
  Write(Path("header.zel"), bytes.substr(0, 60));
  std::string garbled = bytes;
  for (size_t i = 1024; i < garbled.size(); i += 7) garbled[i] = (char)(garbled[i] * 31 + 7);
  Write(Path("garbled.zel"), garbled);
  fs::copy_file(Path("good.zel"), Path("newer.zel"));
  Sql(Path("newer.zel"), "PRAGMA user_version=99");
  Sql(Path("foreign.zel"), "CREATE TABLE t(x); INSERT INTO t VALUES(1)");
  fs::copy_file(Path("good.zel"), Path("dupkey.zel"));
  Sql(Path("dupkey.zel"), "UPDATE STOR SET key=2 WHERE key=3");
  fs::copy_file(Path("good.zel"), Path("dupname.zel"));
  Sql(Path("dupname.zel"), "UPDATE PLAN SET name='Plan1' WHERE key=2");
  fs::copy_file(Path("good.zel"), Path("count.zel"));
  Sql(Path("count.zel"), "DELETE FROM STOR WHERE key=5");
  fs::copy_file(Path("good.zel"), Path("nometa.zel"));
  Sql(Path("nometa.zel"), "DROP TABLE vur_tables");

  struct Case { const char* file; const char* error; };
  const Case cases[] = {
      {"missing.zel", IDS_DB_MODEL_FILE_NOT_FOUND},  {"", IDS_DB_MODEL_FILE_NOT_FOUND},
      {"empty.zel", IDS_DB_MODEL_FILE_NOT_MODEL},    {"text.zel", IDS_DB_MODEL_FILE_NOT_MODEL},
      {"foreign.zel", IDS_DB_MODEL_FILE_NOT_MODEL},  {"newer.zel", IDS_DB_MODEL_FILE_NEWER},
      {"truncated.zel", IDS_DB_MODEL_FILE_CORRUPT},  {"header.zel", IDS_DB_MODEL_FILE_CORRUPT},
      {"garbled.zel", IDS_DB_MODEL_FILE_CORRUPT},    {"dupkey.zel", IDS_DB_MODEL_FILE_CORRUPT},
      {"dupname.zel", IDS_DB_MODEL_FILE_CORRUPT},    {"count.zel", IDS_DB_MODEL_FILE_CORRUPT},
      {"nometa.zel", IDS_DB_MODEL_FILE_CORRUPT},
  };
  ASSERT_TRUE(mdul->TR_Add(Tower("Mine")));
  std::string before = DumpAll(*doc);
  for (const Case& c : cases) {
    err = "unchanged";
    EXPECT_FALSE(doc->OpenModel(Path(c.file).c_str(), err)) << c.file;
    EXPECT_EQ(err, c.error) << c.file;
    EXPECT_EQ(DumpAll(*doc), before) << c.file;
    EXPECT_TRUE(db->CanUndo()) << c.file;
  }
  // A directory is not a model file either.
  EXPECT_FALSE(doc->OpenModel(dir.string().c_str(), err));
  EXPECT_EQ(err, IDS_DB_MODEL_FILE_NOT_FOUND);
  // And the good file still opens.
  EXPECT_TRUE(doc->OpenModel(Path("good.zel").c_str(), err));
  EXPECT_EQ(doc->GetRecordCount("STOR"), 12);
}

TEST_F(ModelFile, MissingTablesAndColumnsTakeDefaults) {
  CString err;
  doc->NewSampleModel();
  ASSERT_TRUE(doc->SaveModel(Path("m.zel").c_str(), err));
  Sql(Path("m.zel"),
      "DROP TABLE MCTL; DELETE FROM vur_tables WHERE code='MCTL';"
      "ALTER TABLE PLAN DROP COLUMN property; ALTER TABLE PLAN ADD COLUMN future INTEGER;"
      "CREATE TABLE ZZZZ(seq INTEGER PRIMARY KEY, key INTEGER);"
      "INSERT INTO vur_tables VALUES('ZZZZ', 0, 1)");
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(Path("m.zel").c_str(), err)) << err.c_str();
  EXPECT_EQ(other.GetRecordCount("MCTL"), 0);
  EXPECT_EQ(other.GetRecordCount("PLAN"), doc->GetRecordCount("PLAN"));
}

}  // namespace
