// The attribute rows' vocabulary: choice lists and their converters, seismic grades of a
// member and of the project, and the texts of a member's loads.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include "db/CClassCmld.h"
#include "db/CClassLdct.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassPrel.h"
#include "db/CClassSect.h"
#include "db/CClassStld.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "tools/AttrChoices.h"
#include "tools/AttrLoadTexts.h"
#include "tools/AttrSeismicGrade.h"

namespace {

class AttrVocabulary : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    db = doc->GetModelDB();
    memb = Table<CClassMemb>();
    auto* pont = Table<CClassPont>();
    T_PONT_D p;
    p.storyKey = 3;
    UINT a = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    p.x = 6;
    UINT b = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    T_MEMB_D m;
    m.type = 101, m.storyKey = 3, m.sectKey = 1;
    m.points.Add(a);
    m.points.Add(b);
    col = memb->GetNewKey();
    ASSERT_TRUE(memb->TR_Add(m));
    m.type = 201, m.sectKey = 3;
    steel = memb->GetNewKey();
    ASSERT_TRUE(memb->TR_Add(m));
  }
  void TearDown() override {
    doc.reset();
    app.reset();
  }
  template <class T>
  T* Table() {
    return static_cast<T*>(db->GetClass(T::m_nClassID));
  }
  std::string Text(const char* key) { return app->LoadStr(key); }
  // A load on the column (selector 0) or as a line load (1) in load case lc.
  void AddLoad(int selector, UINT lc, int type, std::initializer_list<double> p, std::initializer_list<double> v) {
    T_MEMBLOAD_D r;
    r.memb = col, r.loadCase = lc, r.loadType = type;
    int i = 0;
    for (double x : p) r.p[i++] = x;
    i = 0;
    for (double x : v) r.v[i++] = x;
    if (selector == 0) {
      T_CMLD_D c;
      static_cast<T_MEMBLOAD_D&>(c) = r;
      ASSERT_TRUE(Table<CClassCmld>()->TR_Add(c));
    } else {
      T_LNLD_D l;
      static_cast<T_MEMBLOAD_D&>(l) = r;
      ASSERT_TRUE(Table<CClassLnld>()->TR_Add(l));
    }
  }
  std::string Texts(int selector) {
    CStringArray texts;
    MakeMembLoadTexts(db, col, selector, 1e-6, texts);
    std::string s;
    for (INT_PTR i = 0; i < texts.GetSize(); ++i) s += std::string(i ? "|" : "") + texts[i].c_str();
    return s;
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassMemb* memb = nullptr;
  UINT col = 0, steel = 0;
};

// Every position-coded converter turns each text of its list back into its position, and
// a text of no key into -1.
TEST_F(AttrVocabulary, ConvertersReadBackTheirListsPositions) {
  struct Case {
    const char* name;
    void (*fill)(CStringArray&);
    int (*convert)(const CString&);
  } cases[] = {
      {"AutoYesNo", FillAutoYesNoChoices, AttrTextToAutoYesNoCode},
      {"YesNo", FillYesNoChoices, AttrTextToYesNoCode},
      {"BeamFrame", FillBeamFrameChoices, AttrTextToGgrGnrYrCode},
      {"BrJrMr", FillAutoBrJrMrChoices, AttrTextToBrJrMrCode},
      {"IbKind2", FillIbKindChoices, AttrTextToIbKindCode2},
      {"IbKind3", FillIbKindChoices, AttrTextToIbKindCode3},
      {"IbJpLp", FillAutoIbJpLpChoices, AttrTextToIbJpLpCode},
      {"Support", FillSupportChoices, AttrTextToSupportCode},
      {"EndFixity", FillEndFixityChoices, AttrTextToEndFixityCode},
  };
  for (const Case& c : cases) {
    CStringArray list;
    list.Add("left over");
    c.fill(list);
    ASSERT_GT(list.GetSize(), 1) << c.name;
    EXPECT_NE(list[0], CString("left over")) << c.name << ": the builder empties the list";
    for (INT_PTR i = 0; i < list.GetSize(); ++i) EXPECT_EQ(c.convert(list[i]), i) << c.name << " " << list[i].c_str();
    EXPECT_EQ(c.convert("no such text"), -1) << c.name;
  }
  CStringArray yn;
  FillAutoYesNoChoices(yn);
  EXPECT_EQ(AttrTextToYesNoAutoCode(yn[0]), 2) << "the dock bar's coding: AUTO 2";
  EXPECT_EQ(AttrTextToYesNoAutoCode(yn[1]), 0);
  EXPECT_EQ(AttrTextToYesNoAutoCode(yn[2]), 1);
  EXPECT_EQ(AttrTextToIbKindCode(Text("IDS_CMD_ATTR_IBBOB").c_str()), 0);
  EXPECT_EQ(AttrTextToIbKindCode2(Text("IDS_CMD_ATTR_IBBOB").c_str()), 5);
  EXPECT_EQ(AttrTextToIbKindCode(Text("IDS_CMD_ATTR_IBNB").c_str()), 2);
  CStringArray support;
  FillSupportChoices(support);
  EXPECT_EQ(support[3], CString(Text("IDS_CMD_ATTR_ROLLER").c_str()));
  CArray<int> beta;
  FillBetaAngleChoices(beta);
  ASSERT_EQ(beta.GetSize(), 9);
  EXPECT_EQ(beta[2], 45);
  EXPECT_EQ(beta[8], 180);
}

TEST_F(AttrVocabulary, SeismicGradesOfASteelSectionAndTheirCodes) {
  ASSERT_TRUE(Table<CClassPrel>()->TR_SetMembGrade(steel, 1, 307));
  CStringArray list;
  FillSeismicGradeChoices(db, list, 3, 0);
  ASSERT_EQ(list.GetSize(), 4);
  const int pos = GetSeismicGradeIndex(db, 3, steel, 0);
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(list[pos], CString(Text("IDS_CMD_ATTR_INTENSITY7").c_str()));
  EXPECT_EQ(AttrTextToSeismicGradeCode(list[pos]), 307);
  for (INT_PTR i = 0; i < list.GetSize(); ++i)
    EXPECT_EQ(GetSeismicGradeIndex(db, 3, steel, 0), 2) << "reading changes nothing";
  EXPECT_EQ(AttrTextToSeismicGradeCode(Text("IDS_CMD_MEMB_None").c_str()), 0);
  EXPECT_EQ(AttrTextToSeismicGradeCode("no such grade"), 0);
  // Concrete reads the first code, walls their own list.
  ASSERT_TRUE(Table<CClassPrel>()->TR_SetMembGrade(col, 0, 302));
  list.RemoveAll();
  FillSeismicGradeChoices(db, list, 1, 0);
  ASSERT_EQ(list.GetSize(), 7);
  EXPECT_EQ(list[GetSeismicGradeIndex(db, 1, col, 0)], CString(Text("IDS_CMD_ATTR_GRADE2").c_str()));
  list.RemoveAll();
  FillSeismicGradeChoices(db, list, 0, 1);
  ASSERT_EQ(list.GetSize(), 6);
  EXPECT_EQ(list[GetSeismicGradeIndex(db, 0, col, 1)], CString(Text("IDS_CMD_ATTR_GRADE2").c_str()));
}

TEST_F(AttrVocabulary, AUserDefinedSectionOffersNoGrades) {
  auto* sect = Table<CClassSect>();
  T_SECT_D s;
  ASSERT_TRUE(sect->Get(1, s));
  s.key = 0;
  s.strName = "U1";
  s.iMatlType = 4;
  UINT key = sect->GetNewKey();
  ASSERT_TRUE(sect->TR_Add(s));
  CStringArray list;
  FillSeismicGradeChoices(db, list, key, 0);
  EXPECT_EQ(list.GetSize(), 0);
  FillSeismicGradeChoices(db, list, 4711, 0);
  EXPECT_EQ(list.GetSize(), 0) << "no section";
}

// Without a link the project's grade decides: the control's flag picks the record; no
// control record leaves the position; a link to a missing record reads the project's too.
TEST_F(AttrVocabulary, TheProjectsGradeStandsInForAMembersOwn) {
  EXPECT_EQ(GetSeismicGradeIndex(db, 1, col, 0), 0) << "no control record";
  T_SPCH_D sp;
  sp.frameGrade = 303, sp.wallGrade = 304;
  ASSERT_TRUE(Table<CClassSpch>()->TR_Add(sp));
  T_SSCH_D ss;
  ss.frameGrade = 201, ss.wallGrade = 101;
  ASSERT_TRUE(Table<CClassSsch>()->TR_Add(ss));
  T_LDCT_D c;
  c.flag = 1;
  ASSERT_TRUE(Table<CClassLdct>()->TR_Add(c));
  EXPECT_EQ(GetSeismicGradeIndex(db, 1, col, 0), 4) << "SPCH frame grade 3";
  EXPECT_EQ(GetSeismicGradeIndex(db, 0, col, 1), 4) << "SPCH wall grade 4";
  c.flag = 0;
  ASSERT_TRUE(Table<CClassLdct>()->TR_Add(c));
  EXPECT_EQ(GetSeismicGradeIndex(db, 1, col, 0), 1) << "SSCH intensity-9 grade 1";
  EXPECT_EQ(GetSeismicGradeIndex(db, 0, col, 1), 0) << "SSCH special grade";
  int pos = 3;
  ss.frameGrade = 999;
  ASSERT_TRUE(Table<CClassSsch>()->TR_Add(ss));
  GetDefaultSeismicGradeIndex(db, pos, 0);
  EXPECT_EQ(pos, 3) << "an unknown code leaves the position";
  ss.frameGrade = 302;
  ASSERT_TRUE(Table<CClassSsch>()->TR_Add(ss));
  T_PREL_D link;
  link.memb = col;
  link.lfeg = 4711;
  ASSERT_TRUE(Table<CClassPrel>()->TR_Add(link));
  EXPECT_EQ(GetSeismicGradeIndex(db, 1, col, 0), 3) << "missing grade record: the project's";
}

TEST_F(AttrVocabulary, LoadTextsByShapeAndGroup) {
  const std::string none = Text("IDS_CMD_ATTR_NONE");
  EXPECT_EQ(Texts(0), none);
  AddLoad(0, 1, 3, {0, 1}, {10, 10});
  EXPECT_EQ(Texts(0), Text("IDS_CMD_ATTR_MEMB_DLOAD_UNI") + ":10.0");
  EXPECT_EQ(Texts(1), none) << "the column's loads are not line loads";
  const struct {
    UINT lc;
    int type;
    std::initializer_list<double> p, v;
  } more[] = {
      {2, 1, {0.25, 0.5, 0.75}, {5, 0, 7}},          // concentrated, V2 = 0
      {1, 3, {0.2, 0.6}, {4, 4}},                    // partial
      {2, 3, {0, 0.3, 0.7, 1}, {0, 6, 6, 0}},        // symmetric trapezoid
      {1, 3, {0, 0.5, 1}, {1, 2, 3}},                // general, stops at the first later 0
      {1, 2, {0, 1}, {3, 3}},                        // another load type: no text
      {4711, 3, {0, 1}, {1, 1}},                     // a missing load case: no text
  };
  for (const auto& m : more) AddLoad(0, m.lc, m.type, m.p, m.v);
  EXPECT_EQ(Texts(0), Text("IDS_CMD_ATTR_MEMB_LLOAD_CON") + ":0.25*5.0,0.75*7.0|" +
                          Text("IDS_CMD_ATTR_MEMB_DLOAD_UNI") + ":10.0|" +
                          Text("IDS_CMD_ATTR_MEMB_DLOAD_PAR") + ":0.20~0.60*4.0|" +
                          Text("IDS_CMD_ATTR_MEMB_LLOAD_TAP") + ":0.30*6.0|" +
                          Text("IDS_CMD_ATTR_MEMB_DLOAD_TAP") + ":0.00*1.0,0.50*2.0,1.00*3.0");
}

TEST_F(AttrVocabulary, ALoadCaseOfAnotherTypeHasAnEmptyKindAndLineLoadsAreTheirOwn) {
  T_STLD_D w;
  w.number = 3, w.name = "WX", w.type = "W";
  UINT key = Table<CClassStld>()->GetNewKey();
  ASSERT_TRUE(Table<CClassStld>()->TR_Add(w));
  AddLoad(1, key, 3, {0, 1}, {2.5, 2.5});
  EXPECT_EQ(Texts(1), ":2.5");
  EXPECT_EQ(Texts(0), Text("IDS_CMD_ATTR_NONE"));
}

}  // namespace
