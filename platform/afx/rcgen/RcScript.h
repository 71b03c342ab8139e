// What rcgen reads from a resource script: dialog templates and bitmaps, with every name
// already resolved to its number.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "afx/AfxTypes.h"

struct RcItem {
  std::string cls;      // window class, canonical spelling for the standard classes
  std::string text;     // UTF-8; "#N" when the script gave a number or id (a picture)
  long id = 0;
  long x = 0, y = 0, cx = 0, cy = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
};

struct RcDialog {
  long id = 0;
  std::string caption;
  long x = 0, y = 0, cx = 0, cy = 0;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::string fontName;
  long fontSize = 0;
  std::vector<RcItem> items;
};

struct RcBitmap {
  long id = 0;
  std::string file;     // as the script names it
  int cx = 0, cy = 0;   // read from the file
};

struct RcScript {
  std::vector<RcDialog> dialogs;
  std::vector<RcBitmap> bitmaps;
  std::vector<std::pair<std::string, long>> names;  // the header's ids, sorted by name
};
