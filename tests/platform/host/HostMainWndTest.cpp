#include <gtest/gtest.h>

#include <sstream>
#include "host/CHostApp.h"

namespace {

TEST(HostMainWnd, RecordsAndPrintsCommandsInOrder) {
  CHostApp app;
  std::ostringstream out;
  app.SetOutput(&out);
  app.GetMainWnd().RecordCommand(33041, TRUE);
  app.GetMainWnd().RecordCommand(34523, FALSE);
  const std::vector<CHostCommand>& log = app.GetMainWnd().GetCommands();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].m_nID, 33041u);
  EXPECT_TRUE(log[0].m_bPosted);
  EXPECT_EQ(log[1].m_nID, 34523u);
  EXPECT_FALSE(log[1].m_bPosted);
  EXPECT_EQ(out.str(), "command 33041 posted\ncommand 34523 sent\n");
}

TEST(HostMessageLog, PrintsBoxesAndOutputLinesQuoted) {
  CHostMessageLog log;
  std::ostringstream out;
  log.SetOutput(&out);
  log.AddBox("say \"hi\"\n", 48);
  log.AddOutput("line");
  EXPECT_EQ(out.str(), "message \"say \\\"hi\\\"\\n\" 48\noutput \"line\"\n");
  ASSERT_NE(log.LastBox(), nullptr);
  EXPECT_EQ(log.LastBox()->m_nStyle, 48u);
  EXPECT_EQ(log.LastBox(1), nullptr);
}

}  // namespace
