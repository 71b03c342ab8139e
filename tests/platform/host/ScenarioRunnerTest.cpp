#include <gtest/gtest.h>

#include <sstream>
#include "host/CHostApp.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioRunner.h"

namespace {

struct RunOutcome {
  CScenarioStatus status;
  std::string out;
};

RunOutcome RunText(const char* text) {
  CScenarioRunner runner;
  std::ostringstream out;
  RunOutcome r;
  r.status = runner.RunText("t.scn", text, out);
  r.out = out.str();
  return r;
}

// Test commands: a message box, a command to the main window, a block that runs its lines
// twice, and a command that reports a failure the way a dialog script does.
struct TestCommands {
  TestCommands() {
    CScenarioCommands::Register("test box", 1, 1, [](CScenarioContext& ctx) {
      int answer = AfxMessageBox(ctx.Arg(0), MB_YESNO);
      ctx.Out() << "answered " << answer << '\n';
      return CScenarioStatus::Ok();
    });
    CScenarioCommands::Register("test dialog", 0, 0, [](CScenarioContext& ctx) {
      ctx.Session().MarkDialogAction();
      return CScenarioStatus::Ok();
    });
    CScenarioCommands::Register("test post", 1, 1, [](CScenarioContext& ctx) {
      UINT id = 0;
      if (!ctx.ArgUInt(0, id)) return CScenarioStatus::Bad("not an id");
      AfxGetMainWnd()->PostMessage(WM_COMMAND, id, 0);
      return CScenarioStatus::Ok();
    });
    CScenarioCommands::Register("test send", 1, 1, [](CScenarioContext& ctx) {
      UINT id = 0;
      if (!ctx.ArgUInt(0, id)) return CScenarioStatus::Bad("not an id");
      AfxGetMainWnd()->SendMessage(WM_COMMAND, id, 0);
      return CScenarioStatus::Ok();
    });
    CScenarioCommands::RegisterBlock("test twice", 0, 0, [](CScenarioContext& ctx) {
      CScenarioStatus s = ctx.Run(ctx.Block());
      return s.IsOk() ? ctx.Run(ctx.Block()) : s;
    });
    CScenarioCommands::RegisterBlock("test swallow", 0, 0, [](CScenarioContext& ctx) {
      CScenarioStatus s = ctx.Run(ctx.Block());
      if (!s.IsOk()) ctx.Session().SetPendingStatus(s);
      return CScenarioStatus::Ok();
    });
    CScenarioCommands::Register("test refuse", 0, -1, [](CScenarioContext& ctx) {
      return ctx.Refused();
    });
    CScenarioCommands::Register("test result", 1, 1, [](CScenarioContext& ctx) {
      int n = 0;
      if (!ctx.ArgInt(0, n)) return CScenarioStatus::Bad("not a number");
      ctx.Session().SetResult(n);
      ctx.Session().Slot<int>() += n;
      ctx.Out() << "sum " << ctx.Session().Slot<int>() << '\n';
      return CScenarioStatus::Ok();
    });
  }
};
const TestCommands s_testCommands;

TEST(ScenarioRunner, ExitCodes) {
  const struct {
    const char* text;
    int code;
    int line;  // where a failure is reported
  } cases[] = {
      {"", 0, 0},
      {"echo a\n# comment\n\n  echo b # trailing\n", 0, 0},
      {"test box hi\nexpect message hi\nexpect message \"hi\"", 0, 0},
      {"test box hi\nexpect message ho\necho never", 1, 2},
      {"expect message ho", 1, 1},
      {"expect nomessage\ntest box a\ntest dialog\nexpect nomessage", 0, 0},
      {"test dialog\ntest box a\nexpect nomessage", 1, 3},
      {"test post 33041\nexpect command 33041", 0, 0},
      {"expect result 1", 1, 1},
      {"test result 1\nexpect result 1\ntest result -2\nexpect result -2", 0, 0},
      {"test result 1\nexpect result 2", 1, 2},
      {"expect result one", 2, 1},
      {"test post 33041\nexpect command 33057", 1, 2},
      {"expect command 1", 1, 1},
      {"echo a\nfrob", 2, 2},
      {"echo \"a", 2, 1},
      {"expect command", 2, 1},
      {"expect command 1 2", 2, 1},
      {"expect command x", 2, 1},
      {"show messages now", 2, 1},
      {"\"echo\" a", 2, 1},
      {"end", 2, 1},
      {"test twice\necho in", 2, 1},
      {"test twice\nend x", 2, 2},
      {"test twice\nfrob\nend", 2, 2},
      {"test twice\ntest twice\necho in\nend\nend", 0, 0},
      {"test twice\ntest box a\nexpect message b\nend", 1, 3},
      {"test swallow\nexpect message b\nend\necho after", 1, 2},
  };
  for (const auto& c : cases) {
    RunOutcome r = RunText(c.text);
    EXPECT_EQ(CScenarioRunner::ExitCode(r.status), c.code) << c.text << "\n" << r.out;
    EXPECT_EQ(r.status.m_nLine, c.line) << c.text;
    if (c.code != 0) {
      std::string where = "t.scn:" + std::to_string(c.line) + ": ";
      EXPECT_NE(r.out.find(where), std::string::npos) << r.out;
    }
  }
}

TEST(ScenarioRunner, RefusedPrintsTheLineWithoutItsComment) {
  RunOutcome r = RunText("  test refuse 7 \"a # b\"   # why\ntest refuse");
  EXPECT_TRUE(r.status.IsOk());
  EXPECT_EQ(r.out, "refused test refuse 7 \"a # b\"\nrefused test refuse\n");
  r = RunText("test refuse 1 # comment\nexpect message x");
  EXPECT_EQ(r.out.substr(r.out.find("t.scn")), "t.scn:2: expect failed: expect message x\n  found: no message box\n");
}

TEST(ScenarioRunner, BadLineRunsNothing) {
  RunOutcome r = RunText("echo first\necho \"unterminated");
  EXPECT_EQ(r.out, "t.scn:2: cannot understand: echo \"unterminated\n  unterminated quote\n");
}

TEST(ScenarioRunner, FailedExpectReportsWhatWasFound) {
  RunOutcome r = RunText("test box \"found text\"\nexpect message wanted\necho not reached");
  EXPECT_EQ(r.out,
            "message \"found text\" 4\nanswered 6\n"
            "t.scn:2: expect failed: expect message wanted\n"
            "  found: message \"found text\" 4\n");
}

TEST(ScenarioRunner, EchoResolvesKeysAndShowListsLogs) {
  RunOutcome r = RunText(
      "echo a key:IDS_T_d \"key:IDS_T_d\"\n"
      "expect message key IDS_T_d\n");
  EXPECT_EQ(r.status.GetKind(), CScenarioStatus::failed);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "a IDS_T %d key:IDS_T_d");

  r = RunText(
      "test box a\ntest post 7\ntest box key:IDS_K_s\nexpect message key IDS_K_s\n"
      "show messages\nshow commands\n");
  EXPECT_TRUE(r.status.IsOk()) << r.out;
  EXPECT_EQ(r.out,
            "message \"a\" 4\nanswered 6\ncommand 7 posted\nmessage \"IDS_K %s\" 4\nanswered 6\n"
            "messages 2\nmessage \"a\" 4\nmessage \"IDS_K %s\" 4\n"
            "commands 1\ncommand 7 posted\n");
}

TEST(ScenarioRunner, AnswersPumpAndCommandsSentOrPosted) {
  RunOutcome r = RunText(
      "answer IDNO\ntest box a\ntest box b\n"
      "test post 33041\ntest send 33057\nexpect command 33057\npump\nexpect command 33057\n"
      "show commands\nanswer IDOK\n");
  EXPECT_TRUE(r.status.IsOk()) << r.out;
  EXPECT_EQ(r.out,
            "message \"a\" 4\nanswered 7\nmessage \"b\" 4\nanswered 6\n"
            "command 33041 posted\ncommand 33057 sent\n"
            "commands 2\ncommand 33041 posted\ncommand 33057 sent\n");
  // The next host starts clean: no answer left over, nothing queued, no message.
  r = RunText("test box c\nshow messages\n");
  EXPECT_EQ(r.out, "message \"c\" 4\nanswered 6\nmessages 1\nmessage \"c\" 4\n");
  EXPECT_EQ(CScenarioRunner::ExitCode(RunText("answer maybe").status), 2);
}

TEST(ScenarioRunner, BlocksRunTheirLinesAndSessionStateIsPerRun) {
  RunOutcome r = RunText("test twice\ntest result 2\nend\nexpect nomessage\n");
  EXPECT_TRUE(r.status.IsOk());
  EXPECT_EQ(r.out, "result 2\nsum 2\nresult 2\nsum 4\n");
  r = RunText("test result 5\n");
  EXPECT_EQ(r.out, "result 5\nsum 5\n");  // a fresh session starts from nothing
}

TEST(ScenarioCommands, LongestNameWinsAndDuplicatesAreRefused) {
  EXPECT_FALSE(CScenarioCommands::Register("echo", 0, -1, [](CScenarioContext&) {
    return CScenarioStatus::Ok();
  }));
  EXPECT_FALSE(CScenarioCommands::Register("a b c d", 0, 0, [](CScenarioContext&) {
    return CScenarioStatus::Ok();
  }));
  EXPECT_FALSE(CScenarioCommands::Register("end", 0, 0, [](CScenarioContext&) {
    return CScenarioStatus::Ok();
  }));
  std::vector<CScenarioWord> words;
  CString error;
  ASSERT_TRUE(CScenarioLexer::Split("expect message key IDS_A", words, error));
  int n = 0;
  const CScenarioCommand* c = CScenarioCommands::Find(words, n);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->m_strName, "expect message key");
  EXPECT_EQ(n, 3);
  ASSERT_TRUE(CScenarioLexer::Split("expect message \"key\"", words, error));
  c = CScenarioCommands::Find(words, n);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->m_strName, "expect message");
}

}  // namespace

TEST(ScenarioRunner, AFileThatCannotBeReadIsABadRun) {
  const std::string dir = ::testing::TempDir();  // a directory opens but reads nothing
  for (const char* path : {dir.c_str(), "/no/such/scenario.scn"}) {
    CScenarioRunner runner;
    std::ostringstream out;
    CScenarioStatus s = runner.RunFile(path, out);
    EXPECT_EQ(CScenarioRunner::ExitCode(s), 2) << path;
    EXPECT_NE(out.str().find("cannot read the file"), std::string::npos) << path;
  }
}
