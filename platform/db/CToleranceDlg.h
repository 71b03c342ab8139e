// The merge tolerance of the current document (CFlagCtrl::GetMergeToleranceCurrentUnit):
// two points closer than it in x, y and z are one point for the modeller. Run modally by
// the creation option panels' "..." beside "merge duplicate points".
//
// A positive-length dialog (CPositiveLengthDlg) of the tolerance alone, with its unit label.
#pragma once
#include "db/CPositiveLengthDlg.h"

class CToleranceDlg : public CPositiveLengthDlg {
  DECLARE_DYNAMIC(CToleranceDlg)

 public:
  // The template's id and its controls.
  enum { IDD = 17995, IDC_TOLERANCE_EDIT = 1001, IDC_TOLERANCE_UNIT = 1002 };

  explicit CToleranceDlg(CWnd* pParent = nullptr);

 protected:
  double LoadFlags(CFlagCtrl& flags) override;
  void StoreFlags(CFlagCtrl& flags, double length) override;
};
