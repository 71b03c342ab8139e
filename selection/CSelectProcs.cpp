#include "selection/CSelectProcs.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "afx/CComboBox.h"
#include "afx/CListBox.h"
#include "db/CClassGrup.h"
#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CClassThik.h"
#include "db/CDBQuery.h"
#include "db/DB_CDataBase.h"
#include "ui/CMsgDll.h"
#include "ui/CNumericOptimizer.h"

namespace {

template <class T>
T* TableOf(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

const CSelectProcs::Category kSelectCategories[] = {
    {"IDS_DB_QUERY_MEMB_TYPE", QUERY_MEMB_TYPE, 2}, {"IDS_DB_QUERY_MATERIAL", QUERY_MATERIAL, 2},
    {"IDS_DB_QUERY_SECTION", QUERY_SECTION, 2},     {"IDS_DB_QUERY_THICKNESS", QUERY_THICKNESS, 2},
    {"IDS_DB_DATA_NAME_STOR", QUERY_STOR, 2},       {"IDS_DB_QUERY_NAME_GROUP", QUERY_GROUP, 2},
};

// The tables whose records a category's list shows.
struct ListTables {
  UINT nCategory;
  UINT nClass[2];
};
const ListTables kListTables[] = {
    {QUERY_MATERIAL, {CClassMatl::m_nClassID, CClassPMatl::m_nClassID}},
    {QUERY_SECTION, {CClassSect::m_nClassID, CClassPSect::m_nClassID}},
    {QUERY_THICKNESS, {CClassThik::m_nClassID, CClassPThik::m_nClassID}},
    {QUERY_STOR, {CClassStor::m_nClassID, CClassPStor::m_nClassID}},
    {QUERY_GROUP, {CClassGrup::m_nClassID, CClassGrup::m_nClassID}},
};

void AddItem(CListBox& list, const CString& text, DWORD_PTR data) {
  const int i = list.AddString(text);
  if (i >= 0) list.SetItemData(i, data);
}

// "%-4d : %s" of every used key, "Undefined" for a record that cannot be read.
template <class Table>
void FillKeyNames(CListBox& list, Table* t, const CString& (*name)(const typename Table::Rec&)) {
  if (!t) return;
  CUIntArray keys;
  t->GetUsedKeyList(keys);
  for (UINT k : keys) {
    typename Table::Rec r;
    CString text;
    text.Format("%-4d : %s", (int)k, t->Get(k, r) ? name(r).c_str() : "Undefined");
    AddItem(list, text, k);
  }
}

template <class Stor, class Mdul>
void FillStories(CListBox& list, Stor* stor, Mdul* mdul) {
  if (!stor) return;
  CUIntArray keys;
  stor->GetKeyListReverse(keys);
  const bool towers = mdul && mdul->GetCount() >= 2;
  for (UINT k : keys) {
    typename Stor::Rec s;
    if (!stor->Get(k, s)) continue;
    CString text;
    if (towers) {
      typename Mdul::Rec t;
      if (mdul->Get(s.mdulKey, t)) text.Format("%s : ", t.name.c_str());
    }
    text += s.name;
    AddItem(list, text, k);
  }
}

const CString& MatlName(const T_MATL_D& r) { return r.name; }
const CString& SectName(const T_SECT_D& r) { return r.strName; }
const CString& ThikName(const T_THIK_D& r) { return r.name; }
const CString& PMatlName(const T_PMATL_D& r) { return r.name; }
const CString& PSectName(const T_PSECT_D& r) { return r.name; }
const CString& PThikName(const T_PTHIK_D& r) { return r.name; }

}  // namespace

BOOL CSelectProcs::GetTypedKeys(DB_CDataBase* pDB, CViewCtrl::Kind kind, const CString& text, CUIntArray& keys) {
  keys.RemoveAll();
  CUIntArray candidates, numbers;
  auto* pont = TableOf<CClassPont>(pDB);
  auto* memb = TableOf<CClassMemb>(pDB);
  switch (kind) {
    case CViewCtrl::PONT:
      if (!pont) return FALSE;
      pont->GetNoList(candidates);
      break;
    case CViewCtrl::MEMB:
      if (!memb) return FALSE;
      memb->GetNoList(candidates);
      break;
    case CViewCtrl::PNODE:
      if (auto* t = TableOf<CClassPNode>(pDB)) t->GetKeyList(candidates);
      else return FALSE;
      break;
    default:
      if (auto* t = TableOf<CClassPMemb>(pDB)) t->GetKeyList(candidates);
      else return FALSE;
      break;
  }
  CNumericOptimizer opt;
  opt.SelectNumByStr(candidates, text, numbers);
  if (kind == CViewCtrl::PONT || kind == CViewCtrl::MEMB) {
    keys.vec().reserve(numbers.vec().size());
    for (UINT n : numbers)
      if (const UINT k = kind == CViewCtrl::PONT ? pont->GetPontKeyByNo(n) : memb->GetMembKeyByNo(n)) keys.Add(k);
  } else {
    keys.vec().swap(numbers.vec());
  }
  return TRUE;
}

BOOL CSelectProcs::ApplyTypedList(DB_CDataBase* pDB, CViewCtrl::Kind kind, const CString& text) {
  CUIntArray keys;
  if (!pDB || !GetTypedKeys(pDB, kind, text, keys)) return FALSE;
  CViewCtrl* vc = pDB->GetViewCtrl();
  switch (kind) {
    case CViewCtrl::PONT: vc->SelectPont(nullptr, keys, 1, 1, 1, 1, 1, 1); break;
    case CViewCtrl::MEMB: vc->SelectMemb(nullptr, keys, 0, 1, 1, 1, 1, 1, 1); break;
    case CViewCtrl::PNODE: vc->SelectPNode(nullptr, keys, 1, 1, 1, 1, 1, 1); break;
    default: vc->SelectPMemb(nullptr, keys, 0, 1, 1, 1, 1, 1, 1); break;
  }
  return TRUE;
}

BOOL CSelectProcs::GetKeysText(DB_CDataBase* pDB, CViewCtrl::Kind kind, const CUIntArray& keys, CString& text) {
  CUIntArray numbers;
  if (kind == CViewCtrl::PONT || kind == CViewCtrl::MEMB) {
    auto* pont = TableOf<CClassPont>(pDB);
    auto* memb = TableOf<CClassMemb>(pDB);
    if (kind == CViewCtrl::PONT ? !pont : !memb) return FALSE;
    numbers.vec().reserve(keys.vec().size());
    for (UINT k : keys) numbers.Add(kind == CViewCtrl::PONT ? pont->GetPontNoByKey(k) : memb->GetMembNoByKey(k));
  } else {
    numbers.vec() = keys.vec();
  }
  if (!std::is_sorted(numbers.begin(), numbers.end())) std::sort(numbers.begin(), numbers.end());
  text = CNumericOptimizer().Optimize(numbers);
  return TRUE;
}

BOOL CSelectProcs::GetSelectedText(DB_CDataBase* pDB, CViewCtrl::Kind kind, CString& text) {
  if (!pDB) return FALSE;
  CUIntArray keys;
  const CViewCtrl* vc = pDB->GetViewCtrl();
  switch (kind) {
    case CViewCtrl::PONT: vc->GetAllSelectedPont(keys); break;
    case CViewCtrl::MEMB: vc->GetAllSelectedMemb(keys); break;
    case CViewCtrl::PNODE: vc->GetAllSelectedPNode(keys); break;
    default: vc->GetAllSelectedPMemb(keys); break;
  }
  return GetKeysText(pDB, kind, keys, text);
}

BOOL CSelectProcs::ValidQueryCondition(UINT nCategory, const CListBox& list) {
  return nCategory != 0 && list.m_hWnd && list.GetSelCount() > 0;
}

void CSelectProcs::GetQueryCondition(UINT nCategory, const CListBox& list, CQueryCondition& cond) {
  cond.m_nQueryType = (int)nCategory;
  cond.m_nQueryOption = 1;
  const int n = list.m_hWnd ? list.GetSelCount() : 0;
  if (n <= 0) return;
  std::vector<int> items((size_t)n);
  const int got = list.GetSelItems(n, items.data());
  for (int i = 0; i < got; ++i) {
    CString text;
    text.Format("%ld", (long)list.GetItemData(items[(size_t)i]));
    cond.m_arrKeys.Add(text);
  }
  if (nCategory == QUERY_STOR) cond.m_nStoryFlag = 1;
}

BOOL CSelectProcs::RunQuery(int nMode, DB_CDataBase* pDB, const CQueryCondition& cond, CUIntArray* pObjs,
                            CUIntArray* pMembs) {
  return nMode == 0 ? CDBQuery::GetKeyListByAttrPre(pDB, cond, pObjs, pMembs)
                    : CDBQuery::GetKeyListByAttr(pDB, cond, pObjs, pMembs);
}

const CSelectProcs::Category* CSelectProcs::GetSelectCategories(int& nCount) {
  nCount = (int)(sizeof kSelectCategories / sizeof kSelectCategories[0]);
  return kSelectCategories;
}

void CSelectProcs::FillCategories(CComboBox& combo, const Category* cats, int nCount, int nMode) {
  combo.ResetContent();
  for (int i = 0; i < nCount; ++i) {
    if (cats[i].nModeMask != 2 && cats[i].nModeMask != nMode) continue;
    const int item = combo.AddString(CMsgDll::pfuncLoadStr(cats[i].pszTextKey, 0));
    if (item >= 0) combo.SetItemData(item, cats[i].nCode);
  }
}

void CSelectProcs::FillList(CListBox& list, int nMode, DB_CDataBase* pDB, UINT nCategory) {
  list.ResetContent();
  if (!pDB) return;
  const bool analysis = nMode == 1;
  switch (nCategory) {
    case QUERY_MEMB_TYPE: {
      CUIntArray codes;
      CStringArray names;
      if (analysis) CClassPMemb::GetMembTypeList(codes, names);
      else CClassMemb::GetMembTypeList(codes, names);
      for (INT_PTR i = 0; i < codes.GetSize(); ++i) AddItem(list, names[i], codes[i]);
      break;
    }
    case QUERY_MATERIAL:
      if (analysis) FillKeyNames(list, TableOf<CClassPMatl>(pDB), PMatlName);
      else FillKeyNames(list, TableOf<CClassMatl>(pDB), MatlName);
      break;
    case QUERY_SECTION:
      if (analysis) FillKeyNames(list, TableOf<CClassPSect>(pDB), PSectName);
      else FillKeyNames(list, TableOf<CClassSect>(pDB), SectName);
      break;
    case QUERY_THICKNESS:
      if (analysis) FillKeyNames(list, TableOf<CClassPThik>(pDB), PThikName);
      else FillKeyNames(list, TableOf<CClassThik>(pDB), ThikName);
      break;
    case QUERY_STOR:
      if (analysis) FillStories(list, TableOf<CClassPStor>(pDB), TableOf<CClassPMdul>(pDB));
      else FillStories(list, TableOf<CClassStor>(pDB), TableOf<CClassMdul>(pDB));
      break;
    case QUERY_GROUP: {
      auto* grup = analysis ? nullptr : TableOf<CClassGrup>(pDB);
      if (!grup) break;
      CUIntArray keys;
      grup->GetKeyList(keys);
      for (UINT k : keys) {
        T_GRUP_D g;
        if (!grup->Get(k, g) || (g.points.IsEmpty() && g.members.IsEmpty())) continue;
        AddItem(list, g.name, k);
      }
      break;
    }
    default: break;
  }
}

BOOL CSelectProcs::ListFollowsTable(UINT nCategory, UINT nClassID) {
  for (const ListTables& t : kListTables)
    if (t.nCategory == nCategory) return t.nClass[0] == nClassID || t.nClass[1] == nClassID;
  return FALSE;
}

BOOL CSelectProcs::SelectListItemByData(CListBox& list, DWORD_PTR data) {
  for (int i = 0; i < list.GetCount(); ++i)
    if (list.GetItemData(i) == data) {
      list.SetSel(i, TRUE);
      return TRUE;
    }
  return FALSE;
}
