// The registry of scenario commands. Every command of cmdhost, the built-in ones included,
// is registered here, so that any library or module adds its own without touching the
// runner.
//
// A command's name is one, two or three words ("echo", "show messages", "expect message
// key"); a line names the command whose name matches the most leading unquoted words.
// The runner checks the argument count (the words after the name) against the command's
// minimum and maximum (-1: no maximum) and reports a bad line itself; a handler checks the
// meaning of its words and returns CScenarioStatus::Bad for one it cannot use.
//
// A block command (`modal NAME` ... `end`) owns the lines up to its matching `end`; they
// are parsed with the file and handed to the handler as ctx.Block(), which it runs with
// ctx.Run (lines may hold block commands in turn).
//
// Register at load with a registrar object in the command's own file:
//
//   static CScenarioStatus Echo(CScenarioContext& ctx) {
//     ctx.Out() << ctx.Join(0) << '\n';
//     return CScenarioStatus::Ok();
//   }
//   static const CScenarioCommandRegistrar s_echo("echo", 0, -1, Echo, "WORDS...");
//
// A handler prints its lines to ctx.Out(); shared state lives in the session
// (host/CHostSession.h). Output must be deterministic: no addresses, times or hash orders.
#pragma once
#include <functional>
#include <vector>
#include "afx/CString.h"
#include "host/CScenarioContext.h"

typedef std::function<CScenarioStatus(CScenarioContext&)> CScenarioHandler;

struct CScenarioCommand {
  CString m_strName;
  int m_nMinArgs = 0;
  int m_nMaxArgs = -1;
  BOOL m_bBlock = FALSE;
  CScenarioHandler m_handler;
  CString m_strUsage;  // the arguments, for help: "ID TEXT"
};

class CScenarioCommands {
 public:
  // Adds a command; returns 0 (and changes nothing) when the name is taken, empty or
  // longer than three words.
  static BOOL Register(const char* name, int minArgs, int maxArgs, CScenarioHandler handler,
                       const char* usage = "");
  static BOOL RegisterBlock(const char* name, int minArgs, int maxArgs, CScenarioHandler handler,
                            const char* usage = "");
  // The command the leading unquoted words name (longest name first), with the number of
  // words its name takes; NULL when none.
  static const CScenarioCommand* Find(const std::vector<CScenarioWord>& words, int& nameWords);
  // Every command in name order.
  static std::vector<const CScenarioCommand*> All();
};

// Registers a command when its library loads.
struct CScenarioCommandRegistrar {
  CScenarioCommandRegistrar(const char* name, int minArgs, int maxArgs, CScenarioHandler handler,
                            const char* usage = "") {
    CScenarioCommands::Register(name, minArgs, maxArgs, std::move(handler), usage);
  }
};
struct CScenarioBlockRegistrar {
  CScenarioBlockRegistrar(const char* name, int minArgs, int maxArgs, CScenarioHandler handler,
                          const char* usage = "") {
    CScenarioCommands::RegisterBlock(name, minArgs, maxArgs, std::move(handler), usage);
  }
};
