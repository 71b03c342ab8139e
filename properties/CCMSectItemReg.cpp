#include "properties/CCMSectItemReg.h"

#include <cstdlib>

#include "afx/AfxMessageBox.h"
#include "afx/CGdiObject.h"
#include "afx/CImageList.h"
#include "db/CInitCtrl.h"
#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "properties/CCMSectInfo.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCMSectItemReg, CCMSectItemBase)

BEGIN_MESSAGE_MAP(CCMSectItemReg, CCMSectItemBase)
  ON_CBN_SELCHANGE(IDC_SECT_REG_SHAPE, &CCMSectItemReg::OnShapeChanged)
  ON_CBN_SELCHANGE(IDC_SECT_REG_DBNAME, &CCMSectItemReg::OnDBChanged)
  ON_BN_CLICKED(IDC_SECT_REG_USER, &CCMSectItemReg::OnSourceClicked)
  ON_BN_CLICKED(IDC_SECT_REG_DB, &CCMSectItemReg::OnSourceClicked)
  ON_CBN_SELCHANGE(IDC_SECT_REG_PROFILE, &CCMSectItemReg::OnProfileChosen)
  ON_CBN_SELCHANGE(IDC_SECT_REG_SINGLE_DB, &CCMSectItemReg::OnSingleDBChosen)
  ON_CBN_SELCHANGE(IDC_SECT_REG_SINGLE_SECT, &CCMSectItemReg::OnSingleSectChosen)
  ON_CONTROL_RANGE(EN_CHANGE, IDC_SECT_REG_SIZE1, IDC_SECT_REG_SIZE6, &CCMSectItemReg::OnSizeChanged)
  ON_BN_CLICKED(IDC_SECT_REG_BUILTUP, &CCMSectItemReg::OnBuiltUpClicked)
  ON_EN_SETFOCUS(IDC_SECT_REG_NAME, &CCMSectItemReg::OnNameSetFocus)
  ON_EN_UPDATE(IDC_SECT_REG_NAME, &CCMSectItemReg::OnNameUpdate)
  ON_CBN_SELCHANGE(IDC_SECT_REG_PIECES, &CCMSectItemReg::OnPiecesChanged)
  ON_CBN_SELCHANGE(IDC_SECT_REG_COMBO, &CCMSectItemReg::OnComboTypeChanged)
  ON_CBN_SELCHANGE(IDC_SECT_REG_OFFSET, &CCMSectItemReg::OnOffsetChanged)
  ON_CBN_SELCHANGE(IDC_SECT_REG_PRESET, &CCMSectItemReg::OnPresetChosen)
END_MESSAGE_MAP()

namespace {

const char* const kInvalidShape = "IDS_CMD_SECT_Err_Invalid_SecShape";
const char* const kNoShape = "IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_";

const UINT kTitleIDs[] = {IDC_SECT_REG_TITLE1, IDC_SECT_REG_TITLE2, IDC_SECT_REG_TITLE3,
                          IDC_SECT_REG_TITLE4, IDC_SECT_REG_TITLE5, IDC_SECT_REG_TITLE6,
                          IDC_SECT_REG_TITLE7, IDC_SECT_REG_TITLE8};
const UINT kEditIDs[] = {IDC_SECT_REG_SIZE1, IDC_SECT_REG_SIZE2, IDC_SECT_REG_SIZE3,
                         IDC_SECT_REG_SIZE4, IDC_SECT_REG_SIZE5, IDC_SECT_REG_SIZE6,
                         IDC_SECT_REG_SIZE7, IDC_SECT_REG_SIZE8};
const UINT kUnitIDs[] = {IDC_SECT_REG_UNIT1, IDC_SECT_REG_UNIT2, IDC_SECT_REG_UNIT3,
                         IDC_SECT_REG_UNIT4, IDC_SECT_REG_UNIT5, IDC_SECT_REG_UNIT6,
                         IDC_SECT_REG_UNIT7, IDC_SECT_REG_UNIT8};
const UINT kCutGroup[] = {IDC_SECT_REG_CUT_FRAME, IDC_SECT_REG_CUT_LABEL, IDC_SECT_REG_CUT_FLAME,
                          IDC_SECT_REG_CUT_SHEAR};

const char* const kSizeMenu[] = {"0.2", "0.25", "0.3", "0.35", "0.4", "0.5",
                                 "0.6", "0.7", "0.8", "0.9", "1.0", "1.1"};
const char* const kThickMenu[] = {"0.01",  "0.011", "0.012", "0.013", "0.014", "0.015",
                                  "0.016", "0.017", "0.018", "0.019", "0.02"};
const char* const kThickTitles[] = {"   t", "  tw", "  t1", "  t2", "  r1", "  r2"};
const char* const kPresets[] = {"1000x1000", "700x700", "300x500"};

// The shape pictures of the page by shape index 0 to 11: concrete, steel.
const UINT kPictures[2][12] = {
    {14239, 14176, 14235, 14238, 14240, 14241, 17443, 14180, 14233, 14234, 14173, 14237},
    {14248, 14246, 14243, 14247, 14244, 14245, 14242, 14251, 14249, 14250, 14173, 14227},
};

// Size rows (0-based) from top to bottom, by page and shape.
struct SRowOrder {
  int nMatlKind;             // 0: any page
  const char* codes[9];      // empty list: the page's other shapes
  int order[8];
};
const SRowOrder kRowOrders[] = {
    {1, {"H", "T", "L", "CR"}, {2, 0, 1, 3, 4, 5, 6, 7}},
    {1, {"P"}, {0, 1, 2, 3, 4, 5, 6, 7}},
    {1, {}, {1, 0, 2, 3, 4, 5, 6, 7}},
    {2, {"H", "T", "C", "P", "L", "SB", "2C", "2L"}, {0, 1, 2, 3, 4, 5, 6, 7}},
    {2, {"B"}, {0, 1, 2, 3, 5, 4, 6, 7}},
    {2, {}, {1, 0, 2, 3, 4, 5, 6, 7}},
};
const int kInitialOrder[8] = {1, 0, 2, 3, 4, 5, 6, 7};

const int* RowOrderOf(int nMatlKind, const CString& code) {
  for (const SRowOrder& r : kRowOrders) {
    if (r.nMatlKind != nMatlKind) continue;
    if (!r.codes[0]) return r.order;
    for (const char* const* c = r.codes; *c; ++c)
      if (code == *c) return r.order;
  }
  return kInitialOrder;
}

void ShowKey(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

CString WindowText(const CWnd* w) {
  CString s;
  if (w && w->GetSafeHwnd()) w->GetWindowText(s);
  return s;
}

CString SelText(const CComboBox& cb) {
  CString s;
  const int sel = cb.GetCurSel();
  if (sel >= 0) cb.GetLBText(sel, s);
  return s;
}

// Selects the item equal to text, else the first starting with it; -1 when none.
int SelectByName(CComboBox& cb, const CString& text) {
  int i = cb.FindStringExact(-1, text);
  if (i < 0) i = cb.FindString(-1, text);
  cb.SetCurSel(i);
  return i;
}

}  // namespace

CCMSectItemReg::CCMSectItemReg(CWnd* pParent)
    : CCMSectItemBase(IDD_CMD_SECT_REG, pParent),
      m_bAutoName(0),
      m_nMatlKind(1),
      m_nFirstSizeRow(2),
      m_bFilling(0),
      m_pSectDB(nullptr) {
  m_sect.Initialize();
  m_sect.iType = SECT_TYPE_REGULAR;
  m_sect.iMatlType = m_nMatlKind;
  for (UINT id : {IDC_SECT_REG_SINGLE_LABEL, IDC_SECT_REG_SINGLE_DB_LABEL, IDC_SECT_REG_SINGLE_DB,
                  IDC_SECT_REG_SINGLE_SECT_LABEL, IDC_SECT_REG_SINGLE_SECT})
    m_aSingleIDs.Add(id);
  m_aSourceIDs.Add(IDC_SECT_REG_USER);
  m_aSourceIDs.Add(IDC_SECT_REG_DB);
  m_aCutIDs.Add(IDC_SECT_REG_CUT_FLAME);
  m_aCutIDs.Add(IDC_SECT_REG_CUT_SHEAR);
  for (UINT id : {IDC_SECT_REG_LIGHT_LABEL, IDC_SECT_REG_PIECE_LABEL, IDC_SECT_REG_PIECES,
                  IDC_SECT_REG_COMBO_LABEL, IDC_SECT_REG_COMBO})
    m_aLightIDs.Add(id);
  for (const char* s : kSizeMenu) m_aSizeMenu.Add(s);
  for (const char* s : kThickMenu) m_aThickMenu.Add(s);
  for (int i = 0; i < SIZE_ROWS; ++i) m_aRowOrder[i] = kInitialOrder[i];
}

CCMSectItemReg::~CCMSectItemReg() = default;

void CCMSectItemReg::SetMatlKind(int nKind) {
  m_nMatlKind = nKind;
  m_sect.iMatlType = nKind;
}

CCMSectItemBase* CCMSectItemReg::NewPage(int nKind) {
  CCMSectItemReg* page = new CCMSectItemReg(nullptr);
  page->SetMatlKind(nKind);
  return page;
}

// ---- the page contract ---------------------------------------------------------------

BOOL CCMSectItemReg::SaveData() { return SaveSection(); }
int CCMSectItemReg::OnParentOK() { return SaveData(); }
int CCMSectItemReg::OnParentApply() { return ApplySection(IDC_SECT_REG_NAME); }
void CCMSectItemReg::OnParentCalc() { CalcSection(); }

int CCMSectItemReg::Dlg2Data() {
  // Over the record as read: what the page does not show stays as it was.
  ReadNumberEdit();
  m_sect.iType = SECT_TYPE_REGULAR;
  m_sect.iMatlType = m_nMatlKind;
  CString name = WindowText(GetDlgItem(IDC_SECT_REG_NAME));
  name.Trim();
  m_sect.strName = name;
  // The shape chosen; a shape the list does not offer ("CC", "CL") but the page showed
  // stays as it is.
  const int sel = m_cbShape.GetSafeHwnd() ? m_cbShape.GetCurSel() : -1;
  if (sel < 0 && ShapeIndex() < 0) {
    ShowKey(kNoShape);
    return 0;
  }
  T_SECT_SECTION_D& part = m_sect.Part1;
  T_SECT_SECTBASE_D& base = part.BaseA;
  if (sel >= 0) part.strShape = CSectUtil::GetShapeNameFromIndexReg((int)m_cbShape.GetItemData(sel));
  base.iFabType = m_chkBuiltUp.GetCheck() ? 1 : 2;
  CButton* shear = (CButton*)GetDlgItem(IDC_SECT_REG_CUT_SHEAR);
  base.iCutEdge = shear && shear->GetCheck() ? 1 : 0;
  part.iOffset = m_cbOffset.GetCurSel() + 1;
  base.strDBName = ChosenDBName();
  base.strBaseShape.Empty();
  base.strSectName = base.strDBName.IsEmpty() ? CString() : WindowText(&m_cbProfile);
  const int n = CSectUtil::GetSizeCountByRegShape(part.strShape, m_nMatlKind);
  for (int r = 0; r < n && r < SIZE_ROWS; ++r) {
    double& size = base.dSize[SizeSlot(r)];
    // A size the user left as shown keeps its stored value exactly.
    if (WindowText(&m_aEdit[r]) == CCMSizeEdit::FormatValue(m_aEdit[r].GetUnitType(), size)) continue;
    double v = 0.0;
    m_aEdit[r].GetEditValue(v);
    size = v;
  }
  if (m_nMatlKind == SECT_MATL_RC && part.strShape == "B") base.dSize[4] = 0.0;
  if (part.strShape == "CC") base.strBaseShape = LightSteelCode();
  return 1;
}

void CCMSectItemReg::NewRecord() {
  const CString name = m_sect.strName;
  m_sect.Initialize();
  m_sect.iType = SECT_TYPE_REGULAR;
  m_sect.iMatlType = m_nMatlKind;
  m_sect.Part1.strShape = m_nMatlKind == SECT_MATL_RC ? "SB" : "H";
  if (m_bInitialized) m_sect.strName = name;
  if (m_nMatlKind == SECT_MATL_STEEL && m_pDoc)
    m_sect.Part1.BaseA.strDBName = m_pDoc->GetInitCtrl()->GetPreference().defSteelDB;
}

// ---- opening -------------------------------------------------------------------------

BOOL CCMSectItemReg::OnInitDialog() {
  CCMSectItemBase::OnInitDialog();
  m_pSectDB = m_pDoc ? m_pDoc->GetSectDB() : CSectDB::GetDefault();
  ++m_bFilling;
  SetUpControls();
  if (m_sect.iType != SECT_TYPE_REGULAR || m_sect.iMatlType != m_nMatlKind) {
    // A section of another kind becomes a new regular one of this page's kind.
    const CString name = m_sect.strName;
    m_sect.Initialize();
    m_sect.strName = name;
    m_sect.iType = SECT_TYPE_REGULAR;
    m_sect.iMatlType = m_nMatlKind;
    m_sect.Part1.strShape = m_nMatlKind == SECT_MATL_RC ? "SB" : "H";
  }
  if (m_nMatlKind == SECT_MATL_RC) {
    m_sect.Part1.BaseA.strDBName.Empty();
    if (CWnd* db = GetDlgItem(IDC_SECT_REG_DB)) db->EnableWindow(FALSE);
  }
  --m_bFilling;
  InitPageCommon();
  return TRUE;
}

void CCMSectItemReg::SetUpControls() {
  m_cbShape.SubclassDlgItem(IDC_SECT_REG_SHAPE, this);
  m_cbDBName.SubclassDlgItem(IDC_SECT_REG_DBNAME, this);
  m_cbProfile.SubclassDlgItem(IDC_SECT_REG_PROFILE, this);
  m_chkBuiltUp.SubclassDlgItem(IDC_SECT_REG_BUILTUP, this);
  m_cbOffset.SubclassDlgItem(IDC_SECT_REG_OFFSET, this);
  m_cbSingleDB.SubclassDlgItem(IDC_SECT_REG_SINGLE_DB, this);
  m_cbSingleSect.SubclassDlgItem(IDC_SECT_REG_SINGLE_SECT, this);
  m_cbPieces.SubclassDlgItem(IDC_SECT_REG_PIECES, this);
  m_cbComboType.SubclassDlgItem(IDC_SECT_REG_COMBO, this);
  m_cbPreset.SubclassDlgItem(IDC_SECT_REG_PRESET, this);
  m_stPicture.SubclassDlgItem(IDC_SECT_REG_PICTURE, this);
  for (int i = 0; i < SIZE_ROWS; ++i) {
    m_aTitle[i].SubclassDlgItem(kTitleIDs[i], this);
    m_aEdit[i].SubclassDlgItem(kEditIDs[i], this);
    m_aUnit[i].SubclassDlgItem(kUnitIDs[i], this);
  }

  FillShapeList();
  CStringArray dbNames;
  if (m_pSectDB) m_pSectDB->GetDBNameList(dbNames);
  for (INT_PTR i = 0; i < dbNames.GetSize(); ++i) {
    m_cbDBName.AddString(dbNames[i]);
    m_cbSingleDB.AddString(dbNames[i]);
  }
  m_cbDBName.SetCurSel(0);
  m_cbSingleDB.SetCurSel(0);
  m_cbProfile.SetActionWhenKillFocus(2, -1);
  m_cbSingleSect.SetActionWhenKillFocus(2, -1);

  CStringArray offsets;
  CSectUtil::GetOffsetNameList(offsets);
  for (INT_PTR i = 0; i < offsets.GetSize(); ++i) m_cbOffset.AddString(offsets[i]);
  m_cbOffset.SetCurSel(4);
  GetDlgItem(IDC_SECT_REG_OFFSET_LABEL)->ShowWindow(SW_HIDE);
  m_cbOffset.ShowWindow(SW_HIDE);

  m_wndView.SubclassCtrl(GetDlgItem(IDC_SECT_REG_VIEW));
  for (int i = 0; i < SIZE_ROWS; ++i) {
    m_aEdit[i].SetUnitType(UNIT_LENGTH);
    m_aUnit[i].SetUnitType(UNIT_LENGTH);
  }
  m_chkBuiltUp.EnableWindow(FALSE);
  LayOut();
  for (int i = 0; i < SIZE_ROWS; ++i) m_aEdit[i].SetSizeList(m_aSizeMenu);
  ArrangeRows(kInitialOrder, SIZE_ROWS);
}

void CCMSectItemReg::FillShapeList() {
  const UINT nKind = m_nMatlKind == SECT_MATL_RC ? CCMSectInfo::KIND_RC : CCMSectInfo::KIND_STEEL;
  CArray<UINT, UINT> bitmaps;
  CArray<CString, CString> names, codes;
  CArray<DWORD, DWORD> indexes;
  if (!CCMSectInfo::GetBitmapID(nKind, bitmaps) || !CCMSectInfo::GetSectName(nKind, names) ||
      !CCMSectInfo::GetShapeName(nKind, codes) || !CCMSectInfo::GetShapeIndex(nKind, indexes))
    return;
  delete m_pImageList;
  m_pImageList = new CImageList;
  m_pImageList->Create(25, 25, 0, 0, 1);
  for (INT_PTR i = 0; i < bitmaps.GetSize(); ++i) {
    CBitmap bmp;
    bmp.LoadBitmap(bitmaps[i]);
    m_pImageList->Add(&bmp, RGB(0, 0, 0));
  }
  m_cbShape.SetImageList(m_pImageList);
  m_cbShape.ResetContent();
  for (INT_PTR i = 0; i < names.GetSize() && i < indexes.GetSize(); ++i) {
    COMBOBOXEXITEM item;
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE | CBEIF_OVERLAY | CBEIF_INDENT | CBEIF_LPARAM;
    item.iItem = i;
    item.pszText = const_cast<LPTSTR>((LPCTSTR)names[i]);
    item.iImage = item.iSelectedImage = item.iOverlay = (int)i;
    item.iIndent = 0;
    item.lParam = (LPARAM)indexes[i];
    m_cbShape.InsertItem(&item);
  }
  m_cbShape.SetCurSel(0);
}

void CCMSectItemReg::MoveGroup(const UINT* ids, int nCount, UINT nFrom, UINT nTo) {
  CWnd* from = GetDlgItem((int)nFrom);
  CWnd* to = GetDlgItem((int)nTo);
  if (!from || !to) return;
  CRect a, b;
  from->GetWindowRect(&a);
  to->GetWindowRect(&b);
  const int dx = b.left - a.left, dy = b.top - a.top;
  for (int i = 0; i < nCount; ++i) {
    CWnd* w = GetDlgItem((int)ids[i]);
    if (!w) continue;
    CRect rc;
    w->GetWindowRect(&rc);
    ScreenToClient(&rc);
    rc.OffsetRect(dx, dy);
    w->MoveWindow(&rc, FALSE);
  }
}

void CCMSectItemReg::LayOut() {
  // The light-steel options take the place of the single-section group.
  UINT light[5];
  for (int i = 0; i < 5; ++i) light[i] = m_aLightIDs[i];
  MoveGroup(light, 5, IDC_SECT_REG_LIGHT_LABEL, IDC_SECT_REG_SINGLE_LABEL);
  ShowGroup(m_aLightIDs, FALSE, TRUE);
  if (m_nMatlKind == SECT_MATL_RC) {
    UINT rows[1 + 3 * SIZE_ROWS];
    rows[0] = IDC_SECT_REG_SIZE_FRAME;
    for (int i = 0; i < SIZE_ROWS; ++i) {
      rows[1 + 3 * i] = kTitleIDs[i];
      rows[2 + 3 * i] = kEditIDs[i];
      rows[3 + 3 * i] = kUnitIDs[i];
    }
    MoveGroup(rows, 1 + 3 * SIZE_ROWS, IDC_SECT_REG_SIZE_FRAME, IDC_SECT_REG_SINGLE_FRAME);
  } else {
    MoveGroup(kCutGroup, 4, IDC_SECT_REG_CUT_FRAME, IDC_SECT_REG_SINGLE_FRAME);
  }
  for (const char* s : {"1", "2", "3", "4"}) m_cbPieces.AddString(s);
  m_cbPreset.ShowWindow(SW_HIDE);
  m_cbPreset.EnableWindow(FALSE);
  GetDlgItem(IDC_SECT_REG_PRESET_LABEL)->ShowWindow(SW_HIDE);
  GetDlgItem(IDC_SECT_REG_PRESET_LABEL)->EnableWindow(FALSE);
  if (m_nMatlKind == SECT_MATL_RC)
    for (const char* s : kPresets) m_cbPreset.AddString(s);
  // The places of the size rows, top to bottom, as the template has them.
  for (int i = 0; i < SIZE_ROWS; ++i) {
    m_aTitle[i].GetWindowRect(&m_rcTitleSlot[i]);
    ScreenToClient(&m_rcTitleSlot[i]);
    m_aEdit[i].GetWindowRect(&m_rcEditSlot[i]);
    ScreenToClient(&m_rcEditSlot[i]);
  }
}

// ---- showing the record --------------------------------------------------------------

void CCMSectItemReg::FillControls() {
  ++m_bFilling;
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  const int nIndex = ShapeIndex();
  int found = -1;
  for (int i = 0; i < m_cbShape.GetCount() && found < 0; ++i)
    if ((int)m_cbShape.GetItemData(i) == nIndex) found = i;
  m_cbShape.SetCurSel(found);

  CWnd* dbRadio = GetDlgItem(IDC_SECT_REG_DB);
  if (m_nMatlKind == SECT_MATL_STEEL) {
    const BOOL bSolid = nIndex == 8 || nIndex == 9;
    dbRadio->EnableWindow(!bSolid);
    if (bSolid) base.strDBName.Empty();
  }
  if (!base.strDBName.IsEmpty()) {
    SetSourceRadio(TRUE);
    m_cbDBName.EnableWindow(TRUE);
    SelectByName(m_cbDBName, base.strDBName);
  } else {
    SetSourceRadio(FALSE);
    m_cbDBName.EnableWindow(FALSE);
  }
  GetDlgItem(IDC_SECT_REG_NAME)->SetWindowText(m_sect.strName);
  m_bAutoName = m_sect.strName.IsEmpty() ? 1 : m_bAutoName;
  FillProfileList();
  m_chkBuiltUp.SetCheck(base.iFabType != 2 ? 1 : 0);
  ((CButton*)GetDlgItem(IDC_SECT_REG_CUT_FLAME))->SetCheck(base.iCutEdge ? 0 : 1);
  ((CButton*)GetDlgItem(IDC_SECT_REG_CUT_SHEAR))->SetCheck(base.iCutEdge ? 1 : 0);
  ApplyBuiltUp();
  ShowSizeRows();
  ShowSourceGroups();
  m_cbOffset.SetCurSel(m_sect.Part1.iOffset - 1);
  ShowPicture();
  if (m_sect.Part1.strShape == "CC") ShowLightSteel();
  if (m_nMatlKind == SECT_MATL_RC) ShowPresets();
  Repaint();
  --m_bFilling;
}

void CCMSectItemReg::FillProfileList() {
  const T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  m_cbProfile.ResetContent();
  m_cbProfile.SetWindowText("");
  if (base.strDBName.IsEmpty()) {
    m_cbProfile.EnableWindow(FALSE);
    return;
  }
  m_cbProfile.EnableWindow(TRUE);
  CStringArray names;
  if (m_pSectDB) m_pSectDB->GetSectNameList(base.strDBName, m_sect.Part1.strShape, names);
  for (INT_PTR i = 0; i < names.GetSize(); ++i) m_cbProfile.AddString(names[i]);
  const int sel = SelectByName(m_cbProfile, base.strSectName);
  // A profile shown is a profile taken: sizes follow the profile the list shows.
  if (sel >= 0) {
    const CString shown = SelText(m_cbProfile);
    if (shown != base.strSectName) LoadProfile(shown);
  }
}

void CCMSectItemReg::ApplyBuiltUp() {
  const BOOL bChecked = m_chkBuiltUp.GetCheck() != 0;
  m_sect.Part1.BaseA.iFabType = bChecked ? 1 : 2;
  const BOOL bEnable = !IsDBRadio() && ShapeIndex() == 2 && bChecked;
  for (INT_PTR i = 0; i < m_aCutIDs.GetSize(); ++i)
    if (CWnd* w = GetDlgItem((int)m_aCutIDs[i])) w->EnableWindow(bEnable);
  GetDlgItem(IDC_SECT_REG_CUT_LABEL)->EnableWindow(bEnable);
}

int CCMSectItemReg::SizeSlot(int nRow) const {
  if (nRow == 4 && m_nMatlKind == SECT_MATL_RC && m_sect.Part1.strShape == "B") return 5;
  return nRow;
}

void CCMSectItemReg::ShowSizeRows() {
  const int nIndex = ShapeIndex();
  if (nIndex < 0) {
    ShowKey(kInvalidShape);
    return;
  }
  ++m_bFilling;
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  CStringArray titles;
  const int n = CSectUtil::GetSizeTitleFromShapeIndexReg(nIndex, titles, m_nMatlKind);
  if (m_nMatlKind == SECT_MATL_RC && nIndex == 4) base.dSize[4] = 0.0;
  const BOOL bEditable = base.strDBName.IsEmpty();
  for (int r = 0; r < SIZE_ROWS; ++r) {
    const BOOL bShow = r < n;
    m_aTitle[r].ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    m_aEdit[r].ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    if (!bShow) continue;
    m_aTitle[r].SetWindowText(titles[r]);
    m_aEdit[r].SetEditUnit(base.dSize[SizeSlot(r)]);
    m_aEdit[r].EnableWindow(bEditable);
    if (m_nMatlKind != SECT_MATL_STEEL) continue;
    BOOL bThick = FALSE;
    for (const char* t : kThickTitles) bThick = bThick || titles[r] == t;
    if (titles[r] == "   c") {
      if (n == 6) continue;  // a box's web distance keeps the menu it had
      bThick = TRUE;
    }
    m_aEdit[r].SetSizeList(bThick ? m_aThickMenu : m_aSizeMenu);
  }
  const int* order = RowOrderOf(m_nMatlKind, m_sect.Part1.strShape);
  ArrangeRows(order, n);
  // The unit labels stay in their places: one beside each place a shown row takes.
  for (int k = 0; k < SIZE_ROWS; ++k) m_aUnit[k].ShowWindow(order[k] < n ? SW_SHOW : SW_HIDE);
  --m_bFilling;
}

void CCMSectItemReg::ArrangeRows(const int* order, int nShown) {
  for (int k = 0; k < SIZE_ROWS; ++k) {
    m_aRowOrder[k] = order[k];
    m_aTitle[order[k]].MoveWindow(&m_rcTitleSlot[k], FALSE);
    m_aEdit[order[k]].MoveWindow(&m_rcEditSlot[k], FALSE);
  }
  // Tab follows the shown order, from shown row to shown row.
  CCMSizeEdit* prev = nullptr;
  for (int k = 0; k < SIZE_ROWS; ++k) {
    CCMSizeEdit& e = m_aEdit[order[k]];
    e.SetNext(nullptr);
    if (order[k] >= nShown) continue;
    if (prev) prev->SetNext(&e);
    prev = &e;
  }
  m_nFirstSizeRow = order[0] + 1;
}

void CCMSectItemReg::ShowGroup(const CUIntArray& ids, BOOL bShow, BOOL bEnable) {
  for (INT_PTR i = 0; i < ids.GetSize(); ++i) {
    CWnd* w = GetDlgItem((int)ids[i]);
    if (!w) continue;
    w->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    w->EnableWindow(bEnable);
  }
}

void CCMSectItemReg::ShowSourceGroups() {
  const CString& code = m_sect.Part1.strShape;
  const BOOL bSteel = m_nMatlKind == SECT_MATL_STEEL;
  const BOOL bUser = !IsDBRadio();
  CWnd* label = GetDlgItem(IDC_SECT_REG_SINGLE_LABEL);
  CWnd* frame = GetDlgItem(IDC_SECT_REG_SINGLE_FRAME);
  CUIntArray cut;
  cut.Add(IDC_SECT_REG_CUT_FRAME);
  cut.Add(IDC_SECT_REG_CUT_LABEL);
  cut.Append(m_aCutIDs);
  static const char* const kSingleLabel = "单个截面数据";
  if (code == "2L" || code == "CL" || code == "2C") {
    label->SetWindowText(CMsgDll::pfuncLoadStr(code == "2C" ? "IDS_WG_CMD__ADDD__Get_Data_from_Single_Channel"
                                                            : "IDS_WG_CMD__ADDD__Get_Data_from_Single_Angle",
                                               0));
    ShowGroup(m_aSingleIDs, bSteel, bUser);
    frame->ShowWindow(bSteel ? SW_SHOW : SW_HIDE);
    ShowGroup(cut, FALSE, FALSE);
    ShowGroup(m_aLightIDs, FALSE, TRUE);
    FillSingleSections();
  } else if (code == "CC") {
    label->SetWindowText(kSingleLabel);
    ShowGroup(m_aSingleIDs, FALSE, FALSE);
    label->ShowWindow(bSteel ? SW_SHOW : SW_HIDE);
    label->EnableWindow(TRUE);
    frame->ShowWindow(bSteel ? SW_SHOW : SW_HIDE);
    ShowGroup(cut, FALSE, FALSE);
    ShowGroup(m_aLightIDs, bSteel, TRUE);
    ShowLightSteel();
  } else {
    label->SetWindowText(kSingleLabel);
    const BOOL bUserHT = bSteel && bUser && (code == "H" || code == "T");
    ShowGroup(m_aSingleIDs, bSteel && !bUserHT, FALSE);
    frame->ShowWindow(bSteel && !bUserHT ? SW_SHOW : SW_HIDE);
    for (INT_PTR i = 0; i < cut.GetSize(); ++i)
      GetDlgItem((int)cut[i])->ShowWindow(bUserHT ? SW_SHOW : SW_HIDE);
    if (bUserHT) ApplyBuiltUp();
    ShowGroup(m_aLightIDs, FALSE, TRUE);
  }
}

void CCMSectItemReg::FillSingleSections() {
  const CString& code = m_sect.Part1.strShape;
  const char* single = code == "2C" ? "C" : "L";
  m_cbSingleSect.ResetContent();
  const CString db = SelText(m_cbSingleDB);
  CStringArray names;
  if (m_pSectDB && !db.IsEmpty()) m_pSectDB->GetSectNameList(db, single, names);
  const BOOL bEqualFlanges = db == CSectDB::kDBName && CString(single) == "C";
  for (INT_PTR i = 0; i < names.GetSize(); ++i) {
    if (bEqualFlanges) {
      T_SECT_SECTBASE_D s;
      s.Initialize();
      if (!m_pSectDB->GetSectData(db, names[i], s) || s.dSize[1] != s.dSize[4]) continue;
    }
    m_cbSingleSect.AddString(names[i]);
  }
}

void CCMSectItemReg::ShowPicture() {
  const int nIndex = ShapeIndex();
  if (nIndex < 0) {
    ShowKey(kInvalidShape);
    return;
  }
  if (nIndex > 11) return;  // no picture for the library's further shapes
  CBitmap* bmp = new CBitmap;
  if (!bmp->LoadBitmap(kPictures[m_nMatlKind == SECT_MATL_STEEL ? 1 : 0][nIndex])) {
    delete bmp;
    return;
  }
  m_stPicture.SetBitmap((HBITMAP)*bmp);
  delete m_pBitmap;
  m_pBitmap = bmp;
}

void CCMSectItemReg::ShowLightSteel() {
  const CString& code = m_sect.Part1.BaseA.strBaseShape;
  if (code.IsEmpty()) {
    m_cbPieces.SetCurSel(0);
    FillComboTypes(1);
    return;
  }
  const int n = std::atoi(code);
  m_cbPieces.SetCurSel(n - 1);
  FillComboTypes(n);
  m_cbComboType.SelectString(-1, code.Mid(1));
}

void CCMSectItemReg::FillComboTypes(int nPieces) {
  m_cbComboType.ResetContent();
  if (nPieces == 2)
    for (const char* s : {"IS", "IW", "BS", "BW"}) m_cbComboType.AddString(s);
  else if (nPieces == 3 || nPieces == 4)
    for (const char* s : {"BS", "BW"}) m_cbComboType.AddString(s);
  m_cbComboType.EnableWindow(nPieces > 1);
  m_cbComboType.SetCurSel(0);
}

CString CCMSectItemReg::LightSteelCode() const {
  const int n = m_cbPieces.GetCurSel() + 1;
  if (n <= 1) return CString();
  CString code;
  code.Format("%d%s", n, (LPCTSTR)SelText(m_cbComboType));
  return code;
}

void CCMSectItemReg::ShowPresets() {
  const BOOL bShow = m_sect.Part1.strShape == "SB";
  const BOOL bEnable = m_sect.Part1.BaseA.strDBName.IsEmpty();
  for (CWnd* w : {(CWnd*)&m_cbPreset, GetDlgItem(IDC_SECT_REG_PRESET_LABEL)}) {
    w->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    w->EnableWindow(bEnable);
  }
}

void CCMSectItemReg::Repaint() {
  if (m_wndView.GetSafeHwnd()) m_wndView.Invalidate();
}

// ---- reading the controls ------------------------------------------------------------

BOOL CCMSectItemReg::IsDBRadio() const {
  const CButton* db = (const CButton*)GetDlgItem(IDC_SECT_REG_DB);
  return db && db->GetCheck() != 0;
}

void CCMSectItemReg::SetSourceRadio(BOOL bDB) {
  ((CButton*)GetDlgItem(IDC_SECT_REG_DB))->SetCheck(bDB ? 1 : 0);
  ((CButton*)GetDlgItem(IDC_SECT_REG_USER))->SetCheck(bDB ? 0 : 1);
}

CString CCMSectItemReg::ChosenDBName() const { return IsDBRadio() ? SelText(m_cbDBName) : CString(); }

int CCMSectItemReg::ShapeIndex() const { return CSectUtil::GetShapeIndexFromNameReg(m_sect.Part1.strShape); }

// ---- handlers ------------------------------------------------------------------------

void CCMSectItemReg::OnShapeChanged() {
  if (m_bFilling) return;
  const int sel = m_cbShape.GetCurSel();
  if (sel < 0) return;
  const int nIndex = (int)m_cbShape.GetItemData(sel);
  if (nIndex == ShapeIndex()) return;
  m_sect.Part1.strShape = CSectUtil::GetShapeNameFromIndexReg(nIndex);
  m_sect.strName = WindowText(GetDlgItem(IDC_SECT_REG_NAME));
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  const CString db = base.strDBName;
  base.Initialize();
  base.strDBName = db;
  FillControls();
}

void CCMSectItemReg::OnDBChanged() {
  if (m_bFilling) return;
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  const CString name = ChosenDBName();
  if (name != base.strDBName) {
    if (!name.IsEmpty()) {
      const int nCut = base.iCutEdge;
      base.Initialize();
      base.iFabType = 2;
      base.iCutEdge = nCut;
      base.strDBName = name;
    } else {
      base.iFabType = 1;
      base.strDBName.Empty();
      base.strSectName.Empty();
    }
  }
  ++m_bFilling;
  FillProfileList();
  m_chkBuiltUp.SetCheck(base.iFabType != 2 ? 1 : 0);
  ApplyBuiltUp();
  ShowSizeRows();
  ShowSourceGroups();
  if (m_nMatlKind == SECT_MATL_RC) ShowPresets();
  --m_bFilling;
  Repaint();
}

void CCMSectItemReg::OnSourceClicked() {
  if (m_bFilling) return;
  const BOOL bDB = IsDBRadio();
  m_cbDBName.EnableWindow(bDB);
  if (bDB) m_bAutoName = 1;
  m_chkBuiltUp.SetCheck(bDB ? 0 : 1);
  ApplyBuiltUp();
  OnDBChanged();
}

void CCMSectItemReg::OnProfileChosen() {
  if (m_bFilling) return;
  const CString text = SelText(m_cbProfile);
  if (text == m_sect.Part1.BaseA.strSectName) return;
  LoadProfile(text);
}

void CCMSectItemReg::LoadProfile(const CString& strProfile) {
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  base.strSectName = strProfile;
  T_SECT_SECTBASE_D fresh;
  fresh.Initialize();
  if (m_pSectDB && !strProfile.IsEmpty()) m_pSectDB->GetSectData(base.strDBName, strProfile, fresh);
  for (int i = 0; i < SIZE_ROWS; ++i) base.dSize[i] = fresh.dSize[i];
  base.iFabType = fresh.iFabType;
  ++m_bFilling;
  m_chkBuiltUp.SetCheck(base.iFabType != 2 ? 1 : 0);
  ApplyBuiltUp();
  ShowSizeRows();
  if (m_bAutoName) {
    m_sect.strName = strProfile;
    GetDlgItem(IDC_SECT_REG_NAME)->SetWindowText(strProfile);
  }
  if (m_sect.Part1.strShape == "CC") base.strBaseShape = LightSteelCode();
  --m_bFilling;
  Repaint();
}

void CCMSectItemReg::OnSingleDBChosen() {
  if (!m_bFilling) FillSingleSections();
}

void CCMSectItemReg::OnSingleSectChosen() {
  if (m_bFilling) return;
  const CString db = SelText(m_cbSingleDB);
  const CString sect = SelText(m_cbSingleSect);
  if (db.IsEmpty() || sect.IsEmpty() || !m_pSectDB) return;
  T_SECT_SECTBASE_D single;
  single.Initialize();
  m_pSectDB->GetSectData(db, sect, single);
  for (int i = 0; i < 4; ++i) m_sect.Part1.BaseA.dSize[i] = single.dSize[i];
  ShowSizeRows();
  if (m_bAutoName) {
    // The pair is named by the first character of its code and the single section
    // ("2L50x5", "2C10", "CL50x5"): the names the name rule reads back as a profile.
    m_sect.strName = m_sect.Part1.strShape.Left(1) + sect;
    ++m_bFilling;
    GetDlgItem(IDC_SECT_REG_NAME)->SetWindowText(m_sect.strName);
    --m_bFilling;
  }
  Repaint();
}

void CCMSectItemReg::OnSizeChanged(UINT nID) {
  if (m_bFilling) return;
  int r = 0;
  while (r < 6 && kEditIDs[r] != nID) ++r;
  if (r == 6) return;
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  double v = 0.0;
  m_aEdit[r].GetEditValue(v);
  base.dSize[SizeSlot(r)] = v;
  if (m_nMatlKind == SECT_MATL_RC && m_sect.Part1.strShape == "B") base.dSize[4] = 0.0;
  Repaint();
  if (m_bModify || IsDBRadio()) return;
  const CString& code = m_sect.Part1.strShape;
  const CString sizes = CSectUtil::AutoFillSectName(m_nMatlKind, code, base.dSize);
  if (sizes.IsEmpty()) return;
  const CString name = code == "SR" ? "R" + sizes : code == "SB" ? sizes : code + sizes;
  GetDlgItem(IDC_SECT_REG_NAME)->SetWindowText(name);
}

void CCMSectItemReg::OnBuiltUpClicked() {
  if (!m_bFilling) ApplyBuiltUp();
}

void CCMSectItemReg::OnNameSetFocus() {
  if (CWnd* name = GetDlgItem(IDC_SECT_REG_NAME)) name->PostMessage(EM_SETSEL, 0, (LPARAM)-1);
}

void CCMSectItemReg::OnNameUpdate() {
  CString name = WindowText(GetDlgItem(IDC_SECT_REG_NAME));
  if (name.IsEmpty()) {
    m_bAutoName = 1;
    return;
  }
  CString db = ChosenDBName();
  if (name.Left(2) == "2L" || name.Left(2) == "2C" || name.Left(2) == "CL") {
    db = SelText(m_cbSingleDB);
    name = name.Mid(1);
  }
  T_SECT_SECTBASE_D probe;
  probe.Initialize();
  m_bAutoName = !name.IsEmpty() && !db.IsEmpty() && m_pSectDB && m_pSectDB->GetSectData(db, name, probe);
}

void CCMSectItemReg::OnPiecesChanged() {
  if (m_bFilling) return;
  FillComboTypes(m_cbPieces.GetCurSel() + 1);
  OnComboTypeChanged();
}

void CCMSectItemReg::OnComboTypeChanged() {
  if (m_bFilling) return;
  m_sect.Part1.BaseA.strBaseShape = LightSteelCode();
  Repaint();
}

void CCMSectItemReg::OnOffsetChanged() {
  if (m_bFilling) return;
  m_sect.Part1.iOffset = m_cbOffset.GetCurSel() + 1;
  Repaint();
}

void CCMSectItemReg::OnPresetChosen() {
  if (m_bFilling) return;
  const CString text = SelText(m_cbPreset);
  const int x = text.Find('x');
  if (text.IsEmpty() || x < 0) return;
  GetDlgItem(IDC_SECT_REG_NAME)->SetWindowText(text);
  // Presets are written in millimetres.
  const double first = std::atof(text.Left(x)) / 1000.0;
  const double second = std::atof(text.Mid(x + 1)) / 1000.0;
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  base.dSize[1] = first;
  base.dSize[0] = second;
  ++m_bFilling;
  m_aEdit[1].SetEditUnit(first);
  m_aEdit[0].SetEditUnit(second);
  --m_bFilling;
  Repaint();
}

// ---- keys ----------------------------------------------------------------------------

BOOL CCMSectItemReg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB) {
    CWnd* focus = CWnd::GetFocus();
    for (int i = 0; focus && i < SIZE_ROWS; ++i) {
      if (focus != &m_aEdit[i] && focus->GetSafeHwnd() != m_aEdit[i].GetSafeHwnd()) continue;
      CEdit* next = (CEdit*)m_aEdit[i].GetNext();
      if (!next) break;
      next->SetFocus();
      next->SetSel(0, -1);
      return TRUE;
    }
    CWnd* user = GetDlgItem(IDC_SECT_REG_USER);
    if (focus && user && focus->GetSafeHwnd() == user->GetSafeHwnd()) {
      CCMSizeEdit& first = m_aEdit[m_nFirstSizeRow - 1];
      first.SetFocus();
      first.SetSel(0, -1);
      return TRUE;
    }
  }
  return CDlgChild::PreTranslateMessage(pMsg);
}
