// The ground level dialog: the main tower's first basement story (top-down) and the
// outdoor ground level GL measured from it. The caller passes the current values and, on
// IDOK, reads them back (GetGroundLevel, GetRefStorKey) and writes the basement record
// itself; the dialog writes nothing.
//
// Rules:
// - The box lists the basement stories only; without any it is disabled and shows "Base".
//   The name edit shows the chosen story's name.
// - With a story of key 2 or less (or none) chosen, a negative level is refused as it is
//   typed ("IDS_CMD_WARNING_Value_must_gt_lowest_story_or_eq_zero"): the edit becomes "0"
//   and takes the focus. A deeper story allows a negative level.
// - OK checks the level again and needs a number ("IDS_WG_CMD_MC_WARNING_Input_is_digit",
//   the edit becomes "0", the dialog stays open). Cancel leaves the caller's values.
#pragma once
#include "afx/CStatic.h"
#include "db/CCobxStor.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"
#include "ui/CDlgMove.h"

class CBitmap;

class CStoryGLevelDlg : public CDlgMove {
  DECLARE_DYNAMIC(CStoryGLevelDlg)

 public:
  CStoryGLevelDlg(double dGroundLevel, UINT nRefStorKey, CWnd* pParent = nullptr);
  ~CStoryGLevelDlg() override;

  BOOL OnInitDialog() override;
  double GetGroundLevel() const { return m_dGroundLevel; }
  UINT GetRefStorKey() const { return m_nRefStorKey; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOKClicked();
  void OnCancelClicked() { CDialog::OnCancel(); }
  void OnLevelChange() { CheckGroundLevel(); }
  void OnStoryChange();
  // 0 (after the message, the edit reset to "0") when the level is negative above the
  // third story.
  BOOL CheckGroundLevel();

 private:
  double m_dGroundLevel;
  UINT m_nRefStorKey;
  CCobxStor m_cobxStor;
  CEditUnit m_editLevel;
  CTextUnit m_textUnit;
  CStatic m_stPicture;       // the picture of the ground level and the first basement story
  CBitmap* m_pPicture = nullptr;
  BOOL m_bChecking = FALSE;

  DECLARE_MESSAGE_MAP()
};
