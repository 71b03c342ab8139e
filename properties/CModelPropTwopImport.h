// The import of wall-opening types from another model file. The caller constructs the
// dialog, hands it the other file's path (ImportFile, which reads that file's types once)
// and runs it; the dialog offers no file choice itself. The types read show on the left in
// file order as "NAME (W * H - S)"; the user moves the wanted ones to the right (">", "<",
// a double click, "全部" all, "无" none); both lists always keep file order.
//
// OK writes the types of the right list, in its order, in one transaction:
//   keep the numbers (the first radio): each type goes under its own key in the other
//     file, replacing the type of that key in this model;
//   renumber: the types take the keys from the start number upward in the right list's
//     order, passing over keys this model already uses (nothing is replaced). The start
//     number must be a whole number from 1; it starts as the table's next free key and
//     steps by the up-down control (the up arrow adds one, the down arrow takes one off
//     down to 1).
// A write the database refuses leaves the dialog open with both lists as they were. A file
// ImportFile could not read is told when the dialog opens (its lists stay empty).
#pragma once
#include "afx/CArray.h"
#include "afx/CEdit.h"
#include "afx/CListCtrl.h"
#include "afx/CSpinButtonCtrl.h"
#include "db/T_TWOP_D.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;

class CModelPropTwopImport : public CDlgMove {
  DECLARE_DYNAMIC(CModelPropTwopImport)

 public:
  explicit CModelPropTwopImport(CWnd* pParent = nullptr);

  // Reads the types of the model file at the path; the table's result (0: not read).
  int ImportFile(const char* pszPath);
  // The row text of a type; the key is not used.
  CString GetTwopString(UINT key, const T_TWOP_D& rec) const;
  void InitList();

  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void OnChooseAll();
  void OnChooseNone();
  void OnMoveLeft();
  void OnMoveRight();
  void OnNumbering();
  void OnDeltaposStart(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDblclkLeft(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDblclkRight(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  // Empties the list and fills it with every type read, in file order.
  void FillAll(CListCtrl& list);
  void EnableStart();

  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  CUIntArray m_keys;
  CArray<T_TWOP_D> m_recs;
  CListCtrl m_listLeft;
  CListCtrl m_listRight;
  int m_nNumbering = 0;
  CEdit m_editStart;
  CSpinButtonCtrl m_spinStart;
  int m_nImported = -1;  // -1 no file handed in, else ImportFile's result
  CString m_strPath;

  DECLARE_MESSAGE_MAP()
};
