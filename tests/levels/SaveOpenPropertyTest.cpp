// The model-file invariant: after any sequence of accepted user actions, saving then
// opening gives back the model that was saved. Each run is a seeded random scenario of the
// levels dialog (both pages, the basement dialog, every grid and field, typed and pasted
// texts good and bad, several unit systems) through cmdhost's lines; every few dialog
// sessions the model is saved, its tables shown, opened again and shown again.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "db/CDBDoc.h"
#include "db/DB_CDataBase.h"
#include "db/DB_CStore.h"
#include "host/CScenarioRunner.h"

namespace {

namespace fs = std::filesystem;

// Texts a user may type into a number or name field: numbers of every size, texts that
// are none, formulas, names old and new, control characters.
const char* const kTexts[] = {
    "3", "4.5", "0", "-1", "0.001", "1e-300", "1e300", "1e308", "-1e308", "1e400", "1.79769313486232e+308",
    "1.797693135e+308", "2.2250738585072014e-308", "abc", "3,6", "3.6e", "", "inf", "nan", "=1/0", "=2*3",
    "=1e300*1e300", "=1e200*1e100", "Tower1", "Plan1", "1F", "P50001", "50001F", "New", "a\\tb", "x\\ny",
    "\\\"q\\\"", "层",
};
const int kTextCount = (int)(sizeof(kTexts) / sizeof(kTexts[0]));

class Script {
 public:
  explicit Script(unsigned seed) : m_rng(seed) {}
  int Pick(int n) { return (int)(m_rng() % (unsigned)n); }
  std::string Text() { return std::string("\"") + kTexts[Pick(kTextCount)] + "\""; }
  std::string N(int lo, int hi) { return std::to_string(lo + Pick(hi - lo + 1)); }
  // An editable column of the story grid: height, standard floor, dead and live load, transfer.
  std::string Col() {
    static const int cols[] = {3, 5, 6, 7, 8};
    return std::to_string(cols[Pick(5)]);
  }

  // One action on the levels dialog.
  std::string Action() {
    switch (Pick(20)) {
      case 0: return "type " + std::string(Pick(2) ? "16372 " : "16375 ") + (Pick(4) ? N(1, 3) : Text());
      case 1: return "type 16378 " + (Pick(4) ? N(1, 3) : Text());
      case 2: return "type " + std::string(Pick(3) == 0 ? "16380 " : Pick(2) ? "16382 " : "16383 ") + Text();
      case 3: return "choose 16384 #" + N(0, 3);
      case 4: case 5: return "click 16259:" + N(16362, 16370);
      case 6: return "rows 16259:" + std::string(Pick(3) == 0 ? "16371 " : Pick(2) ? "16374 " : "16377 ") + N(1, 6);
      case 7: case 8: case 9: return "cell 16259:16377 " + N(1, 7) + " " + Col() + " " + Text();
      case 10: return "cell 16259:16374 " + N(1, 4) + " 2 " + Text();
      case 11: return "cell 16259:16371 " + N(1, 4) + " 3 " + (Pick(2) ? std::string("key:IDS_WG_CMD_IP_STORYDLG_CBX_Plate") : Text());
      case 12: return "paste 16259:16377 " + N(1, 7) + " " + Col() + " \"" + kTexts[Pick(12)] + "\\t" + kTexts[Pick(12)] + "\"";
      case 13: return "tab 16259:16391 #" + N(0, 3);
      case 14: return "key 16259:16377 DELETE";
      case 15: return "tab 14118 #" + N(0, 1);
      case 16: return "cell 16260:16377 " + N(1, 6) + " " + N(1, 8) + " " + (Pick(2) ? "C35" : "Q355");
      case 17: return "click 16392";
      case 18: return "cell 16259:16377 " + N(1, 7) + " 5 " + (Pick(2) ? "Plan1" : "P50001");
      default: return "rows 16259:16377 " + N(1, 7) + " " + N(1, 7);
    }
  }

 private:
  std::mt19937 m_rng;
};

std::vector<std::string> TableCodes() {
  CDBDoc doc(FALSE);
  std::vector<std::string> codes;
  for (DB_CStoreBase* s : doc.GetModelDB()->GetStores()) codes.push_back(s->GetCode());
  return codes;
}

TEST(SaveOpenProperty, SavedThenOpenedModelEqualsTheSavedOne) {
  const fs::path dir = fs::temp_directory_path() / ("vur_saveopen_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string path = (dir / "m.zel").string();
  const std::vector<std::string> codes = TableCodes();
  const char* const units[] = {"units kN m", "units N mm", "units kN mm", "units N m"};
  for (unsigned seed = 1; seed <= 3; ++seed) {
    Script s(seed);
    std::ostringstream text;
    text << (seed % 2 ? "new sample\n" : "new\n");
    for (int session = 0; session < 3; ++session) {
      text << units[s.Pick(4)] << "\n";
      text << "modal CCmdPlanStoryDlgMain2 0\n";
      for (int i = 0; i < 30; ++i) text << "  " << s.Action() << "\n";
      text << "  click 14442\nend\n";
      if (s.Pick(2)) text << "undo\n";
      // Save, show every table, open what was saved, show every table again.
      text << "echo SAVE\nsave " << path << "\necho SAVED\n";
      for (const std::string& c : codes) text << "show table " << c << "\n";
      text << "echo OPEN\nopen " << path << "\necho OPENED\n";
      for (const std::string& c : codes) text << "show table " << c << "\n";
      text << "echo END\n";
    }
    CScenarioRunner runner;
    std::ostringstream out;
    CScenarioStatus status = runner.RunText("property.scn", text.str().c_str(), out);
    ASSERT_TRUE(status.IsOk()) << "seed " << seed << "\n" << out.str();
    const std::string o = out.str();
    size_t at = 0;
    for (int session = 0; session < 3; ++session) {
      size_t save = o.find("SAVE\n", at), saved = o.find("SAVED\n", save), open = o.find("OPEN\n", saved),
             opened = o.find("OPENED\n", open), end = o.find("END\n", opened);
      ASSERT_NE(end, std::string::npos) << "seed " << seed;
      // Saving and opening said nothing (no message box), and the tables read the same.
      EXPECT_EQ(saved, save + 5) << "seed " << seed << " session " << session << ": " << o.substr(save, saved - save);
      EXPECT_EQ(opened, open + 5) << "seed " << seed << " session " << session << ": " << o.substr(open, opened - open);
      EXPECT_EQ(o.substr(saved + 6, open - saved - 6), o.substr(opened + 7, end - opened - 7))
          << "seed " << seed << " session " << session;
      at = end;
    }
  }
  fs::remove_all(dir);
}

}  // namespace
