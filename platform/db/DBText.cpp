#include "db/DBText.h"

namespace {
DB_TEXT_FUNC& Func() {
  static DB_TEXT_FUNC f = nullptr;
  return f;
}
}  // namespace

void DB_SetTextFunc(DB_TEXT_FUNC fn) { Func() = fn; }

CString DB_LoadText(const char* key) {
  const char* t = Func() && key ? Func()(key) : key;
  return CString(t ? t : "");
}
