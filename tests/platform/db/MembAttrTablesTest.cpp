// Data assigned to members: loads found through the member's attribute list, grade links
// and uncertain-combination factors found by member, all gone with their member in the
// member's own undoable step; the grade write; dumps of the new tables.
#include <gtest/gtest.h>

#include <string>
#include "db/CClassCmld.h"
#include "db/CClassLdct.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassPrel.h"
#include "db/CClassUccf.h"
#include "DbFixture.h"

namespace {

class MembAttrTables : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    doc->NewSampleModel();
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    cmld = static_cast<CClassCmld*>(db->GetClass(CClassCmld::m_nClassID));
    lnld = static_cast<CClassLnld*>(db->GetClass(CClassLnld::m_nClassID));
    prel = static_cast<CClassPrel*>(db->GetClass(CClassPrel::m_nClassID));
    lfeg = static_cast<CClassLfeg*>(db->GetClass(CClassLfeg::m_nClassID));
    uccf = static_cast<CClassUccf*>(db->GetClass(CClassUccf::m_nClassID));
    ASSERT_TRUE(pont && memb && cmld && lnld && prel && lfeg && uccf);
    T_PONT_D p;
    p.storyKey = 3;
    a = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    p.x = 6;
    b = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    col = Member(101, {a, b});
    beam = Member(201, {a, b});
    ASSERT_TRUE(col && beam);
  }
  UINT Member(int type, std::initializer_list<UINT> points) {
    T_MEMB_D m;
    m.type = type, m.storyKey = 3, m.sectKey = 1;
    for (UINT k : points) m.points.Add(k);
    UINT key = memb->GetNewKey();
    return memb->TR_Add(m) ? key : 0;
  }
  template <class T>
  static T Load(UINT m, UINT loadCase, int type, double v) {
    T r;
    r.memb = m, r.loadCase = loadCase, r.loadType = type;
    r.p[1] = 1.0;
    r.v[0] = r.v[1] = v;
    return r;
  }
  std::string Attrs(UINT m) {
    CArray<CClassStor::T_ATTR_ENTRY> list;
    if (!memb->GetAttrList(m, list)) return "none";
    std::string s;
    for (const auto& e : list) s += std::to_string(e.code) + ":" + std::to_string(e.key) + " ";
    return s;
  }
  std::string Dump(const char* code) {
    CString out;
    doc->DumpTable(code, out);
    return out.c_str();
  }
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CClassCmld* cmld = nullptr;
  CClassLnld* lnld = nullptr;
  CClassPrel* prel = nullptr;
  CClassLfeg* lfeg = nullptr;
  CClassUccf* uccf = nullptr;
  UINT a = 0, b = 0, col = 0, beam = 0;
};

TEST_F(MembAttrTables, AMembersLoadsAreItsAttributeListColumnLoadsFirst) {
  EXPECT_EQ(Attrs(col), "") << "no loads";
  EXPECT_EQ(Attrs(4711), "none") << "no member";
  ASSERT_TRUE(lnld->TR_Add(Load<T_LNLD_D>(col, 1, 3, 10)));  // key 1
  ASSERT_TRUE(cmld->TR_Add(Load<T_CMLD_D>(col, 2, 1, 5)));   // key 1
  ASSERT_TRUE(cmld->TR_Add(Load<T_CMLD_D>(beam, 1, 1, 5)));  // key 2
  ASSERT_TRUE(cmld->TR_Add(Load<T_CMLD_D>(col, 1, 1, 7)));   // key 3
  const std::string c = std::to_string(CClassCmld::UR_CMLD_CMD), l = std::to_string(CClassLnld::UR_LNLD_CMD);
  EXPECT_EQ(Attrs(col), c + ":1 " + c + ":3 " + l + ":1 ");
  EXPECT_EQ(Attrs(beam), c + ":2 ");
  // A load moved to another member leaves the first one's list.
  T_CMLD_D r;
  ASSERT_TRUE(cmld->Get(3, r));
  r.memb = beam;
  ASSERT_TRUE(cmld->TR_Modify(3, r));
  EXPECT_EQ(Attrs(col), c + ":1 " + l + ":1 ");
  EXPECT_EQ(Attrs(beam), c + ":2 " + c + ":3 ");
  db->Undo();
  EXPECT_EQ(Attrs(beam), c + ":2 ") << "undo puts the index back";
}

TEST_F(MembAttrTables, RecordsNamingNoMemberAreRefused) {
  EXPECT_FALSE(cmld->TR_Add(Load<T_CMLD_D>(4711, 1, 1, 5)));
  EXPECT_FALSE(lnld->TR_Add(Load<T_LNLD_D>(0, 1, 3, 5)));
  T_PREL_D link;
  link.memb = 4711;
  EXPECT_FALSE(prel->TR_Add(link));
  T_UCCF_D f;
  f.memb = 4711;
  EXPECT_FALSE(uccf->TR_Add(f));
  EXPECT_EQ(cmld->GetCount() + lnld->GetCount() + prel->GetCount() + uccf->GetCount(), 0);
}

TEST_F(MembAttrTables, DeletingAMemberDeletesItsDataInOneUndoableStep) {
  ASSERT_TRUE(cmld->TR_Add(Load<T_CMLD_D>(col, 1, 1, 5)));
  ASSERT_TRUE(cmld->TR_Add(Load<T_CMLD_D>(beam, 1, 1, 5)));
  ASSERT_TRUE(lnld->TR_Add(Load<T_LNLD_D>(col, 1, 3, 5)));
  ASSERT_TRUE(prel->TR_SetMembGrade(col, 0, 302));
  T_UCCF_D f;
  f.memb = col;
  f.factor = 1.1;
  ASSERT_TRUE(uccf->TR_Add(f));
  const int undo = db->GetUndoCount();
  ASSERT_TRUE(memb->TR_Del(col));
  EXPECT_EQ(db->GetUndoCount(), undo + 1);
  EXPECT_EQ(cmld->GetCount(), 1) << "the beam's load stays";
  EXPECT_EQ(lnld->GetCount() + prel->GetCount() + uccf->GetCount(), 0);
  EXPECT_EQ(lfeg->GetCount(), 1) << "grade records are not the member's own";
  db->Undo();
  EXPECT_EQ(cmld->GetCount(), 2);
  CUIntArray keys;
  EXPECT_TRUE(prel->GetKeyListFromMembK(col, keys));
  CArray<T_UCCF_D> recs;
  CUIntArray membs;
  membs.Add(col);
  EXPECT_TRUE(uccf->GetListByMemb(membs, keys, recs));
  EXPECT_DOUBLE_EQ(recs[0].factor, 1.1);
}

TEST_F(MembAttrTables, UncertainFactorsAreListedByMember) {
  T_UCCF_D f;
  f.memb = beam;
  ASSERT_TRUE(uccf->TR_Add(f));  // key 1
  f.memb = col;
  ASSERT_TRUE(uccf->TR_Add(f));  // key 2
  ASSERT_TRUE(uccf->TR_Add(f));  // key 3
  CUIntArray membs, keys;
  CArray<T_UCCF_D> recs;
  EXPECT_FALSE(uccf->GetListByMemb(membs, keys, recs)) << "no members asked";
  membs.Add(col);
  membs.Add(beam);
  ASSERT_TRUE(uccf->GetListByMemb(membs, keys, recs));
  ASSERT_EQ(keys.GetSize(), 3);
  EXPECT_EQ(keys[0], 2u);
  EXPECT_EQ(keys[1], 3u);
  EXPECT_EQ(keys[2], 1u);
  EXPECT_EQ(recs[2].memb, beam);
}

// The grade write: a member's first grade adds a record and a link; later ones rewrite
// that record's slot; a record another link shares is copied, not rewritten.
TEST_F(MembAttrTables, GradeWritesChangeOnlyTheMembersOwnRecord) {
  const int undo = db->GetUndoCount();
  ASSERT_TRUE(prel->TR_SetMembGrade(col, 1, 307));
  EXPECT_EQ(db->GetUndoCount(), undo + 1) << "record and link in one step";
  CUIntArray links;
  ASSERT_TRUE(prel->GetKeyListFromMembK(col, links));
  ASSERT_EQ(links.GetSize(), 1);
  T_PREL_D link;
  ASSERT_TRUE(prel->Get(links[0], link));
  T_LFEG_D g;
  ASSERT_TRUE(lfeg->Get(link.lfeg, g));
  EXPECT_EQ(g.code[0], 0);
  EXPECT_EQ(g.code[1], 307);
  ASSERT_TRUE(prel->TR_SetMembGrade(col, 0, 303));
  EXPECT_EQ(lfeg->GetCount(), 1);
  ASSERT_TRUE(lfeg->Get(link.lfeg, g));
  EXPECT_EQ(g.code[0], 303);
  EXPECT_EQ(g.code[1], 307) << "the other slot kept";
  // The beam shares the column's record: writing the beam's grade leaves the column's.
  T_PREL_D shared;
  shared.memb = beam;
  shared.lfeg = link.lfeg;
  ASSERT_TRUE(prel->TR_Add(shared));
  ASSERT_TRUE(prel->TR_SetMembGrade(beam, 0, 301));
  ASSERT_TRUE(lfeg->Get(link.lfeg, g));
  EXPECT_EQ(g.code[0], 303);
  ASSERT_TRUE(prel->GetKeyListFromMembK(beam, links));
  ASSERT_TRUE(prel->Get(links[0], shared));
  ASSERT_NE(shared.lfeg, link.lfeg);
  ASSERT_TRUE(lfeg->Get(shared.lfeg, g));
  EXPECT_EQ(g.code[0], 301);
  EXPECT_EQ(g.code[1], 307) << "copied from the shared record";
  EXPECT_EQ(prel->GetCount(), 2) << "the beam's link was moved, not doubled";
  // Refusals write nothing.
  const int before = db->GetUndoCount();
  EXPECT_FALSE(prel->TR_SetMembGrade(4711, 0, 301));
  EXPECT_FALSE(prel->TR_SetMembGrade(col, 3, 301));
  EXPECT_FALSE(prel->TR_SetMembGrade(col, -1, 301));
  EXPECT_EQ(db->GetUndoCount(), before);
}

TEST_F(MembAttrTables, DumpsNameTheFieldsAsTheScenariosDo) {
  T_CMLD_D l = Load<T_CMLD_D>(col, 1, 3, 10);
  ASSERT_TRUE(cmld->TR_Add(l));
  EXPECT_EQ(Dump("CMLD"),
            "table CMLD 1\n1 memb=" + std::to_string(col) +
                " loadCase=1 loadType=3 p[0]=0 p[1]=1 p[2]=0 p[3]=0 v[0]=10 v[1]=10 v[2]=0 v[3]=0\n");
  ASSERT_TRUE(prel->TR_SetMembGrade(col, 2, 308));
  EXPECT_EQ(Dump("LFEG"), "table LFEG 1\n1 code[0]=0 code[1]=0 code[2]=308\n");
  EXPECT_EQ(Dump("PREL"), "table PREL 1\n1 memb=" + std::to_string(col) + " lfeg=1\n");
  auto* ldct = static_cast<CClassLdct*>(db->GetClass(CClassLdct::m_nClassID));
  auto* spch = static_cast<CClassSpch*>(db->GetClass(CClassSpch::m_nClassID));
  T_LDCT_D c;
  c.flag = 1;
  ASSERT_TRUE(ldct->TR_Add(c));
  T_SPCH_D s;
  s.frameGrade = 302;
  s.wallGrade = 301;
  ASSERT_TRUE(spch->TR_Add(s));
  EXPECT_EQ(Dump("LDCT"), "table LDCT 1\n1 flag=1 wind=1 seismic=1\n");
  EXPECT_EQ(Dump("SPCH"), "table SPCH 1\n1 frameGrade=302 wallGrade=301\n");
  EXPECT_EQ(Dump("SSCH"), "table SSCH 0\n");
  T_UCCF_D f;
  f.memb = col;
  f.factor = 1.2;
  ASSERT_TRUE(uccf->TR_Add(f));
  EXPECT_EQ(Dump("UCCF"), "table UCCF 1\n1 memb=" + std::to_string(col) + " factor=1.2\n");
}

}  // namespace
