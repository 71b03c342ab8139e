// The model control dialog with its design-code set and wall-opening dialogs, through their
// templates and real transactions: what the lists offer, the rules between the controls,
// the refusals on OK, and what OK and Cancel write.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afx/AfxScript.h"
#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassPzef.h"
#include "frame/ICmdDialog.h"
#include "levels/CCmdUsedCodeDlg.h"
#include "levels/CCmdUsedCodeGrid.h"
#include "levels/CModelCtrlDataWBeamDlg.h"
#include "levels/CModelCtrlDlg.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

namespace {

using Script = std::function<void(CDialog&, CUserDriver&)>;

class ModelCtrlDlgTest : public LevelsTest {
 protected:
  // Stores a model control record made from the defaults by f.
  void Store(const std::function<void(T_MCTL_D&)>& f) {
    T_MCTL_D c;
    f(c);
    ASSERT_TRUE(mctl->TR_Add(c));
    counter.transactions = 0;
  }
  INT_PTR Run(const Script& actions) {
    AfxQueueDialogScript([actions](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    CModelCtrlDlg dlg;
    return dlg.DoModal();
  }
  // Queues the actions for the next dialog that opens (a sub-dialog).
  static void Next(const Script& actions) {
    AfxQueueDialogScript([actions](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
  }
  static CComboBox* Combo(CDialog& d, int id) { return dynamic_cast<CComboBox*>(d.GetDlgItem(id)); }
  // The item data of every entry, and of the selected one (-1: none).
  static std::vector<int> Codes(CDialog& d, int id) {
    std::vector<int> v;
    CComboBox* c = Combo(d, id);
    for (int i = 0; i < c->GetCount(); ++i) v.push_back((int)c->GetItemData(i));
    return v;
  }
  static int Selected(CDialog& d, int id) {
    CComboBox* c = Combo(d, id);
    return c->GetCurSel() < 0 ? -1 : (int)c->GetItemData(c->GetCurSel());
  }
  static std::string TextOf(CDialog& d, int id) {
    CString s;
    d.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != 0; }
  static bool Checked(CDialog& d, int id) { return d.IsDlgButtonChecked(id) != 0; }
  std::string Item(const char* key) { return Text(key); }
  T_MCTL_D Stored() {
    T_MCTL_D c;
    EXPECT_TRUE(mctl->Get(c));
    return c;
  }
};

const std::vector<int> kConcrete = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10};

TEST_F(ModelCtrlDlgTest, TheStructureListFollowsTheCodeSetAndTheMaterial) {
  // The 2010 codes with material 1: the hybrid systems, the stored one selected.
  Store([](T_MCTL_D& c) {
    c.codeSet = 1;
    c.matlType = 1;
    c.structType = 103;
  });
  INT_PTR r = Run([this](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(Item("IDS_CMD_DESIGN_CODE_NAME_NEW"), TextOf(d, IDC_MC_CODE_NAME));
    EXPECT_EQ(std::vector<int>({0, 1, 2, 3}), Codes(d, IDC_MC_MATL));
    EXPECT_EQ(1, Selected(d, IDC_MC_MATL));
    EXPECT_EQ(std::vector<int>({101, 102, 103, 104}), Codes(d, IDC_MC_STRUCT));
    EXPECT_EQ(103, Selected(d, IDC_MC_STRUCT));
    // Another material rebuilds the list and selects its second entry.
    EXPECT_TRUE(user.Choose(IDC_MC_MATL, Item("IDS_CMD_MC_Struct_ferroconcrete").c_str()));
    EXPECT_EQ(kConcrete, Codes(d, IDC_MC_STRUCT));
    EXPECT_EQ(1, Selected(d, IDC_MC_STRUCT));
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  EXPECT_EQ(IDCANCEL, r);

  // The older codes offer the concrete systems whatever the material; switching to the 2010
  // codes with material 2 gives the steel systems, 202 selected.
  Store([](T_MCTL_D& c) {
    c.codeSet = 0;
    c.matlType = 2;
    c.structType = 4;
  });
  r = Run([this](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(Item("IDS_CMD_DESIGN_CODE_NAME_OLD"), TextOf(d, IDC_MC_CODE_NAME));
    EXPECT_EQ(kConcrete, Codes(d, IDC_MC_STRUCT));
    EXPECT_EQ(4, Selected(d, IDC_MC_STRUCT));
    Next([](CDialog&, CUserDriver& u) {
      EXPECT_TRUE(u.Click(IDC_UC_2010));
      EXPECT_TRUE(u.Click(IDOK));
    });
    EXPECT_TRUE(user.Click(IDC_MC_CODE_BTN));
    EXPECT_EQ(Item("IDS_CMD_DESIGN_CODE_NAME_NEW"), TextOf(d, IDC_MC_CODE_NAME));
    EXPECT_EQ(std::vector<int>({201, 202, 203, 204, 205}), Codes(d, IDC_MC_STRUCT));
    EXPECT_EQ(202, Selected(d, IDC_MC_STRUCT));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(1, Stored().codeSet);
  EXPECT_EQ(202, Stored().structType);
  EXPECT_EQ(1, counter.transactions);
}

TEST_F(ModelCtrlDlgTest, ConfirmingTheCodeSetUnchangedStillRebuildsTheList) {
  Store([](T_MCTL_D& c) {
    c.codeSet = 1;
    c.matlType = 0;
    c.structType = 9;
  });
  Run([this](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(9, Selected(d, IDC_MC_STRUCT));
    Next([](CDialog&, CUserDriver& u) { EXPECT_TRUE(u.Click(IDOK)); });
    EXPECT_TRUE(user.Click(IDC_MC_CODE_BTN));
    EXPECT_EQ(kConcrete, Codes(d, IDC_MC_STRUCT));
    EXPECT_EQ(1, Selected(d, IDC_MC_STRUCT));
    // Cancelled, the code-set dialog changes nothing.
    EXPECT_TRUE(user.Choose(IDC_MC_STRUCT, Item("IDS_CMD_MC_Struct_Tube").c_str()));
    Next([](CDialog&, CUserDriver& u) {
      EXPECT_TRUE(u.Click(IDC_UC_OLD));
      EXPECT_TRUE(u.Click(IDCANCEL));
    });
    EXPECT_TRUE(user.Click(IDC_MC_CODE_BTN));
    EXPECT_EQ(3, Selected(d, IDC_MC_STRUCT));
    EXPECT_EQ(Item("IDS_CMD_DESIGN_CODE_NAME_NEW"), TextOf(d, IDC_MC_CODE_NAME));
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
}

TEST_F(ModelCtrlDlgTest, MaterialSetsTheBaseSupportAndTheSupportKindNeedsTheAutomaticConstraint) {
  Store([](T_MCTL_D& c) {
    c.codeSet = 0;
    c.autoBaseSupport = 0;
    c.baseFixed = 1;
  });
  INT_PTR r = Run([this](CDialog& d, CUserDriver& user) {
    EXPECT_FALSE(Enabled(d, IDC_MC_FIXED));
    EXPECT_FALSE(Enabled(d, IDC_MC_PINNED));
    EXPECT_TRUE(user.Choose(IDC_MC_MATL, Item("IDS_CMD_MC_Struct_None_patienceWall_Strong").c_str()));
    EXPECT_TRUE(Checked(d, IDC_MC_PINNED));
    EXPECT_FALSE(Checked(d, IDC_MC_FIXED));
    EXPECT_FALSE(Enabled(d, IDC_MC_PINNED)) << "still off without the automatic constraint";
    EXPECT_EQ(kConcrete, Codes(d, IDC_MC_STRUCT)) << "the older codes keep their list";
    EXPECT_TRUE(user.Choose(IDC_MC_MATL, Item("IDS_CMD_MC_Struct_steel_construction").c_str()));
    EXPECT_TRUE(Checked(d, IDC_MC_FIXED));
    EXPECT_FALSE(Checked(d, IDC_MC_PINNED));
    EXPECT_TRUE(user.Check(IDC_MC_AUTO_BASE, 1));
    EXPECT_TRUE(Enabled(d, IDC_MC_FIXED));
    EXPECT_TRUE(Enabled(d, IDC_MC_PINNED));
    EXPECT_TRUE(user.Check(IDC_MC_PINNED, 1));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  T_MCTL_D c = Stored();
  EXPECT_EQ(1, c.matlType);
  EXPECT_EQ(1, c.autoBaseSupport);
  EXPECT_EQ(0, c.baseFixed);
}

TEST_F(ModelCtrlDlgTest, FrameAndFlatSlabSystemsForceHeightClassA) {
  Store([](T_MCTL_D& c) {
    c.codeSet = 0;
    c.structType = 9;
    c.heightClass = 1;
  });
  INT_PTR r = Run([this](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(Checked(d, IDC_MC_CLASS_B));
    EXPECT_TRUE(Enabled(d, IDC_MC_CLASS_B));
    EXPECT_TRUE(user.Choose(IDC_MC_STRUCT, Item("IDS_CMD_MC_Struct_Plate_Pillar_All_Section").c_str()));
    EXPECT_TRUE(Checked(d, IDC_MC_CLASS_A));
    EXPECT_FALSE(Checked(d, IDC_MC_CLASS_B));
    EXPECT_FALSE(Enabled(d, IDC_MC_CLASS_B));
    EXPECT_TRUE(user.Choose(IDC_MC_STRUCT, Item("IDS_CMD_MC_Struct_Diff_Pillar_Frame").c_str()));
    EXPECT_TRUE(Enabled(d, IDC_MC_CLASS_B));
    EXPECT_TRUE(Checked(d, IDC_MC_CLASS_A)) << "the choice stays";
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(0, Stored().heightClass);
  EXPECT_EQ(9, Stored().structType);
}

TEST_F(ModelCtrlDlgTest, BeamFactorsAreCheckedOnOkBkFirst) {
  Store([](T_MCTL_D&) {});
  Run([](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(user.Type(IDC_MC_BK, "1.5"));
    EXPECT_EQ("1.25", TextOf(d, IDC_MC_EDGE_BEAM));
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  struct Case {
    const char* bk;
    const char* coupling;
    int refusedAt;  // 0: accepted
  } cases[] = {
      {"1", "0.3", 0},         {"2", "1", 0},          {"0.999", "0.7", IDC_MC_BK}, {"2.001", "0.7", IDC_MC_BK},
      {"2.5", "0.7", IDC_MC_BK}, {"x", "0.7", IDC_MC_BK}, {"1.2", "0.299", IDC_MC_COUPLING},
      {"1.2", "1.001", IDC_MC_COUPLING}, {"3", "5", IDC_MC_BK},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.bk) + " " + c.coupling);
    Store([](T_MCTL_D& m) { m.midBeamFactor = 1.1; });
    AfxClearMessageLog();
    INT_PTR r = Run([&](CDialog& d, CUserDriver& user) {
      EXPECT_TRUE(user.Type(IDC_MC_BK, c.bk));
      EXPECT_TRUE(user.Type(IDC_MC_COUPLING, c.coupling));
      EXPECT_TRUE(user.Click(IDOK));
      if (!c.refusedAt) return;
      EXPECT_EQ(d.GetDlgItem(c.refusedAt), CWnd::GetFocus());
      EXPECT_TRUE(user.Click(IDCANCEL));
    });
    if (c.refusedAt) {
      EXPECT_EQ(IDCANCEL, r);
      EXPECT_EQ(Text(c.refusedAt == IDC_MC_BK ? "IDS_WG_CMD_MC_ERROR_Input_Value_is_Invalid"
                                              : "IDS_WG_CMD_MC_ERROR_LintelBeam_Value_is_Invalid"),
                LastMessage());
      EXPECT_EQ(0, counter.transactions);
      EXPECT_EQ(1.1, Stored().midBeamFactor);
    } else {
      EXPECT_EQ(IDOK, r);
      EXPECT_EQ(0, AfxGetMessageCount());
      EXPECT_EQ(std::stod(c.bk), Stored().midBeamFactor);
      EXPECT_EQ(std::stod(c.coupling), Stored().couplingBeamFactor);
    }
  }
}

TEST_F(ModelCtrlDlgTest, AStructureTheListDoesNotOfferIsToldOnOk) {
  // Code 7 is offered only by the data page: the older list shows nothing selected.
  Store([](T_MCTL_D& c) {
    c.codeSet = 0;
    c.structType = 7;
  });
  INT_PTR r = Run([this](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(-1, Selected(d, IDC_MC_STRUCT));
    EXPECT_TRUE(user.Click(IDOK));
    EXPECT_EQ(Text("IDS_CMD_MC_ERROR_No_Structure_Selected"), LastMessage());
    EXPECT_EQ(d.GetDlgItem(IDC_MC_STRUCT), CWnd::GetFocus());
    EXPECT_TRUE(user.Choose(IDC_MC_STRUCT, Item("IDS_CMD_MC_Struct_Tube").c_str()));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(3, Stored().structType);
}

TEST_F(ModelCtrlDlgTest, OkWritesTheWholeRecordOnceAndCancelWritesNothingAfterConfirmedSubDialogs) {
  Store([](T_MCTL_D& c) {
    c.codeSet = 0;
    c.loadMass.gravityRepLlFactor = 0.25;  // a field this dialog does not show
    c.detail.slabMesh = 1.23456789012345;
  });
  // Cancel after the wall openings and the code set were confirmed.
  INT_PTR r = Run([](CDialog&, CUserDriver& user) {
    Next([](CDialog&, CUserDriver& u) {
      EXPECT_TRUE(u.Type(IDC_WO_IGNORE_B, "0.9"));
      EXPECT_TRUE(u.Click(IDC_WO_OK));
    });
    EXPECT_TRUE(user.Click(IDC_MC_WALL_OPENING_BTN));
    Next([](CDialog&, CUserDriver& u) {
      EXPECT_TRUE(u.Click(IDC_UC_2010));
      EXPECT_TRUE(u.Click(IDOK));
    });
    EXPECT_TRUE(user.Click(IDC_MC_CODE_BTN));
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  EXPECT_EQ(IDCANCEL, r);
  EXPECT_EQ(0, counter.transactions);
  EXPECT_EQ(0.2, Stored().wallOpening.ignoreOpenWidth);
  EXPECT_EQ(0, Stored().codeSet);

  // OK: the wall openings, the meshes and the checks in one transaction; the fields it does
  // not show, and the mesh it did not touch, as they were.
  r = Run([](CDialog&, CUserDriver& user) {
    Next([](CDialog&, CUserDriver& u) {
      EXPECT_TRUE(u.Type(IDC_WO_NOEDGE_H, "0.8"));
      EXPECT_TRUE(u.Click(IDC_WO_OK));
    });
    EXPECT_TRUE(user.Click(IDC_MC_WALL_OPENING_BTN));
    EXPECT_TRUE(user.Type(IDC_MC_STAIR_MESH, "0.75"));
    EXPECT_TRUE(user.Check(IDC_MC_COUPLE_DOF, 1));
    EXPECT_TRUE(user.Check(IDC_MC_RIGID_ZONE, 1));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(1, counter.transactions);
  T_MCTL_D c = Stored();
  EXPECT_EQ(0.8, c.wallOpening.noEdgeOpenHeight);
  EXPECT_EQ(0.75, c.detail.stairMesh);
  EXPECT_EQ(1.23456789012345, c.detail.slabMesh);
  EXPECT_EQ(1, c.detail.coupleInternalDof);
  EXPECT_EQ(1, c.beamColumnRigidZone);
  EXPECT_EQ(0.25, c.loadMass.gravityRepLlFactor);
  // Undo takes the whole change back.
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(0.5, Stored().wallOpening.noEdgeOpenHeight);
}

TEST_F(ModelCtrlDlgTest, AModelWithoutTheRecordOpensOnTheDefaultsAndOkCreatesIt) {
  T_MCTL_D none;
  ASSERT_FALSE(mctl->Get(none));
  T_MCTL_D defaults;
  defaults.Initialize();
  INT_PTR r = Run([&](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(defaults.matlType, Selected(d, IDC_MC_MATL));
    EXPECT_EQ("1", TextOf(d, IDC_MC_BK));
    EXPECT_EQ("0.7", TextOf(d, IDC_MC_COUPLING));
    EXPECT_EQ("m", TextOf(d, IDC_MC_SLAB_MESH_UNIT));
    // The rigid-zone details need their check.
    EXPECT_FALSE(Checked(d, IDC_MC_RIGID_ZONE));
    EXPECT_FALSE(Enabled(d, IDC_MC_RIGID_ZONE_BTN));
    EXPECT_TRUE(user.Check(IDC_MC_RIGID_ZONE, 1));
    EXPECT_TRUE(Enabled(d, IDC_MC_RIGID_ZONE_BTN));
    // Its dialog keeps its own record: Cancel there leaves it absent.
    Next([](CDialog&, CUserDriver& u) { EXPECT_TRUE(u.Click(IDCANCEL)); });
    EXPECT_TRUE(user.Click(IDC_MC_RIGID_ZONE_BTN));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  T_MCTL_D c = Stored();
  EXPECT_EQ(1, c.beamColumnRigidZone);
  EXPECT_EQ(defaults.structType, c.structType);
  CClassPzef* pzef = static_cast<CClassPzef*>(db->GetClass(CClassPzef::m_nClassID));
  T_PZEF_D p;
  EXPECT_FALSE(pzef->Get(p));
}

TEST_F(ModelCtrlDlgTest, TheFactoryOpensItPlaced) {
  Store([](T_MCTL_D&) {});
  CRect rc;
  AfxQueueDialogScript([&](CDialog& d) {
    d.GetWindowRect(&rc);
    EXPECT_NE(nullptr, dynamic_cast<CModelCtrlDlg*>(&d));
    CUserDriver(&d).Click(IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, ICmdDialog::DoModal("CModelCtrlDlg", nullptr));
  CRect area;
  AfxGetMainWnd()->GetClientRect(&area);
  AfxGetMainWnd()->ClientToScreen(&area);
  EXPECT_EQ(CPoint(area.left + 4, area.top + 86), rc.TopLeft());
}

// ---- the design-code set dialog ----

class UsedCodeDlgTest : public ModelCtrlDlgTest {
 protected:
  INT_PTR RunCode(int code, const Script& actions, int* chosen = nullptr) {
    AfxQueueDialogScript([actions](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    CCmdUsedCodeDlg dlg;
    dlg.SetCode(code);
    INT_PTR r = dlg.DoModal();
    if (chosen) *chosen = dlg.GetCode();
    return r;
  }
  static CCmdUsedCodeGrid& Grid(CDialog& d) { return *static_cast<CCmdUsedCodeDlg&>(d).GetGrid(); }
};

TEST_F(UsedCodeDlgTest, TheTableShowsTheCodesOfTheCheckedSet) {
  int chosen = -1;
  INT_PTR r = RunCode(0, [this](CDialog& d, CUserDriver& user) {
    CCmdUsedCodeGrid& g = Grid(d);
    EXPECT_TRUE(Checked(d, IDC_UC_OLD));
    EXPECT_EQ(Text("IDS_CMD_GRID_SEISMIC"), std::string(g.GetCellText(3, 1).c_str()));
    EXPECT_EQ(Text("IDS_CMD_GRID_GB50011_01"), std::string(g.GetCellText(3, 2).c_str()));
    EXPECT_EQ(Text("IDS_CMD_GRID_JGJ3_02"), std::string(g.GetCellText(5, 3).c_str()));
    EXPECT_TRUE(user.Click(IDC_UC_2010));
    EXPECT_EQ(Text("IDS_CMD_GRID_GB50011_10"), std::string(g.GetCellText(3, 2).c_str()));
    EXPECT_EQ(Text("IDS_CMD_GRID_GB50010_10"), std::string(g.GetCellText(5, 2).c_str()));
    EXPECT_EQ(Text("IDS_CMD_GRID_JGJ3_10"), std::string(g.GetCellText(5, 3).c_str()));
    // A set that spans both columns is one covered cell.
    CGXRange covered;
    EXPECT_TRUE(g.GetCoveredCellsRowCol(3, 3, covered));
    // Clicking the checked radio again fills nothing.
    g.SetCellText(2, 2, "mark");
    EXPECT_TRUE(user.Click(IDC_UC_2010));
    EXPECT_EQ("mark", std::string(g.GetCellText(2, 2).c_str()));
    // No cell can be edited.
    for (int row = 1; row <= 6; ++row)
      for (int col = 1; col <= 3; ++col) EXPECT_EQ(0, g.UserEditCell(row, col, "x")) << row << "," << col;
    EXPECT_TRUE(user.Click(IDOK));
  }, &chosen);
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(1, chosen);
}

TEST_F(UsedCodeDlgTest, FillCodesKnowsTwoSets) {
  RunCode(1, [](CDialog& d, CUserDriver& user) {
    CCmdUsedCodeGrid& g = Grid(d);
    EXPECT_EQ(0, g.FillCodes(2));
    EXPECT_EQ(0, g.FillCodes(-1));
    EXPECT_EQ(1, g.FillCodes(0));
    EXPECT_EQ(0, g.UserEditCell(4, 2, "x")) << "read-only again after a fill";
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
}

// ---- the wall-opening dialog ----

TEST_F(ModelCtrlDlgTest, WallOpeningsEditTheGroupOnlyOnOk) {
  T_MCTL_WALLOPEN group;
  group.frameBeamByRatio = 0;
  group.frameBeamRatio = 4.5;
  group.reserved[0] = 7.0;
  const T_MCTL_WALLOPEN before = group;
  auto run = [&](const Script& s) {
    Next(s);
    CModelCtrlDataWBeamDlg dlg(&group);
    return dlg.DoModal();
  };
  // Cancel after changing the four sizes leaves the group.
  INT_PTR r = run([](CDialog&, CUserDriver& u) {
    for (int id : {IDC_WO_IGNORE_B, IDC_WO_IGNORE_H, IDC_WO_NOEDGE_B, IDC_WO_NOEDGE_H}) EXPECT_TRUE(u.Type(id, "3"));
    EXPECT_TRUE(u.Click(IDC_WO_CANCEL));
  });
  EXPECT_EQ(IDCANCEL, r);
  EXPECT_EQ(before.ignoreOpenWidth, group.ignoreOpenWidth);
  EXPECT_EQ(before.ignoreOpenHeight, group.ignoreOpenHeight);
  EXPECT_EQ(before.noEdgeOpenWidth, group.noEdgeOpenWidth);
  EXPECT_EQ(before.noEdgeOpenHeight, group.noEdgeOpenHeight);

  // The ratio needs its check; OK keeps the ratio shown while the check is clear.
  r = run([](CDialog& d, CUserDriver& u) {
    EXPECT_EQ("4.5", TextOf(d, IDC_WO_RATIO));
    EXPECT_FALSE(Enabled(d, IDC_WO_RATIO));
    EXPECT_FALSE(Enabled(d, IDC_WO_RATIO_LABEL));
    EXPECT_EQ(0, u.Type(IDC_WO_RATIO, "9"));
    EXPECT_TRUE(u.Check(IDC_WO_FRAME_BEAM, 1));
    EXPECT_TRUE(Enabled(d, IDC_WO_RATIO));
    EXPECT_TRUE(u.Check(IDC_WO_FRAME_BEAM, 0));
    EXPECT_EQ("4.5", TextOf(d, IDC_WO_RATIO));
    EXPECT_TRUE(u.Type(IDC_WO_IGNORE_H, "0.35"));
    EXPECT_TRUE(u.Type(IDC_WO_H1, "9"));  // bound to nothing
    EXPECT_TRUE(u.Click(IDC_WO_OK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(0.35, group.ignoreOpenHeight);
  EXPECT_EQ(4.5, group.frameBeamRatio);
  EXPECT_EQ(0, group.frameBeamByRatio);
  EXPECT_EQ(7.0, group.reserved[0]);

  // A size that is no number is refused; the group stays whole.
  AfxClearMessageLog();
  r = run([this](CDialog& d, CUserDriver& u) {
    EXPECT_TRUE(u.Type(IDC_WO_IGNORE_B, "1"));
    EXPECT_TRUE(u.Type(IDC_WO_NOEDGE_B, "wide"));
    EXPECT_TRUE(u.Click(IDC_WO_OK));
    EXPECT_EQ(Text("IDS_CMD_MC_WALL_OPENING_NOT_NUMBER"), LastMessage());
    EXPECT_EQ(d.GetDlgItem(IDC_WO_NOEDGE_B), CWnd::GetFocus());
    EXPECT_TRUE(u.Click(IDC_WO_CANCEL));
  });
  EXPECT_EQ(IDCANCEL, r);
  EXPECT_EQ(before.ignoreOpenWidth, group.ignoreOpenWidth);
}

}  // namespace
