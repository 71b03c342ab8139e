#include "ui/CMsgDll.h"

namespace {
const char* KeyItself(const char* key, int) { return key ? key : ""; }
void Drop(const char*) {}
}  // namespace

const char* (*CMsgDll::pfuncLoadStr)(const char*, int) = KeyItself;
void (*CMsgDll::pfuncMsgOut)(const char*) = Drop;

CString CMsgDll::RemoveQuote(const CString& text) {
  int n = text.GetLength();
  if (n >= 2 && text[0] == '"' && text[n - 1] == '"') return text.Mid(1, n - 2);
  return text;
}
