// Text keys: every text the user sees is a key ("IDS_...") resolved through
// CMsgDll::pfuncLoadStr (key, 0). The application installs the function at start; the
// text it returns stays valid while the application runs. Until one is installed, a key
// resolves to itself.
#pragma once
#include "afx/afx.h"

struct CMsgDll {
  // (key, 0) -> the key's text. The second argument is unused and passed as 0.
  static const char* (*pfuncLoadStr)(const char* key, int);
  // The application's message window: the application installs the function that appends
  // one line to it. Until one is installed the line is dropped.
  static void (*pfuncMsgOut)(const char* line);

  // The text without one pair of surrounding double quotes ("\"Beam\"" -> "Beam"); other
  // texts as they are.
  static CString RemoveQuote(const CString& text);
};
