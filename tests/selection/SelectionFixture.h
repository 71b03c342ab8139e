// A sample model with points 1 to 6 (numbers 11 to 16) and members: beams B1 (key 1,
// number 101) and B10 (2, 102), column C1 (3, 103), a beam without name (4, 104); the
// slab names S1 and S2 of the sample carry named slab loads. A model view is current.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CListBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassMemb.h"
#include "db/CClassName.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "view/I_ModelBase.h"

class SelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    db = doc->GetModelDB();
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    names = static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID));
    for (UINT i = 1; i <= 6; ++i) {
      T_PONT_D p;
      p.key = i;
      p.number = 10 + i;
      p.storyKey = 1;
      p.x = 6.0 * ((i - 1) % 3);
      p.y = 6.0 * ((i - 1) / 3);
      ASSERT_TRUE(pont->TR_Add(p));
    }
    AddMemb(1, 101, 201, "B1", 1, 2);
    AddMemb(2, 102, 201, "B10", 2, 3);
    AddMemb(3, 103, 101, "C1", 4, 6);
    AddMemb(4, 104, 201, "", 4, 5);
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    I_ModelBase::SetCurMySelfST(nullptr);
    view.reset();
    doc.reset();
    app.reset();
  }
  void AddMemb(UINT key, UINT number, int type, const char* name, UINT p1, UINT p2) {
    T_MEMB_D m;
    m.key = key;
    m.number = number;
    m.type = type;
    m.storyKey = 1;
    m.name = name;
    m.points.Add(p1);
    m.points.Add(p2);
    ASSERT_TRUE(memb->TR_Add(m));
  }
  UINT AddName(const char* name, int type) {
    T_NAME_D r;
    r.name = name;
    r.type = type;
    EXPECT_TRUE(names->TR_Add(r));
    return names->GetKey(name, type);
  }
  // The items of a list box as "TEXT:DATA" separated by blanks.
  static std::string Items(CWnd* dlg, int id) {
    auto* l = static_cast<CListBox*>(dlg->GetDlgItem(id));
    std::string out;
    for (int i = 0; i < l->GetCount(); ++i) {
      CString t;
      l->GetText(i, t);
      out += (out.empty() ? "" : " ") + std::string(t.c_str()) + ":" + std::to_string(l->GetItemData(i));
    }
    return out;
  }
  static std::string Text(CWnd* dlg, int id) {
    CString s;
    dlg->GetDlgItemText(id, s);
    return s.c_str();
  }
  static std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text.c_str() : "";
  }
  static std::string Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }
  std::string Selected(bool points) {
    CUIntArray keys;
    if (points) db->GetViewCtrl()->GetAllSelectedPont(keys);
    else db->GetViewCtrl()->GetAllSelectedMemb(keys);
    std::string s;
    for (UINT k : keys) s += (s.empty() ? "" : ",") + std::to_string(k);
    return s;
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  std::unique_ptr<I_ModelBase> view;
  DB_CDataBase* db = nullptr;
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CClassName* names = nullptr;
  CUserDriver user;
};
