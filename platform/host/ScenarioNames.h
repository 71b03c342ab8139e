// Names for ids in scenario lines. A control or dialog template may be written by its name
// in the module's resource header (IDC_..., IDD_...), as well as by its number; the runner
// resolves such words through the resource tables the resource tool compiled, before any
// line runs, so that every command that reads an id or a TEMPLATE:ID word takes names.
//
// A word is resolved when it is unquoted, no text key, and is such a name or a
// TEMPLATE:ID pair with a name on either side; a quoted word stays the text it is.
#pragma once
#include "afx/CString.h"

// Replaces the names in word by their numbers. FALSE, with the name in unknown, when a
// name is defined by no module; word is then unchanged.
BOOL HostResolveIdNames(CString& word, CString& unknown);
