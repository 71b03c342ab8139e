// Loading the module: the global objects it builds, the dialog interface "cmd", the
// resource chain, and the empty initialiser.
#include <gtest/gtest.h>

#include "afx/CDynLinkLibrary.h"
#include "db/ICmdData.h"
#include "frame/ICmdDataImpl.h"
#include "frame/ICmdDialog.h"
#include "frame/VurCmdEntry.h"
#include "ui/CLoadingStatus.h"
#include "ui/IDlgIntf.h"

namespace {

TEST(ModuleLoad, GlobalObjectsExistOnceLoaded) {
  _Init_VUR_cmddll();
  IDlgIntf* cmd = IDlgIntf::Find("cmd");
  ASSERT_NE(cmd, nullptr);
  EXPECT_NE(dynamic_cast<ICmdDialog*>(cmd), nullptr);
  EXPECT_STREQ(cmd->GetName(), "cmd");
  EXPECT_EQ(IDlgIntf::Find("Cmd"), nullptr) << "the registry compares names exactly";

  EXPECT_NE(dynamic_cast<ICmdDataImpl*>(ICmdData::GetInstance()), nullptr);
  EXPECT_EQ(ICmdDialog::m_pt, CPoint(0, 0));

  const CStringArray& loaded = CLoadingStatus::GetLoadedModules();
  int seen = 0;
  for (int i = 0; i < loaded.GetSize(); ++i) seen += loaded[i] == "vur_cmd";
  EXPECT_EQ(seen, 1);
}

TEST(ModuleLoad, JoinedTheResourceChain) {
  const AFX_EXTENSION_MODULE& m = VurCmdExtensionModule();
  ASSERT_TRUE(m.bInitialized);
  EXPECT_STREQ(m.hModule, "vur_cmd");
  bool inChain = false;
  for (CDynLinkLibrary* p = CDynLinkLibrary::GetFirst(); p; p = p->m_pNextDLL) inChain |= p->m_pTable == m.pTable;
  EXPECT_TRUE(inChain);
  // The module's own templates resolve through the chain.
  EXPECT_NE(AfxFindDialogTemplate(14013), nullptr);
}

TEST(ModuleLoad, InitialiserHasNoEffectHoweverOftenCalled) {
  IDlgIntf* before = IDlgIntf::Find("cmd");
  ICmdData* data = ICmdData::GetInstance();
  int modules = CLoadingStatus::GetLoadedModules().GetSize();
  int chain = 0;
  for (CDynLinkLibrary* p = CDynLinkLibrary::GetFirst(); p; p = p->m_pNextDLL) ++chain;
  for (int i = 0; i < 3; ++i) _Init_VUR_cmddll();
  int chainAfter = 0;
  for (CDynLinkLibrary* p = CDynLinkLibrary::GetFirst(); p; p = p->m_pNextDLL) ++chainAfter;
  EXPECT_EQ(IDlgIntf::Find("cmd"), before);
  EXPECT_EQ(ICmdData::GetInstance(), data);
  EXPECT_EQ(CLoadingStatus::GetLoadedModules().GetSize(), modules);
  EXPECT_EQ(chainAfter, chain);
}

TEST(ModuleLoad, EntryAnswersOneForThreadReasons) {
  EXPECT_EQ(VurCmdDllMain("vur_cmd", VURCMD_THREAD_ATTACH), 1);
  EXPECT_EQ(VurCmdDllMain("vur_cmd", VURCMD_THREAD_DETACH), 1);
  EXPECT_NE(AfxFindDialogTemplate(14013), nullptr) << "thread reasons change nothing";
}

TEST(ModuleLoad, CopiesOfTheInterfaceDoNotTakeTheRegistration) {
  auto* cmd = dynamic_cast<ICmdDialog*>(IDlgIntf::Find("cmd"));
  ASSERT_NE(cmd, nullptr);
  {
    ICmdDialog copy(*cmd);
    EXPECT_STREQ(copy.GetName(), "cmd");
    EXPECT_EQ(copy.Dlg_DoModal("no such dialog", nullptr), -1);
  }
  EXPECT_EQ(IDlgIntf::Find("cmd"), cmd) << "the copy's end leaves the registered object in place";
}

}  // namespace
