#include "properties/CModelPropMatlPage.h"

#include "db/CClassMatl.h"
#include "properties/CModelPropMatlDlg.h"
#include "properties/CModelPropPageOps.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CModelPropMatlPage, CModelPropListPage)

BEGIN_MESSAGE_MAP(CModelPropMatlPage, CModelPropListPage)
  ON_BN_CLICKED(IDC_MP_BTN_ADD, &CModelPropMatlPage::OnCmdAdd)
  ON_BN_CLICKED(IDC_MP_BTN_EDIT, &CModelPropMatlPage::OnCmdEdit)
  ON_BN_CLICKED(IDC_MP_BTN_DELETE, &CModelPropMatlPage::OnCmdDelete)
  ON_BN_CLICKED(IDC_MP_BTN_COPY, &CModelPropMatlPage::OnCmdCopy)
  ON_NOTIFY(NM_DBLCLK, IDC_MP_MATL_LIST, &CModelPropMatlPage::OnDblclkList)
END_MESSAGE_MAP()

namespace {
using Ops = CModelPropPageOps<CClassMatl, T_MATL_D, CModelPropMatlPage>;

const CModelPropListPage::Column kColumns[] = {
    {"IDS_CMD_MEMB_ID", 29, 1},       {"IDS_CMD_MEMB_Name", 60, 0}, {"IDS_CMD_MEMB_Type", 85, 0},
    {"IDS_CMD_MEMB_Standard", 85, 0}, {"IDS_CMD_MEMB_DB", 40, 0},
};
const CModelPropListPage::Family kFamily = {
    IDD_CMD_MP_MATL_PAGE, IDC_MP_MATL_LIST, CClassMatl::m_nClassID, "IDS_CMD_MP_ERROR_No_Selected_Material",
    "IDS_CMD_MP_ERROR_Cannot_Delete_Material", "IDS_CMD_MP_ERROR_Cannot_Copy_Material", kColumns, 5};

struct TypeText {
  const char* code;
  const char* text;
};
const TypeText kTypeTexts[] = {{"S", "Steel"}, {"C", "RC"}, {"U", "User Defined"}, {"SRC", "SRC"}};
}  // namespace

CModelPropMatlPage::CModelPropMatlPage(CWnd* pParent) : CModelPropListPage(kFamily, pParent) {}

void CModelPropMatlPage::GetRowTexts(UINT key, const T_MATL_D& rec, CStringArray& texts) {
  texts.RemoveAll();
  CString s;
  s.Format("%d", (int)key);
  texts.Add(s);
  texts.Add(rec.name);
  CString type;
  for (const TypeText& t : kTypeTexts)
    if (rec.type == t.code) type = t.text;
  texts.Add(type);
  texts.Add(rec.matl1.code);
  texts.Add(rec.matl1.grade);
}

BOOL CModelPropMatlPage::FillRows() { return Ops::Fill(m_list, GetDB()); }

void CModelPropMatlPage::ReplayRows(const DB_CDataBase& db) { Ops::Replay(m_list, db); }

void CModelPropMatlPage::RunEditor(UINT key) {
  if (!key) {
    CModelPropMatlDlg dlg(this);
    dlg.SetInitPos(3, 0, 0);
    dlg.DoModal();
    return;
  }
  T_MATL_D rec;
  if (!Ops::Read(GetDB(), key, rec)) return;
  CModelPropMatlDlg dlg;
  dlg.SetInitPos(3, 0, 0);
  dlg.SetModifyData(key, rec);
  dlg.DoModal();
}

BOOL CModelPropMatlPage::DeleteRecord(UINT key) { return Ops::Delete(GetDB(), key); }

int CModelPropMatlPage::CopyRecord(UINT key) { return Ops::Copy(GetDB(), key, TRUE); }
