// A moment in time, whole seconds since 1970-01-01 00:00 UTC (time_t). Format writes it in
// the process's local time zone (the TZ environment), with the strftime conversions; a
// time of 0 is a valid moment, not "no time".
#pragma once
#include <ctime>
#include "afx/CString.h"

class CTime {
 public:
  CTime() = default;
  explicit CTime(time_t t) : m_time(t) {}

  static CTime GetCurrentTime() { return CTime(std::time(nullptr)); }
  time_t GetTime() const { return m_time; }

  // The local time as pszFormat lays it out ("%d/%m/%Y  %H:%M"); empty when the format
  // is empty or the moment has no local time.
  CString Format(const char* pszFormat) const;

  bool operator==(const CTime& o) const { return m_time == o.m_time; }
  bool operator<(const CTime& o) const { return m_time < o.m_time; }

 private:
  time_t m_time = 0;
};
