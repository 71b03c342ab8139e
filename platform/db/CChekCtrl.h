// The model checker's findings while the document traces them: the keys it flagged.
#pragma once
#include <algorithm>
#include "afx/CArray.h"

class CChekCtrl {
 public:
  void SetFlaggedKeys(const CUIntArray& keys) { m_keys.Copy(keys); }
  const CUIntArray& GetFlaggedKeys() const { return m_keys; }
  BOOL IsFlagged(UINT key) const { return std::find(m_keys.begin(), m_keys.end(), key) != m_keys.end(); }

 private:
  CUIntArray m_keys;
};
