// CCmdPlanStoryDlgStor: the commands, the tower box, the grid's selection and the refresh.
#include <cstdlib>
#include "afx/AfxMessageBox.h"
#include "afx/CComboBox.h"
#include "db/CClassGrnd.h"
#include "db/CClassMdul.h"
#include "db/CClassNsbl.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/DB_CDataBase.h"
#include "db/DB_CScopedChange.h"
#include "levels/CCmdPlanStoryDlgStor.h"
#include "levels/CCmdPlanStoryDlgStorMatl.h"
#include "levels/CCmdPlanStoryGrid.h"
#include "levels/CStoryGLevelDlg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

// ---- generating commands -------------------------------------------------------------------

void CCmdPlanStoryDlgStor::OnCmdAddBtn() {
  CArray<T_STOR_D> recs;
  if (!PrepareStories(TRUE, recs) || !m_pStor) return;
  m_pStor->TR_Add(recs);
}

// Below the tower's stories: above the base story in the main tower; right below the
// tower's lowest story in another; after the main tower's stories for a tower with none.
int CCmdPlanStoryDlgStor::AppendPosition() {
  if (!m_pStor) return 1;
  if (m_data.mdulKey == 1) return 2;
  CUIntArray keys;
  m_pStor->GetKeyList(keys, m_data.mdulKey);
  if (!keys.IsEmpty()) return m_pStor->GetSeq(keys[0]);
  m_pStor->GetKeyList(keys, 1);
  return keys.IsEmpty() ? 1 : m_pStor->GetSeq(keys[keys.GetUpperBound()]) + 1;
}

void CCmdPlanStoryDlgStor::OnCmdAppendBtn() {
  CArray<T_STOR_D> recs;
  if (!PrepareStories(TRUE, recs) || !m_pStor) return;
  m_pStor->TR_Insert(recs, AppendPosition());
}

void CCmdPlanStoryDlgStor::OnCmdInsertBtn() {
  if (!m_pGrid || !m_pStor) return;
  ROWCOL row = 0, col = 0;
  const BOOL current = m_pGrid->GetCurrentCell(row, col);
  const ROWCOL rows = m_pGrid->GetRowCount();
  CArray<T_STOR_D> recs;
  if (!PrepareStories(TRUE, recs)) return;
  int position = 0;
  if (!current || row == 0 || row >= rows) {
    position = AppendPosition();  // no current row, or the append row
  } else {
    const UINT key = (UINT)std::atol(m_pGrid->GetValueRowCol(row, m_pGrid->GetColumnNoFor(CCmdPlanStoryGrid::COL_KEY)).c_str());
    const int seq = key ? m_pStor->GetSeq(key) : -1;
    position = (seq != -1 ? seq : m_pStor->GetCount()) + 1;
  }
  m_pStor->TR_Insert(recs, position);
}

void CCmdPlanStoryDlgStor::OnCmdModifyBtn() {
  if (!m_pGrid || !m_pStor) return;
  if (!Dlg2Data() || !CheckNumberRanges()) return;
  const BOOL load = IsDlgButtonChecked(IDC_PSD_STOR_APPLY_LOAD), plan = m_data.applyPlan,
             height = m_data.applyHeight, name = m_data.applyName;
  if (!load && !plan && !height && !name) return;
  CUIntArray keys;
  m_pGrid->GetSelectedKeys(keys);
  if (keys.IsEmpty()) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_STOR_No_Selected_Stor_Data", 0));
    return;
  }
  if (name && keys.GetSize() != ReadInt(IDC_PSD_STOR_COUNT)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD__ADDD__No_Multi_Story_Count_", 0));
    return;
  }
  if (height && !CheckHeight()) return;
  CStringArray names;
  if (name && (!CheckStoryInput() || !MakeStoryNames(names) || !CheckNamesInTower(names, &keys, TRUE))) return;
  T_NSBL_D loads;
  loads.Initialize();
  const BOOL haveLoads = load && m_data.slabLoadKey && m_pNsbl && m_pNsbl->Get(m_data.slabLoadKey, loads);
  CArray<T_STOR_D> recs;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_STOR_D rec;
    if (!m_pStor->Get(keys[i], rec)) return;
    const BOOL base = m_pStor->IsBaseStor(keys[i]);  // keeps its height and standard floor
    if (name) {
      rec.name = names[i];
      rec.name.Trim();
    }
    if (height && !base) rec.height = m_data.height;
    if (plan && m_data.planKey && !base) rec.planKey = m_data.planKey;
    if (haveLoads) {
      rec.deadLoad = loads.DL;
      rec.liveLoad = loads.LL;
    }
    recs.Add(rec);
  }
  m_pStor->TR_Modify(keys, recs);
}

void CCmdPlanStoryDlgStor::OnCmdReplaceAllBtn() {
  CArray<T_STOR_D> recs;
  if (!PrepareStories(FALSE, recs) || !m_pStor) return;
  UINT tower = m_data.mdulKey;
  if (!m_cobxMdul.GetSelectedMdul(tower) || !tower) tower = m_data.mdulKey;
  // The stories and, in the main tower, the basement record they void: one step, both or
  // neither.
  DB_CScopedChange change(m_pStor->GetDB());
  BOOL ok = m_pStor->TR_Add(recs, 1, m_data.mdulKey);
  T_GRND_D ground;
  ground.Initialize();
  ground.basementCount = 0;
  if (ok && tower == 1 && m_pGrnd) ok = m_pGrnd->TR_Add(ground);
  if (!ok || !change.Commit()) return;
  if (tower == 1) {
    m_data.groundLevel = ground.groundLevel;
    m_data.refStorKey = m_pGrnd ? m_pGrnd->GetReferenceStorK() : 0;
  }
  Data2Dlg();
}

void CCmdPlanStoryDlgStor::OnCmdDeleteAllBtn() {
  if (!m_pGrid || !m_pStor) return;
  CString tower;
  const int sel = m_cobxMdul.GetCurSel();
  if (sel >= 0) m_cobxMdul.GetLBText(sel, tower);
  // Every story of the tower but the base story, which no command deletes.
  CUIntArray keys, doomed;
  m_pStor->GetKeyList(keys, m_data.mdulKey);
  for (UINT k : keys)
    if (!m_pStor->IsBaseStor(k)) doomed.Add(k);
  CString message;
  if (m_pGrid->GetRecordCount() <= 0 || doomed.IsEmpty()) {
    message.Format(CMsgDll::pfuncLoadStr("IDS_CMD_STOR_Not_Exist_Story", 0), tower.c_str());
    AfxMessageBox(message);
    return;
  }
  message.Format(CMsgDll::pfuncLoadStr("IDS_CMD_STOR_Delete_All", 0), tower.c_str());
  if (AfxMessageBox(message, MB_OKCANCEL) != IDOK) return;
  m_pStor->TR_Del(doomed);
}

void CCmdPlanStoryDlgStor::OnCmdGroundLevelBtn() {
  if (!Dlg2Data()) return;
  CStoryGLevelDlg dlg(m_data.groundLevel, m_data.refStorKey, nullptr);
  if (dlg.DoModal() != IDOK) return;
  m_data.groundLevel = dlg.GetGroundLevel();
  m_data.refStorKey = dlg.GetRefStorKey();
  Data2Dlg();
  if (!m_pGrnd) return;
  T_GRND_D ground;
  ground.Initialize();
  ground.groundLevel = m_data.groundLevel;
  ground.basementCount = m_pGrnd->GetStoryCountByReferenceStoryK(m_data.refStorKey);
  m_pGrnd->TR_Add(ground);
}

// The story material dialog of the page's tower.
void CCmdPlanStoryDlgStor::OnCmdStoryMatlBtn() {
  CCmdPlanStoryDlgStorMatl dlg(nullptr);
  dlg.SetInitModulekey(m_data.mdulKey);
  dlg.DoModal();
}

void CCmdPlanStoryDlgStor::OnComingSoon() { AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_Comming_Soon", 0)); }

// ---- tower and standard-floor boxes ----------------------------------------------------------

void CCmdPlanStoryDlgStor::OnSelchangeTowerCombo() {
  TerminateGridEditing();
  const int sel = m_cobxMdul.GetCurSel();
  if (sel < 0 || !m_pMdul) return;
  CString name;
  m_cobxMdul.GetLBText(sel, name);
  const UINT key = m_pMdul->GetKey(name);
  if (!key) return;
  m_data.mdulKey = key;
  m_bMainTower = key == 1;
  if (m_pGrid) m_pGrid->ShowTower(key);
  double level = 0.0;
  if (m_pStor && m_pStor->GetStartLevelofCurMdul(key, level)) m_editStartLevel.SetEditUnit(level, "%g");
  ShowTowerGroups();
  // The floor chosen for another tower is no choice for this one.
  m_data.planKey = 0;
  m_cobxPlan.SetCurSel(-1);
}

// A typed name that no tower has makes a tower (the refresh then shows it); a tower's
// name shows that tower.
void CCmdPlanStoryDlgStor::OnKillfocusTowerCombo() {
  CString text;
  m_cobxMdul.GetWindowText(text);
  text.Trim();
  m_strTypedTower = text;
  if (text.IsEmpty() || !m_pMdul) return;
  if (UINT key = m_pMdul->GetKey(text)) {
    if (key != m_data.mdulKey && m_cobxMdul.ChangeSelect(key)) OnSelchangeTowerCombo();
    return;
  }
  T_MDUL_D tower;
  tower.Initialize();
  tower.name = text;
  m_pMdul->TR_Add(tower);
}

void CCmdPlanStoryDlgStor::OnSelchangePlanCombo() {
  UINT plan = 0;
  if (m_cobxPlan.GetSelectedPlan(plan) && plan && !CheckPlanKeyListToBeAssignedToMdul(m_data.mdulKey, plan, 1))
    m_cobxPlan.SetCurSel(-1);
}

// ---- following the grid and the tables ---------------------------------------------------------

void CCmdPlanStoryDlgStor::OnGridSelChanged(int n, UINT firstKey) {
  SetInt(IDC_PSD_STOR_COUNT, n);
  if (n != 1 || !m_pStor) return;
  T_STOR_D rec;
  if (!m_pStor->Get(firstKey, rec)) return;
  SetDlgItemText(IDC_PSD_STOR_NAME, rec.name);
  m_cobxPlan.ChangeSelect(rec.planKey);
  m_editHeight.SetEditUnit(rec.height);
  m_cobxName.SetCurSel(-1);
}

void CCmdPlanStoryDlgStor::OnDBUpdate(const DB_CDataBase& db) {
  if (!m_hWnd || !m_pGrid) return;
  BOOL levels = FALSE, tower = FALSE;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) {
    const UINT id = u->m_nClassID;
    if (id == CClassMdul::m_nClassID) tower = TRUE;
    if (id == CClassStor::m_nClassID || id == CClassPlan::m_nClassID || id == CClassGrnd::m_nClassID ||
        id == CClassMdul::m_nClassID)
      levels = TRUE;
  }
  if (!levels) return;
  if (tower) {
    // The tower typed last, else the main tower; the grid shows it afresh.
    m_cobxMdul.Refill();
    const UINT key = m_pMdul && !m_strTypedTower.IsEmpty() ? m_pMdul->GetKey(m_strTypedTower) : 0;
    if (key) {
      m_data.mdulKey = key;
    } else {
      m_data.mdulKey = 1;
      m_strTypedTower.Empty();
    }
    m_cobxMdul.ChangeSelect(m_data.mdulKey);
    OnSelchangeTowerCombo();
  } else {
    m_pGrid->Replay(db);
  }
  ReadGround();
  Data2Dlg();
}
