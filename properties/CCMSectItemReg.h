// The section editor's page of regular sections (iType 1): solid, rolled and built-up
// shapes of one material. The editor makes it twice, as the concrete page and as the
// steel page (SetMatlKind 1 or 2 before the window exists).
//
// The page offers its kind's shapes from the section-shape catalogue, the size rows the
// section library titles for the shape, and (steel) the profiles of the steel-section
// database; it names a new section from its sizes or profile while the user has not named
// it, and shows the section in a preview.
//
// Sizes are shown in the current length unit and read back in it, so saving never rescales
// a section. The page keeps the record it was given (or made) and writes over it only what
// its controls show (kind, name, shape, offset, the first shape's database, profile, build
// and sizes), so the record's second part and the fields no page shows survive an edit;
// a record of another kind is replaced by a new regular record that keeps only its name.
#pragma once
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CComboBoxEx.h"
#include "afx/CStatic.h"
#include "db/CSectDB.h"
#include "db/CTextUnit.h"
#include "properties/CCMSectItemBase.h"
#include "properties/CCMSizeEdit.h"
#include "ui/CCobxAutoFill.h"

class CCMSectItemReg : public CCMSectItemBase {
  DECLARE_DYNAMIC(CCMSectItemReg)

 public:
  explicit CCMSectItemReg(CWnd* pParent = nullptr);
  ~CCMSectItemReg() override;

  enum { SIZE_ROWS = 8 };

  // The editor's page of kind 1 (concrete) or 2 (steel), on the heap.
  static CCMSectItemBase* NewPage(int nKind);

  // 1 concrete, 2 steel; also the record's iMatlType.
  void SetMatlKind(int nKind);
  int GetMatlKind() const { return m_nMatlKind; }

  BOOL SaveData() override;
  int OnParentOK() override;
  int OnParentApply() override;
  void OnParentCalc() override;
  int Dlg2Data() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The row (1 to 8) shown at the top of the size rows.
  int GetFirstSizeRow() const { return m_nFirstSizeRow; }
  int IsAutoName() const { return m_bAutoName; }

 protected:
  BOOL OnInitDialog() override;
  void NewRecord() override;
  void FillControls() override;

  // Handlers.
  void OnShapeChanged();
  void OnDBChanged();
  void OnSourceClicked();
  void OnProfileChosen();
  void OnSingleDBChosen();
  void OnSingleSectChosen();
  void OnSizeChanged(UINT nID);
  void OnBuiltUpClicked();
  void OnNameSetFocus();
  void OnNameUpdate();
  void OnPiecesChanged();
  void OnComboTypeChanged();
  void OnOffsetChanged();
  void OnPresetChosen();

 private:
  void SetUpControls();
  void LayOut();
  void FillShapeList();
  void FillProfileList();
  void ApplyBuiltUp();
  void ShowSizeRows();
  // Places row order[k] at place k; Tab runs through the rows below nShown in that order.
  void ArrangeRows(const int* order, int nShown);
  void ShowSourceGroups();
  void ShowPicture();
  void ShowLightSteel();
  void ShowPresets();
  void FillComboTypes(int nPieces);
  void FillSingleSections();
  void LoadProfile(const CString& strProfile);
  void Repaint();

  BOOL IsDBRadio() const;
  void SetSourceRadio(BOOL bDB);
  CString ChosenDBName() const;
  int ShapeIndex() const;
  // The size of row n (0-based) as stored: the concrete box's fifth row is dSize[5].
  int SizeSlot(int nRow) const;
  CString LightSteelCode() const;
  void ShowGroup(const CUIntArray& ids, BOOL bShow, BOOL bEnable);
  void MoveGroup(const UINT* ids, int nCount, UINT nFrom, UINT nTo);

  CUIntArray m_aSingleIDs;
  CUIntArray m_aSourceIDs;
  CUIntArray m_aCutIDs;
  CUIntArray m_aLightIDs;
  CStringArray m_aSizeMenu;
  CStringArray m_aThickMenu;
  int m_bAutoName;
  int m_nMatlKind;
  int m_nFirstSizeRow;
  int m_bFilling;  // the page is writing its controls: their notifications change nothing

  CComboBoxEx m_cbShape;
  CComboBox m_cbDBName;
  CCobxAutoFill m_cbProfile;
  CButton m_chkBuiltUp;
  CComboBox m_cbOffset;
  CComboBox m_cbSingleDB;
  CCobxAutoFill m_cbSingleSect;
  CComboBox m_cbPieces;
  CComboBox m_cbComboType;
  CCobxAutoFill m_cbPreset;
  CStatic m_stPicture;
  CStatic m_aTitle[SIZE_ROWS];
  CCMSizeEdit m_aEdit[SIZE_ROWS];
  CTextUnit m_aUnit[SIZE_ROWS];
  CSectDB* m_pSectDB;

  CRect m_rcTitleSlot[SIZE_ROWS];  // title and edit places, top to bottom
  CRect m_rcEditSlot[SIZE_ROWS];
  int m_aRowOrder[SIZE_ROWS];      // rows (0-based) top to bottom

  DECLARE_MESSAGE_MAP()
};
