#include "ui/GMsg.h"

#include <cstdarg>
#include <cstdio>
#include "ui/CMsgDll.h"

namespace {
CString FormatKey(LPCTSTR key, va_list args) {
  const char* fmt = CMsgDll::pfuncLoadStr(key ? key : "", 0);
  char buf[4096];
  int n = std::vsnprintf(buf, sizeof buf, fmt ? fmt : "", args);
  if (n < 0) return CString();
  return CString(buf);
}
}  // namespace

CString GMakeMsg(LPCTSTR key, ...) {
  va_list args;
  va_start(args, key);
  CString s = FormatKey(key, args);
  va_end(args);
  return s;
}

void GMsgOut(LPCTSTR text) { CMsgDll::pfuncMsgOut(text ? text : ""); }

void GMsgOutFormatNF(LPCTSTR key, ...) {
  va_list args;
  va_start(args, key);
  CString s = FormatKey(key, args);
  va_end(args);
  GMsgOut(s);
}

void GMsgOutNF(LPCTSTR key, int nFlag, CWnd* pWnd) {
  (void)nFlag;
  (void)pWnd;
  const char* text = CMsgDll::pfuncLoadStr(key ? key : "", 0);
  GMsgOut(text ? text : "");
}
