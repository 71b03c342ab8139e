// The section editor's page of value sections (iType 3): sections whose properties the user
// types instead of having them computed. The editor builds it only for an existing section
// of page kind 5, so a value section can be edited here but not created.
//
// The page shows the shape (from the section-shape catalogue's value kind, with its
// picture), the value grid (CCMSectItemGrid: the shape's sizes and sixteen typed
// properties, bound to the record's Part1.BaseA), the material kind (reinforced concrete 1,
// steel 2, user 4), the built-up flag (enabled only for a shape that names no steel-section
// database) and a preview. A new shape clears every size and value. A record of another
// kind is replaced by a new value section ("SB") that keeps only its name.
//
// Saving writes the record as read with what the page shows written over it (kind, material
// kind, number, name, shape, built-up flag, offset, the shown sizes and the sixteen values,
// AreaAux equal to Area), so the second part and the fields the page does not show survive;
// there is no size check, no computation and no scale-factor record. A grid cell that holds
// no number refuses the save (its warning shown, that cell current, nothing written); so do
// a missing shape ("IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_") and a number that is
// no key. Calculate does nothing here (the editor disables it).
#pragma once
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CComboBoxEx.h"
#include "afx/CStatic.h"
#include "properties/CCMSectItemBase.h"
#include "properties/CCMSectItemGrid.h"

class CCMSectItemVal : public CCMSectItemBase {
  DECLARE_DYNAMIC(CCMSectItemVal)

 public:
  explicit CCMSectItemVal(CWnd* pParent = nullptr);
  ~CCMSectItemVal() override;

  // The editor's page of kind 5, on the heap.
  static CCMSectItemBase* NewPage(int nKind);

  BOOL SaveData() override;
  int OnParentOK() override;
  int OnParentApply() override;
  void OnParentCalc() override;
  int Dlg2Data() override;

  CCMSectItemGrid& GetGrid() { return m_grid; }

 protected:
  BOOL OnInitDialog() override;
  void NewRecord() override;
  void FillControls() override;
  // Values are typed, not computed: saving neither checks sizes nor computes.
  BOOL CheckAndCalc() override;

  void OnShapeChanged();
  void OnNumberChange();
  void OnNameChange();
  void OnBuiltUpClicked();
  void OnNameSetFocus();
  void OnOffsetChanged();

 private:
  void SetUpControls();
  void ShowPicture();
  void Repaint();
  int ShapeIndex() const;

  int m_bFilling;  // the page is writing its controls: their notifications change nothing
  CCMSectItemGrid m_grid;
  CComboBox m_cbMatl;
  CComboBox m_cbOffset;
  CButton m_chkBuiltUp;
  CComboBoxEx m_cbShape;
  CStatic m_stPicture;

  DECLARE_MESSAGE_MAP()
};
