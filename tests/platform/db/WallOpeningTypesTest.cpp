// Wall-opening types: read from another model file without touching the open model, added
// under fresh keys or under given ones (replacing), each write one undoable step.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "db/CClassTwop.h"
#include "db/CDBDoc.h"

namespace {

T_TWOP_D Type(const char* name, double w, double h, double s) {
  T_TWOP_D t;
  t.name = name;
  t.dim1 = w;
  t.dim2 = h;
  t.dim3 = s;
  return t;
}

class WallOpeningTypesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc = std::make_unique<CDBDoc>();
    doc->NewModel();
    ASSERT_TRUE(twop.ConnectToDB(doc->GetModelDB()));
  }
  void TearDown() override {
    twop.Disconnect();
    for (const std::string& p : files) std::remove(p.c_str());
  }
  // A model file holding the types under their keys.
  std::string File(const std::vector<std::pair<UINT, T_TWOP_D>>& types) {
    CDBDoc other;
    other.NewModel();
    CClassTwop t;
    t.ConnectToDB(other.GetModelDB());
    for (const auto& [k, r] : types) EXPECT_TRUE(t.TR_Add(k, r));
    std::string path = ::testing::TempDir() + "twop_" + std::to_string(files.size()) + ".zel";
    CString err;
    EXPECT_TRUE(other.SaveModel(path.c_str(), err)) << err.c_str();
    files.push_back(path);
    return path;
  }
  std::string Names() {
    CUIntArray keys;
    CArray<T_TWOP_D> recs;
    twop.GetList(keys, recs);
    std::string s;
    for (INT_PTR i = 0; i < keys.GetSize(); ++i)
      s += (s.empty() ? "" : ",") + std::to_string(keys[i]) + ":" + recs[i].name.c_str();
    return s;
  }

  std::unique_ptr<CDBDoc> doc;
  CClassTwop twop;
  std::vector<std::string> files;
};

TEST_F(WallOpeningTypesTest, AnotherFilesTypesAreReadInFileOrder) {
  std::string path = File({{5, Type("W1", 1000, 2100, 900)}, {2, Type("D1", 900, 2100, 0)}});
  ASSERT_TRUE(twop.TR_Add(9, Type("Mine", 1, 1, 1)));
  CUIntArray keys;
  CArray<T_TWOP_D> recs;
  ASSERT_TRUE(CClassTwop::GetListFromFile(path.c_str(), keys, recs));
  ASSERT_EQ(keys.GetSize(), 2);
  EXPECT_EQ(keys[0], 5u);
  EXPECT_EQ(std::string(recs[1].name.c_str()), "D1");
  EXPECT_EQ(recs[0].dim3, 900.0);
  EXPECT_EQ(Names(), "9:Mine") << "the open model is untouched";
}

TEST_F(WallOpeningTypesTest, AFileThatIsNoModelGivesNothing) {
  std::string text = ::testing::TempDir() + "twop_text.zel";
  FILE* f = std::fopen(text.c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fputs("not a model\n", f);
  std::fclose(f);
  files.push_back(text);
  for (const std::string& p : {text, std::string("/no/such/file.zel")}) {
    CUIntArray keys;
    keys.Add(7);
    CArray<T_TWOP_D> recs;
    EXPECT_FALSE(CClassTwop::GetListFromFile(p.c_str(), keys, recs)) << p;
    EXPECT_EQ(keys.GetSize(), 1) << "the arrays are left as they were";
  }
}

TEST_F(WallOpeningTypesTest, AddsUnderFreshKeysOrGivenOnesInOneStep) {
  ASSERT_TRUE(twop.TR_Add(2, Type("Old", 1, 1, 1)));
  CArray<T_TWOP_D> recs;
  recs.Add(Type("A", 1, 2, 0));
  recs.Add(Type("B", 3, 4, 0));
  recs[0].key = 2;  // a key carried from another file is not used
  ASSERT_TRUE(twop.TR_Add(recs));
  EXPECT_EQ(Names(), "2:Old,3:A,4:B");
  CUIntArray keys;
  keys.Add(2);
  keys.Add(8);
  ASSERT_TRUE(twop.TR_Add(keys, recs));
  EXPECT_EQ(Names(), "2:A,3:A,4:B,8:B");
  doc->Undo();
  EXPECT_EQ(Names(), "2:Old,3:A,4:B") << "the replacement and the addition undone together";
}

TEST_F(WallOpeningTypesTest, RefusedWritesChangeNothing) {
  ASSERT_TRUE(twop.TR_Add(1, Type("Old", 1, 1, 1)));
  CArray<T_TWOP_D> recs;
  recs.Add(Type("A", 1, 2, 0));
  recs.Add(Type("Bad", -1, 2, 0));
  CUIntArray keys;
  keys.Add(1);
  keys.Add(2);
  EXPECT_FALSE(twop.TR_Add(keys, recs)) << "a negative size";
  EXPECT_FALSE(twop.TR_Add(recs));
  recs[1].dim1 = 1;
  keys[1] = 1;
  EXPECT_FALSE(twop.TR_Add(keys, recs)) << "a key twice";
  keys[1] = 0;
  EXPECT_FALSE(twop.TR_Add(keys, recs)) << "no key";
  EXPECT_EQ(Names(), "1:Old");
}

}  // namespace
