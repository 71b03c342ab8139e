// The section editor's page of steel-reinforced-concrete sections (iType 2, material kind
// 3): a concrete outline with a steel section in it, or, for "RH2T", two steel sections.
//
// The page offers the fourteen SRC shapes of the section-shape catalogue with their sizing
// pictures, the concrete outline's sizes (BaseB), and the steel part (BaseA) either typed
// (User) or taken from a steel-section database: one profile list and six size rows, or for
// "RH2T" two profile lists and eight size rows in a group that takes the same place. It
// attaches a composite ("SRC") material, picked in the composite material dialog or, when
// the section has none, the one the story data assign, else the model's first (with a
// warning). The preview draws the working record after every change.
//
// Sizes are shown in the current length unit and read back in it; a size left as shown
// keeps its stored value. A box-steel shape (RBO, RBC, CBO, CBC, EBC) keeps its fifth steel
// size in dSize[5] with dSize[4] 0. A profile list that selects a profile by itself (an
// empty or partial profile name matching an entry) makes the page take that profile's
// sizes, as choosing it would. The name follows a chosen profile while it is empty or names
// a profile of the chosen database.
//
// The page reads its controls over the record it holds (only a record of another kind is
// replaced, by a new SRC record that keeps its name), so the second part and the fields no
// page shows survive an edit; it saves through the page base (number checks, the scale
// factors written in the same undo step as the section, and only with it).
#pragma once
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CComboBoxEx.h"
#include "afx/CStatic.h"
#include "db/CEditUnit.h"
#include "db/CSectDB.h"
#include "db/CTextUnit.h"
#include "properties/CCMSectItemBase.h"
#include "properties/CCMSizeEdit.h"
#include "ui/CCobxAutoFill.h"

struct T_MATL_D;

class CCMSectItemSrc : public CCMSectItemBase {
  DECLARE_DYNAMIC(CCMSectItemSrc)

 public:
  explicit CCMSectItemSrc(CWnd* pParent = nullptr);
  ~CCMSectItemSrc() override;

  enum { STEEL_ROWS = 6, TWO_ROWS = 8, CONC_ROWS = 2 };
  // Steel modes: one steel section, two ("RH2T"), no steel controls.
  enum { STEEL_SINGLE = 1, STEEL_TWO = 2, STEEL_NONE = 3 };

  // The editor's page of kind 3, on the heap.
  static CCMSectItemBase* NewPage(int nKind);

  BOOL SaveData() override;
  int OnParentOK() override;
  int OnParentApply() override;
  void OnParentCalc() override;
  int Dlg2Data() override;

  int GetSteelMode() const { return m_nSteelMode; }
  int IsNameFollowing() const { return m_bNameFollows; }

 protected:
  BOOL OnInitDialog() override;
  void NewRecord() override;
  void FillControls() override { Data2Dlg(); }
  // The size check and computation, the steel part's scale factors kept.
  BOOL CheckAndCalc() override;

  void OnSelChangeShape();
  void OnDBChanged();
  void OnSourceClicked();
  void OnSelChangeProfile();
  void OnSelChangeProfile1();
  void OnSelChangeProfile2();
  void OnConcSizeChanged(UINT nID);
  void OnSteelSizeChanged(UINT nID);
  void OnTwoSizeChanged(UINT nID);
  void OnNumberChanged();
  void OnNameChanged();
  void OnNameSetFocus();
  void OnUpdateName();
  void OnDefineSrcMatl();

 private:
  void InitControls();
  void ArrangeSteelGroups();
  void ShowSteelGroup(int nMode);
  void Data2Dlg();
  void FillProfileList();
  void FillTwoProfileLists();
  void ShowSteelSizes();
  void ShowTwoSizes();
  void ShowConcreteSizes();
  void ShowPicture();
  void LoadProfile(const CString& strProfile);
  void LoadTwoProfile(int nWhich, const CString& strProfile);
  void FollowName(const CString& strProfile);
  void Repaint();
  // The composite material the section takes: its own when it names an "SRC" material,
  // else the one the story data assign, else the model's first (told). 0 when the model
  // has none (told).
  UINT ChooseSrcMatl(T_MATL_D& matl);

  BOOL IsDBRadio() const;
  CString ChosenDBName() const;
  int ShapeIndex() const;
  BOOL IsBoxSteel() const;
  // The steel size a single-steel row (0-based) shows: a box's fifth row is dSize[5].
  int SteelSlot(int nRow) const;

  CCobxAutoFill m_cbProfile2;
  CCobxAutoFill m_cbProfile1;
  CButton m_chkBuiltUp;
  CEditUnit m_editPc;
  CEditUnit m_editPs;
  CEditUnit m_editDsDc;
  CEditUnit m_editEsEc;
  CComboBox m_cbOffset;
  CCobxAutoFill m_cbProfile;
  CComboBox m_cbDBName;
  CComboBoxEx m_cbShape;
  CStatic m_stPicture;
  CStatic m_aConcTitle[CONC_ROWS];
  CCMSizeEdit m_aConcEdit[CONC_ROWS];
  CTextUnit m_aConcUnit[CONC_ROWS];
  CStatic m_aTitle[STEEL_ROWS];
  CCMSizeEdit m_aEdit[STEEL_ROWS];
  CTextUnit m_aUnit[STEEL_ROWS];
  CStatic m_aTwoTitle[TWO_ROWS];
  CCMSizeEdit m_aTwoEdit[TWO_ROWS];
  CTextUnit m_twoUnit;

  CUIntArray m_aSourceIDs;
  CUIntArray m_aConvIDs;
  CUIntArray m_aSteelIDs;
  CUIntArray m_aSingleIDs;
  CUIntArray m_aTwoIDs;
  CStringArray m_aSizeMenu;
  CStringArray m_aThickMenu;
  int m_nSteelMode;
  CSectDB* m_pSectDB;
  int m_bNameFollows;
  int m_bFilling;  // the page is writing its controls: their notifications change nothing

  DECLARE_MESSAGE_MAP()
};
