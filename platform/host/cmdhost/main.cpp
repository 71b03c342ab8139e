// cmdhost [-v] [-e LINE]... [FILE]...: runs scenario files, each against a fresh host, then
// the -e lines as one more scenario; with neither, the built-in quick start. -v prints each
// line above its output. Exit code: 0 when everything ran and held, 1 on the first failed
// expect or a file a line could not write, 2 on a line it cannot understand. Local time is
// UTC.
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <vector>
#include "QuickStart.h"
#include "frame/VurCmdEntry.h"
#include "host/CScenarioRunner.h"

namespace {

const char kUsage[] =
    "usage: cmdhost [-v] [-e LINE]... [FILE]...\n"
    "  runs scenario files, each against a fresh host, then the -e lines as one scenario;\n"
    "  with neither, runs the built-in quick start. `cmdhost -e help` lists the commands.\n"
    "  -v  prints each line, as `> LINE`, above what it prints\n"
    "  exit code: 0 all held, 1 an expect failed or a file could not be written,\n"
    "  2 a line could not be understood\n";

}  // namespace

int main(int argc, char** argv) {
  // Local time is UTC, so that the dates a dialog shows read alike on every machine.
  setenv("TZ", "UTC", 1);
  tzset();
  _Init_VUR_cmddll();  // loads the command module, which registers its dialog interface
  std::vector<CString> files;
  CString lines;
  BOOL haveLines = FALSE;
  BOOL options = TRUE;
  BOOL verbose = FALSE;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    if (options && std::strcmp(a, "--") == 0) {
      options = FALSE;
    } else if (options && std::strcmp(a, "-e") == 0) {
      if (i + 1 >= argc) {
        std::cerr << kUsage;
        return 2;
      }
      if (haveLines) lines += '\n';
      lines += argv[++i];
      haveLines = TRUE;
    } else if (options && std::strcmp(a, "-v") == 0) {
      verbose = TRUE;
    } else if (options && (std::strcmp(a, "-h") == 0 || std::strcmp(a, "--help") == 0)) {
      std::cout << kUsage;
      return 0;
    } else if (options && a[0] == '-' && a[1] != '\0') {
      std::cerr << "cmdhost: unknown option " << a << '\n' << kUsage;
      return 2;
    } else {
      files.push_back(a);
    }
  }

  CScenarioRunner runner;
  runner.SetVerbose(verbose);
  CScenarioStatus s;
  if (files.empty() && !haveLines) s = runner.RunText(kQuickStartName, kQuickStart, std::cout);
  for (size_t i = 0; i < files.size() && s.IsOk(); ++i) s = runner.RunFile(files[i], std::cout);
  if (haveLines && s.IsOk()) s = runner.RunText("-e", lines, std::cout);
  std::cout.flush();
  return CScenarioRunner::ExitCode(s);
}
