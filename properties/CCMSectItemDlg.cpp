#include "properties/CCMSectItemDlg.h"

#include "afx/AfxMessageBox.h"
#include "db/CSectUtil.h"
#include "properties/CCMSectItemBase.h"
#include "properties/CCMSectItemReg.h"
#include "properties/CCMSectItemSrc.h"
#include "properties/CCMSectItemVal.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

BEGIN_MESSAGE_MAP(CCMSectItemDlg, CDlgMove)
  ON_BN_CLICKED(IDC_SECT_ITEM_APPLY, &CCMSectItemDlg::OnBtnApply)
  ON_BN_CLICKED(IDC_SECT_ITEM_CALC, &CCMSectItemDlg::OnBtnCalc)
  ON_NOTIFY(TCN_SELCHANGING, IDC_SECT_ITEM_TAB, &CCMSectItemDlg::OnSelChanging)
  ON_NOTIFY(TCN_SELCHANGE, IDC_SECT_ITEM_TAB, &CCMSectItemDlg::OnSelChange)
END_MESSAGE_MAP()

namespace {

const char* const kNoPage = "IDS_CMD_ERR_No_Dialog_page_for_section";
const char* const kCannotShow = "IDS_WG_CMD_SEC_ERROR_CAN_NOT_SHOW_DLG";

// Page kinds (CSectUtil::GetSectTypeNo) that have a page: its tab title, its template and
// the builder that makes it. A page's own file fills its builder in here.
struct PageKind {
  int nKind;
  const char* title;
  UINT nTemplate;
  CCMSectItemDlg::PAGE_NEW pfnNew;
};
PageKind s_kinds[] = {
    {1, "IDS_WG_CMD_SEC_MATL_TYPE_RC", 14032, &CCMSectItemReg::NewPage},     // SetMatlKind (1)
    {2, "IDS_WG_CMD_SEC_MATL_TYPE_STEEL", 14032, &CCMSectItemReg::NewPage},  // SetMatlKind (2)
    {3, "IDS_WG_CMD_SEC_ITEM_SRC", 14034, &CCMSectItemSrc::NewPage},
    {5, "IDS_WG_CMD_SEC_ITEM_VALUE", 14026, &CCMSectItemVal::NewPage},
};

// Kind of a value page: Calculate is disabled on it.
constexpr int kValueKind = 5;
constexpr int kSrcKind = 3;

PageKind* FindKind(int nKind) {
  for (PageKind& k : s_kinds)
    if (k.nKind == nKind) return &k;
  return nullptr;
}

const char* Text(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

}  // namespace

CCMSectItemDlg::CCMSectItemDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_SECT_ITEM, pParent), m_bModify(0), m_bSectID(0), m_nKey(0), m_nMode(0) {}

CCMSectItemDlg::~CCMSectItemDlg() = default;

CCMSectItemDlg::PAGE_NEW CCMSectItemDlg::SetPageBuilder(int nKind, PAGE_NEW pfnNew) {
  PageKind* k = FindKind(nKind);
  if (!k) return nullptr;
  PAGE_NEW old = k->pfnNew;
  k->pfnNew = pfnNew;
  return old;
}

BOOL CCMSectItemDlg::HasPage(int nKind) {
  const PageKind* k = FindKind(nKind);
  return k && k->pfnNew;
}

void CCMSectItemDlg::SetModifyData(UINT nKey, const T_SECT_D& sect) {
  m_nKey = nKey;
  m_sect = sect;
  m_bModify = 1;
}

void CCMSectItemDlg::SetSectID(UINT nKey) {
  m_nKey = nKey;
  m_bSectID = 1;
}

CCMSectItemBase* CCMSectItemDlg::GetPage(int i) const { return dynamic_cast<CCMSectItemBase*>(m_tab.GetTab(i)); }

CCMSectItemBase* CCMSectItemDlg::CurrentPage() const {
  if (!m_tab.m_hWnd) return nullptr;
  const int sel = m_tab.GetCurSel();
  return sel < 0 ? nullptr : GetPage(sel);
}

BOOL CCMSectItemDlg::SetDialogPageList() {
  CArray<int, int> kinds;
  kinds.Add(1);
  kinds.Add(2);
  if (m_bModify) {
    const int k = CSectUtil::GetSectTypeNo(m_sect.iType, m_sect.iMatlType);
    if (k != 1 && k != 2) kinds.Add(k);
  } else if (HasPage(kSrcKind)) {
    kinds.Add(kSrcKind);
  }
  for (INT_PTR i = 0; i < kinds.GetSize(); ++i) {
    const PageKind* kind = FindKind(kinds[i]);
    CCMSectItemBase* page = kind && kind->pfnNew ? kind->pfnNew(kind->nKind) : nullptr;
    if (!page) return FALSE;
    page->SetMode(m_nMode);
    m_tab.AddTab(page, Text(kind->title), kind->nTemplate, 1);
    m_aKind.Add(kind->nKind);
    if (m_bModify) page->SetModifyData(m_nKey, m_sect);
    if (m_bSectID) page->SetSectID(m_nKey);
  }
  return TRUE;
}

void CCMSectItemDlg::CloseWithMessage(const char* key) {
  AfxMessageBox(Text(key));
  SendMessage(WM_CLOSE);
}

BOOL CCMSectItemDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_btnCalc.SubclassDlgItem(IDC_SECT_ITEM_CALC, this);
  m_tab.SubclassDlgItem(IDC_SECT_ITEM_TAB, this);
  if (!SetDialogPageList()) {
    CloseWithMessage(kNoPage);
    return TRUE;
  }
  m_tab.SetPlaceHolder(IDC_PLACEHOLDER);

  int show = 0;
  if (m_bModify) {
    const int k = CSectUtil::GetSectTypeNo(m_sect.iType, m_sect.iMatlType);
    show = -1;
    for (INT_PTR i = 0; i < m_aKind.GetSize() && show < 0; ++i)
      if (m_aKind[i] == k) show = (int)i;
    if (show < 0) {
      CloseWithMessage(kNoPage);
      return TRUE;
    }
  }
  if (!m_tab.ShowTab(show)) AfxMessageBox(Text(kCannotShow));
  EnableCalc(show);
  return TRUE;
}

void CCMSectItemDlg::EnableCalc(int nTab) {
  if (m_btnCalc.m_hWnd) m_btnCalc.EnableWindow(m_aKind[nTab] != kValueKind);
}

BOOL CCMSectItemDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) return FALSE;
  return CDlgMove::PreTranslateMessage(pMsg);
}

void CCMSectItemDlg::OnOK() {
  CCMSectItemBase* page = CurrentPage();
  if (page && page->OnParentOK()) CDialog::OnOK();
}

void CCMSectItemDlg::OnBtnApply() {
  CCMSectItemBase* page = CurrentPage();
  if (!page || !page->OnParentApply()) return;
  // In edit mode the section now lives under the applied page's key: every page edits it
  // there (else a renumbering Apply would leave the other pages modifying a key that is
  // gone).
  for (int i = 0; i < m_tab.GetTabCount(); ++i) {
    CCMSectItemBase* p = GetPage(i);
    if (!p) continue;
    p->SetNewKey(page->GetNewKey());
    if (m_bModify) p->SetOldKey(page->GetOldKey());
  }
}

void CCMSectItemDlg::OnBtnCalc() {
  if (CCMSectItemBase* page = CurrentPage()) page->OnParentCalc();
}

void CCMSectItemDlg::OnSelChanging(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  if (CCMSectItemBase* page = CurrentPage()) page->Dlg2Data();
}

void CCMSectItemDlg::OnSelChange(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  const int sel = m_tab.GetCurSel();
  if (sel >= 0) EnableCalc(sel);
}
