#include "ui/CFileCtrl.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path Absolute(const CString& s) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(s.str()), ec);
  return ec ? std::filesystem::path(s.str()) : p.lexically_normal();
}

}  // namespace

BOOL CFileCtrl::GetFileStatus(CFileStatus& status) const {
  if (m_strPath.IsEmpty()) return FALSE;
  struct statx sx {};
  if (statx(AT_FDCWD, m_strPath.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return FALSE;
  CFileStatus s;
  s.m_mtime = CTime((time_t)sx.stx_mtime.tv_sec);
  s.m_atime = CTime((time_t)sx.stx_atime.tv_sec);
  s.m_ctime = (sx.stx_mask & STATX_BTIME) ? CTime((time_t)sx.stx_btime.tv_sec) : s.m_mtime;
  s.m_size = (unsigned long long)sx.stx_size;
  if (S_ISDIR(sx.stx_mode)) s.m_attribute |= CFileStatus::directory;
  if (!(sx.stx_mode & (S_IWUSR | S_IWGRP | S_IWOTH))) s.m_attribute |= CFileStatus::readOnly;
  s.m_szFullName = CString(Absolute(m_strPath).string());
  status = s;
  return TRUE;
}

CString CFileCtrl::GetFileName() const {
  int slash = m_strPath.ReverseFind('/');
  return slash < 0 ? m_strPath : m_strPath.Mid(slash + 1);
}

CString CFileCtrl::GetFilePath() const {
  if (m_strPath.IsEmpty()) return CString();
  std::string folder = Absolute(m_strPath).parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return CString(folder);
}
