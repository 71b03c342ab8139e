// The mid-span reinforcement direction of slabs (modeless, one per document, template
// 14187): automatic, or an angle in degrees typed by the user, applied to the slabs
// selected in the current model view.
//
// Apply takes the selected members of type 301 from the current view (nothing without a
// view) and writes one T_SDIR_D, the chosen mode and the edit's angle, to every one of
// them in one undoable transaction (CClassSdir::TR_Replace on the dialog's document), then
// sends command 33041 (redraw the views) to the main window. Refused, writing nothing:
// no slab among the selected members ("IDS_TM_No_Selected_Member"); in user-input mode an
// angle that is no number ("IDS_CMD_SDIR_ANGLE_NOT_NUMBER"). In automatic mode the angle
// is stored as the edit holds it, 0 when the edit holds no number. A transaction the
// table refuses writes nothing and sends nothing, without a message.
//
// Close destroys the window. "按输入的方向输出结果" writes nothing, destroys the window as
// Close does, then posts command 34486 (output results in the given directions). The
// window keeps nothing between applications and does not follow database updates.
#pragma once
#include "db/CEditUnit.h"
#include "ui/CDBDlgBase.h"

class CCmdDetailSlabDirDlg : public CDBDlgBase {
  DECLARE_DYNAMIC(CCmdDetailSlabDirDlg)

 public:
  static constexpr UINT CMD_REDRAW = 33041;
  static constexpr UINT CMD_OUTPUT_IN_DIRECTIONS = 34486;

  explicit CCmdDetailSlabDirDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  // The Apply button's work: 1 when the directions were written.
  int ApplyToSelection();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void Data2Dlg();
  // Reads the mode; the angle into dAngle. 0 (after a message) when the user's angle is
  // no number.
  BOOL Dlg2Data(double& dAngle);
  void EnableAngle();
  void OnCmdDetailSlabDirType();
  void OnCmdApply();
  void OnCmdClose();
  void OnCmdRun();

 private:
  int m_nMode = 1;  // 0 automatic, 1 user input
  CEditUnit m_editAngle;

  DECLARE_MESSAGE_MAP()
};
