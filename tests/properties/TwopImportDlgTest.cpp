// The wall-opening type import on the example model file: rows, moves, the start number's
// up-down control, and what OK writes with the numbers kept or renumbered.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CListCtrl.h"
#include "afx/CUserDriver.h"
#include "db/CClassTwop.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "properties/CModelPropTwopImport.h"
#include "res/resource.h"

namespace {

const std::string kExample = std::string(VUR_EXAMPLES_DIR) + "/wall_openings.zel";

class TwopImportDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    twop.ConnectToDB(doc->GetModelDB());
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    twop.Disconnect();
    doc.reset();
    app.reset();
  }
  // Runs the dialog on path (none: ImportFile is not called).
  INT_PTR Run(const char* path, const std::function<void(CDialog&, CUserDriver&)>& act) {
    AfxQueueDialogScript([act](CDialog& d) {
      CUserDriver u(&d);
      act(d, u);
    });
    CModelPropTwopImport dlg(nullptr);
    if (path) dlg.ImportFile(path);
    return dlg.DoModal();
  }
  static std::string Rows(CDialog& d, int id) {
    auto* l = dynamic_cast<CListCtrl*>(d.GetDlgItem(id));
    std::string s;
    for (int i = 0; i < l->GetItemCount(); ++i) s += (s.empty() ? "" : "|") + std::string(l->GetItemText(i, 0).c_str());
    return s;
  }
  static std::string Text(CDialog& d, int id) {
    CString s;
    d.GetDlgItemText(id, s);
    return s.c_str();
  }
  std::string Names() {
    CUIntArray keys;
    CArray<T_TWOP_D> recs;
    twop.GetList(keys, recs);
    std::string s;
    for (INT_PTR i = 0; i < keys.GetSize(); ++i)
      s += (s.empty() ? "" : ",") + std::to_string(keys[i]) + ":" + recs[i].name.c_str();
    return s;
  }
  void Store(UINT key, const char* name) {
    T_TWOP_D t;
    t.name = name;
    ASSERT_TRUE(twop.TR_Add(key, t));
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassTwop twop;
};

TEST_F(TwopImportDlgTest, WithoutAFileBothListsAreEmptyAndOkAddsNothing) {
  std::string shown;
  EXPECT_EQ(IDOK, Run(nullptr, [&](CDialog& d, CUserDriver& u) {
              shown = Rows(d, IDC_TWOP_LIST) + "/" + Rows(d, IDC_TWOP_CHOSEN);
              u.Click(IDOK);
            }));
  EXPECT_EQ(shown, "/");
  EXPECT_EQ(twop.GetCount(), 0);
  EXPECT_EQ(AfxGetMessageCount(), 0) << "no file handed in: nothing to tell";
}

TEST_F(TwopImportDlgTest, RowsMovesAndKeptNumbers) {
  Store(1, "Old1");
  Store(7, "Old7");
  std::string rows, chosen;
  EXPECT_EQ(IDOK, Run(kExample.c_str(), [&](CDialog& d, CUserDriver& u) {
              rows = Rows(d, IDC_TWOP_LIST);
              u.SelectRows(u.FindControl(IDC_TWOP_LIST), {2});
              u.Click(IDC_TWOP_MOVE_RIGHT);
              u.SelectRows(u.FindControl(IDC_TWOP_LIST), {0});
              u.Click(IDC_TWOP_MOVE_RIGHT);
              chosen = Rows(d, IDC_TWOP_CHOSEN);
              u.Click(IDOK);
            }));
  EXPECT_EQ(rows, "W1 (1000 * 2100 - 900)|W2 (1500.5 * 2400 - 0)|D1 (900 * 2100 - 0)");
  EXPECT_EQ(chosen, "W1 (1000 * 2100 - 900)|D1 (900 * 2100 - 0)") << "file order, whatever the order moved";
  EXPECT_EQ(Names(), "1:W1,7:Old7,3:D1") << "the type of key 1 replaced, key 7 kept";
  doc->Undo();
  EXPECT_EQ(Names(), "1:Old1,7:Old7") << "one undoable step";
}

TEST_F(TwopImportDlgTest, RenumberedFromTheStartPassingOverUsedKeys) {
  Store(3, "Old3");
  std::string start;
  EXPECT_EQ(IDOK, Run(kExample.c_str(), [&](CDialog& d, CUserDriver& u) {
              start = Text(d, IDC_TWOP_START);
              EXPECT_FALSE(d.GetDlgItem(IDC_TWOP_START)->IsWindowEnabled());
              u.Check(u.FindControl(IDC_TWOP_RENUMBER), 1);
              EXPECT_TRUE(d.GetDlgItem(IDC_TWOP_START)->IsWindowEnabled());
              u.Click(IDC_TWOP_ALL);
              u.Type(IDC_TWOP_START, "2");
              u.Click(IDOK);
            }));
  EXPECT_EQ(start, "4") << "the table's next free key";
  EXPECT_EQ(Names(), "3:Old3,2:W1,4:W2,5:D1");
}

TEST_F(TwopImportDlgTest, TheStartNumbersUpDown) {
  struct Case {
    const char* text;
    int delta;
    const char* after;
  } cases[] = {{"1", 1, "1"}, {"5", 1, "4"}, {"5", -1, "6"}, {"x", -1, "1"}, {"x", 1, "x"}, {"2147483647", -1, "2147483647"}};
  Run(kExample.c_str(), [&](CDialog& d, CUserDriver& u) {
    u.Check(u.FindControl(IDC_TWOP_RENUMBER), 1);
    for (const Case& c : cases) {
      u.Type(IDC_TWOP_START, c.text);
      u.Spin(u.FindControl(IDC_TWOP_START_SPIN), c.delta);
      EXPECT_EQ(Text(d, IDC_TWOP_START), c.after) << c.text << " " << c.delta;
    }
    u.Check(u.FindControl(IDC_TWOP_KEEP), 1);
    EXPECT_FALSE(d.GetDlgItem(IDC_TWOP_START)->IsWindowEnabled());
    u.Click(IDCANCEL);
  });
  EXPECT_EQ(twop.GetCount(), 0);
}

TEST_F(TwopImportDlgTest, ARefusedWriteOrStartKeepsTheDialogAsItWas) {
  Run(kExample.c_str(), [&](CDialog& d, CUserDriver& u) {
    u.Check(u.FindControl(IDC_TWOP_RENUMBER), 1);
    u.Click(IDC_TWOP_ALL);
    for (const char* bad : {"0", "x", "2147483647"}) {
      u.Type(IDC_TWOP_START, bad);
      u.Click(IDOK);
      EXPECT_TRUE(static_cast<CModelPropTwopImport&>(d).IsModalRunning()) << bad;
      EXPECT_EQ(Rows(d, IDC_TWOP_CHOSEN), "W1 (1000 * 2100 - 900)|W2 (1500.5 * 2400 - 0)|D1 (900 * 2100 - 0)");
    }
    u.Click(IDCANCEL);
  });
  EXPECT_EQ(twop.GetCount(), 0);
}

TEST_F(TwopImportDlgTest, AFileThatCannotBeReadIsToldOnOpening) {
  std::string rows = "?";
  Run("/no/such/model.zel", [&](CDialog& d, CUserDriver& u) {
    rows = Rows(d, IDC_TWOP_LIST);
    u.Click(IDCANCEL);
  });
  EXPECT_EQ(rows, "");
  ASSERT_EQ(AfxGetMessageCount(), 1);
  EXPECT_NE(std::string(AfxGetLastMessage()->text.c_str()).find("/no/such/model.zel"), std::string::npos);
}

}  // namespace
