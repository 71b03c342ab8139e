#include "selection/CActiveLists.h"

#include <type_traits>

#include "afx/CListBox.h"
#include "db/CClassGrup.h"
#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassNpln.h"
#include "db/CClassPMemb.h"
#include "db/CClassPlan.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CDBQuery.h"
#include "db/DB_CDataBase.h"
#include "selection/CSelectProcs.h"

namespace {

template <class T>
T* TableOf(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

void AddItem(CListBox& list, const CString& text, DWORD_PTR data) {
  const int i = list.AddString(text);
  if (i >= 0) list.SetItemData(i, data);
}

// The tables whose records change a category's list; a 0 ends a row.
struct FollowRow {
  UINT nCategory;
  UINT nClass[6];
};
const FollowRow kActivateFollows[] = {
    {QUERY_MDUL, {DB_CLASS_MDUL, DB_CLASS_PMDUL}},
    {QUERY_PLAN, {DB_CLASS_PLAN}},
    {QUERY_STOR, {DB_CLASS_STOR, DB_CLASS_PSTOR, DB_CLASS_MDUL, DB_CLASS_PMDUL}},
    {QUERY_MEMB_TYPE, {DB_CLASS_MEMB, DB_CLASS_PMEMB}},
    {QUERY_GROUP, {DB_CLASS_GRUP}},
    {QUERY_NPLN, {DB_CLASS_NPLN}},
};
const FollowRow kSelectActivateFollows[] = {
    {QUERY_STOR, {DB_CLASS_STOR, DB_CLASS_PSTOR, DB_CLASS_MEMB, DB_CLASS_PMEMB, DB_CLASS_MDUL, DB_CLASS_PMDUL}},
    {QUERY_PLAN, {DB_CLASS_PLAN, DB_CLASS_STOR, DB_CLASS_PSTOR}},
    {QUERY_MDUL, {DB_CLASS_MDUL, DB_CLASS_PMDUL}},
    {QUERY_NPLN, {DB_CLASS_NPLN}},
    {QUERY_GROUP, {DB_CLASS_GRUP}},
    {QUERY_MEMB_TYPE, {DB_CLASS_MEMB, DB_CLASS_PMEMB}},
    {QUERY_MATERIAL, {DB_CLASS_MATL, DB_CLASS_PMATL, DB_CLASS_MEMB, DB_CLASS_PMEMB}},
    {QUERY_SECTION, {CClassSect::m_nClassID, DB_CLASS_PSECT, DB_CLASS_MEMB, DB_CLASS_PMEMB}},
    {QUERY_THICKNESS, {DB_CLASS_THIK, DB_CLASS_PTHIK, DB_CLASS_MEMB, DB_CLASS_PMEMB}},
};

template <class Mdul>
void FillTowers(CListBox& list, Mdul* mdul, bool byLevel) {
  if (!mdul) return;
  CUIntArray keys;
  if constexpr (requires { mdul->GetKeyListByLevel(keys); }) {
    if (byLevel) mdul->GetKeyListByLevel(keys);
    else mdul->GetKeyList(keys);
  } else {
    mdul->GetKeyList(keys);
  }
  const bool named = mdul->GetCount() >= 2;
  for (UINT k : keys) {
    typename Mdul::Rec r;
    if (mdul->Get(k, r)) AddItem(list, named ? r.name : CString(), k);
  }
}

template <class Stor, class Mdul>
void AddStory(CListBox& list, Stor* stor, Mdul* mdul, UINT key) {
  typename Stor::Rec s;
  if (!stor->Get(key, s)) return;
  CString text;
  if (mdul && mdul->GetCount() >= 2) {
    typename Mdul::Rec t;
    if (mdul->Get(s.mdulKey, t)) text.Format("%s : ", t.name.c_str());
  }
  text += s.name;
  AddItem(list, text, key);
}

// Every story, top-down.
template <class Stor, class Mdul>
void FillAllStories(CListBox& list, Stor* stor, Mdul* mdul) {
  if (!stor) return;
  CUIntArray keys;
  stor->GetKeyListReverse(keys);
  for (UINT k : keys) AddStory(list, stor, mdul, k);
}

// Tower by tower (by start level), each tower's stories top-down.
template <class Stor, class Mdul>
void FillStoriesByTower(CListBox& list, Stor* stor, Mdul* mdul, bool exceptEmpty) {
  if (!stor || !mdul) return;
  CUIntArray towers;
  mdul->GetKeyListByLevel(towers);
  for (UINT t : towers) {
    typename Mdul::Rec r;
    if (!mdul->Get(t, r)) continue;
    CUIntArray keys;
    stor->GetKeyListReverse(keys, t);
    for (UINT k : keys) {
      if constexpr (std::is_same_v<Stor, CClassStor>)
        if (exceptEmpty && stor->IsEmptyStory(k)) continue;
      AddStory(list, stor, mdul, k);
    }
  }
}

void FillPlans(CListBox& list, CClassPlan* plan, bool usedOnly) {
  if (!plan) return;
  CUIntArray keys;
  plan->GetKeyList(keys);
  for (UINT k : keys) {
    T_PLAN_D r;
    if (usedOnly && !plan->IsPlanHavingStory(k)) continue;
    if (plan->Get(k, r)) AddItem(list, r.name, k);
  }
}

void FillGroups(CListBox& list, CClassGrup* grup) {
  if (!grup) return;
  CUIntArray keys;
  grup->GetKeyList(keys);
  for (UINT k : keys) {
    T_GRUP_D g;
    if (grup->Get(k, g) && (!g.points.IsEmpty() || !g.members.IsEmpty())) AddItem(list, g.name, k);
  }
}

void FillPlanes(CListBox& list, CClassNpln* npln) {
  if (!npln) return;
  CUIntArray keys;
  npln->GetKeyList(keys);
  for (UINT k : keys) {
    T_NPLN_D r;
    if (npln->Get(k, r)) AddItem(list, r.name, k);
  }
}

// The selectable types; with usedOnly those that some member (element) has.
template <class Memb>
void FillTypes(CListBox& list, Memb* memb, bool analysis, bool usedOnly) {
  CUIntArray codes;
  CStringArray names;
  if (analysis) CClassPMemb::GetMembTypeList(codes, names);
  else CClassMemb::GetMembTypeList(codes, names);
  CUIntArray all;
  if (usedOnly) {
    if (!memb) return;
    memb->GetKeyList(all);
    if (all.IsEmpty()) return;
  }
  for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
    if (usedOnly) {
      CUIntArray keys = all;
      int left = 0;
      if constexpr (std::is_same_v<Memb, CClassMemb>) left = memb->FilterByMembType(keys, (int)codes[i], 1);
      else left = memb->FilterByPMembType(keys, (int)codes[i], 1);
      if (left <= 0) continue;
    }
    CString text;
    text.Format("%s", names[i].c_str());
    AddItem(list, text, codes[i]);
  }
}

}  // namespace

void CActiveLists::Fill(Flavor flavor, CListBox& list, int nMode, DB_CDataBase* pDB, DB_CDataBase* pModelDB,
                        UINT nCategory) {
  list.ResetContent();
  const bool analysis = nMode == 1;
  const bool sa = flavor == SELECT_ACTIVATE;
  switch (nCategory) {
    case QUERY_MDUL:
      if (analysis) FillTowers(list, TableOf<CClassPMdul>(pDB), false);
      else FillTowers(list, TableOf<CClassMdul>(pDB), true);
      break;
    case QUERY_PLAN:
      if (!analysis) FillPlans(list, TableOf<CClassPlan>(pDB), sa);
      break;
    case QUERY_STOR:
      if (analysis) {
        if (sa) FillStoriesByTower(list, TableOf<CClassPStor>(pDB), TableOf<CClassPMdul>(pDB), false);
        else FillAllStories(list, TableOf<CClassPStor>(pDB), TableOf<CClassPMdul>(pDB));
      } else {
        if (sa) FillStoriesByTower(list, TableOf<CClassStor>(pDB), TableOf<CClassMdul>(pDB), true);
        else FillAllStories(list, TableOf<CClassStor>(pDB), TableOf<CClassMdul>(pDB));
      }
      break;
    case QUERY_MEMB_TYPE:
      if (analysis) FillTypes(list, TableOf<CClassPMemb>(pDB), true, sa);
      else FillTypes(list, TableOf<CClassMemb>(pDB), false, sa);
      break;
    case QUERY_GROUP:
      if (!analysis) FillGroups(list, TableOf<CClassGrup>(pDB));
      break;
    case QUERY_NPLN: FillPlanes(list, TableOf<CClassNpln>(pModelDB)); break;
    case QUERY_MATERIAL:
    case QUERY_SECTION:
    case QUERY_THICKNESS:
      if (sa) CSelectProcs::FillList(list, nMode, pDB, nCategory);
      break;
    default: break;
  }
}

BOOL CActiveLists::FollowsTable(Flavor flavor, UINT nCategory, UINT nClassID) {
  auto scan = [&](const FollowRow* rows, size_t n) -> BOOL {
    for (size_t i = 0; i < n; ++i) {
      if (rows[i].nCategory != nCategory) continue;
      for (UINT c : rows[i].nClass)
        if (c && c == nClassID) return TRUE;
      return FALSE;
    }
    return FALSE;
  };
  return flavor == ACTIVATE ? scan(kActivateFollows, sizeof kActivateFollows / sizeof kActivateFollows[0])
                            : scan(kSelectActivateFollows, sizeof kSelectActivateFollows / sizeof kSelectActivateFollows[0]);
}

BOOL CActiveLists::TransactionChangesList(Flavor flavor, UINT nCategory, const DB_CDataBase* pDB, UINT nDBID) {
  if (!pDB || pDB->GetID() != nDBID || !pDB->HasUpdateRecords()) return FALSE;
  POSITION pos = pDB->GetFirstUpdatePosition();
  while (pos) {
    const DB_CUpdateRecord* r = pDB->GetNextUpdate(pos);
    if (r && FollowsTable(flavor, nCategory, r->m_nClassID)) return TRUE;
  }
  return FALSE;
}
