// The section editor through the dialog factory, with the test page standing in for the
// regular page: tabs by mode, keys, OK, Apply, Calculate, tab changes, refused sizes, and
// the scale factors written with their section.
#include "SectEditorFixture.h"
#include "afx/AfxMessageBox.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

namespace {

const char* const kNoPage = "IDS_CMD_ERR_No_Dialog_page_for_section";
const char* const kCantCalc = "IDS_WG_CMD__ADDD__Error___Can_t_calculate_stiffness";
const char* const kNoShape = "IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_";

CCMSectItemDlg& Editor(CDialog& dlg) { return static_cast<CCMSectItemDlg&>(dlg); }

// Confirms (OK) or cancels the property table the next Calculate opens.
void QueueTableAnswer(int button) {
  AfxQueueDialogScript([button](CDialog& table) { CUserDriver(&table).Click(button); });
}

using SectEditor = SectEditorTest;

// ---- opening ----------------------------------------------------------------------------

TEST_F(SectEditor, SectionsWithoutAPageAreRefusedWithoutATransaction) {
  // Value and SRC sections as they were before their pages existed.
  const CCMSectItemDlg::PAGE_NEW valuePage = CCMSectItemDlg::SetPageBuilder(5, nullptr);
  const CCMSectItemDlg::PAGE_NEW srcPage = CCMSectItemDlg::SetPageBuilder(3, nullptr);
  struct Case {
    const char* what;
    int iType, iMatlType;
  } cases[] = {{"combined", SECT_TYPE_COMBINED, SECT_MATL_STEEL},
               {"tapered", SECT_TYPE_TAPERED, SECT_MATL_STEEL},
               {"value, without its page", SECT_TYPE_VALUE, SECT_MATL_STEEL},
               {"SRC, before its page exists", SECT_TYPE_SRC, SECT_MATL_SRC}};
  for (const Case& c : cases) {
    T_SECT_D s;
    s.Initialize();
    s.iType = c.iType;
    s.iMatlType = c.iMatlType;
    s.strName = c.what;
    ASSERT_TRUE(Sect().TR_Add(7, s));
    const int undo = DB()->GetUndoCount();
    AfxClearMessageLog();
    bool scripted = false;
    EXPECT_EQ(RunFactory(7, [&](CDialog&, CUserDriver&) { scripted = true; }, false), IDCANCEL) << c.what;
    EXPECT_FALSE(scripted) << c.what << ": the dialog closed before the user could act";
    EXPECT_EQ(AfxGetMessageCount(), 1) << c.what;
    EXPECT_STREQ(LastMessage(), Key(kNoPage)) << c.what;
    EXPECT_EQ(DB()->GetUndoCount(), undo) << c.what;
    ASSERT_TRUE(Sect().TR_Del(7));
  }
  CCMSectItemDlg::SetPageBuilder(5, valuePage);
  CCMSectItemDlg::SetPageBuilder(3, srcPage);
}

TEST_F(SectEditor, WithoutARegularPageTheEditorCannotOpen) {
  CCMSectItemDlg::PAGE_NEW old = CCMSectItemDlg::SetPageBuilder(1, nullptr);
  EXPECT_EQ(RunFactory(0, [](CDialog&, CUserDriver&) {}, false), IDCANCEL);
  EXPECT_STREQ(LastMessage(), Key(kNoPage));
  CCMSectItemDlg::SetPageBuilder(1, old);
}

TEST_F(SectEditor, AddModeOffersTheRegularAndSRCKinds) {
  RunFactory(0, [](CDialog& dlg, CUserDriver&) {
    CCMSectItemDlg& e = Editor(dlg);
    ASSERT_EQ(e.GetKindList().GetSize(), 3);
    EXPECT_EQ(e.GetKindList()[0], 1);
    EXPECT_EQ(e.GetKindList()[1], 2);
    EXPECT_EQ(e.GetKindList()[2], 3);
    EXPECT_STREQ(e.GetTabCtrl().GetItemText(0), Key("IDS_WG_CMD_SEC_MATL_TYPE_RC"));
    EXPECT_STREQ(e.GetTabCtrl().GetItemText(1), Key("IDS_WG_CMD_SEC_MATL_TYPE_STEEL"));
    EXPECT_STREQ(e.GetTabCtrl().GetItemText(2), Key("IDS_WG_CMD_SEC_ITEM_SRC"));
    EXPECT_EQ(e.GetTabCtrl().GetShownTab(), 0);
    EXPECT_TRUE(dlg.GetDlgItem(IDC_SECT_ITEM_CALC)->IsWindowEnabled());
  });
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(SectEditor, AddModeLeavesOutKindsWithoutAPage) {
  const CCMSectItemDlg::PAGE_NEW srcPage = CCMSectItemDlg::SetPageBuilder(3, nullptr);
  EXPECT_FALSE(CCMSectItemDlg::HasPage(3));
  RunFactory(0, [](CDialog& dlg, CUserDriver&) { EXPECT_EQ(Editor(dlg).GetKindList().GetSize(), 2); });
  EXPECT_EQ(AfxGetMessageCount(), 0);
  CCMSectItemDlg::SetPageBuilder(3, srcPage);
}

TEST_F(SectEditor, EditingASteelSectionOpensOnTheSteelTabAndOKOnConcreteKeepsOnlyTheName) {
  AddH(4, "beam");
  const int undo = DB()->GetUndoCount();
  EXPECT_EQ(RunFactory(4, [](CDialog& dlg, CUserDriver& user) {
              EXPECT_EQ(Editor(dlg).GetTabCtrl().GetShownTab(), 1);
              EXPECT_EQ(ShownPage(dlg)->GetNewKey(), 4u);
              ASSERT_TRUE(user.SelectTab(IDC_SECT_ITEM_TAB, 0));
              TestSectPage* concrete = ShownPage(dlg);
              EXPECT_EQ(concrete->m_nKind, 1);
              CWnd* name = user.FindControl(IDC_TEST_SECT_NAME);
              CString text;
              name->GetWindowText(text);
              EXPECT_STREQ(text, "beam");
              user.Type(IDC_TEST_SECT_SHAPE, "SB");
              user.Type(IDC_TEST_SECT_SIZE1, "0.5");
              user.Type(IDC_TEST_SECT_SIZE1 + 1, "0.3");
              user.Click(IDOK);
            }),
            IDOK);
  const T_SECT_D s = Read(4);
  EXPECT_EQ(s.iType, SECT_TYPE_REGULAR);
  EXPECT_EQ(s.iMatlType, SECT_MATL_RC);
  EXPECT_STREQ(s.strName, "beam");
  EXPECT_STREQ(s.Part1.strShape, "SB");
  EXPECT_NEAR(s.Part1.BaseA.Stiff.Area, 0.15, 1e-12);
  EXPECT_EQ(Sect().GetCount(), 1);
  EXPECT_EQ(DB()->GetUndoCount(), undo + 1);
}

TEST_F(SectEditor, EditingAValueSectionOffersThreeTabsAndNoCalculateOnTheValueTab) {
  UsePage(5);
  T_SECT_D v;
  v.Initialize();
  v.iType = SECT_TYPE_VALUE;
  v.iMatlType = SECT_MATL_USER;
  v.strName = "typed";
  ASSERT_TRUE(Sect().TR_Add(2, v));
  RunFactory(2, [](CDialog& dlg, CUserDriver& user) {
    CCMSectItemDlg& e = Editor(dlg);
    ASSERT_EQ(e.GetTabCtrl().GetTabCount(), 3);
    EXPECT_STREQ(e.GetTabCtrl().GetItemText(2), Key("IDS_WG_CMD_SEC_ITEM_VALUE"));
    EXPECT_EQ(e.GetTabCtrl().GetShownTab(), 2);
    CWnd* calc = dlg.GetDlgItem(IDC_SECT_ITEM_CALC);
    EXPECT_FALSE(calc->IsWindowEnabled());
    user.SelectTab(IDC_SECT_ITEM_TAB, 0);
    EXPECT_TRUE(calc->IsWindowEnabled());
    user.SelectTab(IDC_SECT_ITEM_TAB, 2);
    EXPECT_FALSE(calc->IsWindowEnabled());
  });
}

// A page whose window cannot be made: it ends while it is being created.
class QuitterPage : public TestSectPage {
 public:
  QuitterPage() : TestSectPage(1) {}
  static CCMSectItemBase* New(int) { return new QuitterPage(); }
  BOOL OnInitDialog() override {
    DestroyWindow();
    return TRUE;
  }
};

TEST_F(SectEditor, ATabThatCannotBeShownIsReportedAndTheDialogStaysOpen) {
  CCMSectItemDlg::PAGE_NEW old = CCMSectItemDlg::SetPageBuilder(1, &QuitterPage::New);
  bool scripted = false;
  RunFactory(0, [&](CDialog& dlg, CUserDriver&) {
    scripted = true;
    EXPECT_TRUE(dlg.IsModalRunning());
    EXPECT_EQ(Editor(dlg).GetTabCtrl().GetShownTab(), -1);
  });
  EXPECT_TRUE(scripted);
  EXPECT_STREQ(LastMessage(), Key("IDS_WG_CMD_SEC_ERROR_CAN_NOT_SHOW_DLG"));
  CCMSectItemDlg::SetPageBuilder(1, old);
}

// ---- keys from the factory ----------------------------------------------------------------

TEST_F(SectEditor, FactoryKeysAbsentAndZeroAddUnderThatKeyAndTheNextFreeOne) {
  AddH(1, "one");
  AddH(2, "two");
  struct Case {
    UINT param;
    UINT expected;
  } cases[] = {{0, 3}, {57, 57}};  // the next free key follows the highest
  for (const Case& c : cases) {
    EXPECT_EQ(RunFactory(c.param, [&](CDialog& dlg, CUserDriver& user) {
                CString number;
                user.FindControl(IDC_SECT_ITEM_NUMBER)->GetWindowText(number);
                EXPECT_EQ((UINT)std::atol(number), c.expected);
                EXPECT_FALSE(ShownPage(dlg)->IsModify());
                Fill(user, "new");
                user.Click(IDOK);
              }),
              IDOK)
        << c.param;
    EXPECT_STREQ(Read(c.expected).strName, "new") << c.param;
  }
  EXPECT_EQ(Sect().GetCount(), 4);
}

TEST_F(SectEditor, ApplyTwiceInAddModeAddsTwoSectionsUnderConsecutiveFreeKeys) {
  AddH(1, "one");
  AddH(2, "two");
  EXPECT_EQ(RunFactory(0, [](CDialog& dlg, CUserDriver& user) {
              Fill(user, "first");
              user.Click(IDC_SECT_ITEM_APPLY);
              CString number;
              user.FindControl(IDC_SECT_ITEM_NUMBER)->GetWindowText(number);
              EXPECT_STREQ(number, "4");
              EXPECT_EQ(CWnd::GetFocus(), user.FindControl(IDC_TEST_SECT_NAME));
              // Every page now holds the next key.
              for (int i = 0; i < Editor(dlg).GetTabCtrl().GetTabCount(); ++i)
                EXPECT_EQ(Editor(dlg).GetPage(i)->GetNewKey(), 4u);
              user.Type(IDC_TEST_SECT_NAME, "second");
              user.Click(IDC_SECT_ITEM_APPLY);
              user.Click(IDCANCEL);
            }),
            IDCANCEL);
  EXPECT_STREQ(Read(3).strName, "first");
  EXPECT_STREQ(Read(4).strName, "second");
  EXPECT_EQ(Sect().GetCount(), 4) << "Cancel leaves what Apply wrote";
}

TEST_F(SectEditor, RenumberingAndApplyGoOnEditingUnderTheNewNumber) {
  AddH(5, "five");
  RunFactory(5, [](CDialog& dlg, CUserDriver& user) {
    user.Type(IDC_SECT_ITEM_NUMBER, "8");
    user.Click(IDC_SECT_ITEM_APPLY);
    EXPECT_EQ(ShownPage(dlg)->GetOldKey(), 8u);
    user.Type(IDC_TEST_SECT_NAME, "eight");
    user.Click(IDOK);
  });
  EXPECT_FALSE(Sect().Exist(5));
  EXPECT_STREQ(Read(8).strName, "eight");
}

TEST_F(SectEditor, AfterARenumberingApplyAnotherTabSavesTheSectionUnderItsNewNumber) {
  AddH(5, "five");
  EXPECT_EQ(RunFactory(5, [](CDialog& dlg, CUserDriver& user) {
              EXPECT_EQ(Editor(dlg).GetTabCtrl().GetShownTab(), 1);  // the steel tab
              user.Type(IDC_SECT_ITEM_NUMBER, "8");
              user.Click(IDC_SECT_ITEM_APPLY);
              ASSERT_TRUE(user.SelectTab(IDC_SECT_ITEM_TAB, 0));
              CString number;
              user.FindControl(IDC_SECT_ITEM_NUMBER)->GetWindowText(number);
              EXPECT_STREQ(number, "8");
              Fill(user, "concrete");
              user.Click(IDOK);
            }),
            IDOK);
  EXPECT_FALSE(Sect().Exist(5));
  EXPECT_STREQ(Read(8).strName, "concrete");
  EXPECT_EQ(Read(8).iMatlType, SECT_MATL_RC);
}

// ---- refusals ----------------------------------------------------------------------------

TEST_F(SectEditor, SizesTheLibraryRefusesWriteNothingAndKeepTheDialogOpen) {
  const int undo = DB()->GetUndoCount();
  EXPECT_EQ(RunFactory(0, [](CDialog& dlg, CUserDriver& user) {
              Fill(user, "bad", "H", "0.4", "0.2", "0.3", "0.013");  // the web is wider than the flange
              user.Click(IDOK);
              EXPECT_TRUE(dlg.IsModalRunning());
              EXPECT_STREQ(LastMessage(), Key(kCantCalc));
              user.Click(IDC_SECT_ITEM_APPLY);
              EXPECT_STREQ(LastMessage(), Key(kCantCalc));
              EXPECT_EQ(AfxGetMessageCount(), 2);
              CString tw;
              user.FindControl(IDC_TEST_SECT_SIZE1 + 2)->GetWindowText(tw);
              EXPECT_STREQ(tw, "0.3") << "the input stays";
              user.Type(IDC_TEST_SECT_SIZE1 + 2, "0.008");
              user.Click(IDOK);
            }),
            IDOK);
  EXPECT_EQ(Sect().GetCount(), 1);
  EXPECT_EQ(DB()->GetUndoCount(), undo + 1);
}

TEST_F(SectEditor, ANumberThatIsNoKeyWritesNothing) {
  AddH(1, "one");
  AddH(5, "five");
  struct Case {
    UINT param;          // 0: add mode, else edit that section
    const char* number;  // typed into the number edit
  } cases[] = {{0, ""}, {0, "abc"}, {0, "0"}, {0, "-1"}, {0, "4294967297"}, {5, "-1"}, {5, "4294967297"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.param << " '" << c.number << "'");
    const int undo = DB()->GetUndoCount();
    RunFactory(c.param, [&](CDialog& dlg, CUserDriver& user) {
      Fill(user, "new");
      user.Type(IDC_SECT_ITEM_NUMBER, c.number);
      QueueTableAnswer(IDC_SECT_STIFF_OK);
      user.Click(IDC_SECT_ITEM_CALC);
      AfxClearMessageLog();
      user.Click(IDOK);
      EXPECT_TRUE(dlg.IsModalRunning());
      ASSERT_NE(AfxGetLastMessage(), nullptr);
      EXPECT_STREQ(AfxGetLastMessage()->text, CMsgDll::pfuncLoadStr("IDS_CMD_SECT_NUMBER_INVALID", 0));
      CWnd* focus = CWnd::GetFocus();
      EXPECT_TRUE(focus && focus->GetDlgCtrlID() == IDC_SECT_ITEM_NUMBER);
      user.Click(IDCANCEL);
    });
    EXPECT_EQ(DB()->GetUndoCount(), undo);
    EXPECT_EQ(Sect().GetCount(), 2);
    EXPECT_EQ(Secf().GetCount(), 0) << "no factors for a section that was not written";
    EXPECT_STREQ(Read(1).strName, "one");
    EXPECT_STREQ(Read(5).strName, "five");
    EXPECT_EQ(Sect().GetNewKey(), 6u);
  }
}

TEST_F(SectEditor, AddingUnderANumberInUseWritesNothing) {
  AddH(1, "one");
  T_SECF_D f;
  f.Initialize();
  f.fIyy = 0.5;
  ASSERT_TRUE(Secf().TR_Add(1, f));
  RunFactory(0, [](CDialog& dlg, CUserDriver& user) {
    Fill(user, "new");
    user.Type(IDC_SECT_ITEM_NUMBER, "1");
    AfxClearMessageLog();
    user.Click(IDOK);
    EXPECT_TRUE(dlg.IsModalRunning());
    ASSERT_NE(AfxGetLastMessage(), nullptr);
    EXPECT_STREQ(AfxGetLastMessage()->text, GMakeMsg("IDS_CMD_SECT_NUMBER_IN_USE_u", 1u));
    user.Click(IDCANCEL);
  });
  EXPECT_STREQ(Read(1).strName, "one");
  EXPECT_EQ(Sect().GetCount(), 1);

}

TEST_F(SectEditor, AfterApplyATabOpenedForTheFirstTimeGoesOnWithTheNextKey) {
  // With a key given by the factory too: the given key is taken by the section Apply added.
  EXPECT_EQ(RunFactory(57, [](CDialog&, CUserDriver& user) {
              Fill(user, "first");
              user.Click(IDC_SECT_ITEM_APPLY);
              ASSERT_TRUE(user.SelectTab(IDC_SECT_ITEM_TAB, 1));
              CString number;
              user.FindControl(IDC_SECT_ITEM_NUMBER)->GetWindowText(number);
              EXPECT_STREQ(number, "58");
              Fill(user, "second");
              user.Click(IDOK);
            }),
            IDOK);
  EXPECT_STREQ(Read(57).strName, "first");
  EXPECT_EQ(Read(57).iMatlType, SECT_MATL_RC);
  EXPECT_STREQ(Read(58).strName, "second");
}

TEST_F(SectEditor, LeavingATabReadsItsControlsAndAFailedReadDoesNotStopTheChange) {
  RunFactory(0, [](CDialog& dlg, CUserDriver& user) {
    TestSectPage* concrete = ShownPage(dlg);
    ASSERT_TRUE(user.SelectTab(IDC_SECT_ITEM_TAB, 1));
    EXPECT_STREQ(LastMessage(), Key(kNoShape));
    EXPECT_EQ(Editor(dlg).GetTabCtrl().GetShownTab(), 1);
    Fill(user, "s");
    AfxClearMessageLog();
    ASSERT_TRUE(user.SelectTab(IDC_SECT_ITEM_TAB, 0));
    EXPECT_EQ(AfxGetMessageCount(), 0);
    EXPECT_EQ(ShownPage(dlg), concrete);
  });
  EXPECT_EQ(Sect().GetCount(), 0);
}

TEST_F(SectEditor, ReturnAndEscapeInAPageNeitherConfirmNorCancel) {
  RunFactory(0, [](CDialog& dlg, CUserDriver& user) {
    Fill(user, "kept");
    user.Key(IDC_TEST_SECT_NAME, VK_RETURN);
    EXPECT_TRUE(dlg.IsModalRunning());
    user.Key(IDC_TEST_SECT_SIZE1, VK_ESCAPE);
    EXPECT_TRUE(dlg.IsModalRunning());
  });
  EXPECT_EQ(Sect().GetCount(), 0);
}

// ---- scale factors -------------------------------------------------------------------------

TEST_F(SectEditor, ConfirmedFactorsAreSavedWithTheSectionAndOneUndoTakesBothBack) {
  const int undo = DB()->GetUndoCount();
  RunFactory(0, [](CDialog& dlg, CUserDriver& user) {
    Fill(user, "f");
    QueueTableAnswer(IDC_SECT_STIFF_OK);
    user.Click(IDC_SECT_ITEM_CALC);
    EXPECT_TRUE(ShownPage(dlg)->IsFactorsChanged());
    user.Click(IDOK);
  });
  ASSERT_TRUE(Sect().Exist(1));
  T_SECF_D f;
  ASSERT_TRUE(Secf().Get(1, f));
  T_SECF_D defaults;
  defaults.Initialize();
  EXPECT_EQ(f.fArea, 1.0);
  EXPECT_EQ(f.fWgt, defaults.fWgt);
  EXPECT_EQ(DB()->GetUndoCount(), undo + 1);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Sect().GetCount(), 0);
  EXPECT_EQ(Secf().GetCount(), 0);
}

TEST_F(SectEditor, FactorsAreWrittenOnlyAfterTheTableWasConfirmed) {
  struct Case {
    const char* what;
    int answer;  // 0: Calculate not pressed
  } cases[] = {{"not calculated", 0}, {"table cancelled", IDCANCEL}};
  for (const Case& c : cases) {
    RunFactory(0, [&](CDialog&, CUserDriver& user) {
      Fill(user, c.what);
      if (c.answer) {
        QueueTableAnswer(c.answer);
        user.Click(IDC_SECT_ITEM_CALC);
      }
      user.Click(IDOK);
    });
    EXPECT_EQ(Secf().GetCount(), 0) << c.what;
  }
  EXPECT_EQ(Sect().GetCount(), 2);
}

TEST_F(SectEditor, EditingShowsTheStoredFactorsAndSavesThemBack) {
  AddH(3, "three");
  T_SECF_D f;
  f.Initialize();
  f.fIyy = 0.7;
  f.fWgt = 1.3;
  ASSERT_TRUE(Secf().TR_Add(3, f));
  RunFactory(3, [](CDialog& dlg, CUserDriver& user) {
    QueueTableAnswer(IDC_SECT_STIFF_OK);
    user.Click(IDC_SECT_ITEM_CALC);
    EXPECT_EQ(ShownPage(dlg)->GetSect().Part1.BaseA.Stiff.fIyy, 0.7);
    user.Click(IDOK);
  });
  T_SECF_D g;
  ASSERT_TRUE(Secf().Get(3, g));
  EXPECT_EQ(g.fIyy, 0.7);
  T_SECF_D defaults;
  defaults.Initialize();
  EXPECT_EQ(g.fWgt, defaults.fWgt) << "the weight factor starts again from its default";
}

TEST_F(SectEditor, ARefusedSectionWriteWritesNoFactorsAndKeepsThemPending) {
  AddH(1, "one");
  AddH(2, "two");
  const int undo = DB()->GetUndoCount();
  RunFactory(1, [&](CDialog& dlg, CUserDriver& user) {
    QueueTableAnswer(IDC_SECT_STIFF_OK);
    user.Click(IDC_SECT_ITEM_CALC);
    user.Type(IDC_SECT_ITEM_NUMBER, "2");  // taken by another section
    user.Click(IDOK);
    EXPECT_TRUE(dlg.IsModalRunning());
    EXPECT_EQ(Secf().GetCount(), 0);
    EXPECT_EQ(DB()->GetUndoCount(), undo);
    EXPECT_TRUE(ShownPage(dlg)->IsFactorsChanged());
    user.Type(IDC_SECT_ITEM_NUMBER, "9");
    user.Click(IDOK);
  });
  EXPECT_TRUE(Secf().Exist(9));
  EXPECT_FALSE(Secf().Exist(1));
  EXPECT_EQ(DB()->GetUndoCount(), undo + 1);
}

TEST_F(SectEditor, ARenumberedSectionTakesItsFactorsAlong) {
  AddH(3, "three");
  T_SECF_D f;
  f.Initialize();
  f.fArea = 0.5;
  ASSERT_TRUE(Secf().TR_Add(3, f));
  RunFactory(3, [](CDialog&, CUserDriver& user) {
    user.Type(IDC_SECT_ITEM_NUMBER, "6");
    user.Click(IDOK);
  });
  EXPECT_FALSE(Secf().Exist(3));
  T_SECF_D g;
  ASSERT_TRUE(Secf().Get(6, g));
  EXPECT_EQ(g.fArea, 0.5);
  // A later section under the old number starts without factors.
  RunFactory(3, [](CDialog&, CUserDriver& user) {
    Fill(user, "later");
    user.Click(IDOK);
  });
  EXPECT_TRUE(Sect().Exist(3));
  EXPECT_FALSE(Secf().Exist(3));
}

TEST_F(SectEditor, FactorsOfARenumberedSectionAreReadUnderTheKeyItIsStoredUnder) {
  AddH(3, "three");
  T_SECF_D f;
  f.Initialize();
  f.fIzz = 0.25;
  ASSERT_TRUE(Secf().TR_Add(3, f));
  RunFactory(3, [](CDialog&, CUserDriver& user) {
    user.Type(IDC_SECT_ITEM_NUMBER, "6");
    QueueTableAnswer(IDC_SECT_STIFF_OK);
    user.Click(IDC_SECT_ITEM_CALC);
    user.Click(IDOK);
  });
  T_SECF_D g;
  ASSERT_TRUE(Secf().Get(6, g));
  EXPECT_EQ(g.fIzz, 0.25);
  EXPECT_EQ(Secf().GetCount(), 1);
}

}  // namespace
