#include "ui/CMsgDll.h"

#include "db/DBText.h"

namespace {
const char* KeyItself(const char* key, int) { return key ? key : ""; }
void Drop(const char*) {}
// The database library's texts come through the application's loader too.
const char* DbText(const char* key) { return CMsgDll::pfuncLoadStr ? CMsgDll::pfuncLoadStr(key, 0) : key; }
const struct DbTextInstaller {
  DbTextInstaller() { DB_SetTextFunc(&DbText); }
} s_dbText;
}  // namespace

const char* (*CMsgDll::pfuncLoadStr)(const char*, int) = KeyItself;
void (*CMsgDll::pfuncMsgOut)(const char*) = Drop;

CString CMsgDll::RemoveQuote(const CString& text) {
  int n = text.GetLength();
  if (n >= 2 && text[0] == '"' && text[n - 1] == '"') return text.Mid(1, n - 2);
  return text;
}
