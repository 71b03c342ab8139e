// Any bytes given to the formula engine parse or fail cleanly, and a formula that parses
// evaluates to a finite value or to an evaluation failure.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "grid/GXFormula.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  CGXFormula f;
  if (!f.Parse(text)) {
    if (!CGXFormula::IsParseFailure(f.GetResult())) std::abort();
    return 0;
  }
  double v = 0;
  if (f.Evaluate(v)) {
    if (!std::isfinite(v) || f.GetResult() != GX_FORMULA_OK) std::abort();
  } else if (!CGXFormula::IsEvalFailure(f.GetResult())) {
    std::abort();
  }
  return 0;
}
