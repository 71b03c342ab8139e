// Any bytes given to the number-list readers fail cleanly or give a bounded list; a list
// that is read back from its compact print gives the same set.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ui/CNumericOptimizer.h"
#include "ui/CStringParser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);  // stops at an embedded NUL
  CUIntArray typed;
  int ok = CStringParser::ParsingListByTo(text.c_str(), typed);
  if (typed.GetSize() > NUMLIST_MAX_COUNT || (!ok && !typed.IsEmpty())) std::abort();
  CArray<int> ints;
  CStringParser::ParsingListByTo(text.c_str(), ints);
  CUIntArray nodes;
  CStringParser::GetNodeList(text.c_str(), nodes);
  int n = 0;
  double d = 0, x = 0, y = 0, z = 0;
  CStringParser::GetINumber(text.c_str(), n);
  CStringParser::GetFloatNumber(text.c_str(), d);
  CStringParser::GetPosition(text.c_str(), x, y, z);

  CNumericOptimizer opt;
  // Selection from a few candidates never expands ranges.
  CUIntArray candidates;
  for (UINT c : {0u, 1u, 2u, 7u, 100u, 65535u, 1000000u, 4294967295u}) candidates.Add(c);
  CUIntArray picked;
  opt.SelectNumByStr(candidates, text.c_str(), picked);
  if (!ok) return 0;

  std::vector<UINT> set = typed.vec();
  std::sort(set.begin(), set.end());
  set.erase(std::unique(set.begin(), set.end()), set.end());
  CString printed = opt.OptimizeUnsortedArray(typed);
  CUIntArray back;
  if (!opt.GetNumList(printed, back) || back.vec() != set) std::abort();
  for (UINT p : picked.vec())
    if (!std::binary_search(set.begin(), set.end(), p)) std::abort();
  return 0;
}
