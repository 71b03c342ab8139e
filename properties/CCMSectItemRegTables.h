// What the files of the regular section page share: control ids by row, menus, presets,
// pictures, the orders of the size rows, and small control helpers.
#pragma once
#include "afx/AfxMessageBox.h"
#include "afx/CComboBox.h"
#include "afx/CString.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

namespace SectRegPage {

inline const char* const kInvalidShape = "IDS_CMD_SECT_Err_Invalid_SecShape";
inline const char* const kNoShape = "IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_";

inline const UINT kTitleIDs[] = {IDC_SECT_REG_TITLE1, IDC_SECT_REG_TITLE2, IDC_SECT_REG_TITLE3,
                                 IDC_SECT_REG_TITLE4, IDC_SECT_REG_TITLE5, IDC_SECT_REG_TITLE6,
                                 IDC_SECT_REG_TITLE7, IDC_SECT_REG_TITLE8};
inline const UINT kEditIDs[] = {IDC_SECT_REG_SIZE1, IDC_SECT_REG_SIZE2, IDC_SECT_REG_SIZE3,
                                IDC_SECT_REG_SIZE4, IDC_SECT_REG_SIZE5, IDC_SECT_REG_SIZE6,
                                IDC_SECT_REG_SIZE7, IDC_SECT_REG_SIZE8};
inline const UINT kUnitIDs[] = {IDC_SECT_REG_UNIT1, IDC_SECT_REG_UNIT2, IDC_SECT_REG_UNIT3,
                                IDC_SECT_REG_UNIT4, IDC_SECT_REG_UNIT5, IDC_SECT_REG_UNIT6,
                                IDC_SECT_REG_UNIT7, IDC_SECT_REG_UNIT8};
inline const UINT kCutGroup[] = {IDC_SECT_REG_CUT_FRAME, IDC_SECT_REG_CUT_LABEL, IDC_SECT_REG_CUT_FLAME,
                                 IDC_SECT_REG_CUT_SHEAR};

inline const char* const kSizeMenu[] = {"0.2", "0.25", "0.3", "0.35", "0.4", "0.5",
                                        "0.6", "0.7",  "0.8", "0.9",  "1.0", "1.1"};
inline const char* const kThickMenu[] = {"0.01",  "0.011", "0.012", "0.013", "0.014", "0.015",
                                         "0.016", "0.017", "0.018", "0.019", "0.02"};
inline const char* const kThickTitles[] = {"   t", "  tw", "  t1", "  t2", "  r1", "  r2"};
inline const char* const kPresets[] = {"1000x1000", "700x700", "300x500"};

// The shape pictures of the page by shape index 0 to 11: concrete, steel.
inline const UINT kPictures[2][12] = {
    {14239, 14176, 14235, 14238, 14240, 14241, 17443, 14180, 14233, 14234, 14173, 14237},
    {14248, 14246, 14243, 14247, 14244, 14245, 14242, 14251, 14249, 14250, 14173, 14227},
};

// Size rows (0-based) from top to bottom, by page and shape.
struct SRowOrder {
  int nMatlKind;         // 0: any page
  const char* codes[9];  // empty list: the page's other shapes
  int order[8];
};
inline const SRowOrder kRowOrders[] = {
    {1, {"H", "T", "L", "CR"}, {2, 0, 1, 3, 4, 5, 6, 7}},
    {1, {"P"}, {0, 1, 2, 3, 4, 5, 6, 7}},
    {1, {}, {1, 0, 2, 3, 4, 5, 6, 7}},
    {2, {"H", "T", "C", "P", "L", "SB", "2C", "2L"}, {0, 1, 2, 3, 4, 5, 6, 7}},
    {2, {"B"}, {0, 1, 2, 3, 5, 4, 6, 7}},
    {2, {}, {1, 0, 2, 3, 4, 5, 6, 7}},
};
inline const int kInitialOrder[8] = {1, 0, 2, 3, 4, 5, 6, 7};

inline const int* RowOrderOf(int nMatlKind, const CString& code) {
  for (const SRowOrder& r : kRowOrders) {
    if (r.nMatlKind != nMatlKind) continue;
    if (!r.codes[0]) return r.order;
    for (const char* const* c = r.codes; *c; ++c)
      if (code == *c) return r.order;
  }
  return kInitialOrder;
}

inline void ShowKey(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

inline CString WindowText(const CWnd* w) {
  CString s;
  if (w && w->GetSafeHwnd()) w->GetWindowText(s);
  return s;
}

inline CString SelText(const CComboBox& cb) {
  CString s;
  const int sel = cb.GetCurSel();
  if (sel >= 0) cb.GetLBText(sel, s);
  return s;
}

// Selects the item equal to text, else the first starting with it; -1 when none.
inline int SelectByName(CComboBox& cb, const CString& text) {
  int i = cb.FindStringExact(-1, text);
  if (i < 0) i = cb.FindString(-1, text);
  cb.SetCurSel(i);
  return i;
}

}  // namespace SectRegPage
