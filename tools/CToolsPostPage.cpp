#include "tools/CToolsPostPage.h"

#include <initializer_list>

#include "afx/AfxMessageBox.h"
#include "afx/AfxMessageQueue.h"
#include "afx/CDataExchange.h"
#include "afx/CWinApp.h"
#include "db/CClassPMemb.h"
#include "db/CDBDoc.h"
#include "db/CViewCtrl.h"
#include "res/resource.h"
#include "tools/AttrPageShared.h"
#include "tools/CToolsDlg.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CToolsPostPage, CDlgChild)

UINT CToolsPostPage::WM_PROPLIST_POST_DEL = RegisterWindowMessageA("ID_PROPLIST_POST_DEL");

BEGIN_MESSAGE_MAP(CToolsPostPage, CDlgChild)
  ON_BN_CLICKED(IDC_TOOLS_POST_CLOSE, &CToolsPostPage::OnClickedClose)
  ON_BN_CLICKED(IDC_TOOLS_POST_TOGGLE, &CToolsPostPage::OnAttrForceToggle)
  ON_REGISTERED_MESSAGE(CToolsPostPage::WM_PROPLIST_POST_DEL, &CToolsPostPage::OnDeleteAttrData)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_CHANGED, &CToolsPostPage::OnPropChanged)
  ON_MESSAGE(WM_MEMBDATACTRL_CHANGED, &CToolsPostPage::OnAttrDataChanged)
  ON_REGISTERED_MESSAGE(CCommandTool2::WM_CMDTOOL_RUN_COMMAND, &CToolsPostPage::OnCmdToolRunCommand)
END_MESSAGE_MAP()

namespace {

// The force view, in the order it is shown and hidden.
constexpr UINT kForceCtrls[] = {
    IDC_TOOLS_POST_FORCE_LC_LABEL, IDC_TOOLS_POST_FORCE_LC,      IDC_TOOLS_POST_FORCE_EQ,
    IDC_TOOLS_POST_FORCE_EQ_VAL,   IDC_TOOLS_POST_FORCE_SFD,     IDC_TOOLS_POST_FORCE_SFD_VAL,
    IDC_TOOLS_POST_FORCE_BMD,      IDC_TOOLS_POST_FORCE_BMD_VAL, IDC_TOOLS_POST_FORCE_DEFORM,
    IDC_TOOLS_POST_FORCE_DEFORM_VAL,
};

// The data-change codes that refill the shown element.
constexpr int kRefillCodes[] = {214, 217, 218, 219, 220, 221, 222, 229, 230, 400};

// The delete requests: the label of the current row gives the code, among the rows the
// shown-list kinds of the entry allow, first match in this order.
constexpr unsigned Kinds(std::initializer_list<int> kinds) {
  unsigned bits = 0;
  for (int k : kinds) bits |= 1u << k;
  return bits;
}
using P = CToolsPostPage;
constexpr unsigned kColWall = Kinds({P::LIST_COLUMN, P::LIST_WALL});
constexpr unsigned kBeams = Kinds({P::LIST_BEAM, P::LIST_SBEAM});
constexpr unsigned kSlab = Kinds({P::LIST_SLAB});
constexpr unsigned kBrace = Kinds({P::LIST_BRACE});
struct DeleteMap {
  const char* label;
  int code;
  unsigned kinds;
};
constexpr DeleteMap kDeleteMap[] = {
    {"IDS_CMD_ATTR_MEMB_SLAB_EDGE", ATRUP_SLAB_EDGE, kSlab},
    {"IDS_CMD_ATTR_MEMB_LVL", ATRUP_SEIS_GRADE, kColWall | kBeams | kBrace},
    {"IDS_CMD_ATTR_MEMB_DEC_FACT", ATRUP_DEC_FACT, kColWall | kBeams},
    {"IDS_CMD_ATTR_MEMB_MOMENT_FACT", ATRUP_MOMENT_FACT, kBeams},
    {"IDS_CMD_ATTR_MEMB_TORSION_FACT", ATRUP_TORSION_FACT, kBeams},
    {"IDS_CMD_ATTR_MEMB_SEIS_FACT", ATRUP_SEIS_FACT, kColWall | kBeams | kSlab | kBrace},
    {"IDS_CMD_ATTR_MEMB_EFFECT_FACT", ATRUP_EFFECT_FACT, kColWall | kBeams | kSlab | kBrace},
    {"IDS_CMD_ATTR_MEMB_PUSH_HINGE", ATRUP_PUSH_HINGE, kColWall | kBeams | kBrace},
    {"IDS_CMD_ATTR_MEMB_INELASTIC_HINGE", ATRUP_INELASTIC_HINGE, kColWall | kBeams | kBrace},
};

// The element kinds by element type: the attribute control's object class and the
// shown-list kind; other types keep the list.
struct ElemFill {
  int type;
  int objClass;
  int listKind;
};
constexpr ElemFill kElemFills[] = {
    {101, CMembDataCtrl::OBJ_P_COLUMN, P::LIST_COLUMN},
    {201, CMembDataCtrl::OBJ_P_BEAM, P::LIST_BEAM},
    {205, CMembDataCtrl::OBJ_P_SBEAM, P::LIST_SBEAM},
    {209, CMembDataCtrl::OBJ_P_WALL, P::LIST_WALL},
    {204, CMembDataCtrl::OBJ_P_WALL_HEIGHT, P::LIST_WALL},
    {210, CMembDataCtrl::OBJ_P_WALL_HEIGHT, P::LIST_WALL},
    {301, CMembDataCtrl::OBJ_P_SLAB, P::LIST_SLAB},
    {206, CMembDataCtrl::OBJ_P_BRACE, P::LIST_BRACE},
};

void SendToMain(UINT id) {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, id, 0);
}

}  // namespace

CToolsPostPage::CToolsPostPage(CToolsDlg* pOwner, CWnd* pParent)
    : CDlgChild(IDD_CMD_TOOLS_POST_PAGE, pParent), m_pOwner(pOwner) {
  m_matr.Initialize();
  T_PREFERENCE pref;
  if (CDBDoc* doc = CDBDoc::m_pDBDoc) doc->GetInitCtrl()->GetPreference(pref);
  m_dTol = pref.numTolerance;
}

CToolsPostPage::~CToolsPostPage() = default;

CString CToolsPostPage::Str(const char* key) const { return CMsgDll::pfuncLoadStr(key, 0); }

void CToolsPostPage::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_TOOLS_POST_LIST_PLACE, m_place);
}

BOOL CToolsPostPage::OnInitDialog() {
  CInternationalDlg::OnInitDialog();
  InitPropList();
  AttachNumberEdit(m_edit, this, IDC_TOOLS_POST_NUMBER, PARAM_ELEMENT);
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  m_pDB = doc ? doc->GetMDBCtrl()->GetDBPost() : nullptr;
  m_ctrl.Initialize(this);
  return TRUE;
}

void CToolsPostPage::InitPropList() { InitAttrPropList(*this, IDC_TOOLS_POST_LIST_PLACE, m_list); }

I_ViewEventHandlerItem* CToolsPostPage::GetEditHandlerItem() {
  return m_hWnd && m_edit.m_hWnd ? static_cast<I_ViewEventHandlerItem*>(&m_edit) : nullptr;
}

void CToolsPostPage::SetInitDataByMenu() {
  UpdateData(TRUE);
  m_edit.SetWindowText("");
  if (I_MainFrameBase* frame = I_MainFrameBase::GetMySelf())
    frame->SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_MEMB, TRUE);
  ResetMembAttrList();
}

void CToolsPostPage::ResetMembAttrList() {
  m_nShownKind = LIST_EMPTY;
  ResetAttrGroups(m_list, {"IDS_CMD_ATTR_MEMB_GENERAL", "IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE", "IDS_CMD_ATTR_MEMB_LOAD",
                           "IDS_CMD_ATTR_MEMB_FACT", "IDS_CMD_ATTR_MEMB_NON_LINEAR_HINGE"});
}

void CToolsPostPage::SelectOnly(UINT key) {
  if (!m_pDB) return;
  CUIntArray elems, none;
  elems.Add(key);
  m_pDB->GetViewCtrl()->Select(nullptr, none, none, none, elems, 0, 0, 1);
}

void CToolsPostPage::ShowNumber(UINT key) {
  CString s;
  s.Format("%d", (int)key);
  m_edit.SetWindowText(s);
}

BOOL CToolsPostPage::ElementExists(UINT key) const {
  CClassPMemb table;
  return m_pDB && table.ConnectToDB(m_pDB) && table.Exist(key);
}

void CToolsPostPage::ShowObjectAttr(char& type, UINT key) {
  if (!m_pDB) return;
  if (type == 'm') {
    SelectOnly(key);
    if (m_nViewFlag) {
      ShowForceCtrls(SW_HIDE);
      m_list.ShowWindow(SW_SHOW);
      FillMembAttrList(key, 1);
    } else {
      m_list.ShowWindow(SW_HIDE);
      ShowForceCtrls(SW_SHOW);
    }
  }
  m_nShownKey = key;
  ShowNumber(key);
  UpdateData(FALSE);
}

void CToolsPostPage::ApplyInputNumber() {
  CString text;
  m_edit.GetWindowText(text);
  int n = 0;
  if (!CStringParser::GetINumber(text, n)) {
    I_ModelBase::MEMBKEY = 0;
    ResetMembAttrList();
    return;
  }
  if (n < 0) {
    I_ModelBase::MEMBKEY = 0;
    return;
  }
  const UINT key = (UINT)n;
  // Neither the highlight nor the selection moves to a number that names no element.
  if (key == 0 || !ElementExists(key)) {
    I_ModelBase::MEMBKEY = 0;
    AfxMessageBox(Str("IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY"), 0, 0);
    ResetMembAttrList();
    return;
  }
  I_ModelBase::PONTKEY = 0;
  I_ModelBase::MEMBKEY = key;
  SelectOnly(key);
  CWnd* toggle = GetDlgItem(IDC_TOOLS_POST_TOGGLE);
  if (m_nViewFlag) {
    ShowForceCtrls(SW_HIDE);
    m_list.ShowWindow(SW_SHOW);
    if (toggle) toggle->SetWindowText(Str("IDS_CMD_ATTR_MEMB_FORC"));
    FillMembAttrList(key, 1);
  } else {
    m_list.ShowWindow(SW_HIDE);
    ShowForceCtrls(SW_SHOW);
    if (toggle) toggle->SetWindowText(Str("IDS_CMD_ATTR_MEMB_ATTR"));
  }
  OnPropChanged(0, 0);
}

LRESULT CToolsPostPage::OnCmdToolRunCommand(WPARAM, LPARAM) {
  ApplyInputNumber();
  return 0;
}

void CToolsPostPage::OnAttrForceToggle() {
  m_nViewFlag = m_nViewFlag == 0 ? 1 : 0;
  ApplyInputNumber();
}

void CToolsPostPage::ShowForceCtrls(int nCmdShow) {
  for (UINT id : kForceCtrls)
    if (CWnd* w = GetDlgItem(id)) w->ShowWindow(nCmdShow);
}

void CToolsPostPage::OnClickedClose() { CloseAttrOwner(m_pOwner); }

void CToolsPostPage::FillMembAttrList(UINT key, int nRefresh) {
  CClassPMemb table;
  if (!m_pDB || !table.ConnectToDB(m_pDB)) return;
  T_PMEMB_D rec;
  rec.Initialize();
  if (!table.Get(key, rec)) {
    AfxMessageBox(Str("IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY"), 0, 0);
    ResetMembAttrList();
    return;
  }
  for (const ElemFill& f : kElemFills)
    if (f.type == rec.type) {
      FillElement(f.objClass, f.listKind, key, rec, nRefresh);
      return;
    }
}

LRESULT CToolsPostPage::OnPropChanged(WPARAM, LPARAM) {
  if (!m_pDB || I_ModelBase::MEMBKEY == 0) return 0;
  CViewCtrl* view = m_pDB->GetViewCtrl();
  m_nShownKey = I_ModelBase::MEMBKEY;
  CUIntArray selected;
  view->GetAllSelectedPMemb(selected);
  for (UINT k : selected)
    if (k == m_nShownKey) return 0;
  I_MainFrameBase* frame = I_MainFrameBase::GetMySelf();
  if (frame && !frame->IsToolbarButtonChecked(I_MainFrameBase::ID_SINGLE_SELECT))
    SendToMain(CToolsDlg::CMD_NEW_PICK);
  CUIntArray elems, none;
  elems.Add(m_nShownKey);
  view->Select(nullptr, none, none, none, elems, 0, 0, 0);
  return 0;
}

LRESULT CToolsPostPage::OnAttrDataChanged(WPARAM wParam, LPARAM) {
  for (int code : kRefillCodes)
    if (code == (int)wParam) {
      FillMembAttrList(m_nShownKey, 0);
      ShowNumber(m_nShownKey);
      break;
    }
  OnPropChanged(0, 0);
  return 0;
}

LRESULT CToolsPostPage::OnDeleteAttrData(WPARAM, LPARAM) {
  const CBCGPProp* cur = m_list.GetCurSel();
  if (!cur || m_nShownKind < 0) return 0;
  for (const DeleteMap& d : kDeleteMap) {
    if (!(d.kinds >> m_nShownKind & 1u) || cur->GetName() != Str(d.label)) continue;
    int code = d.code;
    m_ctrl.DeletePMembData(code);
    break;
  }
  return 0;
}
