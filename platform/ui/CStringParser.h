// Reads what the user types into edits: a single integer or real, a position, or a list of
// non-negative integers such as "1 3 5 7to20by2" (suffix lists, point-number lists).
//
// Number-list grammar (blanks are space, tab, CR and LF; keywords are case-insensitive):
//   list   := blanks* [ item { sep item } ] blanks*
//   sep    := blanks+ | blanks* ',' blanks*          one comma at most between two items
//   item   := number [ blanks* "to" blanks* number [ blanks* "by" blanks* number ] ]
//   number := digit+                                  0 .. 4294967295, leading zeros allowed
// So "1 3 5 7to20by2", "7 to 20 by 2", "7TO20BY2" and "1, 3,5" are lists. "a to b" runs from
// a towards b in steps of "by" (1 when absent) and ends at the last number that does not
// pass b: "1to10by4" is 1 5 9. A descending range counts down: "20to7by2" is 20 18 ... 8.
// A step of 0 is refused; signs, empty items ("1,,2", "1,"), and any other character make
// the whole text invalid. A text of blanks only is a valid, empty list.
// Expansion is bounded: a list that names more than NUMLIST_MAX_COUNT numbers in all (every
// single number and every member of every range counted) is refused, not truncated.
//
// All functions return non-zero on success and 0 on failure; they never throw.
#pragma once
#include <string_view>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "afx/CString.h"

enum : int { NUMLIST_MAX_COUNT = 1000000 };

class CStringParser {
 public:
  // One item of a number list: nFirst, nFirst +- nStep, ... never passing nLast.
  struct Range {
    UINT nFirst;
    UINT nLast;
    UINT nStep;
    // How many numbers the range names (1 .. 2^32).
    unsigned long long Count() const;
    // The smallest and the largest number the range names.
    UINT Lowest() const;
    UINT Highest() const;
  };

  // The items of a number list, in typed order, without expanding them. 0 on a syntax error
  // (ranges then empty).
  static int ParseRanges(std::string_view text, std::vector<Range>& ranges);

  // Expands a number list in typed order; duplicates are kept ("1 1to2" gives 1 1 2).
  // 0 when the text is not a list or names more than NUMLIST_MAX_COUNT numbers; the output
  // is then empty. The int form also refuses numbers above 2147483647.
  static int ParsingListByTo(LPCTSTR text, CUIntArray& numbers);
  static int ParsingListByTo(LPCTSTR text, CArray<int>& numbers);

  // A list of point numbers, as ParsingListByTo, except that a text naming no number is
  // refused. Accepts "%d, %d, ..." as written back by the dialogs.
  static int GetNodeList(LPCTSTR text, CUIntArray& numbers);

  // A whole text, blanks around allowed, that is a decimal integer with an optional sign
  // and fits an int. "12.0", "1e3", "" and "12a" are refused; n is then left alone.
  static int GetINumber(LPCTSTR text, int& n);

  // A whole text, blanks around allowed, that is a decimal real: an optional sign, digits
  // with an optional point, an optional exponent ("-1.5e3", ".5", "5."). Values a double
  // cannot hold (1e999, 1e-999), "inf", "nan" and hexadecimal are refused; d is then left
  // alone.
  static int GetFloatNumber(LPCTSTR text, double& d);

  // Two or three reals separated by commas and/or blanks, optionally in one pair of
  // parentheses: "1, 2, 3", "1 2 3", "(1,2,3)". With two, z is 0. Outputs are set only on
  // success.
  static int GetPosition(LPCTSTR text, double& x, double& y, double& z);
};
