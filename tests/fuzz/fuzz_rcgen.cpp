// The resource tool's reader on arbitrary scripts: it either reads a script or reports one
// fault, and never crashes. The tool's sources are compiled in here (it links no library).
#include <cstddef>
#include <cstdint>
#include <string>

#include "afx/rcgen/RcLexer.cpp"
#include "afx/rcgen/RcParser.cpp"
#include "afx/rcgen/RcWriter.cpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string script(reinterpret_cast<const char*>(data), size);
  // A BITMAP statement opens the file it names; keep the fuzzer away from the file system.
  if (script.find("BITMAP") != std::string::npos) return 0;
  RcParser parser;
  RcScript out;
  bool ok = parser.ReadHeader("fuzz.h", "#define IDD_A 100\n#define IDC_A 1000\n") &&
            parser.ReadScript("fuzz.rc", script, out);
  if (ok) {
    std::string table = RcWriteTable(out, "fuzz", "fuzz.rc");
    if (table.empty()) __builtin_trap();
  } else if (parser.Error().rfind("fuzz.", 0) != 0) {
    __builtin_trap();   // every fault names its file
  }
  return 0;
}
