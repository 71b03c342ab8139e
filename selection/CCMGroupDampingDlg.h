// The group-damping window: a modal dialog exported for the application, laid out for a
// default damping (a strain-energy proportional ratio, or mass and stiffness factors Alpha
// and Beta) and a table of damping values per element or boundary group. It is a frame
// only: it reads and stores nothing, its group-name drop-down and its table stay empty, and
// OK closes it. The Alpha edits (9889, 9891) start disabled. Edit and Delete without a
// selected table row tell "IDS_CMD_GRDP_No_Selected_Group_Damping".
#pragma once
#include "afx/CArray.h"
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CListCtrl.h"
#include "db/CEditUnit.h"
#include "db/T_GRUP_D.h"
#include "ui/CDlgMove.h"

class CDBDoc;

class CCMGroupDampingDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCMGroupDampingDlg)

 public:
  // The table's columns: title key and width.
  struct Column {
    const char* pszTitleKey;
    int nWidth;
  };
  static const Column kColumns[5];

  explicit CCMGroupDampingDlg(CWnd* pParent = nullptr);
  ~CCMGroupDampingDlg() override;

  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override { CDlgMove::OnCancel(); }

  void SetHeaderTitle();
  void SetGroupNameCombo();
  int Dlg2Data() { return 1; }
  CDBDoc* GetDocument() const { return m_pDoc; }

  void OnCmdBtnAdd();
  void OnCmdBtnModify();
  void OnCmdBtnDelete();
  void OnCmdGroupTypeRadio();
  void OnItemchangedCmdList(NMHDR* pNMHDR, LRESULT* pResult);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  // Kept for the table's rows; nothing calls them yet.
  CString GetGroupType(int nType) const;
  CString GetGroupName(int nType, UINT key) const;
  CString DataToStr(int nCol, int nType, const T_GRUP_D& rec) const;
  int InsertItem(int nData, const T_GRUP_D& rec);
  int IsUsedGrupData(int nType, UINT key) const;
  int Dlg2BaseData(T_GRUP_D& rec) const;

 private:
  // The selected row, -1 when none.
  int SelectedRow() const;
  // Selects and focuses the row (nothing for an empty table).
  void SelectRow(int nRow);

  CEditUnit m_editDefRatio;
  CEditUnit m_editDefAlpha;
  CEditUnit m_editDefBeta;
  CEditUnit m_editRatio;
  CEditUnit m_editAlpha;
  CEditUnit m_editBeta;
  CComboBox m_cobxName;
  CListCtrl m_list;
  CButton m_checkResponse;
  CUIntArray m_groupTypeIds;
  CDBDoc* m_pDoc;

  DECLARE_MESSAGE_MAP()
};
