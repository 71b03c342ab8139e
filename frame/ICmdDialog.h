// The command module's dialog interface, registered as "cmd" in the dialog-interface
// registry at load (one global instance, frame/VurCmdEntry.cpp). Other modules find it by
// name and call Dlg_DoModal and Dlg_DoModeless; the module's own dialogs call the static
// factories DoModal and DoModeless directly. Both factories look the class name up in their
// table (frame/CmdDialogTable.h; the rows are in factory/CmdDialogTable.cpp) by an exact,
// case-sensitive comparison of the whole string.
//
// DoModal (name, parameter): the dialog's own DoModal result (IDOK, IDCANCEL...); -1 for a
// name the table does not hold or whose dialog is not built yet. The parameter carries an
// unsigned integer (a record key, a standard-floor or tower key, a tab), as the row says.
//
// DoModeless (name, ignored, extra): 1 when the dialog is shown (new, or the open one again:
// each is open at most once per document, found by its template id in the document's
// modeless-dialog manager), 0 when it could not be created (the object is deleted), -1 for
// an unknown or not-yet-built name, or when the attribute tool window refuses the request.
// extra points to an int: the tab to show for "CModelDefProperty", the request mode for
// "CToolsDlg" (CmdToolMode); NULL where unused.
#pragma once
#include "afx/CGeometry.h"
#include "ui/IDlgIntf.h"

// The request modes of the attribute tool window ("CToolsDlg"): only a new window opened
// for the object under the cursor or from the menu is shown; an open one answers the menu.
enum CmdToolMode : int { CMD_TOOL_NOTHING = 1, CMD_TOOL_SNAPPED = 2, CMD_TOOL_BY_MENU = 3 };

class ICmdDialog : public IDlgIntf {
 public:
  // Registers the object as "cmd" (the result is not looked at).
  ICmdDialog();
  ICmdDialog(const ICmdDialog& o) : IDlgIntf(o) {}
  ICmdDialog& operator=(const ICmdDialog& o) {
    IDlgIntf::operator=(o);
    return *this;
  }
  ~ICmdDialog() override;

  int Dlg_DoModal(const char* name, void* param) override { return DoModal(name, param); }
  int Dlg_DoModeless(const char* name, void* param, void* extra) override {
    return DoModeless(name, param, extra);
  }

  static int DoModal(const char* name, void* param);
  static int DoModeless(const char* name, void* ignored, void* extra);

  // (0, 0) at load; nothing reads or writes it afterwards.
  static CPoint m_pt;

  // The name the interface is registered under.
  static constexpr const char* NAME = "cmd";
};
