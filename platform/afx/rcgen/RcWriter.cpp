#include "afx/rcgen/RcWriter.h"

#include <cstdio>

namespace {

// A C++ string literal of UTF-8 text: bytes above 0x7F are kept, controls, quotes and
// backslashes escaped (octal escapes end after three digits, so they never swallow a digit
// that follows).
std::string Literal(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += (char)c;
    } else if (c < 0x20 || c == 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    } else {
      out += (char)c;
    }
  }
  return out + "\"";
}

std::string Hex(DWORD v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08Xu", (unsigned)v);
  return buf;
}

}  // namespace

std::string RcWriteTable(const RcScript& script, const std::string& module,
                         const std::string& source) {
  std::string o;
  o += "// Compiled by rcgen from " + source + ". Do not edit: edit the script.\n";
  o += "#include \"afx/AfxResource.h\"\n\nnamespace {\n\n";
  for (const RcDialog& d : script.dialogs) {
    if (d.items.empty()) continue;
    o += "const AFX_DLGITEM items_" + std::to_string(d.id) + "[] = {\n";
    for (const RcItem& i : d.items) {
      o += "    {" + Literal(i.cls) + ", " + Literal(i.text) + ", " + std::to_string(i.id) + ", " +
           std::to_string(i.x) + ", " + std::to_string(i.y) + ", " + std::to_string(i.cx) + ", " +
           std::to_string(i.cy) + ", " + Hex(i.style) + ", " + Hex(i.exStyle) + "},\n";
    }
    o += "};\n\n";
  }
  if (!script.dialogs.empty()) {
    o += "const AFX_DLGTEMPLATE dialogs[] = {\n";
    for (const RcDialog& d : script.dialogs) {
      std::string items = d.items.empty() ? "nullptr" : "items_" + std::to_string(d.id);
      o += "    {" + std::to_string(d.id) + ", " + Literal(d.caption) + ", " + std::to_string(d.x) +
           ", " + std::to_string(d.y) + ", " + std::to_string(d.cx) + ", " + std::to_string(d.cy) +
           ", " + Hex(d.style) + ", " + Hex(d.exStyle) + ", " + Literal(d.fontName) + ", " +
           std::to_string(d.fontSize) + ", " + items + ", " + std::to_string(d.items.size()) + "},\n";
    }
    o += "};\n\n";
  }
  if (!script.bitmaps.empty()) {
    o += "const AFX_BITMAPRES bitmaps[] = {\n";
    for (const RcBitmap& b : script.bitmaps)
      o += "    {" + std::to_string(b.id) + ", " + Literal(b.file) + ", " + std::to_string(b.cx) + ", " +
           std::to_string(b.cy) + "},\n";
    o += "};\n\n";
  }
  if (!script.names.empty()) {
    o += "const AFX_RESNAME names[] = {\n";
    for (const auto& [name, id] : script.names) o += "    {" + Literal(name) + ", " + std::to_string(id) + "},\n";
    o += "};\n\n";
  }
  o += "const AFX_RESOURCE_TABLE table = {" + Literal(module) + ", " +
       (script.dialogs.empty() ? "nullptr" : "dialogs") + ", " + std::to_string(script.dialogs.size()) +
       ", " + (script.bitmaps.empty() ? "nullptr" : "bitmaps") + ", " +
       std::to_string(script.bitmaps.size()) + ", " + (script.names.empty() ? "nullptr" : "names") + ", " +
       std::to_string(script.names.size()) + "};\n\n";
  o += "struct Registrar {\n  Registrar() { AfxRegisterResourceTable(&table); }\n};\n";
  o += "// Priority 101 runs before every ordinary static initialiser of the module.\n";
  o += "[[maybe_unused]] const Registrar registrar __attribute__((init_priority(101)));\n\n";
  o += "}  // namespace\n";
  return o;
}
