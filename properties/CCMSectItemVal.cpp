#include "properties/CCMSectItemVal.h"

#include "afx/AfxMessageBox.h"
#include "db/CSectUtil.h"
#include "properties/CCMSectInfo.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCMSectItemVal, CCMSectItemBase)

BEGIN_MESSAGE_MAP(CCMSectItemVal, CCMSectItemBase)
  ON_CBN_SELCHANGE(IDC_SECT_VAL_SHAPE, &CCMSectItemVal::OnShapeChanged)
  ON_EN_CHANGE(IDC_SECT_ITEM_NUMBER, &CCMSectItemVal::OnNumberChange)
  ON_EN_CHANGE(IDC_SECT_VAL_NAME, &CCMSectItemVal::OnNameChange)
  ON_BN_CLICKED(IDC_SECT_VAL_BUILTUP, &CCMSectItemVal::OnBuiltUpClicked)
  ON_EN_SETFOCUS(IDC_SECT_VAL_NAME, &CCMSectItemVal::OnNameSetFocus)
  ON_CBN_SELCHANGE(IDC_SECT_VAL_OFFSET, &CCMSectItemVal::OnOffsetChanged)
END_MESSAGE_MAP()

namespace {

const char* const kNoShape = "IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_";
const char* const kInvalidShape = "IDS_CMD_THIK_Err_Invalid_SecShape";

// Material kinds offered, in order: the text key and the kind (T_SECT_D::iMatlType).
struct MatlKind {
  const char* key;
  int nKind;
};
const MatlKind kMatlKinds[] = {
    {"IDS_WG_CMD_SEC_MATL_TYPE_RC", SECT_MATL_RC},
    {"IDS_WG_CMD_SEC_MATL_TYPE_STEEL", SECT_MATL_STEEL},
    {"IDS_WG_CMD_SEC_MATL_TYPE_USER", SECT_MATL_USER},
};

// The page's shape pictures by shape index 0 to 9.
const UINT kPictures[] = {IDB_SECT_VALUE_L, IDB_SECT_VALUE_C,  IDB_SECT_VALUE_H,  IDB_SECT_VALUE_T,
                          IDB_SECT_VALUE_B, IDB_SECT_VALUE_P,  IDB_SECT_VALUE_2L, IDB_SECT_VALUE_2C,
                          IDB_SECT_VALUE_SB, IDB_SECT_VALUE_SR};

// The offset point a new page shows (the centre, the fifth name).
constexpr int kCentreOffset = 4;

CString WindowText(const CWnd* w) {
  CString s;
  if (w && w->GetSafeHwnd()) w->GetWindowText(s);
  return s;
}

void ShowKey(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

}  // namespace

CCMSectItemVal::CCMSectItemVal(CWnd* pParent) : CCMSectItemBase(IDD_CMD_SECT_VALUE, pParent), m_bFilling(0) {
  m_sect.Initialize();
  m_sect.iType = SECT_TYPE_VALUE;
}

CCMSectItemVal::~CCMSectItemVal() = default;

CCMSectItemBase* CCMSectItemVal::NewPage(int) { return new CCMSectItemVal(nullptr); }

// ---- the page contract -------------------------------------------------------------------

BOOL CCMSectItemVal::CheckAndCalc() { return TRUE; }
BOOL CCMSectItemVal::SaveData() { return SaveSection(); }
int CCMSectItemVal::OnParentOK() { return SaveData(); }
int CCMSectItemVal::OnParentApply() { return ApplySection(IDC_SECT_VAL_NAME); }
void CCMSectItemVal::OnParentCalc() {}

int CCMSectItemVal::Dlg2Data() {
  // Over the record as read: what the page does not show stays as it was.
  m_sect.iType = SECT_TYPE_VALUE;
  m_sect.iMatlType = (int)CDlgUtil::CobxGetItemDataByCurSel(&m_cbMatl, (DWORD_PTR)m_sect.iMatlType);
  ReadNumberEdit();
  CString name = WindowText(GetDlgItem(IDC_SECT_VAL_NAME));
  name.Trim();
  m_sect.strName = name;
  const int sel = m_cbShape.GetSafeHwnd() ? m_cbShape.GetCurSel() : -1;
  if (sel < 0) {
    ShowKey(kNoShape);
    return 0;
  }
  T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  m_sect.Part1.strShape = CSectUtil::GetShapeNameFromIndexReg((int)m_cbShape.GetItemData(sel));
  base.iFabType = m_chkBuiltUp.GetCheck() ? 1 : 2;
  m_sect.Part1.iOffset = m_cbOffset.GetCurSel() + 1;
  if (!m_grid.GridToData()) return 0;
  base.Stiff.AreaAux = base.Stiff.Area;
  return 1;
}

void CCMSectItemVal::NewRecord() {
  const CString name = m_sect.strName;
  m_sect.Initialize();
  m_sect.iType = SECT_TYPE_VALUE;
  m_sect.Part1.strShape = "SB";
  m_sect.strName = name;
}

// ---- opening ---------------------------------------------------------------------------

BOOL CCMSectItemVal::OnInitDialog() {
  CCMSectItemBase::OnInitDialog();
  ++m_bFilling;
  SetUpControls();
  if (m_sect.iType != SECT_TYPE_VALUE) NewRecord();
  m_grid.SetData(&m_sect.Part1.BaseA, CCMSectItemGrid::SHEET_VALUE);
  m_grid.SetShapeIndex(ShapeIndex());
  --m_bFilling;
  InitPageCommon();
  return TRUE;
}

void CCMSectItemVal::SetUpControls() {
  m_cbMatl.SubclassDlgItem(IDC_SECT_VAL_MATL, this);
  m_cbOffset.SubclassDlgItem(IDC_SECT_VAL_OFFSET, this);
  m_chkBuiltUp.SubclassDlgItem(IDC_SECT_VAL_BUILTUP, this);
  m_cbShape.SubclassDlgItem(IDC_SECT_VAL_SHAPE, this);
  m_stPicture.SubclassDlgItem(IDC_SECT_VAL_PICTURE, this);
  for (const MatlKind& k : kMatlKinds) CDlgUtil::CobxAddItem(&m_cbMatl, CMsgDll::pfuncLoadStr(k.key, 0), (DWORD_PTR)k.nKind);
  m_grid.SubclassDlgItem(IDC_SECT_VAL_GRID, this);
  m_grid.InitGrid(&m_wndView);
  FillShapeCombo(m_cbShape, CCMSectInfo::KIND_VALUE);
  CStringArray offsets;
  CSectUtil::GetOffsetNameList(offsets);
  for (INT_PTR i = 0; i < offsets.GetSize(); ++i) m_cbOffset.AddString(offsets[i]);
  m_cbOffset.SetCurSel(kCentreOffset);
  m_wndView.SubclassCtrl(GetDlgItem(IDC_SECT_VAL_VIEW));
  if (CWnd* label = GetDlgItem(IDC_SECT_VAL_OFFSET_LABEL)) label->ShowWindow(SW_HIDE);
  m_cbOffset.ShowWindow(SW_HIDE);
}

// ---- showing the record ----------------------------------------------------------------

int CCMSectItemVal::ShapeIndex() const { return CSectUtil::GetShapeIndexFromNameReg(m_sect.Part1.strShape); }

void CCMSectItemVal::FillControls() {
  ++m_bFilling;
  const T_SECT_SECTBASE_D& base = m_sect.Part1.BaseA;
  CDlgUtil::CobxSetCurSelItemData(&m_cbMatl, (DWORD_PTR)m_sect.iMatlType);
  if (CWnd* name = GetDlgItem(IDC_SECT_VAL_NAME)) name->SetWindowText(m_sect.strName);
  const int nIndex = ShapeIndex();
  int found = -1;
  for (int i = 0; i < m_cbShape.GetCount() && found < 0; ++i)
    if ((int)m_cbShape.GetItemData(i) == nIndex) found = i;
  m_cbShape.SetCurSel(found);
  m_chkBuiltUp.EnableWindow(base.strDBName.IsEmpty());
  m_chkBuiltUp.SetCheck(base.iFabType != 2 ? 1 : 0);
  if (m_grid.GetShapeIndex() != nIndex) m_grid.SetShapeIndex(nIndex);
  m_grid.DataToGrid();
  m_cbOffset.SetCurSel(m_sect.Part1.iOffset - 1);
  ShowPicture();
  Repaint();
  --m_bFilling;
}

void CCMSectItemVal::ShowPicture() {
  const int nIndex = ShapeIndex();
  if (nIndex < 0) {
    ShowKey(kInvalidShape);
    return;
  }
  // The library's further shapes have no picture of their own.
  SetPicture(m_stPicture, nIndex < (int)(sizeof kPictures / sizeof kPictures[0]) ? kPictures[nIndex] : 0);
}

void CCMSectItemVal::Repaint() {
  if (m_wndView.GetSafeHwnd()) m_wndView.Invalidate();
}

// ---- handlers --------------------------------------------------------------------------

void CCMSectItemVal::OnShapeChanged() {
  if (m_bFilling) return;
  const int sel = m_cbShape.GetCurSel();
  if (sel < 0) return;
  const int nIndex = (int)m_cbShape.GetItemData(sel);
  if (nIndex == ShapeIndex()) return;
  m_grid.SetShapeIndex(nIndex);
  m_sect.Part1.strShape = CSectUtil::GetShapeNameFromIndexReg(nIndex);
  m_sect.strName = WindowText(GetDlgItem(IDC_SECT_VAL_NAME));
  // A new shape starts with no sizes and no values.
  m_sect.Part1.BaseA.Initialize();
  FillControls();
}

void CCMSectItemVal::OnNumberChange() {
  if (!m_bFilling) ReadNumberEdit();
}

void CCMSectItemVal::OnNameChange() {
  if (!m_bFilling) m_sect.strName = WindowText(GetDlgItem(IDC_SECT_VAL_NAME));
}

void CCMSectItemVal::OnBuiltUpClicked() {
  if (!m_bFilling) m_sect.Part1.BaseA.iFabType = m_chkBuiltUp.GetCheck() ? 1 : 2;
}

void CCMSectItemVal::OnNameSetFocus() {
  if (CWnd* name = GetDlgItem(IDC_SECT_VAL_NAME)) name->PostMessage(EM_SETSEL, 0, (LPARAM)-1);
}

void CCMSectItemVal::OnOffsetChanged() {
  if (m_bFilling) return;
  m_sect.Part1.iOffset = m_cbOffset.GetCurSel() + 1;
  Repaint();
}
