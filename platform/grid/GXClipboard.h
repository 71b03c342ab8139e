// The grid's clipboard: one text shared by every grid of the process (as the system
// clipboard is), in the spreadsheet form: cells separated by tabs, rows by line feeds.
// A CR before a line feed is dropped and a final line feed ends the last row rather than
// starting an empty one.
#pragma once
#include <vector>
#include "afx/CString.h"

class CGXClipboard {
 public:
  static void SetText(const CString& text);
  static const CString& GetText();
  static void Empty();
  static BOOL IsEmpty();

  // Text <-> rows of cells.
  static std::vector<std::vector<CString>> Split(const CString& text);
  static CString Join(const std::vector<std::vector<CString>>& rows);
};
