// The resource registry and the chain of extension modules.
#include <gtest/gtest.h>

#include "afx/CDynLinkLibrary.h"
#include "platform/afx/test_resource.h"

namespace {

// Two modules that both define template 500; only the first has bitmap 600.
const AFX_DLGTEMPLATE kDialogsA[] = {{500, "A", 0, 0, 10, 10, 0, 0, "", 0, nullptr, 0},
                                     {501, "A only", 0, 0, 10, 10, 0, 0, "", 0, nullptr, 0}};
const AFX_DLGTEMPLATE kDialogsB[] = {{500, "B", 0, 0, 10, 10, 0, 0, "", 0, nullptr, 0}};
const AFX_BITMAPRES kBitmapsA[] = {{600, "a.bmp", 4, 4}};
// Names, sorted: A gives 500 a control name too; B renames what A calls IDD_CHAIN_SHARED.
const AFX_RESNAME kNamesA[] = {{"IDC_CHAIN_500", 500}, {"IDD_CHAIN_A", 500}, {"IDD_CHAIN_SHARED", 501}};
const AFX_RESNAME kNamesB[] = {{"IDD_CHAIN_SHARED", 502}};
const AFX_RESOURCE_TABLE kTableA = {"chain_a", kDialogsA, 2, kBitmapsA, 1, kNamesA, 3};
const AFX_RESOURCE_TABLE kTableB = {"chain_b", kDialogsB, 1, nullptr, 0, kNamesB, 1};

class ResourceChain : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxRegisterResourceTable(&kTableA);
    AfxRegisterResourceTable(&kTableB);
  }
  void TearDown() override {
    AfxTermExtensionModule(m_a);
    AfxTermExtensionModule(m_b);
  }
  AFX_EXTENSION_MODULE m_a, m_b;
};

TEST_F(ResourceChain, ModuleWithoutTableFailsInit) {
  AFX_EXTENSION_MODULE m;
  EXPECT_FALSE(AfxInitExtensionModule(m, "no_such_module"));
  EXPECT_FALSE(m.bInitialized);
  EXPECT_EQ(m.pTable, nullptr);
  EXPECT_FALSE(AfxInitExtensionModule(m, nullptr));
  EXPECT_EQ(AfxGetResourceTable("no_such_module"), nullptr);
}

TEST_F(ResourceChain, RegisteredTableIsUnreachableUntilItsModuleJoins) {
  EXPECT_EQ(AfxGetResourceTable("chain_a"), &kTableA);
  EXPECT_EQ(AfxFindDialogTemplate(501), nullptr);
  ASSERT_TRUE(AfxInitExtensionModule(m_a, "chain_a"));
  EXPECT_TRUE(AfxInitExtensionModule(m_a, "chain_a")) << "a second init changes nothing";
  EXPECT_STREQ(m_a.hModule, "chain_a");
  EXPECT_EQ(AfxFindDialogTemplate(501), nullptr);
  new CDynLinkLibrary(m_a, FALSE);
  ASSERT_NE(AfxFindDialogTemplate(501), nullptr);
  EXPECT_STREQ(AfxFindDialogTemplate(501)->caption, "A only");
  ASSERT_NE(AfxFindBitmap(600), nullptr);
  EXPECT_STREQ(AfxFindBitmap(600)->file, "a.bmp");
  EXPECT_EQ(AfxFindDialogTemplate(12345), nullptr);
  EXPECT_EQ(AfxFindBitmap(12345), nullptr);
}

TEST_F(ResourceChain, LaterJoinedModuleWinsUntilItLeaves) {
  ASSERT_TRUE(AfxInitExtensionModule(m_a, "chain_a"));
  ASSERT_TRUE(AfxInitExtensionModule(m_b, "chain_b"));
  new CDynLinkLibrary(m_a, FALSE);
  new CDynLinkLibrary(m_b, FALSE);
  EXPECT_STREQ(AfxFindDialogTemplate(500)->caption, "B");
  EXPECT_STREQ(AfxFindDialogTemplate(501)->caption, "A only") << "what B lacks comes from A";
  EXPECT_NE(AfxFindBitmap(600), nullptr);
  AfxTermExtensionModule(m_b);
  EXPECT_STREQ(AfxFindDialogTemplate(500)->caption, "A");
  AfxTermExtensionModule(m_a);
  EXPECT_EQ(AfxFindDialogTemplate(500), nullptr);
  EXPECT_EQ(CDynLinkLibrary::GetFirst(), nullptr);
}

TEST_F(ResourceChain, NamesResolveThroughTheChainBothWays) {
  int id = 0;
  EXPECT_FALSE(AfxFindResourceId("IDD_CHAIN_A", id)) << "not joined yet";
  ASSERT_TRUE(AfxInitExtensionModule(m_a, "chain_a"));
  ASSERT_TRUE(AfxInitExtensionModule(m_b, "chain_b"));
  new CDynLinkLibrary(m_a, FALSE);
  ASSERT_TRUE(AfxFindResourceId("IDD_CHAIN_A", id));
  EXPECT_EQ(500, id);
  EXPECT_TRUE(AfxFindResourceId("IDD_CHAIN_SHARED", id));
  EXPECT_EQ(501, id);
  EXPECT_FALSE(AfxFindResourceId("IDD_CHAIN", id)) << "a prefix of a name is no name";
  EXPECT_FALSE(AfxFindResourceId("", id));
  EXPECT_FALSE(AfxFindResourceId(nullptr, id));
  EXPECT_STREQ(AfxFindResourceName(500, "IDD_"), "IDD_CHAIN_A") << "the prefix picks the kind";
  EXPECT_STREQ(AfxFindResourceName(500, "IDC_"), "IDC_CHAIN_500");
  EXPECT_EQ(AfxFindResourceName(777, "IDD_"), nullptr);
  new CDynLinkLibrary(m_b, FALSE);
  EXPECT_TRUE(AfxFindResourceId("IDD_CHAIN_SHARED", id));
  EXPECT_EQ(502, id) << "the later joined module first";
  EXPECT_STREQ(AfxFindResourceName(502, "IDD_"), "IDD_CHAIN_SHARED");
  // The host's own table comes before the chain.
  EXPECT_TRUE(AfxFindResourceId("IDD_TEST_OKCANCEL", id));
  EXPECT_EQ(IDD_TEST_OKCANCEL, id);
}

TEST_F(ResourceChain, HostTableIsSearchedBeforeTheChain) {
  // This executable's own table holds the test templates and is the host's.
  EXPECT_STREQ(AfxGetResourceHandle(), "test_afx");
  ASSERT_NE(AfxFindDialogTemplate(IDD_TEST_OKCANCEL), nullptr);
  EXPECT_STREQ(AfxFindDialogTemplate(IDD_TEST_OKCANCEL)->caption, "确认");
  // A module that joins with the same id does not hide the host's.
  static const AFX_DLGTEMPLATE clash[] = {{IDD_TEST_OKCANCEL, "clash", 0, 0, 1, 1, 0, 0, "", 0, nullptr, 0}};
  static const AFX_RESOURCE_TABLE clashTable = {"chain_clash", clash, 1, nullptr, 0, nullptr, 0};
  AfxRegisterResourceTable(&clashTable);
  AFX_EXTENSION_MODULE m;
  ASSERT_TRUE(AfxInitExtensionModule(m, "chain_clash"));
  new CDynLinkLibrary(m, TRUE);
  EXPECT_STREQ(AfxFindDialogTemplate(IDD_TEST_OKCANCEL)->caption, "确认");
  AfxSetResourceHandle(nullptr);
  EXPECT_STREQ(AfxFindDialogTemplate(IDD_TEST_OKCANCEL)->caption, "clash");
  AfxSetResourceHandle("test_afx");
  AfxTermExtensionModule(m);
}

}  // namespace
