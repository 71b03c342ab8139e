#include "loads/CCMLoadCaseDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "common/CmdGridRows.h"
#include "db/CDBDoc.h"
#include "db/CLoadDB.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCMLoadCaseDlg, CDBDlgBase)

BEGIN_MESSAGE_MAP(CCMLoadCaseDlg, CDBDlgBase)
  ON_BN_CLICKED(IDC_LOADCASE_ADD, &CCMLoadCaseDlg::OnCmdAdd)
  ON_BN_CLICKED(IDC_LOADCASE_MODIFY, &CCMLoadCaseDlg::OnCmdModify)
  ON_BN_CLICKED(IDC_LOADCASE_DELETE, &CCMLoadCaseDlg::OnCmdDelete)
  ON_BN_CLICKED(IDC_LOADCASE_CLOSE, &CCMLoadCaseDlg::OnCmdClose)
END_MESSAGE_MAP()

namespace {
CClassStld* Table(CMDBCtrl* mdb, CClassStld& local) {
  return mdb && local.ConnectToDB(mdb->GetModelDB()) ? &local : nullptr;
}
}  // namespace

CCMLoadCaseDlg::CCMLoadCaseDlg(CWnd* pParent)
    : CDBDlgBase(IDD_CMD_LOAD_CASE, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr) {
  m_dispatch.AddMirror({CClassStld::m_nClassID}, [this] { m_grid.Rebuild(); });
}

CCMLoadCaseDlg::~CCMLoadCaseDlg() = default;

void CCMLoadCaseDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_LOADCASE_DESC, m_editDesc);
  DDX_Control(pDX, IDC_LOADCASE_TYPE, m_cobxType);
  DDX_Control(pDX, IDC_LOADCASE_NAME, m_editName);
}

BOOL CCMLoadCaseDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  m_grid.SubclassDlgItem(IDC_LOADCASE_GRID, this);
  m_grid.InitGrid(this);
  InitLoadTypeCombo();
  SetDlgItemText(IDC_LOADCASE_EXPLANATION, CMsgDll::pfuncLoadStr("IDS_CMD_LOADCASE_Explanation", 0));
  return TRUE;
}

BOOL CCMLoadCaseDlg::DestroyWindow() {
  if (m_grid.m_hWnd) m_grid.OnTerminate(2);
  return CDBDlgBase::DestroyWindow();
}

void CCMLoadCaseDlg::InitLoadTypeCombo() {
  CLoadDB* ldb = m_pDoc ? m_pDoc->GetLoadDB() : CLoadDB::GetDefault();
  CStringArray keys;
  ldb->GetLoadTypeList(keys);
  m_typeKeys.RemoveAll();
  m_cobxType.ResetContent();
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    m_typeKeys.Add(keys[i]);
    m_cobxType.AddString(ldb->GetLoadTypeName(keys[i]));
  }
}

void CCMLoadCaseDlg::SetData2Dlg(UINT key) {
  CClassStld local;
  CClassStld* stld = Table(m_pMDB, local);
  T_STLD_D rec;
  if (!stld || !stld->Get(key, rec)) return;
  m_editName.SetWindowText(rec.name);
  for (INT_PTR i = 0; i < m_typeKeys.GetSize(); ++i)
    if (m_typeKeys[i] == rec.type) {
      m_cobxType.SetCurSel((int)i);
      m_editDesc.SetWindowText(rec.desc);
      return;
    }
}

BOOL CCMLoadCaseDlg::EditorsToRecord(T_STLD_D& rec) {
  m_editName.GetWindowText(rec.name);
  const int sel = m_cobxType.GetCurSel();
  if (sel < 0 || sel >= m_typeKeys.GetSize()) return FALSE;
  rec.type = m_typeKeys[sel];
  m_editDesc.GetWindowText(rec.desc);
  return TRUE;
}

void CCMLoadCaseDlg::OnCmdAdd() {
  T_STLD_D rec;
  rec.Initialize();
  if (!EditorsToRecord(rec)) return;
  CClassStld local;
  CClassStld* stld = Table(m_pMDB, local);
  if (stld && stld->TR_Add(rec)) m_grid.SelectRowOfKey(stld->GetKey(rec.name));
  m_editName.SetFocus();
  m_editName.SetSel(0, -1);
}

void CCMLoadCaseDlg::OnCmdModify() {
  UINT key = 0;
  if (!GetCurrentRowNumber(m_grid, &key)) return;
  CClassStld local;
  CClassStld* stld = Table(m_pMDB, local);
  T_STLD_D rec;
  if (!stld || !stld->Get(key, rec)) return;
  if (!EditorsToRecord(rec)) return;
  stld->TR_Modify(key, rec);
}

void CCMLoadCaseDlg::OnCmdDelete() {
  CUIntArray rows;
  m_grid.GetSelectedRows(rows);
  CUIntArray records;
  for (UINT r : rows)
    if (r >= 1 && !m_grid.IsAppendRow(r) && r < m_grid.GetRowCount()) records.Add(r);
  if (!records.IsEmpty()) {
    m_grid.DeleteRecords(records);
    return;
  }
  ROWCOL row = 0, col = 0;
  if (!m_grid.GetCurrentCell(row, col) || row == 0 || m_grid.IsAppendRow(row) || row >= m_grid.GetRowCount()) {
    AfxMessageBox(GMakeMsg("IDS_CMD__Error___No_selected_static_load_case_"));
    return;
  }
  m_grid.DeleteRecord(row);
}

void CCMLoadCaseDlg::OnCmdClose() { DestroyWindow(); }

void CCMLoadCaseDlg::OnDBUpdate(const DB_CDataBase& db) { m_dispatch.Dispatch(db); }

void CCMLoadCaseDlg::OnHint(LPARAM lHint, CObject* pHint) {
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  if (!m_hWnd || (lHint != 0 && lHint != 1 && lHint != 3) || !hint || !m_pMDB) return;
  const DB_CDataBase* db = m_pMDB->GetDB(hint->m_nDBID);
  if (db && db->HasUpdateRecords()) m_dispatch.Dispatch(*db);
}
