#include "levels/CCmdGrndDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassGrnd.h"
#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "res/resource.h"
#include "ui/CStringParser.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCmdGrndDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdGrndDlg, CDlgMove)
  ON_EN_CHANGE(IDC_CMD_EDIT_STORY_NUM, &CCmdGrndDlg::OnChangeCmdEditStoryNum)
END_MESSAGE_MAP()

namespace {
// Tells why a value is refused and puts the user back into its edit, all of it selected.
void Refuse(CWnd* pEdit, const CString& text) {
  AfxMessageBox(text);
  if (auto* e = dynamic_cast<CEdit*>(pEdit)) {
    e->SetFocus();
    e->SetSel(0, -1);
  }
}
}  // namespace

CCmdGrndDlg::CCmdGrndDlg(CWnd* pParent) : CDlgMove(IDD_CMD_GRND, pParent) {
  m_grnd.Initialize();
  m_mctl.Initialize();
}

CCmdGrndDlg::Tables CCmdGrndDlg::GetTables() {
  Tables t;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  if (!db) return t;
  t.grnd = static_cast<CClassGrnd*>(db->GetClass(CClassGrnd::m_nClassID));
  t.mctl = static_cast<CClassMctl*>(db->GetClass(CClassMctl::m_nClassID));
  t.stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  return t;
}

BOOL CCmdGrndDlg::ReadInt(const CWnd& edit, int& n) {
  CString text;
  edit.GetWindowText(text);
  return CStringParser::GetINumber(text, n);
}

void CCmdGrndDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CMD_EDIT_STORY_NUM, m_editStoryNum);
  DDX_Control(pDX, IDC_CMD_EDIT_RELEASE_NUM, m_editReleaseNum);
  DDX_Control(pDX, IDC_CMD_EDIT_GL, m_editGL);
  DDX_Control(pDX, IDC_CMD_TEXT_GL_UNIT, m_textGLUnit);
}

BOOL CCmdGrndDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  InitCtrl();
  Data2Dlg();
  m_bInitializing = FALSE;
  return TRUE;
}

void CCmdGrndDlg::InitCtrl() {
  m_editGL.SetUnitType(UNIT_LENGTH);
  m_textGLUnit.SetUnitType(UNIT_LENGTH);
}

void CCmdGrndDlg::Data2Dlg() {
  Tables t = GetTables();
  if (!t.grnd || !t.mctl || !t.stor) return;
  int nMax = t.stor->GetCountWithoutBase(CClassMdul::MAIN_TOWER);
  // A model without a basement record shows the library's defaults; the first OK that
  // changes them writes the record.
  T_GRND_D grnd;
  grnd.Initialize();
  t.grnd->Get(grnd);
  m_nOldStoryNum = grnd.basementCount;
  m_dOldGL = grnd.groundLevel;
  m_editStoryNum.Initialize(IDC_CMD_EDIT_STORY_NUM, this, 0, nMax);
  m_editReleaseNum.Initialize(IDC_CMD_EDIT_RELEASE_NUM, this, 0, grnd.basementCount);
  CString text;
  text.Format("%d", grnd.basementCount);
  m_editStoryNum.SetWindowText(text);
  m_editGL.SetEditUnit(grnd.groundLevel);
  m_editGL.GetWindowText(m_strOldGL);

  T_MCTL_D mctl;
  mctl.Initialize();
  if (!t.mctl->Get(mctl)) mctl.Initialize();
  m_nOldReleaseNum = mctl.releasedBasementStories;
  text.Format("%d", mctl.releasedBasementStories);
  m_editReleaseNum.SetWindowText(text);
}

BOOL CCmdGrndDlg::Dlg2Data() {
  Tables t = GetTables();
  if (!t.grnd || !t.mctl) return FALSE;
  T_GRND_D grnd;
  grnd.Initialize();
  t.grnd->Get(grnd);
  int nStory = 0, nRelease = 0;
  double dGL = 0.0;
  if (!ReadInt(m_editStoryNum, nStory) || nStory < 0) {
    int nMax = t.stor ? t.stor->GetCountWithoutBase(CClassMdul::MAIN_TOWER) : 0;
    Refuse(&m_editStoryNum, GMakeMsg("IDS_LEVELS_BASEMENT_COUNT_RANGE_d", nMax));
    return FALSE;
  }
  // An untouched ground level is the stored value, not the rounded digits it shows.
  CString glText;
  m_editGL.GetWindowText(glText);
  if (!m_strOldGL.IsEmpty() && glText == m_strOldGL) {
    dGL = m_dOldGL;
  } else if (!m_editGL.GetEditValue(dGL)) {
    Refuse(&m_editGL, GMakeMsg("IDS_LEVELS_GROUND_LEVEL_NUMBER"));
    return FALSE;
  }
  if (!ReadInt(m_editReleaseNum, nRelease) || nRelease < 0) {
    Refuse(&m_editReleaseNum, GMakeMsg("IDS_LEVELS_RELEASED_COUNT_RANGE_d", nStory));
    return FALSE;
  }
  grnd.basementCount = nStory;
  grnd.groundLevel = dGL;
  m_grnd = grnd;

  T_MCTL_D mctl;
  mctl.Initialize();
  if (!t.mctl->Get(mctl)) mctl.Initialize();
  mctl.releasedBasementStories = nRelease;
  m_mctl = mctl;
  return TRUE;
}

BOOL CCmdGrndDlg::CheckCounts() {
  Tables t = GetTables();
  int nMax = t.stor ? t.stor->GetCountWithoutBase(CClassMdul::MAIN_TOWER) : 0;
  if (m_grnd.basementCount < 0 || m_grnd.basementCount > nMax) {
    Refuse(&m_editStoryNum, GMakeMsg("IDS_LEVELS_BASEMENT_COUNT_RANGE_d", nMax));
    return FALSE;
  }
  if (m_mctl.releasedBasementStories < 0 || m_mctl.releasedBasementStories > m_grnd.basementCount) {
    Refuse(&m_editReleaseNum, GMakeMsg("IDS_LEVELS_RELEASED_COUNT_RANGE_d", m_grnd.basementCount));
    return FALSE;
  }
  return TRUE;
}

void CCmdGrndDlg::OnChangeCmdEditStoryNum() {
  if (m_bInitializing) return;
  int nStory = 0, nRelease = 0;
  if (!ReadInt(m_editStoryNum, nStory) || nStory < 0) return;
  if (ReadInt(m_editReleaseNum, nRelease) && nRelease > nStory) {
    CString text;
    text.Format("%d", nStory);
    m_editReleaseNum.SetWindowText(text);
  }
  m_editReleaseNum.Initialize(IDC_CMD_EDIT_RELEASE_NUM, this, 0, nStory);
}

void CCmdGrndDlg::OnOK() {
  if (!Dlg2Data()) return;
  Tables t = GetTables();
  if (!t.grnd) return;
  if (m_grnd.basementCount == m_nOldStoryNum && m_grnd.groundLevel == m_dOldGL &&
      m_mctl.releasedBasementStories == m_nOldReleaseNum) {
    EndDialog(IDOK);
    return;
  }
  if (!CheckCounts()) return;
  if (t.grnd->TR_Add_All(&m_grnd, &m_mctl)) EndDialog(IDOK);
}
