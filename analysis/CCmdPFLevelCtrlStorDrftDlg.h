// The story-drift page of the performance-design control: one edit a drift limit (a
// factor on the code's elastic or elasto-plastic story drift ratio limit), the seismic
// design code's performance levels 1 to 4 by earthquake, or the tall-building code's
// levels 1 to 5, as the record's code was when the page opened (a later change of the code
// radio does not switch the rows). It works on the dialog's record (SetRecord); a text
// that is no number keeps its limit as it was. The page writes its edits into the record
// on OK and when its window ends; a page never opened writes nothing.
#pragma once
#include "db/CEditUnit.h"
#include "db/T_PFCT_D.h"
#include "ui/CDlgChild.h"

class CCmdPFLevelCtrlStorDrftDlg : public CDlgChild {
  DECLARE_DYNAMIC(CCmdPFLevelCtrlStorDrftDlg)

 public:
  explicit CCmdPFLevelCtrlStorDrftDlg(CWnd* pParent = nullptr);

  void SetRecord(T_PFCT_D* pRec) { m_pRec = pRec; }
  void Dlg2Data();

  // The edit of each limit: kSeismicIDs[i] shows drift[i], kTallIDs[i] tallDrift[i].
  static const UINT kSeismicIDs[12];
  static const UINT kTallIDs[9];

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnDestroy();
  void Data2Dlg();

  T_PFCT_D* m_pRec = nullptr;
  CEditUnit m_seismic[12];
  CEditUnit m_tall[9];

  DECLARE_MESSAGE_MAP()
};
