// The levels page through cmdhost's lines: a test command opens it in the test host
// dialog on the current document; the user's lines name the page's controls by id.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioRunner.h"
#include "tests/levels/LevelsPageHost.h"

namespace {

// The page the command opened; a test ends it.
std::unique_ptr<CLevelsPageHost> s_host;

struct LevelsPageCommand {
  LevelsPageCommand() {
    CScenarioCommands::Register("test levels page", 0, 0, [](CScenarioContext& ctx) {
      s_host = std::make_unique<CLevelsPageHost>();
      if (!s_host->CreateModeless()) return CScenarioStatus::Bad("no levels page");
      ctx.Session().m_pDialog = s_host.get();
      return CScenarioStatus::Ok();
    });
  }
} s_levelsPageCommand;

TEST(LevelsPageScenario, StandardFloorsTowersAndStoriesAreMadeFromTheLines) {
  CScenarioRunner runner;
  std::ostringstream out;
  CScenarioStatus s = runner.RunText("levels.scn",
                                     "new\n"
                                     "test levels page\n"
                                     "type 16372 2\n"
                                     "rows 16371 1\n"
                                     "click 16363\n"
                                     "expect count PLAN 3\n"
                                     "expect field PLAN 2 name P50001\n"
                                     "type 16375 11\n"
                                     "click 16365\n"
                                     "expect message \"At most 10 can be made at once.\"\n"
                                     "expect count MDUL 1\n"
                                     "type 16375 1\n"
                                     "click 16365\n"
                                     "expect count MDUL 2\n"
                                     "tab 16391 #1\n"
                                     "choose 16384 P50002\n"
                                     "type 16378 2\n"
                                     "click 16368\n"
                                     "expect field STOR 2 mdulKey 2\n"
                                     "expect field STOR 3 name 50002F\n"
                                     "expect field STOR 3 planKey 3\n"
                                     "show grid 16377\n",
                                     out);
  s_host.reset();
  EXPECT_TRUE(s.IsOk()) << out.str() << s.GetText().str();
  std::string text = out.str();
  EXPECT_NE(std::string::npos, text.find("50002F")) << text;
}

}  // namespace
