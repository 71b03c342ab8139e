#include "properties/CModelPropSectPage.h"

#include "db/CClassSect.h"
#include "properties/CCMSecViewWnd.h"
#include "properties/CCMSectItemDlg.h"
#include "properties/CModelPropPageOps.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CModelPropSectPage, CModelPropListPage)

BEGIN_MESSAGE_MAP(CModelPropSectPage, CModelPropListPage)
  ON_BN_CLICKED(IDC_MP_SECT_ADD, &CModelPropSectPage::OnCmdAdd)
  ON_BN_CLICKED(IDC_MP_SECT_EDIT, &CModelPropSectPage::OnCmdEdit)
  ON_BN_CLICKED(IDC_MP_SECT_DELETE, &CModelPropSectPage::OnCmdDelete)
  ON_BN_CLICKED(IDC_MP_SECT_COPY, &CModelPropSectPage::OnCmdCopy)
  ON_NOTIFY(NM_DBLCLK, IDC_MP_SECT_LIST, &CModelPropSectPage::OnDblclkList)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_MP_SECT_LIST, &CModelPropSectPage::OnItemchangedList)
END_MESSAGE_MAP()

namespace {
using Ops = CModelPropPageOps<CClassSect, T_SECT_D, CModelPropSectPage>;

const CModelPropListPage::Column kColumns[] = {
    {"IDS_CMD_MEMB_ID", 30, 1}, {"IDS_CMD_MEMB_Name", 130, 0}, {"IDS_CMD_MEMB_Type", 88, 0},
    {"IDS_CMD_MEMB_Shape", 50, 0}};
const CModelPropListPage::Family kFamily = {
    IDD_CMD_MP_SECT_PAGE, IDC_MP_SECT_LIST, CClassSect::m_nClassID, "IDS_CMD_MP_ERROR_No_Selected_Section",
    "IDS_CMD_MP_ERROR_Cannot_Delete_section", "IDS_CMD_MP_ERROR_Cannot_Copy_section", kColumns, 4};

// Type texts by T_SECT_D::iType 2 to 5 (the regular type depends on its database name).
const char* const kTypeKeys[] = {"IDS_WG_CMD_MP_SRC", "IDS_WG_CMD_MP_Value", "IDS_WG_CMD_MP_Combined",
                                 "IDS_WG_CMD_MP_Tapered"};
}  // namespace

CModelPropSectPage::CModelPropSectPage(CWnd* pParent)
    : CModelPropListPage(kFamily, pParent), m_pPreview(nullptr), m_nSelKey(0) {
  m_sect.Initialize();
}

CModelPropSectPage::~CModelPropSectPage() {
  if (m_pPreview && m_pPreview->m_hWnd) m_pPreview->UnsubclassWindow();
  delete m_pPreview;
}

void CModelPropSectPage::GetRowTexts(UINT key, const T_SECT_D& rec, CStringArray& texts) {
  texts.RemoveAll();
  CString s;
  s.Format("%d", (int)key);
  texts.Add(s);
  texts.Add(rec.strName);
  CString type;
  if (rec.iType == SECT_TYPE_REGULAR)
    type = CMsgDll::pfuncLoadStr(rec.Part1.BaseA.strDBName.IsEmpty() ? "IDS_WG_CMD_MP_User" : "IDS_WG_CMD_MP_DB", 0);
  else if (rec.iType >= SECT_TYPE_SRC && rec.iType <= SECT_TYPE_TAPERED)
    type = CMsgDll::pfuncLoadStr(kTypeKeys[rec.iType - SECT_TYPE_SRC], 0);
  texts.Add(type);
  texts.Add(rec.Part1.strShape);
}

void CModelPropSectPage::OnListCreated() {
  if (m_pPreview) {
    if (m_pPreview->m_hWnd) m_pPreview->UnsubclassWindow();
    delete m_pPreview;
  }
  m_pPreview = new CCMSecViewWnd;
  m_pPreview->SubclassCtrl(GetDlgItem(IDC_MP_SECT_PREVIEW));
}

void CModelPropSectPage::OnItemchangedList(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  // Only a change that can alter the preview: a selection that came or went, or a change
  // of the selected row (filling the list touches no selected row, so it draws nothing).
  const auto* nm = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  const BOOL bSelChange = (nm->uChanged & LVIF_STATE) && ((nm->uOldState ^ nm->uNewState) & LVIS_SELECTED);
  const BOOL bSelectedRow = nm->iItem >= 0 && (m_list.GetItemState(nm->iItem, LVIS_SELECTED) & LVIS_SELECTED);
  if (!bSelChange && !bSelectedRow) return;
  const UINT key = GetSelectedKey();
  if (!key) {
    m_sect.Initialize();
    m_nSelKey = 0;
  } else {
    m_nSelKey = key;
    Ops::Read(GetDB(), m_nSelKey, m_sect);
  }
  if (m_pPreview && m_pPreview->m_hWnd) {
    m_pPreview->SetSectData(&m_sect, 0);
    m_pPreview->Invalidate(TRUE);
  }
}

BOOL CModelPropSectPage::FillRows() { return Ops::Fill(m_list, GetDB()); }

void CModelPropSectPage::ReplayRows(const DB_CDataBase& db) { Ops::Replay(m_list, db); }

void CModelPropSectPage::RunEditor(UINT key) {
  CCMSectItemDlg dlg;
  dlg.SetInitPos(3, 0, 0);
  if (key) {
    T_SECT_D rec;
    if (!Ops::Read(GetDB(), key, rec)) return;
    dlg.SetModifyData(key, rec);
  }
  dlg.DoModal();
}

BOOL CModelPropSectPage::DeleteRecord(UINT key) { return Ops::Delete(GetDB(), key); }

int CModelPropSectPage::CopyRecord(UINT key) { return Ops::Copy(GetDB(), key, FALSE); }
