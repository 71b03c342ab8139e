// The material standards: codes by kind, grade lists, grade values against the printed
// tables, and the material table's reads of them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/CClassMatl.h"
#include "db/CDBDoc.h"
#include "db/CMatlDB.h"

namespace {

std::vector<std::string> Vec(const CStringArray& a) {
  std::vector<std::string> v;
  for (int i = 0; i < a.GetSize(); ++i) v.push_back(a[i].c_str());
  return v;
}

TEST(MatlDBTest, CodesAndGradesByKind) {
  const CMatlDB& db = *CMatlDB::GetDefault();
  CStringArray list;
  db.GetDesignCodeList("C", list);
  EXPECT_EQ(Vec(list), (std::vector<std::string>{"GB50010"}));
  db.GetDesignCodeList("S", list);
  EXPECT_EQ(Vec(list), (std::vector<std::string>{"GB50017"}));
  db.GetDesignCodeList("U", list);
  EXPECT_EQ(Vec(list), (std::vector<std::string>{"GB50010", "GB50017"}));
  db.GetDesignCodeList("SRC", list);
  EXPECT_TRUE(Vec(list).empty());

  db.GetSteelNameList("GB50017", list);
  EXPECT_EQ(Vec(list), (std::vector<std::string>{"Q235", "Q345", "Q355", "Q390", "Q420", "Q460"}));
  db.GetSteelNameList("GB50010", list);
  EXPECT_TRUE(Vec(list).empty()) << "a concrete code has no steel grades";
  db.GetConcreteNameList("GB50010", list);
  ASSERT_EQ(list.GetSize(), 14);
  EXPECT_EQ(list[0], "C15");
  EXPECT_EQ(list[13], "C80");

  CString kind = "x";
  ASSERT_TRUE(db.GetMatlType("GB50017", kind));
  EXPECT_EQ(kind, "S");
  ASSERT_TRUE(db.GetMatlType("GB50010", kind));
  EXPECT_EQ(kind, "C");
  EXPECT_FALSE(db.GetMatlType("gb50010", kind)) << "codes match exactly";
  EXPECT_EQ(kind, "");
}

TEST(MatlDBTest, GradeValuesFollowTheTables) {
  const CMatlDB& db = *CMatlDB::GetDefault();
  struct Conc { const char* grade; double ec, fck, ftk, fc, ft; };  // N/mm^2
  const Conc conc[] = {{"C15", 2.20e4, 10.0, 1.27, 7.2, 0.91},
                       {"C30", 3.00e4, 20.1, 2.01, 14.3, 1.43},
                       {"c40", 3.25e4, 26.8, 2.39, 19.1, 1.71},
                       {"C80", 3.80e4, 50.2, 3.11, 35.9, 2.22}};
  for (const Conc& c : conc) {
    T_MATL_CONCRETE d;
    ASSERT_TRUE(db.GetConcreteData("GB50010", c.grade, d)) << c.grade;
    EXPECT_DOUBLE_EQ(d.elastic, c.ec * 1e3) << c.grade;
    EXPECT_DOUBLE_EQ(d.fck, c.fck * 1e3) << c.grade;
    EXPECT_DOUBLE_EQ(d.ftk, c.ftk * 1e3) << c.grade;
    EXPECT_DOUBLE_EQ(d.fc, c.fc * 1e3) << c.grade;
    EXPECT_DOUBLE_EQ(d.ft, c.ft * 1e3) << c.grade;
    EXPECT_DOUBLE_EQ(d.unitWeight, 25.0);
    EXPECT_DOUBLE_EQ(d.poisson, 0.2);
    EXPECT_DOUBLE_EQ(d.shear, 0.4 * d.elastic);
  }
  struct Steel { const char* grade; double fy, f; };
  const Steel steel[] = {{"Q235", 235, 215}, {"Q345", 345, 305}, {"q355", 355, 305}, {"Q460", 460, 410}};
  for (const Steel& s : steel) {
    T_MATL_STEEL d;
    ASSERT_TRUE(db.GetSteelData("GB50017", s.grade, d)) << s.grade;
    EXPECT_DOUBLE_EQ(d.elastic, 2.06e8);
    EXPECT_DOUBLE_EQ(d.unitWeight, 78.5);
    EXPECT_DOUBLE_EQ(d.fy, s.fy * 1e3) << s.grade;
    EXPECT_DOUBLE_EQ(d.f, s.f * 1e3) << s.grade;
  }
  T_MATL_STEEL s;
  T_MATL_CONCRETE c;
  EXPECT_FALSE(db.GetSteelData("GB50010", "Q235", s)) << "a grade under another code";
  EXPECT_FALSE(db.GetConcreteData("GB50010", "C33", c));
  EXPECT_FALSE(db.GetConcreteData("", "C30", c));
}

TEST(MatlDBTest, TableReadsGradeValuesIntoAnalysis) {
  CDBDoc doc;
  auto* matl = static_cast<CClassMatl*>(doc.GetModelDB()->GetClass(CClassMatl::m_nClassID));
  EXPECT_EQ(doc.GetMatlDB(), CMatlDB::GetDefault());
  T_MATL_ANALYSIS a;
  a.fck = 99.0;
  ASSERT_TRUE(matl->GetSteelDataByMatlCodeName("GB50017", "Q345", a));
  EXPECT_DOUBLE_EQ(a.elastic, 2.06e8);
  EXPECT_DOUBLE_EQ(a.poisson, 0.3);
  EXPECT_DOUBLE_EQ(a.thermal, 1.2e-5);
  EXPECT_DOUBLE_EQ(a.fak, 345e3);
  EXPECT_DOUBLE_EQ(a.fa, 305e3);
  EXPECT_EQ(a.fck, 0.0) << "values a steel grade does not give are cleared";
  ASSERT_TRUE(matl->GetConcreteDataByMatlCodeName("GB50010", "C30", a));
  EXPECT_DOUBLE_EQ(a.elastic, 3.0e7);
  EXPECT_DOUBLE_EQ(a.fc, 14.3e3);
  EXPECT_EQ(a.fak, 0.0);
  T_MATL_ANALYSIS kept = a;
  EXPECT_FALSE(matl->GetConcreteDataByMatlCodeName("GB50017", "C30", a));
  EXPECT_EQ(a.elastic, kept.elastic) << "a failed read leaves the values";
}

}  // namespace
