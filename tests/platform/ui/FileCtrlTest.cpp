// The file facts of a path: name with extension, absolute folder ending in '/', and the
// status of a file that exists (size, modification time, a creation time no later than
// now) or not.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ui/CFileCtrl.h"

namespace {

TEST(FileCtrl, NameAndFolderOfAPath) {
  const struct {
    const char* path;
    const char* name;
    const char* folder;
  } cases[] = {
      {"/tmp/work/model.zel", "model.zel", "/tmp/work/"},
      {"/model.zel", "model.zel", "/"},
      {"/tmp/work/../model", "model", "/tmp/"},
  };
  for (const auto& c : cases) {
    CFileCtrl f(c.path);
    EXPECT_EQ(std::string(f.GetFileName().c_str()), c.name) << c.path;
    EXPECT_EQ(std::string(f.GetFilePath().c_str()), c.folder) << c.path;
  }
  // A relative path is read against the working directory.
  CFileCtrl rel("a.zel");
  EXPECT_EQ(std::string(rel.GetFilePath().c_str()), std::filesystem::current_path().string() + "/");
}

TEST(FileCtrl, StatusOfAFileAndOfNothing) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("vur_filectrl_" + std::to_string(getpid()))).string();
  { std::ofstream(path) << std::string(1500, 'x'); }
  struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  CFileStatus s;
  ASSERT_TRUE(CFileCtrl(path.c_str()).GetFileStatus(s));
  EXPECT_EQ(s.m_size, 1500u);
  EXPECT_EQ(s.m_mtime.GetTime(), 1000000000);
  EXPECT_LE(s.m_ctime.GetTime(), CTime::GetCurrentTime().GetTime());
  EXPECT_GE(s.m_ctime.GetTime(), 1000000000);  // the birth (now) or the modification time
  EXPECT_EQ(std::string(s.m_szFullName.c_str()), path);
  std::filesystem::remove(path);
  CFileStatus untouched;
  untouched.m_size = 7;
  EXPECT_FALSE(CFileCtrl(path.c_str()).GetFileStatus(untouched));
  EXPECT_EQ(untouched.m_size, 7u);
  EXPECT_FALSE(CFileCtrl("").GetFileStatus(untouched));
}

}  // namespace
