#include "view/CMouseEdit2.h"

#include "afx/AfxMessageQueue.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CMouseEdit2, CEdit)

UINT CMouseEdit2::WM_MOUSEEDITENTER2 = RegisterWindowMessage("WM_MOUSEEDITENTER2");
UINT CMouseEdit2::WM_LBUTTONDOWN_FROM_MVIEW2 = RegisterWindowMessage("WM_LBUTTONDOWN_FROM_MVIEW2");

BEGIN_MESSAGE_MAP(CMouseEdit2, CEdit)
  ON_WM_SETFOCUS()
END_MESSAGE_MAP()

namespace {
DB_CDataBase* ModelDB() {
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  CDBDoc* doc = view ? view->GetDocument() : nullptr;
  return doc ? doc->GetModelDB() : nullptr;
}

// The number of a point ('p') or member ('m') of the building model; 0 when unknown.
UINT ObjectNo(char kind, UINT key) {
  DB_CDataBase* db = ModelDB();
  if (!db) return 0;
  if (kind == 'p') {
    auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    return pont ? pont->GetPontNoByKey(key) : 0;
  }
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  return memb ? memb->GetMembNoByKey(key) : 0;
}
}  // namespace

CMouseEdit2::CMouseEdit2() = default;

CMouseEdit2::~CMouseEdit2() = default;

void CMouseEdit2::SetMouseSnapMode() {
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  if (!frame) return;
  if (m_nKind == KIND_POINT || m_nKind == KIND_NODE) frame->SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_POINT, TRUE);
  if (m_nKind == KIND_MEMBER || m_nKind == KIND_ELEMENT) frame->SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_MEMB, TRUE);
}

int CMouseEdit2::PickText(CString& text) const {
  if (m_nKind == KIND_POSITION) {
    double ux, uy, uz, gx, gy, gz;
    if (!GetUcsGcsMousePos(ux, uy, uz, gx, gy, gz)) return 0;
    text.Format("%g, %g, %g", gx, gy, gz);
    return 3;
  }
  char kind = 0;
  UINT key = 0;
  if (!GetSnappedObjectKey(kind, key)) return 0;
  UINT no = 0;
  switch (m_nKind) {
    case KIND_POINT: no = kind == 'p' ? ObjectNo(kind, key) : 0; break;
    case KIND_MEMBER: no = kind == 'm' ? ObjectNo(kind, key) : 0; break;
    case KIND_NODE: no = kind == 'p' ? key : 0; break;
    case KIND_ELEMENT: no = kind == 'm' ? key : 0; break;
    default: break;
  }
  if (!no) return 0;
  text.Format("%u", no);
  return 1;
}

BOOL CMouseEdit2::OnView_LButtonDown() {
  if (GetPauseState() || !m_hWnd) return FALSE;
  CString text;
  const int values = PickText(text);
  if (!values) return FALSE;
  if (m_nTaken > 0 && m_nTaken < m_nCount) {
    CString old;
    GetWindowText(old);
    text = old + ", " + text;
  } else {
    m_nTaken = 0;
  }
  m_nTaken += values;
  SetWindowText(text);
  const HWND self = m_hWnd;
  if (m_pPickWnd && m_pPickWnd->m_hWnd) m_pPickWnd->SendMessage(WM_LBUTTONDOWN_FROM_MVIEW2, (WPARAM)GetDlgCtrlID(), 0);
  if (!::IsWindow(self) || m_nTaken < m_nCount) return TRUE;
  m_nTaken = 0;
  if (m_nFlag == 1) {
    if (CWnd* parent = GetParent()) parent->SendMessage(WM_CMDTOOL_RUN_COMMAND, (WPARAM)GetDlgCtrlID(), 0);
  } else if (m_pNext && m_pNext->m_hWnd) {
    m_pNext->SetFocus();
    m_pNext->SetSel(0, -1);
  }
  return TRUE;
}

void CMouseEdit2::OnSetFocus(CWnd* pOldWnd) {
  CEdit::OnSetFocus(pOldWnd);
  m_nTaken = 0;
  Start();
}

BOOL CMouseEdit2::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && pMsg->wParam == VK_RETURN) {
    m_nTaken = 0;
    if (m_pEnterWnd && m_pEnterWnd->m_hWnd) m_pEnterWnd->SendMessage(WM_MOUSEEDITENTER2, (WPARAM)GetDlgCtrlID(), 0);
    return TRUE;
  }
  return CEdit::PreTranslateMessage(pMsg);
}
