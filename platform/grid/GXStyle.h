// The style of a cell, row, column or the whole grid. Every attribute is either set
// ("included") or left to the style underneath: a cell's look is the standard style, then
// its column's style, then its row's, then its own (CGXGridWnd::ComposeStyleRowCol).
#pragma once
#include <map>
#include "afx/AfxTypes.h"
#include "afx/CString.h"

// Cell controls of the stand-in (the values are this grid library's own).
enum : UINT {
  GX_IDS_CTRL_EDIT = 52500,              // a text edit (the default)
  GX_IDS_CTRL_CHECKBOX = 52501,          // "0" or "1"
  GX_IDS_CTRL_PUSHBTN = 52502,           // a button showing the value
  GX_IDS_CTRL_STATIC = 52503,            // shows the value, no editing
  GX_IDS_CTRL_CBS_DROPDOWNLIST = 52510,  // a choice of the choice list only
  GX_IDS_CTRL_SELECTED_EDIT = 52520      // an edit drawn as selected (the selection look)
};

// User attributes of the drop-down list (CCmdPlanGrid sets them to "0", "0", "1").
enum : UINT { GX_IDS_UA_LIST_SORT = 53000, GX_IDS_UA_LIST_TEXTFIT = 53001, GX_IDS_UA_LIST_SHOWALL = 53002 };

// How one style changes another.
enum GXModifyType { gxOverride, gxApplyNew, gxCopy, gxExclude };

enum GXHorzAlign : int { GX_HA_LEFT = 0, GX_HA_CENTER = 1, GX_HA_RIGHT = 2 };

// Number formats of what a cell shows (CGXGridWnd::GetFormattedText): general (the text as
// written), fixed point ("%.*f") or exponent ("%.*e") with the style's places. A format
// changes only the text shown, and only of a text that reads as a number as a whole; the
// cell's value keeps the text written.
enum GXNumberFormat : UINT { GX_FMT_GEN = 0, GX_FMT_FIXED = 1, GX_FMT_SCIENTIFIC = 2 };

class CGXStyle {
 public:
  CGXStyle() = default;

  CGXStyle& SetValue(LPCTSTR s) { m_value = s ? s : ""; m_inc |= IncValue; return *this; }
  CGXStyle& SetValue(double d);
  const CString& GetValue() const { return m_value; }
  BOOL GetIncludeValue() const { return (m_inc & IncValue) != 0; }
  CGXStyle& SetIncludeValue(BOOL b) { return Inc(IncValue, b); }

  CGXStyle& SetReadOnly(BOOL b) { m_bReadOnly = b; m_inc |= IncReadOnly; return *this; }
  BOOL GetReadOnly() const { return m_bReadOnly; }
  BOOL GetIncludeReadOnly() const { return (m_inc & IncReadOnly) != 0; }
  CGXStyle& SetEnabled(BOOL b) { m_bEnabled = b; m_inc |= IncEnabled; return *this; }
  BOOL GetEnabled() const { return m_bEnabled; }
  BOOL GetIncludeEnabled() const { return (m_inc & IncEnabled) != 0; }

  CGXStyle& SetInterior(COLORREF c) { m_interior = c; m_inc |= IncInterior; return *this; }
  COLORREF GetInterior() const { return m_interior; }
  BOOL GetIncludeInterior() const { return (m_inc & IncInterior) != 0; }
  CGXStyle& SetTextColor(COLORREF c) { m_text = c; m_inc |= IncTextColor; return *this; }
  COLORREF GetTextColor() const { return m_text; }
  BOOL GetIncludeTextColor() const { return (m_inc & IncTextColor) != 0; }

  CGXStyle& SetControl(UINT id) { m_control = id; m_inc |= IncControl; return *this; }
  UINT GetControl() const { return m_control; }
  BOOL GetIncludeControl() const { return (m_inc & IncControl) != 0; }
  // Choices separated by "\n" (a trailing "\n" ends the last one).
  CGXStyle& SetChoiceList(LPCTSTR s) { m_choices = s ? s : ""; m_inc |= IncChoices; return *this; }
  const CString& GetChoiceList() const { return m_choices; }
  BOOL GetIncludeChoiceList() const { return (m_inc & IncChoices) != 0; }
  // Non-zero when text is one of the choices.
  BOOL IsChoice(const CString& text) const;

  CGXStyle& SetHorizontalAlignment(int a) { m_align = a; m_inc |= IncAlign; return *this; }
  int GetHorizontalAlignment() const { return m_align; }
  CGXStyle& SetFontSize(int n) { m_fontSize = n; m_inc |= IncFontSize; return *this; }
  int GetFontSize() const { return m_fontSize; }
  CGXStyle& SetFontWeight(int n) { m_fontWeight = n; m_inc |= IncFontWeight; return *this; }
  int GetFontWeight() const { return m_fontWeight; }
  // The font's face name (UTF-8); empty: the grid's default face.
  CGXStyle& SetFaceName(LPCTSTR s) { m_faceName = s ? s : ""; m_inc |= IncFaceName; return *this; }
  const CString& GetFaceName() const { return m_faceName; }
  BOOL GetIncludeFaceName() const { return (m_inc & IncFaceName) != 0; }

  CGXStyle& SetFormat(UINT f) { m_format = f; m_inc |= IncFormat; return *this; }
  UINT GetFormat() const { return m_format; }
  BOOL GetIncludeFormat() const { return (m_inc & IncFormat) != 0; }
  // Decimal places of the format (0 to 15; others are taken as the nearest).
  CGXStyle& SetPlaces(int n) { m_places = n; m_inc |= IncPlaces; return *this; }
  int GetPlaces() const { return m_places; }
  BOOL GetIncludePlaces() const { return (m_inc & IncPlaces) != 0; }
  // text as the format shows it (see GXNumberFormat).
  CString FormatText(const CString& text) const;

  CGXStyle& SetUserAttribute(UINT id, LPCTSTR s) { m_user[id] = s ? s : ""; return *this; }
  // The attribute's text; empty when it is not set.
  CString GetUserAttribute(UINT id) const;

  // Applies other onto this: gxOverride takes every attribute other sets; gxApplyNew only
  // those this does not set yet; gxCopy makes this a copy of other; gxExclude removes from
  // this the attributes other sets.
  CGXStyle& ChangeStyle(const CGXStyle& other, GXModifyType mt);
  void Free() { *this = CGXStyle(); }
  BOOL IsEmpty() const { return m_inc == 0 && m_user.empty(); }

 private:
  enum : UINT {
    IncValue = 1, IncReadOnly = 2, IncEnabled = 4, IncInterior = 8, IncTextColor = 16,
    IncControl = 32, IncChoices = 64, IncAlign = 128, IncFontSize = 256, IncFontWeight = 512,
    IncFaceName = 1024, IncFormat = 2048, IncPlaces = 4096
  };
  CGXStyle& Inc(UINT bit, BOOL b) {
    if (b) m_inc |= bit; else m_inc &= ~bit;
    return *this;
  }
  UINT m_inc = 0;
  CString m_value;
  BOOL m_bReadOnly = FALSE;
  BOOL m_bEnabled = TRUE;
  COLORREF m_interior = 0xFFFFFF;
  COLORREF m_text = 0;
  UINT m_control = GX_IDS_CTRL_EDIT;
  CString m_choices;
  int m_align = GX_HA_LEFT;
  int m_fontSize = 9;
  int m_fontWeight = 400;
  CString m_faceName;
  UINT m_format = GX_FMT_GEN;
  int m_places = 2;
  std::map<UINT, CString> m_user;
};
