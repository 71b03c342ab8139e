// The SRC section page: what the user's actions do.
#include "properties/CCMSectItemSrc.h"

#include "db/CSectUtil.h"
#include "properties/CCMSectItemSrcCheckDlg.h"
#include "properties/CCMSectItemSrcTables.h"
#include "ui/CDlgUtil.h"

using namespace SectSrcPage;

void CCMSectItemSrc::OnSelChangeShape() {
  if (m_bFilling) return;
  const int sel = m_cbShape.GetCurSel();
  if (sel < 0) return;
  const int nIndex = (int)m_cbShape.GetItemData(sel);
  if (nIndex == ShapeIndex()) return;
  T_SECT_SECTION_D& part = m_sect.Part1;
  part.strShape = CSectUtil::GetShapeNameFromIndexSrc(nIndex);
  // A new shape keeps the database choice; every size, profile name and build of both
  // parts starts again.
  const CString db = part.BaseA.strDBName;
  part.BaseA.Initialize();
  part.BaseA.strDBName = db;
  part.BaseA.strBaseShape = CSectUtil::GetShapeNameFromIndexSrcSteel(nIndex);
  part.BaseB.Initialize();
  part.BaseB.strBaseShape = CSectUtil::GetShapeNameFromIndexSrcConcr(nIndex);
  Data2Dlg();
}

void CCMSectItemSrc::OnDBChanged() {
  if (m_bFilling) return;
  T_SECT_SECTION_D& part = m_sect.Part1;
  T_SECT_SECTBASE_D& steel = part.BaseA;
  const CString name = ChosenDBName();
  if (name == steel.strDBName) return;
  if (!name.IsEmpty()) {
    steel.Initialize();
    steel.strDBName = name;
    steel.strBaseShape = CSectUtil::GetSteelShapeFromSRCShape(part.strShape);
  } else {
    // Typed sizes: the profile's sizes stay, to be edited.
    steel.strDBName.Empty();
    steel.strSectName.Empty();
    steel.strSectName2.Empty();
  }
  if (m_nSteelMode == STEEL_TWO) {
    FillTwoProfileLists();
    ShowTwoSizes();
  } else {
    FillProfileList();
    ShowSteelSizes();
  }
  Repaint();
}

void CCMSectItemSrc::OnSourceClicked() {
  if (m_bFilling) return;
  const BOOL bDB = IsDBRadio();
  m_cbDBName.EnableWindow(bDB);
  if (!bDB) m_sect.Part1.BaseA.iFabType = 1;
  OnDBChanged();
}

void CCMSectItemSrc::OnSelChangeProfile() {
  if (m_bFilling) return;
  const CString text = SelText(m_cbProfile);
  if (text == m_sect.Part1.BaseA.strSectName) return;
  LoadProfile(text);
}

void CCMSectItemSrc::LoadProfile(const CString& strProfile) {
  T_SECT_SECTBASE_D& steel = m_sect.Part1.BaseA;
  steel.strSectName = strProfile;
  T_SECT_SECTBASE_D fresh;
  fresh.Initialize();
  if (m_pSectDB && !strProfile.IsEmpty()) m_pSectDB->GetSectData(steel.strDBName, strProfile, fresh);
  for (int i = 0; i < STEEL_ROWS; ++i) steel.dSize[i] = fresh.dSize[i];
  steel.iFabType = fresh.iFabType;
  ShowSteelSizes();
  FollowName(strProfile);
  Repaint();
}

void CCMSectItemSrc::OnSelChangeProfile1() {
  if (m_bFilling) return;
  const CString text = SelText(m_cbProfile1);
  if (text != m_sect.Part1.BaseA.strSectName) LoadTwoProfile(0, text);
}

void CCMSectItemSrc::OnSelChangeProfile2() {
  if (m_bFilling) return;
  const CString text = SelText(m_cbProfile2);
  if (text != m_sect.Part1.BaseA.strSectName2) LoadTwoProfile(1, text);
}

void CCMSectItemSrc::LoadTwoProfile(int nWhich, const CString& strProfile) {
  T_SECT_SECTBASE_D& steel = m_sect.Part1.BaseA;
  (nWhich == 0 ? steel.strSectName : steel.strSectName2) = strProfile;
  T_SECT_SECTBASE_D fresh;
  fresh.Initialize();
  if (m_pSectDB && !strProfile.IsEmpty()) m_pSectDB->GetSectData(steel.strDBName, strProfile, fresh);
  // The first profile gives the first four sizes, the second the last four.
  for (int i = 0; i < 4; ++i) steel.dSize[4 * nWhich + i] = fresh.dSize[i];
  ShowTwoSizes();
  FollowName(strProfile);
  Repaint();
}

void CCMSectItemSrc::FollowName(const CString& strProfile) {
  if (!m_bNameFollows) return;
  m_sect.strName = strProfile;
  ++m_bFilling;
  GetDlgItem(IDC_SECT_SRC_NAME)->SetWindowText(strProfile);
  --m_bFilling;
}

void CCMSectItemSrc::OnConcSizeChanged(UINT nID) {
  if (m_bFilling) return;
  for (int r = 0; r < CONC_ROWS; ++r) {
    if (kConcEditIDs[r] != nID) continue;
    double v = 0.0;
    m_aConcEdit[r].GetEditValue(v);
    m_sect.Part1.BaseB.dSize[r] = v;
    Repaint();
  }
}

void CCMSectItemSrc::OnSteelSizeChanged(UINT nID) {
  if (m_bFilling) return;
  for (int r = 0; r < STEEL_ROWS; ++r) {
    if (kEditIDs[r] != nID) continue;
    double v = 0.0;
    m_aEdit[r].GetEditValue(v);
    T_SECT_SECTBASE_D& steel = m_sect.Part1.BaseA;
    steel.dSize[SteelSlot(r)] = v;
    if (IsBoxSteel()) steel.dSize[4] = 0.0;
    Repaint();
  }
}

void CCMSectItemSrc::OnTwoSizeChanged(UINT nID) {
  if (m_bFilling) return;
  for (int r = 0; r < TWO_ROWS; ++r) {
    if (kTwoEditIDs[r] != nID) continue;
    double v = 0.0;
    m_aTwoEdit[r].GetEditValue(v);
    m_sect.Part1.BaseA.dSize[r] = v;
    Repaint();
  }
}

void CCMSectItemSrc::OnNumberChanged() {
  if (!m_bFilling) ReadNumberEdit();
}

void CCMSectItemSrc::OnNameChanged() {
  if (!m_bFilling) m_sect.strName = WindowText(GetDlgItem(IDC_SECT_SRC_NAME));
}

void CCMSectItemSrc::OnNameSetFocus() {
  if (CWnd* name = GetDlgItem(IDC_SECT_SRC_NAME)) name->PostMessage(EM_SETSEL, 0, (LPARAM)-1);
}

void CCMSectItemSrc::OnUpdateName() {
  const CString name = WindowText(GetDlgItem(IDC_SECT_SRC_NAME));
  if (name.IsEmpty()) {
    m_bNameFollows = 1;
    return;
  }
  const CString db = ChosenDBName();
  T_SECT_SECTBASE_D probe;
  probe.Initialize();
  m_bNameFollows = !db.IsEmpty() && m_pSectDB && m_pSectDB->GetSectData(db, name, probe);
}

void CCMSectItemSrc::OnDefineSrcMatl() {
  CCMSectItemSrcCheckDlg dlg(nullptr);
  dlg.m_nMatlKey = m_sect.Part1.nSrcMatl;
  if (dlg.DoModal() == IDOK) m_sect.Part1.nSrcMatl = dlg.m_nMatlKey;
}
