// What the files of the SRC section page share: control ids by row, the sizing pictures,
// presets, messages and small control helpers.
#pragma once
#include "afx/AfxMessageBox.h"
#include "afx/CComboBox.h"
#include "afx/CString.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

namespace SectSrcPage {

inline const char* const kNoShape = "IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_";
inline const char* const kInvalidShape = "IDS_WG_CMD__ADDD__Error___Invalid_SRC_section_shape";
inline const char* const kInvalidConcShape = "IDS_WG_CMD__ADDD__Error___Invalide_SRC_section_shap";
inline const char* const kNoSrcMatl = "IDS_CMD_ERROR__NOT_INPUT_SRCMATL";
inline const char* const kAutoSrcMatl = "IDS_CMD_WARNING__AUTO_ASSIGN_SRCMATL_s__";

inline const UINT kConcTitleIDs[] = {IDC_SECT_SRC_CONC_TITLE1, IDC_SECT_SRC_CONC_TITLE2};
inline const UINT kConcEditIDs[] = {IDC_SECT_SRC_CONC_SIZE1, IDC_SECT_SRC_CONC_SIZE2};
inline const UINT kConcUnitIDs[] = {IDC_SECT_SRC_CONC_UNIT1, IDC_SECT_SRC_CONC_UNIT2};
inline const UINT kTitleIDs[] = {IDC_SECT_SRC_TITLE1, IDC_SECT_SRC_TITLE2, IDC_SECT_SRC_TITLE3,
                                 IDC_SECT_SRC_TITLE4, IDC_SECT_SRC_TITLE5, IDC_SECT_SRC_TITLE6};
inline const UINT kEditIDs[] = {IDC_SECT_SRC_SIZE1, IDC_SECT_SRC_SIZE2, IDC_SECT_SRC_SIZE3,
                                IDC_SECT_SRC_SIZE4, IDC_SECT_SRC_SIZE5, IDC_SECT_SRC_SIZE6};
inline const UINT kUnitIDs[] = {IDC_SECT_SRC_UNIT1, IDC_SECT_SRC_UNIT2, IDC_SECT_SRC_UNIT3,
                                IDC_SECT_SRC_UNIT4, IDC_SECT_SRC_UNIT5, IDC_SECT_SRC_UNIT6};
inline const UINT kTwoTitleIDs[] = {IDC_SECT_SRC_TWO_TITLE1, IDC_SECT_SRC_TWO_TITLE2, IDC_SECT_SRC_TWO_TITLE3,
                                    IDC_SECT_SRC_TWO_TITLE4, IDC_SECT_SRC_TWO_TITLE5, IDC_SECT_SRC_TWO_TITLE6,
                                    IDC_SECT_SRC_TWO_TITLE7, IDC_SECT_SRC_TWO_TITLE8};
inline const UINT kTwoEditIDs[] = {IDC_SECT_SRC_TWO_SIZE1, IDC_SECT_SRC_TWO_SIZE2, IDC_SECT_SRC_TWO_SIZE3,
                                   IDC_SECT_SRC_TWO_SIZE4, IDC_SECT_SRC_TWO_SIZE5, IDC_SECT_SRC_TWO_SIZE6,
                                   IDC_SECT_SRC_TWO_SIZE7, IDC_SECT_SRC_TWO_SIZE8};
// The material group under the composite material button, hidden: the page reads the
// composite data from the material.
inline const UINT kMatlGroup[] = {IDC_SECT_SRC_MATL_FRAME, IDC_SECT_SRC_MATL_DB,   IDC_SECT_SRC_ESEC_LABEL,
                                  IDC_SECT_SRC_ESEC,       IDC_SECT_SRC_DSDC_LABEL, IDC_SECT_SRC_DSDC,
                                  IDC_SECT_SRC_PS_LABEL,   IDC_SECT_SRC_PS,         IDC_SECT_SRC_PC_LABEL,
                                  IDC_SECT_SRC_PC,         IDC_SECT_SRC_CONV_LABEL, IDC_SECT_SRC_CONV_STEEL,
                                  IDC_SECT_SRC_CONV_CONC};

inline const char* const kSizeMenu[] = {"0.2", "0.25", "0.3", "0.35", "0.4", "0.5",
                                        "0.6", "0.7",  "0.8", "0.9",  "1.0", "1.1"};
inline const char* const kThickMenu[] = {"0.01",  "0.011", "0.012", "0.013", "0.014", "0.015",
                                         "0.016", "0.017", "0.018", "0.019", "0.02"};
// Titles of the two-steel rows that take the thickness presets.
inline const char* const kTwoThickTitles[] = {"   t", "  tw", "  t1", "  t2", " tw1"};

// Sizing pictures by SRC shape index 0 to 13.
inline const UINT kPictures[14] = {IDB_SECT_SRC_RBO, IDB_SECT_SRC_RBC, IDB_SECT_SRC_RPO, IDB_SECT_SRC_RPC,
                                   IDB_SECT_SRC_CBO, IDB_SECT_SRC_CBC, IDB_SECT_SRC_CPO, IDB_SECT_SRC_CPC,
                                   IDB_SECT_SRC_EBC, IDB_SECT_SRC_EPC, IDB_SECT_SRC_RHB, IDB_SECT_SRC_CHB,
                                   IDB_SECT_SRC_RCB, IDB_SECT_SRC_RH2T};
// Shapes whose steel is a box (the fifth size edit is dSize[5]) and whose outline is round
// (one concrete size), by SRC shape index.
inline const int kBoxSteel[] = {0, 1, 4, 5, 8};
inline const int kRoundOutline[] = {4, 5, 6, 7, 11};

template <size_t N>
inline bool InList(const int (&list)[N], int v) {
  for (int x : list)
    if (x == v) return true;
  return false;
}

inline void ShowKey(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

inline CString WindowText(const CWnd* w) {
  CString s;
  if (w && w->GetSafeHwnd()) w->GetWindowText(s);
  return s;
}

inline CString SelText(const CComboBox& cb) {
  CString s;
  const int sel = cb.GetSafeHwnd() ? cb.GetCurSel() : -1;
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

}  // namespace SectSrcPage
