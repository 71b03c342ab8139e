#include "SectEditorFixture.h"

#include "afx/AfxStyles.h"
#include "frame/ICmdDialog.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPage = DS_CONTROL | WS_CHILD;

const AFX_DLGITEM kPageItems[] = {
    {"EDIT", "", IDC_SECT_ITEM_NUMBER, 5, 5, 40, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_TEST_SECT_NAME, 50, 5, 80, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_TEST_SECT_SHAPE, 5, 20, 40, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_TEST_SECT_SIZE1, 5, 35, 40, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_TEST_SECT_SIZE1 + 1, 50, 35, 40, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_TEST_SECT_SIZE1 + 2, 95, 35, 40, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_TEST_SECT_SIZE1 + 3, 140, 35, 40, 12, kChild | WS_TABSTOP, 0},
    {"STATIC", "", IDC_TEST_SECT_VIEW, 5, 55, 150, 100, kChild, 0},
};
const AFX_DLGTEMPLATE kDialogs[] = {
    {IDD_TEST_SECT_PAGE, "", 0, 0, 300, 180, kPage, 0, "", 9, kPageItems, 8},
    {IDD_TEST_SECT_VALUE_PAGE, "", 0, 0, 300, 180, kPage, 0, "", 9, kPageItems, 8},
};
const AFX_RESOURCE_TABLE kTable = {"test_sect_page", kDialogs, 2, nullptr, 0, nullptr, 0};

}  // namespace

void SectEditorTest::SetUp() {
  app = std::make_unique<CHostApp>();
  doc = std::make_unique<CDBDoc>();
  AfxClearMessageLog();
  AfxClearScriptQueue();
  AfxRegisterResourceTable(&kTable);
  ASSERT_TRUE(AfxInitExtensionModule(m_module, "test_sect_page"));
  new CDynLinkLibrary(m_module, FALSE);
  UsePage(1);
  UsePage(2);
}

void SectEditorTest::TearDown() {
  for (auto& [kind, old] : m_oldPages) CCMSectItemDlg::SetPageBuilder(kind, old);
  m_sect.reset();
  m_secf.reset();
  doc.reset();
  AfxTermExtensionModule(m_module, FALSE);
  EXPECT_EQ(AfxGetQueuedScriptCount(), 0) << "a modal script was never taken by a dialog";
  AfxClearScriptQueue();
  app.reset();
}

void SectEditorTest::UsePage(int nKind) {
  m_oldPages.push_back({nKind, CCMSectItemDlg::SetPageBuilder(nKind, &TestSectPage::New)});
}

CClassSect& SectEditorTest::Sect() {
  if (!m_sect) {
    m_sect = std::make_unique<CClassSect>();
    m_sect->ConnectToDB(DB());
  }
  return *m_sect;
}

CClassSecf& SectEditorTest::Secf() {
  if (!m_secf) {
    m_secf = std::make_unique<CClassSecf>();
    m_secf->ConnectToDB(DB());
  }
  return *m_secf;
}

void SectEditorTest::AddH(UINT key, const char* name, int matl) {
  T_SECT_D s;
  s.Initialize();
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = matl;
  s.strName = name;
  s.Part1.strShape = "H";
  const double sizes[] = {0.3, 0.15, 0.0065, 0.009};
  for (int i = 0; i < 4; ++i) s.Part1.BaseA.dSize[i] = sizes[i];
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  ASSERT_TRUE(Sect().TR_Add(key, s));
}

T_SECT_D SectEditorTest::Read(UINT key) {
  T_SECT_D s;
  EXPECT_TRUE(Sect().Get(key, s)) << "section " << key;
  return s;
}

int SectEditorTest::RunFactory(UINT key, std::function<void(CDialog&, CUserDriver&)> script, bool taken) {
  AfxQueueDialogScript([script](CDialog& dlg) {
    CUserDriver user(&dlg);
    script(dlg, user);
  });
  const int r = ICmdDialog::DoModal("CCMSectItemDlg", (void*)(uintptr_t)key);
  // A script no dialog took acted as nobody: the test would pass without its steps.
  EXPECT_EQ(AfxGetQueuedScriptCount(), taken ? 0 : 1) << "the dialog took its script: " << taken;
  AfxClearScriptQueue();
  return r;
}

TestSectPage* SectEditorTest::ShownPage(CDialog& dlg) {
  auto& editor = static_cast<CCMSectItemDlg&>(dlg);
  return static_cast<TestSectPage*>(editor.GetPage(editor.GetTabCtrl().GetShownTab()));
}

void SectEditorTest::Fill(CUserDriver& user, const char* name, const char* shape, const char* h, const char* b,
                          const char* tw, const char* t1) {
  user.Type(IDC_TEST_SECT_NAME, name);
  user.Type(IDC_TEST_SECT_SHAPE, shape);
  const char* sizes[] = {h, b, tw, t1};
  for (int i = 0; i < 4; ++i) user.Type(IDC_TEST_SECT_SIZE1 + i, sizes[i]);
}

CString SectEditorTest::LastMessage() {
  const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
  return m ? m->text : CString();
}
