// Shape tables, names, titles, section kinds, automatic names, property-block
// positions and the display centre of the section utilities.
#include <gtest/gtest.h>

#include <string>

#include "db/CSectUtil.h"

TEST(SectUtilTest, RegularShapeIndexesRoundTrip) {
  const char* fixed[] = {"L", "C", "H", "T", "B", "P", "2L", "2C", "SB", "SR"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(CSectUtil::GetShapeIndexFromNameReg(fixed[i]), i) << fixed[i];
    EXPECT_EQ(CSectUtil::GetShapeNameFromIndexReg(i), fixed[i]);
  }
  for (const char* code : {"CR", "CC", "CL"}) {
    const int i = CSectUtil::GetShapeIndexFromNameReg(code);
    EXPECT_GE(i, 10) << code;
    EXPECT_EQ(CSectUtil::GetShapeNameFromIndexReg(i), code);
  }
  for (const char* code : {"h", "", "URIB", "RBO", "2H"})
    EXPECT_LT(CSectUtil::GetShapeIndexFromNameReg(code), 0) << code;
  EXPECT_LT(CSectUtil::GetShapeIndexFromNameReg(nullptr), 0);
  EXPECT_EQ(CSectUtil::GetShapeNameFromIndexReg(-1), "");
  EXPECT_EQ(CSectUtil::GetShapeNameFromIndexReg(13), "");
}

TEST(SectUtilTest, SrcAndCombinedShapesRoundTrip) {
  const char* src[] = {"RBO", "RBC", "RPO", "RPC", "CBO", "CBC", "CPO",
                       "CPC", "EBC", "EPC", "RHB", "CHB", "RCB", "RH2T"};
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(CSectUtil::GetShapeIndexFromNameSrc(src[i]), i);
    EXPECT_EQ(CSectUtil::GetShapeNameFromIndexSrc(i), src[i]);
    CStringArray t;
    EXPECT_EQ(CSectUtil::GetSizeTitleFromShapeIndexSrcSteel(i, t),
              CSectUtil::GetSizeNumFromShapeIndexSrcSteel(i));
    EXPECT_EQ(CSectUtil::GetSizeTitleFromShapeIndexSrcConcr(i).GetSize(),
              CSectUtil::GetSizeNumFromShapeIndexSrcConcr(i));
  }
  EXPECT_LT(CSectUtil::GetShapeIndexFromNameSrc("rbo"), 0);
  EXPECT_EQ(CSectUtil::GetShapeNameFromIndexSrc(14), "");

  // Steel and concrete parts.
  EXPECT_EQ(CSectUtil::GetSteelShapeFromSRCShape("RBO"), "B");
  EXPECT_EQ(CSectUtil::GetSteelShapeFromSRCShape("CPC"), "P");
  EXPECT_EQ(CSectUtil::GetSteelShapeFromSRCShape("RCB"), "CR");
  EXPECT_EQ(CSectUtil::GetSteelShapeFromSRCShape("RH2T"), "H2T");
  EXPECT_EQ(CSectUtil::GetConcreteShapeFromSRCShape("RHB"), "SB");
  EXPECT_EQ(CSectUtil::GetConcreteShapeFromSRCShape("CHB"), "SR");
  EXPECT_EQ(CSectUtil::GetShapeNameFromIndexSrcSteel(10), "H");
  EXPECT_EQ(CSectUtil::GetShapeNameFromIndexSrcConcr(6), "SR");
  EXPECT_EQ(CSectUtil::GetSteelShapeFromSRCShape("?"), "");
  // Box steel: five sizes (the second flange is stored sixth); round outlines one size.
  for (int box : {0, 1, 4, 5, 8}) EXPECT_EQ(CSectUtil::GetSizeNumFromShapeIndexSrcSteel(box), 5);
  EXPECT_EQ(CSectUtil::GetSizeNumFromShapeIndexSrcSteel(13), 8);
  EXPECT_EQ(CSectUtil::GetSizeNumFromShapeIndexSrcConcr(6), 1);
  EXPECT_EQ(CSectUtil::GetSizeNumFromShapeIndexSrcConcr(0), 2);
  EXPECT_EQ(CSectUtil::GetSizeNumFromShapeIndexSrcConcr(9), 0);
  EXPECT_EQ(CSectUtil::GetFirstShapeFromComShape("H2T"), "H");
  EXPECT_EQ(CSectUtil::GetSecondShapeFromComShape("H2T"), "T");

  const char* com[] = {"2H", "HC1", "HC2", "HT", "2T1", "2T2", "H2T",
                       "WOH", "2CW1", "2CW2", "1CW1", "1CW2", "4L", "HP"};
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(CSectUtil::GetShapeIndexFromNameCom(com[i]), i);
    EXPECT_EQ(CSectUtil::GetShapeNameFromIndexCom(i), com[i]);
  }
  EXPECT_LT(CSectUtil::GetShapeIndexFromNameCom("H"), 0);
}

TEST(SectUtilTest, SizeCountsAndTitles) {
  struct Case {
    const char* code;
    int matl, count;
  };
  const Case cases[] = {{"L", 2, 4},  {"C", 2, 6},  {"H", 2, 6},  {"H", 1, 6},  {"T", 1, 4},
                        {"B", 2, 6},  {"B", 1, 5},  {"P", 2, 2},  {"2L", 2, 5}, {"2C", 2, 5},
                        {"SB", 1, 2}, {"SR", 1, 1}, {"CR", 1, 4}, {"CC", 2, 5}, {"CL", 2, 5},
                        {"X", 2, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(CSectUtil::GetSizeCountByRegShape(c.code, c.matl), c.count);
    CStringArray t;
    EXPECT_EQ(CSectUtil::GetSizeTitleFromShapeIndexReg(CSectUtil::GetShapeIndexFromNameReg(c.code), t,
                                                       c.matl),
              c.count);
    EXPECT_EQ(t.GetSize(), c.count);
  }
  CStringArray t;
  CSectUtil::GetSizeTitleFromShapeIndexReg(4, t, SECT_MATL_STEEL);
  EXPECT_EQ(t[4], "   c");  // the web distance of a steel box
  CSectUtil::GetSizeTitleFromShapeIndexReg(4, t, SECT_MATL_RC);
  EXPECT_EQ(t[4], "  t2");  // a concrete box shows its second flange fifth
  CSectUtil::GetSizeTitleFromShapeIndexReg(5, t, SECT_MATL_STEEL);
  EXPECT_EQ(t[1], "   t");
}

TEST(SectUtilTest, OffsetNamesAndSectionKinds) {
  CStringArray names;
  CSectUtil::GetOffsetNameList(names);
  ASSERT_EQ(names.GetSize(), 9);
  EXPECT_EQ(names[4], "中心");
  struct Case {
    int type, matl, kind;
  };
  const Case cases[] = {{1, 1, 1}, {1, 2, 2}, {1, 4, 0}, {2, 3, 3}, {3, 1, 5},
                        {3, 4, 5}, {4, 2, 4}, {5, 2, 6}, {6, 2, 7}, {0, 0, 0}};
  for (const Case& c : cases)
    EXPECT_EQ(CSectUtil::GetSectTypeNo(c.type, c.matl), c.kind) << c.type << "," << c.matl;
}

TEST(SectUtilTest, AutomaticNames) {
  struct Case {
    int matl;
    const char* code;
    double s[6];
    const char* name;
  };
  const Case cases[] = {
      {2, "H", {0.3, 0.15, 0.0065, 0.009, 0, 0}, "300x150x6.5x9"},
      {2, "H", {0.5, 0.3, 0.01, 0.02, 0.2, 0.012}, "500x300x10x20x200x12"},
      {1, "SB", {0.5, 0.3}, "300x500"},
      {1, "SR", {0.6}, "600"},
      {2, "P", {0.1683, 0.008}, "168.3x8"},
      {2, "B", {0.4, 0.3, 0.01, 0.012, 0.2, 0}, "400x300x10x12x200"},
      {1, "B", {0.6, 0.4, 0.1, 0.1, 0, 0.15}, "600x400x100x100x150"},
      {2, "2L", {0.1, 0.1, 0.01, 0.01, 0.012}, "100x100x10x10x12"},
      {2, "H", {0.3, 0, 0.0065, 0.009, 0, 0}, ""},
      {2, "ZZ", {0.3, 0.15, 0.0065, 0.009, 0, 0}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CSectUtil::AutoFillSectName(c.matl, c.code, c.s), c.name) << c.code;
  EXPECT_EQ(CSectUtil::AutoFillThikName(0, 0.2, 0.0), "200");
  EXPECT_EQ(CSectUtil::AutoFillThikName(0, 0.0125, 0.0), "12.5");
  EXPECT_EQ(CSectUtil::AutoFillThikName(0, 0.0, 0.0), "");
}

TEST(SectUtilTest, PropertyBlockPositions) {
  T_SECT_D s;
  T_SECT_STIFFNESS* vars = &s.Part1.BaseA.Stiff;
  double* map[12];
  CSectUtil::MakeMapStiffVar(vars, map);
  double* want[12] = {&vars->Area, &vars->Asy, &vars->Asz, &vars->Ixx, &vars->Iyy, &vars->Izz,
                      &vars->Cyp,  &vars->Cym, &vars->Czp, &vars->Czm, &vars->Qyb, &vars->Qzb};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(map[i], want[i]) << i;
  CArray<double*, double*> arr;
  CSectUtil::MakeMapStiffVar(vars, arr);
  ASSERT_EQ(arr.GetSize(), 12);
  EXPECT_EQ(arr[11], &vars->Qzb);

  struct Case {
    int type, end;
    const T_SECT_STIFFNESS* stiff;
    const T_SECT_DESIGN* design;
  };
  const Case cases[] = {
      {1, 0, &s.Part1.BaseA.Stiff, &s.Part1.BaseA.Design},
      {3, 0, &s.Part1.BaseA.Stiff, &s.Part1.BaseA.Design},
      {2, 0, &s.Part1.Stiff, &s.Part1.Design},
      {4, 0, &s.Part1.Stiff, &s.Part1.Design},
      {5, 0, &s.Part1.BaseA.Stiff, &s.Part1.BaseA.Design},
      {5, 1, &s.Part1.BaseB.Stiff, &s.Part1.BaseB.Design},
      {6, 0, &s.Part1.BaseA.Stiff, &s.Part1.BaseA.Design},
      {6, 1, &s.Part2.BaseA.Stiff, &s.Part2.BaseA.Design},
      {12, 1, &s.Part2.BaseA.Stiff, &s.Part2.BaseA.Design},
  };
  for (const Case& c : cases) {
    s.iType = c.type;
    EXPECT_EQ(CSectUtil::GetProperStiffPosition(s, c.end), c.stiff) << c.type << "/" << c.end;
    EXPECT_EQ(CSectUtil::GetProperDesignPosition(s, c.end), c.design) << c.type << "/" << c.end;
  }
  s.iType = 1;
  s.Part1.BaseA.Design.Cent_Y = 0.25;
  s.Part1.BaseA.PeriOut = 2.0;
  EXPECT_EQ(CSectUtil::GetStandForYBar(s, 0), 0.25);
  EXPECT_EQ(CSectUtil::GetStandForPeriOut(s, 0), 2.0);
}

TEST(SectUtilTest, DisplayCentreFollowsTheOffsetPoint) {
  T_SECT_D s;
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = SECT_MATL_RC;
  s.Part1.strShape = "SB";
  s.Part1.BaseA.dSize[0] = 0.5;  // height
  s.Part1.BaseA.dSize[1] = 0.3;  // width
  struct Case {
    int offset;
    double y, z;
  };
  const Case cases[] = {{1, 0, 0.5},    {2, 0.15, 0.5}, {3, 0.3, 0.5}, {4, 0, 0.25},  {5, 0.15, 0.25},
                        {9, 0.3, 0},    {7, 0, 0},      {0, 0.15, 0.25}, {10, 0.15, 0.25}, {-1, 0.15, 0.25}};
  for (const Case& c : cases) {
    s.Part1.iOffset = c.offset;
    ASSERT_TRUE(CSectUtil::CalcSectDispCenter(s));
    EXPECT_DOUBLE_EQ(s.Part1.dDispCenterY, c.y) << c.offset;
    EXPECT_DOUBLE_EQ(s.Part1.dDispCenterZ, c.z) << c.offset;
  }
  // A double angle's box spans both angles and the gap.
  s.iMatlType = SECT_MATL_STEEL;
  s.Part1.strShape = "2L";
  const double a[5] = {0.1, 0.08, 0.008, 0.008, 0.01};
  for (int i = 0; i < 5; ++i) s.Part1.BaseA.dSize[i] = a[i];
  s.Part1.iOffset = 3;
  ASSERT_TRUE(CSectUtil::CalcSectDispCenter(s));
  EXPECT_DOUBLE_EQ(s.Part1.dDispCenterY, 0.17);
  s.iType = 0;
  EXPECT_FALSE(CSectUtil::CalcSectDispCenter(s));
}
