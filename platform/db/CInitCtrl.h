// The user's preferences.
#pragma once
#include "db/T_PREFERENCE.h"

class CInitCtrl {
 public:
  void GetPreference(T_PREFERENCE& pref) const { pref = m_pref; }
  const T_PREFERENCE& GetPreference() const { return m_pref; }
  void SetPreference(const T_PREFERENCE& pref) { m_pref = pref; }

 private:
  T_PREFERENCE m_pref;
};
