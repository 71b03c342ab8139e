// Writes an RcScript as C++: the AFX_DLGITEM, AFX_DLGTEMPLATE, AFX_BITMAPRES and AFX_RESNAME
// arrays and the module's AFX_RESOURCE_TABLE, registered at load ahead of the module's
// ordinary static initialisers, so that the module's entry finds it.
#pragma once
#include <string>

#include "afx/rcgen/RcScript.h"

std::string RcWriteTable(const RcScript& script, const std::string& module,
                         const std::string& source);
