// The import of beam load types from another model file. The caller constructs the dialog,
// hands it the file's path (ImportFile, which reads the file's types once) and runs it;
// the dialog offers no file choice itself. The file's types show by name on the left in
// file order; the user moves the wanted ones to the right (">", "<", a double click, "全部"
// all, "无" none); both lists always keep file order.
//
// OK adds the types of the right list, in its order, in one transaction, each named by the
// prefix, its name in the file and the suffix, with the file's loads, description and
// leading word; the table gives the keys. Nothing chosen adds nothing. A write the
// database refuses leaves the dialog open with its lists as they were, the names as read
// from the file and both affixes emptied. A file ImportFile could not read is told when
// the dialog opens ("IDS_CMD_BLTP_Cannot_Read_File_s" with the path); its lists stay empty.
#pragma once
#include "afx/CArray.h"
#include "afx/CEdit.h"
#include "afx/CListCtrl.h"
#include "db/T_BLTP_D.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;

class CMembLoadImport : public CDlgMove {
  DECLARE_DYNAMIC(CMembLoadImport)

 public:
  explicit CMembLoadImport(CWnd* pParent = nullptr);

  // Reads the types of the model file at the path (the arrays emptied when it cannot be
  // read); the table's result (0: not read).
  int ImportFile(const char* pszPath);

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnChooseAll();
  void OnChooseNone();
  void OnMoveToChosen();
  void OnMoveBack();
  void OnDblclkAvailable(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDblclkChosen(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  // Empties the list and fills it with every type read, in file order.
  void FillAll(CListCtrl& list);

  CString m_strSuffix;
  CString m_strPrefix;
  CListCtrl m_listChosen;
  CListCtrl m_listAvailable;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  CUIntArray m_keys;
  CArray<T_BLTP_D> m_recs;
  CString m_strPath;
  int m_nRead = -1;  // -1 no file handed in, else ImportFile's result

  DECLARE_MESSAGE_MAP()
};
