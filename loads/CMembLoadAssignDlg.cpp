#include "loads/CMembLoadAssignDlg.h"

#include "afx/CDataExchange.h"
#include "db/CClassLdtp.h"
#include "db/CClassMbld.h"
#include "db/CClassName.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "loads/CMembLoadSelectDlg.h"
#include "res/resource.h"
#include "ui/CArrayUtil.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CMembLoadAssignDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CMembLoadAssignDlg, CDlgMove)
  ON_BN_CLICKED(IDC_MBLD_KIND_POINT, &CMembLoadAssignDlg::OnCmdObjectTypeRadio)
  ON_BN_CLICKED(IDC_MBLD_KIND_LINE, &CMembLoadAssignDlg::OnCmdObjectTypeRadio)
  ON_BN_CLICKED(IDC_MBLD_KIND_AREA, &CMembLoadAssignDlg::OnCmdObjectTypeRadio)
  ON_CBN_SELCHANGE(IDC_MBLD_MEMB_TYPE, &CMembLoadAssignDlg::OnSelchangeCmdMembTypeCombo)
  ON_BN_CLICKED(IDC_MBLD_FILTER_PLANS, &CMembLoadAssignDlg::OnCmdFilterCheck1)
  ON_BN_CLICKED(IDC_MBLD_FILTER_LOADED, &CMembLoadAssignDlg::OnCmdFilterCheck2)
  ON_BN_CLICKED(IDC_MBLD_FILTER_UNLOADED, &CMembLoadAssignDlg::OnCmdFilterCheck3)
  ON_BN_CLICKED(IDC_MBLD_FORMAT, &CMembLoadAssignDlg::OnCmdFormatBtn)
  ON_BN_CLICKED(IDC_MBLD_MULTIPLE, &CMembLoadAssignDlg::OnCmdSelectionBtn)
  ON_BN_CLICKED(IDC_MBLD_CLOSE, &CMembLoadAssignDlg::OnCmdCloseBtn)
  ON_BN_CLICKED(IDC_MBLD_LOAD_TYPES, &CMembLoadAssignDlg::OnCmdLoadTypesBtn)
END_MESSAGE_MAP()

namespace {

// The member types each target kind offers (item text key, code), and the item chosen.
struct TypeItem {
  UINT code;
  const char* key;
};
const TypeItem kPointItems[] = {
    {100, "IDS_CMD_MEMB_TYPE_PONT"}, {101, "IDS_CMD_MEMB_TYPE_COLM"}, {199, "IDS_CMD_MEMB_LOAD_All"}};
const TypeItem kLineItems[] = {{200, "IDS_CMD_MEMB_TYPE_LINE"},   {201, "IDS_CMD_MEMB_TYPE_BEAM"},
                               {202, "IDS_CMD_MEMB_TYPE_WALL"},   {203, "IDS_CMD_MEMB_TYPE_LINTEL"},
                               {299, "IDS_CMD_MEMB_LOAD_All"}};
const TypeItem kAreaItems[] = {
    {300, "IDS_CMD_MEMB_TYPE_AREA"}, {301, "IDS_CMD_MEMB_TYPE_SLAB"}, {399, "IDS_CMD_MEMB_LOAD_All"}};
const struct {
  const TypeItem* items;
  int count;
  int chosen;
} kKindItems[] = {{kPointItems, 3, 1}, {kLineItems, 5, 0}, {kAreaItems, 3, 1}};

// The codes each union code joins.
const struct {
  UINT code;
  std::initializer_list<UINT> members;
} kUnions[] = {{199, {100, 101}}, {299, {200, 201, 202, 203}}, {399, {300, 301}}};

const UINT kCatalogueCodes[] = {100, 101, 200, 201, 202, 203, 300, 301};

bool IsLoadTypeCode(int code) {
  return code == CClassLdtp::UR_LDTP_ADD || code == CClassLdtp::UR_LDTP_DEL || code == CClassLdtp::UR_LDTP_MFD ||
         code == CClassLdtp::UR_LDTP_MFS;
}
bool IsAssignCode(int code) {
  return code == CClassMbld::UR_MBLD_ADD || code == CClassMbld::UR_MBLD_DEL || code == CClassMbld::UR_MBLD_MFD ||
         code == CClassMbld::UR_MBLD_MFS;
}

}  // namespace

CMembLoadAssignDlg::CMembLoadAssignDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_MEMB_LOAD_ASSIGN, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr),
      m_pGrid(new CMembLoadAssignGrid(this)) {
  for (UINT id : {IDC_MBLD_LOAD_TYPES, IDC_MBLD_MULTIPLE, IDC_MBLD_CLOSE}) m_belowGrid.Add(id);
}

CMembLoadAssignDlg::~CMembLoadAssignDlg() { delete m_pGrid; }

void CMembLoadAssignDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MBLD_MEMB_TYPE, m_cobxMembType);
  DDX_Check(pDX, IDC_MBLD_FILTER_PLANS, m_bFilterPlans);
  DDX_Check(pDX, IDC_MBLD_FILTER_LOADED, m_bFilterLoaded);
  DDX_Check(pDX, IDC_MBLD_FILTER_UNLOADED, m_bFilterUnloaded);
  DDX_Radio(pDX, IDC_MBLD_KIND_POINT, m_nTargetKind);
}

BOOL CMembLoadAssignDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_bFolded = 1;
  MakeMembTypeInfo();
  m_pGrid->SubclassDlgItem(IDC_MBLD_GRID, this);
  m_pGrid->Initialize();
  InitMembTypeCombo();
  UpdateData(TRUE);
  m_pGrid->SetTargetKind(m_nTargetKind);
  return TRUE;
}

// ---- the name catalogue -------------------------------------------------------------------

void CMembLoadAssignDlg::MakeMembTypeInfo() {
  m_namesByType.clear();
  for (UINT c : kCatalogueCodes) m_namesByType[c];
  DB_CDataBase* db = m_pMDB ? m_pMDB->GetModelDB() : nullptr;
  auto* names = db ? static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID)) : nullptr;
  if (names)
    names->ForEachRecord([&](UINT k, const T_NAME_D& r) {
      auto it = m_namesByType.find((UINT)r.type);
      if (it != m_namesByType.end()) it->second.keys.Add(k);
    });
  const struct {
    NameMap* map;
    UINT code;
  } kTextMaps[] = {{&m_colmNames, 101}, {&m_beamNames, 201}, {&m_wallNames, 202}, {&m_lintelNames, 203}};
  T_NAME_D rec;
  for (const auto& t : kTextMaps) {
    t.map->clear();
    for (UINT k : m_namesByType[t.code].keys)
      if (names && names->Get(k, rec)) (*t.map)[rec.name].keys.Add(k);
  }
}

CMembLoadAssignDlg::NameMap* CMembLoadAssignDlg::TextMapOf(UINT code) {
  switch (code) {
    case 101: return &m_colmNames;
    case 201: return &m_beamNames;
    case 202: return &m_wallNames;
    case 203: return &m_lintelNames;
    default: return nullptr;
  }
}

int CMembLoadAssignDlg::SameNameKeys(const NameMap& map, const CString& name, CUIntArray& keys) const {
  keys.RemoveAll();
  auto it = map.find(name);
  if (it == map.end()) return 0;
  keys.Copy(it->second.keys);
  return (int)keys.GetSize();
}

int CMembLoadAssignDlg::GetSameNameKeyListInBeam(const CString& name, CUIntArray& keys) {
  return SameNameKeys(m_beamNames, name, keys);
}

int CMembLoadAssignDlg::GetSameNameKeyListInColm(const CString& name, CUIntArray& keys) {
  return SameNameKeys(m_colmNames, name, keys);
}

BOOL CMembLoadAssignDlg::IsHaveID(UINT code) { return code == 101 || code == 201 || code == 202 || code == 203; }

BOOL CMembLoadAssignDlg::IsUnionType(UINT code) { return code == 199 || code == 299 || code == 399; }

int CMembLoadAssignDlg::GetOnlyNameKeyList(UINT code, CUIntArray& keys) {
  keys.RemoveAll();
  if (NameMap* map = TextMapOf(code))
    for (const auto& e : *map)
      if (!e.second.keys.IsEmpty()) keys.Add(e.second.keys[0]);
  return (int)keys.GetSize();
}

int CMembLoadAssignDlg::GetUnionNameKeyList(UINT code, CUIntArray& keys) {
  keys.RemoveAll();
  for (const auto& u : kUnions) {
    if (u.code != code) continue;
    for (UINT member : u.members) {
      CUIntArray part;
      if (IsHaveID(member)) GetOnlyNameKeyList(member, part);
      else part.Copy(m_namesByType[member].keys);
      if (part.IsEmpty()) continue;
      CUIntArray joined;
      CArrayUtil::UnionUINT(keys, part, joined);
      keys.vec().swap(joined.vec());
    }
  }
  return (int)keys.GetSize();
}

int CMembLoadAssignDlg::GetMemberKeyList(UINT code, CUIntArray& keys) {
  keys.RemoveAll();
  if (IsHaveID(code)) return GetOnlyNameKeyList(code, keys);
  if (IsUnionType(code)) return GetUnionNameKeyList(code, keys);
  auto it = m_namesByType.find(code);
  if (it != m_namesByType.end()) keys.Copy(it->second.keys);
  return (int)keys.GetSize();
}

// ---- the combo, the filters and the fold --------------------------------------------------

void CMembLoadAssignDlg::InitMembTypeCombo() {
  m_cobxMembType.ResetContent();
  UpdateData(TRUE);
  if (m_nTargetKind < KIND_POINT || m_nTargetKind > KIND_AREA) {
    m_pGrid->SetRowCount(1, 2);
    return;
  }
  const auto& kind = kKindItems[m_nTargetKind];
  for (int i = 0; i < kind.count; ++i)
    CDlgUtil::CobxAddItem(&m_cobxMembType, CMsgDll::pfuncLoadStr(kind.items[i].key, 0), kind.items[i].code);
  m_cobxMembType.SetCurSel(kind.chosen);
  ChangeMemberType();
}

void CMembLoadAssignDlg::ChangeMemberType() {
  const int cur = m_cobxMembType.GetCurSel();
  if (cur < 0) {
    m_pGrid->SetRowCount(1, 2);
    return;
  }
  CUIntArray keys;
  GetMemberKeyList((UINT)m_cobxMembType.GetItemData(cur), keys);
  m_pGrid->SetNameKeys(keys);
}

void CMembLoadAssignDlg::OnCmdObjectTypeRadio() {
  InitMembTypeCombo();
  m_pGrid->SetTargetKind(m_nTargetKind);
}

void CMembLoadAssignDlg::OnSelchangeCmdMembTypeCombo() { ChangeMemberType(); }

void CMembLoadAssignDlg::ApplyFilters() { m_pGrid->SetFilter(m_bFilterPlans, m_bFilterLoaded, m_bFilterUnloaded); }

void CMembLoadAssignDlg::OnCmdFilterCheck1() {
  UpdateData(TRUE);
  ApplyFilters();
}

void CMembLoadAssignDlg::OnCmdFilterCheck2() {
  UpdateData(TRUE);
  if (m_bFilterLoaded) m_bFilterUnloaded = 0;
  UpdateData(FALSE);
  ApplyFilters();
}

void CMembLoadAssignDlg::OnCmdFilterCheck3() {
  UpdateData(TRUE);
  if (m_bFilterUnloaded) m_bFilterLoaded = 0;
  UpdateData(FALSE);
  ApplyFilters();
}

void CMembLoadAssignDlg::OnCmdFormatBtn() {
  m_bFolded = !m_bFolded;
  SetDlgItemText(IDC_MBLD_FORMAT, CMsgDll::pfuncLoadStr(m_bFolded ? "IDS_CMD_MEMB_Unfold_Sheet" : "IDS_CMD_MEMB_Fold_UP_Sheet", 0));
  ChangeFormat(m_bFolded);
}

void CMembLoadAssignDlg::ChangeFormat(int bFold) {
  CRect grid;
  m_pGrid->GetWindowRect(&grid);
  // Folding halves the grid (toward zero), unfolding doubles it.
  const int d = bFold ? (grid.top - grid.bottom) / 2 : grid.Height();
  CRect dlg;
  GetWindowRect(&dlg);
  SetWindowPos(nullptr, 0, 0, dlg.Width(), dlg.Height() + d, SWP_NOMOVE | SWP_NOZORDER);
  CDlgUtil::CtrlMoveDistY(this, m_belowGrid, d, TRUE);
  m_pGrid->SetWindowPos(nullptr, 0, 0, grid.Width(), grid.Height() + d, SWP_NOMOVE | SWP_NOZORDER);
  m_pGrid->Redraw();
}

void CMembLoadAssignDlg::OnCmdSelectionBtn() {
  const int cur = m_cobxMembType.GetCurSel();
  if (cur < 0) return;
  CUIntArray keys;
  GetMemberKeyList((UINT)m_cobxMembType.GetItemData(cur), keys);
  UpdateData(TRUE);
  CMembLoadSelectDlg dlg(nullptr);
  dlg.SetMembers(m_nTargetKind, keys);
  dlg.SetInitPos(3, 0, 0);
  dlg.DoModal();
}

void CMembLoadAssignDlg::OnCmdCloseBtn() {
  m_pGrid->OnTerminate(2);
  CDialog::OnCancel();
}

// ---- following the model ------------------------------------------------------------------

void CMembLoadAssignDlg::OnDBUpdate(const DB_CDataBase& db) { UpdateBuffer(db); }

void CMembLoadAssignDlg::OnHint(LPARAM lHint, CObject* pHint) {
  if (lHint != 0 && lHint != 1 && lHint != 3) return;
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  const DB_CDataBase* db = hint && m_pMDB ? m_pMDB->GetDB(hint->m_nDBID) : nullptr;
  if (db) UpdateBuffer(*db);
}

void CMembLoadAssignDlg::UpdateBuffer(const DB_CDataBase& db) {
  if (!m_hWnd || !m_pGrid->m_hWnd || !db.HasUpdateRecords()) return;
  bool loadTypes = false, assignments = false;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) {
    loadTypes = loadTypes || IsLoadTypeCode(u->m_nCode);
    assignments = assignments || IsAssignCode(u->m_nCode);
  }
  ROWCOL row = 0, col = 0;
  const BOOL had = m_pGrid->GetCurrentCell(row, col);
  if (loadTypes) {
    const bool inLoad = had && col == CMembLoadAssignGrid::LOAD_GRID_COL;
    if (inLoad) m_pGrid->SetCurrentCell(row, col - 1);
    m_pGrid->RefreshLoadTypeChoices(CMembLoadAssignGrid::LOAD_GRID_COL);
    if (inLoad) m_pGrid->SetCurrentCell(row, col);
  }
  // A load type renamed or deleted shows in the rows too. The rebuild keeps the current
  // cell where it was.
  if (assignments || loadTypes) {
    m_pGrid->MakeItemEx(nullptr, -2, 0);
    if (had && row < m_pGrid->GetRowCount()) m_pGrid->SetCurrentCell(row, col);
  }
}
