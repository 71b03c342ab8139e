#include "tools/CToolsDlg.h"

#include "afx/CWinApp.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "tools/CToolsPostPage.h"
#include "tools/CToolsPrePage.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CToolsDlg, CDBDlgBase)

BEGIN_MESSAGE_MAP(CToolsDlg, CDBDlgBase)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

CToolsDlg* CToolsDlg::m_pMySelf = nullptr;
int CToolsDlg::m_bIsAlive = 0;

namespace {
void SendToMain(UINT id) {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, id, 0);
}
}  // namespace

CToolsDlg::CToolsDlg(CWnd* pParent) : CDBDlgBase(IDD_CMD_TOOLS, pParent) {
  m_pMySelf = this;
  m_bIsAlive = 1;
}

CToolsDlg::~CToolsDlg() {
  m_bIsAlive = 0;
  m_pMySelf = nullptr;
  SendToMain(CMD_TOOLS_ENDED);
}

BOOL CToolsDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_nCurMode = GetCurMode();
  m_nShownMode = 0;
  m_bIsAlive = 1;
  InitDlg();
  Connect();
  return TRUE;
}

void CToolsDlg::OnDBUpdate(const DB_CDataBase&) {
  if (m_nShownMode == PAGE_PRE && m_pPrePage) m_pPrePage->OnModelChanged();
}

void CToolsDlg::InitDlg() {
  m_pageHost.SetPlaceHolder(this, IDC_TOOLS_PLACEHOLDER, 0);
  I_ModelBase::PONTKEY = 0;
  I_ModelBase::MEMBKEY = 0;
  if (!m_pPrePage) {
    m_pPrePage = new CToolsPrePage(this, nullptr);
    m_pageHost.AddTab(m_pPrePage, "", IDD_CMD_TOOLS_PRE_PAGE, 1, PAGE_PRE);
  }
  if (!m_pPostPage) {
    m_pPostPage = new CToolsPostPage(this, nullptr);
    m_pageHost.AddTab(m_pPostPage, "", IDD_CMD_TOOLS_POST_PAGE, 1, PAGE_POST);
  }
}

int CToolsDlg::GetCurMode() const {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  if ((doc && doc->IsPostMode()) || (view && view->IsADS3DViewMode())) return PAGE_POST;
  return PAGE_PRE;
}

void CToolsDlg::ShowModePage() {
  m_nCurMode = GetCurMode();
  if (m_nCurMode != m_nShownMode) {
    m_nShownMode = m_nCurMode;
    m_pageHost.ShowTabByID(m_nShownMode);
  }
}

void CToolsDlg::SetInitDataByMenu() {
  ShowModePage();
  m_nCurObjKey = 0;
  if (m_nCurMode == PAGE_PRE && m_pPrePage) m_pPrePage->SetInitDataByMenu();
  if (m_nCurMode == PAGE_POST && m_pPostPage) m_pPostPage->SetInitDataByMenu();
}

void CToolsDlg::Data2Dlg(char& type, UINT key) {
  ShowModePage();
  m_nCurObjKey = key;
  if (m_nCurMode == PAGE_PRE && m_pPrePage) m_pPrePage->ShowObjectAttr(type, key);
  if (m_nCurMode == PAGE_POST && m_pPostPage) m_pPostPage->ShowObjectAttr(type, key);
}

void CToolsDlg::RefreshViewHighlight() {
  if (I_ModelBase* view = I_ModelBase::GetCurMySelfST()) {
    view->RefreshHighlight();
    view->Invalidate();
  }
}

void CToolsDlg::SetSnappedPtData() {
  if (!IsExistSnappedObject()) return;
  char type = 0;
  UINT key = 0;
  if (!GetSnappedObjectKey(type, key)) return;
  if ((type == 'p' && key == I_ModelBase::PONTKEY) || (type == 'm' && key == I_ModelBase::MEMBKEY)) return;
  if (!I_ModelBase::GetCurMySelfST()) return;
  SendToMain(CMD_NEW_PICK);
  if (type == 'p') I_ModelBase::PONTKEY = key, I_ModelBase::MEMBKEY = 0;
  if (type == 'm') I_ModelBase::PONTKEY = 0, I_ModelBase::MEMBKEY = key;
  RefreshViewHighlight();
  Data2Dlg(type, key);
}

int CToolsDlg::IsSingleSelectionMode() const {
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  return frame && frame->IsToolbarButtonChecked(I_MainFrameBase::ID_SINGLE_SELECT) ? 1 : 0;
}

int CToolsDlg::CanReceiveSnapEvent() const {
  CViewEventController* ctrl = CViewEventController::Instance();
  I_ViewEventHandlerItem* cur = ctrl ? ctrl->GetCurEventHandlerItem() : nullptr;
  if (!cur) return 0;
  if (cur == static_cast<const I_ViewEventHandlerItem*>(this)) return 1;
  const int mode = GetCurMode();
  const I_ViewEventHandlerItem* edit = nullptr;
  if (mode == PAGE_PRE && m_pPrePage) edit = m_pPrePage->GetNumberEditHandler();
  if (mode == PAGE_POST && m_pPostPage) edit = m_pPostPage->GetEditHandlerItem();
  return edit && cur == edit ? 1 : 0;
}

void CToolsDlg::OnClose() {
  RefreshViewHighlight();
  DestroyWindow();
}

BOOL CToolsDlg::PreTranslateMessage(MSG* pMsg) {
  // The window's own Esc rule applies while it has a window; the key then goes on as a
  // dialog key (Cancel ends the window).
  if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && m_hWnd) {
    I_ModelBase::PONTKEY = 0;
    I_ModelBase::MEMBKEY = 0;
  }
  return CDlgMove::PreTranslateMessage(pMsg);
}

void CToolsDlg::PostNcDestroy() {
  m_bIsAlive = 0;
  Disconnect();
  CDBDlgBase::PostNcDestroy();
}
