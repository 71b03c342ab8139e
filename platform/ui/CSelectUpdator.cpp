#include "ui/CSelectUpdator.h"

#include "afx/CWnd.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CViewCtrl.h"
#include "db/DB_CDataBase.h"
#include "ui/CNumericOptimizer.h"

namespace {

// Numbers of the keys of the kind (points or members), in key order; absent keys left out.
void NumbersOf(const DB_CDataBase& db, int target, const CUIntArray& keys, CUIntArray& numbers) {
  numbers.RemoveAll();
  numbers.vec().reserve((size_t)keys.GetSize());
  if (target == CSelectUpdator::TARGET_PONT) {
    const auto* t = static_cast<const CClassPont*>(db.GetClass(CClassPont::m_nClassID));
    for (UINT k : keys)
      if (UINT n = t ? t->GetPontNoByKey(k) : 0) numbers.Add(n);
  } else {
    const auto* t = static_cast<const CClassMemb*>(db.GetClass(CClassMemb::m_nClassID));
    for (UINT k : keys)
      if (UINT n = t ? t->GetMembNoByKey(k) : 0) numbers.Add(n);
  }
}

BOOL IsTarget(int target) { return target == CSelectUpdator::TARGET_PONT || target == CSelectUpdator::TARGET_MEMB; }

}  // namespace

int CSelectUpdator::SelectByStr(LPCTSTR text) {
  DB_CDataBase* db = GetConnectedDB();
  if (!db || !IsTarget(m_nTarget)) return 0;
  const bool pont = m_nTarget == TARGET_PONT;
  // Candidates: every number the kind's table holds.
  CUIntArray keys, candidates, numbers;
  if (pont) {
    const auto* t = static_cast<const CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    if (!t) return 0;
    t->GetKeyList(keys);
  } else {
    const auto* t = static_cast<const CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    if (!t) return 0;
    t->GetKeyList(keys);
  }
  NumbersOf(*db, m_nTarget, keys, candidates);
  if (!CNumericOptimizer().SelectNumByStr(candidates, text ? text : "", numbers)) return 0;
  CUIntArray chosen;
  chosen.vec().reserve((size_t)numbers.GetSize());
  if (pont) {
    const auto* t = static_cast<const CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    for (UINT n : numbers) chosen.Add(t->GetPontKeyByNo(n));
  } else {
    const auto* t = static_cast<const CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    for (UINT n : numbers) chosen.Add(t->GetMembKeyByNo(n));
  }
  // The kind's selection becomes exactly the chosen objects; the other kinds stay.
  CViewCtrl* vc = db->GetViewCtrl();
  CUIntArray selected, drop, none;
  if (pont) vc->GetAllSelectedPont(selected);
  else vc->GetAllSelectedMemb(selected);
  CKeyBits keep;
  for (UINT k : chosen) keep.Insert(k);
  for (UINT k : selected)
    if (!keep.Contains(k)) drop.Add(k);
  if (!drop.IsEmpty()) vc->Unselect(nullptr, pont ? drop : none, pont ? none : drop, none, none, 0, 0);
  vc->Select(nullptr, pont ? chosen : none, pont ? none : chosen, none, none, 0, 0, 0);
  return 1;
}

CString CSelectUpdator::GetSelectionText() const {
  const DB_CDataBase* db = GetConnectedDB();
  if (!db || !IsTarget(m_nTarget)) return CString();
  CUIntArray keys, numbers;
  if (m_nTarget == TARGET_PONT) db->GetViewCtrl()->GetAllSelectedPont(keys);
  else db->GetViewCtrl()->GetAllSelectedMemb(keys);
  NumbersOf(*db, m_nTarget, keys, numbers);
  return CNumericOptimizer().OptimizeUnsortedArray(numbers);
}

void CSelectUpdator::ShowSelection() {
  if (!m_pEdit || !m_pEdit->m_hWnd) return;
  const CString text = GetSelectionText();
  OnSettingText(TRUE);
  m_pEdit->SetWindowText(text);
  OnSettingText(FALSE);
}

void CSelectUpdator::OnHint(LPARAM lHint, CObject* pHint) {
  if (lHint != CViewCtrl::HINT_SELECT && lHint != CViewCtrl::HINT_UNSELECT) return;
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  const DB_CDataBase* db = GetConnectedDB();
  if (!hint || !db || hint->m_nDBID != db->GetID()) return;
  ShowSelection();
}
