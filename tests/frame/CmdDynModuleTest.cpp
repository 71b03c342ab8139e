// The per-document module object and its slab-detail settings.
#include <gtest/gtest.h>

#include "FrameFixture.h"
#include "db/ICmdData.h"
#include "frame/CCmdDynModule.h"
#include "ui/CDynModule.h"

namespace {

class CmdDynModuleTest : public FrameTest {
 protected:
  static CDataDasb Sample(UINT key) {
    CDataDasb d;
    d.Initialize();
    d.m_nKey = key;
    d.m_Data.meshSize = 250.0;
    d.m_Data.wind = 1;
    d.m_Data.punchingCheck = 1;
    d.m_Data.deadLoad = 0;
    return d;
  }
};

TEST_F(CmdDynModuleTest, CreatedOnFirstUseOncePerDocument) {
  CDynModuleMgr* mgr = doc->GetDynModuleMgr();
  ASSERT_NE(mgr, nullptr);
  EXPECT_EQ(mgr->GetDynModule("CCmdDynModule"), nullptr) << "nothing before the first use";
  CCmdDynModule* first = GetCmdDynModule();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(mgr->GetDynModule("CCmdDynModule"), first) << "registered under its key";
  EXPECT_EQ(GetCmdDynModule(), first) << "found again, not rebuilt";
  EXPECT_EQ(mgr->GetCount(), 1);

  CDBDoc other;  // becomes current
  CCmdDynModule* second = GetCmdDynModule();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(other.GetDynModuleMgr()->GetDynModule("CCmdDynModule"), second);
  CDBDoc::m_pDBDoc = doc.get();
  EXPECT_EQ(GetCmdDynModule(), first);
}

TEST_F(CmdDynModuleTest, NoDocumentNoObject) {
  CDBDoc::m_pDBDoc = nullptr;
  EXPECT_EQ(GetCmdDynModule(), nullptr);
  CDataDasb d = Sample(9);
  EXPECT_EQ(ICmdData::GetInstance()->GetDasb(&d), 1);
  EXPECT_EQ(d.m_nKey, 0u) << "the defaults";
  EXPECT_DOUBLE_EQ(d.m_Data.meshSize, T_DASB_D().meshSize);
  CDBDoc::m_pDBDoc = doc.get();
}

TEST_F(CmdDynModuleTest, StartsWithDefaultsTakenInTheUnitsOfItsCreation) {
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "mm"));
  CCmdDynModule* m = GetCmdDynModule();
  // The default mesh size 1.0 was read as 1 mm.
  EXPECT_DOUBLE_EQ(m->GetStoredDasb()->m_Data.meshSize, 0.001);
  CDataDasb out;
  m->GetDasb(&out);
  EXPECT_DOUBLE_EQ(out.m_Data.meshSize, 1.0);
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "m"));
  m->GetDasb(&out);
  EXPECT_DOUBLE_EQ(out.m_Data.meshSize, 0.001);
}

TEST_F(CmdDynModuleTest, SetThenGetUnderUnchangedUnits) {
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("N", "mm"));
  CCmdDynModule* m = GetCmdDynModule();
  const CDataDasb in = Sample(7);
  CDataDasb caller = in;
  m->SetDasb(&caller);
  EXPECT_DOUBLE_EQ(caller.m_Data.meshSize, 250.0) << "the caller's record is left as it was";
  EXPECT_DOUBLE_EQ(m->GetStoredDasb()->m_Data.meshSize, 0.25) << "stored in internal units";
  CDataDasb out;
  out.m_nKey = 99;
  m->GetDasb(&out);
  EXPECT_EQ(out.m_nKey, 7u);
  EXPECT_DOUBLE_EQ(out.m_Data.meshSize, 250.0);
  EXPECT_EQ(out.m_Data.wind, 1);
  EXPECT_EQ(out.m_Data.punchingCheck, 1);
  EXPECT_EQ(out.m_Data.deadLoad, 0);
  EXPECT_DOUBLE_EQ(m->GetStoredDasb()->m_Data.meshSize, 0.25) << "reading changes nothing stored";
}

TEST_F(CmdDynModuleTest, GetAfterAUnitChangeGivesTheSameSettingsInTheNewUnits) {
  CCmdDynModule* m = GetCmdDynModule();
  CDataDasb in = Sample(3);
  in.m_Data.meshSize = 0.5;  // m
  m->SetDasb(&in);
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "cm"));
  CDataDasb out;
  m->GetDasb(&out);
  EXPECT_EQ(out.m_nKey, 3u);
  EXPECT_DOUBLE_EQ(out.m_Data.meshSize, 50.0);
  EXPECT_DOUBLE_EQ(m->GetStoredDasb()->m_Data.meshSize, 0.5);
}

TEST_F(CmdDynModuleTest, CallBackReturnsOneAlsoWhenItCreatesTheObject) {
  ASSERT_EQ(doc->GetDynModuleMgr()->GetDynModule("CCmdDynModule"), nullptr);
  CDataDasb d = Sample(5);
  EXPECT_EQ(ICmdData::ReadDasb(d), 1);
  EXPECT_NE(doc->GetDynModuleMgr()->GetDynModule("CCmdDynModule"), nullptr);
  EXPECT_EQ(d.m_nKey, 0u);
  CDataDasb set = Sample(12);
  GetCmdDynModule()->SetDasb(&set);
  CDataDasb back;
  EXPECT_EQ(ICmdData::GetInstance()->GetDasb(&back), 1);
  EXPECT_EQ(back.m_nKey, 12u);
  EXPECT_DOUBLE_EQ(back.m_Data.meshSize, 250.0);
}

TEST_F(CmdDynModuleTest, EachDocumentKeepsItsOwnSettings) {
  CDataDasb a = Sample(1);
  GetCmdDynModule()->SetDasb(&a);
  {
    CDBDoc other;
    CDataDasb fresh;
    GetCmdDynModule()->GetDasb(&fresh);
    EXPECT_EQ(fresh.m_nKey, 0u);
    CDataDasb b = Sample(2);
    GetCmdDynModule()->SetDasb(&b);
  }
  CDBDoc::m_pDBDoc = doc.get();
  CDataDasb back;
  GetCmdDynModule()->GetDasb(&back);
  EXPECT_EQ(back.m_nKey, 1u);
}

}  // namespace
