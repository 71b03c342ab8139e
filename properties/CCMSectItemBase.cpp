#include "properties/CCMSectItemBase.h"

#include <climits>
#include <cstdlib>
#include "afx/AfxMessageBox.h"
#include "afx/CComboBoxEx.h"
#include "afx/CEdit.h"
#include "afx/CStatic.h"
#include "afx/CGdiObject.h"
#include "afx/CImageList.h"
#include "db/CClassSecf.h"
#include "db/CClassSect.h"
#include "db/CSectUtil.h"
#include "db/DB_CScopedChange.h"
#include "properties/CCMSectInfo.h"
#include "properties/CCMStiffDlg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCMSectItemBase, CDlgChild)

namespace {

const char* const kCantCalc = "IDS_WG_CMD__ADDD__Error___Can_t_calculate_stiffness";
const char* const kNumberInvalid = "IDS_CMD_SECT_NUMBER_INVALID";
const char* const kNumberInUse = "IDS_CMD_SECT_NUMBER_IN_USE_u";

void ShowKey(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

// The six stiffness scale factors of a block and of a factor record, in the same order.
double T_SECT_STIFFNESS::* const kStiffFactors[6] = {
    &T_SECT_STIFFNESS::fArea, &T_SECT_STIFFNESS::fAsy, &T_SECT_STIFFNESS::fAsz,
    &T_SECT_STIFFNESS::fIxx,  &T_SECT_STIFFNESS::fIyy, &T_SECT_STIFFNESS::fIzz};
double T_SECF_D::* const kSecfFactors[6] = {&T_SECF_D::fArea, &T_SECF_D::fAsy, &T_SECF_D::fAsz,
                                            &T_SECF_D::fIxx,  &T_SECF_D::fIyy, &T_SECF_D::fIzz};

}  // namespace

CCMSectItemBase::CCMSectItemBase(UINT nIDTemplate, CWnd* pParent)
    : CDlgChild(nIDTemplate, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr),
      m_pImageList(nullptr),
      m_pBitmap(nullptr),
      m_bInitialized(0),
      m_bModify(0),
      m_bFactorsChanged(0),
      m_nOldKey(0),
      m_nNewKey(0),
      m_nMode(0),
      m_bSectID(0),
      m_nSectID(0) {}

CCMSectItemBase::~CCMSectItemBase() {
  delete m_pImageList;
  delete m_pBitmap;
}

void CCMSectItemBase::SetModifyData(UINT nKey, const T_SECT_D& sect) {
  m_nOldKey = m_nNewKey = nKey;
  m_sect = sect;
  m_bModify = 1;
}

void CCMSectItemBase::SetSectID(UINT nKey) {
  m_bSectID = 1;
  m_nSectID = nKey;
}

BOOL CCMSectItemBase::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return FALSE;
  return CDlgChild::PreTranslateMessage(pMsg);
}

void CCMSectItemBase::ReadNumberEdit() {
  CString text;
  if (CWnd* edit = GetDlgItem(IDC_SECT_ITEM_NUMBER)) edit->GetWindowText(text);
  // A number that is no key (not 1 to INT_MAX, the keys "%d" shows back) gives key 0,
  // which no save accepts.
  const long n = std::atol(text);
  m_nNewKey = n >= 1 && n <= INT_MAX ? (UINT)n : 0;
}

BOOL CCMSectItemBase::CheckAndCalc() {
  CClassSect sect;
  if (m_pMDB) sect.ConnectToDB(m_pMDB->GetModelDB());
  return sect.CheckSectSize(0, m_sect, 0) && CSectUtil::CalcSectData(m_sect);
}

void CCMSectItemBase::FillShapeCombo(CComboBoxEx& cb, UINT nKind) {
  CArray<UINT, UINT> bitmaps;
  CArray<CString, CString> names, codes;
  CArray<DWORD, DWORD> indexes;
  if (!CCMSectInfo::GetBitmapID(nKind, bitmaps) || !CCMSectInfo::GetSectName(nKind, names) ||
      !CCMSectInfo::GetShapeName(nKind, codes) || !CCMSectInfo::GetShapeIndex(nKind, indexes))
    return;
  delete m_pImageList;
  m_pImageList = new CImageList;
  m_pImageList->Create(25, 25, 0, 0, 1);
  for (INT_PTR i = 0; i < bitmaps.GetSize(); ++i) {
    CBitmap bmp;
    bmp.LoadBitmap(bitmaps[i]);
    m_pImageList->Add(&bmp, RGB(0, 0, 0));
  }
  cb.SetImageList(m_pImageList);
  cb.ResetContent();
  for (INT_PTR i = 0; i < names.GetSize() && i < indexes.GetSize(); ++i) {
    COMBOBOXEXITEM item;
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_OVERLAY | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = i;
    item.pszText = const_cast<LPTSTR>((LPCTSTR)names[i]);
    item.iImage = item.iSelectedImage = item.iOverlay = (int)i;
    item.iIndent = 0;
    item.lParam = (LPARAM)indexes[i];
    cb.InsertItem(&item);
  }
  cb.SetCurSel(0);
}

BOOL CCMSectItemBase::SetPicture(CStatic& st, UINT nID) {
  CBitmap* bmp = nullptr;
  if (nID) {
    bmp = new CBitmap;
    if (!bmp->LoadBitmap(nID)) {
      delete bmp;
      return FALSE;
    }
  }
  st.SetBitmap(bmp ? (HBITMAP)*bmp : nullptr);
  delete m_pBitmap;
  m_pBitmap = bmp;
  return TRUE;
}

int CCMSectItemBase::SaveSection() {
  if (!Dlg2Data()) return 0;
  if (!CheckAndCalc()) {
    ShowKey(kCantCalc);
    return 0;
  }
  if (!m_pMDB) return 0;
  DB_CDataBase* db = m_pMDB->GetModelDB();
  CClassSect sect;
  CClassSecf secf;
  sect.ConnectToDB(db);
  secf.ConnectToDB(db);
  // No key, or (add mode) a key another section holds: nothing is written, and the user is
  // told and taken back to the number.
  if (!m_nNewKey || (!m_bModify && sect.Exist(m_nNewKey))) {
    if (!m_nNewKey)
      ShowKey(kNumberInvalid);
    else
      AfxMessageBox(GMakeMsg(kNumberInUse, m_nNewKey));
    if (CEdit* edit = (CEdit*)GetDlgItem(IDC_SECT_ITEM_NUMBER)) {
      edit->SetFocus();
      edit->SetSel(0, -1);
    }
    return 0;
  }

  // The section and its confirmed factors are one undo step, written together or not at all.
  DB_CScopedChange change(m_bFactorsChanged ? db : nullptr);
  if (m_bFactorsChanged && !change.IsOpen()) return 0;
  int ok = m_bModify ? sect.TR_Modify(m_nOldKey, m_nNewKey, m_sect) : sect.TR_Add(m_nNewKey, m_sect);
  if (ok && m_bFactorsChanged) {
    T_SECF_D factors;
    factors.Initialize();
    const T_SECT_STIFFNESS* st = CSectUtil::GetProperStiffPosition(m_sect, 0);
    for (int i = 0; i < 6; ++i) factors.*kSecfFactors[i] = st->*kStiffFactors[i];
    ok = secf.TR_Add(m_nNewKey, factors);
  }
  if (ok && change.IsOpen()) {
    change.Commit();
    m_bFactorsChanged = 0;
  }
  return ok;
}

int CCMSectItemBase::ApplySection(UINT nFocusID) {
  if (!SaveData()) return 0;
  if (m_bModify) {
    m_nOldKey = m_nNewKey;
    return 1;
  }
  CClassSect sect;
  if (m_pMDB) sect.ConnectToDB(m_pMDB->GetModelDB());
  m_nNewKey = sect.GetNewKey();
  CString text;
  text.Format("%d", (int)m_nNewKey);
  if (CWnd* edit = GetDlgItem(IDC_SECT_ITEM_NUMBER)) edit->SetWindowText(text);
  if (CWnd* focus = GetDlgItem((int)nFocusID)) focus->SetFocus();
  return 1;
}

void CCMSectItemBase::CalcSection() {
  if (!Dlg2Data() || !CheckAndCalc()) {
    ShowKey(kCantCalc);
    return;
  }
  if (m_bModify) {
    // The factors stored with the section, under the key it is stored under until it is
    // saved again (a number typed but not saved yet names no stored factors).
    CClassSecf secf;
    if (m_pMDB) secf.ConnectToDB(m_pMDB->GetModelDB());
    T_SECF_D factors;
    factors.Initialize();
    secf.Get(m_nOldKey, factors);
    T_SECT_STIFFNESS* st = CSectUtil::GetProperStiffPosition(m_sect, 0);
    for (int i = 0; i < 6; ++i) st->*kStiffFactors[i] = factors.*kSecfFactors[i];
  }
  CCMStiffDlg dlg(m_pDoc, &m_sect, this);
  if (dlg.DoModal() != IDCANCEL) m_bFactorsChanged = 1;
}

void CCMSectItemBase::InitPageCommon() {
  if (!m_bModify && !m_bInitialized) {
    // A key an Apply on another tab handed over (SetNewKey) is the next one to use; the
    // given key is then already taken by the section that Apply added.
    if (!m_nNewKey && m_bSectID) {
      m_nNewKey = m_nSectID;
    } else if (!m_nNewKey) {
      CClassSect sect;
      if (m_pMDB) sect.ConnectToDB(m_pMDB->GetModelDB());
      m_nNewKey = sect.GetNewKey();
    }
    NewRecord();
  }
  m_wndView.SetSectData(&m_sect, 0);
  CString text;
  text.Format("%ld", (long)m_nNewKey);
  CWnd* edit = GetDlgItem(IDC_SECT_ITEM_NUMBER);
  if (edit) edit->SetWindowText(text);
  FillControls();
  m_bInitialized = 1;
  if (edit && m_nMode) edit->EnableWindow(FALSE);
}
