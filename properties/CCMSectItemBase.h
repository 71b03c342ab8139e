// The base of the section editor's pages (CCMSectItemDlg): each page holds its own working
// copy of a section record, shows it with its controls and a preview, and writes it to the
// section table itself.
//
// What every page answers (the four operations a page must give):
//   OnParentOK     save (SaveData); non-zero on success
//   OnParentApply  save and prepare the next edit; non-zero on success
//   OnParentCalc   compute the section and show its property table
//   Dlg2Data       read the controls into the record (and the number edit into the new
//                  key); 0 when the input is incomplete, after the page said why
// The base carries the contract out in SaveSection, ApplySection, CalcSection and
// InitPageCommon, which pages call from their own operations:
//   SaveSection: Dlg2Data; check the sizes (CClassSect::CheckSectSize) and compute
//     (CSectUtil::CalcSectData), else "IDS_WG_CMD__ADDD__Error___Can_t_calculate_stiffness"
//     (CheckAndCalc; a page of typed values does neither);
//     then TR_Modify (old key, new key) in edit mode, TR_Add (new key) in add mode. A
//     number that is no key (ReadNumberEdit gives 0), or in add mode a key another section
//     holds, is refused as a refused write is: 0, nothing written, no message. When
//     the property table was confirmed since the last save, the section's scale factors
//     (the six factors of its proper stiffness block, fWgt as T_SECF_D::Initialize gives)
//     are written under the new key in the same undo step, and only when the section was
//     written: a refused section write leaves both tables as they were and keeps the
//     factors pending for the next save. A renumbered section takes its stored factors
//     along (CClassSect::TR_Modify).
//   ApplySection: SaveSection; edit mode: the old key becomes the new key; add mode: the
//     new key becomes the table's next free key, shown ("%d") in the number edit, and the
//     focus goes to the control the page names.
//   CalcSection: Dlg2Data and the check and compute of SaveSection; in edit mode the
//     stored scale factors of the section (under the key it is stored under; defaults when
//     it has none) go into the record's proper stiffness block; then the property table
//     (CCMStiffDlg) runs, and any answer but Cancel marks the factors to be saved.
//   InitPageCommon (from the page's OnInitDialog, after the page set its preview and its
//     own controls up): a page in add mode, first time only, takes the key an Apply on
//     another tab handed over, else the given key, else the table's next free key, and a
//     new record of its kind (NewRecord); the record goes to the
//     preview; the number edit (14155) shows the new key ("%ld"), FillControls shows the
//     record, and the number edit is disabled when the page mode is non-zero.
//
// Return and Escape in a page are not pre-translated: the focused control receives them and
// they neither confirm nor cancel the editor.
#pragma once
#include "db/CDBDoc.h"
#include "db/SectRecord.h"
#include "properties/CCMSecViewWnd.h"
#include "ui/CDlgChild.h"

class CImageList;
class CBitmap;
class CComboBoxEx;
class CStatic;

class CCMSectItemBase : public CDlgChild {
  DECLARE_DYNAMIC(CCMSectItemBase)

 public:
  CCMSectItemBase(UINT nIDTemplate, CWnd* pParent);
  ~CCMSectItemBase() override;

  virtual int OnParentOK() = 0;
  virtual int OnParentApply() = 0;
  virtual void OnParentCalc() = 0;
  virtual int Dlg2Data() = 0;

  // Edit mode: old key = new key = key, the record copied, the modify flag set.
  void SetModifyData(UINT nKey, const T_SECT_D& sect);
  // Add mode under a given key.
  void SetSectID(UINT nKey);
  void SetMode(int nMode) { m_nMode = nMode; }

  UINT GetOldKey() const { return m_nOldKey; }
  UINT GetNewKey() const { return m_nNewKey; }
  void SetNewKey(UINT nKey) { m_nNewKey = nKey; }
  void SetOldKey(UINT nKey) { m_nOldKey = nKey; }
  BOOL IsModify() const { return m_bModify; }
  BOOL IsFactorsChanged() const { return m_bFactorsChanged; }
  const T_SECT_D& GetSect() const { return m_sect; }

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  int SaveSection();
  int ApplySection(UINT nFocusID);
  void CalcSection();
  void InitPageCommon();

  // A new record of the page's kind (InitPageCommon in add mode).
  virtual void NewRecord() = 0;
  // Shows m_sect in the page's controls.
  virtual void FillControls() = 0;

  // Dlg2Data's part that every page shares: the new key is atol of the number edit, or 0
  // when that is not 1 to INT_MAX.
  void ReadNumberEdit();
  // The size check and computation of the record; 0 when either refuses. A page whose
  // values are typed answers 1 without either.
  virtual BOOL CheckAndCalc();
  // Fills a shape list from the section-shape catalogue's kind (CCMSectInfo): each shape's
  // 25 x 25 picture (into a new image list that replaces the page's), name, and its shape
  // index as item data; item 0 selected. When the catalogue fails the list is left as it was.
  void FillShapeCombo(CComboBoxEx& cb, UINT nKind);
  // Shows bitmap nID of the module's resources on a picture control (the page keeps the
  // bitmap and deletes the one shown before); nID 0 clears the picture. A bitmap that
  // cannot be loaded leaves the picture as it was (0).
  BOOL SetPicture(CStatic& st, UINT nID);

  CDBDoc* m_pDoc;
  CMDBCtrl* m_pMDB;
  CImageList* m_pImageList;
  CBitmap* m_pBitmap;
  CCMSecViewWnd m_wndView;
  int m_bInitialized;
  int m_bModify;
  int m_bFactorsChanged;
  UINT m_nOldKey;
  UINT m_nNewKey;
  int m_nMode;
  int m_bSectID;
  UINT m_nSectID;
  T_SECT_D m_sect;
};
