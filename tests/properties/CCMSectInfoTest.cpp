// The section-shape catalogue: pictures, names, codes and indexes per kind, and the picture
// of a shape code by section type.
#include <gtest/gtest.h>

#include <vector>

#include "afx/AfxResource.h"
#include "db/CSectUtil.h"
#include "properties/CCMSectInfo.h"
#include "ui/CMsgDll.h"

namespace {

template <class T, class A>
std::vector<T> ToVector(const A& a) {
  std::vector<T> v;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) v.push_back((T)a[i]);
  return v;
}

struct KindCase {
  UINT kind;
  std::vector<UINT> bitmaps;
  std::vector<const char*> codes;  // empty for the kinds without codes
  std::vector<int> indexes;
  const char* firstKey;
  const char* lastKey;
};

const KindCase kKinds[] = {
    {1, {14108, 14109, 14110, 14111, 14112, 14113, 14117, 14118, 14116, 14115},
     {"H", "B", "P", "C", "T", "L", "SB", "SR", "2C", "2L"},
     {2, 4, 5, 1, 3, 0, 8, 9, 7, 6},
     "IDS_WG_CMD__ADDD__H_Section", "IDS_WG_CMD__ADDD__Double_Angle"},
    {2, {14117, 14118, 14108, 14112, 14113, 14109, 14110, 14226},
     {"SB", "SR", "H", "T", "L", "B", "P", "CR"},
     {8, 9, 2, 3, 0, 4, 5, CSectUtil::GetShapeIndexFromNameReg("CR")},
     "IDS_WG_CMD__ADDD__Solid_Rectangle", "IDS_WG_CMD__ADDD__Cross"},
    {3, {14069, 14070, 14071, 14072, 14073, 14074, 14075, 14076, 14077, 14078, 14079, 14080, 17446, 17449},
     {}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
     "IDS_WG_CMD__ADDD__Rect_Box_Open", "IDS_WG_CMD__ADDD__Rect_H2T"},
    {4, {14089, 14083, 14084, 14085, 14086, 14090}, {}, {8, 2, 3, 4, 5, 9},
     "IDS_CMD_THIK_Solid_Rectangle", "IDS_CMD_THIK_Solid_Round"},
    {5, {14056, 14046, 14047, 14048, 14049, 14050, 14051, 14052, 14053, 14054}, {},
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, "IDS_CMD_THIK_Angle", "IDS_CMD_THIK_Solid_Round"},
    {6, {14008, 14009, 14010, 14011, 14012, 14013, 14014, 14015, 14022, 14023, 14024, 14025, 14026, 14027},
     {}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
     "IDS_CMD_SECT_COMB__2I_Combined_Shape", "IDS_CMD_SECT_COMB__I_shape_with_Plate"},
};

class SectInfoKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(SectInfoKind, ArraysDescribeTheSameShapesInOrder) {
  const KindCase& k = GetParam();
  CArray<UINT, UINT> bitmaps;
  CArray<CString, CString> names, codes;
  CArray<DWORD, DWORD> indexes;
  bitmaps.Add(99);  // each getter empties its array first
  codes.Add("stale");
  ASSERT_EQ(1, CCMSectInfo::GetBitmapID(k.kind, bitmaps));
  ASSERT_EQ(1, CCMSectInfo::GetSectName(k.kind, names));
  ASSERT_EQ(1, CCMSectInfo::GetShapeName(k.kind, codes));
  ASSERT_EQ(1, CCMSectInfo::GetShapeIndex(k.kind, indexes));
  EXPECT_EQ(ToVector<UINT>(bitmaps), k.bitmaps);
  EXPECT_EQ(ToVector<int>(indexes), k.indexes);
  ASSERT_EQ(names.GetSize(), (INT_PTR)k.bitmaps.size());
  EXPECT_EQ(names[0], CString(CMsgDll::pfuncLoadStr(k.firstKey, 0)));
  EXPECT_EQ(names[names.GetUpperBound()], CString(CMsgDll::pfuncLoadStr(k.lastKey, 0)));
  ASSERT_EQ(codes.GetSize(), (INT_PTR)k.codes.size());
  for (size_t i = 0; i < k.codes.size(); ++i) EXPECT_EQ(codes[i], CString(k.codes[i])) << i;
}

TEST_P(SectInfoKind, EveryPictureIsAResourceOfTheModule) {
  CArray<UINT, UINT> bitmaps;
  CCMSectInfo::GetBitmapID(GetParam().kind, bitmaps);
  for (INT_PTR i = 0; i < bitmaps.GetSize(); ++i) {
    const AFX_BITMAPRES* b = AfxFindBitmap((int)bitmaps[i]);
    ASSERT_NE(b, nullptr) << bitmaps[i];
    EXPECT_EQ(b->cx, 25);
    EXPECT_EQ(b->cy, 25);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SectInfoKind, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::to_string(info.param.kind); });

TEST(SectInfo, OtherKindsGiveEmptyArrays) {
  for (UINT kind : {0u, 7u, 100u}) {
    CArray<UINT, UINT> bitmaps;
    bitmaps.Add(1);
    CArray<CString, CString> names;
    names.Add("x");
    EXPECT_EQ(1, CCMSectInfo::GetBitmapID(kind, bitmaps));
    EXPECT_EQ(1, CCMSectInfo::GetSectName(kind, names));
    EXPECT_EQ(0, bitmaps.GetSize());
    EXPECT_EQ(0, names.GetSize());
  }
}

struct LookupCase {
  int type;
  const char* code;
  int result;
  UINT id;
};

TEST(SectInfo, PictureOfAShapeCodeBySectionType) {
  const LookupCase cases[] = {
      {1, "SB", 1, 14117},  // found among the steel shapes first
      {1, "CR", 1, 14226},  // only concrete has a cross
      {1, "H", 1, 14108},
      {1, "ZZ", 1, 0},      // no kind holds it
      {1, "", 0, 0},
      {1, nullptr, 0, 0},
      {2, "RH2T", 1, 17449},
      {2, "H", 1, 0},
      {3, "2C", 1, 14052},
      {4, "4L", 1, 14026},
      {5, "SR", 1, 14090},  // regular index 9
      {5, "SB", 1, 14089},  // regular index 8
      {5, "L", 1, 0},
      {6, "H", 0, 0},
      {0, "H", 0, 0},
  };
  for (const LookupCase& c : cases) {
    UINT id = 12345;
    EXPECT_EQ(c.result, CCMSectInfo::GetBitmapIDFromShapeName(c.type, c.code, id))
        << c.type << " " << (c.code ? c.code : "(null)");
    EXPECT_EQ(c.id, id) << c.type << " " << (c.code ? c.code : "(null)");
  }
}

TEST(SectInfo, FilledOnceAndInstancesCarryNothing) {
  CCMSectInfo a;
  CArray<UINT, UINT> before;
  CCMSectInfo::GetBitmapID(1, before);
  CCMSectInfo b(a);
  b = a;
  CArray<UINT, UINT> after;
  CCMSectInfo::GetBitmapID(1, after);
  EXPECT_EQ(ToVector<UINT>(before), ToVector<UINT>(after));
  EXPECT_EQ(1, CCMSectInfo::m_bInitialized);
  EXPECT_EQ(10, CCMSectInfo::m_aBitmapID_Steel.GetSize());  // never filled twice
}

}  // namespace
