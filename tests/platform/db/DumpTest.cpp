// Dumps and field reads, as cmdhost shows them.
#include <algorithm>

#include "DbFixture.h"
#include "db/CSectDB.h"

namespace {

TEST_F(DbTest, DumpShowsKeysThenFieldsInOrder) {
  CString out;
  ASSERT_TRUE(doc->DumpTable("MDUL", out));
  EXPECT_EQ(out, "table MDUL 1\n1 name=Tower1 startStorKey=0\n");
  out.Empty();
  ASSERT_TRUE(doc->DumpTable("PLAN", out));
  EXPECT_EQ(out,
            "table PLAN 1\n1 name=Plan1 wallType=1 slabType=2 loadType=1 stiffFactors[0]=1 "
            "stiffFactors[1]=1 stiffFactors[2]=1 useMctlMeshSize=1 meshSize=1 reserved[0]=0 "
            "reserved[1]=0 reserved[2]=0 reserved[3]=0 reserved[4]=0 property=0\n");
  EXPECT_FALSE(doc->DumpTable("NONE", out));
}

TEST_F(DbTest, TextsAreOneWord) {
  struct Case { const char* name; const char* shown; };
  const Case cases[] = {{"Plain", "Plain"}, {"two words", "\"two words\""}, {"a=b", "\"a=b\""},
                        {"say \"hi\"", "\"say \\\"hi\\\"\""}, {"标准层", "标准层"}};
  for (const Case& c : cases) {
    T_PLAN_D p;
    p.name = c.name;
    ASSERT_TRUE(plan->TR_Modify(1u, p));
    CString text;
    BOOL real = TRUE;
    ASSERT_TRUE(doc->GetFieldText("PLAN", 1, "name", text, real));
    EXPECT_EQ(text, c.shown);
    EXPECT_FALSE(real);
  }
  EXPECT_EQ(DB_QuoteWord(""), "\"\"");
  // Control characters in texts that are no names never break the record's line.
  const Case controls[] = {{"a\tb", "\"a\\tb\""}, {"a\nb", "\"a\\nb\""}, {"a\rb", "\"a\\x0Db\""},
                           {"\x01\x7f", "\"\\x01\\x7F\""}, {"back\\slash", "back\\slash"}};
  for (const Case& c : controls) EXPECT_EQ(DB_QuoteWord(c.name), c.shown) << c.name;
}

TEST_F(DbTest, NestedFieldsByDottedPath) {
  T_MCTL_D c;
  c.loadMass.gravityRepLlFactor = 0.25;
  c.detail.slabMesh = 1.0 / 3.0;
  ASSERT_TRUE(mctl->TR_Add(c));
  CString text;
  BOOL real = FALSE;
  ASSERT_TRUE(doc->GetFieldText("MCTL", 1, "loadMass.gravityRepLlFactor", text, real));
  EXPECT_EQ(text, "0.25");
  EXPECT_TRUE(real);
  ASSERT_TRUE(doc->GetFieldText("MCTL", 1, "detail.slabMesh", text, real));
  EXPECT_EQ(text, "0.333333333333333");
  ASSERT_TRUE(doc->GetFieldText("MCTL", 1, "baseDof", text, real));
  EXPECT_EQ(text, "111111");
  ASSERT_TRUE(doc->GetFieldText("MCTL", 1, "wallOpening.reserved[1]", text, real));
  EXPECT_EQ(text, "0");
  EXPECT_FALSE(doc->GetFieldText("MCTL", 1, "detail", text, real));
  EXPECT_FALSE(doc->GetFieldText("MCTL", 2, "codeSet", text, real));
  EXPECT_EQ(doc->GetRecordCount("MCTL"), 1);
  EXPECT_EQ(doc->GetRecordCount("XXXX"), -1);
  EXPECT_TRUE(doc->HasRecord("STOR", 1));
  EXPECT_FALSE(doc->HasRecord("STOR", 2));
}

TEST_F(DbTest, SampleModel) {
  doc->NewSampleModel();
  EXPECT_EQ(doc->GetRecordCount("MDUL"), 2);
  EXPECT_EQ(doc->GetRecordCount("STOR"), 12);
  EXPECT_GE(doc->GetRecordCount("PLAN"), 5);
  EXPECT_EQ(doc->GetRecordCount("GRND"), 1);
  EXPECT_EQ(doc->GetRecordCount("MCTL"), 1);
  EXPECT_FALSE(db->CanUndo());
  double level;
  ASSERT_TRUE(stor->GetStartLevelofCurMdul(2, level));
  EXPECT_DOUBLE_EQ(level, 13.2);
  EXPECT_EQ(grnd->GetReferenceStorK(), stor->GetKey("B1", 1));
  doc->NewModel();
  EXPECT_EQ(doc->GetRecordCount("STOR"), 1);
}

bool g_addStepPlan = false;
const CDBDocSampleStep s_step(50, [](CDBDoc& d) {
  if (!g_addStepPlan) return;
  T_PLAN_D p;
  p.name = "FromStep";
  static_cast<CClassPlan*>(d.GetModelDB()->GetClass(CClassPlan::m_nClassID))->TR_Add(p);
});

TEST_F(DbTest, SampleStepsAddTheirRecords) {
  g_addStepPlan = true;
  doc->NewSampleModel();
  g_addStepPlan = false;
  EXPECT_NE(plan->GetKey("FromStep"), 0u);
  EXPECT_FALSE(db->CanUndo());
}

TEST(DbDocuments, SeveralDocumentsAndTheCurrentOne) {
  auto a = std::make_unique<CDBDoc>();
  EXPECT_EQ(CDBDoc::m_pDBDoc, a.get());
  auto b = std::make_unique<CDBDoc>(FALSE);
  EXPECT_EQ(CDBDoc::m_pDBDoc, a.get());
  b->NewSampleModel();
  EXPECT_EQ(a->GetRecordCount("STOR"), 1);
  b->GetUnitCtrl()->SetUnitSystem("N", "mm");
  EXPECT_EQ(a->GetUnitCtrl()->GetLengthUnit(), LENGTH_M);
  a.reset();
  EXPECT_EQ(CDBDoc::m_pDBDoc, nullptr);
  T_PREFERENCE pref;
  b->GetInitCtrl()->GetPreference(pref);
  EXPECT_GT(pref.levelTolerance, 0.0);
  EXPECT_EQ(b->GetMDBCtrl()->GetDB(DB_ID_MODEL), b->GetModelDB());
  EXPECT_EQ(b->GetMDBCtrl()->GetDB(99), nullptr);
  EXPECT_NE(b->GetSectDB(), nullptr);
  CStringArray dbs;
  b->GetSectDB()->GetDBNameList(dbs);
  EXPECT_NE(std::find(dbs.begin(), dbs.end(), pref.defSteelDB), dbs.end());
}

TEST(DbDocuments, TracerMode) {
  CDBDoc d(FALSE);
  EXPECT_FALSE(d.IsTracerMode());
  EXPECT_EQ(d.GetChekCtrl(), nullptr);
  CUIntArray flagged;
  flagged.Add(3);
  d.StartTracerMode(16, flagged);
  EXPECT_TRUE(d.IsTracerMode());
  EXPECT_EQ(d.GetCheckMode(), 16);
  ASSERT_NE(d.GetChekCtrl(), nullptr);
  EXPECT_TRUE(d.GetChekCtrl()->IsFlagged(3));
  d.EndTracerMode();
  EXPECT_FALSE(d.IsTracerMode());
}

// The UI library's slots: created on first use through its hooks, ended with the document.
int g_made = 0, g_ended = 0;
TEST(DbDocuments, UiSlotsComeAndGoThroughTheHooks) {
  CDBDocUiHooks h;
  h.newDynModuleMgr = [](CDBDoc*) { ++g_made; return reinterpret_cast<CDynModuleMgr*>(&g_made); };
  h.deleteDynModuleMgr = [](CDynModuleMgr*) { ++g_ended; };
  CDBDoc::SetUiHooks(h);
  {
    CDBDoc d(FALSE);
    EXPECT_EQ(d.GetDlgCtrl(), nullptr);
    CDynModuleMgr* m = d.GetDynModuleMgr();
    EXPECT_NE(m, nullptr);
    EXPECT_EQ(d.GetDynModuleMgr(), m);
    EXPECT_EQ(g_made, 1);
  }
  EXPECT_EQ(g_ended, 1);
  CDBDoc::SetUiHooks(CDBDocUiHooks());
}

}  // namespace
