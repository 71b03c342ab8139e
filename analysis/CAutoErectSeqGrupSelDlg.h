// The erection sequence's group picker: two lists of structure groups (name as text, key as
// item data), the groups not chosen and the chosen ones. ">>" and "<<" move the selected
// items, in order, to the end of the other list; "全选" and "全部解除" put every group of
// the model into the chosen or the unchosen list. Both lists start empty, and the choice
// is stored nowhere: OK ends the dialog with IDOK and leaves the chosen groups in their
// list (GetChosenKeys reads them while the dialog's window lives).
#pragma once
#include "afx/CArray.h"
#include "afx/CListBox.h"
#include "db/T_ERSQ_D.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class DB_CDataBase;
class CClassErsq;
class CClassGrup;

class CAutoErectSeqGrupSelDlg : public CDlgMove {
  DECLARE_DYNAMIC(CAutoErectSeqGrupSelDlg)

 public:
  CAutoErectSeqGrupSelDlg(CDBDoc* pDoc, DB_CDataBase* pDB, CClassErsq* pErsq, CClassGrup* pGrup,
                          CWnd* pParent = nullptr);

  // Keeps a copy of the record; nothing reads it.
  void SetInitData(T_ERSQ_D ersq) { m_ersq = ersq; }
  void GetChosenKeys(CUIntArray& keys) const;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnUnsel2Sel();
  void OnSel2Unsel();
  void OnSelAll();
  void OnUnselAll();

  void Data2Dlg() {}
  void Dlg2Data() {}
  BOOL ChangeDlgCtrls() { return TRUE; }
  static void Move(CListBox& from, CListBox& to);
  void PutAll(CListBox& into);

  CDBDoc* m_pDoc;
  DB_CDataBase* m_pDB;
  CClassErsq* m_pErsq;
  CClassGrup* m_pGrup;
  T_ERSQ_D m_ersq;
  CListBox m_listUnsel;
  CListBox m_listSel;

  DECLARE_MESSAGE_MAP()
};
