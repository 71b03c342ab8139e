// The view library's number parsers, as the module calls them: the UI library's
// CStringParser under the names the view library gives it (see CStringParser.h for the
// grammar). All return non-zero on success.
#pragma once
#include "ui/CStringParser.h"

class CStrParser {
 public:
  static int GetINumber(LPCTSTR text, int& n) { return CStringParser::GetINumber(text, n); }
  static int GetFloatNumber(LPCTSTR text, double& d) { return CStringParser::GetFloatNumber(text, d); }
  static int GetPosition(LPCTSTR text, double& x, double& y, double& z) {
    return CStringParser::GetPosition(text, x, y, z);
  }
};

class MyParser {
 public:
  // A number list ("1 3 5 7to20by2") in typed order; a text of blanks is a valid, empty
  // list (the caller then says how many numbers it wants).
  static int ParsingNodeList(LPCTSTR text, CUIntArray& numbers) { return CStringParser::ParsingListByTo(text, numbers); }
};
