// `filetime PATH YYYY-MM-DDTHH:MM`: sets the modification and access times of file PATH
// (relative to the working directory) to that moment, read as UTC, so that a dialog that
// shows a file's dates shows the same on every machine (cmdhost runs with UTC as its local
// time). A time that is not of that form is a line that cannot be understood; a file whose
// times cannot be set prints `cannot write PATH` and the run goes on, to end as failed.
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "host/CScenarioCommands.h"

namespace {

// Seconds since 1970 of a UTC moment "YYYY-MM-DDTHH:MM"; FALSE when the text is no such
// moment.
BOOL ParseMoment(const CString& text, time_t& t) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0;
  char tail = 0;
  if (text.GetLength() != 16 ||
      std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d%c", &y, &mo, &d, &h, &mi, &tail) != 5)
    return FALSE;
  if (y < 1970 || mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || h < 0 || mi < 0) return FALSE;
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  t = timegm(&tm);
  // A day the month does not have (31 April) moves into the next month: refused.
  std::tm back{};
  return gmtime_r(&t, &back) && back.tm_mday == d && back.tm_mon == mo - 1 ? TRUE : FALSE;
}

CScenarioStatus FileTime(CScenarioContext& ctx) {
  time_t t = 0;
  if (!ParseMoment(ctx.Arg(1), t)) return CScenarioStatus::Bad("a time YYYY-MM-DDTHH:MM (UTC)");
  struct timespec times[2] = {{t, 0}, {t, 0}};
  if (utimensat(AT_FDCWD, ctx.Arg(0).c_str(), times, 0) != 0) return ctx.CannotWrite(ctx.Arg(0));
  return CScenarioStatus::Ok();
}

const CScenarioCommandRegistrar s_filetime("filetime", 2, 2, FileTime, "PATH YYYY-MM-DDTHH:MM");

}  // namespace
