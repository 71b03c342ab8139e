// Texts of text keys for the few reads of the library that answer with a text (a member
// type's name). The UI library installs the application's loader when it loads; until
// then a key is its own text.
#pragma once
#include "afx/CString.h"

typedef const char* (*DB_TEXT_FUNC)(const char* key);
void DB_SetTextFunc(DB_TEXT_FUNC fn);
CString DB_LoadText(const char* key);
