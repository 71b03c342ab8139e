// Wall openings and coupling beams: which openings the analysis ignores, which get no
// boundary elements, and from which span-to-depth ratio a coupling beam is designed as a
// frame beam. It edits the group it is given (the model control dialog's working copy) and
// writes nothing to the model: OK (14374) reads the controls into the group, Cancel (14377)
// leaves it as it was. A size or ratio that is not a number is refused with a message and
// the dialog stays open. The ratio is read also while its check is clear.
#pragma once
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_MCTL_D.h"
#include "ui/CDlgMove.h"

class CModelCtrlDataWBeamDlg : public CDlgMove {
  DECLARE_DYNAMIC(CModelCtrlDataWBeamDlg)

 public:
  explicit CModelCtrlDataWBeamDlg(T_MCTL_WALLOPEN* pGroup, CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnClickFrameBeam();
  void OnClickOk();
  void OnClickCancel();
  void EnableRatio();

 private:
  enum { SIZE_COUNT = 4 };
  T_MCTL_WALLOPEN* m_pGroup;
  CEditUnit m_editSize[SIZE_COUNT];
  CTextUnit m_textSize[SIZE_COUNT];
  CEditUnit m_editRatio;

  DECLARE_MESSAGE_MAP()
};
