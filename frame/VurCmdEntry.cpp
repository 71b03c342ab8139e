// Load and unload of the command module.
//
// Global objects, built at load in this order before the module's other static objects
// (init_priority; the resource table registers itself earlier still, at 101):
//   1. a CLoadingStatus named "vur_cmd" (never destroyed);
//   2. the ICmdDataImpl instance (the database library's ICmdData call-back);
//   3. ICmdDialog::m_pt = (0, 0);
//   4. the ICmdDialog instance, which registers the dialog interface "cmd".
// Then the entry runs for the attach (after the static objects, as a loader calls a
// module's entry): the module joins the resource chain. (The class library's raw entry, which
// sets aside the module's run-time class list before the static objects run, has nothing to
// do here: the process keeps one run-time class list, afx/CDynLinkLibrary.h.) At unload the entry runs for the
// detach, then the ICmdDialog and ICmdDataImpl instances end, the dialog interface first.
#include "frame/VurCmdEntry.h"

#include "afx/CDynLinkLibrary.h"
#include "frame/ICmdDataImpl.h"
#include "frame/ICmdDialog.h"
#include "ui/CLoadingStatus.h"

namespace {

AFX_EXTENSION_MODULE s_extensionDLL;

// Made on the heap and never destroyed.
struct LoadingStatus {
  CLoadingStatus* p = new CLoadingStatus("vur_cmd");
};
[[maybe_unused]] LoadingStatus s_loadingStatus __attribute__((init_priority(110)));
[[maybe_unused]] ICmdDataImpl s_cmdData __attribute__((init_priority(111)));

}  // namespace

CPoint ICmdDialog::m_pt __attribute__((init_priority(112))) = CPoint(0, 0);

namespace {

[[maybe_unused]] ICmdDialog s_cmdDialog __attribute__((init_priority(113)));

// The loader's calls: attach at load, detach at unload.
struct ModuleEntry {
  ModuleEntry() { VurCmdDllMain("vur_cmd", VURCMD_PROCESS_ATTACH); }
  ~ModuleEntry() { VurCmdDllMain("vur_cmd", VURCMD_PROCESS_DETACH); }
};
[[maybe_unused]] ModuleEntry s_entry __attribute__((init_priority(114)));

}  // namespace

extern "C" void _Init_VUR_cmddll() {}

int VurCmdDllMain(HINSTANCE hInstance, DWORD dwReason) {
  if (dwReason == VURCMD_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(s_extensionDLL, hInstance)) return 0;
    new CDynLinkLibrary(s_extensionDLL, FALSE);  // joined for the rest of the process
  } else if (dwReason == VURCMD_PROCESS_DETACH) {
    AfxTermExtensionModule(s_extensionDLL, FALSE);
  }
  return 1;
}

const AFX_EXTENSION_MODULE& VurCmdExtensionModule() { return s_extensionDLL; }
