#include "properties/CModelPropThikPage.h"

#include "db/CClassThik.h"
#include "properties/CModelPropPageOps.h"
#include "properties/CModelPropThikDlg.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CModelPropThikPage, CModelPropListPage)

BEGIN_MESSAGE_MAP(CModelPropThikPage, CModelPropListPage)
  ON_BN_CLICKED(IDC_MP_BTN_ADD, &CModelPropThikPage::OnCmdAdd)
  ON_BN_CLICKED(IDC_MP_BTN_EDIT, &CModelPropThikPage::OnCmdEdit)
  ON_BN_CLICKED(IDC_MP_BTN_DELETE, &CModelPropThikPage::OnCmdDelete)
  ON_BN_CLICKED(IDC_MP_BTN_COPY, &CModelPropThikPage::OnCmdCopy)
  ON_NOTIFY(NM_DBLCLK, IDC_MP_THIK_LIST, &CModelPropThikPage::OnDblclkList)
END_MESSAGE_MAP()

namespace {
using Ops = CModelPropPageOps<CClassThik, T_THIK_D, CModelPropThikPage>;

const CModelPropListPage::Column kColumns[] = {
    {"IDS_CMD_MP_ID", 45, 1}, {"IDS_CMD_MP_Name", 120, 0}, {"IDS_CMD_MP_Thickness", 130, 1}};
const CModelPropListPage::Family kFamily = {
    IDD_CMD_MP_THIK_PAGE, IDC_MP_THIK_LIST, CClassThik::m_nClassID, "IDS_CMD_MP_No_Selected_thickness",
    "IDS_CMD_MP_Cannot_Delete_thickness", "IDS_CMD_MP_Canot_Copy_thickness", kColumns, 3};
}  // namespace

CModelPropThikPage::CModelPropThikPage(CWnd* pParent) : CModelPropListPage(kFamily, pParent) {}

void CModelPropThikPage::GetRowTexts(UINT key, const T_THIK_D& rec, CStringArray& texts) {
  texts.RemoveAll();
  CString s;
  s.Format("%d", (int)key);
  texts.Add(s);
  texts.Add(rec.name);
  s.Format("%g", rec.thick1);
  texts.Add(s);
}

void CModelPropThikPage::OnHint(LPARAM lHint, CObject* pHint) {
  if (lHint == 4) RebuildList();
  else CModelPropListPage::OnHint(lHint, pHint);
}

BOOL CModelPropThikPage::FillRows() { return Ops::Fill(m_list, GetDB()); }

void CModelPropThikPage::ReplayRows(const DB_CDataBase& db) { Ops::Replay(m_list, db); }

void CModelPropThikPage::RunEditor(UINT key) {
  CModelPropThikDlg dlg;
  dlg.SetInitPos(3, 0, 0);
  if (key) {
    T_THIK_D rec;
    if (!Ops::Read(GetDB(), key, rec)) return;
    dlg.SetModifyData(key, rec);
  }
  dlg.DoModal();
}

BOOL CModelPropThikPage::DeleteRecord(UINT key) { return Ops::Delete(GetDB(), key); }

int CModelPropThikPage::CopyRecord(UINT key) { return Ops::Copy(GetDB(), key, FALSE); }
