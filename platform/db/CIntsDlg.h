// The crossing splits of the current document (CFlagCtrl): the crossing tolerance, within
// which two members are taken to cross, and whether the members a new member crosses are
// split as well as the new one. Run modally by the creation option panels' "..." beside
// their crossing-split boxes.
//
// A positive-length dialog (CPositiveLengthDlg): the tolerance with its unit label and the
// check box of the crossed members, both stored together by OK; without a document the
// check box is disabled as well.
#pragma once
#include "db/CPositiveLengthDlg.h"

class CIntsDlg : public CPositiveLengthDlg {
  DECLARE_DYNAMIC(CIntsDlg)

 public:
  // The template's id and its controls.
  enum { IDD = 17996, IDC_INTS_TOLERANCE = 1001, IDC_INTS_UNIT = 1002, IDC_INTS_SPLIT_CROSSED = 1003 };

  explicit CIntsDlg(CWnd* pParent = nullptr);

 protected:
  double LoadFlags(CFlagCtrl& flags) override;
  void StoreFlags(CFlagCtrl& flags, double length) override;
  void DisableOthers() override;
};
