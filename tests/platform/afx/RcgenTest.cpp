// The resource tool: the test script compiled into this executable, and rcgen run on
// temporary scripts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "afx/AfxResource.h"
#include "afx/AfxStyles.h"
#include "afx/CGeometry.h"
#include "platform/afx/test_resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

TEST(RcgenTable, EveryStatementKindGetsItsClassDefaultStylesAndRectangle) {
  const AFX_RESOURCE_TABLE* table = AfxGetResourceTable("test_afx");
  ASSERT_NE(table, nullptr);
  const AFX_DLGTEMPLATE* t = nullptr;
  for (int i = 0; i < table->dialogCount; ++i)
    if (table->dialogs[i].id == IDD_RCGEN_KINDS) t = &table->dialogs[i];
  ASSERT_NE(t, nullptr);
  EXPECT_STREQ(t->caption, "种类 \"引号\"");
  EXPECT_EQ(t->style, WS_POPUP | WS_CAPTION);
  EXPECT_EQ(t->exStyle, WS_EX_TOOLWINDOW);
  EXPECT_EQ(CRect(t->x, t->y, t->cx, t->cy), CRect(5, 6, 300, 200));
  EXPECT_STREQ(t->fontName, "");

  const struct {
    const char* cls;
    const char* text;
    int id;
    int x, y, cx, cy;
    DWORD style, exStyle;
  } expected[] = {
      {"BUTTON", "c", IDC_K_CONTROL, 1, 2, 3, 4, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, WS_EX_CLIENTEDGE},
      {"BUTTON", "p", IDC_K_PUSH, 10, 20, 30, 40, kChild | BS_PUSHBUTTON | WS_TABSTOP, 0},
      {"BUTTON", "d", IDC_K_DEFPUSH, 11, 21, 31, 41, kChild | BS_DEFPUSHBUTTON, 0},
      {"BUTTON", "ch", IDC_K_CHECK, 12, 22, 32, 42, kChild | BS_CHECKBOX | WS_TABSTOP, 0},
      {"BUTTON", "ac", IDC_K_AUTOCHECK, 13, 23, 33, 43, kChild | BS_AUTOCHECKBOX | WS_TABSTOP | WS_DISABLED, 0},
      {"BUTTON", "r", IDC_K_RADIO, 14, 24, 34, 44, kChild | BS_RADIOBUTTON | WS_TABSTOP, 0},
      {"BUTTON", "ar", IDC_K_AUTORADIO, 15, 25, 35, 45, kChild | BS_AUTORADIOBUTTON | WS_TABSTOP, 0},
      {"BUTTON", "g", IDC_K_GROUP, 16, 26, 36, 46, kChild | BS_GROUPBOX, 0},
      {"STATIC", "左", IDC_K_LTEXT, 17, 27, 37, 47, kChild | SS_LEFT | WS_GROUP, 0},
      {"STATIC", "右", IDC_K_RTEXT, 18, 28, 38, 48, kChild | SS_RIGHT | WS_GROUP, 0},
      {"STATIC", "中", IDC_K_CTEXT, 19, 29, 39, 49, kChild | SS_CENTER | WS_GROUP, 0},
      {"EDIT", "", IDC_K_EDIT, 20, 30, 40, 50, kChild | ES_LEFT | WS_BORDER | WS_TABSTOP, 0},
      {"COMBOBOX", "", IDC_K_COMBO, 21, 31, 41, 51, kChild | CBS_SIMPLE | WS_TABSTOP, 0},
      {"LISTBOX", "", IDC_K_LIST, 22, 32, 42, 52, kChild | LBS_NOTIFY | WS_BORDER, 0},
      {"SCROLLBAR", "", IDC_K_SCROLL, 23, 33, 43, 53, kChild | SBS_HORZ, 0},
      {"STATIC", "", IDC_K_ICON, 24, 34, 0, 0, kChild | SS_ICON, 0},
      {"STATIC", "x", IDC_K_HEX, -1, 16, 15, 8, WS_CHILD | SS_NOTIFY, 0},
      {"STATIC", "s", -1, 0, 0, 1, 1, kChild | SS_LEFT | WS_GROUP, 0},
  };
  ASSERT_EQ(t->itemCount, (int)std::size(expected));
  for (int i = 0; i < t->itemCount; ++i) {
    SCOPED_TRACE(i);
    const AFX_DLGITEM& got = t->items[i];
    EXPECT_STREQ(got.cls, expected[i].cls);
    EXPECT_STREQ(got.text, expected[i].text);
    EXPECT_EQ(got.id, expected[i].id);
    EXPECT_EQ(CRect(got.x, got.y, got.cx, got.cy),
              CRect(expected[i].x, expected[i].y, expected[i].cx, expected[i].cy));
    EXPECT_EQ(got.style, expected[i].style);
    EXPECT_EQ(got.exStyle, expected[i].exStyle);
  }
}

TEST(RcgenTable, CommonControlsPicturesAndBitmaps) {
  const AFX_DLGTEMPLATE* t = AfxFindDialogTemplate(IDD_TEST_ALL);
  ASSERT_NE(t, nullptr);
  EXPECT_STREQ(t->caption, "全部控件");
  EXPECT_STREQ(t->fontName, "宋体");
  EXPECT_EQ(t->fontSize, 9);
  EXPECT_EQ(t->style, DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  auto find = [&](int id) -> const AFX_DLGITEM* {
    for (int i = 0; i < t->itemCount; ++i)
      if (t->items[i].id == id) return &t->items[i];
    return nullptr;
  };
  const struct { int id; const char* cls; DWORD kind; DWORD mask; } expected[] = {
      {IDC_LISTCTRL, WC_LISTVIEW, LVS_REPORT, LVS_TYPEMASK},
      {IDC_TAB, WC_TABCONTROL, WS_TABSTOP, WS_TABSTOP},
      {IDC_SPIN, UPDOWN_CLASS, UDS_AUTOBUDDY | UDS_SETBUDDYINT, UDS_AUTOBUDDY | UDS_SETBUDDYINT},
      {IDC_SLIDER, TRACKBAR_CLASS, TBS_AUTOTICKS, TBS_AUTOTICKS},
      {IDC_DROPLIST, AFX_WC_COMBOBOX, CBS_DROPDOWNLIST, 0x3},
      {IDC_DROPDOWN, AFX_WC_COMBOBOX, CBS_DROPDOWN, 0x3},
      {IDC_PICTURE, AFX_WC_STATIC, SS_BITMAP, SS_TYPEMASK},
      {IDOK, AFX_WC_BUTTON, BS_DEFPUSHBUTTON, BS_TYPEMASK},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.id);
    const AFX_DLGITEM* item = find(e.id);
    ASSERT_NE(item, nullptr);
    EXPECT_STREQ(item->cls, e.cls);
    EXPECT_EQ(item->style & e.mask, e.kind);
    EXPECT_EQ(item->style & kChild, kChild);
  }
  // A picture names its bitmap by number; the bitmap's size was read from the file.
  EXPECT_STREQ(find(IDC_PICTURE)->text, "#300");
  const AFX_BITMAPRES* b = AfxFindBitmap(IDB_TEST);
  ASSERT_NE(b, nullptr);
  EXPECT_STREQ(b->file, "test.bmp");
  EXPECT_EQ(b->cx, 16);
  EXPECT_EQ(b->cy, 8);
}

TEST(RcgenTable, TheHeadersNamesAndNothingElse) {
  const AFX_RESOURCE_TABLE* table = AfxGetResourceTable("test_afx");
  ASSERT_NE(table, nullptr);
  ASSERT_GT(table->nameCount, 0);
  for (int i = 1; i < table->nameCount; ++i)
    EXPECT_LT(std::string(table->names[i - 1].name), table->names[i].name) << "sorted, each once";
  int id = 0;
  ASSERT_TRUE(AfxFindResourceId("IDC_LISTCTRL", id));
  EXPECT_EQ(IDC_LISTCTRL, id);
  ASSERT_TRUE(AfxFindResourceId("IDD_TEST_PAGE", id));
  EXPECT_EQ(IDD_TEST_PAGE, id);
  EXPECT_FALSE(AfxFindResourceId("WS_CHILD", id)) << "the tool's own style names are no ids";
  EXPECT_FALSE(AfxFindResourceId("IDOK", id)) << "nor are its built-in button ids";
}

// Runs rcgen on scripts written to a temporary folder.
class RcgenRun : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/rcgen_test_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    m_dir = tmpl;
    m_rcgen = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "rcgen";
    ASSERT_TRUE(std::filesystem::exists(m_rcgen)) << m_rcgen;
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(m_dir / name, std::ios::binary) << text;
  }
  // Runs rcgen on t.rc and t.h; returns its exit status, with its messages in m_messages
  // and the generated file in m_output.
  int Run(const std::string& script, const std::string& header = "#define IDD_A 100\n#define IDC_A 1000\n") {
    Write("t.rc", script);
    Write("t.h", header);
    std::filesystem::remove(m_dir / "out.cpp");
    std::string cmd = m_rcgen.string() + " " + (m_dir / "t.rc").string() + " " + (m_dir / "t.h").string() +
                      " " + (m_dir / "out.cpp").string() + " mod > " + (m_dir / "log").string() + " 2>&1";
    int status = std::system(cmd.c_str());
    m_messages = Read("log");
    m_output = Read("out.cpp");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Read(const std::string& name) {
    std::ifstream f(m_dir / name, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }

  std::filesystem::path m_dir, m_rcgen;
  std::string m_messages, m_output;
};

TEST_F(RcgenRun, GoodScriptWritesTheTable) {
  const char* script =
      "#include \"t.h\"\n"
      "#if 0\n"
      "garbage that is skipped\n"
      "#else\n"
      "#define LOCAL (IDC_A + 1)\n"
      "#endif\n"
      "LANGUAGE 4, 2\n"
      "IDD_A DIALOGEX 0, 0, 100, 50\n"
      "CAPTION \"标题\"\n"
      "FONT 9, \"宋体\", 0, 0, 0x1\n"
      "BEGIN /* controls */\n"
      "  EDITTEXT LOCAL, 1, 2, 3, 4, ES_NUMBER, WS_EX_CLIENTEDGE // an edit\n"
      "  CONTROL \"\", IDC_A, \"MyGrid\", WS_TABSTOP, 5, 6, 7, 8\n"
      "END\n";
  ASSERT_EQ(Run(script), 0) << m_messages;
  EXPECT_EQ(m_messages, "");
  EXPECT_NE(m_output.find("{\"EDIT\", \"\", 1001, 1, 2, 3, 4, 0x50812000u, 0x00000200u}"), std::string::npos) << m_output;
  EXPECT_NE(m_output.find("{\"MyGrid\", \"\", 1000, 5, 6, 7, 8, 0x50010000u, 0x00000000u}"), std::string::npos);
  // No STYLE: a popup with border and system menu, plus the caption and the font.
  EXPECT_NE(m_output.find("{100, \"标题\", 0, 0, 100, 50, 0x80C80040u, 0x00000000u, \"宋体\", 9, items_100, 2}"),
            std::string::npos);
  EXPECT_NE(m_output.find("{\"mod\", dialogs, 1, nullptr, 0, names, 2}"), std::string::npos);
  // The header's names, sorted; a name the script defines is none of the header's.
  EXPECT_NE(m_output.find("{\"IDC_A\", 1000},\n    {\"IDD_A\", 100},\n};"), std::string::npos) << m_output;
  EXPECT_EQ(m_output.find("LOCAL"), std::string::npos);
  EXPECT_NE(m_output.find("AfxRegisterResourceTable(&table)"), std::string::npos);
}

TEST_F(RcgenRun, EachFaultNamesFileAndLineAndFails) {
  const std::string head = "#include \"t.h\"\nIDD_A DIALOGEX 0, 0, 10, 10\nBEGIN\n";  // lines 1-3
  const struct { std::string script; int line; const char* message; } cases[] = {
      {head + "  PUSHBUTTON \"x\", IDC_NOPE, 1, 2, 3, 4\nEND\n", 4, "unknown identifier 'IDC_NOPE'"},
      {head + "  BUTTONX \"x\", IDC_A, 1, 2, 3, 4\nEND\n", 4, "unknown control statement 'BUTTONX'"},
      {head + "  LTEXT \"x\", IDC_A, 1, 2, 3, 4\n", 5, "missing END of dialog 100"},
      {head + "  LTEXT \"x, IDC_A, 1, 2, 3, 4\nEND\n", 4, "unterminated string"},
      {head + "  LTEXT \"x\" IDC_A, 1, 2, 3, 4\nEND\n", 4, "expected ','"},
      {head + "  LTEXT \"x\", IDC_A, 1, 2, 3, 4, SS_NOPE\nEND\n", 4, "unknown identifier 'SS_NOPE'"},
      {head + "  LTEXT \"x\", IDC_A, 1, 2, 3, 4, 5, 6, 7\nEND\n", 4, "too many arguments to LTEXT"},
      {head + "  LTEXT \"x\", NOT IDC_A, 1, 2, 3, 4\nEND\n", 4, "NOT is only allowed in a style"},
      {head + "  LTEXT \"x\", 70000, 1, 2, 3, 4\nEND\n", 4, "id 70000 out of range"},
      {head + "  CONTROL \"x\", IDC_A, WIDGET, 0, 1, 2, 3, 4\nEND\n", 4, "unknown control class 'WIDGET'"},
      {head + "  LTEXT \"\xff\", IDC_A, 1, 2, 3, 4\nEND\n", 4, "text is not valid UTF-8"},
      {head + "  /* open\n\nEND\n", 4, "unterminated comment"},
      {head + "END\nIDD_A DIALOG 0, 0, 5, 5\nBEGIN\nEND\n", 5, "dialog 100 defined twice (first on line 2)"},
      {"IDD_A DIALOGEX 0, 0, 10, 10\nSTYLE WS_POPUP | WS_NOPE\nBEGIN\nEND\n", 2, "unknown identifier 'WS_NOPE'"},
      {"IDD_A DIALOGEX 0, 0, 10, 10\nMENU IDC_A\nBEGIN\nEND\n", 2, "unsupported dialog statement 'MENU'"},
      {"IDD_A MENU\nBEGIN\nEND\n", 1, "expected DIALOG, DIALOGEX or BITMAP after 'IDD_A'"},
      {"IDD_B DIALOGEX 0, 0, 10, 10\nBEGIN\nEND\n", 1, "unknown identifier 'IDD_B'"},
      {"\n\nIDD_A BITMAP \"missing.bmp\"\n", 3, "cannot open bitmap file"},
      {"#ifdef IDD_A\n#define X 1\n", 3, "missing #endif"},
      {"#error stop\n", 1, "unsupported directive #error"},
      {"\n#define BAD (1 +\n", 2, "expected a number"},
      {"IDD_A DIALOGEX 0, 0, 10, 10 BEGIN END ,\n", 1, "expected a resource, found ','"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    EXPECT_EQ(Run(c.script), 1);
    std::string where = (m_dir / "t.rc").string() + ":" + std::to_string(c.line) + ": ";
    EXPECT_EQ(m_messages.rfind(where, 0), 0u) << m_messages;
    EXPECT_NE(m_messages.find(c.message), std::string::npos) << m_messages;
    EXPECT_EQ(m_output, "") << "no output on a fault";
  }
}

TEST_F(RcgenRun, FaultInTheHeaderNamesTheHeader) {
  EXPECT_EQ(Run("", "#define IDD_A 100\nint x;\n"), 1);
  EXPECT_EQ(m_messages.rfind((m_dir / "t.h").string() + ":2: expected a #define", 0), 0u) << m_messages;
  EXPECT_EQ(Run("", "#define F(x) x\n"), 1);
  EXPECT_NE(m_messages.find("t.h:1: macros with parameters are not supported"), std::string::npos) << m_messages;
}

}  // namespace
