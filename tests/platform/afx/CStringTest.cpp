#include <gtest/gtest.h>

#include "afx/afx.h"

TEST(CString, FormatFindMidTrim) {
  CString s;
  s.Format("%s=%g;%d", "h", 3.5, -2);
  EXPECT_EQ(s, "h=3.5;-2");
  EXPECT_EQ(s.Find('='), 1);
  EXPECT_EQ(s.Find("3.5"), 2);
  EXPECT_EQ(s.Find('x'), -1);
  EXPECT_EQ(s.Mid(2, 3), "3.5");
  EXPECT_EQ(s.Mid(100), "");
  EXPECT_EQ(s.Left(-1), "");
  EXPECT_EQ(s.Right(2), "-2");
  CString t("  a b \t");
  EXPECT_EQ(t.Trim(), "a b");
  CString big;
  big.Format("%0300d", 7);
  EXPECT_EQ(big.GetLength(), 300);
}

TEST(CString, CaseReplaceTokenizeAndDoubleByteLength) {
  CString s("abCD");
  EXPECT_EQ(CString(s).MakeUpper(), "ABCD");
  EXPECT_EQ(s.CompareNoCase("ABcd"), 0);
  EXPECT_NE(s.Compare("ABcd"), 0);
  CString r("1to2to3");
  EXPECT_EQ(r.Replace("to", " "), 2);
  EXPECT_EQ(r, "1 2 3");
  int pos = 0;
  EXPECT_EQ(r.Tokenize(" ", pos), "1");
  EXPECT_EQ(r.Tokenize(" ", pos), "2");
  EXPECT_EQ(r.Tokenize(" ", pos), "3");
  EXPECT_EQ(r.Tokenize(" ", pos), "");
  EXPECT_EQ(pos, -1);
  EXPECT_EQ(CString("层1").GetMbcsLength(), 3);
  EXPECT_EQ(CString("层1").GetLength(), 4);
}

TEST(CArray, InsertRemoveAndOutOfRange) {
  CUIntArray a;
  for (UINT i = 1; i <= 5; ++i) a.Add(i);
  a.InsertAt(0, 9u);
  a.RemoveAt(2, 2);
  ASSERT_EQ(a.GetSize(), 4);
  EXPECT_EQ(a[0], 9u);
  EXPECT_EQ(a[1], 1u);
  EXPECT_EQ(a[2], 4u);
  EXPECT_EQ(a.GetAt(99), 0u);  // out of range reads a zero, never memory beyond
  a.SetAtGrow(6, 7u);
  EXPECT_EQ(a.GetSize(), 7);
}

TEST(CMap, OrderedWalk) {
  CMapStringToString m;
  m["b"] = "2";
  m["a"] = "1";
  m.SetAt("c", "3");
  CString k, v, keys;
  for (POSITION p = m.GetStartPosition(); p;) {
    m.GetNextAssoc(p, k, v);
    keys += k;
  }
  EXPECT_EQ(keys, "abc");
  EXPECT_TRUE(m.Lookup("b", v));
  EXPECT_EQ(v, "2");
  EXPECT_TRUE(m.RemoveKey("b"));
  EXPECT_FALSE(m.Lookup("b", v));
}
