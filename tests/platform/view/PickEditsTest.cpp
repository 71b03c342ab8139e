// The pick edits of member attributes: the material edit with its combo, typed numbers,
// and what a member or element picked in the model view writes into each edit.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxStyles.h"
#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CCobxMatl.h"
#include "db/CDBDoc.h"
#include "tests/platform/db/ControlDialogFixture.h"
#include "view/CEditAttrPick.h"
#include "view/CEditMatl.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

namespace {

enum { ID_MATL = 100, ID_MATL_EDIT, ID_SECT_EDIT, ID_THIK_EDIT, ID_TYPE_EDIT };

class Notified : public CWnd {
 public:
  std::string log;
  LRESULT OnPick(WPARAM w, LPARAM) { return Note("pick", w); }
  LRESULT OnEnter(WPARAM w, LPARAM) { return Note("enter", w); }
  LRESULT Note(const char* what, WPARAM w) {
    log += (log.empty() ? "" : ", ") + std::string(what) + " " + std::to_string(w);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Notified, CWnd)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_MOUSEEDITENTER2, &Notified::OnEnter)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_LBUTTONDOWN_FROM_MVIEW2, &Notified::OnPick)
END_MESSAGE_MAP()

class PickEdits : public ControlDialogTest<Notified> {};

TEST_F(PickEdits, MaterialComboAndNumberEditFollowEachOther) {
  CCobxMatl combo;
  CEditMatl edit;
  Make(combo, ID_MATL);
  MakeEdit(edit, ID_MATL_EDIT);
  EXPECT_EQ(Items(combo), "C30=1,C35=2,C40=3,Q235=4,Q355=5,C40/Q355=6");
  combo.EnableUndefined(TRUE);
  EXPECT_EQ(combo.GetCount(), 7);
  combo.SetEditBoxPoint(&edit);
  edit.SetComboBoxPoint(&combo);

  ASSERT_TRUE(user.Choose(ID_MATL, "C35"));
  EXPECT_EQ(Text(edit), "2");
  ASSERT_TRUE(user.Choose(ID_MATL, "None"));
  EXPECT_EQ(Text(edit), "");
  UINT key = 9;
  ASSERT_TRUE(combo.GetSelectedMatl(key)) << "None stays chosen";
  EXPECT_EQ(key, 0u);

  struct Case { const char* typed; UINT key; const char* shown; };
  const Case cases[] = {{"5", 5, "Q355"}, {" 3 ", 3, "C40"}, {"C40/Q355", 6, "C40/Q355"},
                        {"99", 0, ""},    {"c30", 0, ""},    {"0", 0, ""}};
  for (const Case& c : cases) {
    ASSERT_TRUE(user.Type(ID_MATL_EDIT, c.typed));
    UINT k = 77;
    EXPECT_EQ(edit.GetKey(k) != 0, c.key != 0) << c.typed;
    EXPECT_EQ(k, c.key ? c.key : 77u) << c.typed;
    EXPECT_EQ(Text(combo), c.shown) << c.typed;
  }

  combo.SetSRCOnly();
  EXPECT_EQ(Items(combo), "None=0,C40/Q355=6");
  edit.SetEditBoxText(1);
  EXPECT_FALSE(edit.GetKey(key)) << "an SRC-only pair takes SRC materials only";
  edit.SetEditBoxText(6);
  ASSERT_TRUE(edit.GetKey(key));
  EXPECT_EQ(key, 6u);
  ASSERT_TRUE(combo.ChangeSelect(6));

  // A new SRC material appears; deleting the chosen one clears the choice.
  T_MATL_D m;
  ASSERT_TRUE(Table<CClassMatl>()->Get(6, m));
  m.key = 0;
  m.name = "C30/Q235";
  ASSERT_TRUE(Table<CClassMatl>()->TR_Add(m));
  EXPECT_EQ(Items(combo), "None=0,C40/Q355=6,C30/Q235=7");
  ASSERT_TRUE(Table<CClassMatl>()->TR_Del(6u));
  EXPECT_EQ(combo.GetCurSel(), -1);
}

TEST_F(PickEdits, TypedNumbersAndMemberPicksGiveTheAttributeOfEachEdit) {
  // A beam on 1F from (0, 0) to (6, 0) with section 2 and no own material, and a slab of
  // thickness 1 made of material 4.
  DB_CDataBase* db = doc->GetModelDB();
  const UINT f1 = Table<CClassStor>()->GetKey("1F", 1);
  CArray<T_PONT_D> ps;
  for (double x : {0.0, 6.0, 6.0}) {
    T_PONT_D p;
    p.x = x, p.y = ps.GetSize() == 2 ? 6.0 : 0.0, p.storyKey = f1;
    ps.Add(p);
  }
  ASSERT_TRUE(Table<CClassPont>()->TR_Add(ps));
  CUIntArray pk;
  Table<CClassPont>()->GetKeyList(pk);
  T_MEMB_D beam;
  beam.type = 201, beam.storyKey = f1, beam.sectKey = 2;
  beam.points.Add(pk[0]), beam.points.Add(pk[1]);
  ASSERT_TRUE(Table<CClassMemb>()->TR_Add(beam));
  T_MEMB_D slab;
  slab.type = 301, slab.storyKey = f1, slab.thikKey = 1, slab.matlKey = 4;
  for (UINT k : pk) slab.points.Add(k);
  ASSERT_TRUE(Table<CClassMemb>()->TR_Add(slab));
  UINT beamMatl = 0;
  int flag = 0;
  CUIntArray mk;
  Table<CClassMemb>()->GetKeyList(mk);
  Table<CClassMemb>()->GetAppliedMatlKey(mk[0], beamMatl, flag);
  (void)db;

  I_ModelBase model{doc.get()};
  I_MainFrameBase frame;
  CViewEventController view;
  model.SetPlanView(f1);
  I_ModelBase::SetCurMySelfST(&model);
  frame.SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_MEMB, TRUE);

  CEditMatl matl;
  CEditSect sect;
  CEditThik thik;
  CEditMembType type;
  MakeEdit(matl, ID_MATL_EDIT);
  MakeEdit(sect, ID_SECT_EDIT);
  MakeEdit(thik, ID_THIK_EDIT);
  MakeEdit(type, ID_TYPE_EDIT);
  CEditAttrPick* edits[] = {&matl, &sect, &thik, &type};
  for (CEditAttrPick* e : edits) e->SetLButtonDownNotifyWindow(&dlg), e->SetEnterNotifyWindow(&dlg);

  // Typed: a whole number or nothing.
  struct Typed { const char* text; BOOL ok; UINT value; } typed[] = {{" 7 ", TRUE, 7}, {"0", TRUE, 0}, {"x1", FALSE, 0}, {"", FALSE, 0}, {"1.5", FALSE, 0}};
  for (const Typed& t : typed) {
    sect.SetWindowText(t.text);
    UINT v = 99;
    EXPECT_EQ(sect.GetKey(v), t.ok) << t.text;
    if (t.ok) {
      EXPECT_EQ(v, t.value) << t.text;
    }
  }

  struct Pick { double x, y; const char* matl; const char* sect; const char* thik; const char* type; } picks[] = {
      {3, 0, nullptr, "2", "", "3"},  // the beam: material from its story, section 2, type 201 third
      {4, 3, "4", "", "1", "9"},      // the slab: material 4, thickness 1, type 301 ninth
  };
  for (const Pick& p : picks) {
    for (CEditAttrPick* e : edits) {
      e->SetWindowText("");
      e->SetFocus();
      dlg.log.clear();
      view.MovePointer(p.x, p.y, 0);
      view.LButtonDown();
      const std::string want = e == &matl ? (p.matl ? p.matl : (beamMatl ? std::to_string(beamMatl) : ""))
                               : e == &sect ? p.sect : e == &thik ? p.thik : p.type;
      EXPECT_EQ(Text(*e), want) << p.x << " edit " << e->GetDlgCtrlID();
      EXPECT_EQ(dlg.log, want.empty() ? "" : "pick " + std::to_string(e->GetDlgCtrlID()));
    }
  }
  dlg.log.clear();
  ASSERT_TRUE(user.Key(ID_TYPE_EDIT, VK_RETURN));
  EXPECT_EQ(dlg.log, "enter " + std::to_string(ID_TYPE_EDIT));

  // In post-processing the element is picked: its type code.
  doc->SetPostMode(TRUE);
  type.SetWindowText("");
  type.SetFocus();
  view.MovePointer(3, 0, 0);
  view.LButtonDown();
  EXPECT_EQ(Text(type), "201");
  doc->SetPostMode(FALSE);
  I_ModelBase::SetCurMySelfST(nullptr);
  for (CEditAttrPick* e : edits) e->DestroyWindow();
}

TEST_F(PickEdits, WithoutANotifyWindowTheMaterialEditIsAPlainEdit) {
  CEditMatl edit;
  MakeEdit(edit, ID_MATL_EDIT);
  edit.SetWindowText("3");
  ASSERT_TRUE(user.Key(ID_MATL_EDIT, VK_RETURN));
  EXPECT_EQ(dlg.log, "") << "Return goes on to the dialog";
  UINT key = 0;
  ASSERT_TRUE(edit.GetKey(key));
  EXPECT_EQ(key, 3u);
}

}  // namespace
