// The load vocabulary and the beam load types: keys and names both ways, and types read from
// another model file without touching the open model.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "db/CClassBltp.h"
#include "db/CDBDoc.h"
#include "db/CLoadDB.h"
#include "db/DBText.h"

namespace {

TEST(LoadVocabulary, EightKeysNamedByTheirTextKeysAndBack) {
  CDBDoc doc;
  CLoadDB* ldb = doc.GetLoadDB();
  CStringArray keys;
  ldb->GetLoadTypeList(keys);
  std::string all;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) all += std::string(keys[i].c_str()) + " ";
  EXPECT_EQ(all, "USER D L LR W E S T ");
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    CString name = ldb->GetLoadTypeName(keys[i]);
    EXPECT_EQ(name, DB_LoadText(CLoadDB::NameKeyOf(keys[i])));
    EXPECT_EQ(ldb->GetLoadType(name), keys[i]);
  }
  EXPECT_EQ(ldb->GetLoadTypeName("X"), "");
  EXPECT_EQ(ldb->GetLoadType("no such load"), "") << "the empty key";
}

TEST(BeamLoadTypes, AnotherFilesTypesReplaceTheArraysAndLeaveTheModel) {
  std::string path = ::testing::TempDir() + "bltp_types.zel";
  {
    CDBDoc other;
    other.NewModel();
    CClassBltp t;
    t.ConnectToDB(other.GetModelDB());
    T_BLTP_D r;
    r.name = "W200";
    r.dead = 7.5;
    r.desc = "200 block wall";
    ASSERT_TRUE(t.TR_Add(4, r));
    r.name = "W200";  // names need not be unique
    r.live = 0.5;
    ASSERT_TRUE(t.TR_Add(2, r));
    CString err;
    ASSERT_TRUE(other.SaveModel(path.c_str(), err));
  }
  CDBDoc doc;
  doc.NewModel();
  CClassBltp mine;
  mine.ConnectToDB(doc.GetModelDB());
  CUIntArray keys;
  keys.Add(99);
  CArray<T_BLTP_D> recs;
  ASSERT_TRUE(CClassBltp::GetListFromFile(path.c_str(), keys, recs));
  ASSERT_EQ(keys.GetSize(), 2);
  EXPECT_EQ(keys[0], 4u);
  EXPECT_EQ(recs[1].live, 0.5);
  EXPECT_EQ(std::string(recs[0].desc.c_str()), "200 block wall");
  EXPECT_EQ(mine.GetCount(), 0);
  keys.RemoveAll();
  EXPECT_FALSE(CClassBltp::GetListFromFile("/no/such/model.zel", keys, recs));
  EXPECT_EQ(recs.GetSize(), 2) << "left as they were";
  std::remove(path.c_str());
}

}  // namespace
