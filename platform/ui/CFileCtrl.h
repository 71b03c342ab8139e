// The file facts of one path, for windows that show them: the file's status (times, size),
// its name and its folder. The path is taken as given; a relative one is read against the
// working directory.
//
// - GetFileName: the last component of the path, extension included ("model.zel"); empty
//   for a path that ends in '/'.
// - GetFilePath: the absolute folder that holds the file, ending in '/' ("/tmp/work/"; the
//   root is "/").
// - GetFileStatus: the modification and access times, the size in bytes, the attribute
//   bits and the absolute path; the creation time is the birth time where the file system
//   keeps one, else the modification time. FALSE (the status untouched) when the path
//   names nothing that can be read.
#pragma once
#include "afx/CFileStatus.h"
#include "afx/CString.h"

class CFileCtrl {
 public:
  explicit CFileCtrl(const CString& strPath) : m_strPath(strPath) {}

  BOOL GetFileStatus(CFileStatus& status) const;
  CString GetFileName() const;
  CString GetFilePath() const;

 private:
  CString m_strPath;
};
