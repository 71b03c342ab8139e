// The analysis control window (modeless, one per document): it holds the model's analysis
// control record (T_ACTL_D; its initial values when the model has none) and shows one page,
// CCmdAnalCtrlDlg, in its placeholder. It also keeps the analysis-type page
// (CCmdAnalPerfDlg) and the tension/compression-only page (CCmdAnalNonlinearDlg), handed the
// same record, without making their windows. The tab control beyond the right edge has no
// tabs.
//
// OK reads the page into the record and stores the whole record (the fields no page shows
// as read) with the undoable CClassActl::TR_Add, then ends the window: the next request
// reads the record again. A refused write is told ("IDS_CMD_ACTL_ERROR_Save") and the window
// stays open with its edits. Cancel ends the window without storing. The window does not
// follow changes of the record made elsewhere while it is open; OK overwrites them.
#pragma once
#include <memory>
#include "afx/CStatic.h"
#include "db/T_ACTL_D.h"
#include "ui/CDBDlgBase.h"

class CClassActl;
class CCmdAnalCtrlDlg;
class CCmdAnalPerfDlg;
class CCmdAnalNonlinearDlg;

class CCmdAnalCtrlTabDlg : public CDBDlgBase {
  DECLARE_DYNAMIC(CCmdAnalCtrlTabDlg)

 public:
  explicit CCmdAnalCtrlTabDlg(CWnd* pParent = nullptr);
  CCmdAnalCtrlTabDlg(int nUnused, CWnd* pParent);
  ~CCmdAnalCtrlTabDlg() override;

  static CClassActl* GetClassPtr();
  const T_ACTL_D& GetRecord() const { return m_actl; }
  CCmdAnalCtrlDlg* GetCtrlPage() const { return m_pCtrl.get(); }
  CCmdAnalPerfDlg* GetPerfPage() const { return m_pPerf.get(); }
  CCmdAnalNonlinearDlg* GetNonlinearPage() const { return m_pNonlinear.get(); }

  BOOL InitTabCtrl();
  BOOL Data2Dlg();
  BOOL Dlg2Data();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDestroy();

 private:
  void Construct();

  T_ACTL_D m_actl;
  CStatic m_placeholder;
  std::unique_ptr<CCmdAnalCtrlDlg> m_pCtrl;
  std::unique_ptr<CCmdAnalPerfDlg> m_pPerf;
  std::unique_ptr<CCmdAnalNonlinearDlg> m_pNonlinear;

  DECLARE_MESSAGE_MAP()
};
