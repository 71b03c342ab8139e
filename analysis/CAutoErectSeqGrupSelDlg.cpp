#include "analysis/CAutoErectSeqGrupSelDlg.h"

#include <vector>

#include "afx/CDataExchange.h"
#include "db/CClassGrup.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CAutoErectSeqGrupSelDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CAutoErectSeqGrupSelDlg, CDlgMove)
  ON_BN_CLICKED(IDC_ERSQ_TO_CHOSEN, &CAutoErectSeqGrupSelDlg::OnUnsel2Sel)
  ON_BN_CLICKED(IDC_ERSQ_TO_UNCHOSEN, &CAutoErectSeqGrupSelDlg::OnSel2Unsel)
  ON_BN_CLICKED(IDC_ERSQ_ALL_CHOSEN, &CAutoErectSeqGrupSelDlg::OnSelAll)
  ON_BN_CLICKED(IDC_ERSQ_ALL_UNCHOSEN, &CAutoErectSeqGrupSelDlg::OnUnselAll)
  ON_BN_CLICKED(IDC_ERSQ_APPLY, &CAutoErectSeqGrupSelDlg::OnOK)
  ON_BN_CLICKED(IDC_ERSQ_CLOSE, &CAutoErectSeqGrupSelDlg::OnCancel)
END_MESSAGE_MAP()

CAutoErectSeqGrupSelDlg::CAutoErectSeqGrupSelDlg(CDBDoc* pDoc, DB_CDataBase* pDB, CClassErsq* pErsq,
                                                 CClassGrup* pGrup, CWnd* pParent)
    : CDlgMove(IDD_CMD_AUTO_ERECT_GRUP, pParent), m_pDoc(pDoc), m_pDB(pDB), m_pErsq(pErsq), m_pGrup(pGrup) {
  m_ersq.Initialize();
}

void CAutoErectSeqGrupSelDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ERSQ_UNCHOSEN, m_listUnsel);
  DDX_Control(pDX, IDC_ERSQ_CHOSEN, m_listSel);
}

BOOL CAutoErectSeqGrupSelDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  Data2Dlg();
  ChangeDlgCtrls();
  return TRUE;
}

void CAutoErectSeqGrupSelDlg::OnOK() {
  Dlg2Data();
  CDialog::OnOK();
}

void CAutoErectSeqGrupSelDlg::Move(CListBox& from, CListBox& to) {
  const int n = from.GetSelCount();
  if (n <= 0) return;
  std::vector<int> rows((size_t)n);
  from.GetSelItems(n, rows.data());
  for (int r : rows) {
    CString text;
    from.GetText(r, text);
    const int at = to.AddString(text);
    to.SetItemData(at, from.GetItemData(r));
  }
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) from.DeleteString((UINT)*it);
}

void CAutoErectSeqGrupSelDlg::PutAll(CListBox& into) {
  if (!m_pGrup) return;
  CUIntArray keys;
  CArray<T_GRUP_D> groups;
  m_pGrup->GetList(keys, groups);
  if (keys.GetSize() == 0) return;
  m_listUnsel.ResetContent();
  m_listSel.ResetContent();
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    const int at = into.AddString(groups[i].name);
    into.SetItemData(at, keys[i]);
  }
}

void CAutoErectSeqGrupSelDlg::OnUnsel2Sel() { Move(m_listUnsel, m_listSel); }
void CAutoErectSeqGrupSelDlg::OnSel2Unsel() { Move(m_listSel, m_listUnsel); }
void CAutoErectSeqGrupSelDlg::OnSelAll() { PutAll(m_listSel); }
void CAutoErectSeqGrupSelDlg::OnUnselAll() { PutAll(m_listUnsel); }

void CAutoErectSeqGrupSelDlg::GetChosenKeys(CUIntArray& keys) const {
  keys.RemoveAll();
  if (!m_listSel.m_hWnd) return;
  for (int i = 0; i < m_listSel.GetCount(); ++i) keys.Add((UINT)m_listSel.GetItemData(i));
}
