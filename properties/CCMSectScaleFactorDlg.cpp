#include "properties/CCMSectScaleFactorDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassSecf.h"
#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "properties/CCMStiffDlg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCMSectScaleFactorDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCMSectScaleFactorDlg, CDlgMove)
  ON_BN_CLICKED(IDC_SSF_ADD, &CCMSectScaleFactorDlg::OnCmdAddReplace)
  ON_BN_CLICKED(IDC_SSF_DELETE, &CCMSectScaleFactorDlg::OnCmdDeleteFactors)
  ON_BN_CLICKED(IDC_SSF_SHOW, &CCMSectScaleFactorDlg::OnCmdShowStiffness)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_SSF_SECT_LIST, &CCMSectScaleFactorDlg::OnItemchangedSectionList)
  ON_NOTIFY(NM_CLICK, IDC_SSF_SECT_LIST, &CCMSectScaleFactorDlg::OnClickSectionList)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_SSF_FACTOR_LIST, &CCMSectScaleFactorDlg::OnItemchangedFactorList)
  ON_NOTIFY(NM_CLICK, IDC_SSF_FACTOR_LIST, &CCMSectScaleFactorDlg::OnClickFactorList)
END_MESSAGE_MAP()

namespace {
const UINT kEdits[7] = {IDC_SSF_AREA, IDC_SSF_ASY, IDC_SSF_ASZ, IDC_SSF_IXX, IDC_SSF_IYY, IDC_SSF_IZZ, IDC_SSF_WGT};

double* FactorOf(T_SECF_D& f, int i) {
  double* all[7] = {&f.fArea, &f.fAsy, &f.fAsz, &f.fIxx, &f.fIyy, &f.fIzz, &f.fWgt};
  return all[i];
}

struct ListColumn {
  const char* title;
  BOOL bKey;  // a text key to look up, else the title itself
  int width;
};
const ListColumn kSectColumns[] = {{"IDS_WG_CMD__ADDD__ID", TRUE, 30}, {"IDS_WG_CMD__ADDD__Name", TRUE, 200}};
const ListColumn kFactorColumns[] = {{"IDS_WG_CMD__ADDD__ID", TRUE, 30}, {"IDS_WG_CMD__ADDD__Name", TRUE, 85},
                                     {"fArea", FALSE, 45}, {"fAsy", FALSE, 40}, {"fAsz", FALSE, 40},
                                     {"fIxx", FALSE, 40}, {"fIyy", FALSE, 40}, {"fIzz", FALSE, 40},
                                     {"fWgt", FALSE, 40}};

template <int N>
void AddColumns(CListCtrl& list, const ListColumn (&cols)[N]) {
  for (int i = 0; i < N; ++i)
    list.InsertColumn(i, cols[i].bKey ? CMsgDll::pfuncLoadStr(cols[i].title, 0) : cols[i].title, LVCFMT_LEFT,
                      cols[i].width);
  list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
}

CString Num(double v) {
  CString s;
  s.Format("%g", v);
  return s;
}
}  // namespace

CCMSectScaleFactorDlg::CCMSectScaleFactorDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_SECT_SCALE_FACTOR, pParent), m_pDoc(nullptr), m_pMDBCtrl(nullptr), m_bSyncing(FALSE) {}

CClassSect* CCMSectScaleFactorDlg::SectTable() const {
  DB_CDataBase* db = m_pDoc ? m_pDoc->GetModelDB() : nullptr;
  return db ? static_cast<CClassSect*>(db->GetClass(CClassSect::m_nClassID)) : nullptr;
}

CClassSecf* CCMSectScaleFactorDlg::SecfTable() const {
  DB_CDataBase* db = m_pDoc ? m_pDoc->GetModelDB() : nullptr;
  return db ? static_cast<CClassSecf*>(db->GetClass(CClassSecf::m_nClassID)) : nullptr;
}

void CCMSectScaleFactorDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  for (int i = 0; i < 7; ++i) DDX_Control(pDX, (int)kEdits[i], m_edit[i]);
  DDX_Control(pDX, IDC_SSF_FACTOR_LIST, m_listFactor);
  DDX_Control(pDX, IDC_SSF_SECT_LIST, m_listSect);
}

BOOL CCMSectScaleFactorDlg::OnInitDialog() {
  m_pDoc = CDBDoc::m_pDBDoc;
  m_pMDBCtrl = m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr;
  CDlgMove::OnInitDialog();
  InitSectionColumns();
  InitFactorColumns();
  T_SECF_D f;
  f.Initialize();
  ShowFactors(f);
  FillSectionList();
  FillFactorList();
  for (UINT id : {IDC_SSF_ADD, IDC_SSF_DELETE, IDC_SSF_SHOW}) GetDlgItem((int)id)->EnableWindow(FALSE);
  return TRUE;
}

void CCMSectScaleFactorDlg::InitSectionColumns() { AddColumns(m_listSect, kSectColumns); }

void CCMSectScaleFactorDlg::InitFactorColumns() { AddColumns(m_listFactor, kFactorColumns); }

void CCMSectScaleFactorDlg::ShowFactors(const T_SECF_D& factors) {
  T_SECF_D f = factors;
  for (int i = 0; i < 7; ++i) m_edit[i].SetEditUnit(*FactorOf(f, i));
}

int CCMSectScaleFactorDlg::InsertByKey(CListCtrl& list, UINT key, const CString& text) {
  // Before the first row whose key is greater: ascending keys, equal keys in reading order.
  int lo = 0, hi = list.GetItemCount();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if ((UINT)list.GetItemData(mid) <= key) lo = mid + 1;
    else hi = mid;
  }
  return list.InsertItem(LVIF_TEXT | LVIF_PARAM, lo, text, 0, 0, 0, (LPARAM)key);
}

void CCMSectScaleFactorDlg::FillSectionList() {
  m_bSyncing = TRUE;
  m_listSect.DeleteAllItems();
  CClassSect* sect = SectTable();
  if (sect && sect->GetCount() > 0) {
    POSITION pos = sect->DB_GetStart();
    UINT key = 0;
    T_SECT_D rec;
    while (sect->GetNextData(pos, key, rec)) {
      CString k;
      k.Format("%d", (int)key);
      const int row = InsertByKey(m_listSect, key, k);
      m_listSect.SetItemText(row, 1, rec.strName);
    }
  }
  m_bSyncing = FALSE;
}

void CCMSectScaleFactorDlg::FillFactorList() {
  m_bSyncing = TRUE;
  m_listFactor.DeleteAllItems();
  CClassSecf* secf = SecfTable();
  CClassSect* sect = SectTable();
  if (secf && secf->GetCount() > 0) {
    POSITION pos = secf->DB_GetStart();
    UINT key = 0;
    T_SECF_D f;
    while (secf->GetNextData(pos, key, f)) {
      CString k;
      k.Format("%d", (int)key);
      const int row = InsertByKey(m_listFactor, key, k);
      T_SECT_D s;
      m_listFactor.SetItemText(row, 1, sect && sect->Get(key, s) ? s.strName : CString());
      for (int i = 0; i < 7; ++i) m_listFactor.SetItemText(row, 2 + i, Num(*FactorOf(f, i)));
    }
  }
  m_bSyncing = FALSE;
}

void CCMSectScaleFactorDlg::SelectOnly(CListCtrl& list, UINT key) {
  const int n = list.GetItemCount();
  for (int i = 0; i < n; ++i) {
    if ((UINT)list.GetItemData(i) == key) list.SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    else if (list.GetItemState(i, LVIS_SELECTED)) list.SetItemState(i, 0, LVIS_SELECTED);
  }
}

void CCMSectScaleFactorDlg::EnableFactorButtons() {
  const BOOL bSel = m_listFactor.GetSelectedCount() > 0;
  GetDlgItem(IDC_SSF_DELETE)->EnableWindow(bSel);
  GetDlgItem(IDC_SSF_SHOW)->EnableWindow(bSel);
}

void CCMSectScaleFactorDlg::OnItemchangedSectionList(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const auto* nm = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  if (m_bSyncing || !(nm->uChanged & LVIF_STATE) || !(nm->uNewState & LVIS_SELECTED) ||
      (nm->uOldState & LVIS_SELECTED))
    return;
  GetDlgItem(IDC_SSF_ADD)->EnableWindow(TRUE);
  const UINT key = (UINT)m_listSect.GetItemData(nm->iItem);
  m_bSyncing = TRUE;
  SelectOnly(m_listFactor, key);
  m_bSyncing = FALSE;
  T_SECF_D f;
  CClassSecf* secf = SecfTable();
  if (secf && secf->Get(key, f)) ShowFactors(f);
  EnableFactorButtons();
}

void CCMSectScaleFactorDlg::OnClickSectionList(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  GetDlgItem(IDC_SSF_ADD)->EnableWindow(m_listSect.GetSelectedCount() > 0);
}

void CCMSectScaleFactorDlg::OnItemchangedFactorList(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const auto* nm = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  if (m_bSyncing || !(nm->uChanged & LVIF_STATE) || !(nm->uNewState & LVIS_SELECTED) ||
      (nm->uOldState & LVIS_SELECTED))
    return;
  const UINT key = (UINT)m_listFactor.GetItemData(nm->iItem);
  T_SECF_D f;
  CClassSecf* secf = SecfTable();
  if (secf && secf->Get(key, f)) ShowFactors(f);
  m_bSyncing = TRUE;
  SelectOnly(m_listSect, key);
  m_bSyncing = FALSE;
}

void CCMSectScaleFactorDlg::OnClickFactorList(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  EnableFactorButtons();
}

BOOL CCMSectScaleFactorDlg::CheckFactors(T_SECF_D& factors) {
  for (int i = 0; i < 7; ++i) {
    double v = 0.0;
    if (!m_edit[i].GetShownValue(v) || !(v >= 0.0)) {
      AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_SECT_SCALE_FACTOR_NOT_NEGATIVE", 0));
      m_edit[i].SetFocus();
      return FALSE;
    }
    *FactorOf(factors, i) = v;
  }
  return TRUE;
}

void CCMSectScaleFactorDlg::OnCmdAddReplace() {
  UpdateData(TRUE);
  T_SECF_D f;
  f.Initialize();
  if (!CheckFactors(f)) return;
  CClassSecf* secf = SecfTable();
  POSITION pos = m_listSect.GetFirstSelectedItemPosition();
  while (secf && pos) {
    const UINT key = (UINT)m_listSect.GetItemData(m_listSect.GetNextSelectedItem(pos));
    T_SECF_D rec = f;
    rec.key = key;
    if (!secf->TR_Add(key, rec)) break;
  }
  // Refilled after a refusal too: the list shows what was written before it.
  FillFactorList();
}

void CCMSectScaleFactorDlg::OnCmdDeleteFactors() {
  CClassSecf* secf = SecfTable();
  int first = -1;
  POSITION pos = m_listFactor.GetFirstSelectedItemPosition();
  while (secf && pos) {
    const int row = m_listFactor.GetNextSelectedItem(pos);
    if (first < 0) first = row;
    if (!secf->TR_Del((UINT)m_listFactor.GetItemData(row))) break;
  }
  FillFactorList();
  int s = first;
  const int n = m_listFactor.GetItemCount();
  if (s >= n) s = n - 1;
  if (s >= 0) m_listFactor.SetItemState(s, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EnableFactorButtons();
}

void CCMSectScaleFactorDlg::ScaleStiffness(T_SECT_STIFFNESS& s, const T_SECF_D& f) {
  s.Area *= f.fArea;
  s.Asy *= f.fAsy;
  s.Asz *= f.fAsz;
  s.Ixx *= f.fIxx;
  s.Iyy *= f.fIyy;
  s.Izz *= f.fIzz;
  s.AreaAux *= f.fWgt;
}

void CCMSectScaleFactorDlg::ScaleSection(T_SECT_D& sect, const T_SECF_D& f) {
  for (T_SECT_SECTION_D* part : {&sect.Part1, &sect.Part2}) {
    ScaleStiffness(part->Stiff, f);
    ScaleStiffness(part->BaseA.Stiff, f);
    ScaleStiffness(part->BaseB.Stiff, f);
  }
}

void CCMSectScaleFactorDlg::OnCmdShowStiffness() {
  int last = -1;
  POSITION pos = m_listFactor.GetFirstSelectedItemPosition();
  while (pos) last = m_listFactor.GetNextSelectedItem(pos);
  if (last < 0) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_SECT_No_Selected_Scale_Fact", 0));
    return;
  }
  const UINT key = (UINT)m_listFactor.GetItemData(last);
  T_SECT_D sect;
  sect.Initialize();
  T_SECF_D f;
  f.Initialize();
  if (CClassSect* t = SectTable()) t->Get(key, sect);
  if (CClassSecf* t = SecfTable()) t->Get(key, f);
  ScaleSection(sect, f);
  CCMStiffDlg dlg(m_pDoc, &sect, this);
  dlg.SetInitPos(1, 0, 0);
  dlg.DoModal();
}
