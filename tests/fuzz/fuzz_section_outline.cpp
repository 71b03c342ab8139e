// Any section record, sizes included (negative, huge, infinite, not a number), builds an
// outline and draws it into any rectangle without undefined behaviour, and the list it gives
// ends with the marks asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "afx/CDC.h"
#include "properties/CCMSecShapeBuilder.h"
#include "properties/CCMSecViewRect.h"

namespace {

const char* const kCodes[] = {
    "L",    "C",    "H",    "T",    "B",    "P",    "2L",   "2C",   "SB",   "SR",
    "CC",   "URIB", "CR",   "RBO",  "RBC",  "RPO",  "RPC",  "CBO",  "CBC",  "CPO",
    "CPC",  "EBC",  "EPC",  "RHB",  "CHB",  "RCB",  "RH2T", "2H",   "HC1",  "HC2",
    "HT",   "2T1",  "2T2",  "H2T",  "WOH",  "2CW1", "2CW2", "1CW1", "1CW2", "4L",
    "HP",   "h",    ""};
const char* const kCombos[] = {"", "2IS", "2IW", "2BS", "2BW", "3BS", "4IW", "5IS", "x", "1e999"};

struct Reader {
  const uint8_t* p;
  size_t n;
  template <class T>
  T Get() {
    T v{};
    const size_t k = n < sizeof(T) ? n : sizeof(T);
    std::memcpy(&v, p, k);
    p += k;
    n -= k;
    return v;
  }
  // A size: mostly ordinary lengths, sometimes any bit pattern.
  double Size() {
    const uint8_t kind = Get<uint8_t>();
    if (kind < 200) return (Get<uint16_t>() - 4096) / 100.0;
    return Get<double>();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in{data, size};
  T_SECT_D sect;
  sect.Initialize();
  sect.iType = in.Get<uint8_t>() % 7;
  sect.Part1.strShape = kCodes[in.Get<uint8_t>() % (sizeof(kCodes) / sizeof(*kCodes))];
  sect.Part1.BaseA.strBaseShape = kCombos[in.Get<uint8_t>() % (sizeof(kCombos) / sizeof(*kCombos))];
  sect.Part1.iOffset = (int8_t)in.Get<uint8_t>();
  for (int i = 0; i < 8; ++i) sect.Part1.BaseA.dSize[i] = in.Size();
  for (int i = 0; i < 6; ++i) sect.Part1.BaseB.dSize[i] = in.Size();
  sect.Part1.BaseA.Design.Cent_Y = in.Size();
  sect.Part1.Design.Cent_Z = in.Size();
  sect.Part1.dDispCenterY = in.Size();
  const uint8_t flags = in.Get<uint8_t>();
  const int bCentroid = flags & 1, bOffset = (flags >> 1) & 1;
  CRect rc(in.Get<int16_t>(), in.Get<int16_t>(), in.Get<int16_t>(), in.Get<int16_t>());

  CCMSecShapeBuilder builder;
  CCMGeom2DArray list;
  builder.Build(&sect, &list, 0, 0, bCentroid, bOffset);
  const bool known = sect.iType >= 1 && sect.iType <= 5;
  if (!known && list.GetSize() != 0) std::abort();
  if (known && list.GetSize() < bOffset + 2 * bCentroid) std::abort();

  CDC dc;
  CCMSecViewRect view;
  view.SetRect(rc);
  view.Erase(&dc);
  const INT_PTR n = list.GetSize();
  view.Draw(&dc, &list, bCentroid, bOffset);
  if (list.GetSize() != n) std::abort();  // the marks are put back
  return 0;
}
