// The property list on a test page: the fill, what each row shows, and the notices the
// user's actions send the page, in order and with their parameters.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxStyles.h"
#include "uiutil/CPropList.h"

namespace {

const UINT WM_TEST_DELETE = RegisterWindowMessage("WM_TEST_PROPLIST_DELETE");

class Page : public CWnd {
 public:
  CPropList list;
  std::vector<std::string> log;
  // Set by a test: the page refills the list when it hears this notice.
  UINT refillOn = 0;

  std::string Log() const {
    std::string s;
    for (auto& e : log) s += (s.empty() ? "" : ", ") + e;
    return s;
  }
  std::string Row(LPARAM l) {
    auto* p = reinterpret_cast<CBCGPProp*>(l);
    return std::to_string(list.GetRowIndex(p));
  }
  LRESULT OnChanged(WPARAM w, LPARAM l) {
    log.push_back("changed " + std::to_string(w) + " " + Row(l));
    Refill(CPropList::WM_PROPLIST_CHANGED);
    return 0;
  }
  LRESULT OnValue(WPARAM w, LPARAM l) {
    auto* row = reinterpret_cast<CCmbBtnProp*>(l);
    log.push_back("value " + std::to_string(w) + " " + Row(l) + " " + row->GetValue().ToText().str());
    return 0;
  }
  LRESULT OnPropCommand(WPARAM w, LPARAM l) {
    auto* row = reinterpret_cast<CCmbBtnProp*>(l);
    log.push_back("command " + std::to_string(w) + " " + Row(l) + " id " + std::to_string(row->GetMessageByIndex((int)w)));
    Refill(CPropList::WM_PROPLIST_COMMAND);
    return 0;
  }
  LRESULT OnDelete(WPARAM, LPARAM) {
    CBCGPProp* cur = list.GetCurSel();
    log.push_back("delete " + std::string(cur ? cur->GetName().str() : "none"));
    return 0;
  }
  void Refill(UINT msg) {
    if (refillOn != msg) return;
    list.RemoveAll();
    list.AddGroupItem("refilled");
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Page, CWnd)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_CHANGED, &Page::OnChanged)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_CHANGE_VALUE, &Page::OnValue)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_COMMAND, &Page::OnPropCommand)
  ON_REGISTERED_MESSAGE(WM_TEST_DELETE, &Page::OnDelete)
END_MESSAGE_MAP()

class PropList : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(page.CreateEx(0, "#32770", "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 400), nullptr, 0));
    ASSERT_TRUE(page.list.InitList(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(5, 5, 295, 395), &page));
    Fill();
  }
  // Rows: 0 ID, 1 length, 2 X (editable), 3 loads (strip), 4 material (choices with data),
  // 5 beta (number choice), 6 grade (no selection), 7 link (int with strip).
  void Fill() {
    CPropList& l = page.list;
    l.RemoveAll();
    l.SetKey(12);
    l.AddGroupItem("general");
    l.AddItem("ID", PROP_COL_STATIC, 7);
    l.AddItem("length [m]", PROP_COL_STATIC, 3.25);
    l.AddItem("X [m]", PROP_COL_EDIT, 1.5);
    CUIntArray strip;
    for (UINT id : {34001u, 0u, WM_TEST_DELETE}) strip.Add(id);
    l.AddItem("loads", PROP_COL_TEXT_CMD, CString("D:10.0"), strip, 14270);
    l.AddGroupItem("design");
    CStringArray mats;
    mats.Add("C30");
    mats.Add("Q345");
    CUIntArray keys;
    keys.Add(3);
    keys.Add(9);
    l.AddItem("material", PROP_COL_COMBO, mats, keys, strip, 14270, 0, 0.0, 1);
    CStringArray betas;
    for (const char* b : {"0", "30", "45"}) betas.Add(b);
    l.AddItem("beta [deg]", PROP_COL_COMBO_EDIT, betas, strip, 14270, 1, 15.0, -1);
    CStringArray grades;
    grades.Add("one");
    grades.Add("two");
    CUIntArray none;
    l.AddItem("grade", PROP_COL_COMBO, grades, none, 0, 0, 0.0, 5);
    l.AddItem("link", PROP_COL_STATIC, 4, strip, 14228);
    l.ExpandAll(1);
  }
  CCmbBtnProp* Row(int i) { return page.list.GetRow(i); }
  Page page;
};

TEST_F(PropList, RowsShowTheirValuesAsFilled) {
  CPropList& l = page.list;
  ASSERT_EQ(l.GetRowCount(), 8);
  ASSERT_EQ(l.GetItemCount(), 10);
  EXPECT_EQ(l.GetKey(), 12u);
  EXPECT_EQ(l.GetCurSel(), nullptr);
  const char* shown[] = {"7", "3.25", "1.5", "D:10.0", "Q345", "15", "", "4"};
  for (int i = 0; i < 8; ++i) EXPECT_STREQ(Row(i)->FormatProperty(), shown[i]) << i;
  EXPECT_EQ(Row(4)->GetCmbItemData(), 9u);
  EXPECT_EQ(Row(6)->GetCmbItemData(), 0u);  // no item data, and nothing selected
  EXPECT_EQ(Row(3)->GetMessageByIndex(0), 34001u);
  EXPECT_EQ(Row(3)->GetMessageByIndex(3), 0u);
  EXPECT_EQ(Row(3)->GetMessageByIndex(-1), 0u);
  // The beta row's value is a number; a choice row's value is its text.
  EXPECT_EQ(Row(5)->GetValue().GetType(), CPropVariant::VT_REAL);
  EXPECT_EQ(Row(4)->GetValue().GetType(), CPropVariant::VT_TEXT);
  // Labels: equal first, then the first that begins with the text.
  EXPECT_EQ(l.FindRow("X"), Row(2));
  EXPECT_EQ(l.FindRow("beta"), Row(5));
  EXPECT_EQ(l.FindRow("loads"), Row(3));
  EXPECT_EQ(l.FindRow("nothing"), nullptr);
  EXPECT_TRUE(page.log.empty());
}

TEST_F(PropList, EachUserActionSendsItsNoticesInOrder) {
  CPropList& l = page.list;
  // Making a row current: CHANGED once; again on the same row nothing.
  EXPECT_TRUE(l.UserSelect(Row(1)));
  EXPECT_TRUE(l.UserSelect(Row(1)));
  // A choice: CHANGED, then CHANGE_VALUE 0; the same choice again: 1.
  EXPECT_TRUE(l.UserCommitText(Row(4), "C30"));
  EXPECT_TRUE(l.UserCommitChoice(Row(4), 0));
  // A number in the number row, then the number it shows.
  EXPECT_TRUE(l.UserCommitText(Row(2), "2.75"));
  EXPECT_TRUE(l.UserCommitText(Row(2), " 2.75 "));
  // The beta row: a typed number and a choice that is the number shown.
  EXPECT_TRUE(l.UserCommitText(Row(5), "30"));
  EXPECT_TRUE(l.UserCommitChoice(Row(5), 1));
  EXPECT_EQ(page.Log(),
            "changed 0 1, changed 0 4, value 0 4 C30, value 1 4 C30, changed 0 2, value 0 2 2.75, value 1 2 2.75, "
            "changed 0 5, value 0 5 30, value 1 5 30");
  EXPECT_EQ(l.GetCurSel(), Row(5));
  EXPECT_EQ(Row(4)->GetCmbItemData(), 3u);
  BOOL ok = FALSE;
  EXPECT_DOUBLE_EQ(Row(5)->GetValue().ToDouble(&ok), 30.0);
  EXPECT_TRUE(ok);
  EXPECT_EQ(Row(5)->GetSelected(), 1);
}

TEST_F(PropList, RowsThatTakeNoValueAndValuesARowCannotTakeAreRefused) {
  CPropList& l = page.list;
  struct Case {
    int row;
    const char* text;
    int index;  // >= 0: a choice by index
  } cases[] = {
      {0, "8", -1},       // kind 0
      {3, "x", -1},       // kind 3
      {7, "5", -1},       // kind 0 with a strip
      {2, "abc", -1},     // not a number
      {2, "", -1},        //
      {4, "C40", -1},     // not a choice
      {4, "", 2},         // index past the choices
      {5, "forty", -1},   // neither a choice nor a number
      {0, "", 0},         // no choices
  };
  for (const Case& c : cases) {
    BOOL r = c.index >= 0 ? l.UserCommitChoice(Row(c.row), c.index) : l.UserCommitText(Row(c.row), c.text);
    EXPECT_FALSE(r) << c.row << " " << c.text;
  }
  EXPECT_TRUE(page.log.empty()) << page.Log();
  EXPECT_EQ(l.GetCurSel(), nullptr);
  EXPECT_STREQ(Row(2)->FormatProperty(), "1.5");
  EXPECT_STREQ(Row(4)->FormatProperty(), "Q345");
  EXPECT_FALSE(l.UserPressButton(Row(3), 3));
  EXPECT_FALSE(l.UserPressButton(Row(0), 0));  // no strip
}

TEST_F(PropList, AButtonSendsCommandThenItsRegisteredMessageWithTheRowCurrent) {
  CPropList& l = page.list;
  EXPECT_TRUE(l.UserPressButton(Row(3), 0));  // a command id: COMMAND only
  EXPECT_TRUE(l.UserPressButton(Row(4), 2));  // the registered delete message follows
  EXPECT_EQ(page.Log(), "changed 0 3, command 0 3 id 34001, changed 0 4, command 2 4 id " +
                            std::to_string(WM_TEST_DELETE) + ", delete material");
  // An owner that refills the list while it handles COMMAND hears no delete.
  page.log.clear();
  page.refillOn = CPropList::WM_PROPLIST_COMMAND;
  EXPECT_TRUE(l.UserPressButton(Row(3), 2));
  EXPECT_EQ(page.Log(), "changed 0 3, command 2 3 id " + std::to_string(WM_TEST_DELETE));
  EXPECT_EQ(l.GetRowCount(), 0);
  EXPECT_EQ(l.GetCurSel(), nullptr);
}

TEST_F(PropList, AnOwnerThatRefillsOnChangedEndsTheCommit) {
  page.refillOn = CPropList::WM_PROPLIST_CHANGED;
  EXPECT_TRUE(page.list.UserCommitText(Row(2), "9"));
  EXPECT_EQ(page.Log(), "changed 0 2");
  EXPECT_EQ(page.list.GetRowCount(), 0);
}

TEST_F(PropList, WhatTheOwnerSetsSendsNothing) {
  // The protection row goes back to the accepted text; a text no choice has selects none.
  Row(4)->SetValue(CPropVariant(CString("C30")));
  EXPECT_STREQ(Row(4)->FormatProperty(), "C30");
  EXPECT_EQ(Row(4)->GetCmbItemData(), 3u);
  Row(4)->SetValue(CPropVariant(CString("steel")));
  EXPECT_STREQ(Row(4)->FormatProperty(), "");
  EXPECT_EQ(Row(4)->GetCmbItemData(), 0u);
  Row(2)->SetValue(CPropVariant(0.1));
  EXPECT_STREQ(Row(2)->FormatProperty(), "0.1");
  page.list.ExpandAll(0);
  page.list.SetKey(3);
  EXPECT_TRUE(page.log.empty());
}

TEST_F(PropList, RowsOutOfReachTakeNoAction) {
  CPropList& l = page.list;
  // A collapsed group hides its rows.
  l.ExpandAll(0);
  EXPECT_FALSE(l.UserSelect(Row(1)));
  EXPECT_FALSE(l.UserCommitText(Row(4), "C30"));
  l.ExpandAll(1);
  // A hidden or disabled list, a disabled page.
  l.ShowWindow(SW_HIDE);
  EXPECT_FALSE(l.UserSelect(Row(1)));
  l.ShowWindow(SW_SHOW);
  page.EnableWindow(FALSE);
  EXPECT_FALSE(l.UserPressButton(Row(3), 0));
  page.EnableWindow(TRUE);
  // A row of an earlier fill.
  CCmbBtnProp* old = Row(1);
  Fill();
  EXPECT_EQ(l.GetRowIndex(old), -1);
  EXPECT_TRUE(page.log.empty()) << page.Log();
  EXPECT_TRUE(l.UserSelect(Row(1)));
}

TEST(PropVariant, ConvertsBetweenNumbersAndTexts) {
  struct Case {
    CPropVariant v;
    const char* text;
    double number;
    bool ok;
  } cases[] = {
      {CPropVariant(12), "12", 12, true},
      {CPropVariant(0.1 + 0.2), "0.3", 0.1 + 0.2, true},
      {CPropVariant(1e-7), "1e-07", 1e-7, true},
      {CPropVariant(CString(" -2.5 ")), " -2.5 ", -2.5, true},
      {CPropVariant(CString("AUTO")), "AUTO", 0, false},
      {CPropVariant(), "", 0, false},
  };
  for (const Case& c : cases) {
    BOOL ok = TRUE;
    EXPECT_STREQ(c.v.ToText(), c.text);
    EXPECT_DOUBLE_EQ(c.v.ToDouble(&ok), c.number) << c.text;
    EXPECT_EQ(ok != FALSE, c.ok) << c.text;
  }
  EXPECT_NE(CPropVariant(1), CPropVariant(1.0));
  EXPECT_EQ(CPropVariant(CString("a")), CPropVariant(CString("a")));
}

}  // namespace
