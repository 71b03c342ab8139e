// Saving and opening model files.
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
  for (const auto& e : fs::directory_iterator(dir)) EXPECT_EQ(e.path().filename(), "m.zel");

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
      {"missing.zel", IDS_DB_MODEL_FILE_NOT_FOUND},  {"", IDS_DB_MODEL_FILE_NOT_A_FILE},
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
  EXPECT_EQ(err, IDS_DB_MODEL_FILE_NOT_A_FILE);
  // And the good file still opens.
  EXPECT_TRUE(doc->OpenModel(Path("good.zel").c_str(), err));
  EXPECT_EQ(doc->GetRecordCount("STOR"), 12);
}

TEST_F(ModelFile, MissingOptionalTablesAndColumnsTakeDefaults) {
  CString err;
  doc->NewSampleModel();
  ASSERT_TRUE(doc->SaveModel(Path("m.zel").c_str(), err));
  Sql(Path("m.zel"),
      "DROP TABLE GRND; DELETE FROM vur_tables WHERE code='GRND';"
      "ALTER TABLE MATL DROP COLUMN damping; ALTER TABLE PLAN ADD COLUMN future INTEGER;"
      "CREATE TABLE ZZZZ(seq INTEGER PRIMARY KEY, key INTEGER);"
      "INSERT INTO vur_tables VALUES('ZZZZ', 0, 1)");
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(Path("m.zel").c_str(), err)) << err.c_str();
  EXPECT_EQ(other.GetRecordCount("GRND"), 0);
  EXPECT_EQ(other.GetRecordCount("PLAN"), doc->GetRecordCount("PLAN"));
  EXPECT_EQ(other.GetRecordCount("MATL"), doc->GetRecordCount("MATL"));
}

// A file of this format that breaks a rule the tables keep on their writes is damaged:
// refused, the place named, the open model kept.
TEST_F(ModelFile, DamagedFilesAreRefusedNamingThePlace) {
  CString err;
  CDBDoc good(FALSE);
  good.NewSampleModel();
  ASSERT_TRUE(good.SaveModel(Path("good.zel").c_str(), err));
  struct Case { const char* sql; const char* where; };
  const Case cases[] = {
      {"DROP TABLE MDUL; DELETE FROM vur_tables WHERE code='MDUL'", "MDUL"},
      {"DROP TABLE STOR; DELETE FROM vur_tables WHERE code='STOR'", "STOR"},
      {"DELETE FROM vur_tables WHERE code='PLAN'", "PLAN"},
      {"DROP TABLE MCTL; DELETE FROM vur_tables WHERE code='MCTL'", "MCTL"},
      {"ALTER TABLE STOR DROP COLUMN height", "STOR column height"},
      {"ALTER TABLE PLAN DROP COLUMN property", "PLAN column property"},
      {"ALTER TABLE MCTL DROP COLUMN \"ugStory.waterLevel\"", "MCTL column ugStory.waterLevel"},
      {"UPDATE STOR SET height=-0.5 WHERE key=4", "STOR key 4"},
      {"UPDATE STOR SET planKey=99 WHERE key=3", "STOR key 3"},
      {"UPDATE STOR SET mdulKey=77 WHERE key=5", "STOR key 5"},
      {"UPDATE STOR SET liveLoad=9e999 WHERE key=2", "STOR key 2"},
      {"UPDATE MDUL SET key=9 WHERE key=1", "MDUL key 1"},
      {"UPDATE STOR SET key=99 WHERE key=1", "STOR key 1"},
      {"UPDATE PLAN SET key=2147483648 WHERE key=2", "PLAN key 2147483648"},
      {"UPDATE PLAN SET key=4294967295 WHERE key=2", "PLAN key 4294967295"},
      {"UPDATE PLAN SET key=-3 WHERE key=2", "PLAN"},
      {"UPDATE PLAN SET key=0 WHERE key=2", "PLAN"},
      {"UPDATE MDUL SET name='a'||char(9)||'b' WHERE key=2", "MDUL key 2"},
      {"UPDATE PLAN SET name='' WHERE key=2", "PLAN key 2"},
  };
  std::string before = DumpAll(*doc);
  for (const Case& c : cases) {
    fs::copy_file(Path("good.zel"), Path("bad.zel"), fs::copy_options::overwrite_existing);
    Sql(Path("bad.zel"), c.sql);
    CString where("unchanged");
    err = "unchanged";
    EXPECT_FALSE(doc->OpenModel(Path("bad.zel").c_str(), err, &where)) << c.sql;
    EXPECT_EQ(err, IDS_DB_MODEL_FILE_CORRUPT) << c.sql;
    EXPECT_EQ(where, c.where) << c.sql;
    EXPECT_EQ(DumpAll(*doc), before) << c.sql;
  }
  // The largest key, and the gap marker in a field that is no key, open.
  fs::copy_file(Path("good.zel"), Path("edge.zel"), fs::copy_options::overwrite_existing);
  Sql(Path("edge.zel"), "UPDATE PLAN SET key=2147483647 WHERE key=2; UPDATE STOR SET planKey=2147483647 "
                        "WHERE planKey=2; UPDATE STOR SET colmMatlKey=4294967295 WHERE key=3");
  ASSERT_TRUE(doc->OpenModel(Path("edge.zel").c_str(), err)) << err.c_str();
  EXPECT_TRUE(doc->HasRecord("PLAN", 2147483647u));
  CString text;
  BOOL real = FALSE;
  ASSERT_TRUE(doc->GetFieldText("STOR", 3, "colmMatlKey", text, real, TRUE));
  EXPECT_EQ(text, "4294967295");
}

// Saving replaces only a regular file the user may write, through a link its target, and
// keeps the target's permission bits; whatever it refuses stays as it was.
TEST_F(ModelFile, SaveByKindOfTarget) {
  CString err;
  doc->NewSampleModel();
  ASSERT_TRUE(doc->SaveModel(Path("old.zel").c_str(), err));
  const std::string oldBytes = Read(Path("old.zel"));
  doc->NewModel();
  auto opensAsNew = [&](const std::string& p) {
    CDBDoc other(FALSE);
    CString e;
    return other.OpenModel(p.c_str(), e) && other.GetRecordCount("STOR") == 1;
  };
  auto mode = [](const std::string& p) {
    struct stat sb;
    return ::lstat(p.c_str(), &sb) == 0 ? (int)(sb.st_mode & 07777) : -1;
  };
  // A link: the target is written, the link stays a link.
  fs::copy_file(Path("old.zel"), Path("target.zel"));
  fs::create_symlink(Path("target.zel"), Path("link.zel"));
  ASSERT_TRUE(doc->SaveModel(Path("link.zel").c_str(), err)) << err.c_str();
  EXPECT_TRUE(fs::is_symlink(Path("link.zel")));
  EXPECT_TRUE(opensAsNew(Path("target.zel")));
  // Permission bits stay, whatever the umask.
  for (int bits : {0600, 0640, 0664, 0606}) {
    const std::string p = Path(("perm" + std::to_string(bits) + ".zel").c_str());
    Write(p, oldBytes);
    ASSERT_EQ(::chmod(p.c_str(), (mode_t)bits), 0);
    ASSERT_TRUE(doc->SaveModel(p.c_str(), err)) << bits;
    EXPECT_EQ(mode(p), bits);
    EXPECT_TRUE(opensAsNew(p)) << bits;
  }
  // Refused, untouched: a read-only file, a directory, a pipe, a device, a missing folder.
  Write(Path("ro.zel"), oldBytes);
  ASSERT_EQ(::chmod(Path("ro.zel").c_str(), 0444), 0);
  fs::create_directory(Path("folder.zel"));
  ASSERT_EQ(::mkfifo(Path("pipe.zel").c_str(), 0644), 0);
  const bool device = ::mknod(Path("null.zel").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
  struct Case { const char* file; const char* error; };
  const Case refused[] = {
      {"ro.zel", IDS_DB_MODEL_FILE_READ_ONLY},       {"folder.zel", IDS_DB_MODEL_FILE_NOT_A_FILE},
      {"pipe.zel", IDS_DB_MODEL_FILE_NOT_A_FILE},    {"null.zel", IDS_DB_MODEL_FILE_NOT_A_FILE},
      {"no/such/m.zel", IDS_DB_MODEL_FILE_CANNOT_SAVE},
  };
  for (const Case& c : refused) {
    if (std::string(c.file) == "null.zel" && !device) continue;
    const std::string p = Path(c.file);
    const int before = mode(p);
    EXPECT_FALSE(doc->SaveModel(p.c_str(), err)) << c.file;
    EXPECT_EQ(err, c.error) << c.file;
    EXPECT_EQ(mode(p), before) << c.file;
  }
  EXPECT_EQ(Read(Path("ro.zel")), oldBytes);
  EXPECT_TRUE(fs::is_directory(Path("folder.zel")));
  EXPECT_TRUE(fs::is_fifo(Path("pipe.zel")));
  if (device) {
    EXPECT_TRUE(fs::is_character_file(Path("null.zel")));
  }
  // No temporary file is left behind, saved or refused.
  for (const auto& e : fs::directory_iterator(dir))
    EXPECT_EQ(e.path().filename().string().find("saving"), std::string::npos) << e.path();
}

// Open tells a missing path, a path that is no regular file, an unreadable file and a
// damaged one apart.
TEST_F(ModelFile, OpenByKindOfPath) {
  CString err;
  doc->NewSampleModel();
  ASSERT_TRUE(doc->SaveModel(Path("m.zel").c_str(), err));
  fs::copy_file(Path("m.zel"), Path("locked.zel"));
  ASSERT_EQ(::chmod(Path("locked.zel").c_str(), 0), 0);
  fs::create_directory(Path("folder.zel"));
  ASSERT_EQ(::mkfifo(Path("pipe.zel").c_str(), 0644), 0);
  fs::create_symlink(Path("m.zel"), Path("link.zel"));
  fs::create_symlink(Path("gone.zel"), Path("dangling.zel"));
  Write(Path("cut.zel"), Read(Path("m.zel")).substr(0, 3000));
  struct Case { const char* file; const char* error; };
  const Case cases[] = {
      {"missing.zel", IDS_DB_MODEL_FILE_NOT_FOUND},   {"no/such/m.zel", IDS_DB_MODEL_FILE_NOT_FOUND},
      {"dangling.zel", IDS_DB_MODEL_FILE_NOT_FOUND},  {"folder.zel", IDS_DB_MODEL_FILE_NOT_A_FILE},
      {"pipe.zel", IDS_DB_MODEL_FILE_NOT_A_FILE},     {"locked.zel", IDS_DB_MODEL_FILE_CANNOT_READ},
      {"cut.zel", IDS_DB_MODEL_FILE_CORRUPT},
  };
  doc->NewModel();
  for (const Case& c : cases) {
    EXPECT_FALSE(doc->OpenModel(Path(c.file).c_str(), err)) << c.file;
    EXPECT_EQ(err, c.error) << c.file;
    EXPECT_EQ(doc->GetRecordCount("STOR"), 1) << c.file;
  }
  EXPECT_TRUE(doc->OpenModel(Path("link.zel").c_str(), err)) << err.c_str();
  EXPECT_EQ(doc->GetRecordCount("STOR"), 12);
}

}  // namespace
