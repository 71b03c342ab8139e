#include "properties/CCMSectItemSrc.h"

#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CInitCtrl.h"
#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "properties/CCMSectInfo.h"
#include "properties/CCMSectItemSrcTables.h"
#include "ui/CDlgUtil.h"
#include "ui/GMsg.h"

using namespace SectSrcPage;

IMPLEMENT_DYNAMIC(CCMSectItemSrc, CCMSectItemBase)

BEGIN_MESSAGE_MAP(CCMSectItemSrc, CCMSectItemBase)
  ON_CBN_SELCHANGE(IDC_SECT_SRC_SHAPE, &CCMSectItemSrc::OnSelChangeShape)
  ON_CBN_SELCHANGE(IDC_SECT_SRC_DBNAME, &CCMSectItemSrc::OnDBChanged)
  ON_BN_CLICKED(IDC_SECT_SRC_USER, &CCMSectItemSrc::OnSourceClicked)
  ON_BN_CLICKED(IDC_SECT_SRC_DB, &CCMSectItemSrc::OnSourceClicked)
  ON_CBN_SELCHANGE(IDC_SECT_SRC_PROFILE, &CCMSectItemSrc::OnSelChangeProfile)
  ON_CBN_SELCHANGE(IDC_SECT_SRC_TWO_PROFILE1, &CCMSectItemSrc::OnSelChangeProfile1)
  ON_CBN_SELCHANGE(IDC_SECT_SRC_TWO_PROFILE2, &CCMSectItemSrc::OnSelChangeProfile2)
  ON_CONTROL_RANGE(EN_CHANGE, IDC_SECT_SRC_CONC_SIZE1, IDC_SECT_SRC_CONC_SIZE2, &CCMSectItemSrc::OnConcSizeChanged)
  ON_CONTROL_RANGE(EN_CHANGE, IDC_SECT_SRC_SIZE1, IDC_SECT_SRC_SIZE6, &CCMSectItemSrc::OnSteelSizeChanged)
  ON_CONTROL_RANGE(EN_CHANGE, IDC_SECT_SRC_TWO_SIZE1, IDC_SECT_SRC_TWO_SIZE8, &CCMSectItemSrc::OnTwoSizeChanged)
  ON_EN_CHANGE(IDC_SECT_ITEM_NUMBER, &CCMSectItemSrc::OnNumberChanged)
  ON_EN_CHANGE(IDC_SECT_SRC_NAME, &CCMSectItemSrc::OnNameChanged)
  ON_EN_SETFOCUS(IDC_SECT_SRC_NAME, &CCMSectItemSrc::OnNameSetFocus)
  ON_EN_UPDATE(IDC_SECT_SRC_NAME, &CCMSectItemSrc::OnUpdateName)
  ON_BN_CLICKED(IDC_SECT_SRC_MATL_BTN, &CCMSectItemSrc::OnDefineSrcMatl)
END_MESSAGE_MAP()

namespace {

// The six stiffness scale factors of a block.
double T_SECT_STIFFNESS::* const kFactors[6] = {&T_SECT_STIFFNESS::fArea, &T_SECT_STIFFNESS::fAsy,
                                                 &T_SECT_STIFFNESS::fAsz,  &T_SECT_STIFFNESS::fIxx,
                                                 &T_SECT_STIFFNESS::fIyy,  &T_SECT_STIFFNESS::fIzz};

void CopyFactors(const T_SECT_STIFFNESS& from, T_SECT_STIFFNESS& to) {
  for (auto f : kFactors) to.*f = from.*f;
}

}  // namespace

CCMSectItemSrc::CCMSectItemSrc(CWnd* pParent)
    : CCMSectItemBase(IDD_CMD_SECT_SRC, pParent),
      m_nSteelMode(STEEL_SINGLE),
      m_pSectDB(nullptr),
      m_bNameFollows(0),
      m_bFilling(0) {
  m_sect.Initialize();
  m_sect.iType = SECT_TYPE_SRC;
  m_sect.iMatlType = SECT_MATL_SRC;
  m_sect.Part1.strShape = "RBO";
  m_aSourceIDs.Add(IDC_SECT_SRC_USER);
  m_aSourceIDs.Add(IDC_SECT_SRC_DB);
  m_aConvIDs.Add(IDC_SECT_SRC_CONV_STEEL);
  m_aConvIDs.Add(IDC_SECT_SRC_CONV_CONC);
  for (UINT id : {IDC_SECT_SRC_STEEL_FRAME, IDC_SECT_SRC_USER, IDC_SECT_SRC_DB, IDC_SECT_SRC_DBNAME})
    m_aSteelIDs.Add(id);
  for (UINT id : {IDC_SECT_SRC_PROFILE_LABEL, IDC_SECT_SRC_PROFILE, IDC_SECT_SRC_BUILTUP}) m_aSingleIDs.Add(id);
  for (int i = 0; i < STEEL_ROWS; ++i) {
    m_aSingleIDs.Add(kTitleIDs[i]);
    m_aSingleIDs.Add(kEditIDs[i]);
    m_aSingleIDs.Add(kUnitIDs[i]);
  }
  m_aTwoIDs.Add(IDC_SECT_SRC_TWO_LABEL1);
  m_aTwoIDs.Add(IDC_SECT_SRC_TWO_PROFILE1);
  for (int i = 0; i < 4; ++i) {
    m_aTwoIDs.Add(kTwoTitleIDs[i]);
    m_aTwoIDs.Add(kTwoEditIDs[i]);
  }
  m_aTwoIDs.Add(IDC_SECT_SRC_TWO_LABEL2);
  m_aTwoIDs.Add(IDC_SECT_SRC_TWO_PROFILE2);
  for (int i = 4; i < TWO_ROWS; ++i) {
    m_aTwoIDs.Add(kTwoTitleIDs[i]);
    m_aTwoIDs.Add(kTwoEditIDs[i]);
  }
  m_aTwoIDs.Add(IDC_SECT_SRC_TWO_UNIT_LABEL);
  m_aTwoIDs.Add(IDC_SECT_SRC_TWO_UNIT);
  for (const char* s : kSizeMenu) m_aSizeMenu.Add(s);
  for (const char* s : kThickMenu) m_aThickMenu.Add(s);
}

CCMSectItemSrc::~CCMSectItemSrc() = default;

CCMSectItemBase* CCMSectItemSrc::NewPage(int) { return new CCMSectItemSrc(nullptr); }

// ---- the page contract ---------------------------------------------------------------

BOOL CCMSectItemSrc::SaveData() { return SaveSection(); }
int CCMSectItemSrc::OnParentOK() { return SaveData(); }
int CCMSectItemSrc::OnParentApply() { return ApplySection(IDC_SECT_SRC_CONC_SIZE1); }
void CCMSectItemSrc::OnParentCalc() { CalcSection(); }

BOOL CCMSectItemSrc::CheckAndCalc() {
  CClassSect sect;
  if (m_pMDB) sect.ConnectToDB(m_pMDB->GetModelDB());
  if (!sect.CheckSectSize(0, m_sect, 0)) return FALSE;
  T_SECT_STIFFNESS kept = m_sect.Part1.BaseA.Stiff;
  const BOOL ok = CSectUtil::CalcSectData(m_sect);
  CopyFactors(kept, m_sect.Part1.BaseA.Stiff);
  return ok;
}

UINT CCMSectItemSrc::ChooseSrcMatl(T_MATL_D& matl) {
  if (!m_pMDB) return 0;
  DB_CDataBase* db = m_pMDB->GetModelDB();
  CClassMatl table;
  table.ConnectToDB(db);
  // A key counts only when it names an SRC material: one deleted or changed to another
  // type is no composite material.
  auto isSrc = [&](UINT key) { return key && table.Get(key, matl) && matl.type == "SRC"; };
  UINT key = m_sect.Part1.nSrcMatl;
  if (isSrc(key)) return key;
  CClassStor stor;
  stor.ConnectToDB(db);
  key = stor.GetMatlK(stor.GetBaseStorK(CClassMdul::MAIN_TOWER), 20);
  if (isSrc(key)) return key;
  CUIntArray keys;
  table.GetKeyListByType(keys, "SRC");
  if (keys.GetSize() == 0 || !isSrc(keys[0])) {
    ShowKey(kNoSrcMatl);
    return 0;
  }
  AfxMessageBox(GMakeMsg(kAutoSrcMatl, (LPCTSTR)matl.name));
  return keys[0];
}

int CCMSectItemSrc::Dlg2Data() {
  // Over the record as read: what the page does not show stays as it was.
  T_MATL_D matl;
  const UINT nMatl = ChooseSrcMatl(matl);
  if (!nMatl) return 0;
  T_SECT_SECTION_D& part = m_sect.Part1;
  const T_SECT_STIFFNESS kept = part.Stiff;
  m_sect.iType = SECT_TYPE_SRC;
  m_sect.iMatlType = SECT_MATL_SRC;
  CopyFactors(kept, part.Stiff);
  part.nSrcMatl = nMatl;
  ReadNumberEdit();
  CString name = WindowText(GetDlgItem(IDC_SECT_SRC_NAME));
  name.Trim();
  m_sect.strName = name;

  const int sel = m_cbShape.GetSafeHwnd() ? m_cbShape.GetCurSel() : -1;
  if (sel < 0) {
    ShowKey(kNoShape);
    return 0;
  }
  const int nIndex = (int)m_cbShape.GetItemData(sel);
  part.strShape = CSectUtil::GetShapeNameFromIndexSrc(nIndex);
  const int conv = CDlgUtil::CtrlRadioGetCheck(this, m_aConvIDs);
  part.iSrcConv = conv >= 0 ? conv + 1 : 1;
  CClassMatl table;
  table.ConnectToDB(m_pMDB->GetModelDB());
  table.GetMatlInfo_ofSRCSect(matl, m_sect);
  part.iSrcMatlSet = 1;

  T_SECT_SECTBASE_D& steel = part.BaseA;
  steel.iFabType = m_chkBuiltUp.GetCheck() ? 1 : 2;
  part.iOffset = m_cbOffset.GetCurSel() + 1;
  steel.strDBName = ChosenDBName();
  steel.strBaseShape = CSectUtil::GetSteelShapeFromSRCShape(part.strShape);
  // A size the user left as shown keeps its stored value exactly.
  auto readSize = [](const CCMSizeEdit& edit, double& size) {
    if (WindowText(&edit) == CCMSizeEdit::FormatValue(edit.GetUnitType(), size)) return;
    double v = 0.0;
    edit.GetEditValue(v);
    size = v;
  };
  if (m_nSteelMode == STEEL_TWO) {
    const BOOL bDB = !steel.strDBName.IsEmpty();
    steel.strSectName = bDB ? WindowText(&m_cbProfile1) : CString();
    steel.strSectName2 = bDB ? WindowText(&m_cbProfile2) : CString();
    const int n = CSectUtil::GetSizeNumFromShapeIndexSrcSteel(nIndex);
    for (int r = 0; r < n && r < TWO_ROWS; ++r) readSize(m_aTwoEdit[r], steel.dSize[r]);
    steel.iFabType = 1;
  } else {
    steel.strSectName = steel.strDBName.IsEmpty() ? CString() : WindowText(&m_cbProfile);
    const int n = CSectUtil::GetSizeNumFromShapeIndexSrcSteel(nIndex);
    for (int r = 0; r < n && r < STEEL_ROWS; ++r) readSize(m_aEdit[r], steel.dSize[SteelSlot(r)]);
  }
  if (IsBoxSteel()) steel.dSize[4] = 0.0;

  T_SECT_SECTBASE_D& concrete = part.BaseB;
  concrete.strBaseShape = CSectUtil::GetConcreteShapeFromSRCShape(part.strShape);
  const int m = CSectUtil::GetSizeNumFromShapeIndexSrcConcr(nIndex);
  for (int r = 0; r < m && r < CONC_ROWS; ++r) readSize(m_aConcEdit[r], concrete.dSize[r]);
  return 1;
}

void CCMSectItemSrc::NewRecord() {
  const CString name = m_sect.strName;
  m_sect.Initialize();
  m_sect.iType = SECT_TYPE_SRC;
  m_sect.iMatlType = SECT_MATL_SRC;
  m_sect.Part1.strShape = "RBO";
  m_sect.Part1.BaseA.strBaseShape = CSectUtil::GetSteelShapeFromSRCShape("RBO");
  m_sect.Part1.BaseB.strBaseShape = CSectUtil::GetConcreteShapeFromSRCShape("RBO");
  if (m_pDoc) m_sect.Part1.BaseA.strDBName = m_pDoc->GetInitCtrl()->GetPreference().defSteelDB;
  if (m_bInitialized) m_sect.strName = name;
}

// ---- opening -------------------------------------------------------------------------

BOOL CCMSectItemSrc::OnInitDialog() {
  CCMSectItemBase::OnInitDialog();
  ++m_bFilling;
  ArrangeSteelGroups();
  InitControls();
  if (m_sect.iType != SECT_TYPE_SRC) {
    // A section of another kind becomes a new SRC section that keeps only its name.
    const CString name = m_sect.strName;
    NewRecord();
    m_sect.strName = name;
  }
  --m_bFilling;
  InitPageCommon();
  return TRUE;
}

void CCMSectItemSrc::ArrangeSteelGroups() {
  // The two-steel group takes the place of the single-steel group in the steel box.
  CWnd* steelBox = GetDlgItem(IDC_SECT_SRC_STEEL_FRAME);
  CWnd* twoBox = GetDlgItem(IDC_SECT_SRC_TWO_FRAME);
  if (steelBox && twoBox) {
    CRect a, b;
    steelBox->GetWindowRect(&a);
    twoBox->GetWindowRect(&b);
    CDlgUtil::CtrlMoveDistX(this, m_aTwoIDs, a.left - b.left);
    twoBox->ShowWindow(SW_HIDE);
  }
  const int mode = m_nSteelMode;
  m_nSteelMode = 0;
  ShowSteelGroup(mode);
}

void CCMSectItemSrc::ShowSteelGroup(int nMode) {
  CDlgUtil::CtrlShowHide(this, m_aSteelIDs, nMode != STEEL_NONE);
  CDlgUtil::CtrlShowHide(this, m_aSingleIDs, nMode == STEEL_SINGLE);
  CDlgUtil::CtrlShowHide(this, m_aTwoIDs, nMode == STEEL_TWO);
  m_nSteelMode = nMode;
}

void CCMSectItemSrc::InitControls() {
  m_pSectDB = m_pDoc ? m_pDoc->GetSectDB() : CSectDB::GetDefault();
  m_cbShape.SubclassDlgItem(IDC_SECT_SRC_SHAPE, this);
  m_cbDBName.SubclassDlgItem(IDC_SECT_SRC_DBNAME, this);
  m_cbProfile.SubclassDlgItem(IDC_SECT_SRC_PROFILE, this);
  m_cbProfile1.SubclassDlgItem(IDC_SECT_SRC_TWO_PROFILE1, this);
  m_cbProfile2.SubclassDlgItem(IDC_SECT_SRC_TWO_PROFILE2, this);
  m_chkBuiltUp.SubclassDlgItem(IDC_SECT_SRC_BUILTUP, this);
  m_cbOffset.SubclassDlgItem(IDC_SECT_SRC_OFFSET, this);
  m_stPicture.SubclassDlgItem(IDC_SECT_SRC_PICTURE, this);
  m_editEsEc.SubclassDlgItem(IDC_SECT_SRC_ESEC, this);
  m_editDsDc.SubclassDlgItem(IDC_SECT_SRC_DSDC, this);
  m_editPs.SubclassDlgItem(IDC_SECT_SRC_PS, this);
  m_editPc.SubclassDlgItem(IDC_SECT_SRC_PC, this);
  for (int i = 0; i < CONC_ROWS; ++i) {
    m_aConcTitle[i].SubclassDlgItem(kConcTitleIDs[i], this);
    m_aConcEdit[i].SubclassDlgItem(kConcEditIDs[i], this);
    m_aConcUnit[i].SubclassDlgItem(kConcUnitIDs[i], this);
  }
  for (int i = 0; i < STEEL_ROWS; ++i) {
    m_aTitle[i].SubclassDlgItem(kTitleIDs[i], this);
    m_aEdit[i].SubclassDlgItem(kEditIDs[i], this);
    m_aUnit[i].SubclassDlgItem(kUnitIDs[i], this);
  }
  for (int i = 0; i < TWO_ROWS; ++i) {
    m_aTwoTitle[i].SubclassDlgItem(kTwoTitleIDs[i], this);
    m_aTwoEdit[i].SubclassDlgItem(kTwoEditIDs[i], this);
  }
  m_twoUnit.SubclassDlgItem(IDC_SECT_SRC_TWO_UNIT, this);

  FillShapeCombo(m_cbShape, CCMSectInfo::KIND_SRC);
  CStringArray dbNames;
  if (m_pSectDB) m_pSectDB->GetDBNameList(dbNames);
  for (INT_PTR i = 0; i < dbNames.GetSize(); ++i) m_cbDBName.AddString(dbNames[i]);
  m_cbDBName.SetCurSel(0);
  m_cbProfile.SetActionWhenKillFocus(2, -1);

  CStringArray offsets;
  CSectUtil::GetOffsetNameList(offsets);
  for (INT_PTR i = 0; i < offsets.GetSize(); ++i) m_cbOffset.AddString(offsets[i]);
  m_cbOffset.SetCurSel(4);

  m_wndView.SubclassCtrl(GetDlgItem(IDC_SECT_SRC_VIEW));

  for (int i = 0; i < CONC_ROWS; ++i) {
    m_aConcEdit[i].SetUnitType(UNIT_LENGTH);
    m_aConcUnit[i].SetUnitType(UNIT_LENGTH);
  }
  for (int i = 0; i < STEEL_ROWS; ++i) {
    m_aEdit[i].SetUnitType(UNIT_LENGTH);
    m_aUnit[i].SetUnitType(UNIT_LENGTH);
  }
  for (int i = 0; i < TWO_ROWS; ++i) m_aTwoEdit[i].SetUnitType(UNIT_LENGTH);
  m_twoUnit.SetUnitType(UNIT_LENGTH);
  m_editEsEc.SetUnitType(T_MATL_ANALYSIS::unit[0]);
  m_editDsDc.SetUnitType(T_MATL_ANALYSIS::unit[3]);
  m_editPs.SetUnitType(T_MATL_ANALYSIS::unit[1]);
  m_editPc.SetUnitType(T_MATL_ANALYSIS::unit[1]);

  m_chkBuiltUp.EnableWindow(FALSE);
  CDlgUtil::CtrlShowHide(this, {IDC_SECT_SRC_OFFSET_LABEL, IDC_SECT_SRC_OFFSET}, FALSE);
  for (UINT id : kMatlGroup)
    if (CWnd* w = GetDlgItem((int)id)) w->ShowWindow(SW_HIDE);
  // The page ends under the composite material button.
  if (CWnd* button = GetDlgItem(IDC_SECT_SRC_MATL_BTN)) {
    CRect rcButton, rcPage;
    button->GetWindowRect(&rcButton);
    GetWindowRect(&rcPage);
    rcPage.bottom = rcButton.bottom + 2;
    if (CWnd* parent = GetParent()) parent->ScreenToClient(&rcPage);
    MoveWindow(&rcPage, FALSE);
  }

  for (int i = 0; i < STEEL_ROWS; ++i) {
    m_aEdit[i].SetSizeList(m_aSizeMenu);
    m_aEdit[i].SetNext(i + 1 < STEEL_ROWS ? &m_aEdit[i + 1] : nullptr);
  }
  for (int i = 0; i < CONC_ROWS; ++i) m_aConcEdit[i].SetSizeList(m_aSizeMenu);
  m_aConcEdit[0].SetNext(&m_aConcEdit[1]);
}
