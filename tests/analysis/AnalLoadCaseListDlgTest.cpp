// The buckling and P-delta settings: their opening state, the load list's rules (Add, Edit,
// Delete, the limit of 15, duplicates, the selection), the list following load cases
// changed elsewhere, and what OK and the delete-data button store. Most cases run on both
// dialogs through a table of their controls.
#include <string>
#include <vector>

#include "afx/CComboBox.h"
#include "afx/CListCtrl.h"
#include "analysis/CCCmdAnalPDeltaDlg.h"
#include "analysis/CCmdAnalBucklingDlg.h"
#include "db/CClassBuck.h"
#include "db/CClassPdel.h"
#include "db/CClassStld.h"
#include "db/DB_CScopedChange.h"
#include "tests/analysis/DesignSettingsFixture.h"
#include "ui/GMsg.h"

namespace {

// One dialog's controls and what differs between the two.
struct Kind {
  const char* name;
  UINT lc, factor, list, add, edit, del, remove, ok;
  const char* noSelectionFactor;  // shown when the list is left without a selected row
  int columns;
};
const Kind kBuckling = {"buckling", IDC_BUCK_LC, IDC_BUCK_FACTOR, IDC_BUCK_LIST, IDC_BUCK_ADD, IDC_BUCK_EDIT,
                        IDC_BUCK_DELETE, IDC_BUCK_REMOVE, IDC_BUCK_OK, "1", 3};
const Kind kPDelta = {"P-delta", IDC_PDEL_LC, IDC_PDEL_FACTOR, IDC_PDEL_LIST, IDC_PDEL_ADD, IDC_PDEL_EDIT,
                      IDC_PDEL_DELETE, IDC_PDEL_REMOVE, IDC_PDEL_OK, "0", 2};
const Kind* const kKinds[] = {&kBuckling, &kPDelta};

const char kNotSelected[] = "IDS_CMD_ANAL_ADDD__Loadcase_was_not_selected_";
const char kBadFactor[] = "IDS_CMD_ANAL_ADDD__Invalid_scale_factor_";
const char kFull[] = "IDS_CMD_ANAL_ADDD__Can_t_add_loadcase_any_more_";
const char kNoRow[] = "IDS_CMD_ANAL_ADDD__No_selected_item_in_the_list__nCh";
const char kListed[] = "IDS_CMD_ANAL_ADDD__Loadcase__s_already_exist_";

class LoadCaseListDlgTest : public DesignSettingsTest {
 protected:
  void SetUp() override {
    DesignSettingsTest::SetUp();
    DB_CDataBase* db = doc->GetModelDB();
    buck = static_cast<CClassBuck*>(db->GetClass(CClassBuck::m_nClassID));
    pdel = static_cast<CClassPdel*>(db->GetClass(CClassPdel::m_nClassID));
    stld = static_cast<CClassStld*>(db->GetClass(CClassStld::m_nClassID));
    // Load cases L1 .. L17 besides whatever the model holds.
    for (int i = 1; i <= 17; ++i) {
      T_STLD_D r;
      r.name.Format("L%d", i);
      r.type = "L";
      ASSERT_TRUE(stld->TR_Add(r)) << i;
      lcKey.push_back(stld->GetKey(r.name));
    }
  }
  // Opens the dialog of a kind and runs the script; a dialog still open then ends with
  // IDCANCEL. P-delta through the factory, buckling as the application builds it.
  int Open(const Kind& k, const Script& script) {
    if (&k == &kPDelta) return Run("CCCmdAnalPDeltaDlg", script);
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(dlg, user);
    });
    CCmdAnalBucklingDlg dlg;
    dlg.SetInitPos(1, 24, 24);
    const int r = (int)dlg.DoModal();
    EXPECT_EQ(AfxGetQueuedScriptCount(), 0);
    AfxClearScriptQueue();
    return r;
  }
  // The stored entries of a kind, as (load case, factor).
  std::vector<std::pair<UINT, double>> Stored(const Kind& k) {
    std::vector<std::pair<UINT, double>> v;
    if (&k == &kBuckling) {
      T_BUCK_D r;
      EXPECT_TRUE(buck->Get(r));
      for (int i = 0; i < T_BUCK_D::MAX_ENTRIES; ++i) {
        if (i < r.count) {
          v.emplace_back(r.entry[i].lc, r.entry[i].factor);
        } else {
          EXPECT_TRUE(r.entry[i].lc == 0 && r.entry[i].factor == 0.0 && r.entry[i].type == 0) << i;
        }
      }
    } else {
      T_PDEL_D r;
      EXPECT_TRUE(pdel->Get(r));
      for (int i = 0; i < T_PDEL_D::MAX_ENTRIES; ++i) {
        if (i < r.count) {
          v.emplace_back(r.entry[i].lc, r.entry[i].factor);
        } else {
          EXPECT_TRUE(r.entry[i].lc == 0 && r.entry[i].factor == 0.0) << i;
        }
      }
    }
    return v;
  }
  // Stores a record of the kind holding these load cases (factor 1.5 each).
  void Store(const Kind& k, const std::vector<UINT>& lcs) {
    if (&k == &kBuckling) {
      T_BUCK_D r;
      r.count = (int)lcs.size();
      for (size_t i = 0; i < lcs.size(); ++i) r.entry[i] = {lcs[i], 1.5, 1};
      ASSERT_TRUE(buck->Add(r));
    } else {
      T_PDEL_D r;
      r.count = (int)lcs.size();
      for (size_t i = 0; i < lcs.size(); ++i) r.entry[i] = {lcs[i], 1.5};
      ASSERT_TRUE(pdel->Add(r));
    }
  }
  void Forget() {
    buck->Del();
    pdel->Del();
    AfxClearMessageLog();
  }
  static CListCtrl& List(CDialog& d, const Kind& k) { return *static_cast<CListCtrl*>(d.GetDlgItem(k.list)); }
  static std::vector<std::string> Names(CDialog& d, const Kind& k) {
    std::vector<std::string> v;
    CListCtrl& l = List(d, k);
    for (int i = 0; i < l.GetItemCount(); ++i) v.push_back(l.GetItemText(i, 0).c_str());
    return v;
  }
  static int Selected(CDialog& d, const Kind& k) { return List(d, k).GetNextItem(-1, LVNI_SELECTED); }
  static std::string Chosen(CDialog& d, const Kind& k) { return Text(d, k.lc); }
  // Chooses a load case and a factor, then presses a button.
  static void Enter(CUserDriver& user, const Kind& k, const char* lc, const char* factor, UINT button) {
    if (lc) user.Choose(k.lc, lc);
    user.Type(k.factor, factor);
    user.Click(button);
  }

  CClassBuck* buck = nullptr;
  CClassPdel* pdel = nullptr;
  CClassStld* stld = nullptr;
  std::vector<UINT> lcKey;  // L1 .. L17
};

TEST_F(LoadCaseListDlgTest, WithoutARecordBothOpenEmptyWithFactorOneAndTheDeleteButtonDisabled) {
  for (const Kind* k : kKinds) {
    SCOPED_TRACE(k->name);
    Forget();
    EXPECT_EQ(Open(*k, [&](CDialog& d, CUserDriver&) {
                EXPECT_FALSE(d.GetDlgItem(k->remove)->IsWindowEnabled());
                EXPECT_EQ(Text(d, k->factor), "1");
                EXPECT_EQ(List(d, *k).GetItemCount(), 0);
                EXPECT_EQ(List(d, *k).GetColumnCount(), k->columns);
                EXPECT_EQ(Chosen(d, *k), "");
              }),
              IDCANCEL);
    EXPECT_EQ(buck->GetCount() + pdel->GetCount(), 0) << "Cancel stores nothing";
  }
  Open(kBuckling, [&](CDialog& d, CUserDriver&) {
    EXPECT_EQ(Text(d, IDC_BUCK_MODES), "1");
    EXPECT_TRUE(d.IsDlgButtonChecked(IDC_BUCK_VARIABLE));
  });
  Open(kPDelta, [&](CDialog& d, CUserDriver&) {
    EXPECT_EQ(Text(d, IDC_PDEL_ITER), "5");
    EXPECT_EQ(Text(d, IDC_PDEL_TOL), "1e-05");
  });
  // A stored buckling record without entries still shows its positive-only flag.
  T_BUCK_D r;
  r.positive = 1;
  ASSERT_TRUE(buck->Add(r));
  Open(kBuckling, [&](CDialog& d, CUserDriver&) {
    EXPECT_TRUE(d.IsDlgButtonChecked(IDC_BUCK_POSITIVE));
    EXPECT_TRUE(d.GetDlgItem(IDC_BUCK_REMOVE)->IsWindowEnabled());
  });
}

TEST_F(LoadCaseListDlgTest, EntriesAreCheckedAddedUpToFifteenEditedAndDeleted) {
  for (const Kind* k : kKinds) {
    SCOPED_TRACE(k->name);
    Forget();
    EXPECT_EQ(Open(*k, [&](CDialog& d, CUserDriver& user) {
                // Refused entries, the list unchanged.
                struct Case {
                  const char* lc;
                  const char* factor;
                  const char* message;  // "" for a refusal without a word
                } refused[] = {
                    {nullptr, "1", kNotSelected},
                    {"L1", "0", kBadFactor},
                    {"L1", "-2", kBadFactor},
                    {"L1", "abc", ""},
                };
                for (const Case& c : refused) {
                  AfxClearMessageLog();
                  Enter(user, *k, c.lc, c.factor, k->add);
                  EXPECT_EQ(LastMessage(), *c.message ? Key(c.message) : "") << c.factor;
                  EXPECT_EQ(List(d, *k).GetItemCount(), 0) << c.factor;
                }
                Enter(user, *k, "L1", "0.001", k->add);
                EXPECT_EQ(List(d, *k).GetItemText(0, 1), "0.001");
                AfxClearMessageLog();
                Enter(user, *k, "L1", "2", k->add);
                EXPECT_EQ(LastMessage(), GMakeMsg(kListed, "L1").c_str());
                for (int i = 2; i <= 15; ++i) Enter(user, *k, ("L" + std::to_string(i)).c_str(), "1.25", k->add);
                EXPECT_EQ(List(d, *k).GetItemCount(), 15);
                EXPECT_EQ(Selected(d, *k), 14) << "an added row becomes selected";
                AfxClearMessageLog();
                Enter(user, *k, "L16", "1", k->add);
                EXPECT_EQ(LastMessage(), Key(kFull));
                EXPECT_EQ(List(d, *k).GetItemCount(), 15);

                // Edit: to its own load case, then to another row's.
                user.SelectRows(k->list, {1});
                EXPECT_EQ(Chosen(d, *k), "L2") << "the selected row is shown";
                EXPECT_EQ(Text(d, k->factor), "1.25");
                AfxClearMessageLog();
                Enter(user, *k, "L2", "3", k->edit);
                EXPECT_EQ(LastMessage(), "");
                EXPECT_EQ(List(d, *k).GetItemText(1, 1), "3");
                EXPECT_EQ(Selected(d, *k), 1);
                Enter(user, *k, "L3", "4", k->edit);
                EXPECT_EQ(LastMessage(), GMakeMsg(kListed, "L3").c_str());
                EXPECT_EQ(List(d, *k).GetItemText(1, 0), "L2");
                Enter(user, *k, "L17", "4", k->edit);
                EXPECT_EQ(List(d, *k).GetItemText(1, 0), "L17");

                // Delete: the same index stays selected, or the new last row.
                user.SelectRows(k->list, {4});
                user.Click(k->del);
                EXPECT_EQ(Names(d, *k)[4], "L6");
                EXPECT_EQ(Selected(d, *k), 4);
                user.SelectRows(k->list, {13});
                user.Click(k->del);
                EXPECT_EQ(Selected(d, *k), 12);

                // No selected row: the default entry is shown, Edit and Delete are refused.
                EXPECT_EQ(user.SelectRows(k->list, {}), 1);
                EXPECT_EQ(Selected(d, *k), -1);
                EXPECT_EQ(Chosen(d, *k), "");
                EXPECT_EQ(Text(d, k->factor), k->noSelectionFactor);
                for (UINT button : {k->edit, k->del}) {
                  AfxClearMessageLog();
                  user.Click(button);
                  EXPECT_EQ(LastMessage(), Key(kNoRow));
                  EXPECT_EQ(List(d, *k).GetItemCount(), 13);
                }
                user.Click(k->ok);
              }),
              IDOK);
    const auto stored = Stored(*k);
    ASSERT_EQ(stored.size(), 13u);
    EXPECT_EQ(stored[0], std::make_pair(lcKey[0], 0.001));
    EXPECT_EQ(stored[1], std::make_pair(lcKey[16], 4.0));
    EXPECT_EQ(stored[4].first, lcKey[5]);
    EXPECT_EQ(stored[12].first, lcKey[13]);
  }
}

TEST_F(LoadCaseListDlgTest, RowsFollowLoadCasesDeletedAndRenumberedElsewhereInOneWalk) {
  for (const Kind* k : kKinds) {
    SCOPED_TRACE(k->name);
    Forget();
    const UINT gone = lcKey[16] + 100;  // no such load case
    Store(*k, {lcKey[0], lcKey[1], lcKey[2], gone});
    EXPECT_EQ(Open(*k, [&](CDialog& d, CUserDriver& user) {
                EXPECT_EQ(Names(d, *k), (std::vector<std::string>{"L1", "L2", "L3", ""}));
                EXPECT_EQ(Selected(d, *k), 0) << "the first row is selected on opening";
                ASSERT_TRUE(stld->TR_Del(lcKey[0]));
                EXPECT_EQ(Names(d, *k), (std::vector<std::string>{"L2", "L3", ""}));
                // One transaction: L2 deleted, then L3 renamed and renumbered into L2's key.
                {
                  DB_CScopedChange change(doc->GetModelDB());
                  ASSERT_TRUE(stld->TR_Del(lcKey[1]));
                  T_STLD_D r;
                  ASSERT_TRUE(stld->Get(lcKey[2], r));
                  r.name = "R3";
                  ASSERT_TRUE(stld->TR_Modify(lcKey[2], lcKey[1], r));
                  ASSERT_TRUE(change.Commit());
                }
                EXPECT_EQ(Names(d, *k), (std::vector<std::string>{"R3", ""}));
                T_STLD_D added;  // an addition elsewhere changes nothing
                added.name = "NEW";
                ASSERT_TRUE(stld->TR_Add(added));
                EXPECT_EQ(List(d, *k).GetItemCount(), 2);
                user.Click(k->ok);
              }),
              IDOK);
    const auto stored = Stored(*k);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].first, lcKey[1]) << "the rekeyed entry";
    EXPECT_EQ(stored[1].first, gone);
    doc->Undo();  // the addition
    doc->Undo();  // the delete and renumbering
    EXPECT_EQ(Stored(*k).size(), 2u) << "undo leaves the plain write alone";
    // The load cases of later cases come back.
    doc->Undo();
    lcKey.clear();
    for (int i = 1; i <= 17; ++i) lcKey.push_back(stld->GetKey(CString(("L" + std::to_string(i)).c_str())));
  }
}

TEST_F(LoadCaseListDlgTest, BucklingOkStoresModesAndFlagAndKeepsTheHiddenParameters) {
  T_BUCK_D r;
  r.iterCount = 77;
  r.tol = 0.5;
  r.positive = 1;
  r.count = 1;
  r.entry[0] = {lcKey[0], 2.0, 1};
  ASSERT_TRUE(buck->Add(r));
  struct Case {
    const char* modes;
    int result;
    const char* message;  // nullptr: none
    int stored;           // the stored mode count
  } cases[] = {
      {"abc", IDCANCEL, nullptr, 1},
      {"-1", IDCANCEL, "IDS_CMD_BUCK_ERROR_Negative", 1},
      {"2000", IDOK, nullptr, 2000},  // above the spin's range: as typed
      {"0", IDOK, nullptr, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.modes);
    AfxClearMessageLog();
    T_BUCK_D before;
    ASSERT_TRUE(buck->Get(before));
    before.modes = 1;
    ASSERT_TRUE(buck->Add(before));
    EXPECT_EQ(Open(kBuckling, [&](CDialog& d, CUserDriver& user) {
                EXPECT_TRUE(d.IsDlgButtonChecked(IDC_BUCK_CONSTANT)) << "the first entry is shown";
                // Choosing another row or none keeps the user's check box.
                user.Check(IDC_BUCK_POSITIVE, 0);
                user.SelectRows(IDC_BUCK_LIST, {});
                EXPECT_TRUE(d.IsDlgButtonChecked(IDC_BUCK_VARIABLE));
                user.SelectRows(IDC_BUCK_LIST, {0});
                EXPECT_FALSE(d.IsDlgButtonChecked(IDC_BUCK_POSITIVE));
                user.Type(IDC_BUCK_MODES, c.modes);
                user.Click(IDC_BUCK_OK);
                if (c.message) {
                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_BUCK_MODES));
                }
              }),
              c.result);
    EXPECT_EQ(LastMessage(), c.message ? Key(c.message) : "");
    T_BUCK_D s;
    ASSERT_TRUE(buck->Get(s));
    EXPECT_EQ(s.modes, c.stored);
    EXPECT_EQ(s.positive, c.result == IDOK ? 0 : 1);
    EXPECT_EQ(s.iterCount, 77) << "no control in view: kept";
    EXPECT_EQ(s.tol, 0.5);
    EXPECT_EQ(s.entry[0].type, 1);
    if (c.result == IDOK) {
      s.positive = 1;
      ASSERT_TRUE(buck->Add(s));
    }
  }
}

TEST_F(LoadCaseListDlgTest, PDeltaOkStoresIterationsAndToleranceAsTyped) {
  T_PDEL_D r;
  r.tol = 0.00001;
  ASSERT_TRUE(pdel->Add(r));
  struct Case {
    const char* iter;
    const char* tol;
    int result;
    const char* message;
  } cases[] = {
      {"250", "0.002", IDOK, nullptr},  // above the spin's range: as typed
      {"x", "0.002", IDCANCEL, nullptr},
      {"5", "", IDCANCEL, nullptr},
      {"0", "0.002", IDCANCEL, "IDS_CMD_PDEL_ERROR_Iteration"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.iter);
    AfxClearMessageLog();
    ASSERT_TRUE(pdel->Add(r));
    EXPECT_EQ(Open(kPDelta, [&](CDialog& d, CUserDriver& user) {
                EXPECT_EQ(Text(d, IDC_PDEL_TOL), "1e-05");
                user.Type(IDC_PDEL_ITER, c.iter);
                user.Type(IDC_PDEL_TOL, c.tol);
                user.Click(IDC_PDEL_OK);
                if (c.message) {
                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_PDEL_ITER));
                }
              }),
              c.result);
    EXPECT_EQ(LastMessage(), c.message ? Key(c.message) : "");
    T_PDEL_D s;
    ASSERT_TRUE(pdel->Get(s));
    EXPECT_EQ(s.iterCount, c.result == IDOK ? 250 : r.iterCount);
    EXPECT_EQ(s.tol, c.result == IDOK ? 0.002 : 0.00001);
  }
}

TEST_F(LoadCaseListDlgTest, PDeltaShowsItsOwnValuesAgainWhenItsRecordIsWrittenElsewhere) {
  Store(kPDelta, {lcKey[0]});
  Open(kPDelta, [&](CDialog& d, CUserDriver& user) {
    user.Type(IDC_PDEL_ITER, "9");
    user.SelectRows(IDC_PDEL_LIST, {});
    T_PDEL_D other;
    other.iterCount = 12;
    other.count = 2;
    other.entry[0] = {lcKey[3], 1.0};
    other.entry[1] = {lcKey[4], 1.0};
    ASSERT_TRUE(pdel->Add(other));
    EXPECT_EQ(Text(d, IDC_PDEL_ITER), "5") << "the dialog's own record";
    EXPECT_EQ(Names(d, kPDelta), (std::vector<std::string>{"L1"}));
    EXPECT_EQ(Selected(d, kPDelta), 0);
  });
}

TEST_F(LoadCaseListDlgTest, TheDeleteDataButtonRemovesTheRecordOutsideTheUndoHistory) {
  for (const Kind* k : kKinds) {
    SCOPED_TRACE(k->name);
    Forget();
    Store(*k, {lcKey[0]});
    EXPECT_EQ(Open(*k, [&](CDialog&, CUserDriver& user) { user.Click(k->remove); }), IDOK);
    EXPECT_EQ(buck->GetCount() + pdel->GetCount(), 0);
    doc->Undo();
    EXPECT_EQ(buck->GetCount() + pdel->GetCount(), 0);
  }
}

TEST_F(LoadCaseListDlgTest, TheLoadCaseButtonOpensTheLoadCasesAndCountsOutsideTheListAreRefused) {
  app->GetHostMainWnd().ClearCommands();
  Open(kBuckling, [&](CDialog&, CUserDriver& user) { user.Click(IDC_BUCK_LC_BTN); });
  ASSERT_FALSE(app->GetHostMainWnd().GetCommands().empty());
  EXPECT_EQ(app->GetHostMainWnd().GetCommands().back().m_nID, 32824u);
  EXPECT_FALSE(app->GetHostMainWnd().GetCommands().back().m_bPosted);

  for (int count : {-1, 16}) {
    T_BUCK_D b;
    b.count = count;
    EXPECT_FALSE(buck->Add(b)) << count;
    T_PDEL_D p;
    p.count = count;
    EXPECT_FALSE(pdel->Add(p)) << count;
  }
  T_PDEL_D full;
  full.count = 15;
  EXPECT_TRUE(pdel->Add(full));
}

}  // namespace
