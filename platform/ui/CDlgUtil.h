// Control aids for dialogs: radio groups read and set by index, showing, hiding, enabling
// and moving groups of controls, the controls inside a group box, and combo items with
// item data. Controls are named by id in the dialog given; an id the dialog does not hold
// is skipped.
#pragma once
#include <initializer_list>
#include "afx/CArray.h"
#include "afx/CComboBox.h"
#include "afx/CWnd.h"

class CDlgUtil {
 public:
  // Radio groups: an array of button ids, read and set by index from 0.
  // The index of the first checked button, or -1 (the caller keeps its default).
  static int CtrlRadioGetCheck(CWnd* pDlg, const CUIntArray& ids);
  static int CtrlRadioGetCheck(CWnd* pDlg, std::initializer_list<UINT> ids);
  // Checks button index and unchecks the others; an index out of range unchecks all.
  static void CtrlRadioSetCheck(CWnd* pDlg, const CUIntArray& ids, int index);
  static void CtrlRadioSetCheck(CWnd* pDlg, std::initializer_list<UINT> ids, int index);

  static void CtrlShowHide(CWnd* pDlg, const CUIntArray& ids, BOOL bShow);
  static void CtrlShowHide(CWnd* pDlg, std::initializer_list<UINT> ids, BOOL bShow);
  static void CtrlEnableDisable(CWnd* pDlg, const CUIntArray& ids, BOOL bEnable);
  static void CtrlEnableDisable(CWnd* pDlg, std::initializer_list<UINT> ids, BOOL bEnable);

  // Moves each control by dx, dy pixels (the dialog's client coordinates).
  static void CtrlMoveDistXY(CWnd* pDlg, const CUIntArray& ids, int dx, int dy, BOOL bRepaint = TRUE);
  static void CtrlMoveDistX(CWnd* pDlg, const CUIntArray& ids, int dx, BOOL bRepaint = TRUE) {
    CtrlMoveDistXY(pDlg, ids, dx, 0, bRepaint);
  }
  static void CtrlMoveDistY(CWnd* pDlg, const CUIntArray& ids, int dy, BOOL bRepaint = TRUE) {
    CtrlMoveDistXY(pDlg, ids, 0, dy, bRepaint);
  }

  // ids := the controls whose rectangle lies wholly inside group box nIDGroup's, in z order;
  // with bIncludeGroup the group box itself first. 0 when the dialog has no such control.
  static BOOL GetCtrlIDByIncRect(CWnd* pDlg, CUIntArray& ids, UINT nIDGroup, BOOL bIncludeGroup);
  // Enables or disables every control inside group box nIDGroup (and the box itself with
  // bIncludeGroup).
  static void CtrlEnableDisableByRect(CWnd* pDlg, UINT nIDGroup, BOOL bEnable, BOOL bIncludeGroup);

  // Combo items with item data.
  static int CobxAddItem(CComboBox* pCobx, LPCTSTR text, DWORD_PTR data);
  // Selects the first item whose data is data; 0 (selection cleared) when none has it.
  static BOOL CobxSetCurSelItemData(CComboBox* pCobx, DWORD_PTR data);
  // The data of the selected item; def when nothing is selected.
  static DWORD_PTR CobxGetItemDataByCurSel(CComboBox* pCobx, DWORD_PTR def = (DWORD_PTR)-1);
};
