// The basement dialog: the number of basement stories and the outdoor ground level (the
// basement record T_GRND_D) and the number of basement stories released from the lateral
// restraint (T_MCTL_D::releasedBasementStories). OK writes both records in one transaction
// (CClassGrnd::TR_Add_All); OK without a change writes nothing.
//
// On OK the dialog keeps 0 <= released <= basement stories <= the main tower's stories
// above the base story: other values, and texts that are not numbers, are refused with a
// message and the dialog stays open. A write the database refuses keeps it open too.
#pragma once
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "db/T_GRND_D.h"
#include "db/T_MCTL_D.h"
#include "ui/CDlgMove.h"
#include "ui/CEditSpinEx.h"

class CClassGrnd;
class CClassMctl;
class CClassStor;

class CCmdGrndDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCmdGrndDlg)

 public:
  explicit CCmdGrndDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

  // Records into the controls, controls into the dialog's records (1 when read).
  void Data2Dlg();
  BOOL Dlg2Data();

  const T_GRND_D& GetGrnd() const { return m_grnd; }
  const T_MCTL_D& GetMctl() const { return m_mctl; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void InitCtrl();
  void OnChangeCmdEditStoryNum();

 private:
  struct Tables {
    CClassGrnd* grnd = nullptr;
    CClassMctl* mctl = nullptr;
    CClassStor* stor = nullptr;
  };
  static Tables GetTables();
  // The text of an edit as a whole number; 0 when it is none.
  static BOOL ReadInt(const CWnd& edit, int& n);
  // The ranges kept on OK; 0 after a message.
  BOOL CheckCounts();

  CEditSpinEx m_editStoryNum;
  CEditSpinEx m_editReleaseNum;
  CEditUnit m_editGL;
  CTextUnit m_textGLUnit;

  T_GRND_D m_grnd;
  T_MCTL_D m_mctl;
  // As read when the dialog opened.
  int m_nOldStoryNum = 0;
  double m_dOldGL = 0.0;
  CString m_strOldGL;  // the ground level's text as shown: while it stands, m_dOldGL is meant
  int m_nOldReleaseNum = 0;
  BOOL m_bInitializing = TRUE;

  DECLARE_MESSAGE_MAP()
};
