// The model's load vocabulary: the load types a static load case may be of, each a key and
// a display name (a text key's text). The keys, in order: "USER" user defined, "D" dead,
// "L" live, "LR" roof live, "W" wind on the structure, "E" earthquake, "S" snow, "T"
// temperature. One shared vocabulary (CDBDoc::GetLoadDB).
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

class CLoadDB {
 public:
  static CLoadDB* GetDefault();

  // The keys in order.
  void GetLoadTypeList(CStringArray& keys) const;
  // The display name of a key; the empty text for a key it does not hold.
  CString GetLoadTypeName(const CString& key) const;
  // The key of a display name; the empty key for a text it does not hold.
  CString GetLoadType(const CString& name) const;
  // The text key naming a load-type key (NULL for none).
  static const char* NameKeyOf(const CString& key);
};
