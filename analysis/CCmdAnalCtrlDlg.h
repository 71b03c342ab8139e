// The page of the analysis control window: the equation solver, several processors and
// their count, automatic or user-defined solver memory, and the eigenvalue, time-history
// and P-delta switches, each with a "..." button (the eigenvalue and P-delta settings open
// modally, the time-history button sends command 33158 to the main window). It edits the
// window's record through the pointer the window gives it (SetRecord).
//
// Data2Dlg: a solver or memory mode other than 0 and 1 checks neither radio. Dlg2Data:
// with neither radio checked the field keeps its value; a CPU count or memory size is the
// edit's number truncated toward zero (read from a disabled edit too); a text that is no
// number leaves the field as it was. The story-stiffness radios are inert: they open
// unchecked and nothing reads them.
#pragma once
#include "db/CEditUnit.h"
#include "db/T_ACTL_D.h"
#include "ui/CDlgChild.h"

class CCmdAnalCtrlDlg : public CDlgChild {
  DECLARE_DYNAMIC(CCmdAnalCtrlDlg)

 public:
  explicit CCmdAnalCtrlDlg(CWnd* pParent = nullptr);

  void SetRecord(T_ACTL_D* pRecord) { m_pActl = pRecord; }
  BOOL Data2Dlg();
  BOOL Dlg2Data();
  void ChangeDlgCtrls();

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnCmdMethodMprocessorChk() { ChangeDlgCtrls(); }
  void OnCmdMemoryAutoRdo() { ChangeDlgCtrls(); }
  void OnCmdMemoryUserRdo() { ChangeDlgCtrls(); }
  void OnCmdEigenChk();
  void OnCmdPDeltaChk();
  void OnTimeHistoryChk();
  void OnCmdEigenBtn();
  void OnCmdPdeltaBtn();
  void OnCmdTimeBtn();

  T_ACTL_D* m_pActl = nullptr;
  CEditUnit m_editCpu;
  CEditUnit m_editMem;

  DECLARE_MESSAGE_MAP()
};
