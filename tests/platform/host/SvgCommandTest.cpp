// `svg ID PATH`: what a control of the current dialog painted, written as an SVG picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include "afx/AfxStyles.h"
#include "afx/AfxSvg.h"
#include "afx/CDialog.h"
#include "afx/CDynLinkLibrary.h"
#include "afx/CPaintDC.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioRunner.h"

namespace {

enum : int { IDD_SWATCH = 850, IDC_SWATCH = 8501, IDC_SWATCH_NOTE = 8502 };

const AFX_DLGITEM kSwatchItems[] = {
    {"STATIC", "", IDC_SWATCH, 5, 5, 100, 60, WS_CHILD | WS_VISIBLE, 0},
    {"STATIC", "note", IDC_SWATCH_NOTE, 5, 70, 100, 10, WS_CHILD | WS_VISIBLE, 0},
};
const AFX_DLGTEMPLATE kSwatchDialogs[] = {
    {IDD_SWATCH, "swatch", 0, 0, 120, 90, DS_MODALFRAME | WS_POPUP | WS_CAPTION, 0, "", 9,
     kSwatchItems, 2},
};
const AFX_RESOURCE_TABLE kSwatchTable = {"test_host_svg", kSwatchDialogs, 1, nullptr, 0, nullptr, 0};

// A static taken over to paint a red rectangle, as a preview takes over its static.
class Swatch : public CWnd {
 public:
  int m_paints = 0;

 protected:
  void OnPaint() {
    ++m_paints;
    CPaintDC dc(this);
    CBrush red(RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.Rectangle(2, 2, 20, 10);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Swatch, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

class SwatchDlg : public CDialog {
 public:
  SwatchDlg() : CDialog(IDD_SWATCH, nullptr) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_swatch.SubclassDlgItem(IDC_SWATCH, this);
    return TRUE;
  }
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
  Swatch m_swatch;
};
SwatchDlg* g_swatch = nullptr;

// A test-only line that opens the swatch dialog, modeless and shown.
CScenarioStatus OpenSwatch(CScenarioContext&) {
  g_swatch = new SwatchDlg();
  if (!g_swatch->Create(IDD_SWATCH, nullptr)) return CScenarioStatus::Bad("no swatch");
  g_swatch->ShowWindow(SW_SHOW);
  return CScenarioStatus::Ok();
}
const CScenarioCommandRegistrar s_open("open swatch", 0, 0, OpenSwatch);

class SvgCommand : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    AfxRegisterResourceTable(&kSwatchTable);
    static AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, "test_host_svg"));
    new CDynLinkLibrary(module, FALSE);
  }
  void SetUp() override {
    m_dir = std::filesystem::path(::testing::TempDir()) / "svg-command";
    std::filesystem::create_directories(m_dir);
  }
  CScenarioStatus Run(const std::string& text) {
    CScenarioRunner runner;
    std::ostringstream out;
    CScenarioStatus s = runner.RunText("t.scn", text.c_str(), out);
    m_out = out.str();
    return s;
  }
  static std::string Read(const std::filesystem::path& p) {
    std::ifstream in(p);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  std::filesystem::path m_dir;
  std::string m_out;
};

TEST_F(SvgCommand, WritesWhatTheControlPainted) {
  const std::filesystem::path file = m_dir / "swatch.svg";
  std::filesystem::remove(file);
  CScenarioStatus s = Run("open swatch\nwith 850\nsvg 8501 \"" + file.string() + "\"\n");
  ASSERT_TRUE(s.IsOk()) << s.GetText().str() << m_out;
  EXPECT_EQ(m_out, "");
  ASSERT_NE(g_swatch, nullptr);
  EXPECT_EQ(g_swatch->m_swatch.m_paints, 1);  // the paint it owed, made first
  const std::string svg = Read(file);
  EXPECT_EQ(svg, std::string(AfxSvgString(g_swatch->m_swatch.m_paint)));
  EXPECT_NE(svg.find("#ff0000"), std::string::npos);
  // Nothing owed the second time: the same picture, no new paint.
  const std::filesystem::path again = m_dir / "again.svg";
  s = Run("with 850\nsvg " + std::string("8501 \"") + again.string() + "\"\n");
  ASSERT_TRUE(s.IsOk()) << s.GetText().str() << m_out;
  EXPECT_EQ(g_swatch->m_swatch.m_paints, 1);
  EXPECT_EQ(Read(again), svg);
  g_swatch->DestroyWindow();
  g_swatch = nullptr;
}

TEST_F(SvgCommand, RefusedWithoutDialogOrControl) {
  const std::string path = (m_dir / "none.svg").string();
  CScenarioStatus s = Run("svg 8501 \"" + path + "\"\n");
  ASSERT_TRUE(s.IsOk());
  EXPECT_NE(m_out.find("refused"), std::string::npos);
  s = Run("open swatch\nwith 850\nsvg 8599 \"" + path + "\"\n");
  ASSERT_TRUE(s.IsOk());
  EXPECT_NE(m_out.find("refused"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(path));
  g_swatch->DestroyWindow();
  g_swatch = nullptr;
}

TEST_F(SvgCommand, UnwritablePathIsToldAndTheRunGoesOnToFailAtItsEnd) {
  CScenarioStatus s = Run("open swatch\nwith 850\nsvg 8501 /nonexistent-dir/x.svg\necho after\n");
  EXPECT_EQ(s.GetKind(), CScenarioStatus::failed);
  EXPECT_TRUE(s.IsWriteFailure());
  EXPECT_EQ(s.m_nLine, 3) << "the line that could not write";
  EXPECT_EQ(m_out,
            "cannot write /nonexistent-dir/x.svg\n"
            "after\n"
            "t.scn:3: could not write: svg 8501 /nonexistent-dir/x.svg\n"
            "  cannot write /nonexistent-dir/x.svg\n");
  // A failed expect after it is the run's result: the first fault a reader must fix.
  s = Run("with 850\nsvg 8501 /nonexistent-dir/x.svg\nexpect result 5\n");
  EXPECT_FALSE(s.IsWriteFailure());
  EXPECT_EQ(s.m_nLine, 3);
  g_swatch->DestroyWindow();
  g_swatch = nullptr;
}

}  // namespace
