// Stiffness scale factors of sections: the engineer selects sections in the upper list,
// types seven factors (area, Asy, Asz, Ixx, Iyy, Izz, weight) and adds them, replacing the
// factors a section had; the lower list shows every section that has factors, whose rows
// can be deleted, or shown as the section's property table scaled by the factors (the
// stored section is left as it is).
//
// Each add or delete writes at once, one CClassSecf transaction per section, in list
// order; a refused transaction ends the operation at that section (what was written
// before stays written) and the factor list is refilled, so it shows what the table
// holds. The dialog follows no update records: it fills its lists at start and the factor
// list after every add and delete. Both lists hold each row's section key as item data and
// are ordered by key.
//
// Selecting a section selects exactly its factor row (and loads its factors into the
// edits) or none; selecting a factor row selects exactly its section. A factor that is
// negative or no number stops Add ("IDS_WG_CMD_SECT_SCALE_FACTOR_NOT_NEGATIVE", the first
// such edit focused); Show without a factor row says "IDS_CMD_SECT_No_Selected_Scale_Fact".
#pragma once
#include "afx/CListCtrl.h"
#include "db/CEditUnit.h"
#include "db/SectRecord.h"
#include "ui/CDlgMove.h"

class CDBDoc;
class CMDBCtrl;
class CClassSect;
class CClassSecf;

class CCMSectScaleFactorDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCMSectScaleFactorDlg)

 public:
  explicit CCMSectScaleFactorDlg(CWnd* pParent = nullptr);

  // Multiplies Area, Asy, Asz, Ixx, Iyy, Izz of the block by the factors and its weight
  // entry (AreaAux) by fWgt.
  static void ScaleStiffness(T_SECT_STIFFNESS& stiff, const T_SECF_D& factors);
  // The section with each of its six stiffness blocks scaled.
  static void ScaleSection(T_SECT_D& sect, const T_SECF_D& factors);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCmdAddReplace();
  void OnCmdDeleteFactors();
  void OnCmdShowStiffness();
  void OnItemchangedSectionList(NMHDR* pNMHDR, LRESULT* pResult);
  void OnClickSectionList(NMHDR* pNMHDR, LRESULT* pResult);
  void OnItemchangedFactorList(NMHDR* pNMHDR, LRESULT* pResult);
  void OnClickFactorList(NMHDR* pNMHDR, LRESULT* pResult);

  void InitSectionColumns();
  void InitFactorColumns();
  void FillSectionList();
  void FillFactorList();
  // The seven factors, or FALSE (with the message, the edit focused) at the first one that
  // is not a number at least 0.
  BOOL CheckFactors(T_SECF_D& factors);
  void ShowFactors(const T_SECF_D& factors);

  CEditUnit m_edit[7];
  CListCtrl m_listFactor;
  CListCtrl m_listSect;
  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDBCtrl;

 private:
  CClassSect* SectTable() const;
  CClassSecf* SecfTable() const;
  // Selects exactly the row of key (none when no row has it).
  static void SelectOnly(CListCtrl& list, UINT key);
  static int InsertByKey(CListCtrl& list, UINT key, const CString& text);
  void EnableFactorButtons();
  BOOL m_bSyncing;  // a selection made by the dialog itself is not answered again

  DECLARE_MESSAGE_MAP()
};
