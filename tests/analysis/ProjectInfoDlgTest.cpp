// The project information through its template and real tables and files: the record's
// fields in their edits, what OK and Cancel store, a refused write, the file facts of a
// saved model (size texts, folder, dates in local time) and of an unsaved one, and the
// hidden details button.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "analysis/CCMEtcPrjConf.h"
#include "db/CClassPjcf.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "tests/analysis/ModalDlgFixture.h"

namespace {

// The edits of the record's fields, in the record's order.
const int kFieldIds[CCMEtcPrjConf::FIELDS] = {14838, 14863, 14839, 14840, 14841, 14842, 14843,
                                              14844, 14845, 14847, 14849, 14851, 14853, 14855,
                                              14848, 14850, 14852, 14854, 14856, 14857};
const int kFactIds[CCMEtcPrjConf::FACTS] = {14858, 14859, 14860, 14861, 14862};

class ProjectInfoDlgTest : public ModalDlgTest<CCMEtcPrjConf> {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    oldTz = tz ? tz : "";
    hadTz = tz != nullptr;
    setenv("TZ", "UTC", 1);
    tzset();
    ModalDlgTest::SetUp();
    ASSERT_TRUE(pjcf.ConnectToDB(doc->GetModelDB()));
    dir = std::filesystem::temp_directory_path() / ("vur_prjconf_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    pjcf.Disconnect();
    ModalDlgTest::TearDown();
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    if (hadTz) setenv("TZ", oldTz.c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }
  // Saves the model as NAME in the test folder with its times set to that UTC moment.
  std::string SaveAt(const char* name, time_t when) {
    const std::string path = (dir / name).string();
    CString err;
    EXPECT_TRUE(doc->SaveModel(path.c_str(), err)) << err.c_str();
    struct timespec times[2] = {{when, 0}, {when, 0}};
    EXPECT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    return path;
  }

  CClassPjcf pjcf;
  std::filesystem::path dir;
  std::string oldTz;
  bool hadTz = false;
};

TEST(ProjectInfoTexts, FileSizesReadAsBytesOrWholeKilobytes) {
  const struct {
    unsigned long long bytes;
    const char* text;
  } cases[] = {{0, "0 byte"},        {1, "1 byte"},        {2, "2 bytes"},
               {1023, "1023 bytes"}, {1024, "1 Kbyte"},    {2047, "1 Kbyte"},
               {2048, "2 Kbytes"},   {5ull << 40, "5368709120 Kbytes"}};
  for (const auto& c : cases)
    EXPECT_EQ(std::string(CCMEtcPrjConf::FormatFileSize(c.bytes).c_str()), c.text) << c.bytes;
}

TEST(ProjectInfoTexts, AFolderLosesExactlyOneTrailingSeparatorButTheRootKeepsIt) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"/tmp/work/", "/tmp/work"}, {"/tmp/work//", "/tmp/work/"}, {"/tmp/work", "/tmp/work"},
               {"/", "/"},                  {"", ""}};
  for (const auto& c : cases) EXPECT_EQ(std::string(CCMEtcPrjConf::TrimFolder(c.in).c_str()), c.out) << c.in;
}

TEST_F(ProjectInfoDlgTest, WithoutARecordTheInitialValuesShowAndOkStoresTheTypedOnes) {
  ASSERT_EQ(pjcf.GetCount(), 0);
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    for (int id : kFieldIds) EXPECT_EQ(TextOf(d, id), "") << id;
    EXPECT_TRUE(user.Type(IDC_PRJ_PROJECT, "Tower A"));
    EXPECT_TRUE(user.Type(IDC_PRJ_SIGN_DATE5, "2024-05-01"));
    EXPECT_TRUE(user.Type(IDC_PRJ_DESC, "first line\r\nsecond line"));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(r, IDOK);
  T_PJCF_D rec;
  ASSERT_TRUE(pjcf.Get(rec));
  EXPECT_EQ(pjcf.GetCount(), 1);
  EXPECT_EQ(std::string(rec.project.c_str()), "Tower A");
  EXPECT_EQ(std::string(rec.signDate[4].c_str()), "2024-05-01");
  EXPECT_EQ(std::string(rec.desc.c_str()), "first line\r\nsecond line");
  EXPECT_TRUE(rec.user.IsEmpty());
  // Undo takes the whole record away again.
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(pjcf.GetCount(), 0);
}

TEST_F(ProjectInfoDlgTest, EachFieldShowsInItsEditAndOkWritesItBackUnchanged) {
  T_PJCF_D rec;
  for (int i = 0; i < CCMEtcPrjConf::FIELDS; ++i) CCMEtcPrjConf::FieldOf(rec, i).Format("f%d", i);
  ASSERT_TRUE(pjcf.TR_Add(rec));
  const int undo = doc->GetModelDB()->GetUndoCount();
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    for (int i = 0; i < CCMEtcPrjConf::FIELDS; ++i) EXPECT_EQ(TextOf(d, kFieldIds[i]), "f" + std::to_string(i));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(r, IDOK);
  // Every OK is one transaction, changed or not.
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 1);
  T_PJCF_D back;
  ASSERT_TRUE(pjcf.Get(back));
  EXPECT_EQ(std::string(back.signName[0].c_str()), "f9");
  EXPECT_EQ(std::string(back.signDate[0].c_str()), "f14");
  EXPECT_EQ(std::string(back.desc.c_str()), "f19");
}

TEST_F(ProjectInfoDlgTest, CancelWritesNothing) {
  const int undo = doc->GetModelDB()->GetUndoCount();
  INT_PTR r = Run([](CDialog&, CUserDriver& user) {
    EXPECT_TRUE(user.Type(IDC_PRJ_CLIENT, "someone"));
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  EXPECT_EQ(r, IDCANCEL);
  EXPECT_EQ(pjcf.GetCount(), 0);
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo);
}

TEST_F(ProjectInfoDlgTest, AnUnsavedModelShowsNoFileFacts) {
  Run([](CDialog& d, CUserDriver& user) {
    for (int id : kFactIds) EXPECT_EQ(TextOf(d, id), "") << id;
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
}

TEST_F(ProjectInfoDlgTest, ASavedModelShowsItsNameFolderDatesAndSize) {
  // 2024-03-05 14:07 UTC.
  const std::string path = SaveAt("model.zel", 1709647620);
  const auto bytes = std::filesystem::file_size(path);
  Run([&](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(TextOf(d, IDC_PRJ_FILE_NAME), "model.zel");
    EXPECT_EQ(TextOf(d, IDC_PRJ_FILE_FOLDER), dir.string());
    EXPECT_EQ(TextOf(d, IDC_PRJ_FILE_MODIFIED), "05/03/2024  14:07");
    EXPECT_EQ(TextOf(d, IDC_PRJ_FILE_SIZE), CCMEtcPrjConf::FormatFileSize(bytes).c_str());
    // Created: the birth time where the file system keeps one (now), else the modification.
    const std::string created = TextOf(d, IDC_PRJ_FILE_CREATED);
    EXPECT_EQ(created.size(), 17u);
    EXPECT_EQ(created.substr(10, 2), "  ");
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
}

TEST_F(ProjectInfoDlgTest, TheDetailsButtonIsHiddenAndItsHandlerOpensTheStatus) {
  int nested = 0;
  Run([&](CDialog& d, CUserDriver& user) {
    EXPECT_FALSE(d.GetDlgItem(IDC_PRJ_DETAILS)->IsWindowVisible());
    EXPECT_FALSE(user.Click(IDC_PRJ_DETAILS));
    AfxQueueDialogScript([&](CDialog& status) {
      nested = &status == CUserDriver::FindDialog(IDD_CMD_PJST) ? IDD_CMD_PJST : -1;
      CUserDriver(&status).Click(IDC_PJST_CLOSE);
    });
    d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PRJ_DETAILS, BN_CLICKED), 0);
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  EXPECT_EQ(nested, IDD_CMD_PJST);
}

TEST_F(ProjectInfoDlgTest, ARefusedWriteIsToldAndTheDialogStaysOpen) {
  OpensTheDialogOnUpdate<CCMEtcPrjConf> opener(IDD_CMD_PRJ_CONF, IDC_PRJ_TITLE, "new title");
  opener.ConnectDB(doc->GetModelDB());
  T_PJCF_D rec;
  rec.title = "old title";
  ASSERT_TRUE(pjcf.TR_Add(rec));  // the listener runs the dialog inside this transaction
  opener.DisconnectDB();
  EXPECT_EQ(IDCANCEL, opener.result);
  EXPECT_EQ(std::string(app->LoadStr("IDS_CMD_PRJCONF_STORE_ERROR")), opener.message);
  T_PJCF_D back;
  ASSERT_TRUE(pjcf.Get(back));
  EXPECT_EQ(std::string(back.title.c_str()), "old title");
}

TEST_F(ProjectInfoDlgTest, TheFactoryOpensItPlaced) {
  CRect rc;
  AfxQueueDialogScript([&](CDialog& d) {
    d.GetWindowRect(&rc);
    CUserDriver(&d).Click(IDCANCEL);
  });
  EXPECT_EQ(ICmdDialog::DoModal("CCMEtcPrjConf", nullptr), IDCANCEL);
  CRect main;
  AfxGetMainWnd()->GetClientRect(&main);
  AfxGetMainWnd()->ClientToScreen(&main);
  EXPECT_EQ(rc.left, main.left + 4);
  EXPECT_EQ(rc.top, main.top + 86);
}

}  // namespace
