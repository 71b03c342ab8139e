// Names of new towers, standard floors and stories made by the levels page's buttons.
//
// A seed ("50000F", "P50000") is a prefix, a run of digits (its last one) and a suffix.
// Among the names that exist (of the table, or of the tower for stories), those of the
// seed's pattern - the prefix, a run of at most 18 digits, the suffix - whose number
// exceeds the seed's continue the numbering: the first new name follows the one with the
// highest number (else the seed), each next name follows the one before it
// (CAutoIDMaker::GetNextName), and a name that exists is passed over. So a second Add
// makes "50003F" and "50004F" after "50001F" and "50002F" instead of repeating them.
#pragma once
#include <unordered_set>
#include "afx/CArray.h"
#include "afx/CString.h"

class CLevelNewNames {
 public:
  explicit CLevelNewNames(const CString& seed);
  // An existing name (call once per name before Make).
  void AddExisting(const CString& name);
  // n new names, in order.
  void Make(int n, CStringArray& names) const;

 private:
  // The number a name of the seed's pattern carries; -1 for a name of another pattern.
  long long NumberOf(const CString& name) const;

  CString m_seed;
  std::string m_prefix;
  std::string m_suffix;
  long long m_nSeed = -1;
  CString m_last;          // the existing name of the highest number above the seed's
  long long m_nLast = -1;
  std::unordered_set<CString> m_taken;
};
