// `filetime PATH YYYY-MM-DDTHH:MM`: a file's modification and access times set to a UTC
// moment; a time of another form is a line that cannot be understood; a file whose times
// cannot be set is told and the run ends as failed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include "host/CScenarioRunner.h"

namespace {

class FileTimeCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    path = (std::filesystem::temp_directory_path() / ("vur_filetime_" + std::to_string(getpid()))).string();
    std::ofstream(path) << "x";
  }
  void TearDown() override { std::filesystem::remove(path); }
  CScenarioStatus Run(const std::string& text) {
    CScenarioRunner runner;
    std::ostringstream out;
    CScenarioStatus s = runner.RunText("t.scn", text.c_str(), out);
    m_out = out.str();
    return s;
  }
  std::string path;
  std::string m_out;
};

TEST_F(FileTimeCommand, SetsBothTimesToTheUtcMoment) {
  CScenarioStatus s = Run("filetime \"" + path + "\" 2024-03-05T14:07\n");
  EXPECT_EQ(s.GetKind(), CScenarioStatus::ok);
  EXPECT_EQ(m_out, "");
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mtime, 1709647620);
  EXPECT_EQ(st.st_atime, 1709647620);
}

TEST_F(FileTimeCommand, AMomentOfAnotherFormCannotBeUnderstood) {
  for (const char* bad : {"2024-03-05", "2024-03-05T14:07:00", "2024-13-01T00:00", "2024-04-31T10:00",
                          "2024-03-05T24:00", "yesterday"}) {
    CScenarioStatus s = Run("filetime \"" + path + "\" " + bad + "\n");
    EXPECT_EQ(s.GetKind(), CScenarioStatus::bad) << bad;
  }
}

TEST_F(FileTimeCommand, AFileWhoseTimesCannotBeSetIsToldAndTheRunFailsAtItsEnd) {
  CScenarioStatus s = Run("filetime /nonexistent-dir/x.zel 2024-03-05T14:07\necho after\n");
  EXPECT_EQ(s.GetKind(), CScenarioStatus::failed);
  EXPECT_TRUE(s.IsWriteFailure());
  EXPECT_EQ(m_out.rfind("cannot write /nonexistent-dir/x.zel\nafter\n", 0), 0u) << m_out;
}

}  // namespace
