// What the creation tests on the sample model share: a host application, the sample
// model with 1F (4.5 to 9.0) current in a plan view, the creation tool created (not
// shown) over it, and an empty message log.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "creation/CCreateMembDlg2.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "view/I_ModelBase.h"

class CreateMembFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    stor = static_cast<CClassStor*>(doc->GetModelDB()->GetClass(CClassStor::m_nClassID));
    memb = static_cast<CClassMemb*>(doc->GetModelDB()->GetClass(CClassMemb::m_nClassID));
    pont = static_cast<CClassPont*>(doc->GetModelDB()->GetClass(CClassPont::m_nClassID));
    f1 = stor->GetKey("1F", 1);
    b1 = stor->GetKey("B1", 1);
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
    view->SetPlanView(f1);
    stor->SetCurStor(f1);
    tool = new CCreateMembDlg2(nullptr);
    EXPECT_TRUE(tool->Create(IDD_CMD_CREATE_MEMB, IDD_CMD_CREATE_MEMB));
    AfxClearMessageLog();
  }
  void TearDown() override {
    if (CCreateMembDlg2* t = CCreateMembDlg2::GetMySelf())
      if (t->m_hWnd) t->DestroyWindow();
    view.reset();
    doc.reset();
    app.reset();
  }
  static T_MEMBDLG_3DPOINT At(double x, double y, double z = 9.0) { return T_MEMBDLG_3DPOINT{x, y, z}; }
  std::string LastMessage() { return AfxGetLastMessage() ? std::string(AfxGetLastMessage()->text) : ""; }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  std::unique_ptr<I_ModelBase> view;
  CClassStor* stor = nullptr;
  CClassMemb* memb = nullptr;
  CClassPont* pont = nullptr;
  UINT f1 = 0, b1 = 0;
  CCreateMembDlg2* tool = nullptr;  // destroyed with its window
};
