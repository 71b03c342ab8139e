// The section property table: columns by section type, rows hidden for whole-section types,
// value format, unit column, sizes, the dialog fitted to the table, display-only cells and
// the grid's keys.
#include "SectEditorFixture.h"

#include "db/CSectUtil.h"
#include "properties/CCMStiffDlg.h"

namespace {

// Runs the table on a record; the script sees the dialog and its grid.
int RunTable(CDBDoc* doc, T_SECT_D& sect, std::function<void(CCMStiffDlg&, CCMSecPageStiffDlgGrid&)> check,
             int button = IDOK) {
  CCMStiffDlg* seen = nullptr;
  AfxQueueDialogScript([&](CDialog& dlg) {
    seen = static_cast<CCMStiffDlg*>(&dlg);
    check(*seen, seen->GetGrid());
    CUserDriver(&dlg).Click(button == IDOK ? IDC_SECT_STIFF_OK : button);
  });
  CCMStiffDlg dlg(doc, &sect, nullptr);
  const int r = (int)dlg.DoModal();
  EXPECT_NE(seen, nullptr);
  return r;
}

T_SECT_D SectionOfType(int iType) {
  T_SECT_D s;
  s.Initialize();
  s.iType = iType;
  s.iMatlType = SECT_MATL_STEEL;
  return s;
}

int ClientWidth(CWnd& w) {
  CRect rc;
  w.GetWindowRect(&rc);
  return rc.Width();
}

using StiffTable = SectEditorTest;

TEST_F(StiffTable, ValueColumnsAndTheirHeadersFollowTheType) {
  struct Case {
    int iType;
    int cols;
    const char* h1;
    const char* h2;
  } cases[] = {
      {1, 1, "IDS_WG_CMD__ADDD__ValueONLY", nullptr},
      {2, 1, "IDS_WG_CMD__ADDD__ValueONLY", nullptr},
      {3, 1, "IDS_WG_CMD__ADDD__ValueONLY", nullptr},
      {11, 1, "IDS_WG_CMD__ADDD__ValueONLY", nullptr},
      {5, 2, "IDS_WG_CMD__ADDD__Value_I_", "IDS_WG_CMD__ADDD__Value_J_"},
      {6, 2, "IDS_WG_CMD__ADDD__Value_Before_", "IDS_WG_CMD__ADDD__Value_After_"},
      {13, 2, "IDS_WG_CMD__ADDD__Value_Before_", "IDS_WG_CMD__ADDD__Value_After_"},
      {14, 0, "IDS_WG_CMD__ADDD__Unit", nullptr},
  };
  for (const Case& c : cases) {
    T_SECT_D s = SectionOfType(c.iType);
    EXPECT_EQ(CCMStiffDlg::GetValueColCount(c.iType), c.cols) << c.iType;
    RunTable(doc.get(), s, [&](CCMStiffDlg&, CCMSecPageStiffDlgGrid& g) {
      EXPECT_EQ(g.GetRowCount(), 18u);
      EXPECT_EQ(g.GetColCount(), 3u);
      EXPECT_STREQ(g.GetValueRowCol(0, 1), Key(c.h1)) << c.iType;
      EXPECT_STREQ(g.GetValueRowCol(0, 2), c.h2 ? Key(c.h2) : "") << c.iType;
      EXPECT_STREQ(g.GetValueRowCol(0, 3), Key("IDS_WG_CMD__ADDD__Unit"));
      EXPECT_EQ(g.GetColWidth(2), c.cols == 1 ? 0 : 120) << c.iType;
      EXPECT_EQ(g.GetValueRowCol(1, 1).IsEmpty(), c.cols == 0) << c.iType;
      EXPECT_EQ(g.GetValueRowCol(1, 2).IsEmpty(), c.cols < 2) << c.iType;
    });
  }
}

TEST_F(StiffTable, OneColumnTablesAre120PixelsNarrowerAndTheButtonsFollowTheTable) {
  int width[2] = {0, 0};
  const int types[2] = {1, 5};
  for (int i = 0; i < 2; ++i) {
    T_SECT_D s = SectionOfType(types[i]);
    RunTable(doc.get(), s, [&](CCMStiffDlg& dlg, CCMSecPageStiffDlgGrid& g) {
      width[i] = ClientWidth(dlg);
      CRect table, cancel, ok;
      g.GetWindowRect(&table);
      dlg.GetDlgItem(IDCANCEL)->GetWindowRect(&cancel);
      dlg.GetDlgItem(IDC_SECT_STIFF_OK)->GetWindowRect(&ok);
      EXPECT_EQ(table.Width(), i == 0 ? 280 : 400);
      EXPECT_EQ(cancel.right, table.right);
      EXPECT_EQ(cancel.left - ok.right, AfxDluToPixelX(157) - AfxDluToPixelX(147)) << "the gap is kept";
      EXPECT_EQ(g.GetColWidth(0), 100);
      EXPECT_EQ(g.GetColWidth(1), 120);
      EXPECT_EQ(g.GetColWidth(3), 60);
      EXPECT_EQ(g.GetRowHeight(0), 38);
      EXPECT_EQ(g.GetRowHeight(18), 16);
    });
  }
  EXPECT_EQ(width[1] - width[0], 120);
}

TEST_F(StiffTable, SrcAndCombinedSectionsShowOnlyAreasMomentsOfInertiaAndPerimeters) {
  for (int iType : {1, 2, 3, 4}) {
    T_SECT_D s = SectionOfType(iType);
    RunTable(doc.get(), s, [&](CCMStiffDlg&, CCMSecPageStiffDlgGrid& g) {
      const bool whole = iType == 2 || iType == 4;
      for (ROWCOL r = 1; r <= 18; ++r) {
        const bool hiddenRow = (r >= 4 && r <= 9) || (r >= 13 && r <= 16);
        EXPECT_EQ(g.IsRowHidden(r) != 0, whole && hiddenRow) << "type " << iType << " row " << r;
      }
    });
  }
}

TEST_F(StiffTable, ValuesShowThirteenSignificantDigitsAsTheRecordHoldsThem) {
  T_SECT_D s = SectionOfType(1);
  s.Part1.BaseA.Stiff.Area = 0.1;
  s.Part1.BaseA.Stiff.Izz = 1.0 / 3.0;
  s.Part1.BaseA.Design.Cent_Z = 2.5e-7;
  s.Part1.BaseA.Design.ip = 123456.789;
  s.Part1.BaseA.PeriOut = 1.2;
  s.Part1.BaseA.PeriIn = 0.8;
  RunTable(doc.get(), s, [](CCMStiffDlg&, CCMSecPageStiffDlgGrid& g) {
    EXPECT_STREQ(g.GetValueRowCol(1, 1), "0.1");
    EXPECT_STREQ(g.GetValueRowCol(12, 1), "0.3333333333333");
    EXPECT_STREQ(g.GetValueRowCol(5, 1), "2.5e-07");
    EXPECT_STREQ(g.GetValueRowCol(16, 1), "123456.789");
    EXPECT_STREQ(g.GetValueRowCol(17, 1), "1.2");
    EXPECT_STREQ(g.GetValueRowCol(18, 1), "0.8");
    EXPECT_STREQ(g.GetValueRowCol(1, 0), Key("IDS_WG_CMD__ADDD__Area"));
    EXPECT_STREQ(g.GetValueRowCol(18, 0), Key("IDS_WG_CMD__ADDD__PERI_IN"));
  });
}

TEST_F(StiffTable, TaperedSectionsShowTheIEndAndTheJEndSideBySide) {
  T_SECT_D s = SectionOfType(SECT_TYPE_TAPERED);
  s.Part1.BaseA.Stiff.Area = 0.02;
  s.Part1.BaseB.Stiff.Area = 0.01;
  s.Part1.BaseA.Design.Wpz = 3;
  s.Part1.BaseB.Design.Wpz = 4;
  s.Part1.BaseB.PeriIn = 0.6;
  RunTable(doc.get(), s, [](CCMStiffDlg&, CCMSecPageStiffDlgGrid& g) {
    EXPECT_STREQ(g.GetValueRowCol(1, 1), "0.02");
    EXPECT_STREQ(g.GetValueRowCol(1, 2), "0.01");
    EXPECT_STREQ(g.GetValueRowCol(9, 1), "3");
    EXPECT_STREQ(g.GetValueRowCol(9, 2), "4");
    EXPECT_STREQ(g.GetValueRowCol(18, 2), "0.6");
  });
}

TEST_F(StiffTable, TheUnitColumnNamesTheCurrentUnitOfEachRowsKind) {
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "mm"));
  T_SECT_D s = SectionOfType(1);
  RunTable(doc.get(), s, [&](CCMStiffDlg&, CCMSecPageStiffDlgGrid& g) {
    CUnitCtrl* u = doc->GetUnitCtrl();
    struct Row {
      ROWCOL row;
      int kind;
    } rows[] = {{1, T_SECT_STIFFNESS::unit[0]}, {4, T_SECT_DESIGN::unit[0]}, {6, T_SECT_DESIGN::unit[2]},
                {10, T_SECT_STIFFNESS::unit[3]}, {13, T_SECT_DESIGN::unit[8]}, {17, UNIT_LENGTH}};
    for (const Row& r : rows) {
      CString label;
      u->GetUnitSystem(r.kind, label);
      EXPECT_STREQ(g.GetValueRowCol(r.row, 3), label) << r.row;
    }
    CString mm;
    u->GetUnitSystem(UNIT_LENGTH, mm);
    EXPECT_STREQ(g.GetValueRowCol(18, 3), mm);
  });
}

TEST_F(StiffTable, ValuesAreShownInTheUnitsTheirRowsName) {
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "mm"));
  T_SECT_D s = SectionOfType(1);
  s.Part1.BaseA.Stiff.Area = 0.18;   // m^2
  s.Part1.BaseA.Stiff.Iyy = 0.0054;  // m^4
  RunTable(doc.get(), s, [&](CCMStiffDlg&, CCMSecPageStiffDlgGrid& g) {
    EXPECT_STREQ(g.GetValueRowCol(1, 1), "180000");        // mm^2
    EXPECT_STREQ(g.GetValueRowCol(11, 1), "5400000000");   // mm^4
  });
}

TEST_F(StiffTable, NoCellTakesInputAndTheButtonsOnlyReportHowItClosed) {
  T_SECT_D s = SectionOfType(5);
  s.Part1.BaseA.Stiff.Area = 0.5;
  const T_SECT_D before = s;
  EXPECT_EQ(RunTable(doc.get(), s, [](CCMStiffDlg& dlg, CCMSecPageStiffDlgGrid& g) {
              CUserDriver user(&dlg);
              for (int c = 1; c <= 3; ++c) EXPECT_EQ(user.EditCell(&g, 1, c, "7"), 0) << c;
              EXPECT_STREQ(g.GetValueRowCol(1, 1), "0.5");
              CGXStyle st;
              g.ComposeStyleRowCol(1, 2, st);
              EXPECT_EQ(st.GetInterior(), RGB(192, 192, 192));
              EXPECT_STREQ(g.StandardStyle().GetFaceName(), Key("IDS_CMD_FONT_Ms_Sans_Serif"));
              EXPECT_EQ(g.StandardStyle().GetFontSize(), 9);
              ROWCOL r = 0, col = 0;
              EXPECT_TRUE(g.GetCurrentCell(r, col));
              EXPECT_EQ(r, 1u);
            }),
            IDOK);
  EXPECT_EQ(RunTable(doc.get(), s, [](CCMStiffDlg&, CCMSecPageStiffDlgGrid&) {}, IDCANCEL), IDCANCEL);
  EXPECT_EQ(s.Part1.BaseA.Stiff.Area, before.Part1.BaseA.Stiff.Area);
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(StiffTable, KeysMoveBetweenInputCellsAndTabGoesToOK) {
  T_SECT_D s = SectionOfType(5);
  RunTable(doc.get(), s, [](CCMStiffDlg& dlg, CCMSecPageStiffDlgGrid& g) {
    // Nothing takes input: Right and Enter leave the current cell to the grid.
    EXPECT_FALSE(g.ProcessKeys(&g, WM_KEYDOWN, VK_RIGHT));
    ROWCOL r = 0, c = 0;
    g.GetCurrentCell(r, c);
    EXPECT_EQ(r, 1u);
    EXPECT_EQ(c, 1u);
    // Two cells made editable: Right and Enter go forward row by row, Left back.
    const CGXStyle open = CGXStyle().SetEnabled(TRUE).SetReadOnly(FALSE);
    g.SetStyleRange(CGXRange(1, 3), open);
    g.SetStyleRange(CGXRange(3, 2), open);
    EXPECT_TRUE(g.ProcessKeys(&g, WM_KEYDOWN, VK_RIGHT));
    g.GetCurrentCell(r, c);
    EXPECT_EQ(r, 1u);
    EXPECT_EQ(c, 3u);
    EXPECT_TRUE(g.ProcessKeys(&g, WM_KEYDOWN, VK_RETURN));
    g.GetCurrentCell(r, c);
    EXPECT_EQ(r, 3u);
    EXPECT_EQ(c, 2u);
    EXPECT_TRUE(g.ProcessKeys(&g, WM_KEYDOWN, VK_LEFT));
    g.GetCurrentCell(r, c);
    EXPECT_EQ(r, 1u);
    EXPECT_EQ(c, 3u);
    EXPECT_TRUE(g.ProcessKeys(&g, WM_CHAR, VK_SPACE));
    EXPECT_TRUE(g.IsEditing());
    g.CancelEditing();
    EXPECT_TRUE(g.ProcessKeys(&g, WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_SECT_STIFF_OK));
  });
}

}  // namespace
