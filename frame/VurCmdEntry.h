// The command module's exported initialiser. Calling it does nothing; a program that calls
// it links the module, and loading the module builds its global objects and joins it to the
// resource chain (frame/VurCmdEntry.cpp).
#pragma once
#include "afx/AfxTypes.h"

extern "C" void _Init_VUR_cmddll();

// The module's entry, as the loader calls it: reason VURCMD_PROCESS_ATTACH joins the module's
// resources to the chain (0 when that fails: the load is refused), VURCMD_PROCESS_DETACH
// takes them out; the thread reasons do nothing. Returns 1 otherwise. The module calls it
// itself at load and at unload.
enum : DWORD {
  VURCMD_PROCESS_DETACH = 0,
  VURCMD_PROCESS_ATTACH = 1,
  VURCMD_THREAD_ATTACH = 2,
  VURCMD_THREAD_DETACH = 3
};
int VurCmdDllMain(HINSTANCE hInstance, DWORD dwReason);
// The module's extension-module record (its resource table once joined).
const struct AFX_EXTENSION_MODULE& VurCmdExtensionModule();
