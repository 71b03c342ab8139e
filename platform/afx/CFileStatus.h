// What the file system tells about one file: its times, its size in bytes, its attribute
// bits and its full path. Filled by the file services (CFileCtrl::GetFileStatus).
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CString.h"
#include "afx/CTime.h"

struct CFileStatus {
  CTime m_ctime;               // creation time
  CTime m_mtime;               // last modification
  CTime m_atime;               // last access
  unsigned long long m_size = 0;  // bytes
  BYTE m_attribute = 0;        // 0x01 read-only, 0x10 a directory
  CString m_szFullName;        // absolute path

  enum Attribute { readOnly = 0x01, directory = 0x10 };
};
