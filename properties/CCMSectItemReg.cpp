#include "properties/CCMSectItemReg.h"

#include <cstdlib>

#include "afx/AfxMessageBox.h"
#include "afx/CGdiObject.h"
#include "afx/CImageList.h"
#include "db/CInitCtrl.h"
#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "properties/CCMSectInfo.h"
#include "properties/CCMSectItemRegTables.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

using namespace SectRegPage;

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
  FillShapeCombo(m_cbShape, m_nMatlKind == SECT_MATL_RC ? CCMSectInfo::KIND_RC : CCMSectInfo::KIND_STEEL);
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
