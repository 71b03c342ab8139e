// Compiled resources: the dialog templates and bitmap ids of one module, as the resource
// tool (rcgen) writes them from a resource script. A generated table registers itself at
// load under its module name; a module joins the resource chain with
// AfxInitExtensionModule and a CDynLinkLibrary, after which its templates are found.
#pragma once
#include "afx/AfxTypes.h"

struct AFX_DLGITEM {
  const char* cls;      // window class: "BUTTON", "EDIT", "STATIC", "COMBOBOX", "LISTBOX",
                        // "SysListView32", "SysTabControl32", "SCROLLBAR", "msctls_updown32",
                        // "msctls_trackbar32", or a custom class name
  const char* text;     // caption, UTF-8; "#N" when the script named a resource by number or
                        // id instead (a picture's bitmap: CONTROL IDB_X, id, "Static", SS_BITMAP...)
  int id;               // control id (-1 for IDC_STATIC)
  int x, y, cx, cy;     // dialog units
  DWORD style;          // window and control styles (AfxStyles.h), WS_CHILD and WS_VISIBLE
                        // included unless cleared with NOT
  DWORD exStyle;
};

struct AFX_DLGTEMPLATE {
  int id;
  const char* caption;
  int x, y, cx, cy;     // dialog units
  DWORD style;
  DWORD exStyle;
  const char* fontName;
  int fontSize;
  const AFX_DLGITEM* items;
  int itemCount;
};

struct AFX_BITMAPRES {
  int id;
  const char* file;     // path of the picture as the script names it, relative to the script
  int cx, cy;           // its size in pixels, read from the file when the script was compiled
};

// A name of the module's resource header ("IDD_CMD_SECT_ITEM", "IDC_SECT_ITEM_TAB") and the
// id it defines.
struct AFX_RESNAME {
  const char* name;
  int id;
};

struct AFX_RESOURCE_TABLE {
  const char* module;   // the module's name, e.g. "vur_cmd"
  const AFX_DLGTEMPLATE* dialogs;
  int dialogCount;
  const AFX_BITMAPRES* bitmaps;
  int bitmapCount;
  const AFX_RESNAME* names = nullptr;   // sorted by name; NULL when the header defines none
  int nameCount = 0;
};

// Called by the generated table at load. The table stays unreachable to FindResource
// until its module joins the resource chain.
void AfxRegisterResourceTable(const AFX_RESOURCE_TABLE* table);
// The table registered under that module name, or NULL.
const AFX_RESOURCE_TABLE* AfxGetResourceTable(const char* module);
// Searches the host's own table first (AfxSetResourceHandle), then the resource chain, last
// joined first. NULL when no module has it.
const AFX_DLGTEMPLATE* AfxFindDialogTemplate(int id);
const AFX_BITMAPRES* AfxFindBitmap(int id);
// The id a resource header defines under that name, searched in the same order; FALSE
// when no module defines it.
BOOL AfxFindResourceId(const char* name, int& id);
// The first name, in name order, that defines id and begins with prefix ("IDD_"), searched
// in the same order; NULL when none does. A header may give one number several names.
const char* AfxFindResourceName(int id, const char* prefix);

// The host's own module (an executable may have a table of its own): searched before the
// chain. NULL (the default) when the host has none.
void AfxSetResourceHandle(HINSTANCE hModule);
HINSTANCE AfxGetResourceHandle();
