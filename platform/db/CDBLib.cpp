#include "db/CDBLib.h"

#include <string>

int CDBLib::GetNextMembName(const CString& name, CString& next) {
  const std::string s = name.c_str();
  size_t start = s.size();
  while (start > 0 && s[start - 1] >= '0' && s[start - 1] <= '9') --start;
  if (start == s.size()) return 0;
  std::string digits = s.substr(start);
  // Add one to the decimal digits in place; a carry out of the first widens the number.
  int i = (int)digits.size() - 1;
  for (; i >= 0; --i) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      break;
    }
  }
  if (i < 0) digits.insert(digits.begin(), '1');
  next = (s.substr(0, start) + digits).c_str();
  return 1;
}
