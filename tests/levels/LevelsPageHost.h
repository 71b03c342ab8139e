// A test dialog that hosts the levels page on a placeholder, as the levels dialog does,
// with OK and Cancel of its own.
#pragma once
#include "afx/AfxStyles.h"
#include "afx/CDialog.h"
#include "levels/CCmdPlanStoryDlgGeneral2.h"
#include "res/resource.h"

class CLevelsPageHost : public CDialog {
 public:
  enum { IDC_PLACE = 500 };
  static const AFX_DLGTEMPLATE* Template() {
    static const AFX_DLGITEM items[] = {
        {"STATIC", "", IDC_PLACE, 0, 0, 470, 290, WS_CHILD, 0},
        {"BUTTON", "OK", IDOK, 360, 295, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {"BUTTON", "Cancel", IDCANCEL, 415, 295, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0},
    };
    static const AFX_DLGTEMPLATE t = {990716, "levels", 0, 0, 470, 312,
                                      DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, "", 9, items, 3};
    return &t;
  }

  CCmdPlanStoryDlgGeneral2 page{nullptr};

  CLevelsPageHost() { InitModalIndirect(Template()); }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    CRect rc;
    GetDlgItem(IDC_PLACE)->GetWindowRect(&rc);
    ScreenToClient(&rc);
    if (page.CreatePage(IDD_CMD_PLANSTORY_GENERAL2, this, rc)) page.ShowWindow(SW_SHOW);
    return TRUE;
  }
  // The page without a modal loop: the host made as a modeless window.
  BOOL CreateModeless() {
    if (!CreateIndirect(Template()) || !page.m_hWnd) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
  }
};
