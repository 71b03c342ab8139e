// The base of the section editor's pages (CCMSectItemDlg). Each page holds its own working
// copy of a section record, shows it in its controls and a preview, and writes it to the
// section table itself; a page answers OnParentOK (save), OnParentApply (save, then go on
// with the next edit), OnParentCalc (the property table) and Dlg2Data (controls to record,
// 0 once the page told the user what is missing), through the shared steps below.
//
// Rules every page keeps:
// - A save writes the section under the number edit's key: edit mode modifies the section
//   from its old key to that key, add mode adds it. A number that is no key (empty, not a
//   number, 0, negative, past INT_MAX), and in add mode a key another section holds,
//   write nothing: the user is told ("IDS_CMD_SECT_NUMBER_INVALID",
//   "IDS_CMD_SECT_NUMBER_IN_USE_u") and the number edit takes the focus.
// - Sizes the size check refuses or that cannot be computed write nothing
//   ("IDS_WG_CMD__ADDD__Error___Can_t_calculate_stiffness"); a page of typed values has
//   neither step.
// - Scale factors confirmed in the property table since the last save go with the section
//   (the six factors of its proper stiffness block) in one undo step, written only when
//   the section is; a refused save keeps them pending. A renumbered section takes its
//   stored factors along.
// - After an Apply, edit mode goes on under the new key; add mode under the table's next
//   free key, which every page not opened yet takes over when first shown (before the
//   given key, before the next free key).
// - The number edit is disabled while the page mode is non-zero.
// - Return and Escape go to the focused control: they neither confirm nor cancel.
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
