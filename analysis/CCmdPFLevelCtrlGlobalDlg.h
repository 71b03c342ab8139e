// The global page of the performance-design control: the governing code (radios), whether
// every member is designed for performance, the earthquake levels checked with a target
// slider each (0 to 3: targets 1 to 4), and the tall-building target with its description
// (filled and read back, never shown). It works on the dialog's record (SetRecord; without
// one it shows and reads nothing).
//
// Rules: the seismic design code shows the target sliders, the all-members box and the
// target box; the tall-building code hides them and shows only the note. The earthquake
// boxes and sliders are enabled while all-members is checked, each slider only while its
// earthquake is checked too. The page writes its controls into the record on OK and when
// its window ends.
#pragma once
#include "afx/CArray.h"
#include "afx/CSliderCtrl.h"
#include "db/T_PFCT_D.h"
#include "ui/CDlgChild.h"

class CCmdPFLevelCtrlGlobalDlg : public CDlgChild {
  DECLARE_DYNAMIC(CCmdPFLevelCtrlGlobalDlg)

 public:
  explicit CCmdPFLevelCtrlGlobalDlg(CWnd* pParent = nullptr);

  void SetRecord(T_PFCT_D* pRec) { m_pRec = pRec; }
  // The controls into the record (only with a record and a window).
  void Dlg2Data();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnDestroy();
  void OnCodeRadio();
  void OnAllMemb();
  void OnEarthquake();
  void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);

  void Data2Dlg();
  void ApplyCodeRule();
  void ApplyAllMembRule();
  void ApplySliderRule();
  void ApplyDescription();

  T_PFCT_D* m_pRec = nullptr;
  CSliderCtrl m_slider[4];  // frequent, moderate, rare, tall-building
  CUIntArray m_aCodeIDs, m_aSeismicIDs, m_aTallIDs, m_aNoteIDs;

  DECLARE_MESSAGE_MAP()
};
