// A size edit of a section page: an edit with a menu of preset texts and a successor
// (CMenuEditBase) that shows and reads lengths in the current units of the current
// document while its callers hold internal values (m).
//   SetEditUnit    shows an internal value converted to current units, with "%g"
//   GetEditValue   reads the text as a number in current units, gives it in internal
//                  units; 0 (and the value 0) when the text is not a number
//   SetSizeList    gives the menu preset texts written in internal units, shown converted
#pragma once
#include "uiutil/CMenuEditBase.h"

class CCMSizeEdit : public CMenuEditBase {
 public:
  CCMSizeEdit() = default;

  void SetUnitType(int nKind) { m_nKind = nKind; }
  int GetUnitType() const { return m_nKind; }
  void SetEditUnit(double dValue);
  BOOL GetEditValue(double& dValue) const;
  void SetSizeList(const CStringArray& internalTexts);
  // The preset texts last given to SetSizeList (as given, internal units).
  const CStringArray& GetSizeList() const { return m_sizeList; }

  // An internal value as the edit shows it.
  static CString FormatValue(int nKind, double dValue);

 private:
  int m_nKind = 0;
  CStringArray m_sizeList;
};
