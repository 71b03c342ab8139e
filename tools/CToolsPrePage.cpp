#include "tools/CToolsPrePage.h"

#include "afx/AfxMessageBox.h"
#include "afx/AfxMessageQueue.h"
#include "afx/CDataExchange.h"
#include "creation/CCreateMembDlg2.h"
#include "db/CClassMatl.h"
#include "db/CClassMctl.h"
#include "db/CClassMemb.h"
#include "db/CClassPlan.h"
#include "db/CClassPont.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CClassUccf.h"
#include "db/CDBDoc.h"
#include "db/CViewCtrl.h"
#include "res/resource.h"
#include "tools/AttrLoadTexts.h"
#include "tools/AttrPageShared.h"
#include "tools/CToolsDlg.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"
#include "view/CStrParser.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CToolsPrePage, CDlgChild)

UINT CToolsPrePage::WM_PROPLIST_PRE_DEL = RegisterWindowMessageA("ID_PROPLIST_PRE_DEL");

BEGIN_MESSAGE_MAP(CToolsPrePage, CDlgChild)
  ON_BN_CLICKED(IDC_TOOLS_CLOSE, &CToolsPrePage::OnClickedClose)
  ON_BN_CLICKED(IDC_TOOLS_PONT_RADIO, &CToolsPrePage::OnPontMembRadio)
  ON_BN_CLICKED(IDC_TOOLS_MEMB_RADIO, &CToolsPrePage::OnPontMembRadio)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_CHANGED, &CToolsPrePage::OnPropChanged)
  ON_REGISTERED_MESSAGE(CToolsPrePage::WM_PROPLIST_PRE_DEL, &CToolsPrePage::OnDeleteAttrData)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_CHANGE_VALUE, &CToolsPrePage::OnPropChangeValue)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_COMMAND, &CToolsPrePage::OnPropCommand)
  ON_MESSAGE(WM_MEMBDATACTRL_CHANGED, &CToolsPrePage::OnAttrDataChanged)
  ON_REGISTERED_MESSAGE(CCommandTool2::WM_CMDTOOL_RUN_COMMAND, &CToolsPrePage::OnCmdToolRunCommand)
END_MESSAGE_MAP()

namespace {

// What a data-change notice does, by the code of the changed data.
enum RefreshAction { REFRESH_NONE, REFRESH_OBJECT, REFRESH_EMPTY_PONT, REFRESH_EMPTY_MEMB };
struct RefreshRange {
  int first, last;
  RefreshAction action;
};
constexpr RefreshRange kRefresh[] = {
    {101, 105, REFRESH_OBJECT}, {108, 108, REFRESH_EMPTY_PONT}, {109, 110, REFRESH_OBJECT},
    {201, 208, REFRESH_OBJECT}, {210, 212, REFRESH_OBJECT},     {214, 226, REFRESH_OBJECT},
    {228, 228, REFRESH_OBJECT}, {233, 233, REFRESH_EMPTY_MEMB}, {234, 234, REFRESH_OBJECT},
    {400, 400, REFRESH_OBJECT},
};

RefreshAction ActionOf(int code) {
  for (const RefreshRange& r : kRefresh)
    if (code >= r.first && code <= r.last) return r.action;
  return REFRESH_NONE;
}

// The member fills by member type; the types without a fill keep the list.
struct MembFill {
  int type;
  void (CToolsPrePage::*fill)(UINT, T_MEMB_D, int);
};
constexpr MembFill kMembFills[] = {
    {101, &CToolsPrePage::FillColumnAttrList}, {201, &CToolsPrePage::FillBeamAttrList},
    {205, &CToolsPrePage::FillSBeamAttrList},  {202, &CToolsPrePage::FillWallAttrList},
    {301, &CToolsPrePage::FillSlabAttrList},   {206, &CToolsPrePage::FillBraceAttrList},
    {200, &CToolsPrePage::FillLineAttrList},
};

template <class T>
T* TableOf(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

}  // namespace

CToolsPrePage::CToolsPrePage(CToolsDlg* pOwner, CWnd* pParent)
    : CDlgChild(IDD_CMD_TOOLS_PRE_PAGE, pParent), m_pOwner(pOwner) {
  T_PREFERENCE pref;
  if (CDBDoc* doc = CDBDoc::m_pDBDoc) doc->GetInitCtrl()->GetPreference(pref);
  m_dTol = pref.numTolerance;
}

CToolsPrePage::~CToolsPrePage() = default;

CString CToolsPrePage::Str(const char* key) const { return CMsgDll::pfuncLoadStr(key, 0); }

void CToolsPrePage::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Radio(pDX, IDC_TOOLS_PONT_RADIO, m_nRadio);
  DDX_Control(pDX, IDC_TOOLS_LIST_PLACE, m_place);
}

BOOL CToolsPrePage::OnInitDialog() {
  CInternationalDlg::OnInitDialog();
  InitPropList();
  AttachNumberEdit(m_edit, this, IDC_TOOLS_NUMBER, m_nRadio == 0 ? PARAM_POINT : PARAM_MEMBER);
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  m_pDB = doc ? doc->GetMDBCtrl()->GetModelDB() : nullptr;
  m_pPont = TableOf<CClassPont>(m_pDB);
  m_pMemb = TableOf<CClassMemb>(m_pDB);
  m_pMatl = TableOf<CClassMatl>(m_pDB);
  m_pSect = TableOf<CClassSect>(m_pDB);
  m_pThik = TableOf<CClassThik>(m_pDB);
  m_ctrl.Initialize(this);
  return TRUE;
}

void CToolsPrePage::InitPropList() { InitAttrPropList(*this, IDC_TOOLS_LIST_PLACE, m_list); }

const I_ViewEventHandlerItem* CToolsPrePage::GetNumberEditHandler() const {
  return m_hWnd && m_edit.m_hWnd ? static_cast<const I_ViewEventHandlerItem*>(&m_edit) : nullptr;
}

void CToolsPrePage::SetParamType(int nKind) { m_edit.SetParamType(nKind, 1, 1); }

void CToolsPrePage::SetInitDataByMenu() {
  UpdateData(TRUE);
  m_nRadio = 0;
  m_edit.SetWindowText("");
  CCreateMembDlg2::SetSnapPoint(TRUE);
  ResetPontAttrList();
  m_nPrevRadio = m_nRadio;
  SetParamType(PARAM_POINT);
  UpdateData(FALSE);
}

void CToolsPrePage::OnPontMembRadio() {
  UpdateData(TRUE);
  if (m_nRadio == m_nPrevRadio) return;
  m_edit.SetWindowText("");
  I_ModelBase::PONTKEY = 0;
  I_ModelBase::MEMBKEY = 0;
  const BOOL bPont = m_nRadio == 0;
  CCreateMembDlg2::SetSnapPoint(bPont);
  CCreateMembDlg2::SetSnapMemb(!bPont);
  if (bPont)
    ResetPontAttrList();
  else
    ResetMembAttrList();
  SetParamType(bPont ? PARAM_POINT : PARAM_MEMBER);
  m_nPrevRadio = m_nRadio;
}

void CToolsPrePage::SelectInView(BOOL bMemb, UINT key) {
  if (!m_pDB) return;
  CUIntArray ponts, membs, none;
  (bMemb ? membs : ponts).Add(key);
  m_pDB->GetViewCtrl()->Select(nullptr, ponts, membs, none, none, 0, 0, 0);
}

void CToolsPrePage::ApplyInputNumber() {
  UpdateData(TRUE);
  if (m_nRadio != 0 && m_nRadio != 1) {
    OnPropChanged(0, 0);
    return;
  }
  const BOOL bMemb = m_nRadio == 1;
  CString text;
  m_edit.GetWindowText(text);
  CUIntArray numbers;
  if (!MyParser::ParsingNodeList(text, numbers)) {
    GMsgOutFormatNF("IDS_CMD__PARSING_ERROR", (LPCTSTR)text);
    return;
  }
  UINT& highlighted = bMemb ? I_ModelBase::MEMBKEY : I_ModelBase::PONTKEY;
  if (numbers.GetSize() != 1) {
    GMsgOutFormatNF(bMemb ? "IDS_CMD__INPUT_ONE_MEMB" : "IDS_CMD__INPUT_ONE_POINT");
    highlighted = 0;
    bMemb ? ResetMembAttrList() : ResetPontAttrList();
    return;
  }
  UINT key = 0;
  if (bMemb && m_pMemb) key = m_pMemb->GetMembKeyByNo(numbers[0]);
  if (!bMemb && m_pPont) key = m_pPont->GetPontKeyByNo(numbers[0]);
  highlighted = key;
  if (key == 0) {
    AfxMessageBox(Str(bMemb ? "IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY" : "IDS_CMD_ATTR_MEMB_NOT_PONT_KEY"), 0, 0);
    bMemb ? ResetMembAttrList() : ResetPontAttrList();
    return;
  }
  // One object is highlighted: the other kind's pick goes.
  (bMemb ? I_ModelBase::PONTKEY : I_ModelBase::MEMBKEY) = 0;
  SelectInView(bMemb, key);
  // The typed object is the shown one, so that data changes refill it.
  m_strObjType = bMemb ? "m" : "p";
  m_nShownKey = key;
  if (bMemb) {
    CCreateMembDlg2::SetSnapMemb(TRUE);
    FillMembAttrList(key, 1);
  } else {
    CCreateMembDlg2::SetSnapPoint(TRUE);
    FillPontAttrList(key, 1);
  }
  OnPropChanged(0, 0);
}

LRESULT CToolsPrePage::OnCmdToolRunCommand(WPARAM, LPARAM) {
  ApplyInputNumber();
  return 0;
}

void CToolsPrePage::ShowNumberOf(char type, UINT key) {
  CString s;
  if (type == 'p' && m_pPont) s.Format("%d", (int)m_pPont->GetPontNoByKey(key));
  if (type == 'm' && m_pMemb) s.Format("%d", (int)m_pMemb->GetMembNoByKey(key));
  m_edit.SetWindowText(s);
}

void CToolsPrePage::ShowObjectAttr(char& type, UINT key) {
  if (!m_pDB) return;
  if (type == 'p' || type == 'm') {
    const BOOL bMemb = type == 'm';
    SelectInView(bMemb, key);
    m_nRadio = m_nPrevRadio = bMemb ? 1 : 0;
    SetParamType(bMemb ? PARAM_MEMBER : PARAM_POINT);
    CCreateMembDlg2::SetSnapPoint(!bMemb);
    CCreateMembDlg2::SetSnapMemb(bMemb);
    if (bMemb)
      FillMembAttrList(key, 1);
    else
      FillPontAttrList(key, 1);
    m_strObjType = bMemb ? "m" : "p";
    m_nShownKey = key;
    ShowNumberOf(type, key);
  }
  UpdateData(FALSE);
}

void CToolsPrePage::FillMembAttrList(UINT membKey, int nRefresh) {
  CClassMemb memb;
  if (!m_pDB || !memb.ConnectToDB(m_pDB)) return;
  T_MEMB_D rec;
  if (!memb.Get(membKey, rec)) {
    AfxMessageBox(Str("IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY"), 0, 0);
    ResetMembAttrList();
    return;
  }
  for (const MembFill& f : kMembFills)
    if (f.type == rec.type) (this->*f.fill)(membKey, rec, nRefresh);
}

void CToolsPrePage::ResetPontAttrList() {
  m_nShownKind = LIST_PONT;
  ResetAttrGroups(m_list, {"IDS_CMD_ATTR_PONT_GENERAL", "IDS_CMD_ATTR_PONT_LOAD", "IDS_CMD_ATTR_PONT_BOUNDARY"});
}

void CToolsPrePage::ResetMembAttrList() {
  m_nShownKind = LIST_MEMB_EMPTY;
  ResetAttrGroups(m_list, {"IDS_CMD_ATTR_PONT_GENERAL", "IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE", "IDS_CMD_ATTR_MEMB_LOAD",
                           "IDS_CMD_ATTR_MEMB_BOUNDR_COND", "IDS_CMD_ATTR_MEMB_FACT"});
}

void CToolsPrePage::OnClickedClose() { CloseAttrOwner(m_pOwner); }

LRESULT CToolsPrePage::OnPropChanged(WPARAM, LPARAM) {
  if (!m_pDB) return 0;
  CViewCtrl* view = m_pDB->GetViewCtrl();
  const BOOL bPont = m_strObjType == "p" && I_ModelBase::PONTKEY != 0;
  const BOOL bMemb = m_strObjType == "m" && I_ModelBase::MEMBKEY != 0;
  if (!bPont && !bMemb) return 0;
  m_nShownKey = bPont ? I_ModelBase::PONTKEY : I_ModelBase::MEMBKEY;
  CUIntArray selected, none;
  bPont ? view->GetAllSelectedPont(selected) : view->GetAllSelectedMemb(selected);
  for (UINT k : selected)
    if (k == m_nShownKey) return 0;
  selected.Add(m_nShownKey);
  if (bPont)
    view->Select(nullptr, selected, none, none, none, 0, 0, 0);
  else
    view->Select(nullptr, none, selected, none, none, 0, 0, 0);
  return 0;
}

void CToolsPrePage::OnModelChanged() {
  if (m_nWriting || !m_hWnd || !m_nShownKey) return;
  const BOOL bPont = m_strObjType == "p";
  const BOOL bMemb = m_strObjType == "m";
  if (!bPont && !bMemb) return;
  const BOOL exists = bPont ? m_pPont && m_pPont->Exist(m_nShownKey) : m_pMemb && m_pMemb->Exist(m_nShownKey);
  if (!exists) {
    UINT& highlighted = bPont ? I_ModelBase::PONTKEY : I_ModelBase::MEMBKEY;
    if (highlighted == m_nShownKey) highlighted = 0;
    m_nShownKey = 0;
    m_strObjType.Empty();
    bPont ? ResetPontAttrList() : ResetMembAttrList();
    m_edit.SetWindowText("");
    return;
  }
  if (bPont) FillPontAttrList(m_nShownKey, 0);
  else FillMembAttrList(m_nShownKey, 0);
  ShowNumberOf(bPont ? 'p' : 'm', m_nShownKey);
}

LRESULT CToolsPrePage::OnAttrDataChanged(WPARAM wParam, LPARAM) {
  const BOOL bPont = m_strObjType == "p";
  const BOOL bMemb = m_strObjType == "m";
  switch (ActionOf((int)wParam)) {
    case REFRESH_OBJECT:
      if (bPont) FillPontAttrList(m_nShownKey, 0);
      if (bMemb) FillMembAttrList(m_nShownKey, 0);
      if (bPont || bMemb) ShowNumberOf(bPont ? 'p' : 'm', m_nShownKey);
      break;
    case REFRESH_EMPTY_PONT:
      if (bPont) ResetPontAttrList();
      break;
    case REFRESH_EMPTY_MEMB:
      if (bMemb) ResetMembAttrList();
      break;
    case REFRESH_NONE:
      break;
  }
  OnPropChanged(0, 0);
  return 0;
}

void CToolsPrePage::GetAppliedMaterialKey(UINT membKey, UINT& matlKey) {
  auto* memb = TableOf<CClassMemb>(m_pDB);
  if (!memb) return;
  T_MCTL_D mctl;
  mctl.Initialize();
  if (auto* ctl = TableOf<CClassMctl>(m_pDB)) ctl->Get(1, mctl);
  int flag = 0;
  memb->GetAppliedMatlKey(membKey, matlKey, flag, TableOf<CClassStor>(m_pDB), TableOf<CClassPlan>(m_pDB), &mctl,
                          TableOf<CClassSect>(m_pDB));
}

void CToolsPrePage::MakeLoadTexts(UINT membKey, double /*dLength*/, int nSelector, CStringArray& texts) {
  MakeMembLoadTexts(m_pDB, membKey, nSelector, m_dTol, texts);
}

int CToolsPrePage::HasUserDesignCoeffs() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetMDBCtrl()->GetModelDB() : nullptr;
  auto* uccf = TableOf<CClassUccf>(db);
  if (!uccf) return 0;
  CUIntArray membs, keys;
  membs.Add(m_matr.membKey);
  CArray<T_UCCF_D> recs;
  return uccf->GetListByMemb(membs, keys, recs) ? 1 : 0;
}
