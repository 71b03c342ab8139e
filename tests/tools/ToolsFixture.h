// The ground the tool-window tests stand on: a host, the sample model with a view on it,
// and the few record adders and list readers they all use. A derived SetUp calls this
// SetUp first; TearDown closes the attribute tool window if a test left it open and undoes
// the view's remembered picks, so no test sees another's.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>
#include "afx/AfxScript.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "tools/CToolsDlg.h"
#include "uiutil/CPropList.h"
#include "view/I_ModelBase.h"

// The list readers, for the tests with this fixture and those without.

// The row's value as shown, "<no row>" when there is none.
inline std::string ValueOf(const CCmbBtnProp* r) { return r ? r->FormatProperty().c_str() : "<no row>"; }
// "A,B,C @SEL" of a choice row, "<no row>" when there is none.
inline std::string ChoicesOf(CCmbBtnProp* r) {
  if (!r) return "<no row>";
  std::string s;
  for (INT_PTR i = 0; i < r->GetChoices().GetSize(); ++i) s += (i ? "," : "") + std::string(r->GetChoices()[i].c_str());
  return s + " @" + std::to_string(r->GetSelected());
}
// What ItemLines writes beyond "[G] TITLE" and "LABEL|KIND|VALUE".
enum ItemParts { ITEM_CLOSED = 1, ITEM_SEL = 2, ITEM_BUTTONS = 4 };
// The list one item a line: "[G] TITLE", with " (closed)" after a closed group
// (ITEM_CLOSED), or "LABEL|KIND|VALUE", then "|SEL" on a choice row (ITEM_SEL) and
// "|ID,ID,...,@BITMAP" on a row with buttons (ITEM_BUTTONS).
inline std::vector<std::string> ItemLines(CPropList& list, int parts) {
  std::vector<std::string> out;
  for (int i = 0; i < list.GetItemCount(); ++i) {
    CBCGPProp* it = list.GetItem(i);
    if (it->IsGroup()) {
      out.push_back("[G] " + std::string(it->GetName().c_str()) +
                    ((parts & ITEM_CLOSED) && !it->IsExpanded() ? " (closed)" : ""));
      continue;
    }
    auto* r = static_cast<CCmbBtnProp*>(it);
    std::string s = std::string(r->GetName().c_str()) + "|" + std::to_string((int)r->GetColType()) + "|" +
                    r->FormatProperty().c_str();
    if ((parts & ITEM_SEL) && r->IsChoiceRow()) s += "|" + std::to_string(r->GetSelected());
    if ((parts & ITEM_BUTTONS) && !r->GetButtons().IsEmpty()) {
      s += "|";
      for (UINT id : r->GetButtons()) s += std::to_string(id) + ",";
      s += "@" + std::to_string(r->GetBitmap());
    }
    out.push_back(s);
  }
  return out;
}

class ToolsFixture : public ::testing::Test {
 protected:
  // The story every point and member of these tests lies on.
  static constexpr UINT STORY = 3;

  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
    I_ModelBase::PONTKEY = I_ModelBase::MEMBKEY = 0;
    db = doc->GetModelDB();
  }
  void TearDown() override {
    if (CToolsDlg* d = CToolsDlg::GetMySelf()) d->DestroyWindow();
    AfxClearScriptQueue();
    I_ModelBase::PONTKEY = I_ModelBase::MEMBKEY = 0;
    view.reset();
    doc.reset();
    app.reset();
  }

  template <class T>
  static T* TableOf(DB_CDataBase* d) {
    return static_cast<T*>(d->GetClass(T::m_nClassID));
  }
  template <class T>
  T* Table() {
    return TableOf<T>(db);
  }

  // Adds the record under the table's next key, given back in key; false when refused.
  template <class T, class R>
  bool AddRecord(const R& rec, UINT& key) {
    T* t = Table<T>();
    key = t->GetNewKey();
    return t->TR_Add(rec);
  }
  // A point on the story; its key.
  UINT AddPoint(double x, double y, double z = 0, UINT number = 0) {
    T_PONT_D r;
    r.storyKey = STORY, r.x = x, r.y = y, r.z = z, r.number = number;
    UINT key = 0;
    EXPECT_TRUE(AddRecord<CClassPont>(r, key));
    return key;
  }
  // A member on the story through the points; its key.
  UINT AddMember(int type, const std::vector<UINT>& points, UINT sect, UINT matl = 0, UINT thik = 0, UINT dsgn = 0,
                 const std::vector<UINT>& curves = {}) {
    T_MEMB_D m;
    m.type = type, m.storyKey = STORY, m.sectKey = sect, m.matlKey = matl, m.thikKey = thik, m.dsgnKey = dsgn;
    for (UINT p : points) m.points.Add(p);
    for (UINT c : curves) m.curves.Add(c);
    UINT key = 0;
    EXPECT_TRUE(AddRecord<CClassMemb>(m, key));
    return key;
  }
  // The corners of a 6 by 5 bay on the story into pts: (0, 0), (6, 0), (6, 5), (0, 5).
  void AddCorners() {
    const double xy[4][2] = {{0, 0}, {6, 0}, {6, 5}, {0, 5}};
    for (const auto& c : xy) {
      T_PONT_D p;
      p.storyKey = STORY, p.x = c[0], p.y = c[1];
      pts.push_back(0);
      ASSERT_TRUE(AddRecord<CClassPont>(p, pts.back()));
    }
  }
  // The story gives its members C35 (key 2) unless they have a material of their own.
  void StoryGivesC35() {
    auto* stor = Table<CClassStor>();
    T_STOR_D st;
    ASSERT_TRUE(stor->Get(STORY, st));
    st.singleMatl = 1, st.allMatlKey = 2;
    ASSERT_TRUE(stor->TR_Modify(STORY, st));
  }

  std::string Text(const char* key) { return app->LoadStr(key); }
  // A row as a test expects it: its label's text key (a unit may follow the text), its
  // kind, and the first and third buttons of its strip (0: no strip).
  struct StripRow {
    const char* label;
    int kind;
    UINT first, third;
  };
  // The list's rows are those of the table, in order; a strip is "FIRST, 0, THIRD" on the
  // member bitmap. With othersBare the rows without a strip have no buttons at all.
  void ExpectStripRows(CPropList& list, const std::vector<StripRow>& rows, const char* what, bool othersBare) {
    ASSERT_EQ(list.GetRowCount(), (int)rows.size()) << what;
    for (int i = 0; i < list.GetRowCount(); ++i) {
      CCmbBtnProp* r = list.GetRow(i);
      EXPECT_EQ(std::string(r->GetName().c_str()).rfind(Text(rows[i].label), 0), 0u) << i << " " << rows[i].label;
      EXPECT_EQ((int)r->GetColType(), rows[i].kind) << rows[i].label;
      if (rows[i].first) {
        EXPECT_EQ(r->GetButtons().vec(), (std::vector<UINT>{rows[i].first, 0, rows[i].third})) << rows[i].label;
        EXPECT_EQ(r->GetBitmap(), 14270) << rows[i].label;
      } else if (othersBare) {
        EXPECT_TRUE(r->GetButtons().IsEmpty()) << rows[i].label;
      }
    }
  }
  // The row of a list labelled with the text of the key; null when none.
  CCmbBtnProp* RowIn(CPropList& list, const char* key) { return list.FindRow(CString(Text(key).c_str())); }
  // The commands the main window got, oldest first.
  std::vector<UINT> Commands() {
    std::vector<UINT> ids;
    for (const CHostCommand& c : app->GetHostMainWnd().GetCommands()) ids.push_back(c.m_nID);
    return ids;
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  std::unique_ptr<I_ModelBase> view;
  DB_CDataBase* db = nullptr;
  std::vector<UINT> pts;  // AddCorners
};
