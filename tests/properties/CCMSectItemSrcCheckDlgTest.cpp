// The composite material dialog on the sample model (its SRC material C40/Q355 is key 6):
// what a material shows, choosing by number and by name, the refused OK, Cancel.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/AfxStyles.h"
#include "afx/CUserDriver.h"
#include "db/CClassMatl.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "properties/CCMSectItemSrcCheckDlg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

namespace {

class SrcMatlDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    AfxClearMessageLog();
    AfxClearScriptQueue();
    matl.ConnectToDB(doc->GetModelDB());
    doc->NewSampleModel();
    AfxClearMessageLog();
  }
  void TearDown() override {
    EXPECT_EQ(AfxGetQueuedScriptCount(), 0) << "a modal script was never taken by a dialog";
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }

  // Runs the dialog on a key with a user script; the result, and the key it ends with.
  int Run(UINT& key, std::function<void(CUserDriver&)> script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(user);
    });
    CCMSectItemSrcCheckDlg dlg(nullptr);
    dlg.m_nMatlKey = key;
    const int r = (int)dlg.DoModal();
    if (r == IDOK) key = dlg.m_nMatlKey;
    return r;
  }
  static CString Text(CUserDriver& user, int id) {
    CString s;
    if (CWnd* w = user.FindControl(id)) w->GetWindowText(s);
    return s;
  }
  // Steel code, steel grade, concrete code, concrete grade, Es/Ec, Ds/Dc as shown.
  static std::vector<CString> Shown(CUserDriver& user) {
    std::vector<CString> v;
    for (int id : {IDC_SRC_MATL_STEEL_CODE, IDC_SRC_MATL_STEEL_GRADE, IDC_SRC_MATL_CONC_CODE,
                   IDC_SRC_MATL_CONC_GRADE, IDC_SRC_MATL_ESEC, IDC_SRC_MATL_DSDC})
      v.push_back(Text(user, id));
    return v;
  }
  // A second SRC material whose concrete has no modulus and no unit weight.
  void AddSrcWithoutConcreteValues(UINT key) {
    T_MATL_D src;
    ASSERT_TRUE(matl.Get(6, src));
    src.name = "bare";
    src.matl2.anal.elastic = 0.0;
    src.matl2.anal.unitWeight = 0.0;
    ASSERT_TRUE(matl.TR_Add(key, src));
  }
  static CString LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text : CString();
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassMatl matl;
};

const std::vector<CString> kEmpty = {"", "", "", "", "0", "0"};

TEST_F(SrcMatlDlgTest, TheSampleMaterialShowsItsPartsAndRatiosReadOnly) {
  UINT key = 6;
  EXPECT_EQ(IDOK, Run(key, [](CUserDriver& user) {
              EXPECT_EQ(Text(user, IDC_SRC_MATL_NUMBER), "6");
              EXPECT_EQ(Text(user, IDC_SRC_MATL_NAME), "C40/Q355");
              const std::vector<CString> expected = {"GB50017", "Q355", "GB50010", "C40", "6.338461538", "3.14"};
              EXPECT_EQ(Shown(user), expected);
              for (int id : {IDC_SRC_MATL_STEEL_CODE, IDC_SRC_MATL_ESEC, IDC_SRC_MATL_DSDC})
                EXPECT_TRUE(user.FindControl(id)->GetStyle() & ES_READONLY) << id;
              // The list offers SRC materials only.
              EXPECT_EQ(((CComboBox*)user.FindControl(IDC_SRC_MATL_NAME))->GetCount(), 1);
              user.Click(IDC_SRC_MATL_OK);
            }));
  EXPECT_EQ(key, 6u);
}

TEST_F(SrcMatlDlgTest, WithoutAMaterialNothingIsShownAndOKIsRefused) {
  UINT key = 0;
  EXPECT_EQ(IDCANCEL, Run(key, [](CUserDriver& user) {
              EXPECT_EQ(Text(user, IDC_SRC_MATL_NUMBER), "");
              EXPECT_EQ(((CComboBox*)user.FindControl(IDC_SRC_MATL_NAME))->GetCurSel(), -1);
              EXPECT_EQ(Shown(user), kEmpty);
              user.Click(IDC_SRC_MATL_OK);
              EXPECT_EQ(LastMessage(), CMsgDll::pfuncLoadStr("IDS_CMD_SECT_SRC_MATL_NOT_SRC", 0));
              user.Click(IDCANCEL);
            }));
  EXPECT_EQ(key, 0u);
}

TEST_F(SrcMatlDlgTest, ChoosingByNameOrNumberShowsThatMaterialAndOKReturnsIt) {
  AddSrcWithoutConcreteValues(9);
  UINT key = 6;
  EXPECT_EQ(IDOK, Run(key, [](CUserDriver& user) {
              EXPECT_TRUE(user.Choose(IDC_SRC_MATL_NAME, "bare"));
              EXPECT_EQ(Text(user, IDC_SRC_MATL_NUMBER), "9");
              const std::vector<CString> bare = {"GB50017", "Q355", "GB50010", "C40", "0", "0"};
              EXPECT_EQ(Shown(user), bare);
              // A concrete material's number names no composite material: nothing shown,
              // and OK refused with the dialog open.
              user.Type(IDC_SRC_MATL_NUMBER, "1");
              EXPECT_EQ(Shown(user), kEmpty);
              EXPECT_EQ(((CComboBox*)user.FindControl(IDC_SRC_MATL_NAME))->GetCurSel(), -1);
              AfxClearMessageLog();
              user.Click(IDC_SRC_MATL_OK);
              EXPECT_EQ(LastMessage(), CMsgDll::pfuncLoadStr("IDS_CMD_SECT_SRC_MATL_NOT_SRC", 0));
              user.Type(IDC_SRC_MATL_NUMBER, "C40/Q355");
              EXPECT_EQ(Text(user, IDC_SRC_MATL_NAME), "C40/Q355");
              EXPECT_EQ(Shown(user)[4], "6.338461538");
              user.Type(IDC_SRC_MATL_NUMBER, "9");
              user.Click(IDC_SRC_MATL_OK);
            }));
  EXPECT_EQ(key, 9u);
}

TEST_F(SrcMatlDlgTest, CancelKeepsTheCallersKey) {
  AddSrcWithoutConcreteValues(9);
  UINT key = 6;
  EXPECT_EQ(IDCANCEL, Run(key, [](CUserDriver& user) {
              EXPECT_TRUE(user.Choose(IDC_SRC_MATL_NAME, "bare"));
              user.Click(IDCANCEL);
            }));
  EXPECT_EQ(key, 6u);
}

}  // namespace
