#include <gtest/gtest.h>

#include "host/CHostApp.h"
#include "host/CHostStrings.h"
#include "ui/CMsgDll.h"

namespace {

TEST(HostStrings, MissingKeyResolvesToItselfWithSuffixPlaceholders) {
  const struct {
    const char* key;
    const char* text;
  } cases[] = {
      {"IDS_X_g_s", "IDS_X %g %s"},
      {"IDS_PLAIN", "IDS_PLAIN"},
      {"IDS_WG_CMD__ADD2__New_d", "IDS_WG_CMD__ADD2__New %d"},
      {"IDS_CMD_QUERY_DX_DY_DZ_g_g_g", "IDS_CMD_QUERY_DX_DY_DZ %g %g %g"},
      {"IDS_CMD_QUERY_x_s_g", "IDS_CMD_QUERY_x %s %g"},  // x is a name, not a conversion
      {"IDS_WG_CMD_Can_t_import_s_n", "IDS_WG_CMD_Can_t_import %s\n"},
      {"IDS_A_u_f_e", "IDS_A %u %f %e"},
      {"_d", "_d"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(CHostStrings::KeyText(c.key), c.text) << c.key;
}

TEST(HostStrings, TableTextWinsAndPointersStayValid) {
  CHostStrings t;
  CString error;
  ASSERT_TRUE(t.Load("# comment\n\nIDS_A\tStory %d\r\nIDS_B   two\\tparts\\n\nIDS_C \" padded \"\n"
                     "IDS_D 楼层\n",
                     error))
      << error.str();
  EXPECT_STREQ(t.Resolve("IDS_A"), "Story %d");
  EXPECT_STREQ(t.Resolve("IDS_B"), "two\tparts\n");
  EXPECT_STREQ(t.Resolve("IDS_C"), " padded ");
  EXPECT_STREQ(t.Resolve("IDS_D"), "楼层");
  const char* missing = t.Resolve("IDS_M_d");
  for (int i = 0; i < 1000; ++i) t.Resolve(CString("IDS_FILL_") + CString(std::to_string(i)));
  EXPECT_STREQ(missing, "IDS_M %d");
  EXPECT_EQ(t.Resolve("IDS_M_d"), missing);
  EXPECT_FALSE(t.Has("IDS_M_d"));
}

TEST(HostStrings, MalformedLineNamesItsLine) {
  CHostStrings t;
  CString error;
  EXPECT_FALSE(t.Load("IDS_A ok\nIDS_B\n", error));
  EXPECT_NE(error.Find("line 2"), -1) << error.str();
  EXPECT_TRUE(t.Has("IDS_A"));
  EXPECT_FALSE(t.Load("IDS_C bad\\q\n", error));
  EXPECT_FALSE(t.Load("IDS_C \"open\n", error));
}

TEST(HostStrings, BuiltInTableLoads) {
  CHostStrings t;
  EXPECT_TRUE(t.LoadBuiltIn());
  EXPECT_GT(t.GetCount(), 0);
}

TEST(HostApp, InstallsTextKeysAndMessageWindowWhileCurrent) {
  const char* (*before)(const char*, int) = CMsgDll::pfuncLoadStr;
  {
    CHostApp app;
    EXPECT_EQ(CHostApp::GetCurrent(), &app);
    app.GetStrings().Set("IDS_HOST_T", "层");
    EXPECT_STREQ(CMsgDll::pfuncLoadStr("IDS_HOST_T", 0), "层");
    EXPECT_STREQ(CMsgDll::pfuncLoadStr("IDS_HOST_T_g", 0), "IDS_HOST_T %g");
    CMsgDll::pfuncMsgOut("a line");
    ASSERT_EQ(app.GetMessages().GetCount(), 1);
    EXPECT_EQ(app.GetMessages().GetAt(0).m_kind, CHostMessage::output);
    EXPECT_EQ(app.GetMessages().GetAt(0).m_strText, "a line");
  }
  EXPECT_EQ(CHostApp::GetCurrent(), nullptr);
  EXPECT_EQ(CMsgDll::pfuncLoadStr, before);
}

}  // namespace
