// rcgen SCRIPT HEADER OUT MODULE
// Compiles the resource script SCRIPT, whose ids are defined in HEADER, into the C++ file OUT
// holding the templates and bitmaps of module MODULE. On a fault it prints "FILE:LINE: what"
// and exits with 1, leaving OUT as it was.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "afx/rcgen/RcParser.h"
#include "afx/rcgen/RcWriter.h"

namespace {

bool ReadFile(const std::string& path, std::string& text) {
  std::ifstream f(path, std::ios::binary);
  if (!f) return false;
  std::ostringstream s;
  s << f.rdbuf();
  text = s.str();
  return true;
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::string tmp = path + ".tmp";
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    if (!f || !(f << text) || !f.flush()) return false;
  }
  return std::rename(tmp.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: rcgen SCRIPT HEADER OUT MODULE\n");
    return 2;
  }
  std::string script = argv[1], header = argv[2], out = argv[3], module = argv[4];
  std::string scriptText, headerText;
  if (!ReadFile(header, headerText)) {
    std::fprintf(stderr, "%s:1: cannot read the file\n", header.c_str());
    return 1;
  }
  if (!ReadFile(script, scriptText)) {
    std::fprintf(stderr, "%s:1: cannot read the file\n", script.c_str());
    return 1;
  }
  RcParser parser;
  RcScript result;
  if (!parser.ReadHeader(header, headerText) || !parser.ReadScript(script, scriptText, result)) {
    std::fprintf(stderr, "%s\n", parser.Error().c_str());
    return 1;
  }
  if (!WriteFile(out, RcWriteTable(result, module, script))) {
    std::fprintf(stderr, "%s:1: cannot write the file\n", out.c_str());
    return 1;
  }
  return 0;
}
