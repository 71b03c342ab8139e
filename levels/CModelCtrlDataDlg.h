// The model control data dialog: a tabbed editor of the model's one T_MCTL_D with three
// pages, the global data, the mesh details and the basement backfill. The pages edit one
// working copy that the dialog owns (the global page the whole record, the detail page its
// `detail` group, the basement page its `ugStory` group); the copy is read when the dialog
// is constructed (the library's defaults when the model has none).
//
// Leaving a tab reads that page into the copy and is refused while the page refuses its
// input. OK, or the button that goes on to the standard floors and stories (which then
// closes the dialog and sends command 32776 to the main window), reads the page shown and
// writes the whole copy with one CClassMctl::TR_Add; a write the database refuses keeps the
// dialog open and sends nothing. Cancel writes nothing.
//
// Nothing in the module opens this dialog: the application constructs it (with the tab to
// show first, 0 to 2) and runs it modally.
#pragma once
#include <memory>
#include "db/T_MCTL_D.h"
#include "ui/CDlgMove.h"
#include "ui/CDlgTabCtrl.h"

class CClassMctl;
class CModelCtrlDataGlobalDlg;
class CModelCtrlDataDetailDlg;
class CModelCtrlDataGroundDlg;

// The command the application receives after the dialog's "next" button.
inline constexpr UINT CMD_ID_DEFINE_PLANS_AND_STORIES = 32776;

class CModelCtrlDataDlg : public CDlgMove {
  DECLARE_DYNAMIC(CModelCtrlDataDlg)

 public:
  enum { TAB_GLOBAL = 0, TAB_DETAIL = 1, TAB_GROUND = 2 };

  CModelCtrlDataDlg(int nFirstTab, CWnd* pParent);
  explicit CModelCtrlDataDlg(CWnd* pParent = nullptr);
  ~CModelCtrlDataDlg() override;

  BOOL OnInitDialog() override;
  void OnOK() override;

  int InitTabCtrl();
  // The page of the selected tab: its controls from the copy (1); its controls into the
  // copy (1 when accepted; 0 also for no selection).
  int Data2Dlg();
  int Dlg2Data();

  const T_MCTL_D& GetWorkingCopy() const { return m_mctl; }
  // The model control table of the current document's model database (NULL without one).
  static CClassMctl* GetClassPtr();

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnNext();
  void OnSelchangingTab2(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSelchangeTab2(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  // Reads the shown page and writes the copy; 1 when written.
  int Write();

  T_MCTL_D m_mctl;
  int m_nFirstTab;
  CDlgTabCtrl m_tab;
  std::unique_ptr<CModelCtrlDataGlobalDlg> m_pGlobal;
  std::unique_ptr<CModelCtrlDataDetailDlg> m_pDetail;
  std::unique_ptr<CModelCtrlDataGroundDlg> m_pGround;

  DECLARE_MESSAGE_MAP()
};
