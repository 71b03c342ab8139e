// The activation windows' frame: the small model, a model view that logs every
// activation call it gets (then acts as a view does), and list helpers.
#pragma once
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/CListBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassMdul.h"
#include "view/I_ModelBase.h"
#include "SelectFixture.h"

// Logs "Name A|B": the lists as SelectFixture::Str writes them.
class CLoggingView : public I_ModelBase {
 public:
  explicit CLoggingView(CDBDoc* doc) : I_ModelBase(doc) {}
  int ActivateNodeElems(const CUIntArray& n, const CUIntArray& e, int o) override {
    Log("ActivateNodeElems", {&n, &e});
    return I_ModelBase::ActivateNodeElems(n, e, o);
  }
  int InactivateNodeElems(const CUIntArray& n, const CUIntArray& e) override {
    Log("InactivateNodeElems", {&n, &e});
    return I_ModelBase::InactivateNodeElems(n, e);
  }
  int ActivateObjects(const CUIntArray& p, const CUIntArray* a, const CUIntArray* b, const CUIntArray& m,
                      int o) override {
    Log("ActivateObjects", {&p, &m});
    return I_ModelBase::ActivateObjects(p, a, b, m, o);
  }
  int InactivateObjects(const CUIntArray& p, const CUIntArray* a, const CUIntArray* b, const CUIntArray& m,
                        int o) override {
    Log("InactivateObjects", {&p, &m});
    return I_ModelBase::InactivateObjects(p, a, b, m, o);
  }
  int ActivateAll() override {
    Log("ActivateAll", {});
    return I_ModelBase::ActivateAll();
  }
  int ChangeActiveObjects(const CUIntArray& f, const CUIntArray& s, int o, int c) override {
    Log("ChangeActiveObjects" + std::to_string(c), {&f, &s});
    return I_ModelBase::ChangeActiveObjects(f, s, o, c);
  }
  int GetActiveObjects(CUIntArray& m, CUIntArray& p) override {
    Log("GetActiveObjects", {});
    return I_ModelBase::GetActiveObjects(m, p);
  }
  int GetActiveNodeElems(CUIntArray& e, CUIntArray& n) override {
    Log("GetActiveNodeElems", {});
    return I_ModelBase::GetActiveNodeElems(e, n);
  }
  // The calls so far, joined by "; ", and forgets them.
  std::string Take() {
    std::string s;
    for (const std::string& c : calls) s += (s.empty() ? "" : "; ") + c;
    calls.clear();
    return s;
  }

  std::vector<std::string> calls;

 private:
  void Log(const std::string& name, std::initializer_list<const CUIntArray*> lists) {
    std::string s = name;
    const char* sep = " ";
    for (const CUIntArray* l : lists) {
      std::string keys;
      for (UINT k : *l) keys += (keys.empty() ? "" : ",") + std::to_string(k);
      s += sep + (keys.empty() ? std::string("-") : keys);
      sep = "|";
    }
    calls.push_back(s);
  }
};

class ActiveFixture : public SelectFixture {
 protected:
  void SetUp() override {
    SelectFixture::SetUp();
    view = std::make_unique<CLoggingView>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
  }
  void TearDown() override {
    for (int id : dialogs)
      if (CWnd* w = CUserDriver::FindDialog(id)) w->DestroyWindow();
    view.reset();
    SelectFixture::TearDown();
  }
  // One tower only: tower 2 goes with its stories, member 6 and points 7 and 8.
  void OneTower() {
    ASSERT_TRUE(Table<CClassMemb>()->TR_Del(6u));
    ASSERT_TRUE(Table<CClassPont>()->TR_Del(Keys({7, 8})));
    ASSERT_TRUE(Table<CClassMdul>()->TR_Del(2u));
  }
  // Into the analysis model (post-processing), as the application tells its windows.
  void ToAnalysis() {
    ASSERT_TRUE(doc->BuildAnalysisModel());
    doc->SetPostMode(TRUE);
    doc->UpdateAllViews(nullptr, 8);
  }
  CListBox& List(UINT id) { return *static_cast<CListBox*>(user.GetDialog()->GetDlgItem(id)); }
  // "text=data" items joined by "|".
  std::string Items(UINT id) {
    std::string s;
    for (int i = 0; i < List(id).GetCount(); ++i) {
      CString t;
      List(id).GetText(i, t);
      s += (i ? "|" : "") + std::string(t.c_str()) + "=" + std::to_string(List(id).GetItemData(i));
    }
    return s;
  }
  // The rows whose item data is listed.
  void SelectData(UINT id, std::initializer_list<UINT> data) {
    std::vector<int> rows;
    for (UINT d : data)
      for (int i = 0; i < List(id).GetCount(); ++i)
        if (List(id).GetItemData(i) == d) rows.push_back(i);
    ASSERT_EQ(rows.size(), data.size());
    ASSERT_TRUE(user.SelectRows(id, rows));
  }
  bool Visible(UINT id) { return user.GetDialog()->GetDlgItem(id)->IsWindowVisible(); }
  bool Enabled(UINT id) { return user.GetDialog()->GetDlgItem(id)->IsWindowEnabled(); }
  int Checked(UINT id) { return (int)user.GetDialog()->SendDlgItemMessage(id, BM_GETCHECK, 0, 0); }

  std::unique_ptr<CLoggingView> view;
  CUserDriver user;
  std::vector<int> dialogs;
  const CUIntArray none{};
};
