// The regular section page: showing its record in the controls.
#include "properties/CCMSectItemReg.h"

#include <cstdlib>

#include "afx/CGdiObject.h"
#include "afx/CImageList.h"
#include "db/CInitCtrl.h"
#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "properties/CCMSectInfo.h"
#include "properties/CCMSectItemRegTables.h"

using namespace SectRegPage;

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
  SetPicture(m_stPicture, kPictures[m_nMatlKind == SECT_MATL_STEEL ? 1 : 0][nIndex]);
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
