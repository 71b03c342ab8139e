#include "levels/CStoryGLevelDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "afx/CGdiObject.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CStoryGLevelDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CStoryGLevelDlg, CDlgMove)
  ON_BN_CLICKED(IDC_GL_OK, &CStoryGLevelDlg::OnOKClicked)
  ON_BN_CLICKED(IDC_GL_CANCEL, &CStoryGLevelDlg::OnCancelClicked)
  ON_EN_CHANGE(IDC_GL_LEVEL, &CStoryGLevelDlg::OnLevelChange)
  ON_CBN_SELCHANGE(IDC_GL_STORY, &CStoryGLevelDlg::OnStoryChange)
END_MESSAGE_MAP()

namespace {
// The highest story key on which the ground level may not lie below the story.
const UINT kLastNonBasementKey = 2;
}  // namespace

CStoryGLevelDlg::CStoryGLevelDlg(double dGroundLevel, UINT nRefStorKey, CWnd* pParent)
    : CDlgMove(IDD_CMD_STORY_GLEVEL, pParent), m_dGroundLevel(dGroundLevel), m_nRefStorKey(nRefStorKey) {}

CStoryGLevelDlg::~CStoryGLevelDlg() { delete m_pPicture; }

void CStoryGLevelDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_GL_STORY, m_cobxStor);
  DDX_Control(pDX, IDC_GL_LEVEL, m_editLevel);
  DDX_Control(pDX, IDC_GL_LEVEL_UNIT, m_textUnit);
  DDX_Control(pDX, IDC_GL_PICTURE, m_stPicture);
}

BOOL CStoryGLevelDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_pPicture = new CBitmap;
  if (m_pPicture->LoadBitmap(IDB_GL_PICTURE)) m_stPicture.SetBitmap((HBITMAP)*m_pPicture);
  m_cobxStor.SetBasementStorOnly(TRUE);
  m_bChecking = TRUE;  // the stored level is shown as it is
  m_editLevel.SetEditUnit(m_dGroundLevel);
  m_bChecking = FALSE;
  m_cobxStor.ChangeSelect(m_nRefStorKey);
  OnStoryChange();
  if (m_cobxStor.GetCount() == 0) {
    m_cobxStor.AddString("Base");  // the box's only text, no story
    m_cobxStor.SetCurSel(0);
    m_cobxStor.EnableWindow(FALSE);
  }
  return TRUE;
}

void CStoryGLevelDlg::OnStoryChange() {
  CString name;
  const int sel = m_cobxStor.GetCurSel();
  if (sel >= 0) m_cobxStor.GetLBText(sel, name);
  SetDlgItemText(IDC_GL_STORY_NAME, name);
}

BOOL CStoryGLevelDlg::CheckGroundLevel() {
  if (m_bChecking) return TRUE;
  CString text;
  m_editLevel.GetWindowText(text);
  text.Trim();
  double v = 0;
  const BOOL negative = m_editLevel.GetEditValue(v) ? v < 0 : text.Left(1) == "-";
  UINT key = 0;
  if (!m_cobxStor.GetSelectedStor(key)) key = 0;
  if (!negative || key > kLastNonBasementKey) return TRUE;
  AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_WARNING_Value_must_gt_lowest_story_or_eq_zero", 0));
  m_bChecking = TRUE;
  m_editLevel.SetWindowText("0");
  m_bChecking = FALSE;
  m_editLevel.SetFocus();
  return FALSE;
}

void CStoryGLevelDlg::OnOKClicked() {
  if (!CheckGroundLevel()) return;
  double v = 0;
  if (!m_editLevel.GetShownValue(v)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MC_WARNING_Input_is_digit", 0));
    m_bChecking = TRUE;
    m_editLevel.SetWindowText("0");
    m_bChecking = FALSE;
    m_editLevel.SetFocus();
    return;
  }
  UINT key = 0;
  m_dGroundLevel = v;
  m_nRefStorKey = m_cobxStor.GetSelectedStor(key) ? key : 0;
  EndDialog(IDOK);
}
