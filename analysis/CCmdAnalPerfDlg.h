// The analysis-type page: eleven kinds of analysis as check boxes, each with a "..."
// button, kept consistent by interlocks. Response spectrum needs eigenvalue; pushover and
// time history need static and eigenvalue; P-delta and settlement need static, settlement
// also response spectrum; buckling excludes every kind but static. A rule fires only for
// the box the engineer clicked; states set by a rule run no other rule. Switching off a
// kind another one needs, or switching on eigenvalue or P-delta while buckling is on, asks
// first (a message box of this page, captioned "IDS_WG_CMD_ANAL_PERF_ANAL_CTRL_DATA", OK and
// Cancel, the question icon); Cancel undoes the click (for P-delta with the static switch
// the click made).
//
// It edits fields 9 to 17 of the analysis control window's record (SetRecord). The
// settlement and buckling boxes have no field: they open unchecked and are not stored. The
// construction-stage box and its button are hidden, but the box is filled and read back.
// The analysis control window keeps this page without making its window; the application
// can host it.
#pragma once
#include "db/T_ACTL_D.h"
#include "ui/CDlgChild.h"

class CCmdAnalPerfDlg : public CDlgChild {
  DECLARE_DYNAMIC(CCmdAnalPerfDlg)

 public:
  explicit CCmdAnalPerfDlg(CWnd* pParent = nullptr);

  void SetRecord(T_ACTL_D* pRecord) { m_pActl = pRecord; }
  T_ACTL_D* GetRecord() const { return m_pActl; }
  BOOL Data2Dlg();
  BOOL Dlg2Data();
  void ChangeDlgCtrls();

 protected:
  BOOL OnInitDialog() override;

  void OnCmdStcChk();
  void OnWindChk();
  void OnCmdResponseChk();
  void OnSeismicChk();
  void OnCmdPushoverChk();
  void OnCmdEigenChk();
  void OnTimeHistoryChk();
  void OnCmdPDeltaChk();
  void OnSettleChk();
  void OnCmdBucklingChk();
  void OnCmdConstStageChk();

  void OnCmdEmptyBtn() {}
  void OnCmdWindBtn();
  void OnCmdSpectBtn();
  void OnCmdSeismicBtn();
  void OnCmdTimeBtn();
  void OnCmdSettleBtn();
  void OnCmdEigenBtn();
  void OnCmdPdeltaBtn();
  void OnCmdBucklingBtn();

 private:
  BOOL On(UINT id) const { return IsDlgButtonChecked(id) == 1; }
  void Set(UINT id, BOOL on) { CheckDlgButton(id, on ? 1 : 0); }
  // Asks a question; TRUE for OK.
  BOOL Ask(const CString& text);
  BOOL AskDelete();
  // The two-name question: OK switches off the analysis first named.
  BOOL AskExclusive(const char* key, const CString& dropped, const CString& chosen);
  void Send(UINT nCmd);

  T_ACTL_D* m_pActl = nullptr;

  DECLARE_MESSAGE_MAP()
};
