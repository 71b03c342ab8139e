// The regular section page: what the user's actions do.
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
