// The dialog factory: both tables, exact name matching, the modal path (parent, preparation,
// placement, result) and the modeless path (placement, single instance per document, the
// tab of the property sheet, Create failure) through test rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "tests/frame/FrameFixture.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "afx/CWinApp.h"
#include "db/CClassSect.h"
#include "frame/CmdDialogTable.h"
#include "factory/CmdPrepare.h"
#include "frame/ICmdDialog.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDlgModelessMgr.h"

namespace {

// ---- test dialogs -----------------------------------------------------------------------

struct ModalLog {
  int built = 0;
  CWnd* parent = nullptr;
  UINT param = 0;
  std::string prepared;  // "edit KEY NAME" or "add KEY"
};
ModalLog g_modal;

class TestModalDlg : public CDlgMove {
 public:
  TestModalDlg(CWnd* parent, UINT param) : CDlgMove(IDD_TEST_MODAL, parent) {
    ++g_modal.built;
    g_modal.parent = parent;
    g_modal.param = param;
  }
  void SetModifyData(UINT key, const T_SECT_D& rec) { g_modal.prepared = "edit " + std::to_string(key) + " " + rec.strName.str(); }
  void SetSectID(UINT key) { g_modal.prepared = "add " + std::to_string(key); }
};

CInternationalDlg* NewTestModal(CWnd* parent, UINT param) { return new TestModalDlg(parent, param); }
void PrepareSect(CInternationalDlg* dlg, UINT key) {
  CmdPrepareEditOrAdd<CClassSect, T_SECT_D>(static_cast<TestModalDlg&>(*dlg), key, &TestModalDlg::SetSectID);
}

struct ModelessLog {
  int built = 0;
  int alive = 0;
  std::vector<std::pair<int, bool>> tabs;  // tab, visible when asked
};
ModelessLog g_modeless;

class TestModelessDlg : public CDBDlgBase {
 public:
  explicit TestModelessDlg(CWnd* parent) : CDBDlgBase(0, parent) {
    ++g_modeless.built;
    ++g_modeless.alive;
  }
  ~TestModelessDlg() override { --g_modeless.alive; }
};

CDBDlgBase* NewTestModeless(CWnd* parent) { return new TestModelessDlg(parent); }

// A dialog whose window cannot be made: it ends while it is being created.
class QuitterDlg : public TestModelessDlg {
 public:
  QuitterDlg() : TestModelessDlg(nullptr) {}
  BOOL OnInitDialog() override {
    DestroyWindow();
    return TRUE;
  }
};
CDBDlgBase* NewQuitter(CWnd*) { return new QuitterDlg(); }
void ActivateTab(CDBDlgBase* dlg, int tab) { g_modeless.tabs.push_back({tab, dlg->IsWindowVisible() != 0}); }

// ---- fixture: test rows switched on for one test ---------------------------------------

class DialogFactoryTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    g_modal = ModalLog();
    g_modeless = ModelessLog();
  }
  void TearDown() override {
    for (auto& [name, row] : m_modal) CmdDialogTable::SetModalBuilder(name.c_str(), row.pfnNew, row.pfnPrepare);
    for (auto& [name, row] : m_modeless)
      CmdDialogTable::SetModelessBuilder(name.c_str(), row.pfnNew, row.pfnActivateTab, row.pTool);
    FrameTest::TearDown();
    EXPECT_EQ(g_modeless.alive, 0) << "every modeless dialog ended with its window or its document";
    AfxClearScriptQueue();
  }
  void UseModal(const char* name, CMD_MODAL_PREPARE prepare = nullptr) {
    CmdModalRow old;
    ASSERT_TRUE(CmdDialogTable::SetModalBuilder(name, NewTestModal, prepare, &old));
    m_modal.push_back({name, old});
  }
  void UseModeless(const char* name, CMD_ACTIVATE_TAB tab = nullptr, CMD_MODELESS_NEW build = NewTestModeless) {
    CmdModelessRow old;
    ASSERT_TRUE(CmdDialogTable::SetModelessBuilder(name, build, tab, nullptr, &old));
    m_modeless.push_back({name, old});
  }
  // Runs the modal factory with a script that clicks `button`; the dialog's window rectangle
  // as the script saw it goes to rect.
  int RunModal(const char* name, UINT param, int button, CRect* rect = nullptr) {
    AfxQueueDialogScript([=](CDialog& dlg) {
      if (rect) dlg.GetWindowRect(rect);
      CUserDriver(&dlg).Click(button);
    });
    int r = ICmdDialog::DoModal(name, (void*)(uintptr_t)param);
    AfxClearScriptQueue();
    return r;
  }
  static CRect MainClientOnScreen() {
    CRect r;
    AfxGetMainWnd()->GetClientRect(&r);
    AfxGetMainWnd()->ClientToScreen(&r);
    return r;
  }

  std::vector<std::pair<std::string, CmdModalRow>> m_modal;
  std::vector<std::pair<std::string, CmdModelessRow>> m_modeless;
};

// ---- the tables -------------------------------------------------------------------------

const char* const kModalNames[] = {
    "CCmdPlanStoryDlgMain", "CCmdPlanStoryDlgMain2", "CCmdPlanStoryDlgMain_Plan", "CCmdPlanStoryDlgMain_Story",
    "CCmdChangeCurPlanDlg", "CModelCtrlDlg", "CCmdAnalPerfDlg", "CMembLoadAssignDlg", "CCMSectScaleFactorDlg",
    "CCmdNamedSlabLoadDlg", "CCmdBeamLoadTypeDlg", "CEtcPzefDlg", "CModelPropMatlDlg", "CCMFiberMatPropItemDlg",
    "CCMSectItemDlg", "CModelPropThikDlg", "CCMFiberMatPropListDlg", "CNLLinkPrtListDlg", "CNLLinkPrtItemDlg",
    "CCmdAnalEigvDlg", "CCCmdAnalPDeltaDlg", "CAutoErectSeqDlg", "CCMEtcPrjConf", "CCMEtcPjst",
    "CCmdDetailSlabDlg", "CCmdPFLevelCtrlDlg"};
const char* const kModelessNames[] = {
    "CModelDefProperty", "CCMBndrGrupDefDlg", "CDefMemberName", "CCMLoadCaseDlg", "CWindRigionDefineDlg",
    "CCMStrtGrupDefDlg", "CCMSelectIdentityDlg", "CCMUnselectIdentityDlg", "CSelectActiveIdentityDlg",
    "CCmdAnalCtrlDlg", "CMActiveIdentityDlg", "CCmdDetailSlabDirDlg", "CToolsDlg", "COutLineDefineDlg"};

TEST_F(DialogFactoryTest, BothTablesHoldTheirNamesInOrder) {
  ASSERT_EQ(CmdDialogTable::GetModalCount(), 26);
  for (int i = 0; i < 26; ++i) EXPECT_STREQ(CmdDialogTable::GetModalRow(i).pszName, kModalNames[i]) << i;
  ASSERT_EQ(CmdDialogTable::GetModelessCount(), 14);
  for (int i = 0; i < 14; ++i) EXPECT_STREQ(CmdDialogTable::GetModelessRow(i).pszName, kModelessNames[i]) << i;
}

// The rows whose dialogs are not built yet. Building a dialog takes its row off the list;
// every other row must build its dialog on the row's template.
// Either list may be empty.
const std::vector<std::string> kModalNotBuilt = {};
const std::vector<std::string> kModelessNotBuilt = {};

bool Listed(const std::vector<std::string>& names, const char* name) {
  for (const std::string& n : names)
    if (n == name) return true;
  return false;
}

TEST_F(DialogFactoryTest, EveryModalRowBuildsItsDialogOnItsTemplateOrIsListedAsNotBuilt) {
  for (const std::string& n : kModalNotBuilt) EXPECT_NE(CmdDialogTable::FindModal(n.c_str()), nullptr) << n << " is no row";
  for (int i = 0; i < CmdDialogTable::GetModalCount(); ++i) {
    const CmdModalRow& row = CmdDialogTable::GetModalRow(i);
    if (row.nTemplate == 0) continue;  // the name that never builds anything, below
    if (Listed(kModalNotBuilt, row.pszName)) {
      EXPECT_EQ(row.pfnNew, nullptr) << row.pszName << " is built: take it off the list";
      EXPECT_EQ(ICmdDialog::DoModal(row.pszName, nullptr), -1) << row.pszName;
      continue;
    }
    ASSERT_NE(row.pfnNew, nullptr) << row.pszName << " is neither built nor listed as not built";
    int shown = -1;
    AfxQueueDialogScript([&shown](CDialog& dlg) {
      shown = dlg.GetTemplateID();
      dlg.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(ICmdDialog::DoModal(row.pszName, nullptr), IDCANCEL) << row.pszName;
    AfxClearScriptQueue();
    EXPECT_EQ(shown, (int)row.nTemplate) << row.pszName;
  }
  EXPECT_EQ(AfxGetMessageCount(), 0) << "nothing is shown";
}

TEST_F(DialogFactoryTest, EveryModelessRowBuildsItsDialogOnItsTemplateOrIsListedAsNotBuilt) {
  for (const std::string& n : kModelessNotBuilt) EXPECT_NE(CmdDialogTable::FindModeless(n.c_str()), nullptr) << n << " is no row";
  for (int i = 0; i < CmdDialogTable::GetModelessCount(); ++i) {
    const CmdModelessRow& row = CmdDialogTable::GetModelessRow(i);
    int extra = row.extra == CMD_EXTRA_TOOL_MODE ? CMD_TOOL_BY_MENU : 0;
    if (Listed(kModelessNotBuilt, row.pszName)) {
      EXPECT_EQ(row.pfnNew, nullptr) << row.pszName << " is built: take it off the list";
      EXPECT_EQ(ICmdDialog::DoModeless(row.pszName, nullptr, &extra), -1) << row.pszName;
      continue;
    }
    ASSERT_NE(row.pfnNew, nullptr) << row.pszName << " is neither built nor listed as not built";
    EXPECT_EQ(ICmdDialog::DoModeless(row.pszName, nullptr, &extra), 1) << row.pszName;
    CDialog* open = doc->GetDlgCtrl()->GetDlg(row.nTemplate);
    ASSERT_NE(open, nullptr) << row.pszName;
    EXPECT_EQ(open->GetTemplateID(), (int)row.nTemplate) << row.pszName;
    open->DestroyWindow();
  }
  EXPECT_EQ(AfxGetMessageCount(), 0) << "nothing is shown";
}

TEST_F(DialogFactoryTest, PerformanceAnalysisNameNeverBuildsAnything) {
  EXPECT_FALSE(CmdDialogTable::SetModalBuilder("CCmdAnalPerfDlg", NewTestModal, nullptr));
  EXPECT_EQ(ICmdDialog::DoModal("CCmdAnalPerfDlg", nullptr), -1);
  EXPECT_EQ(g_modal.built, 0);
}

TEST_F(DialogFactoryTest, NamesMatchExactlyAndCaseSensitively) {
  UseModal("CModelCtrlDlg");
  UseModeless("CCMBndrGrupDefDlg");
  const char* const near[] = {"CModelCtrlDlg ", " CModelCtrlDlg", "cmodelctrldlg", "CMODELCTRLDLG", "CModelCtrl",
                              "CModelCtrlDlgX", "", "CCMBndrGrupDefDlg"};
  for (const char* n : near) EXPECT_EQ(ICmdDialog::DoModal(n, nullptr), -1) << '"' << n << '"';
  EXPECT_EQ(ICmdDialog::DoModal(nullptr, nullptr), -1);
  EXPECT_EQ(g_modal.built, 0);
  for (const char* n : {"CCMBndrGrupDefDlg ", "ccmbndrgrupdefdlg", "CModelCtrlDlg"})
    EXPECT_EQ(ICmdDialog::DoModeless(n, nullptr, nullptr), -1) << '"' << n << '"';
  EXPECT_EQ(g_modeless.built, 0);
  EXPECT_EQ(RunModal("CModelCtrlDlg", 0, IDOK), IDOK);
  EXPECT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 1);
}

TEST_F(DialogFactoryTest, TheInterfaceForwardsToTheFactories) {
  UseModal("CModelCtrlDlg");
  IDlgIntf* cmd = IDlgIntf::Find("cmd");
  ASSERT_NE(cmd, nullptr);
  AfxQueueDialogScript([](CDialog& dlg) { CUserDriver(&dlg).Click(IDCANCEL); });
  EXPECT_EQ(cmd->Dlg_DoModal("CModelCtrlDlg", (void*)42), IDCANCEL);
  EXPECT_EQ(g_modal.param, 42u);
  UseModeless("CCMBndrGrupDefDlg");
  int junk = 5;
  EXPECT_EQ(cmd->Dlg_DoModeless("CCMBndrGrupDefDlg", &junk, nullptr), 1) << "the second argument has no effect";
  EXPECT_EQ(cmd->Dlg_DoModeless("CCMBndrGrupDefDlg", (void*)0x1, nullptr), 1);
  EXPECT_EQ(g_modeless.built, 1);
}

// ---- modal path --------------------------------------------------------------------------

TEST_F(DialogFactoryTest, ModalRowGivesItsParentAndPlacementAndReturnsTheResult) {
  UseModal("CCmdChangeCurPlanDlg");  // main window, (1, 4, 86)
  UseModal("CCmdPlanStoryDlgMain");  // no parent, no placement
  CRect placed;
  EXPECT_EQ(RunModal("CCmdChangeCurPlanDlg", 3, IDOK, &placed), IDOK);
  EXPECT_EQ(g_modal.parent, AfxGetMainWnd());
  EXPECT_EQ(g_modal.param, 3u);
  CRect area = MainClientOnScreen();
  EXPECT_EQ(placed.TopLeft(), CPoint(area.left + 4, area.top + 86));

  CRect unplaced;
  EXPECT_EQ(RunModal("CCmdPlanStoryDlgMain", 2, IDCANCEL, &unplaced), IDCANCEL);
  EXPECT_EQ(g_modal.parent, nullptr);
  EXPECT_EQ(g_modal.param, 2u);
  EXPECT_NE(unplaced.TopLeft(), placed.TopLeft()) << "where the template puts it";
  EXPECT_EQ(g_modal.built, 2);
  EXPECT_EQ(CUserDriver::FindDialog(IDD_TEST_MODAL), nullptr) << "destroyed after the run";
}

TEST_F(DialogFactoryTest, ModalWithoutScriptEndsWithCancel) {
  UseModal("CModelCtrlDlg");
  EXPECT_EQ(ICmdDialog::DoModal("CModelCtrlDlg", nullptr), IDCANCEL);
}

TEST_F(DialogFactoryTest, PreparationByRecordKey) {
  UseModal("CCMSectItemDlg", PrepareSect);
  CClassSect sect;
  ASSERT_TRUE(sect.ConnectToDB(doc->GetModelDB()));
  T_SECT_D s;
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = SECT_MATL_STEEL;
  s.strName = "H400";
  s.Part1.strShape = "H";
  const double h[4] = {0.4, 0.2, 0.008, 0.013};
  for (int i = 0; i < 4; ++i) s.Part1.BaseA.dSize[i] = h[i];
  ASSERT_TRUE(sect.TR_Add(5, s));
  const UINT next = sect.GetNewKey();
  ASSERT_NE(next, 5u);

  struct Case {
    UINT key;
    std::string prepared;
  } cases[] = {
      {5, "edit 5 H400"},                     // found: edits a copy of that record
      {0, "add " + std::to_string(next)},     // 0: the table's next free key
      {77, "add 77"},                         // neither found nor 0: kept as given
      {2147483647u, "add 2147483647"},        // the largest key
      // Past the key range (-1 given as an int) is no key: as 0.
      {2147483648u, "add " + std::to_string(next)},
      {4294967295u, "add " + std::to_string(next)},
  };
  for (const Case& c : cases) {
    g_modal.prepared.clear();
    EXPECT_EQ(RunModal("CCMSectItemDlg", c.key, IDOK), IDOK);
    EXPECT_EQ(g_modal.prepared, c.prepared) << c.key;
  }
  EXPECT_EQ(sect.GetCount(), 1) << "preparing writes nothing";
}

// ---- modeless path ------------------------------------------------------------------------

TEST_F(DialogFactoryTest, ModelessIsCreatedPlacedShownAndActive) {
  UseModeless("CCMBndrGrupDefDlg");
  EXPECT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 1);
  CDialog* open = doc->GetDlgCtrl()->GetDlg(IDD_TEST_BNDR);
  ASSERT_NE(open, nullptr);
  auto* dlg = dynamic_cast<TestModelessDlg*>(open);
  ASSERT_NE(dlg, nullptr);
  EXPECT_EQ(dlg->m_pDBDoc, doc.get());
  EXPECT_EQ(dlg->GetTemplateID(), IDD_TEST_BNDR);
  EXPECT_TRUE(dlg->IsWindowVisible());
  EXPECT_EQ(CWnd::GetActiveWindow(), dlg);
  CRect r;
  dlg->GetWindowRect(&r);
  CRect area = MainClientOnScreen();
  EXPECT_EQ(r.TopLeft(), CPoint(area.left + 4, area.top + 86));
}

TEST_F(DialogFactoryTest, ModelessIsShownAgainNotRebuilt) {
  UseModeless("CCMBndrGrupDefDlg");
  ASSERT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 1);
  CDialog* first = doc->GetDlgCtrl()->GetDlg(IDD_TEST_BNDR);
  ASSERT_NE(first, nullptr);
  first->ShowWindow(SW_HIDE);
  EXPECT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 1);
  EXPECT_EQ(g_modeless.built, 1);
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(IDD_TEST_BNDR), first);
  EXPECT_TRUE(first->IsWindowVisible());
  EXPECT_EQ(CWnd::GetActiveWindow(), first);

  // Once its window ends, the next request builds a new one.
  first->SendMessage(WM_COMMAND, IDCANCEL, 0);
  EXPECT_EQ(g_modeless.alive, 0) << "the dialog ended with its window";
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(IDD_TEST_BNDR), nullptr);
  EXPECT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 1);
  EXPECT_EQ(g_modeless.built, 2);
}

TEST_F(DialogFactoryTest, ModelessIsSingleInstancePerDocument) {
  UseModeless("CCMBndrGrupDefDlg");
  ASSERT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 1);
  {
    CDBDoc other;  // current now
    EXPECT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 1);
    EXPECT_EQ(g_modeless.built, 2);
    EXPECT_NE(other.GetDlgCtrl()->GetDlg(IDD_TEST_BNDR), doc->GetDlgCtrl()->GetDlg(IDD_TEST_BNDR));
  }
  EXPECT_EQ(g_modeless.alive, 1) << "the other document's dialog ended with it";
  CDBDoc::m_pDBDoc = doc.get();
}

TEST_F(DialogFactoryTest, PropertySheetTwiceWithTabsLeavesOneSheetOnTheLastTab) {
  UseModeless("CModelDefProperty", ActivateTab);
  int tab0 = 0, tab2 = 2;
  EXPECT_EQ(ICmdDialog::DoModeless("CModelDefProperty", nullptr, &tab0), 1);
  EXPECT_EQ(ICmdDialog::DoModeless("CModelDefProperty", nullptr, &tab2), 1);
  EXPECT_EQ(ICmdDialog::DoModeless("CModelDefProperty", nullptr, nullptr), 1) << "no extra: no tab change";
  EXPECT_EQ(g_modeless.built, 1);
  // A new sheet switches after it is shown; an open one before it is shown again.
  std::vector<std::pair<int, bool>> expected = {{0, true}, {2, true}};
  EXPECT_EQ(g_modeless.tabs, expected);
}

TEST_F(DialogFactoryTest, FailedCreateDeletesTheDialogAndAnswersZero) {
  // "CModelDefProperty" included: its failure is checked like every other row's.
  UseModeless("CModelDefProperty", ActivateTab, NewQuitter);  // its window ends while made
  UseModeless("CDefMemberName");
  int tab = 1;
  EXPECT_EQ(ICmdDialog::DoModeless("CModelDefProperty", nullptr, &tab), 0);
  LeaveChain();  // no template for the second row
  EXPECT_EQ(ICmdDialog::DoModeless("CDefMemberName", nullptr, nullptr), AfxFindDialogTemplate(14283) ? 1 : 0);
  EXPECT_EQ(g_modeless.built, 2);
  EXPECT_EQ(g_modeless.alive, doc->GetDlgCtrl()->GetCount()) << "a dialog that failed is deleted";
  EXPECT_TRUE(g_modeless.tabs.empty()) << "a sheet that failed is not switched";
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(14019), nullptr);
  EXPECT_EQ(AfxGetMessageCount(), 0) << "nothing is shown";
}

TEST_F(DialogFactoryTest, ModelessWithoutDocumentCannotBeCreated) {
  UseModeless("CCMBndrGrupDefDlg");
  CDBDoc::m_pDBDoc = nullptr;
  EXPECT_EQ(ICmdDialog::DoModeless("CCMBndrGrupDefDlg", nullptr, nullptr), 0);
  EXPECT_EQ(g_modeless.built, 0);
  CDBDoc::m_pDBDoc = doc.get();
}

}  // namespace
