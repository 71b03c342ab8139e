// The items of a property list (CPropList): a group (CBCGPProp with IsGroup) or a row
// (CCmbBtnProp). A row has a label, a kind (PROP_COLTYPE), a value, and where its kind
// allows, a choice list with a selected position, item data per choice, and a strip of
// buttons each carrying an id.
//
// Values are variants (CPropVariant): an int, a real, a text, or empty. Shown texts: an
// int with "%d", a real with "%g", a text as it is. A choice row (kinds 5 and 6) shows its
// selected choice; a selected position outside the choices shows an empty value. A choice
// row built with a number (flag 1: the beta-angle row) holds that number as its value and
// shows it, whichever choice is selected.
//
// Items belong to their list: the list creates and deletes them; a pointer to an item is
// valid until the list is emptied (RemoveAll) or destroyed.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "afx/CString.h"

// Row kinds.
enum PROP_COLTYPE {
  PROP_COL_STATIC = 0,     // read-only value
  PROP_COL_EDIT = 1,       // editable number
  PROP_COL_TEXT_CMD2 = 2,  // text with a button strip (second look)
  PROP_COL_TEXT_CMD = 3,   // text with a button strip
  PROP_COL_COMBO = 5,      // choice list
  PROP_COL_COMBO_EDIT = 6  // choice list that also takes a typed number
};

class CPropVariant {
 public:
  enum Type { VT_EMPTY = 0, VT_INT, VT_REAL, VT_TEXT };

  CPropVariant() = default;
  explicit CPropVariant(int n) : m_type(VT_INT), m_n(n) {}
  explicit CPropVariant(double d) : m_type(VT_REAL), m_d(d) {}
  explicit CPropVariant(const CString& s) : m_type(VT_TEXT), m_s(s) {}

  Type GetType() const { return m_type; }
  // As a number: an int or real as it is; a text read as a real (blanks around allowed).
  // An empty value or a text that is no number gives 0 and *pOk FALSE.
  double ToDouble(BOOL* pOk = nullptr) const;
  // As a text: what the row shows for this value.
  CString ToText() const;
  // Same type and value (reals compared exactly).
  bool operator==(const CPropVariant& o) const;
  bool operator!=(const CPropVariant& o) const { return !(*this == o); }

 private:
  Type m_type = VT_EMPTY;
  int m_n = 0;
  double m_d = 0.0;
  CString m_s;
};

class CPropList;

class CBCGPProp {
 public:
  CBCGPProp(CPropList* pList, const CString& name, BOOL bGroup, CBCGPProp* pGroup);
  virtual ~CBCGPProp();
  CBCGPProp(const CBCGPProp&) = delete;
  CBCGPProp& operator=(const CBCGPProp&) = delete;

  const CString& GetName() const { return m_strName; }
  BOOL IsGroup() const { return m_bGroup; }
  // The group a row belongs to; NULL for a group or a row added before any group.
  CBCGPProp* GetParent() const { return m_pGroup; }
  CPropList* GetList() const { return m_pList; }

  // Groups: collapsed until expanded (CPropList::ExpandAll).
  BOOL IsExpanded() const { return m_bExpanded; }
  void Expand(BOOL bExpand = TRUE) { m_bExpanded = bExpand; }

  const CPropVariant& GetValue() const { return m_value; }
  // The owner sets the value; nothing is sent. On a choice row a text selects the choice of
  // that text (none when no choice has it).
  virtual void SetValue(const CPropVariant& value) { m_value = value; }
  // The text the row shows.
  virtual CString FormatProperty() const { return m_value.ToText(); }

 protected:
  CPropVariant m_value;

 private:
  CPropList* m_pList;
  CString m_strName;
  BOOL m_bGroup;
  CBCGPProp* m_pGroup;
  BOOL m_bExpanded = FALSE;
};

// A row of the list.
class CCmbBtnProp : public CBCGPProp {
 public:
  CCmbBtnProp(CPropList* pList, const CString& name, PROP_COLTYPE kind, CBCGPProp* pGroup);

  PROP_COLTYPE GetColType() const { return m_kind; }
  // Kinds 5 and 6.
  BOOL IsChoiceRow() const { return m_kind == PROP_COL_COMBO || m_kind == PROP_COL_COMBO_EDIT; }
  // A kind-6 row built with a number (flag 1): its value is a number.
  BOOL HoldsNumber() const { return m_bNumber; }

  const CStringArray& GetChoices() const { return m_choices; }
  const CUIntArray& GetItemDataArray() const { return m_data; }
  const CUIntArray& GetButtons() const { return m_buttons; }
  int GetBitmap() const { return m_nBitmap; }
  // The selected position; may lie outside the choices (nothing selected).
  int GetSelected() const { return m_nSel; }

  // The id of button index of the strip; 0 outside the strip.
  UINT GetMessageByIndex(int index) const;
  // The item data of the selected choice; 0 when nothing is selected or the row has none.
  UINT GetCmbItemData() const;

  void SetValue(const CPropVariant& value) override;
  CString FormatProperty() const override;

  // ---- Set up by the list ----
  void SetChoices(const CStringArray& choices, const CUIntArray* pData, BOOL bNumber, double number, int sel);
  void SetButtons(const CUIntArray& buttons, int bitmap);
  // The user picks choice index (in range) / types a text or number; the value and the
  // selection follow. 0 when the row does not take it.
  BOOL TakeChoice(int index);
  BOOL TakeText(const CString& text);
  void Restore(const CPropVariant& value, int sel) { m_value = value, m_nSel = sel; }

 private:
  int FindChoice(const CString& text) const;

  PROP_COLTYPE m_kind;
  CStringArray m_choices;
  CUIntArray m_data;
  CUIntArray m_buttons;
  int m_nBitmap = 0;
  int m_nSel = -1;
  BOOL m_bNumber = FALSE;
};
