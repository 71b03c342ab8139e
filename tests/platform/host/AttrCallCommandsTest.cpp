// `show attrcalls`, `expect attrcall WORDS...`, `expect attrcalls N`: the attribute
// control's call log as a scenario reads it.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include "db/CDBDoc.h"
#include "db/CMembDataCtrl.h"
#include "host/CScenarioRunner.h"

namespace {

TEST(AttrCallCommands, PrintAndExpectTheCallsInOrder) {
  CMembDataCtrl::ClearCalls();
  {
    CDBDoc doc;
    doc.NewSampleModel();
    CStringArray fields;
    fields.Add("storyKey=3");
    CString bad;
    ASSERT_EQ(doc.PutRecord("PONT", 1, fields, bad), 1);
    CMembDataCtrl ctrl;
    ctrl.m_nObjClass = CMembDataCtrl::OBJ_PONT, ctrl.m_nObjKey = 1;
    ASSERT_TRUE(ctrl.ModifyPontCoordX(2.5));
    ctrl.m_nObjClass = CMembDataCtrl::OBJ_SLAB, ctrl.m_nObjKey = 7;
    ASSERT_FALSE(ctrl.ModifySlabLoad("4, 2"));
  }
  CScenarioRunner runner;
  std::ostringstream out;
  ASSERT_TRUE(runner.RunText("t.scn",
                             "show attrcalls\n"
                             "expect attrcalls 2\n"
                             "expect attrcall 5:7 ModifySlabLoad \"4, 2\"\n"
                             "expect attrcall 5:7\n",
                             out)
                  .IsOk())
      << out.str();
  EXPECT_EQ(out.str(),
            "attrcalls 2\n"
            "call 1 0:1 ModifyPontCoordX 2.5 result=1\n"
            "call 2 5:7 ModifySlabLoad \"4, 2\" result=0\n");
  // A call that begins otherwise, or a count that differs, fails the line.
  for (const char* line : {"expect attrcall 5:7 ModifyMembLVL\n", "expect attrcall 0:1\n", "expect attrcalls 3\n",
                           "expect attrcall 5:7 ModifySlabLoad \"4, 2\" extra\n"}) {
    std::ostringstream o;
    EXPECT_FALSE(runner.RunText("t.scn", line, o).IsOk()) << line;
  }
  CMembDataCtrl::ClearCalls();
}

}  // namespace
