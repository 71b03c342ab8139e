// The SRC section page: showing its record in the controls.
#include "properties/CCMSectItemSrc.h"

#include "db/CSectUtil.h"
#include "properties/CCMSectItemSrcTables.h"
#include "ui/CDlgUtil.h"

using namespace SectSrcPage;

void CCMSectItemSrc::Data2Dlg() {
  ++m_bFilling;
  T_SECT_SECTION_D& part = m_sect.Part1;
  const int mode = part.strShape == "RH2T" ? STEEL_TWO : STEEL_SINGLE;
  if (mode != m_nSteelMode) ShowSteelGroup(mode);

  const int nIndex = ShapeIndex();
  int found = -1;
  for (int i = 0; i < m_cbShape.GetCount() && found < 0; ++i)
    if ((int)m_cbShape.GetItemData(i) == nIndex) found = i;
  m_cbShape.SetCurSel(found);

  const BOOL bDB = !part.BaseA.strDBName.IsEmpty();
  CDlgUtil::CtrlRadioSetCheck(this, m_aSourceIDs, bDB ? 1 : 0);
  m_cbDBName.EnableWindow(bDB);
  if (bDB) SelectByName(m_cbDBName, part.BaseA.strDBName);
  // The name edit tells the name-follows flag as its text is set.
  GetDlgItem(IDC_SECT_SRC_NAME)->SetWindowText(m_sect.strName);
  CDlgUtil::CtrlRadioSetCheck(this, m_aConvIDs, 0);
  m_editEsEc.SetEditUnit(part.dEsEc);
  m_editDsDc.SetEditUnit(part.dDsDc);
  m_editPs.SetEditUnit(part.dPs);
  m_editPc.SetEditUnit(part.dPc);
  m_chkBuiltUp.SetCheck(part.BaseA.iFabType != 2 ? 1 : 0);
  if (m_nSteelMode == STEEL_TWO) {
    FillTwoProfileLists();
    ShowTwoSizes();
  } else {
    FillProfileList();
    ShowSteelSizes();
  }
  ShowConcreteSizes();
  m_cbOffset.SetCurSel(part.iOffset - 1);
  ShowPicture();
  Repaint();
  --m_bFilling;
}

void CCMSectItemSrc::FillProfileList() {
  const T_SECT_SECTBASE_D& steel = m_sect.Part1.BaseA;
  ++m_bFilling;
  m_cbProfile.ResetContent();
  m_cbProfile.SetWindowText("");
  if (steel.strDBName.IsEmpty()) {
    m_cbProfile.EnableWindow(FALSE);
  } else {
    m_cbProfile.EnableWindow(TRUE);
    CStringArray names;
    if (m_pSectDB) m_pSectDB->GetSectNameList(steel.strDBName, steel.strBaseShape, names);
    for (INT_PTR i = 0; i < names.GetSize(); ++i) m_cbProfile.AddString(names[i]);
    // A profile the list shows is a profile taken: its sizes come with it.
    if (SelectByName(m_cbProfile, steel.strSectName) >= 0) {
      const CString shown = SelText(m_cbProfile);
      if (shown != steel.strSectName) LoadProfile(shown);
    }
  }
  --m_bFilling;
}

void CCMSectItemSrc::FillTwoProfileLists() {
  const T_SECT_SECTBASE_D& steel = m_sect.Part1.BaseA;
  const CString shapes[2] = {CSectUtil::GetFirstShapeFromComShape(steel.strBaseShape),
                             CSectUtil::GetSecondShapeFromComShape(steel.strBaseShape)};
  CCobxAutoFill* lists[2] = {&m_cbProfile1, &m_cbProfile2};
  ++m_bFilling;
  for (int k = 0; k < 2; ++k) {
    CCobxAutoFill& cb = *lists[k];
    cb.ResetContent();
    cb.SetWindowText("");
    if (steel.strDBName.IsEmpty()) {
      cb.EnableWindow(FALSE);
      continue;
    }
    cb.EnableWindow(TRUE);
    CStringArray names;
    if (m_pSectDB) m_pSectDB->GetSectNameList(steel.strDBName, shapes[k], names);
    for (INT_PTR i = 0; i < names.GetSize(); ++i) cb.AddString(names[i]);
    const CString& stored = k == 0 ? steel.strSectName : steel.strSectName2;
    if (SelectByName(cb, stored) >= 0) {
      const CString shown = SelText(cb);
      if (shown != stored) LoadTwoProfile(k, shown);
    }
  }
  --m_bFilling;
}

void CCMSectItemSrc::ShowSteelSizes() {
  const int nIndex = ShapeIndex();
  CStringArray titles;
  const int n = CSectUtil::GetSizeTitleFromShapeIndexSrcSteel(nIndex, titles);
  if (nIndex < 0) {
    ShowKey(kInvalidShape);
    return;
  }
  ++m_bFilling;
  const T_SECT_SECTBASE_D& steel = m_sect.Part1.BaseA;
  const BOOL bTyped = steel.strDBName.IsEmpty();
  for (int r = 0; r < STEEL_ROWS; ++r) {
    const int show = r < n ? SW_SHOW : SW_HIDE;
    m_aTitle[r].ShowWindow(show);
    m_aEdit[r].ShowWindow(show);
    m_aUnit[r].ShowWindow(show);
    if (r >= n) continue;
    m_aTitle[r].SetWindowText(titles[r]);
    m_aEdit[r].SetEditUnit(steel.dSize[SteelSlot(r)]);
    m_aEdit[r].EnableWindow(bTyped);
    const BOOL bThick = titles[r].Find('t') >= 0 || titles[r].Find('r') >= 0;
    m_aEdit[r].SetSizeList(bThick ? m_aThickMenu : m_aSizeMenu);
  }
  m_chkBuiltUp.SetCheck(steel.iFabType != 2 ? 1 : 0);
  --m_bFilling;
}

void CCMSectItemSrc::ShowTwoSizes() {
  const int nIndex = ShapeIndex();
  CStringArray titles;
  const int n = CSectUtil::GetSizeTitleFromShapeIndexSrcSteel(nIndex, titles);
  if (nIndex < 0) {
    ShowKey(kInvalidShape);
    return;
  }
  ++m_bFilling;
  const T_SECT_SECTBASE_D& steel = m_sect.Part1.BaseA;
  const BOOL bTyped = steel.strDBName.IsEmpty();
  for (int r = 0; r < TWO_ROWS && r < n; ++r) {
    m_aTwoTitle[r].SetWindowText(titles[r]);
    m_aTwoEdit[r].SetEditUnit(steel.dSize[r]);
    m_aTwoEdit[r].EnableWindow(bTyped);
    m_aTwoEdit[r].SetNext(&m_aTwoEdit[(r + 1) % TWO_ROWS]);
    BOOL bThick = FALSE;
    for (const char* t : kTwoThickTitles) bThick = bThick || titles[r] == t;
    m_aTwoEdit[r].SetSizeList(bThick ? m_aThickMenu : m_aSizeMenu);
  }
  m_chkBuiltUp.SetCheck(steel.iFabType != 2 ? 1 : 0);
  --m_bFilling;
}

void CCMSectItemSrc::ShowConcreteSizes() {
  const int nIndex = ShapeIndex();
  CStringArray titles;
  const int n = CSectUtil::GetSizeTitleFromShapeIndexSrcConcr(nIndex, titles);
  if (nIndex < 0) {
    ShowKey(kInvalidConcShape);
    return;
  }
  ++m_bFilling;
  const T_SECT_SECTBASE_D& concrete = m_sect.Part1.BaseB;
  for (int r = 0; r < CONC_ROWS; ++r) {
    const BOOL bUsed = r < n;
    m_aConcTitle[r].SetWindowText(bUsed ? titles[r] : CString());
    if (bUsed)
      m_aConcEdit[r].SetEditUnit(concrete.dSize[r]);
    else
      m_aConcEdit[r].SetWindowText("");
    m_aConcTitle[r].EnableWindow(bUsed);
    m_aConcEdit[r].EnableWindow(bUsed);
    m_aConcUnit[r].EnableWindow(bUsed);
  }
  // A round outline has one size: its edit hands the focus on to none.
  m_aConcEdit[0].SetNext(InList(kRoundOutline, nIndex) ? nullptr : &m_aConcEdit[1]);
  --m_bFilling;
}

void CCMSectItemSrc::ShowPicture() {
  const int nIndex = ShapeIndex();
  int found = -1;
  for (int i = 0; i < m_cbShape.GetCount() && found < 0; ++i)
    if ((int)m_cbShape.GetItemData(i) == nIndex) found = i;
  if (nIndex < 0 || found < 0 || found >= (int)(sizeof kPictures / sizeof kPictures[0])) {
    ShowKey(kInvalidShape);
    return;
  }
  SetPicture(m_stPicture, kPictures[found]);
}

void CCMSectItemSrc::Repaint() {
  if (m_wndView.GetSafeHwnd()) m_wndView.Invalidate();
}

// ---- small readers -------------------------------------------------------------------

BOOL CCMSectItemSrc::IsDBRadio() const { return CDlgUtil::CtrlRadioGetCheck((CWnd*)this, m_aSourceIDs) == 1; }

CString CCMSectItemSrc::ChosenDBName() const { return IsDBRadio() ? SelText(m_cbDBName) : CString(); }

int CCMSectItemSrc::ShapeIndex() const { return CSectUtil::GetShapeIndexFromNameSrc(m_sect.Part1.strShape); }

BOOL CCMSectItemSrc::IsBoxSteel() const { return InList(kBoxSteel, ShapeIndex()); }

int CCMSectItemSrc::SteelSlot(int nRow) const { return nRow == 4 && IsBoxSteel() ? 5 : nRow; }
